#pragma once
// The controls windows are made of. A caption's "&" marks a mnemonic; "&&" shows one "&".
#include <string>
#include <vector>

#include "platform/ui/Form.h"

namespace pf {

class Label : public Control {
public:
    Label(Form* owner, std::string name, int index = -1, Control* container = nullptr);
    const std::string& Caption() const { return caption_; }
    void Caption(const std::string& c);
    int Alignment() const { return alignment_; }  // 0 left, 1 right, 2 centre
    void Alignment(int a);
    void WordWrap(bool w);
    void BorderStyle(int b);
    // Off: the caption shows as it stands, an "&" as "&" (a description, not a label
    // with a mnemonic).
    void UseMnemonic(bool u);
    // Starts the text as far in as `count` leading blanks would, so that a label lines
    // up with one whose caption begins with blanks.
    void IndentByBlanks(int count);
    // Height the caption needs at the label's width (twips); 0 without a caption.
    int TextHeight() const;
    // Repaints now, so that a progress text shows while a command runs.
    void Refresh();
    bool canTakeFocus() const override { return false; }

protected:
    void applyColors() override;
    void applyFont() override;
    void fitToText() override;

private:
    void applyMargins();
    std::string caption_;
    int alignment_ = 0;
    int indentBlanks_ = 0;
    bool useMnemonic_ = true;
};

class TextBox : public Control {
public:
    TextBox(Form* owner, std::string name, int index = -1, Control* container = nullptr,
            bool multiLine = false);
    std::string Text() const;
    void Text(const std::string& t);
    int SelStart() const;
    void SelStart(int s);
    int SelLength() const;
    void SelLength(int n);
    void Locked(bool l);
    void Alignment(int a);
    std::function<void()> Change;

protected:
    void beforeWidgetKey() override;
    void afterWidgetKey() override;
    void applyColors() override;
    // A multi-line box grows in height to show its whole text, a locked one-line box
    // in width; a box the user types into keeps its size and scrolls.
    void fitToText() override;

private:
    bool multiLine_;
    bool locked_ = false;
    std::string textBeforeKey_;
};

class CommandButton : public Control {
public:
    CommandButton(Form* owner, std::string name, int index = -1, Control* container = nullptr);
    const std::string& Caption() const { return caption_; }
    void Caption(const std::string& c);
    // Default (Enter) and Cancel (Esc) roles are off unless asked for.
    void Default(bool d);
    void Cancel(bool c);
    bool isDefault() const { return default_; }
    bool isCancel() const { return cancel_; }

protected:
    bool platformKey(int keyCode, int shift) override;

private:
    std::string caption_;
    bool default_ = false, cancel_ = false;
};

// Option buttons in one container form a group; a group may have none selected.
// Click runs whenever an option becomes selected, by the user or by code.
class OptionButton : public Control {
public:
    OptionButton(Form* owner, std::string name, int index = -1, Control* container = nullptr);
    const std::string& Caption() const { return caption_; }
    void Caption(const std::string& c);
    bool Value() const { return value_; }
    void Value(bool v);
    void userClick() override;
    Control* container() const { return container_; }

protected:
    void fitToText() override;
    bool platformKey(int keyCode, int shift) override;

private:
    std::string caption_;
    bool value_ = false;
    Control* container_;
};

class CheckBox : public Control {
public:
    CheckBox(Form* owner, std::string name, int index = -1, Control* container = nullptr);
    const std::string& Caption() const { return caption_; }
    void Caption(const std::string& c);
    int Value() const { return value_; }  // 0 unchecked, 1 checked
    void Value(int v);
    void userClick() override;

protected:
    void fitToText() override;
    bool platformKey(int keyCode, int shift) override;

private:
    std::string caption_;
    int value_ = 0;
};

class ListBox : public Control {
public:
    ListBox(Form* owner, std::string name, int index = -1, Control* container = nullptr,
            int multiSelect = 0);
    void AddItem(const std::string& item);
    void RemoveItem(int i);
    void Clear();
    int ListCount() const { return static_cast<int>(items_.size()); }
    std::string List(int i) const;
    // The current entry: the selected one of a single-pick list, which is also the
    // keyboard's (none while nothing is picked); in a multi-pick list the keyboard's
    // entry, the first one once the list is filled, moved only by the user or by
    // setting it here.
    int ListIndex() const { return listIndex_; }
    void ListIndex(int i);  // -1 for none; Click runs when it changes
    bool Selected(int i) const;
    // Click runs on every change. In a single-pick list selecting makes the entry the
    // current one, and dropping the pick leaves none; in a multi-pick list the current
    // entry stays where it is.
    void Selected(int i, bool s);
    int SelCount() const;
    int MultiSelect() const { return multiSelect_; }
    // The user clicks item i (toggles it in a multi-select list): it becomes the
    // current entry, then its selection changes.
    void userSelect(int i);

protected:
    bool platformKey(int keyCode, int shift) override;
    void afterWidgetKey() override;

private:
    void syncItem(int i);
    void syncItems();
    void syncCurrent();
    // A single-pick list after Qt has handled a key or a mouse release: the entry Qt
    // shows selected, when another one, is picked as a click picks it; a key never
    // drops the pick.
    void takeQtPick();
    std::vector<std::string> items_;
    std::vector<bool> selected_;
    int listIndex_ = -1;
    int multiSelect_;
    bool syncing_ = false;
};

class ComboBox : public Control {
public:
    ComboBox(Form* owner, std::string name, int index = -1, Control* container = nullptr);
    void AddItem(const std::string& item);
    void Clear();
    int ListCount() const { return static_cast<int>(items_.size()); }
    std::string List(int i) const;
    int ListIndex() const { return listIndex_; }
    void ListIndex(int i);
    std::string Text() const;
    void userSelect(int i) { ListIndex(i); }

protected:
    void afterWidgetKey() override;

private:
    std::vector<std::string> items_;
    int listIndex_ = -1;
    bool syncing_ = false;
};

// A frame's caption sits on its border line, at its left end.
class Frame : public Control {
public:
    Frame(Form* owner, std::string name, int index = -1, Control* container = nullptr);
    void Caption(const std::string& c);
    bool canTakeFocus() const override { return false; }

protected:
    void applyFont() override;
    void applyColors() override;

private:
    void applyLook();
};

class PictureBox : public Control {
public:
    PictureBox(Form* owner, std::string name, int index = -1, Control* container = nullptr);
    bool canTakeFocus() const override { return false; }
};

// A picture drawn by the program itself.
class Image : public Control {
public:
    Image(Form* owner, std::string name, int index = -1, Control* container = nullptr);
    void showProductPicture();
    bool canTakeFocus() const override { return false; }
};

class Line : public Control {
public:
    Line(Form* owner, std::string name, int index = -1, Control* container = nullptr);
    void Coords(int x1, int y1, int x2, int y2);
    long BorderColor() const { return foreColor_; }
    void BorderColor(long c) { ForeColor(c); }
    bool canTakeFocus() const override { return false; }
};

class Shape : public Control {
public:
    Shape(Form* owner, std::string name, int index = -1, Control* container = nullptr);
    long FillColor() const { return backColor_; }
    void FillColor(long c) { BackColor(c); }
    bool canTakeFocus() const override { return false; }
};

// Visible text of a caption: "&" marks a mnemonic, "&&" is one "&".
std::string captionText(const std::string& caption);

}  // namespace pf
