// Branch and bound: the design's edge cases, the examples that the margin of 1,
// the unrounded entering value, the unbounded test and the final solve got
// wrong, random small integer programs checked by enumeration, and termination
// of random programs at capacity within small budgets.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "engine_fixture.h"
#include "lp/core/LP_Engine.h"

using namespace enginetest;
using qv::EngineStatus;

namespace {

Problem Make(int opt, std::vector<double> c, std::vector<std::tuple<std::vector<double>, int, double>> rows,
             std::vector<std::string> section) {
    Problem p;
    p.opt = opt;
    p.c = std::move(c);
    for (auto& [a, r, rhs] : rows) p.row(a, r, rhs);
    p.integerSection = std::move(section);
    return p;
}

const std::vector<std::string> kAllGeneral = {"DIN"};
const std::vector<std::string> kAllBinary = {"DBI"};

struct NamedIP {
    const char* name;
    Problem p;
    EngineStatus status;
    double objective = 0;
    std::vector<double> x = {};
};

void PrintTo(const NamedIP& c, std::ostream* os) { *os << c.name; }

std::vector<NamedIP> Catalogue() {
    const int MAX = 0, MIN = 1;
    return {
        // The relaxation is integral: one node, the root is the incumbent.
        {"RootAlreadyIntegral", Make(MAX, {1, 1}, {{{1, 0}, LE, 2}, {{0, 1}, LE, 3}}, kAllGeneral),
         EngineStatus::Optimal, 5, {2, 3}},
        // Both children of the root are infeasible.
        {"TwoXEqualsOne", Make(MAX, {1}, {{{2}, EQ, 1}}, kAllGeneral), EngineStatus::Infeasible},
        // A margin of 1 against the incumbent would stop at 0.2.
        {"MarginOfOneWouldStopEarly", Make(MAX, {0.2, 0.2}, {{{1, 8}, LE, 8}, {{9, 1}, LE, 29}}, kAllGeneral),
         EngineStatus::Optimal, 0.6, {3, 0}},
        // An entering value of -1.8e-15 must not close a feasible node.
        {"TinyNegativeEnteringValue", Make(MAX, {2, 8}, {{{1, 5}, LE, 30}, {{4, 5}, LE, 38}}, kAllGeneral),
         EngineStatus::Optimal, 48, {0, 6}},
        // X1 binary pushes X2 to its bound through the equality: not unbounded.
        {"BinaryLimitsTheStep", Make(MAX, {0, 1}, {{{1, -1}, EQ, 0}}, {"BIN", "X1", "INT", ""}),
         EngineStatus::Optimal, 1, {1, 1}},
        // Nothing selected: solved as the relaxation, which is infeasible.
        {"NothingSelectedInfeasible", Make(MAX, {1, 1}, {{{1, 1}, LE, -5}}, {"BIN", "INT", ""}),
         EngineStatus::Infeasible},
        {"NothingSelectedSolvedAsLP", Make(MAX, {1, 1}, {{{2, 1}, LE, 3}, {{1, 2}, LE, 3}}, {"BIN", "INT", ""}),
         EngineStatus::Optimal, 2, {1, 1}},
        {"UnboundedRelaxation", Make(MAX, {1, 1}, {{{1, -1}, LE, 1.5}}, kAllGeneral), EngineStatus::Unbounded},
        {"KnapsackAllBinary",
         Make(MAX, {5, 4, 3, 7}, {{{2, 3, 1, 4}, LE, 5}, {{1, 1, 1, 1}, LE, 3}}, kAllBinary),
         EngineStatus::Optimal, 10},
        {"MinimizeGeneralIntegers", Make(MIN, {3, 5}, {{{2, 3}, GE, 7.5}, {{1, -1}, LE, 2}}, kAllGeneral),
         EngineStatus::Optimal, 13},
        {"BinaryFractionPointFour", Make(MAX, {1}, {{{5}, LE, 2}}, kAllBinary), EngineStatus::Optimal, 0, {0}},
        {"InfeasibleAfterRounding", Make(MAX, {1, 1}, {{{2, 2}, EQ, 3}, {{1, 0}, LE, 5}}, kAllGeneral),
         EngineStatus::Infeasible},
    };
}

class EngineBranchCatalogue : public ::testing::TestWithParam<NamedIP> {};

TEST_P(EngineBranchCatalogue, SolvesToKnownOutcome) {
    const NamedIP& c = GetParam();
    qv::LPBlock lp;
    qv::EngineResult r = SolveLP(lp, c.p, 1, TestLimits());
    ASSERT_EQ(r.status, c.status) << r.message;
    if (c.status != EngineStatus::Optimal) {
        EXPECT_FALSE(r.printEnabled);
        return;
    }
    EXPECT_NEAR(r.objectiveValue, c.objective, 1e-9);
    std::vector<double> x = Solution(lp);
    EXPECT_EQ(PrimalViolation(c.p, x), "");
    for (std::size_t j = 0; j < c.x.size(); ++j) EXPECT_NEAR(x[j], c.x[j], 1e-9) << "x" << j + 1;
}

INSTANTIATE_TEST_SUITE_P(Branch, EngineBranchCatalogue, ::testing::ValuesIn(Catalogue()),
                         [](const ::testing::TestParamInfo<NamedIP>& info) { return std::string(info.param.name); });

// The root's branching variable, read from the first two nodes of the store.
struct BranchChoice {
    std::vector<double> bounds;
    double atMostBound, atLeastBound;
    int column;
};

TEST(EngineBranch, BranchingColumnHasTheLargestFractionThenTheLargestValue) {
    // Basic integer values 1.8 and 2.3: the one at 1.8; 1.5 and 3.5: the one at 3.5.
    for (BranchChoice c : {BranchChoice{{1.8, 2.3}, 1, 2, 1}, BranchChoice{{1.5, 3.5}, 3, 4, 2},
                           BranchChoice{{2.3, 1.8}, 1, 2, 2}}) {
        Problem p = Make(0, {1, 1}, {{{1, 0}, LE, c.bounds[0]}, {{0, 1}, LE, c.bounds[1]}}, kAllGeneral);
        qv::LPBlock lp;
        ASSERT_TRUE(SolveLP(lp, p, 1).optimal());
        ASSERT_GE(lp.intNodeColumns.size(), 3u);
        EXPECT_EQ(lp.intNodeColumns[1], c.column);   // at-most child: +c
        EXPECT_EQ(lp.intNodeColumns[2], -c.column);  // at-least child: -c
        EXPECT_EQ(lp.dblNodeBounds[1], c.atMostBound);
        EXPECT_EQ(lp.dblNodeBounds[2], c.atLeastBound);
        EXPECT_NEAR(Objective(p, Solution(lp)), std::floor(c.bounds[0]) + std::floor(c.bounds[1]), 1e-9);
    }
}

// Root: x1 = 2.5 (x2 is continuous). The child x1 >= 3 is infeasible, the
// child x1 <= 2 is the incumbent; the final solve replays its path from the
// root basis and leaves its bound in place.
TEST(EngineBranch, IncumbentIsSolvedAgainFromTheRootBasis) {
    Problem p = Make(0, {1, 0.5}, {{{2, 1}, LE, 5}, {{0, 1}, LE, 0.5}}, {"BIN", "INT", "X1", ""});
    qv::LPBlock lp;
    qv::EngineResult r = SolveLP(lp, p, 1);
    ASSERT_TRUE(r.optimal()) << r.message;
    EXPECT_EQ(lp.intNodeColumns[1], 1);
    EXPECT_EQ(lp.intNodeColumns[2], -1);
    EXPECT_EQ(r.nodes, 3);
    EXPECT_NEAR(Value(lp, 1), 2, 1e-9);
    EXPECT_NEAR(Value(lp, 2), 0.5, 1e-9);
    // The final solve leaves the incumbent's path bound in place.
    EXPECT_EQ(lp.dblUpperBounds(1), 2);
}

// A search far deeper than 14 levels and wider than 49 branchings: only the
// work budget may end it, and a search that meets it says so.
TEST(EngineBranch, DeepSearchesRunPastTheOldStoreAndStopAtTheNodeLimit) {
    // max x1 s.t. 2 x1 - 2 x2 = 1 has no integer point; the relaxation moves
    // along the line forever, one level deeper per branching.
    Problem p = Make(0, {1, 1}, {{{2, -2}, EQ, 1}, {{1, 0}, LE, 60}}, kAllGeneral);
    qv::LPBlock lp;
    qv::EngineResult r = SolveLP(lp, p, 1);
    EXPECT_EQ(r.status, EngineStatus::Infeasible);
    EXPECT_GT(r.nodes, 100);
    // A tenth of the work the whole search needs.
    qv::EngineResult limited = SolveLP(lp, p, 1, TestLimits(r.work / 10));
    EXPECT_EQ(limited.status, EngineStatus::NodeLimit);
    EXPECT_FALSE(limited.printEnabled);
    EXPECT_EQ(limited.title, "Solution");
    EXPECT_EQ(limited.icon, qv::EngineIcon::Information);
    EXPECT_LT(limited.nodes, r.nodes / 5);
    EXPECT_EQ(limited.message, "The limit of " + std::to_string(limited.nodes) +
                                   " branch-and-bound nodes was reached before the search ended. "
                                   "No solution is shown.");
}

// --- Random small integer programs against enumeration --------------------

struct SmallIP {
    Problem p;
    std::vector<int> upper;  // enumeration box
};

SmallIP RandomSmallIP(std::uint32_t seed) {
    std::mt19937 g(seed);
    std::uniform_int_distribution<int> coef(-4, 7), nvars(2, 7), nrows(1, 5), ubd(1, 4);
    SmallIP s;
    Problem& p = s.p;
    const int n = nvars(g);
    p.opt = static_cast<int>(g() % 2);
    std::vector<int> x0(static_cast<std::size_t>(n));
    std::vector<std::string> bin, gen;
    for (int j = 0; j < n; ++j) {
        const bool binary = g() % 3 == 0;
        const int u = binary ? 1 : ubd(g);
        s.upper.push_back(u);
        x0[static_cast<std::size_t>(j)] = static_cast<int>(g() % static_cast<unsigned>(u + 1));
        (binary ? bin : gen).push_back("X" + std::to_string(j + 1));
        p.c.push_back(coef(g));
    }
    for (int i = 0, m = nrows(g); i < m; ++i) {
        std::vector<double> a(static_cast<std::size_t>(n));
        double ax = 0;
        for (int j = 0; j < n; ++j) {
            a[static_cast<std::size_t>(j)] = coef(g);
            ax += a[static_cast<std::size_t>(j)] * x0[static_cast<std::size_t>(j)];
        }
        const int rel = RandomRel(g);
        const double slack = static_cast<double>(g() % 4) + (g() % 2 ? 0.5 : 0.0);
        // Now and then an equality no integer point can meet exactly.
        const double offset = rel == EQ && g() % 4 == 0 ? 0.5 : 0.0;
        p.row(a, rel, rel == LE ? ax + slack : rel == GE ? ax - slack : ax + offset);
    }
    // General integers get their box as rows; binaries their bound from the section.
    for (int j = 0; j < n; ++j) {
        if (s.upper[static_cast<std::size_t>(j)] == 1 &&
            std::find(bin.begin(), bin.end(), "X" + std::to_string(j + 1)) != bin.end())
            continue;
        std::vector<double> a(static_cast<std::size_t>(n), 0.0);
        a[static_cast<std::size_t>(j)] = 1;
        p.row(a, LE, s.upper[static_cast<std::size_t>(j)]);
    }
    p.integerSection.push_back("BIN");
    for (auto& v : bin) p.integerSection.push_back(v);
    p.integerSection.push_back("INT");
    for (auto& v : gen) p.integerSection.push_back(v);
    p.integerSection.push_back("");
    return s;
}

// Best objective over the box (in the problem's own sense); nullopt if none.
std::optional<double> Enumerate(const SmallIP& s) {
    const Problem& p = s.p;
    std::vector<double> x(static_cast<std::size_t>(p.n()), 0.0);
    std::optional<double> best;
    for (;;) {
        if (PrimalViolation(p, x).empty()) {
            double v = Objective(p, x);
            if (!best || (p.opt == 0 ? v > *best : v < *best)) best = v;
        }
        std::size_t j = 0;
        while (j < x.size() && x[j] == s.upper[j]) x[j++] = 0;
        if (j == x.size()) break;
        x[j] += 1;
    }
    return best;
}

TEST(EngineBranch, RandomSmallIntegerProgramsMatchEnumeration) {
    int optimal = 0, infeasible = 0;
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        SmallIP s = RandomSmallIP(seed);
        std::optional<double> best = Enumerate(s);
        qv::LPBlock lp;
        qv::EngineResult r = SolveLP(lp, s.p, 1, TestLimits());
        if (!best) {
            EXPECT_EQ(r.status, EngineStatus::Infeasible) << "seed " << seed << ": " << r.message;
            ++infeasible;
            continue;
        }
        ASSERT_EQ(r.status, EngineStatus::Optimal) << "seed " << seed << ": " << r.message;
        ++optimal;
        EXPECT_NEAR(r.objectiveValue, *best, 1e-6) << "seed " << seed;
        std::vector<double> x = Solution(lp);
        EXPECT_EQ(PrimalViolation(s.p, x), "") << "seed " << seed;
        for (std::size_t j = 0; j < x.size(); ++j)
            EXPECT_NEAR(x[j], std::round(x[j]), 1e-5) << "seed " << seed << " x" << j + 1;
    }
    EXPECT_GT(optimal, 150);  // the generator gives both kinds
    EXPECT_GT(infeasible, 0);
}

// Random programs at capacity end within small budgets: a solution, no
// feasible solution, or a limit, never a hang and never an unbounded answer.
TEST(EngineBranch, RandomCapacityIntegerProgramsEndWithinLimits) {
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
        Problem p = RandomOptimalLP(500 + seed, 50, 100);
        p.integerSection = {seed % 2 ? "DIN" : "DBI"};
        qv::LPBlock lp;
        const qv::EngineLimits limits = TestLimits(30'000'000);
        qv::EngineResult r = SolveLP(lp, p, 1, limits);
        EXPECT_NE(r.status, EngineStatus::Unbounded) << "seed " << seed;
        EXPECT_NE(r.status, EngineStatus::ArithmeticFailure) << "seed " << seed << ": " << r.message;
        EXPECT_NE(r.status, EngineStatus::IterationLimit) << "seed " << seed;
        // The budget is checked at every step; one step at capacity is far below 1e6.
        EXPECT_LE(r.work, limits.workBudget + 1'000'000);
        if (r.optimal()) {
            std::vector<double> x = Solution(lp);
            EXPECT_EQ(PrimalViolation(p, x), "") << "seed " << seed;
        }
    }
}

}  // namespace
