#pragma once
// The printed report of a solved linear or integer program: the model echo, the
// solution tables and, for a linear program, the ranging tables, with page breaks
// (sink.newPage()). The same items go to the printer and to the text file; the
// trailing-blank rule is the solution window's (LPSolution.h).
//
// A linear program's report reads the transformed matrix that the solution window
// left behind (BuildLPSolutionLines), so it must follow a fresh solve and window
// fill; an integer program's follows its last solve.
#include "lp/core/LPBlock.h"
#include "platform/core/Report.h"

namespace QVLP {

inline constexpr int kReportPageLimit = 55;  // a page break is considered above this count

// QVLP.PrintLPSolution over a given block.
void PrintLPSolution(qv::LPBlock& lp, int integerLP, pf::ReportSink& sink);
// The same on the shared state: S().lp with S().intIntegerLP.
void PrintLPSolution(pf::ReportSink& sink);

}  // namespace QVLP
