#include "platform/ui/MainWindow.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenuBar>

#include <memory>

#include "platform/ui/ControlFilter.h"
#include "platform/ui/Host.h"
#include "platform/ui/QtBridge.h"

namespace pf {

namespace {
// The menu bar holds Qt's focus only while it shows that it has the keyboard (a title
// marked) or a menu is open; once it lets go, Qt's focus is where the platform's is.
// Qt's bar gives the focus back to the widget that had it when the bar took it, which
// is the bar itself after a second Alt+letter from the bar, and then keeps it.
// Qt's bar makes a disabled title current with its popup state set, and then neither Alt
// nor the focus leaving clears it; so a disabled title's letter never reaches it.
class MenuBarWidget : public QMenuBar {
public:
    explicit MenuBarWidget(QWidget* parent) : QMenuBar(parent) {
        qApp->installEventFilter(new PressElsewhere(this));
    }

protected:
    bool event(QEvent* e) override {
        switch (e->type()) {
            case QEvent::Shortcut:
                // Alt with a title's letter: a title that cannot open is not there.
                if (!canOpenTitleFor(static_cast<QShortcutEvent*>(e)->key()[0].key())) return true;
                // The bar notes where the keyboard is as a title's letter opens its menu.
                if (hasFocus()) letGo();
                return QMenuBar::event(e);
            case QEvent::KeyPress: {
                auto* ke = static_cast<QKeyEvent*>(e);
                if (!marking()) return keyForTheRecord(ke) || QMenuBar::event(e);
                const bool menuOpen = QApplication::activePopupWidget();
                // Shift with a title's letter opens it, as the letter alone does.
                std::unique_ptr<QKeyEvent> plain;
                if (ke->modifiers() == Qt::ShiftModifier && ke->text().size() == 1)
                    plain = std::make_unique<QKeyEvent>(QEvent::KeyPress, ke->key(), Qt::NoModifier, ke->text());
                QKeyEvent* key = plain ? plain.get() : ke;
                bool handled = false;
                if (menuOpen || key->text().size() != 1 || canOpenTitleFor(key->text().at(0).toUpper().unicode())) {
                    handled = QMenuBar::event(key);
                    ke->setAccepted(key->isAccepted());
                } else {
                    ke->ignore();
                }
                if (!ke->isAccepted() && activeAction() && !menuOpen) {
                    // While a title is marked, a key that is no title's letter goes nowhere.
                    if (!isInertKey(ke->key())) Beep();
                    ke->accept();
                    handled = true;
                }
                letGoUnlessMarking();
                return handled;
            }
            case QEvent::KeyRelease: {
                // Alt alone, released, ends the bar's keyboard mode as it began it.
                const bool handled = QMenuBar::event(e);
                letGoUnlessMarking();
                return handled;
            }
            case QEvent::FocusIn: {
                // Back from another window, the bar is given Qt's focus without its mode.
                const bool handled = QMenuBar::event(e);
                if (static_cast<QFocusEvent*>(e)->reason() == Qt::ActiveWindowFocusReason) letGoUnlessMarking();
                return handled;
            }
            default:
                return QMenuBar::event(e);
        }
    }

private:
    // While the bar holds the keyboard with no menu open, a press elsewhere in the window
    // gives the keyboard back, which ends the bar's keyboard mode, and goes on to where
    // it was made. An open menu closes on a press outside it by itself.
    class PressElsewhere : public QObject {
    public:
        explicit PressElsewhere(MenuBarWidget* bar) : QObject(bar), bar_(bar) {}
        bool eventFilter(QObject* o, QEvent* e) override {
            if (e->type() != QEvent::MouseButtonPress || !bar_->hasFocus() || QApplication::activePopupWidget())
                return false;
            auto* w = qobject_cast<QWidget*>(o);
            if (w && w->window() == bar_->window() && w != bar_ && !bar_->isAncestorOf(w)) bar_->letGo();
            return false;
        }
    private:
        MenuBarWidget* bar_;
    };

    // A title marked, or a menu open: the bar has the keyboard and shows it.
    bool marking() const { return activeAction() || QApplication::activePopupWidget(); }
    // True unless every title with this letter is disabled or hidden; a key that is no
    // title's letter is Qt's to judge.
    bool canOpenTitleFor(int letterKey) const {
        bool titled = false;
        for (QAction* a : actions()) {
            const QKeySequence mnemonic = QKeySequence::mnemonic(a->text());
            if (mnemonic.isEmpty() || mnemonic[0].key() != letterKey) continue;
            if (a->isEnabled() && a->isVisible()) return true;
            titled = true;
        }
        return !titled;
    }
    // Qt's focus goes to the control that has the platform's focus, else to the main
    // window itself.
    void letGo() {
        qtFocusToRecord();
        if (hasFocus()) window()->setFocus(Qt::OtherFocusReason);
    }
    void letGoUnlessMarking() {
        if (hasFocus() && !marking()) letGo();
    }
    // A key that reached the bar though it shows no keyboard: the keyboard is where the
    // platform's focus is, and the key goes there.
    bool keyForTheRecord(QKeyEvent* ke) {
        letGo();
        QWidget* to = QApplication::focusWidget();
        if (!to || to == this) return false;
        std::unique_ptr<QKeyEvent> copy(ke->clone());
        copy->setAccepted(false);
        QCoreApplication::sendEvent(to, copy.get());
        ke->accept();
        return true;
    }
};
}  // namespace

void attachMenuBar(Form& mainForm, const std::vector<std::unique_ptr<MenuItem>>& topMenus) {
    auto* mw = qobject_cast<QMainWindow*>(mainForm.window());
    if (!mw) return;
    auto* bar = new MenuBarWidget(mw);
    mw->setMenuBar(bar);
    bar->setNativeMenuBar(false);
    useMenuStyle(bar);
    for (auto& m : topMenus) m->attachToBar(bar);
}

int menuBarHeightTwips(Form& mainForm) {
    auto* mw = qobject_cast<QMainWindow*>(mainForm.window());
    if (!mw) return 0;
    return pixelsToTwips(mw->menuBar()->sizeHint().height());
}

namespace {
class BottomDock : public QObject {
public:
    BottomDock(QWidget* canvas, Control& strip, int h) : QObject(canvas), strip_(strip), h_(h) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Resize) place();
        return false;
    }
    void place() {
        QWidget* canvas = static_cast<QWidget*>(parent());
        int w = pixelsToTwips(canvas->width());
        int top = pixelsToTwips(canvas->height()) - h_;
        strip_.Move(0, top, w, h_);
        strip_.widget()->raise();
        // Children of the strip fill it.
        for (Control* c : strip_.owner().controls()) {
            if (c != &strip_ && c->widget() && c->widget()->parentWidget() == strip_.widget())
                c->Move(0, 0, w, h_);
        }
    }
private:
    Control& strip_;
    int h_;
};
}  // namespace

void dockBottom(Form& mainForm, Control& strip, int heightTwips) {
    QWidget* canvas = mainForm.canvas();
    auto* dock = new BottomDock(canvas, strip, heightTwips);
    canvas->installEventFilter(dock);
    dock->place();
}

void keepClientAtLeast(Form& mainForm, int widthTwips, int heightTwips) {
    mainForm.canvas()->setMinimumSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
}

}  // namespace pf
