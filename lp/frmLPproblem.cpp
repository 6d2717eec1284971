#include "lp/frmLPproblem.h"

#include "lp/QVLP.h"
#include "platform/core/Format.h"
#include "platform/ui/Host.h"
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

bool isNameKey(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

qv::GridEditRules gridRules(FrmLPproblem* w, int index) {
    qv::GridEditRules r;
    r.gridIndex = index;
    r.role = [index](const pf::Grid& g) {
        if (g.Col() == 0 || (index == 1 && g.Row() == 0)) return qv::CellRole::Heading;
        return qv::CellRole::Data;
    };
    r.acceptChar = [index](const pf::Grid& g, char c, bool first) {
        if (index == 1 && g.Col() == g.Cols() - 2)
            return c == '<' || c == '=' || c == '>' ? qv::CharVerdict::Accept : qv::CharVerdict::Beep;
        if (index == 0 && g.Row() == 0) {
            if (!isNameKey(c)) return qv::CharVerdict::Beep;
            if (first && c >= '0' && c <= '9') {
                pf::MsgBox("The first position of a variable cannot contain a number.",
                           pf::vbCritical + pf::vbOKOnly, "Data Input Error");
                return qv::CharVerdict::Refuse;
            }
            return qv::CharVerdict::Accept;
        }
        return qv::isNumericKey(c) ? qv::CharVerdict::Accept : qv::CharVerdict::Beep;
    };
    r.check = [w, index] { return w->ValidateCell(index); };
    // Down and Enter in the last row always beep here.
    r.lastRowBeepSuppressible = false;
    // Tab in a grid's last cell goes on in the other grid, Shift+Tab in its first
    // goes back to the other grid's last cell.
    r.tabPastEdge = [w, index](int step) {
        qv::GridEditor& other = w->editor(1 - index);
        if (step > 0)
            other.moveTo(1, 1);
        else
            other.moveToLastCell();
        other.grid().SetFocus();
    };
    // A cell refused on a click stays current without taking the focus back.
    r.refocusOnClickReject = false;
    return r;
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

    qv::layoutHomeInfoLabels(txtLoadInfo, lblLoadInfo);
    lblInfo.Move(0, 0, 15260, 615);
    qv::homeInfoLabel(lblInfo);
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
    lblObjFunction.Move(kCaptionLeft, 1020, 12250, 285);
    barLabel(lblObjFunction);
    lblObjFunction.Caption("Objective Function");
    lblObjFunction.Alignment(2);
    Label1.Move(0, 2220, 15270, 285);
    barLabel(Label1);
    lblcoeff.Move(kCaptionLeft, 2220, 12250, 285);
    barLabel(lblcoeff);
    lblcoeff.Caption("Constraints");
    lblcoeff.Alignment(2);

    for (int i = 0; i < 2; ++i) {
        Grid[static_cast<std::size_t>(i)] = std::make_unique<pf::Grid>(this, "Grid", i);
        Grid[static_cast<std::size_t>(i)]->Visible(false);
    }
    Grid[0]->Move(120, 1320, 15030, 780);
    Grid[1]->Move(120, 2520, 15030, 5000);
    // Variable j's coefficients stand under its objective coefficient however far
    // either grid is scrolled.
    Grid[0]->ScrollColumnsWith(*Grid[1]);
    for (int i = 0; i < 2; ++i) {
        auto& e = editors_[static_cast<std::size_t>(i)];
        e = std::make_unique<qv::GridEditor>(*Grid[static_cast<std::size_t>(i)], gridRules(this, i));
        e->attach();
        // Focus loss has rules of its own here (the name heading copy).
        Grid[static_cast<std::size_t>(i)]->LostFocus = [this, i] { Grid_LostFocus(i); };
    }

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
    step([&] { qv::showHomePrompt(txtLoadInfo, lblLoadInfo); });
}

void FrmLPproblem::Form_Unload(int& /*cancel*/) {
    qv::S().strProblemFileName = "";
    qv::menuEvent(qv::MenuEvent::HomeScreenUnloaded);
}

int FrmLPproblem::ValidateCell(int index) { return QVLP::ValidateCell(index); }

void FrmLPproblem::Grid_LostFocus(int index) {
    pf::Grid& g0 = *Grid[0];
    pf::Grid& g1 = *Grid[1];
    // A name being typed shows in the constraint grid's heading, unchecked.
    if (g0.Col() >= 1 && g0.Row() == 0 && g0.Col() < g1.Cols()) {
        const std::string name = g0.Text();
        g1.TextMatrix(0, g0.Col(), pf::Spaces(13 - static_cast<int>(name.size())) + name);
    }
    if (index == 0 && (g0.Col() == 0 || g0.Row() == 0)) return;
    // Only the grid holding the edited cell checks it, whatever the other grid's
    // current cell is, so that no typed value leaves the grids unchecked.
    auto& s = qv::S();
    if (s.intEditGridIndex != index) return;
    pf::Grid& g = *Grid[static_cast<std::size_t>(index)];
    if (g.Col() == 0 || g.Row() < g.FixedRows() || g.Text().empty()) return;
    if (!editor(index).checkCurrentCell() && g.canTakeFocus()) g.SetFocus();
}

void FrmLPproblem::lblInfo_Click() { frmMenu().SetFocus(); }
void FrmLPproblem::txtLoadInfo_Click() { frmMenu().SetFocus(); }
