// The checks of single grid cells: result code, message, stored value and decimal places.
#include <gtest/gtest.h>

#include "tests/ui_test_support.h"

#include <string>
#include <vector>

#include "platform/ui/ScriptedHost.h"
#include "shell/CellChecks.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmProblem.h"

namespace {

using CellChecks::Pass;

constexpr double kUntouched = -7;  // what every store holds before the check
const std::string kLong(400, '9');  // more digits than a double holds

enum class Store { Arc, Series, Transition, Payoff, StateProb, Indicator };

struct CheckCase {
    const char* name;
    int module;     // 10: decision (gridIndex from store)
    Pass pass;
    int row, col;
    std::string text;
    bool zeroFill;  // blnZeroFillPending
    int result;
    const char* message;  // "" for none
    Store store;
    double stored;
    int decimals = 0;
};

const char* const kNode = "NOTE:  THE NODE NUMBER MUST BE BETWEEN 1 AND 20";
const char* const kDistNum = "NOTE:  DISTANCE MUST BE A NUMBER.";
const char* const kDistNeg = "NOTE:  DISTANCE CANNOT BE NEGATIVE.";
const char* const kSeries = "Values Must be Numeric.  PLEASE REENTER.";
const char* const kMarkov = "PROBABILITIES MUST BE BETWEEN 0 AND 1!  PLEASE REENTER.";
const char* const kPayoff = "NOTE:  THE PAYOFF MUST BE A NUMERICAL VALUE.";
const char* const kProb = "NOTE:  THE PROBABILITY MUST BE BETWEEN 0 AND 1.";

const Pass E = Pass::Editing;
const Pass C = Pass::CheckPass;

const std::vector<CheckCase> kCases = {
    // Networks: 20 nodes; row = arc.
    {"node 2.7 is node 2", 5, E, 1, 1, "2.7", false, 0, "", Store::Arc, 2},
    {"node 20 accepted", 6, C, 3, 2, "20", false, 0, "", Store::Arc, 20},
    {"node 0", 5, E, 1, 1, "0", false, 999, kNode, Store::Arc, kUntouched},
    {"node 21", 5, E, 1, 2, "21", false, 999, kNode, Store::Arc, kUntouched},
    {"node -1", 5, C, 1, 1, "-1", false, 999, kNode, Store::Arc, kUntouched},
    {"node letters", 5, E, 1, 1, "x", false, 999, kNode, Store::Arc, kUntouched},
    {"empty node passes while editing", 5, E, 1, 1, "", false, 0, "", Store::Arc, kUntouched},
    {"empty node refused at save", 5, C, 1, 1, "", true, 999, kNode, Store::Arc, kUntouched},
    {"node too long for a double", 5, E, 1, 1, kLong, false, 999, kNode, Store::Arc, kUntouched},
    {"empty distance while editing", 5, E, 2, 3, "", false, 0, "", Store::Arc, kUntouched},
    {"empty distance at save is 0, never 888", 5, C, 2, 3, "", true, 0, "", Store::Arc, 0},
    {"distance 2.5", 5, E, 2, 3, "2.5", false, 0, "", Store::Arc, 2500, 1},
    {"distance 2.25", 6, C, 2, 3, "2.25", false, 0, "", Store::Arc, 2250, 2},
    {"distance 7", 5, E, 2, 3, "7", false, 0, "", Store::Arc, 7000, 0},
    {"distance -3", 5, E, 2, 3, "-3", false, 999, kDistNeg, Store::Arc, kUntouched},
    {"distance 1-2", 5, E, 2, 3, "1-2", false, 999, kDistNum, Store::Arc, kUntouched},
    // The value is read from the checked text: commas out, blanks trimmed.
    {"distance 1,500 is fifteen hundred", 5, E, 2, 3, "1,500", false, 0, "", Store::Arc, 1500000, 0},
    {"distance with blanks around", 6, C, 2, 3, " 2.5 ", false, 0, "", Store::Arc, 2500, 1},
    {"distance beyond the thousandths' range", 5, E, 2, 3, "3000000", false, 999, kDistNum, Store::Arc,
     kUntouched},
    {"distance too long for a double", 5, C, 2, 3, kLong, false, 999, kDistNum, Store::Arc, kUntouched},
    // Forecasting: row = period.
    {"series 12.004 keeps the decimals", 11, E, 4, 1, "12.004", false, 0, "", Store::Series, 12.004, 0},
    {"series 12.1", 11, E, 4, 1, "12.1", false, 0, "", Store::Series, 12.1, 1},
    {"series 12.01", 11, C, 4, 1, "12.01", false, 0, "", Store::Series, 12.01, 2},
    {"series 12.25", 11, E, 4, 1, "12.25", false, 0, "", Store::Series, 12.25, 2},
    {"series empty while editing (Enter)", 11, E, 4, 1, "", false, 999, kSeries, Store::Series, kUntouched},
    {"series empty at save, zero-fill pending", 11, C, 4, 1, "", true, 888, "", Store::Series, 0},
    {"series empty at save, zero-fill agreed", 11, C, 4, 1, "", false, 0, "", Store::Series, 0},
    {"series not numeric", 11, C, 4, 1, "1a", false, 999, kSeries, Store::Series, kUntouched},
    {"series too long for a double", 11, E, 4, 1, kLong, false, 999, kSeries, Store::Series, kUntouched},
    // Markov processes: (from, to).
    {"transition 0.3", 12, E, 2, 3, "0.3", false, 0, "", Store::Transition, 0.3},
    {"transition 1 and 0 are bounds", 12, C, 2, 3, "1", false, 0, "", Store::Transition, 1},
    {"transition 1.2 while editing", 12, E, 2, 3, "1.2", false, 999, kMarkov, Store::Transition, kUntouched},
    {"transition 1.2 at save", 12, C, 2, 3, "1.2", false, 999, kMarkov, Store::Transition, kUntouched},
    {"transition -0.1", 12, C, 2, 3, "-0.1", false, 999, kMarkov, Store::Transition, kUntouched},
    {"transition letters", 12, E, 2, 3, "abc", false, 999, kMarkov, Store::Transition, kUntouched},
    {"transition empty while editing", 12, E, 2, 3, "", true, 0, "", Store::Transition, 0},
    {"transition empty at save, zero-fill pending", 12, C, 2, 3, "", true, 888, "", Store::Transition, 0},
    {"transition empty at save, agreed", 12, C, 2, 3, "", false, 0, "", Store::Transition, 0},
    // Decision analysis (check pass).
    {"payoff 2.5", 10, C, 2, 3, "2.5", false, 0, "", Store::Payoff, 2.5, 1},
    {"payoff 2.004", 10, C, 2, 3, "2.004", false, 0, "", Store::Payoff, 2.004, 0},
    {"payoff -2.004", 10, C, 2, 3, "-2.004", false, 0, "", Store::Payoff, -2.004, 2},
    {"payoff lone minus is 0", 10, C, 2, 3, "-", false, 0, "", Store::Payoff, 0},
    {"payoff letters", 10, C, 2, 3, "x1", false, 999, kPayoff, Store::Payoff, kUntouched},
    {"payoff 1,250 is twelve hundred and fifty", 10, C, 2, 3, "1,250", false, 0, "", Store::Payoff, 1250},
    {"payoff too long for a double", 10, C, 2, 3, kLong, false, 999, kPayoff, Store::Payoff, kUntouched},
    {"payoff empty, zero-fill pending", 10, C, 2, 3, "", true, 888, "", Store::Payoff, 0},
    {"state probability lone point", 10, C, 0, 3, ".", false, 0, "", Store::StateProb, 0},
    {"state probability ..5", 10, C, 0, 3, "..5", false, 0, "", Store::StateProb, 0},
    {"state probability lone minus", 10, C, 0, 3, "-", false, 999, kProb, Store::StateProb, kUntouched},
    {"state probability 1.5 stays stored", 10, C, 0, 3, "1.5", false, 999, kProb, Store::StateProb, 1.5},
    {"state probability 0.25", 10, C, 0, 3, "0.25", false, 0, "", Store::StateProb, 0.25},
    {"state probability empty, pending", 10, C, 0, 3, "", true, 888, "", Store::StateProb, 0},
    {"indicator ..5", 10, C, 2, 3, "..5", false, 999, kProb, Store::Indicator, kUntouched},
    {"indicator 0.4", 10, C, 2, 3, "0.4", false, 0, "", Store::Indicator, 0.4},
    {"indicator 1.01", 10, C, 2, 3, "1.01", false, 999, kProb, Store::Indicator, kUntouched},
    {"indicator empty, agreed", 10, C, 2, 3, "", false, 0, "", Store::Indicator, 0},
};

class CellChecksTest : public ::testing::Test {
protected:
    void SetUp() override {
        qvtest::resetProgram();
        auto& s = qv::S();
        s.intNodeCount = 20;
        s.intDecimalPlaces = 0;
        s.net.lngNetworkArcs.ReDim(40, 3);
        s.fc.dblTimeSeries.ReDim(112, 1);
        s.mk.dblTransitionMatrix.ReDim(10, 10);
        s.mk.strTransitionTexts.ReDim(10, 10);
        s.dec.dblPayoffTable.ReDim(10, 10);
        s.dec.dblStateProbabilities.ReDim(10);
        s.dec.dblIndicatorGivenStateTable.ReDim(10, 10);
        for (int i = 0; i <= 10; ++i) {
            s.dec.dblStateProbabilities(i) = kUntouched;
            for (int j = 0; j <= 10; ++j) {
                s.mk.dblTransitionMatrix(i, j) = kUntouched;
                s.dec.dblPayoffTable(i, j) = kUntouched;
                s.dec.dblIndicatorGivenStateTable(i, j) = kUntouched;
            }
        }
        for (int a = 0; a <= 40; ++a)
            for (int f = 0; f <= 3; ++f) s.net.lngNetworkArcs(a, f) = static_cast<int>(kUntouched);
        for (int t = 0; t <= 112; ++t) s.fc.dblTimeSeries(t, 1) = kUntouched;
    }
    void TearDown() override { pf::unloadAll(); }

    static double stored(Store st, int row, int col) {
        auto& s = qv::S();
        switch (st) {
            case Store::Arc: return s.net.lngNetworkArcs(row, col);
            case Store::Series: return s.fc.dblTimeSeries(row, 1);
            case Store::Transition: return s.mk.dblTransitionMatrix(row, col);
            case Store::Payoff: return s.dec.dblPayoffTable(row, col);
            case Store::StateProb: return s.dec.dblStateProbabilities(col);
            case Store::Indicator: return s.dec.dblIndicatorGivenStateTable(row, col);
        }
        return 0;
    }
};

TEST_F(CellChecksTest, TableOfCells) {
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        SetUp();
        auto& s = qv::S();
        s.intCurrentModule = c.module;
        s.blnZeroFillPending = c.zeroFill;
        const std::string message = c.message;
        if (!message.empty()) pf::scriptedHost().expectMessage(pf::vbOK);
        int result = -1;
        if (c.module == 10) {
            int grid = c.store == Store::Payoff ? 0 : c.store == Store::StateProb ? 1 : 2;
            CellChecks::ValidateDecisionCell(c.row, c.col, c.text, grid, result);
        } else {
            result = CellChecks::checkGridCell(c.pass, c.row, c.col, c.text);
        }
        EXPECT_EQ(result, c.result);
        std::vector<std::string> expected;
        if (!message.empty())
            expected.push_back("MSGBOX \"Data Input Error\" critical OK \"" + message + "\" -> OK");
        EXPECT_EQ(pf::scriptedHost().transcript, expected);
        EXPECT_DOUBLE_EQ(stored(c.store, c.row, c.col), c.stored);
        EXPECT_EQ(s.intDecimalPlaces.num(), c.decimals);
    }
}

TEST_F(CellChecksTest, RefusedNumericTextLeavesTheVerdictsNeutral) {
    qv::S().intCurrentModule = 11;
    pf::scriptedHost().expectMessage(pf::vbOK);
    EXPECT_EQ(CellChecks::checkGridCell(Pass::Editing, 1, 1, "1.2.3"), 999);
    EXPECT_EQ(qv::S().strNumericOK, "YES");
    EXPECT_EQ(qv::S().strDecimalPointSeen, "NO");
}

TEST_F(CellChecksTest, MarkovKeepsTheTextAsTypedEvenWhenOutOfRange) {
    qv::S().intCurrentModule = 12;
    pf::scriptedHost().expectMessage(pf::vbOK);
    EXPECT_EQ(CellChecks::checkGridCell(Pass::CheckPass, 1, 2, "1.2"), 999);
    EXPECT_EQ(qv::S().mk.strTransitionTexts(1, 2), "1.2");
}

TEST_F(CellChecksTest, ModulesWithoutGridCellsAcceptEverything) {
    for (int module : {1, 4, 7, 8, 9, 10}) {
        qv::S().intCurrentModule = module;
        EXPECT_EQ(CellChecks::checkGridCell(Pass::CheckPass, 1, 1, "x"), 0) << module;
    }
    EXPECT_TRUE(pf::scriptedHost().transcript.empty());
}

// At Save and Solve, networks judge what the grid's current cell shows, forecasting
// the text it is given.
TEST_F(CellChecksTest, CheckPassReadsNetworkCellsFromTheGrid) {
    frmMenu();
    qv::S().intCurrentModule = 5;
    pf::Grid& g = frmProblem().gridDisplayEdit;
    g.Rows(3);
    g.Cols(4);
    g.Row(2);
    g.Col(2);
    g.Text("3");
    int result = -1;
    CellChecks::ValidateProblemCell(2, 2, "junk", result);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(qv::S().net.lngNetworkArcs(2, 2), 3);

    qv::S().intCurrentModule = 11;
    CellChecks::ValidateProblemCell(2, 1, "4.5", result);
    EXPECT_EQ(result, 0);
    EXPECT_DOUBLE_EQ(qv::S().fc.dblTimeSeries(2, 1).num(), 4.5);
}

}  // namespace
