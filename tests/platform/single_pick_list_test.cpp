// A single-pick list with no key handler of its own, under real keys and clicks: the
// pick is its keyboard entry, so with nothing picked there is none, and only a selected
// entry changes the pick: no key and no click beside the entries drops it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
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
        several.Move(120, 2200, 2400, 700);
        several.TabIndex = 2;
        for (const char* e : {"A", "B", "C"}) {
            list.AddItem(e);
            several.AddItem(e);
        }
        list.Click = [this] { ++clicks; };
        several.Click = [this] { ++clicks; };
    }
    pf::CommandButton button{this, "button"};
    pf::ListBox list{this, "list"};
    pf::ListBox several{this, "several", -1, nullptr, 1};
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

// A click below the last entry picks nothing and drops nothing: the picked entries stay
// picked and are drawn so, in a single-pick and in a multi-pick list.
TEST_F(SinglePickListTest, AClickBesideTheEntriesKeepsThePick) {
    ListForm& f = pf::instance<ListForm>();
    qvtest::activeOnScreen(f);
    for (pf::ListBox* list : {&f.list, &f.several}) {
        SCOPED_TRACE(list->Name());
        QListWidget* l = qvtest::listWidget(*list);
        qvtest::clickEntry(*list, 1);
        qvtest::settle();
        ASSERT_TRUE(list->Selected(1));
        f.clicks = 0;
        const QRect last = l->visualItemRect(l->item(2));
        const QPoint below(last.center().x(), last.bottom() + 6);
        ASSERT_TRUE(l->viewport()->rect().contains(below)) << "no room below the entries";
        ASSERT_FALSE(l->indexAt(below).isValid());
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, below);
        qvtest::settle();
        EXPECT_TRUE(list->Selected(1));
        EXPECT_EQ(list->SelCount(), 1);
        EXPECT_TRUE(l->item(1)->isSelected());
        EXPECT_EQ(l->selectedItems().size(), 1);
        EXPECT_EQ(f.clicks, 0);
    }
}

// The mouse pressed on one entry and released on another picks the one it was released
// on, with one Click, as a click on it does; the screen shows that pick.
TEST_F(SinglePickListTest, ADragPicksTheEntryItEndsOn) {
    ListForm& f = pf::instance<ListForm>();
    qvtest::activeOnScreen(f);
    QListWidget* l = shown(f);
    QWidget* v = l->viewport();
    const QPoint from = qvtest::entryCentre(f.list, 0), to = qvtest::entryCentre(f.list, 2);
    QTest::mousePress(v, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), v->mapToGlobal(QPointF(to)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(v, &move);
    QTest::mouseRelease(v, Qt::LeftButton, {}, to);
    qvtest::settle();
    EXPECT_EQ(f.list.ListIndex(), 2);
    EXPECT_TRUE(f.list.Selected(2));
    EXPECT_FALSE(f.list.Selected(0));
    EXPECT_EQ(l->selectedItems().size(), 1);
    EXPECT_TRUE(l->item(2)->isSelected());
    EXPECT_EQ(f.clicks, 1);
}

}  // namespace
