// Tab and Shift+Tab in the input grids of the LP, decision, transportation and Markov
// windows, sent as the keyboard sends them: where each moves the current cell, the
// check of the cell it leaves, and the first key after a move or a click that leaves
// a cell current replacing the cell's text.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "decision/QVDecisionAnalysis.h"
#include "decision/frmDecisionProblem.h"
#include "lp/QVLP.h"
#include "lp/core/TextModel.h"
#include "lp/frmLPproblem.h"
#include "markov/Markov.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmModuleSelection.h"
#include "shell/frmProblem.h"
#include "tests/transport/transport_ui_support.h"
#include "tests/ui_keys.h"
#include "tests/lp/lp_test_support.h"
#include "tests/ui_test_support.h"

namespace {

pf::ScriptedHost& h() { return pf::scriptedHost(); }

std::string inputError(const std::string& text) {
    return "MSGBOX \"Data Input Error\" critical OK \"" + text + "\" -> OK";
}

// Keys as the keyboard sends them to the focused control: characters, "{TAB}" and
// "{S-TAB}" (Shift+Tab arrives from Qt as Backtab with the Shift modifier).
void keys(const std::string& text) {
    const std::string tab = "{TAB}", backTab = "{S-TAB}";
    for (std::size_t i = 0; i < text.size();) {
        if (text.compare(i, tab.size(), tab) == 0) {
            qvtest::pressOnFocused(Qt::Key_Tab, Qt::NoModifier, "\t");
            i += tab.size();
        } else if (text.compare(i, backTab.size(), backTab) == 0) {
            qvtest::pressOnFocused(Qt::Key_Backtab, Qt::ShiftModifier, "\t");
            i += backTab.size();
        } else {
            qvtest::typeOnFocused(text.substr(i, 1));
            ++i;
        }
    }
}

enum class Win { LP, Decision, Transport, Markov };

// A window with a new problem laid out, as File New leaves it: the focus in its first
// grid at cell (1, 1).
void layOut(Win win, int m, int n, bool probs = false, bool strategy = false) {
    auto& s = qv::S();
    switch (win) {
        case Win::LP:
            qvtest::newLPLaidOut(1, m, n);
            break;
        case Win::Decision:
            qvtest::mainWindowAlone(10);
            frmDecisionProblem().Show();
            QVDecisionAnalysis::ResetDecisionProblem();
            s.dec.intAlternativeCount = m;
            s.dec.intNatureStateCount = n;
            s.dec.intIndicatorCount = 2;
            s.dec.strStateProbsGiven = probs ? "YES" : "NO";
            s.dec.intStateProbsFlag = probs ? 1 : 0;
            s.dec.strStrategyRequested = strategy ? "YES" : "NO";
            s.dec.intStrategyFlag = strategy ? 1 : 0;
            s.blnNewProblem = true;
            QVDecisionAnalysis::BuildDecisionInputScreen();
            break;
        case Win::Transport:
            trui::newProblem(2, m, n);
            break;
        case Win::Markov:
            qvtest::mainWindowAlone(12);
            frmProblem().Show();
            s.mk.intStateCount = m;
            Markov::InitMarkovArrays();
            s.blnNewProblem = true;
            Markov::BuildMarkovInputGrid();
            break;
    }
    s.blnNewProblem = false;
    h().transcript.clear();
}

// Grid i of the window: the LP and decision grid arrays; the grid window has one.
pf::Grid& grid(Win win, int i = 0) {
    switch (win) {
        case Win::LP: return *frmLPproblem().Grid[static_cast<std::size_t>(i)];
        case Win::Decision: return *frmDecisionProblem().Grid[static_cast<std::size_t>(i)];
        default: return frmProblem().gridDisplayEdit;
    }
}

struct Cell {
    int grid, row, col;
};

class GridTabKeysTest : public ::testing::Test {
protected:
    void SetUp() override { qvtest::resetProgram(); }
    void TearDown() override {
        EXPECT_TRUE(h().allAnswersUsed());
        pf::unloadAll();
    }
    // The focus on a grid and its current cell, as a click there leaves them.
    static void clickTo(Win win, Cell c) { grid(win, c.grid).userClickCell(c.row, c.col); }
    static void expectAt(Win win, Cell c) {
        EXPECT_EQ(pf::focusedControl(), &grid(win, c.grid)) << "grid " << c.grid;
        EXPECT_EQ(grid(win, c.grid).Row(), c.row);
        EXPECT_EQ(grid(win, c.grid).Col(), c.col);
    }
};

// A Tab that lands on a cell already current (the wrap from the last cell, the move
// into another grid) raises no cell change, yet the next key starts a new entry.
TEST_F(GridTabKeysTest, TheFirstKeyAfterATabReplacesTheCellItLandsOn) {
    struct Case {
        const char* name;
        std::function<void()> setUp;
        const char* keys;
        std::function<void()> check;
    } cases[] = {
        {"LP: the wrap from the last right-hand side to the objective already current",
         [] { layOut(Win::LP, 1, 1); }, "3{TAB}1{TAB}<{TAB}4{TAB}5",
         [] {
             EXPECT_EQ(grid(Win::LP, 0).TextMatrix(1, 1), "5");
             EXPECT_EQ(grid(Win::LP, 1).TextMatrix(1, 1), "1");
             EXPECT_EQ(grid(Win::LP, 1).TextMatrix(1, 2), "<");
             EXPECT_EQ(grid(Win::LP, 1).TextMatrix(1, 3), "4");
         }},
        {"LP: into the constraint grid at its current cell",
         [] {
             layOut(Win::LP, 1, 2);
             grid(Win::LP, 1).TextMatrix(1, 1, "9");
             grid(Win::LP, 1).Row(1);
             grid(Win::LP, 1).Col(1);
         },
         "3{TAB}4{TAB}2",
         [] {
             EXPECT_EQ(grid(Win::LP, 1).TextMatrix(1, 1), "2");
             EXPECT_EQ(grid(Win::LP, 0).TextMatrix(1, 2), "4");
         }},
        {"LP: Shift+Tab back into the objective grid at its current cell",
         [] {
             layOut(Win::LP, 1, 1);
             grid(Win::LP, 0).TextMatrix(1, 1, "7");
             clickTo(Win::LP, {1, 1, 1});
         },
         "2{S-TAB}8", [] { EXPECT_EQ(grid(Win::LP, 0).TextMatrix(1, 1), "8"); }},
        {"decision: Tab into the probability row and back to the payoff",
         [] { layOut(Win::Decision, 1, 1, true); }, "10{TAB}1{TAB}20{TAB}",
         [] {
             EXPECT_EQ(grid(Win::Decision, 0).TextMatrix(1, 1), "20");
             EXPECT_EQ(qv::S().dec.dblPayoffTable(1, 1).num(), 20);
             EXPECT_EQ(grid(Win::Decision, 1).TextMatrix(0, 1), "1");
             EXPECT_EQ(qv::S().dec.dblStateProbabilities(1).num(), 1);
         }},
        {"decision: a one-cell payoff table wraps onto itself", [] { layOut(Win::Decision, 1, 1); },
         "10{TAB}20{TAB}", [] { EXPECT_EQ(qv::S().dec.dblPayoffTable(1, 1).num(), 20); }},
        {"decision: Shift+Tab on a one-cell payoff table", [] { layOut(Win::Decision, 1, 1); },
         "10{S-TAB}20{S-TAB}", [] { EXPECT_EQ(qv::S().dec.dblPayoffTable(1, 1).num(), 20); }},
        {"Markov: a one-state grid", [] { layOut(Win::Markov, 1, 1); }, "0.5{TAB}1{TAB}",
         [] {
             EXPECT_EQ(grid(Win::Markov).TextMatrix(1, 1), "1");
             EXPECT_EQ(qv::S().mk.dblTransitionMatrix(1, 1).num(), 1);
         }},
        {"Markov: Shift+Tab in a one-state grid", [] { layOut(Win::Markov, 1, 1); }, "0.5{S-TAB}1{S-TAB}",
         [] { EXPECT_EQ(qv::S().mk.dblTransitionMatrix(1, 1).num(), 1); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        c.setUp();
        keys(c.keys);
        c.check();
        EXPECT_TRUE(h().transcript.empty());
        TearDown();
    }
}

// A click that brings the focus into a grid from elsewhere starts a new entry in the
// cell already current; a click into the cell being typed in lets the typing go on.
TEST_F(GridTabKeysTest, AClickFromElsewhereStartsANewEntryAClickInTheSameCellDoesNot) {
    struct Case {
        const char* name;
        Win win;
        Cell typedIn;                   // the cell typed into first
        const char* typed;              // a value its check accepts
        std::function<void()> between;  // what the user does before the click
        Cell clicked;                   // current already, holding "7"
        const char* typedAfter;
        const char* expected;           // the clicked cell's text afterwards
    } cases[] = {
        {"LP: from the constraint grid", Win::LP, {1, 1, 1}, "12", nullptr, {0, 1, 1}, "3", "3"},
        // A label click gives the main window the focus, which hands the keyboard back
        // to the grid: the entry there is over.
        {"LP: back from a label click", Win::LP, {0, 1, 1}, "12",
         [] { frmLPproblem().lblInfo.userClick(); }, {0, 1, 1}, "3", "3"},
        {"LP: the cell being typed in", Win::LP, {0, 1, 1}, "12", nullptr, {0, 1, 1}, "3", "123"},
        {"decision: from the probability row", Win::Decision, {1, 0, 1}, ".5", nullptr, {0, 1, 1}, "3", "3"},
        {"decision: from the payoffs to the probability row", Win::Decision, {0, 2, 2}, "12", nullptr, {1, 0, 1},
         ".3", ".3"},
        {"decision: the cell being typed in", Win::Decision, {0, 1, 1}, "12", nullptr, {0, 1, 1}, "3", "123"},
        {"Markov: back from a label click", Win::Markov, {0, 1, 1}, ".12",
         [] { frmProblem().lblInfo.userClick(); }, {0, 1, 1}, "3", "3"},
        {"Markov: the cell being typed in", Win::Markov, {0, 1, 1}, ".12", nullptr, {0, 1, 1}, "3", ".123"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        layOut(c.win, 2, 2, true);
        pf::Grid& clicked = grid(c.win, c.clicked.grid);
        clicked.TextMatrix(c.clicked.row, c.clicked.col, "7");
        clicked.Row(c.clicked.row);
        clicked.Col(c.clicked.col);
        clickTo(c.win, c.typedIn);
        keys(c.typed);
        if (c.between) c.between();
        clickTo(c.win, c.clicked);
        keys(c.typedAfter);
        EXPECT_EQ(clicked.TextMatrix(c.clicked.row, c.clicked.col), c.expected);
        if (c.typedIn.grid != c.clicked.grid) {
            EXPECT_EQ(grid(c.win, c.typedIn.grid).TextMatrix(c.typedIn.row, c.typedIn.col), c.typed);
        }
        EXPECT_TRUE(h().transcript.empty());
        TearDown();
    }
}

// Shift+Tab is the mirror of Tab: one cell back, to the previous row's last cell from
// a row's first, and from a grid's first cell to the last (in the LP and decision
// windows to the last cell of the grid before).
TEST_F(GridTabKeysTest, ShiftTabMovesOneCellBack) {
    struct Case {
        const char* name;
        Win win;
        bool probs;
        Cell from, to;
        const char* typed = "5";  // replaces the cell reached; nullptr: a cell that takes nothing
    } cases[] = {
        // 2 constraints, 2 variables: Grid(0) rows 0 (names) and 1, Grid(1) columns 3
        // (relation) and 4 (right-hand side).
        {"LP: within a constraint row", Win::LP, false, {1, 2, 3}, {1, 2, 2}},
        {"LP: to the previous constraint's right-hand side", Win::LP, false, {1, 2, 1}, {1, 1, 4}},
        {"LP: from the first coefficient to the last objective coefficient", Win::LP, false, {1, 1, 1}, {0, 1, 2}},
        {"LP: within the objective", Win::LP, false, {0, 1, 2}, {0, 1, 1}},
        {"LP: from the objective to the last name", Win::LP, false, {0, 1, 1}, {0, 0, 2}, "X"},
        {"LP: from the first name to the last right-hand side", Win::LP, false, {0, 0, 1}, {1, 2, 4}},
        // 2 alternatives, 2 states, 2 outcomes.
        {"decision: within a payoff row", Win::Decision, true, {0, 2, 2}, {0, 2, 1}},
        {"decision: to the previous payoff row", Win::Decision, true, {0, 2, 1}, {0, 1, 2}},
        {"decision: from the first payoff to the last outcome probability", Win::Decision, true, {0, 1, 1}, {2, 2, 2}},
        {"decision: from the first outcome probability to the last state probability", Win::Decision, true,
         {2, 1, 1}, {1, 0, 2}},
        {"decision: from the first state probability to the last payoff", Win::Decision, true, {1, 0, 1}, {0, 2, 2}},
        {"decision: payoffs alone wrap", Win::Decision, false, {0, 1, 1}, {0, 2, 2}},
        // 2 origins, 2 destinations: supply column 3, demand row 3.
        {"transportation: within a row", Win::Transport, false, {0, 1, 2}, {0, 1, 1}},
        {"transportation: to the previous row's supply", Win::Transport, false, {0, 2, 1}, {0, 1, 3}},
        {"transportation: from the first cost to the corner", Win::Transport, false, {0, 1, 1}, {0, 3, 3}, nullptr},
        {"transportation: from the demand row to the last supply", Win::Transport, false, {0, 3, 1}, {0, 2, 3}},
        {"Markov: from the first cell to the last", Win::Markov, false, {0, 1, 1}, {0, 2, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        layOut(c.win, 2, 2, c.probs, c.probs);
        clickTo(c.win, c.from);
        keys("{S-TAB}");
        expectAt(c.win, c.to);
        EXPECT_EQ(h().transcript, std::vector<std::string>{}) << c.name;
        if (c.typed) {
            // Typing goes into the cell reached, replacing it.
            grid(c.win, c.to.grid).Text("9");
            keys(c.typed);
            EXPECT_EQ(grid(c.win, c.to.grid).Text(), c.typed);
        }
        TearDown();
    }
}

// Shift+Tab commits and checks the cell it leaves exactly as Tab does: a refused value
// is erased and stays current with the focus, an accepted one is stored.
TEST_F(GridTabKeysTest, ShiftTabChecksTheCellItLeavesAsTabDoes) {
    struct Case {
        const char* name;
        Win win;
        Cell cell;
        const char* typed;
        const char* message;             // nullptr: accepted
        std::function<double()> stored;  // the value stored when accepted
        double value = 0;
    } cases[] = {
        {"LP: a negative right-hand side", Win::LP, {1, 1, 4}, "-5", "Right Hand Sides Must be Positive", nullptr},
        {"LP: a constraint coefficient, leaving the grid", Win::LP, {1, 1, 1}, "1.2.3",
         "Constraint Values Must Be Numeric.", nullptr},
        {"LP: a relation", Win::LP, {1, 2, 3}, "<=", "Relation is Invalid.  Please enter <, >, or =.", nullptr},
        {"decision: a payoff, leaving the grid", Win::Decision, {0, 1, 1}, "1-2",
         "NOTE:  THE PAYOFF MUST BE A NUMERICAL VALUE.", nullptr},
        {"decision: a state probability", Win::Decision, {1, 0, 2}, "1.5",
         "NOTE:  THE PROBABILITY MUST BE BETWEEN 0 AND 1.", nullptr},
        {"decision: a payoff stored", Win::Decision, {0, 2, 1}, "2.5", nullptr,
         [] { return qv::S().dec.dblPayoffTable(2, 1).num(); }, 2.5},
        {"transportation: a supply", Win::Transport, {0, 1, 3}, "2.5", "Supply Must Have A Numeric Value.", nullptr},
        {"transportation: a cost stored", Win::Transport, {0, 2, 1}, "2.5", nullptr,
         [] { return qv::S().tr.dblArcCosts(qv::arcIndex(2, 1, 2)).num(); }, 2.5},
        {"Markov: a probability", Win::Markov, {0, 1, 1}, "1.5",
         "PROBABILITIES MUST BE BETWEEN 0 AND 1!  PLEASE REENTER.", nullptr},
        {"Markov: a probability stored", Win::Markov, {0, 2, 1}, ".25", nullptr,
         [] { return qv::S().mk.dblTransitionMatrix(2, 1).num(); }, 0.25},
    };
    for (const char* key : {"{TAB}", "{S-TAB}"}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + " on " + key);
            SetUp();
            layOut(c.win, 2, 2, true, true);
            clickTo(c.win, c.cell);
            keys(c.typed);
            if (c.message) h().expectMessage(pf::vbOK);
            keys(key);
            pf::Grid& g = grid(c.win, c.cell.grid);
            if (c.message) {
                EXPECT_EQ(h().transcript, std::vector<std::string>{inputError(c.message)});
                EXPECT_EQ(g.TextMatrix(c.cell.row, c.cell.col), "");
                expectAt(c.win, c.cell);
            } else {
                EXPECT_TRUE(h().transcript.empty());
                EXPECT_EQ(c.stored(), c.value);
                EXPECT_EQ(g.TextMatrix(c.cell.row, c.cell.col), c.typed);
                const bool left = pf::focusedControl() != &g || g.Row() != c.cell.row || g.Col() != c.cell.col;
                EXPECT_TRUE(left);
            }
            TearDown();
        }
    }
}

}  // namespace
