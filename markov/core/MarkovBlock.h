#pragma once
// Markov-process block of the shared state. Tables have indexes 0..10 (0..10 by 0..10)
// whatever the number of states and are used from 1. The absorption probabilities use
// the shared dblProbabilityTable.
#include <string>

#include "platform/core/Array.h"
#include "platform/core/Value.h"

namespace qv {

struct MarkovBlock {
    static constexpr int kMaxStates = 10;

    pf::Value intStateCount;
    pf::Array2<pf::Value> dblTransitionMatrix;   // (from state, to state)
    pf::Array2<std::string> strTransitionTexts;  // the entry as typed, per cell
};

}  // namespace qv
