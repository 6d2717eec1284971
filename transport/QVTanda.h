#pragma once
// Transportation and assignment procedures over the shared state and the grid
// window: a new problem, the tableaux, the cell checks, Solve, and the two solution
// windows (transout, AssnOut). The computation is under transport/core/.
#include <string>

namespace QVTanda {

// File New: asks the counts, dimensions the model and lays out the empty tableau;
// blnDialogCancelled tells a cancelled dimensions dialog.
void NewProblem();
// The model sized for intOriginCount and intDestinationCount, emptied.
void DimensionNetwork();
// The tableau of the current module from the model.
void BuildTransportationTableau();
void BuildAssignmentTableau();
// strProblemEntered "YES" and the menus of a laid-out problem.
void EnableProblemMenus();
// After a problem file was read: refuses a model the solver cannot take (a run-time
// failure, which the reader reports as a bad file), then menus and tableau.
void RebuildAfterRead();

// Cell checks of the tableau: each checks one typed text, stores the value in the
// transportation block and returns 0 (accepted), 888 (empty cell while the user has
// not yet agreed to zero-fill) or 999 (rejected, the user has been told).
int CheckCostCell(int i, int j, const std::string& text);  // origin/agent i, destination/task j
int CheckSupplyCell(int i, const std::string& text);        // origin i
int CheckDemandCell(int k, const std::string& text);        // node k = m + j
// frmErrorMsg with the supply/demand lines for the value entered.
void ShowSupplyDemandTooLarge(double value);

// Edit: append an origin (agent) row or a destination (task) column, or delete one
// asked for by number; every value entered stays with its row and column.
void AddOrigin();
void AddDestination();
void DeleteOrigin();
void DeleteDestination();
// The messages for an Edit operation that would cross 30 or 1 (by strEditAction).
void ShowMaximumCapacity();
void ShowMinimumCapacity();
// The number a delete answer asks for: the leading number after blanks (no exponent),
// halves to the even neighbour; no number is 0. False when it lies outside 1..count
// (however large).
bool DeleteNumber(const std::string& answer, int count, int& number);

// Solution Solve: maximize or minimize, the engine, the solution window, the menus.
void SolveProblem();

}  // namespace QVTanda

namespace transout {
// The transportation solution window (and the insufficient-supply warning first).
void ShowTransportationSolution();
}  // namespace transout

namespace AssnOut {
// The assignment solution window.
void ShowAssignmentSolution();
}  // namespace AssnOut
