#pragma once
// Menu items of the main window: captions, enabled and visible states, separators
// (caption "-"), submenus, and menu arrays whose elements are created and removed
// at run time. A top menu's Opening runs as it opens.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QMenu;
class QAction;
class QMenuBar;
class QWidget;

namespace pf {

// The look of the program's menus, for a menu or the menu bar.
void useMenuStyle(QWidget* menuOrBar);

class MenuItem {
public:
    MenuItem(std::string name, int index, std::string caption);
    ~MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& Name() const { return name_; }
    int Index() const { return index_; }
    std::string qualifiedName() const;
    const std::string& Caption() const { return caption_; }
    void Caption(const std::string& c);
    bool Enabled() const { return enabled_; }
    void Enabled(bool e);
    bool Visible() const { return visible_; }
    void Visible(bool v);
    bool isSeparator() const { return caption_ == "-"; }

    std::function<void()> Click;
    std::function<void()> Opening;  // top menus and submenus: before they open
    // The item chosen as the user chooses it: Click, then the keyboard goes back from
    // the main window to the control that holds it, and the next key starts afresh.
    void userChoose();

    // Children (items of a top menu or a submenu), in display order.
    MenuItem& add(std::unique_ptr<MenuItem> child);
    void remove(MenuItem* child);
    const std::vector<std::unique_ptr<MenuItem>>& children() const { return children_; }
    MenuItem* parent() const { return parent_; }
    bool hasSubmenu() const { return !children_.empty() || forceSubmenu_; }
    void makeSubmenuHolder() { forceSubmenu_ = true; rebuild(); }

    // Qt side.
    void attachToBar(QMenuBar* bar);
    QMenu* qmenu() const { return menu_; }

private:
    friend class MenuArray;
    void prepareQMenu();  // the program's look, and Opening run as the Qt menu opens
    void rebuild();       // recreate the Qt objects after a structural change
    void dropQt();        // delete this item's Qt objects (a submenu takes its items along)
    void forgetQtTree();  // the Qt objects are gone already
    void applyState();
    std::string name_;
    int index_;
    std::string caption_;
    bool enabled_ = true, visible_ = true, forceSubmenu_ = false;
    MenuItem* parent_ = nullptr;
    std::vector<std::unique_ptr<MenuItem>> children_;
    QMenuBar* bar_ = nullptr;
    QMenu* menu_ = nullptr;
    QAction* action_ = nullptr;
};

// A menu array: elements share a name and are told apart by index. Elements
// created at run time are placed after the existing elements of the array.
class MenuArray {
public:
    MenuArray(std::string name, MenuItem* parent) : name_(std::move(name)), parent_(parent) {}
    // Design-time element.
    MenuItem& addDesign(int index, const std::string& caption);
    // Creates element index (error 360 when it exists); it takes the caption and
    // states of the array's lowest element, as the platform does.
    MenuItem& Load(int index);
    // Removes element index (error 340 when it does not exist).
    void Unload(int index);
    bool exists(int index) const { return items_.count(index) != 0; }
    MenuItem& operator()(int index) const;
    const std::string& Name() const { return name_; }
    std::vector<int> indices() const;

private:
    std::string name_;
    MenuItem* parent_;
    std::map<int, MenuItem*> items_;
};

}  // namespace pf
