#pragma once
// Setting up a decision problem: the reset of the block, the judging of the three
// counts of the features dialog, and the flags of a problem read from a file.
#include <string>

#include "decision/core/DecisionBlock.h"

namespace qv {
struct SharedState;
}

namespace QVDecisionAnalysis {

// Empties the tables and flags for a new or opened problem; the three counts and the
// results of the last solve are kept. Labels 1..10 are set in all three label tables.
void ResetDecisionProblem(qv::SharedState& s);
void ResetDecisionProblem();

// The three count boxes of the features dialog.
enum class CountBox { Alternatives, States, Indicators };

struct CountVerdict {
    bool accepted = false;
    int value = 0;             // the count, when accepted
    std::string message;       // the refusal, when not
    std::string title;         // its box title
};

// Judges a box's text that is not empty. Alternatives go through the numeric-entry
// check (commas removed: "1,0" is 10); states and outcomes are read by their leading
// number ("3x" is 3). A value too large for a double is out of range, never an
// overflow. The check's verdicts are left neutral afterwards.
CountVerdict judgeCount(CountBox box, const std::string& text);

// The message of an empty box at OK.
const char* emptyCountMessage(CountBox box);

// After a problem file is read the 1/0 flags decide: their YES/NO twins follow them,
// and a strategy without state probabilities is not requested.
void settleFlagsAfterRead(qv::DecisionBlock& d);

}  // namespace QVDecisionAnalysis
