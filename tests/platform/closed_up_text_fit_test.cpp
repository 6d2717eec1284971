// Windows with rows that come and go, and grids of every size: what is hidden leaves
// no blank band, panels are as large as their tables, and captions and notes stand
// where they belong. Run with QV_SCREENSHOT_DIR set to keep a picture of each.
#include <gtest/gtest.h>

#include "tests/ui_grid_check.h"
#include "tests/ui_layout_check.h"
#include "tests/lp/lp_test_support.h"
#include "tests/ui_test_support.h"

#include <string>
#include <vector>

#include "decision/QVDecisionAnalysis.h"
#include "decision/frmDecisionFeatures.h"
#include "decision/frmDecisionProblem.h"
#include "forecast/QVForecasting.h"
#include "forecast/frmForecastingModels.h"
#include "inventory/InventoryForms.h"
#include "inventory/QVInvent.h"
#include "lp/QVLP.h"
#include "lp/core/TextModel.h"
#include "lp/frmLPproblem.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Grid.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmProblem.h"
#include "shell/frmUserInput.h"
#include "transport/QVTanda.h"
#include "transport/core/TransportModel.h"
#include "transport/frmErrorMsg.h"
#include "waiting/QVWait.h"
#include "waiting/frmWL_Model.h"

namespace {

using Texts = std::vector<std::string>;

pf::ScriptedHost& h() { return pf::scriptedHost(); }

// The dialogs' widest design gap between rows (over their buttons, under the last
// row) is 23 px: a wider one is a row hidden without the rest closing up.
constexpr int kRowGapPx = 24;

// The dialog shown, its texts whole and its rows closed up; with QV_SCREENSHOT_DIR
// set, a picture of it.
void expectClosedUp(pf::Form& f, const std::string& name) {
    SCOPED_TRACE(name);
    f.window()->show();
    qvtest::saveScreenshot(f.window(), name);
    EXPECT_EQ(qvtest::clippedTexts(f), Texts{});
    EXPECT_EQ(qvtest::blankBands(f, kRowGapPx), Texts{});
}

class ClosedUpTextFitTest : public ::testing::Test {
protected:
    void SetUp() override { qvtest::resetProgram(); }
    void TearDown() override {
        EXPECT_TRUE(h().allAnswersUsed());
        qv::S().strProblemEntered = "NO";
        pf::unloadAll();
    }
};

TEST_F(ClosedUpTextFitTest, TooLargeValueWindowEndsUnderItsButton) {
    qvtest::mainWindowAlone(2);
    qv::S().strProblemType = qv::kTransportationProblem;
    h().expectModal("frmErrorMsg", [](pf::Form& f) {
        expectClosedUp(f, "closed_frmErrorMsg");
        static_cast<FrmErrorMsg&>(f).cmdOK_Click();
    });
    QVTanda::ShowSupplyDemandTooLarge(2520000);
}

TEST_F(ClosedUpTextFitTest, DecisionFeaturesWithAndWithoutTheStrategyRows) {
    qvtest::mainWindowAlone(10);
    FrmDecisionFeatures& d = frmDecisionFeatures();
    expectClosedUp(d, "closed_frmDecisionFeatures");
    const int counts = d.Height();
    d.chkStateProbs.userClick();
    expectClosedUp(d, "closed_frmDecisionFeatures_probs");
    const int probs = d.Height();
    d.chkStrategy.userClick();
    expectClosedUp(d, "closed_frmDecisionFeatures_strategy");
    // Every row shown: the dialog as designed.
    EXPECT_EQ(d.Height(), 4560);
    EXPECT_LT(counts, probs);
    EXPECT_LT(probs, d.Height());
    d.chkStrategy.userClick();
    d.chkStateProbs.userClick();
    expectClosedUp(d, "closed_frmDecisionFeatures_again");
    EXPECT_EQ(d.Height(), counts);
}

TEST_F(ClosedUpTextFitTest, WaitingLineFormOfEachModel) {
    for (int model = 1; model <= 5; ++model) {
        const std::string name = "closed_frmWL_Model_" + std::to_string(model);
        qvtest::mainWindowAlone(9);
        auto& s = qv::S();
        s.wl.intWaitingLineModel = model;
        s.blnNewProblem = true;
        h().expectModal("frmWL_Model", [&](pf::Form& f) {
            auto& d = static_cast<FrmWLModel&>(f);
            expectClosedUp(f, name);
            // A row hidden on the left leaves no band there, though the buttons beside
            // it fill the band across the form.
            EXPECT_EQ(qvtest::columnGaps(f, kRowGapPx), Texts{});
            if (model != 4) {
                d.chkECONAnal.userClick();
                expectClosedUp(f, name + "_econ");
                EXPECT_EQ(qvtest::columnGaps(f, kRowGapPx), Texts{});
            }
            pf::Unload(f);
        });
        QVWait::ShowWaitingLineForm();
    }
}

TEST_F(ClosedUpTextFitTest, InventoryHoldingCostFrameWithAndWithoutTheUnitCostRow) {
    const char* const forms[] = {"", "frmEOQ", "frmProductionLotSize", "frmPlannedShortages", "", "frmQR_Prob"};
    for (int model : {1, 2, 3, 5}) {
        const std::string name = std::string("closed_") + forms[model];
        qvtest::mainWindowAlone(8);
        auto& s = qv::S();
        s.inv.ReDimArrays();
        s.inv.intInventoryModel = model;
        s.blnNewProblem = true;
        h().expectModal(forms[model], [&](pf::Form& f) {
            auto& w = dynamic_cast<FrmInventoryForm&>(f);
            ASSERT_TRUE(w.comboHoldingcostmethod);
            w.comboHoldingcostmethod->userSelect(1);
            const int percent = w.Height();
            expectClosedUp(w, name + "_percent");
            w.comboHoldingcostmethod->userSelect(0);
            expectClosedUp(w, name + "_amount");
            EXPECT_LT(w.Height(), percent);
            if (w.chkreorderpoint) {
                w.chkreorderpoint->userClick();
                expectClosedUp(w, name + "_amount_reorder");
                w.chkreorderpoint->userClick();
            }
            w.comboHoldingcostmethod->userSelect(1);
            EXPECT_EQ(w.Height(), percent);
            pf::Unload(w);
        });
        QVInvent::ShowInputForm();
    }
}

TEST_F(ClosedUpTextFitTest, ForecastingMethodDialogWithEachMethod) {
    qvtest::mainWindowAlone(11);
    qv::S().fc.intPeriodCount = 30;
    FrmForecastingModels& d = frmForecastingModels();
    expectClosedUp(d, "closed_frmForecastingModels_none");
    for (std::size_t m : {0u, 1u, 2u, 3u, 0u}) {
        d.Option1[m]->userClick();
        expectClosedUp(d, "closed_frmForecastingModels_" + std::to_string(m + 1));
    }
}

TEST_F(ClosedUpTextFitTest, TimeSeriesGridHugsItsTable) {
    for (int periods : {1, 12, 100}) {
        const std::string name = "closed_forecast_" + std::to_string(periods);
        SCOPED_TRACE(name);
        qvtest::mainWindowAlone(11);
        frmProblem().Show();
        h().expectModal("frmUserInput", [periods](pf::Form& f) {
            auto& d = static_cast<FrmUserInput&>(f);
            d.txtAnswer[0]->Text(std::to_string(periods));
            d.cmdOK_Click();
        });
        frmMenu().mnuFileNew->Click();
        const pf::Grid& g = frmProblem().gridDisplayEdit;
        EXPECT_EQ(qvtest::clippedInMainWindow(name, {&g}), Texts{});
        EXPECT_EQ(qvtest::oversizedPanel(g), Texts{});
        qv::S().strProblemEntered = "NO";
    }
}

TEST_F(ClosedUpTextFitTest, DecisionGridsHugTheirTablesAndTheNoteStaysInItsArea) {
    struct Case {
        int alternatives, states, outcomes;
    } cases[] = {{1, 1, 1}, {3, 3, 2}, {10, 10, 10}};
    for (const Case& c : cases) {
        const std::string name = "closed_decision_" + std::to_string(c.alternatives) + "x" + std::to_string(c.states);
        SCOPED_TRACE(name);
        qvtest::mainWindowAlone(10);
        auto& s = qv::S();
        s.dec.intAlternativeCount = c.alternatives;
        s.dec.intNatureStateCount = c.states;
        s.dec.intIndicatorCount = c.outcomes;
        s.dec.strStateProbsGiven = "YES";
        s.dec.strStrategyRequested = "YES";
        FrmDecisionProblem& w = frmDecisionProblem();
        w.Show();
        w.txtLoadInfo.Visible(false);
        w.lblLoadInfo.Visible(false);
        s.blnNewProblem = true;
        QVDecisionAnalysis::BuildDecisionInputScreen();
        s.blnNewProblem = false;
        EXPECT_EQ(qvtest::clippedInMainWindow(name, {w.Grid[0].get(), w.Grid[1].get(), w.Grid[2].get()}), Texts{});
        for (const auto& g : w.Grid) EXPECT_EQ(qvtest::oversizedPanel(*g), Texts{});
        // The note wraps inside the room the grids have, not out to the window's edge.
        const QRect note = w.lblInfo.widget()->geometry();
        EXPECT_LE(note.right() + 1, pf::twipsToPixels(FrmDecisionProblem::kGridLeft + FrmDecisionProblem::kGridRoomWidth));
        EXPECT_EQ(qvtest::textsOffMargin(w, 0), Texts{});
        s.strProblemEntered = "NO";
    }
}

TEST_F(ClosedUpTextFitTest, LinearProgramCaptionsStandOverTheVariablesColumns) {
    for (int n : {1, 3, 8}) {
        const std::string name = "closed_lp_2x" + std::to_string(n);
        SCOPED_TRACE(name);
        FrmLPproblem& w = qvtest::newLPLaidOut(1, 2, n);
        EXPECT_EQ(qvtest::clippedInMainWindow(name, {w.Grid[0].get(), w.Grid[1].get()}), Texts{});
        const std::pair<pf::Label*, pf::Grid*> captions[] = {{&w.lblObjFunction, w.Grid[0].get()},
                                                             {&w.lblcoeff, w.Grid[1].get()}};
        for (const auto& [caption, grid] : captions) {
            SCOPED_TRACE(caption->Caption());
            // Centred in its label: the text's middle is the label's.
            const int middle = caption->Left() + caption->Width() / 2;
            int first = grid->Left() + grid->ColWidth(0), last = first;
            for (int j = 1; j <= n; ++j) last += grid->ColWidth(j);
            EXPECT_GE(middle, first);
            EXPECT_LE(middle, last);
        }
        qv::S().strProblemEntered = "NO";
    }
}

}  // namespace
