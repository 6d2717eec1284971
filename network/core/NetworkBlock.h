#pragma once
// Shortest-route and spanning-tree block of the shared state. The node and arc counts
// live in the shared intNodeCount / intArcCount. Tables are sized for the capacity,
// not for the current counts, and used from index 1.
#include <cstdint>

#include "platform/core/Array.h"

namespace qv {

struct NetworkBlock {
    static constexpr int kMinNodes = 2;
    static constexpr int kMaxNodes = 20;
    static constexpr int kMaxArcs = 40;
    // Columns of lngNetworkArcs.
    static constexpr int kArcStart = 1;
    static constexpr int kArcEnd = 2;
    static constexpr int kArcDistance = 3;  // thousandths of the typed distance
    // Columns of lngNodeLabels.
    static constexpr int kLabelFinal = 1;
    static constexpr int kLabelDistance = 2;
    static constexpr int kLabelPredecessor = 3;
    // Columns of lngTreeArcTable.
    static constexpr int kTreeFrom = 1;
    static constexpr int kTreeJoined = 2;
    static constexpr int kTreeDistance = 3;

    // No arc between two nodes, no path found yet. Above any sum of stored distances
    // (40 arcs below 2^31 each), so that every real distance and route counts.
    static constexpr std::int64_t kNoConnection = 1'000'000'000'000'000;
    // What a failed spanning-tree step stores and the reports print (100000 units).
    static constexpr std::int32_t kFailedStepDistance = 100'000'000;

    // Arc a (1..intArcCount): start node, end node, distance. Indexes 0..40 by 0..3.
    pf::Array2<std::int32_t> lngNetworkArcs;
    // D(i, j): the shortest arc joining i and j, kNoConnection where none. 0..20 by 0..20.
    pf::Array2<std::int64_t> lngDistanceMatrix;
    // R(i, j): the route's copy of D with R(i, i) = 0. 0..20 by 0..20.
    pf::Array2<std::int64_t> lngRouteDistances;
    // Node v: (v, 1) 1 once final, (v, 2) distance from the start node (kNoConnection
    // while none is found), (v, 3) predecessor. 0..20 by 0..20, columns 1..3 used.
    pf::Array2<std::int64_t> lngNodeLabels;
    // The route from the end node back: entry 1 the end node's predecessor, the last
    // entry written the start node. 0..20.
    pf::Array<std::int32_t> lngRouteNodes;
    int intStartNode = 0;
    int intEndNode = 0;

    // Spanning tree: nodes in joining order (entry 1 is node 1). 0..20.
    pf::Array<std::int32_t> lngTreeJoinOrder;
    // Tree arc k (1..N-1): the tree node it leaves, the node joined, the distance in
    // thousandths (kFailedStepDistance at a failed step). 0..40 by 0..3.
    pf::Array2<std::int32_t> lngTreeArcTable;
    // Row k of lngTreeArcTable is a step at which no arc could be found (1, else 0). 0..40.
    pf::Array<int> blnTreeStepFailed;
    // Sum of the tree rows up to and including the first failed one, in thousandths.
    std::int64_t lngTreeLength = 0;
};

}  // namespace qv
