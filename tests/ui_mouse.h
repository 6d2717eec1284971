#pragma once
// Mouse clicks and keys where a user's arrive: a click on a grid cell, a list's entry or
// a control's widget through Qt's event path, keys to the widget that has Qt's focus.
// Qt delivers a grid's and a list's mouse events to their viewports.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>

#include <string>

#include "platform/ui/Controls.h"
#include "platform/ui/Form.h"
#include "platform/ui/Grid.h"
#include "platform/ui/Menu.h"
#include "tests/ui_keys.h"

namespace qvtest {

// Lets the events the last action posted run.
inline void settle() {
    QCoreApplication::sendPostedEvents();
    QApplication::processEvents();
}

// A window shown and active, as the window system leaves it when the user turns to it.
inline void activeOnScreen(pf::Form& f) {
    f.Show();
    f.window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.window()));
    settle();
}

inline QWidget* viewportOf(const pf::Grid& g) { return qobject_cast<QAbstractScrollArea*>(g.widget())->viewport(); }

inline void clickCell(pf::Grid& g, int r, int c) {
    int x = 0, y = 0;
    ASSERT_TRUE(g.cellCentre(r, c, x, y)) << g.qualifiedName() << " (" << r << "," << c << ") not in view";
    QTest::mouseClick(viewportOf(g), Qt::LeftButton, {}, QPoint(x, y));
    settle();
}

inline void clickControl(pf::Control& c) {
    QTest::mouseClick(c.widget(), Qt::LeftButton, {}, c.widget()->rect().center());
    settle();
}

// Where the keyboard sends a key: the open menu, else the widget with Qt's focus, else
// the active window.
inline QWidget* keyTarget() {
    if (QWidget* popup = QApplication::activePopupWidget()) return popup;
    if (QWidget* focused = QApplication::focusWidget()) return focused;
    return QApplication::activeWindow();
}

// Alt held with a letter, as the keyboard sends it: Alt down, the letter with Alt, Alt up.
inline void altWith(Qt::Key letter) {
    QTest::keyPress(keyTarget(), Qt::Key_Alt);
    QTest::keyClick(keyTarget(), letter, Qt::AltModifier);
    QTest::keyRelease(keyTarget(), Qt::Key_Alt, Qt::AltModifier);
    settle();
}

// Typed as the keyboard types, where keyTarget() says.
inline void typeAtFocus(const std::string& text) {
    for (char ch : text) {
        QWidget* w = keyTarget();
        ASSERT_NE(w, nullptr) << "no window takes the keyboard";
        pressKey(w, QChar(ch).toUpper().unicode(), Qt::NoModifier, QString(QChar(ch)));
    }
    settle();
}

inline QListWidget* listWidget(pf::ListBox& list) { return static_cast<QListWidget*>(list.widget()); }

// The row drawn at the top of the list.
inline int topRow(pf::ListBox& list) { return listWidget(list)->indexAt(QPoint(0, 0)).row(); }

// The centre of an entry in view; the test fails when the entry is scrolled away.
inline QPoint entryCentre(pf::ListBox& list, int row) {
    QListWidget* l = listWidget(list);
    const QPoint at = l->visualItemRect(l->item(row)).center();
    EXPECT_TRUE(l->viewport()->rect().contains(at)) << list.Name() << " entry " << row << " is out of view";
    return at;
}

inline void clickEntry(pf::ListBox& list, int row) {
    const QPoint at = entryCentre(list, row);
    QTest::mouseClick(listWidget(list)->viewport(), Qt::LeftButton, {}, at);
}

// As a window system sends a double click: press, release, press, double-click, release.
inline void doubleClickEntry(pf::ListBox& list, int row) {
    const QPoint at = entryCentre(list, row);
    QPointer<QWidget> viewport = listWidget(list)->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, at);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
    QTest::mousePress(viewport, Qt::LeftButton, {}, at);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
    if (viewport) QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
}

inline QMenuBar* menuBarOf(pf::Form& main) { return static_cast<QMainWindow*>(main.window())->menuBar(); }

// Opens a top menu with a click on its title in the main window's menu bar.
inline void openMenuWithMouse(pf::Form& main, pf::MenuItem& menu) {
    QMenuBar* bar = menuBarOf(main);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu.qmenu()->menuAction()).center());
    ASSERT_TRUE(menu.qmenu()->isVisible()) << menu.Caption();
}

// Chooses an item with the mouse: its menu opened from the menu bar, the item clicked.
inline void chooseWithMouse(pf::Form& main, pf::MenuItem& menu, pf::MenuItem& item) {
    openMenuWithMouse(main, menu);
    QMenu* m = menu.qmenu();
    QAction* action = nullptr;
    for (QAction* a : m->actions())
        if (a->text().toStdString() == item.Caption()) action = a;
    ASSERT_NE(action, nullptr) << item.Caption();
    QTest::mouseClick(m, Qt::LeftButton, {}, m->actionGeometry(action).center());
    settle();
    EXPECT_FALSE(m->isVisible());
}

}  // namespace qvtest
