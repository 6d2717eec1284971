// PERT/CPM solve timings at the capacity: 25 activities, each after every earlier one,
// with known times and with three estimates. Each iteration solves a fresh copy of the
// block as Solve does: expected times, both passes, the critical path and the lines of
// the solution window.
#include <benchmark/benchmark.h>

#include "network/core/PertSchedule.h"

namespace {

qv::PertBlock denseProject(int mode) {
    qv::PertBlock P;
    QVPert_CPM::ResetPertBlock(P);
    const int n = qv::PertBlock::kMaxActivities;
    P.strActivityLetters.ReDim(n);
    for (int i = 1; i <= n; ++i) P.strActivityLetters(i) = std::string(1, static_cast<char>(64 + i));
    P.intActivityCount = n;
    P.intTimeEstimateMode = mode;
    for (int i = 1; i <= n; ++i) {
        P.dblExpectedTimes(i) = 1 + (i * 7) % 10 + 0.25;
        P.dblOptimisticTimes(i) = 1 + i % 3;
        P.dblMostProbableTimes(i) = 2 + i % 5 + 0.5;
        P.dblPessimisticTimes(i) = 9 + i % 4;
        P.intPredecessorCounts(i) = i - 1;
        for (int k = 1; k < i; ++k) P.intPredecessorMatrix(i, k) = k;
    }
    return P;
}

void Solve(benchmark::State& state, int mode) {
    const qv::PertBlock start = denseProject(mode);
    const pf::Value decimals = 2;
    for (auto _ : state) {
        qv::PertBlock P = start;
        auto lines = QVPert_CPM::SolvePertLines(P, decimals);
        benchmark::DoNotOptimize(lines.data());
    }
}

void BM_PERT_25_KnownTimes(benchmark::State& state) { Solve(state, 1); }
void BM_PERT_25_ThreeEstimates(benchmark::State& state) { Solve(state, 2); }

}  // namespace

BENCHMARK(BM_PERT_25_KnownTimes)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_PERT_25_ThreeEstimates)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);
