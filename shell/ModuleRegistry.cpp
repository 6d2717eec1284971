// Each module hands the shell its procedures here. A module adds its lines in its
// own function below; an entry left empty is a step the module has not built.
#include "lp/QVLP.h"
#include "lp/QVLPSolution.h"
#include "lp/core/Parser.h"
#include "lp/core/TextModel.h"
#include "network/QVPert_CPM.h"
#include "platform/ui/Host.h"
#include "shell/CellChecks.h"
#include "shell/Modules.h"

namespace qv {

namespace {

// Modules 1 and 4.
void registerLinearProgramming() {
    for (int m : {1, 4}) {
        ModuleProcedures& p = modules(m);
        p.newProblem = [] { QVLP::NewLPProblem(); };
        p.commitPendingEntry = [] { QVLP::CommitPendingEntry(); };
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
void registerTransportation() {}

// Module 7: PERT/CPM.
void registerPertCpm() {
    ModuleProcedures& p = modules(7);
    p.newProblem = [] { QVPert_CPM::NewPertProblem(); };
    p.commitPendingEntry = [] { QVPert_CPM::CommitPendingTimes(); };
    p.sizeForFile = [] { QVPert_CPM::InitPertArrays(); };
    p.rebuildScreen = [] { QVPert_CPM::RebuildActivityWindow(); };
    p.showInputForm = [] { QVPert_CPM::ShowActivityWindow(); };
    p.solve = [] { QVPert_CPM::SolvePertNetwork(); };
    p.report = [](pf::ReportSink& sink) { QVPert_CPM::PrintPertSolution(sink); };
}

// Modules 5, 6 (qvhrtrt) and 7 (QVPert_CPM, frmPERT_CPM).
void registerNetworks() {
    registerPertCpm();
}

// Modules 8 (QVInvent) and 9 (QVWait).
void registerInventoryAndWaitingLines() {}

// Module 10 (QVDecisionAnalysis): report = PrintDecisionReport,
// reportToFile = WriteDecisionReportFile.
void registerDecisionAnalysis() {}

// Modules 11 (QVForecasting) and 12 (Markov).
void registerForecastingAndMarkov() {}

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
