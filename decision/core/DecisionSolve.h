#pragma once
// The computations of a decision solve over the block: the payoffs in maximize form,
// the optimistic, conservative, minimax regret and expected value criteria with the
// recommendation, the expected value of perfect information and the decision
// strategy from sample information. Sums run in increasing index order from 0; a value
// ties with the best when the two differ only by rounding (SameCriterionValue).
#include "decision/core/DecisionBlock.h"

namespace QVDecisionAnalysis {

// The five result tables re-created with every element empty; the four single
// results (perfect information and strategy) are kept.
void ClearResultTables(qv::DecisionBlock& d);

// Criterion values count as equal when |a - b| <= 1e-9 * max(|a|, |b|, 1): sums of the
// same amounts in another order differ in their last bits, and the user sees one number.
bool SameCriterionValue(double a, double b);

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
