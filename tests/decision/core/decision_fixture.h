#pragma once
// A decision problem written compactly for tests, solved as Solve solves it.
#include <vector>

#include "decision/core/DecisionSetup.h"
#include "decision/core/DecisionSolve.h"
#include "shell/core/State.h"

namespace dectest {

using Rows = std::vector<std::vector<double>>;

struct Problem {
    Rows payoffs;
    int places = 0;
    bool maximize = true;
    int criterion = 1;  // 4: expected value
    std::vector<double> probs = {};
    Rows outcomes = {};
};

// Solves the problem as Solve does and returns the block.
inline qv::DecisionBlock& solve(const Problem& p) {
    qv::resetState();
    QVDecisionAnalysis::ResetDecisionProblem();
    auto& s = qv::S();
    auto& d = s.dec;
    d.intAlternativeCount = static_cast<int>(p.payoffs.size());
    d.intNatureStateCount = static_cast<int>(p.payoffs[0].size());
    for (std::size_t i = 0; i < p.payoffs.size(); ++i)
        for (std::size_t j = 0; j < p.payoffs[i].size(); ++j)
            d.dblPayoffTable(static_cast<long>(i + 1), static_cast<long>(j + 1)) = p.payoffs[i][j];
    for (std::size_t j = 0; j < p.probs.size(); ++j) d.dblStateProbabilities(static_cast<long>(j + 1)) = p.probs[j];
    const bool strategy = !p.outcomes.empty();
    d.intIndicatorCount = strategy ? static_cast<int>(p.outcomes[0].size()) : 0;
    for (std::size_t j = 0; j < p.outcomes.size(); ++j)
        for (std::size_t k = 0; k < p.outcomes[j].size(); ++k)
            d.dblIndicatorGivenStateTable(static_cast<long>(j + 1), static_cast<long>(k + 1)) = p.outcomes[j][k];
    d.intStateProbsFlag = p.criterion == 4 ? 1 : 0;
    d.intStrategyFlag = strategy ? 1 : 0;
    s.intDecimalPlaces = p.places;
    QVDecisionAnalysis::SolveRequest r;
    r.maximize = p.maximize;
    r.criterion = p.criterion;
    r.probabilities = p.criterion == 4;
    r.strategy = strategy;
    QVDecisionAnalysis::ClearResultTables(d);
    QVDecisionAnalysis::SolveDecision(d, r);
    return d;
}

}  // namespace dectest
