#include <gtest/gtest.h>

#include "tests/ui_test_support.h"

#include "platform/ui/ScriptedHost.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmTransObj.h"

namespace {

class CriterionDialogTest : public qvtest::MainWindowTest {
protected:
    static pf::ScriptedHost& h() { return pf::scriptedHost(); }
};

struct PreselectCase {
    int optimizationType;
    bool maximizeOn;
    const char* answer;
};

TEST_F(CriterionDialogTest, OpensWithTheLinearProgramsTypeAndOkKeepsIt) {
    const PreselectCase cases[] = {{0, true, "YES"}, {1, false, "NO"}, {7, false, "NO"}, {-1, false, "NO"}};
    for (const auto& c : cases) {
        SCOPED_TRACE("intOptimizationType " + std::to_string(c.optimizationType));
        auto& s = qv::S();
        s.lp.intOptimizationType = c.optimizationType;
        s.strMaximizeObjective = "";
        s.blnDialogCancelled = true;
        h().expectModal("frmTransObj", [&](pf::Form& f) {
            auto& d = static_cast<FrmTransObj&>(f);
            EXPECT_EQ(f.kind(), pf::FormKind::Dialog);
            EXPECT_EQ(d.Text1.Caption(), " Select Optimization Criteria");
            EXPECT_EQ(d.optMaximize.Value(), c.maximizeOn);
            EXPECT_EQ(d.optMinimize.Value(), !c.maximizeOn);
            // Load has written the preselected answer already.
            EXPECT_EQ(qv::S().strMaximizeObjective, c.answer);
            f.control("cmdOK")->userClick();
        });
        EXPECT_TRUE(qv::askOptimizationCriterion());
        EXPECT_EQ(s.strMaximizeObjective, c.answer);
        EXPECT_FALSE(s.blnDialogCancelled);
        EXPECT_FALSE(pf::isLoaded<FrmTransObj>());
        EXPECT_EQ(s.lp.intOptimizationType, c.optimizationType);  // only read
    }
    EXPECT_TRUE(h().allAnswersUsed());
}

TEST_F(CriterionDialogTest, OkWithoutAChoiceIsRefusedAndWritesNothing) {
    auto& s = qv::S();
    s.blnDialogCancelled = true;
    FrmTransObj& d = frmTransObj();
    ASSERT_EQ(s.strMaximizeObjective, "YES");
    d.optMaximize.Value(false);
    ASSERT_FALSE(d.optMinimize.Value());
    s.strMaximizeObjective = "unchanged";
    h().expectMessage(pf::vbOK);
    d.cmdOK.userClick();
    ASSERT_EQ(h().transcript.size(), 1u);
    EXPECT_EQ(h().transcript[0],
              "MSGBOX \"Data Input Error\" critical OK \"You must select an optimization criteria.\" -> OK");
    EXPECT_TRUE(pf::isLoaded<FrmTransObj>());
    EXPECT_EQ(s.strMaximizeObjective, "unchanged");
    EXPECT_TRUE(s.blnDialogCancelled);

    // The user then chooses minimization.
    d.optMinimize.userClick();
    EXPECT_FALSE(d.optMaximize.Value());
    d.cmdOK.userClick();
    EXPECT_EQ(s.strMaximizeObjective, "NO");
    EXPECT_FALSE(s.blnDialogCancelled);
    EXPECT_FALSE(pf::isLoaded<FrmTransObj>());
}

TEST_F(CriterionDialogTest, CancelLeavesThePreselectedAnswerAndGivesTheMainWindowTheFocus) {
    auto& s = qv::S();
    s.lp.intOptimizationType = 1;
    s.strMaximizeObjective = "YES";
    h().expectModal("frmTransObj", [](pf::Form& f) {
        static_cast<FrmTransObj&>(f).optMaximize.userClick();  // changed, then abandoned
        f.control("cmdCancel")->userClick();
    });
    EXPECT_FALSE(qv::askOptimizationCriterion());
    EXPECT_TRUE(s.blnDialogCancelled);
    EXPECT_EQ(s.strMaximizeObjective, "NO");
    EXPECT_FALSE(pf::isLoaded<FrmTransObj>());
    // The main window has the focus; the keyboard is with the window in front, here
    // the module chooser.
    EXPECT_EQ(pf::focusedForm(), &frmModuleSelection());
    // No confirmation is asked.
    EXPECT_EQ(h().transcript, (std::vector<std::string>{"MODAL frmTransObj", "END MODAL frmTransObj"}));
}

TEST_F(CriterionDialogTest, CallerCaptionsHoldForOneShowingOnly) {
    h().expectModal("frmTransObj", [](pf::Form& f) {
        auto& d = static_cast<FrmTransObj&>(f);
        EXPECT_EQ(d.optMaximize.Caption(), "Maximize the Payoff");
        EXPECT_EQ(d.optMinimize.Caption(), "Minimize the Payoff");
        d.optMinimize.userClick();
        d.cmdOK.userClick();
    });
    EXPECT_TRUE(qv::askOptimizationCriterion("Maximize the Payoff", "Minimize the Payoff"));
    EXPECT_EQ(qv::S().strMaximizeObjective, "NO");

    h().expectModal("frmTransObj", [](pf::Form& f) {
        auto& d = static_cast<FrmTransObj&>(f);
        EXPECT_EQ(d.optMaximize.Caption(), "Maximization Objective");
        EXPECT_EQ(d.optMinimize.Caption(), "Minimization Objective");
        // The preselection is fresh: the last answer does not carry over.
        EXPECT_TRUE(d.optMaximize.Value());
        d.cmdOK.userClick();
    });
    EXPECT_TRUE(qv::askOptimizationCriterion());
    EXPECT_EQ(qv::S().strMaximizeObjective, "YES");
}

}  // namespace
