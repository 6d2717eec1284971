// The home screen each module opens from the chooser, and what closing it leaves.
#include <gtest/gtest.h>

#include "tests/ui_test_support.h"

#include <string>
#include <vector>

#include "decision/frmDecisionProblem.h"
#include "lp/frmLPproblem.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmModuleSelection.h"
#include "shell/frmProblem.h"
#include "shell/frmStartup.h"

namespace {

class HomeScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        qvtest::resetProgram();
        qv::startProgram();
        frmStartup().cmdOK.userClick();
    }
    void TearDown() override { pf::unloadAll(); }

    static void choose(int module) {
        auto& c = frmModuleSelection();
        c.optProblemType[static_cast<std::size_t>(module)]->userClick();
        c.cmdOK.userClick();
        pf::collectUnloaded();
    }

    // "caption|visible|enabled" of a menu item, or "absent".
    static std::string item(const std::string& name) {
        pf::MenuItem* m = frmMenu().menuItem(name);
        if (!m) return "absent";
        return m->Caption() + (m->Visible() ? "|shown" : "|hidden") + (m->Enabled() ? "|on" : "|off");
    }
};

struct HomeCase {
    int module;
    const char* form;
    const char* status;
    int descriptionHeight;  // txtLoadInfo
    int promptTop;          // lblLoadInfo
    std::vector<std::pair<const char*, const char*>> menu;  // item -> expected state
};

const char* const kDisplayEdit = "&Display/Edit the Problem|shown|off";

const std::vector<HomeCase> kHomeCases = {
    {1, "frmLPproblem", "Linear Programming Module", 1335, 840,
     {{"mnudispeditsubs(0)", kDisplayEdit}, {"mnudispeditsubs(1)", "-|shown|on"},
      {"mnudispeditsubs(3)", "Add Constraints|shown|on"}, {"mnudispeditsubs(4)", "Delete Constraint|shown|on"},
      {"mnudispeditsubs(5)", "Add Variables|shown|on"}, {"mnudispeditsubs(6)", "Delete Variable|shown|on"},
      {"mnudispeditsubs(7)", "Change Optimization Type|shown|on"}}},
    {2, "frmProblem", "Transportation Module", 1335, 840,
     {{"mnudispeditsubslower(0)", "Add an Origin|shown|on"},
      {"mnudispeditsubslower(1)", "Add a Destination|shown|on"},
      {"mnudispeditsubslower(2)", "Delete an Origin|shown|on"},
      {"mnudispeditsubslower(3)", "Delete a Destination|shown|on"},
      {"mnudispeditsubs(2)", "|hidden|on"}, {"mnudispeditsubs(3)", "absent"}}},
    {3, "frmProblem", "Assignment Module", 1335, 840,
     {{"mnudispeditsubslower(0)", "Add an Agent|shown|on"}, {"mnudispeditsubslower(3)", "Delete a Task|shown|on"}}},
    {4, "frmLPproblem", "Integer Linear Programming Module", 1335, 840,
     {{"mnudispeditsubs(0)", kDisplayEdit}, {"mnudispeditsubs(7)", "Change Optimization Type|shown|on"}}},
    {5, "frmProblem", "Shortest Route Module", 1695, 1200,
     {{"mnudispeditsubs(0)", "|shown|on"}, {"mnudispeditsubs(3)", "absent"}}},
    {6, "frmProblem", "Minimal Spanning Tree Module", 1335, 840, {{"mnudispeditsubs(0)", "|shown|on"}}},
    {7, "frmProblem", "PERT/CPM Module", 1695, 1200,
     {{"mnudispeditsubs(0)", kDisplayEdit}, {"mnudispeditsubs(1)", "-|hidden|on"},
      {"mnudispeditsubs(2)", "|hidden|on"}}},
    {8, "frmProblem", "Inventory Module", 1695, 1200,
     {{"mnudispeditsubs(0)", kDisplayEdit}, {"mnudispeditsubs(1)", "-|hidden|on"}}},
    {9, "frmProblem", "Waiting Lines Module", 1695, 1200,
     {{"mnudispeditsubs(0)", kDisplayEdit}, {"mnudispeditsubs(2)", "|hidden|on"}}},
    {10, "frmDecisionProblem", "Decision Analysis Module", 1335, 840,
     {{"mnudispeditsubs(0)", kDisplayEdit}, {"mnudispeditsubs(1)", "-|hidden|on"}}},
    {11, "frmProblem", "Forecasting Module", 1335, 840,
     {{"mnudispeditsubs(0)", kDisplayEdit}, {"mnudispeditsubs(1)", "-|shown|on"},
      {"mnudispeditsubs(2)", "|hidden|on"}, {"mnudispeditsubs(3)", "&Add Time Periods|shown|on"},
      {"mnudispeditsubs(4)", "&Delete Time Periods|shown|on"}}},
    {12, "frmProblem", "Markov Processes Module", 1335, 840,
     {{"mnudispeditsubs(0)", "|shown|on"}, {"mnudispeditsubs(1)", "-|hidden|on"},
      {"mnudispeditsubs(2)", "|hidden|on"}}},
};

TEST_F(HomeScreenTest, EachModuleOpensItsHomeScreen) {
    for (const auto& c : kHomeCases) {
        SCOPED_TRACE("module " + std::to_string(c.module));
        SetUp();
        choose(c.module);
        EXPECT_FALSE(pf::isLoaded<FrmModuleSelection>());
        pf::Form* home = pf::forms::find(c.form);
        ASSERT_NE(home, nullptr);
        EXPECT_TRUE(home->Visible());
        EXPECT_EQ(home->kind(), pf::FormKind::Child);
        EXPECT_EQ(home->Left(), 0);
        EXPECT_EQ(home->Top(), 0);
        EXPECT_EQ(home->Width(), 15270);
        EXPECT_EQ(home->Height(), 10065);
        EXPECT_EQ(home->BackColor(), 0x00FFC0C0);
        EXPECT_EQ(pf::focusedForm(), &frmMenu());

        auto* desc = static_cast<pf::Label*>(home->control("txtLoadInfo"));
        auto* prompt = static_cast<pf::Label*>(home->control("lblLoadInfo"));
        EXPECT_EQ(desc->Caption(), qv::moduleInfo(c.module).description);
        EXPECT_TRUE(desc->Visible());
        EXPECT_EQ(desc->Height(), c.descriptionHeight);
        EXPECT_EQ(prompt->Caption(), "  Select 'File' and click 'New' or 'Open' to work with a problem.");
        EXPECT_TRUE(prompt->Visible());
        EXPECT_EQ(prompt->Top(), c.promptTop);
        EXPECT_EQ(frmMenu().lblmoduleindicator.Caption(), c.status);

        FrmMenu& m = frmMenu();
        EXPECT_TRUE(m.mnuFileNew->Enabled());
        EXPECT_TRUE(m.mnuFileOpen->Enabled());
        EXPECT_TRUE(m.mnuFileChangeModules->Enabled());
        EXPECT_FALSE(m.mnuFileSave->Enabled());
        EXPECT_FALSE(m.mnudispedit->Enabled());
        EXPECT_FALSE(m.mnuSolution->Enabled());
        for (const auto& [name, state] : c.menu) EXPECT_EQ(item(name), state) << name;
        EXPECT_TRUE(pf::scriptedHost().transcript.empty());
    }
}

TEST_F(HomeScreenTest, PertHomeScreenNamesTheActivitiesAToY) {
    choose(7);
    const auto& letters = qv::S().pert.strActivityLetters;
    ASSERT_EQ(letters.UBound(), 25);
    EXPECT_EQ(letters(0), "");
    std::string all;
    for (int i = 1; i <= 25; ++i) all += letters(i);
    EXPECT_EQ(all, "ABCDEFGHIJKLMNOPQRSTUVWXY");
}

// Closing a home screen removes the Edit items its Load created and leaves the
// menus as before any module; a second Load then creates them again without error.
struct UnloadCase {
    int module;
    std::vector<std::pair<const char*, const char*>> menu;
};

const std::vector<UnloadCase> kUnloadCases = {
    {2, {{"mnudispeditsubslower(0)", "Add an Origin|shown|on"}, {"mnudispeditsubslower(1)", "absent"},
         {"mnudispeditsubslower(3)", "absent"}, {"mnudispeditsubs(1)", "-|hidden|on"},
         {"mnudispeditsubs(2)", "|hidden|on"}}},
    {11, {{"mnudispeditsubs(3)", "absent"}, {"mnudispeditsubs(4)", "absent"},
          {"mnudispeditsubs(1)", "-|hidden|on"}}},
    {1, {{"mnudispeditsubs(3)", "absent"}, {"mnudispeditsubs(7)", "absent"},
         {"mnudispeditsubs(1)", "-|hidden|on"}}},
    {10, {{"mnudispeditsubs(0)", kDisplayEdit}}},
};

TEST_F(HomeScreenTest, UnloadRemovesTheModulesEditItemsAndDisablesTheMenus) {
    for (const auto& c : kUnloadCases) {
        SCOPED_TRACE("module " + std::to_string(c.module));
        SetUp();
        choose(c.module);
        pf::Form* home = pf::forms::find(c.module == 1 ? "frmLPproblem"
                                         : c.module == 10 ? "frmDecisionProblem"
                                                          : "frmProblem");
        ASSERT_NE(home, nullptr);
        qv::S().strProblemFileName = "/tmp/x.TRN";
        frmMenu().mnuFileSave->Enabled(true);
        frmMenu().mnudispedit->Enabled(true);
        frmMenu().mnuSolution->Enabled(true);
        pf::Unload(*home);
        pf::collectUnloaded();
        EXPECT_EQ(qv::S().strProblemFileName, "");
        FrmMenu& m = frmMenu();
        EXPECT_FALSE(m.mnuFileNew->Enabled());
        EXPECT_FALSE(m.mnuFileOpen->Enabled());
        EXPECT_FALSE(m.mnuFileSave->Enabled());
        EXPECT_FALSE(m.mnuFileChangeModules->Enabled());
        EXPECT_FALSE(m.mnudispedit->Enabled());
        EXPECT_FALSE(m.mnuSolution->Enabled());
        for (const auto& [name, state] : c.menu) EXPECT_EQ(item(name), state) << name;

        // The same home screen again (New or Open over a problem reloads it).
        if (c.module == 1) frmLPproblem().Show();
        else if (c.module == 10) frmDecisionProblem().Show();
        else frmProblem().Show();
        EXPECT_TRUE(m.mnuFileNew->Enabled());
        EXPECT_TRUE(pf::scriptedHost().transcript.empty());
    }
}

TEST_F(HomeScreenTest, ClickingTheDescriptionLeavesTheKeyboardInTheGrid) {
    choose(12);
    frmProblem().gridDisplayEdit.Visible(true);
    frmProblem().gridDisplayEdit.SetFocus();
    frmProblem().txtLoadInfo.userClick();
    EXPECT_EQ(pf::focusedControl(), &frmProblem().gridDisplayEdit);
}

}  // namespace
