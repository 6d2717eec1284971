// The engine's results held to the last bit: 200 seeded programs (sizes up to
// 50 x 100, every relation, both senses, infeasible and unbounded ones, twenty
// integer programs, half of them with searches of tens to hundreds of nodes)
// solved, and every number the engine leaves for the window (basic values,
// dual prices, reduced costs, objective, ranges) and its own counts
// (iterations, nodes, work) compared, the numbers as exact doubles, with the
// stored results. A faster inner loop that sums in another order, or a
// compiler that fuses a multiply-add, changes some bit.
//
// To write the file afresh (only for a deliberate change of the arithmetic):
// QV_LP_RESULTS_OUT=/path/file runs the programs and writes the text there.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine_fixture.h"
#include "lp/core/LPSolution.h"
#include "lp/core/LP_Engine.h"

using namespace enginetest;

namespace {

// Own generator, so the programs do not depend on the standard library's
// distributions.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : s_(seed * 0x9e3779b97f4a7c15ULL + 0x632be59bd9b4e019ULL) {}
    std::uint64_t next() {
        std::uint64_t z = (s_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    int below(int k) { return static_cast<int>(next() % static_cast<std::uint64_t>(k)); }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool chance(int percent) { return below(100) < percent; }
    // lo..hi in steps of 1/10.
    double tenths(int lo, int hi) { return between(lo * 10, hi * 10) / 10.0; }

private:
    std::uint64_t s_;
};

enum class Kind { Optimal, Degenerate, Infeasible, Unbounded, Loose, Integer };

const char* KindName(Kind k) {
    switch (k) {
        case Kind::Optimal: return "optimal";
        case Kind::Degenerate: return "degenerate";
        case Kind::Infeasible: return "infeasible";
        case Kind::Unbounded: return "unbounded";
        case Kind::Loose: return "loose";
        case Kind::Integer: return "integer";
    }
    return "";
}

double Dot(const std::vector<double>& a, const std::vector<double>& x) {
    double s = 0;
    for (std::size_t j = 0; j < a.size(); ++j) s += a[j] * x[j];
    return s;
}

// Rows through a point x0 >= 0 (feasible), costs from dual prices of the right
// signs less a nonnegative part (bounded). Degenerate programs have small
// integer coefficients, many zeros and many rows tight at x0.
Problem Bounded(Rng& g, int m, int n, bool degenerate) {
    Problem p;
    p.opt = g.below(2);
    std::vector<double> x0(static_cast<std::size_t>(n));
    for (auto& v : x0) v = g.chance(degenerate ? 60 : 40) ? 0.0 : g.tenths(0, 10);
    std::vector<double> y(static_cast<std::size_t>(m));
    for (int i = 0; i < m; ++i) {
        std::vector<double> a(static_cast<std::size_t>(n));
        for (auto& v : a) v = g.chance(degenerate ? 45 : 15) ? 0.0 : degenerate ? g.between(-3, 5) : g.tenths(-5, 9);
        const int rel = g.between(LE, GE);
        const double slack = g.chance(degenerate ? 70 : 30) ? 0.0 : g.tenths(0, 20);
        const double ax = Dot(a, x0);
        p.row(a, rel, rel == LE ? ax + slack : rel == GE ? ax - slack : ax);
        const double yi = g.chance(30) ? 0.0 : g.tenths(0, 3);
        y[static_cast<std::size_t>(i)] = rel == LE ? yi : rel == GE ? -yi : (g.chance(50) ? yi : -yi);
    }
    for (int j = 0; j < n; ++j) {
        double aty = 0;
        for (int i = 0; i < m; ++i) aty += p.A[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] * y[static_cast<std::size_t>(i)];
        // Rounded down to cents, so still at most aty.
        const double c = std::floor((aty - (g.chance(50) ? 0.0 : g.tenths(0, 4))) * 100) / 100;
        p.c.push_back(p.opt == 1 ? -c : c);
    }
    return p;
}

// A bounded program plus two rows that contradict each other.
Problem Infeasible(Rng& g, int m, int n) {
    Problem p = Bounded(g, m - 2, n, false);
    std::vector<double> a(static_cast<std::size_t>(n));
    for (auto& v : a) v = g.between(-5, 9);
    const double beta = g.between(-15, 27);
    p.row(a, LE, beta);
    p.row(a, GE, beta + g.between(1, 9));
    return p;
}

// Every row allows a ray d >= 0 along which the objective improves.
Problem Unbounded(Rng& g, int m, int n) {
    Problem p;
    p.opt = g.below(2);
    std::vector<double> x0(static_cast<std::size_t>(n)), d(static_cast<std::size_t>(n));
    for (auto& v : x0) v = g.tenths(0, 5);
    const int k = g.below(n);
    for (int j = 0; j < n; ++j) d[static_cast<std::size_t>(j)] = (j == k || g.chance(30)) ? 1.0 : 0.0;
    for (int i = 0; i < m; ++i) {
        std::vector<double> a(static_cast<std::size_t>(n));
        for (auto& v : a) v = g.tenths(-5, 9);
        const int rel = g.between(LE, GE);
        const double want = rel == EQ ? 0.0 : rel == LE ? -g.between(0, 3) : g.between(0, 3);
        a[static_cast<std::size_t>(k)] += want - Dot(a, d);
        const double slack = g.tenths(0, 10);
        const double ax = Dot(a, x0);
        p.row(a, rel, rel == LE ? ax + slack : rel == GE ? ax - slack : ax);
    }
    for (int j = 0; j < n; ++j) p.c.push_back(g.between(-5, 9));
    const double cd = Dot(p.c, d);
    p.c[static_cast<std::size_t>(k)] += (p.opt == 1 ? -1.0 : 1.0) * (1 + std::fabs(cd));
    return p;
}

// No construction at all: negative right-hand sides start the dual simplex,
// and the outcome is whatever it is.
Problem Loose(Rng& g, int m, int n) {
    Problem p;
    p.opt = g.below(2);
    for (int j = 0; j < n; ++j) p.c.push_back(g.tenths(-9, 9));
    for (int i = 0; i < m; ++i) {
        std::vector<double> a(static_cast<std::size_t>(n));
        for (auto& v : a) v = g.chance(25) ? 0.0 : g.tenths(-9, 9);
        p.row(a, g.between(LE, GE), g.tenths(-30, 60));
    }
    return p;
}

// A small bounded program restricted to integers (general or binary).
// Loose programs have no row tight at the point, so their relaxations are
// seldom integral and the search branches.
Problem Integer(Rng& g, int m, int n, bool loose) {
    Problem p;
    p.opt = g.below(2);
    const bool binary = g.chance(50);
    for (int j = 0; j < n; ++j) p.c.push_back(p.opt == 1 ? -g.between(-3, 12) : g.between(-3, 12));
    // Every row through an integer point, most of them with room to spare; the
    // first bounds the program.
    std::vector<double> x0(static_cast<std::size_t>(n));
    for (auto& v : x0) v = g.below(binary ? 2 : 3);
    std::vector<double> budget(static_cast<std::size_t>(n));
    for (auto& v : budget) v = g.between(1, 9);
    p.row(budget, LE, Dot(budget, x0) + g.between(0, 10) + 0.5);
    for (int i = 1; i < m; ++i) {
        std::vector<double> a(static_cast<std::size_t>(n));
        for (auto& v : a) v = g.chance(50) ? 0.0 : g.tenths(-6, 9);
        const int rel = loose ? (g.chance(50) ? LE : GE) : g.between(LE, GE);
        const double slack = loose ? g.tenths(1, 8) : g.chance(20) ? 0.0 : g.tenths(0, 8);
        const double ax = Dot(a, x0);
        p.row(a, rel, rel == LE ? ax + slack : rel == GE ? ax - slack : ax);
    }
    p.integerSection = {binary ? "DBI" : "DIN"};
    return p;
}

struct Case {
    Kind kind;
    Problem p;
};

// Problem k of the 200: every tenth at the full 50 x 100, the others of
// random size; the kinds in a fixed rotation.
Case Make(int k) {
    Rng g(static_cast<std::uint64_t>(k) + 1);
    static const Kind kRotation[10] = {Kind::Optimal, Kind::Degenerate, Kind::Optimal,    Kind::Infeasible,
                                       Kind::Optimal, Kind::Loose,      Kind::Unbounded,  Kind::Degenerate,
                                       Kind::Loose,   Kind::Integer};
    const Kind kind = kRotation[k % 10];
    // Half the integer programs have rows enough for the packed pricing.
    if (kind == Kind::Integer)
        return {kind, k % 20 == 19 ? Integer(g, g.between(20, 30), g.between(10, 20), true)
                                   : Integer(g, g.between(2, 6), g.between(2, 10), false)};
    const bool full = k % 10 == 0 || k % 10 == 7 || k % 20 == 4;
    const int m = full ? 50 : g.between(kind == Kind::Infeasible ? 3 : 1, 50);
    const int n = full ? 100 : g.between(1, 100);
    switch (kind) {
        case Kind::Infeasible: return {kind, Infeasible(g, m, n)};
        case Kind::Unbounded: return {kind, Unbounded(g, m, n)};
        case Kind::Loose: return {kind, Loose(g, m, n)};
        default: return {kind, Bounded(g, m, n, kind == Kind::Degenerate)};
    }
}

std::string Hex(double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%a", v);
    return buf;
}

class Lines {
public:
    void ints(const char* label, const std::vector<long long>& v) {
        std::string s = label;
        for (long long x : v) s.append(1, ' ').append(std::to_string(x));
        out_.push_back(s);
    }
    void doubles(const char* label, const std::vector<double>& v) {
        std::string s = label;
        for (double x : v) s.append(1, ' ').append(Hex(x));
        out_.push_back(s);
    }
    void ranges(const char* label, const std::vector<QVLP::Range>& v) {
        std::string s = label;
        for (const QVLP::Range& r : v) {
            s.append(1, ' ').append(r.noLower ? "-" : Hex(r.lower));
            s.append(1, '/').append(Hex(r.current));
            s.append(1, '/').append(r.noUpper ? "-" : Hex(r.upper));
        }
        out_.push_back(s);
    }
    void text(const std::string& s) { out_.push_back(s); }
    std::vector<std::string> take() { return std::move(out_); }

private:
    std::vector<std::string> out_;
};

// FNV-1a over the window's lines: the rounded texts follow from the numbers,
// so a digest is enough for them.
std::uint64_t Digest(const std::vector<std::string>& lines) {
    std::uint64_t h = 0xcbf29ce484222325ULL;
    for (const std::string& l : lines) {
        for (unsigned char ch : l) h = (h ^ ch) * 0x100000001b3ULL;
        h = (h ^ '\n') * 0x100000001b3ULL;
    }
    return h;
}

// Everything one run reports, one labelled line per kind of number.
std::vector<std::string> Results(int k) {
    const Case c = Make(k);
    const int integerLP = c.kind == Kind::Integer ? 1 : 0;
    qv::LPBlock lp;
    const qv::EngineResult r = SolveLP(lp, c.p, integerLP);
    const int m = c.p.m(), N = lp.intColumnCount;
    Lines out;
    out.text("problem " + std::to_string(k) + " " + KindName(c.kind) + " " + std::to_string(m) + "x" +
             std::to_string(c.p.n()) + " opt " + std::to_string(c.p.opt));
    out.ints("status", {static_cast<long long>(r.status), r.errorNumber, r.iterations, r.nodes, r.work,
                        r.longestPrimalRun, r.longestDualRun, lp.intPhase});
    if (!r.optimal()) return out.take();
    out.doubles("objective", {r.objectiveValue, lp.dblObjectiveValue});
    std::vector<long long> basis, statuses;
    std::vector<double> xB, y, d;
    for (int i = 1; i <= m; ++i) {
        basis.push_back(lp.intBasisColumns(i));
        xB.push_back(lp.dblBasicValues(i));
        y.push_back(lp.dblDualPrices(i));
    }
    for (int j = 1; j <= N; ++j) {
        statuses.push_back(lp.intColumnStatuses(j) * 10 + lp.intColumnKinds(j));
        d.push_back(lp.dblReducedCosts(j));
    }
    out.ints("basis", basis);
    out.ints("status.kind", statuses);
    out.doubles("values", xB);
    out.doubles("duals", y);
    out.doubles("reduced", d);
    if (integerLP == 1) {
        std::vector<double> bounds;
        for (int j = 1; j <= c.p.n(); ++j) {
            bounds.push_back(lp.dblLowerBounds(j));
            bounds.push_back(lp.dblUpperBounds(j));
        }
        out.doubles("bounds", bounds);
    }
    // The window changes the state as it fills (transformed columns, reduced
    // costs); the ranges are read from what it leaves, as the report does.
    const std::vector<std::string> window = QVLP::BuildLPSolutionLines(lp, integerLP);
    char digest[32];
    std::snprintf(digest, sizeof digest, "%016llx", static_cast<unsigned long long>(Digest(window)));
    out.text("window " + std::to_string(window.size()) + " " + digest);
    if (integerLP == 1) return out.take();
    std::vector<double> shown;
    for (int j = 1; j <= c.p.n(); ++j) shown.push_back(QVLP::VariableValue(lp, j));
    for (int i = 1; i <= m; ++i) shown.push_back(QVLP::SlackSurplus(lp, i));
    out.doubles("shown", shown);
    std::vector<QVLP::Range> objectiveRanges, rhsRanges;
    for (int j = 1; j <= c.p.n(); ++j) objectiveRanges.push_back(QVLP::ObjectiveRange(lp, j));
    for (int i = 1; i <= m; ++i) rhsRanges.push_back(QVLP::RhsRange(lp, i));
    out.ranges("objective.ranges", objectiveRanges);
    out.ranges("rhs.ranges", rhsRanges);
    return out.take();
}

constexpr int kPrograms = 200;

std::vector<std::string> AllResults() {
    std::vector<std::string> all;
    for (int k = 0; k < kPrograms; ++k)
        for (std::string& l : Results(k)) all.push_back(std::move(l));
    return all;
}

std::vector<std::string> Stored() {
    std::ifstream in(std::string(QV_TEST_DATA) + "/lp/core/engine_results.txt");
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);)
        if (!l.empty() && l[0] != '#') lines.push_back(l);
    return lines;
}

// The first differing number of a line: its label and position (1 = first).
std::string FirstDifference(const std::string& want, const std::string& got) {
    std::istringstream a(want), b(got);
    std::string x, y, label;
    for (int pos = 0;; ++pos) {
        const bool ha = static_cast<bool>(a >> x), hb = static_cast<bool>(b >> y);
        if (pos == 0) label = x;
        if (!ha && !hb) return "same";
        if (ha != hb || x != y)
            return label + " number " + std::to_string(pos) + ": stored " + (ha ? x : "(none)") + ", now " +
                   (hb ? y : "(none)");
    }
}

TEST(EngineResults, TwoHundredProgramsBitForBit) {
    const std::vector<std::string> now = AllResults();
    if (const char* path = std::getenv("QV_LP_RESULTS_OUT")) {
        std::ofstream out(path);
        out << "# Engine results of the seeded programs of engine_results_test.cpp; doubles as hex floats.\n";
        for (const std::string& l : now) out << l << "\n";
    }
    const std::vector<std::string> stored = Stored();
    ASSERT_FALSE(stored.empty()) << "the stored results are missing";
    std::string problem;
    for (std::size_t k = 0; k < std::min(now.size(), stored.size()); ++k) {
        if (stored[k].rfind("problem ", 0) == 0) problem = stored[k];
        ASSERT_EQ(stored[k], now[k]) << problem << "\n" << FirstDifference(stored[k], now[k]);
    }
    ASSERT_EQ(stored.size(), now.size());
}

// The set covers what it claims to: every outcome, both senses, the dual
// simplex start (negative right-hand sides) and the largest size.
TEST(EngineResults, ProgramsCoverEveryOutcome) {
    int optimal = 0, infeasible = 0, unbounded = 0, minimize = 0, full = 0, negativeRhs = 0, searches = 0;
    int relations[5] = {};
    for (int k = 0; k < kPrograms; ++k) {
        const Case c = Make(k);
        qv::LPBlock lp;
        const qv::EngineResult r = SolveLP(lp, c.p, c.kind == Kind::Integer ? 1 : 0);
        optimal += r.status == qv::EngineStatus::Optimal;
        infeasible += r.status == qv::EngineStatus::Infeasible;
        unbounded += r.status == qv::EngineStatus::Unbounded;
        minimize += c.p.opt == 1;
        full += c.p.m() == 50 && c.p.n() == 100;
        searches += r.nodes > 1;
        for (int i = 0; i < c.p.m(); ++i) {
            ++relations[c.p.rel[static_cast<std::size_t>(i)]];
            negativeRhs += c.p.b[static_cast<std::size_t>(i)] < 0 && c.p.rel[static_cast<std::size_t>(i)] == LE;
        }
        if (c.kind == Kind::Optimal || c.kind == Kind::Degenerate) {
            EXPECT_TRUE(r.optimal()) << "problem " << k;
        } else if (c.kind == Kind::Infeasible) {
            EXPECT_EQ(r.status, qv::EngineStatus::Infeasible) << "problem " << k;
        } else if (c.kind == Kind::Unbounded) {
            EXPECT_EQ(r.status, qv::EngineStatus::Unbounded) << "problem " << k;
        }
    }
    EXPECT_GE(optimal, 100);
    EXPECT_GE(infeasible, 20);
    EXPECT_GE(unbounded, 20);
    EXPECT_GE(minimize, 60);
    EXPECT_GE(full, 30);
    EXPECT_GE(negativeRhs, 50);
    EXPECT_GE(searches, 5);
    EXPECT_GE(relations[LE], 500);
    EXPECT_GE(relations[EQ], 500);
    EXPECT_GE(relations[GE], 500);
}

}  // namespace
