// Simplex engine timings: dense random linear programs up to the capacity, an
// integer program whose search needs 40 branchings, and two searches of tens of
// thousands of nodes. Each iteration stores the problem into a fresh block (as
// Solve does) and runs the engine with its default limits.
#include <benchmark/benchmark.h>

#include "lp/core/LP_Engine.h"
#include "tests/lp/core/engine_fixture.h"

using namespace enginetest;

namespace {

void RunLP(benchmark::State& state, const Problem& p, int integerLP) {
    qv::LPBlock lp;
    long iterations = 0, nodes = 0;
    for (auto _ : state) {
        qv::EngineResult r = SolveLP(lp, p, integerLP, qv::EngineLimits{});
        if (!r.optimal()) state.SkipWithError("not optimal");
        iterations = r.iterations;
        nodes = r.nodes;
        benchmark::DoNotOptimize(r.objectiveValue);
    }
    state.counters["simplex_iterations"] = static_cast<double>(iterations);
    if (integerLP == 1) state.counters["nodes"] = static_cast<double>(nodes);
}

void BM_LP_25x50(benchmark::State& state) { RunLP(state, RandomOptimalLP(2550, 25, 50), 0); }
void BM_LP_50x100(benchmark::State& state) { RunLP(state, RandomOptimalLP(50100, 50, 100), 0); }
// All ">" rows: 100 decision columns plus a surplus and an artificial per row,
// the full 200 columns.
void BM_LP_50x100_AllGreater(benchmark::State& state) {
    RunLP(state, RandomOptimalLP(4242, 50, 100, /*allGE=*/true, /*opt=*/1), 0);
}

// General-integer knapsack with five rows; its search makes 40 branchings.
Problem Knapsack(std::uint32_t seed, int m, int n) {
    std::mt19937 g(seed);
    std::uniform_int_distribution<int> a(1, 9), c(5, 20);
    Problem p;
    for (int j = 0; j < n; ++j) p.c.push_back(c(g));
    for (int i = 0; i < m; ++i) {
        std::vector<double> row;
        for (int j = 0; j < n; ++j) row.push_back(a(g));
        p.row(row, LE, 10 + static_cast<double>(g() % 40));
    }
    p.integerSection = {"DIN"};
    return p;
}

void BM_ILP_40Branchings(benchmark::State& state) {
    const Problem p = Knapsack(129, 5, 8);
    RunLP(state, p, 1);
    qv::LPBlock lp;
    SolveLP(lp, p, 1);
    state.counters["branchings"] = static_cast<double>((lp.intNodeClosed.size() - 1) / 2);
}

// All binary, 15 rows by 30 variables: about 26,000 nodes.
void BM_ILP_Binary15x30(benchmark::State& state) { RunLP(state, RandomBinaryIP(1, 15, 30), 1); }

// All general integer, 10 rows by 15 variables: about 26,000 nodes.
void BM_ILP_General10x15(benchmark::State& state) { RunLP(state, RandomGeneralIP(38, 10, 15), 1); }

}  // namespace

BENCHMARK(BM_LP_25x50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LP_50x100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LP_50x100_AllGreater)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ILP_40Branchings)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ILP_Binary15x30)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ILP_General10x15)->Unit(benchmark::kMillisecond);
