#pragma once
// The solution window of a linear or integer program and its report procedure,
// on the shared state. The text itself is built Qt-free (lp/core/LPSolution.h,
// lp/core/LPReport.h).
#include "lp/core/LPReport.h"

namespace QVLP {

// Fills frmSolution with the solution of the last optimal run (title hidden, text
// from the top) and shows it. Call it only after LP_Engine::Solve reported Optimal.
void ShowLPSolution();

// The report procedure of modules 1 and 4 is PrintLPSolution(pf::ReportSink&)
// (lp/core/LPReport.h): the report of the last solve. For a linear program the
// caller stores the input screen and solves again first.

}  // namespace QVLP
