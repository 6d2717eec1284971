#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "lp/core/LPSolution.h"
#include "lp_solution_fixture.h"

namespace {

// Columns checked by hand: names centred from column 4, values ending in columns
// 36 and 59, constraint numbers from column 11; ranging fields ending in columns
// 31, 49 and 67, constraint numbers ending in column 8.
const std::vector<std::string> kWyndorWindow = {
    "Optimal Solution",
    "Objective Function Value =          36.000",
    "",
    "      Variable             Value             Reduced Costs   ",
    "   --------------     ---------------      ------------------ ",
    "         X1                    2.000                  0.000",
    "         X2                    6.000                  0.000",
    "",
    "     Constraint        Slack/Surplus           Dual Prices    ",
    "   --------------     ---------------      ------------------",
    "          1                    2.000                  0.000",
    "          2                    0.000                  1.500",
    "          3                    0.000                  1.000",
    "",
    "",
    "OBJECTIVE COEFFICIENT RANGES",
    "",
    "   Variable       Lower Limit       Current Value     Upper Limit",
    " ------------   ---------------    ---------------  ---------------",
    "      X1                  0.000             3.000             7.500",
    "      X2                  2.000             5.000    No Upper Limit",
    "",
    "RIGHT HAND SIDE RANGES",
    "",
    "  Constraint      Lower Limit       Current Value     Upper Limit",
    " ------------   ---------------    ---------------  ---------------",
    "       1                  2.000             4.000    No Upper Limit",
    "       2                  6.000            12.000            18.000",
    "       3                 12.000            18.000            24.000"};

const std::vector<std::string> kCoveringWindow = {
    "Optimal Solution",
    "Objective Function Value =           9.000",
    "",
    "      Variable             Value             Reduced Costs   ",
    "   --------------     ---------------      ------------------ ",
    "         X1                    3.000                  0.000",
    "         X2                    1.000                  0.000",
    "",
    "     Constraint        Slack/Surplus           Dual Prices    ",
    "   --------------     ---------------      ------------------",
    "          1                    0.000                 -1.500",
    "          2                    0.000                 -0.500",
    "          3                    2.000                  0.000",
    "",
    "",
    "OBJECTIVE COEFFICIENT RANGES",
    "",
    "   Variable       Lower Limit       Current Value     Upper Limit",
    " ------------   ---------------    ---------------  ---------------",
    "      X1                  1.000             2.000             3.000",
    "      X2                  2.000             3.000             6.000",
    "",
    "RIGHT HAND SIDE RANGES",
    "",
    "  Constraint      Lower Limit       Current Value     Upper Limit",
    " ------------   ---------------    ---------------  ---------------",
    "       1                  3.200             4.000             6.000",
    "       2                  4.000             6.000            10.000",
    "       3         No Lower Limit             5.000             7.000"};

const std::vector<std::string> kWithEqualityWindow = {
    "Optimal Solution",
    "Objective Function Value =          23.000",
    "",
    "      Variable             Value             Reduced Costs   ",
    "   --------------     ---------------      ------------------ ",
    "         X1                    3.000                  0.000",
    "         X2                    2.000                  0.000",
    "",
    "     Constraint        Slack/Surplus           Dual Prices    ",
    "   --------------     ---------------      ------------------",
    "          1                    0.000                  4.000",
    "          2                    0.000                  1.000",
    "          3                    3.000                  0.000",
    "",
    "",
    "OBJECTIVE COEFFICIENT RANGES",
    "",
    "   Variable       Lower Limit       Current Value     Upper Limit",
    " ------------   ---------------    ---------------  ---------------",
    "      X1                  4.000             5.000    No Upper Limit",
    "      X2         No Lower Limit             4.000             5.000",
    "",
    "RIGHT HAND SIDE RANGES",
    "",
    "  Constraint      Lower Limit       Current Value     Upper Limit",
    " ------------   ---------------    ---------------  ---------------",
    "       1                  3.000             5.000             6.000",
    "       2                  1.500             3.000             5.000",
    "       3                  9.000            12.000    No Upper Limit"};

const std::vector<std::string> kKnapsackWindow = {
    "Optimal Solution",
    "Objective Function Value =          40.000",
    "",
    "      Variable             Value",
    "   --------------     ---------------  ",
    "         X1                    0.000",
    "         X2                    5.000",
    "",
    "     Constraint        Slack/Surplus",
    "   --------------     --------------- ",
    "          1                    1.000",
    "          2                    0.000"};

struct GoldenCase {
    const char* name;
    lpsol::Program program;
    int integerLP;
    const std::vector<std::string>* lines;
};

TEST(LPSolutionWindow, TextbookProgramsLineByLine) {
    const GoldenCase cases[] = {
        {"max with a non-binding <", lpsol::Wyndor(), 0, &kWyndorWindow},
        {"min with > rows", lpsol::Covering(), 0, &kCoveringWindow},
        {"with an = row", lpsol::WithEquality(), 0, &kWithEqualityWindow},
        {"integer program", lpsol::Knapsack(), 1, &kKnapsackWindow},
    };
    for (const GoldenCase& c : cases) {
        SCOPED_TRACE(c.name);
        qv::LPBlock lp;
        lpsol::Solve(lp, c.program, c.integerLP);
        const std::vector<std::string> lines = QVLP::BuildLPSolutionLines(lp, c.integerLP);
        ASSERT_EQ(lines.size(), c.lines->size());
        for (std::size_t k = 0; k < lines.size(); ++k) EXPECT_EQ(lines[k], (*c.lines)[k]) << "line " << k + 1;
    }
}

// Values that round to zero show no sign; reduced costs have none; dual prices keep theirs.
TEST(LPSolutionWindow, NearZeroValuesShowNoMinusSign) {
    qv::LPBlock lp;
    lpsol::Solve(lp, lpsol::Wyndor());
    // The basic slack of row 1 and the dual price of row 1.
    int r = 0;
    for (int k = 1; k <= lp.intConstraintCount; ++k)
        if (lp.intBasisColumns(k) == lp.intRowSlackColumns(1)) r = k;
    ASSERT_GT(r, 0);
    lp.dblBasicValues(r) = -0.00003;
    lp.dblDualPrices(1) = 0.00009;
    lp.dblDualPrices(2) = -0.0004;
    lp.dblReducedCosts(1) = -2.5;
    const std::vector<std::string> lines = QVLP::BuildLPSolutionLines(lp, 0);
    EXPECT_EQ(lines[5], "         X1                    2.000                  2.500");
    EXPECT_EQ(lines[10], "          1                    0.000                  0.000");
    EXPECT_EQ(lines[11], "          2                    0.000                  0.000");
    for (const std::string& l : lines) EXPECT_EQ(l.find("-0.000"), std::string::npos) << l;
}

TEST(LPSolutionWindow, ObjectiveRoundingToZeroHasNoSign) {
    qv::LPBlock lp;
    // Min X1 - X2 with X1 - X2 >= 0: optimum 0, reached at any X1 = X2.
    lpsol::Solve(lp, {1, {"X1", "X2"}, {"1", "-1"}, {{"1", "-1", ">", "0"}, {"1", "1", "<", "4"}}});
    lp.dblObjectiveValue = 0;
    const std::vector<std::string> lines = QVLP::BuildLPSolutionLines(lp, 0);
    EXPECT_EQ(lines[1], "Objective Function Value =           0.000");
}

// Two more empty lines before the constraints once n + m exceeds 12.
TEST(LPSolutionWindow, GapBeforeConstraintsGrowsAboveTwelve) {
    for (int n : {9, 10}) {
        lpsol::Program p{0, {}, {}, {}};
        for (int j = 1; j <= n; ++j) {
            p.names.push_back("X" + std::to_string(j));
            p.objective.push_back("1");
        }
        for (int i = 1; i <= 3; ++i) {
            std::vector<std::string> row(static_cast<std::size_t>(n), "1");
            row.push_back("<");
            row.push_back(std::to_string(10 * i));
            p.rows.push_back(row);
        }
        qv::LPBlock lp;
        lpsol::Solve(lp, p);
        const std::vector<std::string> lines = QVLP::BuildLPSolutionLines(lp, 0);
        const std::size_t afterVariables = 5 + static_cast<std::size_t>(n);
        const std::size_t blanks = n + 3 > 12 ? 3 : 1;
        for (std::size_t k = 0; k < blanks; ++k) EXPECT_EQ(lines[afterVariables + k], "") << n;
        EXPECT_EQ(lines[afterVariables + blanks], QVLP::kConstraintsHeaderLP) << n;
    }
}

// Constraint numbers 7 and 12 start in column 11 of the constraints table and end
// in column 8 of the right-hand side ranges.
TEST(LPSolutionWindow, ConstraintNumbersKeepTheirColumns) {
    lpsol::Program p{0, {"X1"}, {"1"}, {}};
    for (int i = 1; i <= 12; ++i) p.rows.push_back({"1", "<", std::to_string(10 + i)});
    qv::LPBlock lp;
    lpsol::Solve(lp, p);
    const std::vector<std::string> lines = QVLP::BuildLPSolutionLines(lp, 0);
    const auto row = [&](const std::string& start, std::size_t from) {
        for (std::size_t k = from; k < lines.size(); ++k)
            if (lines[k].rfind(start, 0) == 0) return lines[k];
        return std::string();
    };
    // n + m = 13: constraints table after three empty lines.
    const std::size_t table = 5 + 1 + 3 + 2;
    EXPECT_EQ(lines[table + 6].substr(0, 12), "          7 ");
    EXPECT_EQ(lines[table + 11].substr(0, 12), "          12");
    EXPECT_EQ(row("       7 ", table + 12).substr(0, 8), "       7");
    EXPECT_EQ(row("      12 ", table + 12).substr(0, 8), "      12");
}

// Names are cut to 14 in place; a 14-character name keeps the value columns.
// A number wider than its field is shown whole, never cut.
TEST(LPSolutionWindow, LongNamesAreCutAndNumbersNeverCut) {
    qv::LPBlock lp;
    lpsol::Solve(lp, {0, {"ABCDEFGHIJKLMNOPQ", "Y"}, {"1", "1"},
                      {{"1", "0", "<", "12345678901"}, {"0", "1", "<", "2"}}});
    const std::vector<std::string> lines = QVLP::BuildLPSolutionLines(lp, 0);
    EXPECT_EQ(lp.strVariableNames(1), "ABCDEFGHIJKLMN");
    // 3 + 14 characters, blanks up to column 22, the 15-character value, blanks up
    // to column 43, the reduced cost in 16.
    EXPECT_EQ(lines[5], "   ABCDEFGHIJKLMN" + std::string(5, ' ') + "12345678901.000" + std::string(6, ' ') +
                            std::string(11, ' ') + "0.000");
    EXPECT_EQ(lines[1], "Objective Function Value = 12345678903.000");
}

}  // namespace
