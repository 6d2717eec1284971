#pragma once
// The procedures of linear and integer programming over the shared state and the
// LP window: a new problem, the layout of the input grids and their store into the
// text model, the LP cell check, the Edit-menu operations and the solver entry.
namespace QVLP {

// File New: empties the arrays, asks the features dialog, lays out empty grids on OK.
void NewLPProblem();
// Lays out both grids of frmLPproblem from the LP block (new problem: empty cells and
// the names X1..Xn).
void BuildInputScreen();
// Reads the two grids into the arrays and text model lines 2..m+2.
void StoreInputScreen();

// The check of the current cell of frmLPproblem.Grid(index): 999 refused with its
// message, 0 accepted.
int ValidateCell(int index);

// Run as the File, Edit and Solution menus open: a name being typed in the names row
// shows in the constraint grid's heading. Nothing is checked.
void CopyPendingName();

// Edit items 3 to 7.
void AddConstraints();
void DeleteConstraint();
void AddVariables();
void DeleteVariable();
void ChangeOptimizationType();

// The integer-variable dialog, modal; sets blnDialogCancelled.
void AskIntegerVariables();

// Solves the stored problem: the solution window, or the engine's message with
// Print and Save As Text File disabled.
void RunSolver();

}  // namespace QVLP
