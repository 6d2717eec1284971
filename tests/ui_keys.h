#pragma once
// Keys as the keyboard sends them: a press and a release through Qt's event path to the
// real widget, where the control's filter takes them as a user's keystroke.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

#include <string>

#include "platform/ui/Form.h"

namespace qvtest {

inline void pressKey(QWidget* w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = QString()) {
    QKeyEvent down(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(w, &down);
    QKeyEvent up(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(w, &up);
}

// To whichever control has the focus.
inline void pressOnFocused(int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = QString()) {
    pf::Control* c = pf::focusedControl();
    ASSERT_NE(c, nullptr) << "no control has the focus";
    pressKey(c->widget(), key, mods, text);
}

// Characters typed one by one into the focused control.
inline void typeOnFocused(const std::string& text) {
    for (char ch : text) pressOnFocused(QChar(ch).toUpper().unicode(), Qt::NoModifier, QString(QChar(ch)));
}

}  // namespace qvtest
