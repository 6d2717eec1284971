#include "lp/frmLPproblem.h"

#include "shell/MenuState.h"
#include "shell/QVCommon.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmModuleSelection.h"
#include "shell/frmProblem.h"

FrmLPproblem& frmLPproblem() { return pf::instance<FrmLPproblem>(); }

namespace {
constexpr long kBackground = 0x00FFC0C0;
constexpr long kNavy = 0x00800000;
constexpr long kWhite = 0x00FFFFFF;
constexpr long kLightOrange = 0x0080C0FF;

void infoLabel(pf::Label& l) {
    l.FontName("Century Gothic");
    l.FontSize(9.75);
    l.FontBold(true);
    l.ForeColor(kNavy);
    l.BackColor(kLightOrange);
    l.WordWrap(true);
}

void barLabel(pf::Label& l) {
    l.FontName("Century Gothic");
    l.FontSize(9.75);
    l.FontBold(true);
    l.ForeColor(kWhite);
    l.BackColor(kNavy);
    l.Visible(false);
}
}  // namespace

FrmLPproblem::FrmLPproblem() : pf::Form("frmLPproblem", pf::FormKind::Child) {
    Move(0, 0, 15270, 10065);
    BackColor(kBackground);

    txtLoadInfo.Move(0, 0, 15260, 1335);
    infoLabel(txtLoadInfo);
    txtLoadInfo.Visible(false);
    lblLoadInfo.Move(0, 840, 15255, 375);
    infoLabel(lblLoadInfo);
    lblLoadInfo.Visible(false);
    lblInfo.Move(0, 0, 15260, 615);
    infoLabel(lblInfo);
    lblInfo.Visible(false);
    lblopttype.Move(120, 660, 4000, 300);
    lblopttype.FontName("Century Gothic");
    lblopttype.FontSize(9.75);
    lblopttype.FontBold(true);
    lblopttype.ForeColor(kNavy);
    lblopttype.BackColor(kBackground);
    lblopttype.Visible(false);

    // The bars across the window carry the grid captions.
    Label2.Move(0, 1020, 15270, 285);
    barLabel(Label2);
    lblObjFunction.Move(1670, 1020, 12250, 285);
    barLabel(lblObjFunction);
    lblObjFunction.Caption("Objective Function");
    lblObjFunction.Alignment(2);
    Label1.Move(0, 2220, 15270, 285);
    barLabel(Label1);
    lblcoeff.Move(1670, 2220, 12250, 285);
    barLabel(lblcoeff);
    lblcoeff.Caption("Constraints");
    lblcoeff.Alignment(2);

    for (int i = 0; i < 2; ++i) {
        Grid[static_cast<std::size_t>(i)] = std::make_unique<pf::Grid>(this, "Grid", i);
        Grid[static_cast<std::size_t>(i)]->Visible(false);
    }
    Grid[0]->Move(120, 1320, 15030, 780);
    Grid[1]->Move(120, 2520, 15030, 5000);

    txtLoadInfo.Click = [this] { txtLoadInfo_Click(); };
    lblInfo.Click = [this] { lblInfo_Click(); };
}

void FrmLPproblem::Form_Load() {
    auto step = [](auto&& fn) { return qv::loadStep(fn); };
    // New, Open and Change Modules, and the module's Edit items 0, 1 and 3 to 7.
    if (!qv::startHomeScreenLoad(*this, {&lblInfo, &txtLoadInfo})) return;
    if (!step([&] {
            Grid[0]->SelStartRow(0);
            Grid[0]->SelStartCol(1);
        }))
        return;
    const int mod = qv::S().intCurrentModule;
    if (!step([&] {
            if (mod == 1 || mod == 4) txtLoadInfo.Caption(qv::moduleInfo(mod).description);
        }))
        return;
    step([&] {
        lblLoadInfo.Caption(qv::kHomePrompt);
        txtLoadInfo.Visible(true);
        lblLoadInfo.Visible(true);
    });
}

void FrmLPproblem::Form_Unload(int& /*cancel*/) {
    qv::S().strProblemFileName = "";
    qv::menuEvent(qv::MenuEvent::HomeScreenUnloaded);
}

void FrmLPproblem::lblInfo_Click() { frmMenu().SetFocus(); }
void FrmLPproblem::txtLoadInfo_Click() { frmMenu().SetFocus(); }
