#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "lp/core/LPBlock.h"
#include "lp/core/Parser.h"
#include "lp/core/TextModel.h"

namespace {

class ParserTest : public ::testing::Test {
protected:
    // lines[0] is the objective (model line 2); m is the number of lines after it
    // unless given.
    QVLP::ParseResult parse(const std::vector<std::string>& lines, int m = -1) {
        lp = qv::LPBlock{};
        lp.intReportDecimals = 3;
        QVLP::InitLPArrays(lp);
        lp.intConstraintCount = m >= 0 ? m : static_cast<int>(lines.size()) - 1;
        for (std::size_t k = 0; k < lines.size() && k + 2 <= 255; ++k)
            lp.strModelLines(static_cast<long>(k) + 2) = lines[k];
        return QVLP::ParseModelLines(lp);
    }
    double a(long i, long j) const { return lp.dblProblemMatrix(i, j).num(); }
    bool written(long i, long j) const { return !lp.dblProblemMatrix(i, j).IsEmpty(); }
    qv::LPBlock lp;
};

TEST_F(ParserTest, WorkedExamples) {
    ASSERT_TRUE(parse({"MAX 3X1+5X2", "2X1+4X2<=20"}).ok);
    ASSERT_EQ(lp.intVariableCount, 2);
    EXPECT_EQ(lp.strVariableNames(1), "X1");
    EXPECT_EQ(lp.strVariableNames(2), "X2");
    EXPECT_EQ(lp.intOptimizationType, 0);
    EXPECT_EQ(a(0, 1), 3);
    EXPECT_EQ(a(0, 2), 5);
    EXPECT_EQ(a(0, 0), 0);
    EXPECT_EQ(a(1, 1), 2);
    EXPECT_EQ(a(1, 2), 4);
    EXPECT_EQ(lp.intConstraintRelations(1), 2);
    EXPECT_EQ(a(1, 0), 20);
    EXPECT_EQ(lp.intModelRow, 1);

    ASSERT_TRUE(parse({"MIN X1-X2", "-X1+X2>=-4"}).ok);
    EXPECT_EQ(lp.intOptimizationType, 1);
    EXPECT_EQ(a(0, 1), 1);
    EXPECT_EQ(a(0, 2), -1);
    EXPECT_EQ(a(1, 1), -1);
    EXPECT_EQ(a(1, 2), 1);
    EXPECT_EQ(lp.intConstraintRelations(1), 4);
    EXPECT_EQ(a(1, 0), -4);
}

// One constraint line read after the objective "MAX 1A+1B"; a and b are the
// coefficients of A and B, nan where the line writes nothing.
struct LineCase {
    const char* line;
    double a, b;
    int relation;
    double rhs;
};

TEST_F(ParserTest, ConstraintLines) {
    const double none = std::nan("");
    const std::vector<LineCase> cases = {
        {" 3 A + 2B < 7 ", 3, 2, 2, 7},      // blanks anywhere
        {"A-B=0", 1, -1, 3, 0},              // implicit 1 and -1
        {"-A>=+5", -1, none, 4, 5},
        {"2.5A+.5B<=1.25", 2.5, 0.5, 2, 1.25},
        {"3A+5<7", 3, none, 2, 7},           // a number without a name is dropped
        {"3A+2B", 3, 2, 0, 0},               // no relation: code 0, rhs 0
        {"1A+2A<1", 2, none, 2, 1},          // the last occurrence counts
        {"<10", none, none, 2, 10},          // all coefficients zero
        {"2A++2B<1", 2, 2, 2, 1},            // a typed "+2" after the store's "+"
        {"A+-B<1", 1, -1, 2, 1},
        {"A>", 1, none, 4, 0},               // empty right-hand side
        {"A<-", 1, none, 2, 0},              // a lone sign as right-hand side
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        QVLP::ParseResult r = parse({"MAX 1A+1B", c.line});
        ASSERT_TRUE(r.ok) << r.messageText;
        EXPECT_EQ(lp.intVariableCount, 2);
        EXPECT_EQ(written(1, 1), !std::isnan(c.a));
        if (!std::isnan(c.a)) {
            EXPECT_EQ(a(1, 1), c.a);
        }
        EXPECT_EQ(written(1, 2), !std::isnan(c.b));
        if (!std::isnan(c.b)) {
            EXPECT_EQ(a(1, 2), c.b);
        }
        EXPECT_EQ(lp.intConstraintRelations(1), c.relation);
        EXPECT_EQ(a(1, 0), c.rhs);
    }
}

TEST_F(ParserTest, NamesAreCaseSensitiveAndDigitsJoinTheName) {
    ASSERT_TRUE(parse({"MAX X1+x1", "3X1 2X2<4"}).ok);
    ASSERT_EQ(lp.intVariableCount, 3);
    EXPECT_EQ(lp.strVariableNames(2), "x1");
    EXPECT_EQ(lp.strVariableNames(3), "X12X2");
    EXPECT_EQ(a(1, 3), 3);
}

TEST_F(ParserTest, OptimizationKeywordOnlyAtTheStartOfTheObjective) {
    ASSERT_TRUE(parse({"MIN 2MAXQ+3MINX-MAX", "2MAXCOST+MINX<5"}).ok);
    EXPECT_EQ(lp.intOptimizationType, 1);
    ASSERT_EQ(lp.intVariableCount, 4);
    EXPECT_EQ(lp.strVariableNames(1), "MAXQ");
    EXPECT_EQ(lp.strVariableNames(2), "MINX");
    EXPECT_EQ(lp.strVariableNames(3), "MAX");
    EXPECT_EQ(lp.strVariableNames(4), "MAXCOST");
    EXPECT_EQ(a(0, 3), -1);
    EXPECT_EQ(a(1, 4), 2);
    EXPECT_EQ(a(1, 2), 1);

    lp.intOptimizationType = 1;
    ASSERT_TRUE(parse({" M A X3A", "A<1"}).ok);  // blanks inside the keyword are skipped too
    EXPECT_EQ(lp.intOptimizationType, 0);
    EXPECT_EQ(a(0, 1), 3);

    // No keyword: the type stays.
    lp = qv::LPBlock{};
    QVLP::InitLPArrays(lp);
    lp.intOptimizationType = 1;
    lp.intConstraintCount = 1;
    lp.strModelLines(2) = "3A";
    lp.strModelLines(3) = "A<1";
    ASSERT_TRUE(QVLP::ParseModelLines(lp).ok);
    EXPECT_EQ(lp.intOptimizationType, 1);
}

TEST_F(ParserTest, ObjectiveEndingInANumberStoresItAsColumnZero) {
    ASSERT_TRUE(parse({"MAX 3X1+5", "X1<1"}).ok);
    EXPECT_EQ(a(0, 0), 5);
    EXPECT_EQ(a(0, 1), 3);
}

TEST_F(ParserTest, BlankLinesAreSkippedWithoutUsingARow) {
    ASSERT_TRUE(parse({"MAX A+B", "A<1", "   ", "B>2"}).ok);
    EXPECT_EQ(lp.intModelRow, 2);
    EXPECT_EQ(lp.intConstraintRelations(2), 4);
    EXPECT_EQ(a(2, 0), 2);
    EXPECT_EQ(lp.intConstraintRelations(3), 0);
    EXPECT_FALSE(written(3, 0));
}

TEST_F(ParserTest, CoefficientTextsRaiseDecimalsRightHandSidesDoNot) {
    ASSERT_TRUE(parse({"MAX A", "2.12345A<10.123456"}).ok);
    EXPECT_EQ(lp.intReportDecimals, 5);
    EXPECT_EQ(lp.intRoundDigits, 8);
    ASSERT_TRUE(parse({"MAX A", "2.1A<10.123456"}).ok);
    EXPECT_EQ(lp.intReportDecimals, 3);
    EXPECT_EQ(lp.intRoundDigits, 0);
}

std::string manyNames(int count) {
    std::string line = "MAX ";
    for (int j = 1; j <= count; ++j) line += (j > 1 ? "+" : "") + std::to_string(j) + "V" + std::to_string(j);
    return line;
}

TEST_F(ParserTest, AHundredVariablesReadTheHundredFirstIsRefused) {
    QVLP::ParseResult r = parse({manyNames(100), "V1<1"});
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(lp.intVariableCount, 100);
    EXPECT_EQ(a(0, 100), 100);

    r = parse({manyNames(100), "V1+V101+V2<1", "V1<2"});
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.messageTitle, "Problem Error");
    EXPECT_EQ(r.messageText,
              "YOUR PROBLEM HAS EXCEEDED THE DIMENSIONS OF THIS PROGRAM.  THE NUMBER OF "
              "DECISION VARIABLES EXCEEDS 100.");
    EXPECT_EQ(r.icon, 16);
    EXPECT_EQ(lp.intVariableCount, 100);
    EXPECT_EQ(a(1, 1), 1);            // stored before the refusal
    EXPECT_FALSE(written(1, 2));      // the rest of the line is not read
    EXPECT_FALSE(written(2, 1));      // nor the later lines
}

TEST_F(ParserTest, ConstraintCountOutsideTheLimitsIsRefused) {
    std::vector<std::string> lines = {"MAX A"};
    for (int i = 1; i <= 51; ++i) lines.push_back("A<" + std::to_string(i));
    QVLP::ParseResult r = parse(lines);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.messageTitle, "Problem Error");
    EXPECT_EQ(r.messageText,
              "YOUR PROBLEM HAS EXCEEDED THE DIMENSIONS OF THIS PROGRAM.  THE NUMBER OF "
              "CONSTRAINTS EXCEEDS 50.");
    EXPECT_EQ(lp.intVariableCount, 0);

    lines.pop_back();
    EXPECT_TRUE(parse(lines).ok);
    EXPECT_EQ(a(50, 0), 50);

    EXPECT_FALSE(parse({"MAX A"}, 0).ok);
    lp = qv::LPBlock{};
    QVLP::InitLPArrays(lp);
    lp.intConstraintCount = 32000;
    EXPECT_FALSE(QVLP::ParseModelLines(lp).ok);
    lp.intConstraintCount = -3;
    EXPECT_FALSE(QVLP::ParseModelLines(lp).ok);
}

TEST_F(ParserTest, UnreadableLinesAreRefused) {
    struct Bad {
        std::vector<std::string> lines;
        const char* text;
    };
    const std::vector<Bad> cases = {
        {{"MAX A<5", "A<1"}, "YOUR PROBLEM FILE CANNOT BE READ.  THE OBJECTIVE FUNCTION IS NOT VALID."},
        {{"MAX ", "<1"}, "YOUR PROBLEM FILE CANNOT BE READ.  THE OBJECTIVE FUNCTION IS NOT VALID."},
        {{"MAX A", "A<<5"}, "YOUR PROBLEM FILE CANNOT BE READ.  CONSTRAINT 1 IS NOT VALID."},
        {{"MAX A", "A<1", "A=>5"}, "YOUR PROBLEM FILE CANNOT BE READ.  CONSTRAINT 2 IS NOT VALID."},
        {{"MAX A", "A<5B"}, "YOUR PROBLEM FILE CANNOT BE READ.  CONSTRAINT 1 IS NOT VALID."},
        {{"MAX A", "3-A<5"}, "YOUR PROBLEM FILE CANNOT BE READ.  CONSTRAINT 1 IS NOT VALID."},
        {{"MAX A", "1.2.3A<4"}, "YOUR PROBLEM FILE CANNOT BE READ.  CONSTRAINT 1 IS NOT VALID."},
        {{"MAX A", "A<1.2.3"}, "YOUR PROBLEM FILE CANNOT BE READ.  CONSTRAINT 1 IS NOT VALID."},
        {{"MAX A+5-", "A<1"}, "YOUR PROBLEM FILE CANNOT BE READ.  THE OBJECTIVE FUNCTION IS NOT VALID."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines.back());
        QVLP::ParseResult r = parse(c.lines);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.messageTitle, "Problem Error");
        EXPECT_EQ(r.messageText, c.text);
        EXPECT_EQ(r.icon, 16);
    }
}

TEST_F(ParserTest, ANumberBeyondTheDoubleRangeIsARunTimeFailure) {
    QVLP::ParseResult r = parse({"MAX 1" + std::string(400, '0') + "A", "A<1"});
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.messageTitle, "Error # 6");
    EXPECT_EQ(r.messageText, "Overflow");
}

TEST_F(ParserTest, GarbageNeverReachesOutsideTheArrays) {
    // Any line: either read or refused with the parser's own messages, never a
    // subscript failure and never more than the limits.
    const std::string alphabet = "0123456789+-.<=>  AXZmax_MINMAX=<>,;\"\t";
    unsigned state = 12345;
    auto next = [&state]() { state = state * 1103515245u + 12345u; return (state >> 16) & 0x7fff; };
    int read = 0, refused = 0;
    for (int trial = 0; trial < 400; ++trial) {
        int m = static_cast<int>(next() % 53);
        std::vector<std::string> lines;
        const bool mutate = trial % 2 == 0;
        for (int k = 0; k <= m; ++k) {
            std::string s;
            if (mutate) {
                // A valid line with a few characters changed, inserted or removed.
                s = k == 0 ? "MAX 3X1+5.5X2-X3" : "2X1-X2+0.25X3<=" + std::to_string(k);
                for (int e = static_cast<int>(next() % 3); e > 0; --e) {
                    std::size_t at = next() % (s.size() + 1);
                    char c = alphabet[next() % alphabet.size()];
                    switch (next() % 3) {
                        case 0: s.insert(at, 1, c); break;
                        case 1: if (at < s.size()) s.erase(at, 1); break;
                        default: if (at < s.size()) s[at] = c; break;
                    }
                }
            } else {
                int len = static_cast<int>(next() % 40);
                for (int c = 0; c < len; ++c) s += alphabet[next() % alphabet.size()];
            }
            lines.push_back(s);
        }
        QVLP::ParseResult r = parse(lines, m);
        if (r.ok) {
            ++read;
        } else {
            ++refused;
            EXPECT_EQ(r.messageTitle, "Problem Error") << r.messageText;
        }
        EXPECT_LE(lp.intVariableCount, 100);
        EXPECT_LE(lp.intModelRow, 50);
    }
    EXPECT_GT(read, 0);
    EXPECT_GT(refused, 0);
}

}  // namespace
