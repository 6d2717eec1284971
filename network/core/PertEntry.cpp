#include "network/core/PertEntry.h"

#include <cmath>

#include "platform/core/Errors.h"
#include "platform/core/Format.h"
#include "shell/core/State.h"
#include "shell/core/tanumchk.h"

namespace QVPert_CPM {

CountVerdict CheckActivityCount(const std::string& text, int& count) {
    if (text.empty()) return CountVerdict::Empty;
    double v = 0;
    // Digits beyond the double range are beyond the range of the count.
    if (!pf::TryValText(text, v)) return CountVerdict::OutOfRange;
    if (!(v >= 1 && v <= qv::PertBlock::kMaxActivities)) return CountVerdict::OutOfRange;
    if (v != std::floor(v)) return CountVerdict::NotInteger;
    count = static_cast<int>(v);
    return CountVerdict::Accepted;
}

const char* InvalidTimeMessage(TimeBox box) {
    switch (box) {
        case TimeBox::Expected: return "NOTE:  THE COMPLETION TIME MUST BE GREATER THAN OR EQUAL TO ZERO.";
        case TimeBox::Optimistic: return "NOTE:  THE OPTIMISTIC TIME MUST BE GREATER THAN OR EQUAL TO 0.";
        case TimeBox::Probable:
            return "NOTE:  THE MOST PROBABLE TIME MUST BE GREATER THAN OR EQUAL TO THE OPTIMISTIC TIME.";
        case TimeBox::Pessimistic:
            return "NOTE:  THE PESSIMISTIC TIME MUST BE GREATER THAN OR EQUAL TO THE MOST PROBABLE TIME.";
    }
    return "";
}

const char* TimeBoundMessage(TimeBox box) {
    switch (box) {
        case TimeBox::Probable:
            return "NOTE:  THE MOST PROBABLE TIME MUST BE GREATER THAN OR EQUAL TO THE OPTIMISTIC TIME.  PLEASE "
                   "REENTER TIMES.";
        case TimeBox::Pessimistic:
            return "NOTE:  THE PESSIMISTIC TIME MUST BE GREATER THAN OR EQUAL TO THE MOST PROBABLE TIME.  PLEASE "
                   "REENTER TIMES.";
        default: return InvalidTimeMessage(box);
    }
}

int TimeGridColumn(TimeBox box) {
    switch (box) {
        case TimeBox::Probable: return 3;
        case TimeBox::Pessimistic: return 4;
        default: return 2;
    }
}

namespace {

template <typename Block>
auto& timeOf(Block& P, TimeBox box, int c) {
    switch (box) {
        case TimeBox::Optimistic: return P.dblOptimisticTimes(c);
        case TimeBox::Probable: return P.dblMostProbableTimes(c);
        case TimeBox::Pessimistic: return P.dblPessimisticTimes(c);
        default: return P.dblExpectedTimes(c);
    }
}

// The lowest time the box accepts for activity c.
double bound(const qv::PertBlock& P, TimeBox box, int c) {
    switch (box) {
        case TimeBox::Probable: return P.dblOptimisticTimes(c);
        case TimeBox::Pessimistic: return P.dblMostProbableTimes(c);
        default: return 0;
    }
}

}  // namespace

double StoredTime(const qv::PertBlock& P, TimeBox box, int c) {
    return timeOf(P, box, c).num();
}

std::string TimeText(double v) { return pf::EntryNumber(v); }

TimeEntry EnterTime(qv::PertBlock& P, TimeBox box, int c, const std::string& text, pf::Value& decimalPlaces) {
    TimeEntry r;
    if (text.empty()) return r;
    qv::SharedState& s = qv::S();
    double v = 0;
    // The check takes the grouping commas out: "1,500" is 1500.
    if (!tanumchk::CheckedValue(pf::UCase(text), v)) {
        r.verdict = TimeVerdict::Invalid;
        return r;
    }
    if (v < bound(P, box, c)) {
        r.verdict = TimeVerdict::BelowBound;
        return r;
    }
    v += 0.0;  // "-0" is stored as 0
    r.verdict = TimeVerdict::Accepted;
    r.value = v;
    r.gridText = s.strNumericText;
    timeOf(P, box, c) = v;
    if (v - std::floor(v) != 0) {
        if (decimalPlaces.num() < 1) decimalPlaces = 1;
        if (10 * v - std::floor(10 * v) != 0) decimalPlaces = 2;
    }
    return r;
}

}  // namespace QVPert_CPM
