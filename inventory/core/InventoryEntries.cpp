#include "inventory/core/InventoryEntries.h"

#include <cmath>

#include "platform/core/Errors.h"
#include "platform/core/Format.h"
#include "shell/core/tanumchk.h"

namespace QVInvent {

namespace {

bool leading(const std::string& text, double& value) { return pf::TryValText(text, value); }

}  // namespace

bool BoxValue(const std::string& text, double& value) { return leading(pf::WithoutCommas(text), value); }

bool Satisfies(EntryRule rule, double v) {
    switch (rule) {
        case EntryRule::Positive: return v > 0;
        case EntryRule::WorkingDays: return v >= 1 && v <= 365;
        case EntryRule::AtLeastZero: return v >= 0;
        case EntryRule::Probability: return v >= 0 && v <= 0.5;
    }
    return false;
}

bool Accepts(EntryRule rule, const std::string& text, double& value) {
    double v = 0;
    if (!BoxValue(text, v) || !Satisfies(rule, v)) return false;
    value = v;
    return true;
}

bool AcceptsCheckedEntry(qv::SharedState& s, const std::string& text, double& value) {
    double first = 0;
    bool ok = leading(text, first) && first >= 0;
    if (ok) {
        s.strNumericText = pf::UCase(text);
        tanumchk::CheckNumericText();
        if (s.strNumericOK == "NO") {
            tanumchk::ResetVerdicts();
            ok = false;
        }
    }
    double v = 0;
    // The checked text has no commas; a number it holds beyond the double range is refused.
    if (ok && !(leading(s.strNumericText, v) && v >= 0)) ok = false;
    if (!ok) return false;
    value = v;
    return true;
}

bool StoredAsAmount(const qv::InventoryBlock& inv) {
    double text = 0, amount = 0;
    if (!leading(inv.strHoldingCostText, text)) return false;
    if (!leading(pf::PlainNumber(inv.dblHoldingCost.num()), amount)) return false;
    return text == amount;
}

std::string BoxText(const pf::Value& v) { return v.IsEmpty() ? std::string() : pf::EntryNumber(v.num()); }

}  // namespace QVInvent
