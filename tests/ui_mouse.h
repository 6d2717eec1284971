#pragma once
// The mouse on a list as the window system drives it: Qt delivers a list's mouse events
// to its viewport, not to the list widget itself.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPointer>
#include <QTest>

#include "platform/ui/Controls.h"

namespace qvtest {

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

}  // namespace qvtest
