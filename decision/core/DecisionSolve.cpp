#include "decision/core/DecisionSolve.h"

#include <algorithm>
#include <cmath>

namespace QVDecisionAnalysis {

namespace {

constexpr int kUpper = qv::DecisionBlock::kTableUpper;

using Table = double[kUpper + 1][kUpper + 1];

// The largest (or, for `smallest`, the smallest) of row i of a table over j = 1..n:
// the scan starts from the first state and replaces on a strict comparison only.
double scanRow(const Table& t, int i, int n, bool smallest) {
    double value = 0;
    for (int j = 1; j <= n; ++j) {
        if (j == 1) value = t[i][1];
        if (smallest ? t[i][j] < value : t[i][j] > value) value = t[i][j];
    }
    return value;
}

// The best payoff of each state in maximize form: alternative 1 first, then strictly greater.
void bestOfStates(const Table& sp, int m, int n, double best[]) {
    for (int j = 1; j <= n; ++j) {
        best[j] = 0;
        for (int i = 1; i <= m; ++i) {
            if (i == 1) best[j] = sp[1][j];
            if (sp[i][j] > best[j]) best[j] = sp[i][j];
        }
    }
}

// The last of 1..m whose value ties with `best`.
int lastTied(const double value[], int m, double best) {
    int last = 0;
    for (int i = 1; i <= m; ++i)
        if (SameCriterionValue(value[i], best)) last = i;
    return last;
}

}  // namespace

bool SameCriterionValue(double a, double b) {
    return std::fabs(a - b) <= 1e-9 * std::max({std::fabs(a), std::fabs(b), 1.0});
}

void ClearResultTables(qv::DecisionBlock& d) {
    for (auto* t : {&d.intRecommendedFlags, &d.dblCriterionValues, &d.dblBestValuesGivenIndicator,
                    &d.intBestAlternativesGivenIndicator, &d.dblIndicatorProbabilities})
        t->ReDim(kUpper);
}

double SolveDecision(qv::DecisionBlock& d, const SolveRequest& request) {
    const int m = d.intAlternativeCount, n = d.intNatureStateCount;
    const bool maximize = request.maximize;

    // Payoffs in maximize form: from here on every criterion looks for the largest value.
    Table sp = {};
    for (int i = 1; i <= m; ++i)
        for (int j = 1; j <= n; ++j) {
            const double p = d.dblPayoffTable(i, j).num();
            sp[i][j] = maximize ? p : -p;
            d.dblSignedPayoffs(i, j) = sp[i][j];
        }

    double value[kUpper + 1] = {};
    double bestOfState[kUpper + 1] = {};
    double withPerfectInfo = 0;
    for (int i = 1; i <= m; ++i) d.intRecommendedFlags(i) = 0;

    if (request.probabilities) {
        d.intDecisionCriterion = 4;
        for (int i = 1; i <= m; ++i) {
            double sum = 0;
            for (int j = 1; j <= n; ++j) sum += d.dblStateProbabilities(j).num() * sp[i][j];
            value[i] = sum;
        }
        bestOfStates(sp, m, n, bestOfState);
        for (int j = 1; j <= n; ++j) withPerfectInfo += d.dblStateProbabilities(j).num() * bestOfState[j];
    } else {
        d.intDecisionCriterion = request.criterion;
        switch (request.criterion) {
            case 1:
            case 2:
                for (int i = 1; i <= m; ++i) value[i] = scanRow(sp, i, n, request.criterion == 2);
                break;
            default: {
                d.intDecisionCriterion = 3;
                bestOfStates(sp, m, n, bestOfState);
                Table regret = {};
                for (int i = 1; i <= m; ++i)
                    for (int j = 1; j <= n; ++j) regret[i][j] = bestOfState[j] - sp[i][j];
                for (int i = 1; i <= m; ++i) value[i] = scanRow(regret, i, n, false);
                break;
            }
        }
    }

    // The best value: the smallest maximum regret, or the largest value of the others.
    const bool regrets = d.intDecisionCriterion == 3;
    double best = 0;
    for (int i = 1; i <= m; ++i) {
        if (i == 1) best = value[1];
        if (regrets ? value[i] < best : value[i] > best) best = value[i];
    }
    for (int i = 1; i <= m; ++i) {
        d.intRecommendedFlags(i) = SameCriterionValue(value[i], best) ? 1 : 0;
        // Stated in the entered units; regrets keep their sign.
        d.dblCriterionValues(i) = !maximize && !regrets ? -value[i] : value[i];
    }
    if (!request.probabilities) return best;

    d.dblPerfectInfoValue = withPerfectInfo - best;
    if (!request.strategy) return best;

    const int K = d.intIndicatorCount;
    double outcome[kUpper + 1] = {};
    Table joint = {}, posterior = {};
    for (int j = 1; j <= n; ++j)
        for (int k = 1; k <= K; ++k) {
            joint[j][k] = d.dblStateProbabilities(j).num() * d.dblIndicatorGivenStateTable(j, k).num();
            outcome[k] += joint[j][k];
        }
    for (int k = 1; k <= K; ++k) d.dblIndicatorProbabilities(k) = outcome[k];
    for (int j = 1; j <= n; ++j)
        for (int k = 1; k <= K; ++k) posterior[j][k] = outcome[k] == 0 ? 0 : joint[j][k] / outcome[k];

    for (int k = 1; k <= K; ++k) {
        double given[kUpper + 1] = {};
        double bestGiven = 0;
        for (int i = 1; i <= m; ++i) {
            for (int j = 1; j <= n; ++j) given[i] += posterior[j][k] * sp[i][j];
            if (i == 1) bestGiven = given[1];
            if (given[i] > bestGiven) bestGiven = given[i];
        }
        // Ties go to the last alternative.
        d.intBestAlternativesGivenIndicator(k) = lastTied(given, m, bestGiven);
        d.dblBestValuesGivenIndicator(k) = bestGiven;
    }

    double strategyValue = 0;
    for (int k = 1; k <= K; ++k) strategyValue += d.dblBestValuesGivenIndicator(k).num() * outcome[k];
    d.dblSampleInfoValue = std::fabs(strategyValue - best);
    d.dblStrategyValue = maximize ? strategyValue : -strategyValue;
    if (d.dblPerfectInfoValue != 0) d.dblSampleInfoEfficiency = d.dblSampleInfoValue / d.dblPerfectInfoValue * 100;
    return best;
}

}  // namespace QVDecisionAnalysis
