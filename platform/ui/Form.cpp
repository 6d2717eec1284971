#include "platform/ui/Form.h"

#include "platform/ui/Controls.h"
#include "platform/ui/Grid.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QMainWindow>
#include <QMetaObject>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>

#include "platform/core/Errors.h"
#include "platform/ui/ControlFilter.h"
#include "platform/ui/Host.h"
#include "platform/ui/Keys.h"
#include "platform/ui/QtBridge.h"

namespace pf {

// ---------------------------------------------------------------- registry

namespace {
// The control the focus is on its way to while the one it leaves checks its entry.
Control* arriving = nullptr;

struct Registry {
    std::vector<std::pair<std::type_index, std::unique_ptr<Form>>> forms;
    Control* focused = nullptr;
    Form* focusedForm = nullptr;
};
Registry& reg() {
    static Registry r;
    return r;
}

// Owns an unloaded window until the event loop that was running when it was
// unloaded gets control back, so a handler of the window can finish first.
class Grave : public QObject {
public:
    explicit Grave(std::unique_ptr<Form> f) : form_(std::move(f)) {}
private:
    std::unique_ptr<Form> form_;
};

Form* mainForm() {
    for (auto& [t, f] : reg().forms)
        if (f->kind() == FormKind::Main) return f.get();
    return nullptr;
}

// The child windows fill the main window as maximised ones do on a desktop, so the
// caption of the one on top (the last loaded that is shown) goes into the main
// window's title: "Main - [Child]"; the plain title when no such child is shown.
void showChildCaptionInMainTitle() {
    Form* main = mainForm();
    if (!main || !main->window()) return;
    std::string title = main->Caption();
    for (auto it = reg().forms.rbegin(); it != reg().forms.rend(); ++it) {
        const Form& f = *it->second;
        if (f.kind() == FormKind::Child && f.Visible() && !f.Caption().empty()) {
            title += " - [" + f.Caption() + "]";
            break;
        }
    }
    main->window()->setWindowTitle(qs(title));
}
}  // namespace

namespace forms {
Form* find(const std::string& name) {
    for (auto& [t, f] : reg().forms)
        if (f->Name() == name) return f.get();
    return nullptr;
}
bool isLoadedType(std::type_index t) { return getType(t) != nullptr; }
Form* getType(std::type_index t) {
    for (auto& [ti, f] : reg().forms)
        if (ti == t) return f.get();
    return nullptr;
}
void add(std::type_index t, std::unique_ptr<Form> f) { reg().forms.emplace_back(t, std::move(f)); }
void removeType(std::type_index t) {
    auto& v = reg().forms;
    v.erase(std::remove_if(v.begin(), v.end(), [&](auto& p) { return p.first == t; }), v.end());
}
std::vector<Form*> loaded() {
    std::vector<Form*> out;
    for (auto& [t, f] : reg().forms) out.push_back(f.get());
    return out;
}
}  // namespace forms

void Unload(Form& f) {
    int cancel = 0;
    f.Form_Unload(cancel);
    if (cancel) return;
    auto& r = reg();
    if (r.focused && &r.focused->owner() == &f) r.focused = nullptr;
    if (r.focusedForm == &f) r.focusedForm = nullptr;
    f.Hide();
    auto& v = r.forms;
    for (auto it = v.begin(); it != v.end(); ++it) {
        if (it->second.get() == &f) {
            auto owned = std::move(it->second);
            v.erase(it);
            (new Grave(std::move(owned)))->deleteLater();
            return;
        }
    }
}

void discardAll() {
    auto& r = reg();
    r.focused = nullptr;
    r.focusedForm = nullptr;
    while (!r.forms.empty()) r.forms.pop_back();
    collectUnloaded();
}

void collectUnloaded() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

void unloadAll() {
    while (!reg().forms.empty()) {
        Form& f = *reg().forms.back().second;
        std::size_t before = reg().forms.size();
        Unload(f);
        if (reg().forms.size() == before) {  // the window refused: remove it anyway
            auto owned = std::move(reg().forms.back().second);
            reg().forms.pop_back();
            (new Grave(std::move(owned)))->deleteLater();
        }
    }
    reg().focused = nullptr;
    reg().focusedForm = nullptr;
    collectUnloaded();
}

// ---------------------------------------------------------------- focus

Control* focusedControl() { return reg().focused; }
bool focusArriving(const Control* c) { return c && c == arriving; }
Form* focusedForm() { return reg().focusedForm; }

Form* frontChildWindow() {
    Form* main = mainForm();
    if (!main || !main->canvas()) return nullptr;
    // The canvas keeps its children in stacking order, the top one last.
    const auto& stack = main->canvas()->children();
    for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
        for (auto& [t, f] : reg().forms)
            if (f->kind() == FormKind::Child && f->Visible() && f->window() == *it) return f.get();
    }
    return nullptr;
}

bool keyToMainWindow(const QKeyEvent& e) {
    Form* main = mainForm();
    return main && main->keyWithoutControl(e);
}

namespace {
// The one place the focus record changes: both ends redraw their focus look.
void recordFocus(Control* c, Form* f) {
    auto& r = reg();
    Control* old = r.focused;
    r.focused = c;
    r.focusedForm = f;
    if (c) c->owner().lastFocused(c);
    if (old == c) return;
    if (old) old->repaintFocusLook();
    if (c) c->repaintFocusLook();
}
}  // namespace

bool setFocusTo(Control* c, Form* f) {
    auto& r = reg();
    if (c == r.focused && f == r.focusedForm) return true;
    Control* old = r.focused;
    recordFocus(c, f);
    // A control the focus only passed on its way never had the keyboard: it is not left.
    if (old && old != c && old != arriving && old->LostFocus) {
        Control* outer = arriving;
        arriving = c;
        old->LostFocus();
        arriving = outer;
        if (c) c->repaintFocusLook();
    }
    // The LostFocus handler may have moved the focus elsewhere (a rejected entry).
    if (r.focused != c) return false;
    if (c) {
        if (QWidget* w = c->widget()) {
            // The style draws the focus frame only for a focus the keyboard could have
            // moved; the platform's focus always counts as such, so it always shows.
            w->window()->setAttribute(Qt::WA_KeyboardFocusChange);
            w->setFocus(Qt::OtherFocusReason);
        }
        if (c->GotFocus) c->GotFocus();
    } else if (f && f->window()) {
        f->window()->activateWindow();
        f->window()->setFocus(Qt::OtherFocusReason);
    }
    return r.focused == c;
}

namespace {
// The focus arrives from another window (or none): the control that had it gets no
// LostFocus, as a window change is no leaving of a field.
void focusFromElsewhere(Control* c) {
    recordFocus(nullptr, reg().focusedForm);
    setFocusTo(c, &c->owner());
}
}  // namespace

void handBackKeyboard() {
    if (Control* c = reg().focused; c && c->KeyboardHandedBack) c->KeyboardHandedBack();
}

void handBackKeyboardAfterCommand() {
    if (auto* box = dynamic_cast<TextBox*>(reg().focused)) {
        box->SelStart(0);
        box->SelLength(static_cast<int>(box->Text().size()));
    }
    handBackKeyboard();
}

void schedulePendingKeys() {
    QTimer::singleShot(0, [] { flushPendingKeys(); });
}

// ---------------------------------------------------------------- Control

Control::Control(Form* owner, std::string name, int index)
    : owner_(owner), name_(std::move(name)), index_(index) {
    owner_->registerControl(this);
}

Control::~Control() {
    if (reg().focused == this) reg().focused = nullptr;
    owner_->unregisterControl(this);
    if (w_) {
        if (filter_) filter_->ctl = nullptr;
        QWidget* w = w_;
        w_ = nullptr;
        delete w;
    }
}

std::string Control::qualifiedName() const {
    return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

void Control::attach(QWidget* w) {
    dropAltLettersOutsideControls();
    w_ = w;
    auto* filt = new ControlFilter(this, w);
    filter_ = filt;
    w->installEventFilter(filt);
    // A container deletes the widgets inside it; the control must then forget its own.
    QObject::connect(w, &QObject::destroyed, [this] {
        w_ = nullptr;
        filter_ = nullptr;
    });
    applyFont();
    applyColors();
    w->show();
}

void Control::Move(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = designWidth_ = width;
    height_ = designHeight_ = height;
    if (w_) w_->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                            twipsToPixels(height));
    fitToText();
}

void Control::setShownSize(int widthTwips, int heightTwips) {
    width_ = widthTwips;
    height_ = heightTwips;
    if (w_) w_->setGeometry(twipsToPixels(left_), twipsToPixels(top_), twipsToPixels(width_),
                            twipsToPixels(height_));
}

void Control::Visible(bool v) {
    visible_ = v;
    if (w_) w_->setVisible(v);
}

void Control::Enabled(bool v) {
    enabled_ = v;
    if (w_) w_->setEnabled(v);
}

void Control::BackColor(long c) {
    backColor_ = c;
    applyColors();
}

void Control::ForeColor(long c) {
    foreColor_ = c;
    applyColors();
}

void Control::FontName(const std::string& f) {
    fontName_ = f;
    applyFont();
}

void Control::FontSize(double s) {
    fontSize_ = s;
    applyFont();
}

void Control::FontBold(bool b) {
    fontBold_ = b;
    applyFont();
}

void Control::applyFont() {
    if (w_) w_->setFont(toQFont(fontName_, fontSize_, fontBold_));
    fitToText();
}

void Control::applyColors() {
    if (!w_) return;
    QPalette p = w_->palette();
    p.setColor(QPalette::Window, toQColor(backColor_));
    p.setColor(QPalette::Base, toQColor(backColor_));
    p.setColor(QPalette::WindowText, toQColor(foreColor_));
    p.setColor(QPalette::Text, toQColor(foreColor_));
    w_->setPalette(p);
}

void Control::repaintFocusLook() {
    if (w_) w_->update();
}

void Control::SetFocus() {
    if (!canTakeFocus()) raise(errInvalidCall);
    setFocusTo(this, owner_);
}

void Control::deliverKey(int keyCode, int shift, int ascii, const QKeyEvent* original) {
    // Code 0, a key that is no character and no command (the Menu key, a dead key), runs
    // no handler and moves nothing; a Qt box may still take it.
    if (keyCode == 0) {
        if (original && !takesEveryKey()) {
            beforeWidgetKey();
            sendKeyToWidget(w_, 0, shift, ascii, original);
            afterWidgetKey();
        }
        return;
    }
    int code = keyCode;
    if (KeyDown) KeyDown(code, shift);
    int a = ascii;
    if (ascii != 0 && KeyPress) KeyPress(a);
    // A handler that clears the key code or the character has consumed the key.
    if (code == 0 || (ascii != 0 && a == 0)) return;
    const bool plain = !(shift & (vbCtrlMask | vbAltMask));
    if (code == vbKeyTab && plain) {
        owner_->tabFrom(this, shift & vbShiftMask);
        return;
    }
    if (code == vbKeyReturn && plain) {
        owner_->pressEnter(this);
        return;
    }
    if (code == vbKeyEscape) {
        owner_->pressEscape();
        return;
    }
    if (takesEveryKey()) {
        defaultKeyDown(code, shift);
        return;
    }
    if (platformKey(code, shift)) return;
    beforeWidgetKey();
    sendKeyToWidget(w_, code, shift, a, original);
    afterWidgetKey();
}

void Control::userClick() {
    if (!visible_ || !enabled_) return;
    // A click whose leaving field refused to be left has no effect.
    if (canTakeFocus() && !setFocusTo(this, owner_)) return;
    if (Click) Click();
}

// ---------------------------------------------------------------- keys of the window

namespace {
// A control that can take the focus where it stands: inside no hidden or disabled frame.
bool inReach(Control* c) {
    QWidget* w = c->widget();
    return c->canTakeFocus() && w && w->isVisibleTo(c->owner().canvas()) && w->isEnabledTo(c->owner().canvas());
}
}  // namespace

std::vector<Control*> Form::tabOrder() const {
    std::vector<Control*> order;
    for (Control* c : controls_) {
        // An empty list offers nothing to choose: Tab passes it by.
        if (auto* l = dynamic_cast<ListBox*>(c); l && l->ListCount() == 0) continue;
        if (c->TabStop && inReach(c)) order.push_back(c);
    }
    std::stable_sort(order.begin(), order.end(), [](Control* a, Control* b) { return a->TabIndex < b->TabIndex; });
    return order;
}

std::vector<Control*> Form::tabStops(Control* from) const {
    // An option group is one stop: its selected option, or its first when none is;
    // Tab from an option leaves its group.
    const auto all = tabOrder();
    auto* fromOption = dynamic_cast<OptionButton*>(from);
    std::vector<Control*> order;
    for (Control* c : all) {
        auto* o = dynamic_cast<OptionButton*>(c);
        if (!o || o == from) {
            order.push_back(c);
            continue;
        }
        if (fromOption && fromOption->container() == o->container()) continue;
        Control* stop = nullptr;
        for (Control* d : all) {
            auto* p = dynamic_cast<OptionButton*>(d);
            if (!p || p->container() != o->container()) continue;
            if (!stop) stop = d;
            if (p->Value()) {
                stop = d;
                break;
            }
        }
        if (stop == c) order.push_back(c);
    }
    return order;
}

void Form::tabFrom(Control* from, bool backwards) {
    const auto order = tabStops(from);
    if (order.empty()) return;
    auto it = std::find(order.begin(), order.end(), from);
    const auto k = static_cast<std::ptrdiff_t>(order.size());
    std::ptrdiff_t next;
    if (it == order.end()) {
        // From a control outside the order: the nearest one by tab index.
        const int at = from ? from->TabIndex : -1;
        auto after = std::find_if(order.begin(), order.end(), [&](Control* c) { return c->TabIndex > at; });
        next = backwards ? ((after - order.begin()) + k - 1) % k : (after - order.begin()) % k;
    } else {
        const std::ptrdiff_t i = it - order.begin();
        next = backwards ? (i + k - 1) % k : (i + 1) % k;
    }
    Control* to = order[static_cast<std::size_t>(next)];
    if (to != from) setFocusTo(to, this);
}

namespace {
CommandButton* buttonWithRole(const Form& f, bool cancelRole) {
    for (Control* c : f.controls()) {
        auto* b = dynamic_cast<CommandButton*>(c);
        if (b && (cancelRole ? b->isCancel() : b->isDefault()) && b->Enabled() && b->Visible()) return b;
    }
    return nullptr;
}
}  // namespace

void Form::pressEnter(Control* focused) {
    if (auto* b = dynamic_cast<CommandButton*>(focused); b && EnterPressesFocusedButton) {
        b->userClick();
        return;
    }
    if (CommandButton* b = buttonWithRole(*this, false)) pressFor(focused, *b);
}

void Form::pressEscape() {
    Control* focused = focusedControl();
    if (CommandButton* b = buttonWithRole(*this, true)) {
        pressFor(focused, *b);
        return;
    }
    if (kind_ != FormKind::Dialog || !EscClosesDialog) return;
    closeCommand(focused);
}

void Form::pressFor(Control* focused, Control& button) {
    const bool mine = focused && focused != &button && &focused->owner() == this;
    button.userClick();
    // A message the button showed has been answered: the user goes on where they were.
    if (!mine || !visible_ || focusedControl() != &button) return;
    if (std::find(controls_.begin(), controls_.end(), focused) == controls_.end()) return;
    if (focused->canTakeFocus()) setFocusTo(focused, this);
}

// ---------------------------------------------------------------- Form

namespace {
void showFocusFrameOnActivation(QWidget* window, QEvent* e);

class MainWindowWidget : public QMainWindow {
public:
    explicit MainWindowWidget(Form* f) : form_(f) {}
protected:
    bool event(QEvent* e) override {
        // Keys that reach the main window itself are the platform's: Qt's own Tab
        // would walk into any visible control, a covered window's included.
        if (e->type() == QEvent::KeyPress && form_->keyWithoutControl(*static_cast<QKeyEvent*>(e))) return true;
        const bool handled = QMainWindow::event(e);
        showFocusFrameOnActivation(this, e);
        // Back from a dialog, another program or the task bar: the keyboard goes where
        // the main window's focus sends it.
        if (e->type() == QEvent::WindowActivate && focusedForm() == form_ && !focusedControl())
            form_->SetFocus();
        return handled;
    }
    void resizeEvent(QResizeEvent* e) override {
        QMainWindow::resizeEvent(e);
        form_->takeWindowGeometry();
    }
    void moveEvent(QMoveEvent* e) override {
        QMainWindow::moveEvent(e);
        form_->takeWindowGeometry();
    }
    void closeEvent(QCloseEvent* e) override {
        // Closing the main window ends the program, as File Exit does.
        e->accept();
        host().endProgram();
    }
private:
    Form* form_;
};

// A child window itself never takes a key: what reaches it is the main window's.
class ChildWindowWidget : public QWidget {
public:
    using QWidget::QWidget;
protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::KeyPress && keyToMainWindow(*static_cast<QKeyEvent*>(e))) return true;
        return QWidget::event(e);
    }
};

// The style draws a focus frame only in a window whose focus the keyboard moved; the
// platform's focus always counts as such, also once the window becomes active.
void showFocusFrameOnActivation(QWidget* window, QEvent* e) {
    if (e->type() != QEvent::WindowActivate) return;
    window->setAttribute(Qt::WA_KeyboardFocusChange);
    if (QWidget* f = window->focusWidget()) f->update();
}

class DialogWidget : public QDialog {
public:
    explicit DialogWidget(Form* f) : form_(f) {
        setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    }
protected:
    bool event(QEvent* e) override {
        const bool handled = QDialog::event(e);
        showFocusFrameOnActivation(this, e);
        return handled;
    }
    void reject() override {
        // The window's close command; Esc never gets here, the platform answers it.
        form_->closeCommand();
    }
private:
    Form* form_;
};
}  // namespace

Form::Form(std::string name, FormKind kind)
    : name_(std::move(name)), kind_(kind), openedFrom_{reg().focused, reg().focusedForm} {
    switch (kind_) {
        case FormKind::Main: {
            auto* mw = new MainWindowWidget(this);
            canvas_ = new QWidget(mw);
            canvas_->setAutoFillBackground(true);
            mw->setCentralWidget(canvas_);
            window_ = mw;
            break;
        }
        case FormKind::Child: {
            Form* main = mainForm();
            window_ = new ChildWindowWidget(main ? main->canvas() : nullptr);
            if (!main) window_->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
            canvas_ = window_;
            canvas_->setAutoFillBackground(true);
            break;
        }
        case FormKind::Dialog: {
            auto* d = new DialogWidget(this);
            Form* main = mainForm();
            if (main) d->setParent(main->window(), d->windowFlags());
            window_ = d;
            canvas_ = d;
            canvas_->setAutoFillBackground(true);
            break;
        }
        case FormKind::TopLevel: {
            window_ = new QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint);
            canvas_ = window_;
            canvas_->setAutoFillBackground(true);
            break;
        }
    }
    window_->setAttribute(Qt::WA_DeleteOnClose, false);
    BackColor(backColor_);
}

Form::~Form() {
    QWidget* w = window_;
    window_ = nullptr;
    canvas_ = nullptr;
    delete w;
}

void Form::registerControl(Control* c) { controls_.push_back(c); }
void Form::unregisterControl(Control* c) {
    if (lastFocused_ == c) lastFocused_ = nullptr;
    controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
}

Control* Form::control(const std::string& qualifiedName) const {
    for (Control* c : controls_)
        if (c->qualifiedName() == qualifiedName) return c;
    return nullptr;
}

void Form::Caption(const std::string& c) {
    caption_ = c;
    if (window_) window_->setWindowTitle(qs(c));
    showChildCaptionInMainTitle();
}

void Form::Move(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (!window_) return;
    if (kind_ == FormKind::Main) {
        placing_ = true;
        window_->resize(twipsToPixels(width), twipsToPixels(height));
        window_->move(twipsToPixels(left), twipsToPixels(top));
        placing_ = false;
    } else {
        window_->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                             twipsToPixels(height));
    }
}

void Form::takeWindowGeometry() {
    if (!window_ || placing_) return;
    // A measure the window still shows keeps the twips it was given, which pixels round.
    auto follow = [](int& twips, int px) {
        if (twipsToPixels(twips) != px) twips = pixelsToTwips(px);
    };
    follow(left_, window_->x());
    follow(top_, window_->y());
    follow(width_, window_->width());
    follow(height_, window_->height());
}

int Form::ScaleWidth() const { return canvas_ ? pixelsToTwips(canvas_->width()) : width_; }
int Form::ScaleHeight() const { return canvas_ ? pixelsToTwips(canvas_->height()) : height_; }

void Form::BackColor(long c) {
    backColor_ = c;
    if (!canvas_) return;
    QPalette p = canvas_->palette();
    p.setColor(QPalette::Window, toQColor(c));
    canvas_->setPalette(p);
}

void Form::Show(int style) {
    if (!window_) return;
    if (style == vbModal) {
        if (modalRunning_) return;
        visible_ = true;
        if (kind_ == FormKind::Dialog) {
            // Centred on the main window, where the user is looking; on the screen
            // while there is none.
            Form* main = mainForm();
            if (main && main->window() && main->window()->isVisible()) {
                window_->move(main->window()->frameGeometry().center() - window_->rect().center());
            } else if (QScreen* s = QGuiApplication::primaryScreen()) {
                QRect g = s->availableGeometry();
                window_->move(g.center() - window_->rect().center());
            }
            // Where it now stands, so a later change of its size keeps it there.
            left_ = pixelsToTwips(window_->x());
            top_ = pixelsToTwips(window_->y());
        }
        runModalKeepingFocus();
        return;
    }
    visible_ = true;
    if (kind_ == FormKind::TopLevel && !shownOnce_) {
        if (QScreen* s = QGuiApplication::primaryScreen()) {
            QRect g = s->availableGeometry();
            window_->move(g.center() - window_->rect().center());
        }
    }
    shownOnce_ = true;
    window_->show();
    window_->raise();
    window_->activateWindow();
    if (kind_ != FormKind::Main) focusFirstControl();
    if (kind_ == FormKind::Child) showChildCaptionInMainTitle();
}

void Form::Hide() {
    visible_ = false;
    if (!window_) return;
    if (modalRunning_) {
        if (auto* d = dynamic_cast<QDialog*>(window_)) d->done(0);
    }
    window_->hide();
    if (kind_ == FormKind::Child) showChildCaptionInMainTitle();
}

void Form::Refresh() {
    if (window_) window_->repaint();
}

namespace {
// A grid that takes typing, in the tab order or not (a grid may move on by Tab itself).
bool isInputGrid(Control* c) {
    auto* g = dynamic_cast<Grid*>(c);
    return g && !g->DisplayOnly() && inReach(c);
}

// A control the keyboard can be given back to: a field Tab stops at, or an input grid.
bool canHoldKeyboard(Control* c) { return inReach(c) && (c->TabStop || isInputGrid(c)); }

// Where the keyboard goes in a child window the main window hands it to: the control of
// it that has the focus already, else the one that had it last (the user's place, kept
// while a solution or the main window had the keys), else its grid (at its current
// cell) or first field.
Control* fieldToFocus(Form& child, bool gridFirst) {
    for (Control* c : {focusedControl(), child.lastFocused()})
        if (c && &c->owner() == &child && canHoldKeyboard(c)) return c;
    std::vector<Control*> fields = child.tabStops(nullptr);
    for (Control* c : child.controls())
        if (isInputGrid(c) && std::find(fields.begin(), fields.end(), c) == fields.end()) fields.push_back(c);
    std::stable_sort(fields.begin(), fields.end(), [](Control* a, Control* b) { return a->TabIndex < b->TabIndex; });
    if (fields.empty()) return nullptr;
    if (gridFirst) {
        for (Control* c : fields)
            if (isInputGrid(c)) return c;
    }
    return fields.front();
}

// The main window becomes active with the keyboard in `field`. The focus comes from the
// main window or a window gone.
void focusFromMainWindow(Form& main, Control* field) {
    if (main.window()) main.window()->activateWindow();
    if (field == focusedControl()) {
        if (field->widget()) field->widget()->setFocus(Qt::OtherFocusReason);
        handBackKeyboard();
        return;
    }
    focusFromElsewhere(field);
}
}  // namespace

void Form::SetFocus() {
    if (kind_ == FormKind::Main) {
        Form* front = frontChildWindow();
        if (front && !front->ScrolledFromMainWindow()) {
            if (Control* field = fieldToFocus(*front, true)) {
                focusFromMainWindow(*this, field);
                return;
            }
        }
    }
    setFocusTo(nullptr, this);
}

bool Form::keyWithoutControl(const QKeyEvent& e) {
    // A key that a control's widget left unhandled came up from that control.
    if (keyBeingPassedOn()) return false;
    const TranslatedKey k = translateKey(e.key(), e.modifiers(), e.text());
    // Alt and what is held with it belong to the menu bar; lone modifiers to nobody.
    if ((k.shift & vbAltMask) || isModifierKey(e.key())) return false;
    Form* front = frontChildWindow();
    if (!front) return true;
    if (Grid* reader = front->ScrolledFromMainWindow()) {
        reader->scrollView(k.keyCode, k.shift);
        return true;
    }
    // Tab and Shift+Tab enter the window in front at its first field; nothing else
    // reaches a control the user has not gone to.
    if (k.keyCode == vbKeyTab && !(k.shift & vbCtrlMask)) {
        if (Control* field = fieldToFocus(*front, false)) focusFromMainWindow(*this, field);
    }
    return true;
}

void Form::ScrolledFromMainWindow(Grid& reader) {
    reader_ = &reader;
    reader.TakesNoFocus();
}

void Form::closeCommand(Control* focused) {
    // The close command counts as the dialog's Cancel button.
    if (CloseCommand) {
        CloseCommand();
        return;
    }
    if (Control* c = control("cmdCancel"); c && c->Visible() && c->Enabled()) pressFor(focused, *c);
}

void Form::focusFirstControl() {
    // A window opens with the focus on its first control in tab order, unless its
    // Load already put the focus on one of its controls.
    if (Control* c = focusedControl(); c && &c->owner() == this) return;
    const auto order = tabStops(nullptr);
    if (!order.empty()) focusFromElsewhere(order.front());
}

namespace {
// Where the focus was, to give it back quietly when a modal window closes.
bool stillThere(const FocusMark& m) {
    auto all = forms::loaded();
    if (!m.form || std::find(all.begin(), all.end(), m.form) == all.end()) return false;
    const auto& ctls = m.form->controls();
    return !m.control || std::find(ctls.begin(), ctls.end(), m.control) != ctls.end();
}
}  // namespace

void Form::runModalKeepingFocus() {
    // Its Load may already have focused one of its controls: then the focus it came from.
    const FocusMark before = reg().focusedForm == this ? openedFrom_ : FocusMark{reg().focused, reg().focusedForm};
    focusFirstControl();
    host().runModal(*this);
    // Back in the window that opened the dialog, the focus is where it was, unless
    // the dialog's handlers moved it elsewhere.
    Form* now = reg().focusedForm;
    const bool inDialog = now == this || now == nullptr;
    if (!inDialog || !stillThere(before) || before.form == this) return;
    recordFocus(before.control, before.form);
    if (before.control && before.control->widget()) before.control->widget()->setFocus(Qt::OtherFocusReason);
}

}  // namespace pf
