#include "network/qvhrtrt.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "network/core/NetworkLines.h"
#include "network/frminputnodes.h"
#include "platform/core/Errors.h"
#include "platform/ui/Host.h"
#include "shell/MenuState.h"
#include "shell/QVCommon.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmProblem.h"
#include "shell/frmSolution.h"
#include "shell/frmUserInput.h"
#include "shell/qverror.h"
#include "shell/SolvingCaption.h"

namespace qvhrtrt {

namespace {


void showLines(const char* title, const std::vector<std::string>& lines) {
    FrmSolution& w = frmSolution();
    w.startLines(lines.front());
    w.setTitle(title);
    for (std::size_t k = 1; k < lines.size(); ++k) w.addLine(lines[k]);
    w.Show();
}

void warn(const char* text) { pf::MsgBox(text, pf::vbCritical + pf::vbOKOnly, kWarningTitle); }

void solveShortestRoute() {
    auto& s = qv::S();
    PrepareRouteLabels();
    s.blnDialogCancelled = true;  // only OK clears it
    frminputnodes().Show(pf::vbModal);
    if (s.blnDialogCancelled) {
        frmMenu().SetFocus();
        return;
    }
    FrmMenu& menu = frmMenu();
    (*menu.mnudispeditsubs)(0).Enabled(true);
    const std::string kept = menu.lblmoduleindicator.Caption();
    qv::showStatusCaption(qv::kSolvingCaption);
    pf::SetBusyCursor(true);
    if (!LabelRoute()) {
        warn(kUnreachableWarning);
        pf::SetBusyCursor(false);
        qv::showStatusCaption(kept);
        menu.SetFocus();
        return;
    }
    showLines(kRouteWindowTitle, RouteWindowLines());
    pf::SetBusyCursor(false);
    qv::enablePrintItems(true);
    menu.SetFocus();
    qv::showStatusCaption(kept);
}

void solveSpanningTree() {
    if (!GrowSpanningTree()) {
        warn(kNoTreeWarning);
        pf::SetBusyCursor(false);
        return;
    }
    showLines(kTreeWindowTitle, TreeWindowLines());
    pf::SetBusyCursor(false);
    frmMenu().SetFocus();
}

}  // namespace

void NewNetworkProblem() {
    auto& s = qv::S();
    try {
        if (!qv::askDimensions()) return;  // the arrays and decimals stay as they were
        InitNetworkArrays();
        s.strProblemEntered = "NO";
        (*frmMenu().mnudispeditsubs)(0).Enabled(false);
        frmMenu().SetFocus();
        EnableNetworkMenus();
        BuildNetworkInputGrid();
    } catch (const pf::RuntimeError& e) {
        qverror::ReportError(e);
    }
}

void EnableNetworkMenus() {
    qv::S().strProblemEntered = "YES";
    try {
        qv::tolerateLoaded([] { qv::menuEvent(qv::MenuEvent::NetworkLaidOut); });
    } catch (const pf::RuntimeError& e) {
        qverror::ReportError(e);
    }
}

void BuildNetworkInputGrid() {
    auto& s = qv::S();
    const int n = s.intNodeCount, a = s.intArcCount;
    pf::SetBusyCursor(true);
    try {
        FrmProblem& f = frmProblem();
        pf::Grid& g = f.gridDisplayEdit;
        // Laying out is no editing: no cell is checked on the way.
        auto lostFocus = std::move(g.LostFocus);
        g.LostFocus = nullptr;
        struct Restore {
            pf::Grid& grid;
            std::function<void()>& handler;
            ~Restore() { grid.LostFocus = std::move(handler); }
        } restore{g, lostFocus};

        qv::tolerateLoaded([&] {
            long colour = f.BackColor();
            f.BackColor(QVCommon::PaletteColor(colour));
        });
        f.lblInfo.Visible(true);
        f.lblTitle.Visible(true);
        f.lblTitle.Caption("Network Description:  " + std::to_string(n) + " NODES and " + std::to_string(a) +
                           " ARCS");
        f.lblInfo.Caption("Enter Start Node, End Node, and Distance/Cost for each Arc.");

        g.Rows(a + 1);
        g.Cols(4);
        g.FixedRows(1);
        g.FixedCols(1);
        // Wide enough for the headings in the program's fonts.
        const int widths[4] = {600, 900, 900, 1400};
        for (int c = 0; c < 4; ++c) g.ColWidth(c, widths[c]);
        for (int c = 1; c <= 3; ++c) g.ColAlignment(c, 1);
        const char* headings[4] = {"Arc", "Start Node", "End Node", "Distance/Cost"};
        for (int c = 0; c < 4; ++c) g.TextMatrix(0, c, headings[c]);
        const auto& arcs = s.net.lngNetworkArcs;
        const int decimals = NetworkDecimals();
        for (int k = 1; k <= a; ++k) {
            g.TextMatrix(k, 0, std::to_string(k));
            if (s.blnNewProblem) {
                for (int c = 1; c <= 3; ++c) g.TextMatrix(k, c, "");
                continue;
            }
            g.TextMatrix(k, 1, std::to_string(arcs(k, qv::NetworkBlock::kArcStart)));
            g.TextMatrix(k, 2, std::to_string(arcs(k, qv::NetworkBlock::kArcEnd)));
            if (auto text = ArcDistanceCell(arcs(k, qv::NetworkBlock::kArcDistance), decimals))
                g.TextMatrix(k, 3, *text);
        }
        g.HighLight(true);

        qv::tolerateLoaded([] { pf::Unload<FrmSolution>(); });
        g.Top(1080);
        qv::fitGridToWindow(g);
        g.Visible(true);
        qv::focusLaidOutGrid(f, s.blnNewProblem);
    } catch (const pf::RuntimeError&) {
        // The layout ends quietly where it failed.
    }
    pf::SetBusyCursor(false);
}

void SolveNetwork() {
    BuildDistanceMatrix();
    if (qv::S().strProblemType == kShortestRouteTitle)
        solveShortestRoute();
    else
        solveSpanningTree();
}

}  // namespace qvhrtrt
