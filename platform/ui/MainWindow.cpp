#include "platform/ui/MainWindow.h"

#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>

#include "platform/ui/QtBridge.h"

namespace pf {

void attachMenuBar(Form& mainForm, const std::vector<std::unique_ptr<MenuItem>>& topMenus) {
    auto* mw = qobject_cast<QMainWindow*>(mainForm.window());
    if (!mw) return;
    QMenuBar* bar = mw->menuBar();
    bar->setNativeMenuBar(false);
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
