#pragma once
// The procedures of decision analysis over the shared state and the decision window:
// a new problem through the features dialog, the layout of the three grids, the
// solve with its dialogs and the solution window, and the two reports.
#include "decision/core/DecisionSetup.h"
#include "platform/core/Report.h"

namespace QVDecisionAnalysis {

// File New: resets the block, asks the features dialog, lays out empty grids on OK.
void NewDecisionProblem();

// Lays out the grids of frmDecisionProblem from the counts and flags of the block
// (a new problem: empty cells and the first payoff current; an opened one: the
// stored values, the main window focused). No error handling of its own.
void BuildDecisionInputScreen();

// Solution Solve (after the shell's data checks): asks the objective (and without
// state probabilities the criterion), solves, fills and shows the solution window.
// Cursor, status caption, menus and focus are its own business.
void SolveDecisionProblem();

// The report of the last solve, to the printer or to the report text file; the
// two write the same lines.
void PrintDecisionReport(pf::ReportSink& printer);
void WriteDecisionReportFile(pf::ReportSink& file);

}  // namespace QVDecisionAnalysis
