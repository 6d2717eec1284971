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
    // The counts as typed in the dimensions dialog.
    std::string strOriginCountText;
    std::string strDestinationCountText;
};

}  // namespace qv
