// Forecasting solves at the capacity: a series of 100 periods by trend and seasonal
// (12 seasons, 12 periods ahead), trend projection (12 ahead) and moving averages of
// 50 periods. Each iteration solves from the block's texts and builds the window's
// lines, as Solve does.
#include <benchmark/benchmark.h>

#include <random>

#include "tests/forecast/core/forecast_fixture.h"

namespace {

std::vector<double> hundredPeriods() {
    std::mt19937 g(100);
    std::uniform_real_distribution<double> noise(0.9, 1.1);
    std::vector<double> y;
    for (int t = 1; t <= 100; ++t) y.push_back((200 + 3 * t) * (1 + 0.3 * ((t % 12) - 6) / 6.0) * noise(g));
    return y;
}

void RunSolve(benchmark::State& state, int method, const char* parameter, const char* future) {
    auto fc = fctest::block(hundredPeriods());
    for (auto _ : state) {
        const auto out = fctest::solved(fc, method, parameter, future, 2);
        if (out.status != QVForecasting::MethodStatus::Solved) state.SkipWithError("not solved");
        benchmark::DoNotOptimize(out.lines.data());
    }
}

void BM_Forecast_Seasonal_T100_s12_p12(benchmark::State& state) { RunSolve(state, 4, "12", "12"); }
void BM_Forecast_Trend_T100_n12(benchmark::State& state) { RunSolve(state, 3, "", "12"); }
void BM_Forecast_MovingAverages_T100_k50(benchmark::State& state) { RunSolve(state, 1, "50", ""); }

}  // namespace

BENCHMARK(BM_Forecast_Seasonal_T100_s12_p12)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Forecast_Trend_T100_n12)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Forecast_MovingAverages_T100_k50)->Unit(benchmark::kMicrosecond);
