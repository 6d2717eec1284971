#pragma once
// The numeric-entry check every module runs on typed text. It works on the shared
// state: the caller puts the text into strNumericText and reads strNumericOK,
// strDecimalPointSeen and blnNumericTextEmpty afterwards.
#include <string>

namespace tanumchk {

// Accepts only "1234567890,.+-", a sign only in first place and one decimal point;
// removes commas from strNumericText up to where checking stopped. Any length works.
void CheckNumericText();

// The check on `text`, left in strNumericText as the check changed it: whether it
// passed, and for IsWholeNumber also that it holds no decimal point. The verdicts
// are left as the check set them.
bool IsNumeric(const std::string& text);
bool IsWholeNumber(const std::string& text);

// The check on `text`, then the number of the checked (comma-free) text into v;
// false, with the verdicts reset, when the check refuses the text or its digits do
// not fit a double.
bool CheckedValue(const std::string& text, double& v);

// The verdicts back to their neutral state after a refused text, so that the next
// check starts clean.
void ResetVerdicts();

}  // namespace tanumchk
