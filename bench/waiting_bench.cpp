// The waiting-line models at their capacity: each solve with its window lines and
// its report text, as Solve and Save As Text File produce them.
#include <benchmark/benchmark.h>

#include "platform/core/Report.h"
#include "waiting/core/WaitingModels.h"

namespace {

void Solve(benchmark::State& state, int model, double k, double lambda, double mu, double n) {
    qv::WaitingBlock wl;
    wl.intWaitingLineModel = model;
    wl.intChannelCount = k;
    wl.dblArrivalRate = lambda;
    wl.dblServiceRate = mu;
    wl.intPopulationSize = n;
    wl.strEconomicAnalysis = "NO";
    wl.dblFiniteTerms.ReDim(200);
    wl.dblBlockedTerms.ReDim(26);
    pf::Array2<double> table;
    table.ReDim(200, 0);
    for (auto _ : state) {
        wl.intPopulationSize = n;  // model 1 keeps k - 1 there
        QVWait::SolveModel(wl, table, 0);
        auto lines = QVWait::SolutionLines(wl, 0, table);
        pf::TextReportSink sink;
        QVWait::PrintWaitingLineReport(wl, 0, table, true, sink);
        benchmark::DoNotOptimize(lines.data());
        benchmark::DoNotOptimize(sink.contents().size());
    }
}

// Utilisation 0.996: the table runs to its hundred rows.
void BM_MMk25Channels(benchmark::State& s) { Solve(s, 1, 25, 24.9, 1, 0); }
void BM_NoWaiting25Channels(benchmark::State& s) { Solve(s, 4, 25, 20, 1, 0); }
void BM_FinitePopulation25Of30(benchmark::State& s) { Solve(s, 5, 25, 0.5, 1, 30); }
BENCHMARK(BM_MMk25Channels)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NoWaiting25Channels)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FinitePopulation25Of30)->Unit(benchmark::kMicrosecond);

}  // namespace
