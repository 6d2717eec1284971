#pragma once
// PERT/CPM block of the shared state. Activity tables have indexes 0..25 and are used
// from 1; a predecessor always has a smaller activity number than its activity.
#include <string>

#include "platform/core/Array.h"
#include "platform/core/Value.h"

namespace qv {

struct PertBlock {
    static constexpr int kMaxActivities = 25;

    int intActivityCount = 0;
    pf::Value intTimeEstimateMode;      // 1 one known time, 2 three estimates
    pf::Value intExpectedTimeDecimals;  // decimals of the computed expected times
    pf::Array<pf::Value> intPredecessorCounts;
    // (i, k), k = 1..count(i): activity number of the k-th immediate predecessor of i.
    pf::Array2<pf::Value> intPredecessorMatrix;
    pf::Array<pf::Value> dblExpectedTimes;  // the known time (mode 1) or (a + 4m + b) / 6
    pf::Array<pf::Value> dblOptimisticTimes;
    pf::Array<pf::Value> dblMostProbableTimes;
    pf::Array<pf::Value> dblPessimisticTimes;
    pf::Array<pf::Value> dblTimeVariances;
    // Activity names, indexes 0..25: "A" to "Y" from 1, filled by the grid window's Load.
    pf::Array<std::string> strActivityLetters;

    // The schedule of the last solve.
    pf::Array<pf::Value> dblEarliestStarts;
    pf::Array<pf::Value> dblEarliestFinishes;
    pf::Array<pf::Value> dblLatestStarts;
    pf::Array<pf::Value> dblLatestFinishes;
    pf::Array<pf::Value> dblSlacks;
    pf::Array<std::string> strCriticalFlags;      // "YES" for zero slack, else " "
    pf::Array<std::string> strCriticalPathFlags;  // "YES" on the traced critical path, else " "
    pf::Value dblCompletionTime;                  // rounded to 2 decimals once shown

    // The activity selected in the activity window (1..n).
    int intCurrentActivity = 0;
};

}  // namespace qv
