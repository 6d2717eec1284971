#include "platform/ui/ControlFilter.h"

#include <QEvent>
#include <QWidget>
#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/ui/Form.h"
#include "platform/ui/Keys.h"

namespace pf {

TranslatedKey translateKey(int qtKey, int qtModifiers, const QString& text) {
    TranslatedKey k;
    if (qtModifiers & Qt::ShiftModifier) k.shift |= vbShiftMask;
    if (qtModifiers & Qt::ControlModifier) k.shift |= vbCtrlMask;
    if (qtModifiers & Qt::AltModifier) k.shift |= vbAltMask;
    switch (qtKey) {
        case Qt::Key_Backspace: k.keyCode = vbKeyBack; k.ascii = 8; return k;
        case Qt::Key_Tab: k.keyCode = vbKeyTab; k.ascii = 9; return k;
        case Qt::Key_Backtab: k.keyCode = vbKeyTab; k.ascii = 9; k.shift |= vbShiftMask; return k;
        case Qt::Key_Return:
        case Qt::Key_Enter: k.keyCode = vbKeyReturn; k.ascii = 13; return k;
        case Qt::Key_Escape: k.keyCode = vbKeyEscape; k.ascii = 27; return k;
        case Qt::Key_Shift: k.keyCode = vbKeyShift; return k;
        case Qt::Key_Control: k.keyCode = vbKeyControl; return k;
        case Qt::Key_Alt: k.keyCode = vbKeyMenu; k.shift |= vbAltMask; return k;
        case Qt::Key_PageUp: k.keyCode = vbKeyPageUp; return k;
        case Qt::Key_PageDown: k.keyCode = vbKeyPageDown; return k;
        case Qt::Key_End: k.keyCode = vbKeyEnd; return k;
        case Qt::Key_Home: k.keyCode = vbKeyHome; return k;
        case Qt::Key_Left: k.keyCode = vbKeyLeft; return k;
        case Qt::Key_Up: k.keyCode = vbKeyUp; return k;
        case Qt::Key_Right: k.keyCode = vbKeyRight; return k;
        case Qt::Key_Down: k.keyCode = vbKeyDown; return k;
        case Qt::Key_Insert: k.keyCode = vbKeyInsert; return k;
        case Qt::Key_Delete: k.keyCode = vbKeyDelete; return k;
        default: break;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) {
        k.keyCode = vbKeyF1 + (qtKey - Qt::Key_F1);
        return k;
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) k.keyCode = 'A' + (qtKey - Qt::Key_A);
    else if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) k.keyCode = '0' + (qtKey - Qt::Key_0);
    else if (qtKey == Qt::Key_Space) k.keyCode = vbKeySpace;
    else k.keyCode = qtKey & 0xFF;
    if (!text.isEmpty() && !(k.shift & (vbCtrlMask | vbAltMask))) {
        ushort u = text.at(0).unicode();
        k.ascii = u < 256 ? u : '?';
    }
    return k;
}

bool ControlFilter::eventFilter(QObject* watched, QEvent* event) {
    if (!ctl || watched != ctl->widget()) return false;
    switch (event->type()) {
        case QEvent::KeyPress: {
            auto* ke = static_cast<QKeyEvent*>(event);
            TranslatedKey k = translateKey(ke->key(), ke->modifiers(), ke->text());
            ctl->deliverKey(k.keyCode, k.shift, k.ascii);
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
                fe->reason() != Qt::ActiveWindowFocusReason)
                setFocusTo(ctl, &ctl->owner());
            return false;
        }
        case QEvent::MouseButtonDblClick:
            if (ctl->DblClick && ctl->Visible() && ctl->Enabled()) ctl->DblClick();
            return false;
        default:
            return false;
    }
}

}  // namespace pf
