// The PERT/CPM parameters dialog and activity window, headless with the scripted host:
// the count box and OK, predecessor selection, the time boxes with their messages and
// Enter keys, Save and Solve committing a time being typed, a stored problem on Load, Solve,
// and a CPM file the module cannot show.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QScreen>
#include <QImage>
#include <QListWidget>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "network/QVPert_CPM.h"
#include "network/frmPERTCPM_Init.h"
#include "network/frmPERT_CPM.h"
#include "platform/ui/Keys.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/Modules.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmModuleSelection.h"
#include "shell/frmProblem.h"
#include "shell/frmSolution.h"
#include "tests/ui_keys.h"
#include "tests/ui_mouse.h"
#include "tests/ui_test_support.h"

namespace {

pf::ScriptedHost& h() { return pf::scriptedHost(); }
qv::PertBlock& P() { return qv::S().pert; }

std::string inputError(const std::string& text) {
    return "MSGBOX \"Data Input Error\" critical OK \"" + text + "\" -> OK";
}

int countOf(const std::string& line) {
    const auto& t = h().transcript;
    return static_cast<int>(std::count(t.begin(), t.end(), line));
}

const char* const kRange = "NOTE:  THE NUMBER OF ACTIVITIES MUST BE BETWEEN 1 AND 25.";
const char* const kInteger = "NOTE:  THE NUMBER OF ACTIVITIES MUST BE AN INTEGER VALUE.";
const char* const kMissing = "You must enter the number of activities.";
const char* const kCompletion = "NOTE:  THE COMPLETION TIME MUST BE GREATER THAN OR EQUAL TO ZERO.";
const char* const kOptimistic = "NOTE:  THE OPTIMISTIC TIME MUST BE GREATER THAN OR EQUAL TO 0.";
const char* const kProbable = "NOTE:  THE MOST PROBABLE TIME MUST BE GREATER THAN OR EQUAL TO THE OPTIMISTIC TIME.";
const char* const kPessimistic =
    "NOTE:  THE PESSIMISTIC TIME MUST BE GREATER THAN OR EQUAL TO THE MOST PROBABLE TIME.";
const std::string kReenter = "  PLEASE REENTER TIMES.";

class PertWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        qvtest::resetProgram();
        choosePert();
    }
    void TearDown() override {
        EXPECT_TRUE(h().allAnswersUsed());
        pf::unloadAll();
        h().clearAnswers();
    }

    // The module chosen and its home screen open, as the chooser's OK leaves them.
    static void choosePert() {
        frmMenu();
        pf::Unload<FrmModuleSelection>();
        auto& s = qv::S();
        s.intCurrentModule = 7;
        s.strProblemType = "PERT/CPM PROBLEM";
        s.strProblemFileExt = "CPM";
        frmProblem().Show();
        pf::collectUnloaded();
        h().transcript.clear();
    }

    // File New with the dialog acted out by `actions`.
    static void newProblem(const std::function<void(FrmPERTCPM_Init&)>& actions) {
        h().expectModal("frmPERTCPM_Init", [actions](pf::Form& f) { actions(static_cast<FrmPERTCPM_Init&>(f)); });
        frmMenu().mnuFileNew_Click();
    }

    // A new problem of n activities in the given mode, its window open.
    static FrmPERT_CPM& layOut(int n, int mode) {
        if (qv::S().strProblemEntered == "YES") h().expectMessage(pf::vbYes);  // over the problem before
        newProblem([&](FrmPERTCPM_Init& d) {
            d.txtNumActivities.SetFocus();
            pf::SendKeys(std::to_string(n), true);
            if (mode == 2) d.optActivityTime[1]->userClick();
            d.cmdOK.userClick();
        });
        h().transcript.clear();
        return frmPERT_CPM();
    }

    static pf::Grid& grid() { return frmPERT_CPM().gridDisplayEdit; }

    // Clicks a box and types into it.
    static void typeInto(pf::TextBox& box, const std::string& keys) {
        box.userClick();
        pf::SendKeys(keys, true);
    }
};

TEST_F(PertWindowTest, CountBoxAndOk) {
    struct Case {
        std::string text;
        const char* message;  // nullptr: accepted
        int count;
    } cases[] = {
        {"1", nullptr, 1},      {"25", nullptr, 25},     {"0", kRange, 0},       {"26", kRange, 0},
        {"-3", kRange, 0},      {"2.5", kInteger, 0},    {"abc", kRange, 0},     {"12abc", nullptr, 12},
        {"  7", nullptr, 7},    {"", kMissing, 0},       {std::string(400, '9'), kRange, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 20));
        qvtest::resetProgram();
        choosePert();
        newProblem([&](FrmPERTCPM_Init& d) {
            d.txtNumActivities.SetFocus();
            d.txtNumActivities.Text(c.text);
            if (c.message) h().expectMessage(pf::vbOK);
            d.cmdOK.userClick();
            if (!c.message) return;
            // Shown once, the dialog still open, the box handed back with its text selected.
            EXPECT_EQ(countOf(inputError(c.message)), 1);
            EXPECT_TRUE(pf::isLoaded<FrmPERTCPM_Init>());
            EXPECT_EQ(pf::focusedControl(), &d.txtNumActivities);
            EXPECT_EQ(d.txtNumActivities.SelLength(), static_cast<int>(c.text.size()));
            EXPECT_EQ(P().intActivityCount, 0);
            d.cmdCancel_Click();
        });
        if (c.message) {
            EXPECT_FALSE(pf::isLoaded<FrmPERT_CPM>());
            continue;
        }
        EXPECT_EQ(P().intActivityCount, c.count);
        EXPECT_EQ(P().intTimeEstimateMode.num(), 1);
        ASSERT_TRUE(pf::isLoaded<FrmPERT_CPM>());
        EXPECT_EQ(grid().Rows(), c.count + 2);
        EXPECT_EQ(frmPERT_CPM().lstActivityName.ListCount(), c.count);
        EXPECT_EQ(qv::S().strProblemEntered, "YES");
        EXPECT_TRUE(qv::S().blnNewProblem);  // new until saved or solved
        EXPECT_EQ(pf::focusedControl(), &frmPERT_CPM().lstActivityName);
    }
}

// OK goes on only with the count the box shows, and each refusal is shown once.
TEST_F(PertWindowTest, OkAfterATextTheBoxHasNotChecked) {
    newProblem([](FrmPERTCPM_Init& d) {
        d.txtNumActivities.SetFocus();
        pf::SendKeys("5{TAB}", true);  // accepted as the box is left
        EXPECT_EQ(P().intActivityCount, 5);
        d.txtNumActivities.Text("abc");  // never checked: the box did not have the focus
        h().expectMessage(pf::vbOK);
        d.cmdOK.userClick();
        EXPECT_EQ(countOf(inputError(kRange)), 1);
        EXPECT_EQ(pf::focusedControl(), &d.txtNumActivities);
        // Again: the refusal comes as the focus leaves the box, and OK adds none.
        h().expectMessage(pf::vbOK);
        d.cmdOK.userClick();
        EXPECT_EQ(countOf(inputError(kRange)), 2);
        EXPECT_TRUE(pf::isLoaded<FrmPERTCPM_Init>());
        // Enter and Esc do nothing here.
        pf::SendKeys("7{ENTER}{ESC}", true);
        EXPECT_TRUE(pf::isLoaded<FrmPERTCPM_Init>());
        EXPECT_EQ(P().intActivityCount, 5);
        // A good text set behind the box's back is checked first, and OK waits.
        d.optActivityTime[1]->userClick();  // the box is left: 7 is stored
        d.txtNumActivities.Text("9");
        d.cmdOK.userClick();
        EXPECT_EQ(P().intActivityCount, 9);
        EXPECT_TRUE(pf::isLoaded<FrmPERTCPM_Init>());
        EXPECT_EQ(pf::focusedControl(), &d.txtNumActivities);
        d.cmdOK.userClick();
    });
    EXPECT_EQ(P().intActivityCount, 9);
    EXPECT_EQ(P().intTimeEstimateMode.num(), 2);
    EXPECT_TRUE(frmPERT_CPM().frame3.Visible());
    EXPECT_FALSE(frmPERT_CPM().Frame4.Visible());
    EXPECT_EQ(grid().Cols(), 5);
}

TEST_F(PertWindowTest, CancelLeavesNoProblem) {
    qv::S().intDecimalPlaces = 2;  // from another module's problem
    newProblem([](FrmPERTCPM_Init& d) {
        d.txtNumActivities.SetFocus();
        pf::SendKeys("4{TAB}", true);
        d.cmdCancel.userClick();
    });
    EXPECT_FALSE(pf::isLoaded<FrmPERT_CPM>());
    EXPECT_EQ(qv::S().strProblemEntered, "NO");
    EXPECT_TRUE(qv::S().blnDialogCancelled);
    EXPECT_TRUE(qv::S().blnNewProblem);
    EXPECT_EQ(P().intPredecessorCounts(25).num(), 0);
    EXPECT_EQ(qv::S().intDecimalPlaces.num(), 0);
    EXPECT_EQ(pf::focusedForm(), &frmMenu());
    EXPECT_FALSE(frmMenu().mnuFileSave->Enabled());
    EXPECT_FALSE(frmMenu().mnuSolution->Enabled());
}

// The dialog's close command counts as Cancel.
TEST_F(PertWindowTest, CloseCommandCancels) {
    newProblem([](FrmPERTCPM_Init& d) {
        d.txtNumActivities.SetFocus();
        pf::SendKeys("4{TAB}", true);
        static_cast<QDialog*>(d.window())->reject();
        EXPECT_FALSE(pf::isLoaded<FrmPERTCPM_Init>());
    });
    EXPECT_TRUE(qv::S().blnDialogCancelled);
    EXPECT_FALSE(pf::isLoaded<FrmPERT_CPM>());
    EXPECT_EQ(qv::S().strProblemEntered, "NO");
    EXPECT_EQ(pf::focusedForm(), &frmMenu());
}

TEST_F(PertWindowTest, WindowLayout) {
    FrmPERT_CPM& w = layOut(3, 1);
    EXPECT_EQ(w.Caption(), "PERT/CPM Activity Schedule");
    EXPECT_EQ(w.Left(), 0);
    EXPECT_EQ(w.Top(), 0);
    EXPECT_TRUE(frmMenu().mnuFileSave->Enabled());
    EXPECT_TRUE(frmMenu().mnudispedit->Enabled());
    EXPECT_TRUE(frmMenu().mnuSolution->Enabled());
    pf::Grid& g = grid();
    EXPECT_EQ(g.Rows(), 5);
    EXPECT_EQ(g.Cols(), 3);
    EXPECT_EQ(g.ColWidth(0), 1000);
    EXPECT_EQ(g.ColWidth(1), 3000);
    EXPECT_EQ(g.ColWidth(2), 1600);
    const std::vector<std::string> rows[] = {{"", "Immediate", "Expected"},
                                             {"Activity", "Predecessors", "Time"},
                                             {"       A", "", ""},
                                             {"       B", "", ""},
                                             {"       C", "", ""}};
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 3; ++c) EXPECT_EQ(g.TextMatrix(r, c), rows[r][static_cast<std::size_t>(c)]) << r << "," << c;
    // Activity A is selected: no predecessors to offer, its time shown as 0.
    EXPECT_EQ(P().intCurrentActivity, 1);
    EXPECT_EQ(w.lstActivityName.ListIndex(), 0);
    EXPECT_EQ(w.lstPredecessor.ListCount(), 0);
    EXPECT_TRUE(w.lstPredecessor.Enabled());
    EXPECT_EQ(w.lblPredecessor.Caption(), "Select Predecessor of A:");
    EXPECT_EQ(w.lblActivityTime.Caption(), "Enter Activity Time of A:");
    EXPECT_EQ(w.txtExpectedTime.Text(), "0");
    EXPECT_TRUE(w.Frame4.Visible());
    EXPECT_TRUE(w.Frame4.Enabled());
    EXPECT_FALSE(w.frame3.Visible());

    FrmPERT_CPM& w2 = layOut(2, 2);
    EXPECT_EQ(grid().Cols(), 5);
    for (int c = 2; c <= 4; ++c) EXPECT_EQ(grid().ColWidth(c), 1600);
    EXPECT_EQ(grid().TextMatrix(0, 3), "Most Probable");
    EXPECT_EQ(grid().TextMatrix(1, 4), "Time");
    EXPECT_EQ(w2.txtOptimistic.Text(), "0");
    EXPECT_TRUE(w2.frame3.Enabled());
}

TEST_F(PertWindowTest, SelectingAndDeselectingPredecessors) {
    FrmPERT_CPM& w = layOut(4, 1);
    w.lstActivityName.userSelect(3);
    EXPECT_EQ(w.lstPredecessor.ListCount(), 3);  // D offers A, B and C
    w.lstActivityName.userSelect(2);
    EXPECT_EQ(w.lstPredecessor.ListCount(), 2);
    w.lstPredecessor.userSelect(1);
    w.lstPredecessor.userSelect(0);
    EXPECT_EQ(P().intPredecessorCounts(3).num(), 2);
    EXPECT_EQ(P().intPredecessorMatrix(3, 1).num(), 1);  // in letter order
    EXPECT_EQ(P().intPredecessorMatrix(3, 2).num(), 2);
    EXPECT_EQ(grid().TextMatrix(4, 1), "A, B");
    w.lstPredecessor.userSelect(1);  // C loses B
    EXPECT_EQ(P().intPredecessorCounts(3).num(), 1);
    EXPECT_EQ(P().intPredecessorMatrix(3, 1).num(), 1);
    EXPECT_EQ(grid().TextMatrix(4, 1), "A");
    w.lstPredecessor.userSelect(0);  // and then A
    EXPECT_EQ(P().intPredecessorCounts(3).num(), 0);
    EXPECT_EQ(grid().TextMatrix(4, 1), "");

    // Coming back to an activity shows its predecessors without storing them again:
    // the stored order stays as it was.
    P().intPredecessorCounts(4) = 2;
    P().intPredecessorMatrix(4, 1) = 3;
    P().intPredecessorMatrix(4, 2) = 1;
    w.lstActivityName.userSelect(3);
    EXPECT_TRUE(w.lstPredecessor.Selected(0));
    EXPECT_FALSE(w.lstPredecessor.Selected(1));
    EXPECT_TRUE(w.lstPredecessor.Selected(2));
    EXPECT_EQ(P().intPredecessorMatrix(4, 1).num(), 3);
    EXPECT_EQ(P().intPredecessorMatrix(4, 2).num(), 1);
    EXPECT_EQ(w.lblPredecessor.Caption(), "Select Predecessor of D:");
}

TEST_F(PertWindowTest, TimeBoxesCheckWhatIsLeft) {
    struct Case {
        int mode;
        const char* box;
        double a, m;          // stored estimates of B before
        const char* text;
        std::string message;  // empty: accepted
        const char* cell;     // the grid cell of B afterwards
        double decimals;
    } cases[] = {
        {1, "txtExpectedTime", 0, 0, "-1", kCompletion, "", 0},
        {1, "txtExpectedTime", 0, 0, "0", "", "0", 0},
        {1, "txtExpectedTime", 0, 0, "1X", kCompletion, "", 0},
        {1, "txtExpectedTime", 0, 0, "1.2.3", kCompletion, "", 0},
        {1, "txtExpectedTime", 0, 0, "1-2", kCompletion, "", 0},
        {1, "txtExpectedTime", 0, 0, "1,500", "", "1500", 0},
        {1, "txtExpectedTime", 0, 0, "2.5", "", "2.5", 1},
        {1, "txtExpectedTime", 0, 0, "2.25", "", "2.25", 2},
        {2, "txtOptimistic", 0, 0, "-1", kOptimistic, "", 0},
        {2, "txtOptimistic", 0, 0, "abc", kOptimistic, "", 0},
        {2, "txtProbable", 5, 0, "4", kProbable + kReenter, "", 0},
        {2, "txtProbable", 5, 0, "4a", kProbable, "", 0},
        {2, "txtProbable", 5, 0, "5", "", "5", 0},
        {2, "txtPessimistic", 5, 6, "5.5", kPessimistic + kReenter, "", 0},
        {2, "txtPessimistic", 5, 6, "6.5", "", "6.5", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " " + c.text);
        qvtest::resetProgram();
        choosePert();
        FrmPERT_CPM& w = layOut(2, c.mode);
        P().dblOptimisticTimes(2) = c.a;
        P().dblMostProbableTimes(2) = c.m;
        w.lstActivityName.userSelect(1);
        auto& box = *static_cast<pf::TextBox*>(w.control(c.box));
        typeInto(box, c.text);
        if (!c.message.empty()) h().expectMessage(pf::vbOK);
        w.lstActivityName.SetFocus();  // the box is left
        const int column = std::string(c.box) == "txtProbable" ? 3 : std::string(c.box) == "txtPessimistic" ? 4 : 2;
        EXPECT_EQ(grid().TextMatrix(3, column), c.cell);
        EXPECT_EQ(qv::S().intDecimalPlaces.num(), c.decimals);
        if (c.message.empty()) {
            EXPECT_EQ(h().transcript.size(), 0u);
            continue;
        }
        EXPECT_EQ(h().transcript.back(), inputError(c.message));
        EXPECT_EQ(pf::focusedControl(), &box);
        EXPECT_EQ(box.SelLength(), static_cast<int>(std::string(c.text).size()));
    }
}

// 3 after 2.25 leaves two decimals; a refused text stores nothing and keeps the cell.
TEST_F(PertWindowTest, DecimalPlacesAndRefusalsKeepWhatWasStored) {
    FrmPERT_CPM& w = layOut(2, 1);
    typeInto(w.txtExpectedTime, "2.25{ENTER}");
    w.lstActivityName.userSelect(1);
    typeInto(w.txtExpectedTime, "3{ENTER}");
    EXPECT_EQ(qv::S().intDecimalPlaces.num(), 2);
    h().expectMessage(pf::vbOK);
    typeInto(w.txtExpectedTime, "-4{ENTER}");
    EXPECT_EQ(P().dblExpectedTimes(2).num(), 3);
    EXPECT_EQ(grid().TextMatrix(3, 2), "3");
    // An empty box can be left without a message.
    w.txtExpectedTime.Text("");
    w.lstActivityName.SetFocus();
    EXPECT_EQ(P().dblExpectedTimes(2).num(), 3);
}

TEST_F(PertWindowTest, EnterInEachBox) {
    FrmPERT_CPM& w = layOut(1, 1);
    typeInto(w.txtExpectedTime, "4{ENTER}");
    EXPECT_EQ(P().dblExpectedTimes(1).num(), 4);  // checked at once
    EXPECT_EQ(pf::focusedControl(), &w.txtExpectedTime);
    h().expectMessage(pf::vbOK);
    pf::SendKeys("x{ENTER}", true);
    EXPECT_EQ(h().transcript.back(), inputError(kCompletion));
    EXPECT_EQ(pf::focusedControl(), &w.txtExpectedTime);
    EXPECT_EQ(w.txtExpectedTime.SelLength(), 2);  // "4x" selected for typing over

    FrmPERT_CPM& w2 = layOut(1, 2);
    typeInto(w2.txtOptimistic, "1{ENTER}");
    EXPECT_EQ(pf::focusedControl(), &w2.txtProbable);
    EXPECT_EQ(P().dblOptimisticTimes(1).num(), 1);
    pf::SendKeys("2{ENTER}", true);
    EXPECT_EQ(pf::focusedControl(), &w2.txtPessimistic);
    EXPECT_EQ(P().dblMostProbableTimes(1).num(), 2);
    pf::SendKeys("4{ENTER}", true);
    EXPECT_EQ(pf::focusedControl(), &w2.txtOptimistic);
    EXPECT_EQ(P().dblPessimisticTimes(1).num(), 4);
    EXPECT_EQ(grid().TextMatrix(2, 2), "1");
    EXPECT_EQ(grid().TextMatrix(2, 3), "2");
    EXPECT_EQ(grid().TextMatrix(2, 4), "4");
    // A refused estimate keeps the focus where it was typed.
    h().expectMessage(pf::vbOK);
    pf::SendKeys("-1{ENTER}", true);
    EXPECT_EQ(pf::focusedControl(), &w2.txtOptimistic);
}

// The menus open without a check; Save and Solve check and store a time still being
// typed first. A refused time is its box's one message, the box keeps the keyboard with
// its text selected, and the command stops there.
TEST_F(PertWindowTest, SaveAndSolveCommitATimeBeingTyped) {
    FrmPERT_CPM& w = layOut(1, 1);
    typeInto(w.txtExpectedTime, "7");
    frmMenu().mnuFile_Click();
    EXPECT_EQ(grid().TextMatrix(2, 2), "");  // opening the menu stored nothing
    h().expectFileCancel();
    frmMenu().mnuFileSave_Click();
    EXPECT_EQ(P().dblExpectedTimes(1).num(), 7);
    EXPECT_EQ(grid().TextMatrix(2, 2), "7");

    // Three estimates are checked optimistic, pessimistic, most probable: a pessimistic
    // time is compared with the most probable time stored before this commit.
    FrmPERT_CPM& w2 = layOut(1, 2);
    w2.txtOptimistic.Text("1");
    w2.txtProbable.Text("3");
    w2.txtPessimistic.Text("2");
    frmMenu().mnuSolution_Click();
    EXPECT_EQ(P().dblOptimisticTimes(1).num(), 0);
    frmMenu().mnuSolutionSolve_Click();
    pf::collectUnloaded();
    for (const std::string& line : h().transcript) EXPECT_EQ(line.find("MSGBOX"), std::string::npos) << line;
    EXPECT_EQ(P().dblOptimisticTimes(1).num(), 1);
    EXPECT_EQ(P().dblPessimisticTimes(1).num(), 2);
    EXPECT_EQ(P().dblMostProbableTimes(1).num(), 3);
    ASSERT_TRUE(qv::solutionShown());
    // Back to the problem: the pessimistic time is now below the most probable one.
    frmMenu().mnudispeditsubs_Click(0);
    pf::collectUnloaded();
    h().transcript.clear();
    h().expectMessage(pf::vbOK);
    frmMenu().mnuSolutionSolve_Click();
    pf::collectUnloaded();
    EXPECT_EQ(h().transcript, std::vector<std::string>{inputError(kPessimistic + kReenter)});
    EXPECT_FALSE(qv::solutionShown());
    ASSERT_TRUE(pf::isLoaded<FrmPERT_CPM>());
    FrmPERT_CPM& w3 = frmPERT_CPM();
    EXPECT_EQ(pf::focusedControl(), &w3.txtPessimistic);
    EXPECT_EQ(w3.txtPessimistic.SelLength(), 1);

    // The first refusal ends the commit: the most probable time, below the optimistic
    // time stored after it, is not judged, and the typed box speaks once.
    FrmPERT_CPM& w4 = layOut(1, 2);
    typeInto(w4.txtOptimistic, "1{ENTER}3{ENTER}5{ENTER}4");
    grid().userClickCell(2, 1);
    ASSERT_EQ(P().dblOptimisticTimes(1).num(), 4);
    typeInto(w4.txtOptimistic, "-1");
    h().transcript.clear();
    h().expectMessage(pf::vbOK);
    frmMenu().mnuSolutionSolve_Click();
    EXPECT_EQ(h().transcript, std::vector<std::string>{inputError(kOptimistic)});
    EXPECT_EQ(pf::focusedControl(), &w4.txtOptimistic);
    EXPECT_EQ(w4.txtOptimistic.SelLength(), 2);
    EXPECT_FALSE(qv::solutionShown());
}

TEST_F(PertWindowTest, GridHandsTheFocusToTheMainWindow) {
    // The main window takes the focus; the keyboard goes to the window's first field,
    // as the display grid takes no input.
    FrmPERT_CPM& w = layOut(2, 1);
    typeInto(w.txtExpectedTime, "3");
    grid().userClickCell(3, 2);
    EXPECT_EQ(pf::focusedControl(), &w.lstActivityName);
    EXPECT_EQ(P().dblExpectedTimes(1).num(), 3);  // leaving the box checked it
    grid().SetFocus();
    grid().deliverKey(pf::vbKeyMenu, pf::vbAltMask, 0);
    EXPECT_EQ(pf::focusedControl(), &w.lstActivityName);
    grid().SetFocus();
    grid().deliverKey('F', pf::vbShiftMask, 'F');
    EXPECT_EQ(pf::focusedControl(), &grid());

    // A box that refuses its text as the grid is clicked keeps the focus: one message.
    typeInto(w.txtExpectedTime, "x");
    h().expectMessage(pf::vbOK);
    grid().userClickCell(2, 1);
    EXPECT_EQ(countOf(inputError(kCompletion)), 1);
    EXPECT_EQ(pf::focusedControl(), &w.txtExpectedTime);
}

TEST_F(PertWindowTest, AStoredProblemIsShownOnLoad) {
    layOut(3, 2);
    pf::Unload<FrmPERT_CPM>();
    pf::collectUnloaded();
    auto& s = qv::S();
    s.blnNewProblem = false;
    P().dblOptimisticTimes(1) = 0.25;
    P().dblMostProbableTimes(1) = 1.5;
    P().dblPessimisticTimes(1) = 1500;
    P().intPredecessorCounts(3) = 2;
    P().intPredecessorMatrix(3, 1) = 2;
    P().intPredecessorMatrix(3, 2) = 1;
    P().dblMostProbableTimes(3) = 2;
    QVPert_CPM::ShowActivityWindow();
    FrmPERT_CPM& w = frmPERT_CPM();
    EXPECT_EQ(grid().TextMatrix(2, 2), "0.25");
    EXPECT_EQ(grid().TextMatrix(2, 3), "1.5");
    EXPECT_EQ(grid().TextMatrix(2, 4), "1500");
    EXPECT_EQ(grid().TextMatrix(3, 1), "");
    EXPECT_EQ(grid().TextMatrix(3, 2), "0");
    EXPECT_EQ(grid().TextMatrix(4, 1), "B, A");
    EXPECT_EQ(grid().TextMatrix(4, 3), "2");
    EXPECT_EQ(w.txtOptimistic.Text(), "0.25");
    EXPECT_EQ(w.txtProbable.Text(), "1.5");
    EXPECT_EQ(w.txtPessimistic.Text(), "1500");
    w.lstActivityName.userSelect(2);
    EXPECT_TRUE(w.lstPredecessor.Selected(0));
    EXPECT_TRUE(w.lstPredecessor.Selected(1));
    EXPECT_EQ(P().intPredecessorMatrix(3, 1).num(), 2);
}

TEST_F(PertWindowTest, SolveClosesTheWindowAndShowsTheSchedule) {
    FrmPERT_CPM& w = layOut(2, 1);
    typeInto(w.txtExpectedTime, "3{ENTER}");
    w.lstActivityName.userSelect(1);
    w.lstPredecessor.userSelect(0);
    typeInto(w.txtExpectedTime, "4");  // still being typed: Solve stores it first
    frmMenu().mnuSolution_Click();
    frmMenu().mnuSolutionSolve_Click();
    pf::collectUnloaded();
    EXPECT_FALSE(pf::isLoaded<FrmPERT_CPM>());
    EXPECT_FALSE(qv::S().blnNewProblem);
    ASSERT_TRUE(qv::solutionShown());
    EXPECT_EQ(frmSolution().title(), "Optimal PERT/CPM Network");
    const auto lines = frmSolution().lines();
    EXPECT_EQ(lines.front(), "");
    EXPECT_EQ(lines.back(), "        PROJECT COMPLETION TIME = 7");
    EXPECT_TRUE(frmMenu().mnuSolutionPrinttoPrinter->Enabled());
    EXPECT_TRUE(frmMenu().mnuSolutionPrinttoText->Enabled());
    EXPECT_FALSE(h().busy());

    // Edit item 0 brings the activity window back with the stored problem.
    frmMenu().mnudispeditsubs_Click(0);
    ASSERT_TRUE(pf::isLoaded<FrmPERT_CPM>());
    EXPECT_EQ(grid().TextMatrix(3, 1), "A");
    EXPECT_EQ(grid().TextMatrix(3, 2), "4");
    EXPECT_FALSE(frmMenu().mnuSolutionPrinttoPrinter->Enabled());
}

// The activity window's caption shows in the main window's title while it is open.
TEST_F(PertWindowTest, MainTitleNamesTheActivityWindowWhileItIsOpen) {
    auto title = [] { return frmMenu().window()->windowTitle().toStdString(); };
    const std::string plain = "The Quorvane Version 6.0";
    const std::string withWindow = plain + " - [PERT/CPM Activity Schedule]";
    EXPECT_EQ(title(), plain);
    FrmPERT_CPM& w = layOut(1, 1);
    EXPECT_EQ(title(), withWindow);
    typeInto(w.txtExpectedTime, "3{ENTER}");
    frmMenu().mnuSolutionSolve_Click();
    pf::collectUnloaded();
    ASSERT_TRUE(qv::solutionShown());
    EXPECT_EQ(title(), plain);
    frmMenu().mnudispeditsubs_Click(0);
    EXPECT_EQ(title(), withWindow);
    h().expectMessage(pf::vbYes);  // the problem given up
    frmMenu().mnuFileChangeModules_Click();
    pf::collectUnloaded();
    EXPECT_EQ(title(), plain);
}

// A CPM file whose time mode the module does not know, or that holds a time below 0,
// is refused by the reader, and nothing of it is laid out.
TEST_F(PertWindowTest, AFileWithAnUnknownTimeModeOrANegativeTimeIsRefused) {
    namespace fs = std::filesystem;
    const std::string refused =
        "MSGBOX \"Error Opening File\" critical OK \"File Input Error.  Make sure this is a file for "
        "the current module.\" -> OK";
    const fs::path file = fs::temp_directory_path() / "quorvane-pert-refused.CPM";
    for (const char* text : {"0,0,2,3\r\n3,0\r\n4,1\r\n1\r\n", "0,0,2,1\r\n3,0\r\n-4,1\r\n1\r\n"}) {
        SCOPED_TRACE(text);
        h().transcript.clear();
        std::ofstream(file, std::ios::binary) << text;
        h().expectFile(file.string());
        h().expectMessage(pf::vbOK);
        frmMenu().mnuFileOpen_Click();
        fs::remove(file);
        EXPECT_EQ(countOf(refused), 1);
        EXPECT_FALSE(pf::isLoaded<FrmPERT_CPM>());
        EXPECT_EQ(qv::S().strProblemEntered, "NO");
        EXPECT_FALSE(frmMenu().mnuSolution->Enabled());
    }
}

// The keyboard on the activity window: real key events on the real widgets.
using qvtest::pressOnFocused;

// Arrows move only the current predecessor; Space picks it. Two apart are picked,
// the one between stays as it was.
TEST_F(PertWindowTest, PredecessorsPickedByArrowsAndSpace) {
    FrmPERT_CPM& w = layOut(4, 1);
    w.lstActivityName.userSelect(3);  // D: A, B and C offered
    ASSERT_EQ(w.lstPredecessor.ListCount(), 3);
    w.lstPredecessor.SetFocus();
    pressOnFocused(Qt::Key_End);
    pressOnFocused(Qt::Key_Home);
    EXPECT_EQ(w.lstPredecessor.SelCount(), 0);  // moving picks nothing
    pressOnFocused(Qt::Key_Space, Qt::NoModifier, " ");
    pressOnFocused(Qt::Key_Down);
    pressOnFocused(Qt::Key_Down);
    EXPECT_EQ(w.lstPredecessor.SelCount(), 1);
    pressOnFocused(Qt::Key_Space, Qt::NoModifier, " ");
    EXPECT_TRUE(w.lstPredecessor.Selected(0));
    EXPECT_FALSE(w.lstPredecessor.Selected(1));
    EXPECT_TRUE(w.lstPredecessor.Selected(2));
    EXPECT_EQ(P().intPredecessorCounts(4).num(), 2);
    EXPECT_EQ(grid().TextMatrix(5, 1), "A, C");
    // Space again drops the current one.
    pressOnFocused(Qt::Key_Space, Qt::NoModifier, " ");
    EXPECT_EQ(grid().TextMatrix(5, 1), "A");
    EXPECT_EQ(P().intPredecessorCounts(3).num(), 0);  // C untouched
}

// A project longer than the grid: choosing an activity in the list with the keys
// brings its row into view, scrolling no further than it takes.
TEST_F(PertWindowTest, ChoosingAnActivityBringsItsRowIntoView) {
    for (int mode : {1, 2}) {
        SCOPED_TRACE(mode);
        qvtest::resetProgram();
        choosePert();
        FrmPERT_CPM& w = layOut(25, mode);
        pf::Grid& g = grid();
        const int shown = static_cast<QAbstractScrollArea*>(g.widget())->verticalScrollBar()->pageStep();
        ASSERT_LT(shown, 25) << "the grid shows every activity: nothing to scroll";
        struct Step {
            int key;
            int index;  // the activity chosen, 0 for A
            int top;    // the first activity row in view afterwards
        } steps[] = {
            {Qt::Key_End, 24, 26 - shown + 1},     // Y, the last row, at the bottom
            {Qt::Key_Up, 23, 26 - shown + 1},      // X is in view already: no scroll
            {Qt::Key_Home, 0, 2},                  // A at the top again
            {Qt::Key_Down, 1, 2},
            {Qt::Key_End, 24, 26 - shown + 1},
        };
        const int currentRow = g.Row();
        w.lstActivityName.SetFocus();
        for (const Step& st : steps) {
            pressOnFocused(st.key);
            EXPECT_EQ(w.lstActivityName.ListIndex(), st.index) << st.key;
            EXPECT_EQ(P().intCurrentActivity, st.index + 1) << st.key;
            EXPECT_EQ(g.TopRow(), st.top) << st.key;
            const int row = st.index + 2;
            EXPECT_GE(row, g.TopRow()) << st.key;
            EXPECT_LT(row, g.TopRow() + shown) << st.key;
        }
        EXPECT_EQ(g.TextMatrix(26, 0), "       Y");
        // The grid's own current cell is not moved by the choice.
        EXPECT_EQ(g.Row(), currentRow);
    }
}

// The activity list with no activity chosen (the window's own code can leave it so) has
// no keyboard entry either: Tab into it, then Down chooses A, not B.
TEST_F(PertWindowTest, DownInTheActivityListWithNoneChosenChoosesA) {
    FrmPERT_CPM& w = layOut(3, 1);
    qvtest::activeOnScreen(frmMenu());
    qvtest::clickControl(w.txtExpectedTime);
    w.lstActivityName.ListIndex(-1);
    ASSERT_EQ(qvtest::listWidget(w.lstActivityName)->selectedItems().size(), 0);
    pressOnFocused(Qt::Key_Tab);
    ASSERT_EQ(pf::focusedControl(), &w.lstActivityName);
    ASSERT_EQ(QApplication::focusWidget(), w.lstActivityName.widget());
    pressOnFocused(Qt::Key_Down);
    EXPECT_EQ(w.lstActivityName.ListIndex(), 0);
    EXPECT_EQ(P().intCurrentActivity, 1);
    EXPECT_TRUE(qvtest::listWidget(w.lstActivityName)->item(0)->isSelected());
    EXPECT_EQ(qvtest::listWidget(w.lstActivityName)->selectedItems().size(), 1);
}

// Pasted text is judged when the box is left, by the box's own check.
TEST_F(PertWindowTest, PasteIntoTheTimeBoxThenTab) {
    struct Case {
        const char* pasted;
        bool refused;
    } cases[] = {{"12", false}, {"1a", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pasted);
        qvtest::resetProgram();
        choosePert();
        FrmPERT_CPM& w = layOut(2, 1);
        w.txtExpectedTime.SetFocus();  // its whole text "0" selected
        QApplication::clipboard()->setText(QString::fromLatin1(c.pasted));
        pressOnFocused(Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(w.txtExpectedTime.Text(), c.pasted);
        if (c.refused) h().expectMessage(pf::vbOK);
        pressOnFocused(Qt::Key_Tab);
        if (c.refused) {
            EXPECT_EQ(h().transcript.back(), inputError(kCompletion));
            EXPECT_EQ(pf::focusedControl(), &w.txtExpectedTime);
            EXPECT_EQ(grid().TextMatrix(2, 2), "");
        } else {
            EXPECT_EQ(P().dblExpectedTimes(1).num(), 12);
            EXPECT_EQ(grid().TextMatrix(2, 2), "12");
            EXPECT_NE(pf::focusedControl(), &w.txtExpectedTime);
        }
    }
}

// A click that gives a time box the focus leaves its whole text selected, so that
// typing replaces it: 12, not 120.
TEST_F(PertWindowTest, ClickIntoATimeBoxThenType) {
    FrmPERT_CPM& w = layOut(2, 1);
    QWidget* top = frmMenu().window();
    top->show();
    top->activateWindow();
    QApplication::setActiveWindow(top);
    QApplication::processEvents();
    w.lstActivityName.SetFocus();
    ASSERT_EQ(w.txtExpectedTime.Text(), "0");
    QWidget* box = w.txtExpectedTime.widget();
    // What a click does: the focus first, then the press and release at the text's left.
    const QPointF at(1, box->height() / 2);
    box->setFocus(Qt::MouseFocusReason);
    QMouseEvent down(QEvent::MouseButtonPress, at, box->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &down);
    QMouseEvent up(QEvent::MouseButtonRelease, at, box->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(box, &up);
    ASSERT_EQ(pf::focusedControl(), &w.txtExpectedTime);
    EXPECT_EQ(w.txtExpectedTime.SelLength(), 1);
    pressOnFocused(Qt::Key_1, Qt::NoModifier, "1");
    pressOnFocused(Qt::Key_2, Qt::NoModifier, "2");
    pressOnFocused(Qt::Key_Tab);
    EXPECT_EQ(P().dblExpectedTimes(1).num(), 12);
    EXPECT_EQ(grid().TextMatrix(2, 2), "12");
    // A second click into the focused box places the caret as usual.
    w.txtExpectedTime.SetFocus();
    QApplication::sendEvent(box, &down);
    QApplication::sendEvent(box, &up);
    EXPECT_EQ(w.txtExpectedTime.SelLength(), 0);
    top->hide();
}

// What the screen shows at the right half of a list entry (the letter sits at its left).
QColor drawnEntry(pf::ListBox& list, int row) {
    QApplication::processEvents();
    QListWidget* l = qvtest::listWidget(list);
    const QRect r = l->visualItemRect(l->item(row));
    const QPoint at = l->viewport()->mapToGlobal(QPoint(r.left() + r.width() * 3 / 4, r.center().y()));
    return l->screen()->grabWindow(0, at.x(), at.y(), 1, 1).toImage().pixelColor(0, 0);
}

// An activity chosen by a click or by an arrow shows its predecessor list from the top,
// with the keyboard on its first letter; the stored predecessors are shown selected and
// keep their stored order. A double click on a letter picks it once, as a click does.
TEST_F(PertWindowTest, PredecessorListOpensAtItsFirstLetter) {
    FrmPERT_CPM& w = layOut(25, 1);
    P().intPredecessorCounts(24) = 2;  // X after V and C
    P().intPredecessorMatrix(24, 1) = 22;
    P().intPredecessorMatrix(24, 2) = 3;
    P().intPredecessorCounts(25) = 2;  // Y after W and B
    P().intPredecessorMatrix(25, 1) = 23;
    P().intPredecessorMatrix(25, 2) = 2;
    grid().TextMatrix(25, 1, "V, C");
    grid().TextMatrix(26, 1, "W, B");
    QWidget* top = frmMenu().window();
    top->show();
    top->activateWindow();
    QApplication::processEvents();

    struct Step {
        const char* how;
        int activity;          // 1 for A
        std::vector<int> stored;  // predecessors in stored order
        const char* shown;
    } steps[] = {
        {"click on Y", 25, {23, 2}, "W, B"},
        {"Up to X", 24, {22, 3}, "V, C"},
    };
    for (const Step& st : steps) {
        SCOPED_TRACE(st.how);
        if (st.activity == 25) {
            // The user scrolls the activity list down to Y and clicks it.
            QScrollBar* bar = qvtest::listWidget(w.lstActivityName)->verticalScrollBar();
            bar->setValue(bar->maximum());
            qvtest::clickEntry(w.lstActivityName, 24);
        } else {
            ASSERT_EQ(pf::focusedControl(), &w.lstActivityName);
            pressOnFocused(Qt::Key_Up);
        }
        ASSERT_EQ(P().intCurrentActivity, st.activity);
        QApplication::processEvents();
        ASSERT_EQ(w.lstPredecessor.ListCount(), st.activity - 1);
        ASSERT_GT(qvtest::listWidget(w.lstPredecessor)->verticalScrollBar()->maximum(), 0) << "nothing to scroll";
        EXPECT_EQ(w.lstPredecessor.ListIndex(), 0);
        EXPECT_EQ(qvtest::listWidget(w.lstPredecessor)->currentRow(), 0);
        EXPECT_EQ(qvtest::topRow(w.lstPredecessor), 0);
        EXPECT_EQ(w.lstPredecessor.SelCount(), 2);
        for (int p : st.stored) EXPECT_TRUE(w.lstPredecessor.Selected(p - 1)) << p;
        EXPECT_EQ(P().intPredecessorCounts(st.activity).num(), 2);
        for (int k = 1; k <= 2; ++k)
            EXPECT_EQ(P().intPredecessorMatrix(st.activity, k).num(), st.stored[static_cast<std::size_t>(k) - 1]);
        EXPECT_EQ(grid().TextMatrix(st.activity + 1, 1), st.shown);
    }

    // X: a double click on A picks it once; what is drawn agrees.
    qvtest::doubleClickEntry(w.lstPredecessor, 0);
    EXPECT_TRUE(w.lstPredecessor.Selected(0));
    EXPECT_EQ(w.lstPredecessor.ListIndex(), 0);
    EXPECT_EQ(P().intPredecessorCounts(24).num(), 3);
    EXPECT_EQ(grid().TextMatrix(25, 1), "A, C, V");
    // The entry under the mouse is drawn a shade lighter: the nearer colour tells.
    const QColor picked = drawnEntry(w.lstPredecessor, 2), unpicked = drawnEntry(w.lstPredecessor, 1);
    const auto drawnPicked = [&](int row) {
        const QColor c = drawnEntry(w.lstPredecessor, row);
        const auto distance = [&c](const QColor& o) {
            return std::abs(c.red() - o.red()) + std::abs(c.green() - o.green()) + std::abs(c.blue() - o.blue());
        };
        return distance(picked) < distance(unpicked);
    };
    ASSERT_GT(std::abs(picked.lightness() - unpicked.lightness()), 60);
    EXPECT_TRUE(drawnPicked(0));
    // Another double click drops it again, once.
    qvtest::doubleClickEntry(w.lstPredecessor, 0);
    EXPECT_FALSE(w.lstPredecessor.Selected(0));
    EXPECT_EQ(grid().TextMatrix(25, 1), "C, V");
    EXPECT_FALSE(drawnPicked(0));
    top->hide();
}

}  // namespace
