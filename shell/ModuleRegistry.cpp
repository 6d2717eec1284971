// Each module hands the shell its procedures here. A module adds its lines in its
// own function below; an entry left empty is a step the module has not built.
#include "decision/QVDecisionAnalysis.h"
#include "forecast/QVForecasting.h"
#include "inventory/QVInvent.h"
#include "lp/QVLP.h"
#include "lp/QVLPSolution.h"
#include "lp/core/Parser.h"
#include "lp/core/TextModel.h"
#include "markov/Markov.h"
#include "network/QVPert_CPM.h"
#include "network/qvhrtrt.h"
#include "platform/ui/Host.h"
#include "shell/CellChecks.h"
#include "shell/Modules.h"
#include "shell/core/State.h"
#include "transport/QVTanda.h"
#include "transport/core/TransportReport.h"
#include "waiting/QVWait.h"

namespace qv {

namespace {

// Modules 1 and 4.
void registerLinearProgramming() {
    for (int m : {1, 4}) {
        ModuleProcedures& p = modules(m);
        p.newProblem = [] { QVLP::NewLPProblem(); };
        p.copyPendingName = [] { QVLP::CopyPendingName(); };
        p.sizeForFile = [] { QVLP::InitLPArrays(); };
        p.rebuildScreen = [] { QVLP::BuildInputScreen(); };
        p.addConstraints = [] { QVLP::AddConstraints(); };
        p.deleteConstraint = [] { QVLP::DeleteConstraint(); };
        p.addVariables = [] { QVLP::AddVariables(); };
        p.deleteVariable = [] { QVLP::DeleteVariable(); };
        p.changeOptimizationType = [] { QVLP::ChangeOptimizationType(); };
        p.storeInputScreen = [] { QVLP::StoreInputScreen(); };
        p.integerDialog = [] { QVLP::AskIntegerVariables(); };
        p.solve = [] { QVLP::RunSolver(); };
        p.report = [](pf::ReportSink& sink) { QVLP::PrintLPSolution(sink); };
        p.parseModel = [] {
            const QVLP::ParseResult r = QVLP::ParseModelLines();
            if (!r.ok) pf::MsgBox(r.messageText, r.icon + pf::vbOKOnly, r.messageTitle);
            return r.ok;
        };
    }
}

// Modules 2 and 3: QVTanda.NewProblem, DimensionNetwork (sizeForFile), EnableProblemMenus
// with the tableau builder (rebuildScreen), AddOrigin ..., SolveProblem, the report parts.
void registerTransportation() {
    for (int m : {2, 3}) {
        ModuleProcedures& p = modules(m);
        p.newProblem = [] { QVTanda::NewProblem(); };
        p.sizeForFile = [] { QVTanda::DimensionNetwork(); };
        p.rebuildScreen = [] { QVTanda::RebuildAfterRead(); };
        p.addOrigin = [] { QVTanda::AddOrigin(); };
        p.addDestination = [] { QVTanda::AddDestination(); };
        p.deleteOrigin = [] { QVTanda::DeleteOrigin(); };
        p.deleteDestination = [] { QVTanda::DeleteDestination(); };
        p.showMaximumCapacity = [] { QVTanda::ShowMaximumCapacity(); };
        p.showMinimumCapacity = [] { QVTanda::ShowMinimumCapacity(); };
        p.solve = [] { QVTanda::SolveProblem(); };
    }
    modules(2).report = [](pf::ReportSink& sink) { transout::PrintTransportationReport(qv::S(), sink); };
    modules(3).report = [](pf::ReportSink& sink) { transout::PrintAssignmentReport(qv::S(), sink); };
}

// Modules 5 and 6 (qvhrtrt): one problem model, told apart by strProblemType.
void registerShortestRouteAndTree() {
    for (int m : {5, 6}) {
        ModuleProcedures& p = modules(m);
        p.newProblem = [] { qvhrtrt::NewNetworkProblem(); };
        p.sizeForFile = [] { qvhrtrt::InitNetworkArrays(); };
        p.rebuildScreen = [] {
            // A file with arcs the program never writes is refused before anything shows.
            qvhrtrt::RequireValidArcs();
            qvhrtrt::EnableNetworkMenus();
            qvhrtrt::BuildNetworkInputGrid();
        };
        p.solve = [] { qvhrtrt::SolveNetwork(); };
        p.report = [](pf::ReportSink& sink) {
            if (S().strProblemType == qvhrtrt::kShortestRouteTitle)
                qvhrtrt::PrintShortestRoute(sink);
            else
                qvhrtrt::PrintSpanningTree(sink);
        };
    }
}

// Module 7: PERT/CPM.
void registerPertCpm() {
    ModuleProcedures& p = modules(7);
    p.newProblem = [] { QVPert_CPM::NewPertProblem(); };
    // No check pass reads the activity window: its time boxes are checked here.
    p.commitEntry = [] { return QVPert_CPM::CommitPendingTimes(); };
    p.sizeForFile = [] { QVPert_CPM::InitPertArrays(); };
    p.rebuildScreen = [] { QVPert_CPM::RebuildActivityWindow(); };
    p.showInputForm = [] { QVPert_CPM::ShowActivityWindow(); };
    p.solve = [] { QVPert_CPM::SolvePertNetwork(); };
    p.report = [](pf::ReportSink& sink) { QVPert_CPM::PrintPertSolution(sink); };
}

// Modules 5, 6 (qvhrtrt) and 7 (QVPert_CPM, frmPERT_CPM).
void registerNetworks() {
    registerShortestRouteAndTree();
    registerPertCpm();
}

// Module 8 (QVInvent).
void registerInventory() {
    ModuleProcedures& p = modules(8);
    p.newProblem = [] { QVInvent::NewInventoryProblem(); };
    p.showInputForm = [] { QVInvent::ShowInputForm(); };
    p.solve = [] { QVInvent::SolveInventoryModel(); };
    p.report = [](pf::ReportSink& sink) { QVInvent::PrintInventoryReport(sink); };
}

// Module 9 (QVWait).
void registerWaitingLines() {
    ModuleProcedures& p = modules(9);
    p.newProblem = [] { QVWait::NewWaitingLineProblem(); };
    p.showInputForm = [] { QVWait::ShowWaitingLineForm(); };
    p.solve = [] { QVWait::SolveWaitingLineModel(); };
    p.report = [](pf::ReportSink& sink) { QVWait::PrintWaitingLineReport(sink); };
}

// Modules 8 and 9.
void registerInventoryAndWaitingLines() {
    registerInventory();
    registerWaitingLines();
}

// Module 10 (QVDecisionAnalysis).
void registerDecisionAnalysis() {
    ModuleProcedures& p = modules(10);
    p.newProblem = [] { QVDecisionAnalysis::NewDecisionProblem(); };
    p.sizeForFile = [] { QVDecisionAnalysis::ResetDecisionProblem(); };
    p.rebuildScreen = [] { QVDecisionAnalysis::BuildDecisionInputScreen(); };
    p.solve = [] { QVDecisionAnalysis::SolveDecisionProblem(); };
    p.report = [](pf::ReportSink& sink) { QVDecisionAnalysis::PrintDecisionReport(sink); };
    p.reportToFile = [](pf::ReportSink& sink) { QVDecisionAnalysis::WriteDecisionReportFile(sink); };
}

// Module 12.
void registerMarkov() {
    ModuleProcedures& p = modules(12);
    p.newProblem = [] { Markov::NewMarkovProblem(); };
    p.sizeForFile = [] { Markov::InitMarkovArrays(); };
    p.rebuildScreen = [] { Markov::BuildMarkovInputGrid(); };
    p.solve = [] { Markov::SolveMarkovProcess(); };
    p.report = [](pf::ReportSink& sink) { Markov::PrintMarkovSolution(sink); };
}

// Module 11.
void registerForecasting() {
    ModuleProcedures& p = modules(11);
    p.newProblem = [] { QVForecasting::NewForecastingProblem(); };
    p.sizeForFile = [] { QVForecasting::InitTimeSeriesArray(); };
    p.rebuildScreen = [] { QVForecasting::BuildTimeSeriesGrid(); };
    p.addTimePeriods = [] { QVForecasting::AddTimePeriods(); };
    p.deleteTimePeriods = [] { QVForecasting::DeleteTimePeriods(); };
    p.solve = [] { QVForecasting::SolveForecasting(); };
    p.report = [](pf::ReportSink& sink) { QVForecasting::PrintForecastingSolution(sink); };
}

// Modules 11 (QVForecasting) and 12 (Markov).
void registerForecastingAndMarkov() {
    registerForecasting();
    registerMarkov();
}

// The shell's cell validators of the check pass.
void registerCellValidators() {
    cellValidators().problemCell = [](int row, int col, std::string& text, int& result) {
        CellChecks::ValidateProblemCell(row, col, text, result);
    };
    cellValidators().decisionCell = [](int row, int col, std::string& text, int grid, int& result) {
        CellChecks::ValidateDecisionCell(row, col, text, grid, result);
    };
}

}  // namespace

void registerModules() {
    registerLinearProgramming();
    registerTransportation();
    registerNetworks();
    registerInventoryAndWaitingLines();
    registerDecisionAnalysis();
    registerForecastingAndMarkov();
    registerCellValidators();
}

}  // namespace qv
