// Network simplex timings at the capacity of the transportation and assignment
// modules: 30 x 30 with supplies up to 999,999 and two-decimal costs (minimized and
// maximized), 30 x 30 and 30 x 20 assignments, and a degenerate 30 x 30. Each
// iteration loads the model into a fresh state, as Solve finds it, and solves.
#include <benchmark/benchmark.h>

#include <numeric>
#include <random>

#include "tests/transport/core/transport_fixture.h"

namespace {

using trtest::Problem;

Problem transportation(std::uint32_t seed, bool maximize) {
    std::mt19937 g(seed);
    std::uniform_int_distribution<long> value(1, 999999), cents(-99999999, 99999999);
    Problem p;
    p.maximize = maximize;
    p.costs.assign(30, std::vector<double>(30));
    for (auto& row : p.costs)
        for (double& c : row) c = static_cast<double>(cents(g)) / 100;
    for (int i = 0; i < 30; ++i) p.supplies.push_back(value(g) / 30);
    for (int j = 0; j < 30; ++j) p.demands.push_back(value(g) / 30);
    return p;
}

Problem assignment(std::uint32_t seed, int m, int n) {
    std::mt19937 g(seed);
    std::uniform_int_distribution<int> cost(1, 999);
    Problem p;
    p.assignment = true;
    p.costs.assign(static_cast<std::size_t>(m), std::vector<double>(static_cast<std::size_t>(n)));
    for (auto& row : p.costs)
        for (double& c : row) c = cost(g);
    return p;
}

Problem degenerate(std::uint32_t seed) {
    std::mt19937 g(seed);
    std::uniform_int_distribution<int> small(0, 3), cost(-1, 2);
    Problem p;
    p.costs.assign(30, std::vector<double>(30));
    for (auto& row : p.costs)
        for (double& c : row) c = cost(g);
    for (int i = 0; i < 30; ++i) p.supplies.push_back(small(g));
    for (int j = 0; j < 30; ++j) p.demands.push_back(small(g));
    return p;
}

void Run(benchmark::State& state, const Problem& p) {
    long pivots = 0;
    for (auto _ : state) {
        qv::SharedState s;
        trtest::load(s, p);
        pivots = taengine::SolveTransportNetwork(s).pivots;
        benchmark::DoNotOptimize(s.tr.lngTreeArcFlows(1));
    }
    state.counters["pivots"] = static_cast<double>(pivots);
}

void BM_Transport_30x30_Min(benchmark::State& state) { Run(state, transportation(3030, false)); }
void BM_Transport_30x30_Max(benchmark::State& state) { Run(state, transportation(3030, true)); }
void BM_Assignment_30x30(benchmark::State& state) { Run(state, assignment(77, 30, 30)); }
void BM_Assignment_30x20(benchmark::State& state) { Run(state, assignment(78, 30, 20)); }
void BM_Transport_30x30_Degenerate(benchmark::State& state) { Run(state, degenerate(5)); }

}  // namespace

BENCHMARK(BM_Transport_30x30_Min)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Transport_30x30_Max)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Assignment_30x30)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Assignment_30x20)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Transport_30x30_Degenerate)->Unit(benchmark::kMicrosecond);
