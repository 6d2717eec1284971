// A value left in its field that the field refuses, with real keys and clicks: the menu
// opens without a word and takes the keys meant for it; the command chosen checks the
// value, shows the field's message once and does not run, and the keys typed next go
// back into the field. A grid entry typed on after a click on its own cell is checked
// as the cell shows it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "lp/frmLPproblem.h"
#include "network/frmPERTCPM_Init.h"
#include "network/frmPERT_CPM.h"
#include "platform/ui/QtHost.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/Modules.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmProblem.h"
#include "shell/frmSolution.h"
#include "tests/lp/lp_test_support.h"
#include "tests/transport/transport_ui_support.h"
#include "tests/ui_mouse.h"
#include "tests/ui_test_support.h"

namespace {

using qvtest::altWith;
using qvtest::keyTarget;
using qvtest::settle;

// A click on an item of the open menu.
void clickItem(pf::MenuItem& item) {
    QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr) << "no menu is open";
    QAction* action = nullptr;
    for (QAction* a : menu->actions())
        if (a->text().toStdString() == item.Caption()) action = a;
    ASSERT_NE(action, nullptr) << item.Caption() << " is not in the open menu";
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    settle();
}

// The window system makes the main window active again once a message box has closed.
void backFromTheMessage() {
    frmMenu().window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frmMenu().window()));
    settle();
}

// A refused cell: emptied, still current, and its grid has Qt's keyboard focus.
void expectEmptiedWithTheKeyboard(pf::Grid& g, int row, int col) {
    EXPECT_EQ(g.TextMatrix(row, col), "");
    EXPECT_EQ(g.Row(), row);
    EXPECT_EQ(g.Col(), col);
    EXPECT_EQ(QApplication::focusWidget(), g.widget());
}

class RefusedEntryKeysTest : public qvtest::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        // Message boxes are counted and answered; any other dialog (an Edit item's
        // question) is noted and cancelled.
        QObject::connect(&closer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) return;
            if (auto* m = qobject_cast<QMessageBox*>(modal)) {
                shown_.push_back(m->text().toStdString());
                m->accept();
            } else if (auto* d = qobject_cast<QDialog*>(modal)) {
                shown_.push_back("DIALOG " + d->windowTitle().toStdString());
                d->reject();
            }
        });
        closer_.start(20);
    }
    void TearDown() override {
        closer_.stop();
        ProgramTest::TearDown();
    }
    static void onScreenWithQtHost() {
        qvtest::activeOnScreen(frmMenu());
        pf::setHost(pf::makeQtHost());
    }
    // A program afresh with an LP of two constraints and two variables laid out, on
    // screen with the Qt host, and no message counted yet: its constraint grid.
    pf::Grid& freshLPConstraintGrid() {
        pf::setHost(std::make_unique<pf::ScriptedHost>());
        qvtest::resetProgram();
        pf::Grid& g = *qvtest::newLPLaidOut(1, 2, 2).Grid[1];
        onScreenWithQtHost();
        shown_.clear();
        return g;
    }
    QTimer closer_;
    std::vector<std::string> shown_;
};

// LP, constraint 1 / X1 typed 1.2.3: Alt+E opens Edit with no message; each item that
// lays the grid out stops at the cell's message, and the cell takes the next digit.
TEST_F(RefusedEntryKeysTest, AnLPEditItemStopsAtTheCellsMessage) {
    const std::string message = "Constraint Values Must Be Numeric.";
    for (int index : {3, 4, 5, 6}) {
        SCOPED_TRACE(index);
        pf::Grid& g = freshLPConstraintGrid();
        qvtest::clickCell(g, 1, 1);
        qvtest::typeAtFocus("1.2.3");
        altWith(Qt::Key_E);
        EXPECT_EQ(QApplication::activePopupWidget(), frmMenu().mnudispedit->qmenu());
        EXPECT_TRUE(shown_.empty()) << shown_.front();
        clickItem((*frmMenu().mnudispeditsubs)(index));
        backFromTheMessage();
        EXPECT_EQ(shown_, std::vector<std::string>{message});
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        EXPECT_EQ(g.Rows(), 3);
        EXPECT_EQ(g.Cols(), 5);
        EXPECT_EQ(QApplication::focusWidget(), g.widget());
        qvtest::typeAtFocus("5");
        EXPECT_EQ(g.TextMatrix(1, 1), "5");
    }
}

// LP, the right-hand side of constraint 1 clicked, a digit typed, the same cell clicked
// again and "-" with a digit typed on (the cell shows e.g. 6-1): Save, and a click on
// constraint 1 / X1, check what the cell shows and say so once; Save writes nothing.
// The cell is empty, current, and takes the next digit.
TEST_F(RefusedEntryKeysTest, AnLPEntryTypedOnAfterAClickOnItsCellIsCheckedAsShown) {
    struct Road {
        const char* name;
        std::function<void(pf::Grid&)> leave;
    };
    const Road roads[] = {
        {"Save", [](pf::Grid&) {
             altWith(Qt::Key_F);
             clickItem(*frmMenu().mnuFileSave);
         }},
        {"a click on another cell", [](pf::Grid& g) { qvtest::clickCell(g, 1, 1); }},
    };
    for (const Road& r : roads) {
        SCOPED_TRACE(r.name);
        pf::Grid& g = freshLPConstraintGrid();
        qvtest::clickCell(g, 1, 4);
        qvtest::typeAtFocus("6");
        qvtest::clickCell(g, 1, 4);
        qvtest::typeAtFocus("-1");
        ASSERT_EQ(g.TextMatrix(1, 4), "6-1");
        EXPECT_TRUE(shown_.empty()) << shown_.front();
        r.leave(g);
        backFromTheMessage();
        EXPECT_EQ(shown_, std::vector<std::string>{"Constraint Values Must Be Numeric."});
        expectEmptiedWithTheKeyboard(g, 1, 4);
        qvtest::typeAtFocus("5");
        EXPECT_EQ(g.TextMatrix(1, 4), "5");
        EXPECT_EQ(g.TextMatrix(1, 1), "");
    }
}

// LP, a constraint cell typed 6-1 and left by a key the grid moves on from there: Page
// Down and Ctrl+End say the cell's message at the key; Alt+Down says nothing and moves
// nothing, and Save then says it. The cell is empty, current, and takes the next digit.
TEST_F(RefusedEntryKeysTest, AnLPCellLeftByAnyKeyThatMovesIsChecked) {
    const std::string message = "Constraint Values Must Be Numeric.";
    struct Road {
        const char* name;
        int row, col;  // the cell typed into; the key moves from there
        std::function<void()> press;
        bool checkedAtTheKey;
    };
    const Road roads[] = {
        {"Page Down", 1, 4, [] { qvtest::pressKey(keyTarget(), Qt::Key_PageDown); }, true},
        {"Ctrl+End", 1, 1, [] { qvtest::pressKey(keyTarget(), Qt::Key_End, Qt::ControlModifier); }, true},
        {"Alt+Down", 1, 4, [] { altWith(Qt::Key_Down); }, false},
    };
    for (const Road& r : roads) {
        SCOPED_TRACE(r.name);
        pf::Grid& g = freshLPConstraintGrid();
        qvtest::clickCell(g, r.row, r.col);
        qvtest::typeAtFocus("6-1");
        r.press();
        settle();
        if (r.checkedAtTheKey) {
            backFromTheMessage();
            EXPECT_EQ(shown_, std::vector<std::string>{message});
        } else {
            EXPECT_TRUE(shown_.empty()) << shown_.front();
            EXPECT_EQ(g.TextMatrix(r.row, r.col), "6-1");
            altWith(Qt::Key_F);
            clickItem(*frmMenu().mnuFileSave);
            backFromTheMessage();
            EXPECT_EQ(shown_, std::vector<std::string>{message});
        }
        expectEmptiedWithTheKeyboard(g, r.row, r.col);
        qvtest::typeAtFocus("5");
        EXPECT_EQ(g.TextMatrix(r.row, r.col), "5");
    }
}

// Transportation, supply 1 typed 7-1, Alt+Down: the cell does not move and nothing is
// said; Save says the supply's message, and the cell is empty, current, with the keyboard.
TEST_F(RefusedEntryKeysTest, AltDownLeavesATransportationSupplyForSaveToCheck) {
    pf::setHost(std::make_unique<pf::ScriptedHost>());
    trui::newProblem(2, 2, 2);
    pf::Grid& g = frmProblem().gridDisplayEdit;
    onScreenWithQtHost();
    shown_.clear();
    qvtest::clickCell(g, 1, 3);
    qvtest::typeAtFocus("7-1");
    altWith(Qt::Key_Down);
    EXPECT_TRUE(shown_.empty()) << shown_.front();
    EXPECT_EQ(g.Row(), 1);
    EXPECT_EQ(g.Col(), 3);
    EXPECT_EQ(g.TextMatrix(2, 3), "");
    altWith(Qt::Key_F);
    clickItem(*frmMenu().mnuFileSave);
    backFromTheMessage();
    EXPECT_EQ(shown_, std::vector<std::string>{"Supply Must Have A Numeric Value."});
    expectEmptiedWithTheKeyboard(g, 1, 3);
}

// PERT/CPM, one time per activity: A's time typed -1 and left in its box. Alt+S opens
// Solution with no message; Solve shows the box's message once and solves nothing; the
// box keeps the keyboard with -1 selected, so 5 replaces it and Solve schedules with 5.
TEST_F(RefusedEntryKeysTest, PertSolveStopsAtTheTimeBoxsMessage) {
    qvtest::mainWindowAlone(7);
    auto& s = qv::S();
    s.strProblemType = "PERT/CPM PROBLEM";
    s.strProblemFileExt = "CPM";
    frmProblem().Show();
    pf::scriptedHost().expectModal("frmPERTCPM_Init", [](pf::Form& f) {
        auto& d = static_cast<FrmPERTCPM_Init&>(f);
        d.txtNumActivities.Text("1");
        d.cmdOK.userClick();
    });
    frmMenu().mnuFileNew_Click();
    ASSERT_TRUE(pf::isLoaded<FrmPERT_CPM>());
    FrmPERT_CPM& w = frmPERT_CPM();
    onScreenWithQtHost();
    qvtest::clickControl(w.txtExpectedTime);
    qvtest::typeAtFocus("-1");
    altWith(Qt::Key_S);
    EXPECT_EQ(QApplication::activePopupWidget(), frmMenu().mnuSolution->qmenu());
    EXPECT_TRUE(shown_.empty()) << shown_.front();
    clickItem(*frmMenu().mnuSolutionSolve);
    backFromTheMessage();
    pf::collectUnloaded();
    EXPECT_EQ(shown_, std::vector<std::string>{"NOTE:  THE COMPLETION TIME MUST BE GREATER THAN OR EQUAL TO ZERO."});
    EXPECT_FALSE(qv::solutionShown());
    ASSERT_TRUE(pf::isLoaded<FrmPERT_CPM>());
    EXPECT_EQ(QApplication::focusWidget(), w.txtExpectedTime.widget());
    qvtest::typeAtFocus("5");
    EXPECT_EQ(w.txtExpectedTime.Text(), "5");
    altWith(Qt::Key_S);
    clickItem(*frmMenu().mnuSolutionSolve);
    pf::collectUnloaded();
    ASSERT_TRUE(qv::solutionShown());
    EXPECT_EQ(frmSolution().lines().back(), "        PROJECT COMPLETION TIME = 5");
    EXPECT_EQ(shown_.size(), 1u);
}

}  // namespace
