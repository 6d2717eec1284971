#pragma once
// The procedures of the waiting-line module over the shared state, the model list,
// the input form and the solution window.
#include "platform/core/Report.h"

namespace QVWait {

// File New: sizes the tables, asks the model and opens the input form.
void NewWaitingLineProblem();
// Opens the input form modally (after Open and from Edit as well).
void ShowWaitingLineForm();
// Solves the problem in the block and shows the operating characteristics.
void SolveWaitingLineModel();
// Print and Save As Text File.
void PrintWaitingLineReport(pf::ReportSink& out);

// Set by the form when a new problem is cancelled: the model list is shown again.
void RequestNewProblemAgain();

}  // namespace QVWait
