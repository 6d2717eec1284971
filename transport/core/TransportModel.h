#pragma once
// The transportation network of the shared state: sizing for the current counts and
// the bounds the solver relies on.
#include "shell/core/State.h"

namespace qv {

inline constexpr const char* kTransportationProblem = "TRANSPORTATION PROBLEM";
inline constexpr const char* kAssignmentProblem = "ASSIGNMENT PROBLEM";

// Supplies, demands and costs stay strictly inside this magnitude.
inline constexpr double kTransportValueLimit = 1000000;

// Every title but the transportation one selects the assignment variant.
inline bool isTransportation(const SharedState& s) { return s.strProblemType == kTransportationProblem; }

// Real arc of origin i and destination j.
inline long arcIndex(int i, int j, int n) { return static_cast<long>(i - 1) * n + j; }

// QVTanda.DimensionNetwork: node and arc counts, and every node and arc table
// re-created for the current m and n (costs 0, node values 0, first arcs set).
void DimensionNetwork(SharedState& s);

// Raises a run-time failure when the model holds what the solver cannot take: a
// negative supply, a positive demand value, or a node value or cost of 1,000,000 or
// more in magnitude (a file written elsewhere may hold them).
void RequireSolvableModel(const SharedState& s);

}  // namespace qv
