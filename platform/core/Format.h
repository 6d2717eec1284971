#pragma once
// Text and number helpers shared by every module: display patterns, the plain text
// of a number, fixed-width fields and the value of a text. All conversions use
// C-locale routines, whatever locale the user interface has set.
#include <string>

namespace pf {

// A number through a display pattern. The pattern is literal text, then one number
// section of "#" (digit, no leading zero), "0" (digit or zero), "," (group the whole
// integer part by threes) and "." (decimal point), then literal text. After the point,
// "0" positions are always shown and "#" positions only when not trailing zeros.
// The value is taken at 15 significant digits and exact halves round away from zero
// ("0.00" shows 2.675 as 2.68). A value that rounds to zero has no minus sign.
// An integer part wider than its positions is shown whole; "#" positions add no blanks.
// A point with no digits shown after it is dropped ("0." shows 5 as 5).
// A pattern made of "@" positions shows the plain number text through FormatText.
std::string Format(double v, const std::string& pattern);

// A text through a pattern of "@" positions and literal characters: the characters
// are right-aligned in the "@" positions, blanks filling the ones left over
// ("   @@  " shows "7" as four blanks, 7 and two blanks). A text longer than the
// positions is shown whole, its extra characters at the first "@".
std::string FormatText(const std::string& s, const std::string& pattern);

// Text form of a number: shortest text of the value at 15 significant digits, no
// grouping, "-" for negatives, "0" before the point below 1 in magnitude, no point
// for whole values. Exponent form ("1E+15", "1.5E-05") when the decimal exponent of
// the rounded value is 15 or more or below -4, i.e. |v| >= 1e15 or |v| < 1e-4.
std::string PlainNumber(double v);

// As PlainNumber, but never with an exponent, so that the numeric-entry check accepts
// it when the user edits it again (1e20 gives 100000000000000000000, 1e-7 0.0000001).
std::string EntryNumber(double v);

// A number printed as a report item: a blank (or "-"), the text form without the 0
// before the point, and a blank (0.44 gives " .44 ", -0.5 gives "-.5 ").
std::string PrintedNumber(double v);

// Fields of width w (w < 0 counts as 0). RightAlign and LeftAlign keep the leftmost w
// characters of a longer text; RightAlignNumber never cuts a number and returns a
// wider text whole.
std::string RightAlign(const std::string& s, int w);
std::string RightAlignNumber(const std::string& s, int w);
std::string LeftAlign(const std::string& s, int w);

// Leading number of a text read from its first character: optional "+" or "-",
// digits and at most one "."; no blanks skipped, no exponent. A text without a
// leading number gives 0. A number beyond the double range raises the overflow error.
double ValLeading(const std::string& s);

// Leading number of a text after blanks: optional sign, digits with at most one ".",
// then an optional exponent ("E" or "e", optional sign, at least one digit). Reading
// stops at the first character that cannot continue the number ("1,000" is 1,
// "2E" is 2). No number gives 0; beyond the double range raises the overflow error.
double ValText(const std::string& s);

// Whole-text number for file fields: optional blanks, sign, digits with at most one
// ".", optional exponent ("E", "e", "D" or "d"), optional blanks, nothing else, and
// at least one digit. Returns false for anything else; raises the overflow error for
// a number beyond the double range (an underflow reads as 0).
bool ParseNumber(const std::string& s, double& out);

// ValLeading and ValText for typed entries, where digits beyond the double range are
// the user's text, not a failure. The OrInfinite forms give an infinite value of the
// number's sign, which every limit refuses; the Try forms store the number in v and
// give false, leaving v as it was, when its digits do not fit a double.
double ValLeadingOrInfinite(const std::string& s);
double ValTextOrInfinite(const std::string& s);
bool TryValLeading(const std::string& s, double& v);
bool TryValText(const std::string& s, double& v);

// To integer, halves to the even neighbour (as the integer conversions round).
double RoundHalfEven(double v);
double Floor(double v);

std::string UCase(const std::string& s);  // ASCII letters only
// Trims remove blanks (space characters) only, as the text functions always have.
std::string LTrim(const std::string& s);
std::string RTrim(const std::string& s);
std::string Trim(const std::string& s);
// The text with every comma taken out ("1,500" gives "1500").
std::string WithoutCommas(const std::string& s);
// Layout counts can come out negative; they count as 0.
std::string Repeat(char c, int n);
std::string Spaces(int n);

}  // namespace pf
