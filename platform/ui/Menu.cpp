#include "platform/ui/Menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QShowEvent>
#include <QStyleOption>

#include <algorithm>

#include "platform/core/Errors.h"
#include "platform/ui/Form.h"
#include "platform/ui/QtBridge.h"

namespace pf {

namespace {
// Menus as on the desktop the program was made for: the keyboard can mark a disabled
// item (so a letter shared with a disabled item still reaches the other one) and the
// mark shows, pale, on a disabled item too. Enter on a disabled item runs nothing.
// A menu bar that holds the keyboard shows its marked title as an open menu's title;
// the style draws that only while the menu is open.
class MenuStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* ret) const override {
        // The bar's arrows pass a disabled title by: the style would mark it unseen.
        if (hint == SH_Menu_AllowActiveAndDisabled && !qobject_cast<const QMenuBar*>(widget)) return 1;
        return QProxyStyle::styleHint(hint, option, widget, ret);
    }
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (element == CE_MenuItem && (option->state & State_Selected) && !(option->state & State_Enabled)) {
            QColor mark = option->palette.color(QPalette::Active, QPalette::Highlight);
            mark.setAlpha(70);
            painter->fillRect(option->rect, mark);
        }
        if (element == CE_MenuBarItem && (option->state & State_Selected) && !(option->state & State_Sunken) &&
            widget && widget->hasFocus()) {
            if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
                QStyleOptionMenuItem marked(*item);
                marked.state |= State_Sunken;
                QProxyStyle::drawControl(element, &marked, painter, widget);
                return;
            }
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

// Qt's submenu closed by Left or Esc does not tell the menu it came from, which keeps
// the closed submenu as its open one. The next item marked there by a letter starts
// that menu's timer for closing an open submenu, and when it runs out it marks the
// submenu's item again and reopens it (or, the pointer elsewhere, unmarks everything).
// A menu drops that record of the pointer's way into a submenu when it is shown, so it
// is told so as the keyboard closes its submenu.
class SubmenuCloseKeys : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        auto* submenu = static_cast<QMenu*>(o);
        auto* from = qobject_cast<QMenu*>(submenu->parentWidget());
        auto* ke = static_cast<QKeyEvent*>(e);
        const int back = submenu->isRightToLeft() ? Qt::Key_Right : Qt::Key_Left;
        if (from && from->isVisible() && submenu->isVisible() &&
            (ke->key() == back || ke->matches(QKeySequence::Cancel))) {
            // The submenu is still open, so the menu does not open it again.
            QShowEvent shown;
            QCoreApplication::sendEvent(from, &shown);
        }
        return false;
    }
};
}  // namespace

void useMenuStyle(QWidget* menuOrBar) {
    // One style for every menu, kept for the life of the program: a widget does not own its style.
    static QStyle* style = new MenuStyle;
    menuOrBar->setStyle(style);
}

MenuItem::MenuItem(std::string name, int index, std::string caption)
    : name_(std::move(name)), index_(index), caption_(std::move(caption)) {}

MenuItem::~MenuItem() = default;

std::string MenuItem::qualifiedName() const {
    return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

void MenuItem::Caption(const std::string& c) {
    bool structural = (c == "-") != isSeparator();
    caption_ = c;
    if (structural && parent_) parent_->rebuild();
    else applyState();
}

void MenuItem::Enabled(bool e) {
    enabled_ = e;
    applyState();
}

void MenuItem::Visible(bool v) {
    visible_ = v;
    applyState();
}

void MenuItem::userChoose() {
    if (Click) Click();
    handBackKeyboardAfterCommand();
}

void MenuItem::applyState() {
    QAction* a = menu_ ? menu_->menuAction() : action_;
    if (!a) return;
    if (!isSeparator()) a->setText(qs(caption_));
    a->setEnabled(enabled_);
    a->setVisible(visible_);
}

MenuItem& MenuItem::add(std::unique_ptr<MenuItem> child) {
    child->parent_ = this;
    children_.push_back(std::move(child));
    MenuItem& ref = *children_.back();
    rebuild();
    return ref;
}

void MenuItem::remove(MenuItem* child) {
    auto it = std::find_if(children_.begin(), children_.end(),
                           [&](auto& p) { return p.get() == child; });
    if (it == children_.end()) return;
    children_.erase(it);
    rebuild();
}

void MenuItem::dropQt() {
    for (auto& c : children_) c->forgetQtTree();
    delete action_;
    action_ = nullptr;
    delete menu_;
    menu_ = nullptr;
}

void MenuItem::forgetQtTree() {
    action_ = nullptr;
    menu_ = nullptr;
    for (auto& c : children_) c->forgetQtTree();
}

void MenuItem::attachToBar(QMenuBar* bar) {
    bar_ = bar;
    menu_ = bar->addMenu(qs(caption_));
    prepareQMenu();
    rebuild();
}

void MenuItem::prepareQMenu() {
    useMenuStyle(menu_);
    QObject::connect(menu_, &QMenu::aboutToShow, menu_, [this] {
        if (Opening) Opening();
    });
}

void MenuItem::rebuild() {
    if (!menu_) {
        // Not shown yet (a submenu whose parent has not been built).
        if (parent_) parent_->rebuild();
        return;
    }
    for (auto& c : children_) c->dropQt();
    menu_->clear();
    for (auto& c : children_) {
        MenuItem* item = c.get();
        if (item->isSeparator()) {
            item->action_ = menu_->addSeparator();
        } else if (item->hasSubmenu()) {
            item->menu_ = menu_->addMenu(qs(item->caption_));
            item->prepareQMenu();
            item->menu_->installEventFilter(new SubmenuCloseKeys(item->menu_));
            item->rebuild();
        } else {
            item->action_ = menu_->addAction(qs(item->caption_));
            QObject::connect(item->action_, &QAction::triggered, item->action_, [item] { item->userChoose(); });
        }
        item->applyState();
    }
    applyState();
}

MenuItem& MenuArray::addDesign(int index, const std::string& caption) {
    auto& item = parent_->add(std::make_unique<MenuItem>(name_, index, caption));
    items_[index] = &item;
    return item;
}

MenuItem& MenuArray::Load(int index) {
    if (exists(index)) raise(errObjectAlreadyLoaded);
    if (items_.empty()) raise(errInvalidCall);
    MenuItem* lowest = items_.begin()->second;
    MenuItem* last = items_.rbegin()->second;
    auto item = std::make_unique<MenuItem>(name_, index, lowest->Caption());
    item->enabled_ = lowest->Enabled();
    item->visible_ = lowest->Visible();
    item->parent_ = parent_;
    auto& kids = parent_->children_;
    auto pos = std::find_if(kids.begin(), kids.end(), [&](auto& p) { return p.get() == last; });
    MenuItem* raw = item.get();
    kids.insert(pos == kids.end() ? kids.end() : pos + 1, std::move(item));
    items_[index] = raw;
    parent_->rebuild();
    return *raw;
}

void MenuArray::Unload(int index) {
    auto it = items_.find(index);
    if (it == items_.end()) raise(340);
    MenuItem* item = it->second;
    items_.erase(it);
    parent_->remove(item);
}

MenuItem& MenuArray::operator()(int index) const {
    auto it = items_.find(index);
    if (it == items_.end()) raise(340);
    return *it->second;
}

std::vector<int> MenuArray::indices() const {
    std::vector<int> v;
    for (auto& [i, m] : items_) v.push_back(i);
    return v;
}

}  // namespace pf
