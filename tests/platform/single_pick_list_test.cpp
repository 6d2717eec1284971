// A single-pick list with no key handler of its own, under real keys: the pick is its
// keyboard entry, so with nothing picked there is none, and a key never drops the pick.
#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QTest>

#include "platform/ui/Controls.h"
#include "platform/ui/ScriptedHost.h"
#include "tests/ui_mouse.h"

namespace {

class ListForm : public pf::Form {
public:
    ListForm() : pf::Form("frmList", pf::FormKind::Dialog) {
        Move(0, 0, 4000, 3000);
        button.Move(120, 120, 1200, 375);
        button.TabIndex = 0;
        list.Move(120, 600, 2400, 1500);
        list.TabIndex = 1;
        for (const char* e : {"A", "B", "C"}) list.AddItem(e);
        list.Click = [this] { ++clicks; };
    }
    pf::CommandButton button{this, "button"};
    pf::ListBox list{this, "list"};
    int clicks = 0;
};

class SinglePickListTest : public ::testing::Test {
protected:
    void SetUp() override { pf::unloadAll(); }
    void TearDown() override {
        pf::unloadAll();
        pf::collectUnloaded();
    }
    // The list given the keyboard by Tab from the button.
    static ListForm& tabbedIn() {
        ListForm& f = pf::instance<ListForm>();
        qvtest::activeOnScreen(f);
        f.button.SetFocus();
        qvtest::pressOnFocused(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), f.list.widget());
        return f;
    }
    static QListWidget* shown(ListForm& f) { return qvtest::listWidget(f.list); }
};

// Never picked, or its pick dropped by the program: Down picks the first entry, once.
TEST_F(SinglePickListTest, DownFromNothingPickedPicksTheFirstEntry) {
    for (bool dropped : {false, true}) {
        SCOPED_TRACE(dropped ? "pick dropped" : "never picked");
        pf::unloadAll();
        pf::collectUnloaded();
        ListForm& f = pf::instance<ListForm>();
        if (dropped) {
            f.list.ListIndex(2);
            f.list.Selected(2, false);
            EXPECT_EQ(f.list.ListIndex(), -1);
            f.clicks = 0;
        }
        tabbedIn();
        EXPECT_EQ(shown(f)->currentRow(), -1);
        qvtest::pressOnFocused(Qt::Key_Down);
        EXPECT_EQ(f.list.ListIndex(), 0);
        EXPECT_TRUE(f.list.Selected(0));
        EXPECT_EQ(shown(f)->selectedItems().size(), 1);
        EXPECT_TRUE(shown(f)->item(0)->isSelected());
        EXPECT_EQ(f.clicks, 1);
    }
}

// Ctrl+Space, which drops the current entry's selection in Qt, keeps the pick: shown,
// kept, and no Click.
TEST_F(SinglePickListTest, NoKeyDropsThePick) {
    ListForm& f = tabbedIn();
    qvtest::pressOnFocused(Qt::Key_End);
    ASSERT_EQ(f.list.ListIndex(), 2);
    ASSERT_EQ(f.clicks, 1);
    qvtest::pressOnFocused(Qt::Key_Space, Qt::ControlModifier, " ");
    EXPECT_EQ(f.list.ListIndex(), 2);
    EXPECT_TRUE(f.list.Selected(2));
    EXPECT_TRUE(shown(f)->item(2)->isSelected());
    EXPECT_EQ(shown(f)->currentRow(), 2);
    EXPECT_EQ(f.clicks, 1);
}

}  // namespace
