#pragma once
// The procedures of the inventory module over the shared state: the solve with its
// solution window, the report, the new-problem procedure and the form launchers.
#include "platform/core/Report.h"

namespace QVInvent {

// Solves the current model and shows its policy. An input that a form would refuse
// is reported with that form's message and nothing changes; a run-time failure is
// reported by the error reporter. Either way the caption and cursor are put back.
void SolveInventoryModel();

// The report of the last solve, to the destination the shell has chosen.
void PrintInventoryReport(pf::ReportSink& sink);

}  // namespace QVInvent
