#include "forecast/core/Forecasting.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "platform/core/Errors.h"
#include "platform/core/Format.h"

namespace QVForecasting {

namespace {

using qv::ForecastBlock;

constexpr const char* kTableHeader = "     TIME PERIOD     TIME SERIES VALUE     FORECAST     FORECAST ERROR";
constexpr const char* kTableRule = "     ===========     =================     ========     ==============";
constexpr const char* kEquationStart = "                 T  = ";
constexpr const char* kForecastStart = "     THE FORECAST FOR PERIOD ";

// 0, 1 or 2 decimal places; empty counts as 0, any other value as 2.
int decimalsOf(const pf::Value& d) {
    const double v = d.num();
    if (v == 0) return 0;
    if (v == 1) return 1;
    return 2;
}

// A number through a pattern in a field; a wider number is shown whole.
std::string field(double v, const char* pattern, int width) { return pf::RightAlignNumber(pf::Format(v, pattern), width); }

std::string rightAligned(int n, int width) { return pf::RightAlignNumber(pf::PlainNumber(n), width); }

// One row of the period table, the same in the window and in the report: period and
// value, and for a period after the leading ones its forecast and error.
std::string periodRow(const ForecastBlock& fc, int t, int decimals) {
    const double value = fc.dblTimeSeries(t, 1).num();
    const bool full = t > fc.intLeadingPeriods;
    const double forecast = full ? fc.dblForecasts(t).num() : 0;
    const double error = full ? fc.dblForecastErrors(t).num() : 0;
    std::string row = pf::Spaces(9) + rightAligned(t, 3);
    switch (decimals) {
        case 0:
            row += pf::Spaces(8) + field(value, "###,###,##0", 11);
            if (full)
                row += pf::Spaces(9) + field(forecast, "###,##0.00", 10) + pf::Spaces(7) +
                       field(error, "###,##0.00", 10);
            break;
        case 1:
            row += field(value, "###,###,##0.0", 21);
            if (full) row += field(forecast, "###,##0.00", 18) + field(error, "###,##0.00", 17);
            break;
        default:
            row += field(value, "###,###,##0.00", 20);
            if (full) row += field(forecast, "###,##0.00", 18) + field(error, "###,##0.00", 17);
            break;
    }
    return row;
}

// Blanks after a period number in the forecast lines: fewer as the number grows.
std::string blanksAfterPeriod(int period, int base) {
    return pf::Spaces(period < 10 ? base : period <= 99 ? base - 1 : base - 2);
}

std::string countIn2(int n) { return pf::RightAlignNumber(pf::PlainNumber(n), 2); }

// ---------------------------------------------------------------- window lines

class WindowLines {
public:
    WindowLines(ForecastBlock& fc, int decimals) : fc_(fc), decimals_(decimals) {
        lines_.push_back("Forecasting Solution");
    }
    void add(const std::string& line) { lines_.push_back(line); }

    // Also fixes the leading periods without a forecast by the method code.
    void periodTable() {
        add("");
        switch (fc_.intForecastMethod) {
            case 1:
                add("FORECASTING WITH MOVING AVERAGES");
                add("********************************");
                break;
            case 2:
                add("FORECASTING WITH EXPONENTIAL SMOOTHING");
                add("**************************************");
                fc_.intLeadingPeriods = 1;
                break;
            default:
                fc_.intLeadingPeriods = 0;
                break;
        }
        add("");
        add(kTableHeader);
        add(kTableRule);
        add("");
        for (int t = 1; t <= fc_.intPeriodCount; ++t) add(periodRow(fc_, t, decimals_));
    }
    void meanSquareError() {
        add("     THE MEAN SQUARE ERROR       " + field(fc_.dblMeanSquareError.num(), "#,########0.00", 14));
    }
    void nextPeriod() {
        const int n = fc_.intPeriodCount + 1;
        add(kForecastStart + pf::PlainNumber(n) + blanksAfterPeriod(n, 4) +
            field(fc_.dblNextForecast.num(), "#######0.00", 13));
    }
    // The trend methods' end: the table, the mean square error and the forecasts of
    // the n periods after the series.
    void tableAndFuturePeriods(int n, const std::function<double(int)>& forecast) {
        periodTable();
        add("");
        meanSquareError();
        add("");
        for (int j = 1; j <= n; ++j) {
            fc_.intFuturePeriod = j;
            const int t = fc_.intPeriodCount + j;
            add(kForecastStart + pf::PlainNumber(t) + blanksAfterPeriod(t, 6) + field(forecast(t), "#######0.00", 11));
        }
    }
    std::vector<std::string> take() { return std::move(lines_); }

private:
    ForecastBlock& fc_;
    int decimals_;
    std::vector<std::string> lines_;
};

// ---------------------------------------------------------------- computations

// The table of moving averages of length k: MA(i) for i = 1..T - k + 1.
std::vector<double> movingAverages(const Series& y, int periods, int k) {
    std::vector<double> ma(ForecastBlock::kSeriesUpper + 1, 0.0);
    for (int i = 1; i <= periods - k + 1; ++i) {
        double sum = 0;
        for (int j = i; j <= i + k - 1; ++j) sum = sum + y[static_cast<std::size_t>(j)];
        ma[static_cast<std::size_t>(i)] = sum / k;
    }
    return ma;
}

int periodsOf(const ForecastBlock& fc, const Series& y) {
    const int periods = fc.intPeriodCount;
    if (periods < 1 || periods > ForecastBlock::kMaxPeriods || y.size() < static_cast<std::size_t>(periods) + 1)
        return 0;
    return periods;
}

void dimensionResults(ForecastBlock& fc) {
    if (!fc.dblForecasts.dimensioned()) fc.dblForecasts.ReDim(ForecastBlock::kSeriesUpper);
    if (!fc.dblForecastErrors.dimensioned()) fc.dblForecastErrors.ReDim(ForecastBlock::kSeriesUpper);
    if (!fc.dblSeasonalIndexes.dimensioned()) fc.dblSeasonalIndexes.ReDim(ForecastBlock::kMaxSeasons);
}

bool wholeParameter(const std::string& text, int& n) {
    double v = 0;
    if (!ParameterValue(text, v) || v != std::floor(v) || std::fabs(v) > 1e6) return false;
    n = static_cast<int>(v);
    return true;
}

}  // namespace

bool ParameterValue(const std::string& text, double& v) { return pf::TryValText(text, v); }

TrendLine LeastSquares(const Series& x, int periods) {
    double st = 0, sx = 0, stt = 0, stx = 0;
    for (int t = 1; t <= periods; ++t) {
        const double xt = x[static_cast<std::size_t>(t)];
        st = st + t;
        sx = sx + xt;
        stt = stt + static_cast<double>(t) * t;
        stx = stx + t * xt;
    }
    const double sxy = stx - st * sx / periods;
    const double sxx = stt - st * st / periods;
    const double tbar = st / periods;
    const double xbar = sx / periods;
    TrendLine line;
    line.b1 = sxy / sxx;
    line.b0 = xbar - line.b1 * tbar;
    return line;
}

double RoundTrendCoefficient(double v) { return std::floor(v * 1000 + 0.5) / 1000; }

int SeasonOf(int t, int seasons) {
    const int q = t - (t / seasons) * seasons;
    return q == 0 ? seasons : q;
}

MethodStatus MovingAverages(ForecastBlock& fc, const Series& y, int k) {
    const int periods = periodsOf(fc, y);
    if (periods < 2 || k < 1 || k > periods - 1) return MethodStatus::Refused;
    dimensionResults(fc);
    fc.intLeadingPeriods = k;
    const std::vector<double> ma = movingAverages(y, periods, k);
    double sse = 0;
    for (int t = k + 1; t <= periods; ++t) {
        const double f = ma[static_cast<std::size_t>(t - k)];
        const double e = y[static_cast<std::size_t>(t)] - f;
        fc.dblForecasts(t) = f;
        fc.dblForecastErrors(t) = e;
        sse = sse + e * e;
    }
    fc.dblMeanSquareError = sse / (periods - k);
    fc.dblNextForecast = ma[static_cast<std::size_t>(periods - k + 1)];
    return MethodStatus::Solved;
}

MethodStatus ExponentialSmoothing(ForecastBlock& fc, const Series& y, double a) {
    const int periods = periodsOf(fc, y);
    if (periods < 1 || !std::isfinite(a)) return MethodStatus::Refused;
    dimensionResults(fc);
    fc.dblForecasts(1) = y[1];
    double sse = 0;
    for (int t = 1; t <= periods - 1; ++t) {
        const double f = a * y[static_cast<std::size_t>(t)] + (1 - a) * fc.dblForecasts(t).num();
        const double e = y[static_cast<std::size_t>(t) + 1] - f;
        fc.dblForecasts(t + 1) = f;
        fc.dblForecastErrors(t + 1) = e;
        sse = sse + e * e;
    }
    fc.dblMeanSquareError = sse / (periods == 1 ? 1 : periods - 1);
    fc.dblNextForecast = a * y[static_cast<std::size_t>(periods)] + (1 - a) * fc.dblForecasts(periods).num();
    return MethodStatus::Solved;
}

MethodStatus TrendProjection(ForecastBlock& fc, const Series& y) {
    const int periods = periodsOf(fc, y);
    if (periods < 2) return MethodStatus::Refused;
    dimensionResults(fc);
    const TrendLine line = LeastSquares(y, periods);
    const double b0 = RoundTrendCoefficient(line.b0);
    const double b1 = RoundTrendCoefficient(line.b1);
    fc.dblTrendIntercept = b0;
    fc.dblTrendSlope = b1;
    double sse = 0;
    for (int t = 1; t <= periods; ++t) {
        const double f = b0 + b1 * t;
        const double e = y[static_cast<std::size_t>(t)] - f;
        fc.dblForecasts(t) = f;
        fc.dblForecastErrors(t) = e;
        sse = sse + e * e;
    }
    fc.dblMeanSquareError = sse / periods;
    return MethodStatus::Solved;
}

MethodStatus TrendAndSeasonal(ForecastBlock& fc, const Series& y, int seasons, int futurePeriods) {
    const int periods = periodsOf(fc, y);
    const int s = seasons;
    if (periods < 2 || s < 1 || s > ForecastBlock::kMaxSeasons || 2 * s > periods || futurePeriods > s)
        return MethodStatus::Refused;
    dimensionResults(fc);
    const std::size_t size = ForecastBlock::kSeriesUpper + 1;
    const std::vector<double> ma = movingAverages(y, periods, s);
    std::vector<double> cma(size, 0.0), ratio(size, 0.0);
    if (s % 2 == 1) {
        for (int i = 1; i <= periods - s + 1; ++i)
            cma[static_cast<std::size_t>(i + (s - 1) / 2)] = ma[static_cast<std::size_t>(i)];
    } else {
        for (int i = 1; i <= periods - s; ++i)
            cma[static_cast<std::size_t>(i + s / 2)] =
                (ma[static_cast<std::size_t>(i)] + ma[static_cast<std::size_t>(i) + 1]) / 2;
    }
    for (int t = 1; t <= periods; ++t) {
        const auto i = static_cast<std::size_t>(t);
        if (cma[i] != 0) ratio[i] = y[i] / cma[i];
    }
    const int first = s % 2 == 1 ? 1 + (s - 1) / 2 : 1 + s / 2;
    const int last = s % 2 == 1 ? (periods - s + 1) + (s - 1) / 2 : (periods - s) + s / 2;

    // Raw indexes: the mean ratio of each season over the centred periods.
    std::vector<double> index(static_cast<std::size_t>(ForecastBlock::kMaxSeasons) + 1, 0.0);
    double total = 0;
    for (int j = 1; j <= s; ++j) {
        double acc = 0;
        int count = 0;
        for (int t = j; t <= last; t += s) {
            if (t < first) continue;
            acc = acc + ratio[static_cast<std::size_t>(t)];
            ++count;
        }
        index[static_cast<std::size_t>(j)] = acc / count;
        total = total + index[static_cast<std::size_t>(j)];
    }
    // Scaling divides by their sum; a sum of 0 leaves no seasonal pattern to remove.
    if (total == 0) return MethodStatus::IndexesSumToZero;
    fc.intSeasonCount = s;
    fc.intLeadingPeriods = s;
    fc.strZeroSeasonalIndex = "NO";
    const double factor = s / total;
    bool zero = false;
    for (int j = 1; j <= s; ++j) {
        const double scaled = index[static_cast<std::size_t>(j)] * factor;
        fc.dblSeasonalIndexes(j) = scaled;
        if (scaled == 0) zero = true;
    }
    if (zero) {
        fc.strZeroSeasonalIndex = "YES";
        return MethodStatus::ZeroSeasonalIndex;
    }

    Series deseasonalised(size, 0.0);
    for (int t = 1; t <= periods; ++t)
        deseasonalised[static_cast<std::size_t>(t)] =
            y[static_cast<std::size_t>(t)] / fc.dblSeasonalIndexes(SeasonOf(t, s)).num();
    const TrendLine line = LeastSquares(deseasonalised, periods);
    fc.dblTrendIntercept = line.b0;
    fc.dblTrendSlope = line.b1;
    double sse = 0;
    for (int t = 1; t <= periods; ++t) {
        const double f = fc.dblSeasonalIndexes(SeasonOf(t, s)).num() * (line.b0 + line.b1 * t);
        const double e = y[static_cast<std::size_t>(t)] - f;
        fc.dblForecasts(t) = f;
        fc.dblForecastErrors(t) = e;
        sse = sse + e * e;
    }
    fc.dblMeanSquareError = sse / periods;
    for (int j = 1; j <= futurePeriods; ++j) {
        const int t = periods + j;
        fc.intFuturePeriod = j;
        fc.dblForecasts(t) = fc.dblSeasonalIndexes(SeasonOf(t, s)).num() * (line.b0 + line.b1 * t);
    }
    return MethodStatus::Solved;
}

std::string ZeroIndexMessage(int seasons, int zeros) {
    if (zeros > 1)
        return countIn2(zeros) +
               " seasonal indexes are zero.  The data cannot be deseasonalized for these seasons.  We suggest that "
               "you remove these seasons from your time series and develop forecasts based on the " +
               countIn2(seasons - zeros) + " nonzero seasons.";
    return "1 seasonal index is zero.  The data cannot be deseasonalized for this season.  We suggest that you "
           "remove this seasons from your time series and develop forecasts based on the " +
           countIn2(seasons - zeros) + " nonzero seasons.";
}

SolveOutcome SolveMethod(ForecastBlock& fc, const pf::Value& decimalPlaces) {
    SolveOutcome out;
    const int method = fc.intForecastMethod;
    if (method < 1 || method > 4) return out;
    dimensionResults(fc);
    const int periods = std::clamp(fc.intPeriodCount, 0, ForecastBlock::kMaxPeriods);
    Series y(ForecastBlock::kSeriesUpper + 1, 0.0);
    for (int t = 1; t <= periods; ++t) y[static_cast<std::size_t>(t)] = fc.dblTimeSeries(t, 1).num();

    WindowLines w(fc, decimalsOf(decimalPlaces));
    auto refused = [&out] {
        out.status = MethodStatus::Refused;
        return out;
    };
    switch (method) {
        case 1:
        case 2: {
            int k = 0;
            double a = 0;
            const bool solved =
                method == 1 ? wholeParameter(fc.strMethodParameter, k) && MovingAverages(fc, y, k) == MethodStatus::Solved
                            : ParameterValue(fc.strMethodParameter, a) &&
                                  ExponentialSmoothing(fc, y, a) == MethodStatus::Solved;
            if (!solved) return refused();
            w.periodTable();
            w.add("");
            w.meanSquareError();
            w.nextPeriod();
            break;
        }
        case 3: {
            int n = 0;
            if (!wholeParameter(fc.strFuturePeriods, n) || n > ForecastBlock::kMaxFuturePeriods ||
                TrendProjection(fc, y) != MethodStatus::Solved)
                return refused();
            const double b0 = fc.dblTrendIntercept.num(), b1 = fc.dblTrendSlope.num();
            for (const char* l : {"", "FORECASTING WITH LINEAR TREND", "*****************************", "",
                                  "THE LINEAR TREND EQUATION:", ""})
                w.add(l);
            w.add(kEquationStart + pf::PlainNumber(b0) + (b1 < 0 ? " - " + pf::PlainNumber(-b1)
                                                                 : " + " + pf::PlainNumber(b1)) +
                  "t");
            w.add("          where  T  =  trend value of the time series in period t");
            w.tableAndFuturePeriods(n, [b0, b1](int t) { return b0 + b1 * t; });
            break;
        }
        case 4: {
            int s = 0, p = 0;
            if (!wholeParameter(fc.strMethodParameter, s) || !wholeParameter(fc.strFuturePeriods, p))
                return refused();
            const MethodStatus status = TrendAndSeasonal(fc, y, s, p);
            if (status == MethodStatus::Refused || status == MethodStatus::IndexesSumToZero) {
                out.status = status;
                return out;
            }
            for (const char* l : {"", "FORECASTING WITH TREND AND SEASONAL COMPONENTS",
                                  "**********************************************", ""})
                w.add(l);
            w.add(pf::Spaces(10) + "SEASON     SEASONAL INDEX");
            w.add(pf::Spaces(10) + "======     ==============");
            int zeros = 0;
            for (int j = 1; j <= s; ++j) {
                const double index = fc.dblSeasonalIndexes(j).num();
                w.add(pf::Spaces(11) + rightAligned(j, 3) + pf::Spaces(4) + field(index, "#####,##0.000", 13));
                if (index == 0) ++zeros;
            }
            if (status == MethodStatus::ZeroSeasonalIndex) {
                w.add("");
                out.status = status;
                out.warning = ZeroIndexMessage(s, zeros);
                break;
            }
            w.tableAndFuturePeriods(p, [&fc](int t) { return fc.dblForecasts(t).num(); });
            break;
        }
        default:
            break;
    }
    out.lines = w.take();
    return out;
}

// ---------------------------------------------------------------- report

namespace {

void reportTable(const ForecastBlock& fc, int decimals, pf::ReportSink& out) {
    out.line(kTableHeader);
    out.line(kTableRule);
    out.line("");
    for (int t = 1; t <= fc.intPeriodCount; ++t) out.line(periodRow(fc, t, decimals));
}

void reportMeanSquareError(const ForecastBlock& fc, pf::ReportSink& out) {
    out.line("     THE MEAN SQUARE ERROR     " + field(fc.dblMeanSquareError.num(), "#,########0.00", 14));
}

void reportForecast(int period, double v, pf::ReportSink& out) {
    out.line(kForecastStart + std::to_string(period) + blanksAfterPeriod(period, 4) + field(v, "#######0.00", 11));
}

void blankLines(int n, pf::ReportSink& out) {
    for (int i = 0; i < n; ++i) out.line("");
}

void reportZeroIndexWarning(const ForecastBlock& fc, pf::ReportSink& out) {
    const int s = fc.intSeasonCount;
    int zeros = 0;
    for (int j = 1; j <= s && j <= ForecastBlock::kMaxSeasons; ++j)
        if (fc.dblSeasonalIndexes(j).num() == 0) ++zeros;
    if (zeros > 1) {
        out.line("     WARNING:  " + countIn2(zeros) + " seasonal indexes are zero.  The data cannot be");
        out.line("     deseasonalized for these seasons.  We suggest that you remove ");
        out.line("     these seasons from your time series and develop forecasts based");
        out.line("     on the " + countIn2(s - zeros) + " nonzero seasons.");
    } else {
        out.line("     WARNING:  1 seasonal index is zero.  The data cannot be");
        out.line("     deseasonalized for this season.  We suggest that you remove ");
        out.line("     this seasons from your time series and develop forecasts based");
        out.line("     on the " + countIn2(s - 1) + " nonzero seasons.");
    }
    out.newPage();
}

// The number of future periods as the dialog left it, within what the tables hold.
int futurePeriodsOf(const ForecastBlock& fc) {
    double n = 0;
    if (!ParameterValue(fc.strFuturePeriods, n)) return 0;
    return static_cast<int>(std::clamp(std::floor(n), 0.0,
                                       static_cast<double>(ForecastBlock::kSeriesUpper - fc.intPeriodCount)));
}

// The trend methods' end: the table, the mean square error and, with no blank line
// between, the forecasts of the periods after the series.
void reportTableAndFuturePeriods(ForecastBlock& fc, int decimals, const std::function<double(int)>& forecast,
                                 pf::ReportSink& out) {
    reportTable(fc, decimals, out);
    blankLines(3, out);
    reportMeanSquareError(fc, out);
    const int n = futurePeriodsOf(fc);
    for (int i = 1; i <= n; ++i) {
        fc.intFuturePeriod = i;
        reportForecast(fc.intPeriodCount + i, forecast(fc.intPeriodCount + i), out);
    }
}

}  // namespace

void PrintForecastingSolution(ForecastBlock& fc, const pf::Value& decimalPlaces, pf::ReportSink& out) {
    const int decimals = decimalsOf(decimalPlaces);
    const int periods = fc.intPeriodCount;
    double parameter = 0;
    switch (fc.intForecastMethod) {
        case 1:
        case 2: {
            ParameterValue(fc.strMethodParameter, parameter);
            const bool averages = fc.intForecastMethod == 1;
            out.line("");
            out.line(averages ? "     FORECASTING WITH MOVING AVERAGES" : "     FORECASTING WITH EXPONENTIAL SMOOTHING");
            out.line(averages ? "     ********************************" : "     **************************************");
            out.line("");
            out.line(averages ? "     THE MOVING AVERAGE USES" + pf::PrintedNumber(parameter) + "TIME PERIODS"
                              : "     THE SMOOTHING CONSTANT IS" + pf::PrintedNumber(parameter));
            blankLines(3, out);
            reportTable(fc, decimals, out);
            blankLines(3, out);
            reportMeanSquareError(fc, out);
            blankLines(2, out);
            reportForecast(periods + 1, fc.dblNextForecast.num(), out);
            break;
        }
        case 3: {
            const double b0 = fc.dblTrendIntercept.num(), b1 = fc.dblTrendSlope.num();
            out.line("");
            out.line("     FORECASTING WITH LINEAR TREND");
            out.line("     *****************************");
            out.line("");
            out.line("     THE LINEAR TREND EQUATION:");
            blankLines(2, out);
            out.line(kEquationStart + pf::PrintedNumber(b0) +
                     (b1 < 0 ? " - " + pf::PrintedNumber(-b1) : " + " + pf::PrintedNumber(b1)) + "t");
            out.line("");
            out.line("          where  T  =  trend value of the time series in period t");
            blankLines(3, out);
            reportTableAndFuturePeriods(fc, decimals, [b0, b1](int t) { return b0 + b1 * t; }, out);
            break;
        }
        case 4: {
            out.line("");
            out.line("    FORECASTING WITH TREND AND SEASONAL COMPONENTS");
            out.line("    **********************************************");
            blankLines(2, out);
            out.line("            SEASON      SEASONAL INDEX");
            out.line("            ------      --------------");
            out.line("");
            for (int j = 1; j <= fc.intSeasonCount && j <= ForecastBlock::kMaxSeasons; ++j)
                out.line(field(j, "###0", 16) + field(fc.dblSeasonalIndexes(j).num(), "#0.000", 19));
            blankLines(3, out);
            if (fc.strZeroSeasonalIndex == "YES") {
                reportZeroIndexWarning(fc, out);
                break;
            }
            reportTableAndFuturePeriods(fc, decimals, [&fc](int t) { return fc.dblForecasts(t).num(); }, out);
            break;
        }
        default:
            break;
    }
}

}  // namespace QVForecasting
