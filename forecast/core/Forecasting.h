#pragma once
// The four forecasting methods over a time series, the lines of their solution window
// and their report. Plain computation over the forecasting block: no windows.
//
// A series is passed as Y(0..T) with element 0 unused, as the periods are numbered.
// The methods write their results into the block, whose result tables must have been
// dimensioned (0..112 and 0..12); they refuse parameters that would index outside
// those tables or divide by zero instead of computing.
#include <string>
#include <vector>

#include "forecast/core/ForecastBlock.h"
#include "platform/core/Report.h"
#include "platform/core/Value.h"

namespace QVForecasting {

using Series = std::vector<double>;

enum class MethodStatus {
    Solved,
    ZeroSeasonalIndex,  // the seasonal method stopped after its index table
    IndexesSumToZero,   // the seasonal indexes cannot be scaled: nothing computed
    Refused,            // parameters outside what the method can take: nothing computed
};

// The number a parameter text stands for: its leading number (blanks skipped, an
// exponent read, a comma ends it). False when the digits do not fit a double.
bool ParameterValue(const std::string& text, double& v);

// Least-squares line through X(1..T) against t = 1..T; needs T >= 2.
struct TrendLine {
    double b0 = 0, b1 = 0;
};
TrendLine LeastSquares(const Series& x, int periods);

// Rounds half upwards to 3 decimals, as the trend projection shows its line.
double RoundTrendCoefficient(double v);

// Season of period t for s seasons: 1..s.
int SeasonOf(int t, int seasons);

// The methods. k: 1..T - 1; a: any (the dialog keeps it in 0..1); the trend needs
// T >= 2; seasons: 1..min(12, Int(T / 2)), future periods at most the seasons.
MethodStatus MovingAverages(qv::ForecastBlock& fc, const Series& y, int k);
MethodStatus ExponentialSmoothing(qv::ForecastBlock& fc, const Series& y, double a);
MethodStatus TrendProjection(qv::ForecastBlock& fc, const Series& y);
MethodStatus TrendAndSeasonal(qv::ForecastBlock& fc, const Series& y, int seasons, int futurePeriods);

// What a solve gives the window: the lines from "Forecasting Solution" on, and for a
// zero seasonal index the warning shown after them. A method code outside 1 to 4
// computes nothing and gives no lines.
struct SolveOutcome {
    MethodStatus status = MethodStatus::Solved;
    std::vector<std::string> lines;
    std::string warning;
};
// Solves the block's series by its method code and parameter texts. The result
// tables are dimensioned anew here when they are not yet.
SolveOutcome SolveMethod(qv::ForecastBlock& fc, const pf::Value& decimalPlaces);

inline constexpr const char* kIndexesSumToZero =
    "The seasonal indexes sum to zero.  The data cannot be deseasonalized.";
// The message box text for `zeros` seasonal indexes of 0 among `seasons`.
std::string ZeroIndexMessage(int seasons, int zeros);

// The report of the last solve, as the block holds it, to the printer or the file.
void PrintForecastingSolution(qv::ForecastBlock& fc, const pf::Value& decimalPlaces, pf::ReportSink& sink);

}  // namespace QVForecasting
