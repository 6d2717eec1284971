#pragma once
// Windows (forms) and the base of their controls. Each window exists at most once:
// it is created and loaded when first used and destroyed by Unload; a later use
// builds it afresh in its design state. Sizes are in twips, colours 0x00BBGGRR.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <typeindex>
#include <vector>

class QWidget;
class QKeyEvent;

namespace pf {

class ControlFilter;

class Form;
class Control;
class Grid;

// A place the focus was: a control, or a window with no control focused.
struct FocusMark {
    Control* control = nullptr;
    Form* form = nullptr;
};

class Control {
public:
    Control(Form* owner, std::string name, int index = -1);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    int Index() const { return index_; }
    std::string qualifiedName() const;  // "name" or "name(index)"
    Form& owner() const { return *owner_; }

    void Move(int left, int top, int width, int height);
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void Left(int v) { Move(v, top_, designWidth_, designHeight_); }
    void Top(int v) { Move(left_, v, designWidth_, designHeight_); }
    void Width(int v) { Move(left_, top_, v, designHeight_); }
    void Height(int v) { Move(left_, top_, designWidth_, v); }

    bool Visible() const { return visible_; }
    void Visible(bool v);
    bool Enabled() const { return enabled_; }
    void Enabled(bool v);
    long BackColor() const { return backColor_; }
    void BackColor(long c);
    long ForeColor() const { return foreColor_; }
    void ForeColor(long c);
    const std::string& FontName() const { return fontName_; }
    void FontName(const std::string& f);
    double FontSize() const { return fontSize_; }
    void FontSize(double s);
    bool FontBold() const { return fontBold_; }
    void FontBold(bool b);
    int TabIndex = 0;
    bool TabStop = true;

    virtual void SetFocus();
    virtual bool canTakeFocus() const { return visible_ && enabled_; }
    // The platform's focus came or went: what the control draws for it is redrawn,
    // also while Qt's focus is in a menu or a message box and no focus event comes.
    virtual void repaintFocusLook();

    // Events; a form sets the ones it handles.
    std::function<void()> Click, DblClick, GotFocus, LostFocus;
    // The main window gave the keyboard back to this control, which held it already (a
    // label's click, a menu command that ran): nothing left it, so no GotFocus runs.
    std::function<void()> KeyboardHandedBack;
    std::function<void(int& keyCode, int shift)> KeyDown;
    std::function<void(int& keyAscii)> KeyPress;

    // A keystroke as the user types it, by keyboard, SendKeys or a scenario alike:
    // KeyDown, then KeyPress for a character; what the handlers leave gets exactly
    // one default: a grid's own keys, Tab by the tab order, Enter and Esc by the
    // window's buttons, anything else by the Qt widget, whose new state the control
    // then takes with the events a mouse action would raise. `original` is the
    // Qt event when the key came from the keyboard.
    void deliverKey(int keyCode, int shift, int ascii, const QKeyEvent* original = nullptr);
    // A click as the user makes it: the focus moves here, then Click.
    virtual void userClick();
    // A double click: the click, then DblClick.
    void userDblClick() {
        userClick();
        if (DblClick) DblClick();
    }

    QWidget* widget() const { return w_; }

protected:
    // A control that takes every key itself (a grid) gets the keys no handler consumed
    // in defaultKeyDown, and none of them reaches its Qt widget; other controls leave
    // keys to their Qt widget.
    virtual bool takesEveryKey() const { return false; }
    virtual void defaultKeyDown(int /*keyCode*/, int /*shift*/) {}
    // A key the platform handles for this kind of control instead of Qt (true: done).
    virtual bool platformKey(int /*keyCode*/, int /*shift*/) { return false; }
    // Before and after the Qt widget handles a key: the control takes its new state.
    virtual void beforeWidgetKey() {}
    virtual void afterWidgetKey() {}
    virtual void applyFont();
    virtual void applyColors();
    // A control that shows a text grows beyond the size it was given when the text
    // does not fit it; Width() and Height() then tell the grown size.
    virtual void fitToText() {}
    void setShownSize(int widthTwips, int heightTwips);
    void attach(QWidget* w);  // the Qt widget behind this control

    Form* owner_;
    std::string name_;
    int index_;
    QWidget* w_ = nullptr;
    ControlFilter* filter_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    int designWidth_ = 0, designHeight_ = 0;  // as given by Move
    bool visible_ = true, enabled_ = true;
    long backColor_ = 0x00FFFFFF, foreColor_ = 0x00000000;
    std::string fontName_ = "MS Sans Serif";
    double fontSize_ = 8.25;
    bool fontBold_ = false;
};

enum class FormKind {
    Main,    // the main window with the menu bar
    Child,   // a borderless window inside the main window's client area
    Dialog,  // a modal dialog
    TopLevel // a window of its own (the splash)
};

enum ShowStyle : int { vbModeless = 0, vbModal = 1 };

class Form {
public:
    Form(std::string name, FormKind kind);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& Name() const { return name_; }
    FormKind kind() const { return kind_; }

    // Handlers the window defines.
    virtual void Form_Load() {}
    virtual void Form_Unload(int& /*cancel*/) {}
    std::function<void(int& keyCode, int shift)> KeyDown;
    // A dialog's close command (Esc, the system close); unset: its Cancel button.
    std::function<void()> CloseCommand;
    // Enter on a focused button presses it (else the Default button, if any).
    bool EnterPressesFocusedButton = true;
    // Esc in a dialog with no Cancel button runs its close command.
    bool EscClosesDialog = true;
    // A child window that never keeps the keyboard focus (the solution window): while
    // it is in front the main window keeps the keys, Tab reaches no window behind it,
    // and the scrolling keys move this grid's view. The grid takes no keyboard focus, so
    // that a click on it or its scroll bars leaves every key, Alt too, the main window's.
    void ScrolledFromMainWindow(Grid& reader);
    Grid* ScrolledFromMainWindow() const { return reader_; }

    // The controls Tab visits, in tab order: TabStop, visible and enabled ones
    // that can hold the focus.
    std::vector<Control*> tabOrder() const;
    // Where Tab from `from` may stop, in tab order: an option group is one stop (its
    // selected option, or its first), and Tab from an option leaves its group.
    std::vector<Control*> tabStops(Control* from) const;
    // Moves the focus to the next (previous) control in tab order, wrapping.
    void tabFrom(Control* from, bool backwards);
    // Enter and Esc as the window answers them.
    void pressEnter(Control* focused);
    void pressEscape();
    // The window's close command: CloseCommand, or else its Cancel button.
    // `focused`: where the user was, to go back to after a message the close shows.
    void closeCommand(Control* focused = nullptr);
    // Gives the first control in tab order the focus unless one of this window's has it.
    void focusFirstControl();
    // A key that reached the window itself, no control having the focus (true: taken).
    bool keyWithoutControl(const QKeyEvent& e);

private:
    void runModalKeepingFocus();
    // Runs a button pressed by Enter or Esc from another field; the user stays in that
    // field unless the button's handler moved the focus or closed the window.
    void pressFor(Control* focused, Control& button);

public:

    void Show(int style = vbModeless);
    void Hide();
    bool Visible() const { return visible_; }
    bool isModalRunning() const { return modalRunning_; }
    // The main window: activated; the keyboard goes to the child window in front, to its
    // grid at the current cell or else its first field, with no LostFocus; it stays
    // with the main window itself while a window that never keeps the focus is in front.
    void SetFocus();
    // Repaints the window now.
    void Refresh();

    const std::string& Caption() const { return caption_; }
    void Caption(const std::string& c);
    void Move(int left, int top, int width, int height);
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void Left(int v) { Move(v, top_, width_, height_); }
    void Top(int v) { Move(left_, v, width_, height_); }
    void Width(int v) { Move(left_, top_, v, height_); }
    void Height(int v) { Move(left_, top_, width_, v); }
    long BackColor() const { return backColor_; }
    void BackColor(long c);
    // Size of the drawing area inside the window (the design client area).
    int ScaleWidth() const;
    int ScaleHeight() const;

    // Controls by name, for tests and scenarios.
    Control* control(const std::string& qualifiedName) const;
    const std::vector<Control*>& controls() const { return controls_; }

    QWidget* canvas() const { return canvas_; }
    QWidget* window() const { return window_; }

    // Internal: the modal loop ends when the form is hidden.
    void setModalRunning(bool r) { modalRunning_ = r; }
    // Internal: the user moved or resized the window; its size and place follow.
    void takeWindowGeometry();
    void registerControl(Control* c);
    void unregisterControl(Control* c);
    // The control of this window that last had the keyboard, as a Qt window keeps its
    // focus widget: the keyboard comes back to it when the window does. Null once it
    // is gone.
    Control* lastFocused() const { return lastFocused_; }
    void lastFocused(Control* c) { lastFocused_ = c; }

private:
    std::string name_;
    FormKind kind_;
    QWidget* window_ = nullptr;  // the top widget (dialog, child frame or main window)
    QWidget* canvas_ = nullptr;  // where controls are placed
    std::string caption_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    long backColor_ = 0x00C0C0C0;
    bool visible_ = false;
    bool modalRunning_ = false;
    bool shownOnce_ = false;
    bool placing_ = false;  // Move is placing the window: its own values stand
    std::vector<Control*> controls_;
    FocusMark openedFrom_;  // where the focus was when the window was created
    Control* lastFocused_ = nullptr;
    Grid* reader_ = nullptr;
};

// ---- the one instance of each window ----
namespace forms {
Form* find(const std::string& name);
bool isLoadedType(std::type_index t);
Form* getType(std::type_index t);
void add(std::type_index t, std::unique_ptr<Form> f);
void removeType(std::type_index t);
std::vector<Form*> loaded();  // in load order
}  // namespace forms

// The window of type T, created and loaded when it does not exist yet.
template <typename T>
T& instance() {
    if (Form* f = forms::getType(typeid(T))) return static_cast<T&>(*f);
    auto owned = std::make_unique<T>();
    T& ref = *owned;
    forms::add(typeid(T), std::move(owned));
    ref.Form_Load();
    return ref;
}

template <typename T>
bool isLoaded() { return forms::isLoadedType(typeid(T)); }

// Unloads a window: its Unload handler runs (it may cancel), it disappears, and
// it is destroyed once the handler that unloaded it has returned.
void Unload(Form& f);
template <typename T>
void Unload() {
    if (Form* f = forms::getType(typeid(T))) Unload(*f);
}
// Destroys the windows unloaded so far; called when no handler is running.
void collectUnloaded();
// Unloads every window (tests).
void unloadAll();
// Destroys every window without running its handlers (the program's end).
void discardAll();

// ---- focus ----
Control* focusedControl();
// True while the focus is on its way to `c` and the control it leaves checks its entry:
// `c` does not have the keyboard yet.
bool focusArriving(const Control* c);
Form* focusedForm();
// The child window shown on top inside the main window, if any.
Form* frontChildWindow();
// A key for the main window as it arrives with no control focused (true: taken).
bool keyToMainWindow(const QKeyEvent& e);
// Moves the focus: the control that had it gets LostFocus, the new one GotFocus.
// False when the focus did not arrive: the LostFocus handler kept it elsewhere.
bool setFocusTo(Control* c, Form* f);
void schedulePendingKeys();
// The main window hands the keyboard back to the control that holds it, once it has
// acted for the user (a menu command ran, a label's click): KeyboardHandedBack runs.
void handBackKeyboard();
// A menu command ran: the keyboard goes back as above, and what is typed next starts a
// new entry, as in a grid's cell: a text box holding the keyboard has its text selected.
// Alt alone and a menu closed with no command hand nothing back: the entry goes on.
void handBackKeyboardAfterCommand();

// The design's twips at the screen's logical DPI.
int twipsToPixels(int twips);
int pixelsToTwips(int px);

}  // namespace pf
