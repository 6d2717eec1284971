#include "shell/core/tanumchk.h"

#include <string>

#include "platform/core/Format.h"
#include "shell/core/State.h"

namespace tanumchk {

void CheckNumericText() {
    qv::SharedState& s = qv::S();
    std::string& text = s.strNumericText;
    s.blnNumericTextEmpty = false;
    if (text.empty()) {
        s.strNumericOK = "NO";
        s.blnNumericTextEmpty = true;
        return;  // the decimal-point result keeps its value
    }
    s.strNumericOK = "YES";
    s.strDecimalPointSeen = "NO";
    // Positions count from 1; removing a comma steps back so that the character
    // moved into its place is examined next. Checking stops at the first fault,
    // leaving later commas in the text.
    std::size_t i = 0;
    for (;;) {
        ++i;
        char c = text[i - 1];
        if (c == '+' || c == '-') {
            if (i > 1) s.strNumericOK = "NO";
        } else if (c == ',') {
            text.erase(i - 1, 1);
            --i;
        } else if (c == '.') {
            if (s.strDecimalPointSeen == "YES")
                s.strNumericOK = "NO";
            else
                s.strDecimalPointSeen = "YES";
        } else if (c < '0' || c > '9') {
            s.strNumericOK = "NO";
        }
        if (s.strNumericOK == "NO" || i == text.size()) break;
    }
}

bool IsNumeric(const std::string& text) {
    qv::S().strNumericText = text;
    CheckNumericText();
    return qv::S().strNumericOK == "YES";
}

bool IsWholeNumber(const std::string& text) {
    return IsNumeric(text) && qv::S().strDecimalPointSeen == "NO";
}

bool CheckedValue(const std::string& text, double& v) {
    if (IsNumeric(text) && pf::TryValLeading(qv::S().strNumericText, v)) return true;
    ResetVerdicts();
    return false;
}

void ResetVerdicts() {
    qv::S().strNumericOK = "YES";
    qv::S().strDecimalPointSeen = "NO";
}

}  // namespace tanumchk
