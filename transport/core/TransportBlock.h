#pragma once
// Transportation and assignment block of the shared state. Nodes 1..m are the origins
// (agents), m+1..m+n the destinations (tasks); real arc k = (i-1)*n + j joins origin i
// to node m+j. The node and arc counts m+n and m*n live in the shared intNodeCount /
// intArcCount.
#include <cstdint>
#include <string>

#include "platform/core/Array.h"
#include "platform/core/Value.h"

namespace qv {

struct TransportBlock {
    // Limits of a tableau typed in by the user.
    static constexpr int kMaxOrigins = 30;
    static constexpr int kMaxDestinations = 30;

    int intOriginCount = 0;       // m
    int intDestinationCount = 0;  // n
    // Node value: supply of origin i at i, demand of destination j as a negative number
    // at m+j; index m+n+1 belongs to the solver's root. Indexes 0..m+n+1.
    pf::Array<std::int32_t> lngNodeSupplies;
    // Cost or revenue of real arc k (1..m*n); indexes 0..m*n+m+n.
    pf::Array<pf::Value> dblArcCosts;
    pf::Array<std::int32_t> lngArcTails;  // indexes 0..m*n+m+n
    pf::Array<int> intArcHeads;           // indexes 0..m*n+m+n
    // First real arc (i-1)*n+1 of origin i; 0 for destinations and the root. 0..m+n+1.
    pf::Array<int> intFirstArcs;

    // Solver output, by node v = 1..m+n: the signed arc joining v to its parent in the
    // final tree (+k: v is the tail, -k: v is the head) and the flow on it.
    pf::Array<std::int32_t> lngTreeArcs;      // indexes 0..m+n+1
    pf::Array<std::int32_t> lngTreeArcFlows;  // indexes 0..m*n+1
    pf::Value dblTotalSupply;
    pf::Value dblTotalDemand;

    // Derived from the tree by the transportation window (and again by the report):
    // shipment from origin i to destination j, and the flow on a node's artificial arc
    // when that arc ends in the tree (empty otherwise).
    pf::Array2<std::int32_t> lngShipmentMatrix;  // 0..m by 0..n
    pf::Array<pf::Value> dblNodeImbalances;      // indexes 0..m+n

    // Destination columns of the block the printed cost table is printing.
    int intBlockFirstColumn = 0;
    int intBlockLastColumn = 0;

    // Set by the add operations around their rebuild: the appended row or column is
    // shown empty.
    bool blnAddingOrigin = false;
    bool blnAddingDestination = false;
    // The counts as typed in the dimensions dialog.
    std::string strOriginCountText;
    std::string strDestinationCountText;
};

}  // namespace qv
