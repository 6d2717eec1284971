// The PERT/CPM report: its lines for both time modes against hand-laid lines, the page
// breaks, the printed numbers, a row with many predecessors, and the same text for the
// printer and the text file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "network/core/PertReport.h"
#include "network/core/PertSchedule.h"
#include "platform/core/Report.h"
#include "tests/network/core/pert_fixture.h"

namespace {

using namespace perttest;
using Pages = std::vector<std::vector<std::string>>;

Pages report(qv::PertBlock& P, double decimals) {
    QVPert_CPM::SolvePertLines(P, decimals);
    pf::RecordingReportSink sink;
    QVPert_CPM::PrintPertSolution(P, decimals, sink);
    sink.finish();
    return sink.pages();
}

const std::vector<std::string> kTitle = {"", "", "PROJECT SCHEDULING WITH PERT/CPM", std::string(32, '*'), ""};

std::vector<std::string> scheduleHeading() {
    return {sp(25) + "***  ACTIVITY SCHEDULE  ***",
            "",
            sp(11) + "EARLIEST" + sp(5) + "LATEST" + sp(5) + "EARLIEST" + sp(5) + "LATEST" + sp(16) + "CRITICAL ",
            " ACTIVITY" + sp(4) + "START" + sp(7) + "START" + sp(6) + "FINISH" + sp(6) + "FINISH" + sp(6) + "SLACK" +
                sp(5) + "ACTIVITY ",
            " " + std::string(77, '-'),
            ""};
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Five values right-aligned in 12, then the flag after 7 blanks.
std::string scheduleRow(char letter, const std::vector<std::string>& values, const std::string& flag) {
    std::string row = sp(5) + letter;
    for (const std::string& v : values) row += sp(12 - static_cast<int>(v.size())) + v;
    return row + sp(7) + flag;
}

// The example with E after A, B and D: times with one decimal, path B-D-E.
TEST(PertReport, KnownTimesLines) {
    qv::PertBlock P =
        project(1, {known(2), known(3), known(1.5, "A"), known(4, "B"), known(12.5, "ABD")});
    const Pages pages = report(P, 1);
    const std::vector<std::string> list = {
        "",
        "",
        sp(19) + "***  PROJECT ACTIVITY LIST  ***",
        "",
        sp(29) + "IMMEDIATE" + sp(11) + "EXPECTED",
        sp(12) + "ACTIVITY" + sp(8) + "PREDECESSORS" + sp(11) + "TIME",
        sp(10) + std::string(50, '-'),
        sp(15) + "A" + sp(18) + "-" + sp(16) + "2.0",
        sp(15) + "B" + sp(18) + "-" + sp(16) + "3.0",
        sp(15) + "C" + sp(18) + "A" + sp(16) + "1.5",
        sp(15) + "D" + sp(18) + "B" + sp(16) + "4.0",
        sp(15) + "E" + sp(16) + "A,B,D" + sp(11) + "  12.5",  // A,B,D in columns 33-37, 12.5 in 51-54
        sp(10) + std::string(50, '-'),
        "",
    };
    const std::vector<std::string> schedule = {
        scheduleRow('A', {"0.0", "5.0", "2.0", "7.0", "5.0"}, " "),
        scheduleRow('B', {"0.0", "0.0", "3.0", "3.0", "0.0"}, "YES"),
        scheduleRow('C', {"2.0", "18.0", "3.5", "19.5", "16.0"}, " "),
        scheduleRow('D', {"3.0", "3.0", "7.0", "7.0", "0.0"}, "YES"),
        scheduleRow('E', {"7.0", "7.0", "19.5", "19.5", "0.0"}, "YES"),
        "",
        " " + std::string(76, '-'),
        "",
        "",
        "        CRITICAL PATH: B-D-E",
        "",
        "        PROJECT COMPLETION TIME = 19.5 ",
    };
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0], kTitle + list + scheduleHeading() + schedule);
    EXPECT_EQ(pages[0][16].find("A,B,D"), 32u);  // column 33
    EXPECT_EQ(pages[0][16].size(), 54u);
    EXPECT_EQ(P.intExpectedTimeDecimals.num(), 1);
}

TEST(PertReport, ThreeEstimatesLines) {
    qv::PertBlock P = project(2, {estimated(1, 2, 4), estimated(2, 2, 2, "A"), estimated(1, 3, 5, "A")});
    const Pages pages = report(P, 0);
    const std::vector<std::string> first = {
        "",
        "",
        sp(23) + "***  PROJECT ACTIVITY LIST  ***",
        "",
        sp(16) + "IMMEDIATE" + sp(7) + "OPTIMISTIC" + sp(3) + "MOST PROBABLE" + sp(3) + "PESSIMISTIC",
        sp(3) + "ACTIVITY" + sp(4) + "PREDECESSORS" + sp(8) + "TIME" + sp(10) + "TIME" + sp(11) + "TIME",
        " " + std::string(73, '-'),
        sp(6) + "A" + sp(13) + "-" + sp(16) + "1" + sp(13) + "2" + sp(13) + "4",
        sp(6) + "B" + sp(13) + "A" + sp(16) + "2" + sp(13) + "2" + sp(13) + "2",
        sp(6) + "C" + sp(13) + "A" + sp(16) + "1" + sp(13) + "3" + sp(13) + "5",
        " " + std::string(77, '-'),
        "",
        "",
        "",
        "",  // fewer than 15 activities: one blank line
        sp(18) + "EXPECTED TIMES AND VARIANCES FOR ACTIVITIES",
        "",
        sp(20) + "ACTIVITY" + sp(4) + "EXPECTED TIME" + sp(5) + "VARIANCE",
        sp(18) + std::string(43, '-'),
        sp(24) + "A" + sp(5) + sp(8) + "2.17" + sp(11) + "0.25",
        sp(24) + "B" + sp(5) + sp(8) + "2.00" + sp(11) + "0.00",
        sp(24) + "C" + sp(5) + sp(8) + "3.00" + sp(11) + "0.44",
        sp(18) + std::string(43, '-'),
    };
    const std::vector<std::string> second = std::vector<std::string>{"", ""} + scheduleHeading() +
                                            std::vector<std::string>{
                                                scheduleRow('A', {"0.00", "0.00", "2.17", "2.17", "0.00"}, "YES"),
                                                scheduleRow('B', {"2.17", "3.17", "4.17", "5.17", "1.00"}, " "),
                                                scheduleRow('C', {"2.17", "2.17", "5.17", "5.17", "0.00"}, "YES"),
                                                "",
                                                " " + std::string(76, '-'),
                                                "",
                                                "",
                                                "        CRITICAL PATH: A-C",
                                                "",
                                                "        EXPECTED PROJECT COMPLETION TIME = 5.17 ",
                                                "",
                                                "        VARIANCE OF PROJECT COMPLETION TIME = .69 ",
                                            };
    ASSERT_EQ(pages.size(), 2u);  // the schedule always starts a page
    EXPECT_EQ(pages[0], kTitle + first);
    EXPECT_EQ(pages[1], second);
    EXPECT_EQ(pages[0][12].find('A'), 6u);   // A in column 7 of its row
    EXPECT_EQ(pages[0][12].find('-'), 20u);  // the dash in column 21
}

// A chain of n activities of time 1.
std::vector<Activity> chain(int n, bool estimates) {
    std::vector<Activity> acts;
    for (int i = 1; i <= n; ++i) {
        const std::string pred = i == 1 ? "" : std::string(1, char(63 + i));
        acts.push_back(estimates ? estimated(1, 1, 1, pred) : known(1, pred));
    }
    return acts;
}

TEST(PertReport, PageBreaksBy14And15Activities) {
    const std::string rule1 = sp(10) + std::string(50, '-');
    const std::string heading = sp(25) + "***  ACTIVITY SCHEDULE  ***";
    for (int n : {14, 15}) {
        SCOPED_TRACE(n);
        qv::PertBlock P = project(1, chain(n, false));
        Pages pages = report(P, 0);
        if (n == 14) {
            ASSERT_EQ(pages.size(), 1u);
            const auto& p = pages[0];
            // The list's closing rule, a blank line, then the schedule at once.
            EXPECT_EQ(p[5 + 7 + n], rule1);
            EXPECT_EQ(p[5 + 7 + n + 1], "");
            EXPECT_EQ(p[5 + 7 + n + 2], heading);
        } else {
            ASSERT_EQ(pages.size(), 2u);
            EXPECT_EQ(pages[0].back(), "");
            EXPECT_EQ(pages[0][pages[0].size() - 2], rule1);
            EXPECT_EQ(std::vector<std::string>(pages[1].begin(), pages[1].begin() + 3),
                      (std::vector<std::string>{"", "", heading}));
        }

        const std::string rule2 = " " + std::string(77, '-');
        const std::string table = sp(18) + "EXPECTED TIMES AND VARIANCES FOR ACTIVITIES";
        P = project(2, chain(n, true));
        pages = report(P, 0);
        ASSERT_EQ(pages.size(), n == 14 ? 2u : 3u);
        const auto& p = pages[0];
        const std::size_t after = 5 + 7 + static_cast<std::size_t>(n);  // the closing rule
        EXPECT_EQ(p[after], rule2);
        if (n == 14) {
            EXPECT_EQ(std::vector<std::string>(p.begin() + after + 1, p.begin() + after + 6),
                      (std::vector<std::string>{"", "", "", "", table}));
        } else {
            EXPECT_EQ(p.size(), after + 4);  // three blank lines, then the break
            EXPECT_EQ(std::vector<std::string>(pages[1].begin(), pages[1].begin() + 4),
                      (std::vector<std::string>{"", "", "", table}));
        }
        EXPECT_EQ(std::vector<std::string>(pages.back().begin(), pages.back().begin() + 3),
                  (std::vector<std::string>{"", "", heading}));
    }
}

TEST(PertReport, NoteAndItsLineOnTheVariance) {
    const std::vector<std::string> note = {"",
                                           "   NOTE:  There is more than one critical path for this project.",
                                           "          The number of critical activities (zero slack) is greater",
                                           "          than the number of activities on the computed critical path.",
                                           ""};
    qv::PertBlock P = project(1, {known(5), known(5), known(1, "AB")});
    Pages pages = report(P, 0);
    const auto& p1 = pages.back();
    ASSERT_GE(p1.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(p1.end() - 5, p1.end()), note);
    EXPECT_EQ(p1[p1.size() - 6], "        PROJECT COMPLETION TIME = 6 ");

    P = project(2, {estimated(5, 5, 5), estimated(5, 5, 5), estimated(1, 1, 1, "AB")});
    pages = report(P, 0);
    const auto& p2 = pages.back();
    std::vector<std::string> withVariance = note;
    withVariance.push_back("          ANOTHER CRITICAL PATH MAY YIELD A DIFFERENT PROJECT VARIANCE.");
    ASSERT_GE(p2.size(), 7u);
    EXPECT_EQ(std::vector<std::string>(p2.end() - 6, p2.end()), withVariance);
    EXPECT_EQ(p2[p2.size() - 7], "        VARIANCE OF PROJECT COMPLETION TIME = 0 ");
}

TEST(PertReport, PrintedNumbers) {
    qv::PertBlock P = project(1, {known(20), known(3.5, "A")});
    Pages pages = report(P, 1);
    EXPECT_EQ(pages.back().back(), "        PROJECT COMPLETION TIME = 23.5 ");

    // v = ((5 - 1) / 6)^2 = 0.4444: rounded by the report to .44.
    P = project(2, {estimated(1, 3, 5)});
    pages = report(P, 0);
    EXPECT_EQ(pages.back().back(), "        VARIANCE OF PROJECT COMPLETION TIME = .44 ");
    EXPECT_EQ(pages.back()[pages.back().size() - 3], "        EXPECTED PROJECT COMPLETION TIME = 3 ");
}

// Thirteen predecessors: the row grows to the right and keeps every letter and its time.
TEST(PertReport, ARowWithThirteenPredecessors) {
    std::vector<Activity> acts(13, known(1));
    acts.push_back(known(7, "ABCDEFGHIJKLM"));
    qv::PertBlock P = project(1, acts);
    Pages pages = report(P, 0);
    EXPECT_EQ(pages[0][5 + 7 + 13], sp(15) + "N" + sp(6) + "A,B,C,D,E,F,G,H,I,J,K,L,M" + sp(1) + sp(5) + "7");

    std::vector<Activity> est(13, estimated(1, 2, 3));
    est.push_back(estimated(4, 5, 6, "ABCDEFGHIJKLM"));
    P = project(2, est);
    pages = report(P, 0);
    EXPECT_EQ(pages[0][5 + 7 + 13],
              sp(6) + "N" + sp(1) + "A,B,C,D,E,F,G,H,I,J,K,L,M" + sp(5) + "4" + sp(13) + "5" + sp(13) + "6");
}

// A time that fills its field still ends in its column; only where no blank is left
// before it (many predecessors) does one blank keep it off the letters.
TEST(PertReport, ATimeThatFillsItsFieldKeepsItsColumn) {
    const std::string all = "ABCDEFGHIJKLMN";
    auto letters = [](const std::string& preds) {
        std::string s;
        for (char c : preds) s += (s.empty() ? "" : ",") + std::string(1, c);
        return s;
    };
    struct Case {
        int mode;
        std::string preds;
        std::string row;  // after the letter of the activity
    } cases[] = {
        {1, "AB", sp(17) + "A,B" + sp(12) + "123.45"},
        {1, all.substr(0, 13), sp(6) + letters(all.substr(0, 13)) + sp(1) + "123.45"},
        {1, all, sp(5) + letters(all) + sp(1) + "123.45"},
        {2, "AB", sp(12) + "A,B" + sp(10) + "123.45" + sp(8) + "234.50" + sp(8) + "999.99"},
        {2, all.substr(0, 11), sp(3) + letters(all.substr(0, 11)) + sp(1) + "123.45" + sp(8) + "234.50" + sp(8) + "999.99"},
        {2, all.substr(0, 12), sp(2) + letters(all.substr(0, 12)) + sp(1) + "123.45" + sp(8) + "234.50" + sp(8) + "999.99"},
        // No blank left before the letters either: one keeps them off the activity's own.
        {2, all, sp(1) + letters(all) + sp(1) + "123.45" + sp(8) + "234.50" + sp(8) + "999.99"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.mode) + " " + c.preds);
        const int n = static_cast<int>(c.preds.size());
        std::vector<Activity> acts(static_cast<std::size_t>(n), c.mode == 1 ? known(1) : estimated(1, 1, 1));
        acts.push_back(c.mode == 1 ? known(123.45, c.preds) : estimated(123.45, 234.5, 999.99, c.preds));
        qv::PertBlock P = project(c.mode, acts);
        const Pages pages = report(P, 2);
        const std::string& row = pages[0][static_cast<std::size_t>(5 + 7 + n)];
        const std::string head = sp(c.mode == 1 ? 15 : 6) + std::string(1, char(65 + n));
        EXPECT_EQ(row, head + c.row);
        if (n <= (c.mode == 1 ? 13 : 11)) { EXPECT_EQ(row.size(), c.mode == 1 ? 54u : 66u); }
    }
}

TEST(PertReport, PrinterAndTextFileGetTheSameText) {
    qv::PertBlock P = project(2, chain(15, true));
    QVPert_CPM::SolvePertLines(P, 0);
    pf::RecordingReportSink printer;
    pf::TextReportSink file;
    QVPert_CPM::PrintPertSolution(P, 0, printer);
    QVPert_CPM::PrintPertSolution(P, 0, file);
    printer.finish();
    std::string fromPrinter;
    for (std::size_t k = 0; k < printer.pages().size(); ++k) {
        if (k) fromPrinter += "\f\r\n";
        for (const std::string& l : printer.pages()[k]) fromPrinter += l + "\r\n";
    }
    EXPECT_EQ(file.contents(), fromPrinter);
}

}  // namespace
