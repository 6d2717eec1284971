// The File, Edit and Solution commands of the main window. They serve every module
// through its entry in the module registry (shell/Modules.h).
#include "platform/core/Errors.h"
#include "platform/core/SeqFile.h"
#include "platform/ui/Grid.h"
#include "platform/ui/Host.h"
#include "shell/CellChecks.h"
#include "shell/DataChecks.h"
#include "shell/GridEditor.h"
#include "shell/MenuState.h"
#include "shell/Modules.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmModuleSelection.h"
#include "shell/frmProblem.h"
#include "shell/qverror.h"
#include "shell/SolvingCaption.h"

namespace {

constexpr long kOpenFlags = 0x1804;  // file and path must exist, no read-only box
constexpr long kSaveFlags = 0x806;   // ask before overwriting, no read-only box, path must exist

qv::SharedState& St() { return qv::S(); }
int currentModuleNumber() { return qv::S().intCurrentModule; }

void run(const std::function<void()>& procedure) {
    if (procedure) procedure();
}

std::string problemFilter() {
    const std::string& ext = St().strProblemFileExt;
    return ext + " File|*." + ext + "|All Files (*.*)|*.*";
}

void hideLoadInfo() {
    pf::Form* home = qv::loadedWindow(qv::homeScreenName(currentModuleNumber()));
    if (!home) return;
    for (const char* name : {"txtLoadInfo", "lblLoadInfo"})
        if (pf::Control* c = home->control(name)) c->Visible(false);
}

void openHomeScreen() {
    qv::ModuleProcedures& p = qv::currentModule();
    if (p.showHomeScreen)
        p.showHomeScreen();
    else
        qv::showHomeScreen();
}

// The reset of New and Open over an entered problem: the solution window and the
// module's windows close, and an empty home screen comes back.
void resetModuleWindows(bool forOpen) {
    const int mod = currentModuleNumber();
    if (mod == 7 && !forOpen) qv::tolerateLoaded([] { qv::unloadWindow("frmPERT_CPM"); });
    qv::tolerateLoaded([] { qv::unloadWindow("frmSolution"); });
    if (mod == 7 && forOpen) qv::tolerateLoaded([] { qv::unloadWindow("frmPERT_CPM"); });
    qv::tolerateLoaded([mod] { qv::unloadWindow(qv::homeScreenName(mod)); });
    qv::tolerateLoaded([] { openHomeScreen(); });
    qv::tolerateLoaded([] { hideLoadInfo(); });
    if (mod == 11) qv::showStatusCaption("Forecasting Module");
    if (mod == 8) qv::showStatusCaption("Inventory Module");
    if (mod == 9) qv::showStatusCaption("Waiting Lines Module");
}

bool confirm(const char* text, const char* title) {
    return pf::MsgBox(text, pf::vbYesNo + pf::vbQuestion, title) == pf::vbYes;
}

// The capacity messages of the transportation and assignment submenu are the module's.
void showCapacity(bool maximum) {
    qv::ModuleProcedures& p = qv::currentModule();
    run(maximum ? p.showMaximumCapacity : p.showMinimumCapacity);
}

// blnEditInProgress holds only while one Edit operation runs, also when it fails.
struct EditInProgress {
    EditInProgress() { St().blnEditInProgress = true; }
    ~EditInProgress() { St().blnEditInProgress = false; }
    EditInProgress(const EditInProgress&) = delete;
    EditInProgress& operator=(const EditInProgress&) = delete;
};

// Delete Time Periods first checks the last value, which the deletion may keep.
void deleteTimePeriods() {
    EditInProgress editing;
    pf::Form* home = qv::loadedWindow("frmProblem");
    auto* g = home ? dynamic_cast<pf::Grid*>(home->control("gridDisplayEdit")) : nullptr;
    if (!g) return;
    const int row = g->Rows() - 1, col = 1;
    g->Row(row);
    g->Col(col);
    std::string text = g->Text();
    int result = 0;
    if (auto& validate = qv::cellValidators().problemCell) validate(row, col, text, result);
    if (result == 888 && St().blnZeroFillPending) {
        if (pf::MsgBox(qv::kZeroFillText, pf::vbOKCancel + pf::vbExclamation, qv::kZeroFillTitle) != pf::vbOK)
            return;
        St().blnZeroFillPending = false;
    }
    if (result == 999) {
        g->SelStartRow(row);
        g->SelEndRow(row);
        g->SelStartCol(col);
        g->SelEndCol(col);
        g->SetFocus();
        return;
    }
    run(qv::currentModule().deleteTimePeriods);
}

void displayEditOverSolution() {
    qv::hideWindow("frmSolution");
    qv::menuEvent(qv::MenuEvent::DisplayEditChosen);
    // The input window is in front again: the keyboard goes to it.
    frmMenu().SetFocus();
}

// The report procedures of the current module, in their order, to one destination.
void runReports(pf::ReportSink& sink, bool toFile) {
    qv::ModuleProcedures& p = qv::currentModule();
    if (currentModuleNumber() == 1) {
        // A linear program is stored and solved again from its input screen first.
        run(p.storeInputScreen);
        run(p.solve);
    }
    if (toFile && p.reportToFile)
        p.reportToFile(sink);
    else if (p.report)
        p.report(sink);
}

// Save, Solve, Print and Save As Text File read the problem, and the Edit items lay
// it out again: the entry still being typed is checked and stored first, through the
// module's own commit when it has one, as leaving its field would, before the check
// pass walks from the first cell and asks its zero-fill question (which in linear
// programs looks at names, relations and right-hand sides only as to whether they are
// there). A menu's opening checks nothing, so that a refusal can stop the command
// rather than show its message over a menu that opens anyway. False: refused, the
// field has said so (a grid cell is emptied) and keeps the keyboard, and the command
// does not run.
bool commitEntryFirst() {
    const std::function<bool()>& commit = qv::currentModule().commitEntry;
    return commit ? commit() : qv::commitEntryBeingTyped();
}

// An Edit item that lays the grid window out again from the stored values: the entry
// being typed is committed first, and the cells the user emptied are stored as cells
// never filled, so that the new layout shows neither an unchecked entry nor a value
// the user erased.
bool readyToLayOutAgain() {
    if (!commitEntryFirst()) return false;
    CellChecks::storeEmptiedGridCells();
    return true;
}

bool hasReport() {
    qv::ModuleProcedures& p = qv::currentModule();
    return static_cast<bool>(p.report) || static_cast<bool>(p.reportToFile);
}

}  // namespace

// ---------------------------------------------------------------- File

void FrmMenu::mnuFile_Click() {
    if (qv::loadedWindow("frmModuleSelection")) return;
    run(qv::currentModule().copyPendingName);
}

void FrmMenu::StartNewProblem() {
    qv::SharedState& S = St();
    S.blnNewProblem = true;
    const int mod = S.intCurrentModule;
    if (mod < 1 || mod > 12) return;
    qv::ModuleProcedures& p = qv::currentModule();
    if (!p.newProblem) return;
    p.newProblem();
    // A new PERT/CPM problem stays new until it is saved or solved.
    if (mod != 7 && !S.blnDialogCancelled) S.blnNewProblem = false;
}

namespace {
// After a file command the keyboard is back in the input window in front, where the
// user was; a model input form that saved keeps it.
struct BackToInputWindow {
    ~BackToInputWindow() {
        pf::Form* f = pf::focusedForm();
        if (!f || f->kind() != pf::FormKind::Dialog) frmMenu().SetFocus();
    }
};
}  // namespace

void FrmMenu::mnuFileNew_Click() {
    try {
        qv::tolerateLoaded([] { hideLoadInfo(); });
        if (St().strProblemEntered != "YES") {
            qv::tolerateLoaded([this] { StartNewProblem(); });
            return;
        }
        if (!confirm("Are you sure you wish to create a new problem?", "Create New Problem")) return;
        St().strProblemEntered = "NO";
        resetModuleWindows(false);
        qv::tolerateLoaded([this] { StartNewProblem(); });
    } catch (const pf::RuntimeError&) {
        // New ends quietly on a failure, keeping what was done so far.
    }
}

void FrmMenu::mnuFileOpen_Click() {
    qv::SharedState& S = St();
    BackToInputWindow refocus;
    try {
        qv::tolerateLoaded([] { hideLoadInfo(); });
        if (S.strProblemEntered == "YES") {
            if (!confirm("Are you sure you wish to retrieve another problem?", "Retrieve Another Problem")) return;
            S.strProblemEntered = "NO";
            resetModuleWindows(true);
        }
        dialogFile.FileName = "";
        dialogFile.DialogTitle = "Select a Previously Saved Problem";
        dialogFile.DefaultExt = S.strProblemFileExt;
        dialogFile.Filter = problemFilter();
        dialogFile.Flags = kOpenFlags;
        dialogFile.InitDir = S.strProblemFolder;
        dialogFile.ShowOpen();
        S.strProblemFileName = dialogFile.FileName;
        qv::tolerateLoaded([this] { ReadProblemFile(); });
    } catch (const pf::RuntimeError& e) {
        if (e.number() == pf::errCancel) return;
        qverror::ReportError(e);
    }
}

void FrmMenu::mnuFileChangeModules_Click() {
    qv::SharedState& S = St();
    try {
        qv::tolerateLoaded([] { hideLoadInfo(); });
        if (S.strProblemEntered == "YES") {
            if (!confirm("Are you sure you wish to select a new module?", "Select New Module")) return;
            S.strProblemEntered = "NO";
        } else {
            S.blnNewProblem = false;
        }
        const int mod = S.intCurrentModule;
        if (mod == 7) qv::tolerateLoaded([] { qv::unloadWindow("frmPERT_CPM"); });
        qv::tolerateLoaded([] { qv::unloadWindow("frmSolution"); });
        qv::tolerateLoaded([mod] { qv::unloadWindow(qv::homeScreenName(mod)); });
        qv::tolerateLoaded([] { frmModuleSelection().Show(); });
        SetFocus();
    } catch (const pf::RuntimeError&) {
        // Change Modules ends quietly on a failure, keeping what was done so far.
    }
}

void FrmMenu::mnuFileSave_Click() {
    qv::SharedState& S = St();
    const std::string entryCaption = lblmoduleindicator.Caption();
    BackToInputWindow refocus;
    try {
        if (!commitEntryFirst() || !CheckProblemData()) return;
        if (S.intCurrentModule == 1 || S.intCurrentModule == 4) run(qv::currentModule().storeInputScreen);
        dialogFile.FileName = S.blnNewProblem ? std::string() : S.strProblemFileName;
        dialogFile.DialogTitle = "Save the Current Problem";
        dialogFile.DefaultExt = S.strProblemFileExt;
        dialogFile.Filter = problemFilter();
        dialogFile.Flags = kSaveFlags;
        dialogFile.InitDir = S.strProblemFolder;
        dialogFile.ShowSave();
        S.strProblemFileName = dialogFile.FileName;
        WriteProblemFile();
    } catch (const pf::RuntimeError& e) {
        if (e.number() == pf::errCancel) return;
        pf::SetBusyCursor(false);
        qv::showStatusCaption(entryCaption);
        qverror::ReportError(e);
    }
}

// ---------------------------------------------------------------- Edit
// An Edit item that lays a grid out again first commits the entry being typed, as
// Save and Solve do (commitEntryFirst): a refused entry keeps the keyboard and the
// operation does not run.

void FrmMenu::mnudispedit_Click() { run(qv::currentModule().copyPendingName); }

void FrmMenu::mnudispeditsubs_Click(int index) {
    qv::ModuleProcedures& p = qv::currentModule();
    try {
        switch (currentModuleNumber()) {
            case 1:
            case 4: {
                if (index == 0) {
                    displayEditOverSolution();
                } else if (index >= 3 && index <= 7) {
                    // Changing the optimization type (7) lays no grid out again.
                    if (index != 7 && !commitEntryFirst()) return;
                    EditInProgress editing;
                    const std::function<void()>* ops[] = {&p.addConstraints, &p.deleteConstraint, &p.addVariables,
                                                          &p.deleteVariable, &p.changeOptimizationType};
                    qv::tolerateLoaded([&] { run(*ops[index - 3]); });
                }
                // The main window becomes active; the keyboard focus goes to the grid
                // at the cell the operation left current, so typing goes straight in.
                SetFocus();
                break;
            }
            case 2: case 3: case 5: case 6: case 10: case 12:
                // Modules 10 and 12 show item 0 only; 2 and 3 open their submenu from item 2.
                if (index == 0 || currentModuleNumber() == 10 || currentModuleNumber() == 12)
                    displayEditOverSolution();
                break;
            case 7:
                qv::tolerateLoaded([] { qv::unloadWindow("frmSolution"); });
                qv::tolerateLoaded([&] { run(p.showInputForm); });
                qv::menuEvent(qv::MenuEvent::DisplayEditChosen);
                SetFocus();
                break;
            case 8:
            case 9:
                qv::tolerateLoaded([] { qv::unloadWindow("frmSolution"); });
                qv::tolerateLoaded([&] { run(p.showInputForm); });
                break;
            case 11:
                if (index == 0) {
                    displayEditOverSolution();
                } else if (index == 3 && readyToLayOutAgain()) {
                    EditInProgress editing;
                    qv::tolerateLoaded([&] { run(p.addTimePeriods); });
                } else if (index == 4 && readyToLayOutAgain()) {
                    qv::tolerateLoaded([] { deleteTimePeriods(); });
                }
                break;
            default: break;
        }
    } catch (const pf::RuntimeError& e) {
        pf::MsgBox(e.what(), pf::vbOKOnly, "");
    }
}

void FrmMenu::mnudispeditsubslower_Click(int index) {
    qv::SharedState& S = St();
    const int mod = S.intCurrentModule;
    if (mod != 2 && mod != 3) return;
    qv::ModuleProcedures& p = qv::currentModule();
    if (!readyToLayOutAgain()) return;
    const int m = S.tr.intOriginCount, n = S.tr.intDestinationCount;
    switch (index) {
        case 0:
            S.strEditAction = "Add Origin or Agent";
            if (m >= 30) {
                showCapacity(true);
            } else {
                S.intTableauRow = m + 1;
                run(p.addOrigin);
            }
            break;
        case 1:
            S.strEditAction = "Add Destination or Task";
            if (n >= 30) showCapacity(true); else run(p.addDestination);
            break;
        case 2:
            S.strEditAction = "Delete Origin or Agent";
            if (m <= 1) showCapacity(false); else run(p.deleteOrigin);
            break;
        case 3:
            S.strEditAction = "Delete Destination or Task";
            if (n <= 1) showCapacity(false); else run(p.deleteDestination);
            break;
        default: break;
    }
}

// ---------------------------------------------------------------- Solution

void FrmMenu::mnuSolution_Click() { run(qv::currentModule().copyPendingName); }

void FrmMenu::mnuSolutionSolve_Click() {
    qv::SharedState& S = St();
    const int mod = S.intCurrentModule;
    qv::ModuleProcedures& p = qv::currentModule();
    if (!p.solve) return;  // a module without its solver does nothing visible
    const bool linear = mod == 1 || mod == 4;
    // Solve itself shows the progress text and restores it for these modules.
    const bool shellFrames = linear || mod == 6 || mod == 7 || mod == 11 || mod == 12;
    const std::string entryCaption = lblmoduleindicator.Caption();
    try {
        qv::tolerateLoaded([] { qv::unloadWindow("frmSolution"); });
        if (!commitEntryFirst() || !CheckProblemData()) return;
        if (linear) {
            pf::SetBusyCursor(true);
            qv::tolerateLoaded([&] { run(p.storeInputScreen); });
            if (S.intIntegerLP == 1 && p.integerDialog) {
                pf::SetBusyCursor(false);
                qv::tolerateLoaded([&] { p.integerDialog(); });
                if (S.blnDialogCancelled) {
                    SetFocus();
                    return;
                }
                pf::SetBusyCursor(true);
            }
            // Items 3 to 7 go off and item 0 on only once the solve really starts, so a
            // cancelled integer dialog leaves the Edit operations usable.
            qv::menuEvent(qv::MenuEvent::Solved);
        }
        std::string saved = lblmoduleindicator.Caption();
        if (shellFrames) {
            if (!linear) {
                // Edit item 0 comes on (forecasting's period items go off) before the solve
                // runs; Print and Save As Text File wait for a solution that is shown.
                qv::menuEvent(qv::MenuEvent::Solved);
                qv::enablePrintItems(false);
            }
            qv::showStatusCaption(qv::kSolvingCaption);
            pf::SetBusyCursor(true);
        }
        if (mod == 7) {
            S.blnNewProblem = false;
            qv::tolerateLoaded([] { qv::unloadWindow("frmPERT_CPM"); });
        }
        qv::tolerateLoaded([&] { p.solve(); });
        if (!shellFrames) return;  // the solve procedure restored cursor, caption and menus
        pf::SetBusyCursor(false);
        // Print and Save As Text File follow a solution that was shown (the LP engine
        // switches them itself).
        if (!linear && qv::solutionShown()) qv::enablePrintItems(true);
        SetFocus();
        // Forecasting keeps the caption its method dialog set, unless nothing was solved.
        if (mod != 11)
            qv::showStatusCaption(saved);
        else if (lblmoduleindicator.Caption() == qv::kSolvingCaption)
            qv::showStatusCaption(saved);
    } catch (const pf::RuntimeError& e) {
        pf::SetBusyCursor(false);
        qv::showStatusCaption(entryCaption);
        qverror::ReportError(e);
    }
}

void FrmMenu::mnuSolutionPrinttoPrinter_Click() {
    // While a solution is shown no entry can be pending; the commit is a guard.
    if (!qv::solutionShown() || !hasReport() || !commitEntryFirst()) return;
    pf::Printer& printer = pf::host().printer();
    bool printing = false;
    try {
        DialogPrinter.ShowPrinter();
        printer.FontName = "Courier New";
        printer.FontSize = 12;
        pf::SetBusyCursor(true);
        St().strReportTarget = "Printer";
        printing = true;
        runReports(printer, false);
        printing = false;
        printer.EndDoc();
        pf::SetBusyCursor(false);
    } catch (const pf::RuntimeError& e) {
        if (e.number() == pf::errCancel) return;
        // An interrupted document is ended, so that its lines do not open the next one;
        // the first failure is the one reported.
        if (printing) {
            try {
                printer.EndDoc();
            } catch (const pf::RuntimeError&) {
            }
        }
        pf::SetBusyCursor(false);
        qverror::ReportError(e);
    }
}

void FrmMenu::mnuSolutionPrinttoText_Click() {
    if (!qv::solutionShown() || !hasReport() || !commitEntryFirst()) return;
    try {
        DialogPrinter.FileName = "";
        DialogPrinter.DialogTitle = "Print Current Problem to TEXT File";
        DialogPrinter.DefaultExt = "OUT";
        DialogPrinter.Filter = "OUT File|*.OUT|All Files (*.*)|*.*";
        DialogPrinter.Flags = kSaveFlags;
        DialogPrinter.InitDir = St().strProblemFolder;
        DialogPrinter.ShowSave();
        pf::TextReportSink file;
        pf::SetBusyCursor(true);
        St().strReportTarget = "File";
        runReports(file, true);
        // The report replaces the chosen file only when it is complete.
        pf::writeFileAtomically(DialogPrinter.FileName, file.contents());
        pf::SetBusyCursor(false);
    } catch (const pf::RuntimeError& e) {
        if (e.number() == pf::errCancel) return;
        pf::SetBusyCursor(false);
        qverror::ReportError(e);
    }
}
