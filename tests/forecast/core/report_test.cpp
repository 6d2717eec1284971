// The forecasting report, line by line, to the text file and to the printer: each
// expected line was laid out by hand from the report's literals and fields.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/forecast/core/forecast_fixture.h"

namespace {

using Lines = std::vector<std::string>;

const std::string kHeader = "     TIME PERIOD     TIME SERIES VALUE     FORECAST     FORECAST ERROR";
const std::string kRule = "     ===========     =================     ========     ==============";

// The text file's lines (CR LF ended; a form feed shows as "\f").
Lines fileLines(qv::ForecastBlock& fc, double decimals = 0) {
    pf::TextReportSink file;
    QVForecasting::PrintForecastingSolution(fc, pf::Value(decimals), file);
    const std::string text = file.contents();
    Lines lines;
    std::size_t p = 0;
    while (p < text.size()) {
        const std::size_t e = text.find("\r\n", p);
        EXPECT_NE(e, std::string::npos) << "line without CR LF";
        if (e == std::string::npos) break;
        lines.push_back(text.substr(p, e - p));
        p = e + 2;
    }
    return lines;
}

std::vector<Lines> printedPages(qv::ForecastBlock& fc, double decimals = 0) {
    pf::RecordingReportSink printer;
    QVForecasting::PrintForecastingSolution(fc, pf::Value(decimals), printer);
    printer.finish();
    return printer.pages();
}

TEST(ForecastReport, MovingAveragesAndSmoothing) {
    auto fc = fctest::block({10, 12, 14});
    fctest::solved(fc, 1, "2", "");
    const Lines averages = {"",
                            "     FORECASTING WITH MOVING AVERAGES",
                            "     ********************************",
                            "",
                            "     THE MOVING AVERAGE USES 2 TIME PERIODS",
                            "", "", "",
                            kHeader, kRule, "",
                            "           1                 10",
                            "           2                 12",
                            "           3                 14              11.00             3.00",
                            "", "", "",
                            "     THE MEAN SQUARE ERROR               9.00",
                            "", "",
                            "     THE FORECAST FOR PERIOD 4          13.00"};
    EXPECT_EQ(fileLines(fc), averages);
    EXPECT_EQ(printedPages(fc), std::vector<Lines>{averages});

    auto es = fctest::block({10, 12, 14});
    fctest::solved(es, 2, "0.50", "");
    const Lines smoothing = fileLines(es);
    ASSERT_EQ(smoothing.size(), 21u);
    EXPECT_EQ(smoothing[1], "     FORECASTING WITH EXPONENTIAL SMOOTHING");
    EXPECT_EQ(smoothing[2], "     **************************************");
    EXPECT_EQ(smoothing[4], "     THE SMOOTHING CONSTANT IS .5 ");
    EXPECT_EQ(smoothing[11], "           1                 10");
    EXPECT_EQ(smoothing[12], "           2                 12              10.00             2.00");
    EXPECT_EQ(smoothing[17], "     THE MEAN SQUARE ERROR               6.50");
    EXPECT_EQ(smoothing[20], "     THE FORECAST FOR PERIOD 4          12.50");
}

TEST(ForecastReport, TrendProjection) {
    auto fc = fctest::block({10, 7, 5});
    fctest::solved(fc, 3, "", "2");
    const Lines trend = {"",
                         "     FORECASTING WITH LINEAR TREND",
                         "     *****************************",
                         "",
                         "     THE LINEAR TREND EQUATION:",
                         "", "",
                         "                 T  =  12.333  -  2.5 t",
                         "",
                         "          where  T  =  trend value of the time series in period t",
                         "", "", "",
                         kHeader, kRule, "",
                         "           1                 10               9.83             0.17",
                         "           2                  7               7.33            -0.33",
                         "           3                  5               4.83             0.17",
                         "", "", "",
                         "     THE MEAN SQUARE ERROR               0.06",
                         "     THE FORECAST FOR PERIOD 4           2.33",
                         "     THE FORECAST FOR PERIOD 5          -0.17"};
    EXPECT_EQ(fileLines(fc), trend);

    // The equation's printed numbers: a blank before a number that is not negative,
    // no 0 before the point.
    struct Case {
        std::vector<double> y;
        const char* equation;
    } cases[] = {
        {{2, 4, 6}, "                 T  =  0  +  2 t"},
        {{-1.25, -1, -0.75, -0.5}, "                 T  = -1.5  +  .25 t"},
    };
    for (const Case& c : cases) {
        auto f = fctest::block(c.y);
        fctest::solved(f, 3, "", "1");
        EXPECT_EQ(fileLines(f)[7], c.equation);
    }
}

TEST(ForecastReport, TwelvePeriodsBeyondAHundred) {
    std::vector<double> y;
    for (int t = 1; t <= 100; ++t) y.push_back(t);
    auto fc = fctest::block(y);
    fctest::solved(fc, 3, "", "12");
    const Lines lines = fileLines(fc);
    ASSERT_GE(lines.size(), 12u);
    for (int i = 0; i < 12; ++i) {
        const int period = 101 + i;
        char value[16];
        std::snprintf(value, sizeof value, "%11.2f", static_cast<double>(period));
        EXPECT_EQ(lines[lines.size() - 12 + static_cast<std::size_t>(i)],
                  "     THE FORECAST FOR PERIOD " + std::to_string(period) + "  " + value);
    }
    // More than 100 lines, and no page break of the report's own.
    EXPECT_GT(lines.size(), 100u);
    for (const std::string& l : lines) EXPECT_EQ(l.find('\f'), std::string::npos);
    EXPECT_EQ(printedPages(fc).size(), 1u);
}

TEST(ForecastReport, TrendAndSeasonal) {
    auto fc = fctest::block({10, 20, 12, 22});
    fctest::solved(fc, 4, "2", "2");
    const Lines seasonal = {"",
                            "    FORECASTING WITH TREND AND SEASONAL COMPONENTS",
                            "    **********************************************",
                            "", "",
                            "            SEASON      SEASONAL INDEX",
                            "            ------      --------------",
                            "",
                            "               1              0.721",
                            "               2              1.279",
                            "", "", "",
                            kHeader, kRule, "",
                            "           1                 10              10.23            -0.23",
                            "           2                 20              19.55             0.45",
                            "           3                 12              11.81             0.19",
                            "           4                 22              22.37            -0.37",
                            "", "", "",
                            "     THE MEAN SQUARE ERROR               0.11",
                            "     THE FORECAST FOR PERIOD 5          13.40",
                            "     THE FORECAST FOR PERIOD 6          25.18"};
    EXPECT_EQ(fileLines(fc), seasonal);
}

TEST(ForecastReport, ZeroSeasonalIndexWarningEndsWithAPageBreak) {
    const Lines heading = {"",
                           "    FORECASTING WITH TREND AND SEASONAL COMPONENTS",
                           "    **********************************************",
                           "", "",
                           "            SEASON      SEASONAL INDEX",
                           "            ------      --------------",
                           ""};
    struct Case {
        std::vector<double> y;
        const char* seasons;
        Lines body;
    } cases[] = {
        {{0, 10, 0, 10, 0, 10, 0, 10}, "4",
         {"               1              0.000", "               2              2.000",
          "               3              0.000", "               4              2.000", "", "", "",
          "     WARNING:   2 seasonal indexes are zero.  The data cannot be",
          "     deseasonalized for these seasons.  We suggest that you remove ",
          "     these seasons from your time series and develop forecasts based",
          "     on the  2 nonzero seasons."}},
        {{0, 10, 0, 10}, "2",
         {"               1              0.000", "               2              2.000", "", "", "",
          "     WARNING:  1 seasonal index is zero.  The data cannot be",
          "     deseasonalized for this season.  We suggest that you remove ",
          "     this seasons from your time series and develop forecasts based",
          "     on the  1 nonzero seasons."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seasons);
        auto fc = fctest::block(c.y);
        fctest::solved(fc, 4, c.seasons, "1");
        Lines expected = heading;
        expected.insert(expected.end(), c.body.begin(), c.body.end());
        std::vector<Lines> pages = printedPages(fc);
        ASSERT_EQ(pages.size(), 2u);
        EXPECT_EQ(pages[0], expected);
        EXPECT_TRUE(pages[1].empty());
        expected.push_back("\f");
        EXPECT_EQ(fileLines(fc), expected);
    }

    // A trend solved after the stop reports its own table, without the warning.
    auto fc = fctest::block({0, 10, 0, 10});
    fctest::solved(fc, 4, "2", "1");
    fc.dblForecasts.ReDim(112);
    fc.dblForecastErrors.ReDim(112);
    fc.dblSeasonalIndexes.ReDim(12);
    fctest::solved(fc, 3, "2", "1");
    const Lines trend = fileLines(fc);
    EXPECT_EQ(trend[1], "     FORECASTING WITH LINEAR TREND");
    for (const std::string& l : trend) {
        EXPECT_EQ(l.find("WARNING"), std::string::npos);
        EXPECT_EQ(l.find('\f'), std::string::npos);
    }
}

TEST(ForecastReport, OtherMethodCodesWriteNothing) {
    for (int method : {0, 5, -1}) {
        auto fc = fctest::block({1, 2, 3});
        fc.intForecastMethod = method;
        EXPECT_TRUE(fileLines(fc).empty()) << method;
    }
}

}  // namespace
