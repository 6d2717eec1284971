// What the user waits for after Solve: the solution window filled and shown, with
// the Qt offscreen platform. The 50x100 linear program with its solve, listings of
// 1,000 and 2,000 lines of 80 characters (the time should grow linearly), and the
// 30x30 transportation problem with its solve. Each iteration starts from a closed
// window, as Solve does, and ends once the window has laid itself out and painted.
// Besides, the input grids as a problem is laid out in them: the LP window at 50 x 100
// and the 30x30 transportation tableau, each rebuilt from a stored problem.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <string>

#include "lp/QVLP.h"
#include "lp/frmLPproblem.h"
#include "lp/core/LP_Engine.h"
#include "platform/ui/Form.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmModuleSelection.h"
#include "shell/frmProblem.h"
#include "shell/frmSolution.h"
#include "tests/lp/core/engine_fixture.h"
#include "tests/transport/core/transport_fixture.h"
#include "transport/QVTanda.h"
#include "transport/core/taengine.h"

namespace {

// The main window alone, as after the module chooser closed.
void mainWindow(int module) {
    pf::unloadAll();
    pf::collectUnloaded();
    qv::resetState();
    frmMenu().Show();
    pf::Unload<FrmModuleSelection>();
    pf::collectUnloaded();
    qv::S().intCurrentModule = module;
}

void closeSolution() {
    pf::Unload<FrmSolution>();
    pf::collectUnloaded();
}

void BM_SolutionWindow_LP50x100_WithSolve(benchmark::State& state) {
    mainWindow(1);
    const enginetest::Problem p = enginetest::RandomOptimalLP(50100, 50, 100);
    long lines = 0;
    for (auto _ : state) {
        state.PauseTiming();
        closeSolution();
        enginetest::Fill(qv::S().lp, p);
        state.ResumeTiming();
        QVLP::RunSolver();
        QApplication::processEvents();
        lines = frmSolution().gridSolution.Rows();
    }
    state.counters["lines"] = static_cast<double>(lines);
    closeSolution();
}

void BM_SolutionWindow_Lines80(benchmark::State& state) {
    mainWindow(11);
    const int count = static_cast<int>(state.range(0));
    std::string line(80, ' ');
    for (std::size_t k = 0; k < line.size(); ++k) line[k] = static_cast<char>('A' + k % 26);
    for (auto _ : state) {
        state.PauseTiming();
        closeSolution();
        state.ResumeTiming();
        FrmSolution& w = frmSolution();
        w.hideTitle(false);
        w.startLines(line);
        for (int k = 1; k < count; ++k) w.addLine(line);
        w.showSolution();
        QApplication::processEvents();
    }
    closeSolution();
}

void BM_SolutionWindow_Transportation30x30_WithSolve(benchmark::State& state) {
    mainWindow(2);
    trtest::Problem p;
    p.costs.assign(30, std::vector<double>(30));
    for (int i = 0; i < 30; ++i) {
        for (int j = 0; j < 30; ++j) p.costs[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] = (i * 37 + j * 11) % 97 + 0.25;
        p.supplies.push_back(1000 + 37 * i);
        p.demands.push_back(1000 + 37 * i);
    }
    long lines = 0;
    for (auto _ : state) {
        state.PauseTiming();
        closeSolution();
        trtest::load(qv::S(), p);
        state.ResumeTiming();
        taengine::SolveTransportNetwork();
        transout::ShowTransportationSolution();
        QApplication::processEvents();
        lines = frmSolution().gridSolution.Rows();
    }
    state.counters["lines"] = static_cast<double>(lines);
    closeSolution();
}

void BM_InputGrids_LP50x100(benchmark::State& state) {
    mainWindow(1);
    enginetest::Fill(qv::S().lp, enginetest::RandomOptimalLP(50100, 50, 100));
    frmLPproblem().Show();
    for (auto _ : state) {
        QVLP::BuildInputScreen();
        QApplication::processEvents();
    }
}

void BM_InputGrids_Transportation30x30(benchmark::State& state) {
    mainWindow(2);
    trtest::Problem p;
    p.costs.assign(30, std::vector<double>(30, 12.5));
    p.supplies.assign(30, 1000);
    p.demands.assign(30, 1000);
    trtest::load(qv::S(), p);
    frmProblem().Show();
    for (auto _ : state) {
        QVTanda::BuildTransportationTableau();
        QApplication::processEvents();
    }
}

}  // namespace

BENCHMARK(BM_InputGrids_LP50x100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InputGrids_Transportation30x30)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SolutionWindow_LP50x100_WithSolve)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SolutionWindow_Lines80)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SolutionWindow_Transportation30x30_WithSolve)->Unit(benchmark::kMillisecond);
