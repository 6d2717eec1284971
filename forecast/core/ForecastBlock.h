#pragma once
// Forecasting block of the shared state: the time series, the method dialog's choice
// and parameter texts, and what the last solve left for the window and the report.
#include <string>

#include "platform/core/Array.h"
#include "platform/core/Value.h"

namespace qv {

struct ForecastBlock {
    static constexpr int kMaxPeriods = 100;
    static constexpr int kSeriesUpper = 112;  // room behind the observed periods
    static constexpr int kMaxSeasons = 12;
    static constexpr int kMaxFuturePeriods = 12;

    int intPeriodCount = 0;
    // Period t in element (t, 1); indexes 0..112 by 0..1.
    pf::Array2<pf::Value> dblTimeSeries;

    // The method dialog: code 1 moving averages, 2 exponential smoothing, 3 trend
    // projection, 4 trend and seasonal; the parameter texts as accepted.
    int intForecastMethod = 0;
    std::string strMethodParameter;
    std::string strFuturePeriods;

    // Results. The tables are re-created empty at every solve (0..112, 0..12); the
    // single values keep an earlier solve's until a method writes them.
    pf::Array<pf::Value> dblForecasts;
    pf::Array<pf::Value> dblForecastErrors;
    pf::Array<pf::Value> dblSeasonalIndexes;
    pf::Value dblMeanSquareError;
    pf::Value dblNextForecast;
    pf::Value dblTrendIntercept;
    pf::Value dblTrendSlope;
    int intSeasonCount = 0;
    std::string strZeroSeasonalIndex;
    // Leading periods without a forecast (the short rows of the period table).
    int intLeadingPeriods = 0;
    // Counter of the future-period loops of the solve and the report; no meaning after.
    int intFuturePeriod = 0;
};

}  // namespace qv
