// PERT/CPM scheduling: the passes, slack, critical activities, the traced critical
// path and the solution window's lines, against hand-worked projects and against a
// longest-path computation of the test's own on random projects.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "network/core/PertSchedule.h"
#include "tests/network/core/pert_fixture.h"

namespace {

using namespace perttest;
using QVPert_CPM::SolvePertLines;

const std::string kPathLabel = "        CRITICAL PATH:  ";
const std::string kNoteFirst = "   NOTE:  There is more than one critical path for this project.  ";

std::string lineStarting(const std::vector<std::string>& lines, const std::string& start) {
    for (const std::string& l : lines)
        if (l.rfind(start, 0) == 0) return l;
    return "(no line)";
}

// The window's schedule heading, followed by `rows` and its closing lines.
std::vector<std::string> schedule(const std::vector<std::string>& rows, const std::vector<std::string>& close) {
    std::vector<std::string> lines = {
        "                         ***  ACTIVITY SCHEDULE  ***",
        "",
        "            EARLIEST    LATEST    EARLIEST    LATEST              CRITICAL ",
        " ACTIVITY     START      START     FINISH     FINISH     SLACK    ACTIVITY ",
        " " + std::string(73, '*'),
        "",
    };
    lines.insert(lines.end(), rows.begin(), rows.end());
    lines.insert(lines.end(), {"", " " + std::string(78, '*'), ""});
    lines.insert(lines.end(), close.begin(), close.end());
    return lines;
}

bool hasNote(const std::vector<std::string>& lines) {
    return std::find(lines.begin(), lines.end(), kNoteFirst) != lines.end();
}

// The reset clears all 25 activities, not only the n in use, and keeps the count, the
// time mode, the letters, the completion time and the selected activity.
TEST(PertSchedule, ResetClearsEveryActivity) {
    qv::PertBlock P = project(2, {estimated(1, 2, 3), estimated(1, 2, 3, "A")});
    SolvePertLines(P, 1);
    P.intPredecessorCounts(25) = 3;
    P.intPredecessorMatrix(25, 25) = 24;
    P.dblExpectedTimes(25) = 8;
    P.intCurrentActivity = 2;
    QVPert_CPM::ResetPertBlock(P);
    for (int i = 1; i <= 25; ++i) {
        SCOPED_TRACE(i);
        for (const auto* a : {&P.intPredecessorCounts, &P.dblOptimisticTimes, &P.dblMostProbableTimes,
                              &P.dblPessimisticTimes, &P.dblExpectedTimes, &P.dblTimeVariances}) {
            EXPECT_FALSE((*a)(i).IsEmpty());
            EXPECT_EQ((*a)(i).num(), 0);
        }
        for (int k = 1; k <= 25; ++k) EXPECT_EQ(P.intPredecessorMatrix(i, k).num(), 0);
        EXPECT_EQ(P.strCriticalFlags(i), " ");
        EXPECT_EQ(P.strCriticalPathFlags(i), " ");
        EXPECT_TRUE(P.dblEarliestStarts(i).IsEmpty());
        EXPECT_TRUE(P.dblSlacks(i).IsEmpty());
    }
    EXPECT_TRUE(P.dblExpectedTimes(0).IsEmpty());
    EXPECT_EQ(P.intExpectedTimeDecimals.num(), 0);
    EXPECT_EQ(P.intActivityCount, 2);
    EXPECT_EQ(P.intTimeEstimateMode.num(), 2);
    EXPECT_EQ(P.strActivityLetters(25), "Y");
    EXPECT_EQ(P.dblCompletionTime.num(), 4);
    EXPECT_EQ(P.intCurrentActivity, 2);
}

TEST(PertSchedule, HandWorkedProjects) {
    struct Case {
        const char* name;
        std::vector<Activity> acts;
        double decimals;
        double completion;  // as stored afterwards
        const char* completionLine;
        const char* critical;
        const char* path;
        bool note;
    } cases[] = {
        {"one activity", {known(5)}, 0, 5, "        PROJECT COMPLETION TIME = 5", "A", "A", false},
        {"a branch that waits", {known(3), known(2, "A"), known(4, "A")}, 0, 7,
         "        PROJECT COMPLETION TIME = 7", "AC", "AC", false},
        {"two equal parallel activities", {known(4), known(4)}, 0, 4, "        PROJECT COMPLETION TIME = 4", "AB", "A",
         true},
        {"all times zero", {known(0), known(0, "A"), known(0, "B")}, 0, 0, "        PROJECT COMPLETION TIME = 0", "ABC",
         "", true},
        {"one activity of zero time", {known(0)}, 0, 0, "        PROJECT COMPLETION TIME = 0", "A", "", false},
        // C after A and B is critical through B only; A is critical through D.
        {"the chain, not the first zero slack", {known(2), known(5), known(3, "AB"), known(6, "A")}, 0, 8,
         "        PROJECT COMPLETION TIME = 8", "ABCD", "BC", true},
        {"two decimals add up", {known(1.25), known(2, "A")}, 2, 3.25, "        PROJECT COMPLETION TIME = 3.25", "AB",
         "AB", false},
        {"the line shows the time in full", {known(1.234)}, 2, 1.23, "        PROJECT COMPLETION TIME = 1.234", "A",
         "A", false},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.name);
        qv::PertBlock P = project(1, c.acts);
        const auto lines = SolvePertLines(P, c.decimals);
        EXPECT_EQ(P.dblCompletionTime.num(), c.completion);
        EXPECT_EQ(lineStarting(lines, "        PROJECT COMPLETION TIME"), c.completionLine);
        EXPECT_EQ(flagged(P, false), c.critical);
        EXPECT_EQ(flagged(P, true), c.path);
        EXPECT_EQ(lineStarting(lines, kPathLabel), kPathLabel + [&] {
            std::string s;
            for (char ch : std::string(c.path)) s += (s.empty() ? "" : "-") + std::string(1, ch);
            return s;
        }());
        EXPECT_EQ(hasNote(lines), c.note);
        EXPECT_EQ(P.intExpectedTimeDecimals.num(), c.decimals);  // mode 1 takes the entry decimals
    }
}

TEST(PertSchedule, OneActivityAndABranchWithSlack) {
    qv::PertBlock P = project(1, {known(5)});
    SolvePertLines(P, 0);
    EXPECT_EQ(P.dblEarliestStarts(1).num(), 0);
    EXPECT_EQ(P.dblEarliestFinishes(1).num(), 5);
    EXPECT_EQ(P.dblLatestStarts(1).num(), 0);
    EXPECT_EQ(P.dblLatestFinishes(1).num(), 5);
    EXPECT_EQ(P.dblSlacks(1).num(), 0);

    P = project(1, {known(3), known(2, "A"), known(4, "A")});
    SolvePertLines(P, 0);
    EXPECT_EQ(P.dblEarliestStarts(2).num(), 3);
    EXPECT_EQ(P.dblLatestStarts(2).num(), 5);
    EXPECT_EQ(P.dblLatestFinishes(2).num(), 7);
    EXPECT_EQ(P.dblSlacks(2).num(), 2);
    EXPECT_EQ(P.strCriticalFlags(2), " ");
    EXPECT_EQ(P.strCriticalPathFlags(2), " ");
}

// Only the first count(c) predecessor entries are read: B's old entry A, still in the
// table after B lost it, is not followed although A is critical and finishes at 0.
TEST(PertSchedule, AnEntryBeyondTheCountIsNeverFollowed) {
    qv::PertBlock P = project(1, {known(0), known(5, "A"), known(5, "A")});
    P.intPredecessorCounts(2) = 0;
    const auto lines = SolvePertLines(P, 0);
    EXPECT_EQ(P.dblEarliestStarts(2).num(), 0);
    EXPECT_EQ(flagged(P, false), "ABC");
    EXPECT_EQ(flagged(P, true), "B");
    EXPECT_TRUE(hasNote(lines));
}

TEST(PertSchedule, ThreeEstimatesGiveExpectedTimesAndVariances) {
    qv::PertBlock P = project(2, {estimated(1, 2, 4)});
    auto lines = SolvePertLines(P, 0);
    EXPECT_NEAR(P.dblExpectedTimes(1).num(), 13.0 / 6, 1e-12);
    EXPECT_EQ(P.dblTimeVariances(1).num(), 0.25);
    EXPECT_EQ(P.intExpectedTimeDecimals.num(), 2);
    EXPECT_EQ(lines[5], sp(21) + "A" + sp(11) + "2.17" + sp(13) + "0.25");

    // A whole expected time leaves the decimals as they were, never lowering them.
    for (double before : {0.0, 1.0, 2.0}) {
        P = project(2, {estimated(2, 2, 2)});
        P.intExpectedTimeDecimals = before;
        lines = SolvePertLines(P, 0);
        EXPECT_EQ(P.dblExpectedTimes(1).num(), 2);
        EXPECT_EQ(P.dblTimeVariances(1).num(), 0);
        EXPECT_EQ(P.intExpectedTimeDecimals.num(), before);
    }
    // 1.5 needs one decimal, and one stays one.
    P = project(2, {estimated(1, 1, 4), estimated(1, 1, 1)});
    SolvePertLines(P, 0);
    EXPECT_EQ(P.intExpectedTimeDecimals.num(), 1);
}

TEST(PertSchedule, WindowLinesKnownTimes) {
    qv::PertBlock P = project(1, {known(3), known(2, "A"), known(4, "A")});
    std::vector<std::string> expected = {""};
    const auto rest = schedule(
        {
            sp(5) + "A" + sp(11) + "0" + sp(10) + "0" + sp(10) + "3" + sp(10) + "3" + sp(10) + "0" + sp(5) + "YES",
            sp(5) + "B" + sp(11) + "3" + sp(10) + "5" + sp(10) + "5" + sp(10) + "7" + sp(10) + "2" + sp(5) + " ",
            sp(5) + "C" + sp(11) + "3" + sp(10) + "3" + sp(10) + "7" + sp(10) + "7" + sp(10) + "0" + sp(5) + "YES",
        },
        {"        CRITICAL PATH:  A-C", "        PROJECT COMPLETION TIME = 7"});
    expected.insert(expected.end(), rest.begin(), rest.end());
    EXPECT_EQ(SolvePertLines(P, 0), expected);
}

TEST(PertSchedule, WindowLinesThreeEstimates) {
    // t = 2.1667, 2, 3; v = 0.25, 0, 0.4444; path A-C with variance 0.6944.
    qv::PertBlock P = project(2, {estimated(1, 2, 4), estimated(2, 2, 2, "A"), estimated(1, 3, 5, "A")});
    std::vector<std::string> expected = {
        "",
        sp(15) + "EXPECTED TIMES AND VARIANCES FOR ACTIVITIES",
        "",
        sp(17) + "ACTIVITY" + sp(4) + "EXPECTED TIME" + sp(5) + "VARIANCE",
        sp(16) + std::string(42, '*'),
        sp(21) + "A" + sp(11) + "2.17" + sp(13) + "0.25",
        sp(21) + "B" + sp(11) + "2.00" + sp(13) + "0.00",
        sp(21) + "C" + sp(11) + "3.00" + sp(13) + "0.44",
        sp(15) + std::string(43, '*'),
        "",
    };
    const auto rest = schedule(
        {
            sp(5) + "A" + sp(8) + "0.00" + sp(7) + "0.00" + sp(7) + "2.17" + sp(7) + "2.17" + sp(7) + "0.00" + sp(5) + "YES",
            sp(5) + "B" + sp(8) + "2.17" + sp(7) + "3.17" + sp(7) + "4.17" + sp(7) + "5.17" + sp(7) + "1.00" + sp(5) + " ",
            sp(5) + "C" + sp(8) + "2.17" + sp(7) + "2.17" + sp(7) + "5.17" + sp(7) + "5.17" + sp(7) + "0.00" + sp(5) + "YES",
        },
        {"        CRITICAL PATH:  A-C", "        EXPECTED PROJECT COMPLETION TIME = 5.17",
         "        VARIANCE OF PROJECT COMPLETION TIME = 0.69"});
    expected.insert(expected.end(), rest.begin(), rest.end());
    EXPECT_EQ(SolvePertLines(P, 0), expected);
    EXPECT_EQ(P.dblCompletionTime.num(), 5.17);
}

TEST(PertSchedule, TheNoteClosesTheWindow) {
    const std::vector<std::string> note = {"",
                                           "",
                                           kNoteFirst,
                                           "          The number of critical activities (zero slack) is greater",
                                           "          than the number of activities on the computed critical path.",
                                           ""};
    qv::PertBlock P = project(1, {known(2), known(5), known(3, "AB"), known(6, "A")});
    auto lines = SolvePertLines(P, 0);
    ASSERT_GE(lines.size(), note.size());
    EXPECT_EQ(std::vector<std::string>(lines.end() - 6, lines.end()), note);
    EXPECT_EQ(lines[lines.size() - 7], "        PROJECT COMPLETION TIME = 8");

    // Two parallel chains of three estimates: the note and its line on the variance.
    P = project(2, {estimated(5, 5, 5), estimated(5, 5, 5), estimated(1, 1, 1, "AB")});
    lines = SolvePertLines(P, 0);
    std::vector<std::string> withVariance = note;
    withVariance.push_back("          ANOTHER CRITICAL PATH MAY YIELD A DIFFERENT PROJECT VARIANCE.");
    withVariance.push_back("");
    ASSERT_GE(lines.size(), withVariance.size());
    EXPECT_EQ(std::vector<std::string>(lines.end() - 8, lines.end()), withVariance);
    EXPECT_EQ(flagged(P, true), "AC");
}

// Times far beyond the fields are shown whole, never cut to their first digits.
TEST(PertSchedule, WideNumbersAreShownWhole) {
    qv::PertBlock P = project(1, {known(123456789012.5)});
    const auto lines = SolvePertLines(P, 1);
    EXPECT_NE(lines[7].find(" 123456789012.5"), std::string::npos) << lines[7];

    // A finish that exactly fills its eleven columns is kept apart from the start before it.
    P = project(1, {known(12345678.25)});
    EXPECT_EQ(SolvePertLines(P, 2)[7],
              sp(5) + "A" + sp(8) + "0.00" + sp(7) + "0.00" + " 12345678.25 12345678.25" + sp(7) + "0.00" + sp(5) + "YES");
}

// ---------------------------------------------------------------- the oracle

struct Oracle {
    std::vector<double> t, es, ef, lf;
    double ct = 0;
};

// Longest paths over the successor lists, independent of the scheduler's passes.
Oracle longestPaths(const std::vector<double>& t, const std::vector<std::vector<int>>& preds) {
    const int n = static_cast<int>(t.size()) - 1;
    Oracle o;
    o.t = t;
    o.es.assign(n + 1, 0);
    o.ef.assign(n + 1, 0);
    o.lf.assign(n + 1, 0);
    std::vector<std::vector<int>> succ(n + 1);
    for (int i = 1; i <= n; ++i)
        for (int p : preds[i]) succ[p].push_back(i);
    for (int i = 1; i <= n; ++i) {
        for (int p : preds[i]) o.es[i] = std::max(o.es[i], o.ef[p]);
        o.ef[i] = o.es[i] + t[i];
        o.ct = std::max(o.ct, o.ef[i]);
    }
    for (int i = n; i >= 1; --i) {
        o.lf[i] = o.ct;
        for (int s : succ[i]) o.lf[i] = std::min(o.lf[i], o.lf[s] - t[s]);
    }
    return o;
}

TEST(PertSchedule, AgreesWithLongestPathsOnRandomProjects) {
    std::mt19937 g(20240611);
    for (int run = 0; run < 400; ++run) {
        const int mode = 1 + run % 2;
        const int n = 1 + static_cast<int>(g() % 25);
        const double density = (g() % 100) / 100.0;
        auto randomTime = [&] {
            const int decimals = static_cast<int>(g() % 3);
            const double scale = decimals == 0 ? 1 : decimals == 1 ? 10 : 100;
            return g() % 7 == 0 ? 0.0 : static_cast<double>(g() % 2000) / scale;
        };
        std::vector<Activity> acts;
        std::vector<std::vector<int>> preds(n + 1);
        std::vector<double> t(n + 1, 0), v(n + 1, 0);
        for (int i = 1; i <= n; ++i) {
            Activity x;
            for (int p = 1; p < i; ++p)
                if ((g() % 1000) / 1000.0 < density) preds[i].push_back(p);
            std::shuffle(preds[i].begin(), preds[i].end(), g);  // any stored order
            for (int p : preds[i]) x.predecessors += static_cast<char>(64 + p);
            if (mode == 1) {
                x.time = randomTime();
                t[i] = x.time;
            } else {
                double e[3] = {randomTime(), randomTime(), randomTime()};
                std::sort(e, e + 3);
                x.a = e[0];
                x.m = e[1];
                x.b = e[2];
                t[i] = (x.a + 4 * x.m + x.b) / 6;
                v[i] = (x.b - x.a) * (x.b - x.a) / 36;
            }
            acts.push_back(x);
        }
        SCOPED_TRACE("run " + std::to_string(run) + ", " + std::to_string(n) + " activities, mode " +
                     std::to_string(mode));
        qv::PertBlock P = project(mode, acts);
        const auto lines = SolvePertLines(P, 2);
        const Oracle o = longestPaths(t, preds);

        EXPECT_NEAR(P.dblCompletionTime.num(), std::floor(o.ct * 100 + 0.5) / 100, 1e-9);
        int critical = 0;
        for (int i = 1; i <= n; ++i) {
            EXPECT_NEAR(P.dblEarliestStarts(i).num(), o.es[i], 1e-9);
            EXPECT_NEAR(P.dblLatestFinishes(i).num(), o.lf[i], 1e-9);
            const bool zeroSlack = std::abs(o.lf[i] - o.ef[i]) < 1e-9;
            EXPECT_EQ(P.strCriticalFlags(i) == "YES", zeroSlack) << "activity " << i;
            critical += zeroSlack;
        }

        // The path: a chain back from the first activity to finish at CT, to one that
        // starts at 0, whose times add up to CT.
        std::vector<int> path;
        for (int i = 1; i <= n; ++i)
            if (P.strCriticalPathFlags(i) == "YES") path.push_back(i);
        if (o.ct == 0) {
            EXPECT_TRUE(path.empty());
            continue;
        }
        ASSERT_FALSE(path.empty());
        const int finish = path.back();
        EXPECT_NEAR(o.ef[finish], o.ct, 1e-9);
        for (int i = 1; i < finish; ++i) EXPECT_LT(o.ef[i], o.ct - 1e-9) << "an earlier activity finishes last";
        EXPECT_NEAR(o.es[path.front()], 0, 1e-9);
        double sum = 0, variance = 0;
        for (std::size_t k = 0; k < path.size(); ++k) {
            sum += t[path[k]];
            variance += v[path[k]];
            if (k == 0) continue;
            const auto& p = preds[path[k]];
            EXPECT_NE(std::find(p.begin(), p.end(), path[k - 1]), p.end()) << "not a predecessor";
            EXPECT_NEAR(o.ef[path[k - 1]], o.es[path[k]], 1e-9);
        }
        EXPECT_NEAR(sum, o.ct, 1e-9);
        EXPECT_EQ(hasNote(lines), critical > static_cast<int>(path.size()));
        if (mode == 2) {
            const double rounded = std::floor(variance * 100 + 0.5) / 100;
            const std::string label = "        VARIANCE OF PROJECT COMPLETION TIME = ";
            const std::string line = lineStarting(lines, label);
            ASSERT_EQ(line.rfind(label, 0), 0u);
            EXPECT_NEAR(std::stod(line.substr(label.size())), rounded, 1e-9);
        }
    }
}

}  // namespace
