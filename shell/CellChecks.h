#pragma once
// Checks of one typed cell: the value is judged for the module and column, stored in
// the module's block, the user is told when it is refused, and the decimal places are
// raised when the value needs them.
#include <string>

namespace CellChecks {

// Cell check results.
constexpr int kAccepted = 0;
constexpr int kEmptyZeroFilled = 888;  // check pass only: an empty cell, stored as 0
constexpr int kRejected = 999;

// Editing: the user leaves a cell of the grid window. Check pass: Save Problem and
// Solve go over every cell; empty cells are treated differently there.
enum class Pass { Editing, CheckPass };

// The grid window's cell (row, col) holding text, for the current module. For
// transportation and assignment the result of the editing pass is 0 or 999.
int checkGridCell(Pass pass, int row, int col, const std::string& text);

// The data cells of frmProblem.gridDisplayEdit that show no text are stored for the
// current module as cells never filled (forecasting: empty; transportation and
// assignment: 0), so that an Edit item laying the grid out again from the stored
// values never brings back what the user emptied. Nothing is checked: an empty cell
// is judged by Enter, Save and Solve only, and a refused, emptied cell stays leavable.
void storeEmptiedGridCells();

// The check pass over the grid window: (row, col) has been made the current cell of
// frmProblem.gridDisplayEdit. Transportation, assignment and networks read the text
// from that cell again; forecasting and Markov processes use text.
void ValidateProblemCell(int row, int col, const std::string& text, int& result);

// A cell of the decision window: grid 0 payoffs (row alternative, col state), 1 state
// probabilities (col state), 2 indicator probabilities (row state, col outcome). While
// editing, an empty cell is accepted unchanged; in the check pass it is stored as 0
// (888 while zero-fill is pending).
int checkDecisionCell(Pass pass, int row, int col, const std::string& text, int gridIndex);

// The check pass over the decision window: grid 0 payoffs (row alternative, col state),
// 1 state probabilities (col state), 2 indicator probabilities (row state, col outcome).
void ValidateDecisionCell(int row, int col, const std::string& text, int gridIndex, int& result);

}  // namespace CellChecks
