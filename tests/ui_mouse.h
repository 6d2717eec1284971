#pragma once
// Mouse clicks and keys where a user's arrive: a click on a grid cell or a control's
// widget through Qt's event path, keys to the widget that has Qt's focus.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QTest>

#include <string>

#include "platform/ui/Form.h"
#include "platform/ui/Grid.h"
#include "tests/ui_keys.h"

namespace qvtest {

// Lets the events the last action posted run.
inline void settle() {
    QCoreApplication::sendPostedEvents();
    QApplication::processEvents();
}

inline QWidget* viewportOf(pf::Grid& g) { return qobject_cast<QAbstractScrollArea*>(g.widget())->viewport(); }

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

// Typed where Qt's focus is, as the keyboard types.
inline void typeAtFocus(const std::string& text) {
    for (char ch : text) {
        QWidget* w = QApplication::focusWidget();
        ASSERT_NE(w, nullptr) << "no widget has Qt's focus";
        pressKey(w, QChar(ch).toUpper().unicode(), Qt::NoModifier, QString(QChar(ch)));
    }
    settle();
}

}  // namespace qvtest
