// Typing into the grid window's grid: what each key sequence leaves in the cells, which
// cell is current, and what the user heard and saw.
#include <gtest/gtest.h>

#include "tests/ui_test_support.h"

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/Keys.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/GridEditor.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmProblem.h"

namespace {

const std::string kMarkovMessage =
    "MSGBOX \"Data Input Error\" critical OK \"PROBABILITIES MUST BE BETWEEN 0 AND 1!  PLEASE REENTER.\" -> OK";
const std::string kSeriesMessage =
    "MSGBOX \"Data Input Error\" critical OK \"Values Must be Numeric.  PLEASE REENTER.\" -> OK";

class GridEditingTest : public ::testing::Test {
protected:
    void SetUp() override {
        qvtest::resetProgram();
    }
    void TearDown() override { pf::unloadAll(); }

    // The grid as a module's set-up leaves it: rows x cols with one fixed row and column.
    pf::Grid& layOut(int module, int rows, int cols) {
        frmMenu();  // its chooser starts with no module
        auto& s = qv::S();
        s.intCurrentModule = module;
        s.mk.dblTransitionMatrix.ReDim(10, 10);
        s.mk.strTransitionTexts.ReDim(10, 10);
        s.fc.dblTimeSeries.ReDim(112, 1);
        s.tr.intOriginCount = rows - 2;
        s.tr.intDestinationCount = cols - 2;
        pf::Grid& g = frmProblem().gridDisplayEdit;
        g.Rows(rows);
        g.Cols(cols);
        g.FixedRows(1);
        g.FixedCols(1);
        g.Visible(true);
        g.Row(1);
        g.Col(1);
        g.SetFocus();
        pf::scriptedHost().transcript.clear();
        return g;
    }
};

struct KeyCase {
    const char* name;
    int module;  // 12: Markov, 3 states (4 x 4); 11: forecasting, 3 periods (4 x 2); 2: transportation 2 x 2
    int row, col;        // current cell at the start
    const char* before;  // its text
    const char* keys;
    int endRow, endCol;  // current cell afterwards
    const char* after;   // text of the starting cell afterwards
    std::vector<std::string> heard;
    bool suppressLastRowBeep = false;
};

const std::vector<KeyCase> kKeyCases = {
    {"first character replaces", 12, 1, 1, "0.7", "0.5", 1, 1, "0.5", {}},
    {"backspace before typing shortens", 12, 1, 1, "0.123", "{BKSP}", 1, 1, "0.12", {}},
    {"typing after backspace replaces", 12, 1, 1, "0.123", "{BKSP}4", 1, 1, "4", {}},
    {"backspace after typing shortens", 12, 1, 1, "", "0.55{BKSP}", 1, 1, "0.5", {}},
    {"backspace on empty beeps", 12, 1, 1, "", "{BKSP}", 1, 1, "", {"BEEP"}},
    {"delete before typing clears", 12, 1, 1, "0.5", "{DEL}", 1, 1, "", {}},
    {"delete after typing does nothing", 12, 1, 1, "0.5", "0.3{DEL}", 1, 1, "0.3", {}},
    {"letters comma blank beep", 12, 1, 1, "0.7", "a, 1", 1, 1, "1", {"BEEP", "BEEP", "BEEP"}},
    {"signs and points in any order", 12, 1, 1, "", "-.-1.", 1, 1, "-.-1.", {}},
    {"enter checks and moves down", 12, 1, 1, "", "0.5{ENTER}", 2, 1, "0.5", {}},
    {"enter checks an empty cell", 11, 1, 1, "", "{ENTER}", 1, 1, "", {kSeriesMessage}},
    {"arrow leaves an empty cell unchecked", 11, 1, 1, "", "{DOWN}", 2, 1, "", {}},
    {"refused value erased and current", 12, 1, 1, "", "1.2{RIGHT}", 1, 1, "", {kMarkovMessage}},
    {"refused on enter", 12, 2, 2, "", "1-2{ENTER}", 2, 2, "", {kMarkovMessage}},
    {"left in column 1 beeps", 12, 1, 1, "0.2", "{LEFT}", 1, 1, "0.2", {"BEEP"}},
    {"right in the last column beeps", 12, 1, 3, "0.2", "{RIGHT}", 1, 3, "0.2", {"BEEP"}},
    {"right moves", 12, 1, 1, "0.2", "{RIGHT}", 1, 2, "0.2", {}},
    {"up in row 1 beeps", 12, 1, 2, "", "{UP}", 1, 2, "", {"BEEP"}},
    {"down in the last row beeps", 12, 3, 1, "", "{DOWN}", 3, 1, "", {"BEEP"}},
    {"enter in the last row beeps", 12, 3, 1, "0.1", "{ENTER}", 3, 1, "0.1", {"BEEP"}},
    {"forecasting's own down is silent", 11, 3, 1, "", "{DOWN}", 3, 1, "", {}, true},
    {"check comes before the edge beep", 12, 3, 3, "", "7{DOWN}", 3, 3, "", {kMarkovMessage}},
    {"page down checks and moves to the last row", 12, 1, 2, "", "0.5{PGDN}", 3, 2, "0.5", {}},
    {"page up checks and moves to row 1", 12, 3, 2, "", "0.5{PGUP}", 1, 2, "0.5", {}},
    {"home checks and moves to column 1", 12, 2, 3, "", "0.5{HOME}", 2, 1, "0.5", {}},
    {"ctrl+end moves as end", 12, 2, 1, "", "0.5{C-END}", 2, 3, "0.5", {}},
    {"refused on end", 12, 2, 1, "", "1.2{END}", 2, 1, "", {kMarkovMessage}},
    {"refused on ctrl+home", 12, 2, 3, "", "1.2{C-HOME}", 2, 3, "", {kMarkovMessage}},
    {"refused on shift+page down", 12, 1, 1, "", "7{S-PGDN}", 1, 1, "", {kMarkovMessage}},
    {"page up in row 1 checks without a beep", 12, 1, 2, "", "0.5{PGUP}", 1, 2, "0.5", {}},
    {"refused on home in forecasting's one column", 11, 2, 1, "", "1-5{HOME}", 2, 1, "", {kSeriesMessage}},
    {"end in forecasting's one column checks without a beep", 11, 2, 1, "", "5{END}", 2, 1, "5", {}},
    {"page down leaves an empty cell unchecked", 11, 1, 1, "", "{PGDN}", 3, 1, "", {}},
    {"tab moves right", 12, 1, 1, "", "{TAB}", 1, 2, "", {}},
    {"tab in the last column goes to the next row", 12, 1, 3, "0.4", "{TAB}", 2, 1, "0.4", {}},
    {"tab in the last cell wraps to row 1 column 1", 12, 3, 3, "0.4", "{TAB}", 1, 1, "0.4", {}},
    {"transportation corner only beeps", 2, 3, 3, "***********", "5", 3, 3, "***********", {"BEEP"}},
    {"transportation demand cell takes digits", 2, 3, 2, "", "25", 3, 2, "25", {}},
    {"transportation corner keeps its text on backspace", 2, 3, 3, "***********", "{BKSP}", 3, 3, "***********",
     {"BEEP"}},
    {"transportation corner keeps its text on delete", 2, 3, 3, "***********", "{DEL}", 3, 3, "***********",
     {"BEEP"}},
};

TEST_F(GridEditingTest, KeySequences) {
    for (const auto& c : kKeyCases) {
        SCOPED_TRACE(c.name);
        SetUp();
        pf::Grid& g = c.module == 12 ? layOut(12, 4, 4) : c.module == 11 ? layOut(11, 4, 2) : layOut(2, 4, 4);
        g.TextMatrix(c.row, c.col, c.before);
        g.Row(c.row);
        g.Col(c.col);
        qv::S().blnSuppressLastRowBeep = c.suppressLastRowBeep;
        for (const auto& line : c.heard)
            if (line.rfind("MSGBOX", 0) == 0) pf::scriptedHost().expectMessage(pf::vbOK);
        pf::SendKeys(c.keys, true);
        EXPECT_EQ(g.TextMatrix(c.row, c.col), c.after);
        EXPECT_EQ(g.Row(), c.endRow);
        EXPECT_EQ(g.Col(), c.endCol);
        EXPECT_EQ(pf::scriptedHost().transcript, c.heard);
        TearDown();
    }
}

TEST_F(GridEditingTest, FirstCharacterShowsAloneThenTheTypingAppends) {
    pf::Grid& g = layOut(11, 4, 2);
    g.Text("7");
    pf::SendKeys("1", true);
    EXPECT_EQ(g.Text(), "1");
    pf::SendKeys("2", true);
    EXPECT_EQ(g.Text(), "12");
    // Nothing is stored while typing; leaving the cell stores it.
    EXPECT_TRUE(qv::S().fc.dblTimeSeries(1, 1).IsEmpty());
    pf::SendKeys("{DOWN}", true);
    EXPECT_EQ(qv::S().fc.dblTimeSeries(1, 1).num(), 12);
}

TEST_F(GridEditingTest, ClickChecksTheCellTypedIntoBefore) {
    pf::Grid& g = layOut(12, 4, 4);
    pf::SendKeys("0.25", true);
    EXPECT_TRUE(qv::S().blnCellEdited);
    g.userClickCell(2, 3);
    EXPECT_DOUBLE_EQ(qv::S().mk.dblTransitionMatrix(1, 1).num(), 0.25);
    EXPECT_EQ(g.Row(), 2);
    EXPECT_EQ(g.Col(), 3);
    EXPECT_FALSE(qv::S().blnCellEdited);

    // Left by an arrow, the cell is checked again by the next click.
    pf::SendKeys("0.5{LEFT}", true);
    EXPECT_TRUE(qv::S().blnCellEdited);
    qv::S().mk.dblTransitionMatrix(2, 3) = 0;
    g.userClickCell(1, 1);
    EXPECT_DOUBLE_EQ(qv::S().mk.dblTransitionMatrix(2, 3).num(), 0.5);
    EXPECT_TRUE(pf::scriptedHost().transcript.empty());
}

TEST_F(GridEditingTest, ClickOnRefusedCellErasesItAndStaysThere) {
    pf::Grid& g = layOut(12, 4, 4);
    g.Row(2);
    pf::SendKeys("1.5", true);
    pf::scriptedHost().expectMessage(pf::vbOK);
    g.userClickCell(3, 3);
    EXPECT_EQ(pf::scriptedHost().transcript, std::vector<std::string>{kMarkovMessage});
    EXPECT_EQ(g.TextMatrix(2, 1), "");
    EXPECT_EQ(g.Row(), 2);
    EXPECT_EQ(g.Col(), 1);
    EXPECT_TRUE(qv::S().blnCellEdited);
    EXPECT_EQ(pf::focusedControl(), &g);
    EXPECT_EQ(qv::S().mk.strTransitionTexts(2, 1), "1.5");
    EXPECT_DOUBLE_EQ(qv::S().mk.dblTransitionMatrix(2, 1).num(), 0);
}

// A click on the cell being typed into checks it and lets the entry go on: the cell
// stays the record, so what is typed on is checked as the cell shows it, by a click on
// another cell or by the commit that Save and Solve run first.
TEST_F(GridEditingTest, ClickOnTheCellBeingTypedIntoKeepsItsRecord) {
    pf::Grid& g = layOut(12, 4, 4);
    pf::SendKeys("0.2", true);
    g.userClickCell(1, 1);
    EXPECT_TRUE(pf::scriptedHost().transcript.empty());
    EXPECT_DOUBLE_EQ(qv::S().mk.dblTransitionMatrix(1, 1).num(), 0.2);
    EXPECT_TRUE(qv::S().blnCellEdited);
    pf::SendKeys("5", true);
    EXPECT_EQ(g.Text(), "0.25");
    g.userClickCell(2, 3);
    EXPECT_TRUE(pf::scriptedHost().transcript.empty());
    EXPECT_DOUBLE_EQ(qv::S().mk.dblTransitionMatrix(1, 1).num(), 0.25);
    EXPECT_EQ(g.Row(), 2);
    EXPECT_EQ(g.Col(), 3);
    EXPECT_FALSE(qv::S().blnCellEdited);

    // Typed on into a value refused: the click on another cell says so, empties the
    // cell and leaves it current.
    pf::SendKeys("0.5", true);
    g.userClickCell(2, 3);
    pf::SendKeys("-1", true);
    EXPECT_EQ(g.Text(), "0.5-1");
    pf::scriptedHost().expectMessage(pf::vbOK);
    g.userClickCell(3, 1);
    EXPECT_EQ(pf::scriptedHost().transcript, std::vector<std::string>{kMarkovMessage});
    EXPECT_EQ(g.TextMatrix(2, 3), "");
    EXPECT_EQ(g.Row(), 2);
    EXPECT_EQ(g.Col(), 3);
    EXPECT_EQ(pf::focusedControl(), &g);

    // The commit that Save and Solve run first: the same message, the cell emptied.
    pf::scriptedHost().transcript.clear();
    pf::SendKeys("0.7", true);
    g.userClickCell(2, 3);
    pf::SendKeys("-", true);
    pf::scriptedHost().expectMessage(pf::vbOK);
    EXPECT_FALSE(qv::commitEntryBeingTyped());
    EXPECT_EQ(pf::scriptedHost().transcript, std::vector<std::string>{kMarkovMessage});
    EXPECT_EQ(g.TextMatrix(2, 3), "");
    EXPECT_EQ(pf::focusedControl(), &g);
}

// Backspace that shortens a cell's text makes it the record, as a character does,
// without starting the typing: the next character still replaces the whole text. The
// commit and a click on another cell check what it shows. Backspace in an empty cell
// and Delete make no record.
TEST_F(GridEditingTest, BackspaceThatChangesTheTextMakesTheRecord) {
    pf::Grid& g = layOut(11, 4, 2);
    g.TextMatrix(2, 1, "12");
    g.userClickCell(2, 1);
    pf::SendKeys("{BKSP}", true);
    EXPECT_EQ(g.Text(), "1");
    EXPECT_TRUE(qv::S().blnCellEdited);
    EXPECT_EQ(qv::S().intEditRow.num(), 2);
    EXPECT_EQ(qv::S().intEditCol, 1);
    EXPECT_FALSE(qv::S().blnTypingStarted);
    EXPECT_TRUE(qv::commitEntryBeingTyped());
    EXPECT_EQ(qv::S().fc.dblTimeSeries(2, 1).num(), 1);
    qv::S().fc.dblTimeSeries(2, 1) = 12;
    g.userClickCell(1, 1);
    EXPECT_EQ(qv::S().fc.dblTimeSeries(2, 1).num(), 1);
    EXPECT_FALSE(qv::S().blnCellEdited);
    EXPECT_TRUE(pf::scriptedHost().transcript.empty());

    // The next character replaces the shortened text.
    g.userClickCell(2, 1);
    pf::SendKeys("{BKSP}", true);
    EXPECT_EQ(g.Text(), "");
    pf::SendKeys("7", true);
    EXPECT_EQ(g.Text(), "7");

    // Backspace in an empty cell beeps and makes no record; Delete makes none either.
    g.userClickCell(3, 1);
    ASSERT_FALSE(qv::S().blnCellEdited);
    pf::SendKeys("{BKSP}", true);
    EXPECT_EQ(pf::scriptedHost().transcript, std::vector<std::string>{"BEEP"});
    EXPECT_FALSE(qv::S().blnCellEdited);
    g.TextMatrix(1, 1, "4");
    g.userClickCell(1, 1);
    pf::SendKeys("{DEL}", true);
    EXPECT_EQ(g.Text(), "");
    EXPECT_FALSE(qv::S().blnCellEdited);
}

// A click checks the last cell typed into only while it holds text. An emptied cell,
// refused or deleted since, is checked by Enter, Save and Solve only: the click ends
// the record and the clicked cell becomes current, with no message.
TEST_F(GridEditingTest, ClickLeavesAnEmptiedCellUnchecked) {
    struct Road {
        const char* name;
        const char* keys;
        std::vector<std::string> heard;  // while typing
    } roads[] = {
        {"deleted after Enter", "5{ENTER}{UP}{DEL}{DOWN}", {}},
        {"emptied by Backspace", "5{BKSP}", {}},
        {"refused and erased", "1.2.3{ENTER}", {kSeriesMessage}},
    };
    for (const Road& road : roads) {
        SCOPED_TRACE(road.name);
        SetUp();
        pf::Grid& g = layOut(11, 4, 2);
        g.Row(2);
        for (std::size_t i = 0; i < road.heard.size(); ++i) pf::scriptedHost().expectMessage(pf::vbOK);
        pf::SendKeys(road.keys, true);
        EXPECT_EQ(pf::scriptedHost().transcript, road.heard);
        EXPECT_EQ(g.TextMatrix(2, 1), "");
        pf::scriptedHost().transcript.clear();
        g.userClickCell(1, 1);
        EXPECT_TRUE(pf::scriptedHost().transcript.empty());
        EXPECT_EQ(g.Row(), 1);
        EXPECT_FALSE(qv::S().blnCellEdited);
        // Nothing more is asked of it by the next click either.
        g.userClickCell(3, 1);
        EXPECT_TRUE(pf::scriptedHost().transcript.empty());
        EXPECT_EQ(g.Row(), 3);
        TearDown();
    }
}

// A cell typed into belongs to the grid and the layout it was typed into: once the
// grid is laid out again, even to the same shape, or its window is closed and opened
// again, a click checks nothing of it, whatever now stands in its place.
TEST_F(GridEditingTest, ClickChecksOnlyAnEntryOfTheGridAsLaidOutNow) {
    const struct {
        const char* name;
        std::function<pf::Grid&(pf::Grid&)> layOutAgain;
        bool checked;
    } roads[] = {
        {"nothing laid out again", [](pf::Grid& g) -> pf::Grid& { return g; }, true},
        {"rows set to the same count", [](pf::Grid& g) -> pf::Grid& { g.Rows(g.Rows()); return g; }, false},
        {"columns set to the same count", [](pf::Grid& g) -> pf::Grid& { g.Cols(g.Cols()); return g; }, false},
        {"fixed rows set again", [](pf::Grid& g) -> pf::Grid& { g.FixedRows(1); return g; }, false},
        {"fixed columns set again", [](pf::Grid& g) -> pf::Grid& { g.FixedCols(1); return g; }, false},
        {"window closed and opened again",
         [this](pf::Grid&) -> pf::Grid& {
             pf::Unload<FrmProblem>();
             pf::collectUnloaded();
             return layOut(11, 4, 2);
         },
         false},
    };
    for (const auto& road : roads) {
        SCOPED_TRACE(road.name);
        SetUp();
        pf::Grid& typedInto = layOut(11, 4, 2);
        typedInto.userClickCell(2, 1);
        pf::SendKeys("5", true);
        pf::Grid& g = road.layOutAgain(typedInto);
        // What the grid shows there now would be refused.
        g.TextMatrix(2, 1, "1.2.3");
        if (road.checked) pf::scriptedHost().expectMessage(pf::vbOK);
        g.userClickCell(3, 1);
        EXPECT_EQ(pf::scriptedHost().transcript.size(), road.checked ? 1U : 0U);
        EXPECT_EQ(g.Row(), road.checked ? 2 : 3);
        TearDown();
    }
}

TEST_F(GridEditingTest, FocusLossChecksUnlessTheValueTooLargeWindowIsUp) {
    pf::Grid& g = layOut(12, 4, 4);
    pf::SendKeys("2", true);
    qv::S().blnErrorWindowOpen = true;
    pf::setFocusTo(nullptr, &frmMenu());
    EXPECT_TRUE(pf::scriptedHost().transcript.empty());
    EXPECT_EQ(g.Text(), "2");

    qv::S().blnErrorWindowOpen = false;
    g.SetFocus();
    pf::scriptedHost().expectMessage(pf::vbOK);
    pf::setFocusTo(nullptr, &frmMenu());
    EXPECT_EQ(pf::scriptedHost().transcript, std::vector<std::string>{kMarkovMessage});
    EXPECT_EQ(g.Text(), "");
    EXPECT_EQ(pf::focusedControl(), &g);
}

TEST_F(GridEditingTest, AltLeavesTheKeyboardInTheGrid) {
    // The main window takes the focus for its menu bar; typing still goes to the grid,
    // and no LostFocus checks the cell. Alt held with a key that moves moves nothing.
    pf::Grid& g = layOut(12, 4, 4);
    pf::Unload<FrmModuleSelection>();
    frmProblem().Show();  // the grid window in front
    g.SetFocus();
    pf::SendKeys("2{ALT}", true);
    EXPECT_EQ(pf::focusedControl(), &g);
    EXPECT_TRUE(pf::scriptedHost().transcript.empty());
    EXPECT_EQ(g.Text(), "2");
    EXPECT_EQ(g.Row(), 1);
    pf::SendKeys("{A-DOWN}{A-RIGHT}{A-END}{A-PGDN}3", true);
    EXPECT_EQ(pf::focusedControl(), &g);
    EXPECT_TRUE(pf::scriptedHost().transcript.empty());
    EXPECT_EQ(g.Row(), 1);
    EXPECT_EQ(g.Col(), 1);
    EXPECT_EQ(g.Text(), "23");
}

// The commit before a command checks the recorded cell wherever it stands: a cell left
// by no key (here code moves the current cell) is made current and checked. Accepted,
// the user's cell is current again; refused, the cell is emptied, stays current and has
// the keyboard.
TEST_F(GridEditingTest, TheCommitChecksARecordedCellNoLongerCurrent) {
    pf::Grid& g = layOut(12, 4, 4);
    pf::SendKeys("0.5", true);
    g.Row(3);
    g.Col(2);
    EXPECT_TRUE(qv::commitEntryBeingTyped());
    EXPECT_DOUBLE_EQ(qv::S().mk.dblTransitionMatrix(1, 1).num(), 0.5);
    EXPECT_EQ(g.Row(), 3);
    EXPECT_EQ(g.Col(), 2);
    EXPECT_TRUE(pf::scriptedHost().transcript.empty());

    g.userClickCell(2, 2);
    pf::SendKeys("1.5", true);
    g.Row(3);
    g.Col(3);
    pf::scriptedHost().expectMessage(pf::vbOK);
    EXPECT_FALSE(qv::commitEntryBeingTyped());
    EXPECT_EQ(pf::scriptedHost().transcript, std::vector<std::string>{kMarkovMessage});
    EXPECT_EQ(g.TextMatrix(2, 2), "");
    EXPECT_EQ(g.Row(), 2);
    EXPECT_EQ(g.Col(), 2);
    EXPECT_EQ(pf::focusedControl(), &g);
}

}  // namespace
