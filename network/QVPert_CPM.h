#pragma once
// The PERT/CPM procedures over the shared state and the module's windows: the reset of
// the block, a new problem, the activity window after a read or from the Edit menu,
// the commit of a time being typed, and the solve. The computation itself is Qt-free
// (network/core/PertSchedule.h, PertReport.h, PertEntry.h).
#include "network/core/PertReport.h"

namespace QVPert_CPM {

// Resets the PERT/CPM block (all 25 activities) with no problem entered and no
// decimals seen; the count, the time mode, the letters, the completion time and the
// selected activity stay as they were.
void InitPertArrays();

// File New: resets the block, asks the parameters dialog and, on OK, opens the
// activity window; the main window has the focus afterwards either way.
void NewPertProblem();

// Loads and shows the activity window from the block.
void ShowActivityWindow();

// After a problem file has been read: a time mode other than 1 or 2 is refused with a
// run-time failure before anything is shown; otherwise the activity window opens.
void RebuildActivityWindow();

// Checks and stores a time still being typed in the activity window, when it is loaded:
// the boxes in their order, up to the first that refuses its time (false; that box has
// shown its message and keeps the keyboard).
bool CommitPendingTimes();

// Solution Solve: schedules the project, fills and shows the solution window, enables
// Print and Save As Text File and gives the main window the focus.
void SolvePertNetwork();

// The report procedure is PrintPertSolution(pf::ReportSink&) (network/core/PertReport.h).

}  // namespace QVPert_CPM
