#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lp/core/IntegerSection.h"
#include "lp/core/LPBlock.h"
#include "lp/core/TextModel.h"
#include "platform/core/Array.h"
#include "platform/core/Value.h"

namespace {

using QVLP::IntegerChoice;

class IntegerSectionTest : public ::testing::Test {
protected:
    void SetUp() override { setProblem(2, {"X1", "X2", "X3"}); }
    void setProblem(int m, const std::vector<std::string>& names) {
        lp = qv::LPBlock{};
        QVLP::InitLPArrays(lp);
        lp.intConstraintCount = m;
        lp.intVariableCount = static_cast<int>(names.size());
        for (std::size_t j = 0; j < names.size(); ++j)
            lp.strVariableNames(static_cast<long>(j) + 1) = names[j];
    }
    std::vector<std::string> lines(long from, long to) const {
        std::vector<std::string> out;
        for (long p = from; p <= to; ++p) out.push_back(lp.strModelLines(p));
        return out;
    }
    qv::LPBlock lp;
};

TEST_F(IntegerSectionTest, WritesEachChoice) {
    QVLP::WriteIntegerSection(lp, IntegerChoice::Multiple, {true, false, true}, {false, true, false});
    EXPECT_EQ(lines(5, 10), (std::vector<std::string>{"BIN", "X1", "X3", "INT", "X2", ""}));

    // The option alone decides: list selections are not written.
    QVLP::WriteIntegerSection(lp, IntegerChoice::AllBinary, {false, false, false}, {true, true, true});
    EXPECT_EQ(lp.strModelLines(5), "DBI");
    QVLP::WriteIntegerSection(lp, IntegerChoice::AllGeneral, {true, false, false}, {});
    EXPECT_EQ(lp.strModelLines(5), "DIN");
    EXPECT_EQ(lp.strModelLines(6), "X1");  // later lines untouched

    QVLP::WriteIntegerSection(lp, IntegerChoice::Multiple, {}, {});
    EXPECT_EQ(lines(5, 7), (std::vector<std::string>{"BIN", "INT", ""}));
}

TEST_F(IntegerSectionTest, ReadsEachKeyword) {
    struct Case {
        std::vector<std::string> section;  // from line m + 3
        std::vector<int> kinds;            // variables 1..3
        int count;
    };
    const int B = QVLP::kBinary, G = QVLP::kGeneralInteger, N = QVLP::kNotInteger;
    const std::vector<Case> cases = {
        {{"DBI", "X1"}, {B, B, B}, 3},
        {{"DIN"}, {G, G, G}, 3},
        {{"BIN", "X1", "X3", "INT", "X2", ""}, {B, G, B}, 3},
        {{"BIN", "INT", ""}, {N, N, N}, 0},
        {{"INT", "X2", "BIN", "X3", ""}, {N, G, B}, 2},       // opening with INT is accepted
        {{"BIN", "X2", "Y", "INT", "X2", ""}, {N, G, N}, 1},  // unknown skipped, last kind wins
        {{"BIN", "X1", "", "X2", ""}, {B, N, N}, 1},          // the first empty line ends it
        {{"bin", "X1", ""}, {N, N, N}, 0},
        {{""}, {N, N, N}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.section.front());
        SetUp();
        for (std::size_t k = 0; k < c.section.size(); ++k)
            lp.strModelLines(5 + static_cast<long>(k)) = c.section[k];
        QVLP::IntegerMarks marks = QVLP::ReadIntegerSection(lp);
        EXPECT_EQ(std::vector<int>(marks.kinds.begin() + 1, marks.kinds.end()), c.kinds);
        EXPECT_EQ(marks.count, c.count);
    }
}

TEST_F(IntegerSectionTest, NamesAreComparedExactlyAsStored) {
    setProblem(1, {"x1", "X1", "bin"});
    QVLP::WriteIntegerSection(lp, IntegerChoice::Multiple, {false, false, false}, {true, false, true});
    QVLP::IntegerMarks marks = QVLP::ReadIntegerSection(lp);
    EXPECT_EQ(marks.kinds, (std::vector<int>{0, QVLP::kGeneralInteger, 0, QVLP::kGeneralInteger}));
    EXPECT_EQ(marks.count, 2);
}

TEST_F(IntegerSectionTest, ASecondSolveReadsOnlyItsOwnNames) {
    setProblem(1, {"A", "B", "C", "D"});
    QVLP::WriteIntegerSection(lp, IntegerChoice::Multiple, {true, true, true, true}, {});
    QVLP::WriteIntegerSection(lp, IntegerChoice::Multiple, {false, true}, {});
    EXPECT_EQ(lines(4, 7), (std::vector<std::string>{"BIN", "B", "INT", ""}));
    QVLP::IntegerMarks marks = QVLP::ReadIntegerSection(lp);
    EXPECT_EQ(marks.count, 1);
    EXPECT_EQ(marks.kinds[2], QVLP::kBinary);
}

TEST_F(IntegerSectionTest, ALargestSectionFitsTheModel) {
    std::vector<std::string> names;
    for (int j = 1; j <= 100; ++j) names.push_back("V" + std::to_string(j));
    setProblem(50, names);
    std::vector<bool> all(100, true);
    QVLP::WriteIntegerSection(lp, IntegerChoice::Multiple, all, all);
    EXPECT_EQ(lp.strModelLines(255), "");
    EXPECT_EQ(lp.strModelLines(254), "V100");
    EXPECT_EQ(QVLP::ReadIntegerSection(lp).count, 100);
}

TEST_F(IntegerSectionTest, AListWithoutItsEmptyLineStopsAtTheLastLine) {
    lp.strModelLines(5) = "INT";
    for (long p = 6; p <= 255; ++p) lp.strModelLines(p) = "X2";
    QVLP::IntegerMarks marks = QVLP::ReadIntegerSection(lp);
    EXPECT_EQ(marks.count, 1);
    EXPECT_EQ(QVLP::ReadIntegerDialogState(lp).choice, IntegerChoice::AllGeneral);
    lp.strModelLines(5) = "BIN";
    EXPECT_EQ(QVLP::ReadIntegerDialogState(lp).binarySelected, (std::vector<bool>{false, true, false}));
}

TEST_F(IntegerSectionTest, DialogReopensWithThePreviousChoice) {
    QVLP::IntegerDialogState fresh = QVLP::ReadIntegerDialogState(lp);
    EXPECT_EQ(fresh.choice, IntegerChoice::AllGeneral);
    EXPECT_EQ(fresh.generalSelected, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(fresh.binarySelected, (std::vector<bool>{false, false, false}));

    const std::vector<bool> bin = {true, false, false}, gen = {false, false, true};
    QVLP::WriteIntegerSection(lp, IntegerChoice::Multiple, bin, gen);
    QVLP::IntegerDialogState again = QVLP::ReadIntegerDialogState(lp);
    EXPECT_EQ(again.choice, IntegerChoice::Multiple);
    EXPECT_EQ(again.binarySelected, bin);
    EXPECT_EQ(again.generalSelected, gen);

    QVLP::WriteIntegerSection(lp, IntegerChoice::AllBinary, {}, {});
    QVLP::IntegerDialogState binary = QVLP::ReadIntegerDialogState(lp);
    EXPECT_EQ(binary.choice, IntegerChoice::AllBinary);
    EXPECT_EQ(binary.binarySelected, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(binary.generalSelected, (std::vector<bool>{false, false, false}));

    // A constraint added later moves line m + 3 off the keyword: default again.
    lp.intConstraintCount = 3;
    lp.strModelLines(5) = "1X1<4";
    EXPECT_EQ(QVLP::ReadIntegerDialogState(lp).choice, IntegerChoice::AllGeneral);
}

TEST_F(IntegerSectionTest, EngineArraysGetFlagsBoundsAndCount) {
    QVLP::WriteIntegerSection(lp, IntegerChoice::Multiple, {false, true, false}, {true, false, false});
    pf::Array<int> flags;
    pf::Array<pf::Value> upper;
    flags.ReDim(200);
    upper.ReDim(200);
    const double infinity = 1e15;
    for (long j = 1; j <= 100; ++j) upper(j) = infinity;
    lp.intIntegerCount = 7;
    QVLP::ReadIntegerSection(lp, flags, upper, infinity);
    EXPECT_EQ(lp.intIntegerCount, 2);
    EXPECT_EQ(flags(1), 1);
    EXPECT_EQ(flags(2), 1);
    EXPECT_EQ(flags(3), 0);
    EXPECT_EQ(upper(1).num(), infinity);
    EXPECT_EQ(upper(2).num(), 1);
    EXPECT_EQ(upper(3).num(), infinity);
}

}  // namespace
