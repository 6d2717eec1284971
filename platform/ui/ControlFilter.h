#pragma once
// Routes Qt's key, focus and mouse events of a control's widget to the control.
#include <QObject>

class QKeyEvent;
class QWidget;

namespace pf {

class Control;

class ControlFilter : public QObject {
public:
    ControlFilter(Control* c, QObject* parent) : QObject(parent), ctl(c) {}
    bool eventFilter(QObject* watched, QEvent* event) override;
    Control* ctl;

private:
    bool swallowClick_ = false;  // the click that focused a fully selected box
};

// Key code, shift state and character of a Qt key event, as the handlers see them.
struct TranslatedKey {
    int keyCode = 0;
    int shift = 0;
    int ascii = 0;
};
TranslatedKey translateKey(int qtKey, int qtModifiers, const QString& text);
// Shift, Ctrl, Alt, AltGr or Meta pressed alone: a key that is no command of its own.
bool isModifierKey(int qtKey);
// A key that is no character and that nothing acts on: a lone modifier, Meta, Super, the
// Menu key, a lock key, Pause, Print Screen, F13 and beyond, a dead key. translateKey
// gives it code 0 or a code of its own that no handler knows.
bool isInertKey(int qtKey);
// Alt with a letter types nothing in any window: one filter over the application drops
// such a key before a Qt widget outside the platform's controls (a Qt dialog's box, a
// completer's list) can type it. Installed once; later calls do nothing.
void dropAltLettersOutsideControls();

// Hands a key to a control's Qt widget past the control's filter. A key from the
// keyboard (`original`) is passed on as it came unless its character was changed;
// a simulated one is pressed and released. A key held with Alt carries no text.
void sendKeyToWidget(QWidget* w, int keyCode, int shift, int ascii, const QKeyEvent* original);
// Qt's focus goes back to the widget of the control that has the platform's focus. Nothing
// is handed over: no handler learns of it.
void qtFocusToRecord();
// True while a key is being handed to a control's widget: one that comes up to its
// window from there was left by that widget.
bool keyBeingPassedOn();

}  // namespace pf
