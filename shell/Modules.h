#pragma once
// The procedures of the modules that the shell's File, Edit and Solution commands
// call, one entry per module number. The shell knows a module only through its
// entry: an empty procedure means the module has not built it, and the command
// then does nothing visible at that step. Modules fill their entries in
// registerModules() (ModuleRegistry.cpp).
#include <functional>
#include <string>

#include "platform/core/Report.h"

namespace pf {
class Form;
}

namespace qv {

struct ModuleProcedures {
    // ---- File ----
    // Opens the module's home screen (load and show). Empty: qv::showHomeScreen().
    std::function<void()> showHomeScreen;
    // The new-problem procedure: asks the dimensions or the model, leaves
    // blnDialogCancelled true on Cancel, and lays out the input screen on OK.
    std::function<void()> newProblem;
    // Linear programs: a name being typed in the names row shows in the constraint
    // grid's heading. Run as the File, Edit and Solution menus open, which check nothing.
    std::function<void()> copyPendingName;
    // Checks and stores the entry still being typed, before Save, Solve, Print and Save
    // As Text File read the problem (and before their check pass) and before an Edit
    // item lays it out again. False when it was refused: the field has said so (a grid
    // cell is emptied, as leaving it would empty it) and keeps the keyboard, and the
    // command does not run. Empty: the entry being typed in a grid, if any
    // (qv::commitEntryBeingTyped); PERT/CPM commits its time boxes.
    std::function<bool()> commitEntry;

    // ---- Problem files (the reader's steps around the records) ----
    // Module set-up before the first record (transportation: once m and n are read).
    std::function<void()> sizeForFile;
    // Linear programs: parse the text model just read; false when the parser refused
    // it (and has shown why), so that nothing is laid out.
    std::function<bool()> parseModel;
    // Lays out the input screen from the data read (runs inside the read).
    std::function<void()> rebuildScreen;
    // Opens the module's input window or form: the PERT/CPM activity window, the
    // inventory form of intInventoryModel, the waiting-line form. Used by "&Display/
    // Edit the Problem" and, for inventory and waiting lines, after a read.
    std::function<void()> showInputForm;

    // ---- Edit ----
    // Linear programs: Edit items 3 to 7. Forecasting: items 3 and 4.
    std::function<void()> addConstraints, deleteConstraint, addVariables, deleteVariable,
        changeOptimizationType;
    std::function<void()> addTimePeriods, deleteTimePeriods;
    // Transportation and assignment: the submenu; the capacity messages have a shell
    // default and may be replaced by the module's own.
    std::function<void()> addOrigin, addDestination, deleteOrigin, deleteDestination;
    std::function<void()> showMaximumCapacity, showMinimumCapacity;

    // ---- Solve ----
    // Linear programs: rebuild the problem arrays and the text model from the grids.
    std::function<void()> storeInputScreen;
    // Integer programs: the integer-variable dialog, modal; sets blnDialogCancelled.
    std::function<void()> integerDialog;
    // The solve procedure: computes, stores the results, fills and shows frmSolution.
    std::function<void()> solve;

    // ---- Reports ----
    // Writes the solution report to the sink the shell picked (printer or text file).
    // A page break is sink.newPage(). strReportTarget tells "Printer" or "File".
    std::function<void(pf::ReportSink&)> report;
    // Used instead of report for Save As Text File when set (decision analysis has
    // one procedure per destination).
    std::function<void(pf::ReportSink&)> reportToFile;
};

// The entry of module 1..12 (registerModules() runs on first use). Any other number
// gives an empty entry that nothing fills.
ModuleProcedures& modules(int module);
// The entry of the current module (intCurrentModule).
ModuleProcedures& currentModule();

// Fills the entries; defined in ModuleRegistry.cpp. Runs once, from modules().
void registerModules();

// Cell validators of the check pass (the shell's grid and decision windows). Empty:
// every cell is accepted. Result: 0 accepted, 888 empty while zero-fill is pending
// (0 stored), 999 rejected (message shown).
struct CellValidators {
    // frmMenu.ValidateProblemCell for frmProblem.gridDisplayEdit.
    std::function<void(int row, int col, std::string& text, int& result)> problemCell;
    // frmMenu.ValidateDecisionCell; grid 0 payoffs, 1 state probabilities, 2 indicators.
    std::function<void(int row, int col, std::string& text, int grid, int& result)> decisionCell;
};
CellValidators& cellValidators();

// Design name of the module's home screen.
const char* homeScreenName(int module);

// Windows by design name, for the ones the shell closes or reads without knowing
// their code: the loaded window or nullptr; unload / hide when loaded.
pf::Form* loadedWindow(const std::string& name);
void unloadWindow(const std::string& name);
void hideWindow(const std::string& name);
// The solution window is loaded and shown.
bool solutionShown();

}  // namespace qv
