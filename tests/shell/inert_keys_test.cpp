// Keys that are no characters (lock keys, Pause, Print Screen, Meta, Super, the Menu key)
// type and move nothing: pressed between two digits, the digits land together in the one
// cell or box; a typed character is no key that moves either. Keys are sent where the
// keyboard sends them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "lp/frmLPproblem.h"
#include "platform/ui/ControlFilter.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Grid.h"
#include "platform/ui/QtHost.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmModuleSelection.h"
#include "shell/frmStartup.h"
#include "shell/frmUserInput.h"
#include "tests/lp/lp_test_support.h"
#include "tests/ui_mouse.h"
#include "tests/ui_test_support.h"

namespace {

using qvtest::keyTarget;
using qvtest::settle;

struct InertKey {
    const char* name;
    int key;
    Qt::KeyboardModifiers mods;
    int code;  // the key code the handlers would see: its own, or 0
};

// Shift then Alt is a common layout-switch chord; the standard keymap makes it Meta.
const InertKey kInertKeys[] = {
    {"Caps Lock", Qt::Key_CapsLock, Qt::NoModifier, 20},
    {"Num Lock", Qt::Key_NumLock, Qt::NoModifier, 144},
    {"Scroll Lock", Qt::Key_ScrollLock, Qt::NoModifier, 145},
    {"Pause", Qt::Key_Pause, Qt::NoModifier, 19},
    {"Print Screen", Qt::Key_Print, Qt::NoModifier, 44},
    {"Meta", Qt::Key_Meta, Qt::NoModifier, 0},
    {"Shift+Alt (Meta)", Qt::Key_Meta, Qt::ShiftModifier, 0},
    {"Super", Qt::Key_Super_L, Qt::NoModifier, 0},
    {"Menu", Qt::Key_Menu, Qt::NoModifier, 0},
    {"F13", Qt::Key_F13, Qt::NoModifier, 124},
    {"F24", Qt::Key_F24, Qt::NoModifier, 135},
    {"dead acute", Qt::Key_Dead_Acute, Qt::NoModifier, 0},
};

void pressInert(const InertKey& k) {
    qvtest::pressKey(keyTarget(), k.key, k.mods);
    settle();
}

using Cells = std::vector<std::vector<std::string>>;
Cells cellsOf(const pf::Grid& g) {
    Cells c(static_cast<std::size_t>(g.Rows()));
    for (int r = 0; r < g.Rows(); ++r)
        for (int col = 0; col < g.Cols(); ++col) c[static_cast<std::size_t>(r)].push_back(g.TextMatrix(r, col));
    return c;
}

class InertKeysTest : public qvtest::ProgramTest {};

// What a window that reads Qt's keys itself (the menu bar) asks: nothing acts on these,
// and everything with a use is told apart from them.
TEST(InertKeys, KeysThatAreNoCharactersAreToldApartFromKeysThatAct) {
    for (const InertKey& k : kInertKeys) {
        SCOPED_TRACE(k.name);
        EXPECT_TRUE(pf::isInertKey(k.key));
        const pf::TranslatedKey t = pf::translateKey(k.key, k.mods, QString());
        EXPECT_EQ(t.keyCode, k.code);
        EXPECT_EQ(t.ascii, 0);
    }
    for (int key : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_AltGr}) EXPECT_TRUE(pf::isInertKey(key));
    for (int key : {int(Qt::Key_A), int(Qt::Key_5), int(Qt::Key_Space), int(Qt::Key_Minus), int(Qt::Key_Escape),
                    int(Qt::Key_Tab), int(Qt::Key_Backtab), int(Qt::Key_Return), int(Qt::Key_Enter),
                    int(Qt::Key_Backspace), int(Qt::Key_Delete), int(Qt::Key_Insert), int(Qt::Key_Home),
                    int(Qt::Key_End), int(Qt::Key_PageUp), int(Qt::Key_PageDown), int(Qt::Key_Left),
                    int(Qt::Key_Down), int(Qt::Key_F1), int(Qt::Key_F12)})
        EXPECT_FALSE(pf::isInertKey(key)) << std::hex << key;
}

// A new LP's constraint cell (2,2) typed 5, then `press`, then 7: the one cell holds 57,
// no other cell of either grid changed, and the grid keeps the keyboard.
FrmLPproblem& pressedBetweenDigits(const std::function<void()>& press) {
    qvtest::resetProgram();
    FrmLPproblem& w = qvtest::newLPLaidOut(1, 3, 3);
    pf::Grid& g = *w.Grid[1];
    qvtest::activeOnScreen(frmMenu());
    qvtest::clickCell(g, 2, 2);
    pf::scriptedHost().transcript.clear();
    const Cells objective = cellsOf(*w.Grid[0]);
    Cells expected = cellsOf(g);
    qvtest::typeAtFocus("5");
    press();
    qvtest::typeAtFocus("7");
    expected[2][2] = "57";
    EXPECT_EQ(cellsOf(g), expected);
    EXPECT_EQ(cellsOf(*w.Grid[0]), objective);
    EXPECT_EQ(pf::focusedControl(), &g);
    return w;
}

TEST_F(InertKeysTest, AKeyThatIsNoCharacterMovesNoCell) {
    for (const InertKey& k : kInertKeys) {
        SCOPED_TRACE(k.name);
        pressedBetweenDigits([&k] { pressInert(k); });
        EXPECT_TRUE(pf::scriptedHost().transcript.empty()) << ::testing::PrintToString(pf::scriptedHost().transcript);
    }
}

// A character is no key that moves: a number cell refuses it where it is typed, a name's
// cell keeps the keyboard, and the chooser's options stay as they are. Qt knows such a key
// by its character, which is no key's code: "%" is not Left, "(" not Down.
TEST_F(InertKeysTest, ACharacterKeyMovesNoCell) {
    const struct {
        int key;
        Qt::KeyboardModifiers mods;
        const char* text;
    } characters[] = {
        {Qt::Key_Exclam, Qt::ShiftModifier, "!"},     {Qt::Key_QuoteDbl, Qt::ShiftModifier, "\""},
        {Qt::Key_NumberSign, Qt::ShiftModifier, "#"}, {Qt::Key_Dollar, Qt::ShiftModifier, "$"},
        {Qt::Key_Percent, Qt::ShiftModifier, "%"},    {Qt::Key_Ampersand, Qt::ShiftModifier, "&"},
        {Qt::Key_Apostrophe, Qt::NoModifier, "'"},    {Qt::Key_ParenLeft, Qt::ShiftModifier, "("},
        {0x425, Qt::ShiftModifier, "\u0425"}, {0x426, Qt::NoModifier, "\u0446"},  // Cyrillic Ha, tse
    };
    for (const auto& ch : characters) {
        SCOPED_TRACE(ch.text);
        const auto press = [&ch] {
            qvtest::pressKey(keyTarget(), ch.key, ch.mods, QString::fromUtf8(ch.text));
            settle();
        };
        FrmLPproblem& w = pressedBetweenDigits(press);
        // A name takes more characters than a number does.
        pf::Grid& names = *w.Grid[0];
        const Cells objective = cellsOf(names);
        qvtest::clickCell(names, 0, 2);
        qvtest::typeAtFocus("P");
        press();
        qvtest::typeAtFocus("Q");
        EXPECT_EQ(names.Row(), 0);
        EXPECT_EQ(names.Col(), 2);
        EXPECT_EQ(names.TextMatrix(0, 1), objective[0][1]);
        EXPECT_EQ(names.TextMatrix(0, 3), objective[0][3]);
        // Nor does it choose another option.
        qvtest::resetProgram();
        qv::startProgram();
        frmStartup().cmdOK.userClick();
        pf::collectUnloaded();
        qvtest::activeOnScreen(frmMenu());
        ASSERT_EQ(QApplication::focusWidget(), frmModuleSelection().optProblemType[1]->widget());
        press();
        for (int m = 1; m <= 12; ++m) EXPECT_FALSE(frmModuleSelection().optProblemType[static_cast<std::size_t>(m)]->Value()) << m;
        EXPECT_EQ(pf::focusedControl(), frmModuleSelection().optProblemType[1].get());
    }
}

// A fresh program's number box (forecasting's Add Time Periods), clicked on screen.
pf::TextBox& numberBoxClicked() {
    qvtest::resetProgram();
    qvtest::mainWindowAlone(11);
    frmUserInput().fillTextsFor(11);
    qvtest::activeOnScreen(frmUserInput());
    auto& box = dynamic_cast<pf::TextBox&>(*frmUserInput().control("txtAnswer(0)"));
    qvtest::clickControl(box);
    return box;
}

TEST_F(InertKeysTest, AKeyThatIsNoCharacterTypesNothingInABox) {
    for (const InertKey& k : kInertKeys) {
        SCOPED_TRACE(k.name);
        pf::TextBox& box = numberBoxClicked();
        ASSERT_EQ(pf::focusedControl(), &box);
        qvtest::typeAtFocus("1");
        pressInert(k);
        qvtest::typeAtFocus("2");
        EXPECT_EQ(box.Text(), "12");
        EXPECT_EQ(pf::focusedControl(), &box);
        EXPECT_EQ(QApplication::focusWidget(), box.widget());
        EXPECT_TRUE(pf::scriptedHost().transcript.empty()) << ::testing::PrintToString(pf::scriptedHost().transcript);
    }
}

// The Menu key as a window system sends it: the key, and a request for the context menu of
// the widget with the keyboard, made to the window (X11 makes it as the key goes down).
void pressMenuKey() {
    pressInert({"Menu", Qt::Key_Menu, Qt::NoModifier, 0});
    QWidget* w = QApplication::focusWidget();
    ASSERT_NE(w, nullptr);
    const QPoint at = w->rect().center();
    QContextMenuEvent request(QContextMenuEvent::Keyboard, w->mapTo(w->window(), at), w->mapToGlobal(at));
    QGuiApplication::sendEvent(w->window()->windowHandle(), &request);
    settle();
}

// The Menu key opens a box's edit menu, the one a right click opens, as in any program;
// Esc closes it and the entry goes on. A grid has no such menu: nothing opens.
TEST_F(InertKeysTest, TheMenuKeyOpensABoxsEditMenuAndNothingInAGrid) {
    pressedBetweenDigits([] {
        pressMenuKey();
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    });
    EXPECT_TRUE(pf::scriptedHost().transcript.empty()) << ::testing::PrintToString(pf::scriptedHost().transcript);

    pf::TextBox& box = numberBoxClicked();
    ASSERT_EQ(pf::focusedControl(), &box);
    qvtest::typeAtFocus("1");
    pressMenuKey();
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr) << "no edit menu opened";
    EXPECT_TRUE(menu->isVisible());
    QTest::keyClick(menu, Qt::Key_Escape);
    settle();
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    qvtest::typeAtFocus("2");
    EXPECT_EQ(box.Text(), "12");
    EXPECT_EQ(pf::focusedControl(), &box);
}

}  // namespace
