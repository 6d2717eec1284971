#include <gtest/gtest.h>

#include <QScrollBar>

#include <cstdint>
#include <functional>
#include <set>

#include "platform/core/Errors.h"
#include "platform/ui/CommonDialog.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Grid.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Menu.h"
#include "platform/ui/ScriptedHost.h"

namespace {

int g_loads = 0;

class TestForm : public pf::Form {
public:
    TestForm() : pf::Form("frmTest", pf::FormKind::Dialog) {
        for (int i = 0; i < 3; ++i) {
            opt[i] = std::make_unique<pf::OptionButton>(this, "opt", i);
            opt[i]->Click = [this, i] { clicks.push_back(i); };
        }
        grid.Rows(4);
        grid.Cols(3);
        list.AddItem("a");
        list.AddItem("b");
        list.Click = [this] { ++listClicks; };
        text.LostFocus = [this] { ++lost; };
    }
    void Form_Load() override { ++g_loads; caption.Caption("loaded"); }
    std::unique_ptr<pf::OptionButton> opt[3];
    pf::Label caption{this, "caption"};
    pf::Grid grid{this, "grid"};
    pf::ListBox list{this, "list", -1, nullptr, 1};
    pf::TextBox text{this, "text"};
    pf::CommandButton cmdCancel{this, "cmdCancel"};
    std::vector<int> clicks;
    int listClicks = 0;
    int lost = 0;
};
TestForm& frmTest() { return pf::instance<TestForm>(); }

// A main window with two child windows, one without a caption.
class MainForm : public pf::Form {
public:
    MainForm() : pf::Form("frmMain", pf::FormKind::Main) { Caption("Main"); }
};
class ChildA : public pf::Form {
public:
    ChildA() : pf::Form("frmA", pf::FormKind::Child) { Caption("Child A"); }
};
class ChildB : public pf::Form {
public:
    ChildB() : pf::Form("frmB", pf::FormKind::Child) { Caption("Child B"); }
};
class Untitled : public pf::Form {
public:
    Untitled() : pf::Form("frmUntitled", pf::FormKind::Child) {}
};

class PlatformUi : public ::testing::Test {
protected:
    void SetUp() override {
        pf::unloadAll();
        g_loads = 0;
        pf::scriptedHost().transcript.clear();
        pf::scriptedHost().clearAnswers();
    }
    void TearDown() override { pf::unloadAll(); }
};

// The caption of the child window on top shows in the main window's title, as a
// maximised child window's does, and goes with the window.
TEST_F(PlatformUi, MainTitleShowsTheCaptionOfTheChildWindowOnTop) {
    QWidget* main = pf::instance<MainForm>().window();
    auto title = [main] { return main->windowTitle().toStdString(); };
    EXPECT_EQ(title(), "Main");
    ChildA& a = pf::instance<ChildA>();
    EXPECT_EQ(title(), "Main");  // loaded, not yet shown
    a.Show();
    EXPECT_EQ(title(), "Main - [Child A]");
    pf::instance<Untitled>().Show();  // no caption of its own: the one below keeps the title
    EXPECT_EQ(title(), "Main - [Child A]");
    ChildB& b = pf::instance<ChildB>();
    b.Show();
    EXPECT_EQ(title(), "Main - [Child B]");
    b.Caption("Renamed");
    EXPECT_EQ(title(), "Main - [Renamed]");
    pf::instance<MainForm>().Caption("Main 2");
    EXPECT_EQ(title(), "Main 2 - [Renamed]");
    EXPECT_EQ(pf::instance<MainForm>().Caption(), "Main 2");  // the caption itself stays plain
    b.Hide();
    EXPECT_EQ(title(), "Main 2 - [Child A]");
    pf::Unload(a);
    EXPECT_EQ(title(), "Main 2");
}

TEST_F(PlatformUi, WindowIsLoadedOnceAndRebuiltAfterUnload) {
    frmTest().caption.Caption("changed");
    frmTest();
    EXPECT_EQ(g_loads, 1);
    EXPECT_EQ(frmTest().caption.Caption(), "changed");
    pf::Unload<TestForm>();
    EXPECT_FALSE(pf::isLoaded<TestForm>());
    pf::collectUnloaded();
    EXPECT_EQ(frmTest().caption.Caption(), "loaded");
    EXPECT_EQ(g_loads, 2);
}

TEST_F(PlatformUi, OptionGroupMayHaveNoneSelectedAndClickRunsOnSelection) {
    auto& f = frmTest();
    for (auto& o : f.opt) EXPECT_FALSE(o->Value());
    f.opt[1]->userClick();
    f.opt[2]->Value(true);
    EXPECT_FALSE(f.opt[1]->Value());
    EXPECT_TRUE(f.opt[2]->Value());
    f.opt[2]->Value(false);
    for (auto& o : f.opt) EXPECT_FALSE(o->Value());
    EXPECT_EQ(f.clicks, (std::vector<int>{1, 2}));
}

TEST_F(PlatformUi, MultiSelectListRaisesClickOnEveryChange) {
    auto& f = frmTest();
    f.list.userSelect(0);
    f.list.userSelect(1);
    f.list.userSelect(0);
    EXPECT_FALSE(f.list.Selected(0));
    EXPECT_TRUE(f.list.Selected(1));
    EXPECT_EQ(f.listClicks, 3);
    EXPECT_THROW(f.list.Selected(5), pf::RuntimeError);
}

TEST_F(PlatformUi, GridMovesOnArrowsUnlessTheKeyIsConsumed) {
    auto& f = frmTest();
    int changes = 0;
    f.grid.RowColChange = [&] { ++changes; };
    f.grid.SetFocus();
    pf::SendKeys("{DOWN}{RIGHT}", true);
    EXPECT_EQ(f.grid.Row(), 2);
    EXPECT_EQ(f.grid.Col(), 2);
    f.grid.KeyDown = [](int& k, int) { if (k == pf::vbKeyDown) k = 0; };
    pf::SendKeys("{DOWN}", true);
    EXPECT_EQ(f.grid.Row(), 2);
    pf::SendKeys("{UP}{UP}{UP}", true);  // stops at the first data row
    EXPECT_EQ(f.grid.Row(), 1);
    EXPECT_EQ(changes, 3);
    f.grid.userClickCell(0, 2);  // a heading does not become current
    EXPECT_EQ(f.grid.Row(), 1);
    EXPECT_THROW(f.grid.TextMatrix(4, 0), pf::RuntimeError);
}

// A grid's layout number is its own, and a new one comes with every setting of its
// shape, even to the same values, as a grid builder makes; moving, typing and
// scrolling keep it.
TEST_F(PlatformUi, GridLayoutIsNewForEachGridAndEachShapeSetting) {
    auto& f = frmTest();
    f.Show();
    std::set<std::uint64_t> seen{f.grid.Layout()};
    const auto kept = f.grid.Layout();
    f.grid.SetFocus();
    pf::SendKeys("{DOWN}{RIGHT}", true);
    f.grid.userClickCell(3, 1);
    f.grid.Row(1);
    f.grid.Col(2);
    f.grid.Text("x");
    f.grid.TextMatrix(2, 2, "y");
    f.grid.ColWidth(1, 500);
    f.grid.ColAlignment(1, 1);
    f.grid.SelStartRow(2);
    f.grid.TopRow(1);
    f.grid.Visible(false);
    f.grid.Visible(true);
    EXPECT_EQ(f.grid.Layout(), kept);
    const std::function<void()> shapes[] = {
        [&] { f.grid.Rows(f.grid.Rows()); },
        [&] { f.grid.Cols(f.grid.Cols()); },
        [&] { f.grid.FixedRows(f.grid.FixedRows()); },
        [&] { f.grid.FixedCols(f.grid.FixedCols()); },
    };
    for (const auto& setShape : shapes) {
        setShape();
        EXPECT_TRUE(seen.insert(f.grid.Layout()).second);
    }
    // The same window loaded again has a grid of its own, wherever it is made.
    pf::Unload<TestForm>();
    pf::collectUnloaded();
    EXPECT_TRUE(seen.insert(frmTest().grid.Layout()).second);
}

// Columns that do not all fit scroll by whole columns, so none is shown cut where the
// fixed ones stand; moving to the last column brings it whole into view.
TEST_F(PlatformUi, GridOfManyColumnsScrollsByWholeColumns) {
    auto& f = frmTest();
    f.Show();
    f.grid.Move(0, 0, 4000, 2000);
    f.grid.Rows(3);
    f.grid.Cols(31);
    f.grid.FixedRows(1);
    f.grid.FixedCols(1);
    for (int c = 0; c < 31; ++c) f.grid.ColWidth(c, 900);
    QScrollBar* bar = nullptr;
    for (QScrollBar* b : f.grid.widget()->findChildren<QScrollBar*>())
        if (b->orientation() == Qt::Horizontal) bar = b;
    ASSERT_NE(bar, nullptr);
    f.grid.SetFocus();
    f.grid.Row(1);
    f.grid.Col(30);
    EXPECT_EQ(bar->singleStep(), 1);
    EXPECT_GT(bar->maximum(), 20);
    EXPECT_LT(bar->maximum(), 30) << "counted in columns, not pixels";
    EXPECT_EQ(bar->value(), bar->maximum()) << "the last column is in view";
}

TEST_F(PlatformUi, QueuedKeystrokesWaitForPendingEvents) {
    auto& f = frmTest();
    f.grid.SetFocus();
    pf::SendKeys("{DOWN}", false);
    EXPECT_EQ(f.grid.Row(), 1);
    pf::DoEvents();
    EXPECT_EQ(f.grid.Row(), 2);
}

TEST_F(PlatformUi, LostFocusOnlyWhenFocusMovesToAnotherControlOrWindow) {
    auto& f = frmTest();
    f.text.SetFocus();
    pf::scriptedHost().expectMessage(pf::vbOK);
    pf::MsgBox("x");
    EXPECT_EQ(f.lost, 0);
    f.grid.SetFocus();
    EXPECT_EQ(f.lost, 1);
}

TEST_F(PlatformUi, MenuArrayElementsAreAppendedAndRefusedTwice) {
    pf::MenuItem top("mnuTop", -1, "&Top");
    pf::MenuArray arr("mnuArr", &top);
    arr.addDesign(0, "zero");
    top.add(std::make_unique<pf::MenuItem>("mnuOther", -1, "other"));
    arr.Load(1).Caption("one");
    try {
        arr.Load(1);
        FAIL() << "loading an existing element must fail";
    } catch (const pf::RuntimeError& e) {
        EXPECT_EQ(e.number(), 360);
    }
    ASSERT_EQ(top.children().size(), 3u);
    EXPECT_EQ(top.children()[1]->qualifiedName(), "mnuArr(1)");  // after the array's last element
    arr.Unload(1);
    EXPECT_EQ(top.children().size(), 2u);
    EXPECT_THROW(arr.Unload(1), pf::RuntimeError);
}

TEST_F(PlatformUi, CommonDialogAppendsDefaultExtensionAndCancelRaises) {
    pf::CommonDialog d("dialogFile");
    d.DefaultExt = "TRN";
    d.CancelError = true;
    pf::scriptedHost().expectFile("/tmp/problem");
    d.ShowSave();
    EXPECT_EQ(d.FileName, "/tmp/problem.TRN");
    pf::scriptedHost().expectFileCancel();
    try {
        d.ShowOpen();
        FAIL();
    } catch (const pf::RuntimeError& e) {
        EXPECT_EQ(e.number(), 32755);
    }
}

TEST_F(PlatformUi, UnexpectedInteractionFailsAtOnce) {
    EXPECT_THROW(pf::MsgBox("nobody expects this"), pf::ScriptFailure);
    pf::scriptedHost().expectInput("x");
    EXPECT_THROW(pf::MsgBox("a box where an input was expected"), pf::ScriptFailure);
}

TEST(PlatformHelpers, TextsAndPatterns) {
    EXPECT_EQ(pf::captionText("&File"), "File");
    EXPECT_EQ(pf::captionText("Save &As Text File"), "Save As Text File");
    EXPECT_EQ(pf::captionText("A && B"), "A & B");
    EXPECT_TRUE(pf::matchesFilterPattern("PROB.trn", "*.TRN"));
    EXPECT_TRUE(pf::matchesFilterPattern("a.s&s", "*.S&S"));
    EXPECT_FALSE(pf::matchesFilterPattern("a.asn", "*.TRN"));
    EXPECT_EQ(pf::caseInsensitivePattern("*.S&S"), "*.[sS]&[sS]");
    EXPECT_EQ(pf::withDefaultExtension("/x/y.dir/name", "LPM"), "/x/y.dir/name.LPM");
    EXPECT_EQ(pf::withDefaultExtension("/x/name.out", "OUT"), "/x/name.out");
    auto keys = pf::parseKeys("1{ENTER}{TAB}a");
    ASSERT_EQ(keys.size(), 4u);
    EXPECT_EQ(keys[1].keyCode, pf::vbKeyReturn);
    EXPECT_EQ(keys[1].ascii, 13);
    EXPECT_EQ(keys[2].keyCode, pf::vbKeyTab);
    EXPECT_EQ(keys[3].ascii, 'a');
    EXPECT_THROW(pf::parseKeys("{NOPE}"), pf::RuntimeError);
    // The movement keys alone or held with Shift, Ctrl or Alt; no other key takes a prefix.
    const struct {
        const char* text;
        int code, shift;
    } moving[] = {{"{PGDN}", pf::vbKeyPageDown, 0},
                  {"{S-HOME}", pf::vbKeyHome, pf::vbShiftMask},
                  {"{C-END}", pf::vbKeyEnd, pf::vbCtrlMask},
                  {"{C-PGUP}", pf::vbKeyPageUp, pf::vbCtrlMask},
                  {"{A-DOWN}", pf::vbKeyDown, pf::vbAltMask},
                  {"{A-HOME}", pf::vbKeyHome, pf::vbAltMask}};
    for (const auto& m : moving) {
        const auto k = pf::parseKeys(m.text);
        ASSERT_EQ(k.size(), 1u) << m.text;
        EXPECT_EQ(k[0].keyCode, m.code) << m.text;
        EXPECT_EQ(k[0].shift, m.shift) << m.text;
        EXPECT_EQ(k[0].ascii, 0) << m.text;
    }
    for (const char* bad : {"{C-ENTER}", "{A-DEL}", "{X-UP}", "{C-}"}) EXPECT_THROW(pf::parseKeys(bad), pf::RuntimeError) << bad;
    EXPECT_EQ(pf::twipsToPixels(1440), pf::twipsToPixels(720) * 2);
}

}  // namespace
