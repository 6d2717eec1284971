#pragma once
// The numeric-entry check every module runs on typed text. It works on the shared
// state: the caller puts the text into strNumericText and reads strNumericOK,
// strDecimalPointSeen and blnNumericTextEmpty afterwards.
namespace tanumchk {

// Accepts only "1234567890,.+-", a sign only in first place and one decimal point;
// removes commas from strNumericText up to where checking stopped. Any length works.
void CheckNumericText();

}  // namespace tanumchk
