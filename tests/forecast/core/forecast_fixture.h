#pragma once
// A forecasting block holding a series, with its result tables made as a solve makes them.
#include <initializer_list>
#include <vector>

#include "forecast/core/Forecasting.h"

namespace fctest {

inline qv::ForecastBlock block(const std::vector<double>& values) {
    qv::ForecastBlock fc;
    fc.dblTimeSeries.ReDim(qv::ForecastBlock::kSeriesUpper, 1);
    fc.intPeriodCount = static_cast<int>(values.size());
    for (std::size_t t = 0; t < values.size(); ++t) fc.dblTimeSeries(static_cast<long>(t) + 1, 1) = values[t];
    fc.dblForecasts.ReDim(qv::ForecastBlock::kSeriesUpper);
    fc.dblForecastErrors.ReDim(qv::ForecastBlock::kSeriesUpper);
    fc.dblSeasonalIndexes.ReDim(qv::ForecastBlock::kMaxSeasons);
    return fc;
}

// Y(0..T) with element 0 unused.
inline QVForecasting::Series series(const std::vector<double>& values) {
    QVForecasting::Series y(1, 0.0);
    y.insert(y.end(), values.begin(), values.end());
    return y;
}

// The block solved by a method code and the dialog's texts.
inline QVForecasting::SolveOutcome solved(qv::ForecastBlock& fc, int method, const char* parameter,
                                          const char* future, double decimals = 0) {
    fc.intForecastMethod = method;
    fc.strMethodParameter = parameter;
    fc.strFuturePeriods = future;
    return QVForecasting::SolveMethod(fc, pf::Value(decimals));
}

}  // namespace fctest
