#include "platform/ui/ControlFilter.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPointer>

#include <memory>
#include <QWidget>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>

#include "platform/ui/Controls.h"
#include "platform/ui/Form.h"
#include "platform/ui/Grid.h"
#include "platform/ui/Keys.h"

namespace pf {

namespace {
// The keys the handlers know by name (true), with their codes and characters.
bool namedKey(int qtKey, TranslatedKey& k) {
    switch (qtKey) {
        case Qt::Key_Backspace: k.keyCode = vbKeyBack; k.ascii = 8; return true;
        case Qt::Key_Tab: k.keyCode = vbKeyTab; k.ascii = 9; return true;
        case Qt::Key_Backtab: k.keyCode = vbKeyTab; k.ascii = 9; k.shift |= vbShiftMask; return true;
        case Qt::Key_Return:
        case Qt::Key_Enter: k.keyCode = vbKeyReturn; k.ascii = 13; return true;
        case Qt::Key_Escape: k.keyCode = vbKeyEscape; k.ascii = 27; return true;
        case Qt::Key_Shift: k.keyCode = vbKeyShift; return true;
        case Qt::Key_Control: k.keyCode = vbKeyControl; return true;
        case Qt::Key_Alt: k.keyCode = vbKeyMenu; k.shift |= vbAltMask; return true;
        case Qt::Key_PageUp: k.keyCode = vbKeyPageUp; return true;
        case Qt::Key_PageDown: k.keyCode = vbKeyPageDown; return true;
        case Qt::Key_End: k.keyCode = vbKeyEnd; return true;
        case Qt::Key_Home: k.keyCode = vbKeyHome; return true;
        case Qt::Key_Left: k.keyCode = vbKeyLeft; return true;
        case Qt::Key_Up: k.keyCode = vbKeyUp; return true;
        case Qt::Key_Right: k.keyCode = vbKeyRight; return true;
        case Qt::Key_Down: k.keyCode = vbKeyDown; return true;
        case Qt::Key_Insert: k.keyCode = vbKeyInsert; return true;
        case Qt::Key_Delete: k.keyCode = vbKeyDelete; return true;
        default: break;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) {
        k.keyCode = vbKeyF1 + (qtKey - Qt::Key_F1);
        return true;
    }
    return false;
}

// Qt's codes from Key_Escape up are keys, not characters; their low byte means nothing.
bool beyondCharacters(int qtKey) { return qtKey >= Qt::Key_Escape; }

// A key beyond the characters that no handler acts on: its own code where it has one, so
// that it can be told apart, else 0, which consumes it.
int inertKeyCode(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Pause: return vbKeyPause;
        case Qt::Key_CapsLock: return vbKeyCapital;
        case Qt::Key_Print: return vbKeySnapshot;
        case Qt::Key_NumLock: return vbKeyNumlock;
        case Qt::Key_ScrollLock: return vbKeyScrollLock;
        default: break;
    }
    if (qtKey >= Qt::Key_F13 && qtKey <= Qt::Key_F24) return vbKeyF1 + 12 + (qtKey - Qt::Key_F13);
    return 0;
}
}  // namespace

TranslatedKey translateKey(int qtKey, int qtModifiers, const QString& text) {
    TranslatedKey k;
    if (qtModifiers & Qt::ShiftModifier) k.shift |= vbShiftMask;
    if (qtModifiers & Qt::ControlModifier) k.shift |= vbCtrlMask;
    if (qtModifiers & Qt::AltModifier) k.shift |= vbAltMask;
    if (namedKey(qtKey, k)) return k;
    if (beyondCharacters(qtKey)) {
        k.keyCode = inertKeyCode(qtKey);
        return k;
    }
    // Below the keys, Qt's code is the character itself: "%" is no Left, nor "$" Home.
    k.keyCode = keyCodeForCharacter(static_cast<unsigned>(qtKey));
    if (!text.isEmpty() && !(k.shift & (vbCtrlMask | vbAltMask))) {
        ushort u = text.at(0).unicode();
        k.ascii = u < 256 ? u : '?';
    }
    return k;
}

bool isInertKey(int qtKey) {
    TranslatedKey k;
    return isModifierKey(qtKey) || (beyondCharacters(qtKey) && !namedKey(qtKey, k));
}

namespace {
// While a key is being handed to a widget, no filter takes it back.
int passingOn = 0;

int qtKeyFor(int keyCode, int ascii) {
    switch (keyCode) {
        case vbKeyBack: return Qt::Key_Backspace;
        case vbKeyTab: return Qt::Key_Tab;
        case vbKeyReturn: return Qt::Key_Return;
        case vbKeyEscape: return Qt::Key_Escape;
        case vbKeyShift: return Qt::Key_Shift;
        case vbKeyControl: return Qt::Key_Control;
        case vbKeyMenu: return Qt::Key_Alt;
        case vbKeySpace: return Qt::Key_Space;
        case vbKeyPageUp: return Qt::Key_PageUp;
        case vbKeyPageDown: return Qt::Key_PageDown;
        case vbKeyEnd: return Qt::Key_End;
        case vbKeyHome: return Qt::Key_Home;
        case vbKeyLeft: return Qt::Key_Left;
        case vbKeyUp: return Qt::Key_Up;
        case vbKeyRight: return Qt::Key_Right;
        case vbKeyDown: return Qt::Key_Down;
        case vbKeyInsert: return Qt::Key_Insert;
        case vbKeyDelete: return Qt::Key_Delete;
        default: break;
    }
    if (keyCode >= vbKeyF1 && keyCode < vbKeyF1 + 12) return Qt::Key_F1 + (keyCode - vbKeyF1);
    if ((keyCode >= 'A' && keyCode <= 'Z') || (keyCode >= '0' && keyCode <= '9')) return keyCode;
    // Qt's codes for the other printable keys are their upper-case characters.
    if (ascii >= 32 && ascii < 127) return QChar(ascii).toUpper().unicode();
    return Qt::Key_unknown;
}
}  // namespace

bool keyBeingPassedOn() { return passingOn > 0; }

bool isModifierKey(int qtKey) {
    return qtKey == Qt::Key_Shift || qtKey == Qt::Key_Control || qtKey == Qt::Key_Alt || qtKey == Qt::Key_AltGr ||
           qtKey == Qt::Key_Meta;
}

void sendKeyToWidget(QWidget* w, int keyCode, int shift, int ascii, const QKeyEvent* original) {
    if (!w) return;
    ++passingOn;
    struct Done { ~Done() { --passingOn; } } done;
    // A key held with Alt is a command, never text: Qt's boxes would type its letter.
    const bool withAlt = shift & vbAltMask;
    if (original && !withAlt &&
        translateKey(original->key(), original->modifiers(), original->text()).ascii == ascii) {
        std::unique_ptr<QKeyEvent> copy(original->clone());
        copy->setAccepted(false);
        QCoreApplication::sendEvent(w, copy.get());
        return;
    }
    Qt::KeyboardModifiers mods;
    if (shift & vbShiftMask) mods |= Qt::ShiftModifier;
    if (shift & vbCtrlMask) mods |= Qt::ControlModifier;
    if (shift & vbAltMask) mods |= Qt::AltModifier;
    const int key = qtKeyFor(keyCode, ascii);
    const QString text = ascii && !withAlt ? QString(QChar(ascii)) : QString();
    QPointer<QWidget> guard(w);
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QCoreApplication::sendEvent(w, &press);
    if (original || !guard) return;  // the keyboard's own release follows
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QCoreApplication::sendEvent(w, &release);
}

namespace {
bool isControlWidget(const QObject* o) {
    for (const QObject* child : o->children())
        if (dynamic_cast<const ControlFilter*>(child)) return true;
    return false;
}

// A Qt line edit types a letter held with Alt (it refuses only Ctrl), and a completer's
// list hands its keys to the box behind it. A letter that is a mnemonic (a dialog's
// "&Save") has become a Shortcut before any KeyPress is sent, so it still acts. AltGr on
// X11 carries GroupSwitchModifier, not Alt: "@" still types. A platform control has its
// own rule (sendKeyToWidget) and keeps the Alt key-down its handlers need; a menu reads
// its own letters.
class AltLetterFilter : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        auto* ke = static_cast<QKeyEvent*>(e);
        const Qt::KeyboardModifiers mods = ke->modifiers();
        if (!(mods & Qt::AltModifier) || (mods & Qt::ControlModifier)) return false;
        if (ke->text().isEmpty() || !ke->text().at(0).isPrint()) return false;
        // The window is handed the key first and passes it to its focused widget.
        if (!o->isWidgetType()) return false;
        if (qobject_cast<QMenu*>(o) || qobject_cast<QMenuBar*>(o) || isControlWidget(o)) return false;
        return true;
    }
};
}  // namespace

void dropAltLettersOutsideControls() {
    static AltLetterFilter* filter = [] {
        auto* f = new AltLetterFilter;
        qApp->installEventFilter(f);
        return f;
    }();
    (void)filter;
}

void qtFocusToRecord() {
    Control* keeper = focusedControl();
    if (keeper && keeper->widget()) keeper->widget()->setFocus(Qt::OtherFocusReason);
}

namespace {
// The rest of a mouse press whose focus hand-over was refused: its press, a double
// click's second press, moves with a button held and releases reach nothing under the
// clicked widget, and Qt's focus, given again by the double click, goes back to the
// control that kept the keyboard. A key, or a press elsewhere or later, ends it.
class RefusedClick : public QObject {
public:
    static RefusedClick& instance() {
        static auto* r = [] {
            auto* o = new RefusedClick;
            qApp->installEventFilter(o);
            return o;
        }();
        return *r;
    }
    void start(QWidget* target) {
        target_ = target;
        pressSeen_ = false;
    }
    bool active(const QWidget* w) const { return target_ && w && (w == target_ || target_->isAncestorOf(w)); }

    bool eventFilter(QObject* o, QEvent* e) override {
        if (!target_) return false;
        auto* w = qobject_cast<QWidget*>(o);
        switch (e->type()) {
            case QEvent::KeyPress:
                target_ = nullptr;
                return false;
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick: {
                // The presses of one double click come within the double-click time.
                const bool sameGesture =
                    active(w) && (!pressSeen_ || sincePress_.elapsed() <= qApp->doubleClickInterval());
                if (!sameGesture) {
                    target_ = nullptr;
                    return false;
                }
                if (!pressSeen_) sincePress_.start();
                pressSeen_ = true;
                return true;
            }
            case QEvent::MouseButtonRelease:
                return active(w);
            case QEvent::MouseMove:
                return active(w) && static_cast<QMouseEvent*>(e)->buttons() != Qt::NoButton;
            case QEvent::FocusIn: {
                // Only the mouse gives the focus back to the clicked widget; the program may.
                if (!active(w) || static_cast<QFocusEvent*>(e)->reason() != Qt::MouseFocusReason) return false;
                if (Control* keeper = focusedControl(); keeper && active(keeper->widget())) return false;
                qtFocusToRecord();
                return true;
            }
            default:
                return false;
        }
    }

private:
    QPointer<QWidget> target_;
    bool pressSeen_ = false;
    QElapsedTimer sincePress_;
};
}  // namespace

bool ControlFilter::eventFilter(QObject* watched, QEvent* event) {
    if (!ctl || watched != ctl->widget()) return false;
    switch (event->type()) {
        case QEvent::KeyPress: {
            if (passingOn) return false;
            auto* ke = static_cast<QKeyEvent*>(event);
            // A control under a window that never keeps the focus is out of sight: the
            // key is the main window's.
            if (Form* front = frontChildWindow(); front && front->ScrolledFromMainWindow() &&
                &ctl->owner() != front && ctl->owner().kind() == FormKind::Child) {
                keyToMainWindow(*ke);
                return true;
            }
            TranslatedKey k = translateKey(ke->key(), ke->modifiers(), ke->text());
            ctl->deliverKey(k.keyCode, k.shift, k.ascii, ke);
            return true;
        }
        case QEvent::ShortcutOverride: {
            // Keys belong to the control, not to the menu's shortcuts, unless Alt is held.
            auto* ke = static_cast<QKeyEvent*>(event);
            if (!(ke->modifiers() & Qt::AltModifier)) { event->accept(); return true; }
            return false;
        }
        case QEvent::FocusIn: {
            auto* fe = static_cast<QFocusEvent*>(event);
            if (fe->reason() != Qt::PopupFocusReason && fe->reason() != Qt::MenuBarFocusReason &&
                fe->reason() != Qt::ActiveWindowFocusReason && !setFocusTo(ctl, &ctl->owner())) {
                // The field being left refused and kept the keyboard: this control never
                // gets it, and the click that was giving it has no effect.
                QWidget* w = static_cast<QWidget*>(watched);
                if (fe->reason() == Qt::MouseFocusReason) RefusedClick::instance().start(w);
                if (w->hasFocus()) qtFocusToRecord();
                return true;
            }
            // A box whose getting the focus selected its whole text keeps it selected
            // through the click that gave the focus, so typing replaces the text.
            if (fe->reason() == Qt::MouseFocusReason) {
                auto* t = dynamic_cast<TextBox*>(ctl);
                const int len = t ? static_cast<int>(t->Text().size()) : 0;
                swallowClick_ = t && len > 0 && t->SelStart() == 0 && t->SelLength() == len;
            }
            return false;
        }
        case QEvent::FocusOut: {
            // The menu bar holding the keyboard is a popup to the field it came from: a
            // box keeps its selection, so a key typed once the bar lets go replaces it.
            if (static_cast<QFocusEvent*>(event)->reason() != Qt::MenuBarFocusReason) return false;
            QFocusEvent asPopup(QEvent::FocusOut, Qt::PopupFocusReason);
            QCoreApplication::sendEvent(watched, &asPopup);
            return true;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseMove:
            return swallowClick_;
        case QEvent::MouseButtonRelease:
            if (swallowClick_) {
                swallowClick_ = false;
                return true;
            }
            return false;
        case QEvent::MouseButtonDblClick:
            if (ctl->DblClick && ctl->Visible() && ctl->Enabled()) ctl->DblClick();
            return false;
        default:
            return false;
    }
}

}  // namespace pf
