#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "platform/core/Errors.h"
#include "platform/core/Report.h"
#include "waiting/core/WaitingModels.h"

namespace {

struct Problem {
    qv::WaitingBlock wl;
    pf::Array2<double> table;
    double costPerUnit = 0;

    Problem(int model, double k, double lambda, double mu, double sigma = 0, double n = 0) {
        wl.intWaitingLineModel = model;
        wl.intChannelCount = k;
        wl.dblArrivalRate = lambda;
        wl.dblServiceRate = mu;
        wl.dblServiceStdDev = sigma;
        wl.intPopulationSize = n;
        wl.strEconomicAnalysis = "NO";
        wl.dblChannelCost = 0;
        wl.dblFiniteTerms.ReDim(200);
        wl.dblBlockedTerms.ReDim(26);
        table.ReDim(200, 0);
    }
    Problem& costs(double perUnit, double perChannel) {
        wl.strEconomicAnalysis = "YES";
        costPerUnit = perUnit;
        wl.dblChannelCost = perChannel;
        return *this;
    }
    Problem& solve() {
        QVWait::SolveModel(wl, table, costPerUnit);
        return *this;
    }
    std::vector<std::string> window() const { return QVWait::SolutionLines(wl, costPerUnit, table); }
    std::vector<std::vector<std::string>> printed() const {
        pf::RecordingReportSink sink;
        QVWait::PrintWaitingLineReport(wl, costPerUnit, table, false, sink);
        sink.finish();
        return sink.pages();
    }
    std::vector<std::string> file() const {
        pf::TextReportSink sink;
        QVWait::PrintWaitingLineReport(wl, costPerUnit, table, true, sink);
        std::vector<std::string> lines;
        const std::string text = sink.contents();
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t end = text.find("\r\n", at);
            lines.push_back(text.substr(at, end - at));
            at = end + 2;
        }
        return lines;
    }
};

double Factorial(int n) { return n <= 1 ? 1 : n * Factorial(n - 1); }

// ------------------------------------------------------------- worked cases

TEST(WaitingModels, MM1OfTheWorkedExample) {
    Problem p(1, 1, 2, 3);
    p.solve();
    EXPECT_NEAR(p.wl.dblEmptyProbability, 1.0 / 3, 1e-12);
    EXPECT_NEAR(p.wl.dblAvgWaitingUnits, 4.0 / 3, 1e-12);
    EXPECT_NEAR(p.wl.dblAvgSystemUnits, 2, 1e-12);
    EXPECT_NEAR(p.wl.dblAvgWaitingTime, 2.0 / 3, 1e-12);
    EXPECT_NEAR(p.wl.dblAvgSystemTime, 1, 1e-12);
    EXPECT_NEAR(p.wl.dblWaitProbability, 2.0 / 3, 1e-12);
    EXPECT_EQ(p.wl.intOrMoreStart, 12);
    EXPECT_NEAR(p.wl.dblOrMoreProbability, std::pow(2.0 / 3, 12), 1e-12);
    EXPECT_EQ(p.wl.intPopulationSize.num(), 0) << "k - 1 is kept in the population";
    const auto w = p.window();
    // Single-spaced from S = 8: row 11 runs straight into the open-ended row.
    EXPECT_EQ(w.back(), "                 12 OR MORE                      0.0077");
    EXPECT_EQ(w[w.size() - 2], "                    11                           0.0039");
    EXPECT_EQ(w[w.size() - 3], "                    10                           0.0058");
}

TEST(WaitingModels, OneChannelModelsAndBlocking) {
    Problem d(3, 1, 2, 3, 0.7);
    d.solve();
    EXPECT_EQ(d.wl.dblServiceStdDev.num(), 0);
    EXPECT_NEAR(d.wl.dblAvgWaitingUnits, 2.0 / 3, 1e-12) << "half the M/M/1 value";

    Problem b(4, 1, 3, 3);
    b.solve();
    EXPECT_DOUBLE_EQ(b.table(0, 0), 0.5);
    EXPECT_DOUBLE_EQ(b.table(1, 0), 0.5);
    EXPECT_DOUBLE_EQ(b.wl.dblAvgSystemUnits, 0.5);
    EXPECT_DOUBLE_EQ(b.wl.dblWaitProbability, 0.5);

    Problem f(5, 1, 1, 2, 0, 1);
    f.solve();
    EXPECT_EQ(f.wl.intOrMoreStart, 2);
    EXPECT_NEAR(f.table(0, 0), 2.0 / 3, 1e-12);
    EXPECT_NEAR(f.table(1, 0), 1.0 / 3, 1e-12);
    const auto w = f.window();
    EXPECT_EQ(w.back(), "                     1                           0.3333");
    EXPECT_EQ(w[w.size() - 2], "");
    EXPECT_EQ(w[w.size() - 3], "                     0                           0.6667");
}

TEST(WaitingModels, SmallWaitProbabilityIsStoredAsZero) {
    Problem p(1, 5, 0.01, 1);
    p.solve();
    EXPECT_EQ(p.wl.dblWaitProbability, 0);
    Problem b(4, 5, 0.01, 1);  // the blocking probability is kept as computed
    b.solve();
    EXPECT_GT(b.wl.dblWaitProbability, 0);
}

// ------------------------------------------------------------------ guard

TEST(WaitingModels, UnsolvableInputsNamedByTheFirstFault) {
    struct Case {
        int model;
        double k, lambda, mu, n;
        std::string message;
    };
    const std::vector<Case> cases = {
        {1, 0, 1, 2, 0, QVWait::kChannelRange},
        {4, 26, 1, 2, 0, QVWait::kChannelRange},
        {5, 25.9, 1, 2, 0.5, QVWait::kPopulationLow},
        {5, 2, 1, 2, 31, QVWait::kPopulationHigh},
        {5, 2, 1, 2, 30.7, ""},
        {1, 1, 0, 2, 0, QVWait::kMeanPositive},
        {4, 1, 1, 0, 0, QVWait::kMeanPositive},
        {1, 2, 8, 4, 0, "The arrival rate must be less than 8 or the waiting line will grow without limit."},
        {1, 2.9, 8, 4, 0, "The arrival rate must be less than 8 or the waiting line will grow without limit."},
        {2, 0, 3, 3, 0, "The arrival rate must be less than 3 or the waiting line will grow without limit."},
        {3, 7, 2.5, 3, 0, ""},
        {4, 1, 3, 3, 0, ""},
        {5, 1, 50, 1, 3, ""},
        {9, 0, 0, 0, 0, ""},
    };
    for (const Case& c : cases) {
        Problem p(c.model, c.k, c.lambda, c.mu, 0, c.n);
        EXPECT_EQ(QVWait::UnsolvableReason(p.wl), c.message) << c.model << " " << c.k << " " << c.lambda;
    }
    // An unknown model computes and writes nothing.
    Problem unknown(9, 1, 1, 2);
    unknown.solve();
    EXPECT_TRUE(unknown.window().empty());
    EXPECT_TRUE(unknown.file().empty());
}

// A file can carry a fractional channel count or population; the models use the whole
// part, and every line shows the count that was used.
TEST(WaitingModels, FractionalCountsShowAsTheWholeNumbersUsed) {
    Problem m(1, 2.5, 7, 4);
    m.costs(1, 10).solve();
    // M/M/2, r = 1.75: P0 = 1/15, Lq = 3.0625 x 28 / 15, L = 7.4667; TC = L + 2 x 10.
    const auto w = m.window();
    EXPECT_EQ(w[2], "  SUMMARY OF A 2 CHANNEL WAITING LINE WITH");
    EXPECT_EQ(w[3], "  " + std::string(40, '*'));
    EXPECT_EQ(w[21], "  THE TOTAL COST PER TIME PERIOD                           $27.47");
    const auto r = m.printed();
    EXPECT_EQ(r[0][7], "            NUMBER OF CHANNELS = 2");
    EXPECT_EQ(r[0][34], "        THE TOTAL COST PER TIME PERIOD                           $27.47");

    Problem f(5, 2.9, 0.5, 1, 0, 3.7);
    f.solve();
    EXPECT_EQ(f.wl.intOrMoreStart, 4);
    EXPECT_EQ(f.window()[2], "  SUMMARY OF A 2 CHANNEL WAITING LINE FOR A POPULATION OF SIZE 3");
    EXPECT_EQ(f.window()[3], "  " + std::string(62, '*'));
    const auto fr = f.printed();
    EXPECT_EQ(fr[0][7], "            NUMBER OF CHANNELS = 2");
    EXPECT_EQ(fr[0][13], "            FINITE CALLING POPULATION OF SIZE = 3");
}

TEST(WaitingModels, ResultsBeyondTheDoubleRangeRaiseOverflow) {
    Problem p(5, 1, 1e12, 1e-3, 0, 30);
    try {
        p.solve();
        FAIL() << "no failure";
    } catch (const pf::RuntimeError& e) {
        EXPECT_EQ(e.number(), pf::errOverflow);
    }
}

// Rates the form accepts whose results run past the double range, one or more per model,
// and a total cost that does: the overflow error, and the block and the table untouched.
TEST(WaitingModels, EveryModelLeavesItsResultsWhenOneOverflows) {
    struct Case {
        const char* what;
        Problem problem;
    } cases[] = {
        {"M/M/k: k mu beyond the range", Problem(1, 2, 1e308, 1e308)},
        {"M/G/1: lambda sigma squared", Problem(2, 1, 1, 2, 1e300)},
        {"M/D/1: waiting time of a slow line", Problem(3, 1, 1e-306, 1.0000001e-306)},
        {"no waiting: the terms r^j / j!", Problem(4, 25, 1e300, 1e-8)},
        {"finite population", Problem(5, 1, 1e12, 1e-3, 0, 30)},
        {"total cost per time period", Problem(1, 1, 1.5, 2).costs(1e308, 0)},
        {"total cost of the channels", Problem(5, 25, 1, 2, 0, 30).costs(0, 1e308)},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.what);
        Problem& p = c.problem;
        p.wl.dblEmptyProbability = 0.125;
        p.wl.dblAvgSystemUnits = 7;
        p.wl.dblWaitProbability = 0.25;
        p.wl.intOrMoreStart = 3;
        p.wl.intPopulationSize = p.wl.intPopulationSize.num();
        p.table(0, 0) = 0.5;
        p.table(1, 0) = 0.25;
        const qv::WaitingBlock before = p.wl;
        try {
            p.solve();
            ADD_FAILURE() << "no failure";
        } catch (const pf::RuntimeError& e) {
            EXPECT_EQ(e.number(), pf::errOverflow);
        }
        EXPECT_EQ(p.wl.dblEmptyProbability, 0.125);
        EXPECT_EQ(p.wl.dblAvgSystemUnits, 7);
        EXPECT_EQ(p.wl.dblWaitProbability, 0.25);
        EXPECT_EQ(p.wl.intOrMoreStart, 3);
        EXPECT_EQ(p.wl.intPopulationSize.num(), before.intPopulationSize.num());
        EXPECT_EQ(p.wl.dblServiceStdDev.num(), before.dblServiceStdDev.num());
        EXPECT_EQ(p.table(0, 0), 0.5);
        EXPECT_EQ(p.table(1, 0), 0.25);
        for (int j = 0; j <= 25; ++j) EXPECT_EQ(p.wl.dblBlockedTerms(j).IsEmpty(), before.dblBlockedTerms(j).IsEmpty());
    }
    // The cost of blocked customers is never shown, so it stops nothing.
    Problem blocked(4, 2, 1, 2);
    blocked.costs(1e308, 1e308).solve();
    EXPECT_GT(blocked.table(0, 0), 0);
}

// ----------------------------------------------------------------- oracle

TEST(WaitingOracle, RandomProblemsAgreeWithTheTextbookFormulas) {
    std::mt19937 rng(424242);
    std::uniform_real_distribution<double> unit(0.01, 0.99);
    std::uniform_real_distribution<double> rate(0.1, 20);
    for (int trial = 0; trial < 400; ++trial) {
        const int k = 1 + trial % 25;
        const double mu = rate(rng);
        // M/M/k against Erlang C and Little's law.
        {
            const double rho = unit(rng), lambda = rho * k * mu, a = lambda / mu;
            Problem p(1, k, lambda, mu);
            p.solve();
            double sum = 0;
            for (int n = 0; n < k; ++n) sum += std::pow(a, n) / Factorial(n);
            const double tail = std::pow(a, k) / Factorial(k) * k / (k - a);
            const double c = tail / (sum + tail);
            const double lq = c * rho / (1 - rho);
            EXPECT_NEAR(p.wl.dblAvgWaitingUnits, lq, 1e-9 * (1 + lq)) << trial;
            EXPECT_NEAR(p.wl.dblAvgSystemUnits, lq + a, 1e-9 * (1 + lq));
            EXPECT_NEAR(p.wl.dblAvgWaitingTime, lq / lambda, 1e-9 * (1 + lq / lambda));
            EXPECT_NEAR(p.wl.dblAvgSystemTime, (lq + a) / lambda, 1e-9 * (1 + lq / lambda));
            EXPECT_NEAR(p.wl.dblWaitProbability, c < 0.00005 ? 0 : c, 1e-9);
            // The table and its open-ended row cover everything, and stop at the first
            // row whose remaining probability falls below 0.01.
            const int s = p.wl.intOrMoreStart;
            double total = 0, remaining = 1;
            for (int n = 0; n < s; ++n) {
                total += p.table(n, 0);
                remaining -= p.table(n, 0);
                if (n >= 1 && n < s - 1) { EXPECT_GE(remaining, 0.01) << trial; }
            }
            EXPECT_NEAR(total + p.wl.dblOrMoreProbability, 1, 1e-9);
            EXPECT_TRUE(p.wl.dblOrMoreProbability < 0.01 || s == 101) << trial;
        }
        // M/G/1 by Pollaczek-Khinchine; sigma = 1/mu is M/M/1.
        {
            const double rho = unit(rng), lambda = rho * mu;
            Problem g(2, 1, lambda, mu, 1 / mu);
            g.solve();
            EXPECT_NEAR(g.wl.dblAvgWaitingUnits, rho * rho / (1 - rho), 1e-9 * (1 + rho / (1 - rho))) << trial;
        }
        // Blocked customers cleared against the Erlang B recursion.
        {
            const double lambda = rate(rng), a = lambda / mu;
            Problem b(4, k, lambda, mu);
            b.solve();
            double erlangB = 1;
            for (int j = 1; j <= k; ++j) erlangB = a * erlangB / (j + a * erlangB);
            EXPECT_NEAR(b.wl.dblWaitProbability, erlangB, 1e-9) << trial;
            EXPECT_NEAR(b.wl.dblAvgSystemUnits, a * (1 - erlangB), 1e-9 * (1 + a));
        }
        // Finite population against the birth-death chain, also with k above N + 1
        // right after a solve with a larger population.
        for (int pass = 0; pass < 2; ++pass) {
            const int n = pass == 0 ? 1 + trial % 30 : 1 + trial % 5;
            const int kk = pass == 0 ? k : n + 2 + trial % 10;
            const double lambda = rate(rng) / 10;
            static Problem f(5, 1, 1, 1, 0, 1);
            f.wl.intChannelCount = kk;
            f.wl.intPopulationSize = n;
            f.wl.dblArrivalRate = lambda;
            f.wl.dblServiceRate = mu;
            f.solve();
            std::vector<double> p(static_cast<std::size_t>(n) + 1, 1.0);
            double z = 1;
            for (int i = 1; i <= n; ++i) {
                p[i] = p[i - 1] * (n - i + 1) * lambda / (std::min(i, kk) * mu);
                z += p[i];
            }
            double l = 0, lq = 0, below = 0;
            for (int i = 0; i <= n; ++i) {
                p[i] /= z;
                l += i * p[i];
                lq += std::max(i - kk, 0) * p[i];
                if (i < kk) below += p[i];
            }
            const double eff = lambda * (n - l), pw = 1 - below;
            for (int i = 0; i <= n; ++i) EXPECT_NEAR(f.table(i, 0), p[i], 1e-9) << trial;
            EXPECT_NEAR(f.wl.dblAvgSystemUnits, l, 1e-9) << trial << " pass " << pass;
            EXPECT_NEAR(f.wl.dblAvgWaitingUnits, lq, 1e-9);
            EXPECT_NEAR(f.wl.dblAvgSystemTime, l / eff, 1e-9 * (1 + l / eff));
            EXPECT_NEAR(f.wl.dblAvgWaitingTime, lq / eff, 1e-9 * (1 + lq / eff));
            EXPECT_NEAR(f.wl.dblWaitProbability, pw < 0.00005 ? 0 : pw, 1e-9);
        }
    }
}

// ------------------------------------------------------------------ lines

TEST(WaitingLines, MG1WithCostsWindow) {
    Problem p(2, 1, 2, 3, 0.25);
    p.costs(5, 20).solve();
    // Lq = (4 x 0.0625 + 4/9) / (2/3) = 1.041667, L = 1.708333, TC = 5 L + 20 = 28.54.
    const std::vector<std::string> want = {
        "",
        "  SUMMARY OF A 1 CHANNEL WAITING LINE WITH",
        "  ****************************************",
        "",
        "       MEAN NUMBER OF ARRIVALS = 2",
        "",
        "       MEAN NUMBER OF SERVICES = 3",
        "",
        "       STANDARD DEVIATION FOR THE SERVICE TIME = 0.25",
        "",
        "  THE PROBABILITY OF NO UNITS IN THE SYSTEM                0.3333",
        "",
        "  THE AVERAGE NUMBER OF UNITS IN THE WAITING LINE          1.0417",
        "",
        "  THE AVERAGE NUMBER OF UNITS IN THE SYSTEM                1.7083",
        "",
        "  THE AVERAGE TIME A UNIT SPENDS IN THE WAITING LINE       0.5208",
        "",
        "  THE AVERAGE TIME A UNIT SPENDS IN THE SYSTEM             0.8542",
        "",
        "  THE PROBABILITY THAT AN ARRIVING UNIT HAS TO WAIT        0.6667",
        "",
        "  THE TOTAL COST PER TIME PERIOD                           $28.54",
    };
    EXPECT_EQ(p.window(), want);
    for (std::size_t i = 10; i < want.size(); i += 2) EXPECT_EQ(want[i].size(), 65u) << i;
}

TEST(WaitingLines, MM3Window) {
    Problem p(1, 3, 10, 4);
    p.solve();
    const auto w = p.window();
    EXPECT_EQ(p.wl.intOrMoreStart, 27);
    ASSERT_EQ(w.size(), 1u + 1 + 2 + 1 + 4 + 11 + 5 + 27 + 1);
    EXPECT_EQ(w[1], "");
    EXPECT_EQ(w[2], "  SUMMARY OF A 3 CHANNEL WAITING LINE WITH");
    EXPECT_EQ(w[7], "       MEAN NUMBER OF SERVICES PER CHANNEL = 4");
    // P0 = 1 / (1 + 2.5 + 3.125 + 15.625 / 6 x 4 / 2) = 0.0449; Lq = 3.5112.
    EXPECT_EQ(w[9], "  THE PROBABILITY OF NO UNITS IN THE SYSTEM                0.0449");
    EXPECT_EQ(w[11], "  THE AVERAGE NUMBER OF UNITS IN THE WAITING LINE          3.5112");
    EXPECT_EQ(w[21], "");
    EXPECT_EQ(w[22], "       Number of Units in the System          Probability");
    EXPECT_EQ(w[25], "                     0                           0.0449");
    EXPECT_EQ(w[26], "                     1                           0.1124") << "single-spaced from S = 8";
    // Beyond n = 3 the tail is P(3) (5/6)^(n-3) / (1/6): 0.70225 (5/6)^24 = 0.0088 at S = 27,
    // and 0.0106 at 26.
    EXPECT_EQ(w.back(), "                 27 OR MORE                      0.0088");
}

TEST(WaitingLines, NoWaitingWindows) {
    Problem two(4, 2, 1, 1);
    two.solve();
    // t = 1, 1, 0.5: P = 0.4, 0.4, 0.2.
    const std::vector<std::string> want = {
        "  SUMMARY OF A 2 CHANNEL SYSTEM WITH NO WAITING ALLOWED",
        "  *****************************************************",
        "",
        "       MEAN NUMBER OF ARRIVALS = 1",
        "",
        "       MEAN NUMBER OF SERVICES PER CHANNEL = 1",
        "",
        "  THE PROBABILITY OF NO UNITS IN THE SYSTEM                0.4000",
        "",
        "  THE AVERAGE NUMBER OF UNITS IN THE SYSTEM                0.8000",
        "",
        "  THE PROBABILITY THAT AN ARRIVING UNIT IS BLOCKED         0.2000",
        "",
        "          Number of Channels Busy             Probability",
        "          ***********************             ***********",
        "",
        "                     0                           0.4000",
        "",
        "                     1                           0.4000",
        "",
        "                     2                           0.2000",
        "",
    };
    EXPECT_EQ(two.window(), want);

    Problem many(4, 14, 10, 1);
    many.solve();
    const auto w = many.window();
    EXPECT_EQ(w[1], "  " + std::string(54, '*'));
    // Rows 0..12, then the heading again, then rows 13 and 14 and the closing blank.
    const std::size_t row12 = 16 + 12;
    EXPECT_EQ(w[row12].substr(0, 22), "                    12");
    EXPECT_EQ(w[row12 + 1], "");
    EXPECT_EQ(w[row12 + 2], "          Number of Channels Busy             Probability");
    EXPECT_EQ(w[row12 + 4], "");
    EXPECT_EQ(w[row12 + 5].substr(0, 22), "                    13");
    EXPECT_EQ(w.size(), row12 + 8);
    EXPECT_EQ(w.back(), "");
}

TEST(WaitingLines, FinitePopulationWindowUnderline) {
    for (auto [k, n, stars] : std::vector<std::tuple<int, int, int>>{{1, 1, 62}, {10, 2, 63}, {2, 12, 63}, {12, 30, 64}}) {
        Problem p(5, k, 0.1, 1, 0, n);
        p.solve();
        const auto w = p.window();
        EXPECT_EQ(w[1], "");
        EXPECT_EQ(w[2], "  SUMMARY OF A " + std::to_string(k) + " CHANNEL WAITING LINE FOR A POPULATION OF SIZE " +
                            std::to_string(n));
        EXPECT_EQ(w[3], "  " + std::string(stars, '*'));
    }
}

// ------------------------------------------------------------ golden texts

// Sections of the golden file: "== title", then "|" lines and "--page" marks.
std::map<std::string, std::vector<std::string>> GoldenSections() {
    std::ifstream in(std::string(QV_TEST_DATA) + "/waiting/core/waiting_golden.txt");
    std::map<std::string, std::vector<std::string>> out;
    std::vector<std::string>* cur = nullptr;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("== ", 0) == 0)
            cur = &out[line.substr(3)];
        else if (cur && !line.empty() && line[0] != '#')
            cur->push_back(line);
    }
    return out;
}

std::vector<std::string> Marked(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (const std::string& l : lines) out.push_back("|" + (l == "\f" ? std::string("<FF>") : l));
    return out;
}

// Whole windows and reports against texts computed apart from the program: every
// line, every blank, every page break.
TEST(WaitingGolden, WindowsAndReportsLineByLine) {
    const auto golden = GoldenSections();
    auto costs = [](Problem p, double cw, double cs) { return p.costs(cw, cs); };
    struct Case {
        std::string title;
        Problem problem;
    };
    const std::vector<Case> windows = {
        {"window M/M/3 10 4", Problem(1, 3, 10, 4)},
        {"window no waiting k 2", Problem(4, 2, 1, 1)},
        {"window no waiting k 14", Problem(4, 14, 10, 1)},
        {"window finite N 1", Problem(5, 1, 1, 2, 0, 1)},
        {"window finite k 7 N 4", Problem(5, 7, 0.5, 1, 0, 4)},
        {"window M/G/1 with costs", costs(Problem(2, 1, 2, 3, 0.25), 5, 20)},
    };
    for (Case c : windows) {
        ASSERT_EQ(golden.count(c.title), 1u) << c.title;
        c.problem.solve();
        EXPECT_EQ(Marked(c.problem.window()), golden.at(c.title)) << c.title;
    }
    const std::vector<Case> reports = {
        {"M/M/1 0.93 1", Problem(1, 1, 0.93, 1)},
        {"M/G/1 with costs", costs(Problem(2, 1, 2, 3, 0.25), 5, 20)},
        {"no waiting k 2 with costs", costs(Problem(4, 2, 1, 1), 1, 1)},
        {"finite k 2 N 3", Problem(5, 2, 0.5, 1, 0, 3)},
    };
    for (Case c : reports) {
        c.problem.solve();
        std::vector<std::string> printed;
        for (const auto& page : c.problem.printed()) {
            printed.push_back("--page");
            for (const std::string& l : Marked(page)) printed.push_back(l);
        }
        ASSERT_EQ(golden.count("printed " + c.title), 1u) << c.title;
        EXPECT_EQ(printed, golden.at("printed " + c.title)) << c.title;
        EXPECT_EQ(Marked(c.problem.file()), golden.at("file " + c.title)) << c.title;
    }
    Problem d(3, 1, 2, 3);
    d.solve();
    EXPECT_EQ(Marked(d.file()), golden.at("file M/D/1"));
}

TEST(WaitingReport, MM1PagesAndSpacing) {
    Problem p(1, 1, 2, 3);
    p.solve();
    const auto pages = p.printed();
    ASSERT_EQ(pages.size(), 2u);
    const std::vector<std::string> first = {
        "", "", "", "",
        "        WAITING LINES",
        "        *************",
        "",
        "            NUMBER OF CHANNELS = 1",
        "",
        "            POISSON ARRIVALS WITH MEAN RATE = 2",
        "",
        "            EXPONENTIAL SERVICE TIMES WITH MEAN RATE = 3",
        "", "", "",
        "        OPERATING CHARACTERISTICS",
        "        -------------------------",
        "",
        "        THE PROBABILITY OF NO UNITS IN THE SYSTEM                0.3333",
        "",
        "        THE AVERAGE NUMBER OF UNITS IN THE WAITING LINE          1.3333",
        "",
        "        THE AVERAGE NUMBER OF UNITS IN THE SYSTEM                2.0000",
        "",
        "        THE AVERAGE TIME A UNIT SPENDS IN THE WAITING LINE       0.6667",
        "",
        "        THE AVERAGE TIME A UNIT SPENDS IN THE SYSTEM             1.0000",
        "",
        "        THE PROBABILITY THAT AN ARRIVING UNIT HAS TO WAIT        0.6667",
        "",
    };
    EXPECT_EQ(pages[0], first);
    const auto& table = pages[1];
    EXPECT_EQ(table[0], "        Number of Units in the System          Probability");
    EXPECT_EQ(table[1], "        -----------------------------          -----------");
    EXPECT_EQ(table[2], "");
    EXPECT_EQ(table[3], "                      0                           0.3333");
    EXPECT_EQ(table[4], "");
    EXPECT_EQ(table[3 + 2 * 11], "                     11                           0.0039");
    EXPECT_EQ(table[4 + 2 * 11], "");
    EXPECT_EQ(table.back(), "                 12 OR MORE                       0.0077");
    EXPECT_EQ(table.size(), 3u + 24 + 1);

    // The text file: the same lines, one empty line more before the form feed.
    auto file = p.file();
    std::vector<std::string> expected = first;
    expected.push_back("");
    expected.push_back("\f");
    expected.insert(expected.end(), table.begin(), table.end());
    EXPECT_EQ(file, expected);
}

TEST(WaitingReport, LongTableBreaksBeforeRow51) {
    Problem p(1, 1, 0.93, 1);
    p.solve();
    EXPECT_EQ(p.wl.intOrMoreStart, 64);
    const auto pages = p.printed();
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[1].size(), 3u + 51);
    EXPECT_EQ(pages[1][4].substr(0, 23), "                      1") << "single-spaced from S = 25";
    EXPECT_EQ(pages[2][0], "        Number of Units in the System          Probability");
    EXPECT_EQ(pages[2][3].substr(0, 23), "                     51");
    EXPECT_EQ(pages[2].size(), 3u + 13 + 1);
    EXPECT_EQ(pages[2].back().substr(0, 27), "                 64 OR MORE");
}

TEST(WaitingReport, ModelsTwoFourAndFive) {
    Problem g(2, 1, 2, 3, 0.25);
    g.costs(5, 20).solve();
    auto r = g.printed();
    ASSERT_EQ(r.size(), 1u) << "no table";
    EXPECT_EQ(r[0][11], "            ARBITRARY SERVICE TIMES WITH MEAN RATE = 3");
    EXPECT_EQ(r[0][13], "            STANDARD DEVIATION FOR THE SERVICE TIME = 0.25");
    EXPECT_EQ(r[0][15], "            COST FOR UNITS IN THE SYSTEM = $5 PER TIME PERIOD");
    EXPECT_EQ(r[0][17], "            COST FOR A CHANNEL = $20 PER TIME PERIOD");
    EXPECT_EQ(r[0].back(), "        THE TOTAL COST PER TIME PERIOD                           $28.54");
    EXPECT_EQ(r[0].back().size(), 71u);
    EXPECT_EQ(g.file().back(), "");

    Problem b(4, 2, 1, 1);
    b.costs(1, 1).solve();
    r = b.printed();
    ASSERT_EQ(r.size(), 1u);
    const std::vector<std::string> tail = {
        "        THE PROBABILITY OF NO UNITS IN THE SYSTEM                0.4000",
        "",
        "        THE AVERAGE NUMBER OF UNITS IN THE SYSTEM                0.8000",
        "",
        "        THE PROBABILITY THAT AN ARRIVING UNIT IS BLOCKED         0.2000",
        "", "", "",
        "            Number of Channels Busy             Probability",
        "            -----------------------             -----------",
        "",
        "                       0                           0.4000",
        "",
        "                       1                           0.4000",
        "",
        "                       2                           0.2000",
        "",
    };
    EXPECT_EQ(std::vector<std::string>(r[0].end() - static_cast<long>(tail.size()), r[0].end()), tail);
    EXPECT_EQ(r[0][13], "            NO WAITING LINE (BLOCKED CUSTOMERS CLEARED)");
    EXPECT_EQ(b.file(), r[0]) << "cost lines but no total, and nothing for the file only";

    Problem f(5, 2, 0.5, 1, 0, 3);
    f.solve();
    r = f.printed();
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0][11], "            EXPONENTIAL SERVICE TIMES WITH MEAN RATE = 1 PER CHANNEL");
    EXPECT_EQ(r[0][13], "            FINITE CALLING POPULATION OF SIZE = 3");
    EXPECT_EQ(r[1].size(), 3u + 2 * 4) << "rows 0..3, double-spaced, no open-ended row";
    EXPECT_EQ(r[1][r[1].size() - 2].substr(0, 23), "                      3");
}

}  // namespace
