#pragma once
// The printed report of a scheduled PERT/CPM project: the activity list as entered,
// the expected times and variances for three estimates, the activity schedule, the
// critical path, the completion time (with its variance) and the note on further
// critical paths. The same items go to the printer and to the text file; page breaks
// are sink.newPage(). It recomputes nothing but the variance of the completion time.
#include "network/core/PertBlock.h"
#include "platform/core/Report.h"
#include "platform/core/Value.h"

namespace QVPert_CPM {

// QVPert_CPM.PrintPertSolution over a given block; needs a schedule (SolvePertLines).
// In mode 1 it sets the expected-time decimals to `decimalPlaces`.
void PrintPertSolution(qv::PertBlock& P, const pf::Value& decimalPlaces, pf::ReportSink& sink);
// The same on the shared state.
void PrintPertSolution(pf::ReportSink& sink);

}  // namespace QVPert_CPM
