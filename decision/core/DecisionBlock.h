#pragma once
// Decision-analysis block of the shared state. Tables have indexes 0..10 (0..10 by
// 0..10) whatever the counts and are used from 1; every element is empty until set.
#include <string>

#include "platform/core/Array.h"
#include "platform/core/Value.h"

namespace qv {

struct DecisionBlock {
    static constexpr int kMaxAlternatives = 10;
    static constexpr int kMaxNatureStates = 10;
    static constexpr int kMaxIndicators = 10;
    static constexpr int kTableUpper = 10;

    DecisionBlock() {
        for (auto* t : {&intNatureStateLabels, &intAlternativeLabels, &intIndicatorLabels, &dblStateProbabilities,
                        &intRecommendedFlags, &dblCriterionValues, &dblIndicatorProbabilities,
                        &dblBestValuesGivenIndicator, &intBestAlternativesGivenIndicator})
            t->ReDim(kTableUpper);
        for (auto* t : {&dblPayoffTable, &dblSignedPayoffs, &dblIndicatorGivenStateTable})
            t->ReDim(kTableUpper, kTableUpper);
    }

    // Counts are kept across problems; only the features dialog and the reader set them.
    int intAlternativeCount = 0;
    int intNatureStateCount = 0;
    int intIndicatorCount = 0;
    // 1/0 twins of the YES/NO flags, the ones the problem file keeps. A strategy is
    // requested only together with state probabilities.
    pf::Value intStateProbsFlag;
    pf::Value intStrategyFlag;
    std::string strStateProbsGiven;
    std::string strStrategyRequested;

    pf::Array2<pf::Value> dblPayoffTable;     // (alternative, state of nature), as entered
    pf::Array2<pf::Value> dblSignedPayoffs;   // payoffs in maximize form
    pf::Array<pf::Value> dblStateProbabilities;
    pf::Array2<pf::Value> dblIndicatorGivenStateTable;  // (state of nature, indicator)

    // The numbers alternatives, states and outcomes are shown by.
    pf::Array<pf::Value> intAlternativeLabels;
    pf::Array<pf::Value> intNatureStateLabels;
    pf::Array<pf::Value> intIndicatorLabels;

    // ---- results of the last solve
    // 1 optimistic, 2 conservative, 3 minimax regret, 4 expected value.
    int intDecisionCriterion = 0;
    pf::Array<pf::Value> intRecommendedFlags;  // 1 recommended, 0 not
    pf::Array<pf::Value> dblCriterionValues;
    double dblPerfectInfoValue = 0;
    pf::Array<pf::Value> dblIndicatorProbabilities;
    pf::Array<pf::Value> dblBestValuesGivenIndicator;  // maximize form
    pf::Array<pf::Value> intBestAlternativesGivenIndicator;
    double dblStrategyValue = 0;
    double dblSampleInfoValue = 0;
    double dblSampleInfoEfficiency = 0;
};

}  // namespace qv
