#include "decision/QVDecisionAnalysis.h"

#include <string>

#include "decision/core/DecisionReport.h"
#include "decision/core/DecisionSolve.h"
#include "decision/frmDecisionFeatures.h"
#include "decision/frmDecisionProblem.h"
#include "decision/frmdecnopt.h"
#include "platform/core/Format.h"
#include "platform/ui/Host.h"
#include "shell/MenuState.h"
#include "shell/QVCommon.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmSolution.h"
#include "shell/frmTransObj.h"
#include "shell/SolvingCaption.h"

namespace QVDecisionAnalysis {

namespace {

constexpr int kHeadingWidth = 1700;
constexpr int kDataWidth = 1180;
constexpr int kCaptionWidthPerState = 1220;

// A stored value as a cell shows it; an element never set stays an empty cell.
std::string cellText(const pf::Value& v) { return v.IsEmpty() ? std::string() : pf::EntryNumber(v.num()); }

void clearCells(pf::Grid& g) {
    for (int r = 0; r < g.Rows(); ++r)
        for (int c = 0; c < g.Cols(); ++c) g.TextMatrix(r, c, "");
}

void widthsAndCentring(pf::Grid& g) {
    g.ColWidth(0, kHeadingWidth);
    for (int c = 1; c < g.Cols(); ++c) {
        g.ColWidth(c, kDataWidth);
        g.ColAlignment(c, 2);
    }
}

}  // namespace

void NewDecisionProblem() {
    auto& s = qv::S();
    ResetDecisionProblem();
    s.blnDialogCancelled = true;  // only OK clears it; the close command is Cancel
    frmDecisionFeatures().Show(pf::vbModal);
    if (s.blnDialogCancelled) {
        frmMenu().SetFocus();
        return;
    }
    BuildDecisionInputScreen();
}

void BuildDecisionInputScreen() {
    auto& s = qv::S();
    const auto& d = s.dec;
    const int m = d.intAlternativeCount, n = d.intNatureStateCount, K = d.intIndicatorCount;
    const bool probs = d.strStateProbsGiven == "YES";
    const bool strategy = d.strStrategyRequested == "YES";
    FrmDecisionProblem& f = frmDecisionProblem();
    pf::Grid& g0 = *f.Grid[0];
    pf::Grid& g1 = *f.Grid[1];
    pf::Grid& g2 = *f.Grid[2];

    pf::SetBusyCursor(true);
    long colour = f.BackColor();
    f.BackColor(QVCommon::PaletteColor(colour));

    g0.Rows(m + 1);
    g0.Cols(n + 1);
    g0.FixedCols(1);
    g0.FixedRows(1);
    clearCells(g0);

    if (probs) {
        g1.Cols(n + 1);
        g1.FixedRows(0);
        g1.Rows(1);
        g1.FixedCols(1);
        clearCells(g1);
        widthsAndCentring(g1);
        g1.TextMatrix(0, 0, "Probabilities");
    }

    if (strategy) {
        g2.Cols(K + 1);
        g2.Rows(n + 1);
        g2.FixedCols(1);
        g2.FixedRows(1);
        clearCells(g2);
        widthsAndCentring(g2);
        g2.TextMatrix(0, 0, "Given State");
        for (int j = 1; j <= n; ++j) g2.TextMatrix(j, 0, "S" + std::to_string(j));
        for (int k = 1; k <= K; ++k) g2.TextMatrix(0, k, "I" + std::to_string(k));
    }

    widthsAndCentring(g0);
    // The caption is designed for 10 states: it spans the state columns.
    if (n < 10) f.lblgridcaption.Width(n * kCaptionWidthPerState);
    for (std::size_t i = 0; i < 3; ++i)
        f.Grid[i]->FitToCells(FrmDecisionProblem::kGridRoomWidth, FrmDecisionProblem::kGridRoomHeight[i]);

    g0.TextMatrix(0, 0, "Decisions");
    for (int i = 1; i <= m; ++i) g0.TextMatrix(i, 0, std::to_string(i));
    for (int j = 1; j <= n; ++j) g0.TextMatrix(0, j, std::to_string(j));

    if (!s.blnNewProblem) {
        for (int i = 1; i <= m; ++i)
            for (int j = 1; j <= n; ++j) g0.TextMatrix(i, j, cellText(d.dblPayoffTable(i, j)));
        if (d.intStateProbsFlag.num() == 1)
            for (int j = 1; j <= n; ++j) g1.TextMatrix(0, j, cellText(d.dblStateProbabilities(j)));
        if (d.intStrategyFlag.num() == 1)
            for (int j = 1; j <= n; ++j)
                for (int k = 1; k <= K; ++k) g2.TextMatrix(j, k, cellText(d.dblIndicatorGivenStateTable(j, k)));
    }

    s.strProblemEntered = "YES";

    f.lblgridcaption.Visible(true);
    f.lblopttype.Visible(true);
    g0.Visible(true);
    if (probs) {
        g1.Visible(true);
        f.lblProb.Visible(true);
    }
    if (strategy) {
        g2.Visible(true);
        f.Label1.Visible(true);
        f.lblInfo.Visible(true);
    }

    qv::menuEvent(qv::MenuEvent::ProblemLaidOut);
    pf::SetBusyCursor(false);

    if (s.blnNewProblem) {
        g0.Row(1);
        g0.Col(1);
        if (g0.canTakeFocus()) g0.SetFocus();
    } else {
        frmMenu().SetFocus();
    }
}

void SolveDecisionProblem() {
    auto& s = qv::S();
    auto& d = s.dec;
    ClearResultTables(d);
    const bool probabilities = d.strStateProbsGiven == "YES";
    if (probabilities) {
        if (!qv::askOptimizationCriterion("Maximize the Payoff", "Minimize the Payoff")) return;
    } else {
        s.blnDialogCancelled = true;  // only OK clears it; the close command is Cancel
        frmdecnopt().Show(pf::vbModal);
        if (s.blnDialogCancelled) {
            frmMenu().SetFocus();
            return;
        }
    }

    pf::Label& status = frmMenu().lblmoduleindicator;
    const std::string saved = status.Caption();
    qv::showStatusCaption(qv::kSolvingCaption);
    pf::SetBusyCursor(true);

    FrmSolution& window = frmSolution();
    window.hideTitle(true);
    window.startLines("");

    SolveRequest request;
    request.maximize = s.strMaximizeObjective == "YES";
    request.criterion = d.intDecisionCriterion;
    request.probabilities = probabilities;
    request.strategy = probabilities && d.strStrategyRequested == "YES";
    SolveDecision(d, request);
    const int places = static_cast<int>(s.intDecimalPlaces.num());
    for (const std::string& line : SolutionLines(d, places, request.maximize, request.strategy))
        window.addLine(line);

    // Edit item 0, Print and Save As Text File.
    qv::menuEvent(qv::MenuEvent::Solved);
    qv::showStatusCaption(saved);
    pf::SetBusyCursor(false);
    window.showSolution();
}

namespace {
void writeReport(pf::ReportSink& sink) {
    const auto& s = qv::S();
    WriteDecisionReport(s.dec, static_cast<int>(s.intDecimalPlaces.num()), s.strMaximizeObjective != "NO", sink);
}
}  // namespace

void PrintDecisionReport(pf::ReportSink& printer) { writeReport(printer); }

void WriteDecisionReportFile(pf::ReportSink& file) { writeReport(file); }

}  // namespace QVDecisionAnalysis
