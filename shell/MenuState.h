#pragma once
// The menu-state rules: each event of the program that switches menu items is one
// call here, applied for the current module.
namespace qv {

enum class MenuEvent {
    HomeScreenLoaded,       // frmProblem, frmLPproblem or frmDecisionProblem loads
    ProblemLaidOut,         // after New or Open (modules 1-4, 10-12; 5 and 6 see below)
    NetworkLaidOut,         // modules 5, 6: item 0 keeps its state (New disables it itself)
    ActivityWindowOpened,   // module 7
    ModelFormOpened,        // modules 8, 9
    ModelFormClosed,        // modules 8, 9
    ModelFormSavedOrSolved, // modules 8, 9: Save or Solve button
    ModelFormNewCancelled,    // modules 8, 9: Cancel of a new problem, confirmed
    ModelFormStoredCancelled, // modules 8, 9: Cancel of a stored problem
    Solved,                 // Solve and the module's solve procedure
    DisplayEditChosen,      // Edit item 0
    SolutionWindowClosed,
    HomeScreenUnloaded,     // the home screen of the current module unloads
};

void menuEvent(MenuEvent e);
// Print and Save As Text File together (the LP engine and the solvers switch them).
void enablePrintItems(bool enabled);

}  // namespace qv
