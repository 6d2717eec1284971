// Keys that reach the main window while the solution window is shown: in every module,
// sent through Qt's event path to where the keyboard sends them (the widget with Qt's
// focus, else the main window itself). None of them may change the problem the solution
// covers, and the scrolling keys move the solution's lines.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "tests/ui_keys.h"
#include "tests/ui_mouse.h"
#include "tests/ui_test_support.h"

#include "platform/ui/Controls.h"
#include "platform/ui/Grid.h"
#include "shell/frmSolution.h"

namespace {

namespace fs = std::filesystem;

pf::ScriptedHost& h() { return pf::scriptedHost(); }

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

pf::TextBox& box(pf::Form& f, const std::string& name) { return dynamic_cast<pf::TextBox&>(*f.control(name)); }
void click(pf::Form& f, const std::string& name) { f.control(name)->userClick(); }

// A problem of one module: its file, and what Solve asks.
struct Problem {
    const char* name;
    int module;
    std::string file;
    std::function<void()> answerSolve;  // queues the answers of the solve's dialogs
    bool solvedByForm = false;          // inventory and waiting lines: Open shows the form, its Solve solves
};

void answerCriterion() { h().expectModal("frmTransObj", [](pf::Form& f) { click(f, "cmdOK"); }); }

// Opens the problem of `p` in its module and solves it; the solution window is in front.
void openAndSolve(const Problem& p, const fs::path& dir) {
    qvtest::resetProgram();
    frmMenu();
    frmModuleSelection().optProblemType[static_cast<std::size_t>(p.module)]->userClick();
    frmModuleSelection().cmdOK.userClick();
    pf::collectUnloaded();
    const fs::path file = dir / "problem.dat";
    std::ofstream(file, std::ios::binary) << p.file;
    h().expectFile(file.string());
    if (p.solvedByForm) p.answerSolve();
    frmMenu().mnuFileOpen_Click();
    if (!p.solvedByForm) {
        if (p.answerSolve) p.answerSolve();
        frmMenu().mnuSolutionSolve_Click();
    }
    pf::collectUnloaded();
}

std::string saved(const fs::path& file) {
    h().expectFile(file.string());
    frmMenu().mnuFileSave_Click();
    return slurp(file);
}

// The main window active, as the user finds it after Solve; the offscreen platform
// activates a window once events run.
void activateMainWindow() {
    QWidget* main = frmMenu().window();
    main->show();
    main->activateWindow();
    QApplication::processEvents();
    frmMenu().SetFocus();
}

// Where the keyboard sends a key: the widget with Qt's focus in the main window, else
// the main window itself.
QWidget* keyTarget() {
    QWidget* main = frmMenu().window();
    QWidget* w = QApplication::focusWidget();
    return w && w->window() == main ? w : main;
}
void key(int k, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = QString()) {
    qvtest::pressKey(keyTarget(), k, mods, text);
}

const char* const kTree = "2\n5\n9\n1,2,2\n1,3,3\n2,3,1\n2,4,4.25\n3,4,5\n3,5,6\n4,5,2\n5,5,0\n2,1,8\n";
const char* const kLp = "3\n\"x\"\n\"MAX 5X1+4X2+3X3\"\n\"2X1+3X2+1X3<5\"\n\"4X1+1X2+2X3<11\"\n\"3X1+4X2+2X3<8\"\n";

std::vector<Problem> smallProblems() {
    return {
        {"linear", 1, kLp, nullptr},
        {"transportation", 2, "1,3,3\n20\n15.5\n25\n12\n18.5\n20\n16\n22\n14\n50\n60\n40\n-45\n-55\n-50\n", answerCriterion},
        {"assignment", 3, "0,3,5\n1\n9\n9\n9\n9\n9\n2\n9\n9\n9\n9\n9\n3\n9\n9\n", answerCriterion},
        {"integer", 4, kLp, [] { h().expectModal("frmIP", [](pf::Form& f) { click(f, "CmdSolve"); }); }},
        {"shortest route", 5, kTree,
         [] {
             h().expectModal("frminputnodes", [](pf::Form& f) {
                 box(f, "txtAnswer(0)").Text("1");
                 box(f, "txtAnswer(1)").Text("5");
                 click(f, "cmdOK");
             });
         }},
        {"spanning tree", 6, kTree, nullptr},
        {"PERT/CPM", 7, "0,0,3,1\r\n3,0\r\n4,1\r\n2,1\r\n1\r\n2\r\n", nullptr},
        {"inventory", 8,
         "1,1000,\"1000\",10,\"10\",0.5,\"0.5\",0,\"\",0,\"\",0,\"\",250,\"250\",0,\"\",0,\"\"\n0,\"\",0,\"\",0,\"\",0,"
         "\"\",0,\"\",0,\"0\",0,0,0,0,\"\",0,\"0\",0,\"\",0,\"\",0,\"\"\n",
         [] { h().expectModal("frmEOQ", [](pf::Form& f) { click(f, "CmdSolve"); }); }, true},
        {"waiting lines", 9, "1,2,3,4,,,\"NO\",0,0,\"2\",\"3\",\"4\",\"\",\"0\",\"0\"\n",
         [] { h().expectModal("frmWL_Model", [](pf::Form& f) { click(f, "CmdSolve"); }); }, true},
        {"decision", 10, "0,2,2,1,0,\"YES\",\"NO\"\n10\n20\n30\n5\n.4\n.6\n", answerCriterion},
        {"forecasting", 11, "4,0\n10\n20\n30\n40\n",
         [] {
             h().expectModal("frmForecastingModels", [](pf::Form& f) {
                 click(f, "Option1(0)");
                 box(f, "txtValue(0)").Text("2");
                 click(f, "CmdSolve");
             });
         }},
        {"Markov", 12, "4\n1\n0\n0\n0\n.5\n0\n.5\n0\n0\n.5\n0\n.5\n0\n0\n0\n1\n", nullptr},
    };
}

class MainWindowKeysTest : public ::testing::Test {
protected:
    void SetUp() override { qvtest::resetProgram(); }
    void TearDown() override { qvtest::resetProgram(); }
};

// Tab, Shift+Tab, digits, Delete and Enter, several times, with the solution in front:
// the problem file saved before and after is the same, and no message box appears.
TEST_F(MainWindowKeysTest, KeysUnderTheSolutionChangeNoProblemInAnyModule) {
    const fs::path dir = qvtest::emptyTestDir("qv_mainkeys");
    for (const Problem& p : smallProblems()) {
        SCOPED_TRACE(p.name);
        openAndSolve(p, dir);
        ASSERT_TRUE(pf::isLoaded<FrmSolution>());
        ASSERT_TRUE(frmSolution().Visible());
        ASSERT_EQ(pf::frontChildWindow(), &frmSolution());
        // The same file both times: a linear program's file holds its own name.
        const std::string before = saved(dir / "saved.dat");
        ASSERT_FALSE(before.empty());
        activateMainWindow();
        h().transcript.clear();
        const int row = frmSolution().gridSolution.Row();
        for (int round = 0; round < 3; ++round) {
            key(Qt::Key_Tab);
            key('7', Qt::NoModifier, "7");
            key('7', Qt::NoModifier, "7");
            key(Qt::Key_Delete);
            key(Qt::Key_Backtab, Qt::ShiftModifier);
            key('4', Qt::NoModifier, "4");
            key(Qt::Key_Return, Qt::NoModifier, "\r");
            key(Qt::Key_Tab);
            key(Qt::Key_Tab);
            key('1', Qt::NoModifier, "1");
            key(Qt::Key_Delete);
        }
        EXPECT_TRUE(h().transcript.empty()) << (h().transcript.empty() ? "" : h().transcript.front());
        EXPECT_EQ(keyTarget(), frmMenu().window());  // every key reached the main window itself
        EXPECT_EQ(pf::focusedControl(), nullptr);
        EXPECT_EQ(pf::focusedForm(), &frmMenu());
        EXPECT_TRUE(frmSolution().Visible());
        EXPECT_EQ(frmSolution().gridSolution.Row(), row);
        EXPECT_EQ(saved(dir / "saved.dat"), before);
    }
}

// With the input window in front again, Tab from the main window enters its first field
// and typing goes there; Shift+Tab does the same.
TEST_F(MainWindowKeysTest, TabFromTheMainWindowEntersTheWindowInFront) {
    const fs::path dir = qvtest::emptyTestDir("qv_mainkeys");
    const Problem markov = smallProblems().back();
    openAndSolve(markov, dir);
    frmMenu().mnudispeditsubs_Click(0);
    pf::Grid& g = dynamic_cast<pf::Grid&>(*pf::frontChildWindow()->control("gridDisplayEdit"));
    EXPECT_EQ(pf::focusedControl(), &g);  // Display/Edit hands the keyboard to the grid
    for (bool backwards : {false, true}) {
        pf::setFocusTo(nullptr, &frmMenu());
        ASSERT_EQ(pf::focusedControl(), nullptr);
        frmMenu().window()->setFocus();
        qvtest::pressKey(frmMenu().window(), backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                         backwards ? Qt::ShiftModifier : Qt::NoModifier);
        EXPECT_EQ(pf::focusedControl(), &g) << backwards;
    }
    // Keys other than Tab reach no control from the main window.
    pf::setFocusTo(nullptr, &frmMenu());
    const std::string cell = g.Text();
    qvtest::pressKey(frmMenu().window(), '9', Qt::NoModifier, "9");
    qvtest::pressKey(frmMenu().window(), Qt::Key_Delete);
    EXPECT_EQ(g.Text(), cell);
    EXPECT_EQ(pf::focusedControl(), nullptr);
}

// ---------------------------------------------------------------- reading a long solution

QScrollBar* linesBar() {
    return static_cast<QAbstractScrollArea*>(frmSolution().gridSolution.widget())->verticalScrollBar();
}

std::string join(const std::vector<std::string>& lines, const char* sep) {
    std::string s;
    for (std::size_t i = 0; i < lines.size(); ++i) s += (i ? sep : "") + lines[i];
    return s;
}

std::vector<Problem> longProblems() {
    std::vector<Problem> v;
    {  // 25 origins, 12 destinations
        std::vector<std::string> r{"0,25,12"};
        for (int i = 0; i < 25 * 12; ++i) r.push_back(std::to_string(1 + (i * 7) % 19));
        for (int i = 0; i < 25; ++i) r.push_back("12");
        for (int j = 0; j < 12; ++j) r.push_back("-25");
        v.push_back({"transportation 25x12", 2, join(r, "\n") + "\n", answerCriterion});
    }
    {  // 30 agents, 30 tasks
        std::vector<std::string> r{"0,30,30"};
        for (int i = 0; i < 30 * 30; ++i) r.push_back(std::to_string(1 + (i * 11) % 23));
        v.push_back({"assignment 30x30", 3, join(r, "\n") + "\n", answerCriterion});
    }
    {  // 30 integer variables
        std::string obj = "\"MAX ", row = "\"";
        for (int j = 1; j <= 30; ++j) {
            obj += (j > 1 ? "+" : "") + std::to_string(j % 5 + 1) + "X" + std::to_string(j);
            row += (j > 1 ? "+" : "") + std::to_string(j % 3 + 1) + "X" + std::to_string(j);
        }
        v.push_back({"integer, 30 variables", 4, "1\n\"x\"\n" + obj + "\"\n" + row + "<40\"\n",
                     [] { h().expectModal("frmIP", [](pf::Form& f) { click(f, "CmdSolve"); }); }});
    }
    {  // 10 alternatives, 10 states, with probabilities and a strategy on 2 indicators
        std::vector<std::string> r{"0,10,10,1,1,\"YES\",\"YES\""};
        for (int i = 0; i < 100; ++i) r.push_back(std::to_string((i * 13) % 29));
        for (int j = 0; j < 10; ++j) r.push_back(".1");
        r.push_back("1,2");
        for (int j = 0; j < 10; ++j) {
            r.push_back(j % 2 ? ".3" : ".8");
            r.push_back(j % 2 ? ".7" : ".2");
        }
        v.push_back({"decision with EVPI and strategy", 10, join(r, "\n") + "\n", answerCriterion});
    }
    {  // 40 periods, trend and 4 seasons
        std::vector<std::string> r{"40,0"};
        for (int t = 1; t <= 40; ++t) r.push_back(std::to_string(10 + t + (t % 4) * 3));
        v.push_back({"forecasting, trend and seasonal", 11, join(r, "\n") + "\n", [] {
                         h().expectModal("frmForecastingModels", [](pf::Form& f) {
                             click(f, "Option1(3)");
                             box(f, "txtValue(0)").Text("4");
                             box(f, "txtValue(1)").Text("4");
                             click(f, "CmdSolve");
                         });
                     }});
    }
    {  // 25 activities in a chain
        std::string s = "0,0,25,1\r\n3,0\r\n";
        for (int i = 2; i <= 25; ++i) s += std::to_string(i % 4 + 1) + ",1\r\n";
        for (int i = 2; i <= 25; ++i) s += std::to_string(i - 1) + "\r\n";
        v.push_back({"PERT/CPM, 25 activities", 7, s, nullptr});
    }
    {  // 10 states, 3 of them absorbing
        std::vector<std::string> r{"10"};
        for (int i = 1; i <= 10; ++i)
            for (int j = 1; j <= 10; ++j) {
                if (i <= 3) r.push_back(i == j ? "1" : "0");
                else r.push_back(j == i - 1 || j == i + 1 || (i == 10 && j == 1) ? ".5" : "0");
            }
        v.push_back({"Markov, 10 states, 3 absorbing", 12, join(r, "\n") + "\n", nullptr});
    }
    return v;
}

TEST_F(MainWindowKeysTest, ScrollingKeysReadALongSolutionWithoutMovingItsCurrentLine) {
    const fs::path dir = qvtest::emptyTestDir("qv_mainkeys");
    for (const Problem& p : longProblems()) {
        SCOPED_TRACE(p.name);
        openAndSolve(p, dir);
        ASSERT_TRUE(pf::isLoaded<FrmSolution>());
        h().transcript.clear();
        pf::Grid& g = frmSolution().gridSolution;
        QScrollBar* bar = linesBar();
        activateMainWindow();
        key(Qt::Key_Home, Qt::ControlModifier);  // lays the listing out
        // The longest Markov solution (28 lines) fits the window: nothing to scroll.
        if (p.module == 12) {
            EXPECT_EQ(bar->maximum(), 0);
        } else {
            ASSERT_GT(bar->maximum(), 0) << "the solution fits its window:\n" << join(frmSolution().lines(), "\n");
        }
        EXPECT_EQ(bar->value(), 0);
        int changes = 0;
        g.RowColChange = [&changes] { ++changes; };
        const int row = g.Row();

        key(Qt::Key_PageDown);
        EXPECT_EQ(bar->value(), std::min(bar->pageStep(), bar->maximum()));
        key(Qt::Key_Up);
        key(Qt::Key_Down);
        EXPECT_EQ(bar->value(), std::min(bar->pageStep(), bar->maximum()));
        key(Qt::Key_End, Qt::ControlModifier);
        EXPECT_EQ(bar->value(), bar->maximum());  // the last line is in view
        EXPECT_EQ(g.TopRow(), bar->maximum());
        key(Qt::Key_PageUp);
        EXPECT_EQ(bar->value(), std::max(0, bar->maximum() - bar->pageStep()));
        key(Qt::Key_End);
        EXPECT_EQ(bar->value(), bar->maximum());
        key(Qt::Key_Home);
        EXPECT_EQ(bar->value(), 0);
        key(Qt::Key_End, Qt::ControlModifier);
        key(Qt::Key_Home, Qt::ControlModifier);
        EXPECT_EQ(bar->value(), 0);  // the first line is back

        EXPECT_EQ(g.Row(), row);
        EXPECT_EQ(changes, 0);
        EXPECT_EQ(pf::focusedControl(), nullptr);
        EXPECT_EQ(pf::focusedForm(), &frmMenu());
        EXPECT_TRUE(h().transcript.empty());
    }
}

QMenuBar* menuBar() { return static_cast<QMainWindow*>(frmMenu().window())->menuBar(); }

// Alt alone as the keyboard sends it, where the keyboard sends it: the menu bar learns of
// it as Qt's shortcuts do.
void altAlone() {
    QTest::keyClick(keyTarget(), Qt::Key_Alt);
    QApplication::processEvents();
}

// A click on the scroll bar's arrow or on the listing itself leaves the keys with the main
// window: the scrolling keys still read the solution, and the first Alt alone makes the
// menu bar active.
TEST_F(MainWindowKeysTest, ScrollingKeysStillReadTheSolutionAfterAClickOnItsScrollBar) {
    const fs::path dir = qvtest::emptyTestDir("qv_mainkeys");
    std::vector<Problem> problems = longProblems();
    const auto forecasting = std::find_if(problems.begin(), problems.end(), [](const Problem& p) { return p.module == 11; });
    ASSERT_NE(forecasting, problems.end());
    openAndSolve(*forecasting, dir);
    ASSERT_TRUE(pf::isLoaded<FrmSolution>());
    h().transcript.clear();
    activateMainWindow();
    key(Qt::Key_Home, Qt::ControlModifier);  // lays the listing out
    QScrollBar* bar = linesBar();
    ASSERT_GT(bar->maximum(), 1);
    QWidget* view = static_cast<QAbstractScrollArea*>(frmSolution().gridSolution.widget())->viewport();
    const QImage firstLines = view->grab().toImage();

    // The arrow at the bar's lower end: a square as wide as the bar.
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - bar->width() / 2));
    QApplication::processEvents();
    ASSERT_EQ(bar->value(), 1) << "the click missed the arrow";
    ASSERT_TRUE(view->grab().toImage() != firstLines);

    // The first Alt alone marks the bar; Esc gives the keys back to the main window.
    const auto altMarksTheBar = [] {
        altAlone();
        EXPECT_NE(menuBar()->activeAction(), nullptr) << "Alt alone left the bar inactive";
        QTest::keyClick(keyTarget(), Qt::Key_Escape);
        EXPECT_EQ(menuBar()->activeAction(), nullptr);
    };
    altMarksTheBar();

    key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_TRUE(view->grab().toImage() == firstLines) << "the first line is not in view";
    key(Qt::Key_Down);
    EXPECT_EQ(bar->value(), 1);
    key(Qt::Key_PageDown);
    EXPECT_EQ(bar->value(), std::min(1 + bar->pageStep(), bar->maximum()));
    key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_TRUE(h().transcript.empty());
    EXPECT_EQ(pf::focusedControl(), nullptr);
    EXPECT_EQ(pf::focusedForm(), &frmMenu());

    // A click on a line of the listing, the same way.
    pf::Grid& g = frmSolution().gridSolution;
    qvtest::clickCell(g, g.TopRow() + 2, 0);
    altMarksTheBar();
    key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(bar->value(), 0);
    key(Qt::Key_PageDown);
    EXPECT_EQ(bar->value(), std::min(bar->pageStep(), bar->maximum()));
    EXPECT_TRUE(h().transcript.empty());
    EXPECT_EQ(pf::focusedControl(), nullptr);
    EXPECT_EQ(pf::focusedForm(), &frmMenu());
}

}  // namespace
