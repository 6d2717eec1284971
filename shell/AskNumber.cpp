#include "shell/AskNumber.h"

#include "platform/core/Errors.h"
#include "platform/core/Format.h"
#include "platform/ui/Host.h"
#include "shell/core/State.h"
#include "shell/core/tanumchk.h"
#include "shell/frmMenu.h"

namespace qv {

namespace {

void refuse(const std::string& text) { pf::MsgBox(text, pf::vbCritical + pf::vbOKOnly, "Data Input Error"); }

}  // namespace

bool askWholeNumber(const char* prompt, const char* title, const char* notWhole, const char* notPositive,
                    AnswerReading reading, const std::function<std::string(double)>& limit, double& value) {
    auto& s = S();
    for (;;) {
        const std::string answer = pf::InputBox(prompt, title, "");
        if (answer.empty()) {
            frmMenu().SetFocus();
            return false;
        }
        if (!tanumchk::IsWholeNumber(pf::UCase(answer))) {
            tanumchk::ResetVerdicts();
            refuse(notWhole);
            continue;
        }
        const double v = pf::ValLeadingOrInfinite(reading == AnswerReading::AsTyped ? answer : s.strNumericText);
        if (v < 1) {
            refuse(notPositive);
            continue;
        }
        const std::string refusal = limit(v);
        if (!refusal.empty()) {
            refuse(refusal);
            continue;
        }
        value = v;
        return true;
    }
}

}  // namespace qv
