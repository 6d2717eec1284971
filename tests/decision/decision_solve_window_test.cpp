// Solving a decision problem through Solution Solve: the dialogs, the solution
// window, the status caption, the cursor and the menus around the solve.
#include <gtest/gtest.h>

#include <QMetaObject>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

#include "decision/QVDecisionAnalysis.h"
#include "decision/frmDecisionProblem.h"
#include "decision/frmdecnopt.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmModuleSelection.h"
#include "shell/frmSolution.h"
#include "shell/frmTransObj.h"
#include "tests/decision/decision_test_support.h"

namespace {

pf::ScriptedHost& h() { return pf::scriptedHost(); }

// Remembers the status caption each time the busy cursor is switched.
class CaptionHost : public pf::ScriptedHost {
public:
    std::vector<std::string> captions;
    void setBusyCursor(bool busy) override {
        captions.push_back((busy ? "busy: " : "normal: ") + frmMenu().lblmoduleindicator.Caption());
        pf::ScriptedHost::setBusyCursor(busy);
    }
};

class DecisionSolveTest : public ::testing::Test {
protected:
    void SetUp() override { qvtest::openDecisionHomeScreen(); }
    void TearDown() override {
        EXPECT_TRUE(h().allAnswersUsed());
        pf::unloadAll();
    }
    // The worked example typed in, with or without its probabilities.
    void workedExample(bool probabilities) {
        QVDecisionAnalysis::ResetDecisionProblem();
        auto& d = qv::S().dec;
        d.intAlternativeCount = 2;
        d.intNatureStateCount = 2;
        d.intIndicatorCount = 2;
        d.strStateProbsGiven = probabilities ? "YES" : "NO";
        d.intStateProbsFlag = probabilities ? 1 : 0;
        d.strStrategyRequested = probabilities ? "YES" : "NO";
        d.intStrategyFlag = probabilities ? 1 : 0;
        qv::S().blnNewProblem = true;
        QVDecisionAnalysis::BuildDecisionInputScreen();
        qv::S().blnNewProblem = false;
        const double payoffs[2][2] = {{100, -20}, {40, 30}};
        for (int i = 1; i <= 2; ++i)
            for (int j = 1; j <= 2; ++j) d.dblPayoffTable(i, j) = payoffs[i - 1][j - 1];
        d.dblStateProbabilities(1) = 0.6;
        d.dblStateProbabilities(2) = 0.4;
        d.dblIndicatorGivenStateTable(1, 1) = 0.8;
        d.dblIndicatorGivenStateTable(1, 2) = 0.2;
        d.dblIndicatorGivenStateTable(2, 1) = 0.3;
        d.dblIndicatorGivenStateTable(2, 2) = 0.7;
        h().transcript.clear();
    }
    bool printItemsOn() { return frmMenu().mnuSolutionPrinttoPrinter->Enabled() && frmMenu().mnuSolutionPrinttoText->Enabled(); }
};

TEST_F(DecisionSolveTest, WithProbabilitiesTheMaxMinDialogAsksInPayoffWords) {
    workedExample(true);
    qv::S().lp.intOptimizationType = 1;  // the linear program's type preselects minimize
    h().expectModal("frmTransObj", [](pf::Form& f) {
        auto& dlg = static_cast<FrmTransObj&>(f);
        EXPECT_EQ(dlg.optMaximize.Caption(), "Maximize the Payoff");
        EXPECT_EQ(dlg.optMinimize.Caption(), "Minimize the Payoff");
        EXPECT_TRUE(dlg.optMinimize.Value());
        dlg.cmdOK.userClick();
    });
    QVDecisionAnalysis::SolveDecisionProblem();
    const auto& s = qv::S();
    EXPECT_EQ(s.strMaximizeObjective, "NO");
    EXPECT_EQ(s.dec.intDecisionCriterion, 4);
    EXPECT_NEAR(s.dec.dblStrategyValue, 29.2, 1e-12);
    EXPECT_EQ(s.lp.intOptimizationType, 1);  // read, never written

    FrmSolution& w = frmSolution();
    EXPECT_TRUE(w.Visible());
    EXPECT_FALSE(w.titleShown());
    EXPECT_EQ(w.gridSolution.Top(), FrmSolution::kGridTopNoTitle);
    EXPECT_EQ(w.gridSolution.FontName(), "Courier");
    const std::vector<std::string> lines = w.lines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "DECISION RECOMMENDATION");
    EXPECT_EQ(lines.back(), "       EFFICIENCY OF THE SAMPLE INFORMATION             34.0%");

    EXPECT_EQ(frmMenu().lblmoduleindicator.Caption(), "Decision Analysis Module");
    EXPECT_EQ(h().transcript.front(), "MODAL frmTransObj");
    EXPECT_EQ(h().transcript[2], "CURSOR busy");
    EXPECT_EQ(h().transcript.back(), "CURSOR normal");
    EXPECT_FALSE(h().busy());
    EXPECT_TRUE(printItemsOn());
    EXPECT_TRUE((*frmMenu().mnudispeditsubs)(0).Enabled());
    EXPECT_EQ(pf::focusedForm(), &frmMenu());
}

TEST_F(DecisionSolveTest, TheCriterionDialogOpensEmptyAndOkWithNothingChosenMinimizesRegret) {
    workedExample(false);
    qv::S().strMaximizeObjective = "YES";
    h().expectModal("frmdecnopt", [](pf::Form& f) {
        auto& dlg = static_cast<Frmdecnopt&>(f);
        EXPECT_FALSE(dlg.optMaximize.Value());
        EXPECT_FALSE(dlg.optMinimize.Value());
        for (auto& o : dlg.Optcriterion) EXPECT_FALSE(o->Value());
        EXPECT_EQ(dlg.Text1.Caption(), " Select Optimization/Decision Criteria");
        EXPECT_EQ(dlg.Optcriterion[2]->Caption(), "Minimax Regret Criterion");
        dlg.cmdOK.userClick();
    });
    QVDecisionAnalysis::SolveDecisionProblem();
    const auto& d = qv::S().dec;
    EXPECT_EQ(qv::S().strMaximizeObjective, "NO");
    EXPECT_EQ(d.intDecisionCriterion, 3);
    // Costs (100, -20) and (40, 30): best costs 40 and -20; regrets (60, 0) and (0, 50).
    EXPECT_EQ(d.dblCriterionValues(1).num(), 60);
    EXPECT_EQ(d.dblCriterionValues(2).num(), 50);
    EXPECT_EQ(d.intRecommendedFlags(2).num(), 1);
    EXPECT_EQ(frmSolution().lines()[4], "USING THE MINIMAX REGRET CRITERION");
}

// The solve shows its progress text with the busy cursor after the dialog, and puts
// the kept caption back before the default cursor, whichever dialog asked.
TEST_F(DecisionSolveTest, TheProgressCaptionFramesTheSolveAfterEitherDialog) {
    for (bool probabilities : {true, false}) {
        SCOPED_TRACE(probabilities ? "max/min dialog" : "criterion dialog");
        pf::setHost(std::make_unique<CaptionHost>());
        auto& host = static_cast<CaptionHost&>(pf::host());
        workedExample(probabilities);
        host.captions.clear();  // the layout's own busy cursor
        const std::string form = probabilities ? "frmTransObj" : "frmdecnopt";
        std::vector<std::string> seenInDialog;
        h().expectModal(form, [&](pf::Form& f) {
            seenInDialog = host.captions;
            static_cast<pf::CommandButton*>(f.control("cmdOK"))->userClick();
        });
        QVDecisionAnalysis::SolveDecisionProblem();
        EXPECT_TRUE(seenInDialog.empty());  // nothing shown before the answer
        EXPECT_EQ(host.captions,
                  (std::vector<std::string>{"busy: Solving Problem . . .", "normal: Decision Analysis Module"}));
        EXPECT_EQ(frmMenu().lblmoduleindicator.Caption(), "Decision Analysis Module");
        EXPECT_TRUE(frmSolution().Visible());
        EXPECT_EQ(pf::focusedForm(), &frmMenu());
        EXPECT_TRUE(h().allAnswersUsed());
        pf::unloadAll();
        pf::setHost(std::make_unique<pf::ScriptedHost>());
        SetUp();
    }
}

// Cancel clears the result tables (they were cleared before the dialog) but keeps the
// single results, and shows nothing.
TEST_F(DecisionSolveTest, CancelAfterASolveLeavesEmptyTablesAndTheSingleResults) {
    workedExample(true);
    h().expectModal("frmTransObj", [](pf::Form& f) { static_cast<FrmTransObj&>(f).cmdOK.userClick(); });
    QVDecisionAnalysis::SolveDecisionProblem();
    ASSERT_NEAR(qv::S().dec.dblPerfectInfoValue, 20, 1e-12);

    // Each dialog cancelled by its button and by the window's close command.
    for (int variant = 0; variant < 4; ++variant) {
        const bool withProbabilities = variant < 2, closeCommand = variant % 2 == 1;
        SCOPED_TRACE(std::string(withProbabilities ? "max/min dialog" : "criterion dialog") +
                     (closeCommand ? ", close command" : ", Cancel"));
        auto& d = qv::S().dec;
        d.strStateProbsGiven = withProbabilities ? "YES" : "NO";
        // As Solve does: the solution window is closed before the checks.
        pf::Unload<FrmSolution>();
        const std::string form = withProbabilities ? "frmTransObj" : "frmdecnopt";
        h().expectModal(form, [closeCommand](pf::Form& f) {
            if (closeCommand)
                QMetaObject::invokeMethod(f.window(), "reject");
            else
                static_cast<pf::CommandButton*>(f.control("cmdCancel"))->userClick();
        });
        h().transcript.clear();
        qv::S().blnDialogCancelled = false;  // as the OK of the solve before left it
        QVDecisionAnalysis::SolveDecisionProblem();
        EXPECT_TRUE(qv::S().blnDialogCancelled);
        for (const auto* t : {&d.intRecommendedFlags, &d.dblCriterionValues, &d.dblIndicatorProbabilities,
                              &d.dblBestValuesGivenIndicator, &d.intBestAlternativesGivenIndicator})
            for (int i = 0; i <= 10; ++i) EXPECT_TRUE((*t)(i).IsEmpty());
        EXPECT_NEAR(d.dblPerfectInfoValue, 20, 1e-12);
        EXPECT_NEAR(d.dblStrategyValue, 58.8, 1e-12);
        EXPECT_NEAR(d.dblSampleInfoValue, 6.8, 1e-12);
        EXPECT_NEAR(d.dblSampleInfoEfficiency, 34, 1e-9);
        EXPECT_FALSE(pf::isLoaded<FrmSolution>());
        EXPECT_FALSE(printItemsOn());
        EXPECT_EQ(frmMenu().lblmoduleindicator.Caption(), "Decision Analysis Module");
        // The main window has the focus, the keyboard the input window in front.
        EXPECT_EQ(pf::focusedForm(), &frmDecisionProblem());
        // No cursor change, no caption: only the dialog.
        EXPECT_EQ(h().transcript, (std::vector<std::string>{"MODAL " + form, "END MODAL " + form}));
    }
}

}  // namespace
