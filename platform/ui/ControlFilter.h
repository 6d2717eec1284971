#pragma once
// Routes Qt's key, focus and mouse events of a control's widget to the control.
#include <QObject>

namespace pf {

class Control;

class ControlFilter : public QObject {
public:
    ControlFilter(Control* c, QObject* parent) : QObject(parent), ctl(c) {}
    bool eventFilter(QObject* watched, QEvent* event) override;
    Control* ctl;
};

// Key code, shift state and character of a Qt key event, as the handlers see them.
struct TranslatedKey {
    int keyCode = 0;
    int shift = 0;
    int ascii = 0;
};
class QKeyEventFwd;
TranslatedKey translateKey(int qtKey, int qtModifiers, const QString& text);

}  // namespace pf
