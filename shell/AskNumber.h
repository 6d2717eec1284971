#pragma once
// The input box that asks how many rows, columns or periods an Edit operation adds
// or deletes, asked again until the answer is accepted.
#include <functional>
#include <string>

namespace qv {

// Which number a checked answer stands for: its leading number as typed (a comma
// ends it), or the number of the checked text (commas removed, "1,000" is 1000).
enum class AnswerReading { AsTyped, AsChecked };

// Asks until the answer is a whole number by the numeric-entry check, at least 1,
// and not refused by `limit` (its message, or an empty text to accept). Each refusal
// is a "Data Input Error" box. Digits beyond the double range count as infinitely
// many. False for an empty answer or Cancel, after which the main window has the focus.
bool askWholeNumber(const char* prompt, const char* title, const char* notWhole, const char* notPositive,
                    AnswerReading reading, const std::function<std::string(double)>& limit, double& value);

}  // namespace qv
