// The lines of the transportation and assignment solution windows, from solved
// problems whose schedules were worked out by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/core/Format.h"
#include "tests/transport/core/transport_fixture.h"
#include "transport/core/TransportSolution.h"

namespace {

using trtest::Problem;
using Lines = std::vector<std::string>;

Lines solveTransportation(qv::SharedState& s, const Problem& p) {
    trtest::load(s, p);
    trtest::expectCertificate(s, taengine::SolveTransportNetwork(s));
    return transout::BuildTransportationLines(s);
}

std::string origin(int i) { return pf::FormatText(std::to_string(i), "   @@    "); }
std::string cell(long v) { return pf::RightAlign(std::to_string(v), 7); }

TEST(TransportationWindow, ZeroDemandDestinationPassesNothingOn) {
    qv::SharedState s;
    const Lines lines = solveTransportation(s, Problem{false, false, {10, 10}, {5, 0}, {{4, -2}, {3, 1}}});
    const Lines expected = {
        "",
        "  FROM    TO DESTINATION",
        " ORIGIN      1      2  ",
        " ------   ------ ------",
        "    1          0      0",
        "    2          5      0",
        "",
        "    TOTAL TRANSPORTATION COST OR REVENUE IS:  15",
        "",
        "NOTE:  THE TOTAL SUPPLY EXCEEDS THE TOTAL DEMAND BY 15",
        "",
        "       ORIGIN       EXCESS SUPPLY",
        "       ------       -------------",
        "         1                   10",
        "         2                    5",
    };
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(transout::InsufficientSupplyText(s), "");
    EXPECT_EQ(s.tr.lngShipmentMatrix(2, 1), 5);
    EXPECT_TRUE(s.tr.dblNodeImbalances(4).IsEmpty() || s.tr.dblNodeImbalances(4).num() == 0);
}

TEST(TransportationWindow, ExcessSupplyAndUnsatisfiedDemand) {
    {
        // 60 + 40 against 80: origin 1 is cheaper, origin 2 keeps 20.
        qv::SharedState s;
        const Lines lines = solveTransportation(s, Problem{false, false, {60, 40}, {80}, {{1}, {2}}});
        EXPECT_EQ(std::vector<std::string>(lines.begin() + 4, lines.begin() + 6),
                  (Lines{origin(1) + cell(60), origin(2) + cell(20)}));
        EXPECT_EQ(lines[1], "  FROM   TO DESTINATION");
        EXPECT_EQ(lines[9], "NOTE:  THE TOTAL SUPPLY EXCEEDS THE TOTAL DEMAND BY 20");
        EXPECT_EQ(lines.back(), "         2                   20");
        EXPECT_EQ(lines[7], "    TOTAL TRANSPORTATION COST OR REVENUE IS:  100");
        EXPECT_EQ(transout::InsufficientSupplyText(s), "");
    }
    {
        // 80 against 50 + 50: destination 2 is dearer and misses 20.
        qv::SharedState s;
        const Lines lines = solveTransportation(s, Problem{false, false, {80}, {50, 50}, {{1, 2}}});
        EXPECT_EQ(lines[4], origin(1) + cell(50) + cell(30));
        EXPECT_EQ(lines[8], "NOTE:  THE TOTAL DEMAND EXCEEDS THE TOTAL SUPPLY BY 20");
        EXPECT_EQ(std::vector<std::string>(lines.begin() + 9, lines.end()),
                  (Lines{"", "    DESTINATION   UNSATISFIED DEMAND", "    -----------   ------------------",
                         "         2                   20"}));
        EXPECT_EQ(transout::InsufficientSupplyText(s),
                  "Total demand exceeds total supply by 20.  The solution given provides the optimal shipment "
                  "schedule for the available supply.  Some destinations will have unsatisfied demand.");
    }
}

TEST(TransportationWindow, BalancedMaximizationShowsTheRevenueWithItsDecimals) {
    // Revenue 2 x 2.25 + 2 x 3.1 = 10.7 beats 2 x 1.5 + 2 x 0.5 = 4.
    qv::SharedState s;
    const Lines lines =
        solveTransportation(s, Problem{false, true, {2, 2}, {2, 2}, {{1.5, 2.25}, {3.1, 0.5}}});
    EXPECT_EQ(lines[4], origin(1) + cell(0) + cell(2));
    EXPECT_EQ(lines[5], origin(2) + cell(2) + cell(0));
    EXPECT_EQ(lines[7], "    TOTAL TRANSPORTATION COST OR REVENUE IS:  10.7");
    EXPECT_EQ(lines.back(), "");  // no note: the window ends with the empty line
    EXPECT_EQ(lines.size(), 9u);
}

TEST(TransportationWindow, DestinationsComeInBlocksOfNine) {
    struct Case {
        int n;
        std::vector<std::string> headings;
    } cases[] = {
        {9, {"  FROM" + std::string(29, ' ') + "TO DESTINATION"}},
        {10, {"  FROM" + std::string(29, ' ') + "TO DESTINATION", "  FROM   TO DESTINATION"}},
        {30,
         {"  FROM" + std::string(29, ' ') + "TO DESTINATION", "  FROM" + std::string(29, ' ') + "TO DESTINATION",
          "  FROM" + std::string(29, ' ') + "TO DESTINATION", "  FROM        TO DESTINATION"}},
    };
    for (const Case& c : cases) {
        qv::SharedState s;
        // Balanced: no note after the total.
        Problem p{false, false, {c.n / 2, c.n - c.n / 2}, std::vector<long>(static_cast<std::size_t>(c.n), 1),
                  std::vector<std::vector<double>>(2, std::vector<double>(static_cast<std::size_t>(c.n), 1))};
        const Lines lines = solveTransportation(s, p);
        Lines headings;
        std::copy_if(lines.begin(), lines.end(), std::back_inserter(headings),
                     [](const std::string& l) { return l.rfind("  FROM", 0) == 0; });
        EXPECT_EQ(headings, c.headings) << "n = " << c.n;
        // Each block: heading, numbers, rule and every origin, one after the other.
        EXPECT_EQ(lines.size(), 1 + headings.size() * 5 + 3);
        if (c.n == 30) {
            EXPECT_EQ(lines[1 + 3 * 5 + 1], " ORIGIN     28     29     30  ");
            EXPECT_EQ(lines[1 + 3 * 5 + 2], " ------   ------ ------ ------");
        }
    }
}

TEST(TransportationWindow, AShipmentWiderThanItsFieldIsShownWhole) {
    qv::SharedState s;
    s.tr.intOriginCount = 1;
    s.tr.intDestinationCount = 1;
    qv::DimensionNetwork(s);
    s.tr.lngTreeArcs.ReDim(3);
    s.tr.lngTreeArcFlows.ReDim(2);
    s.tr.lngArcTails(1) = 1;
    s.tr.intArcHeads(1) = 2;
    s.tr.dblArcCosts(1) = 1;
    s.tr.lngTreeArcs(1) = 2;
    s.tr.lngTreeArcs(2) = -1;
    s.tr.lngTreeArcFlows(2) = 12345678;
    s.tr.dblTotalSupply = 12345678;
    s.tr.dblTotalDemand = 12345678;
    const Lines lines = transout::BuildTransportationLines(s);
    EXPECT_EQ(lines[4], origin(1) + "12345678");
}

Lines solveAssignment(qv::SharedState& s, const Problem& p) {
    trtest::load(s, p);
    trtest::expectCertificate(s, taengine::SolveTransportNetwork(s));
    return AssnOut::BuildAssignmentLines(s);
}

std::string assign(int agent, int task, const std::string& cost) {
    return "       ASSIGN AGENT " + pf::FormatText(std::to_string(agent), "@@") + " TO TASK " +
           pf::FormatText(std::to_string(task), "@@") + pf::RightAlign(cost, 16);
}

// The assignment lines come in the tree's order; their set is the unique optimum.
void expectAssignments(const Lines& lines, std::size_t count, Lines expected) {
    Lines got(lines.begin() + 2, lines.begin() + 2 + static_cast<long>(count));
    std::sort(got.begin(), got.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(got, expected);
}

const std::vector<std::vector<double>> kDiagonal = {{1, 9, 9, 9, 9}, {9, 2, 9, 9, 9}, {9, 9, 3, 9, 9}};

TEST(AssignmentWindow, MoreTasksThanAgents) {
    qv::SharedState s;
    const Lines lines = solveAssignment(s, Problem{true, false, {}, {}, kDiagonal});
    EXPECT_EQ(lines[0], "         OPTIMAL ASSIGNMENTS           COST/REVENUE");
    EXPECT_EQ(lines[1], "         *******************           ************");
    expectAssignments(lines, 3, {assign(1, 1, "1"), assign(2, 2, "2"), assign(3, 3, "3")});
    const Lines tail(lines.begin() + 5, lines.end());
    EXPECT_EQ(tail, (Lines{"                                        ---------- ",
                           "         TOTAL COST/REVENUE                     6",
                           "",
                           "       NOTE:  THE NUMBER OF TASKS EXCEEDS THE NUMBER OF AGENTS.",
                           "             2 TASKS REMAIN UNASSIGNED.",
                           "",
                           "       UNASSIGNED TASKS",
                           "       ----------------",
                           "        4",
                           "        5"}));
}

TEST(AssignmentWindow, OneSurplusTaskOrAgentIsSingular) {
    {
        qv::SharedState s;
        std::vector<std::vector<double>> c = kDiagonal;
        for (auto& row : c) row.pop_back();
        const Lines lines = solveAssignment(s, Problem{true, false, {}, {}, c});
        EXPECT_EQ(lines[9], "             1 TASK REMAINS UNASSIGNED.");
        EXPECT_EQ(lines.back(), "        4");
    }
    {
        qv::SharedState s;
        const Lines lines =
            solveAssignment(s, Problem{true, false, {}, {}, {{1, 9, 9}, {9, 2, 9}, {9, 9, 3}, {9, 9, 9}}});
        expectAssignments(lines, 3, {assign(1, 1, "1"), assign(2, 2, "2"), assign(3, 3, "3")});
        EXPECT_EQ(lines[8], "       NOTE:  THE NUMBER OF AGENTS EXCEEDS THE NUMBER OF TASKS.");
        EXPECT_EQ(lines[9], "             1 AGENT REMAINS UNASSIGNED.");
        EXPECT_EQ(lines[11], "       UNASSIGNED AGENTS");
        EXPECT_EQ(lines[12], "       -----------------");
        EXPECT_EQ(lines.back(), "        4");
        EXPECT_EQ(lines.size(), 14u);
    }
}

TEST(AssignmentWindow, CostPatternsFollowTheDecimalPlaces) {
    struct Case {
        int decimals;
        std::string cost, total;
    } cases[] = {{0, "5", "9"}, {1, "4.5", "9.0"}, {2, "4.50", "9.00"}};
    for (const Case& c : cases) {
        qv::SharedState s;
        s.intDecimalPlaces = c.decimals;
        const Lines lines = solveAssignment(s, Problem{true, false, {}, {}, {{4.5, 8}, {8, 4.5}}});
        EXPECT_EQ(lines[2], assign(1, 1, c.cost == "5" ? "5" : c.cost)) << c.decimals;  // 4.5 with no decimals shows 5
        EXPECT_EQ(lines[5], "         TOTAL COST/REVENUE     " + pf::RightAlign(c.total, 17));
        EXPECT_EQ(lines.size(), 6u);
    }
}

TEST(AssignmentWindow, ALineIsFortyNineCharactersAndFollowsTheTree) {
    // Agent 3 to task 12 at cost 7, carried by the tree arc of task node m + 12.
    qv::SharedState s;
    s.strProblemType = qv::kAssignmentProblem;
    s.tr.intOriginCount = 3;
    s.tr.intDestinationCount = 12;
    qv::DimensionNetwork(s);
    s.tr.lngTreeArcs.ReDim(16);
    s.tr.lngTreeArcFlows.ReDim(37);
    const long k = qv::arcIndex(3, 12, 12);
    s.tr.lngArcTails(k) = 3;
    s.tr.intArcHeads(k) = 15;
    s.tr.dblArcCosts(k) = 7;
    for (int v = 1; v <= 15; ++v) s.tr.lngTreeArcs(v) = v <= 3 ? 36 + v : -(36 + v);
    s.tr.lngTreeArcs(15) = -static_cast<std::int32_t>(k);
    s.tr.lngTreeArcFlows(15) = 1;
    const Lines lines = AssnOut::BuildAssignmentLines(s);
    EXPECT_EQ(lines[2], "       ASSIGN AGENT  3 TO TASK 12" + std::string(15, ' ') + "7");
    EXPECT_EQ(lines[2].size(), 49u);
    EXPECT_EQ(lines[3], "                                        ---------- ");
}

TEST(AssignmentWindow, AllZeroCostsStillAssign) {
    qv::SharedState s;
    const Lines lines =
        solveAssignment(s, Problem{true, false, {}, {}, std::vector<std::vector<double>>(2, std::vector<double>(3, 0))});
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l.find("ASSIGN AGENT") != std::string::npos; }), 2);
    EXPECT_EQ(lines[5], "         TOTAL COST/REVENUE                     0");
    EXPECT_EQ(lines[8], "             1 TASK REMAINS UNASSIGNED.");
    EXPECT_EQ(lines.size(), 13u);
}

// A final tree given arc by arc: node v hangs on arcs[v - 1] (signed) with flows[v - 1].
void setTree(qv::SharedState& s, const std::vector<std::int32_t>& arcs, const std::vector<std::int32_t>& flows) {
    const int m = s.tr.intOriginCount, n = s.tr.intDestinationCount;
    s.tr.lngTreeArcs.ReDim(m + n + 1);
    s.tr.lngTreeArcFlows.ReDim(m * n + 1);
    for (int v = 1; v <= m + n; ++v) {
        s.tr.lngTreeArcs(v) = arcs[static_cast<std::size_t>(v - 1)];
        s.tr.lngTreeArcFlows(v) = flows[static_cast<std::size_t>(v - 1)];
    }
    const long mn = static_cast<long>(m) * n;
    for (int v = 1; v <= m + n; ++v) {
        s.tr.lngArcTails(mn + v) = v <= m ? v : m + n + 1;
        s.tr.intArcHeads(mn + v) = v <= m ? m + n + 1 : v;
    }
}

// Degenerate trees: a tree arc carrying nothing is no assignment and no excess.
TEST(AssignmentWindow, ATreeArcWithoutFlowGivesNoLine) {
    // Agent 1 hangs below task 2 on the real arc 1-2 with flow 0.
    qv::SharedState s;
    trtest::load(s, Problem{true, false, {}, {}, {{3, 5}, {7, 2}}});
    setTree(s, {+2, +6, -1, -4}, {0, 0, 1, 1});
    const Lines lines = AssnOut::BuildAssignmentLines(s);
    EXPECT_EQ(Lines(lines.begin() + 2, lines.end()),
              (Lines{assign(1, 1, "3"), assign(2, 2, "2"), "                                        ---------- ",
                     "         TOTAL COST/REVENUE                     5"}));
}

TEST(TransportationWindow, AnArtificialArcWithoutFlowListsNoExcess) {
    // Origin 1 ships its 5 and stays on its own arc with 0; origin 2 keeps 3.
    qv::SharedState s;
    trtest::load(s, Problem{false, false, {5, 3}, {5}, {{1}, {2}}});
    setTree(s, {+3, +4, -1}, {0, 3, 5});
    s.tr.dblTotalSupply = 8;
    s.tr.dblTotalDemand = 5;
    const Lines lines = transout::BuildTransportationLines(s);
    EXPECT_EQ(Lines(lines.end() - 3, lines.end()),
              (Lines{"       ORIGIN       EXCESS SUPPLY", "       ------       -------------",
                     "         2                    3"}));
    EXPECT_EQ(s.tr.dblNodeImbalances(1).num(), 0);
    EXPECT_EQ(s.tr.lngShipmentMatrix(1, 1), 5);
}

}  // namespace
