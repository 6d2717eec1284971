#include "markov/Markov.h"

#include <string>
#include <vector>

#include "markov/core/MarkovAnalysis.h"
#include "platform/core/Errors.h"
#include "platform/core/Format.h"
#include "platform/ui/Host.h"
#include "shell/MenuState.h"
#include "shell/QVCommon.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmProblem.h"
#include "shell/frmSolution.h"
#include "shell/frmUserInput.h"

namespace Markov {

namespace {
constexpr int kStateColumnWidth = 1200;
constexpr int kCaptionWidthPerState = 1225;
}  // namespace

void NewMarkovProblem() {
    if (!qv::askDimensions()) return;
    InitMarkovArrays();
    qv::S().strProblemEntered = "NO";
    BuildMarkovInputGrid();
}

void InitMarkovArrays() { InitMarkovArrays(qv::S().mk, qv::S().dblProbabilityTable); }

void BuildMarkovInputGrid() {
    auto& s = qv::S();
    auto& mk = s.mk;
    const int n = static_cast<int>(mk.intStateCount.num());
    // An object already loaded is passed over; any other failure ends the layout
    // silently where it stands.
    auto step = [](auto&& fn) {
        try {
            fn();
        } catch (const pf::RuntimeError& e) {
            if (e.number() != pf::errObjectAlreadyLoaded) return false;
        }
        return true;
    };
    FrmProblem* w = nullptr;
    const bool done =
        step([&] { s.strProblemEntered = "YES"; }) &&
        step([] { qv::menuEvent(qv::MenuEvent::ProblemLaidOut); }) &&
        step([] { pf::SetBusyCursor(true); }) &&
        step([&] {
            w = &frmProblem();
            long colour = w->BackColor();
            w->BackColor(QVCommon::PaletteColor(colour));
            w->lblInfo.Visible(true);
            w->lblTitle.Visible(true);
            w->lblgridcaption.Visible(true);
        }) &&
        step([&] { w->lblTitle.Caption("Transition Matrix"); }) &&
        step([&] {
            const std::string k = pf::PlainNumber(n);
            w->lblInfo.Caption("Enter/Edit data:  Transition probabilities in rows 1-" + k + " and columns 1-" + k +
                               "  NOTE:  Probabilities must sum to 1 for each row.");
        }) &&
        step([&] {
            // Centred over the state columns; a single column takes the caption at its left.
            if (n > 1) {
                w->lblgridcaption.Width(n * kCaptionWidthPerState);
                w->lblgridcaption.Alignment(2);
            } else {
                w->lblgridcaption.Alignment(0);
            }
            w->lblgridcaption.Caption("To State");
        }) &&
        step([&] {
            pf::Grid& g = w->gridDisplayEdit;
            g.Rows(n + 1);
            g.Cols(n + 1);
            g.FixedRows(1);
            g.FixedCols(1);
            g.ColWidth(0, 1150);
            for (int j = 1; j <= n; ++j) {
                g.ColWidth(j, kStateColumnWidth);
                g.ColAlignment(j, 1);
            }
            qv::fitGridToWindow(g);
        }) &&
        step([&] {
            pf::Grid& g = w->gridDisplayEdit;
            g.TextMatrix(0, 0, "From State");
            for (int i = 1; i <= n; ++i) {
                g.TextMatrix(i, 0, std::to_string(i));
                for (int j = 1; j <= n; ++j) {
                    g.TextMatrix(0, j, std::to_string(j));
                    const pf::Value& p = mk.dblTransitionMatrix(i, j);
                    g.TextMatrix(i, j, s.blnNewProblem || p.IsEmpty() ? std::string() : pf::EntryNumber(p.num()));
                }
            }
        }) &&
        step([&] { w->gridDisplayEdit.Visible(true); }) &&
        step([&] {
            if (s.blnNewProblem) {
                w->editor().moveTo(1, 1);
                w->gridDisplayEdit.SetFocus();
            } else {
                frmMenu().SetFocus();
            }
        });
    if (!done) return;
    step([] {
        (*frmMenu().mnudispeditsubs)(0).Enabled(false);
        pf::SetBusyCursor(false);
    });
}

void SolveMarkovProcess() {
    auto& s = qv::S();
    AnalyzeChain(s.mk, s.dblProbabilityTable);
    const std::vector<std::string> lines = SolutionLines(s.mk, s.dblProbabilityTable);
    FrmSolution& w = frmSolution();
    w.hideTitle(true);
    w.startLines(kSolutionFirstLine);
    for (const std::string& line : lines) w.addLine(line);
    w.showSolution();
}

void PrintMarkovSolution(pf::ReportSink& out) {
    PrintMarkovSolution(qv::S().mk, qv::S().dblProbabilityTable, out);
}

}  // namespace Markov
