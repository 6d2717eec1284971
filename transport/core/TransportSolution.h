#pragma once
// The lines of the two solution windows, built from the engine's final tree. The
// transportation lines also leave the schedule and the per-node amounts in the block,
// where the printed schedule takes them again.
#include <string>
#include <vector>

#include "shell/core/State.h"

namespace transout {

// Text of the "Warning:  INSUFFICIENT SUPPLY" box; empty when supply covers demand.
inline constexpr const char* kInsufficientSupplyTitle = "Warning:  INSUFFICIENT SUPPLY";
std::string InsufficientSupplyText(const qv::SharedState& s);

// Re-creates lngShipmentMatrix and fills dblNodeImbalances from the tree (re-created
// too unless the window of the same solve made it); returns the total cost or revenue
// over the entered costs.
double DeriveSchedule(qv::SharedState& s, bool recreateImbalances = true);

// The window's lines (the first one empty), after DeriveSchedule.
std::vector<std::string> BuildTransportationLines(qv::SharedState& s);

// The heading of a block of destinations first..last: "  FROM", blanks, "TO DESTINATION".
std::string BlockHeading(int first, int last);
// Destination blocks of at most nine columns: (first, last) pairs.
std::vector<std::pair<int, int>> DestinationBlocks(int n);

}  // namespace transout

namespace AssnOut {

// An assignment carried by node v's tree arc: agent, task and entered cost.
struct Assignment {
    int agent, task;
    double cost;
    int flow;
};
// In the order of the nodes that own the arcs in the tree.
std::vector<Assignment> Assignments(const qv::SharedState& s);
// Agents or tasks left without a partner: the surplus side's nodes on their artificial
// arcs with flow, as agent or task numbers (none when m = n).
std::vector<int> Unassigned(const qv::SharedState& s);
// The cost pattern for the decimal places (0, 1, 2).
std::string CostPattern(int decimals, int width);

std::vector<std::string> BuildAssignmentLines(const qv::SharedState& s);

}  // namespace AssnOut
