// Which optimum the engine shows when a program has several: every tie rule of
// the pricing, the primal and dual ratio tests, the branching choice, the order
// of the children and the incumbent decides one case below. Each case has two
// or more optima (or optimal bases) of equal value, and breaking the rule it
// names shows another one.
#include <gtest/gtest.h>

#include <ostream>

#include "engine_fixture.h"
#include "lp/core/LP_Engine.h"

using namespace enginetest;

namespace {

struct TieCase {
    const char* name;
    Problem p;
    int integerLP;
    double objective;
    std::vector<double> x;           // the optimum shown
    std::vector<int> basis = {};     // intBasisColumns(1..m), when the rule decides only the basis
};

void PrintTo(const TieCase& c, std::ostream* os) { *os << c.name; }

Problem Make(int opt, std::vector<double> c, std::vector<std::tuple<std::vector<double>, int, double>> rows,
             std::vector<std::string> section = {}) {
    Problem p;
    p.opt = opt;
    p.c = std::move(c);
    for (auto& [a, r, rhs] : rows) p.row(a, r, rhs);
    p.integerSection = std::move(section);
    return p;
}

std::vector<TieCase> Cases() {
    const int MAX = 0, MIN = 1;
    const std::vector<std::string> allGeneral = {"DIN"}, allBinary = {"DBI"};
    return {
        // Equal rates and equal objective entries: X1, the lower column, enters
        // first and takes the shared row up to its own limit.
        {"PricingLowerColumnOnEqualRates",
         Make(MAX, {1, 1}, {{{1, 1}, LE, 4}, {{1, 0}, LE, 3}, {{0, 1}, LE, 3}}), 0, 4, {3, 1}},
        // In phase 1 two columns price equally; the one with the larger
        // objective entry (maximization form) enters, although it comes later.
        {"PricingLargerObjectiveEntryOnEqualRates",
         Make(MIN, {-1, 1, 1},
              {{{0, 2, 1}, GE, 2}, {{1, 2, 2}, GE, 5}, {{1, 0, 0}, LE, 2}, {{0, 1, 0}, LE, 3}, {{0, 0, 1}, LE, 1}}),
         0, -0.5, {2, 1.5, 0}},
        // Rows with exactly the same smallest ratio: the first position leaves.
        {"RatioFirstPositionOnEqualRatios",
         Make(MAX, {0, 2, 1}, {{{3, 1, -1}, LE, 4}, {{1, 0, 0}, LE, 2}, {{0, 1, 0}, LE, 4}, {{0, 0, 1}, LE, 2}}), 0,
         10, {2.0 / 3.0, 4, 2}},
        // A basic artificial going to zero takes over an exact tie it meets
        // later in the scan.
        {"RatioArtificialTakesExactTie",
         Make(MAX, {3, 0}, {{{1, -1}, GE, 2}, {{1, 3}, GE, 2}, {{1, 0}, LE, 3}, {{0, 1}, LE, 4}}), 0, 9, {3, 1}},
        // A row ratio equal to the entering binary's range leaves the bound
        // flip in place: X1 stays nonbasic at 1 and X2 becomes basic at 0.
        {"BoundFlipKeepsExactTieWithRow", Make(MAX, {1, 1}, {{{1, 1}, LE, 1}}, {"BIN", "X1", "INT", "X2", ""}), 1, 1,
         {1, 0}, {2}},
        {"BoundFlipKeepsExactTieAllBinary",
         Make(MIN, {3, 1, 0}, {{{-1, 2, 1}, LE, 0.5}, {{2, -1, 1}, GE, 2}}, allBinary), 1, 3, {1, 0, 0}},
        // Once phase 1 is over, an artificial still basic at zero leaves by a
        // zero step at the first position where the entering column has an
        // entry, before any ordinary ratio is compared.
        {"PhaseTwoArtificialAtZeroLeavesFirst",
         Make(MIN, {2, 1, 2},
              {{{1, 1, 1}, EQ, 2}, {{2, 0, -1}, GE, -2}, {{1, 0, 0}, LE, 1}, {{0, 1, 0}, LE, 1}, {{0, 0, 1}, LE, 2}}),
         0, 3, {0, 1, 1}},
        // Both start artificials are 1 below zero: the first position leaves
        // first.
        {"DualLeavingRowFirstOnEqualViolations",
         Make(MIN, {1, 0}, {{{1, -1}, GE, -1}, {{3, 1}, GE, -1}, {{1, 0}, LE, 2}, {{0, 1}, LE, 4}}), 0, 0, {0, 0}},
        // Violations 1 and 2: the artificial of row 2, farther out, leaves
        // first, which orders the final basis.
        {"DualLeavingRowLargestViolation",
         Make(MIN, {2, 2}, {{{0, 2}, GE, -1}, {{3, -1}, EQ, -2}, {{1, 0}, LE, 4}, {{0, 1}, LE, 3}}), 0, 4, {0, 2},
         {6, 7, 2, 3}},
        // Equal dual ratios: the lower column enters.
        {"DualRatioLowerColumnOnEqualRatios", Make(MIN, {0, 1}, {{{-1, -1}, GE, -2}, {{1, 0}, LE, 4}, {{0, 1}, LE, 2}}),
         0, 0, {2, 0}},
        // Equal fractions at the root: the variable with the larger value is
        // branched on.
        {"BranchOnLargerValueAmongEqualFractions",
         Make(MAX, {2, 3, 3},
              {{{0, 1, 2}, LE, 2}, {{2, 2, 1}, LE, 4}, {{1, 0, 0}, LE, 1}, {{0, 1, 0}, LE, 1}, {{0, 0, 1}, LE, 1}},
              allGeneral),
         1, 5, {1, 1, 0}},
        // (0, 1) and (1, 0) are both optimal. The at-least child X2 >= 1 of
        // node X1 <= 1 is solved before its sibling and finds (0, 1) first; the
        // sibling's (1, 0) has the same value and does not replace it.
        {"AtLeastChildFirstAndEqualIncumbentStays", Make(MAX, {1, 1}, {{{2, 2}, LE, 2.5}}, allGeneral), 1, 1, {0, 1}},
        // (0, 2, 1) is found first; (2, 0, 1) has the same value 2.3, computed
        // one rounding unit higher, and still does not replace it.
        {"EqualIncumbentStaysUnderRounding",
         Make(MAX, {1.1, 1.1, 0.1},
              {{{2, 2, 1}, EQ, 5}, {{-1, 2, 3}, GE, 0}, {{1, 0, 0}, LE, 3}, {{0, 1, 0}, LE, 3}, {{0, 0, 1}, LE, 1}},
              allGeneral),
         1, 2.3, {0, 2, 1}},
    };
}

class EngineTies : public ::testing::TestWithParam<TieCase> {};

TEST_P(EngineTies, ShowsTheOptimumTheRulesYield) {
    const TieCase& c = GetParam();
    qv::LPBlock lp;
    qv::EngineResult r = SolveLP(lp, c.p, c.integerLP, TestLimits());
    ASSERT_TRUE(r.optimal()) << r.message;
    EXPECT_NEAR(r.objectiveValue, c.objective, 1e-9);
    if (c.integerLP == 0) {
        EXPECT_EQ(CertificateFailure(lp, c.p), "");
    }
    std::vector<double> x = Solution(lp);
    for (std::size_t j = 0; j < c.x.size(); ++j) EXPECT_NEAR(x[j], c.x[j], 1e-9) << "X" << j + 1;
    for (std::size_t i = 0; i < c.basis.size(); ++i)
        EXPECT_EQ(lp.intBasisColumns(static_cast<int>(i) + 1), c.basis[i]) << "position " << i + 1;
}

INSTANTIATE_TEST_SUITE_P(Ties, EngineTies, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<TieCase>& info) { return std::string(info.param.name); });

// The node order behind AtLeastChildFirstAndEqualIncumbentStays, read from the
// node store: the root branches X1 at 1.25, node X1 <= 1 branches X2 at 0.25,
// and the first integral node is the at-least child's descendant.
TEST(EngineTiesNodes, AtLeastChildIsSolvedBeforeItsSibling) {
    Problem p = Make(0, {1, 1}, {{{2, 2}, LE, 2.5}}, {"DIN"});
    qv::LPBlock lp;
    ASSERT_TRUE(SolveLP(lp, p, 1).optimal());
    ASSERT_GE(lp.intNodeColumns.size(), 5u);
    // Root's children: 1 (X1 <= 1), 2 (X1 >= 2); node 1's children: 3, 4 on X2.
    EXPECT_EQ(lp.intNodeColumns[1], 1);
    EXPECT_EQ(lp.intNodeColumns[2], -1);
    EXPECT_EQ(lp.intNodeParents[3], 1);
    EXPECT_EQ(lp.intNodeColumns[3], 2);
    EXPECT_EQ(lp.intNodeColumns[4], -2);
    // The incumbent lies under node 4 (X2 >= 1), not at node 3 (X2 <= 0).
    int k = lp.intIncumbentNode;
    while (k > 0 && k != 4 && k != 3) k = lp.intNodeParents[static_cast<std::size_t>(k)];
    EXPECT_EQ(k, 4);
    // Node 3 was solved too (its parent value beat the incumbent), and lost.
    EXPECT_EQ(lp.intNodeClosed[3], 1);
}

}  // namespace
