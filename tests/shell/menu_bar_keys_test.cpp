// The menu bar from the keyboard, with real key events sent where a keyboard's go: the
// open menu, else the widget with Qt's focus, else the active window. The bar holds the
// keyboard only while it shows it (a title drawn highlighted) or a menu is open; once
// it lets go, the keyboard is back in the cell, the entry going on. Alt with a letter
// types nothing into a box.
#include <gtest/gtest.h>

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QApplication>
#include <QCursor>
#include <QImage>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <memory>
#include <string>
#include <vector>

#include "inventory/InventoryForms.h"
#include "lp/frmLPproblem.h"
#include "network/frmPERT_CPM.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Grid.h"
#include "platform/ui/QtHost.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmModuleSelection.h"
#include "shell/frmProblem.h"
#include "shell/frmUserInput.h"
#include "tests/decision/decision_test_support.h"
#include "tests/forecast/forecast_ui_fixture.h"
#include "tests/lp/lp_test_support.h"
#include "tests/transport/transport_ui_support.h"
#include "tests/ui_mouse.h"
#include "tests/ui_test_support.h"
#include "waiting/frmWL_Model.h"

namespace {

using qvtest::clickCell;
using qvtest::clickControl;
using qvtest::keyTarget;
using qvtest::settle;

QMenuBar* menuBar() { return static_cast<QMainWindow*>(frmMenu().window())->menuBar(); }

// One stroke as the keyboard makes it: Alt alone, Alt held with a letter, or a key.
enum class Stroke { Alt, AltF, AltE, AltS, Esc, Right, Down };

void strike(Stroke s) {
    switch (s) {
        case Stroke::Alt: QTest::keyClick(keyTarget(), Qt::Key_Alt); break;
        case Stroke::AltF: qvtest::altWith(Qt::Key_F); break;
        case Stroke::AltE: qvtest::altWith(Qt::Key_E); break;
        case Stroke::AltS: qvtest::altWith(Qt::Key_S); break;
        case Stroke::Esc: QTest::keyClick(keyTarget(), Qt::Key_Escape); break;
        case Stroke::Right: QTest::keyClick(keyTarget(), Qt::Key_Right); break;
        case Stroke::Down: QTest::keyClick(keyTarget(), Qt::Key_Down); break;
    }
    settle();
}

void strike(std::initializer_list<Stroke> strokes) {
    for (Stroke s : strokes) strike(s);
}

// The main window on screen and active, the keys going through the Qt host.
void activateMain() {
    qvtest::activeOnScreen(frmMenu());
    pf::setHost(pf::makeQtHost());
}

// A window laid out through New, and its grid that takes the typing.
struct Window {
    const char* name;
    std::function<pf::Grid&()> layOut;
};

pf::Grid& lpConstraints() {
    FrmLPproblem& w = qvtest::newLPLaidOut(1, 2, 2);
    return *w.Grid[1];
}

pf::Grid& transportationTableau() {
    trui::newProblem(2, 2, 2);
    return frmProblem().gridDisplayEdit;
}

pf::Grid& payoffTable() {
    qvtest::mainWindowAlone(10);
    return *qvtest::decisionLaidOut(2, 2, false, false).Grid[0];
}

const Window kWindows[] = {
    {"LP constraints", lpConstraints},
    {"transportation tableau", transportationTableau},
    {"payoff table", payoffTable},
};

class MenuBarKeysTest : public qvtest::ProgramTest {
protected:
    // The window laid out with the scripted host, then on screen with the Qt host, 1
    // typed into its cell (1,1).
    pf::Grid& typedInto(const Window& w) {
        pf::setHost(std::make_unique<pf::ScriptedHost>());
        qvtest::resetProgram();
        pf::Grid& g = w.layOut();
        activateMain();
        clickCell(g, 1, 1);
        qvtest::typeAtFocus("1");
        EXPECT_EQ(g.TextMatrix(1, 1), "1");
        return g;
    }
};

// Menus opened and closed from the keyboard, in any order: the keyboard comes back to
// the cell with the entry going on, and the next cell takes the next entry.
TEST_F(MenuBarKeysTest, TheKeyboardComesBackToTheCellAfterAnyMenuRoad) {
    using S = Stroke;
    struct Road {
        const char* name;
        std::vector<Stroke> strokes;
    };
    const Road roads[] = {
        {"Alt+F, Esc, Alt+F, Esc, Esc", {S::AltF, S::Esc, S::AltF, S::Esc, S::Esc}},
        {"Alt+F, Esc, Alt+E, Esc, Esc", {S::AltF, S::Esc, S::AltE, S::Esc, S::Esc}},
        {"Alt, Alt+F, Esc, Esc", {S::Alt, S::AltF, S::Esc, S::Esc}},
        {"Alt+F, Esc, Alt+F, Esc, Alt", {S::AltF, S::Esc, S::AltF, S::Esc, S::Alt}},
        // These held before.
        {"Alt+F, Esc, Esc", {S::AltF, S::Esc, S::Esc}},
        {"Alt+F, Right, Esc, Esc", {S::AltF, S::Right, S::Esc, S::Esc}},
        {"Alt+F, Esc, Alt", {S::AltF, S::Esc, S::Alt}},
        {"Alt+F, Alt+E, Esc, Esc", {S::AltF, S::AltE, S::Esc, S::Esc}},
        {"Alt, Down, Esc, Esc", {S::Alt, S::Down, S::Esc, S::Esc}},
        {"Alt, Alt", {S::Alt, S::Alt}},
    };
    for (const Window& w : kWindows) {
        for (const Road& r : roads) {
            SCOPED_TRACE(std::string(w.name) + ": " + r.name);
            pf::Grid& g = typedInto(w);
            for (Stroke s : r.strokes) strike(s);
            EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
            EXPECT_EQ(pf::focusedControl(), &g);
            EXPECT_EQ(QApplication::focusWidget(), g.widget());
            qvtest::typeAtFocus("2");
            EXPECT_EQ(g.TextMatrix(1, 1), "12");
            strike(S::Right);
            qvtest::typeAtFocus("7");
            EXPECT_EQ(g.TextMatrix(1, 2), "7");
            EXPECT_EQ(QApplication::focusWidget(), g.widget());
        }
    }
}

// While the bar holds the keyboard a title's letter opens its menu; a key that is no
// title's letter is typed nowhere. The bar keeps the keyboard until Esc gives it back.
TEST_F(MenuBarKeysTest, WhileTheBarHoldsTheKeyboardOnlyTitlesTakeKeys) {
    pf::Grid& g = typedInto(kWindows[0]);
    strike(Stroke::Alt);
    qvtest::typeAtFocus("e");
    EXPECT_EQ(QApplication::activePopupWidget(), frmMenu().mnudispedit->qmenu());
    strike(Stroke::Esc);
    ASSERT_EQ(QApplication::focusWidget(), menuBar());
    EXPECT_EQ(menuBar()->activeAction(), frmMenu().mnudispedit->qmenu()->menuAction());
    qvtest::typeAtFocus("9x");
    EXPECT_EQ(g.TextMatrix(1, 1), "1");
    EXPECT_EQ(QApplication::focusWidget(), menuBar());
    strike(Stroke::Esc);
    qvtest::typeAtFocus("2");
    EXPECT_EQ(g.TextMatrix(1, 1), "12");
}

// The mouse passing over the bar's empty end unmarks its title: the bar shows no
// keyboard, and the next key goes to the cell, the entry going on.
TEST_F(MenuBarKeysTest, AKeyReachingABarThatShowsNoKeyboardGoesToTheCell) {
    pf::Grid& g = typedInto(kWindows[0]);
    strike(Stroke::Alt);
    ASSERT_EQ(QApplication::focusWidget(), menuBar());
    QMenuBar* bar = menuBar();
    const QPoint end(bar->width() - 5, bar->height() / 2);
    QMouseEvent move(QEvent::MouseMove, end, bar->mapToGlobal(end), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &move);
    settle();
    ASSERT_EQ(bar->activeAction(), nullptr);
    qvtest::typeAtFocus("2");
    EXPECT_EQ(QApplication::focusWidget(), g.widget());
    EXPECT_EQ(g.TextMatrix(1, 1), "12");
}

// The bar lets go of the keyboard as the main window loses it; back in the main window
// the keyboard is in the cell again, not in a bar that shows nothing.
TEST_F(MenuBarKeysTest, BackFromAnotherWindowTheKeyboardIsInTheCell) {
    pf::Grid& g = typedInto(kWindows[0]);
    strike({Stroke::AltF, Stroke::Esc});
    ASSERT_EQ(QApplication::focusWidget(), menuBar());
    QWidget other;
    other.resize(200, 100);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    other.hide();
    frmMenu().window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frmMenu().window()));
    settle();
    QWidget* focused = QApplication::focusWidget();
    EXPECT_EQ(focused, g.widget()) << (focused ? focused->metaObject()->className() : "no widget has the focus") << ", "
                                   << (menuBar()->activeAction() ? "a title marked" : "no title marked");
    qvtest::typeAtFocus("2");
    EXPECT_EQ(g.TextMatrix(1, 1), "12");
}

// Only a title that can open is marked: at start the arrows stay on File. Esc gives the
// keyboard back to the main window itself, no control having had it.
TEST_F(MenuBarKeysTest, TheArrowsPassADisabledTitleBy) {
    qvtest::mainWindowAlone(1);
    activateMain();
    ASSERT_FALSE(frmMenu().mnudispedit->Enabled());
    ASSERT_EQ(pf::focusedControl(), nullptr);
    strike({Stroke::Alt, Stroke::Right});
    EXPECT_EQ(menuBar()->activeAction(), frmMenu().mnuFile->qmenu()->menuAction());
    strike(Stroke::Esc);
    EXPECT_EQ(QApplication::focusWidget(), frmMenu().window());
}

// ---------------------------------------------------------------- the active bar drawn

QImage titleLook(pf::MenuItem& menu) {
    QMenuBar* bar = menuBar();
    return bar->grab(bar->actionGeometry(menu.qmenu()->menuAction())).toImage();
}

// The bar holding the keyboard shows it: the title of the menu it is on is drawn
// highlighted, and no title once the keyboard is back in the cell.
TEST_F(MenuBarKeysTest, TheBarHoldingTheKeyboardShowsItsTitleHighlighted) {
    auto file = [] () -> pf::MenuItem& { return *frmMenu().mnuFile; };
    auto edit = [] () -> pf::MenuItem& { return *frmMenu().mnudispedit; };
    struct Road {
        const char* name;
        std::function<void()> toBar;  // leaves the bar holding the keyboard
        bool onEdit;                  // the title highlighted: Edit, else File
    };
    auto clickTitle = [](pf::MenuItem& menu) {
        QMenuBar* bar = menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu.qmenu()->menuAction()).center());
        settle();
        ASSERT_TRUE(menu.qmenu()->isVisible());
        // The window system keeps the main window active under a popup.
        frmMenu().window()->activateWindow();
        settle();
    };
    const Road roads[] = {
        {"Alt alone", [] { strike(Stroke::Alt); }, false},
        {"Esc out of File opened by Alt+F", [] { strike({Stroke::AltF, Stroke::Esc}); }, false},
        {"Esc out of Edit opened by Alt+E", [] { strike({Stroke::AltE, Stroke::Esc}); }, true},
        {"Esc out of Edit opened by a click on its title",
         [&] {
             clickTitle(edit());
             strike(Stroke::Esc);
         },
         true},
    };
    for (const Road& r : roads) {
        SCOPED_TRACE(r.name);
        pf::Grid& g = typedInto(kWindows[0]);
        const QImage fileBefore = titleLook(file()), editBefore = titleLook(edit());
        r.toBar();
        ASSERT_EQ(QApplication::focusWidget(), menuBar());
        EXPECT_TRUE(titleLook(r.onEdit ? edit() : file()) != (r.onEdit ? editBefore : fileBefore))
            << "the title the bar is on looks as before";
        EXPECT_TRUE(titleLook(r.onEdit ? file() : edit()) == (r.onEdit ? fileBefore : editBefore))
            << "the other title looks marked";
        strike(Stroke::Esc);
        EXPECT_EQ(QApplication::focusWidget(), g.widget());
        EXPECT_TRUE(titleLook(file()) == fileBefore) << "File still looks marked";
        EXPECT_TRUE(titleLook(edit()) == editBefore) << "Edit still looks marked";
        qvtest::typeAtFocus("2");
        EXPECT_EQ(g.TextMatrix(1, 1), "12");
    }
}

// ---------------------------------------------------------------- marks and keys agree

// The Qt host with its beeps counted.
class BeepCountingHost : public pf::Host {
public:
    int beeps = 0;
    int messageBox(const std::string& text, int style, const std::string& title) override {
        return qt_->messageBox(text, style, title);
    }
    std::string inputBox(const std::string& prompt, const std::string& title, const std::string& text) override {
        return qt_->inputBox(prompt, title, text);
    }
    std::optional<std::string> fileDialog(const pf::FileDialogRequest& request) override {
        return qt_->fileDialog(request);
    }
    bool printerDialog() override { return qt_->printerDialog(); }
    pf::Printer& printer() override { return qt_->printer(); }
    void runModal(pf::Form& form) override { qt_->runModal(form); }
    void beep() override { ++beeps; }
    void setBusyCursor(bool busy) override { qt_->setBusyCursor(busy); }
    void doEvents() override { qt_->doEvents(); }
    void endProgram() override { qt_->endProgram(); }

private:
    std::unique_ptr<pf::Host> qt_ = pf::makeQtHost();
};

// The main window on screen and active, the keys going through the Qt host, which
// counts the beeps.
BeepCountingHost& activateMainCountingBeeps() {
    qvtest::activeOnScreen(frmMenu());
    auto host = std::make_unique<BeepCountingHost>();
    BeepCountingHost& h = *host;
    pf::setHost(std::move(host));
    return h;
}

QAction* title(pf::MenuItem* menu) { return menu->qmenu()->menuAction(); }

void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(keyTarget(), k, mods);
    settle();
}

// The module chooser open, Edit and Solution pale: their letters reach no title, the
// bar holds the keyboard only with a title it can open marked, and a title's letter
// still opens it after a pale title's letter.
TEST_F(MenuBarKeysTest, APaleTitlesLetterMarksNothing) {
    frmMenu();
    BeepCountingHost& host = activateMainCountingBeeps();
    ASSERT_FALSE(frmMenu().mnuSolution->Enabled());
    pf::Control* option = pf::focusedControl();
    ASSERT_NE(option, nullptr);
    ASSERT_EQ(&option->owner(), &frmModuleSelection());
    ASSERT_EQ(QApplication::focusWidget(), option->widget());

    auto* solution = frmMenu().mnuSolution;
    const QImage solutionPale = titleLook(*solution), filePlain = titleLook(*frmMenu().mnuFile);

    // Alt+S: nothing marked, the keyboard where it was, and the next key there.
    strike(Stroke::AltS);
    EXPECT_EQ(menuBar()->activeAction(), nullptr);
    EXPECT_TRUE(titleLook(*solution) == solutionPale) << "Solution looks marked";
    EXPECT_EQ(QApplication::focusWidget(), option->widget());
    key(Qt::Key_Down);
    EXPECT_NE(pf::focusedControl(), option) << "the arrow did not reach the chooser's list";
    EXPECT_EQ(&pf::focusedControl()->owner(), &frmModuleSelection());
    option = pf::focusedControl();

    // Alt alone marks File; from there the arrows and Alt+S stay on File.
    strike(Stroke::Alt);
    ASSERT_EQ(menuBar()->activeAction(), title(frmMenu().mnuFile));
    strike({Stroke::AltS, Stroke::Right});
    EXPECT_EQ(menuBar()->activeAction(), title(frmMenu().mnuFile));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(host.beeps, 0);

    // S alone beeps and leaves File marked; F then opens File.
    const QImage fileMarked = titleLook(*frmMenu().mnuFile);
    EXPECT_TRUE(fileMarked != filePlain);
    qvtest::typeAtFocus("s");
    EXPECT_EQ(host.beeps, 1);
    EXPECT_EQ(menuBar()->activeAction(), title(frmMenu().mnuFile));
    EXPECT_TRUE(titleLook(*frmMenu().mnuFile) == fileMarked) << "File no longer looks marked";
    EXPECT_TRUE(titleLook(*solution) == solutionPale) << "Solution looks marked";
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    qvtest::typeAtFocus("f");
    EXPECT_EQ(QApplication::activePopupWidget(), frmMenu().mnuFile->qmenu());

    // Closed again, the keyboard is back in the chooser.
    strike({Stroke::Esc, Stroke::Esc});
    EXPECT_EQ(menuBar()->activeAction(), nullptr);
    EXPECT_EQ(QApplication::focusWidget(), option->widget());
}

// While the bar holds the keyboard, Shift with a title's letter opens the title.
TEST_F(MenuBarKeysTest, ShiftWithATitlesLetterOpensIt) {
    const struct {
        Qt::Key letter;
        pf::MenuItem* (*menu)();
    } rows[] = {
        {Qt::Key_E, [] { return frmMenu().mnudispedit; }},
        {Qt::Key_F, [] { return frmMenu().mnuFile; }},
        {Qt::Key_S, [] { return frmMenu().mnuSolution; }},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.menu()->Caption());
        pf::Grid& g = typedInto(kWindows[0]);
        BeepCountingHost& host = activateMainCountingBeeps();
        strike(Stroke::Alt);
        key(r.letter, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::activePopupWidget(), r.menu()->qmenu());
        EXPECT_EQ(host.beeps, 0);
        strike({Stroke::Esc, Stroke::Esc});
        qvtest::typeAtFocus("2");
        EXPECT_EQ(g.TextMatrix(1, 1), "12");
    }
}

// Keys that type nothing and are no command (locks, Pause, Print, the Windows and Menu
// keys) do not beep while the bar holds the keyboard, and go nowhere; a letter that is
// no title's does beep.
TEST_F(MenuBarKeysTest, KeysThatAreNoCharactersDoNotBeepInTheBar) {
    const struct {
        const char* name;
        Qt::Key key;
        int beeps;
    } rows[] = {
        {"Caps Lock", Qt::Key_CapsLock, 0}, {"Num Lock", Qt::Key_NumLock, 0},
        {"Scroll Lock", Qt::Key_ScrollLock, 0}, {"Pause", Qt::Key_Pause, 0},
        {"Print", Qt::Key_Print, 0}, {"Meta", Qt::Key_Meta, 0}, {"Super", Qt::Key_Super_L, 0},
        {"Menu", Qt::Key_Menu, 0}, {"F13", Qt::Key_F13, 0},
        {"a letter no title has", Qt::Key_Q, 1}, {"Home", Qt::Key_Home, 1}, {"F5", Qt::Key_F5, 1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        pf::Grid& g = typedInto(kWindows[0]);
        BeepCountingHost& host = activateMainCountingBeeps();
        strike(Stroke::Alt);
        ASSERT_EQ(QApplication::focusWidget(), menuBar());
        key(r.key);
        EXPECT_EQ(host.beeps, r.beeps);
        EXPECT_EQ(QApplication::focusWidget(), menuBar());
        EXPECT_EQ(menuBar()->activeAction(), title(frmMenu().mnuFile));
        strike(Stroke::Esc);
        qvtest::typeAtFocus("2");
        EXPECT_EQ(g.TextMatrix(1, 1), "12");
        EXPECT_EQ(g.TextMatrix(1, 2), "");
    }
}

std::string markedIn(QMenu* menu) {
    return menu->activeAction() ? menu->activeAction()->text().toStdString() : "(none)";
}

QImage itemLook(QMenu* menu, const std::string& text) {
    for (QAction* a : menu->actions())
        if (a->text().toStdString() == text) return menu->grab(menu->actionGeometry(a)).toImage();
    ADD_FAILURE() << "no item " << text;
    return {};
}

// Transportation's Edit menu: "&Display/Edit the Problem" (pale, first), a separator, and
// the submenu's item (last). After Left or Esc closes the submenu, the item the keys
// mark in the Edit menu stays marked however long the pointer rests, over the menu or
// outside the window, no submenu opens, and Enter acts on the marked item.
TEST_F(MenuBarKeysTest, AfterASubmenuClosesTheMarkStaysWhereTheKeysPutIt) {
    const std::string display = "&Display/Edit the Problem", holder = "&Add/Delete Origins or Destinations";
    struct Road {
        const char* name;
        std::vector<Qt::Key> keys;  // after Alt+E, A
        std::string marked;
    };
    const Road roads[] = {
        {"Left, D", {Qt::Key_Left, Qt::Key_D}, display},
        {"Esc, D", {Qt::Key_Escape, Qt::Key_D}, display},
        {"Left, D, A, Left, D", {Qt::Key_Left, Qt::Key_D, Qt::Key_A, Qt::Key_Left, Qt::Key_D}, display},
        {"Left", {Qt::Key_Left}, holder},
        {"Left, D, Up", {Qt::Key_Left, Qt::Key_D, Qt::Key_Up}, holder},
    };
    for (const bool overMenu : {true, false}) {
        for (const Road& r : roads) {
            SCOPED_TRACE(std::string(overMenu ? "pointer over the menu: " : "pointer outside: ") + r.name);
            pf::Grid& g = typedInto(kWindows[1]);
            BeepCountingHost& host = activateMainCountingBeeps();
            QMenu* edit = frmMenu().mnudispedit->qmenu();
            QMenu* submenu = (*frmMenu().mnudispeditsubs)(2).qmenu();
            ASSERT_NE(submenu, nullptr);
            // The pointer comes to rest before the menu opens; over the menu, it rests on
            // the item the keys mark first.
            QPoint rest;
            if (overMenu) {
                strike(Stroke::AltE);
                ASSERT_TRUE(edit->isVisible());
                rest = edit->mapToGlobal(edit->actionGeometry(edit->actions().front()).center());
                strike({Stroke::Esc, Stroke::Esc});
            } else {
                const QRect frame = frmMenu().window()->frameGeometry();
                rest = QPoint(frame.right() + 40, frame.top() + 40);
            }
            QCursor::setPos(rest);
            settle();
            ASSERT_EQ(QCursor::pos(), rest);

            strike(Stroke::AltE);
            qvtest::typeAtFocus("a");
            ASSERT_TRUE(submenu->isVisible());
            for (Qt::Key k : r.keys) key(k);
            EXPECT_EQ(markedIn(edit), r.marked);
            const QImage displayLook = itemLook(edit, display), holderLook = itemLook(edit, holder);
            QTest::qWait(1500);
            EXPECT_EQ(QApplication::activePopupWidget(), edit);
            EXPECT_EQ(markedIn(edit), r.marked);
            EXPECT_TRUE(itemLook(edit, display) == displayLook) << "the pale item's look changed";
            EXPECT_TRUE(itemLook(edit, holder) == holderLook) << "the submenu's item's look changed";
            EXPECT_FALSE(submenu->isVisible());

            key(Qt::Key_Return);
            if (r.marked == display) {
                // A pale item runs nothing: the menu stays with its mark.
                EXPECT_EQ(QApplication::activePopupWidget(), edit);
                EXPECT_EQ(markedIn(edit), display);
                EXPECT_FALSE(submenu->isVisible());
            } else {
                EXPECT_EQ(QApplication::activePopupWidget(), submenu);
                EXPECT_EQ(markedIn(submenu), "Add an Origin");
                key(Qt::Key_Escape);
            }
            EXPECT_EQ(host.beeps, 0);
            strike({Stroke::Esc, Stroke::Esc});
            qvtest::typeAtFocus("2");
            EXPECT_EQ(g.TextMatrix(1, 1), "12");
        }
    }
}

// Forecasting: while the bar holds the keyboard with no menu open, a click on a place in
// the main window that takes no focus ends the bar's keyboard mode as Esc does: the
// entry goes on.
TEST_F(MenuBarKeysTest, AClickElsewhereEndsTheBarsKeyboardMode) {
    struct Place {
        const char* name;
        std::function<QPoint(pf::Grid&)> at;  // in the main window
    };
    const Place places[] = {
        {"the grid window right of its grid",
         [](pf::Grid& g) {
             QWidget* w = g.widget();
             return w->mapTo(frmMenu().window(), QPoint(w->width() + 20, w->height() / 2));
         }},
        {"the status strip",
         [](pf::Grid&) {
             QWidget* strip = frmMenu().Picture1.widget();
             return strip->mapTo(frmMenu().window(), strip->rect().center());
         }},
    };
    for (const Place& p : places) {
        SCOPED_TRACE(p.name);
        pf::setHost(std::make_unique<pf::ScriptedHost>());
        qvtest::resetProgram();
        qvtest::mainWindowAlone(11);
        frmProblem().Show();
        pf::Grid& g = fctest::layOutSeries({10, 20, 30});
        activateMain();
        clickCell(g, 1, 1);
        qvtest::typeAtFocus("9");
        ASSERT_EQ(g.TextMatrix(1, 1), "9");
        strike(Stroke::Alt);
        ASSERT_EQ(QApplication::focusWidget(), menuBar());
        QWidget* main = frmMenu().window();
        const QPoint at = p.at(g);
        QWidget* under = main->childAt(at);
        ASSERT_NE(under, nullptr);
        ASSERT_EQ(under->focusPolicy() & Qt::ClickFocus, 0) << under->metaObject()->className() << " takes the focus";
        QTest::mouseClick(main, Qt::LeftButton, {}, at);
        settle();
        EXPECT_EQ(menuBar()->activeAction(), nullptr);
        EXPECT_EQ(QApplication::focusWidget(), g.widget());
        qvtest::typeAtFocus("4");
        EXPECT_EQ(g.TextMatrix(1, 1), "94");
    }
    // A click on another cell goes on to it: the cell left keeps its entry, the clicked
    // one takes the next.
    pf::Grid& g = frmProblem().gridDisplayEdit;
    strike(Stroke::Alt);
    ASSERT_EQ(QApplication::focusWidget(), menuBar());
    clickCell(g, 2, 1);
    EXPECT_EQ(menuBar()->activeAction(), nullptr);
    qvtest::typeAtFocus("5");
    EXPECT_EQ(g.TextMatrix(1, 1), "94");
    EXPECT_EQ(g.TextMatrix(2, 1), "5");
}

// PERT/CPM, one time per activity, opened from a file: the window with its time boxes.
FrmPERT_CPM& pertOpened() {
    const std::filesystem::path dir = qvtest::emptyTestDir("qv_menubarkeys_");
    const std::filesystem::path file = dir / "chain.CPM";
    std::ofstream(file, std::ios::binary) << "0,0,3,1\r\n3,0\r\n4,1\r\n2,1\r\n1\r\n2\r\n";
    frmMenu();
    qvtest::chooseModule(7);
    pf::scriptedHost().expectFile(file.string());
    frmMenu().mnuFileOpen_Click();
    pf::collectUnloaded();
    std::filesystem::remove_all(dir);
    return frmPERT_CPM();
}

// A fresh program's PERT/CPM window, opened by the scripted host, on screen with the Qt
// host, its Expected Time box clicked.
pf::TextBox& timeBoxClicked() {
    pf::setHost(std::make_unique<pf::ScriptedHost>());
    qvtest::resetProgram();
    FrmPERT_CPM& w = pertOpened();
    qvtest::activeOnScreen(frmMenu());
    pf::setHost(pf::makeQtHost());
    qvtest::clickControl(w.txtExpectedTime);
    return w.txtExpectedTime;
}

// The bar holding the keyboard is a popup to the box it came from: a selected text stays
// selected, so the digit typed once the keyboard is back replaces it.
TEST_F(MenuBarKeysTest, ASelectedTextStaysSelectedWhileTheMenuBarHoldsTheKeyboard) {
    struct Road {
        const char* name;
        std::vector<Stroke> strokes;
    };
    const Road roads[] = {
        {"no menu", {}},
        {"Alt, Esc", {Stroke::Alt, Stroke::Esc}},
        {"Alt, Alt", {Stroke::Alt, Stroke::Alt}},
        {"Alt+F, Esc, Esc", {Stroke::AltF, Stroke::Esc, Stroke::Esc}},
    };
    for (const Road& r : roads) {
        SCOPED_TRACE(r.name);
        pf::TextBox& box = timeBoxClicked();
        ASSERT_EQ(pf::focusedControl(), &box);
        QTest::keyClick(keyTarget(), Qt::Key_A, Qt::ControlModifier);
        qvtest::typeAtFocus("13");
        QTest::keyClick(keyTarget(), Qt::Key_A, Qt::ControlModifier);
        settle();
        ASSERT_EQ(box.SelLength(), 2);
        for (Stroke s : r.strokes) strike(s);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget(), box.widget());
        qvtest::typeAtFocus("4");
        EXPECT_EQ(box.Text(), "4");
    }
}

// The box's text drawn selected: some of it in the selection colour.
bool drawnSelected(pf::TextBox& box) {
    QWidget* w = box.widget();
    const QImage look = w->grab().toImage();
    const QRgb active = w->palette().color(QPalette::Active, QPalette::Highlight).rgb();
    const QRgb inactive = w->palette().color(QPalette::Inactive, QPalette::Highlight).rgb();
    for (int y = 0; y < look.height(); ++y)
        for (int x = 0; x < look.width(); ++x)
            if (const QRgb p = look.pixel(x, y); p == active || p == inactive) return true;
    return false;
}

// A menu command chosen from the keyboard hands the keyboard back to the time box with
// its text selected, and drawn so: the next key starts a new time. Alt alone, or a menu
// opened and closed with no command, let the time being typed go on.
TEST_F(MenuBarKeysTest, AMenuCommandHandsTheTimeBoxBackWithItsTextSelected) {
    const std::filesystem::path dir = qvtest::emptyTestDir("qv_menubarkeys_back_");
    const std::string savedTo = (dir / "saved.CPM").string();
    enum class Answer { None, SaveAs, CancelDialog, No };
    struct Road {
        const char* name;
        std::vector<Stroke> strokes;
        Qt::Key item;  // the File menu's item chosen after the strokes, or 0
        Answer answer;
        const char* typedNext;  // the box after "7"
    };
    const Road roads[] = {
        {"Save, saved", {Stroke::AltF}, Qt::Key_S, Answer::SaveAs, "7"},
        {"Save, the dialog cancelled", {Stroke::AltF}, Qt::Key_S, Answer::CancelDialog, "7"},
        {"New answered No", {Stroke::AltF}, Qt::Key_N, Answer::No, "7"},
        {"Open answered No", {Stroke::AltF}, Qt::Key_O, Answer::No, "7"},
        {"Change Modules answered No", {Stroke::AltF}, Qt::Key_M, Answer::No, "7"},
        {"Alt, Esc", {Stroke::Alt, Stroke::Esc}, Qt::Key(0), Answer::None, "57"},
        {"Alt+F, Esc, Esc", {Stroke::AltF, Stroke::Esc, Stroke::Esc}, Qt::Key(0), Answer::None, "57"},
    };
    for (const Road& r : roads) {
        SCOPED_TRACE(r.name);
        pf::TextBox& box = timeBoxClicked();
        ASSERT_EQ(pf::focusedControl(), &box);
        qvtest::typeAtFocus("5");
        ASSERT_EQ(box.Text(), "5");
        ASSERT_FALSE(drawnSelected(box));

        // The dialog the command opens is answered as a user would.
        int answered = 0;
        QTimer answerer;
        QObject::connect(&answerer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible()) return;
            if (auto* d = qobject_cast<QFileDialog*>(modal)) {
                if (r.answer == Answer::SaveAs) {
                    d->findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromStdString(savedTo));
                    static_cast<QDialog*>(d)->accept();
                } else {
                    QTest::keyClick(d, Qt::Key_Escape);
                }
                ++answered;
            } else if (auto* m = qobject_cast<QMessageBox*>(modal)) {
                QTest::keyClick(m, Qt::Key_Escape);  // No
                ++answered;
            }
        });
        answerer.start(20);
        for (Stroke s : r.strokes) strike(s);
        if (r.item) key(r.item);
        answerer.stop();
        EXPECT_EQ(answered, r.answer == Answer::None ? 0 : 1);
        // The window system gives the main window back its activation as a dialog closes;
        // the offscreen platform gives it to no window.
        if (!QApplication::activeWindow()) qvtest::activeOnScreen(frmMenu());
        ASSERT_EQ(QApplication::focusWidget(), box.widget());
        EXPECT_EQ(pf::focusedControl(), &box);
        const bool command = r.answer != Answer::None;
        EXPECT_EQ(box.SelLength(), command ? 1 : 0);
        EXPECT_EQ(drawnSelected(box), command);
        qvtest::typeAtFocus("7");
        EXPECT_EQ(box.Text(), r.typedNext);
        if (r.answer == Answer::SaveAs) {
            std::ifstream in(savedTo, std::ios::binary);
            std::string first, second;
            std::getline(in, first);
            std::getline(in, second);
            EXPECT_EQ(second, "5,0\r");
        }
    }
    std::filesystem::remove_all(dir);
}

// ---------------------------------------------------------------- Alt with a letter in a box

class AltLetterTest : public qvtest::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        // A refusal's message, had a box been given a letter, is counted and answered.
        QObject::connect(&closer_, &QTimer::timeout, [this] {
            if (auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                messages_.push_back(m->text().toStdString());
                m->accept();
            }
        });
        closer_.start(20);
    }
    void TearDown() override {
        closer_.stop();
        ProgramTest::TearDown();
    }
    // The main window in `module` on screen, with the Qt host.
    static void mainIn(int module) {
        qvtest::mainWindowAlone(module);
        frmMenu().Show();
        settle();
        pf::setHost(pf::makeQtHost());
    }
    static pf::Form& shown(pf::Form& f) {
        qvtest::activeOnScreen(f);
        return f;
    }
    QTimer closer_;
    std::vector<std::string> messages_;
};

pf::Form& eoqForm() {
    qv::S().strProblemFileExt = "INV";
    qv::S().inv.ReDimArrays();
    qv::S().inv.intInventoryModel = 1;
    qv::S().blnNewProblem = true;
    return pf::instance<FrmEOQ>();
}

TEST_F(AltLetterTest, AltWithALetterTypesNothingIntoABox) {
    struct Row {
        const char* name;
        int module;
        std::function<pf::Form&()> open;
        const char* box;
        const char* typed;
        std::function<void(pf::Form&)> before;  // makes the box reachable
    };
    const Row rows[] = {
        {"EOQ percent of unit cost", 8, eoqForm, "txtFrame1", "20", nullptr},
        {"EOQ lead time", 8, eoqForm, "txtleadtime", "5",
         [](pf::Form& f) { clickControl(*f.control("chkreorderpoint")); }},
        {"M/M/k channels", 9,
         [] () -> pf::Form& {
             qv::S().strProblemFileExt = "WLM";
             qv::S().wl.intWaitingLineModel = 1;
             qv::S().blnNewProblem = true;
             return frmWL_Model();
         },
         "txt_WL(0)", "2", nullptr},
        {"time periods", 11,
         [] () -> pf::Form& {
             frmUserInput().fillTextsFor(11);
             return frmUserInput();
         },
         "txtAnswer(0)", "4", nullptr},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        qvtest::resetProgram();
        mainIn(r.module);
        pf::Form& f = shown(r.open());
        if (r.before) r.before(f);
        auto& box = dynamic_cast<pf::TextBox&>(*f.control(r.box));
        clickControl(box);
        ASSERT_EQ(pf::focusedControl(), &box);
        qvtest::typeAtFocus(r.typed);
        ASSERT_EQ(box.Text(), r.typed);
        strike({Stroke::AltF, Stroke::AltS});
        EXPECT_EQ(box.Text(), r.typed);
        EXPECT_EQ(pf::focusedControl(), &box);
        EXPECT_TRUE(messages_.empty()) << ::testing::PrintToString(messages_);
        messages_.clear();
        pf::setHost(std::make_unique<pf::ScriptedHost>());
    }
    // The lead time is taken as typed when the box is left.
    qvtest::resetProgram();
    mainIn(8);
    pf::Form& f = shown(eoqForm());
    clickControl(*f.control("chkreorderpoint"));
    clickControl(*f.control("txtleadtime"));
    qvtest::typeAtFocus("5");
    strike(Stroke::AltF);
    QTest::keyClick(keyTarget(), Qt::Key_Tab);
    settle();
    EXPECT_TRUE(messages_.empty()) << ::testing::PrintToString(messages_);
    EXPECT_EQ(qv::S().inv.dblLeadTime.num(), 5);
}

// A window of its own with a button whose caption has a mnemonic.
class MnemonicForm : public pf::Form {
public:
    MnemonicForm() : pf::Form("frmMnemonic", pf::FormKind::Dialog) {
        Move(0, 0, 4000, 2000);
        text.Move(120, 120, 2000, 375);
        go.Move(120, 700, 1200, 375);
        go.Caption("&Go");
        go.Click = [this] { ++pressed; };
    }
    pf::TextBox text{this, "text"};
    pf::CommandButton go{this, "go"};
    int pressed = 0;
};

// A button's own mnemonic still presses it from a box, and types nothing there.
TEST_F(AltLetterTest, AButtonsMnemonicPressesItAndTypesNothing) {
    mainIn(1);
    auto& f = static_cast<MnemonicForm&>(shown(pf::instance<MnemonicForm>()));
    clickControl(f.text);
    qvtest::typeAtFocus("3");
    QTest::keyClick(keyTarget(), Qt::Key_G, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&f] { return f.pressed == 1; }, 2000));
    EXPECT_EQ(f.text.Text(), "3");
}

}  // namespace
