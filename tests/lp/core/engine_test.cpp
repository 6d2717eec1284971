// Simplex engine on linear programs: a catalogue of named problems with known
// optimum or status, the column set-up, the factors' invariant, and seeded
// random problems checked by an optimality certificate.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <optional>

#include "engine_fixture.h"
#include "lp/core/LP_Engine.h"

using namespace enginetest;
using qv::EngineStatus;

namespace {

struct NamedLP {
    const char* name;
    Problem p;
    EngineStatus status;
    double objective = 0;
    std::vector<double> x = {};  // the vertex the tie rules show, when checked
};

Problem Make(int opt, std::vector<double> c, std::vector<std::tuple<std::vector<double>, int, double>> rows) {
    Problem p;
    p.opt = opt;
    p.c = std::move(c);
    for (auto& [a, r, rhs] : rows) p.row(a, r, rhs);
    return p;
}

void PrintTo(const NamedLP& c, std::ostream* os) { *os << c.name; }

std::vector<NamedLP> Catalogue() {
    const int MAX = 0, MIN = 1;
    return {
        {"WyndorAllLessRows", Make(MAX, {3, 5}, {{{1, 0}, LE, 4}, {{0, 2}, LE, 12}, {{3, 2}, LE, 18}}),
         EngineStatus::Optimal, 36, {2, 6}},
        {"GiapettoTextbook", Make(MAX, {3, 2}, {{{2, 1}, LE, 100}, {{1, 1}, LE, 80}, {{1, 0}, LE, 40}}),
         EngineStatus::Optimal, 180, {20, 60}},
        {"DorianMinimizeGreaterRows", Make(MIN, {50, 100}, {{{7, 2}, GE, 28}, {{2, 12}, GE, 24}}),
         EngineStatus::Optimal, 320, {3.6, 1.4}},
        {"DietMinimize", Make(MIN, {2, 3}, {{{1, 1}, GE, 4}, {{1, 3}, GE, 6}}), EngineStatus::Optimal, 9, {3, 1}},
        {"EqualityRow", Make(MAX, {1, 1}, {{{1, 2}, EQ, 4}, {{1, 0}, LE, 3}}), EngineStatus::Optimal, 3.5, {3, 0.5}},
        {"EqualityRowRhsZero", Make(MAX, {1, 0}, {{{1, -1}, EQ, 0}, {{0, 1}, LE, 5}}), EngineStatus::Optimal, 5, {5, 5}},
        {"GreaterRowRhsZero", Make(MAX, {2, 1}, {{{1, -1}, GE, 0}, {{1, 1}, LE, 4}}), EngineStatus::Optimal, 8, {4, 0}},
        // Redundant equalities: an artificial stays basic at zero into phase 2.
        {"TransportationRedundantEqualities",
         Make(MIN, {4, 6, 5, 3},
              {{{1, 1, 0, 0}, EQ, 20}, {{0, 0, 1, 1}, EQ, 30}, {{1, 0, 1, 0}, EQ, 25}, {{0, 1, 0, 1}, EQ, 25}}),
         EngineStatus::Optimal, 180, {20, 0, 5, 25}},
        {"NegativeRhsRepairedByDual", Make(MAX, {1, 1}, {{{-1, -1}, LE, -5}, {{1, 0}, LE, 3}, {{0, 1}, LE, 4}}),
         EngineStatus::Optimal, 7, {3, 4}},
        {"NegativeRhsMinimize", Make(MIN, {3, 2}, {{{-1, -1}, LE, -5}, {{1, 0}, LE, 3}}), EngineStatus::Optimal, 10,
         {0, 5}},
        {"NegativeRhsOnGreaterRow", Make(MAX, {-1, -1}, {{{1, 1}, GE, -3}, {{1, -1}, LE, 2}}), EngineStatus::Optimal, 0,
         {0, 0}},
        {"ZeroRowWithPositiveRhs", Make(MAX, {1, 0}, {{{0, 0}, LE, 10}, {{1, 0}, LE, 3}, {{0, 1}, LE, 1}}),
         EngineStatus::Optimal, 3},
        {"ZeroObjective", Make(MAX, {0, 0}, {{{1, 1}, LE, 4}}), EngineStatus::Optimal, 0, {0, 0}},
        {"FreeDirectionWithoutGain", Make(MAX, {-1, 0}, {{{1, -1}, LE, 1}}), EngineStatus::Optimal, 0},
        {"DegenerateVertex", Make(MAX, {3, 2}, {{{1, 1}, LE, 4}, {{1, 0}, LE, 4}, {{2, 1}, LE, 8}}),
         EngineStatus::Optimal, 12, {4, 0}},
        // Beale's example cycles under the largest-coefficient rule without a guard.
        {"BealeCycling",
         Make(MAX, {0.75, -20, 0.5, -6},
              {{{0.25, -8, -1, 9}, LE, 0}, {{0.5, -12, -0.5, 3}, LE, 0}, {{0, 0, 1, 0}, LE, 1}}),
         EngineStatus::Optimal, 1.25},
        // Equal reduced costs and equal objective coefficients: the lower column
        // enters first, so the optimum shown is (3, 1), not (1, 3).
        {"TieLowerColumnEntersFirst", Make(MAX, {1, 1}, {{{1, 1}, LE, 4}, {{1, 0}, LE, 3}, {{0, 1}, LE, 3}}),
         EngineStatus::Optimal, 4, {3, 1}},
        {"TieMirrored", Make(MAX, {1, 1}, {{{1, 1}, LE, 4}, {{0, 1}, LE, 3}, {{1, 0}, LE, 3}}),
         EngineStatus::Optimal, 4, {3, 1}},
        {"ContradictoryRows", Make(MAX, {1, 1}, {{{1, 1}, LE, 2}, {{1, 1}, GE, 5}}), EngineStatus::Infeasible},
        {"ContradictoryEqualities", Make(MIN, {1, 1}, {{{1, 1}, EQ, 2}, {{2, 2}, EQ, 5}}), EngineStatus::Infeasible},
        {"NegativeRhsNoRepair", Make(MAX, {1, 1}, {{{1, 1}, LE, -1}}), EngineStatus::Infeasible},
        {"ZeroRowNegativeRhs", Make(MAX, {1}, {{{0}, LE, -5}, {{1}, LE, 3}}), EngineStatus::Infeasible},
        {"UnboundedRay", Make(MAX, {1, 1}, {{{1, -1}, LE, 1}}), EngineStatus::Unbounded},
        {"MinimizeUnbounded", Make(MIN, {-1}, {{{1}, GE, 1}}), EngineStatus::Unbounded},
        // A rising basic variable without an upper bound must not stop the step
        // at 10^15: this is unbounded, never an "optimum" near 10^15.
        {"UnboundedThroughUnlimitedBasic",
         Make(MAX, {7, 7, 0},
              {{{8, 6, 2}, GE, 1}, {{7, 0, 3}, LE, 16}, {{7, 6, 3}, GE, 4}, {{4, 0, 4}, EQ, 2}}),
         EngineStatus::Unbounded},
    };
}

class EngineCatalogue : public ::testing::TestWithParam<NamedLP> {};

TEST_P(EngineCatalogue, SolvesToKnownOutcome) {
    const NamedLP& c = GetParam();
    qv::LPBlock lp;
    qv::EngineResult r = SolveLP(lp, c.p);
    ASSERT_EQ(r.status, c.status) << r.message;
    if (c.status != EngineStatus::Optimal) {
        EXPECT_FALSE(r.printEnabled);
        EXPECT_EQ(r.title, "Solution");
        EXPECT_EQ(r.icon, qv::EngineIcon::Information);
        EXPECT_EQ(r.message, c.status == EngineStatus::Infeasible ? "No Feasible Solution" : "Problem is Unbounded.");
        return;
    }
    EXPECT_TRUE(r.printEnabled);
    EXPECT_TRUE(r.message.empty());
    EXPECT_NEAR(r.objectiveValue, c.objective, 1e-9 * std::max(1.0, std::fabs(c.objective)));
    EXPECT_EQ(CertificateFailure(lp, c.p), "");
    if (!c.x.empty()) {
        std::vector<double> x = Solution(lp);
        for (std::size_t j = 0; j < c.x.size(); ++j) EXPECT_NEAR(x[j], c.x[j], 1e-9) << "x" << j + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Simplex, EngineCatalogue, ::testing::ValuesIn(Catalogue()),
                         [](const ::testing::TestParamInfo<NamedLP>& info) { return std::string(info.param.name); });

// The added columns, their names, kinds and bounds; row 0 in maximization form.
TEST(EngineSimplex, SetUpColumnsAndMaximizationForm) {
    Problem p = Make(1, {2, 3}, {{{1, 1}, GE, 4}, {{1, 3}, LE, 12}, {{1, -1}, EQ, 0}});
    qv::LPBlock lp;
    ASSERT_TRUE(SolveLP(lp, p).optimal());
    EXPECT_EQ(lp.intColumnCount, 2 + 2 + 1 + 1);
    EXPECT_EQ(lp.strVariableNames(3), "Splus 1");
    EXPECT_EQ(lp.strVariableNames(4), "Equal 1");
    EXPECT_EQ(lp.strVariableNames(5), "Slack 2");
    EXPECT_EQ(lp.strVariableNames(6), "Equal 3");
    EXPECT_EQ(lp.intRowSlackColumns(1), 4);
    EXPECT_EQ(lp.intRowSlackColumns(2), 5);
    EXPECT_EQ(lp.intRowSlackColumns(3), 6);
    EXPECT_DOUBLE_EQ(lp.dblProblemMatrix(0, 1).num(), -2);
    EXPECT_DOUBLE_EQ(lp.dblProblemMatrix(0, 2).num(), -3);
    EXPECT_DOUBLE_EQ(lp.dblProblemMatrix(0, 4).num(), -1);
    EXPECT_DOUBLE_EQ(lp.dblProblemMatrix(1, 3).num(), -1);
    EXPECT_TRUE(lp.dblProblemMatrix(2, 3).IsEmpty());
    for (int j = 1; j <= lp.intColumnCount; ++j) {
        EXPECT_DOUBLE_EQ(lp.dblPhaseCosts(j), lp.dblProblemMatrix(0, j).num());
        EXPECT_EQ(lp.dblUpperBounds(j), 1e15);
    }
    EXPECT_EQ(lp.intPhase, 2);
    EXPECT_EQ(lp.intRoundDigits, 6);
    // Artificials that left the basis never come back.
    for (int j = 3; j <= lp.intColumnCount; ++j) {
        if (std::abs(lp.intColumnKinds(j)) == 4) {
            EXPECT_GT(lp.intColumnKinds(j), 0);
        }
    }
}

TEST(EngineSimplex, FullCapacityGreaterRowsUseAllColumns) {
    Problem p = RandomOptimalLP(4242, 50, 100, /*allGE=*/true, /*opt=*/1);
    qv::LPBlock lp;
    qv::EngineResult r = SolveLP(lp, p);
    ASSERT_TRUE(r.optimal()) << r.message;
    EXPECT_EQ(lp.intColumnCount, 200);
    EXPECT_EQ(CertificateFailure(lp, p), "");
}

// L^-1 B = U after many updates, and U is exactly zero below its diagonal.
TEST(EngineSimplex, FactorsMatchTheFinalBasis) {
    for (std::uint32_t seed : {11u, 12u, 13u}) {
        Problem p = RandomOptimalLP(seed, 30, 60);
        qv::LPBlock lp;
        ASSERT_TRUE(SolveLP(lp, p).optimal());
        const int m = lp.intConstraintCount;
        double worst = 0;
        for (int i = 1; i <= m; ++i)
            for (int q = 1; q <= m; ++q) {
                const int col = lp.intBasisColumns(q);
                double s = 0;
                for (int k = 1; k <= m; ++k) s += lp.dblBasisLInverse(i, k) * lp.dblProblemMatrix(k, col).num();
                worst = std::max(worst, std::fabs(s - lp.dblBasisUMatrix(i, q)));
                if (i > q) {
                    EXPECT_EQ(lp.dblBasisUMatrix(i, q), 0.0);
                }
            }
        EXPECT_LT(worst, 1e-9) << "seed " << seed;
    }
}

TEST(EngineSimplex, ArithmeticOverflowIsAFailureNotASolution) {
    Problem p = Make(0, {1e300}, {{{1}, LE, 1e14}});
    qv::LPBlock lp;
    qv::EngineResult r = SolveLP(lp, p);
    EXPECT_EQ(r.status, EngineStatus::ArithmeticFailure);
    EXPECT_EQ(r.errorNumber, 6);
    EXPECT_EQ(r.title, "Error # 6");
    EXPECT_EQ(r.icon, qv::EngineIcon::Critical);
    EXPECT_FALSE(r.printEnabled);
}

// The guard on one simplex run, and a budget used up by a linear program:
// both end the run with the iteration message naming the iterations allowed.
TEST(EngineSimplex, IterationLimitEndsTheRunWithItsMessage) {
    Problem p = RandomOptimalLP(77, 40, 80);
    struct Case { qv::EngineLimits limits; long maxIterations; };
    for (Case c : {Case{TestLimits(100'000'000, 5), 5}, Case{TestLimits(30'000), 5}}) {
        qv::LPBlock lp;
        qv::EngineResult r = SolveLP(lp, p, 0, c.limits);
        EXPECT_EQ(r.status, EngineStatus::IterationLimit);
        EXPECT_FALSE(r.printEnabled);
        EXPECT_EQ(r.title, "Solution");
        EXPECT_EQ(r.icon, qv::EngineIcon::Information);
        EXPECT_LE(r.iterations, c.maxIterations + 1);
        EXPECT_EQ(r.message, "The limit of " + std::to_string(c.limits.runIterationGuard > 0 ? c.limits.runIterationGuard : r.iterations) +
                                 " simplex iterations was reached before the problem was solved. No solution is shown.");
    }
}

// Seeded random programs, feasible and bounded by construction, mixed relations.
TEST(EngineSimplex, RandomFeasibleProgramsHaveCertificates) {
    struct Size { int m, n, count; };
    for (Size s : {Size{3, 2, 40}, Size{5, 8, 40}, Size{12, 10, 30}, Size{25, 50, 10}, Size{50, 100, 6}}) {
        for (int k = 0; k < s.count; ++k) {
            const std::uint32_t seed = static_cast<std::uint32_t>(1000 * s.m + k);
            Problem p = RandomOptimalLP(seed, s.m, s.n);
            qv::LPBlock lp;
            qv::EngineResult r = SolveLP(lp, p, 0, TestLimits());
            ASSERT_TRUE(r.optimal()) << s.m << "x" << s.n << " seed " << seed << ": " << r.message;
            ASSERT_EQ(CertificateFailure(lp, p), "") << s.m << "x" << s.n << " seed " << seed;
            EXPECT_NEAR(r.objectiveValue, Objective(p, Solution(lp)), 1e-9 * std::max(1.0, std::fabs(r.objectiveValue)));
        }
    }
}

TEST(EngineSimplex, RandomInfeasibleAndUnboundedProgramsAreReported) {
    struct Size { int m, n; };
    for (Size s : {Size{4, 3}, Size{10, 12}, Size{30, 40}, Size{50, 100}}) {
        for (int k = 0; k < 8; ++k) {
            const std::uint32_t seed = static_cast<std::uint32_t>(7000 + 100 * s.m + k);
            qv::LPBlock lp;
            qv::EngineResult inf = SolveLP(lp, RandomInfeasibleLP(seed, s.m, s.n), 0, TestLimits());
            EXPECT_EQ(inf.status, EngineStatus::Infeasible) << s.m << "x" << s.n << " seed " << seed;
            qv::EngineResult unb = SolveLP(lp, RandomUnboundedLP(seed, s.m, s.n), 0, TestLimits());
            EXPECT_EQ(unb.status, EngineStatus::Unbounded) << s.m << "x" << s.n << " seed " << seed;
        }
    }
}

// A second run on a freshly stored block gives the same answer: nothing of the
// previous run leaks into the next.
TEST(EngineSimplex, RunsAreIndependent) {
    Problem a = RandomOptimalLP(5, 20, 30), b = RandomOptimalLP(6, 8, 5);
    qv::LPBlock lp;
    qv::EngineResult r1 = SolveLP(lp, a);
    SolveLP(lp, b);
    qv::EngineResult r3 = SolveLP(lp, a);
    ASSERT_TRUE(r1.optimal());
    EXPECT_EQ(r1.objectiveValue, r3.objectiveValue);
    EXPECT_EQ(r1.iterations, r3.iterations);
}

}  // namespace
