#pragma once
// The main window: menu bar, status caption and the two common dialogs.
#include <memory>

#include "platform/ui/CommonDialog.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Menu.h"

class FrmMenu : public pf::Form {
public:
    FrmMenu();
    ~FrmMenu() override;
    void Form_Load() override;  // MDIForm_Load

    pf::PictureBox Picture1{this, "Picture1"};
    pf::Label lblmoduleindicator{this, "lblmoduleindicator", -1, &Picture1};
    pf::CommonDialog DialogPrinter{"DialogPrinter"};
    pf::CommonDialog dialogFile{"dialogFile"};

    // Menus by their design names.
    pf::MenuItem* mnuFile = nullptr;
    pf::MenuItem* mnuFileNew = nullptr;
    pf::MenuItem* mnuFileOpen = nullptr;
    pf::MenuItem* mnusep1 = nullptr;
    pf::MenuItem* mnuFileSave = nullptr;
    pf::MenuItem* mnusep5 = nullptr;
    pf::MenuItem* mnuFileChangeModules = nullptr;
    pf::MenuItem* mnusep2 = nullptr;
    pf::MenuItem* mnuFileExit = nullptr;
    pf::MenuItem* mnudispedit = nullptr;
    std::unique_ptr<pf::MenuArray> mnudispeditsubs;
    std::unique_ptr<pf::MenuArray> mnudispeditsubslower;
    pf::MenuItem* mnuSolution = nullptr;
    pf::MenuItem* mnuSolutionSolve = nullptr;
    pf::MenuItem* mnusep8 = nullptr;
    pf::MenuItem* mnuSolutionPrinttoPrinter = nullptr;
    pf::MenuItem* mnuSolutionPrinttoText = nullptr;

    // Top menus of the bar, in order.
    const std::vector<std::unique_ptr<pf::MenuItem>>& topMenus() const { return bar_; }
    // A menu item by its qualified design name ("mnuFileNew", "mnudispeditsubs(3)").
    pf::MenuItem* menuItem(const std::string& qualifiedName) const;

    // Handlers (File, Edit and Solution commands live with their commands).
    void mnuFile_Click();  // the File menu opens
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileChangeModules_Click();
    void mnuFileExit_Click();
    void mnudispedit_Click();  // the Edit menu opens
    void mnudispeditsubs_Click(int index);
    void mnudispeditsubslower_Click(int index);
    void mnuSolution_Click();  // the Solution menu opens
    void mnuSolutionSolve_Click();
    void mnuSolutionPrinttoPrinter_Click();
    void mnuSolutionPrinttoText_Click();

    // Shell procedures of the commands above (MenuCommands.cpp, ProblemFiles.cpp,
    // DataChecks.cpp).
    void StartNewProblem();
    void WriteProblemFile();  // raises pf::RuntimeError on failure
    void ReadProblemFile();   // reports its own failures
    bool CheckProblemData();

private:
    void buildMenus();
    std::vector<std::unique_ptr<pf::MenuItem>> bar_;
};

FrmMenu& frmMenu();
