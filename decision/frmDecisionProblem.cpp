#include "decision/frmDecisionProblem.h"

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
    lblInfo.Move(6240, 4560, 8900, 525);
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
    Grid[0]->Move(120, 405, 14000, 3075);
    Grid[1]->Move(120, 3885, 14000, 420);
    Grid[2]->Move(120, 5205, 14000, 3075);

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
