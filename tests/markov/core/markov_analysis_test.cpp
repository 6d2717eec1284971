#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "markov/core/MarkovAnalysis.h"
#include "markov/core/MarkovBlock.h"
#include "platform/core/Report.h"
#include "platform/core/SeqFile.h"
#include "shell/core/ProblemFile.h"
#include "shell/core/State.h"
#include "tests/markov/core/markov_chain.h"

namespace {

using markovtest::Chain;
using markovtest::MakeChain;
using markovtest::Matrix;

Chain Solved(const Matrix& p) {
    Chain c = MakeChain(p);
    Markov::AnalyzeChain(c.mk, c.table);
    return c;
}

std::vector<std::string> Report(const Chain& c) {
    pf::RecordingReportSink sink;
    Markov::PrintMarkovSolution(c.mk, c.table, sink);
    sink.finish();
    EXPECT_EQ(sink.pages().size(), 1u) << "the report has no page breaks";
    return sink.pages().front();
}

std::vector<double> Steady(const Chain& c) {
    std::vector<double> v;
    for (int i = 1; i <= static_cast<int>(c.mk.intStateCount.num()); ++i) v.push_back(c.mk.dblStateDistribution(i));
    return v;
}

// ------------------------------------------------------------ the iteration

TEST(MarkovIteration, PassCountsAndValuesOfTheWorkedCases) {
    struct Case {
        const char* name;
        Matrix p;
        int start;  // 0: uniform
        int passes;
        bool settled;
        std::vector<double> d;
    };
    const double shrunk = std::pow(0.9995, 150);
    const std::vector<Case> cases = {
        {"uniform start already stationary", {{0.5, 0.5}, {0.5, 0.5}}, 0, 1, true, {0.5, 0.5}},
        {"periodic pair from the uniform start", {{0, 1}, {1, 0}}, 0, 1, true, {0.5, 0.5}},
        {"absorbed from state 2 after 30 passes", {{1, 0}, {0.3, 0.7}}, 2, 30, true,
         {1 - std::pow(0.7, 30), std::pow(0.7, 30)}},
        {"one leaky state never settles", {{0.9995}}, 0, 150, false, {shrunk}},
    };
    for (const Case& c : cases) {
        Chain ch = MakeChain(c.p);
        const int n = static_cast<int>(c.p.size());
        for (int j = 1; j <= n; ++j)
            ch.mk.dblStateDistribution(j) = c.start == 0 ? 1.0 / n : (j == c.start ? 1 : 0);
        bool settled = false;
        EXPECT_EQ(Markov::PowerIteration(ch.mk, n, settled), c.passes) << c.name;
        EXPECT_EQ(settled, c.settled) << c.name;
        for (int j = 1; j <= n; ++j) EXPECT_NEAR(ch.mk.dblStateDistribution(j), c.d[j - 1], 1e-12) << c.name;
    }
    EXPECT_NEAR(shrunk, 0.92773, 5e-6);
}

TEST(MarkovClassification, AbsorbingWhenTheDiagonalIsNotBelowOne) {
    Chain c = Solved({{0.9999, 0.0001, 0}, {0, 1, 0}, {0.2, 0.3, 0.5}});
    EXPECT_EQ(c.mk.intAbsorbingCount, 1);
    EXPECT_EQ(c.mk.intAbsorbingStates(1), 2);
    EXPECT_EQ(c.mk.intAbsorbingStates(2), 0);
    EXPECT_EQ(c.mk.intNonabsorbingCount, 2);
    EXPECT_EQ(c.mk.intNonabsorbingStates(1), 1);
    EXPECT_EQ(c.mk.intNonabsorbingStates(2), 3);
    EXPECT_EQ(c.mk.intNonabsorbingStates(3), 0);

    // An element never typed counts as 0: the state is not absorbing.
    Chain e = MakeChain({{0, 1}, {0, 1}});
    e.mk.dblTransitionMatrix(1, 1).Clear();
    Markov::AnalyzeChain(e.mk, e.table);
    EXPECT_EQ(e.mk.intAbsorbingCount, 1);
    EXPECT_EQ(e.mk.intAbsorbingStates(1), 2);
    EXPECT_DOUBLE_EQ(e.table(1, 1), 1.0);
}

TEST(MarkovClassification, EveryStateAbsorbingLeavesTheTableAsItWas) {
    Matrix identity(10, std::vector<double>(10, 0));
    for (int i = 0; i < 10; ++i) identity[i][i] = 1;
    Chain c = MakeChain(identity);
    c.table(1, 1) = 0.25;
    Markov::AnalyzeChain(c.mk, c.table);
    EXPECT_EQ(c.mk.intAbsorbingCount, 10);
    EXPECT_EQ(c.mk.intNonabsorbingCount, 0);
    EXPECT_EQ(c.table(1, 1), 0.25);
    const auto lines = Markov::SolutionLines(c.mk, c.table);
    // Ten absorbing states: no column-heading line, the underline ends the window.
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], Markov::AbsorbingHeading(10));
    std::string underline = "  *****  ";
    for (int k = 0; k < 10; ++k) underline += "  *****";
    EXPECT_EQ(lines.back(), underline);
}

// ------------------------------------------------- runs that do not settle

TEST(MarkovUnsettled, ExactWhenRowsSumToOneElseThePass150ValuesWithTheNote) {
    // Periodic: the uniform start oscillates; the true steady state is exact.
    Chain periodic = Solved({{0, 1, 0}, {0.5, 0, 0.5}, {0, 1, 0}});
    EXPECT_FALSE(periodic.mk.blnShowsUnsettledValues);
    const auto s = Steady(periodic);
    EXPECT_NEAR(s[0], 0.25, 1e-12);
    EXPECT_NEAR(s[1], 0.5, 1e-12);
    EXPECT_NEAR(s[2], 0.25, 1e-12);

    // Slow absorption: certain, though 150 passes reach only 0.779.
    Chain slow = Solved({{1, 0}, {0.01, 0.99}});
    EXPECT_FALSE(slow.mk.blnShowsUnsettledValues);
    EXPECT_NEAR(slow.table(1, 1), 1.0, 1e-12);

    // Absorbing state 1; states 2 and 3 a closed periodic pair; state 4 half to each side.
    Chain pair = Solved({{1, 0, 0, 0}, {0, 0, 1, 0}, {0, 1, 0, 0}, {0.5, 0.5, 0, 0}});
    EXPECT_FALSE(pair.mk.blnShowsUnsettledValues);
    EXPECT_EQ(pair.mk.intNonabsorbingCount, 3);
    EXPECT_EQ(pair.table(1, 1), 0.0);
    EXPECT_EQ(pair.table(2, 1), 0.0);
    EXPECT_NEAR(pair.table(3, 1), 0.5, 1e-12);

    // Leaky: rows sum to 0.9995 only, so the values of pass 150 stand.
    Chain leaky = Solved({{0, 0.9995, 0}, {0.5, 0, 0.4995}, {0, 0.9995, 0}});
    EXPECT_TRUE(leaky.mk.blnShowsUnsettledValues);
    // Two closed periodic classes: no single steady state.
    Chain two = Solved({{0, 1, 0, 0}, {1, 0, 0, 0}, {0, 0, 0, 1}, {0, 0, 1, 0}});
    EXPECT_FALSE(two.mk.blnShowsUnsettledValues) << "the uniform start is stationary here";
    Chain twoSkewed = MakeChain({{0, 1, 0, 0, 0}, {1, 0, 0, 0, 0}, {0, 0, 0, 1, 0}, {0, 0, 0.5, 0, 0.5}, {0, 0, 0, 1, 0}});
    Markov::AnalyzeChain(twoSkewed.mk, twoSkewed.table);
    EXPECT_TRUE(twoSkewed.mk.blnShowsUnsettledValues);

    Chain one = Solved({{0.9995}});
    EXPECT_TRUE(one.mk.blnShowsUnsettledValues);
    EXPECT_NEAR(one.mk.dblStateDistribution(1), 0.92773, 5e-6);

    // The values shown are those of pass 150 (worked out apart from the program): the
    // leaky chain's oscillation has shrunk to about 0.309 each, and the two classes
    // are back at their uniform start after an even number of passes.
    const std::vector<double> leakyAt150 = {0.3093967268637, 0.3092420285003, 0.3090873301368};
    for (int j = 1; j <= 3; ++j) EXPECT_NEAR(leaky.mk.dblStateDistribution(j), leakyAt150[j - 1], 1e-12) << j;
    for (int j = 1; j <= 5; ++j) EXPECT_NEAR(twoSkewed.mk.dblStateDistribution(j), 0.2, 1e-12) << j;
    EXPECT_EQ(Markov::SolutionLines(leaky.mk, leaky.table)[6], "             1            0.309");

    for (const Chain* c : {&leaky, &twoSkewed, &one}) {
        const auto lines = Markov::SolutionLines(c->mk, c->table);
        ASSERT_GE(lines.size(), 3u);
        EXPECT_EQ(lines[lines.size() - 3], "");
        EXPECT_EQ(lines[lines.size() - 2], Markov::kUnsettledNote1);
        EXPECT_EQ(lines.back(), Markov::kUnsettledNote2);
    }
}

// The report puts the note right after the result rows: before the two closing blank
// lines of the steady state, last after an absorption table, never after the three
// statements of a single absorbing state.
TEST(MarkovUnsettled, TheReportsNoteFollowsTheResultRows) {
    const std::vector<std::string> note = {"", Markov::kUnsettledNote1, Markov::kUnsettledNote2};
    Chain steady = Solved({{0, 0.9995, 0}, {0.5, 0, 0.4995}, {0, 0.9995, 0}});
    auto r = Report(steady);
    EXPECT_EQ(r[r.size() - 7], "             3            0.309");
    EXPECT_EQ(r[r.size() - 6], "") << "rows below six states are double-spaced";
    EXPECT_EQ(std::vector<std::string>(r.end() - 5, r.end() - 2), note);
    EXPECT_EQ(r[r.size() - 2], "");
    EXPECT_EQ(r.back(), "");

    // Two absorbing states reached slowly, rows summing to 0.9995 only.
    Chain table = Solved({{1, 0, 0}, {0, 1, 0}, {0.0005, 0.0004, 0.9986}});
    ASSERT_TRUE(table.mk.blnShowsUnsettledValues);
    r = Report(table);
    EXPECT_EQ(r[r.size() - 4].substr(0, 9), "    3    ");
    EXPECT_EQ(std::vector<std::string>(r.end() - 3, r.end()), note);

    Chain single = Solved({{1, 0}, {0.00005, 0.99945}});
    ASSERT_TRUE(single.mk.blnShowsUnsettledValues);
    r = Report(single);
    EXPECT_EQ(r.back(), "");
    EXPECT_EQ(r[r.size() - 2], "    All units will end up in this absorbing state.");
    const auto w = Markov::SolutionLines(single.mk, single.table);
    EXPECT_EQ(std::vector<std::string>(w.end() - 3, w.end()), note) << "the window shows it";
}

// --------------------------------------------------------------- oracle

// Gaussian elimination with partial pivoting, written apart from the program's own.
std::vector<double> Solve(Matrix a, std::vector<double> b) {
    const std::size_t n = a.size();
    for (std::size_t c = 0; c < n; ++c) {
        std::size_t p = c;
        for (std::size_t r = c; r < n; ++r)
            if (std::fabs(a[r][c]) > std::fabs(a[p][c])) p = r;
        std::swap(a[p], a[c]);
        std::swap(b[p], b[c]);
        for (std::size_t r = c + 1; r < n; ++r) {
            const double f = a[r][c] / a[c][c];
            for (std::size_t k = c; k < n; ++k) a[r][k] -= f * a[c][k];
            b[r] -= f * b[c];
        }
    }
    std::vector<double> x(n);
    for (std::size_t r = n; r-- > 0;) {
        double v = b[r];
        for (std::size_t k = r + 1; k < n; ++k) v -= a[r][k] * x[k];
        x[r] = v / a[r][r];
    }
    return x;
}

// Dense random rows, a random subset absorbing; slow chains put most weight on the diagonal.
Matrix RandomChain(std::mt19937& rng, int n, bool slow) {
    std::uniform_real_distribution<double> u(0.05, 1.0);
    std::bernoulli_distribution absorbing(0.3);
    Matrix p(n, std::vector<double>(n, 0));
    for (int i = 0; i < n; ++i) {
        if (absorbing(rng)) {
            p[i][i] = 1;
            continue;
        }
        double sum = 0;
        for (int j = 0; j < n; ++j) sum += p[i][j] = u(rng);
        for (int j = 0; j < n; ++j) p[i][j] /= sum;
        if (slow) {
            for (int j = 0; j < n; ++j) p[i][j] *= 0.03;
            p[i][i] += 0.97;
        }
    }
    return p;
}

TEST(MarkovOracle, RandomChainsAgreeWithALinearSolve) {
    std::mt19937 rng(20261210);
    int exactRuns = 0;
    for (int trial = 0; trial < 600; ++trial) {
        const int n = 1 + trial % 10;
        const Matrix p = RandomChain(rng, n, trial % 3 == 0);
        Chain c = Solved(p);
        ASSERT_FALSE(c.mk.blnShowsUnsettledValues) << "trial " << trial;
        std::vector<int> abs, tr;
        for (int i = 0; i < n; ++i) (p[i][i] >= 1 ? abs : tr).push_back(i);
        if (abs.empty()) {
            // pi (P - I) = 0 with the last equation replaced by sum(pi) = 1.
            Matrix a(n, std::vector<double>(n));
            std::vector<double> b(n, 0);
            for (int j = 0; j < n; ++j)
                for (int i = 0; i < n; ++i) a[j][i] = p[i][j] - (i == j);
            for (int i = 0; i < n; ++i) a[n - 1][i] = 1;
            b[n - 1] = 1;
            const auto pi = Solve(a, b);
            for (int i = 0; i < n; ++i) EXPECT_NEAR(c.mk.dblStateDistribution(i + 1), pi[i], 1e-3) << "trial " << trial;
            continue;
        }
        const std::size_t t = tr.size();
        for (std::size_t col = 0; col < abs.size(); ++col) {
            Matrix a(t, std::vector<double>(t));
            std::vector<double> b(t);
            for (std::size_t r = 0; r < t; ++r) {
                for (std::size_t k = 0; k < t; ++k) a[r][k] = (r == k) - p[tr[r]][tr[k]];
                b[r] = p[tr[r]][abs[col]];
            }
            const auto x = t ? Solve(a, b) : std::vector<double>{};
            for (std::size_t r = 0; r < t; ++r)
                EXPECT_NEAR(c.table(static_cast<long>(r) + 1, static_cast<long>(col) + 1), x[r], 1e-3)
                    << "trial " << trial;
        }
        // Exact results carry their certificate.
        for (std::size_t r = 0; r < t; ++r) {
            std::vector<double> b;
            ASSERT_TRUE(Markov::ExactAbsorption(c.mk, tr[r] + 1, b));
            ++exactRuns;
            double sum = 0;
            for (double v : b) {
                EXPECT_GE(v, 0);
                EXPECT_LE(v, 1);
                sum += v;
            }
            EXPECT_NEAR(sum, 1, 1e-9) << "dense rows: absorption is certain";
        }
    }
    EXPECT_GT(exactRuns, 500);
}

TEST(MarkovOracle, ExactResultsSatisfyTheirEquations) {
    std::mt19937 rng(7);
    for (int trial = 0; trial < 200; ++trial) {
        const int n = 2 + trial % 9;
        Matrix p = RandomChain(rng, n, false);
        for (int i = 0; i < n; ++i) p[i][i] = p[i][i] >= 1 ? 0.5 : p[i][i], p[i][(i + 1) % n] += p[i][i] == 0.5 ? 0.5 : 0;
        Chain c = MakeChain(p);
        std::vector<double> pi;
        ASSERT_TRUE(Markov::ExactSteadyState(c.mk, pi)) << "trial " << trial;
        double sum = 0;
        for (int j = 0; j < n; ++j) {
            double v = 0;
            for (int i = 0; i < n; ++i) v += pi[i] * p[i][j];
            EXPECT_NEAR(v, pi[j], 1e-9);
            sum += pi[j];
        }
        EXPECT_NEAR(sum, 1, 1e-9);
    }
    // (I - Q) B = R on the pair chain above, row by row.
    Chain c = MakeChain({{1, 0, 0}, {0.2, 0.5, 0.3}, {0, 0.4, 0.6}});
    Markov::AnalyzeChain(c.mk, c.table);
    std::vector<double> b2, b3;
    ASSERT_TRUE(Markov::ExactAbsorption(c.mk, 2, b2));
    ASSERT_TRUE(Markov::ExactAbsorption(c.mk, 3, b3));
    EXPECT_NEAR(b2[0] - 0.5 * b2[0] - 0.3 * b3[0], 0.2, 1e-9);
    EXPECT_NEAR(b3[0] - 0.4 * b2[0] - 0.6 * b3[0], 0.0, 1e-9);
}

// ----------------------------------------------------------------- lines

TEST(MarkovLines, HeadingsByCount) {
    const int absorbingBlanks[] = {3, 3, 6, 10, 13, 17, 20, 24, 27, 31};
    const int transitionBlanks[] = {4, 4, 4, 8, 11, 15, 18, 22, 25, 29};
    for (int k = 1; k <= 10; ++k) {
        const std::string a = Markov::AbsorbingHeading(k);
        EXPECT_EQ(a, "  START" + std::string(absorbingBlanks[k - 1], ' ') + "ABSORBING STATE") << k;
        EXPECT_EQ(a.size(), 22u + absorbingBlanks[k - 1]);
        const std::string t = Markov::TransitionHeading(k);
        EXPECT_EQ(t, "  START" + std::string(transitionBlanks[k - 1], ' ') + "TRANSITION TO STATE") << k;
    }
}

TEST(MarkovLines, OneAbsorbingStateWindowAndReport) {
    Chain c = Solved({{1, 0}, {0.3, 0.7}});
    const std::vector<std::string> window = {
        "",
        "",
        "THE MARKOV PROCESS YOU HAVE DESCRIBED HAS ONE ABSORBING STATE!",
        "",
        "    The absorbing state is state 1",
        "",
        "    All units will end up in this absorbing state.",
        "",
        "THE MARKOV PROCESS HAS 1 ABSORBING STATES",
        "*****************************************",
        "",
        "        THE ABSORBING STATES ARE",
        "        ------------------------",
        "",
        "                    1",
        "",
        "    The following table provides the probabilities that units currently in",
        "    nonabsorbing states will be absorbed by each of the absorbing states.",
        "",
        "PROBABILITY OF ENDING IN EACH ABSORBING STATE",
        "*********************************************",
        "",
        "  START   ABSORBING STATE",
        "  STATE      1  ",
        "  *****    *****",
        "",
        "    2      1.000",
    };
    EXPECT_EQ(Markov::SolutionLines(c.mk, c.table), window);
    const std::vector<std::string> report = {
        "MARKOV PROCESSES",
        "****************",
        "",
        "",
        "YOU HAVE INPUT THE FOLLOWING TRANSITION PROBABILITIES:",
        "******************************************************",
        "",
        "  START    TRANSITION TO STATE",
        "  STATE      1      2  ",
        "  *****    *****  *****",
        "",
        "    1      1.000  0.000",
        "",
        "    2      0.300  0.700",
        "",
        "",
        "",
        "",
        "THE MARKOV PROCESS YOU HAVE DESCRIBED HAS ONE ABSORBING STATE!",
        "",
        "    The absorbing state is state 1 ",
        "",
        "    All units will end up in this absorbing state.",
        "",
    };
    EXPECT_EQ(Report(c), report);
}

TEST(MarkovLines, SteadyStateOfThreeStatesDoubleSpaced) {
    Chain c = Solved({{0.5, 0.25, 0.25}, {0.5, 0, 0.5}, {0.25, 0.25, 0.5}});
    // pi = (0.4, 0.2, 0.4), checked by hand: pi P = pi.
    const std::vector<std::string> report = {
        "MARKOV PROCESSES",
        "****************",
        "",
        "",
        "YOU HAVE INPUT THE FOLLOWING TRANSITION PROBABILITIES:",
        "******************************************************",
        "",
        "  START    TRANSITION TO STATE",
        "  STATE      1      2      3  ",
        "  *****    *****  *****  *****",
        "",
        "    1      0.500  0.250  0.250",
        "",
        "    2      0.500  0.000  0.500",
        "",
        "    3      0.250  0.250  0.500",
        "",
        "",
        "",
        "THE STEADY STATE PROBABILITIES ARE AS FOLLOWS:",
        "**********************************************",
        "",
        "           STATE       PROBABILITY",
        "           *****       ***********",
        "",
        "             1            0.400",
        "",
        "             2            0.200",
        "",
        "             3            0.400",
        "",
        "",
        "",
    };
    EXPECT_EQ(Report(c), report);
    const auto window = Markov::SolutionLines(c.mk, c.table);
    // The window's lines are the report's solution section without its first blank
    // and the two closing ones.
    EXPECT_EQ(window, std::vector<std::string>(report.begin() + 19, report.end() - 2));
}

// The spacing rules at their edges: steady-state rows double-spaced below six states,
// absorption rows double-spaced up to four nonabsorbing states; window and report alike.
TEST(MarkovLines, SpacingChangesAtSixStatesAndFiveNonabsorbing) {
    struct Case {
        int states;
        bool absorbing;  // the first and last states absorbing, the others move to the first or stay
        bool doubleSpaced;
    } cases[] = {{5, false, true}, {6, false, false}, {6, true, true}, {7, true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.states) + (c.absorbing ? " absorbing" : " steady"));
        Matrix p(static_cast<std::size_t>(c.states), std::vector<double>(static_cast<std::size_t>(c.states), 0));
        for (int i = 0; i < c.states; ++i) {
            if (c.absorbing) {
                const bool ends = i == 0 || i == c.states - 1;
                p[i][i] = ends ? 1 : 0.5;
                if (!ends) p[i][0] = 0.5;
            } else {
                for (auto& x : p[i]) x = 1.0 / c.states;
            }
        }
        Chain ch = Solved(p);
        const auto w = Markov::SolutionLines(ch.mk, ch.table);
        const auto r = Report(ch);
        // The first two result rows and what stands between them.
        for (const auto* lines : {&w, &r}) {
            // The result section: past its title (the report's matrix rows look alike).
            const std::string title = c.absorbing ? "PROBABILITY OF ENDING IN EACH ABSORBING STATE"
                                                  : "THE STEADY STATE PROBABILITIES ARE AS FOLLOWS:";
            std::size_t first = 0;
            while (first < lines->size() && (*lines)[first] != title) ++first;
            const std::string lead = c.absorbing ? "    2    " : "             1   ";
            while (first < lines->size() && (*lines)[first].rfind(lead, 0) != 0) ++first;
            ASSERT_LT(first + 2, lines->size());
            EXPECT_EQ((*lines)[first - 1], "") << "a blank line under the heading";
            EXPECT_EQ((*lines)[first + 1].empty(), c.doubleSpaced);
        }
    }
}

TEST(MarkovLines, SpacingByNumberOfStates) {
    // Two absorbing and five nonabsorbing states: one blank line, then single spacing.
    Matrix p(7, std::vector<double>(7, 0));
    p[0][0] = p[6][6] = 1;
    for (int i = 1; i <= 5; ++i) p[i][i - 1] = p[i][i + 1] = 0.5;
    Chain c = Solved(p);
    const auto report = Report(c);
    const std::vector<std::string> tail(report.end() - 12, report.end());
    EXPECT_EQ(tail[0], "PROBABILITY OF ENDING IN EACH ABSORBING STATE");
    EXPECT_EQ(tail[3], "  START   ABSORBING STATE");
    EXPECT_EQ(tail[4], "  STATE      1      7  ");
    EXPECT_EQ(tail[5], "  *****    *****  *****");
    EXPECT_EQ(tail[6], "");
    // Gambler's ruin from state 2 of 0..6: absorbed at 0 with 5/6.
    EXPECT_EQ(tail[7], "    2      0.833  0.167");
    EXPECT_EQ(tail[8], "    3      0.667  0.333");
    EXPECT_EQ(report.back(), "    6      0.167  0.833");

    // Ten states: the matrix headings and underline stand on one line; rows single-spaced.
    Matrix ten(10, std::vector<double>(10, 0.1));
    Chain t = Solved(ten);
    const auto r10 = Report(t);
    std::string merged = "  STATE  ";
    for (int j = 1; j <= 10; ++j) merged += "   " + std::string(j < 10 ? " " : "") + std::to_string(j) + "  ";
    merged += "  *****  ";
    for (int j = 1; j <= 10; ++j) merged += "  *****";
    EXPECT_EQ(r10[8], merged);
    EXPECT_EQ(r10[7], "  START                             TRANSITION TO STATE");
    EXPECT_EQ(r10[9], "");
    EXPECT_EQ(r10[10].substr(0, 16), "    1      0.100");
    EXPECT_EQ(r10[11].substr(0, 9), "    2    ");
    const auto w10 = Markov::SolutionLines(t.mk, t.table);
    EXPECT_EQ(w10[6], "             1            0.100");
    EXPECT_EQ(w10[7], "             2            0.100");
    EXPECT_EQ(w10.size(), 16u);
}

}  // namespace

namespace {

// The problem file carries N and the matrix; the module's sizing runs before the read.
TEST(MarkovFile, OneAndTenStatesRoundTrip) {
    // Values that need every digit the file keeps.
    auto value = [](int n, int i, int j) {
        if (n == 1) return 0.9995;
        return i == j ? 0.5 : (i + j) / 90.0 + 1.0 / 3.0 * 1e-3;
    };
    for (int n : {1, 10}) {
        qv::resetState();
        auto& S = qv::S();
        S.intCurrentModule = 12;
        Markov::InitMarkovArrays(S.mk, S.dblProbabilityTable);
        S.mk.intStateCount = n;
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j) S.mk.dblTransitionMatrix(i, j) = value(n, i, j);
        pf::FieldWriter out;
        qv::WriteProblemRecords(S, out);
        const std::string text = out.contents();

        qv::resetState();
        S.intCurrentModule = 12;
        int sized = 0;
        qv::ProblemFileHooks hooks;
        hooks.sizeModule = [&] {
            ++sized;
            Markov::InitMarkovArrays(S.mk, S.dblProbabilityTable);
        };
        pf::FieldReader in(text);
        qv::ReadProblemRecords(S, in, hooks);
        EXPECT_EQ(sized, 1);
        EXPECT_EQ(S.mk.intStateCount.num(), n);
        EXPECT_EQ(S.mk.intStateLabels(10), 10);
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j)
                EXPECT_EQ(S.mk.dblTransitionMatrix(i, j).num(), value(n, i, j)) << n << ": " << i << "," << j;
        pf::FieldWriter again;
        qv::WriteProblemRecords(S, again);
        EXPECT_EQ(again.contents(), text);
    }
}

}  // namespace
