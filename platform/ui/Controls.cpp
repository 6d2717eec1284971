#include "platform/ui/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTextDocument>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <functional>

#include "platform/core/Errors.h"
#include "platform/ui/Keys.h"
#include "platform/ui/QtBridge.h"

namespace pf {

std::string captionText(const std::string& caption) {
    std::string out;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += caption[i];
    }
    return out;
}

namespace {
// Twips that give at least `px` pixels.
int twipsForPixels(int px) {
    int tw = pixelsToTwips(px);
    while (twipsToPixels(tw) < px) ++tw;
    return tw;
}

QWidget* parentWidget(Form* owner, Control* container) {
    return container && container->widget() ? container->widget() : owner->canvas();
}

// Plain painted widgets for lines, shapes and the product picture.
class LineWidget : public QWidget {
public:
    using QWidget::QWidget;
    bool down = true;  // from top left to bottom right, else bottom left to top right
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(QPen(palette().color(QPalette::WindowText), 1));
        if (width() <= 1 || height() <= 1) p.drawLine(0, 0, width() - 1, height() - 1);
        else if (down) p.drawLine(0, 0, width() - 1, height() - 1);
        else p.drawLine(0, height() - 1, width() - 1, 0);
    }
};

class ShapeWidget : public QWidget {
public:
    using QWidget::QWidget;
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(palette().color(QPalette::WindowText));
        p.setBrush(palette().color(QPalette::Window));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

// A push button that marks the focus with a dotted frame inside its border: the style
// draws the focus and the default button alike, so which one has the focus would not show.
class ButtonWidget : public QPushButton {
public:
    using QPushButton::QPushButton;
protected:
    void paintEvent(QPaintEvent* e) override {
        QPushButton::paintEvent(e);
        if (!hasFocus()) return;
        QPainter p(this);
        QPen pen(palette().color(QPalette::ButtonText), 1, Qt::DotLine);
        p.setPen(pen);
        p.drawRect(rect().adjusted(4, 4, -5, -5));
    }
};

// A list that marks the focus with a dotted frame: around its current entry, or inside
// its border when it has none (an empty list, a single-pick list with nothing picked).
// The style shows which entries are selected, not where the keyboard is.
class ListWidget : public QListWidget {
public:
    using QListWidget::QListWidget;
    // After Qt has handled a mouse release, and any click it raised.
    std::function<void()> released;
protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        QPointer<ListWidget> alive(this);
        QListWidget::mouseReleaseEvent(e);
        if (alive && released) released();
    }
    void focusInEvent(QFocusEvent* e) override {
        const bool hadCurrent = currentIndex().isValid();
        QListWidget::focusInEvent(e);
        // Qt makes the first entry current as a list takes the focus. In a single-pick
        // list the current entry is the picked one: with nothing picked there is none,
        // so that the first Down picks the first entry, not the second.
        if (selectionMode() == SingleSelection && !hadCurrent && currentIndex().isValid())
            selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
    void mousePressEvent(QMouseEvent* e) override {
        // Qt drops a single-pick list's selection on a press beside the entries; the pick
        // stays, as it does for keys.
        if (selectionMode() == SingleSelection && !indexAt(e->position().toPoint()).isValid()) {
            e->accept();
            return;
        }
        QListWidget::mousePressEvent(e);
    }
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override {
        // From no current entry Qt goes to the first one for every key; End goes to the last.
        if (action == MoveEnd && !currentIndex().isValid() && count() > 0) return indexFromItem(item(count() - 1));
        return QListWidget::moveCursor(action, modifiers);
    }
    void paintEvent(QPaintEvent* e) override {
        QListWidget::paintEvent(e);
        if (!hasFocus()) return;
        QPainter p(viewport());
        QListWidgetItem* current = currentItem();
        const bool onSelection = current && current->isSelected();
        p.setPen(QPen(palette().color(onSelection ? QPalette::HighlightedText : QPalette::Text), 1, Qt::DotLine));
        const QRect r = current ? visualItemRect(current) : viewport()->rect();
        p.drawRect(r.adjusted(1, 1, -2, -2));
    }
};

// A label with a Click handler takes the mouse: the press on it, and the release over
// it runs Click. One without lets the click fall through to its window.
class LabelWidget : public QLabel {
public:
    LabelWidget(Label* label, QWidget* parent) : QLabel(parent), label_(label) {}
protected:
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton || !label_->Click) return QLabel::mousePressEvent(e);
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton || !label_->Click) return QLabel::mouseReleaseEvent(e);
        if (rect().contains(e->position().toPoint())) label_->userClick();
    }
private:
    Label* label_;
};

class PictureWidget : public QWidget {
public:
    using QWidget::QWidget;
    bool product = false;
protected:
    void paintEvent(QPaintEvent*) override {
        if (!product) return;
        // The product picture: a navy tile with a rising line over a grid.
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QRect r = rect().adjusted(2, 2, -3, -3);
        p.setBrush(QColor(0, 0, 128));
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(r, 8, 8);
        p.setPen(QPen(QColor(120, 140, 200), 1));
        for (int i = 1; i < 4; ++i) {
            int x = r.left() + r.width() * i / 4, y = r.top() + r.height() * i / 4;
            p.drawLine(x, r.top() + 6, x, r.bottom() - 6);
            p.drawLine(r.left() + 6, y, r.right() - 6, y);
        }
        p.setPen(QPen(QColor(255, 200, 60), 3));
        p.drawLine(r.left() + 8, r.bottom() - 8, r.center().x(), r.center().y() + 4);
        p.drawLine(r.center().x(), r.center().y() + 4, r.right() - 8, r.top() + 8);
    }
};
}  // namespace

// ---------------------------------------------------------------- Label

Label::Label(Form* owner, std::string name, int index, Control* container)
    : Control(owner, std::move(name), index) {
    auto* l = new LabelWidget(this, parentWidget(owner, container));
    l->setAutoFillBackground(true);
    l->setTextFormat(Qt::PlainText);
    l->setIndent(0);
    attach(l);
    backColor_ = 0x00C0C0C0;
    applyColors();
}

void Label::Caption(const std::string& c) {
    caption_ = c;
    if (auto* l = static_cast<QLabel*>(w_)) l->setText(qs(useMnemonic_ ? captionText(c) : c));
    fitToText();
}

void Label::UseMnemonic(bool u) {
    useMnemonic_ = u;
    Caption(caption_);
}

int Label::TextHeight() const {
    auto* l = static_cast<QLabel*>(w_);
    if (!l || l->text().isEmpty()) return 0;
    const int px = l->wordWrap() ? l->heightForWidth(twipsToPixels(designWidth_)) : l->sizeHint().height();
    return twipsForPixels(px);
}

void Label::fitToText() {
    auto* l = static_cast<QLabel*>(w_);
    if (!l) return;
    int width = designWidth_, height = designHeight_;
    if (!l->text().isEmpty()) {
        if (l->wordWrap()) {
            height = std::max(height, TextHeight());
        } else {
            const QSize need = l->sizeHint();
            if (need.width() > twipsToPixels(width)) width = twipsForPixels(need.width());
            if (need.height() > twipsToPixels(height)) height = twipsForPixels(need.height());
        }
    }
    if (width != width_ || height != height_) setShownSize(width, height);
}

void Label::IndentByBlanks(int count) {
    indentBlanks_ = count;
    applyFont();
}

void Label::applyFont() {
    Control::applyFont();
    applyMargins();  // the blanks' width goes with the font
}

void Label::applyMargins() {
    auto* l = static_cast<QLabel*>(w_);
    if (!l) return;
    // A small margin left and right; above and below only for wrapped text, since a
    // margin there would push a single line out of the low bars it sits in.
    const int blanks = l->fontMetrics().horizontalAdvance(QString(indentBlanks_, QLatin1Char(' ')));
    const int vertical = l->wordWrap() ? 3 : 0;
    l->setContentsMargins(3 + blanks, vertical, 3, vertical);
    fitToText();
}

void Label::Alignment(int a) {
    alignment_ = a;
    auto* l = static_cast<QLabel*>(w_);
    Qt::Alignment al = Qt::AlignTop;
    al |= a == 1 ? Qt::AlignRight : a == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
    l->setAlignment(al);
    fitToText();
}

void Label::WordWrap(bool w) {
    static_cast<QLabel*>(w_)->setWordWrap(w);
    applyMargins();
}

void Label::BorderStyle(int b) {
    auto* l = static_cast<QLabel*>(w_);
    l->setFrameStyle(b ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    l->setMargin(b ? 2 : 0);  // the text keeps clear of the border on every side
    fitToText();
}

void Label::Refresh() {
    if (w_) w_->repaint();
}

void Label::applyColors() {
    Control::applyColors();
}

// ---------------------------------------------------------------- TextBox

TextBox::TextBox(Form* owner, std::string name, int index, Control* container, bool multiLine)
    : Control(owner, std::move(name), index), multiLine_(multiLine) {
    QWidget* parent = parentWidget(owner, container);
    if (multiLine) {
        auto* t = new QPlainTextEdit(parent);
        t->setReadOnly(false);
        t->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        t->setFrameShape(QFrame::NoFrame);
        attach(t);
    } else {
        attach(new QLineEdit(parent));
    }
}

std::string TextBox::Text() const {
    if (multiLine_) return ss(static_cast<QPlainTextEdit*>(w_)->toPlainText());
    return ss(static_cast<QLineEdit*>(w_)->text());
}

void TextBox::Text(const std::string& t) {
    if (Text() == t) return;
    if (multiLine_) static_cast<QPlainTextEdit*>(w_)->setPlainText(qs(t));
    else static_cast<QLineEdit*>(w_)->setText(qs(t));
    fitToText();
    if (Change) Change();
}

void TextBox::fitToText() {
    if (!w_) return;
    int width = designWidth_, height = designHeight_;
    const QFontMetrics fm = w_->fontMetrics();
    if (multiLine_) {
        auto* t = static_cast<QPlainTextEdit*>(w_);
        const QString text = t->toPlainText();
        if (!text.isEmpty()) {
            const int frame = t->frameWidth();
            const int margin = static_cast<int>(std::ceil(t->document()->documentMargin()));
            const int inner = std::max(1, twipsToPixels(width) - 2 * frame - 2 * margin);
            const QRect need = fm.boundingRect(QRect(0, 0, inner, 1000000), Qt::TextWordWrap, text);
            // A little slack: the editor lays out its lines itself, not quite as the metrics do.
            const int px = need.height() + 2 * frame + 2 * margin + fm.leading() + 2;
            if (px > twipsToPixels(height)) height = twipsForPixels(px);
        }
    } else if (locked_) {
        auto* e = static_cast<QLineEdit*>(w_);
        const int px = fm.horizontalAdvance(e->text()) + 2 * e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 8;
        if (px > twipsToPixels(width)) width = twipsForPixels(px);
    }
    if (width != width_ || height != height_) setShownSize(width, height);
}

int TextBox::SelStart() const {
    if (multiLine_) {
        auto c = static_cast<QPlainTextEdit*>(w_)->textCursor();
        return c.selectionStart();
    }
    auto* e = static_cast<QLineEdit*>(w_);
    return e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
}

void TextBox::SelStart(int s) {
    int len = static_cast<int>(Text().size());
    s = std::clamp(s, 0, len);
    if (multiLine_) {
        auto* t = static_cast<QPlainTextEdit*>(w_);
        auto c = t->textCursor();
        c.setPosition(s);
        t->setTextCursor(c);
        return;
    }
    static_cast<QLineEdit*>(w_)->setCursorPosition(s);
}

int TextBox::SelLength() const {
    if (multiLine_) {
        auto c = static_cast<QPlainTextEdit*>(w_)->textCursor();
        return c.selectionEnd() - c.selectionStart();
    }
    auto* e = static_cast<QLineEdit*>(w_);
    return e->hasSelectedText() ? static_cast<int>(e->selectedText().size()) : 0;
}

void TextBox::SelLength(int n) {
    int start = SelStart();
    int len = static_cast<int>(Text().size());
    n = std::clamp(n, 0, len - start);
    if (multiLine_) {
        auto* t = static_cast<QPlainTextEdit*>(w_);
        auto c = t->textCursor();
        c.setPosition(start);
        c.setPosition(start + n, QTextCursor::KeepAnchor);
        t->setTextCursor(c);
        return;
    }
    static_cast<QLineEdit*>(w_)->setSelection(start, n);
}

void TextBox::Locked(bool l) {
    locked_ = l;
    if (multiLine_) static_cast<QPlainTextEdit*>(w_)->setReadOnly(l);
    else static_cast<QLineEdit*>(w_)->setReadOnly(l);
    fitToText();
}

void TextBox::Alignment(int a) {
    if (multiLine_) return;
    static_cast<QLineEdit*>(w_)->setAlignment(a == 1 ? Qt::AlignRight
                                              : a == 2 ? Qt::AlignHCenter
                                                       : Qt::AlignLeft);
}

void TextBox::applyColors() { Control::applyColors(); }

void TextBox::beforeWidgetKey() { textBeforeKey_ = Text(); }

void TextBox::afterWidgetKey() {
    // Qt edited the text (typing, Delete, paste, undo): the box changed as if typed.
    if (!w_ || Text() == textBeforeKey_) return;
    fitToText();
    if (Change) Change();
}

// ---------------------------------------------------------------- CommandButton

CommandButton::CommandButton(Form* owner, std::string name, int index, Control* container)
    : Control(owner, std::move(name), index) {
    auto* b = new ButtonWidget(parentWidget(owner, container));
    b->setAutoDefault(false);
    b->setDefault(false);
    attach(b);
    QObject::connect(b, &QPushButton::clicked, b, [this] {
        // Mouse clicks arrive here; keyboard activation goes through deliverKey.
        userClick();
    });
}

void CommandButton::Caption(const std::string& c) {
    caption_ = c;
    static_cast<QPushButton*>(w_)->setText(qs(c));
}

void CommandButton::Default(bool d) {
    default_ = d;
    static_cast<QPushButton*>(w_)->setDefault(d);
}

void CommandButton::Cancel(bool c) { cancel_ = c; }

bool CommandButton::platformKey(int keyCode, int /*shift*/) {
    // Qt would move the focus along its own chain; the tab order is the platform's.
    return isArrowKey(keyCode);
}

// ---------------------------------------------------------------- OptionButton

OptionButton::OptionButton(Form* owner, std::string name, int index, Control* container)
    : Control(owner, std::move(name), index), container_(container) {
    auto* r = new QRadioButton(parentWidget(owner, container));
    r->setAutoExclusive(false);
    attach(r);
    QObject::connect(r, &QRadioButton::clicked, r, [this] {
        // Keep the widget showing our state; userClick decides.
        static_cast<QRadioButton*>(w_)->setChecked(value_);
        userClick();
    });
}

// An option or check box grows in width to show its whole caption.
static void growToCaptionWidth(QWidget* w, int designWidth, int designHeight, int shownWidth, int shownHeight,
                        const std::function<void(int, int)>& setShown) {
    if (!w) return;
    int width = designWidth;
    const int need = w->sizeHint().width();
    if (need > twipsToPixels(width)) width = twipsForPixels(need);
    if (width != shownWidth || designHeight != shownHeight) setShown(width, designHeight);
}

void OptionButton::Caption(const std::string& c) {
    caption_ = c;
    static_cast<QRadioButton*>(w_)->setText(qs(c));
    fitToText();
}

void OptionButton::fitToText() {
    growToCaptionWidth(w_, designWidth_, designHeight_, width_, height_,
                       [this](int w, int h) { setShownSize(w, h); });
}

void OptionButton::Value(bool v) {
    bool was = value_;
    value_ = v;
    static_cast<QRadioButton*>(w_)->setChecked(v);
    if (v) {
        for (Control* c : owner().controls()) {
            auto* o = dynamic_cast<OptionButton*>(c);
            if (o && o != this && o->container_ == container_ && o->value_) {
                o->value_ = false;
                static_cast<QRadioButton*>(o->w_)->setChecked(false);
            }
        }
        if (!was && Click) Click();
    }
}

bool OptionButton::platformKey(int keyCode, int /*shift*/) {
    if (!isArrowKey(keyCode)) return false;
    // The arrows move the choice through the group in tab order, wrapping, as a click would.
    std::vector<Control*> group;
    for (Control* c : owner().tabOrder()) {
        auto* o = dynamic_cast<OptionButton*>(c);
        if (o && o->container_ == container_) group.push_back(o);
    }
    if (std::find(group.begin(), group.end(), this) == group.end()) group.push_back(this);
    const auto k = static_cast<std::ptrdiff_t>(group.size());
    const std::ptrdiff_t i = std::find(group.begin(), group.end(), this) - group.begin();
    const bool back = keyCode == vbKeyUp || keyCode == vbKeyLeft;
    auto* next = static_cast<OptionButton*>(group[static_cast<std::size_t>(back ? (i + k - 1) % k : (i + 1) % k)]);
    if (next != this) next->userClick();
    return true;
}

void OptionButton::userClick() {
    if (!visible_ || !enabled_) return;
    if (canTakeFocus() && !setFocusTo(this, owner_)) return;
    if (value_) {
        if (Click) Click();  // clicking the selected option runs Click again
    } else {
        Value(true);
    }
}

// ---------------------------------------------------------------- CheckBox

CheckBox::CheckBox(Form* owner, std::string name, int index, Control* container)
    : Control(owner, std::move(name), index) {
    auto* c = new QCheckBox(parentWidget(owner, container));
    attach(c);
    QObject::connect(c, &QCheckBox::clicked, c, [this] {
        static_cast<QCheckBox*>(w_)->setChecked(value_ == 1);
        userClick();
    });
}

void CheckBox::Caption(const std::string& c) {
    caption_ = c;
    static_cast<QCheckBox*>(w_)->setText(qs(c));
    fitToText();
}

void CheckBox::fitToText() {
    growToCaptionWidth(w_, designWidth_, designHeight_, width_, height_,
                       [this](int w, int h) { setShownSize(w, h); });
}

void CheckBox::Value(int v) {
    bool changed = v != value_;
    value_ = v;
    static_cast<QCheckBox*>(w_)->setChecked(v == 1);
    if (changed && Click) Click();
}

bool CheckBox::platformKey(int keyCode, int /*shift*/) { return isArrowKey(keyCode); }

void CheckBox::userClick() {
    if (!visible_ || !enabled_) return;
    if (canTakeFocus() && !setFocusTo(this, owner_)) return;
    Value(value_ == 1 ? 0 : 1);
}

// ---------------------------------------------------------------- ListBox

ListBox::ListBox(Form* owner, std::string name, int index, Control* container, int multiSelect)
    : Control(owner, std::move(name), index), multiSelect_(multiSelect) {
    auto* l = new ListWidget(parentWidget(owner, container));
    l->setSelectionMode(multiSelect ? QAbstractItemView::MultiSelection
                                    : QAbstractItemView::SingleSelection);
    attach(l);
    QObject::connect(l, &QListWidget::itemClicked, l, [this, l](QListWidgetItem* item) {
        if (syncing_) return;
        int row = l->row(item);
        // Restore our state first; userSelect applies the change and raises Click.
        syncItem(row);
        syncCurrent();
        userSelect(row);
    });
    // A press on one entry released on another is no click to Qt, yet Qt has selected
    // the second: that is the pick, as if it had been clicked.
    l->released = [this] {
        if (!syncing_ && !multiSelect_) takeQtPick();
    };
    // Qt delivers a list's mouse events to its viewport, out of the control's filter.
    // The click of the double click has already picked the entry; the second press
    // toggled a multi-pick entry back on screen only, so show our state again.
    QObject::connect(l, &QListWidget::itemDoubleClicked, l, [this, l](QListWidgetItem* item) {
        if (syncing_) return;
        const int row = l->row(item);
        syncItem(row);
        syncCurrent();
        if (row == listIndex_ && DblClick && visible_ && enabled_) DblClick();
    });
}

void ListBox::syncItem(int i) {
    auto* l = static_cast<QListWidget*>(w_);
    if (!l || i < 0 || i >= l->count()) return;
    syncing_ = true;
    l->item(i)->setSelected(selected_[static_cast<std::size_t>(i)]);
    syncing_ = false;
}

void ListBox::syncItems() {
    for (int i = 0; i < ListCount(); ++i) syncItem(i);
}

void ListBox::takeQtPick() {
    auto* l = static_cast<QListWidget*>(w_);
    int picked = -1;
    for (int i = 0; l && picked < 0 && i < l->count() && i < ListCount(); ++i)
        if (l->item(i)->isSelected()) picked = i;
    // Our state first, whatever Qt did (dropped the pick on Ctrl+Space or a press beside
    // the entries, moved the current entry); userSelect applies a new pick and raises
    // Click, after which the list may be gone.
    syncItems();
    syncCurrent();
    if (picked >= 0 && picked != listIndex_) userSelect(picked);
}

void ListBox::syncCurrent() {
    auto* l = static_cast<QListWidget*>(w_);
    if (!l) return;
    syncing_ = true;
    if (listIndex_ >= 0 && listIndex_ < l->count())
        l->setCurrentRow(listIndex_, QItemSelectionModel::NoUpdate);
    else if (!multiSelect_)
        l->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    syncing_ = false;
}

void ListBox::AddItem(const std::string& item) {
    items_.push_back(item);
    selected_.push_back(false);
    syncing_ = true;
    static_cast<QListWidget*>(w_)->addItem(qs(item));
    syncing_ = false;
    // A multi-pick list opens with the keyboard on its first entry, at the top, with
    // nothing picked and no Click.
    if (multiSelect_ && listIndex_ < 0) {
        listIndex_ = 0;
        syncCurrent();
    }
}

void ListBox::RemoveItem(int i) {
    if (i < 0 || i >= ListCount()) raise(errInvalidCall);
    items_.erase(items_.begin() + i);
    selected_.erase(selected_.begin() + i);
    syncing_ = true;
    delete static_cast<QListWidget*>(w_)->takeItem(i);
    syncing_ = false;
    if (listIndex_ >= ListCount()) listIndex_ = -1;
}

void ListBox::Clear() {
    items_.clear();
    selected_.clear();
    listIndex_ = -1;
    syncing_ = true;
    static_cast<QListWidget*>(w_)->clear();
    syncing_ = false;
}

std::string ListBox::List(int i) const {
    if (i < 0 || i >= ListCount()) return "";
    return items_[static_cast<std::size_t>(i)];
}

void ListBox::ListIndex(int i) {
    if (i < -1 || i >= ListCount()) raise(errInvalidCall);
    bool changed = i != listIndex_;
    const int was = listIndex_;
    listIndex_ = i;
    if (!multiSelect_) {
        // One entry at most is selected: only the old and the new one change.
        for (int k : {was, i}) {
            if (k < 0) continue;
            selected_[static_cast<std::size_t>(k)] = k == i;
            syncItem(k);
        }
    }
    syncCurrent();
    if (changed && Click) Click();
}

bool ListBox::Selected(int i) const {
    if (i < 0 || i >= ListCount()) raise(errInvalidCall);
    return selected_[static_cast<std::size_t>(i)];
}

void ListBox::Selected(int i, bool s) {
    if (i < 0 || i >= ListCount()) raise(errInvalidCall);
    if (!multiSelect_) {
        if (s) ListIndex(i);
        else if (selected_[static_cast<std::size_t>(i)]) ListIndex(-1);
        return;
    }
    // The user's current entry, and with it the scroll position, stays where it is.
    bool changed = selected_[static_cast<std::size_t>(i)] != s;
    selected_[static_cast<std::size_t>(i)] = s;
    syncItem(i);
    if (changed && Click) Click();
}

int ListBox::SelCount() const {
    return static_cast<int>(std::count(selected_.begin(), selected_.end(), true));
}

void ListBox::userSelect(int i) {
    if (!visible_ || !enabled_) return;
    if (canTakeFocus() && !setFocusTo(this, owner_)) return;
    if (multiSelect_) {
        // Current first: the Click that follows reads ListIndex.
        if (i < 0 || i >= ListCount()) raise(errInvalidCall);
        listIndex_ = i;
        syncCurrent();
        Selected(i, !Selected(i));
    } else {
        ListIndex(i);
    }
}

bool ListBox::platformKey(int keyCode, int shift) {
    // Qt's Space picks the current entry, and a single-pick list with nothing picked has
    // none: Space picks the first entry, as Down does.
    if (multiSelect_ || keyCode != vbKeySpace || shift != 0 || listIndex_ >= 0 || ListCount() == 0) return false;
    ListIndex(0);
    return true;
}

void ListBox::afterWidgetKey() {
    // Qt moved the current entry or changed the selection: take both over, and a
    // changed selection raises Click as a mouse pick does.
    auto* l = static_cast<QListWidget*>(w_);
    if (!l) return;
    if (!multiSelect_) {
        takeQtPick();
        return;
    }
    bool changed = false;
    for (int i = 0; i < l->count() && i < ListCount(); ++i) {
        const bool sel = l->item(i)->isSelected();
        if (sel != selected_[static_cast<std::size_t>(i)]) {
            selected_[static_cast<std::size_t>(i)] = sel;
            changed = true;
        }
    }
    if (const int row = l->currentRow(); row >= 0) listIndex_ = row;
    if (changed && Click) Click();
}

// ---------------------------------------------------------------- ComboBox

ComboBox::ComboBox(Form* owner, std::string name, int index, Control* container)
    : Control(owner, std::move(name), index) {
    auto* c = new QComboBox(parentWidget(owner, container));
    attach(c);
    QObject::connect(c, &QComboBox::activated, c, [this](int i) {
        if (syncing_) return;
        ListIndex(i);
    });
}

void ComboBox::AddItem(const std::string& item) {
    items_.push_back(item);
    syncing_ = true;
    auto* c = static_cast<QComboBox*>(w_);
    c->addItem(qs(item));
    c->setCurrentIndex(listIndex_);
    syncing_ = false;
}

void ComboBox::Clear() {
    items_.clear();
    listIndex_ = -1;
    syncing_ = true;
    static_cast<QComboBox*>(w_)->clear();
    syncing_ = false;
}

std::string ComboBox::List(int i) const {
    if (i < 0 || i >= ListCount()) return "";
    return items_[static_cast<std::size_t>(i)];
}

void ComboBox::ListIndex(int i) {
    if (i < -1 || i >= ListCount()) raise(errInvalidCall);
    bool changed = i != listIndex_;
    listIndex_ = i;
    syncing_ = true;
    static_cast<QComboBox*>(w_)->setCurrentIndex(i);
    syncing_ = false;
    if (changed && Click) Click();
}

std::string ComboBox::Text() const { return List(listIndex_); }

void ComboBox::afterWidgetKey() {
    // Qt's keys pick an entry (and announce it as activated, which handles it); take
    // over any pick it made without saying so.
    auto* c = static_cast<QComboBox*>(w_);
    if (c && c->currentIndex() != listIndex_ && c->currentIndex() >= -1) ListIndex(c->currentIndex());
}

// ---------------------------------------------------------------- decoration

Frame::Frame(Form* owner, std::string name, int index, Control* container)
    : Control(owner, std::move(name), index) {
    auto* g = new QGroupBox(parentWidget(owner, container));
    backColor_ = 0x00C0C0C0;
    attach(g);
}

void Frame::Caption(const std::string& c) {
    static_cast<QGroupBox*>(w_)->setTitle(qs(c));
    applyLook();
}

void Frame::applyFont() {
    Control::applyFont();
    applyLook();
}

void Frame::applyColors() {
    Control::applyColors();
    applyLook();
}

void Frame::applyLook() {
    auto* g = static_cast<QGroupBox*>(w_);
    if (!g) return;
    // The border runs through the middle of the caption, which hides the line behind it.
    const int half = g->title().isEmpty() ? 0 : g->fontMetrics().height() / 2;
    const QString back = toQColor(backColor_).name();
    g->setStyleSheet(QStringLiteral("QGroupBox { border: 1px solid #808080; margin-top: %1px; "
                                    "background-color: %2; }"
                                    "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; "
                                    "left: 6px; padding: 0px 2px; background-color: %2; }")
                         .arg(half)
                         .arg(back));
}

PictureBox::PictureBox(Form* owner, std::string name, int index, Control* container)
    : Control(owner, std::move(name), index) {
    auto* w = new PictureWidget(parentWidget(owner, container));
    w->setAutoFillBackground(true);
    attach(w);
}

Image::Image(Form* owner, std::string name, int index, Control* container)
    : Control(owner, std::move(name), index) {
    attach(new PictureWidget(parentWidget(owner, container)));
}

void Image::showProductPicture() {
    static_cast<PictureWidget*>(w_)->product = true;
    w_->update();
}

Line::Line(Form* owner, std::string name, int index, Control* container)
    : Control(owner, std::move(name), index) {
    auto* l = new LineWidget(parentWidget(owner, container));
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    attach(l);
}

void Line::Coords(int x1, int y1, int x2, int y2) {
    auto* l = static_cast<LineWidget*>(w_);
    l->down = (x2 - x1) * (y2 - y1) >= 0;
    int left = std::min(x1, x2), top = std::min(y1, y2);
    Move(left, top, std::max(std::abs(x2 - x1), 15), std::max(std::abs(y2 - y1), 15));
}

Shape::Shape(Form* owner, std::string name, int index, Control* container)
    : Control(owner, std::move(name), index) {
    attach(new ShapeWidget(parentWidget(owner, container)));
    backColor_ = 0x00C0C0C0;
    foreColor_ = 0x00808080;
    applyColors();
}

}  // namespace pf
