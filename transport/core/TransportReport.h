#pragma once
// The printed and text-file report of a solved transportation or assignment problem:
// the problem echoed (title, objective, supplies, demands, the cost table) and the
// solution (schedule or assignments), written to the sink the shell chose.
#include "platform/core/Report.h"
#include "shell/core/State.h"

namespace transout {

void PrintProblemHeader(qv::SharedState& s, pf::ReportSink& out);
void PrintDestinationDemands(qv::SharedState& s, pf::ReportSink& out);
void PrintCostTable(qv::SharedState& s, pf::ReportSink& out);
// Rebuilds the schedule from the tree as the window does; dblNodeImbalances must exist.
void PrintTransportationSchedule(qv::SharedState& s, pf::ReportSink& out);

// The whole report of each module, in its order.
void PrintTransportationReport(qv::SharedState& s, pf::ReportSink& out);
void PrintAssignmentReport(qv::SharedState& s, pf::ReportSink& out);

}  // namespace transout

namespace AssnOut {

// The count line differs by strReportTarget: the text file's has one blank more.
void PrintAssignmentSolution(qv::SharedState& s, pf::ReportSink& out);

}  // namespace AssnOut
