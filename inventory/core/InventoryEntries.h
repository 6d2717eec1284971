#pragma once
// How the inventory forms read and judge a box's text, without the windows.
#include <string>

#include "shell/core/State.h"

namespace QVInvent {

// The leading-number value of a box's text with its grouping commas dropped
// ("1,000" is 1000, "12abc" is 12, no number is 0). False when the number lies
// beyond the double range: such an entry is refused like any out-of-range value.
bool BoxValue(const std::string& text, double& value);

enum class EntryRule {
    Positive,     // greater than 0
    WorkingDays,  // 1 to 365
    AtLeastZero,  // 0 or more
    Probability,  // 0 to 0.5
};

// True when the value satisfies the rule (a NaN never does).
bool Satisfies(EntryRule rule, double value);

// The box's text is read and judged: true with the value when accepted.
bool Accepts(EntryRule rule, const std::string& text, double& value);

// Lead time and minimum quantity boxes: the leading number must be at least 0 and
// the upper-cased text must pass the numeric-entry check; the value is that of the
// text the check left (commas removed). A refusal resets the check's verdicts.
bool AcceptsCheckedEntry(qv::SharedState& s, const std::string& text, double& value);

// The holding-cost layout of a stored problem: Amount when the number in
// strHoldingCostText equals the number in the text form of dblHoldingCost.
bool StoredAsAmount(const qv::InventoryBlock& inv);

// The text a box shows for a stored number: empty for an empty field, else the
// number written so that it reads back (never an exponent).
std::string BoxText(const pf::Value& v);

}  // namespace QVInvent
