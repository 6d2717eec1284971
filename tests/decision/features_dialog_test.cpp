// The features dialog of a new decision problem: what shows as the check boxes are
// clicked, what OK stores, OK's own checks, Cancel, the close command and the keys
// that do nothing.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMetaObject>
#include <QWidget>

#include <functional>
#include <string>

#include "decision/QVDecisionAnalysis.h"
#include "decision/frmDecisionFeatures.h"
#include "decision/frmDecisionProblem.h"
#include "platform/ui/Keys.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmModuleSelection.h"
#include "tests/decision/decision_test_support.h"

namespace {

pf::ScriptedHost& h() { return pf::scriptedHost(); }

constexpr const char* kStatesRange = "NOTE:  THE NUMBER OF STATES OF NATURE MUST BE BETWEEN 1 AND 10.";
constexpr const char* kOutcomesInteger = "NOTE:  THE NUMBER OF INDICATOR OUTCOMES MUST BE AN INTEGER.";

std::string inputError(const std::string& text) {
    return "MSGBOX \"Data Input Error\" critical OK \"" + text + "\" -> OK";
}

class FeaturesDialogTest : public ::testing::Test {
protected:
    void SetUp() override { qvtest::openDecisionHomeScreen(); }
    void TearDown() override {
        EXPECT_TRUE(h().allAnswersUsed());
        pf::unloadAll();
    }
    // File New with the dialog driven by `actions`, which meets `messages` message boxes.
    void newProblem(const std::function<void(FrmDecisionFeatures&)>& actions, int messages = 0) {
        h().expectModal("frmDecisionFeatures", [actions](pf::Form& f) { actions(static_cast<FrmDecisionFeatures&>(f)); });
        for (int i = 0; i < messages; ++i) h().expectMessage(pf::vbOK);
        qv::S().blnNewProblem = true;
        QVDecisionAnalysis::NewDecisionProblem();
    }
};

// Clicks: 'P' the probabilities box, 'S' the strategy box.
void clickBoxes(FrmDecisionFeatures& d, const std::string& clicks) {
    for (char c : clicks) (c == 'P' ? d.chkStateProbs : d.chkStrategy).userClick();
}

TEST_F(FeaturesDialogTest, CheckBoxesShowTheirBoxesAndDecideTheFlags) {
    struct Case {
        const char* clicks;
        bool strategyShown, outcomesShown;
        const char* probs;
        const char* strategy;
    } cases[] = {
        {"", false, false, "NO", "NO"},
        {"P", true, false, "YES", "NO"},
        {"PS", true, true, "YES", "YES"},
        {"PSS", true, false, "YES", "NO"},
        {"PP", false, false, "NO", "NO"},
        // The strategy box stays checked while hidden; the outcome box shows again with it.
        {"PSP", false, false, "NO", "NO"},
        {"PSPP", true, true, "YES", "YES"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.clicks);
        newProblem([&](FrmDecisionFeatures& d) {
            EXPECT_FALSE(d.chkStrategy.Visible());
            EXPECT_FALSE(d.txtIndicator.Visible());
            d.txtNumAlternatives.Text("3");
            d.txtNumStates.Text("2");
            d.txtIndicator.Text("4");
            clickBoxes(d, c.clicks);
            EXPECT_EQ(d.chkStrategy.Visible(), c.strategyShown);
            EXPECT_EQ(d.Label1.Visible(), c.strategyShown);
            EXPECT_EQ(d.txtIndicator.Visible(), c.outcomesShown);
            EXPECT_EQ(d.lblIndicator.Visible(), c.outcomesShown);
            d.cmdOK.userClick();
        });
        const auto& dec = qv::S().dec;
        EXPECT_FALSE(qv::S().blnDialogCancelled);
        EXPECT_EQ(dec.strStateProbsGiven, c.probs);
        EXPECT_EQ(dec.strStrategyRequested, c.strategy);
        EXPECT_EQ(dec.intStateProbsFlag.num(), std::string(c.probs) == "YES" ? 1 : 0);
        EXPECT_EQ(dec.intStrategyFlag.num(), std::string(c.strategy) == "YES" ? 1 : 0);
        EXPECT_EQ(dec.intAlternativeCount, 3);
        EXPECT_EQ(dec.intNatureStateCount, 2);
        if (std::string(c.strategy) == "YES") {
            EXPECT_EQ(dec.intIndicatorCount, 4);
        }
        EXPECT_EQ(frmDecisionProblem().Grid[2]->Visible(), std::string(c.strategy) == "YES");
        pf::unloadAll();
        SetUp();
    }
}

// A count stored by an earlier problem is never what OK lays out after a refusal.
TEST_F(FeaturesDialogTest, OkJudgesEveryBoxAgainAndStoresWhatItAccepts) {
    auto& dec = qv::S().dec;
    dec.intAlternativeCount = 7;
    dec.intNatureStateCount = 7;
    dec.intIndicatorCount = 7;
    newProblem([&](FrmDecisionFeatures& d) {
        // Typed without leaving the box: only OK can judge it.
        d.txtNumAlternatives.Text("3");
        d.txtNumStates.Text("11");
        d.cmdOK.userClick();
        EXPECT_EQ(h().transcript.back(), inputError(kStatesRange));
        EXPECT_EQ(pf::focusedControl(), &d.txtNumStates);
        EXPECT_EQ(dec.intAlternativeCount, 3);  // stored as its box was left
        EXPECT_EQ(dec.intNatureStateCount, 7);
        EXPECT_EQ(dec.strStateProbsGiven, "NO");
        // The outcome box is judged only for a strategy, after the other two.
        d.txtNumStates.Text("4");
        d.chkStateProbs.userClick();
        d.chkStrategy.userClick();
        d.txtIndicator.Text("");
        d.cmdOK.userClick();
        EXPECT_EQ(h().transcript.back(), inputError(kOutcomesInteger));
        EXPECT_EQ(dec.intNatureStateCount, 4);
        d.txtIndicator.Text("2.5");
        d.cmdOK.userClick();
        EXPECT_EQ(h().transcript.back(), inputError(kOutcomesInteger));
        EXPECT_EQ(dec.intIndicatorCount, 7);
        EXPECT_EQ(dec.strStrategyRequested, "NO");
        d.txtIndicator.Text("3");
        d.cmdOK.userClick();
    }, 3);
    EXPECT_EQ(dec.intAlternativeCount, 3);
    EXPECT_EQ(dec.intNatureStateCount, 4);
    EXPECT_EQ(dec.intIndicatorCount, 3);
    EXPECT_EQ(frmDecisionProblem().Grid[0]->Rows(), 4);
    EXPECT_EQ(frmDecisionProblem().Grid[2]->Cols(), 4);
}

// A refusal as the focus leaves a box for OK is told once; the click does not go on.
TEST_F(FeaturesDialogTest, ARefusalOnLeavingForOkIsToldOnce) {
    newProblem([&](FrmDecisionFeatures& d) {
        d.txtNumAlternatives.Text("2");
        d.txtNumStates.SetFocus();
        d.txtNumStates.Text("0");
        d.cmdOK.userClick();
        EXPECT_EQ(h().transcript.back(), inputError(kStatesRange));
        EXPECT_EQ(pf::focusedControl(), &d.txtNumStates);
        // Entering the box again selects its text.
        EXPECT_EQ(d.txtNumStates.SelLength(), 1);
        d.txtNumStates.Text("2");
        d.cmdOK.userClick();
    }, 1);
    EXPECT_EQ(qv::S().dec.intNatureStateCount, 2);
    EXPECT_EQ(qv::S().strProblemEntered, "YES");
}

TEST_F(FeaturesDialogTest, CancelAndTheCloseCommandKeepWhatTheBoxesStored) {
    for (bool closeCommand : {false, true}) {
        SCOPED_TRACE(closeCommand ? "close command" : "Cancel");
        qv::S().dec.intNatureStateCount = 9;
        newProblem([&](FrmDecisionFeatures& d) {
            d.txtNumAlternatives.Text("5");
            d.txtNumStates.SetFocus();  // leaving alternatives stores 5
            d.txtNumStates.Text("3");
            d.chkStateProbs.userClick();
            if (closeCommand)
                QMetaObject::invokeMethod(d.window(), "reject");
            else
                d.cmdCancel.userClick();
        });
        const auto& s = qv::S();
        EXPECT_TRUE(s.blnDialogCancelled);
        EXPECT_EQ(s.dec.intAlternativeCount, 5);
        EXPECT_EQ(s.dec.intNatureStateCount, 3);  // stored as the focus left for Cancel
        EXPECT_EQ(s.dec.strStateProbsGiven, "NO");
        EXPECT_EQ(s.strProblemEntered, "NO");
        EXPECT_FALSE(frmDecisionProblem().Grid[0]->Visible());
        EXPECT_EQ(pf::focusedForm(), &frmMenu());
        EXPECT_FALSE(pf::isLoaded<FrmDecisionFeatures>());
    }
}

TEST_F(FeaturesDialogTest, EnterAndEscapeDoNothing) {
    newProblem([&](FrmDecisionFeatures& d) {
        d.txtNumAlternatives.Text("2");
        d.txtNumStates.Text("2");
        for (pf::TextBox* box : {&d.txtNumAlternatives, &d.txtNumStates}) {
            box->SetFocus();
            for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
                QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
                QCoreApplication::sendEvent(box->widget(), &press);
            }
        }
        EXPECT_TRUE(pf::isLoaded<FrmDecisionFeatures>());
        EXPECT_TRUE(d.Visible() || d.isModalRunning());
        EXPECT_FALSE(d.cmdOK.isDefault());
        EXPECT_FALSE(d.cmdCancel.isCancel());
        d.cmdOK.userClick();
    });
    EXPECT_FALSE(qv::S().blnDialogCancelled);
    EXPECT_EQ(h().transcript.size(), 4u);  // the modal, its end and the busy cursor twice
}

}  // namespace
