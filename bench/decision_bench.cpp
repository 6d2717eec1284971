// Decision solve timings at the capacity: 10 alternatives by 10 states, the expected
// value criterion with a 10-outcome strategy, and each criterion without probabilities.
#include <benchmark/benchmark.h>

#include <random>

#include "decision/core/DecisionSetup.h"
#include "decision/core/DecisionSolve.h"
#include "shell/core/State.h"

namespace {

qv::DecisionBlock& fullProblem() {
    qv::resetState();
    QVDecisionAnalysis::ResetDecisionProblem();
    auto& d = qv::S().dec;
    d.intAlternativeCount = 10;
    d.intNatureStateCount = 10;
    d.intIndicatorCount = 10;
    std::mt19937 g(10);
    std::uniform_int_distribution<int> payoff(-500, 500);
    for (int i = 1; i <= 10; ++i)
        for (int j = 1; j <= 10; ++j) d.dblPayoffTable(i, j) = payoff(g);
    for (int j = 1; j <= 10; ++j) {
        d.dblStateProbabilities(j) = 0.1;
        for (int k = 1; k <= 10; ++k) d.dblIndicatorGivenStateTable(j, k) = j == k ? 0.55 : 0.05;
    }
    return d;
}

void Solve(benchmark::State& state, int criterion, bool maximize) {
    qv::DecisionBlock& d = fullProblem();
    QVDecisionAnalysis::SolveRequest r;
    r.maximize = maximize;
    r.criterion = criterion;
    r.probabilities = criterion == 4;
    r.strategy = criterion == 4;
    for (auto _ : state) {
        QVDecisionAnalysis::ClearResultTables(d);
        benchmark::DoNotOptimize(QVDecisionAnalysis::SolveDecision(d, r));
    }
}

void BM_Decision_ExpectedValueWithStrategy(benchmark::State& s) { Solve(s, 4, true); }
void BM_Decision_ExpectedValueWithStrategyMinimize(benchmark::State& s) { Solve(s, 4, false); }
void BM_Decision_Optimistic(benchmark::State& s) { Solve(s, 1, true); }
void BM_Decision_Conservative(benchmark::State& s) { Solve(s, 2, true); }
void BM_Decision_MinimaxRegret(benchmark::State& s) { Solve(s, 3, false); }

}  // namespace

BENCHMARK(BM_Decision_ExpectedValueWithStrategy)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Decision_ExpectedValueWithStrategyMinimize)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Decision_Optimistic)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Decision_Conservative)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Decision_MinimaxRegret)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
