// The decision criteria, the expected value of perfect information and the decision
// strategy: the worked examples by hand, the tie and edge rules, and random problems
// against a second formulation written here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "decision/core/DecisionSetup.h"
#include "decision/core/DecisionSolve.h"
#include "shell/core/State.h"

namespace {

using QVDecisionAnalysis::SolveRequest;
using Rows = std::vector<std::vector<double>>;

qv::DecisionBlock& problem(const Rows& payoffs, const std::vector<double>& probs = {}, const Rows& outcomes = {}) {
    qv::resetState();
    QVDecisionAnalysis::ResetDecisionProblem();
    auto& d = qv::S().dec;
    d.intAlternativeCount = static_cast<int>(payoffs.size());
    d.intNatureStateCount = static_cast<int>(payoffs[0].size());
    for (std::size_t i = 0; i < payoffs.size(); ++i)
        for (std::size_t j = 0; j < payoffs[i].size(); ++j)
            d.dblPayoffTable(static_cast<long>(i + 1), static_cast<long>(j + 1)) = payoffs[i][j];
    for (std::size_t j = 0; j < probs.size(); ++j) d.dblStateProbabilities(static_cast<long>(j + 1)) = probs[j];
    d.intIndicatorCount = outcomes.empty() ? 0 : static_cast<int>(outcomes[0].size());
    for (std::size_t j = 0; j < outcomes.size(); ++j)
        for (std::size_t k = 0; k < outcomes[j].size(); ++k)
            d.dblIndicatorGivenStateTable(static_cast<long>(j + 1), static_cast<long>(k + 1)) = outcomes[j][k];
    return d;
}

SolveRequest request(bool maximize, int criterion) {
    SolveRequest r;
    r.maximize = maximize;
    r.criterion = criterion;
    r.probabilities = criterion == 4;
    return r;
}

std::vector<double> values(const qv::DecisionBlock& d) {
    std::vector<double> v;
    for (int i = 1; i <= d.intAlternativeCount; ++i) v.push_back(d.dblCriterionValues(i).num());
    return v;
}

std::vector<int> recommended(const qv::DecisionBlock& d) {
    std::vector<int> v;
    for (int i = 1; i <= d.intAlternativeCount; ++i)
        if (d.intRecommendedFlags(i).num() == 1) v.push_back(i);
    return v;
}

TEST(DecisionCriteria, PayoffCriteriaOnHandWorkedTables) {
    struct Case {
        const char* name;
        Rows payoffs;
        bool maximize;
        int criterion;
        std::vector<double> values;
        std::vector<int> recommended;
    } cases[] = {
        // Best payoffs of the states 8 and 6; regrets (0, 4) and (3, 0).
        {"minimax regret maximizing", {{8, 2}, {5, 6}}, true, 3, {4, 3}, {2}},
        // As costs: best (smallest) costs 5 and 2; regrets (3, 0) and (0, 4).
        {"minimax regret minimizing", {{8, 2}, {5, 6}}, false, 3, {3, 4}, {1}},
        {"conservative costs", {{10, 30}, {20, 25}}, false, 2, {30, 25}, {2}},
        {"optimistic costs", {{10, 30}, {20, 25}}, false, 1, {10, 20}, {1}},
        {"conservative payoffs", {{10, 30}, {20, 25}}, true, 2, {10, 20}, {2}},
        {"optimistic payoffs", {{10, 30}, {20, 25}}, true, 1, {30, 25}, {1}},
        {"two tied optimistic alternatives", {{5, 9}, {9, 1}, {3, 4}}, true, 1, {9, 9, 4}, {1, 2}},
        {"all payoffs equal, optimistic", {{7, 7}, {7, 7}, {7, 7}}, true, 1, {7, 7, 7}, {1, 2, 3}},
        {"all payoffs equal, minimax regret", {{7, 7}, {7, 7}, {7, 7}}, false, 3, {0, 0, 0}, {1, 2, 3}},
        {"one alternative, optimistic", {{3, -4, 8}}, true, 1, {8}, {1}},
        {"one alternative, conservative", {{3, -4, 8}}, false, 2, {8}, {1}},
        {"one alternative, minimax regret", {{3, -4, 8}}, true, 3, {0}, {1}},
        // The scans start from the first state, not from 0.
        {"a single negative payoff", {{-5}}, true, 2, {-5}, {1}},
        {"negative payoffs, one state", {{-5}, {-7}}, true, 2, {-5, -7}, {1}},
        {"negative payoffs, optimistic", {{-5, -2}, {-7, -9}}, true, 1, {-2, -7}, {1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto& d = problem(c.payoffs);
        QVDecisionAnalysis::SolveDecision(d, request(c.maximize, c.criterion));
        EXPECT_EQ(d.intDecisionCriterion, c.criterion);
        EXPECT_EQ(values(d), c.values);
        EXPECT_EQ(recommended(d), c.recommended);
        // The payoffs in maximize form.
        EXPECT_EQ(d.dblSignedPayoffs(1, 1).num(), c.maximize ? c.payoffs[0][0] : -c.payoffs[0][0]);
        EXPECT_TRUE(d.dblCriterionValues(static_cast<long>(c.payoffs.size()) + 1).IsEmpty());
    }
}

// Two criterion values count as one when they differ only in the last bits of a sum;
// values that differ by more are apart even when they show the same digits.
TEST(DecisionCriteria, SameCriterionValueToleratesOnlyRounding) {
    struct Case {
        double a, b;
        bool same;
    } cases[] = {
        {16.349999999999998, 16.35, true},
        {2.0999999999999996, 2.1, true},
        {0, 1e-9, true},             // near 0 the scale is 1
        {0, 2e-9, false},
        {-5, -5 - 4e-9, true},       // 1e-9 x 5
        {-5, -5 - 6e-9, false},
        {1e12, 1e12 + 900, true},    // relative to the larger magnitude
        {1e12, 1e12 + 2000, false},
        {16.346, 16.35, false},      // both show 16.35
        {-2.1, 2.1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.a) + " vs " + std::to_string(c.b));
        EXPECT_EQ(QVDecisionAnalysis::SameCriterionValue(c.a, c.b), c.same);
        EXPECT_EQ(QVDecisionAnalysis::SameCriterionValue(c.b, c.a), c.same);
    }
}

// Probabilities .1 .2 .1 .15 .15 .2 .1: the rows kFar and kNear both sum to 16.35 by hand,
// but to 16.35 and 16.349999999999998 in doubles.
const std::vector<double> kSevenProbs = {.1, .2, .1, .15, .15, .2, .1};
const std::vector<double> kNear = {24, 15, 8, 9, 6, 31, 17};
const std::vector<double> kFar = {14, 25, 20, 31, 6, 11, 2};

TEST(DecisionExpectedValue, SumsThatDifferOnlyByRoundingAreTied) {
    const double showsTheSame = 16.346;  // 16.35 on the screen, but a worse value
    const Rows sixBySeven = {kNear, std::vector<double>(7, 10), std::vector<double>(7, showsTheSame),
                             {30, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 80}, kFar};
    struct Case {
        const char* name;
        Rows payoffs;
        std::vector<double> probs;
        std::vector<int> recommended;
    } cases[] = {
        {"6x7", sixBySeven, kSevenProbs, {1, 6}},
        {"2x3", {{0, 0, 3}, {21, 0, 0}}, {.1, .2, .7}, {1, 2}},
    };
    for (const Case& c : cases)
        for (bool maximize : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (maximize ? " max" : " min"));
            Rows payoffs = c.payoffs;
            if (!maximize)  // the same ranking as costs
                for (auto& row : payoffs)
                    for (double& x : row) x = -x;
            auto& d = problem(payoffs, c.probs);
            QVDecisionAnalysis::SolveDecision(d, request(maximize, 4));
            const long first = c.recommended.front(), last = c.recommended.back();
            // The fixture really holds two different doubles.
            EXPECT_NE(d.dblCriterionValues(first).num(), d.dblCriterionValues(last).num());
            EXPECT_EQ(recommended(d), c.recommended);
        }
    // The 2x3 table itself minimized: both expected costs 2.10 are the smallest.
    auto& d = problem({{0, 0, 3}, {21, 0, 0}}, {.1, .2, .7});
    QVDecisionAnalysis::SolveDecision(d, request(false, 4));
    EXPECT_EQ(recommended(d), (std::vector<int>{1, 2}));
}

// Given an indicator outcome the last tied alternative is the best, rounding included:
// here alternative 6's expected value is the smaller double.
TEST(DecisionStrategy, LastAlternativeTiedByRoundingIsChosen) {
    const Rows payoffs = {kFar, std::vector<double>(7, 10), std::vector<double>(7, 12), {30, 0, 0, 0, 0, 0, 0},
                          {0, 0, 0, 0, 0, 0, 80}, kNear};
    auto& d = problem(payoffs, kSevenProbs, Rows(7, {0.5, 0.5}));
    SolveRequest r = request(true, 4);
    r.strategy = true;
    QVDecisionAnalysis::SolveDecision(d, r);
    EXPECT_EQ(recommended(d), (std::vector<int>{1, 6}));
    for (int k = 1; k <= 2; ++k) {
        EXPECT_EQ(d.intBestAlternativesGivenIndicator(k).num(), 6);
        EXPECT_NEAR(d.dblBestValuesGivenIndicator(k).num(), 16.35, 1e-12);
    }
}

TEST(DecisionExpectedValue, WorkedExampleMaximizingAndMinimizing) {
    const Rows payoffs = {{100, -20}, {40, 30}};
    const std::vector<double> probs = {0.6, 0.4};
    const Rows outcomes = {{0.8, 0.2}, {0.3, 0.7}};
    struct Case {
        bool maximize;
        std::vector<double> values;
        int recommended;
        std::vector<int> bestAlternatives;
        std::vector<double> bestValues;  // maximize form
        double strategy;
        double best;
    } cases[] = {
        {true, {52, 36}, 1, {1, 2}, {76, 33}, 58.8, 52},
        {false, {52, 36}, 2, {2, 1}, {-38, -16}, 29.2, -36},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.maximize ? "maximize" : "minimize");
        auto& d = problem(payoffs, probs, outcomes);
        SolveRequest r = request(c.maximize, 4);
        r.strategy = true;
        const double best = QVDecisionAnalysis::SolveDecision(d, r);
        EXPECT_NEAR(best, c.best, 1e-12);
        EXPECT_EQ(d.intDecisionCriterion, 4);
        for (int i = 1; i <= 2; ++i) EXPECT_NEAR(d.dblCriterionValues(i).num(), c.values[i - 1], 1e-12);
        EXPECT_EQ(recommended(d), std::vector<int>{c.recommended});
        // 72 - 52 maximizing; 36 - (0.6 x 40 + 0.4 x (-20)) = 36 - 16 minimizing.
        EXPECT_NEAR(d.dblPerfectInfoValue, 20, 1e-12);
        EXPECT_NEAR(d.dblIndicatorProbabilities(1).num(), 0.6, 1e-12);
        EXPECT_NEAR(d.dblIndicatorProbabilities(2).num(), 0.4, 1e-12);
        for (int k = 1; k <= 2; ++k) {
            EXPECT_EQ(d.intBestAlternativesGivenIndicator(k).num(), c.bestAlternatives[k - 1]);
            EXPECT_NEAR(d.dblBestValuesGivenIndicator(k).num(), c.bestValues[k - 1], 1e-12);
        }
        EXPECT_NEAR(d.dblStrategyValue, c.strategy, 1e-12);
        EXPECT_NEAR(d.dblSampleInfoValue, 6.8, 1e-12);
        EXPECT_NEAR(d.dblSampleInfoEfficiency, 34, 1e-9);
        EXPECT_TRUE(d.dblIndicatorProbabilities(3).IsEmpty());
    }
}

TEST(DecisionExpectedValue, EdgeRulesOfPerfectInformationAndTheStrategy) {
    // Alternative 1 best in every state: EVPI is exactly 0 and no efficiency is written.
    {
        auto& d = problem({{10, 20}, {5, 15}}, {0.3, 0.7}, {{0.9, 0.1}, {0.4, 0.6}});
        d.dblSampleInfoEfficiency = -1;
        SolveRequest r = request(true, 4);
        r.strategy = true;
        QVDecisionAnalysis::SolveDecision(d, r);
        EXPECT_EQ(d.dblPerfectInfoValue, 0);
        EXPECT_EQ(d.dblSampleInfoEfficiency, -1);
        EXPECT_NEAR(d.dblSampleInfoValue, 0, 1e-12);
    }
    // Outcome 3 never happens: posteriors 0, every value given it 0, the last alternative.
    {
        auto& d = problem({{4, -2}, {1, 3}, {-6, 5}}, {0.5, 0.5}, {{0.5, 0.5, 0}, {0.2, 0.8, 0}});
        SolveRequest r = request(true, 4);
        r.strategy = true;
        QVDecisionAnalysis::SolveDecision(d, r);
        EXPECT_EQ(d.dblIndicatorProbabilities(3).num(), 0);
        EXPECT_EQ(d.intBestAlternativesGivenIndicator(3).num(), 3);
        EXPECT_EQ(d.dblBestValuesGivenIndicator(3).num(), 0);
        EXPECT_TRUE(std::isfinite(d.dblStrategyValue));
    }
    // Two alternatives alike: both recommended, the strategy names the later one.
    {
        auto& d = problem({{10, 0}, {10, 0}, {2, 3}}, {0.5, 0.5}, {{1, 0}, {0, 1}});
        SolveRequest r = request(true, 4);
        r.strategy = true;
        QVDecisionAnalysis::SolveDecision(d, r);
        EXPECT_EQ(recommended(d), (std::vector<int>{1, 2}));
        EXPECT_EQ(d.intBestAlternativesGivenIndicator(1).num(), 2);
        EXPECT_EQ(d.intBestAlternativesGivenIndicator(2).num(), 3);
    }
    // A solve without probabilities keeps the single results of the one before; the
    // tables are cleared, to empty, only by the clear of a new solve.
    {
        auto& d = problem({{100, -20}, {40, 30}}, {0.6, 0.4}, {{0.8, 0.2}, {0.3, 0.7}});
        SolveRequest r = request(true, 4);
        r.strategy = true;
        QVDecisionAnalysis::SolveDecision(d, r);
        QVDecisionAnalysis::ClearResultTables(d);
        EXPECT_TRUE(d.dblCriterionValues(1).IsEmpty());
        EXPECT_TRUE(d.intRecommendedFlags(1).IsEmpty());
        EXPECT_TRUE(d.dblIndicatorProbabilities(1).IsEmpty());
        EXPECT_TRUE(d.dblBestValuesGivenIndicator(1).IsEmpty());
        EXPECT_TRUE(d.intBestAlternativesGivenIndicator(1).IsEmpty());
        QVDecisionAnalysis::SolveDecision(d, request(true, 1));
        EXPECT_NEAR(d.dblPerfectInfoValue, 20, 1e-12);
        EXPECT_NEAR(d.dblStrategyValue, 58.8, 1e-12);
        EXPECT_NEAR(d.dblSampleInfoValue, 6.8, 1e-12);
        EXPECT_NEAR(d.dblSampleInfoEfficiency, 34, 1e-9);
        EXPECT_TRUE(d.dblIndicatorProbabilities(1).IsEmpty());
    }
}

// ---- random problems against a second formulation

struct Random {
    int m, n, K;
    Rows payoffs;               // m x n, whole numbers
    std::vector<double> probs;  // tenths summing to exactly 1
    Rows likelihood;            // n x K, each row tenths summing to 1
};

// Tenths: ten units split over `parts` at random (some parts 0).
std::vector<double> tenths(std::mt19937& g, int parts) {
    std::vector<int> units(static_cast<std::size_t>(parts), 0);
    std::uniform_int_distribution<int> pick(0, parts - 1);
    for (int u = 0; u < 10; ++u) ++units[static_cast<std::size_t>(pick(g))];
    std::vector<double> out;
    for (int u : units) out.push_back(u / 10.0);
    return out;
}

Random randomProblem(std::mt19937& g) {
    std::uniform_int_distribution<int> size(1, 10), outcomes(2, 10), payoff(-4, 4);
    Random p;
    p.m = size(g);
    p.n = size(g);
    p.K = outcomes(g);
    p.payoffs.assign(static_cast<std::size_t>(p.m), std::vector<double>(static_cast<std::size_t>(p.n)));
    for (auto& row : p.payoffs)
        for (auto& x : row) x = payoff(g);
    p.probs = tenths(g, p.n);
    for (int j = 0; j < p.n; ++j) p.likelihood.push_back(tenths(g, p.K));
    return p;
}

// The oracle: expected values as matrix products, posteriors by Bayes' rule, best
// alternatives by brute force; all in maximize form.
struct Oracle {
    std::vector<double> criterion;  // per alternative, maximize form (regrets as they are)
    double best = 0;
    double evpi = 0;
    std::vector<double> outcomeProb, bestGiven;
    double strategy = 0, evsi = 0;
};

Oracle oracle(const Random& p, bool maximize, int criterion) {
    Oracle o;
    const std::size_t m = static_cast<std::size_t>(p.m), n = static_cast<std::size_t>(p.n),
                      K = static_cast<std::size_t>(p.K);
    Rows sp = p.payoffs;
    for (auto& row : sp)
        for (auto& x : row) x = maximize ? x : -x;
    std::vector<double> stateBest(n);
    for (std::size_t j = 0; j < n; ++j) {
        double b = -INFINITY;
        for (std::size_t i = 0; i < m; ++i) b = std::max(b, sp[i][j]);
        stateBest[j] = b;
    }
    for (std::size_t i = 0; i < m; ++i) {
        const auto& row = sp[i];
        double v = 0;
        switch (criterion) {
            case 1: v = *std::max_element(row.begin(), row.end()); break;
            case 2: v = *std::min_element(row.begin(), row.end()); break;
            case 3:
                v = 0;
                for (std::size_t j = 0; j < n; ++j) v = std::max(v, stateBest[j] - row[j]);
                break;
            default:
                // The row times the probability column, summed backwards.
                for (std::size_t j = n; j-- > 0;) v += row[j] * p.probs[j];
        }
        o.criterion.push_back(v);
    }
    o.best = criterion == 3 ? *std::min_element(o.criterion.begin(), o.criterion.end())
                            : *std::max_element(o.criterion.begin(), o.criterion.end());
    if (criterion != 4) return o;
    double perfect = 0;
    for (std::size_t j = n; j-- > 0;) perfect += stateBest[j] * p.probs[j];
    o.evpi = perfect - o.best;
    for (std::size_t k = 0; k < K; ++k) {
        double pk = 0;
        for (std::size_t j = n; j-- > 0;) pk += p.likelihood[j][k] * p.probs[j];
        o.outcomeProb.push_back(pk);
        double bestHere = -INFINITY;
        for (std::size_t i = 0; i < m; ++i) {
            double ev = 0;
            for (std::size_t j = 0; j < n; ++j) {
                const double posterior = pk > 0 ? p.likelihood[j][k] * p.probs[j] / pk : 0;
                ev += posterior * sp[i][j];
            }
            bestHere = std::max(bestHere, ev);
        }
        o.bestGiven.push_back(bestHere);
        o.strategy += bestHere * pk;
    }
    o.evsi = std::fabs(o.strategy - o.best);
    return o;
}

qv::DecisionBlock& load(const Random& p) {
    Rows outcomes = p.likelihood;
    return problem(p.payoffs, p.probs, outcomes);
}

// Expected value given outcome k of alternative i in maximize form, by Bayes' rule.
double givenOutcome(const Random& p, bool maximize, int i, int k) {
    double pk = 0, ev = 0;
    for (int j = 0; j < p.n; ++j) pk += p.likelihood[static_cast<std::size_t>(j)][static_cast<std::size_t>(k)] * p.probs[static_cast<std::size_t>(j)];
    if (pk == 0) return 0;
    for (int j = 0; j < p.n; ++j) {
        const double x = p.payoffs[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
        ev += p.likelihood[static_cast<std::size_t>(j)][static_cast<std::size_t>(k)] * p.probs[static_cast<std::size_t>(j)] / pk * (maximize ? x : -x);
    }
    return ev;
}

TEST(DecisionOracle, RandomProblemsAgreeWithASecondFormulation) {
    constexpr double kTol = 1e-9;
    std::mt19937 g(20261210);
    for (int trial = 0; trial < 400; ++trial) {
        const Random p = randomProblem(g);
        for (int criterion = 1; criterion <= 4; ++criterion)
            for (bool maximize : {true, false}) {
                SCOPED_TRACE("trial " + std::to_string(trial) + " criterion " + std::to_string(criterion) +
                             (maximize ? " max" : " min"));
                auto& d = load(p);
                SolveRequest r = request(maximize, criterion);
                r.strategy = criterion == 4;
                const double best = QVDecisionAnalysis::SolveDecision(d, r);
                const Oracle o = oracle(p, maximize, criterion);
                const bool turnBack = !maximize && criterion != 3;
                ASSERT_NEAR(best, o.best, kTol);
                for (int i = 1; i <= p.m; ++i) {
                    const double v = d.dblCriterionValues(i).num();
                    const double inMaxForm = turnBack ? -v : v;
                    ASSERT_NEAR(inMaxForm, o.criterion[static_cast<std::size_t>(i - 1)], kTol);
                    const double gap = criterion == 3 ? inMaxForm - o.best : o.best - inMaxForm;
                    // Recommended: within the tolerance of the best; far from it: not recommended.
                    if (d.intRecommendedFlags(i).num() == 1) {
                        EXPECT_LE(gap, kTol);
                    }
                    if (gap > kTol) {
                        EXPECT_EQ(d.intRecommendedFlags(i).num(), 0);
                    }
                }
                if (criterion != 4) continue;
                EXPECT_NEAR(d.dblPerfectInfoValue, o.evpi, kTol);
                EXPECT_GE(d.dblPerfectInfoValue, -kTol);
                for (int k = 1; k <= p.K; ++k) {
                    EXPECT_NEAR(d.dblIndicatorProbabilities(k).num(), o.outcomeProb[static_cast<std::size_t>(k - 1)], kTol);
                    EXPECT_NEAR(d.dblBestValuesGivenIndicator(k).num(), o.bestGiven[static_cast<std::size_t>(k - 1)], kTol);
                    const int picked = static_cast<int>(d.intBestAlternativesGivenIndicator(k).num());
                    ASSERT_GE(picked, 1);
                    ASSERT_LE(picked, p.m);
                    EXPECT_GE(givenOutcome(p, maximize, picked - 1, k - 1), o.bestGiven[static_cast<std::size_t>(k - 1)] - kTol);
                }
                EXPECT_NEAR(maximize ? d.dblStrategyValue : -d.dblStrategyValue, o.strategy, kTol);
                EXPECT_NEAR(d.dblSampleInfoValue, o.evsi, kTol);
                EXPECT_GE(d.dblSampleInfoValue, -kTol);
                EXPECT_LE(d.dblSampleInfoValue, d.dblPerfectInfoValue + kTol);
            }
    }
}

// Minimizing costs is maximizing their negatives, with the signs the results are stated in.
TEST(DecisionOracle, MinimizingIsMaximizingTheNegatedPayoffs) {
    std::mt19937 g(4711);
    for (int trial = 0; trial < 200; ++trial) {
        const Random p = randomProblem(g);
        Random negated = p;
        for (auto& row : negated.payoffs)
            for (auto& x : row) x = -x;
        for (int criterion = 1; criterion <= 4; ++criterion) {
            SCOPED_TRACE("trial " + std::to_string(trial) + " criterion " + std::to_string(criterion));
            SolveRequest r = request(false, criterion);
            r.strategy = criterion == 4;
            auto& d = load(p);
            QVDecisionAnalysis::SolveDecision(d, r);
            const qv::DecisionBlock minimized = d;
            r.maximize = true;
            auto& e = load(negated);
            QVDecisionAnalysis::SolveDecision(e, r);
            const double sign = criterion == 3 ? 1 : -1;
            for (int i = 1; i <= p.m; ++i) {
                EXPECT_EQ(minimized.dblCriterionValues(i).num(), sign * e.dblCriterionValues(i).num());
                EXPECT_EQ(minimized.intRecommendedFlags(i).num(), e.intRecommendedFlags(i).num());
                for (int j = 1; j <= p.n; ++j)
                    EXPECT_EQ(minimized.dblSignedPayoffs(i, j).num(), e.dblSignedPayoffs(i, j).num());
            }
            if (criterion != 4) continue;
            EXPECT_EQ(minimized.dblPerfectInfoValue, e.dblPerfectInfoValue);
            for (int k = 1; k <= p.K; ++k) {
                EXPECT_EQ(minimized.dblBestValuesGivenIndicator(k).num(), e.dblBestValuesGivenIndicator(k).num());
                EXPECT_EQ(minimized.intBestAlternativesGivenIndicator(k).num(),
                          e.intBestAlternativesGivenIndicator(k).num());
            }
            EXPECT_EQ(minimized.dblStrategyValue, -e.dblStrategyValue);
            EXPECT_EQ(minimized.dblSampleInfoValue, e.dblSampleInfoValue);
            EXPECT_EQ(minimized.dblSampleInfoEfficiency, e.dblSampleInfoEfficiency);
        }
    }
}

}  // namespace
