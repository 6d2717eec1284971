// Network solver timings at the capacity: 20 nodes and 40 arcs, a shortest route
// between the two ends of the node range and a minimal spanning tree. Each iteration
// runs a whole solve as Solve does, from the arcs to the route or tree.
#include <benchmark/benchmark.h>

#include <random>

#include "network/core/NetworkSolver.h"
#include "shell/core/State.h"

namespace {

// A connected network: a random spanning path, then random arcs up to 40.
void setNetwork(std::uint32_t seed, bool route) {
    qv::resetState();
    auto& s = qv::S();
    s.strProblemType = route ? qvhrtrt::kShortestRouteTitle : "MINIMAL SPANNING TREE PROBLEM";
    qvhrtrt::InitNetworkArrays();
    s.intNodeCount = 20;
    s.intArcCount = 40;
    std::mt19937 g(seed);
    std::uniform_int_distribution<int> node(1, 20), distance(1, 100000);
    for (int a = 1; a <= 40; ++a) {
        s.net.lngNetworkArcs(a, 1) = a < 20 ? a : node(g);
        s.net.lngNetworkArcs(a, 2) = a < 20 ? a + 1 : node(g);
        s.net.lngNetworkArcs(a, 3) = distance(g);
    }
}

void BM_ShortestRoute_20x40(benchmark::State& state) {
    setNetwork(2040, true);
    auto& net = qv::S().net;
    net.intStartNode = 1;
    net.intEndNode = 20;
    for (auto _ : state) {
        qvhrtrt::BuildDistanceMatrix();
        qvhrtrt::PrepareRouteLabels();
        if (!qvhrtrt::LabelRoute()) state.SkipWithError("unreachable");
        benchmark::DoNotOptimize(qvhrtrt::TraceRoute());
    }
}

void BM_SpanningTree_20x40(benchmark::State& state) {
    setNetwork(2040, false);
    for (auto _ : state) {
        if (!qvhrtrt::GrowSpanningTree()) state.SkipWithError("no tree");
        benchmark::DoNotOptimize(qv::S().net.lngTreeLength);
    }
}

}  // namespace

BENCHMARK(BM_ShortestRoute_20x40)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_SpanningTree_20x40)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
