#pragma once
#include "platform/core/Errors.h"

namespace qverror {

// Shows the pending run-time error (pf::Err()) in a critical box titled
// "Error # " and its number; nothing when no error is pending.
void ReportError();
// The usual handler body: record the caught error, then report it.
void ReportError(const pf::RuntimeError& e);

}  // namespace qverror
