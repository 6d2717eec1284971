#pragma once
// Test helpers for the simplex engine: a problem written as plain vectors, put
// into an LP block as the store of the input screen leaves it, the solution
// read back, an optimality certificate, and seeded random problems.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "lp/core/LPBlock.h"
#include "lp/core/LP_Engine.h"

namespace enginetest {

enum Rel { LE = 2, EQ = 3, GE = 4 };

struct Problem {
    int opt = 0;  // 0 maximize, 1 minimize
    std::vector<double> c;
    std::vector<std::vector<double>> A;
    std::vector<int> rel;
    std::vector<double> b;
    std::vector<std::string> integerSection;  // text-model lines from m + 3 on
    int m() const { return static_cast<int>(A.size()); }
    int n() const { return static_cast<int>(c.size()); }
    void row(std::vector<double> a, int r, double rhs) {
        A.push_back(std::move(a));
        rel.push_back(r);
        b.push_back(rhs);
    }
};

// Dimensions the arrays as InitLPArrays does and fills them as the store does.
inline void Fill(qv::LPBlock& lp, const Problem& p) {
    lp.intColumnCapacity = 200;
    lp.intRowCapacity = 50;
    lp.strModelLines.ReDim(255);
    lp.strVariableNames.ReDim(200);
    lp.dblProblemMatrix.ReDim(50, 200);
    lp.intConstraintRelations.ReDim(50);
    lp.intConstraintCount = p.m();
    lp.intVariableCount = p.n();
    lp.intOptimizationType = p.opt;
    for (int j = 1; j <= p.n(); ++j) {
        lp.strVariableNames(j) = "X" + std::to_string(j);
        lp.dblProblemMatrix(0, j) = p.c[static_cast<std::size_t>(j - 1)];
    }
    for (int i = 1; i <= p.m(); ++i) {
        const auto& a = p.A[static_cast<std::size_t>(i - 1)];
        for (int j = 1; j <= p.n(); ++j) lp.dblProblemMatrix(i, j) = a[static_cast<std::size_t>(j - 1)];
        lp.dblProblemMatrix(i, 0) = p.b[static_cast<std::size_t>(i - 1)];
        lp.intConstraintRelations(i) = p.rel[static_cast<std::size_t>(i - 1)];
    }
    for (std::size_t k = 0; k < p.integerSection.size(); ++k)
        lp.strModelLines(p.m() + 3 + static_cast<long>(k)) = p.integerSection[k];
}

// A budget far above what any test program needs (a tenth of a second of
// work in a release build), so that a broken change cannot hang the suite.
inline qv::EngineLimits TestLimits(long long workBudget = 100'000'000, long runIterationGuard = 0) {
    qv::EngineLimits limits;
    limits.workBudget = workBudget;
    limits.runIterationGuard = runIterationGuard;
    return limits;
}

inline qv::EngineResult SolveLP(qv::LPBlock& lp, const Problem& p, int integerLP = 0,
                            const qv::EngineLimits& limits = TestLimits(),
                            const qv::LP_Engine::NodeObserver& onNode = {}) {
    Fill(lp, p);
    return qv::LP_Engine::Solve(lp, integerLP, limits, onNode);
}

// Value of decision variable j (1-based) in the engine's final state.
inline double Value(const qv::LPBlock& lp, int j) {
    for (int i = 1; i <= lp.intConstraintCount; ++i)
        if (lp.intBasisColumns(i) == j) return lp.dblBasicValues(i);
    return lp.intColumnStatuses(j) == 1 ? lp.dblUpperBounds(j) : lp.dblLowerBounds(j);
}

inline std::vector<double> Solution(const qv::LPBlock& lp) {
    std::vector<double> x;
    for (int j = 1; j <= lp.intVariableCount; ++j) x.push_back(Value(lp, j));
    return x;
}

inline double Objective(const Problem& p, const std::vector<double>& x) {
    double v = 0;
    for (int j = 0; j < p.n(); ++j) v += p.c[static_cast<std::size_t>(j)] * x[static_cast<std::size_t>(j)];
    return v;
}

// Empty when x satisfies every row (within tol scaled) and x >= 0.
inline std::string PrimalViolation(const Problem& p, const std::vector<double>& x, double tol = 1e-7) {
    for (int j = 0; j < p.n(); ++j)
        if (!(x[static_cast<std::size_t>(j)] >= -tol)) return "x" + std::to_string(j + 1) + " < 0";
    for (int i = 0; i < p.m(); ++i) {
        const auto& a = p.A[static_cast<std::size_t>(i)];
        double lhs = 0, scale = 1 + std::fabs(p.b[static_cast<std::size_t>(i)]);
        for (int j = 0; j < p.n(); ++j) {
            lhs += a[static_cast<std::size_t>(j)] * x[static_cast<std::size_t>(j)];
            scale += std::fabs(a[static_cast<std::size_t>(j)] * x[static_cast<std::size_t>(j)]);
        }
        const double r = lhs - p.b[static_cast<std::size_t>(i)], t = tol * scale;
        const int rel = p.rel[static_cast<std::size_t>(i)];
        if ((rel == LE && r > t) || (rel == GE && r < -t) || (rel == EQ && std::fabs(r) > t))
            return "row " + std::to_string(i + 1) + " violated by " + std::to_string(r);
    }
    return {};
}

// Optimality certificate of a linear program (no integer section): x primal
// feasible, the engine's dual prices dual feasible (signs by relation, reduced
// costs of the decision variables not positive, in maximization form), and
// primal and dual objectives equal within 1e-9 relative. Empty when it holds.
inline std::string CertificateFailure(const qv::LPBlock& lp, const Problem& p) {
    const std::vector<double> x = Solution(lp);
    if (std::string v = PrimalViolation(p, x); !v.empty()) return "primal: " + v;
    const double sign = p.opt == 1 ? -1.0 : 1.0;
    double cmax = 1;
    for (double c : p.c) cmax = std::max(cmax, std::fabs(c));
    std::vector<double> y(static_cast<std::size_t>(p.m()));
    double ymax = 1;
    for (int i = 0; i < p.m(); ++i) {
        y[static_cast<std::size_t>(i)] = lp.dblDualPrices(i + 1);
        if (!std::isfinite(y[static_cast<std::size_t>(i)])) return "dual price not finite";
        ymax = std::max(ymax, std::fabs(y[static_cast<std::size_t>(i)]));
    }
    const double dtol = 1e-7 * std::max(cmax, ymax);
    for (int i = 0; i < p.m(); ++i) {
        const double yi = y[static_cast<std::size_t>(i)];
        const int rel = p.rel[static_cast<std::size_t>(i)];
        if ((rel == LE && yi < -dtol) || (rel == GE && yi > dtol))
            return "dual price of row " + std::to_string(i + 1) + " has the wrong sign: " + std::to_string(yi);
    }
    for (int j = 0; j < p.n(); ++j) {
        double d = sign * p.c[static_cast<std::size_t>(j)];
        for (int i = 0; i < p.m(); ++i) d -= y[static_cast<std::size_t>(i)] * p.A[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
        if (d > dtol) return "reduced cost of x" + std::to_string(j + 1) + " is " + std::to_string(d);
    }
    const double primal = sign * Objective(p, x);
    double dual = 0;
    for (int i = 0; i < p.m(); ++i) dual += y[static_cast<std::size_t>(i)] * p.b[static_cast<std::size_t>(i)];
    if (std::fabs(primal - dual) > 1e-9 * std::max(1.0, std::fabs(primal)))
        return "objectives differ: primal " + std::to_string(primal) + " dual " + std::to_string(dual);
    return {};
}

// --- Seeded random problems --------------------------------------------------

inline int RandomRel(std::mt19937& g) { return std::uniform_int_distribution<int>(2, 4)(g); }

// Feasible and bounded by construction: b from a point x0 >= 0, c from dual
// prices of the right signs minus a nonnegative part.
inline Problem RandomOptimalLP(std::uint32_t seed, int m, int n, bool allGE = false, int opt = -1) {
    std::mt19937 g(seed);
    std::uniform_real_distribution<double> coef(-5, 9), unit(0, 1);
    Problem p;
    p.opt = opt >= 0 ? opt : static_cast<int>(g() % 2);
    std::vector<double> x0(static_cast<std::size_t>(n));
    for (auto& v : x0) v = unit(g) < 0.4 ? 0.0 : std::round(unit(g) * 100) / 10;
    std::vector<double> y(static_cast<std::size_t>(m));
    for (int i = 0; i < m; ++i) {
        std::vector<double> a(static_cast<std::size_t>(n));
        double ax = 0;
        for (int j = 0; j < n; ++j) {
            a[static_cast<std::size_t>(j)] = unit(g) < 0.15 ? 0.0 : std::round(coef(g) * 10) / 10;
            ax += a[static_cast<std::size_t>(j)] * x0[static_cast<std::size_t>(j)];
        }
        int rel = allGE ? GE : RandomRel(g);
        double slack = unit(g) < 0.3 ? 0.0 : std::round(unit(g) * 200) / 10;
        double rhs = rel == LE ? ax + slack : rel == GE ? ax - slack : ax;
        p.row(a, rel, rhs);
        // Dual price in maximization form: >= 0 for "<", <= 0 for ">", free for "=".
        double yi = unit(g) < 0.3 ? 0.0 : unit(g) * 3;
        y[static_cast<std::size_t>(i)] = rel == LE ? yi : rel == GE ? -yi : (unit(g) < 0.5 ? yi : -yi);
    }
    p.c.resize(static_cast<std::size_t>(n));
    for (int j = 0; j < n; ++j) {
        double aty = 0;
        for (int i = 0; i < m; ++i) aty += p.A[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] * y[static_cast<std::size_t>(i)];
        double cmax = aty - (unit(g) < 0.5 ? 0.0 : unit(g) * 4);
        cmax = std::round(cmax * 100) / 100;
        // Rounding may break dual feasibility slightly; push the cost down.
        if (cmax > aty) cmax -= 0.01;
        p.c[static_cast<std::size_t>(j)] = p.opt == 1 ? -cmax : cmax;
    }
    return p;
}

// A feasible problem plus two rows that contradict each other.
inline Problem RandomInfeasibleLP(std::uint32_t seed, int m, int n) {
    Problem p = RandomOptimalLP(seed, m - 2, n);
    std::mt19937 g(seed ^ 0x9e3779b9u);
    std::uniform_real_distribution<double> coef(-5, 9);
    std::vector<double> a(static_cast<std::size_t>(n));
    for (auto& v : a) v = std::round(coef(g));
    double beta = std::round(coef(g) * 3);
    p.row(a, LE, beta);
    p.row(a, GE, beta + 1 + std::round(std::fabs(coef(g))));
    return p;
}

// A feasible problem with a ray d >= 0 that every row allows and the objective
// improves along.
inline Problem RandomUnboundedLP(std::uint32_t seed, int m, int n) {
    std::mt19937 g(seed);
    std::uniform_real_distribution<double> coef(-5, 9), unit(0, 1);
    Problem p;
    p.opt = static_cast<int>(g() % 2);
    std::vector<double> x0(static_cast<std::size_t>(n)), d(static_cast<std::size_t>(n));
    for (auto& v : x0) v = std::round(unit(g) * 50) / 10;
    int k = static_cast<int>(g() % static_cast<unsigned>(n));
    for (int j = 0; j < n; ++j) d[static_cast<std::size_t>(j)] = (j == k || unit(g) < 0.3) ? 1.0 : 0.0;
    for (int i = 0; i < m; ++i) {
        std::vector<double> a(static_cast<std::size_t>(n));
        double ad = 0;
        for (int j = 0; j < n; ++j) {
            a[static_cast<std::size_t>(j)] = std::round(coef(g) * 10) / 10;
            ad += a[static_cast<std::size_t>(j)] * d[static_cast<std::size_t>(j)];
        }
        int rel = RandomRel(g);
        // Fix the ray's direction on the last coefficient: the row must allow d.
        double want = rel == EQ ? 0.0 : rel == LE ? -std::round(unit(g) * 3) : std::round(unit(g) * 3);
        a[static_cast<std::size_t>(k)] += want - ad;
        double ax = 0;
        for (int j = 0; j < n; ++j) ax += a[static_cast<std::size_t>(j)] * x0[static_cast<std::size_t>(j)];
        double slack = std::round(unit(g) * 100) / 10;
        p.row(a, rel, rel == LE ? ax + slack : rel == GE ? ax - slack : ax);
    }
    p.c.resize(static_cast<std::size_t>(n));
    double cd = 0;
    for (int j = 0; j < n; ++j) {
        p.c[static_cast<std::size_t>(j)] = std::round(coef(g));
        cd += p.c[static_cast<std::size_t>(j)] * d[static_cast<std::size_t>(j)];
    }
    // Improve along d: c.d > 0 when maximizing, < 0 when minimizing.
    double sgn = p.opt == 1 ? -1.0 : 1.0;
    p.c[static_cast<std::size_t>(k)] += sgn * (1 + std::fabs(cd));
    return p;
}

// --- Seeded random integer programs -----------------------------------------

// All binary ("DBI"), in the shape of classroom selection problems: one
// budget row over every variable, then sparse rows with one decimal and mixed
// relations. The right-hand sides come from a random 0/1 point, so most are
// feasible; some are not.
inline Problem RandomBinaryIP(std::uint32_t seed, int m, int n) {
    std::mt19937 g(seed);
    std::uniform_int_distribution<int> cost(-8, 8), weight(1, 5);
    std::uniform_real_distribution<double> coef(-9, 9), unit(0, 1);
    Problem p;
    p.opt = static_cast<int>(g() % 2);
    std::vector<int> x0(static_cast<std::size_t>(n));
    for (auto& v : x0) v = unit(g) < 0.4 ? 1 : 0;
    for (int j = 0; j < n; ++j) p.c.push_back(cost(g));
    for (int i = 0; i < m; ++i) {
        std::vector<double> a(static_cast<std::size_t>(n), 0.0);
        int rel = i == 0 ? LE : RandomRel(g);
        for (int j = 0; j < n; ++j) {
            if (i == 0)
                a[static_cast<std::size_t>(j)] = weight(g);
            else if (unit(g) < 0.35)
                a[static_cast<std::size_t>(j)] = std::round(coef(g) * 10) / 10;
        }
        double ax = 0;
        for (int j = 0; j < n; ++j) ax += a[static_cast<std::size_t>(j)] * x0[static_cast<std::size_t>(j)];
        const double slack = std::round(unit(g) * 60) / 10;
        p.row(a, rel, std::round((rel == LE ? ax + slack : rel == GE ? ax - slack : ax) * 10) / 10);
    }
    p.integerSection = {"DBI"};
    return p;
}

// All general integer ("DIN"), no upper bounds: the first row has positive
// coefficients on every variable and bounds the program; the others have
// mixed signs and relations. Right-hand sides from a random integer point,
// with decimals, so that some programs have no integer solution at all.
inline Problem RandomGeneralIP(std::uint32_t seed, int m, int n) {
    std::mt19937 g(seed);
    std::uniform_int_distribution<int> cost(-3, 12), pos(1, 9), coef(-6, 9);
    std::uniform_real_distribution<double> unit(0, 1);
    Problem p;
    p.opt = static_cast<int>(g() % 2);
    std::vector<int> x0(static_cast<std::size_t>(n));
    for (auto& v : x0) v = static_cast<int>(g() % 4);
    for (int j = 0; j < n; ++j) p.c.push_back(p.opt == 1 ? -cost(g) : cost(g));
    for (int i = 0; i < m; ++i) {
        std::vector<double> a(static_cast<std::size_t>(n), 0.0);
        int rel = i == 0 ? LE : RandomRel(g);
        for (int j = 0; j < n; ++j) {
            if (i == 0)
                a[static_cast<std::size_t>(j)] = pos(g);
            else if (unit(g) < 0.5)
                a[static_cast<std::size_t>(j)] = coef(g);
        }
        double ax = 0;
        for (int j = 0; j < n; ++j) ax += a[static_cast<std::size_t>(j)] * x0[static_cast<std::size_t>(j)];
        const double slack = std::round(unit(g) * 80) / 10;
        const double offset = rel == EQ && unit(g) < 0.1 ? 0.5 : 0.0;
        p.row(a, rel, rel == LE ? ax + slack : rel == GE ? ax - slack : ax + offset);
    }
    p.integerSection = {"DIN"};
    return p;
}

}  // namespace enginetest
