#pragma once
// The procedures of decision analysis over the shared state and the decision window:
// a new problem through the features dialog and the layout of the three grids.
#include "decision/core/DecisionSetup.h"

namespace QVDecisionAnalysis {

// File New: resets the block, asks the features dialog, lays out empty grids on OK.
void NewDecisionProblem();

// Lays out the grids of frmDecisionProblem from the counts and flags of the block
// (a new problem: empty cells and the first payoff current; an opened one: the
// stored values, the main window focused). No error handling of its own.
void BuildDecisionInputScreen();

}  // namespace QVDecisionAnalysis
