#include <gtest/gtest.h>

#include "tests/ui_test_support.h"

#include <string>
#include <vector>

#include "platform/core/Errors.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/MenuState.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmSolution.h"

namespace {

using Lines = std::vector<std::string>;

class SolutionWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        qvtest::resetProgram();
        frmMenu();
    }
    void TearDown() override { pf::unloadAll(); }

    // A solve procedure's fill, as the transportation and LP solves do it.
    static void fillWithTitle() {
        FrmSolution& w = frmSolution();
        w.setTitle("Optimal Transportation Schedule");
        w.startLines("");
        w.addLine("  From     To      Amount");
        w.addLine("");
        w.addLine("   1        2          30");
        w.showSolution();
    }
    static void fillWithoutTitleAtTop() {
        FrmSolution& w = frmSolution();
        w.hideTitle(true);
        w.startLines("Optimal Solution");
        w.addLine("Objective Function Value =  12.000");
        w.showSolution();
    }
};

TEST_F(SolutionWindowTest, FillProtocolGivesAPlainCourierListing) {
    fillWithTitle();
    FrmSolution& w = frmSolution();
    EXPECT_EQ(w.kind(), pf::FormKind::Child);
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(w.Left(), 0);
    EXPECT_EQ(w.Top(), 0);
    EXPECT_EQ(w.BackColor() & 0xFFFFFF, 0xFFC0C0);
    EXPECT_TRUE(w.titleShown());
    EXPECT_EQ(w.title(), "Optimal Transportation Schedule");
    EXPECT_EQ(w.lines(), (Lines{"", "  From     To      Amount", "", "   1        2          30"}));
    const pf::Grid& g = w.gridSolution;
    EXPECT_EQ(g.Top(), 360);
    EXPECT_EQ(g.Cols(), 1);
    EXPECT_EQ(g.FixedRows(), 0);
    EXPECT_EQ(g.FixedCols(), 0);
    EXPECT_EQ(g.ColWidth(0), 9255);
    EXPECT_EQ(g.FontName(), "Courier");
    EXPECT_FALSE(g.HighLight());
    // The main window keeps the focus.
    EXPECT_EQ(pf::focusedForm(), &frmMenu());
    EXPECT_EQ(pf::focusedControl(), nullptr);
}

TEST_F(SolutionWindowTest, EachSolveStartsFromTheDesignLayout) {
    fillWithoutTitleAtTop();
    EXPECT_FALSE(frmSolution().titleShown());
    EXPECT_EQ(frmSolution().gridSolution.Top(), 120);
    EXPECT_EQ(frmSolution().lines(), (Lines{"Optimal Solution", "Objective Function Value =  12.000"}));

    // Solve unloads the window before the next fill.
    pf::Unload<FrmSolution>();
    FrmSolution& w = frmSolution();
    EXPECT_TRUE(w.titleShown());
    EXPECT_EQ(w.gridSolution.Top(), 360);
    EXPECT_EQ(w.lines(), (Lines{""}));
    w.hideTitle(false);
    w.startLines("the first report line");
    w.showSolution();
    EXPECT_EQ(w.gridSolution.Top(), 360);
    EXPECT_EQ(w.lines(), (Lines{"the first report line"}));
}

TEST_F(SolutionWindowTest, UnloadWithdrawsPrintAndSaveAsTextFile) {
    fillWithTitle();
    qv::enablePrintItems(true);
    pf::Unload<FrmSolution>();
    EXPECT_FALSE(pf::isLoaded<FrmSolution>());
    EXPECT_FALSE(frmMenu().mnuSolutionPrinttoPrinter->Enabled());
    EXPECT_FALSE(frmMenu().mnuSolutionPrinttoText->Enabled());
    // Nothing else on the menu changes.
    EXPECT_TRUE(frmMenu().mnuSolutionSolve->Enabled());
}

// The listing never takes the keyboard, by a click or by code; its handlers hand the
// focus to the main window from wherever it was (here the solution window itself).
// No key reaches it: the main window's own keys read it (main_window_keys_test).
TEST_F(SolutionWindowTest, ClicksAndCellMovesHandTheFocusToTheMainWindow) {
    fillWithTitle();
    FrmSolution& w = frmSolution();
    FrmMenu& m = frmMenu();
    EXPECT_FALSE(w.gridSolution.canTakeFocus());
    EXPECT_EQ(w.gridSolution.widget()->focusPolicy(), Qt::NoFocus);
    EXPECT_THROW(w.gridSolution.SetFocus(), pf::RuntimeError);

    pf::setFocusTo(nullptr, &w);
    w.gridSolution.userClickCell(2, 0);
    EXPECT_EQ(pf::focusedForm(), &m);
    EXPECT_EQ(pf::focusedControl(), nullptr);

    pf::setFocusTo(nullptr, &w);
    w.gridSolution.userClickCell(2, 0);  // the current line again: still a click
    EXPECT_EQ(pf::focusedForm(), &m);

    pf::setFocusTo(nullptr, &w);
    w.gridSolution.Row(3);  // code moving the current line
    EXPECT_EQ(pf::focusedForm(), &m);
    EXPECT_EQ(pf::focusedControl(), nullptr);
}

}  // namespace
