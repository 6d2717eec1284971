// The four forecasting methods on small series computed by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "tests/forecast/core/forecast_fixture.h"

namespace {

using QVForecasting::MethodStatus;

constexpr double kTol = 1e-9;

// Expected forecast and error of one period; nullopt: the element stays empty.
struct Period {
    std::optional<double> forecast, error;
};

void expectPeriods(const qv::ForecastBlock& fc, const std::vector<Period>& expected, double tol = kTol) {
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const long t = static_cast<long>(i) + 1;
        SCOPED_TRACE("period " + std::to_string(t));
        const Period& p = expected[i];
        if (p.forecast) EXPECT_NEAR(fc.dblForecasts(t).num(), *p.forecast, tol);
        else EXPECT_TRUE(fc.dblForecasts(t).IsEmpty());
        if (p.error) EXPECT_NEAR(fc.dblForecastErrors(t).num(), *p.error, tol);
        else EXPECT_TRUE(fc.dblForecastErrors(t).IsEmpty());
    }
}

TEST(ForecastMethods, MovingAverages) {
    struct Case {
        const char* what;
        std::vector<double> y;
        int k;
        std::vector<Period> periods;
        double mse, next;
    } cases[] = {
        {"10, 12, 14 with k = 2", {10, 12, 14}, 2, {{}, {}, {11, 3}}, 9, 13},
        {"k = 1 forecasts the period before", {10, 12, 14}, 1, {{}, {10, 2}, {12, 2}}, 4, 14},
        {"k = T - 1: one forecast", {10, 12, 14, 20}, 3, {{}, {}, {}, {12, 8}}, 64, 46.0 / 3},
        {"two periods", {-4, 6}, 1, {{}, {-4, 10}}, 100, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto fc = fctest::block(c.y);
        ASSERT_EQ(QVForecasting::MovingAverages(fc, fctest::series(c.y), c.k), MethodStatus::Solved);
        expectPeriods(fc, c.periods);
        EXPECT_NEAR(fc.dblMeanSquareError.num(), c.mse, kTol);
        EXPECT_NEAR(fc.dblNextForecast.num(), c.next, kTol);
        EXPECT_EQ(fc.intLeadingPeriods, c.k);
    }
}

TEST(ForecastMethods, ExponentialSmoothing) {
    struct Case {
        const char* what;
        std::vector<double> y;
        double a;
        std::vector<Period> periods;
        double mse, next;
    } cases[] = {
        {"a = 0.5", {10, 12, 14}, 0.5, {{10, {}}, {10, 2}, {11, 3}}, 6.5, 12.5},
        {"a = 0 keeps the first value", {10, 12, 14}, 0, {{10, {}}, {10, 2}, {10, 4}}, 10, 10},
        {"a = 1 forecasts the period before", {10, 12, 14}, 1, {{10, {}}, {10, 2}, {12, 2}}, 4, 14},
        {"one period", {5}, 0.3, {{5, {}}}, 0, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto fc = fctest::block(c.y);
        ASSERT_EQ(QVForecasting::ExponentialSmoothing(fc, fctest::series(c.y), c.a), MethodStatus::Solved);
        expectPeriods(fc, c.periods);
        EXPECT_NEAR(fc.dblMeanSquareError.num(), c.mse, kTol);
        EXPECT_NEAR(fc.dblNextForecast.num(), c.next, kTol);
    }
}

TEST(ForecastMethods, TrendProjectionRoundsItsLineToThreeDecimals) {
    struct Case {
        const char* what;
        std::vector<double> y;
        double b0, b1, mse;
        std::vector<Period> periods;
    } cases[] = {
        {"2, 4, 6", {2, 4, 6}, 0, 2, 0, {{2, 0}, {4, 0}, {6, 0}}},
        // Unrounded b0 = 12.3333..., b1 = -2.5; the errors come from the rounded line.
        {"10, 7, 5", {10, 7, 5}, 12.333, -2.5, 0.166667 / 3, {{9.833, 0.167}, {7.333, -0.333}, {4.833, 0.167}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto fc = fctest::block(c.y);
        ASSERT_EQ(QVForecasting::TrendProjection(fc, fctest::series(c.y)), MethodStatus::Solved);
        EXPECT_EQ(fc.dblTrendIntercept.num(), c.b0);
        EXPECT_EQ(fc.dblTrendSlope.num(), c.b1);
        EXPECT_NEAR(fc.dblMeanSquareError.num(), c.mse, 1e-6);
        expectPeriods(fc, c.periods, 1e-9);
        // Nothing is kept beyond the series.
        EXPECT_TRUE(fc.dblForecasts(static_cast<long>(c.y.size()) + 1).IsEmpty());
    }
    struct Rounding {
        double raw, rounded;
    } roundings[] = {{0.0625, 0.063}, {-0.0625, -0.062}, {12.3333333, 12.333}, {-2.5, -2.5}, {0.0004999, 0}};
    for (const Rounding& r : roundings) EXPECT_EQ(QVForecasting::RoundTrendCoefficient(r.raw), r.rounded) << r.raw;
}

TEST(ForecastMethods, TrendAndSeasonalOnAnEvenNumberOfSeasons) {
    auto fc = fctest::block({10, 20, 12, 22});
    ASSERT_EQ(QVForecasting::TrendAndSeasonal(fc, fctest::series({10, 20, 12, 22}), 2, 2), MethodStatus::Solved);
    // Raw indexes 12 / 16.5 (season 1, period 3) and 20 / 15.5 (season 2, period 2),
    // scaled to sum to 2.
    const double raw1 = 12 / 16.5, raw2 = 20 / 15.5;
    EXPECT_NEAR(fc.dblSeasonalIndexes(1).num(), raw1 * 2 / (raw1 + raw2), 1e-12);
    EXPECT_NEAR(fc.dblSeasonalIndexes(2).num(), raw2 * 2 / (raw1 + raw2), 1e-12);
    EXPECT_NEAR(fc.dblSeasonalIndexes(1).num(), 0.720930, 5e-7);
    EXPECT_NEAR(fc.dblSeasonalIndexes(2).num(), 1.279070, 5e-7);
    EXPECT_NEAR(fc.dblTrendIntercept.num(), 13.0891, 5e-5);
    EXPECT_NEAR(fc.dblTrendSlope.num(), 1.0996, 5e-5);
    EXPECT_NEAR(fc.dblMeanSquareError.num(), 0.1051, 5e-5);
    EXPECT_NEAR(fc.dblForecasts(5).num(), 13.40, 5e-3);
    EXPECT_NEAR(fc.dblForecasts(6).num(), 25.18, 5e-3);
    EXPECT_TRUE(fc.dblForecasts(7).IsEmpty());
    EXPECT_EQ(fc.intSeasonCount, 2);
    EXPECT_EQ(fc.strZeroSeasonalIndex, "NO");
    EXPECT_EQ(fc.intLeadingPeriods, 2);  // the period table sets 0
    for (long t = 1; t <= 4; ++t)
        EXPECT_NEAR(fc.dblForecastErrors(t).num(), fc.dblTimeSeries(t, 1).num() - fc.dblForecasts(t).num(), 1e-12);
}

TEST(ForecastMethods, TrendAndSeasonalOnAnOddNumberOfSeasons) {
    // CMA(2..5) = 20, 20.6667, 21.3333, 22; season 1 uses period 4 only, season 2
    // periods 2 and 5, season 3 period 3.
    const std::vector<double> y = {10, 20, 30, 12, 22, 32};
    auto fc = fctest::block(y);
    ASSERT_EQ(QVForecasting::TrendAndSeasonal(fc, fctest::series(y), 3, 0), MethodStatus::Solved);
    const double r1 = 12 / (64.0 / 3), r2 = (20 / 20.0 + 22 / 22.0) / 2, r3 = 30 / (62.0 / 3);
    const double scale = 3 / (r1 + r2 + r3);
    EXPECT_NEAR(fc.dblSeasonalIndexes(1).num(), r1 * scale, 1e-12);
    EXPECT_NEAR(fc.dblSeasonalIndexes(2).num(), r2 * scale, 1e-12);
    EXPECT_NEAR(fc.dblSeasonalIndexes(3).num(), r3 * scale, 1e-12);
    EXPECT_TRUE(fc.dblForecasts(7).IsEmpty());
}

TEST(ForecastMethods, SeasonalIndexesOfZero) {
    // 0, 10, 0, 10: R(2) = 2, R(3) = 0, so season 1 has index 0 and the method stops.
    auto fc = fctest::block({0, 10, 0, 10});
    fc.dblMeanSquareError = 7;  // an earlier solve's
    EXPECT_EQ(QVForecasting::TrendAndSeasonal(fc, fctest::series({0, 10, 0, 10}), 2, 1),
              MethodStatus::ZeroSeasonalIndex);
    EXPECT_EQ(fc.dblSeasonalIndexes(1).num(), 0);
    EXPECT_EQ(fc.dblSeasonalIndexes(2).num(), 2);
    EXPECT_EQ(fc.strZeroSeasonalIndex, "YES");
    EXPECT_EQ(fc.intLeadingPeriods, 2);
    EXPECT_TRUE(fc.dblForecasts(1).IsEmpty());
    EXPECT_EQ(fc.dblMeanSquareError.num(), 7);

    // A series of zeros leaves nothing to scale by.
    auto zeros = fctest::block({0, 0, 0, 0});
    EXPECT_EQ(QVForecasting::TrendAndSeasonal(zeros, fctest::series({0, 0, 0, 0}), 2, 1),
              MethodStatus::IndexesSumToZero);
    EXPECT_TRUE(zeros.dblSeasonalIndexes(1).IsEmpty());
    EXPECT_TRUE(zeros.dblForecasts(1).IsEmpty());
    // Ratios that cancel: R(2) = 1 / 0.5 = 2 and R(3) = -1 / 0.5 = -2.
    const std::vector<double> cancel = {1, 1, -1, 3};
    auto c = fctest::block(cancel);
    EXPECT_EQ(QVForecasting::TrendAndSeasonal(c, fctest::series(cancel), 2, 0), MethodStatus::IndexesSumToZero);
}

// Parameters the tables cannot take are refused before anything is computed.
TEST(ForecastMethods, ParametersOutsideTheTablesAreRefused) {
    const std::vector<double> y9 = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    std::vector<double> y100(100, 3.0);
    struct Case {
        const char* what;
        std::vector<double> y;
        int method, a, b;
    } cases[] = {
        {"k = 0", y9, 1, 0, 0},          {"k = T", y9, 1, 9, 0},         {"k = -1", y9, 1, -1, 0},
        {"k on one period", {5}, 1, 1, 0}, {"trend on one period", {5}, 3, 0, 0},
        {"no seasons", y9, 4, 0, 0},     {"5 seasons in 9 periods", y9, 4, 5, 0},
        {"13 seasons", y100, 4, 13, 0},  {"more future periods than seasons", y9, 4, 2, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto fc = fctest::block(c.y);
        const auto y = fctest::series(c.y);
        MethodStatus st = MethodStatus::Solved;
        switch (c.method) {
            case 1: st = QVForecasting::MovingAverages(fc, y, c.a); break;
            case 3: st = QVForecasting::TrendProjection(fc, y); break;
            case 4: st = QVForecasting::TrendAndSeasonal(fc, y, c.a, c.b); break;
        }
        EXPECT_EQ(st, MethodStatus::Refused);
        for (long t = 0; t <= 112; ++t) EXPECT_TRUE(fc.dblForecasts(t).IsEmpty());
        EXPECT_TRUE(fc.dblMeanSquareError.IsEmpty());
    }
    // The texts of the dialog read the same way: a 12th season fits, a 13th does not.
    auto fc = fctest::block(y100);
    EXPECT_EQ(fctest::solved(fc, 4, "12", "12").status, MethodStatus::Solved);
    EXPECT_EQ(fctest::solved(fc, 4, "13", "1").status, MethodStatus::Refused);
    EXPECT_EQ(fctest::solved(fc, 1, "1E400", "").status, MethodStatus::Refused);
}

}  // namespace
