#pragma once
// How the inventory and waiting-line solves end when a result runs past the double
// range: the user is told the cause in the module's own words rather than the bare
// run-time error, and nothing of the solution is shown.
#include "platform/core/Errors.h"

namespace qv {

inline constexpr const char* kResultTooLargeText = "A result is too large to compute.  Please check the values entered.";

// The overflow error as a "Data Input Error" box with the text above; every other
// failure through the error reporter.
void reportSolveFailure(const pf::RuntimeError& e);

}  // namespace qv
