// The integer-variable dialog's two lists, shown and driven by real keys and clicks:
// each list opens at its first variable whatever choice it restores and whichever option
// the keys pick, the keyboard's current entry stays where the user left it, and a
// variable is never picked in both lists.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QListWidget>
#include <QPixmap>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include <cstdlib>
#include <string>
#include <vector>

#include "lp/frmIP.h"
#include "lp/core/TextModel.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmSolution.h"
#include "tests/lp/lp_test_support.h"
#include "tests/ui_keys.h"
#include "tests/ui_mouse.h"
#include "tests/ui_test_support.h"

namespace {

using qvtest::pressOnFocused;

pf::ScriptedHost& h() { return pf::scriptedHost(); }

// n variables X1..Xn in one constraint, with the integer section a previous Solve left.
void problem(int n, const std::vector<std::string>& section) {
    auto& lp = qv::S().lp;
    QVLP::InitLPArrays();
    lp.intConstraintCount = 1;
    lp.intVariableCount = n;
    for (int i = 1; i <= n; ++i) lp.strVariableNames(i) = "X" + std::to_string(i);
    for (std::size_t k = 0; k < section.size(); ++k) lp.strModelLines(4 + static_cast<int>(k)) = section[k];
}

// The dialog opened over `problem`, acted out by `actions`, closed by Cancel.
void inDialog(const std::function<void(FrmIP&)>& actions) {
    h().expectModal("frmIP", [&](pf::Form& f) {
        auto& d = static_cast<FrmIP&>(f);
        qvtest::onScreen(d);
        actions(d);
        if (d.Visible()) d.cmdCancel.userClick();
    });
    frmIP().Show(pf::vbModal);
    pf::collectUnloaded();
}

std::string picks(pf::ListBox& l) {
    std::string s;
    for (int i = 0; i < l.ListCount(); ++i) s += l.Selected(i) ? '1' : '0';
    return s;
}

// Where the keyboard is in a list and what the list shows at its top.
struct Place {
    int index, row, top;
    bool operator==(const Place&) const = default;
};
std::ostream& operator<<(std::ostream& o, const Place& p) {
    return o << "ListIndex " << p.index << ", current row " << p.row << ", top row " << p.top;
}
Place place(pf::ListBox& l) {
    QApplication::processEvents();
    return {l.ListIndex(), qvtest::listWidget(l)->currentRow(), qvtest::topRow(l)};
}

// Up or Down on the focused option until `target` is chosen, as a user picks an option.
void pickWithKeys(pf::OptionButton& target) {
    for (int i = 0; i < 3 && !target.Value(); ++i) pressOnFocused(Qt::Key_Down);
    ASSERT_TRUE(target.Value());
    ASSERT_EQ(pf::focusedControl(), &target);
}

// Each option's lists: every variable binary, every variable general, none.
struct Expected {
    std::string binary, general;
};
Expected forOption(FrmIP& d, pf::OptionButton& o, int n) {
    const std::string all(static_cast<std::size_t>(n), '1'), none(static_cast<std::size_t>(n), '0');
    if (&o == &d.optbinary) return {all, none};
    if (&o == &d.optgeneral) return {none, all};
    return {none, none};
}

class IntegerDialogTest : public qvtest::ProgramTest {};

struct Restored {
    const char* what;
    std::vector<std::string> section;  // from line m + 3 on
};
// X2 binary and X3 general; the others in neither list.
const Restored kRestored[] = {
    {"no earlier choice", {}},
    {"DBI", {"DBI"}},
    {"DIN", {"DIN"}},
    {"BIN", {"BIN", "X2", "INT", "X3", ""}},
};

TEST_F(IntegerDialogTest, ListsOpenAtTheirFirstVariableWhateverTheKeysPick) {
    for (int n : {3, 30}) {
        for (const Restored& r : kRestored) {
            SCOPED_TRACE(std::to_string(n) + " variables, " + r.what);
            problem(n, r.section);
            inDialog([&](FrmIP& d) {
                const Place first{0, 0, 0};
                if (n == 30) {
                    for (pf::ListBox* l : {&d.lstBinary, &d.lstGeneral})
                        ASSERT_GT(qvtest::listWidget(*l)->verticalScrollBar()->maximum(), 0) << "nothing to scroll";
                }
                EXPECT_EQ(place(d.lstBinary), first) << "on opening";
                EXPECT_EQ(place(d.lstGeneral), first) << "on opening";
                if (std::string(r.what) == "BIN") {
                    EXPECT_TRUE(d.optMultiple.Value());
                    std::string binary(static_cast<std::size_t>(n), '0'), general = binary;
                    binary[1] = general[2] = '1';
                    EXPECT_EQ(picks(d.lstBinary), binary);
                    EXPECT_EQ(picks(d.lstGeneral), general);
                }
                for (pf::OptionButton* o : {&d.optbinary, &d.optMultiple, &d.optgeneral}) {
                    SCOPED_TRACE(o->Name());
                    pickWithKeys(*o);
                    EXPECT_EQ(place(d.lstBinary), first);
                    EXPECT_EQ(place(d.lstGeneral), first);
                    const Expected e = forOption(d, *o, n);
                    EXPECT_EQ(picks(d.lstBinary), e.binary);
                    EXPECT_EQ(picks(d.lstGeneral), e.general);
                }
            });
        }
    }
}

// The user's current entries stay where the keys left them while an option rewrites both
// lists, and the lists' Click handlers, which read those entries, still keep each
// variable out of one list.
TEST_F(IntegerDialogTest, AnOptionKeepsTheUsersCurrentEntries) {
    // Mixed, with the entries the user moves to picked: X5 binary, X2 general.
    const Restored restored[] = {kRestored[0], kRestored[1], kRestored[2],
                                 {"BIN", {"BIN", "X5", "X9", "INT", "X2", "X7", ""}}};
    for (const Restored& r : restored) {
        SCOPED_TRACE(r.what);
        problem(30, r.section);
        inDialog([&](FrmIP& d) {
            pressOnFocused(Qt::Key_Tab);
            ASSERT_EQ(pf::focusedControl(), &d.lstBinary);
            for (int i = 0; i < 4; ++i) pressOnFocused(Qt::Key_Down);  // X5
            pressOnFocused(Qt::Key_Tab);
            ASSERT_EQ(pf::focusedControl(), &d.lstGeneral);
            pressOnFocused(Qt::Key_Down);  // X2
            const std::string before = picks(d.lstBinary) + "/" + picks(d.lstGeneral);
            pressOnFocused(Qt::Key_Backtab, Qt::ShiftModifier);
            pressOnFocused(Qt::Key_Backtab, Qt::ShiftModifier);
            ASSERT_TRUE(dynamic_cast<pf::OptionButton*>(pf::focusedControl()));
            EXPECT_EQ(picks(d.lstBinary) + "/" + picks(d.lstGeneral), before) << "moving picked nothing";
            for (pf::OptionButton* o : {&d.optMultiple, &d.optbinary, &d.optgeneral, &d.optMultiple}) {
                SCOPED_TRACE(o->Name());
                if (o->Value()) continue;  // restored: nothing to pick
                pickWithKeys(*o);
                EXPECT_EQ(d.lstBinary.ListIndex(), 4);
                EXPECT_EQ(qvtest::listWidget(d.lstBinary)->currentRow(), 4);
                EXPECT_EQ(d.lstGeneral.ListIndex(), 1);
                EXPECT_EQ(qvtest::listWidget(d.lstGeneral)->currentRow(), 1);
                const Expected e = forOption(d, *o, 30);
                EXPECT_EQ(picks(d.lstBinary), e.binary);
                EXPECT_EQ(picks(d.lstGeneral), e.general);
            }
        });
    }
}

// A variable picked in one list, by the mouse or by Space, leaves the other list; the
// pick makes the entry the current one.
TEST_F(IntegerDialogTest, APickByMouseOrSpaceRemovesTheVariableFromTheOtherList) {
    problem(3, {"BIN", "X1", "INT", "X2", "X3", ""});
    inDialog([&](FrmIP& d) {
        ASSERT_EQ(picks(d.lstBinary) + "/" + picks(d.lstGeneral), "100/011");
        qvtest::clickEntry(d.lstBinary, 1);  // X2 made binary
        EXPECT_EQ(pf::focusedControl(), &d.lstBinary);
        EXPECT_EQ(d.lstBinary.ListIndex(), 1);
        EXPECT_EQ(picks(d.lstBinary) + "/" + picks(d.lstGeneral), "110/001");
        pressOnFocused(Qt::Key_Tab);
        ASSERT_EQ(pf::focusedControl(), &d.lstGeneral);
        pressOnFocused(Qt::Key_Space, Qt::NoModifier, " ");  // X1 made general
        EXPECT_EQ(picks(d.lstBinary) + "/" + picks(d.lstGeneral), "010/101");
        qvtest::clickEntry(d.lstBinary, 2);  // X3 made binary
        EXPECT_EQ(picks(d.lstBinary) + "/" + picks(d.lstGeneral), "011/100");
        qvtest::clickEntry(d.lstBinary, 2);  // and dropped again: the other list keeps it out
        EXPECT_EQ(picks(d.lstBinary) + "/" + picks(d.lstGeneral), "010/100");
        // What the lists show agrees with what they hold.
        for (pf::ListBox* l : {&d.lstBinary, &d.lstGeneral})
            for (int i = 0; i < 3; ++i)
                EXPECT_EQ(qvtest::listWidget(*l)->item(i)->isSelected(), l->Selected(i)) << l->Name() << " " << i;
    });
}

// max 3X1 + 2X2 + X3 subject to X1 + X2 + X3 <= 2.5: Multiple, Tab, Space makes the first
// variable binary, the one the user sees marked.
TEST_F(IntegerDialogTest, SpaceInTheFreshBinaryListPicksTheFirstVariable) {
    FrmLPproblem& w = qvtest::newLPLaidOut(4, 1, 3);
    const std::vector<std::string> objective = {"3", "2", "1"}, constraint = {"1", "1", "1", "<", "2.5"};
    for (std::size_t c = 0; c < objective.size(); ++c) w.Grid[0]->TextMatrix(1, static_cast<int>(c) + 1, objective[c]);
    for (std::size_t c = 0; c < constraint.size(); ++c) w.Grid[1]->TextMatrix(1, static_cast<int>(c) + 1, constraint[c]);
    h().transcript.clear();
    std::string binary;
    h().expectModal("frmIP", [&](pf::Form& f) {
        auto& d = static_cast<FrmIP&>(f);
        qvtest::onScreen(d);
        ASSERT_EQ(pf::focusedControl(), &d.optgeneral);
        pressOnFocused(Qt::Key_Down);
        ASSERT_TRUE(d.optMultiple.Value());
        pressOnFocused(Qt::Key_Tab);
        pressOnFocused(Qt::Key_Space, Qt::NoModifier, " ");
        binary = picks(d.lstBinary);
        pressOnFocused(Qt::Key_Return, Qt::NoModifier, "\r");
    });
    frmMenu().mnuSolutionSolve_Click();
    EXPECT_EQ(binary, "100");
    std::string value;
    for (const std::string& line : frmSolution().lines())
        if (line.find("Objective Function Value") != std::string::npos) value = line;
    EXPECT_EQ(value, "Objective Function Value =           6.000");
}

// With QV_SCREENSHOT_DIR set: the dialog with 30 variables as the screen shows it.
TEST_F(IntegerDialogTest, ScreenshotOfThirtyVariables) {
    const char* dir = std::getenv("QV_SCREENSHOT_DIR");
    if (!dir) GTEST_SKIP() << "QV_SCREENSHOT_DIR not set";
    problem(30, {"BIN", "X2", "X29", "INT", "X3", "X30", ""});
    inDialog([&](FrmIP& d) {
        QWidget* win = d.window();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(win));
        const auto shoot = [&](const char* name) {
            QTest::qWait(300);
            const QRect frame = win->frameGeometry();
            QPixmap shot = win->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
            EXPECT_TRUE(shot.save(QString::fromLocal8Bit(dir) + "/" + name + ".png"));
        };
        shoot("integer_dialog_30");
        pressOnFocused(Qt::Key_Tab);  // the keyboard in the binary list, on X1
        shoot("integer_dialog_30_in_list");
    });
}

}  // namespace
