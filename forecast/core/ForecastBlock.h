#pragma once
// Forecasting block of the shared state.
#include "platform/core/Array.h"
#include "platform/core/Value.h"

namespace qv {

struct ForecastBlock {
    static constexpr int kMaxPeriods = 100;
    static constexpr int kSeriesUpper = 112;  // room behind the observed periods

    int intPeriodCount = 0;
    // Period t in element (t, 1); indexes 0..112 by 0..1.
    pf::Array2<pf::Value> dblTimeSeries;
};

}  // namespace qv
