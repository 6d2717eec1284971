// The decision window: the layout of its three grids, typing into them, the checks
// of a cell as the user leaves it, and Tab from grid to grid.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "decision/QVDecisionAnalysis.h"
#include "decision/frmDecisionProblem.h"
#include "platform/ui/Keys.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmModuleSelection.h"
#include "tests/decision/decision_test_support.h"

namespace {

pf::ScriptedHost& h() { return pf::scriptedHost(); }

const std::string kPayoffMessage =
    "MSGBOX \"Data Input Error\" critical OK \"NOTE:  THE PAYOFF MUST BE A NUMERICAL VALUE.\" -> OK";
const std::string kProbabilityMessage =
    "MSGBOX \"Data Input Error\" critical OK \"NOTE:  THE PROBABILITY MUST BE BETWEEN 0 AND 1.\" -> OK";

class DecisionWindowTest : public ::testing::Test {
protected:
    void SetUp() override { qvtest::openDecisionHomeScreen(); }
    void TearDown() override {
        EXPECT_TRUE(h().allAnswersUsed());
        pf::unloadAll();
    }
    // m alternatives, n states, K outcomes laid out as a new problem leaves them.
    void layOut(int m, int n, bool probs, bool strategy, int K = 2, bool newProblem = true) {
        qvtest::decisionLaidOut(m, n, probs, strategy, K, newProblem);
        h().transcript.clear();
    }
    pf::Grid& grid(int i) { return *frmDecisionProblem().Grid[static_cast<std::size_t>(i)]; }
};

TEST_F(DecisionWindowTest, NewProblemLaysOutTheGridsTheFlagsAsk) {
    layOut(3, 2, true, true, 4);
    pf::Grid& g0 = grid(0);
    EXPECT_EQ(g0.Rows(), 4);
    EXPECT_EQ(g0.Cols(), 3);
    EXPECT_EQ(g0.FixedRows(), 1);
    EXPECT_EQ(g0.FixedCols(), 1);
    EXPECT_EQ(g0.TextMatrix(0, 0), "Decisions");
    EXPECT_EQ(g0.TextMatrix(3, 0), "3");
    EXPECT_EQ(g0.TextMatrix(0, 2), "2");
    EXPECT_EQ(g0.TextMatrix(1, 1), "");
    pf::Grid& g1 = grid(1);
    EXPECT_EQ(g1.Rows(), 1);
    EXPECT_EQ(g1.Cols(), 3);
    EXPECT_EQ(g1.FixedRows(), 0);
    EXPECT_EQ(g1.FixedCols(), 1);
    EXPECT_EQ(g1.TextMatrix(0, 0), "Probabilities");
    pf::Grid& g2 = grid(2);
    EXPECT_EQ(g2.Rows(), 3);
    EXPECT_EQ(g2.Cols(), 5);
    EXPECT_EQ(g2.TextMatrix(0, 0), "Given State");
    EXPECT_EQ(g2.TextMatrix(2, 0), "S2");
    EXPECT_EQ(g2.TextMatrix(0, 4), "I4");
    for (pf::Grid* g : {&g0, &g1, &g2}) {
        EXPECT_TRUE(g->Visible());
        EXPECT_EQ(g->ColWidth(0), 1700);
        for (int c = 1; c < g->Cols(); ++c) {
            EXPECT_EQ(g->ColWidth(c), 1180);
            EXPECT_EQ(g->ColAlignment(c), 2);
        }
    }
    auto& f = frmDecisionProblem();
    EXPECT_EQ(f.lblgridcaption.Width(), 2 * 1220);
    for (pf::Label* l : {&f.lblgridcaption, &f.lblopttype, &f.lblProb, &f.Label1, &f.lblInfo})
        EXPECT_TRUE(l->Visible()) << l->Name();
    EXPECT_EQ(qv::S().strProblemEntered, "YES");
    EXPECT_EQ(pf::focusedControl(), &g0);
    EXPECT_EQ(g0.Row(), 1);
    EXPECT_EQ(g0.Col(), 1);
    // The selection starts where the window's load put it.
    EXPECT_EQ(g0.SelStartRow(), 0);
    EXPECT_EQ(g0.SelStartCol(), 1);

    // Without probabilities only the payoff grid shows; ten states keep the caption's width.
    SetUp();
    const int designed = frmDecisionProblem().lblgridcaption.Width();
    layOut(2, 10, false, false);
    EXPECT_FALSE(grid(1).Visible());
    EXPECT_FALSE(grid(2).Visible());
    EXPECT_FALSE(frmDecisionProblem().lblProb.Visible());
    EXPECT_FALSE(frmDecisionProblem().lblInfo.Visible());
    EXPECT_EQ(frmDecisionProblem().lblgridcaption.Width(), designed);
}

TEST_F(DecisionWindowTest, AnOpenedProblemShowsItsStoredValuesWithTheKeyboardInItsFirstGrid) {
    QVDecisionAnalysis::ResetDecisionProblem();
    auto& d = qv::S().dec;
    d.dblPayoffTable(1, 1) = 2.5;
    d.dblPayoffTable(1, 2) = -1e20;  // never shown with an exponent
    d.dblPayoffTable(2, 1) = 0;
    d.dblStateProbabilities(1) = 0.25;
    d.dblIndicatorGivenStateTable(2, 2) = 0.1;
    layOut(2, 2, true, true, 2, false);
    EXPECT_EQ(grid(0).TextMatrix(1, 1), "2.5");
    EXPECT_EQ(grid(0).TextMatrix(1, 2), "-100000000000000000000");
    EXPECT_EQ(grid(0).TextMatrix(2, 1), "0");
    EXPECT_EQ(grid(0).TextMatrix(2, 2), "");  // never set
    EXPECT_EQ(grid(1).TextMatrix(0, 1), "0.25");
    EXPECT_EQ(grid(1).TextMatrix(0, 2), "");
    EXPECT_EQ(grid(2).TextMatrix(2, 2), "0.1");
    // The main window has the focus; the keyboard goes to the payoff grid.
    EXPECT_EQ(pf::focusedControl(), &grid(0));
}

struct KeyCase {
    const char* name;
    int grid;
    bool probs, strategy;  // 3 alternatives, 2 states, 2 outcomes
    int row, col;          // current cell at the start
    const char* before;    // its text
    const char* keys;
    int endGrid, endRow, endCol;  // the grid with the focus and its current cell afterwards
    const char* after;            // text of the starting cell afterwards
    std::vector<std::string> heard;
};

const std::vector<KeyCase> kKeyCases = {
    // Payoffs.
    {"typing shows in the cell", 0, true, true, 1, 1, "", "-12.5", 0, 1, 1, "-12.5", {}},
    {"first character replaces", 0, true, true, 1, 1, "7", "3", 0, 1, 1, "3", {}},
    {"letters, blank and comma beep", 0, true, true, 1, 1, "", "a1 ,b", 0, 1, 1, "1", {"BEEP", "BEEP", "BEEP", "BEEP"}},
    {"backspace shortens", 0, true, true, 1, 1, "", "2.55{BKSP}", 0, 1, 1, "2.5", {}},
    {"backspace on an empty cell beeps", 0, true, true, 1, 1, "", "{BKSP}", 0, 1, 1, "", {"BEEP"}},
    {"delete before typing empties", 0, true, true, 2, 2, "8", "{DEL}", 0, 2, 2, "", {}},
    {"left in column 1 beeps", 0, true, true, 2, 1, "", "{LEFT}", 0, 2, 1, "", {"BEEP"}},
    {"right in the last column beeps", 0, true, true, 2, 2, "", "{RIGHT}", 0, 2, 2, "", {"BEEP"}},
    {"right moves", 0, true, true, 2, 1, "", "4{RIGHT}", 0, 2, 2, "4", {}},
    {"up in row 1 beeps", 0, true, true, 1, 2, "", "{UP}", 0, 1, 2, "", {"BEEP"}},
    {"down in the last row beeps", 0, true, true, 3, 2, "", "{DOWN}", 0, 3, 2, "", {"BEEP"}},
    {"enter checks and moves down", 0, true, true, 1, 2, "", "6{ENTER}", 0, 2, 2, "6", {}},
    {"enter accepts an empty cell", 0, true, true, 1, 2, "", "{ENTER}", 0, 2, 2, "", {}},
    {"enter in the last row beeps", 0, true, true, 3, 1, "", "5{ENTER}", 0, 3, 1, "5", {"BEEP"}},
    {"refused payoff is emptied and stays", 0, true, true, 1, 1, "", "1-2{TAB}", 0, 1, 1, "", {kPayoffMessage}},
    {"refused before the edge beep", 0, true, true, 3, 2, "", "..{DOWN}", 0, 3, 2, "", {kPayoffMessage}},
    {"tab moves right", 0, true, true, 1, 1, "", "1{TAB}", 0, 1, 2, "1", {}},
    {"tab wraps to column 1 of the next row", 0, true, true, 1, 2, "", "2{TAB}", 0, 2, 1, "2", {}},
    {"tab on the last payoff goes to the probabilities", 0, true, false, 3, 2, "", "9{TAB}", 1, 0, 1, "9", {}},
    {"tab on the last payoff without probabilities wraps", 0, false, false, 3, 2, "", "9{TAB}", 0, 1, 1, "9", {}},
    // State probabilities: row 0 is the only row.
    {"a probability is typed in row 0", 1, true, true, 0, 1, "", ".5", 1, 0, 1, ".5", {}},
    {"up in the only row beeps", 1, true, true, 0, 1, "", "{UP}", 1, 0, 1, "", {"BEEP"}},
    {"down in the only row beeps", 1, true, true, 0, 1, "", "{DOWN}", 1, 0, 1, "", {"BEEP"}},
    {"enter in the only row beeps", 1, true, true, 0, 2, "", "{ENTER}", 1, 0, 2, "", {"BEEP"}},
    {"refused probability", 1, true, true, 0, 1, "", "1.5{RIGHT}", 1, 0, 1, "", {kProbabilityMessage}},
    {"tab on the last probability goes to the outcomes", 1, true, true, 0, 2, "", ".3{TAB}", 2, 1, 1, ".3", {}},
    {"tab on the last probability without a strategy", 1, true, false, 0, 2, "", ".3{TAB}", 0, 1, 1, ".3", {}},
    // Outcome probabilities.
    {"up in row 1 of the outcomes beeps", 2, true, true, 1, 1, "", "{UP}", 2, 1, 1, "", {"BEEP"}},
    {"tab wraps in the outcomes", 2, true, true, 1, 2, "", ".6{TAB}", 2, 2, 1, ".6", {}},
    {"refused outcome probability", 2, true, true, 2, 1, "", "..5{ENTER}", 2, 2, 1, "", {kProbabilityMessage}},
    {"tab on the last outcome goes back to the payoffs", 2, true, true, 2, 2, "", "1{TAB}", 0, 1, 1, "1", {}},
};

TEST_F(DecisionWindowTest, KeySequencesInEachGrid) {
    for (const KeyCase& c : kKeyCases) {
        SCOPED_TRACE(c.name);
        SetUp();
        layOut(3, 2, c.probs, c.strategy);
        pf::Grid& g = grid(c.grid);
        g.SetFocus();
        g.TextMatrix(c.row, c.col, c.before);
        g.Row(c.row);
        g.Col(c.col);
        for (const auto& line : c.heard)
            if (line.rfind("MSGBOX", 0) == 0) h().expectMessage(pf::vbOK);
        pf::SendKeys(c.keys, true);
        EXPECT_EQ(g.TextMatrix(c.row, c.col), c.after);
        pf::Grid& end = grid(c.endGrid);
        EXPECT_EQ(pf::focusedControl(), &end);
        EXPECT_EQ(end.Row(), c.endRow);
        EXPECT_EQ(end.Col(), c.endCol);
        EXPECT_EQ(h().transcript, c.heard);
        TearDown();
    }
}

// A wrapping Tab and Enter move the payoff grid's selection with the current cell.
TEST_F(DecisionWindowTest, EnterAndAWrappingTabMoveTheSelectionStart) {
    layOut(3, 2, false, false);
    pf::SendKeys("1{ENTER}", true);
    EXPECT_EQ(grid(0).SelStartRow(), 2);
    pf::SendKeys("{RIGHT}2{TAB}", true);
    EXPECT_EQ(grid(0).SelStartRow(), 3);
    EXPECT_EQ(grid(0).SelStartCol(), 1);
    EXPECT_EQ(qv::S().dec.dblPayoffTable(2, 2).num(), 2);
}

TEST_F(DecisionWindowTest, EachCellRuleStoresWhatItAccepts) {
    enum Where { Payoff, StateProb, OutcomeProb };
    struct Case {
        Where where;
        const char* text;
        bool refused;
        double stored;  // NaN: nothing stored
        int places;     // decimal places afterwards (payoffs)
    } cases[] = {
        {Payoff, "2.5", false, 2.5, 1},
        {Payoff, "2.25", false, 2.25, 2},
        {Payoff, "2.004", false, 2.004, 0},
        {Payoff, "2.996", false, 2.996, 2},
        {Payoff, "-2.004", false, -2.004, 2},
        {Payoff, "-", false, 0, 0},
        {Payoff, "1-", true, NAN, 0},
        {Payoff, "", false, NAN, 0},  // an empty cell changes nothing
        {StateProb, "1.5", true, 1.5, 0},  // stays stored until corrected
        {StateProb, "..5", false, 0, 0},
        {StateProb, ".5", false, 0.5, 0},
        {StateProb, "-.1", true, -0.1, 0},
        {StateProb, "-", true, NAN, 0},
        {StateProb, "0.125", false, 0.125, 0},  // probabilities never raise the places
        {OutcomeProb, "1.5", true, NAN, 0},
        {OutcomeProb, "..5", true, NAN, 0},
        {OutcomeProb, ".5", false, 0.5, 0},
        {OutcomeProb, "1", false, 1, 0},
        {OutcomeProb, "-", false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        SetUp();
        layOut(2, 2, true, true);
        const int gi = c.where == Payoff ? 0 : c.where == StateProb ? 1 : 2;
        const int row = gi == 1 ? 0 : 2;
        pf::Grid& g = grid(gi);
        g.Row(row);
        g.Col(2);
        g.Text(c.text);
        if (c.refused) h().expectMessage(pf::vbOK);
        int result = -1;
        frmDecisionProblem().ValidateCell(gi, result);
        EXPECT_EQ(result, c.refused ? 999 : 0);
        if (c.refused) {
            EXPECT_EQ(h().transcript.back(), c.where == Payoff ? kPayoffMessage : kProbabilityMessage);
        }
        const auto& d = qv::S().dec;
        const pf::Value& v = gi == 0 ? d.dblPayoffTable(2, 2) : gi == 1 ? d.dblStateProbabilities(2)
                                                                      : d.dblIndicatorGivenStateTable(2, 2);
        if (std::isnan(c.stored)) {
            EXPECT_TRUE(v.IsEmpty());
        } else {
            EXPECT_FALSE(v.IsEmpty());
            EXPECT_EQ(v.num(), c.stored);
        }
        EXPECT_EQ(qv::S().intDecimalPlaces.num(), c.places);
        // The verdicts of the numeric-entry check are neutral again.
        EXPECT_NE(qv::S().strNumericOK, "NO");
        TearDown();
    }
}

TEST_F(DecisionWindowTest, DecimalPlacesOnlyGoUp) {
    layOut(2, 2, false, false);
    pf::SendKeys("2.25{TAB}3{TAB}", true);
    EXPECT_EQ(qv::S().intDecimalPlaces.num(), 2);
    EXPECT_EQ(qv::S().dec.dblPayoffTable(1, 2).num(), 3);
}

// Only a cell typed into in the clicked grid is checked again by a click.
TEST_F(DecisionWindowTest, AClickChecksTheCellTypedIntoInThatGridOnly) {
    layOut(3, 2, true, true);
    pf::SendKeys("4", true);
    grid(0).userClickCell(2, 2);
    EXPECT_EQ(qv::S().dec.dblPayoffTable(1, 1).num(), 4);
    EXPECT_EQ(grid(0).Row(), 2);
    EXPECT_EQ(grid(0).Col(), 2);

    // Refused: emptied, and the edited cell stays current.
    pf::SendKeys("1.2.3", true);
    h().expectMessage(pf::vbOK);
    grid(0).userClickCell(3, 1);
    EXPECT_EQ(h().transcript.back(), kPayoffMessage);
    EXPECT_EQ(grid(0).TextMatrix(2, 2), "");
    EXPECT_EQ(grid(0).Row(), 2);
    EXPECT_EQ(grid(0).Col(), 2);

    // A probability typed, then a click into the payoff grid: the focus loss of the
    // probability grid checks it; the payoff grid's click does not.
    grid(1).userClickCell(0, 1);
    pf::SendKeys("0.4", true);
    h().transcript.clear();
    grid(0).userClickCell(1, 2);
    EXPECT_EQ(qv::S().dec.dblStateProbabilities(1).num(), 0.4);
    EXPECT_EQ(grid(0).Row(), 1);
    EXPECT_EQ(grid(0).Col(), 2);
    EXPECT_TRUE(h().transcript.empty());
}

TEST_F(DecisionWindowTest, FocusLossChecksTheCellAndTakesTheFocusBackOnRefusal) {
    layOut(2, 2, true, true);
    grid(2).userClickCell(1, 2);
    pf::SendKeys("7", true);
    h().expectMessage(pf::vbOK);
    pf::setFocusTo(nullptr, &frmMenu());  // the focus leaves for the main window itself
    ASSERT_FALSE(h().transcript.empty());
    EXPECT_EQ(h().transcript.back(), kProbabilityMessage);
    EXPECT_EQ(grid(2).TextMatrix(1, 2), "");
    EXPECT_EQ(pf::focusedControl(), &grid(2));

    pf::SendKeys(".7", true);
    pf::setFocusTo(nullptr, &frmMenu());
    EXPECT_EQ(qv::S().dec.dblIndicatorGivenStateTable(1, 2).num(), 0.7);
    EXPECT_EQ(pf::focusedForm(), &frmMenu());
}

TEST_F(DecisionWindowTest, AltAloneLeavesTheKeyboardInTheGrid) {
    // The main window takes the focus for its menu bar; the keyboard stays where typing
    // goes, the typed cell unchecked.
    layOut(2, 2, false, false);
    pf::SendKeys("5{ALT}", true);
    EXPECT_EQ(pf::focusedControl(), &grid(0));
    EXPECT_EQ(grid(0).Text(), "5");
    EXPECT_TRUE(pf::scriptedHost().transcript.empty());
}

}  // namespace
