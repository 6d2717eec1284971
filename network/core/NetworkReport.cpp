#include "network/core/NetworkReport.h"

#include <string>

#include "network/core/NetworkLines.h"
#include "network/core/NetworkSolver.h"
#include "platform/core/Format.h"
#include "shell/core/State.h"

namespace qvhrtrt {

namespace {

using qv::NetworkBlock;

bool toFile() { return qv::S().strReportTarget != "Printer"; }

void blankLines(pf::ReportSink& out, int n) {
    for (int i = 0; i < n; ++i) out.line("");
}

enum class Kind { Route, Tree };

void printDescription(pf::ReportSink& out, Kind kind) {
    const auto& s = qv::S();
    const bool route = kind == Kind::Route;
    blankLines(out, 3);
    out.line(route ? "     SHORTEST ROUTE" : "     MINIMAL SPANNING TREE");
    out.line(route ? "     **************" : "     *********************");
    blankLines(out, 3);
    out.line(route ? "                 **** NETWORK DESCRIPTION ****" : "                **** NETWORK DESCRIPTION ****");
    out.line("");
    const int lead = route && toFile() ? 22 : 21;
    out.line(pf::Spaces(lead) + std::to_string(s.intNodeCount) + " NODES AND " + std::to_string(s.intArcCount) +
             " ARCS");
    out.line("");
    out.line("            ARC   START NODE   END NODE   DISTANCE");
    out.line("            ---   ----------   --------   --------");
    const char* pattern = DescriptionPattern(NetworkDecimals());
    const auto& arcs = s.net.lngNetworkArcs;
    for (int a = 1; a <= s.intArcCount; ++a) {
        out.line(pf::FormatText(std::to_string(a), "            @@") +
                 pf::FormatText(std::to_string(arcs(a, NetworkBlock::kArcStart)), "        @@") +
                 pf::FormatText(std::to_string(arcs(a, NetworkBlock::kArcEnd)), "          @@") + pf::Spaces(4) +
                 pf::RightAlignNumber(DistanceText(arcs(a, NetworkBlock::kArcDistance), pattern), 8));
    }
}

}  // namespace

void PrintShortestRoute(pf::ReportSink& out) {
    auto& s = qv::S();
    NetworkBlock& b = s.net;
    printDescription(out, Kind::Route);
    const bool spaced = s.intArcCount > 19;
    if (spaced) out.newPage();
    blankLines(out, 3);
    out.line(RouteTitle(b.intStartNode, b.intEndNode) + (toFile() ? " " : ""));
    out.line(RouteUnderline(b.intStartNode, b.intEndNode));
    out.line("");
    out.line(kRouteHeader);
    out.line(kRouteRule);
    const int k = TraceRoute();
    const int d = NetworkDecimals();
    const char* leg = RouteLegPattern(d);
    auto legLine = [&](int from, int to) {
        if (spaced) out.line("");
        out.line(RouteLegLine(from, to, b.lngRouteDistances(from, to), leg));
    };
    for (int i = k; i >= 2; --i) legLine(b.lngRouteNodes(i), b.lngRouteNodes(i - 1));
    legLine(b.lngRouteNodes(1), b.intEndNode);
    out.line("");
    out.line(RouteTotalLine(b.lngNodeLabels(b.intEndNode, NetworkBlock::kLabelDistance), DescriptionPattern(d)));
}

void PrintSpanningTree(pf::ReportSink& out) {
    const auto& s = qv::S();
    const NetworkBlock& b = s.net;
    const int n = s.intNodeCount;
    printDescription(out, Kind::Tree);
    blankLines(out, 2);
    bool failed = false;
    for (int k = 1; k <= n - 1; ++k)
        if (b.blnTreeStepFailed(k) != 0) failed = true;
    if (failed) {
        out.line("     WARNING");
        out.line("     *******");
        out.line("");
        out.line("          Please review the description of the network.");
        out.line("");
        out.line("          A spanning tree does not exist for the network description");
        out.line("          you have provided.");
        blankLines(out, 2);
    }
    if (n + s.intArcCount > 34) out.newPage();
    blankLines(out, 2);
    out.line(kTreeTitle);
    out.line(kTreeTitleRule);
    out.line("");
    out.line(kTreeHeader);
    out.line(kTreeRule);
    const char* pattern = TreePattern(NetworkDecimals());
    const auto& T = b.lngTreeArcTable;
    for (int k = 1; k <= n - 1; ++k) {
        // Four literal blanks before a field of 9: a wider distance keeps the blanks.
        out.line(pf::FormatText(std::to_string(T(k, NetworkBlock::kTreeFrom)), "                  @@") +
                 pf::FormatText(std::to_string(T(k, NetworkBlock::kTreeJoined)), "          @@") + pf::Spaces(4) +
                 pf::RightAlignNumber(DistanceText(T(k, NetworkBlock::kTreeDistance), pattern), 9));
        out.line("");
    }
    blankLines(out, 2);
    out.line(TreeTotalLine(b.lngTreeLength, pattern));
}

}  // namespace qvhrtrt
