#pragma once
// The checks of what the user types into the PERT/CPM windows: the number of
// activities in the parameters dialog and the four time boxes of the activity window.
// They decide and store; the windows show the messages and move the focus.
#include <string>

#include "network/core/PertBlock.h"
#include "platform/core/Value.h"

namespace QVPert_CPM {

// ---- number of activities ----
enum class CountVerdict { Empty, OutOfRange, NotInteger, Accepted };
inline constexpr const char* kCountRangeMessage = "NOTE:  THE NUMBER OF ACTIVITIES MUST BE BETWEEN 1 AND 25.";
inline constexpr const char* kCountIntegerMessage = "NOTE:  THE NUMBER OF ACTIVITIES MUST BE AN INTEGER VALUE.";
inline constexpr const char* kCountMissingMessage = "You must enter the number of activities.";

// The number the text begins with (after blanks; none counts as 0), tested for the
// range first and then for a fraction. `count` is set only when accepted.
CountVerdict CheckActivityCount(const std::string& text, int& count);

// ---- time boxes ----
enum class TimeBox { Expected, Optimistic, Probable, Pessimistic };
enum class TimeVerdict { Empty, Invalid, BelowBound, Accepted };

struct TimeEntry {
    TimeVerdict verdict = TimeVerdict::Empty;
    double value = 0;      // accepted: the value stored
    std::string gridText;  // accepted: the text shown in the grid (the comma-free text)
};

const char* InvalidTimeMessage(TimeBox box);
const char* TimeBoundMessage(TimeBox box);
// Grid column of the box's time: 2, 3 or 4.
int TimeGridColumn(TimeBox box);

// Checks the text of `box` for activity c with the numeric-entry check on the shared
// state (whose verdicts are reset after a refusal) and, when accepted, stores the time
// of c and raises `decimalPlaces` to the decimals it needs (never lowers it).
TimeEntry EnterTime(qv::PertBlock& P, TimeBox box, int c, const std::string& text, pf::Value& decimalPlaces);

// The stored time of c that the box shows.
double StoredTime(const qv::PertBlock& P, TimeBox box, int c);

// Text of a stored number in a box or cell: no exponent, so that it can be typed over.
std::string TimeText(double v);

}  // namespace QVPert_CPM
