#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "lp/core/LPReport.h"
#include "lp/core/LPSolution.h"
#include "lp_solution_fixture.h"
#include "platform/core/Report.h"

namespace {

using Pages = std::vector<std::vector<std::string>>;

// Solves, fills the window text (as every solve does) and prints to both sinks.
struct Printed {
    Pages pages;
    std::string file;
};

Printed Print(qv::LPBlock& lp, int integerLP) {
    QVLP::BuildLPSolutionLines(lp, integerLP);
    pf::RecordingReportSink rec;
    QVLP::PrintLPSolution(lp, integerLP, rec);
    rec.finish();
    pf::TextReportSink txt;
    QVLP::PrintLPSolution(lp, integerLP, txt);
    return {rec.pages(), txt.contents()};
}

Printed Print(const lpsol::Program& p, int integerLP = 0) {
    qv::LPBlock lp;
    lpsol::Solve(lp, p, integerLP);
    return Print(lp, integerLP);
}

// Checked by hand: labels with ")" in column 10 and the text from column 13; values
// ending in columns 37 and 61; ranging fields in 17-31, 36-50 and 53-67.
const Pages kWyndorReport = {
    {
        "LINEAR PROGRAMMING PROBLEM",
        "",
        "MAX 3X1+5X2",
        "",
        "     S.T.",
        "",
        "        1)  1X1<4",
        "        2)  2X2<12",
        "        3)  3X1+2X2<18",
    },
    {
        "OPTIMAL SOLUTION",
        "",
        "Objective Function Value =          36.000",
        "",
        "      Variable             Value             Reduced Costs   ",
        "   --------------     ---------------      ------------------ ",
        "         X1                     2.000                   0.000",
        "         X2                     6.000                   0.000",
        "",
        "",
        "     Constraint        Slack/Surplus           Dual Prices    ",
        "   --------------     ---------------      ------------------",
        "          1                     2.000                   0.000",
        "          2                     0.000                   1.500",
        "          3                     0.000                   1.000",
    },
    {
        "OBJECTIVE COEFFICIENT RANGES",
        "",
        "   Variable       Lower Limit       Current Value     Upper Limit",
        " ------------   ---------------    ---------------  ---------------",
        "      X1                  0.000              3.000            7.500",
        "      X2                  2.000              5.000   No Upper Limit",
        "",
        "",
        "RIGHT HAND SIDE RANGES",
        "",
        "  Constraint      Lower Limit       Current Value     Upper Limit",
        " ------------   ---------------    ---------------  ---------------",
        "       1                  2.000              4.000   No Upper Limit",
        "       2                  6.000             12.000           18.000",
        "       3                 12.000             18.000           24.000",
    },
};

// The file holds the printer's lines, a form-feed line where a page starts.
std::string AsFile(const Pages& pages) {
    std::string s;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0) s += "\f\r\n";
        for (const std::string& l : pages[p]) s += l + "\r\n";
    }
    return s;
}

TEST(LPReport, LinearProgramPagesAndFileAgree) {
    const Printed r = Print(lpsol::Wyndor());
    EXPECT_EQ(r.pages, kWyndorReport);
    EXPECT_EQ(r.file, AsFile(r.pages));
    EXPECT_NE(r.file.substr(0, 1), "\f");
}

TEST(LPReport, IntegerProgramHasTwoColumnsAndNoRanges) {
    const Printed r = Print(lpsol::Knapsack(), 1);
    ASSERT_EQ(r.pages.size(), 2u);
    EXPECT_EQ(r.pages[0][0], "INTEGER LINEAR PROGRAMMING PROBLEM");
    const std::vector<std::string> solution = {
        "OPTIMAL SOLUTION",
        "",
        "Objective Function Value =          40.000",
        "",
        QVLP::kVariablesHeaderIP,
        QVLP::kVariablesRuleIP,
        "         X1                     0.000",
        "         X2                     5.000",
        "",
        "",
        QVLP::kConstraintsHeaderIP,
        QVLP::kConstraintsRuleIP,
        "          1                     1.000",
        "          2                     0.000",
    };
    EXPECT_EQ(r.pages[1], solution);
    EXPECT_EQ(r.file, AsFile(r.pages));
}

// Echo pieces: 80 characters of objective per line, 68 of constraint text after
// the label and then from column 1.
TEST(LPReport, LongTextsAreCutIntoPieces) {
    qv::LPBlock lp;
    lpsol::Solve(lp, lpsol::Wyndor());
    const std::string t80(80, 'a'), t69 = std::string(68, 'b') + "c";
    struct Case { std::string objective; std::vector<std::string> lines; };
    const Case cases[] = {
        {t80, {t80}},
        {t80 + "z", {t80, "z"}},
    };
    for (const Case& c : cases) {
        lp.strObjectiveEchoLine = c.objective;
        lp.strModelLines(3) = t69;
        lp.strModelLines(4) = std::string(68, 'd');
        const Printed r = Print(lp, 0);
        const auto& page = r.pages[0];
        std::size_t k = 2;
        for (const std::string& l : c.lines) EXPECT_EQ(page[k++], l);
        EXPECT_EQ(page[k++], "");
        EXPECT_EQ(page[k++], "     S.T.");
        EXPECT_EQ(page[k++], "");
        EXPECT_EQ(page[k++], "        1)  " + std::string(68, 'b'));
        EXPECT_EQ(page[k++], "c");
        EXPECT_EQ(page[k++], "        2)  " + std::string(68, 'd'));
        EXPECT_EQ(page[k++], "        3)  3X1+2X2<18");
        EXPECT_EQ(k, page.size());
        EXPECT_EQ(r.file, AsFile(r.pages));
    }
}

// n variables, m "<" rows with every coefficient 1 and row i's rhs 10 * i.
lpsol::Program Wide(int n, int m) {
    lpsol::Program p{0, {}, {}, {}};
    for (int j = 1; j <= n; ++j) {
        p.names.push_back("X" + std::to_string(j));
        p.objective.push_back(std::to_string(j % 3 + 1));
    }
    for (int i = 1; i <= m; ++i) {
        std::vector<std::string> row(static_cast<std::size_t>(n), "1");
        row.push_back("<");
        row.push_back(std::to_string(10 * i));
        p.rows.push_back(row);
    }
    return p;
}

std::size_t Find(const std::vector<std::string>& page, const std::string& line) {
    for (std::size_t k = 0; k < page.size(); ++k)
        if (page[k] == line) return k;
    return page.size();
}

// n + m = 39 keeps the tables together; 40 starts the constraints and the
// right-hand side ranges on pages of their own.
TEST(LPReport, LongProblemsPutEveryTableOnItsOwnPage) {
    {
        const Printed r = Print(Wide(36, 3));
        ASSERT_EQ(r.pages.size(), 3u);
        EXPECT_LT(Find(r.pages[1], QVLP::kConstraintsHeaderLP), r.pages[1].size());
        EXPECT_LT(Find(r.pages[2], "RIGHT HAND SIDE RANGES"), r.pages[2].size());
    }
    {
        const Printed r = Print(Wide(37, 3));
        ASSERT_EQ(r.pages.size(), 5u);
        EXPECT_EQ(r.pages[2][0], QVLP::kConstraintsHeaderLP);
        EXPECT_EQ(r.pages[3][0], "OBJECTIVE COEFFICIENT RANGES");
        EXPECT_EQ(r.pages[4][0], "RIGHT HAND SIDE RANGES");
        EXPECT_EQ(r.file, AsFile(r.pages));
    }
}

// The variables table breaks once its counter passes 55 (after variable 50), with
// the title block and the header again; the objective ranges after variable 52.
TEST(LPReport, TablesBreakAfterTheLineLimitWithTheirHeadings) {
    const Printed r = Print(Wide(60, 1));
    // Echo, variables 1-50, variables 51-60, constraints, ranges 1-52, ranges 53-60,
    // right-hand sides (n + m >= 40).
    ASSERT_EQ(r.pages.size(), 7u);
    EXPECT_EQ(r.pages[1].size(), 6u + 50u);
    EXPECT_EQ(r.pages[1].back().substr(0, 11), "        X50");
    EXPECT_EQ(r.pages[2][0], "OPTIMAL SOLUTION");
    EXPECT_EQ(r.pages[2][4], QVLP::kVariablesHeaderLP);
    EXPECT_EQ(r.pages[2][6].substr(0, 11), "        X51");
    EXPECT_EQ(r.pages[2].size(), 6u + 10u);
    EXPECT_EQ(r.pages[4].size(), 4u + 52u);
    EXPECT_EQ(r.pages[5][0], "OBJECTIVE COEFFICIENT RANGES");
    EXPECT_EQ(r.pages[5][4].substr(0, 8), "     X53");
    EXPECT_EQ(r.file, AsFile(r.pages));
}

// Constraint 9 and 10 in the echo have their ")" in column 10.
TEST(LPReport, EchoLabelsKeepTheirColumn) {
    const Printed r = Print(Wide(2, 10));
    const auto& page = r.pages[0];
    EXPECT_EQ(page[6 + 8].substr(0, 12), "        9)  ");
    EXPECT_EQ(page[6 + 9].substr(0, 12), "       10)  ");
}

}  // namespace
