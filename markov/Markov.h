#pragma once
// The procedures of the Markov processes module over the shared state, the grid
// window and the solution window.
#include "platform/core/Report.h"

namespace Markov {

// File New: asks the number of states and lays out an empty transition grid.
void NewMarkovProblem();
// Empties the module's block and sets the state labels (also before a file is read).
void InitMarkovArrays();
// Lays out the transition grid on frmProblem from the block and switches the menus.
void BuildMarkovInputGrid();
// Solve: classifies the states, computes the probabilities and fills the solution window.
void SolveMarkovProcess();
// Print and Save As Text File: the chain and the last solve's results.
void PrintMarkovSolution(pf::ReportSink& out);

}  // namespace Markov
