// The methods against second computations written here: random series of up to 100
// periods, each method's results recomputed another way.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "tests/forecast/core/forecast_fixture.h"

namespace {

using QVForecasting::MethodStatus;

std::vector<double> randomSeries(std::mt19937& rng, int periods) {
    std::uniform_real_distribution<double> value(1, 1000);
    std::vector<double> y;
    for (int t = 0; t < periods; ++t) y.push_back(std::round(value(rng) * 100) / 100);
    return y;
}

double relTol(double expected) { return 1e-9 * std::max(1.0, std::fabs(expected)); }

TEST(ForecastOracle, MovingAveragesAreDirectSums) {
    std::mt19937 rng(11);
    for (int trial = 0; trial < 200; ++trial) {
        const int periods = std::uniform_int_distribution<int>(2, 100)(rng);
        const int k = std::uniform_int_distribution<int>(1, periods - 1)(rng);
        SCOPED_TRACE("T=" + std::to_string(periods) + " k=" + std::to_string(k));
        const auto y = randomSeries(rng, periods);
        auto fc = fctest::block(y);
        ASSERT_EQ(QVForecasting::MovingAverages(fc, fctest::series(y), k), MethodStatus::Solved);
        // The average of the k values before t, summed backwards from t - 1.
        auto average = [&](int end) {
            double sum = 0;
            for (int j = end; j > end - k; --j) sum += y[static_cast<std::size_t>(j - 1)];
            return sum / k;
        };
        double sse = 0;
        for (int t = k + 1; t <= periods; ++t) {
            const double f = average(t - 1);
            ASSERT_NEAR(fc.dblForecasts(t).num(), f, relTol(f));
            const double e = y[static_cast<std::size_t>(t - 1)] - f;
            ASSERT_NEAR(fc.dblForecastErrors(t).num(), e, 1e-9 * 1000);
            sse += e * e;
        }
        for (int t = 1; t <= k; ++t) ASSERT_TRUE(fc.dblForecasts(t).IsEmpty());
        EXPECT_NEAR(fc.dblMeanSquareError.num(), sse / (periods - k), relTol(sse));
        EXPECT_NEAR(fc.dblNextForecast.num(), average(periods), relTol(average(periods)));
    }
}

TEST(ForecastOracle, SmoothingIsAWeightedSumOfThePast) {
    std::mt19937 rng(22);
    for (int trial = 0; trial < 200; ++trial) {
        const int periods = std::uniform_int_distribution<int>(1, 100)(rng);
        const double a = std::uniform_int_distribution<int>(0, 100)(rng) / 100.0;
        SCOPED_TRACE("T=" + std::to_string(periods) + " a=" + std::to_string(a));
        const auto y = randomSeries(rng, periods);
        auto fc = fctest::block(y);
        ASSERT_EQ(QVForecasting::ExponentialSmoothing(fc, fctest::series(y), a), MethodStatus::Solved);
        // F(t) = (1 - a)^(t-1) Y(1) + sum over i < t of a (1 - a)^(t-1-i) Y(i).
        auto forecast = [&](int t) {
            double f = std::pow(1 - a, t - 1) * y[0];
            for (int i = 1; i < t; ++i) f += a * std::pow(1 - a, t - 1 - i) * y[static_cast<std::size_t>(i - 1)];
            return f;
        };
        double sse = 0;
        for (int t = 1; t <= periods; ++t) {
            ASSERT_NEAR(fc.dblForecasts(t).num(), forecast(t), 1e-8 * 1000);
            if (t == 1) continue;
            const double e = y[static_cast<std::size_t>(t - 1)] - forecast(t);
            ASSERT_NEAR(fc.dblForecastErrors(t).num(), e, 1e-8 * 1000);
            sse += e * e;
        }
        EXPECT_TRUE(fc.dblForecastErrors(1).IsEmpty());
        EXPECT_NEAR(fc.dblMeanSquareError.num(), sse / std::max(1, periods - 1), 1e-6 * std::max(1.0, sse));
        EXPECT_NEAR(fc.dblNextForecast.num(), forecast(periods + 1), 1e-8 * 1000);
    }
}

TEST(ForecastOracle, TrendLineByCentredSums) {
    std::mt19937 rng(33);
    for (int trial = 0; trial < 200; ++trial) {
        const int periods = std::uniform_int_distribution<int>(2, 100)(rng);
        SCOPED_TRACE("T=" + std::to_string(periods));
        const auto y = randomSeries(rng, periods);
        double tbar = 0, ybar = 0;
        for (int t = 1; t <= periods; ++t) {
            tbar += t;
            ybar += y[static_cast<std::size_t>(t - 1)];
        }
        tbar /= periods;
        ybar /= periods;
        double sty = 0, stt = 0;
        for (int t = 1; t <= periods; ++t) {
            sty += (t - tbar) * (y[static_cast<std::size_t>(t - 1)] - ybar);
            stt += (t - tbar) * (t - tbar);
        }
        const double b1 = sty / stt, b0 = ybar - b1 * tbar;
        const QVForecasting::TrendLine line = QVForecasting::LeastSquares(fctest::series(y), periods);
        ASSERT_NEAR(line.b1, b1, 1e-9 * std::max(1.0, std::fabs(b1)) + 1e-9);
        ASSERT_NEAR(line.b0, b0, 1e-9 * std::max(1.0, std::fabs(b0)));

        auto fc = fctest::block(y);
        ASSERT_EQ(QVForecasting::TrendProjection(fc, fctest::series(y)), MethodStatus::Solved);
        // The shown line is the fitted one to the nearest thousandth.
        EXPECT_LE(std::fabs(fc.dblTrendIntercept.num() - b0), 0.0005 + 1e-9);
        EXPECT_LE(std::fabs(fc.dblTrendSlope.num() - b1), 0.0005 + 1e-9);
        double sse = 0;
        for (int t = 1; t <= periods; ++t) {
            const double e = y[static_cast<std::size_t>(t - 1)] - (fc.dblTrendIntercept.num() + fc.dblTrendSlope.num() * t);
            sse += e * e;
        }
        EXPECT_NEAR(fc.dblMeanSquareError.num(), sse / periods, 1e-9 * std::max(1.0, sse));
    }
}

// A constant level times a fixed seasonal pattern: the indexes are the pattern over
// its mean, the deseasonalised series is flat and every forecast is exact.
TEST(ForecastOracle, SeasonalPatternOnAConstantLevel) {
    std::mt19937 rng(44);
    std::uniform_real_distribution<double> factor(0.2, 3.0), levels(5, 500);
    for (int trial = 0; trial < 200; ++trial) {
        const int s = std::uniform_int_distribution<int>(1, 12)(rng);
        const int periods = std::uniform_int_distribution<int>(2 * s, 100)(rng);
        const int future = std::uniform_int_distribution<int>(0, s)(rng);
        SCOPED_TRACE("T=" + std::to_string(periods) + " s=" + std::to_string(s));
        std::vector<double> pattern;
        double mean = 0;
        for (int j = 0; j < s; ++j) {
            pattern.push_back(factor(rng));
            mean += pattern.back();
        }
        mean /= s;
        const double level = levels(rng);
        std::vector<double> y;
        for (int t = 1; t <= periods; ++t) y.push_back(level * pattern[static_cast<std::size_t>((t - 1) % s)]);

        auto fc = fctest::block(y);
        ASSERT_EQ(QVForecasting::TrendAndSeasonal(fc, fctest::series(y), s, future), MethodStatus::Solved);
        for (int j = 1; j <= s; ++j)
            ASSERT_NEAR(fc.dblSeasonalIndexes(j).num(), pattern[static_cast<std::size_t>(j - 1)] / mean, 1e-9);
        EXPECT_NEAR(fc.dblTrendSlope.num(), 0, 1e-9 * level);
        EXPECT_NEAR(fc.dblTrendIntercept.num(), level * mean, 1e-9 * level);
        for (int t = 1; t <= periods; ++t) ASSERT_NEAR(fc.dblForecastErrors(t).num(), 0, 1e-9 * level);
        EXPECT_NEAR(fc.dblMeanSquareError.num(), 0, 1e-12 * level * level);
        for (int t = periods + 1; t <= periods + future; ++t)
            ASSERT_NEAR(fc.dblForecasts(t).num(), level * pattern[static_cast<std::size_t>((t - 1) % s)], 1e-9 * level);
        EXPECT_TRUE(fc.dblForecasts(periods + future + 1).IsEmpty());
    }
}

}  // namespace
