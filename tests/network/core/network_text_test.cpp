// The lines of the route and tree windows and of the two reports, written out by
// hand, and the arc grid's distance cells.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "network/core/NetworkLines.h"
#include "network/core/NetworkReport.h"
#include "network/core/NetworkSolver.h"
#include "platform/core/Report.h"
#include "shell/core/State.h"
#include "tests/network/core/network_fixture.h"

namespace {

using namespace nettest;
using Lines = std::vector<std::string>;

std::string sp(int n) { return std::string(static_cast<std::size_t>(n), ' '); }
std::string stars(int n) { return std::string(static_cast<std::size_t>(n), '*'); }

const std::string kRouteHeader = "            START NODE       END NODE       DISTANCE";
const std::string kRouteRule = "            ----------       --------       --------";

TEST(RouteWindow, OneArcOfFour) {
    setNetwork(2, {{1, 2, units(4)}});
    ASSERT_TRUE(solveRoute(1, 2));
    const Lines expected = {
        "            THE SHORTEST ROUTE FROM NODE 1 TO NODE 2",
        sp(12) + stars(40),
        kRouteHeader,
        kRouteRule,
        sp(17) + "1" + sp(15) + "2" + sp(15) + "4",
        "                    TOTAL DISTANCE" + sp(15) + "4",
    };
    EXPECT_EQ(qvhrtrt::RouteWindowLines(), expected);
}

TEST(RouteWindow, StartEqualsEndAndOtherDecimals) {
    setNetwork(3, {{1, 2, 1500}, {2, 3, 2250}}, 2);
    ASSERT_TRUE(solveRoute(3, 3));
    Lines lines = qvhrtrt::RouteWindowLines();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[4], sp(17) + "3" + sp(15) + "3" + sp(12) + "0.00");
    EXPECT_EQ(lines[5], "                    TOTAL DISTANCE" + sp(12) + "0.00");

    ASSERT_TRUE(solveRoute(1, 3));
    lines = qvhrtrt::RouteWindowLines();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[4], sp(17) + "1" + sp(15) + "2" + sp(12) + "1.50");
    EXPECT_EQ(lines[5], sp(17) + "2" + sp(15) + "3" + sp(12) + "2.25");
    EXPECT_EQ(lines[6], "                    TOTAL DISTANCE" + sp(12) + "3.75");

    // Decimals the program never sets: title and headings only.
    qv::S().intDecimalPlaces = 3;
    EXPECT_EQ(qvhrtrt::RouteWindowLines().size(), 4u);
}

TEST(RouteWindow, TheUnderlineIsAsLongAsTheTitle) {
    struct Case {
        int s, e, stars;
    } cases[] = {{3, 8, 40}, {3, 12, 41}, {7, 12, 41}, {12, 3, 41}, {12, 15, 42}, {9, 9, 40}, {10, 10, 42}};
    for (const Case& c : cases) {
        const std::string title = qvhrtrt::RouteTitle(c.s, c.e);
        const std::string rule = qvhrtrt::RouteUnderline(c.s, c.e);
        EXPECT_EQ(rule, sp(12) + stars(c.stars)) << c.s << " " << c.e;
        EXPECT_EQ(rule.size(), title.size()) << c.s << " " << c.e;
    }
    EXPECT_EQ(qvhrtrt::RouteTitle(7, 12), "            THE SHORTEST ROUTE FROM NODE 7 TO NODE 12");
}

TEST(TreeWindow, Triangle) {
    setNetwork(3, {{1, 2, units(4)}, {2, 3, units(2)}, {1, 3, units(5)}}, 0, false);
    ASSERT_TRUE(qvhrtrt::GrowSpanningTree());
    const Lines expected = {
        "                    MINIMAL SPANNING TREE",
        "                    *********************",
        "              START NODE   END NODE    DISTANCE",
        "              ----------   --------    --------",
        sp(19) + "1" + sp(11) + "2" + sp(12) + "4",
        sp(19) + "2" + sp(11) + "3" + sp(12) + "2",
        "                    TOTAL LENGTH" + sp(12) + "6",
    };
    EXPECT_EQ(qvhrtrt::TreeWindowLines(), expected);
}

TEST(NetworkText, PatternsByDecimals) {
    struct Case {
        int decimals;
        std::int64_t thousandths;
        const char* description;  // and the route total
        const char* leg;
        const char* tree;
    } cases[] = {
        {0, 12600, "13", "13", "13"},
        {1, 12600, "12.6", "12.6", "12.6"},
        {2, 12600, "12.60", "12.60", "12.60"},
        {2, 1500, "1.50", "1.50", "1.50"},
        {1, 250, "0.3", "0.3", "0.3"},
        {0, 0, "0", "0", "0"},
        {2, 2147483647, "2147483.65", "2147483.65", "2147483.65"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.thousandths);
        EXPECT_EQ(qvhrtrt::DistanceText(c.thousandths, qvhrtrt::DescriptionPattern(c.decimals)), c.description);
        EXPECT_EQ(qvhrtrt::DistanceText(c.thousandths, qvhrtrt::RouteLegPattern(c.decimals)), c.leg);
        EXPECT_EQ(qvhrtrt::DistanceText(c.thousandths, qvhrtrt::TreePattern(c.decimals)), c.tree);
    }
    // The largest total of 19 legs still fits its field.
    EXPECT_EQ(qvhrtrt::RouteTotalLine(19 * std::int64_t{2147483647}, qvhrtrt::DescriptionPattern(2)),
              "                    TOTAL DISTANCE     40802189.29");
}

TEST(NetworkText, ArcGridDistanceCells) {
    struct Case {
        std::int32_t thousandths;
        int decimals;
        const char* text;  // nullptr: the cell is not written
    } cases[] = {
        {12000, 0, "12"},       {12500, 0, "12.5"},     {12500, 1, "    12.5"}, {12500, 2, "    12.50"},
        {0, 1, "    0.0"},      {5, 2, "    0.01"},     {12000, 3, nullptr},    {12000, -1, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.thousandths) + " " + std::to_string(c.decimals));
        const auto cell = qvhrtrt::ArcDistanceCell(c.thousandths, c.decimals);
        ASSERT_EQ(cell.has_value(), c.text != nullptr);
        if (c.text) {
            EXPECT_EQ(*cell, c.text);
        }
    }
}

// ---------------------------------------------------------------- reports

Lines printed(void (*report)(pf::ReportSink&), std::vector<Lines>* pages = nullptr) {
    qv::S().strReportTarget = "Printer";
    pf::RecordingReportSink sink;
    report(sink);
    sink.finish();
    Lines all;
    for (std::size_t p = 0; p < sink.pages().size(); ++p) {
        if (p > 0) all.push_back("<NEW PAGE>");
        all.insert(all.end(), sink.pages()[p].begin(), sink.pages()[p].end());
    }
    if (pages) *pages = sink.pages();
    return all;
}

Lines filed(void (*report)(pf::ReportSink&)) {
    qv::S().strReportTarget = "File";
    pf::TextReportSink sink;
    report(sink);
    Lines lines;
    const std::string text = sink.contents();
    std::size_t from = 0;
    while (from < text.size()) {
        const std::size_t end = text.find("\r\n", from);
        lines.push_back(end == std::string::npos ? text.substr(from) : text.substr(from, end - from));
        if (end == std::string::npos) break;
        from = end + 2;
    }
    for (std::string& l : lines)
        if (l == "\f") l = "<NEW PAGE>";
    return lines;
}

TEST(RouteReport, WholeReportToPrinterAndFile) {
    setNetwork(2, {{1, 2, units(4)}});
    ASSERT_TRUE(solveRoute(1, 2));
    const Lines expected = {
        "",
        "",
        "",
        "     SHORTEST ROUTE",
        "     **************",
        "",
        "",
        "",
        "                 **** NETWORK DESCRIPTION ****",
        "",
        sp(21) + "2 NODES AND 1 ARCS",
        "",
        "            ARC   START NODE   END NODE   DISTANCE",
        "            ---   ----------   --------   --------",
        sp(13) + "1" + sp(9) + "1" + sp(11) + "2" + sp(4) + sp(7) + "4",
        "",
        "",
        "",
        "            THE SHORTEST ROUTE FROM NODE 1 TO NODE 2",
        sp(12) + stars(40),
        "",
        kRouteHeader,
        kRouteRule,
        sp(17) + "1" + sp(15) + "2" + sp(15) + "4",
        "",
        "                    TOTAL DISTANCE" + sp(15) + "4",
    };
    EXPECT_EQ(printed(qvhrtrt::PrintShortestRoute), expected);
    // The file differs in two blanks only.
    Lines file = expected;
    file[10] = " " + file[10];
    file[18] += " ";
    EXPECT_EQ(filed(qvhrtrt::PrintShortestRoute), file);
}

// Nodes 1..3, the route 1-2-3, and parallel arcs of 10 between 1 and 3 up to `arcs`.
void routeWithArcs(int arcs) {
    std::vector<Arc> a = {{1, 2, units(1)}, {2, 3, units(2)}};
    while (static_cast<int>(a.size()) < arcs) a.push_back({1, 3, units(10)});
    setNetwork(3, a);
    ASSERT_TRUE(solveRoute(1, 3));
}

TEST(RouteReport, TwentyArcsBreakThePageAndSpaceTheLegs) {
    const std::string leg12 = sp(17) + "1" + sp(15) + "2" + sp(15) + "1";
    const std::string leg23 = sp(17) + "2" + sp(15) + "3" + sp(15) + "2";
    const std::string total = "                    TOTAL DISTANCE" + sp(15) + "3";
    const Lines routeHead = {"", "", "", "            THE SHORTEST ROUTE FROM NODE 1 TO NODE 3", sp(12) + stars(40), "",
                             kRouteHeader, kRouteRule};

    routeWithArcs(19);
    std::vector<Lines> pages;
    Lines lines = printed(qvhrtrt::PrintShortestRoute, &pages);
    ASSERT_EQ(pages.size(), 1u);
    Lines tail = routeHead;
    tail.insert(tail.end(), {leg12, leg23, "", total});
    ASSERT_GE(lines.size(), tail.size());
    EXPECT_EQ(Lines(lines.end() - static_cast<long>(tail.size()), lines.end()), tail);
    EXPECT_EQ(lines[14 + 18], sp(12) + "19" + sp(9) + "1" + sp(11) + "3" + sp(4) + sp(6) + "10");

    routeWithArcs(20);
    lines = printed(qvhrtrt::PrintShortestRoute, &pages);
    ASSERT_EQ(pages.size(), 2u);
    Lines second = routeHead;
    second.insert(second.end(), {"", leg12, "", leg23, "", total});
    EXPECT_EQ(pages[1], second);
    EXPECT_EQ(pages[0].back(), sp(12) + "20" + sp(9) + "1" + sp(11) + "3" + sp(4) + sp(6) + "10");
    // The text file: a form-feed line in place of the new page.
    Lines file = filed(qvhrtrt::PrintShortestRoute);
    ASSERT_EQ(file.size(), lines.size());
    for (std::size_t i = 0; i < file.size(); ++i) {
        if (i == 10) {
            EXPECT_EQ(file[i], " " + lines[i]);
        } else if (i == 14 + 20 + 1 + 3) {
            EXPECT_EQ(file[i], lines[i] + " ");
        } else {
            EXPECT_EQ(file[i], lines[i]) << i;
        }
    }
    EXPECT_EQ(file[14 + 20], "<NEW PAGE>");
}

TEST(RouteReport, TheRouteIsTracedAgain) {
    setNetwork(3, {{1, 2, units(1)}, {2, 3, units(1)}});
    ASSERT_TRUE(solveRoute(1, 3));
    qv::S().net.lngRouteNodes(1) = 0;
    qv::S().net.lngRouteNodes(2) = 0;
    printed(qvhrtrt::PrintShortestRoute);
    EXPECT_EQ(qv::S().net.lngRouteNodes(1), 2);
    EXPECT_EQ(qv::S().net.lngRouteNodes(2), 1);
}

// Four nodes joined in a path, with parallel filler arcs up to `arcs`.
void treeWithArcs(int arcs) {
    std::vector<Arc> a = {{1, 2, units(1)}, {2, 3, units(1)}, {3, 4, units(1)}};
    while (static_cast<int>(a.size()) < arcs) a.push_back({1, 4, units(9)});
    setNetwork(4, a, 0, false);
    ASSERT_TRUE(qvhrtrt::GrowSpanningTree());
}

TEST(TreeReport, NodesAndArcsAbove34BreakThePage) {
    const Lines treeSection = {
        "",
        "",
        "                    MINIMAL SPANNING TREE",
        "                    *********************",
        "",
        "              START NODE   END NODE    DISTANCE",
        "              ----------   --------    --------",
        sp(19) + "1" + sp(11) + "2" + sp(12) + "1",
        "",
        sp(19) + "2" + sp(11) + "3" + sp(12) + "1",
        "",
        sp(19) + "3" + sp(11) + "4" + sp(12) + "1",
        "",
        "",
        "",
        "                    TOTAL LENGTH" + sp(12) + "3",
    };
    treeWithArcs(30);
    std::vector<Lines> pages;
    Lines lines = printed(qvhrtrt::PrintSpanningTree, &pages);
    ASSERT_EQ(pages.size(), 1u);
    Lines tail = {"", ""};
    tail.insert(tail.end(), treeSection.begin(), treeSection.end());
    EXPECT_EQ(Lines(lines.end() - static_cast<long>(tail.size()), lines.end()), tail);
    EXPECT_EQ(lines[3], "     MINIMAL SPANNING TREE");
    EXPECT_EQ(lines[4], "     *********************");
    EXPECT_EQ(lines[8], "                **** NETWORK DESCRIPTION ****");
    EXPECT_EQ(lines[10], sp(21) + "4 NODES AND 30 ARCS");

    treeWithArcs(31);
    lines = printed(qvhrtrt::PrintSpanningTree, &pages);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[1], treeSection);
    EXPECT_EQ(pages[0].back(), "");
    EXPECT_EQ(pages[0][pages[0].size() - 3], sp(12) + "31" + sp(9) + "1" + sp(11) + "4" + sp(4) + sp(7) + "9");
    // The tree report's file has no extra blanks.
    Lines file = filed(qvhrtrt::PrintSpanningTree);
    EXPECT_EQ(file, lines);
}

TEST(TreeReport, WarningBlockAndFailedRows) {
    setNetwork(4, {{1, 2, units(3)}, {3, 4, units(1)}}, 2, false);
    ASSERT_FALSE(qvhrtrt::GrowSpanningTree());
    const Lines expected = {
        "", "", "", "     MINIMAL SPANNING TREE", "     *********************", "", "", "",
        "                **** NETWORK DESCRIPTION ****", "", sp(21) + "4 NODES AND 2 ARCS", "",
        "            ARC   START NODE   END NODE   DISTANCE", "            ---   ----------   --------   --------",
        sp(13) + "1" + sp(9) + "1" + sp(11) + "2" + sp(4) + sp(4) + "3.00",
        sp(13) + "2" + sp(9) + "3" + sp(11) + "4" + sp(4) + sp(4) + "1.00",
        "", "",
        "     WARNING", "     *******", "",
        "          Please review the description of the network.", "",
        "          A spanning tree does not exist for the network description",
        "          you have provided.", "", "",
        "", "",
        "                    MINIMAL SPANNING TREE", "                    *********************", "",
        "              START NODE   END NODE    DISTANCE", "              ----------   --------    --------",
        sp(19) + "1" + sp(11) + "2" + sp(9) + "3.00", "",
        sp(19) + "1" + sp(11) + "2" + sp(4) + "100000.00", "",
        sp(19) + "1" + sp(11) + "2" + sp(4) + "100000.00", "",
        "", "",
        "                    TOTAL LENGTH" + sp(4) + "100003.00",
    };
    EXPECT_EQ(printed(qvhrtrt::PrintSpanningTree), expected);
}

TEST(TreeReport, DescriptionDistancesAreNeverCut) {
    setNetwork(2, {{1, 2, units(123456.78)}}, 2, false);
    ASSERT_TRUE(qvhrtrt::GrowSpanningTree());
    const Lines lines = printed(qvhrtrt::PrintSpanningTree);
    EXPECT_EQ(lines[14], sp(13) + "1" + sp(9) + "1" + sp(11) + "2" + sp(4) + "123456.78");
    EXPECT_EQ(lines.back(), "                    TOTAL LENGTH" + sp(4) + "123456.78");
}

TEST(NetworkReports, ADistanceOf12600ThousandthsByDecimals) {
    struct Case {
        double decimals;
        const char* shown;
    } cases[] = {{0, "13"}, {1, "12.6"}, {2, "12.60"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        const std::string text = c.shown;
        const std::string arcLine = sp(13) + "1" + sp(9) + "1" + sp(11) + "2" + sp(4) + sp(8 - text.size()) + text;

        setNetwork(2, {{1, 2, 12600}}, c.decimals);
        ASSERT_TRUE(solveRoute(1, 2));
        Lines lines = printed(qvhrtrt::PrintShortestRoute);
        ASSERT_EQ(lines.size(), 26u);
        EXPECT_EQ(lines[14], arcLine);
        EXPECT_EQ(lines[23], sp(17) + "1" + sp(15) + "2" + sp(16 - text.size()) + text);
        EXPECT_EQ(lines[25], "                    TOTAL DISTANCE" + sp(16 - text.size()) + text);

        setNetwork(2, {{1, 2, 12600}}, c.decimals, false);
        ASSERT_TRUE(qvhrtrt::GrowSpanningTree());
        lines = printed(qvhrtrt::PrintSpanningTree);
        ASSERT_EQ(lines.size(), 29u);
        EXPECT_EQ(lines[14], arcLine);
        EXPECT_EQ(lines[24], sp(19) + "1" + sp(11) + "2" + sp(13 - text.size()) + text);
        EXPECT_EQ(lines[28], "                    TOTAL LENGTH" + sp(13 - text.size()) + text);
    }
}

TEST(TreeReport, AWideTreeDistanceKeepsItsFourBlanks) {
    // The report's tree line is two node fields, four blanks and a field of 9: a wider
    // distance widens the line after the blanks (the window's field of 13 just fills up).
    struct Case {
        double decimals;
        std::int64_t thousandths;
        std::string printed;
    } cases[] = {
        {2, units(1000000), sp(4) + "1000000.00"},
        {2, 2147483640, sp(4) + "2147483.64"},
        {2, 999999990, sp(4) + "999999.99"},
        {1, 2147483647, sp(4) + "2147483.6"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.printed);
        setNetwork(2, {{1, 2, c.thousandths}}, c.decimals, false);
        ASSERT_TRUE(qvhrtrt::GrowSpanningTree());
        const Lines lines = printed(qvhrtrt::PrintSpanningTree);
        const std::string row = sp(19) + "1" + sp(11) + "2" + c.printed;
        ASSERT_EQ(lines.size(), 29u);
        EXPECT_EQ(lines[24], row);
        EXPECT_EQ(lines[25], "");
    }
}

}  // namespace
