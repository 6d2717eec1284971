// Every objective-coefficient and right-hand-side range checked against the
// engine itself: a value just inside keeps the solution's basis, just outside
// changes it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "lp/core/LPSolution.h"
#include "lp_solution_fixture.h"

namespace {

constexpr double kStep = 0.01;

std::string Text(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.6f", v);
    return buf;
}

struct Outcome {
    bool optimal = false;  // an infeasible outcome counts as a change of basis
    std::vector<double> values;  // decision variables, then slack / surplus per row
    std::vector<double> duals;
};

Outcome SolveAndRead(const lpsol::Program& p) {
    qv::LPBlock lp;
    Outcome o;
    o.optimal = lpsol::Run(lp, p).optimal();
    if (!o.optimal) return o;
    for (int j = 1; j <= lp.intVariableCount; ++j) o.values.push_back(QVLP::VariableValue(lp, j));
    for (int i = 1; i <= lp.intConstraintCount; ++i) {
        o.values.push_back(QVLP::SlackSurplus(lp, i));
        o.duals.push_back(lp.dblDualPrices(i));
    }
    return o;
}

std::vector<bool> Pattern(const Outcome& o) {
    std::vector<bool> nz;
    for (double v : o.values) nz.push_back(std::fabs(v) > 1e-7);
    return nz;
}

bool SameVector(const std::vector<double>& a, const std::vector<double>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t k = 0; k < a.size(); ++k)
        if (std::fabs(a[k] - b[k]) > 1e-7) return false;
    return true;
}

struct Ranges {
    std::vector<QVLP::Range> objective, rhs;
};

Ranges RangesOf(const lpsol::Program& p) {
    qv::LPBlock lp;
    lpsol::Solve(lp, p);
    QVLP::BuildLPSolutionLines(lp, 0);  // leaves the transformed columns and positions
    Ranges r;
    for (int j = 1; j <= lp.intVariableCount; ++j) r.objective.push_back(QVLP::ObjectiveRange(lp, j));
    for (int i = 1; i <= lp.intConstraintCount; ++i) r.rhs.push_back(QVLP::RhsRange(lp, i));
    return r;
}

class Ranging : public ::testing::TestWithParam<int> {
protected:
    lpsol::Program Program() const {
        switch (GetParam()) {
            case 0: return lpsol::Wyndor();
            case 1: return lpsol::Covering();
            default: return lpsol::WithEquality();
        }
    }
};

TEST_P(Ranging, ObjectiveCoefficientRangesHoldByResolving) {
    const lpsol::Program p = Program();
    const Outcome base = SolveAndRead(p);
    const Ranges r = RangesOf(p);
    for (std::size_t j = 0; j < p.names.size(); ++j) {
        const QVLP::Range& g = r.objective[j];
        SCOPED_TRACE("variable " + p.names[j]);
        EXPECT_DOUBLE_EQ(g.current, std::stod(p.objective[j]));
        auto with = [&](double c) {
            lpsol::Program q = p;
            q.objective[j] = Text(c);
            return SolveAndRead(q);
        };
        // Just inside each side (or far off on a side without a limit): same solution.
        const double lo = g.noLower ? g.current - 1000 : g.lower + kStep;
        const double hi = g.noUpper ? g.current + 1000 : g.upper - kStep;
        ASSERT_TRUE(base.optimal);
        EXPECT_TRUE(SameVector(with(lo).values, base.values)) << "at " << lo;
        EXPECT_TRUE(SameVector(with(hi).values, base.values)) << "at " << hi;
        // Just outside a limited side: another basis.
        if (!g.noLower) {
            EXPECT_NE(Pattern(with(g.lower - kStep)), Pattern(base)) << "below " << g.lower;
        }
        if (!g.noUpper) {
            EXPECT_NE(Pattern(with(g.upper + kStep)), Pattern(base)) << "above " << g.upper;
        }
    }
}

TEST_P(Ranging, RightHandSideRangesHoldByResolving) {
    const lpsol::Program p = Program();
    const Outcome base = SolveAndRead(p);
    const Ranges r = RangesOf(p);
    for (std::size_t i = 0; i < p.rows.size(); ++i) {
        const QVLP::Range& g = r.rhs[i];
        SCOPED_TRACE("constraint " + std::to_string(i + 1));
        const std::size_t last = p.rows[i].size() - 1;
        EXPECT_DOUBLE_EQ(g.current, std::stod(p.rows[i][last]));
        auto with = [&](double b) {
            lpsol::Program q = p;
            q.rows[i][last] = Text(b);
            return SolveAndRead(q);
        };
        const double lo = g.noLower ? g.current - 1000 : g.lower + kStep;
        const double hi = g.noUpper ? g.current + 1000 : g.upper - kStep;
        for (double b : {lo, hi}) {
            const Outcome o = with(b);
            ASSERT_TRUE(o.optimal) << "at " << b;
            EXPECT_EQ(Pattern(o), Pattern(base)) << "at " << b;
            EXPECT_TRUE(SameVector(o.duals, base.duals)) << "at " << b;
        }
        // Just outside: other dual prices, or no feasible solution at all.
        if (!g.noLower) {
            EXPECT_FALSE(SameVector(with(g.lower - kStep).duals, base.duals)) << "below " << g.lower;
        }
        if (!g.noUpper) {
            EXPECT_FALSE(SameVector(with(g.upper + kStep).duals, base.duals)) << "above " << g.upper;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Textbook, Ranging, ::testing::Values(0, 1, 2));

// A "<" row with slack runs from its activity up without limit; a ">" row with
// surplus from no limit up to its activity.
TEST(RangingLimits, NonBindingRowsRunFromTheirActivity) {
    const Ranges w = RangesOf(lpsol::Wyndor());  // row 1: X1 = 2 <= 4
    EXPECT_FALSE(w.rhs[0].noLower);
    EXPECT_DOUBLE_EQ(w.rhs[0].lower, 2.0);
    EXPECT_TRUE(w.rhs[0].noUpper);
    const Ranges c = RangesOf(lpsol::Covering());  // row 3: 2X1 + X2 = 7 >= 5
    EXPECT_TRUE(c.rhs[2].noLower);
    EXPECT_DOUBLE_EQ(c.rhs[2].upper, 7.0);
}

// A minimization reads in its own sign: a nonbasic variable has no upper limit
// and its lower limit is where it would enter.
TEST(RangingLimits, NonbasicVariableOfAMinimization) {
    // Min 2X1 + 3X2 + 4X3 over the covering rows: X3 stays out.
    lpsol::Program p{1, {"X1", "X2", "X3"}, {"2", "3", "9"},
                     {{"1", "1", "1", ">", "4"}, {"1", "3", "1", ">", "6"}, {"2", "1", "1", ">", "5"}}};
    const Ranges r = RangesOf(p);
    // Duals 1.5 and 0.5: X3 would enter below 1.5 + 0.5 = 2.
    EXPECT_TRUE(r.objective[2].noUpper);
    EXPECT_FALSE(r.objective[2].noLower);
    EXPECT_NEAR(r.objective[2].lower, 2.0, 1e-9);
    EXPECT_DOUBLE_EQ(r.objective[2].current, 9.0);
}

}  // namespace
