// The Markov analysis at ten states, where it works hardest: slow chains that run all
// 150 passes for every start state and then take the exact solve.
#include <benchmark/benchmark.h>

#include <vector>

#include "markov/core/MarkovAnalysis.h"
#include "markov/core/MarkovBlock.h"
#include "tests/markov/core/markov_chain.h"

namespace {

using markovtest::Chain;

// State 1 absorbing; the other nine leak to it slowly and wander among themselves.
void BM_SlowAbsorption10(benchmark::State& state) {
    std::vector<std::vector<double>> p(10, std::vector<double>(10, 0.0));
    p[0][0] = 1;
    for (int i = 1; i < 10; ++i) {
        p[i][0] = 0.001;
        p[i][i] = 0.99;
        p[i][1 + i % 9] += 0.009;
    }
    Chain c = markovtest::MakeChain(p);
    for (auto _ : state) {
        Markov::AnalyzeChain(c.mk, c.table);
        benchmark::DoNotOptimize(c.table(1, 1));
    }
}
BENCHMARK(BM_SlowAbsorption10)->Unit(benchmark::kMicrosecond);

// A cycle of ten states with one shortcut: periodic, so the steady state is solved exactly.
void BM_PeriodicSteadyState10(benchmark::State& state) {
    std::vector<std::vector<double>> p(10, std::vector<double>(10, 0.0));
    for (int i = 0; i < 10; ++i) p[i][(i + 1) % 10] = 1;
    p[0][1] = 0.5;
    p[0][3] = 0.5;
    Chain c = markovtest::MakeChain(p);
    for (auto _ : state) {
        Markov::AnalyzeChain(c.mk, c.table);
        benchmark::DoNotOptimize(c.mk.dblStateDistribution(1));
    }
}
BENCHMARK(BM_PeriodicSteadyState10)->Unit(benchmark::kMicrosecond);

}  // namespace
