#include "shell/frmProblem.h"

#include "platform/core/Errors.h"
#include "shell/CellChecks.h"
#include "shell/MenuState.h"
#include "shell/QVCommon.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmModuleSelection.h"
#include "shell/qverror.h"

FrmProblem& frmProblem() { return pf::instance<FrmProblem>(); }

namespace {
constexpr long kBackground = 0x00FFC0C0;
constexpr long kNavy = 0x00800000;
constexpr long kLightOrange = 0x0080C0FF;

qv::GridEditRules gridRules(FrmProblem* w) {
    qv::GridEditRules r;
    r.role = [](const pf::Grid& g) {
        if (g.Row() == 0 || g.Col() == 0) return qv::CellRole::Heading;
        // The transportation tableau's corner, where the demand row meets the supply column.
        if (qv::S().intCurrentModule == 2 && g.Row() == g.Rows() - 1 && g.Col() == g.Cols() - 1)
            return qv::CellRole::Locked;
        return qv::CellRole::Data;
    };
    r.check = [w] {
        int result = 0;
        w->ValidateCell(result);
        return result;
    };
    return r;
}
}  // namespace

FrmProblem::FrmProblem() : pf::Form("frmProblem", pf::FormKind::Child), editor_(gridDisplayEdit, gridRules(this)) {
    Move(0, 0, 15270, 10065);
    BackColor(kBackground);

    qv::layoutHomeInfoLabels(txtLoadInfo, lblLoadInfo);
    txtLoadInfo.UseMnemonic(false);  // a description: "&" is a plain ampersand
    lblInfo.Move(0, 0, 15260, 615);
    qv::homeInfoLabel(lblInfo);
    lblInfo.Visible(false);

    lblTitle.Move(240, 705, 9255, 375);
    lblTitle.FontName("MS Sans Serif");
    lblTitle.FontSize(9.75);
    lblTitle.FontBold(true);
    lblTitle.ForeColor(kNavy);
    lblTitle.BackColor(kBackground);
    lblTitle.Visible(false);
    lblgridcaption.Move(1320, 1080, 13950, 255);
    lblgridcaption.FontName("MS Sans Serif");
    lblgridcaption.FontSize(8.25);
    lblgridcaption.BackColor(kBackground);
    lblgridcaption.Visible(false);

    gridDisplayEdit.Move(120, 1320, 15135, 8655);
    gridDisplayEdit.Visible(false);
    editor_.attach();

    txtLoadInfo.Click = [this] { txtLoadInfo_Click(); };
    lblInfo.Click = [this] { lblInfo_Click(); };
}

void FrmProblem::Form_Load() {
    auto& s = qv::S();
    const int mod = s.intCurrentModule;
    auto step = [](auto&& fn) { return qv::loadStep(fn); };
    if (!qv::startHomeScreenLoad(*this, {&lblInfo, &txtLoadInfo})) return;
    if (!step([&] {
            gridDisplayEdit.SelStartRow(1);
            gridDisplayEdit.SelStartCol(1);
        }))
        return;
    if (mod != 1 && mod != 4 && mod != 10) {
        if (!step([&] { txtLoadInfo.Caption(qv::moduleInfo(mod).description); })) return;
        if (mod == 5 || mod == 7 || mod == 8 || mod == 9) {
            // The longer descriptions.
            txtLoadInfo.Height(1695);
            lblLoadInfo.Top(1200);
        }
        if (mod == 7) {
            auto& letters = s.pert.strActivityLetters;
            letters.ReDim(qv::PertBlock::kMaxActivities);
            for (int i = 1; i <= qv::PertBlock::kMaxActivities; ++i)
                letters(i) = std::string(1, static_cast<char>(64 + i));
        }
    }
    step([&] { qv::showHomePrompt(txtLoadInfo, lblLoadInfo); });
}

void FrmProblem::Form_Unload(int& /*cancel*/) {
    qv::S().strProblemFileName = "";
    qv::menuEvent(qv::MenuEvent::HomeScreenUnloaded);
}

void FrmProblem::ValidateCell(int& result) {
    result = CellChecks::checkGridCell(CellChecks::Pass::Editing, gridDisplayEdit.Row(),
                                       gridDisplayEdit.Col(), gridDisplayEdit.Text());
}

void FrmProblem::txtLoadInfo_Click() { frmMenu().SetFocus(); }
void FrmProblem::lblInfo_Click() { frmMenu().SetFocus(); }

namespace qv {

void homeInfoLabel(pf::Label& l) {
    l.FontName("Century Gothic");
    l.FontSize(9.75);
    l.FontBold(true);
    l.ForeColor(kNavy);
    l.BackColor(kLightOrange);
    l.Alignment(0);
    l.WordWrap(true);
}

void layoutHomeInfoLabels(pf::Label& description, pf::Label& prompt) {
    description.Move(0, 0, 15260, 1335);
    homeInfoLabel(description);
    // The prompt's caption starts with two blanks; the description starts as far in.
    description.IndentByBlanks(2);
    description.Visible(false);
    prompt.Move(0, 840, 15255, 375);
    homeInfoLabel(prompt);
    prompt.Visible(false);
}

void showHomePrompt(pf::Label& description, pf::Label& prompt) {
    prompt.Caption(kHomePrompt);
    // Below the whole description where the faces wrap it onto more lines than the design's.
    const int textBottom = description.Top() + description.TextHeight();
    if (prompt.Top() < textBottom) prompt.Top(textBottom);
    description.Visible(true);
    prompt.Visible(true);
}

bool startHomeScreenLoad(pf::Form& window, std::initializer_list<pf::Control*> paletteLabels) {
    if (!loadStep([&] {
            window.Left(0);
            window.Top(0);
        }))
        return false;
    if (!loadStep([&] {
            for (pf::Control* c : paletteLabels) {
                long colour = c->BackColor();
                c->BackColor(QVCommon::PaletteColor(colour));
            }
        }))
        return false;
    // New, Open and Change Modules, and the module's Edit items.
    return loadStep([] { menuEvent(MenuEvent::HomeScreenLoaded); });
}

void focusLaidOutGrid(FrmProblem& f, bool newProblem) {
    if (newProblem) {
        f.editor().moveTo(1, 1);
        if (f.gridDisplayEdit.canTakeFocus()) f.gridDisplayEdit.SetFocus();
    } else {
        frmMenu().SetFocus();
    }
}

void fitGridToWindow(pf::Grid& g) {
    constexpr int kRightMargin = 15, kBottomMargin = 90;
    const pf::Form& w = g.owner();
    g.FitToCells(w.ScaleWidth() - g.Left() - kRightMargin, w.ScaleHeight() - g.Top() - kBottomMargin);
}

}  // namespace qv
