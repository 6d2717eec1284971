#pragma once
// A network laid into the shared state as the arc grid's checks would store it.
#include <cstdint>
#include <string>
#include <vector>

#include "network/core/NetworkSolver.h"
#include "shell/core/State.h"

namespace nettest {

struct Arc {
    int p, q;
    std::int64_t thousandths;
};

inline constexpr std::int64_t units(double d) { return static_cast<std::int64_t>(d * 1000); }

inline void setNetwork(int nodes, const std::vector<Arc>& arcs, double decimals = 0, bool route = true) {
    qv::resetState();
    auto& s = qv::S();
    s.intCurrentModule = route ? 5 : 6;
    s.strProblemType = route ? qvhrtrt::kShortestRouteTitle : "MINIMAL SPANNING TREE PROBLEM";
    qvhrtrt::InitNetworkArrays();
    s.intNodeCount = nodes;
    s.intArcCount = static_cast<int>(arcs.size());
    for (std::size_t a = 0; a < arcs.size(); ++a) {
        const int k = static_cast<int>(a) + 1;
        s.net.lngNetworkArcs(k, 1) = arcs[a].p;
        s.net.lngNetworkArcs(k, 2) = arcs[a].q;
        s.net.lngNetworkArcs(k, 3) = static_cast<std::int32_t>(arcs[a].thousandths);
    }
    s.intDecimalPlaces = decimals;
}

// The solve's route steps without the dialog: true when every node is reached.
inline bool solveRoute(int start, int end) {
    auto& net = qv::S().net;
    qvhrtrt::BuildDistanceMatrix();
    qvhrtrt::PrepareRouteLabels();
    net.intStartNode = start;
    net.intEndNode = end;
    return qvhrtrt::LabelRoute();
}

// The traced route from the start node to the end node.
inline std::vector<int> routeNodes() {
    auto& net = qv::S().net;
    const int k = qvhrtrt::TraceRoute();
    std::vector<int> nodes;
    for (int i = k; i >= 1; --i) nodes.push_back(net.lngRouteNodes(i));
    nodes.push_back(net.intEndNode);
    return nodes;
}

}  // namespace nettest
