#pragma once
// The computations of a decision solve over the block: the payoffs in maximize form,
// the optimistic, conservative, minimax regret and expected value criteria with the
// recommendation, the expected value of perfect information and the decision
// strategy from sample information. Ties are decided by exact comparisons; sums run
// in increasing index order from 0.
#include "decision/core/DecisionBlock.h"

namespace QVDecisionAnalysis {

// The five result tables re-created with every element empty; the four single
// results (perfect information and strategy) are kept.
void ClearResultTables(qv::DecisionBlock& d);

struct SolveRequest {
    bool maximize = true;  // the objective sense answered in the dialog
    int criterion = 3;     // 1 optimistic, 2 conservative, 3 minimax regret; ignored with probabilities
    bool probabilities = false;  // state probabilities given: the expected value criterion
    bool strategy = false;       // with probabilities: the decision strategy as well
};

// Fills dblSignedPayoffs, intDecisionCriterion, dblCriterionValues and
// intRecommendedFlags, and with probabilities dblPerfectInfoValue and the strategy
// results. Returns the best criterion value in maximize form.
double SolveDecision(qv::DecisionBlock& d, const SolveRequest& request);

}  // namespace QVDecisionAnalysis
