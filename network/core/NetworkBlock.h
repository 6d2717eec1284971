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

    // Arc a (1..intArcCount): start node, end node, distance. Indexes 0..40 by 0..3.
    pf::Array2<std::int32_t> lngNetworkArcs;
};

}  // namespace qv
