#include "shell/frmMenu.h"

#include "platform/ui/Host.h"
#include "shell/QVCommon.h"
#include "shell/frmModuleSelection.h"
#include "platform/ui/MainWindow.h"

FrmMenu& frmMenu() { return pf::instance<FrmMenu>(); }

namespace {
constexpr long kNavy = 0x00800000;
constexpr long kWhite = 0x00FFFFFF;
constexpr long kAppBackground = 0x00808080;
constexpr int kClientWidth = 15270;
constexpr int kClientHeight = 10065;
constexpr int kStripHeight = 375;
}  // namespace

FrmMenu::FrmMenu() : pf::Form("frmMenu", pf::FormKind::Main) {
    Caption("The Quorvane Version 6.0");
    BackColor(kAppBackground);
    Picture1.BackColor(kNavy);
    lblmoduleindicator.BackColor(kNavy);
    lblmoduleindicator.ForeColor(kWhite);
    lblmoduleindicator.FontName("Century Gothic");
    lblmoduleindicator.FontSize(10);
    lblmoduleindicator.FontBold(true);
    lblmoduleindicator.IndentByBlanks(1);  // clear of the strip's left edge
    lblmoduleindicator.Caption("");
    dialogFile.CancelError = true;
    DialogPrinter.CancelError = true;
    buildMenus();
    int menuBar = pf::menuBarHeightTwips(*this);
    Move(600, 300, kClientWidth, kClientHeight + kStripHeight + menuBar);
    Picture1.Move(0, kClientHeight, kClientWidth, kStripHeight);
    pf::dockBottom(*this, Picture1, kStripHeight);
    pf::keepClientAtLeast(*this, kClientWidth, kClientHeight + kStripHeight);
}

FrmMenu::~FrmMenu() = default;

void FrmMenu::buildMenus() {
    auto top = [&](const std::string& name, const std::string& caption) {
        bar_.push_back(std::make_unique<pf::MenuItem>(name, -1, caption));
        return bar_.back().get();
    };
    auto item = [](pf::MenuItem* parent, const std::string& name, const std::string& caption) {
        return &parent->add(std::make_unique<pf::MenuItem>(name, -1, caption));
    };

    mnuFile = top("mnuFile", "&File");
    mnuFileNew = item(mnuFile, "mnuFileNew", "&New...");
    mnuFileOpen = item(mnuFile, "mnuFileOpen", "&Open...");
    mnusep1 = item(mnuFile, "mnusep1", "-");
    mnuFileSave = item(mnuFile, "mnuFileSave", "&Save Problem...");
    mnusep5 = item(mnuFile, "mnusep5", "-");
    mnuFileChangeModules = item(mnuFile, "mnuFileChangeModules", "Change &Modules");
    mnusep2 = item(mnuFile, "mnusep2", "-");
    mnuFileExit = item(mnuFile, "mnuFileExit", "E&xit");

    mnudispedit = top("mnudispedit", "&Edit");
    mnudispeditsubs = std::make_unique<pf::MenuArray>("mnudispeditsubs", mnudispedit);
    mnudispeditsubs->addDesign(0, "");
    mnudispeditsubs->addDesign(1, "-");
    auto& holder = mnudispeditsubs->addDesign(2, "");
    holder.makeSubmenuHolder();
    mnudispeditsubslower = std::make_unique<pf::MenuArray>("mnudispeditsubslower", &holder);
    mnudispeditsubslower->addDesign(0, "");

    mnuSolution = top("mnuSolution", "&Solution");
    mnuSolutionSolve = item(mnuSolution, "mnuSolutionSolve", "&Solve");
    mnusep8 = item(mnuSolution, "mnusep8", "-");
    mnuSolutionPrinttoPrinter = item(mnuSolution, "mnuSolutionPrinttoPrinter", "&Print");
    mnuSolutionPrinttoText = item(mnuSolution, "mnuSolutionPrinttoText", "Save &As Text File");

    // State at start: only File with Exit, and Solve inside the disabled Solution menu.
    mnuFileNew->Enabled(false);
    mnuFileOpen->Enabled(false);
    mnuFileSave->Enabled(false);
    mnuFileChangeModules->Enabled(false);
    mnudispedit->Enabled(false);
    mnudispeditsubs->operator()(2).Visible(false);
    mnuSolution->Enabled(false);
    mnuSolutionPrinttoPrinter->Enabled(false);
    mnuSolutionPrinttoText->Enabled(false);

    // Handlers. Array elements created later are wired when the menu opens.
    mnuFile->Opening = [this] { mnuFile_Click(); };
    mnuFileNew->Click = [this] { mnuFileNew_Click(); };
    mnuFileOpen->Click = [this] { mnuFileOpen_Click(); };
    mnuFileSave->Click = [this] { mnuFileSave_Click(); };
    mnuFileChangeModules->Click = [this] { mnuFileChangeModules_Click(); };
    mnuFileExit->Click = [this] { mnuFileExit_Click(); };
    mnudispedit->Opening = [this] {
        mnudispedit_Click();
        for (int i : mnudispeditsubs->indices())
            (*mnudispeditsubs)(i).Click = [this, i] { mnudispeditsubs_Click(i); };
    };
    holder.Opening = [this] {
        for (int i : mnudispeditsubslower->indices())
            (*mnudispeditsubslower)(i).Click = [this, i] { mnudispeditsubslower_Click(i); };
    };
    mnuSolution->Opening = [this] { mnuSolution_Click(); };
    mnuSolutionSolve->Click = [this] { mnuSolutionSolve_Click(); };
    mnuSolutionPrinttoPrinter->Click = [this] { mnuSolutionPrinttoPrinter_Click(); };
    mnuSolutionPrinttoText->Click = [this] { mnuSolutionPrinttoText_Click(); };

    pf::attachMenuBar(*this, bar_);
}

pf::MenuItem* FrmMenu::menuItem(const std::string& qualifiedName) const {
    std::function<pf::MenuItem*(pf::MenuItem*)> find = [&](pf::MenuItem* m) -> pf::MenuItem* {
        if (m->qualifiedName() == qualifiedName) return m;
        for (auto& c : m->children())
            if (auto* r = find(c.get())) return r;
        return nullptr;
    };
    for (auto& t : bar_)
        if (auto* r = find(t.get())) return r;
    return nullptr;
}

void FrmMenu::Form_Load() {
    lblmoduleindicator.Move(0, 0, Picture1.Width(), Picture1.Height());
    long c = lblmoduleindicator.BackColor();
    lblmoduleindicator.BackColor(QVCommon::PaletteColor(c));
    long b = BackColor();
    BackColor(QVCommon::PaletteColor(b));
    Show();
    frmModuleSelection().Show();
    SetFocus();
}

void FrmMenu::mnuFileExit_Click() { pf::End(); }
