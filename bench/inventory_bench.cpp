// Inventory timings: each model at its largest case, solved and turned into its
// window lines and report text, as one Solve and one Print do.
#include <benchmark/benchmark.h>

#include "inventory/core/InventoryLines.h"
#include "inventory/core/InventorySolver.h"
#include "tests/inventory/core/inventory_test_support.h"

namespace {

void Run(benchmark::State& state, qv::SharedState& (*make)()) {
    for (auto _ : state) {
        qv::SharedState& s = make();
        QVInvent::ComputeInventoryModel(s);
        auto window = QVInvent::BuildInventoryWindowLines(s);
        auto report = QVInvent::BuildInventoryReportLines(s);
        benchmark::DoNotOptimize(window.data());
        benchmark::DoNotOptimize(report.data());
    }
}

qv::SharedState& Eoq() {
    qv::SharedState& s = invtest::eoqExample();
    s.inv.intComputeReorderPoint = 1;
    s.inv.dblLeadTime = 5;
    return s;
}
qv::SharedState& LotSize() {
    qv::SharedState& s = Eoq();
    s.inv.intInventoryModel = 2;
    s.varProductionRate = 60000;
    return s;
}
qv::SharedState& Shortages() { return invtest::shortagesExample(2); }
qv::SharedState& Discounts() {
    return invtest::discountsExample({{5, 0}, {4.9, 1000}, {4.8, 2500}, {4.7, 5000}, {4.6, 10000}});
}
// p = 0.0009: the safety-stock search runs through the whole table.
qv::SharedState& Reorder() {
    qv::SharedState& s = invtest::reorderExample();
    s.inv.dblStockoutProbability = 0.0009;
    return s;
}
// p = 0.9995: the single-period look-up runs through the whole table.
qv::SharedState& SinglePeriod() {
    qv::SharedState& s = invtest::singlePeriodExample(2, 500, 100);
    s.inv.dblOrderingCost = 0.0005;
    s.dblCostPerUnit = 0.9995;
    return s;
}

void BM_Inventory_EOQ(benchmark::State& state) { Run(state, Eoq); }
void BM_Inventory_LotSize(benchmark::State& state) { Run(state, LotSize); }
void BM_Inventory_Shortages(benchmark::State& state) { Run(state, Shortages); }
void BM_Inventory_Discounts5(benchmark::State& state) { Run(state, Discounts); }
void BM_Inventory_ReorderFullScan(benchmark::State& state) { Run(state, Reorder); }
void BM_Inventory_SinglePeriodFullScan(benchmark::State& state) { Run(state, SinglePeriod); }

}  // namespace

BENCHMARK(BM_Inventory_EOQ);
BENCHMARK(BM_Inventory_LotSize);
BENCHMARK(BM_Inventory_Shortages);
BENCHMARK(BM_Inventory_Discounts5);
BENCHMARK(BM_Inventory_ReorderFullScan);
BENCHMARK(BM_Inventory_SinglePeriodFullScan);
