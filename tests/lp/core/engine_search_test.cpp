// Integer searches at classroom size: the all-binary program whose dual
// simplex used to cycle, seeded random binary and general integer programs
// against two searches of the test's own (neither uses the engine), the
// optimality certificate of every node LP, and the work budget.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

#include "engine_fixture.h"
#include "lp/core/LP_Engine.h"

using namespace enginetest;
using qv::EngineStatus;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// All 15 variables binary, chosen as the integer dialog writes it when
// "Multiple Types Of Variables" has X1..X15 selected in the binary list.
Problem StalledBinaryProgram() {
    Problem p;
    p.opt = 0;
    p.c = {3, -4, 7, -7, -4, -7, 8, 6, -4, 2, -2, -8, -2, 6, 1};
    auto row = [&](std::vector<std::pair<int, double>> terms, int rel, double rhs) {
        std::vector<double> a(15, 0.0);
        for (auto [j, v] : terms) a[static_cast<std::size_t>(j - 1)] = v;
        p.row(a, rel, rhs);
    };
    row({{1, 4}, {2, 2}, {3, 3}, {4, 5}, {5, 1}, {6, 3}, {7, 4}, {8, 5}, {9, 3}, {10, 3}, {11, 3}, {12, 1},
         {13, 5}, {14, 4}, {15, 2}},
        LE, 20);
    row({{2, 6}, {6, 8.9}, {7, -0.8}, {8, -3}, {9, 8.5}}, LE, 26.9);
    row({{2, 1.9}, {3, 0.5}, {4, -5.2}, {7, -1.5}, {11, 2}, {15, 5.4}}, GE, -6.1);
    row({{6, -5}, {8, -3.7}, {9, -9}, {11, 8}, {13, -4.2}, {15, -6}}, LE, 6.8);
    row({{3, 0.5}, {4, 6}, {6, 4}, {7, -2.5}, {9, -5.4}, {10, -7}, {12, 0.3}, {13, -1}, {14, 8}}, EQ, 11);
    row({{2, 2.4}, {3, 4.7}, {6, -9}, {8, 2.7}, {9, -4.4}, {15, -7}}, LE, -6.6);
    row({{1, 5.1}, {5, -5}, {8, 0.2}, {9, 3}, {12, 3}}, GE, -16);
    row({{3, -4}, {6, 2}, {12, -5.5}, {15, 3}}, LE, 11);
    p.integerSection = {"BIN"};
    for (int j = 1; j <= 15; ++j) p.integerSection.push_back("X" + std::to_string(j));
    p.integerSection.push_back("INT");
    p.integerSection.push_back("");
    return p;
}

// --- Two searches of the test's own ----------------------------------------

bool RowsCanHold(const Problem& p, const std::vector<double>& lo, const std::vector<double>& hi) {
    for (int i = 0; i < p.m(); ++i) {
        const auto& a = p.A[static_cast<std::size_t>(i)];
        double mn = 0, mx = 0;
        for (std::size_t j = 0; j < a.size(); ++j) {
            mn += std::min(a[j] * lo[j], a[j] * hi[j]);
            mx += std::max(a[j] * lo[j], a[j] * hi[j]);
        }
        const double b = p.b[static_cast<std::size_t>(i)], t = 1e-9 * (1 + std::fabs(b));
        const int rel = p.rel[static_cast<std::size_t>(i)];
        if ((rel != GE && mn > b + t) || (rel != LE && mx < b - t)) return false;
    }
    return true;
}

// Tightens integer bounds row by row until nothing changes; false when some
// row cannot be met within them.
bool Tighten(const Problem& p, std::vector<double>& lo, std::vector<double>& hi) {
    const std::size_t n = lo.size();
    for (bool changed = true; changed;) {
        changed = false;
        if (!RowsCanHold(p, lo, hi)) return false;
        for (int i = 0; i < p.m(); ++i) {
            const auto& a = p.A[static_cast<std::size_t>(i)];
            const double b = p.b[static_cast<std::size_t>(i)];
            const int rel = p.rel[static_cast<std::size_t>(i)];
            for (std::size_t j = 0; j < n; ++j) {
                if (a[j] == 0 || lo[j] == hi[j]) continue;
                double mn = 0, mx = 0;  // the row without x_j
                for (std::size_t k = 0; k < n; ++k) {
                    if (k == j) continue;
                    mn += std::min(a[k] * lo[k], a[k] * hi[k]);
                    mx += std::max(a[k] * lo[k], a[k] * hi[k]);
                }
                double l = lo[j], h = hi[j];
                if (rel != GE) {  // a_j x_j <= b - mn
                    const double lim = (b - mn) / a[j];
                    if (a[j] > 0) h = std::min(h, std::floor(lim + 1e-9));
                    else l = std::max(l, std::ceil(lim - 1e-9));
                }
                if (rel != LE) {  // a_j x_j >= b - mx
                    const double lim = (b - mx) / a[j];
                    if (a[j] > 0) l = std::max(l, std::ceil(lim - 1e-9));
                    else h = std::min(h, std::floor(lim + 1e-9));
                }
                if (l > h) return false;
                if (l != lo[j] || h != hi[j]) {
                    lo[j] = l;
                    hi[j] = h;
                    changed = true;
                }
            }
        }
    }
    return true;
}

// Depth-first enumeration of integer points inside [lo, hi], pruned by the
// rows (bounds tightened at every node) and by the objective's largest value
// over the box. Returns the best objective in the problem's own sense.
std::optional<double> BestIntegerPoint(const Problem& p, std::vector<double> lo, std::vector<double> hi) {
    const double sign = p.opt == 1 ? -1.0 : 1.0;
    std::optional<double> best;  // maximization form
    std::function<void(std::vector<double>, std::vector<double>)> search = [&](std::vector<double> l,
                                                                             std::vector<double> h) {
        if (!Tighten(p, l, h)) return;
        double bound = 0;
        int pick = -1;
        for (int j = 0; j < p.n(); ++j) {
            const auto uj = static_cast<std::size_t>(j);
            const double c = sign * p.c[uj];
            bound += std::max(c * l[uj], c * h[uj]);
            if (l[uj] < h[uj] && (pick < 0 || h[uj] - l[uj] < h[static_cast<std::size_t>(pick)] - l[static_cast<std::size_t>(pick)]))
                pick = j;
        }
        if (best && bound <= *best + 1e-9) return;
        if (pick < 0) {
            EXPECT_EQ(PrimalViolation(p, l), "");
            best = bound;
            return;
        }
        const auto up = static_cast<std::size_t>(pick);
        const bool high = sign * p.c[up] > 0;  // the better value first
        for (double v = high ? h[up] : l[up]; high ? v >= l[up] : v <= h[up]; v += high ? -1 : 1) {
            std::vector<double> l2 = l, h2 = h;
            l2[up] = h2[up] = v;
            search(l2, h2);
        }
    };
    search(std::move(lo), std::move(hi));
    if (best) return sign * *best;
    return std::nullopt;
}

std::optional<double> BestBinaryPoint(const Problem& p) {
    return BestIntegerPoint(p, std::vector<double>(static_cast<std::size_t>(p.n()), 0.0),
                            std::vector<double>(static_cast<std::size_t>(p.n()), 1.0));
}

// General integers start with no upper bound; the first tightening bounds them.
std::optional<double> BestGeneralPoint(const Problem& p) {
    return BestIntegerPoint(p, std::vector<double>(static_cast<std::size_t>(p.n()), 0.0),
                            std::vector<double>(static_cast<std::size_t>(p.n()), 1e6));
}

// --- Certificates of node LPs ----------------------------------------------

// The bounds of the node being solved, rebuilt from the problem's integer
// section and the node's path in the store (not read from the engine's bounds).
void NodeBounds(const Problem& p, const qv::LPBlock& L, std::vector<double>& lo, std::vector<double>& hi) {
    const std::size_t n = static_cast<std::size_t>(p.n());
    lo.assign(n + 1, 0.0);
    hi.assign(n + 1, kInf);
    const auto& sec = p.integerSection;
    if (!sec.empty() && sec[0] == "DBI") std::fill(hi.begin(), hi.end(), 1.0);
    if (!sec.empty() && sec[0] == "BIN")
        for (std::size_t k = 1; k < sec.size() && sec[k] != "INT"; ++k) hi[std::stoul(sec[k].substr(1))] = 1.0;
    for (int k = L.intCurrentNode; k > 0; k = L.intNodeParents[static_cast<std::size_t>(k)]) {
        const auto s = static_cast<std::size_t>(k);
        const int col = L.intNodeColumns[s];
        const auto c = static_cast<std::size_t>(std::abs(col));
        if (col > 0)
            hi[c] = std::min(hi[c], L.dblNodeBounds[s]);
        else
            lo[c] = std::max(lo[c], L.dblNodeBounds[s]);
    }
}

// A node LP solved to its optimum: x within the node's bounds and the rows,
// the engine's dual prices dual feasible for the node's box (every reduced
// cost of the sign its variable's position allows), and the primal objective
// equal to the dual bound y b + sum of max(d_j lo_j, d_j hi_j). Empty when all
// hold; otherwise what failed.
std::string NodeCertificateFailure(const Problem& p, const qv::LPBlock& L) {
    std::vector<double> lo, hi;
    NodeBounds(p, L, lo, hi);
    const int m = p.m(), n = p.n();
    for (int j = 1; j <= n; ++j)
        if (L.dblLowerBounds(j) != lo[static_cast<std::size_t>(j)] || L.dblUpperBounds(j) != std::min(hi[static_cast<std::size_t>(j)], 1e15))
            return "bounds of X" + std::to_string(j) + " are not the node's path";
    std::vector<double> x = Solution(L);
    // The engine sets basic values below 1e-5 in magnitude to zero, so a row
    // may miss its right-hand side by 1e-5 for each of its entries.
    std::vector<double> allowed(static_cast<std::size_t>(m));
    for (int i = 0; i < m; ++i) {
        const auto ui = static_cast<std::size_t>(i);
        const auto& a = p.A[ui];
        double lhs = 0, scale = 1 + std::fabs(p.b[ui]), entries = 1;
        for (int j = 0; j < n; ++j) {
            const auto uj = static_cast<std::size_t>(j);
            lhs += a[uj] * x[uj];
            scale += std::fabs(a[uj] * x[uj]);
            entries += std::fabs(a[uj]);
        }
        allowed[ui] = 1e-7 * scale + 1e-5 * entries;
        const double r = lhs - p.b[ui];
        if ((p.rel[ui] == LE && r > allowed[ui]) || (p.rel[ui] == GE && r < -allowed[ui]) ||
            (p.rel[ui] == EQ && std::fabs(r) > allowed[ui]))
            return "primal: row " + std::to_string(i + 1) + " misses by " + std::to_string(r);
    }
    for (int j = 1; j <= n; ++j) {
        const auto uj = static_cast<std::size_t>(j);
        const double v = x[uj - 1];
        if (v < lo[uj] - 1e-7 * std::max(1.0, lo[uj]) || v > hi[uj] + 1e-7 * std::max(1.0, hi[uj]))
            return "X" + std::to_string(j) + " = " + std::to_string(v) + " outside the node's bounds";
    }
    for (int i = 1; i <= m; ++i) {
        const int k = L.intBasisColumns(i);
        if (L.intColumnKinds(k) == 4 && std::fabs(L.dblBasicValues(i)) >= 1e-5) return "an artificial is positive";
    }
    const double sign = p.opt == 1 ? -1.0 : 1.0;
    double ymax = 1, cmax = 1;
    for (double c : p.c) cmax = std::max(cmax, std::fabs(c));
    for (int i = 1; i <= m; ++i) ymax = std::max(ymax, std::fabs(L.dblDualPrices(i)));
    const double tol = 1e-7 * std::max(cmax, ymax);
    double dual = 0, primal = 0, slack = 0;
    for (int i = 0; i < m; ++i) {
        const auto ui = static_cast<std::size_t>(i);
        const double y = L.dblDualPrices(i + 1);
        if ((p.rel[ui] == LE && y < -tol) || (p.rel[ui] == GE && y > tol))
            return "dual price of row " + std::to_string(i + 1) + " has the wrong sign";
        dual += y * p.b[ui];
        slack += std::fabs(y) * allowed[ui];
    }
    for (int j = 0; j < n; ++j) {
        const auto uj = static_cast<std::size_t>(j);
        double d = sign * p.c[uj];
        for (int i = 0; i < m; ++i) d -= L.dblDualPrices(i + 1) * p.A[static_cast<std::size_t>(i)][uj];
        const double l = lo[uj + 1], h = hi[uj + 1], v = x[uj];
        primal += sign * p.c[uj] * v;
        const bool atLow = v <= l + 1e-7, atHigh = v >= h - 1e-7;
        if ((d > tol && !atHigh) || (d < -tol && !atLow))
            return "reduced cost of X" + std::to_string(j + 1) + " is " + std::to_string(d) + " at " + std::to_string(v);
        dual += d > 0 ? d * h : d * l;  // d > 0 only at a finite upper bound (checked above)
    }
    // Weak duality gives primal <= dual; the rows' rounding moves the gap by
    // at most sum |y_i| times what row i may miss by.
    if (std::fabs(primal - dual) > 1e-9 * std::max(1.0, std::fabs(primal)) + slack)
        return "objectives differ: primal " + std::to_string(primal) + " dual " + std::to_string(dual);
    return {};
}

// Checks every node LP of one run; keeps the first failure.
struct NodeChecks {
    const Problem& p;
    long optimalNodes = 0;
    std::string failure;
    qv::LP_Engine::NodeObserver Observer() {
        return [this](const qv::LPBlock& L, bool optimal) {
            if (!optimal || !failure.empty()) return;
            ++optimalNodes;
            std::string f = NodeCertificateFailure(p, L);
            if (!f.empty()) failure = "node " + std::to_string(L.intCurrentNode) + ": " + f;
        };
    }
};

// The guard on one simplex run (rows + every column the set-up adds).
long RunGuard(const Problem& p) { return 5000 + 50L * (p.m() + p.n() + 2 * p.m()); }

// Solves p with node certificates and checks the outcome against the test's
// own search. Returns the number of nodes the engine solved.
long CheckAgainstOwnSearch(const Problem& p, const std::optional<double>& best, const std::string& what) {
    qv::LPBlock lp;
    NodeChecks checks{p, 0, {}};
    qv::EngineResult r = SolveLP(lp, p, 1, TestLimits(2'000'000'000), checks.Observer());
    EXPECT_EQ(checks.failure, "") << what;
    EXPECT_LT(r.longestDualRun, RunGuard(p)) << what;
    EXPECT_LT(r.longestPrimalRun, RunGuard(p)) << what;
    if (!best) {
        EXPECT_EQ(r.status, EngineStatus::Infeasible) << what << ": " << r.message;
        return r.nodes;
    }
    EXPECT_EQ(r.status, EngineStatus::Optimal) << what << ": " << r.message;
    if (!r.optimal()) return r.nodes;
    EXPECT_GT(checks.optimalNodes, 0) << what;
    // Values within 1e-5 of an integer count as integral, so the objective
    // shown may differ from the integer optimum by that much per variable.
    EXPECT_NEAR(r.objectiveValue, *best, 1e-4 * (1 + std::fabs(*best))) << what;
    std::vector<double> x = Solution(lp);
    EXPECT_EQ(PrimalViolation(p, x), "") << what;
    for (std::size_t j = 0; j < x.size(); ++j) EXPECT_NEAR(x[j], std::round(x[j]), 1e-5) << what << " X" << j + 1;
    return r.nodes;
}

// --- Tests -----------------------------------------------------------------

// The dual simplex at node 10 of this search used to cycle: a flipped binary
// was left with a reduced cost of the wrong sign, and the loop came back to
// the same bases until the iteration limit.
TEST(EngineSearch, StalledBinaryProgramSolvesToFour) {
    const Problem p = StalledBinaryProgram();
    ASSERT_EQ(BestBinaryPoint(p), std::optional<double>(4.0));
    qv::LPBlock lp;
    NodeChecks checks{p, 0, {}};
    qv::EngineResult r = SolveLP(lp, p, 1, TestLimits(), checks.Observer());
    ASSERT_EQ(r.status, EngineStatus::Optimal) << r.message;
    EXPECT_NEAR(r.objectiveValue, 4, 1e-9);
    EXPECT_EQ(checks.failure, "");
    EXPECT_EQ(PrimalViolation(p, Solution(lp)), "");
    EXPECT_GT(r.nodes, 100);
    // Every dual simplex run of the search stays short.
    EXPECT_LE(r.longestDualRun, 2 * (p.m() + p.n() + 2 * p.m()));
    // The whole program as "All Variables Are 0/1 (Binary)".
    Problem all = p;
    all.integerSection = {"DBI"};
    qv::EngineResult r2 = SolveLP(lp, all, 1);
    ASSERT_TRUE(r2.optimal()) << r2.message;
    EXPECT_NEAR(r2.objectiveValue, 4, 1e-9);
}

// 210 all-binary programs from 8x15 to 15x30 with mixed relations.
TEST(EngineSearch, RandomBinaryProgramsMatchEnumeration) {
    struct Size { int m, n, count; };
    int optimal = 0;
    long most = 0;
    for (Size s : {Size{8, 15, 114}, Size{10, 20, 60}, Size{12, 25, 30}, Size{15, 30, 6}}) {
        for (int k = 0; k < s.count; ++k) {
            const auto seed = static_cast<std::uint32_t>(1000 * s.m + k);
            const Problem p = RandomBinaryIP(seed, s.m, s.n);
            const std::optional<double> best = BestBinaryPoint(p);
            optimal += best ? 1 : 0;
            most = std::max(most, CheckAgainstOwnSearch(p, best, std::to_string(s.m) + "x" + std::to_string(s.n) +
                                                                     " seed " + std::to_string(seed)));
        }
    }
    EXPECT_GT(optimal, 150);
    EXPECT_GT(most, 1000);  // some searches are long
}

}  // namespace
