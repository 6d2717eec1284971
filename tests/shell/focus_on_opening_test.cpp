// Where the keyboard is when a window opens and when the user comes back to it: the
// window and control with the focus, and that the focus shows (the widget has Qt's focus
// in the active window, and the style is asked to draw its focus frame).
#include <gtest/gtest.h>

#include <QApplication>
#include <QStyleOption>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "tests/ui_keys.h"
#include "tests/ui_test_support.h"

#include "decision/frmdecnopt.h"
#include "forecast/frmForecastingModels.h"
#include "inventory/InventoryForms.h"
#include "lp/frmLPFeatures.h"
#include "network/frmPERT_CPM.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Grid.h"
#include "platform/ui/Keys.h"
#include "shell/core/State.h"
#include "shell/frmProblem.h"
#include "shell/frmTransObj.h"

namespace {

namespace fs = std::filesystem;

pf::ScriptedHost& h() { return pf::scriptedHost(); }

// What a look at the screen finds.
struct Seen {
    std::string where;  // "window.control", or "window" with no control
    bool shown = false; // Qt's focus, an active window, the style's focus state
};

Seen look() {
    Seen s;
    pf::Control* c = pf::focusedControl();
    pf::Form* f = c ? &c->owner() : pf::focusedForm();
    s.where = f ? f->Name() : "-";
    if (!c) return s;
    s.where += "." + c->qualifiedName();
    QWidget* w = c->widget();
    QStyleOption opt;
    opt.initFrom(w);
    s.shown = w->hasFocus() && w->isActiveWindow() && (opt.state & QStyle::State_HasFocus) &&
              (opt.state & QStyle::State_KeyboardFocusChange);
    return s;
}

void openFile(const fs::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
    h().expectFile(file.string());
}

struct Case {
    const char* what;
    // Brings the window up and calls `see` where the user looks.
    std::function<void(const fs::path& dir, const std::function<void()>& see)> run;
    const char* expected;
};

TEST(FocusOnOpeningTest, EveryWindowOpensAndComesBackWithItsFocusShown) {
    const fs::path dir = qvtest::emptyTestDir("qv_focusopen");
    const std::string lp = "3\n\"x\"\n\"MAX 5X1+4X2+3X3\"\n\"2X1+3X2+1X3<5\"\n\"4X1+1X2+2X3<11\"\n\"3X1+4X2+2X3<8\"\n";
    const std::string pert = "0,0,3,1\r\n3,0\r\n4,1\r\n2,1\r\n1\r\n2\r\n";
    const std::string markov = "2\n.5\n.5\n.3\n.7\n";
    auto inModal = [](const char* form, const std::function<void()>& see, const char* closeWith = "cmdCancel") {
        h().expectModal(form, [see, closeWith](pf::Form& f) {
            qvtest::onScreen(f);
            see();
            f.control(closeWith)->userClick();
        });
    };
    const Case cases[] = {
        {"chooser at start",
         [](const fs::path&, const std::function<void()>& see) {
             qvtest::resetProgram();
             frmMenu();
             qvtest::onScreen(frmMenu());
             see();
         },
         "frmModuleSelection.optProblemType(1)"},
        {"chooser after Change Modules",
         [](const fs::path&, const std::function<void()>& see) {
             qvtest::chosenModule(5);
             frmMenu().mnuFileChangeModules_Click();
             QApplication::processEvents();
             see();
         },
         "frmModuleSelection.optProblemType(1)"},
        {"criterion dialog, maximize",
         [&](const fs::path&, const std::function<void()>& see) {
             qvtest::chosenModule(2);
             qv::S().lp.intOptimizationType = 0;
             inModal("frmTransObj", see);
             frmTransObj().Show(pf::vbModal);
         },
         "frmTransObj.optMaximize"},
        {"criterion dialog, minimize",
         [&](const fs::path&, const std::function<void()>& see) {
             qvtest::chosenModule(2);
             qv::S().lp.intOptimizationType = 1;
             inModal("frmTransObj", see);
             frmTransObj().Show(pf::vbModal);
         },
         "frmTransObj.optMinimize"},
        {"decision criteria dialog",
         [&](const fs::path&, const std::function<void()>& see) {
             qvtest::chosenModule(10);
             inModal("frmdecnopt", see);
             frmdecnopt().Show(pf::vbModal);
         },
         "frmdecnopt.optMaximize"},
        {"integer dialog",
         [&](const fs::path& d, const std::function<void()>& see) {
             qvtest::chosenModule(4);
             openFile(d / "ip.LPM", lp);
             frmMenu().mnuFileOpen_Click();
             inModal("frmIP", see);
             frmMenu().mnuSolutionSolve_Click();
         },
         "frmIP.optgeneral"},
        {"forecasting method dialog",
         [&](const fs::path&, const std::function<void()>& see) {
             qvtest::chosenModule(11);
             inModal("frmForecastingModels", see);
             frmForecastingModels().Show(pf::vbModal);
         },
         "frmForecastingModels.Option1(0)"},
        {"PERT/CPM window after New",
         [](const fs::path&, const std::function<void()>& see) {
             qvtest::chosenModule(7);
             h().expectModal("frmPERTCPM_Init", [](pf::Form& f) {
                 dynamic_cast<pf::TextBox&>(*f.control("txtNumActivities")).Text("3");
                 f.control("cmdOK")->userClick();
             });
             frmMenu().mnuFileNew_Click();
             QApplication::processEvents();
             see();
         },
         "frmPERT_CPM.lstActivityName"},
        {"PERT/CPM window after Open",
         [&](const fs::path& d, const std::function<void()>& see) {
             qvtest::chosenModule(7);
             openFile(d / "p.CPM", pert);
             frmMenu().mnuFileOpen_Click();
             QApplication::processEvents();
             see();
         },
         "frmPERT_CPM.lstActivityName"},
        {"PERT/CPM window after Display/Edit",
         [&](const fs::path& d, const std::function<void()>& see) {
             qvtest::chosenModule(7);
             openFile(d / "p.CPM", pert);
             frmMenu().mnuFileOpen_Click();
             frmMenu().mnuSolutionSolve_Click();
             frmMenu().mnudispeditsubs_Click(0);
             QApplication::processEvents();
             see();
         },
         "frmPERT_CPM.lstActivityName"},
        {"LP features: no optimization type",
         [](const fs::path&, const std::function<void()>& see) {
             qvtest::chosenModule(1);
             h().expectModal("frmLPFeatures", [see](pf::Form& f) {
                 qvtest::onScreen(f);
                 auto& d = static_cast<FrmLPFeatures&>(f);
                 d.txtVariables.Text("2");
                 d.txtConstraints.Text("2");
                 d.txtConstraints.SetFocus();
                 h().expectMessage(pf::vbOK);
                 d.cmdOK.userClick();  // the user was on OK
                 see();
                 d.cmdCancel.userClick();
             });
             frmMenu().mnuFileNew_Click();
         },
         "frmLPFeatures.optMaximize"},
        {"inventory form: Esc, then No to the cancel question",
         [](const fs::path&, const std::function<void()>& see) {
             qvtest::chosenModule(8);
             qv::S().blnNewProblem = true;
             qv::S().inv.intInventoryModel = 1;
             h().expectModal("frmEOQ", [see](pf::Form& f) {
                 qvtest::onScreen(f);
                 pf::Control& box = *f.control("txtEOQ(1)");
                 box.SetFocus();
                 h().expectMessage(pf::vbNo);
                 qvtest::pressKey(box.widget(), Qt::Key_Escape);
                 see();
                 pf::Unload(f);
             });
             pf::instance<FrmEOQ>().Show(pf::vbModal);
         },
         "frmEOQ.txtEOQ(1)"},
        {"grid window after Open",
         [&](const fs::path& d, const std::function<void()>& see) {
             qvtest::chosenModule(12);
             openFile(d / "m.MRK", markov);
             frmMenu().mnuFileOpen_Click();
             QApplication::processEvents();
             see();
         },
         "frmProblem.gridDisplayEdit"},
        {"grid window after Save",
         [&](const fs::path& d, const std::function<void()>& see) {
             qvtest::chosenModule(12);
             openFile(d / "m.MRK", markov);
             frmMenu().mnuFileOpen_Click();
             pf::setFocusTo(nullptr, &frmMenu());  // as a menu leaves it
             h().expectFile((d / "saved.MRK").string());
             frmMenu().mnuFileSave_Click();
             QApplication::processEvents();
             see();
         },
         "frmProblem.gridDisplayEdit"},
        {"grid window after Display/Edit",
         [&](const fs::path& d, const std::function<void()>& see) {
             qvtest::chosenModule(12);
             openFile(d / "m.MRK", markov);
             frmMenu().mnuFileOpen_Click();
             frmMenu().mnuSolutionSolve_Click();
             frmMenu().mnudispeditsubs_Click(0);
             QApplication::processEvents();
             see();
         },
         "frmProblem.gridDisplayEdit"},
        {"solution window in front",
         [&](const fs::path& d, const std::function<void()>& see) {
             qvtest::chosenModule(12);
             openFile(d / "m.MRK", markov);
             frmMenu().mnuFileOpen_Click();
             frmMenu().mnuSolutionSolve_Click();
             QApplication::processEvents();
             see();
         },
         "frmMenu"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Seen seen;
        bool looked = false;
        c.run(dir, [&] {
            seen = look();
            looked = true;
        });
        ASSERT_TRUE(looked);
        EXPECT_EQ(seen.where, c.expected);
        // The focus of a control shows; the main window itself draws none.
        if (std::string(c.expected) != "frmMenu") {
            EXPECT_TRUE(seen.shown);
        }
        pf::collectUnloaded();
    }
    qvtest::resetProgram();
}

// After Open, a user who presses Tab, End, Tab, Tab and 4 in the activity window finds
// the 4 in the time box: Tab passes the empty predecessor list of activity A by.
TEST(FocusOnOpeningTest, KeysAfterOpeningAnActivityWindowLandInATimeBox) {
    const fs::path dir = qvtest::emptyTestDir("qv_focusopen");
    qvtest::chosenModule(7);
    openFile(dir / "p.CPM", "0,0,3,1\r\n3,0\r\n4,1\r\n2,1\r\n1\r\n2\r\n");
    frmMenu().mnuFileOpen_Click();
    QApplication::processEvents();
    FrmPERT_CPM& w = frmPERT_CPM();
    ASSERT_EQ(pf::focusedControl(), &w.lstActivityName);
    qvtest::pressOnFocused(Qt::Key_Tab);
    qvtest::pressOnFocused(Qt::Key_End);
    qvtest::pressOnFocused(Qt::Key_Tab);
    qvtest::pressOnFocused(Qt::Key_Tab);
    qvtest::typeOnFocused("4");
    EXPECT_EQ(pf::focusedControl(), &w.txtExpectedTime);
    EXPECT_EQ(w.txtExpectedTime.Text(), "4");
    EXPECT_EQ(w.lstActivityName.ListIndex(), 0);
    qvtest::resetProgram();
}

}  // namespace
