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

// File New: empties the arrays, asks the model (and for quantity discounts the number
// of categories) and opens the model's form, which runs inside this procedure.
void NewInventoryProblem();

// The launchers: each shows its model's form modally. The production lot size
// launcher then saves or solves as the form's last button asked.
void ShowEOQForm();
void ShowProductionLotSizeForm();
void ShowPlannedShortagesForm();
void ShowQtyDiscountsForm();
void ShowQRProbForm();
void ShowOnePeriodProbForm();
// The launcher of intInventoryModel; another code opens nothing.
void ShowInputForm();

}  // namespace QVInvent
