#pragma once
// The network simplex solver of transportation and assignment problems: the model is
// a bipartite network with a root node joined to every node by an artificial arc; the
// primal method runs on a spanning tree rooted there. The result is the final tree:
// lngTreeArcs and lngTreeArcFlows by node, the totals, and the artificial arcs' ends.
#include <functional>
#include <vector>

#include "shell/core/State.h"

namespace taengine {

// Past this many pivots the solve ends in a run-time failure instead of running on.
inline constexpr long kPivotLimit = 1000000;

// The working tree of a run, indexed by node 0..N+1 (the root is N+1).
struct Tree {
    std::vector<int> parent, depth, thread, reverseThread, subtreeLast, subtreeSize;
    std::vector<double> potential;
    std::vector<double> scaledCost;  // by arc 0..m*n+N
};

struct Options {
    long pivotLimit = kPivotLimit;
    // Called after every pivot (tests check the bookkeeping).
    std::function<void(const Tree&)> afterPivot;
};

struct RunInfo {
    long pivots = 0;
    double bigM = 0;
    std::vector<double> scaledCost;  // by arc, as the run used them
};

// taengine.SolveTransportNetwork on the shared state.
void SolveTransportNetwork();
RunInfo SolveTransportNetwork(qv::SharedState& s, const Options& options = {});

// The whole number the engine works with for an entered cost: Int(100000 c),
// negated after the floor when maximizing.
double ScaledCost(double cost, bool maximize);

}  // namespace taengine
