#pragma once
// What a decision solve shows and prints, as text: the solution window's lines and
// the report, both read from the block as the last solve left it. A number is never
// cut in its field: a wider value makes its line longer.
#include <string>
#include <vector>

#include "decision/core/DecisionBlock.h"
#include "platform/core/Report.h"

namespace QVDecisionAnalysis {

// The solution window's lines below its empty first row: the recommendation and,
// for the expected value criterion, perfect information and the strategy.
// `maximize` is the objective sense of the solve, `strategy` whether one was computed.
std::vector<std::string> SolutionLines(const qv::DecisionBlock& d, int decimalPlaces, bool maximize, bool strategy);

// The decision report, written item by item to the printer or the text file (a page
// break is sink.newPage()). `maximize` is the sense of the last solve.
void WriteDecisionReport(const qv::DecisionBlock& d, int decimalPlaces, bool maximize, pf::ReportSink& sink);

}  // namespace QVDecisionAnalysis
