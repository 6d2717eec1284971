// The key after the main window hands the keyboard back to a grid (a label's click, a
// menu command, Open, Save) starts a new entry in the current cell; the value typed
// before is kept. Typing on, a click that hands nothing over, Alt alone and a menu
// opened and closed let the entry go on. Real mouse and key events, sent where a
// user's arrive.
#include <gtest/gtest.h>

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "lp/frmLPproblem.h"
#include "markov/Markov.h"
#include "platform/core/Format.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmProblem.h"
#include "shell/frmTransObj.h"
#include "tests/decision/decision_test_support.h"
#include "tests/forecast/forecast_ui_fixture.h"
#include "tests/lp/lp_test_support.h"
#include "tests/ui_mouse.h"
#include "tests/ui_test_support.h"

namespace {

namespace fs = std::filesystem;
using qvtest::clickCell;
using qvtest::clickControl;
using qvtest::settle;
using qvtest::typeAtFocus;

pf::ScriptedHost& h() { return pf::scriptedHost(); }

// The main window on screen and active, the window in front laid out.
void activateMain() {
    qvtest::activeOnScreen(frmMenu());
    h().transcript.clear();
}

// A forecasting series as Open leaves it: the keyboard in the grid at period 1.
pf::Grid& forecastWindow(std::initializer_list<double> values) {
    qvtest::mainWindowAlone(11);
    qv::S().strProblemFileExt = "FOR";
    frmProblem().Show();
    pf::Grid& g = fctest::layOutSeries(values);
    activateMain();
    return g;
}

pf::Grid& markovWindow() {
    qvtest::mainWindowAlone(12);
    auto& s = qv::S();
    frmProblem().Show();
    s.mk.intStateCount = 2;
    Markov::InitMarkovArrays();
    s.blnNewProblem = true;
    Markov::BuildMarkovInputGrid();
    s.blnNewProblem = false;
    activateMain();
    return frmProblem().gridDisplayEdit;
}

pf::Grid& lpGrid(int i) { return *frmLPproblem().Grid[static_cast<std::size_t>(i)]; }

void lpWindow() {
    qvtest::newLPLaidOut(1, 2, 2);
    activateMain();
}

pf::Grid& decisionWindow() {
    qvtest::mainWindowAlone(10);
    FrmDecisionProblem& w = qvtest::decisionLaidOut(2, 2, false, false);
    activateMain();
    return *w.Grid[0];
}

QMenuBar* menuBar() { return qvtest::menuBarOf(frmMenu()); }

void openMenu(pf::MenuItem& menu) { qvtest::openMenuWithMouse(frmMenu(), menu); }
void choose(pf::MenuItem& menu, pf::MenuItem& item) { qvtest::chooseWithMouse(frmMenu(), menu, item); }

// Closes an open menu choosing nothing, with a second click on its title. The window
// system keeps the main window active under a popup; the offscreen platform needs telling.
void closeMenu(pf::MenuItem& menu) {
    QMenuBar* bar = menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu.qmenu()->menuAction()).center());
    settle();
    ASSERT_FALSE(menu.qmenu()->isVisible());
    QWidget* main = frmMenu().window();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    settle();
}

pf::MenuItem& editItem(int index) { return (*frmMenu().mnudispeditsubs)(index); }

// A value typed into a cell the user clicks.
pf::Grid& typedInto(pf::Grid& g, int r, int c, const char* text) {
    clickCell(g, r, c);
    typeAtFocus(text);
    return g;
}

double stored(int period) { return qv::S().fc.dblTimeSeries(period, 1).num(); }

class FreshEntryTest : public qvtest::ProgramTest {};

// A value typed, a road taken, then 9: the cell current after the road holds 9 alone.
TEST_F(FreshEntryTest, TheKeyAfterAHandOverStartsANewEntry) {
    const fs::path dir = qvtest::emptyTestDir("qv_fresh");
    // A window laid out, and its grid that takes the typing, read afresh after the road.
    struct Window {
        std::function<void()> layOut;
        std::function<pf::Grid&()> grid;
    };
    struct Road {
        const char* name;
        Window window;
        int typedRow, typedCol;
        const char* typed;
        std::function<void()> take;
        int row, col;                  // the cell current after it
        std::function<void()> kept;    // what was typed before is still there
    };
    auto problemGrid = [] () -> pf::Grid& { return frmProblem().gridDisplayEdit; };
    const Window series{[] { forecastWindow({10, 20, 30, 40}); }, problemGrid};
    const Window markov{[] { markovWindow(); }, problemGrid};
    auto lp = [](int i) { return Window{lpWindow, [i] () -> pf::Grid& { return lpGrid(i); }}; };
    auto edit = [](int item, const char* answer) {
        return [item, answer] {
            h().expectInput(answer);
            choose(*frmMenu().mnudispedit, editItem(item));
        };
    };
    auto cancelledSave = [] {
        h().expectFileCancel();
        choose(*frmMenu().mnuFile, *frmMenu().mnuFileSave);
    };
    auto keptInSeries = [](int period, double value) {
        return [period, value] {
            EXPECT_EQ(frmProblem().gridDisplayEdit.TextMatrix(period, 1), pf::PlainNumber(value));
            EXPECT_EQ(stored(period), value);
        };
    };
    const Road roads[] = {
        {"forecasting: the instruction label", series, 3, 1, "22", [] { clickControl(frmProblem().lblInfo); }, 3, 1,
         nullptr},
        {"Markov: the instruction label", markov, 1, 2, ".2", [] { clickControl(frmProblem().lblInfo); }, 1, 2,
         nullptr},
        {"LP: the instruction label", lp(0), 1, 2, "12", [] { clickControl(frmLPproblem().lblInfo); }, 1, 2, nullptr},
        {"forecasting: Delete Time Periods, the last period typed into", series, 4, 1, "44", edit(4, "1"), 3, 1,
         nullptr},
        {"forecasting: Delete Time Periods, another period typed into", series, 2, 1, "22", edit(4, "1"), 3, 1,
         keptInSeries(1, 22)},
        {"forecasting: Add Time Periods", series, 4, 1, "44", edit(3, "2"), 5, 1, keptInSeries(4, 44)},
        {"LP: Add Constraints", lp(1), 1, 1, "7", edit(3, "1"), 3, 1,
         [] {
             EXPECT_EQ(lpGrid(1).TextMatrix(1, 1), "7");
             EXPECT_EQ(qv::S().lp.dblProblemMatrix(1, 1).num(), 7);
         }},
        {"LP: a menu command whose dialog closes (Change Optimization Type)", lp(0), 1, 1, "12",
         [] {
             h().expectModal("frmTransObj", [](pf::Form& f) {
                 static_cast<FrmTransObj&>(f).optMinimize.userClick();
                 static_cast<FrmTransObj&>(f).cmdOK.userClick();
             });
             choose(*frmMenu().mnudispedit, editItem(7));
         },
         1, 1, nullptr},
        // Save reads every period and leaves the cell where the user typed.
        {"forecasting: a cancelled Save", series, 2, 1, "22", cancelledSave, 2, 1, [] { EXPECT_EQ(stored(2), 22); }},
        {"forecasting: a cancelled Save, the last period typed into", series, 4, 1, "44", cancelledSave, 4, 1, nullptr},
        {"forecasting: Open", series, 1, 1, "11",
         [&dir] {
             const fs::path file = dir / "four.FOR";
             std::ofstream(file, std::ios::binary) << "4,0\r\n1\r\n2\r\n3\r\n4\r\n";
             h().expectMessage(pf::vbYes);
             h().expectFile(file.string());
             choose(*frmMenu().mnuFile, *frmMenu().mnuFileOpen);
         },
         1, 1, nullptr},
    };
    for (const Road& r : roads) {
        SCOPED_TRACE(r.name);
        qvtest::resetProgram();
        r.window.layOut();
        typedInto(r.window.grid(), r.typedRow, r.typedCol, r.typed);
        r.take();
        ASSERT_TRUE(h().allAnswersUsed());
        pf::Grid& g = r.window.grid();
        ASSERT_EQ(pf::focusedControl(), &g);
        ASSERT_EQ(QApplication::focusWidget(), g.widget());
        EXPECT_EQ(g.Row(), r.row);
        EXPECT_EQ(g.Col(), r.col);
        typeAtFocus("9");
        EXPECT_EQ(g.TextMatrix(r.row, r.col), "9");
        if (r.kept) r.kept();
    }
}

// What was typed before the label's click is not lost when an Edit operation lays the
// grid out again: the menu stores it as it opens.
TEST_F(FreshEntryTest, AValueTypedBeforeTheLabelsClickSurvivesTheEditOperation) {
    {
        SCOPED_TRACE("forecasting: Delete Time Periods");
        pf::Grid& g = typedInto(forecastWindow({10, 20, 30, 40}), 2, 1, "22");
        clickControl(frmProblem().lblInfo);
        h().expectInput("1");
        choose(*frmMenu().mnudispedit, editItem(4));
        ASSERT_EQ(g.Rows(), 4);
        for (int t = 1; t <= 3; ++t) {
            const double want[] = {22, 30, 40};
            EXPECT_EQ(g.TextMatrix(t, 1), std::to_string(static_cast<int>(want[t - 1])));
            EXPECT_EQ(stored(t), want[t - 1]);
        }
    }
    {
        SCOPED_TRACE("LP: Add Constraints");
        qvtest::resetProgram();
        lpWindow();
        typedInto(lpGrid(1), 2, 2, "6");
        clickControl(frmLPproblem().lblInfo);
        h().expectInput("1");
        choose(*frmMenu().mnudispedit, editItem(3));
        ASSERT_EQ(lpGrid(1).Rows(), 4);
        EXPECT_EQ(lpGrid(1).TextMatrix(2, 2), "6");
        EXPECT_EQ(qv::S().lp.dblProblemMatrix(2, 2).num(), 6);
    }
}

// After a hand-over the keys act as in a cell not typed into yet: Delete empties it, and
// a variable name cannot begin with the digit typed.
TEST_F(FreshEntryTest, AfterAHandOverTheKeysActAsInACellNotTypedIntoYet) {
    pf::Grid& g = typedInto(forecastWindow({10, 20, 30, 40}), 3, 1, "22");
    clickControl(frmProblem().lblInfo);
    qvtest::pressKey(QApplication::focusWidget(), Qt::Key_Delete);
    EXPECT_EQ(g.TextMatrix(3, 1), "");

    qvtest::resetProgram();
    lpWindow();
    typedInto(lpGrid(0), 0, 1, "Y");
    clickControl(frmLPproblem().lblInfo);
    h().expectMessage(pf::vbOK);
    typeAtFocus("1");
    ASSERT_EQ(h().transcript.size(), 1u);
    EXPECT_NE(h().transcript[0].find("The first position of a variable cannot contain a number."), std::string::npos)
        << h().transcript[0];
    EXPECT_EQ(lpGrid(0).TextMatrix(0, 1), "Y");
    typeAtFocus("Z");
    EXPECT_EQ(lpGrid(0).TextMatrix(0, 1), "Z");
}

// Nothing handed the keyboard over: 9, the road, 7 gives 97.
TEST_F(FreshEntryTest, TheEntryGoesOnWhenNothingWasHandedOver) {
    struct Road {
        const char* name;
        std::function<pf::Grid&()> open;  // lays the window out, the cell typed into current
        std::function<void()> road;
    };
    auto forecast = [] () -> pf::Grid& {
        pf::Grid& g = forecastWindow({10, 20, 30, 40});
        clickCell(g, 2, 1);
        return g;
    };
    auto markov = [] () -> pf::Grid& {
        pf::Grid& g = markovWindow();
        clickCell(g, 2, 1);
        return g;
    };
    auto lp = [] () -> pf::Grid& {
        lpWindow();
        clickCell(lpGrid(1), 1, 1);
        return lpGrid(1);
    };
    // Alt alone puts the menu bar in keyboard mode; Esc leaves it.
    auto alt = [] {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Alt);
        settle();
        ASSERT_EQ(QApplication::focusWidget(), menuBar());
        QTest::keyClick(menuBar(), Qt::Key_Escape);
        settle();
    };
    auto fileMenuOpenedAndClosed = [] {
        openMenu(*frmMenu().mnuFile);
        closeMenu(*frmMenu().mnuFile);
    };
    const Road roads[] = {
        {"typing on", forecast, [] {}},
        {"forecasting: a click on the window's background", forecast,
         [] {
             QWidget* canvas = frmProblem().canvas();
             QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(canvas->width() - 5, canvas->height() - 5));
             settle();
         }},
        {"forecasting: a click into the cell being typed in", forecast,
         [] { clickCell(frmProblem().gridDisplayEdit, 2, 1); }},
        {"forecasting: Alt alone", forecast, alt},
        {"forecasting: the File menu opened and closed", forecast, fileMenuOpenedAndClosed},
        {"forecasting: the Edit menu opened and closed", forecast,
         [] {
             openMenu(*frmMenu().mnudispedit);
             closeMenu(*frmMenu().mnudispedit);
         }},
        {"Markov: a click on the title \"Transition Matrix\"", markov,
         [] { clickControl(frmProblem().lblTitle); }},
        {"LP: Alt alone", lp, alt},
        {"LP: the File menu opened and closed", lp, fileMenuOpenedAndClosed},
    };
    for (const Road& r : roads) {
        SCOPED_TRACE(r.name);
        qvtest::resetProgram();
        pf::Grid& g = r.open();
        const int row = g.Row(), col = g.Col();
        typeAtFocus("9");
        r.road();
        ASSERT_EQ(pf::focusedControl(), &g);
        ASSERT_EQ(QApplication::focusWidget(), g.widget());
        typeAtFocus("7");
        EXPECT_EQ(g.TextMatrix(row, col), "97");
        EXPECT_TRUE(h().transcript.empty()) << ::testing::PrintToString(h().transcript);
    }
    // A payoff table's title label has no click handler either.
    qvtest::resetProgram();
    pf::Grid& payoffs = decisionWindow();
    clickCell(payoffs, 1, 1);
    typeAtFocus("9");
    clickControl(frmDecisionProblem().lblopttype);
    typeAtFocus("7");
    EXPECT_EQ(payoffs.TextMatrix(1, 1), "97");
}

}  // namespace
