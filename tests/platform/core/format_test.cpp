#include "platform/core/Format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/core/Checked.h"
#include "platform/core/Errors.h"

namespace {

struct PatternCase {
    double v;
    const char* pattern;
    const char* shown;
};

TEST(Format, DisplayPatterns) {
    const PatternCase cases[] = {
        // grouping the whole integer part, no leading zero
        {0.5, "###,###,###.00", ".50"},
        {0, "###,###,###.00", ".00"},
        {1234.5, "###,###,###.00", "1,234.50"},
        {1234567.891, "###,###,###.00", "1,234,567.89"},
        {1234567890123.0, "###,###,###.00", "1,234,567,890,123.00"},
        {-1234.5, "#,###,###.00", "-1,234.50"},
        {999.999, "###,##0.00", "1,000.00"},
        {0.25, "###,##0.0000", "0.2500"},
        {12345.678, "#,####0.00", "12,345.68"},
        {1234567.5, "########,0.00", "1,234,567.50"},
        // at least one integer digit, fixed decimals
        {0, "0.000", "0.000"},
        {1.0005, "0.000", "1.001"},
        {-0.0004, "0.000", "0.000"},  // rounds to zero: no minus sign
        {-0.0005, "0.000", "-0.001"},
        {3.14159, "0.0000", "3.1416"},
        {7, "#0", "7"},
        {0, "#0", "0"},
        {0.4, "#0", "0"},
        {2.5, "#0", "3"},  // halves away from zero, not to even
        {-2.5, "#0", "-3"},
        {123456789, "######0", "123456789"},  // wider than the pattern: whole
        {0.25, "######0.0000", "0.2500"},
        {0.05, "#.0000", ".0500"},
        {0.5, "##.0", ".5"},
        {20, "##.0", "20.0"},
        {2.675, "##0.00", "2.68"},  // decided on the decimal value the user sees
        {1.005, "##0.00", "1.01"},
        {0.125, "##0.00", "0.13"},
        {1e-20, "##0.00", "0.00"},
        {5, "#############0.", "5"},  // a point without decimals is dropped
        {-5.25, "##########0.000", "-5.250"},
        // optional decimals
        {1.5, "##0.0##", "1.5"},
        {1.23456, "##0.0##", "1.235"},
        {2, "##0.0##", "2.0"},
        // literal text around the number
        {3.14159, "    #####0.0", "    3.1"},  // "#" adds no blanks
        {12.5, "    ####0.00", "    12.50"},
        {7, "#0 units", "7 units"},
        {12, "No. ##0", "No. 12"},
        // "@" patterns take the number's text
        {7, "   @@  ", "    7  "},
        {10, "@@", "10"},
    };
    for (const PatternCase& c : cases) {
        SCOPED_TRACE(std::string(c.pattern) + " with " + std::to_string(c.v));
        EXPECT_EQ(pf::Format(c.v, c.pattern), c.shown);
    }
}

TEST(Format, TextPatterns) {
    EXPECT_EQ(pf::FormatText("7", "   @@  "), "    7  ");
    EXPECT_EQ(pf::FormatText("3", "@@"), " 3");
    EXPECT_EQ(pf::FormatText("10", "@@"), "10");
    EXPECT_EQ(pf::FormatText("123", "@@"), "123");  // longer: whole
    EXPECT_EQ(pf::FormatText("123", "  @@ "), "  123 ");
    EXPECT_EQ(pf::FormatText("", "@@"), "  ");
    EXPECT_EQ(pf::FormatText("5", "         @         "), "         5         ");
}

TEST(Format, PlainEntryAndPrintedNumbers) {
    struct C {
        double v;
        const char* plain;
        const char* entry;
        const char* printed;
    };
    const C cases[] = {
        {0, "0", "0", " 0 "},
        {-0.0, "0", "0", " 0 "},
        {2.5, "2.5", "2.5", " 2.5 "},
        {12, "12", "12", " 12 "},
        {0.25, "0.25", "0.25", " .25 "},
        {0.44, "0.44", "0.44", " .44 "},
        {-0.5, "-0.5", "-0.5", "-.5 "},
        {-1234.5, "-1234.5", "-1234.5", "-1234.5 "},
        {0.1 + 0.2, "0.3", "0.3", " .3 "},  // 15 significant digits
        {1.0 / 3, "0.333333333333333", "0.333333333333333", " .333333333333333 "},
        {123456789012345, "123456789012345", "123456789012345", " 123456789012345 "},
        {1e15, "1E+15", "1000000000000000", " 1E+15 "},
        {1e20, "1E+20", "100000000000000000000", " 1E+20 "},
        {0.0001, "0.0001", "0.0001", " .0001 "},
        {0.00001, "1E-05", "0.00001", " 1E-05 "},
        {-1.5e-7, "-1.5E-07", "-0.00000015", "-1.5E-07 "},
        {999999999999999.9, "1E+15", "1000000000000000", " 1E+15 "},
    };
    for (const C& c : cases) {
        SCOPED_TRACE(c.plain);
        EXPECT_EQ(pf::PlainNumber(c.v), c.plain);
        EXPECT_EQ(pf::EntryNumber(c.v), c.entry);
        EXPECT_EQ(pf::PrintedNumber(c.v), c.printed);
    }
}

TEST(Format, EntryNumberPassesOnlyEntryCharacters) {
    for (double v : {1e300, -1e-300, 6.02214076e23, 1e-310}) {
        std::string t = pf::EntryNumber(v);
        EXPECT_EQ(t.find_first_not_of("1234567890.-"), std::string::npos) << t;
        EXPECT_EQ(pf::ValLeading(t), pf::ValText(pf::PlainNumber(v))) << t;
    }
}

TEST(Format, Fields) {
    EXPECT_EQ(pf::RightAlign("12", 5), "   12");
    EXPECT_EQ(pf::RightAlign("123456", 4), "1234");
    EXPECT_EQ(pf::RightAlign("abc", -2), "");
    EXPECT_EQ(pf::RightAlignNumber("123456", 4), "123456");
    EXPECT_EQ(pf::RightAlignNumber("12", 4), "  12");
    EXPECT_EQ(pf::LeftAlign("ab", 4), "ab  ");
    EXPECT_EQ(pf::LeftAlign("abcdef", 3), "abc");
    EXPECT_EQ(pf::Repeat('-', 3), "---");
    EXPECT_EQ(pf::Repeat('-', -4), "");
    EXPECT_EQ(pf::Spaces(-1), "");
    EXPECT_EQ(pf::Trim("  a b  "), "a b");
    EXPECT_EQ(pf::LTrim("  a "), "a ");
    EXPECT_EQ(pf::RTrim("  a "), "  a");
    EXPECT_EQ(pf::UCase("x1e5"), "X1E5");
}

TEST(Format, ValueOfText) {
    struct C {
        const char* text;
        double leading;  // ValLeading
        double val;      // ValText
    };
    const C cases[] = {
        {"", 0, 0},
        {"12", 12, 12},
        {"-3.5", -3.5, -3.5},
        {"+4", 4, 4},
        {".5", 0.5, 0.5},
        {"-.5", -0.5, -0.5},
        {"1.2.3", 1.2, 1.2},
        {"1,000", 1, 1},
        {"  7", 0, 7},  // blanks only skipped by ValText
        {"1E3", 1, 1000},
        {"2.5e-1x", 2.5, 0.25},
        {"2E", 2, 2},
        {"3E+", 3, 3},
        {"abc", 0, 0},
        {"-", 0, 0},
        {".", 0, 0},
        {"12A", 12, 12},
        {"1e-400", 1, 0},
    };
    for (const C& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(pf::ValLeading(c.text), c.leading);
        EXPECT_DOUBLE_EQ(pf::ValText(c.text), c.val);
    }
    EXPECT_THROW(pf::ValText("1e400"), pf::RuntimeError);
    EXPECT_THROW(pf::ValLeading(std::string(400, '9')), pf::RuntimeError);
}

// Typed entries: digits beyond the double range are refused (Try) or read as an
// infinity of the number's sign (OrInfinite); other texts read as the plain readers do.
TEST(Format, TypedEntryReaders) {
    const double inf = std::numeric_limits<double>::infinity();
    const std::string huge(400, '9');
    struct C {
        std::string text;
        double leadingOrInf, textOrInf;
        bool leadingFits, textFits;
    };
    const C cases[] = {
        {"12,5", 12, 12, true, true},
        {"  -7", 0, -7, true, true},
        {huge, inf, inf, false, false},
        {"-" + huge, -inf, -inf, false, false},
        {"  -" + huge, 0, -inf, true, false},  // ValLeading skips no blanks: no number
        {"1e400", 1, inf, true, false},
        {"-1e400", -1, -inf, true, false},
    };
    for (const C& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 12));
        EXPECT_EQ(pf::ValLeadingOrInfinite(c.text), c.leadingOrInf);
        EXPECT_EQ(pf::ValTextOrInfinite(c.text), c.textOrInf);
        double a = 42, b = 42;
        EXPECT_EQ(pf::TryValLeading(c.text, a), c.leadingFits);
        EXPECT_EQ(pf::TryValText(c.text, b), c.textFits);
        EXPECT_EQ(a, c.leadingFits ? c.leadingOrInf : 42);  // a refused text leaves the value alone
        EXPECT_EQ(b, c.textFits ? c.textOrInf : 42);
    }
    EXPECT_EQ(pf::WithoutCommas("1,234,5.6,"), "12345.6");
}

TEST(Format, RoundingAndCheckedIntegers) {
    EXPECT_EQ(pf::RoundHalfEven(2.5), 2);
    EXPECT_EQ(pf::RoundHalfEven(3.5), 4);
    EXPECT_EQ(pf::RoundHalfEven(-2.5), -2);
    EXPECT_EQ(pf::RoundHalfEven(2.4999), 2);
    EXPECT_EQ(pf::Floor(-1.5), -2);

    EXPECT_EQ(pf::ToInt16(32767.4), 32767);
    EXPECT_EQ(pf::ToInt16(-32768), -32768);
    EXPECT_EQ(pf::ToInt16(0.5), 0);
    EXPECT_EQ(pf::ToInt16(1.5), 2);
    EXPECT_EQ(pf::ToInt32(2147483647.0), 2147483647);
    EXPECT_EQ(pf::ToInt32(-2147483648.0), -2147483647 - 1);
    const double bad16[] = {32767.5, -32768.6, 40000, std::nan(""),
                            std::numeric_limits<double>::infinity()};
    for (double v : bad16) {
        try {
            pf::ToInt16(v);
            ADD_FAILURE() << v;
        } catch (const pf::RuntimeError& e) {
            EXPECT_EQ(e.number(), pf::errOverflow);
        }
    }
    EXPECT_THROW(pf::ToInt32(2147483647.5), pf::RuntimeError);
    EXPECT_THROW(pf::ToInt32(-3e9), pf::RuntimeError);
}

}  // namespace
