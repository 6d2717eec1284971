#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lp/core/LPBlock.h"
#include "lp/core/Parser.h"
#include "lp/core/TextModel.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;
using Texts = std::vector<std::string>;

struct Grids {
    int type = 0;
    Texts names;
    Texts objective;
    Rows constraints;
};

class TextModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        QVLP::InitLPArrays(lp);
        lp.intReportDecimals = 3;
    }
    void store(const Grids& g) {
        lp.intConstraintCount = static_cast<int>(g.constraints.size());
        lp.intVariableCount = static_cast<int>(g.names.size());
        QVLP::StoreInputTexts(lp, g.type, g.names, g.objective, g.constraints);
    }
    qv::LPBlock lp;
};

TEST_F(TextModelTest, InitDimensionsEmptyArraysAndKeepsCounts) {
    lp.intConstraintCount = 4;
    lp.intOptimizationType = 1;
    lp.intReportDecimals = 5;
    lp.strModelLines(7) = "X";
    QVLP::InitLPArrays(lp);
    EXPECT_EQ(lp.intColumnCapacity, 200);
    EXPECT_EQ(lp.intRowCapacity, 50);
    EXPECT_EQ(lp.strModelLines.UBound(), 255);
    EXPECT_EQ(lp.strModelLines(7), "");
    EXPECT_EQ(lp.strVariableNames.UBound(), 200);
    EXPECT_EQ(lp.dblProblemMatrix.UBound(1), 50);
    EXPECT_EQ(lp.dblProblemMatrix.UBound(2), 200);
    EXPECT_TRUE(lp.dblProblemMatrix(50, 200).IsEmpty());
    EXPECT_EQ(lp.intConstraintRelations.UBound(), 50);
    EXPECT_EQ(lp.intConstraintCount, 4);
    EXPECT_EQ(lp.intOptimizationType, 1);
    EXPECT_EQ(lp.intReportDecimals, 5);
}

TEST_F(TextModelTest, ObjectiveEchoAndConstraintLines) {
    store({0, {"X1", "X2", "X3"}, {"3", "", "-2.50"}, {{"", "2", "-1.50", "<", "10"}}});
    EXPECT_EQ(lp.strModelLines(2), "MAX 3X1+0X2-2.5X3");
    EXPECT_EQ(lp.strObjectiveEchoLine, "MAX 3X1-2.5X3");
    EXPECT_EQ(lp.strModelLines(3), "2X2-1.50X3<10");
    EXPECT_FALSE(lp.dblProblemMatrix(0, 2).IsEmpty());
    EXPECT_EQ(lp.dblProblemMatrix(0, 2).num(), 0);
    EXPECT_EQ(lp.dblProblemMatrix(0, 3).num(), -2.5);
    EXPECT_FALSE(lp.dblProblemMatrix(1, 1).IsEmpty());  // an empty cell stores 0
    EXPECT_EQ(lp.dblProblemMatrix(1, 3).num(), -1.5);
    EXPECT_EQ(lp.dblProblemMatrix(1, 0).num(), 10);
    EXPECT_EQ(lp.intConstraintRelations(1), 2);
    EXPECT_EQ(lp.strVariableNames(3), "X3");
    EXPECT_EQ(lp.intReportDecimals, 3);
}

struct LineCase {
    const char* what;
    Grids grids;
    const char* objective;
    const char* echo;
    Texts constraints;
};

TEST_F(TextModelTest, LineSyntax) {
    const std::vector<LineCase> cases = {
        {"minimize, first coefficient negative",
         {1, {"A", "B"}, {"-4", "1"}, {{"1", "1", ">", "2"}}},
         "MIN -4A+1B", "MIN -4A+1B", {"1A+1B>2"}},
        {"all objective coefficients zero",
         {0, {"A", "B"}, {"0", ""}, {{"", "", "<", "10"}}},
         "MAX 0A+0B", "MAX ", {"<10"}},
        {"objective number form, constraint text kept",
         {0, {"A", "B", "C"}, {"007", ".5", "-0"}, {{"007", "0.0", "-.5", "=", "3.10"}}},
         "MAX 7A+0.5B+0C", "MAX 7A+0.5B", {"007A-.5C=3.10"}},
        {"echo starts with a negative after zero terms",
         {0, {"A", "B"}, {"0", "-1"}, {{"2", "1", ">", "1"}}},
         "MAX 0A-1B", "MAX -1B", {"2A+1B>1"}},
        {"relations kept as typed, empty relation and rhs",
         {0, {"A"}, {"1"}, {{"1", ">", "1"}, {"1", "x", "2"}, {"1", "", ""}}},
         "MAX 1A", "MAX 1A", {"1A>1", "1Ax2", "1A"}},
        {"no exponent for large or tiny coefficients",
         {0, {"A", "B"}, {"100000000000000000000", "0.0000001"}, {{"1", "1", "<", "1"}}},
         "MAX 100000000000000000000A+0.0000001B", "MAX 100000000000000000000A+0.0000001B",
         {"1A+1B<1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        store(c.grids);
        EXPECT_EQ(lp.strModelLines(2), c.objective);
        EXPECT_EQ(lp.strObjectiveEchoLine, c.echo);
        for (std::size_t i = 0; i < c.constraints.size(); ++i)
            EXPECT_EQ(lp.strModelLines(static_cast<long>(i) + 3), c.constraints[i]);
    }
}

TEST_F(TextModelTest, RelationCodes) {
    store({0, {"A"}, {"1"}, {{"1", "<", "1"}, {"1", "=", "1"}, {"1", ">", "1"}, {"1", "x", "1"},
                             {"1", "", "1"}, {"1", "<=", "1"}}});
    const int expected[] = {0, 2, 3, 4, 4, 4, 4};
    for (long i = 1; i <= 6; ++i) EXPECT_EQ(lp.intConstraintRelations(i), expected[i]) << i;
}

TEST_F(TextModelTest, ReportDecimals) {
    // Objective texts raise even at value 0; zero constraint cells are skipped first.
    store({0, {"A", "B"}, {"1", "0.0000000"}, {{"0.0000000", "1", "<", "12.12345"}}});
    EXPECT_EQ(lp.intReportDecimals, 7);
    SetUp();
    lp.intReportDecimals = 9;  // a store starts again from 3
    store({0, {"A", "B"}, {"1", "2"}, {{"0.0000000", "1.1234", "<", "12.12345"}}});
    EXPECT_EQ(lp.intReportDecimals, 5);
}

TEST_F(TextModelTest, StoreLeavesFilePathAndIntegerSection) {
    lp.strModelLines(1) = "C:\\P\\A.LPM";
    lp.strModelLines(5) = "DIN";
    lp.strModelLines(6) = "X";
    store({0, {"A", "B", "C"}, {"1", "2", "3"}, {{"1", "", "", "<", "1"}, {"", "1", "", "<", "1"}}});
    EXPECT_EQ(lp.strModelLines(1), "C:\\P\\A.LPM");
    EXPECT_EQ(lp.strModelLines(4), "1B<1");
    EXPECT_EQ(lp.strModelLines(5), "DIN");
    EXPECT_EQ(lp.strModelLines(6), "X");
}

TEST_F(TextModelTest, StoreClearsPreviousData) {
    store({0, {"A", "B", "C"}, {"1", "2", "3"}, {{"1", "1", "1", "<", "1"}, {"1", "1", "1", "<", "1"}}});
    store({0, {"A"}, {"1"}, {{"1", "<", "1"}}});
    EXPECT_TRUE(lp.dblProblemMatrix(0, 3).IsEmpty());
    EXPECT_TRUE(lp.dblProblemMatrix(2, 0).IsEmpty());
    EXPECT_EQ(lp.intConstraintRelations(2), 0);
    EXPECT_EQ(lp.strVariableNames(2), "");
}

// Grids -> store -> lines (as the file keeps them) -> parser -> arrays.
void expectRoundTrip(const Grids& g) {
    qv::LPBlock stored;
    QVLP::InitLPArrays(stored);
    stored.intConstraintCount = static_cast<int>(g.constraints.size());
    QVLP::StoreInputTexts(stored, g.type, g.names, g.objective, g.constraints);

    qv::LPBlock read;
    read.intReportDecimals = 3;
    read.intOptimizationType = 1 - g.type;
    read.intConstraintCount = stored.intConstraintCount;
    QVLP::InitLPArrays(read);
    for (long k = 1; k <= stored.intConstraintCount + 2; ++k)
        read.strModelLines(k) = stored.strModelLines(k);
    QVLP::ParseResult r = QVLP::ParseModelLines(read);
    ASSERT_TRUE(r.ok) << r.messageText;

    const long n = static_cast<long>(g.names.size());
    ASSERT_EQ(read.intVariableCount, n);
    EXPECT_EQ(read.intOptimizationType, g.type);
    for (long j = 1; j <= n; ++j) EXPECT_EQ(read.strVariableNames(j), g.names[j - 1]) << j;
    for (long i = 0; i <= stored.intConstraintCount; ++i) {
        if (i > 0) {
            EXPECT_EQ(read.intConstraintRelations(i), stored.intConstraintRelations(i)) << i;
        }
        for (long j = 0; j <= n; ++j)
            EXPECT_EQ(read.dblProblemMatrix(i, j).num(), stored.dblProblemMatrix(i, j).num())
                << "row " << i << " column " << j;
    }
}

TEST(TextModelRoundTrip, GridsReadBackAsTheSameProblem) {
    const std::vector<Grids> cases = {
        {0, {"X1", "X2"}, {"3", "5"}, {{"2", "4", "<", "20"}}},
        {1, {"X1", "X2", "X3"}, {"3", "2.5", "-1.25"},
         {{"1", "0.5", "-2.25", "<", "10"}, {"", "-1", "1", ">", "2.5"}, {"1", "1", "", "=", "7"}}},
        {0, {"A", "B", "C"}, {"", "-2.50", "007"},
         {{"0", "", "-", "<", "0"}, {"-.5", "0.0", "1.", ">", ".75"}}},
        {0, {"ABCDEFG", "x_1", "X_1", "Profit7"}, {"1", "-1", "1", "-1"},
         {{"1", "-1", "1", "-1", "=", "0"}, {"-1", "", "", "1", ">", "3"}}},
        {1, {"MAXQ", "MINX", "MAX", "MIN1"}, {"1", "2", "3", "4"},
         {{"1", "1", "1", "1", "<", "10"}, {"2", "", "", "3", ">", "1"}}},
        {0, {"A"}, {"100000000000000000000"}, {{"0.0000001", "<", "123456789012345"}}},
    };
    for (std::size_t c = 0; c < cases.size(); ++c) {
        SCOPED_TRACE("case " + std::to_string(c));
        expectRoundTrip(cases[c]);
    }
}

TEST(TextModelRoundTrip, FullSizeProblem) {
    Grids g;
    for (int j = 1; j <= 100; ++j) {
        g.names.push_back("V" + std::to_string(j));
        g.objective.push_back(j % 7 == 0 ? "" : std::to_string(j % 5 - 2) + "." + std::to_string(j % 10));
    }
    const char* relations[] = {"<", "=", ">"};
    for (int i = 1; i <= 50; ++i) {
        Texts row;
        for (int j = 1; j <= 100; ++j)
            row.push_back((i + j) % 3 == 0 ? "" : std::to_string((i * j) % 11 - 5));
        row.push_back(relations[i % 3]);
        row.push_back(std::to_string(i) + ".5");
        g.constraints.push_back(row);
    }
    expectRoundTrip(g);
}

}  // namespace
