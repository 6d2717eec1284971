#include "forecast/QVForecasting.h"

#include <cmath>
#include <string>

#include "forecast/frmForecastingModels.h"
#include "platform/core/Errors.h"
#include "platform/core/Format.h"
#include "platform/ui/Host.h"
#include "platform/ui/Keys.h"
#include "shell/AskNumber.h"
#include "shell/CellChecks.h"
#include "shell/MenuState.h"
#include "shell/Modules.h"
#include "shell/QVCommon.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmProblem.h"
#include "shell/frmSolution.h"
#include "shell/frmUserInput.h"

namespace QVForecasting {

namespace {

constexpr const char* kGridInstruction = "Enter Time Series Value for Each Period.";
constexpr const char* kAddPrompt =
    "Enter the Number of Time Periods to Add (Data will be added to the end of the time series.):";
constexpr const char* kDeletePrompt =
    "Enter the Number of Time Periods to Delete (Data will be deleted from the beginning of the time series.):";
constexpr const char* kTooManyPeriods = "The Number of Time Periods must not Exceed 100  PLEASE TRY AGAIN.";

qv::ForecastBlock& fc() { return qv::S().fc; }

// The busy cursor goes off again also when a step fails; the failure itself is the
// calling command's to handle.
struct BusyCursor {
    BusyCursor() { pf::SetBusyCursor(true); }
    ~BusyCursor() { pf::SetBusyCursor(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// The last-row beep stays silent only while our own keystroke is handled.
struct SilentLastRow {
    SilentLastRow() { qv::S().blnSuppressLastRowBeep = true; }
    ~SilentLastRow() { qv::S().blnSuppressLastRowBeep = false; }
    SilentLastRow(const SilentLastRow&) = delete;
    SilentLastRow& operator=(const SilentLastRow&) = delete;
};

}  // namespace

void InitTimeSeriesArray() { fc().dblTimeSeries.ReDim(qv::ForecastBlock::kSeriesUpper, 1); }

void NewForecastingProblem() {
    auto& s = qv::S();
    InitTimeSeriesArray();
    // Every new problem starts from whole numbers, as in the other modules.
    s.intDecimalPlaces = 0;
    s.blnDialogCancelled = true;  // only OK clears it
    if (!qv::askDimensions()) return;
    BuildTimeSeriesGrid();
}

void BuildTimeSeriesGrid() {
    auto& s = qv::S();
    FrmProblem& f = frmProblem();
    pf::Grid& g = f.gridDisplayEdit;
    s.strProblemEntered = "YES";
    if (s.blnEditInProgress) g.Visible(false);
    qv::menuEvent(qv::MenuEvent::ProblemLaidOut);
    BusyCursor busy;
    long colour = f.BackColor();
    f.BackColor(QVCommon::PaletteColor(colour));
    f.lblInfo.Caption(kGridInstruction);
    f.lblInfo.Visible(true);

    const int periods = fc().intPeriodCount;
    g.Move(120, 720, 3255, 8655);
    g.Rows(periods + 1);
    g.FixedRows(1);
    g.Cols(2);
    g.FixedCols(1);
    g.ColWidth(0, 1100);
    g.ColWidth(1, 1800);
    g.ColAlignment(1, 1);
    qv::fitGridToWindow(g);
    g.TextMatrix(0, 0, "Period");
    g.TextMatrix(0, 1, "Time Series Value");
    for (int t = 1; t <= periods; ++t) {
        g.TextMatrix(t, 0, std::to_string(t));
        const pf::Value& v = fc().dblTimeSeries(t, 1);
        g.TextMatrix(t, 1, s.blnNewProblem || v.IsEmpty() ? std::string() : pf::EntryNumber(v.num()));
    }
    g.Visible(true);
    qv::focusLaidOutGrid(f, s.blnNewProblem);
}

void AddTimePeriods() {
    const int before = fc().intPeriodCount;
    double added = 0;
    // Counts are compared as numbers before one is stored: "1,000" is too many, not 1.
    if (!qv::askWholeNumber(kAddPrompt, "Add Time Periods", "The Number of Time Periods must be an Integer!!",
                            "Time Periods to Add Must be Positive", qv::AnswerReading::AsChecked,
                            [before](double n) {
                                return std::string(before + n > qv::ForecastBlock::kMaxPeriods ? kTooManyPeriods : "");
                            },
                            added))
        return;

    // The value being edited is stored before the grid is laid out again.
    FrmProblem& f = frmProblem();
    pf::Grid& g = f.gridDisplayEdit;
    const int row = g.Row();
    if (CellChecks::checkGridCell(CellChecks::Pass::Editing, row, 1, g.Text()) == CellChecks::kRejected) {
        if (g.canTakeFocus()) g.SetFocus();
        return;
    }

    const int n = static_cast<int>(added);
    fc().intPeriodCount = before + n;
    BuildTimeSeriesGrid();
    for (int r = before + 1; r <= before + n; ++r) {
        fc().dblTimeSeries(r, 1).Clear();
        g.TextMatrix(r, 1, "");
    }
    f.editor().moveTo(before + 1, 1);
    if (!g.canTakeFocus()) return;
    g.SetFocus();
    // Down and Up through the grid's own key handling leave the first new period
    // current with nothing pending; the last row stays silent on Down.
    {
        SilentLastRow silent;
        pf::SendKeys("{DOWN}", true);
    }
    if (n != 1) pf::SendKeys("{UP}", true);
}

void DeleteTimePeriods() {
    const int before = fc().intPeriodCount;
    double deleted = 0;
    if (!qv::askWholeNumber(kDeletePrompt, "Delete Time Periods", "The Time Periods must be an Integer!!",
                            "Time Periods Must be Positive", qv::AnswerReading::AsChecked,
                            [before](double d) {
                                return d >= before ? "The Number of Time Periods to Delete must be less than " +
                                                         std::to_string(before)
                                                   : std::string();
                            },
                            deleted))
        return;
    const int d = static_cast<int>(deleted);
    const int left = before - d;
    fc().intPeriodCount = left;
    auto& series = fc().dblTimeSeries;
    for (int i = 1; i <= left; ++i) series(i, 1) = series(d + i, 1);
    BuildTimeSeriesGrid();
}

void SolveForecasting() {
    auto& s = qv::S();
    auto& f = fc();
    f.dblForecasts.ReDim(qv::ForecastBlock::kSeriesUpper);
    f.dblForecastErrors.ReDim(qv::ForecastBlock::kSeriesUpper);
    f.dblSeasonalIndexes.ReDim(qv::ForecastBlock::kMaxSeasons);
    pf::SetBusyCursor(false);
    s.blnDialogCancelled = true;  // only Solve clears it
    frmForecastingModels().Show(pf::vbModal);
    if (s.blnDialogCancelled) {
        frmMenu().SetFocus();
        return;
    }
    pf::SetBusyCursor(true);
    const SolveOutcome out = SolveMethod(f, s.intDecimalPlaces);
    if (out.status == MethodStatus::Refused) return;  // the dialog lets no such parameters through
    if (out.status == MethodStatus::IndexesSumToZero) {
        pf::MsgBox(kIndexesSumToZero, pf::vbInformation + pf::vbOKOnly, "WARNING!");
        return;
    }
    FrmSolution& w = frmSolution();
    if (!out.lines.empty()) {
        w.hideTitle(false);
        w.startLines(out.lines.front());
        for (std::size_t i = 1; i < out.lines.size(); ++i) w.addLine(out.lines[i]);
    }
    w.showSolution();
    if (out.status == MethodStatus::ZeroSeasonalIndex)
        pf::MsgBox(out.warning, pf::vbInformation + pf::vbOKOnly, "WARNING!");
}

void PrintForecastingSolution(pf::ReportSink& sink) {
    auto& s = qv::S();
    PrintForecastingSolution(s.fc, s.intDecimalPlaces, sink);
}

}  // namespace QVForecasting
