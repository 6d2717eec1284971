// The forecasting Edit menu from the keyboard, keys sent as the window system sends
// them: "&Display/Edit the Problem" and "&Delete Time Periods" share the D, so D marks
// the next of them, a disabled one too, and Enter runs the marked item if it can run.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QMenu>
#include <QTest>

#include <string>
#include <vector>

#include "forecast/QVForecasting.h"
#include "platform/ui/Menu.h"
#include "shell/MenuState.h"
#include "shell/frmProblem.h"
#include "tests/forecast/forecast_ui_fixture.h"

namespace {

using fctest::h;

class EditMenuKeysTest : public fctest::ForecastWindowTest {
protected:
    void SetUp() override {
        ForecastWindowTest::SetUp();
        frmProblem().Show();
        // A laid-out series of four periods, as Open leaves it.
        auto& s = qv::S();
        QVForecasting::InitTimeSeriesArray();
        for (int t = 1; t <= 4; ++t) s.fc.dblTimeSeries(t, 1) = 10.0 * t;
        s.fc.intPeriodCount = 4;
        s.blnNewProblem = false;
        QVForecasting::BuildTimeSeriesGrid();
        QWidget* main = frmMenu().window();
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main));
        h().transcript.clear();
    }
    static QMenu* editMenu() { return frmMenu().mnudispedit->qmenu(); }
    static pf::MenuItem& item(int index) { return (*frmMenu().mnudispeditsubs)(index); }
    static std::string marked() {
        QAction* a = editMenu()->activeAction();
        return a ? a->text().toStdString() : std::string("(none)");
    }
    // Alt+E on the main window, or a click on "Edit" in the menu bar.
    static void openEditMenu(bool byMouse) {
        auto* main = static_cast<QMainWindow*>(frmMenu().window());
        if (byMouse) {
            QMenuBar* bar = main->menuBar();
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(editMenu()->menuAction()).center());
        } else {
            QTest::keyClick(main, Qt::Key_E, Qt::AltModifier);
        }
        ASSERT_TRUE(editMenu()->isVisible());
    }
    // A key in the open menu: a letter, or Enter ('\r').
    static void key(char k) {
        if (k == '\r')
            QTest::keyClick(editMenu(), Qt::Key_Return);
        else
            QTest::keyClick(editMenu(), k);
    }
};

const char* const kDisplay = "&Display/Edit the Problem";
const char* const kDelete = "&Delete Time Periods";
const char* const kClosed = "closed";

struct Step {
    char key;
    const char* marked;  // after the key; kClosed: the menu closed (an item ran)
};

// As the problem is entered, Display/Edit is disabled and Delete Time Periods is not;
// D marks each in turn, and Enter on the disabled one runs nothing.
TEST_F(EditMenuKeysTest, DMarksEachItemInTurnAndEnterRunsTheMarkedOne) {
    ASSERT_FALSE(item(0).Enabled());
    ASSERT_TRUE(item(4).Enabled());
    struct Case {
        bool byMouse;
        const char* opened;  // marked as the menu opens
        std::vector<Step> steps;
    } cases[] = {
        // Opened with the mouse nothing is marked yet.
        {true, "(none)", {{'d', kDisplay}, {'d', kDelete}, {'d', kDisplay}, {'\r', kDisplay}, {'d', kDelete},
                          {'\r', kClosed}}},
        // Opened from the keyboard the first item is marked at once, disabled or not.
        {false, kDisplay, {{'d', kDelete}, {'\r', kClosed}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.byMouse ? "mouse" : "Alt+E");
        h().transcript.clear();
        openEditMenu(c.byMouse);
        EXPECT_EQ(marked(), c.opened);
        for (const Step& st : c.steps) {
            SCOPED_TRACE(st.key == '\r' ? std::string("Enter") : std::string(1, st.key));
            if (st.marked == kClosed) h().expectInput("1");
            key(st.key);
            if (st.marked == kClosed) {
                EXPECT_FALSE(editMenu()->isVisible());
            } else {
                EXPECT_TRUE(editMenu()->isVisible());
                EXPECT_EQ(marked(), st.marked);
                EXPECT_TRUE(h().transcript.empty());
            }
        }
        // Delete Time Periods ran: it asked, and took the first period away.
        ASSERT_FALSE(h().transcript.empty());
        EXPECT_EQ(h().transcript.front().rfind("INPUTBOX \"Delete Time Periods\"", 0), 0u) << h().transcript.front();
    }
    EXPECT_EQ(qv::S().fc.intPeriodCount, 2);
    EXPECT_EQ(frmProblem().gridDisplayEdit.TextMatrix(1, 1), "30");
}

// After Solve the roles turn: Enter on Display/Edit runs it, on Delete nothing.
TEST_F(EditMenuKeysTest, AfterSolveEnterRunsDisplayEdit) {
    qv::menuEvent(qv::MenuEvent::Solved);
    ASSERT_TRUE(item(0).Enabled());
    ASSERT_FALSE(item(4).Enabled());
    openEditMenu(false);
    EXPECT_EQ(marked(), kDisplay);
    for (const Step& st : std::vector<Step>{{'d', kDelete}, {'\r', kDelete}, {'d', kDisplay}}) {
        key(st.key);
        EXPECT_EQ(marked(), st.marked);
    }
    key('\r');
    EXPECT_FALSE(editMenu()->isVisible());
    // Display/Edit ran: it gave the add and delete items back and disabled itself.
    EXPECT_FALSE(item(0).Enabled());
    EXPECT_TRUE(item(3).Enabled());
    EXPECT_TRUE(item(4).Enabled());
    EXPECT_EQ(qv::S().fc.intPeriodCount, 4);
}

// A letter no other item shares runs its item at once.
TEST_F(EditMenuKeysTest, AnUnsharedLetterRunsItsItem) {
    openEditMenu(false);
    h().expectInput("");
    key('a');
    EXPECT_FALSE(editMenu()->isVisible());
    ASSERT_FALSE(h().transcript.empty());
    EXPECT_EQ(h().transcript.front().rfind("INPUTBOX \"Add Time Periods\"", 0), 0u) << h().transcript.front();
    EXPECT_EQ(qv::S().fc.intPeriodCount, 4);
}

}  // namespace
