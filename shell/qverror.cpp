#include "shell/qverror.h"

#include "platform/ui/Host.h"

namespace qverror {

void ReportError() {
    const auto& err = pf::Err();
    if (err.Number == 0) return;
    std::string text = err.Description.empty() ? pf::errorText(err.Number) : err.Description;
    pf::MsgBox(text, pf::vbCritical + pf::vbOKOnly, "Error # " + std::to_string(err.Number));
}

void ReportError(const pf::RuntimeError& e) {
    pf::Err().set(e);
    ReportError();
}

}  // namespace qverror
