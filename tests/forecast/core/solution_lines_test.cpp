// The solution window's lines, exactly, for the worked examples: each line was counted
// by hand against the layouts (period rows of 31/67, 33/68 and 32/67 characters,
// forecast and mean-square-error lines of 47).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/forecast/core/forecast_fixture.h"

namespace {

using QVForecasting::MethodStatus;
using Lines = std::vector<std::string>;

const std::string kHeader = "     TIME PERIOD     TIME SERIES VALUE     FORECAST     FORECAST ERROR";
const std::string kRule = "     ===========     =================     ========     ==============";

TEST(ForecastWindow, WorkedExamplesLineByLine) {
    struct Case {
        const char* what;
        std::vector<double> y;
        int method;
        const char* parameter;
        const char* future;
        Lines lines;
    } cases[] = {
        {"moving averages, 10 12 14, k = 2", {10, 12, 14}, 1, "2", "",
         {"Forecasting Solution", "", "FORECASTING WITH MOVING AVERAGES", "********************************", "",
          kHeader, kRule, "",
          "           1                 10",
          "           2                 12",
          "           3                 14              11.00             3.00",
          "",
          "     THE MEAN SQUARE ERROR                 9.00",
          "     THE FORECAST FOR PERIOD 4            13.00"}},
        {"smoothing, 10 12 14, a = 0.5", {10, 12, 14}, 2, "0.5", "",
         {"Forecasting Solution", "", "FORECASTING WITH EXPONENTIAL SMOOTHING",
          "**************************************", "", kHeader, kRule, "",
          "           1                 10",
          "           2                 12              10.00             2.00",
          "           3                 14              11.00             3.00",
          "",
          "     THE MEAN SQUARE ERROR                 6.50",
          "     THE FORECAST FOR PERIOD 4            12.50"}},
        {"trend, 10 7 5, two periods ahead", {10, 7, 5}, 3, "", "2",
         {"Forecasting Solution", "", "FORECASTING WITH LINEAR TREND", "*****************************", "",
          "THE LINEAR TREND EQUATION:", "",
          "                 T  = 12.333 - 2.5t",
          "          where  T  =  trend value of the time series in period t",
          "", "", kHeader, kRule, "",
          "           1                 10               9.83             0.17",
          "           2                  7               7.33            -0.33",
          "           3                  5               4.83             0.17",
          "",
          "     THE MEAN SQUARE ERROR                 0.06",
          "",
          "     THE FORECAST FOR PERIOD 4             2.33",
          "     THE FORECAST FOR PERIOD 5            -0.17"}},
        {"trend, 2 4 6: a plus sign and a zero intercept", {2, 4, 6}, 3, "", "1",
         {"Forecasting Solution", "", "FORECASTING WITH LINEAR TREND", "*****************************", "",
          "THE LINEAR TREND EQUATION:", "",
          "                 T  = 0 + 2t",
          "          where  T  =  trend value of the time series in period t",
          "", "", kHeader, kRule, "",
          "           1                  2               2.00             0.00",
          "           2                  4               4.00             0.00",
          "           3                  6               6.00             0.00",
          "",
          "     THE MEAN SQUARE ERROR                 0.00",
          "",
          "     THE FORECAST FOR PERIOD 4             8.00"}},
        {"trend and seasonal, 10 20 12 22, s = 2, p = 2", {10, 20, 12, 22}, 4, "2", "2",
         {"Forecasting Solution", "", "FORECASTING WITH TREND AND SEASONAL COMPONENTS",
          "**********************************************", "",
          "          SEASON     SEASONAL INDEX",
          "          ======     ==============",
          "             1            0.721",
          "             2            1.279",
          "", "", kHeader, kRule, "",
          "           1                 10              10.23            -0.23",
          "           2                 20              19.55             0.45",
          "           3                 12              11.81             0.19",
          "           4                 22              22.37            -0.37",
          "",
          "     THE MEAN SQUARE ERROR                 0.11",
          "",
          "     THE FORECAST FOR PERIOD 5            13.40",
          "     THE FORECAST FOR PERIOD 6            25.18"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto fc = fctest::block(c.y);
        const auto out = fctest::solved(fc, c.method, c.parameter, c.future);
        EXPECT_EQ(out.status, MethodStatus::Solved);
        EXPECT_EQ(out.lines, c.lines);
        EXPECT_TRUE(out.warning.empty());
    }
    // No period ahead: the same window without its last two lines.
    auto fc = fctest::block({10, 20, 12, 22});
    const Lines ahead = fctest::solved(fc, 4, "2", "2").lines;
    EXPECT_EQ(fctest::solved(fc, 4, "2", "0").lines, Lines(ahead.begin(), ahead.end() - 2));
    EXPECT_EQ(ahead[ahead.size() - 3], "");
}

TEST(ForecastWindow, RowsByDecimalPlaces) {
    // Period 1 is a short row (k = 1), periods 2 and 3 full rows.
    struct Case {
        double decimals;
        Lines rows;
    } cases[] = {
        {0,
         {"           1                 11",
          "           2                 12              10.50             1.75",
          "           3                -14              12.25           -26.25"}},
        {1,
         {"           1                 10.5",
          "           2                 12.3             10.50             1.75",
          "           3                -14.0             12.25           -26.25"}},
        {2,
         {"           1               10.50",
          "           2               12.25             10.50             1.75",
          "           3              -14.00             12.25           -26.25"}},
        // Any other value counts as 2.
        {5,
         {"           1               10.50",
          "           2               12.25             10.50             1.75",
          "           3              -14.00             12.25           -26.25"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.decimals);
        auto fc = fctest::block({10.5, 12.25, -14});
        const auto out = fctest::solved(fc, 1, "1", "", c.decimals);
        ASSERT_GE(out.lines.size(), 11u);
        EXPECT_EQ(Lines(out.lines.begin() + 8, out.lines.begin() + 11), c.rows);
    }
    // An empty decimal places field counts as 0.
    auto fc = fctest::block({10.5, 12.25, -14});
    fc.intForecastMethod = 1;
    fc.strMethodParameter = "1";
    EXPECT_EQ(QVForecasting::SolveMethod(fc, pf::Value()).lines[8], "           1                 11");
}

TEST(ForecastWindow, ForecastLinesKeepTheirLengthFromPeriod9To100) {
    auto series = [](int periods) { return std::vector<double>(static_cast<std::size_t>(periods), 5.0); };
    struct Case {
        int periods, method;
        const char* future;
        Lines last;  // the last lines of the window
    } cases[] = {
        {8, 1, "", {"     THE FORECAST FOR PERIOD 9             5.00"}},
        {9, 1, "", {"     THE FORECAST FOR PERIOD 10            5.00"}},
        {98, 1, "", {"     THE FORECAST FOR PERIOD 99            5.00"}},
        {99, 1, "", {"     THE FORECAST FOR PERIOD 100           5.00"}},
        {8, 3, "1", {"     THE FORECAST FOR PERIOD 9             5.00"}},
        {98, 3, "2",
         {"     THE FORECAST FOR PERIOD 99            5.00", "     THE FORECAST FOR PERIOD 100           5.00"}},
        {100, 3, "12",
         {"     THE FORECAST FOR PERIOD 111           5.00", "     THE FORECAST FOR PERIOD 112           5.00"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.periods) + " periods, method " + std::to_string(c.method));
        auto fc = fctest::block(series(c.periods));
        const auto out = fctest::solved(fc, c.method, "1", c.future);
        ASSERT_GE(out.lines.size(), c.last.size());
        EXPECT_EQ(Lines(out.lines.end() - static_cast<long>(c.last.size()), out.lines.end()), c.last);
        for (const std::string& l : c.last) EXPECT_EQ(l.size(), 47u);
    }
}

TEST(ForecastWindow, WideNumbersAreShownWhole) {
    auto fc = fctest::block({12345678.9, 1});
    const auto out = fctest::solved(fc, 1, "1", "");
    EXPECT_EQ(out.lines[9], "           2                  1         12,345,678.90       -12,345,677.90");
    // 12345677.9 squared, at the 15 significant digits a pattern shows.
    EXPECT_EQ(out.lines[11], "     THE MEAN SQUARE ERROR       152,415,762,810,548.00");
}

TEST(ForecastWindow, ZeroSeasonalIndexStopsAfterTheIndexTable) {
    struct Case {
        std::vector<double> y;
        const char* seasons;
        Lines indexLines;
        const char* warning;
    } cases[] = {
        {{0, 10, 0, 10}, "2",
         {"             1            0.000", "             2            2.000"},
         "1 seasonal index is zero.  The data cannot be deseasonalized for this season.  We suggest that you remove "
         "this seasons from your time series and develop forecasts based on the  1 nonzero seasons."},
        {{0, 10, 0, 10, 0, 10, 0, 10}, "4",
         {"             1            0.000", "             2            2.000", "             3            0.000",
          "             4            2.000"},
         " 2 seasonal indexes are zero.  The data cannot be deseasonalized for these seasons.  We suggest that you "
         "remove these seasons from your time series and develop forecasts based on the  2 nonzero seasons."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seasons);
        auto fc = fctest::block(c.y);
        const auto out = fctest::solved(fc, 4, c.seasons, "1");
        EXPECT_EQ(out.status, MethodStatus::ZeroSeasonalIndex);
        Lines expected = {"Forecasting Solution", "", "FORECASTING WITH TREND AND SEASONAL COMPONENTS",
                          "**********************************************", "",
                          "          SEASON     SEASONAL INDEX", "          ======     =============="};
        expected.insert(expected.end(), c.indexLines.begin(), c.indexLines.end());
        expected.push_back("");
        EXPECT_EQ(out.lines, expected);
        EXPECT_EQ(out.warning, c.warning);
        EXPECT_EQ(fc.intLeadingPeriods, std::stoi(c.seasons));
    }
    // Indexes that sum to 0 give no window at all.
    auto zeros = fctest::block({0, 0, 0, 0});
    const auto out = fctest::solved(zeros, 4, "2", "1");
    EXPECT_EQ(out.status, MethodStatus::IndexesSumToZero);
    EXPECT_TRUE(out.lines.empty());
}

TEST(ForecastWindow, UnknownMethodComputesNothing) {
    auto fc = fctest::block({1, 2, 3});
    const auto out = fctest::solved(fc, 0, "2", "1");
    EXPECT_EQ(out.status, MethodStatus::Solved);
    EXPECT_TRUE(out.lines.empty());
    EXPECT_TRUE(fc.dblMeanSquareError.IsEmpty());
}

}  // namespace
