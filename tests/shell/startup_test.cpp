#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include "tests/ui_test_support.h"

#include <string>
#include <utility>
#include <vector>

#include "platform/ui/ScriptedHost.h"
#include "shell/core/State.h"
#include "shell/MenuState.h"
#include "shell/frmMenu.h"
#include "shell/frmModuleSelection.h"
#include "shell/frmStartup.h"
#include "shell/qverror.h"

namespace {

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        qvtest::resetProgram();
    }
    void TearDown() override { pf::unloadAll(); }
};

TEST_F(StartupTest, ContinueOpensMainWindowWithOnlyFileUsable) {
    qv::startProgram();
    ASSERT_TRUE(pf::isLoaded<FrmStartup>());
    frmStartup().cmdOK.userClick();
    pf::collectUnloaded();
    EXPECT_FALSE(pf::isLoaded<FrmStartup>());
    ASSERT_TRUE(pf::isLoaded<FrmMenu>());
    FrmMenu& m = frmMenu();
    EXPECT_EQ(m.Caption(), "The Quorvane Version 6.0");
    EXPECT_TRUE(m.mnuFile->Enabled());
    EXPECT_FALSE(m.mnuFileNew->Enabled());
    EXPECT_FALSE(m.mnuFileOpen->Enabled());
    EXPECT_FALSE(m.mnuFileSave->Enabled());
    EXPECT_FALSE(m.mnuFileChangeModules->Enabled());
    EXPECT_TRUE(m.mnuFileExit->Enabled());
    EXPECT_FALSE(m.mnudispedit->Enabled());
    EXPECT_FALSE(m.mnuSolution->Enabled());
    EXPECT_TRUE(m.mnuSolutionSolve->Enabled());
    EXPECT_TRUE(pf::isLoaded<FrmModuleSelection>());
    EXPECT_EQ(m.lblmoduleindicator.Caption(), "");
    // The main window keeps the focus, the keyboard on the chooser's first option.
    EXPECT_EQ(pf::focusedControl(), frmModuleSelection().optProblemType[1].get());
}

// The module windows keep their designed size, so the main window cannot be made
// smaller than they are.
TEST_F(StartupTest, MainWindowKeepsRoomForTheModuleWindows) {
    qv::startProgram();
    frmStartup().cmdOK.userClick();
    pf::collectUnloaded();
    QWidget* w = frmMenu().window();
    QApplication::processEvents();
    w->resize(400, 300);
    QApplication::processEvents();
    EXPECT_GE(frmMenu().canvas()->width(), pf::twipsToPixels(15270));
    EXPECT_GE(frmMenu().canvas()->height(), pf::twipsToPixels(10065 + 375));
}

TEST_F(StartupTest, ChooserRecordsModuleAndRefusesOkWithoutChoice) {
    qv::startProgram();
    frmStartup().cmdOK.userClick();
    auto& c = frmModuleSelection();
    pf::scriptedHost().expectMessage(pf::vbOK);
    c.cmdOK.userClick();
    ASSERT_EQ(pf::scriptedHost().transcript.back(),
              "MSGBOX \"Invalid Selection\" exclamation OK \"You Must Select A Problem Module\" -> OK");
    EXPECT_TRUE(pf::isLoaded<FrmModuleSelection>());

    c.optProblemType[4]->userClick();
    c.optProblemType[1]->userClick();
    EXPECT_EQ(qv::S().intCurrentModule, 1);
    EXPECT_EQ(qv::S().intIntegerLP, 0);
    EXPECT_EQ(qv::S().lp.intReportDecimals, 3);
    EXPECT_EQ(frmMenu().lblmoduleindicator.Caption(), "Linear Programming Module");
    EXPECT_FALSE(c.optProblemType[4]->Value());
    c.optProblemType[5]->userClick();
    EXPECT_EQ(qv::S().strProblemFileExt, "S&S");
    c.optProblemType[6]->userClick();
    EXPECT_EQ(qv::S().strProblemFileExt, "S&S");
    EXPECT_EQ(qv::S().strProblemType, "MINIMAL SPANNING TREE PROBLEM");
}

// The chooser stands in the middle of the main window as the user has sized it, also
// after the window was enlarged, moved or made smaller again.
TEST_F(StartupTest, ChangeModulesCentresTheChooserOnTheMainWindowAsItIs) {
    qvtest::startedIn(1);
    QWidget* main = frmMenu().window();
    const QSize first = main->size();
    for (QSize size : {QSize(1223, 957), QSize(1400, 1000), first}) {
        SCOPED_TRACE(std::to_string(size.width()) + "x" + std::to_string(size.height()));
        main->resize(size);
        main->move(main->pos() + QPoint(17, 9));
        QApplication::processEvents();
        frmMenu().mnuFileChangeModules_Click();
        QApplication::processEvents();
        QWidget* chooser = frmModuleSelection().window();
        ASSERT_TRUE(chooser->isVisible());
        const int middle = chooser->mapTo(main, chooser->rect().center()).x();
        EXPECT_NEAR(middle, main->width() / 2, 1);
        qvtest::chooseModule(1);
    }
}

TEST_F(StartupTest, FileExitEndsAtOnce) {
    qv::startProgram();
    frmStartup().cmdOK.userClick();
    EXPECT_THROW(frmMenu().mnuFileExit->Click(), pf::ProgramEnded);
}

TEST_F(StartupTest, ErrorReporterShowsPendingErrorOnly) {
    pf::Err().Clear();
    qverror::ReportError();
    EXPECT_TRUE(pf::scriptedHost().transcript.empty());
    pf::scriptedHost().expectMessage(pf::vbOK);
    qverror::ReportError(pf::RuntimeError(9));
    EXPECT_EQ(pf::scriptedHost().transcript.back(),
              "MSGBOX \"Error # 9\" critical OK \"Subscript out of range\" -> OK");
    pf::Err().Clear();
}

}  // namespace

// The menu-state rules, event by event, for the modules whose rows differ: each case
// runs a series of events for one module and then reads the items the rows name.
namespace menustate {
namespace {

using qv::MenuEvent;

// "caption|shown|on" of an item, "absent" when the array element does not exist.
std::string itemState(const std::string& name) {
    pf::MenuItem* it = frmMenu().menuItem(name);
    if (!it) return "absent";
    return it->Caption() + (it->Visible() ? "|shown" : "|hidden") + (it->Enabled() ? "|on" : "|off");
}
std::string onOff(const std::string& name) {
    pf::MenuItem* it = frmMenu().menuItem(name);
    if (!it) return "absent";
    return it->Enabled() ? "on" : "off";
}

struct MenuCase {
    const char* name;
    int module;
    std::vector<MenuEvent> events;
    std::vector<std::pair<const char*, const char*>> full;   // item -> caption|visible|enabled
    std::vector<std::pair<const char*, const char*>> onoff;  // item -> on/off
};

const char* const kDE = "&Display/Edit the Problem";

std::string de(const char* rest) { return std::string(kDE) + rest; }

}  // namespace
}  // namespace menustate

TEST_F(StartupTest, MenuStateFollowsTheEventTableRowByRow) {
    using namespace menustate;
    using E = MenuEvent;
    const std::string deOff = de("|shown|off"), deOn = de("|shown|on");
    const std::vector<MenuCase> cases = {
        {"transportation laid out", 2, {E::HomeScreenLoaded, E::ProblemLaidOut},
         {{"mnudispeditsubs(0)", deOff.c_str()}, {"mnudispeditsubs(1)", "-|shown|on"},
          {"mnudispeditsubs(2)", "&Add/Delete Origins or Destinations|shown|on"}},
         {{"mnudispedit", "on"}, {"mnuFileOpen", "on"}, {"mnuFileSave", "on"},
          {"mnuFileChangeModules", "on"}, {"mnuSolution", "on"}}},
        {"assignment solved", 3, {E::HomeScreenLoaded, E::ProblemLaidOut, E::Solved},
         {{"mnudispeditsubs(0)", deOn.c_str()},
          {"mnudispeditsubs(2)", "&Add/Delete Agents or Tasks|shown|off"}},
         {{"mnuSolutionPrinttoPrinter", "on"}, {"mnuSolutionPrinttoText", "on"}}},
        {"transportation display/edit after solve", 2,
         {E::HomeScreenLoaded, E::ProblemLaidOut, E::Solved, E::DisplayEditChosen},
         {{"mnudispeditsubs(0)", deOff.c_str()},
          {"mnudispeditsubs(2)", "&Add/Delete Origins or Destinations|shown|on"}},
         {{"mnuSolutionPrinttoPrinter", "off"}, {"mnuSolutionPrinttoText", "off"}}},
        {"transportation unloaded", 2, {E::HomeScreenLoaded, E::ProblemLaidOut, E::HomeScreenUnloaded},
         {{"mnudispeditsubs(1)", "-|hidden|on"},
          {"mnudispeditsubs(2)", "&Add/Delete Origins or Destinations|hidden|on"},
          {"mnudispeditsubslower(0)", "Add an Origin|shown|on"}, {"mnudispeditsubslower(1)", "absent"},
          {"mnudispeditsubslower(3)", "absent"}},
         {{"mnuFileNew", "off"}, {"mnuFileOpen", "off"}, {"mnuFileSave", "off"},
          {"mnuFileChangeModules", "off"}, {"mnudispedit", "off"}, {"mnuSolution", "off"}}},
        {"network laid out keeps item 0", 5, {E::HomeScreenLoaded, E::NetworkLaidOut},
         {{"mnudispeditsubs(0)", deOn.c_str()}, {"mnudispeditsubs(1)", "-|hidden|on"},
          {"mnudispeditsubs(2)", "|hidden|on"}},
         {{"mnudispedit", "on"}, {"mnuFileSave", "on"}, {"mnuSolution", "on"}}},
        {"spanning tree solved", 6, {E::HomeScreenLoaded, E::NetworkLaidOut, E::Solved},
         {{"mnudispeditsubs(0)", deOn.c_str()}},
         {{"mnuSolutionPrinttoPrinter", "on"}, {"mnuSolutionPrinttoText", "on"}}},
        {"PERT activity window", 7, {E::HomeScreenLoaded, E::ActivityWindowOpened},
         {{"mnudispeditsubs(0)", deOff.c_str()}, {"mnudispeditsubs(1)", "-|hidden|on"}},
         {{"mnuFileSave", "on"}, {"mnudispedit", "on"}, {"mnuSolution", "on"}}},
        {"PERT display/edit leaves Print to the solution window", 7,
         {E::HomeScreenLoaded, E::ActivityWindowOpened, E::Solved, E::DisplayEditChosen},
         {{"mnudispeditsubs(0)", deOff.c_str()}},
         {{"mnuSolutionPrinttoPrinter", "on"}, {"mnuSolutionPrinttoText", "on"}}},
        {"inventory form open", 8, {E::HomeScreenLoaded, E::ModelFormOpened},
         {{"mnudispeditsubs(0)", deOff.c_str()}},
         {{"mnuFile", "off"}, {"mnuFileSave", "on"}, {"mnudispedit", "off"}, {"mnuSolution", "off"}}},
        {"waiting-line new problem cancelled", 9,
         {E::HomeScreenLoaded, E::ModelFormOpened, E::ModelFormNewCancelled, E::ModelFormClosed},
         {{"mnudispeditsubs(0)", deOff.c_str()}},
         {{"mnuFile", "on"}, {"mnuFileSave", "off"}, {"mnudispedit", "on"}, {"mnuSolution", "on"}}},
        {"inventory stored problem cancelled", 8,
         {E::HomeScreenLoaded, E::ModelFormOpened, E::ModelFormStoredCancelled},
         {{"mnudispeditsubs(0)", deOn.c_str()}},
         {{"mnuFile", "off"}, {"mnuFileSave", "on"}, {"mnudispedit", "on"}, {"mnuSolution", "on"}}},
        {"inventory form saved then solved", 8,
         {E::HomeScreenLoaded, E::ModelFormOpened, E::ModelFormSavedOrSolved, E::ModelFormClosed,
          E::Solved},
         {{"mnudispeditsubs(0)", deOn.c_str()}},
         {{"mnuFileSave", "on"}, {"mnuSolutionPrinttoPrinter", "on"}}},
        {"decision laid out", 10, {E::HomeScreenLoaded, E::ProblemLaidOut},
         {{"mnudispeditsubs(0)", deOff.c_str()}, {"mnudispeditsubs(1)", "-|hidden|on"}},
         {{"mnudispedit", "on"}, {"mnuSolution", "on"}}},
        {"forecasting solved", 11, {E::HomeScreenLoaded, E::ProblemLaidOut, E::Solved},
         {{"mnudispeditsubs(0)", deOn.c_str()}, {"mnudispeditsubs(3)", "&Add Time Periods|shown|off"},
          {"mnudispeditsubs(4)", "&Delete Time Periods|shown|off"}},
         {{"mnuSolutionPrinttoText", "on"}}},
        {"forecasting display/edit", 11,
         {E::HomeScreenLoaded, E::ProblemLaidOut, E::Solved, E::DisplayEditChosen},
         {{"mnudispeditsubs(0)", deOff.c_str()}, {"mnudispeditsubs(3)", "&Add Time Periods|shown|on"},
          {"mnudispeditsubs(4)", "&Delete Time Periods|shown|on"}},
         {{"mnuSolutionPrinttoPrinter", "off"}, {"mnuSolutionPrinttoText", "off"}}},
        {"forecasting unloaded", 11, {E::HomeScreenLoaded, E::HomeScreenUnloaded},
         {{"mnudispeditsubs(1)", "-|hidden|on"}, {"mnudispeditsubs(3)", "absent"},
          {"mnudispeditsubs(4)", "absent"}},
         {{"mnuFileNew", "off"}}},
        {"Markov laid out", 12, {E::HomeScreenLoaded, E::ProblemLaidOut},
         {{"mnudispeditsubs(0)", deOff.c_str()}, {"mnudispeditsubs(1)", "-|hidden|on"}},
         {{"mnudispedit", "on"}}},
        {"linear program solved: Print is the engine's", 1,
         {E::HomeScreenLoaded, E::ProblemLaidOut, E::Solved},
         {{"mnudispeditsubs(0)", deOn.c_str()}, {"mnudispeditsubs(3)", "Add Constraints|shown|off"},
          {"mnudispeditsubs(7)", "Change Optimization Type|shown|off"}},
         {{"mnuSolutionPrinttoPrinter", "off"}}},
        {"integer program display/edit", 4,
         {E::HomeScreenLoaded, E::ProblemLaidOut, E::Solved, E::DisplayEditChosen},
         {{"mnudispeditsubs(0)", deOff.c_str()}, {"mnudispeditsubs(5)", "Add Variables|shown|on"}},
         {}},
        {"linear program unloaded", 1, {E::HomeScreenLoaded, E::ProblemLaidOut, E::HomeScreenUnloaded},
         {{"mnudispeditsubs(1)", "-|hidden|on"}, {"mnudispeditsubs(3)", "absent"},
          {"mnudispeditsubs(7)", "absent"}},
         {{"mnudispedit", "off"}, {"mnuSolution", "off"}}},
        {"solution window closes", 12, {E::HomeScreenLoaded, E::ProblemLaidOut, E::Solved,
                                        E::SolutionWindowClosed},
         {{"mnudispeditsubs(0)", deOn.c_str()}},
         {{"mnuSolutionPrinttoPrinter", "off"}, {"mnuSolutionPrinttoText", "off"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        qvtest::resetProgram();
        frmMenu();
        qv::S().intCurrentModule = c.module;
        for (MenuEvent e : c.events) qv::menuEvent(e);
        for (const auto& [item, state] : c.full) EXPECT_EQ(itemState(item), state) << item;
        for (const auto& [item, state] : c.onoff) EXPECT_EQ(onOff(item), state) << item;
    }
    pf::unloadAll();
}
