#include "shell/core/tanumchk.h"

#include <gtest/gtest.h>

#include "platform/core/Format.h"
#include "shell/core/State.h"

namespace {

struct NumericCase {
    const char* before;
    const char* ok;
    const char* point;  // expected decimal-point result
    bool empty;
    const char* after;
};

// The decimal-point result starts as "KEEP" so that "left unchanged" is visible.
const NumericCase kCases[] = {
    {"", "NO", "KEEP", true, ""},
    {"12", "YES", "NO", false, "12"},
    {"1,234.5", "YES", "YES", false, "1234.5"},
    {"-5", "YES", "NO", false, "-5"},
    {"+", "YES", "NO", false, "+"},
    {".", "YES", "YES", false, "."},
    {"5-", "NO", "NO", false, "5-"},
    {"--1", "NO", "NO", false, "--1"},
    {"1.2.3", "NO", "YES", false, "1.2.3"},
    {" 5", "NO", "NO", false, " 5"},
    {"1E5", "NO", "NO", false, "1E5"},
    {",", "YES", "NO", false, ""},
    {",-3", "YES", "NO", false, "-3"},
    {"1,,2", "YES", "NO", false, "12"},
    {"12A,5", "NO", "NO", false, "12A,5"},
    {"3.0", "YES", "YES", false, "3.0"},
    {"12,", "YES", "NO", false, "12"},
    {",,,", "YES", "NO", false, ""},
    {"1,2,X,4", "NO", "NO", false, "12X,4"},
    {"-1,000,000.25", "YES", "YES", false, "-1000000.25"},
};

TEST(NumericEntryCheck, CasesTable) {
    for (const NumericCase& c : kCases) {
        SCOPED_TRACE(std::string("text: '") + c.before + "'");
        qv::resetState();
        qv::SharedState& s = qv::S();
        s.strNumericText = c.before;
        s.strNumericOK = "KEEP";
        s.strDecimalPointSeen = "KEEP";
        s.blnNumericTextEmpty = !c.empty;  // the check must set it either way
        tanumchk::CheckNumericText();
        EXPECT_EQ(s.strNumericOK, c.ok);
        EXPECT_EQ(s.strDecimalPointSeen, c.point);
        EXPECT_EQ(s.blnNumericTextEmpty, c.empty);
        EXPECT_EQ(s.strNumericText, c.after);
    }
}

// The verdict helpers agree with the verdicts the check leaves, on the same table.
TEST(NumericEntryCheck, VerdictHelpersFollowTheCheck) {
    for (const NumericCase& c : kCases) {
        SCOPED_TRACE(std::string("text: '") + c.before + "'");
        qv::resetState();
        qv::SharedState& s = qv::S();
        s.strDecimalPointSeen = "KEEP";  // an empty text leaves it: never whole then
        const std::string ok = c.ok;
        EXPECT_EQ(tanumchk::IsNumeric(c.before), ok == "YES");
        EXPECT_EQ(s.strNumericText, c.after);
        EXPECT_EQ(tanumchk::IsWholeNumber(c.before), ok == "YES" && std::string(c.point) == "NO");
        EXPECT_EQ(s.strNumericOK, c.ok);
        tanumchk::ResetVerdicts();
        EXPECT_EQ(s.strNumericOK, "YES");
        EXPECT_EQ(s.strDecimalPointSeen, "NO");
        double v = -7;
        const bool taken = tanumchk::CheckedValue(c.before, v);
        EXPECT_EQ(taken, ok == "YES");
        EXPECT_EQ(v, taken ? pf::ValLeading(c.after) : -7);
        if (!taken) {
            EXPECT_EQ(s.strNumericOK, "YES");  // reset for the next check
        }
    }
    // Passed by the check, but too many digits for a double: refused and reset.
    double v = -7;
    EXPECT_FALSE(tanumchk::CheckedValue(std::string(400, '9'), v));
    EXPECT_EQ(v, -7);
    EXPECT_EQ(qv::S().strNumericOK, "YES");
    EXPECT_TRUE(tanumchk::CheckedValue("1,500", v));
    EXPECT_EQ(v, 1500);
}

}  // namespace
