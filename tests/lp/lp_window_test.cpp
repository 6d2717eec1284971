// The LP window with its grids: the cell check, the checks of a cell left by a click
// or committed by a command, the Edit operations' rebuild, the integer-variable dialog and the
// solver's outcomes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "lp/QVLP.h"
#include "tests/lp/lp_test_support.h"
#include "tests/ui_layout_check.h"
#include "lp/frmIP.h"
#include "lp/frmLPproblem.h"
#include "lp/core/TextModel.h"
#include "platform/core/Format.h"
#include "platform/ui/Keys.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/MenuState.h"
#include "shell/Modules.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmSolution.h"
#include "shell/frmModuleSelection.h"
#include "tests/ui_keys.h"

namespace {

pf::ScriptedHost& h() { return pf::scriptedHost(); }

std::string inputError(const std::string& text) {
    return "MSGBOX \"Data Input Error\" critical OK \"" + text + "\" -> OK";
}

class LPWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        pf::unloadAll();
        qv::resetState();
        h().transcript.clear();
        h().clearAnswers();
    }
    void TearDown() override {
        EXPECT_TRUE(h().allAnswersUsed());
        pf::unloadAll();
    }

    // A problem with m constraints and n variables laid out in the window, as New leaves it.
    FrmLPproblem& layOut(int module, int m, int n) {
        FrmLPproblem& w = qvtest::newLPLaidOut(module, m, n);
        h().transcript.clear();
        return w;
    }
    pf::Grid& grid(int i) { return *frmLPproblem().Grid[static_cast<std::size_t>(i)]; }
    void fill(int i, int r, const std::vector<std::string>& texts) {
        for (std::size_t c = 0; c < texts.size(); ++c) grid(i).TextMatrix(r, static_cast<int>(c) + 1, texts[c]);
    }
    void typeInto(int i, int r, int c, const std::string& keys) {
        grid(i).userClickCell(r, c);
        pf::SendKeys(keys, true);
    }
};

TEST_F(LPWindowTest, CellCheckJudgesEachKindOfCell) {
    static const std::string tooLong(400, '9');
    struct Case {
        int grid, row, col;  // in a 2 x 2 problem: Grid(1) column 3 relation, 4 right-hand side
        const char* text;
        const char* message;  // nullptr: accepted
    } cases[] = {
        {0, 0, 1, "ABCDEFG", nullptr},
        {0, 0, 1, "ABCDEFGH", "Variable Names must be less than 8 Characters Long."},
        {0, 1, 1, "1.2.3", "Objective Function Coefficients Must Be Numeric."},
        {0, 1, 1, "-.5", nullptr},
        {1, 1, 1, "5-", "Constraint Values Must Be Numeric."},
        {1, 1, 2, "1.2.3", "Constraint Values Must Be Numeric."},
        {1, 1, 1, tooLong.c_str(), "Constraint Values Must Be Numeric."},
        {1, 1, 3, "<=", "Relation is Invalid.  Please enter <, >, or =."},
        {1, 1, 3, ">", nullptr},
        {1, 1, 4, "-5", "Right Hand Sides Must be Positive"},
        {1, 1, 4, "0", nullptr},
        {1, 1, 4, "0.5", nullptr},
        {1, 0, 1, "           X1", nullptr},  // a heading is no entry
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text).substr(0, 20));
        layOut(1, 2, 2);
        grid(c.grid).Row(c.row);
        grid(c.grid).Col(c.col);
        grid(c.grid).Text(c.text);
        if (c.message) h().expectMessage(pf::vbOK);
        EXPECT_EQ(frmLPproblem().ValidateCell(c.grid), c.message ? 999 : 0);
        if (c.message) {
            EXPECT_EQ(h().transcript.back(), inputError(c.message));
        }
        EXPECT_EQ(qv::S().strNumericOK == "NO", false);  // verdicts reset after a refusal
        qv::S().blnEditInProgress = true;
        EXPECT_EQ(frmLPproblem().ValidateCell(c.grid), 0);  // an Edit rebuild checks nothing
        qv::S().blnEditInProgress = false;
        pf::unloadAll();
        qv::resetState();
    }
    // An accepted name shows right-aligned in 12 in the constraint grid's heading.
    layOut(1, 2, 2);
    grid(0).Row(0);
    grid(0).Col(2);
    grid(0).Text("Chair");
    EXPECT_EQ(frmLPproblem().ValidateCell(0), 0);
    EXPECT_EQ(grid(1).TextMatrix(0, 2), "       Chair");
}

// No cell takes a double quote, so no typed text can break the problem file's quoted
// fields: the key beeps and the rest of the typing goes on.
TEST_F(LPWindowTest, ADoubleQuoteIsRefusedInEveryCell) {
    layOut(1, 1, 2);
    const struct {
        int grid, row, col;
        const char* keys;
        const char* text;
    } cases[] = {
        {0, 0, 1, "X\"1", "X1"},  // a name
        {0, 1, 1, "2\"5", "25"},  // an objective coefficient
        {1, 1, 1, "\"3", "3"},    // a constraint coefficient
        {1, 1, 3, "<\"", "<"},    // a relation
        {1, 1, 4, "\"9", "9"},    // a right-hand side
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        h().transcript.clear();
        typeInto(c.grid, c.row, c.col, c.keys);
        EXPECT_EQ(grid(c.grid).TextMatrix(c.row, c.col), c.text);
        EXPECT_EQ(h().transcript, (std::vector<std::string>{"BEEP"}));
    }
}

// A value typed into one grid is checked when the user goes to the other grid, by a
// click or by opening a menu, whatever the other grid's current cell is.
TEST_F(LPWindowTest, ATypedValueNeverLeavesItsGridUnchecked) {
    layOut(1, 2, 2);
    // Grid(1) still has its heading row current, as the layout leaves it.
    ASSERT_EQ(grid(1).Row(), 0);
    typeInto(0, 1, 1, "1.2.3");
    h().expectMessage(pf::vbOK);
    grid(1).userClickCell(1, 1);
    EXPECT_EQ(h().transcript.back(), inputError("Objective Function Coefficients Must Be Numeric."));
    EXPECT_EQ(grid(0).TextMatrix(1, 1), "");

    // The name row of Grid(0) current while a right-hand side is typed.
    grid(0).Row(0);
    typeInto(1, 2, 4, "-5");
    h().expectMessage(pf::vbOK);
    grid(0).userClickCell(1, 2);
    EXPECT_EQ(h().transcript.back(), inputError("Right Hand Sides Must be Positive"));
    EXPECT_EQ(grid(1).TextMatrix(2, 4), "");

    // A relation still being typed as Solve is chosen: the Solution menu opens without
    // a word, then Solve checks the relation, and stops at its one message.
    h().transcript.clear();
    typeInto(1, 1, 3, "<=");
    frmMenu().mnuSolution_Click();
    EXPECT_TRUE(h().transcript.empty());
    EXPECT_EQ(grid(1).TextMatrix(1, 3), "<=");
    h().expectMessage(pf::vbOK);
    frmMenu().mnuSolutionSolve_Click();
    EXPECT_EQ(h().transcript, std::vector<std::string>{inputError("Relation is Invalid.  Please enter <, >, or =.")});
    EXPECT_EQ(grid(1).TextMatrix(1, 3), "");
    EXPECT_EQ(pf::focusedControl(), &grid(1));
    EXPECT_FALSE(qv::solutionShown());
}

TEST_F(LPWindowTest, TabFromEachGridsLastCellGoesToTheOther) {
    layOut(1, 2, 2);
    grid(1).userClickCell(2, 4);
    pf::SendKeys("3{TAB}", true);
    EXPECT_EQ(pf::focusedControl(), &grid(0));
    EXPECT_EQ(grid(0).Row(), 1);
    EXPECT_EQ(grid(0).Col(), 1);
    grid(0).userClickCell(1, 2);
    pf::SendKeys("{TAB}", true);
    EXPECT_EQ(pf::focusedControl(), &grid(1));
    EXPECT_EQ(grid(1).Row(), 1);
    EXPECT_EQ(grid(1).Col(), 1);
    // Up in the name row and in constraint row 1 beeps; Down in a last row always beeps.
    h().transcript.clear();
    pf::SendKeys("{UP}", true);
    grid(0).userClickCell(0, 1);
    pf::SendKeys("{UP}", true);
    grid(0).userClickCell(1, 1);
    pf::SendKeys("{DOWN}", true);
    EXPECT_EQ(h().transcript, (std::vector<std::string>{"BEEP", "BEEP", "BEEP"}));
}

// The menus' opening copies a name being typed into the constraint grid's heading and
// checks nothing; the command chosen then checks it, and a refused name leaves both the
// cell and its heading empty.
TEST_F(LPWindowTest, MenuOpeningCopiesAPendingNameAndChecksNothing) {
    layOut(1, 1, 2);
    grid(0).userClickCell(0, 2);
    pf::SendKeys("ABCDEFGHIJ", true);  // judged only when the cell is left
    frmMenu().mnuFile_Click();
    EXPECT_TRUE(h().transcript.empty());
    EXPECT_EQ(grid(0).TextMatrix(0, 2), "ABCDEFGHIJ");
    EXPECT_EQ(grid(1).TextMatrix(0, 2), "  ABCDEFGHIJ");
    h().expectMessage(pf::vbOK);
    frmMenu().mnuFileSave_Click();  // no save dialog: the refusal stops Save
    EXPECT_EQ(h().transcript, std::vector<std::string>{inputError("Variable Names must be less than 8 Characters Long.")});
    EXPECT_EQ(grid(0).TextMatrix(0, 2), "");
    EXPECT_EQ(grid(1).TextMatrix(0, 2), std::string(12, ' '));
    EXPECT_EQ(pf::focusedControl(), &grid(0));
    // A long name from a file, on the name row: copied whole, not cut.
    grid(0).TextMatrix(0, 1, "LONGNAMEFROMFILE");
    grid(0).Row(0);
    grid(0).Col(1);
    grid(1).Row(1);
    grid(1).Col(2);
    frmMenu().mnudispedit_Click();
    EXPECT_EQ(grid(1).TextMatrix(0, 1), "LONGNAMEFROMFILE");
    // Grid(1)'s current cell is unchanged.
    EXPECT_EQ(grid(1).Row(), 1);
    EXPECT_EQ(grid(1).Col(), 2);
}

// Open leaves the objective grid on its names row. Opening and closing File and Edit
// then copies the name there into the constraint grid's heading without moving the
// constraint grid's current cell: the cell clicked keeps the keyboard and takes what
// is typed next.
TEST_F(LPWindowTest, MenusOpenedAndClosedLeaveTheConstraintCellCurrent) {
    const std::filesystem::path file = qvtest::emptyTestDir("qv_lpmenus") / "two.LPM";
    std::ofstream(file, std::ios::binary) << "2\n\"x\"\n\"MAX 3X1+2X2\"\n\"1X1+1X2<4\"\n\"1X1+3X2<6\"\n";
    qvtest::chosenModule(1);
    h().expectFile(file.string());
    frmMenu().mnuFileOpen_Click();
    ASSERT_EQ(grid(0).Row(), 0);
    h().transcript.clear();
    grid(1).userClickCell(2, 2);
    frmMenu().mnuFile_Click();
    frmMenu().mnudispedit_Click();
    frmMenu().mnuFile_Click();
    pf::SendKeys("7", true);
    EXPECT_EQ(grid(1).Row(), 2);
    EXPECT_EQ(grid(1).Col(), 2);
    EXPECT_EQ(grid(1).TextMatrix(2, 2), "7");
    EXPECT_EQ(pf::Trim(grid(1).TextMatrix(0, 1)), "X1");
    EXPECT_EQ(pf::Trim(grid(1).TextMatrix(0, 2)), "X2");
    EXPECT_TRUE(h().transcript.empty());
}

// The store turns an empty relation into code 4 (">") and an empty right-hand side
// into 0; an Edit operation's rebuild shows what was typed instead.
TEST_F(LPWindowTest, EditRebuildKeepsTypedRelationsAndEmptyRightHandSides) {
    layOut(1, 3, 2);
    fill(0, 1, {"3", "2"});
    fill(1, 1, {"1", "", "<", "4"});
    fill(1, 2, {"", "2", "", "12"});
    fill(1, 3, {"3", "2", "=", ""});
    auto& s = qv::S();
    s.blnEditInProgress = true;
    h().expectInput("2");
    QVLP::DeleteConstraint();
    s.blnEditInProgress = false;
    EXPECT_EQ(grid(1).Rows(), 3);
    EXPECT_EQ(grid(1).TextMatrix(1, 3), "<");
    EXPECT_EQ(grid(1).TextMatrix(2, 1), "3");
    EXPECT_EQ(grid(1).TextMatrix(2, 3), "=");
    EXPECT_EQ(grid(1).TextMatrix(2, 4), "");
    EXPECT_EQ(s.lp.intConstraintCount, 2);

    s.blnEditInProgress = true;
    h().expectInput("X1");
    QVLP::DeleteVariable();
    s.blnEditInProgress = false;
    EXPECT_EQ(grid(0).Cols(), 2);
    EXPECT_EQ(grid(0).TextMatrix(0, 1), "X2");
    EXPECT_EQ(grid(0).TextMatrix(1, 1), "2");
    EXPECT_EQ(grid(1).TextMatrix(1, 1), "0");
    EXPECT_EQ(grid(1).TextMatrix(2, 1), "2");
    EXPECT_EQ(grid(1).TextMatrix(1, 2), "<");
    EXPECT_EQ(grid(1).TextMatrix(1, 3), "4");
}

// Add Constraints leaves the first new row's first cell current in the focused
// constraint grid after its Tab and Left, with nothing pending and no beep; Add
// Constraints and Add Variables keep every value with its row and column.
TEST_F(LPWindowTest, AddOperationsKeepValuesAndReadyTheNewRow) {
    layOut(1, 2, 2);
    fill(0, 0, {"A", "B"});
    fill(0, 1, {"3", "-2.5"});
    fill(1, 1, {"1", "", "<", "4"});
    fill(1, 2, {"", "2", ">", ""});
    typeInto(1, 2, 4, "7{LEFT}");  // typed text left in the cell buffer before the command
    EXPECT_EQ(grid(1).TextMatrix(2, 4), "7");
    h().transcript.clear();
    auto& s = qv::S();
    s.blnEditInProgress = true;
    h().expectInput("2");
    QVLP::AddConstraints();
    s.blnEditInProgress = false;
    EXPECT_EQ(grid(1).Rows(), 5);
    EXPECT_EQ(grid(1).Row(), 3);
    EXPECT_EQ(grid(1).Col(), 1);
    EXPECT_EQ(pf::focusedControl(), &grid(1));
    EXPECT_TRUE(s.strCellBuffer.empty());
    EXPECT_FALSE(s.blnTypingStarted);
    for (const std::string& line : h().transcript) EXPECT_NE(line, "BEEP");
    struct Cell {
        int grid, row, col;
        const char* text;
    } kept[] = {
        {0, 0, 1, "A"}, {0, 0, 2, "B"}, {0, 1, 1, "3"}, {0, 1, 2, "-2.5"},
        {1, 1, 1, "1"}, {1, 1, 2, "0"}, {1, 1, 3, "<"}, {1, 1, 4, "4"},
        {1, 2, 1, "0"}, {1, 2, 2, "2"}, {1, 2, 3, ">"}, {1, 2, 4, "7"},
        {1, 3, 1, ""},  {1, 3, 3, ""},  {1, 4, 4, ""},
    };
    for (const Cell& c : kept)
        EXPECT_EQ(grid(c.grid).TextMatrix(c.row, c.col), c.text) << c.grid << " " << c.row << "," << c.col;

    s.blnEditInProgress = true;
    h().expectInput("1");
    QVLP::AddVariables();
    s.blnEditInProgress = false;
    EXPECT_EQ(grid(0).Cols(), 4);
    EXPECT_EQ(grid(1).Cols(), 6);
    EXPECT_EQ(grid(0).TextMatrix(1, 2), "-2.5");
    EXPECT_EQ(grid(0).TextMatrix(0, 3), "");
    EXPECT_EQ(grid(1).TextMatrix(2, 2), "2");
    EXPECT_EQ(grid(1).TextMatrix(2, 3), "");
    EXPECT_EQ(grid(1).TextMatrix(2, 4), ">");
    EXPECT_EQ(grid(1).TextMatrix(2, 5), "7");
}

TEST_F(LPWindowTest, IntegerDialogRestoresAndWritesTheSection) {
    layOut(4, 2, 3);
    fill(0, 0, {"A", "b", "C"});
    QVLP::StoreInputScreen();
    auto& lp = qv::S().lp;
    lp.strModelLines(5) = "BIN";
    lp.strModelLines(6) = "C";
    lp.strModelLines(7) = "INT";
    lp.strModelLines(8) = "b";
    lp.strModelLines(9) = "";
    auto selected = [](pf::ListBox& l) {
        std::string s;
        for (int i = 0; i < l.ListCount(); ++i) s += l.Selected(i) ? '1' : '0';
        return s;
    };
    h().expectModal("frmIP", [&](pf::Form& f) {
        auto& d = static_cast<FrmIP&>(f);
        EXPECT_TRUE(d.optMultiple.Value());
        EXPECT_EQ(selected(d.lstBinary), "001");
        EXPECT_EQ(selected(d.lstGeneral), "010");
        // A variable picked in one list leaves the other.
        d.lstGeneral.userSelect(2);
        EXPECT_EQ(selected(d.lstBinary), "000");
        d.lstBinary.userSelect(0);
        d.CmdSolve.userClick();
    });
    QVLP::AskIntegerVariables();
    EXPECT_FALSE(qv::S().blnDialogCancelled);
    std::vector<std::string> section;
    for (int p = 5; p <= 10; ++p) section.push_back(lp.strModelLines(p));
    EXPECT_EQ(section, (std::vector<std::string>{"BIN", "A", "INT", "b", "C", ""}));

    // All binary: the lists do not count; Cancel keeps the section.
    h().expectModal("frmIP", [](pf::Form& f) {
        auto& d = static_cast<FrmIP&>(f);
        d.optbinary.userClick();
        d.lstGeneral.userSelect(1);
        d.CmdSolve.userClick();
    });
    QVLP::AskIntegerVariables();
    EXPECT_EQ(lp.strModelLines(5), "DBI");
    h().expectModal("frmIP", [&](pf::Form& f) {
        auto& d = static_cast<FrmIP&>(f);
        EXPECT_TRUE(d.optbinary.Value());
        EXPECT_EQ(selected(d.lstBinary), "111");
        d.optgeneral.userClick();
        d.cmdCancel.userClick();
    });
    QVLP::AskIntegerVariables();
    EXPECT_TRUE(qv::S().blnDialogCancelled);
    EXPECT_EQ(lp.strModelLines(5), "DBI");
}

TEST_F(LPWindowTest, SolverOutcomesSwitchPrintAndShowTheEngineMessage) {
    layOut(1, 1, 2);
    fill(0, 1, {"1", "1"});
    fill(1, 1, {"1", "-1", ">", "1"});  // X1 - X2 >= 1 with X1 + X2 to maximize: unbounded
    QVLP::StoreInputScreen();
    qv::enablePrintItems(true);
    h().expectMessage(pf::vbOK);
    QVLP::RunSolver();
    EXPECT_EQ(h().transcript.back(), "MSGBOX \"Solution\" information OK \"Problem is Unbounded.\" -> OK");
    EXPECT_FALSE(frmMenu().mnuSolutionPrinttoPrinter->Enabled());
    EXPECT_FALSE(frmMenu().mnuSolutionPrinttoText->Enabled());

    fill(1, 1, {"1", "1", "<", "4"});
    QVLP::StoreInputScreen();
    QVLP::RunSolver();
    EXPECT_TRUE(frmMenu().mnuSolutionPrinttoPrinter->Enabled());
    EXPECT_TRUE(pf::isLoaded<FrmSolution>());
}

TEST_F(LPWindowTest, DataCheckRefusesDuplicateNamesAndUnknownRelations) {
    layOut(1, 2, 3);
    fill(0, 0, {"A", "B", "A"});
    fill(1, 1, {"1", "", "", "<=", "4"});
    fill(1, 2, {"1", "", "", "<", "4"});
    h().expectMessage(pf::vbOK);
    EXPECT_FALSE(frmMenu().CheckProblemData());
    EXPECT_EQ(h().transcript.back(), inputError("Variable Name A Entered More Than Once."));
    EXPECT_EQ(grid(0).SelStartCol(), 3);
    grid(0).TextMatrix(0, 3, "a");  // names differ by letter case
    h().expectMessage(pf::vbOK);
    EXPECT_FALSE(frmMenu().CheckProblemData());
    EXPECT_EQ(h().transcript.back(), inputError("Relation is Invalid.  Please enter <, >, or =."));
    EXPECT_EQ(grid(1).SelStartRow(), 1);
    EXPECT_EQ(grid(1).SelStartCol(), 4);
    grid(1).TextMatrix(1, 4, "<");
    EXPECT_TRUE(frmMenu().CheckProblemData());
}

// The Edit menu's LP operations leave the keyboard focus where typing goes: a new
// constraint's first cell, the first coefficient after a delete or a new variable,
// and where it was after Change Optimization Type. A real key typed next lands there.
TEST_F(LPWindowTest, EditMenuLeavesTheFocusWhereTypingGoes) {
    struct Case {
        int item;
        std::function<void()> answer;
        int grid, row, col;
    } cases[] = {
        {3, [] { h().expectInput("1"); }, 1, 3, 1},
        {4, [] { h().expectInput("1"); }, 0, 1, 1},
        {5, [] { h().expectInput("1"); }, 0, 1, 1},
        {6, [] { h().expectInput("X1"); }, 0, 1, 1},
        {7, [] { h().expectModal("frmTransObj", [](pf::Form& f) { f.control("cmdOK")->userClick(); }); }, 1, 2, 2},
        // Cancelled: the main window has the focus, the keyboard is back where it was.
        {7, [] { h().expectModal("frmTransObj", [](pf::Form& f) { f.control("cmdCancel")->userClick(); }); }, 1, 2, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("item " + std::to_string(c.item));
        pf::unloadAll();
        qv::resetState();
        layOut(1, 2, 2);
        fill(0, 1, {"3", "5"});
        grid(1).userClickCell(2, 2);
        c.answer();
        frmMenu().mnudispeditsubs_Click(c.item);
        ASSERT_EQ(pf::focusedControl(), &grid(c.grid));
        EXPECT_EQ(grid(c.grid).Row(), c.row);
        EXPECT_EQ(grid(c.grid).Col(), c.col);
        if (c.item != 3) continue;
        // "7" as the keyboard sends it, then Tab: the new row gets it, the objective keeps its own.
        qvtest::typeOnFocused("7");
        qvtest::pressOnFocused(Qt::Key_Tab, Qt::NoModifier, "\t");
        EXPECT_EQ(grid(1).TextMatrix(3, 1), "7");
        EXPECT_EQ(grid(0).TextMatrix(1, 1), "3");
        EXPECT_EQ(grid(0).TextMatrix(1, 2), "5");
    }
}

}  // namespace

// Variable j's coefficients stand under its objective coefficient however the user
// scrolls: by either grid's scroll bar or by moving either grid's current cell.
TEST_F(LPWindowTest, GridsScrollTheirVariableColumnsTogether) {
    layOut(1, 50, 100);
    frmMenu().Show();
    QApplication::processEvents();
    auto bar = [this](int i) {
        for (QScrollBar* b : grid(i).widget()->findChildren<QScrollBar*>())
            if (b->orientation() == Qt::Horizontal) return b;
        return static_cast<QScrollBar*>(nullptr);
    };
    ASSERT_NE(bar(0), nullptr);
    ASSERT_NE(bar(1), nullptr);
    EXPECT_EQ(grid(0).ColWidth(0), grid(1).ColWidth(0));

    struct Step {
        const char* what;
        std::function<void()> act;
        int leader;  // the grid the user moved
        int leftCol;  // its first scrolling column afterwards; 0: not fixed here
    } steps[] = {
        {"constraint grid's bar", [&] { bar(1)->setValue(40); }, 1, 41},
        {"objective grid's bar", [&] { bar(0)->setValue(7); }, 0, 8},
        {"objective grid's bar to its end", [&] { bar(0)->setValue(bar(0)->maximum()); }, 0, 0},
        {"objective cell back to X1", [&] {
             grid(0).userClickCell(1, 2);
             pf::SendKeys("{LEFT}", true);
         }, 0, 1},
        {"objective cell along to X100", [&] { pf::SendKeys("{END}", true); }, 0, 0},
        {"constraint cell to a right-hand side", [&] {
             grid(1).userClickCell(50, 1);
             pf::SendKeys("{END}", true);
         }, 1, 0},
        {"constraint cell back to X3", [&] { grid(1).userClickCell(50, 3); }, 1, 3},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        s.act();
        QApplication::processEvents();
        if (s.leftCol) { EXPECT_EQ(grid(s.leader).LeftCol(), s.leftCol); }
        EXPECT_EQ(grid(1 - s.leader).LeftCol(), grid(s.leader).LeftCol());
        EXPECT_EQ(bar(0)->value(), bar(1)->value());
        qvtest::saveScreenshot(frmMenu().window(), std::string("lp_scrolled_") + s.what);
    }
    // The current cell in view in the grid the user moved.
    EXPECT_LE(grid(1).LeftCol(), 3);
    grid(1).userClickCell(50, 102);
    EXPECT_GT(grid(0).LeftCol(), 1);
    EXPECT_EQ(grid(0).LeftCol(), grid(1).LeftCol()) << "the objective grid scrolls into blank space";
}

// Solve's check walks every name, relation and right-hand side; once it passes, both
// grids are as the user had them: the current cells, the selection and the first row
// and column in view.
TEST_F(LPWindowTest, CheckPassLeavesBothGridsAsTheUserHadThem) {
    struct Case {
        const char* what;
        int objectiveCol, row, col;  // the user's cells: the objective row, the constraint grid
    } cases[] = {
        {"at the start", 1, 1, 1},
        {"scrolled down and across", 70, 48, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        pf::unloadAll();
        layOut(1, 50, 100);
        frmMenu().Show();
        for (int r = 1; r <= 50; ++r) {
            grid(1).TextMatrix(r, 101, "<");
            grid(1).TextMatrix(r, 102, "1");
        }
        grid(0).userClickCell(1, c.objectiveCol);
        grid(1).userClickCell(c.row, c.col);
        QApplication::processEvents();
        const int top = grid(1).TopRow(), left = grid(1).LeftCol();
        if (c.row > 1) {
            ASSERT_GT(top, 1) << "the grid shows all its rows";
        }
        if (c.col > 1) {
            ASSERT_GT(left, 1) << "the grid shows all its columns";
        }
        ASSERT_TRUE(frmMenu().CheckProblemData());
        QApplication::processEvents();
        EXPECT_EQ(grid(0).Row(), 1);
        EXPECT_EQ(grid(0).Col(), c.objectiveCol);
        EXPECT_EQ(grid(1).Row(), c.row);
        EXPECT_EQ(grid(1).Col(), c.col);
        EXPECT_EQ(grid(1).SelStartRow(), c.row);
        EXPECT_EQ(grid(1).SelEndCol(), c.col);
        EXPECT_EQ(grid(1).TopRow(), top);
        EXPECT_EQ(grid(1).LeftCol(), left);
        EXPECT_EQ(grid(0).LeftCol(), left);
    }
}

// Back from a solution by Display/Edit, the keyboard is in the cell the user left, which
// the grid shows, and a key as the keyboard sends it replaces that cell and no other.
TEST_F(LPWindowTest, DisplayEditGivesTheKeyboardBackToTheUsersCellInView) {
    layOut(1, 50, 100);
    frmMenu().Show();
    for (int r = 1; r <= 50; ++r) {
        grid(1).TextMatrix(r, 101, "<");
        grid(1).TextMatrix(r, 102, "1");
    }
    grid(0).userClickCell(1, 3);
    grid(1).userClickCell(48, 102);
    frmMenu().mnuSolutionSolve_Click();
    ASSERT_TRUE(qv::solutionShown());
    frmMenu().mnudispeditsubs_Click(0);
    QApplication::processEvents();
    ASSERT_EQ(pf::focusedControl(), &grid(1));
    EXPECT_TRUE(grid(1).widget()->hasFocus());
    EXPECT_EQ(grid(1).Row(), 48);
    EXPECT_EQ(grid(1).Col(), 102);
    int x = 0, y = 0;
    EXPECT_TRUE(grid(1).cellCentre(48, 102, x, y)) << "the user's cell is out of view";
    qvtest::typeOnFocused("9");
    EXPECT_EQ(grid(1).TextMatrix(48, 102), "9");
    EXPECT_EQ(grid(0).TextMatrix(0, 3), "X3");
    EXPECT_EQ(grid(0).TextMatrix(1, 3), "");
}
