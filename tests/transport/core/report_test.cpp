// The printed and text-file reports: whole reports of small problems against golden
// files read and checked by hand, and the layout rules of larger ones line by line.
// Printer and text file must agree except for the assignment count line.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "platform/core/Format.h"
#include "tests/transport/core/transport_fixture.h"
#include "transport/core/TransportReport.h"
#include "transport/core/TransportSolution.h"

namespace {

using trtest::Problem;
using Lines = std::vector<std::string>;
const std::string kFF = "<FF>";

struct Report {
    Lines file, printer;
};

// Solves as Solve does (the window derives the schedule), then writes the report to
// a text file and to the printer; page breaks read "<FF>" in both.
Report solveAndReport(qv::SharedState& s, const Problem& p, int decimals = 0) {
    trtest::load(s, p);
    s.intDecimalPlaces = decimals;
    trtest::expectCertificate(s, taengine::SolveTransportNetwork(s));
    if (!p.assignment) transout::BuildTransportationLines(s);
    auto write = [&](pf::ReportSink& sink) {
        if (p.assignment)
            transout::PrintAssignmentReport(s, sink);
        else
            transout::PrintTransportationReport(s, sink);
    };
    Report r;
    s.strReportTarget = "File";
    pf::TextReportSink file;
    write(file);
    std::string text = file.contents();
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find("\r\n", at);
        EXPECT_NE(end, std::string::npos) << "a line without CR LF";
        if (end == std::string::npos) break;
        const std::string line = text.substr(at, end - at);
        r.file.push_back(line == "\f" ? kFF : line);
        at = end + 2;
    }
    s.strReportTarget = "Printer";
    pf::RecordingReportSink printer;
    write(printer);
    printer.finish();
    for (std::size_t page = 0; page < printer.pages().size(); ++page) {
        if (page > 0) r.printer.push_back(kFF);
        for (const std::string& l : printer.pages()[page]) r.printer.push_back(l);
    }
    return r;
}

void expectSameOnPrinter(const Report& r, const std::string& countLinePrefix = "") {
    ASSERT_EQ(r.file.size(), r.printer.size());
    for (std::size_t k = 0; k < r.file.size(); ++k) {
        if (!countLinePrefix.empty() && r.file[k].find("REMAIN") != std::string::npos) {
            EXPECT_EQ(" " + r.printer[k], r.file[k]);
            continue;
        }
        EXPECT_EQ(r.file[k], r.printer[k]) << "line " << k;
    }
}

// Golden files hold the text file's lines, a page break as "<FF>". A differing report
// is written beside its golden file as .actual for review.
void expectGolden(const Lines& lines, const std::string& name) {
    const std::string path = std::string(QV_TEST_DATA) + "/transport/core/reports/" + name;
    std::ifstream in(path + ".txt");
    Lines golden;
    for (std::string l; std::getline(in, l);) golden.push_back(l);
    if (golden != lines) {
        std::ofstream out(path + ".actual");
        for (const std::string& l : lines) out << l << '\n';
    }
    EXPECT_EQ(golden, lines) << name;
}

std::size_t count(const Lines& lines, const std::string& line) {
    return static_cast<std::size_t>(std::count(lines.begin(), lines.end(), line));
}
std::size_t indexOf(const Lines& lines, const std::string& line, std::size_t from = 0) {
    return static_cast<std::size_t>(std::find(lines.begin() + static_cast<long>(from), lines.end(), line) - lines.begin());
}

std::vector<std::vector<double>> costs(int m, int n, double base = 1) {
    std::vector<std::vector<double>> c(static_cast<std::size_t>(m), std::vector<double>(static_cast<std::size_t>(n)));
    for (int i = 0; i < m; ++i)
        for (int j = 0; j < n; ++j)
            c[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] = base + (i * 7 + j * 3) % 11;
    return c;
}

TEST(TransportReport, SmallBalancedProblem) {
    qv::SharedState s;
    const Report r = solveAndReport(s, Problem{false, false, {20, 30}, {10, 25, 15}, {{4, 6, 9}, {5, 3, 8}}});
    expectSameOnPrinter(r);
    expectGolden(r.file, "balanced_2x3");
}

TEST(TransportReport, DemandAboveSupplyUnsatisfiedOnlyAtTheLastOfFour) {
    qv::SharedState s;
    const Report r = solveAndReport(s, Problem{false, false, {30}, {5, 10, 5, 20}, {{1, 2, 3, 9}}});
    expectSameOnPrinter(r);
    expectGolden(r.file, "insufficient_supply_1x4");
}

TEST(TransportReport, SupplyAboveDemand) {
    qv::SharedState s;
    const Report r = solveAndReport(s, Problem{false, true, {70, 50}, {60, 40}, {{2.5, 4}, {3, 1.25}}}, 2);
    expectSameOnPrinter(r);
    expectGolden(r.file, "excess_supply_2x2_max");
    EXPECT_EQ(count(r.file, "    NOTE:  THE TOTAL SUPPLY EXCEEDS THE TOTAL DEMAND BY 20 "), 1u);
}

TEST(TransportReport, AssignmentWithMoreTasks) {
    qv::SharedState s;
    const Report r =
        solveAndReport(s, Problem{true, false, {}, {}, {{1, 9, 9, 9, 9}, {9, 2, 9, 9, 9}, {9, 9, 3, 9, 9}}});
    expectSameOnPrinter(r, "count");
    expectGolden(r.file, "assignment_3x5");
    EXPECT_EQ(count(r.printer, std::string(13, ' ') + "2 TASKS REMAIN UNASSIGNED."), 1u);
    EXPECT_EQ(count(r.file, std::string(14, ' ') + "2 TASKS REMAIN UNASSIGNED."), 1u);
}

TEST(TransportReport, SupplyTablesByCount) {
    struct Case {
        int m;
        Lines firstRows;        // after the heading and the underline
        std::size_t tableLines;  // up to the line before the demand summary's blanks
    } cases[] = {
        {4, {"            1           10", "", "            2           10"}, 2 + 4 + 3},
        {5, {"            1           10", "            2           10"}, 2 + 5},
        {13, {"            1           10                  13           10", "            2           10"}, 2 + 12},
    };
    for (const Case& c : cases) {
        qv::SharedState s;
        const Report r = solveAndReport(s, Problem{false, false, std::vector<long>(static_cast<std::size_t>(c.m), 10),
                                                   {10L * c.m}, costs(c.m, 1)});
        const std::size_t head = indexOf(r.file, "    SUMMARY OF ORIGIN SUPPLIES") + 3;
        EXPECT_EQ(r.file[head], c.m < 13 ? "         ORIGIN      SUPPLY" : "         ORIGIN      SUPPLY               ORIGIN      SUPPLY");
        EXPECT_EQ(Lines(r.file.begin() + static_cast<long>(head) + 2, r.file.begin() + static_cast<long>(head) + 2 + static_cast<long>(c.firstRows.size())),
                  c.firstRows)
            << c.m;
        EXPECT_EQ(indexOf(r.file, "    SUMMARY OF DESTINATION DEMANDS"), head + c.tableLines + (c.m < 10 ? 3 : 2)) << c.m;
        if (c.m == 13) {
            EXPECT_EQ(r.file[head + 13], "           12           10");
        }
    }
}

TEST(TransportReport, DemandTablesInThreeColumns) {
    for (int m : {1, 5}) {
        qv::SharedState s;
        const int n = m == 1 ? 25 : 26;
        const Report r = solveAndReport(
            s, Problem{false, false, std::vector<long>(static_cast<std::size_t>(m), 100),
                       std::vector<long>(static_cast<std::size_t>(n), 2), costs(m, n)});
        const std::size_t head = indexOf(r.file, "    SUMMARY OF DESTINATION DEMANDS") + 3;
        EXPECT_EQ(r.file[head], "   DESTINATION   DEMAND     DESTINATION   DEMAND     DESTINATION   DEMAND");
        // Fields of 10, 12, 13, 12, 13 and 12.
        const std::string b10(9, ' '), b12(11, ' '), b13(11, ' ');
        EXPECT_EQ(r.file[head + 2], b10 + "1" + b12 + "2" + b13 + "13" + b12 + "2" + b13 + "25" + b12 + "2");
        EXPECT_EQ(r.file[head + 3], b10 + "2" + b12 + "2" + b13 + "14" + b12 + "2" + (m == 1 ? "" : b13 + "26" + b12 + "2"));
        EXPECT_EQ(r.file[head + 13], std::string(8, ' ') + "12" + b12 + "2" + b13 + "24" + b12 + "2");
        if (m == 5) {
            // Five origins: the one-column supply table, no empty lines.
            const std::size_t supplies = indexOf(r.file, "    SUMMARY OF ORIGIN SUPPLIES") + 3;
            EXPECT_EQ(r.file[supplies], "         ORIGIN      SUPPLY");
            EXPECT_EQ(r.file[supplies + 3], "            2          100");
        }
    }
}

TEST(TransportReport, CostBlocksOfNineStartPages) {
    qv::SharedState s;
    const Report r = solveAndReport(s, Problem{false, false, {50, 50}, std::vector<long>(10, 10), costs(2, 10)});
    const std::size_t second = indexOf(r.file, "  FROM   TO DESTINATION");
    ASSERT_LT(second, r.file.size());
    EXPECT_EQ(Lines(r.file.begin() + static_cast<long>(second) - 5, r.file.begin() + static_cast<long>(second) + 4),
              (Lines{kFF, "", "    SUMMARY OF UNIT COST OR REVENUE DATA", "    ************************************", "",
                     "  FROM   TO DESTINATION", " ORIGIN     10  ", " ------   ------", "    1          6"}));
    EXPECT_EQ(count(r.file, "    SUMMARY OF UNIT COST OR REVENUE DATA"), 2u);
    EXPECT_EQ(r.file[second + 5], kFF);  // the schedule starts a page
    // The first block also starts a page: the problem is larger than 9 x 9.
    EXPECT_EQ(r.file[indexOf(r.file, "    SUMMARY OF UNIT COST OR REVENUE DATA") - 2], kFF);
}

TEST(TransportReport, SmallProblemsBreakOnlyBeforeTheSchedule) {
    qv::SharedState s;
    const Report r = solveAndReport(s, Problem{false, false, {10, 10}, {10, 10}, costs(2, 2)});
    EXPECT_EQ(count(r.file, kFF), 1u);
    const std::size_t ff = indexOf(r.file, kFF);
    EXPECT_EQ(r.file[ff - 1], "    2          8     11");
    // Each origin row of the schedule follows an empty line.
    const std::size_t rule = indexOf(r.file, " ------   ------ ------", ff);
    EXPECT_EQ(r.file[rule + 1], "");
    EXPECT_EQ(r.file[rule + 3], "");
    // An assignment report has no page break at all.
    qv::SharedState a;
    const Report ra = solveAndReport(a, Problem{true, false, {}, {}, costs(3, 3)});
    EXPECT_EQ(count(ra.file, kFF), 0u);
    EXPECT_EQ(ra.file.back(), "");
}

TEST(TransportReport, TwentyOriginsPrintTwoGroupsAndBreakAfterTheSchedule) {
    qv::SharedState s;
    const Report r = solveAndReport(s, Problem{false, false, std::vector<long>(20, 6), std::vector<long>(12, 10), costs(20, 12)});
    Lines headings;
    for (std::size_t k = 0; k < r.file.size(); ++k)
        if (r.file[k] == " ------   ------ ------ ------ ------ ------ ------ ------ ------ ------" ||
            r.file[k] == " ------   ------ ------ ------")
            headings.push_back(r.file[k + 1].substr(0, 5));
    // Origins 1-15 for destinations 1-9 then 10-12 (in the cost table too), then 16-20.
    EXPECT_EQ(headings, (Lines{"    1", "    1", "    1", "    1", "   16", "   16"}));
    std::size_t totalLine = 0;
    for (std::size_t k = 0; k < r.file.size(); ++k)
        if (r.file[k].rfind("    TOTAL TRANSPORTATION COST OR REVENUE IS", 0) == 0) totalLine = k;
    EXPECT_EQ(Lines(r.file.begin() + static_cast<long>(totalLine) - 4, r.file.begin() + static_cast<long>(totalLine)),
              (Lines{kFF, "", "", ""}));
    // No empty lines between origin rows of a problem larger than 10 x 10.
    const std::size_t rule = indexOf(r.file, " ------   ------ ------ ------ ------ ------ ------ ------ ------ ------",
                                     indexOf(r.file, "    OPTIMAL TRANSPORTATION SCHEDULE"));
    EXPECT_EQ(r.file[rule + 1].substr(0, 5), "    1");
    EXPECT_EQ(r.file[rule + 2].substr(0, 5), "    2");
}

TEST(TransportReport, TheLineCountStartsAPageAtTheThirdBlock) {
    // Ten origins, thirty destinations: L is 20, 40, then 60 > 54, so the third block
    // starts a page and L becomes 18; the fourth (18 + 20 = 38) does not.
    qv::SharedState s;
    const Report r = solveAndReport(s, Problem{false, false, std::vector<long>(10, 30), std::vector<long>(30, 10), costs(10, 30)});
    std::vector<std::size_t> blocks;
    for (std::size_t k = 0; k < r.file.size(); ++k)
        if (r.file[k] == "    OPTIMAL TRANSPORTATION SCHEDULE") blocks.push_back(k);
    ASSERT_EQ(blocks.size(), 4u);
    EXPECT_EQ(r.file[blocks[0] - 4], kFF);  // after the cost table
    EXPECT_NE(r.file[blocks[1] - 1], kFF);
    EXPECT_EQ(r.file[blocks[2] - 1], kFF);
    EXPECT_EQ(Lines(r.file.begin() + static_cast<long>(blocks[2]) - 4, r.file.begin() + static_cast<long>(blocks[2])),
              (Lines{"", "", "", kFF}));
    EXPECT_NE(r.file[blocks[3] - 1], kFF);
    EXPECT_EQ(r.file[blocks[3] + 4], "  FROM        TO DESTINATION");
    // Ten origins and ten or fewer destinations would get empty lines; thirty do not.
    EXPECT_NE(r.file[blocks[0] + 7], "");
}

TEST(TransportReport, AssignmentLayouts) {
    {
        // 11 agents, 10 tasks: the solution starts a page; every line but the first
        // follows directly (both sides have six or more).
        qv::SharedState s;
        const Report r = solveAndReport(s, Problem{true, false, {}, {}, costs(11, 10)});
        const std::size_t head = indexOf(r.file, "         OPTIMAL ASSIGNMENTS           COST/REVENUE");
        EXPECT_EQ(Lines(r.file.begin() + static_cast<long>(head) - 3, r.file.begin() + static_cast<long>(head)),
                  (Lines{kFF, "", ""}));
        const std::size_t rule = indexOf(r.file, "                                        ----------", head);
        EXPECT_EQ(rule, head + 2 + 10 + (r.file[head + 2].empty() ? 1 : 0));  // only node 1 may follow an empty line
        EXPECT_EQ(count(r.file, "             1 AGENT REMAINS UNASSIGNED."), 0u);
        EXPECT_EQ(count(r.file, "              1 AGENT REMAINS UNASSIGNED."), 1u);
        expectSameOnPrinter(r, "count");
    }
    for (auto [tasks, blanks] : {std::pair<int, int>{7, 32}, {3, 18}}) {
        qv::SharedState s;
        const Report r = solveAndReport(s, Problem{true, false, {}, {}, costs(2, tasks)});
        EXPECT_EQ(count(r.file, std::string(static_cast<std::size_t>(blanks), ' ') + "TASK"), 1u) << tasks;
        EXPECT_EQ(count(r.file, " AGENT       1      2      3" + std::string(tasks == 7 ? "      4      5      6      7  " : "  ")), 1u);
    }
    {
        qv::SharedState s;
        const Report r = solveAndReport(s, Problem{true, false, {}, {}, {{2.5, 9}, {9, 2.5}}}, 2);
        EXPECT_EQ(count(r.file, "    1       2.50   9.00"), 1u);
        EXPECT_EQ(count(r.file, "       ASSIGN AGENT  1 TO TASK  1            2.50"), 1u);
        EXPECT_EQ(count(r.file, "         TOTAL COST/REVENUE                  5.00"), 1u);
    }
}

TEST(TransportReport, FortyOriginsPrintEverySupplyOnce) {
    qv::SharedState s;
    const Report r = solveAndReport(s, Problem{false, false, std::vector<long>(40, 3), std::vector<long>(2, 60), costs(40, 2)});
    const std::size_t head = indexOf(r.file, "    SUMMARY OF ORIGIN SUPPLIES") + 3;
    Lines table(r.file.begin() + static_cast<long>(head), r.file.begin() + static_cast<long>(head) + 2 + 16);
    EXPECT_EQ(table[2], "        1         3          13         3          25         3");
    EXPECT_EQ(table[13], "       12         3          24         3          36         3");
    EXPECT_EQ(table[14], "       37         3");
    EXPECT_EQ(table[17], "       40         3");
    EXPECT_EQ(r.file[head + 18], "");
    // The schedule's second group holds origins 16 to 40.
    EXPECT_EQ(count(r.file, "   40          0      3"), 1u);
}

}  // namespace
