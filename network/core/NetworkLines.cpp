#include "network/core/NetworkLines.h"

#include "network/core/NetworkSolver.h"
#include "platform/core/Format.h"
#include "shell/core/State.h"

namespace qvhrtrt {

namespace {

using qv::NetworkBlock;

const char* byDecimals(int decimals, const char* d0, const char* d1, const char* d2) {
    switch (decimals) {
        case 0: return d0;
        case 1: return d1;
        case 2: return d2;
        default: return nullptr;
    }
}

std::string nodeField(int node, int width) { return pf::RightAlignNumber(std::to_string(node), width); }

}  // namespace

int NetworkDecimals() {
    const double d = qv::S().intDecimalPlaces.num();
    if (d == 0) return 0;
    if (d == 1) return 1;
    if (d == 2) return 2;
    return -1;
}

const char* DescriptionPattern(int decimals) { return byDecimals(decimals, "#######0", "#####0.0", "####0.00"); }
const char* RouteLegPattern(int decimals) { return byDecimals(decimals, "######0", "####0.0", "###0.00"); }
const char* TreePattern(int decimals) { return byDecimals(decimals, "########0", "######0.0", "#####0.00"); }

std::string DistanceText(std::int64_t thousandths, const char* pattern) {
    const double v = static_cast<double>(thousandths) / 1000.0;
    return pattern ? pf::Format(v, pattern) : pf::PlainNumber(v);
}

std::optional<std::string> ArcDistanceCell(std::int32_t thousandths, int decimals) {
    const double v = thousandths / 1000.0;
    switch (decimals) {
        case 0: return pf::PlainNumber(v);
        case 1: return pf::Format(v, "    #####0.0");
        case 2: return pf::Format(v, "    ####0.00");
        default: return std::nullopt;
    }
}

std::string RouteLegLine(int from, int to, std::int64_t thousandths, const char* pattern) {
    return nodeField(from, 18) + nodeField(to, 16) + pf::RightAlignNumber(DistanceText(thousandths, pattern), 16);
}

std::string RouteTotalLine(std::int64_t thousandths, const char* pattern) {
    return kRouteTotalLabel + pf::RightAlignNumber(DistanceText(thousandths, pattern), 16);
}

std::string TreeArcLine(int from, int joined, std::int64_t thousandths, const char* pattern) {
    return nodeField(from, 20) + nodeField(joined, 12) + pf::RightAlignNumber(DistanceText(thousandths, pattern), 13);
}

std::string TreeTotalLine(std::int64_t thousandths, const char* pattern) {
    return kTreeTotalLabel + pf::RightAlignNumber(DistanceText(thousandths, pattern), 13);
}

std::vector<std::string> RouteWindowLines() {
    NetworkBlock& b = qv::S().net;
    const int s = b.intStartNode, e = b.intEndNode;
    std::vector<std::string> lines{RouteTitle(s, e), RouteUnderline(s, e), kRouteHeader, kRouteRule};
    const int k = TraceRoute();
    const int d = NetworkDecimals();
    if (d < 0) return lines;
    const char* leg = RouteLegPattern(d);
    auto legLine = [&](int from, int to) { return RouteLegLine(from, to, b.lngRouteDistances(from, to), leg); };
    for (int i = k; i >= 2; --i) lines.push_back(legLine(b.lngRouteNodes(i), b.lngRouteNodes(i - 1)));
    lines.push_back(legLine(b.lngRouteNodes(1), e));
    lines.push_back(RouteTotalLine(b.lngNodeLabels(e, NetworkBlock::kLabelDistance), DescriptionPattern(d)));
    return lines;
}

std::vector<std::string> TreeWindowLines() {
    const auto& s = qv::S();
    const NetworkBlock& b = s.net;
    std::vector<std::string> lines{kTreeTitle, kTreeTitleRule, kTreeHeader, kTreeRule};
    const int d = NetworkDecimals();
    if (d < 0) return lines;
    const char* pattern = TreePattern(d);
    const auto& T = b.lngTreeArcTable;
    for (int k = 1; k <= s.intNodeCount - 1; ++k)
        lines.push_back(TreeArcLine(T(k, NetworkBlock::kTreeFrom), T(k, NetworkBlock::kTreeJoined),
                                    T(k, NetworkBlock::kTreeDistance), pattern));
    lines.push_back(TreeTotalLine(b.lngTreeLength, pattern));
    return lines;
}

}  // namespace qvhrtrt
