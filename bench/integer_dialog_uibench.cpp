// Opening the integer-variable dialog of a program at the capacity of 100 variables:
// its Load fills two lists of 100 names and selects every entry of one, one by one.
// Target: a median well under 20 ms.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "lp/core/TextModel.h"
#include "lp/frmIP.h"
#include "platform/ui/Form.h"
#include "shell/core/State.h"

namespace {

void BM_OpenIntegerDialog100(benchmark::State& state) {
    qv::resetState();
    auto& lp = qv::S().lp;
    lp.intVariableCount = 100;
    lp.intConstraintCount = 50;
    QVLP::InitLPArrays();
    for (int j = 1; j <= 100; ++j) lp.strVariableNames(j) = "X" + std::to_string(j);
    for (auto _ : state) {
        FrmIP& dlg = pf::instance<FrmIP>();
        benchmark::DoNotOptimize(dlg.lstGeneral.SelCount());
        state.PauseTiming();
        pf::unloadAll();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenIntegerDialog100)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
