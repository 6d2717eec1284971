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
    pf::Array<int> intStateLabels;               // i for state i

    // Results of the last solve.
    pf::Array<double> dblStateDistribution;  // steady state, or the last iteration's vector
    pf::Array<double> dblNextDistribution;
    pf::Array<int> intAbsorbingStates;     // increasing; 0 beyond the count
    pf::Array<int> intNonabsorbingStates;  // increasing; 0 beyond the count
    int intAbsorbingCount = 0;
    int intNonabsorbingCount = 0;
    // Some result shown is the vector of the last pass of an iteration that never
    // settled and could not be computed exactly; the window and report say so.
    bool blnShowsUnsettledValues = false;
};

}  // namespace qv
