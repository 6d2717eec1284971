#include "decision/frmDecisionProblem.h"

#include <algorithm>
#include <vector>

#include "shell/CellChecks.h"
#include "shell/MenuState.h"
#include "shell/QVCommon.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmModuleSelection.h"
#include "shell/frmProblem.h"

FrmDecisionProblem& frmDecisionProblem() { return pf::instance<FrmDecisionProblem>(); }

namespace {
constexpr long kBackground = 0x00FFC0C0;
constexpr long kDarkBlue = 0x00800000;
constexpr long kWhite = 0x00FFFFFF;

void headerLabel(pf::Label& l, const char* caption) {
    l.FontName("Century Gothic");
    l.FontSize(9.75);
    l.FontBold(true);
    l.ForeColor(kWhite);
    l.BackColor(kDarkBlue);
    l.Caption(caption);
    l.Visible(false);
}

// Tab from the last cell of a grid goes on to the first cell of the next grid laid
// out, from the last one back to the payoffs; Shift+Tab from a grid's first cell goes
// back to the last cell of the grid before.
void tabPastEdge(FrmDecisionProblem* w, int index, int step) {
    const auto& d = qv::S().dec;
    std::vector<int> order{0};
    if (d.strStateProbsGiven == "YES") {
        order.push_back(1);
        if (d.strStrategyRequested == "YES") order.push_back(2);
    }
    // A grid off the round (indicator probabilities without state probabilities)
    // leaves it at the payoffs.
    int next = 0;
    if (auto at = std::find(order.begin(), order.end(), index); at != order.end()) {
        const auto count = static_cast<std::ptrdiff_t>(order.size());
        next = order[static_cast<std::size_t>(((at - order.begin()) + step + count) % count)];
    }
    qv::GridEditor& e = w->editor(next);
    if (step > 0)
        e.moveTo(e.grid().FixedRows(), 1);
    else
        e.moveToLastCell();
    if (e.grid().canTakeFocus()) e.grid().SetFocus();
}

qv::GridEditRules gridRules(FrmDecisionProblem* w, int index) {
    qv::GridEditRules r;
    r.gridIndex = index;
    // The probability row is row 0: only its heading column is fixed.
    if (index == 1)
        r.role = [](const pf::Grid& g) { return g.Col() == 0 ? qv::CellRole::Heading : qv::CellRole::Data; };
    r.check = [w, index] {
        int result = 0;
        w->ValidateCell(index, result);
        return result;
    };
    r.lastRowBeepSuppressible = false;
    r.tabPastEdge = [w, index](int step) { tabPastEdge(w, index, step); };
    return r;
}
}  // namespace

FrmDecisionProblem::FrmDecisionProblem() : pf::Form("frmDecisionProblem", pf::FormKind::Child) {
    Move(0, 0, 15270, 10065);
    BackColor(kBackground);

    qv::layoutHomeInfoLabels(txtLoadInfo, lblLoadInfo);

    // Laid over the description once a problem exists, top to bottom.
    lblopttype.Move(120, 120, 1700, 285);
    headerLabel(lblopttype, "Payoff Table:");
    lblgridcaption.Move(1820, 120, 12200, 285);
    headerLabel(lblgridcaption, "States of Nature");
    lblgridcaption.Alignment(2);
    lblProb.Move(120, 3600, 6000, 285);
    headerLabel(lblProb, "Enter State of Nature Probabilities:");
    Label1.Move(120, 4680, 6000, 285);
    headerLabel(Label1, "Sample Outcome Probabilities:");
    // The note wraps inside the grids' room, not out to the window's edge.
    lblInfo.Move(6240, 4560, kGridLeft + kGridRoomWidth - 6240, 525);
    qv::homeInfoLabel(lblInfo);
    lblInfo.Caption(
        "Enter conditional probabilities for each sample outcome given the state of nature.  "
        "Rows must sum to one.");
    lblInfo.Visible(false);

    for (int i = 0; i < 3; ++i) {
        Grid[static_cast<std::size_t>(i)] = std::make_unique<pf::Grid>(this, "Grid", i);
        Grid[static_cast<std::size_t>(i)]->Visible(false);
        Grid[static_cast<std::size_t>(i)]->TabStop = false;
    }
    for (std::size_t i = 0; i < 3; ++i) Grid[i]->Move(kGridLeft, kGridTop[i], kGridRoomWidth, kGridRoomHeight[i]);
    for (int i = 0; i < 3; ++i) {
        auto& e = editors_[static_cast<std::size_t>(i)];
        e = std::make_unique<qv::GridEditor>(*Grid[static_cast<std::size_t>(i)], gridRules(this, i));
        e->attach();
    }

    txtLoadInfo.Click = [this] { txtLoadInfo_Click(); };
}

void FrmDecisionProblem::Form_Load() {
    auto step = [](auto&& fn) { return qv::loadStep(fn); };
    // New, Open and Change Modules; Edit item 0 shown and disabled, item 1 hidden.
    if (!qv::startHomeScreenLoad(*this, {&Label1, &lblInfo, &txtLoadInfo})) return;
    if (!step([&] {
            Grid[0]->SelStartRow(0);
            Grid[0]->SelStartCol(1);
            txtLoadInfo.Caption(qv::moduleInfo(10).description);
        }))
        return;
    step([&] { qv::showHomePrompt(txtLoadInfo, lblLoadInfo); });
}

void FrmDecisionProblem::Form_Unload(int& /*cancel*/) {
    qv::S().strProblemFileName = "";
    qv::menuEvent(qv::MenuEvent::HomeScreenUnloaded);
}

void FrmDecisionProblem::txtLoadInfo_Click() { frmMenu().SetFocus(); }

void FrmDecisionProblem::ValidateCell(int index, int& result) {
    pf::Grid& g = *Grid[static_cast<std::size_t>(index)];
    // Headings are no entries.
    if (g.Row() < g.FixedRows() || g.Col() < g.FixedCols()) {
        result = CellChecks::kAccepted;
        return;
    }
    result = CellChecks::checkDecisionCell(CellChecks::Pass::Editing, g.Row(), g.Col(), g.Text(), index);
}
