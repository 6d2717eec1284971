#pragma once
// The printed reports of the network modules: the network as entered, then the route
// leg by leg or the spanning tree arc by arc, each with its total. The same lines go
// to the printer and to the text file (strReportTarget "File") but for two blanks:
// the route report's nodes-and-arcs line and route title each get one more there.
#include "platform/core/Report.h"

namespace qvhrtrt {

// After a successful shortest-route solve; traces the route again into lngRouteNodes.
void PrintShortestRoute(pf::ReportSink& sink);
// After a spanning-tree solve, also one that found no tree (the warning block).
void PrintSpanningTree(pf::ReportSink& sink);

}  // namespace qvhrtrt
