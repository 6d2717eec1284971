#pragma once
// The computations of the shortest-route and spanning-tree modules over the network
// block of the shared state: the arrays' set-up, the distance matrix, the labelling
// method with its route trace, and Prim's method. They show nothing; the solve
// procedure (network/qvhrtrt.h) asks, shows and warns around them.
#include <string>

namespace qvhrtrt {

inline constexpr const char* kShortestRouteTitle = "SHORTEST ROUTE PROBLEM";
inline constexpr const char* kWarningTitle = "WARNING!";
inline constexpr const char* kUnreachableWarning =
    "Please review the description of the network.  It is not possible to reach all nodes in the network.";
inline constexpr const char* kNoTreeWarning =
    "Please review the description of the network.  A spanning tree does not exist for the network "
    "description you have provided.";

// intDecimalPlaces = 0 and every table of the block re-created empty at its capacity.
void InitNetworkArrays();

// Raises a run-time failure when an arc read from a file names a node outside
// 1..intNodeCount or has a negative distance: such a file is refused, not laid out.
void RequireValidArcs();

// D from the arcs: kNoConnection where no arc joins two nodes; of parallel arcs the
// shorter one holds; a self-loop sets the node's own entry.
void BuildDistanceMatrix();

// R = D with a zero diagonal; every label open, at kNoConnection, its own predecessor.
void PrepareRouteLabels();

// The labelling from intStartNode over R. True when every node got its final
// distance; false when some node cannot be reached (the labels stay as they stood).
bool LabelRoute();

// Traces the route back from intEndNode into lngRouteNodes; returns its number of
// arcs k (lngRouteNodes(k) is the start node). Needs a successful LabelRoute.
int TraceRoute();

// Prim's method from node 1 over a freshly built D: fills lngTreeJoinOrder,
// lngTreeArcTable with its failed-step flags and lngTreeLength. True when a
// spanning tree exists.
bool GrowSpanningTree();

// The title line of the route: "... FROM NODE s TO NODE e", and its underline.
std::string RouteTitle(int startNode, int endNode);
std::string RouteUnderline(int startNode, int endNode);

}  // namespace qvhrtrt
