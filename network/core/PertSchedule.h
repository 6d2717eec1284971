#pragma once
// PERT/CPM scheduling over the block: expected times and variances for three
// estimates, the forward and backward passes, slack, the critical activities, one
// traced critical path, and the lines of the solution window.
#include <string>
#include <vector>

#include "network/core/PertBlock.h"
#include "platform/core/Value.h"

namespace QVPert_CPM {

// A slack below this counts as zero.
inline constexpr double kZeroSlack = 0.00001;

// Empties the block for a new problem or a file read: every table re-created with
// indexes 0..25, activities 1..25 with no predecessors, zero times and blank flags.
// The count, the time mode, the letters, the completion time and the selected
// activity stay as they were.
void ResetPertBlock(qv::PertBlock& P);

// Working values of one schedule.
struct PertSchedule {
    int finishingActivity = 0;  // first activity whose finish is the completion time; 0 when all finish at 0
    int criticalCount = 0;      // activities with zero slack
    int pathCount = 0;          // activities on the traced path (1 when there is no finishing activity)
    double completionTime = 0;  // as computed, before any rounding
    double pathVariance = 0;    // sum of the variances on the traced path
};

// Mode 2: t = (a + 4m + b) / 6 and v = ((b - a) / 6)^2 for each activity; the
// expected-time decimals grow to what the values need, never shrink.
void ComputeExpectedTimes(qv::PertBlock& P);

// The passes, slack, critical flags and the traced path on the times t(i); writes the
// results into the block (dblCompletionTime unrounded) and returns the working values.
// The path goes back from the finishing activity, each step to the first predecessor
// in stored order that has zero slack and finishes when its successor starts.
PertSchedule ScheduleActivities(qv::PertBlock& P);

// Two decimals with a half rounded up.
double RoundHundredths(double v);

// The whole solve: expected times (mode 2), schedule, and the solution window's lines,
// the first of them row 0, which stays empty. Afterwards dblCompletionTime holds the
// completion time rounded to two decimals and, in mode 1, the expected-time decimals
// equal `decimalPlaces`.
std::vector<std::string> SolvePertLines(qv::PertBlock& P, const pf::Value& decimalPlaces);

// Display pattern index for a number of decimals: 0, 1 or 2 (more counts as 2).
int DecimalsIndex(double decimals);

// A number through a display pattern, right-aligned in w columns; a wider number is
// never cut but returned whole.
std::string NumberField(double v, const char* pattern, int w);

// Appends a field to a line. A field that fills its width is set flush against what
// precedes it only when that ends in a blank; otherwise one blank keeps the two apart,
// so that a wide number or a long list of letters never runs into what is before it.
void AppendField(std::string& line, const std::string& field);

}  // namespace QVPert_CPM
