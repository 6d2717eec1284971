#include "shell/SolveFailure.h"

#include "platform/ui/Host.h"
#include "shell/qverror.h"

namespace qv {

void reportSolveFailure(const pf::RuntimeError& e) {
    if (e.number() != pf::errOverflow) {
        qverror::ReportError(e);
        return;
    }
    pf::MsgBox(kResultTooLargeText, pf::vbCritical + pf::vbOKOnly, "Data Input Error");
}

}  // namespace qv
