#pragma once
// Decision-analysis block of the shared state. Tables have indexes 0..10 (0..10 by
// 0..10) whatever the counts and are used from 1.
#include <string>

#include "platform/core/Array.h"
#include "platform/core/Value.h"

namespace qv {

struct DecisionBlock {
    static constexpr int kMaxAlternatives = 10;
    static constexpr int kMaxNatureStates = 10;
    static constexpr int kMaxIndicators = 10;
    static constexpr int kTableUpper = 10;

    int intAlternativeCount = 0;
    int intNatureStateCount = 0;
    int intIndicatorCount = 0;
    // 1/0 twins of the YES/NO flags, the ones the problem file keeps.
    pf::Value intStateProbsFlag;
    pf::Value intStrategyFlag;
    std::string strStateProbsGiven;
    std::string strStrategyRequested;

    pf::Array2<pf::Value> dblPayoffTable;     // (alternative, state of nature)
    pf::Array2<pf::Value> dblSignedPayoffs;   // payoffs in maximize form
    pf::Array<pf::Value> dblStateProbabilities;
    pf::Array2<pf::Value> dblIndicatorGivenStateTable;  // (state of nature, indicator)
};

}  // namespace qv
