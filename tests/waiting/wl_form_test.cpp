// The waiting-line form driven as the user drives it: each model typed, saved and
// opened again.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/core/Format.h"
#include "platform/ui/Keys.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmModuleSelection.h"
#include "shell/frmuserlistinput.h"
#include "tests/ui_test_support.h"
#include "waiting/QVWait.h"
#include "waiting/frmWL_Model.h"

namespace {

pf::ScriptedHost& h() { return pf::scriptedHost(); }

class WaitingFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        qvtest::resetProgram();
        freshWindows();
    }
    void TearDown() override { qvtest::resetProgram(); }
    static void freshWindows() {
        qvtest::mainWindowAlone(9);
        qv::S().strProblemFileExt = "WLM";
    }
    // Types a text into a box and leaves it for `next`, as the user does.
    static void enter(pf::TextBox& box, const std::string& text, pf::Control& next) {
        box.SetFocus();
        box.Text(text);
        next.SetFocus();
    }
};

// What a problem is made of in the shared state, as a comparable text.
std::string Stored() {
    const qv::SharedState& s = qv::S();
    auto v = [](const pf::Value& x) { return x.IsEmpty() ? std::string("-") : pf::PlainNumber(x.num()); };
    return "model=" + std::to_string(s.wl.intWaitingLineModel) + " k=" + v(s.wl.intChannelCount) +
           " lambda=" + v(s.wl.dblArrivalRate) + " mu=" + v(s.wl.dblServiceRate) + " N=" + v(s.wl.intPopulationSize) +
           " sigma=" + v(s.wl.dblServiceStdDev) + " econ=" + s.wl.strEconomicAnalysis +
           " cw=" + pf::PlainNumber(s.dblCostPerUnit) + " cs=" + v(s.wl.dblChannelCost);
}

// Each model entered in its form, saved, and reopened from the file: the same boxes,
// the same check box and the same stored problem.
TEST_F(WaitingFormTest, EachModelRoundTripsThroughTheFile) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "qv_waiting_form";
    std::filesystem::create_directories(dir);
    struct Case {
        int model;
        std::vector<std::string> typed;  // boxes 0.. in order
        std::vector<std::string> costs;  // empty: no economic analysis
        std::vector<std::string> shown;  // the boxes after reopening (text form)
    } cases[] = {
        {1, {"3", "10", "4"}, {"5", "20"}, {"3", "10", "4", ""}},
        {2, {"2", "3", ".25"}, {"1.5", "0"}, {"2", "3", "0.25", ""}},
        {3, {"2", "3"}, {}, {"2", "3", "", ""}},
        {4, {"2", "1", "1,5"}, {}, {"2", "1", "15", ""}},
        {5, {"2", "0.5", "1", "3.9"}, {"2", "7.25"}, {"2", "0.5", "1", "3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.model);
        freshWindows();
        qv::SharedState& s = qv::S();
        s.blnNewProblem = true;
        const std::string path = (dir / ("M" + std::to_string(c.model) + ".WLM")).string();
        h().expectModal("frmuserlistinput", [&](pf::Form& form) {
            auto& d = static_cast<FrmUserListInput&>(form);
            d.lstModelSelection.userSelect(c.model - 1);
            d.cmdOK.userClick();
        });
        h().expectModal("frmWL_Model", [&](pf::Form& form) {
            auto& f = static_cast<FrmWLModel&>(form);
            for (std::size_t i = 0; i < c.typed.size(); ++i) enter(*f.txt_WL[i], c.typed[i], f.cmdCancel);
            if (!c.costs.empty()) {
                f.chkECONAnal.Value(1);
                for (std::size_t i = 0; i < 2; ++i) enter(*f.txtECONAnal[i], c.costs[i], f.cmdCancel);
            }
            h().expectFile(path);
            f.cmdSave.userClick();
            f.cmdCancel.userClick();  // a stored problem now: closes without a question
        });
        QVWait::NewWaitingLineProblem();
        pf::collectUnloaded();
        ASSERT_TRUE(std::filesystem::exists(path));
        const std::string before = Stored();

        // Another problem in the state, then the file opened.
        s.wl = qv::WaitingBlock();
        s.dblCostPerUnit = 99;
        s.strProblemEntered = "NO";
        std::vector<std::string> shown;
        int ticked = -1;
        bool frame = false;
        std::vector<std::string> costs;
        h().expectFile(path);
        h().expectModal("frmWL_Model", [&](pf::Form& form) {
            auto& f = static_cast<FrmWLModel&>(form);
            for (auto& b : f.txt_WL) shown.push_back(b->Text());
            ticked = f.chkECONAnal.Value();
            frame = f.frameECONAnal.Visible();
            for (auto& b : f.txtECONAnal) costs.push_back(b->Text());
            f.cmdCancel.userClick();
        });
        frmMenu().mnuFileOpen_Click();
        pf::collectUnloaded();
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(ticked, c.costs.empty() ? 0 : 1);
        EXPECT_EQ(frame, !c.costs.empty());
        const std::vector<std::string> noCosts = {"", ""};
        EXPECT_EQ(costs, c.costs.empty() ? noCosts : c.costs);
        EXPECT_EQ(Stored(), before);
        EXPECT_TRUE(h().allAnswersUsed());
    }
    std::filesystem::remove_all(dir);
}

// A stored problem (from a file) reopened and saved untouched: the check before Save
// meets what the boxes never checked. A service rate of 0 skips the capacity step and
// is caught by the warning of the channels' capacity.
TEST_F(WaitingFormTest, SaveOfAStoredProblemRunsTheChecksInOrder) {
    struct Case {
        int model;
        double k, lambda, mu, n;
        std::string message;  // "" accepted: the save dialog follows
        int focus;            // box index
    } cases[] = {
        {1, 2, 8, 0, 0,
         "MSGBOX \"WARNING!!!\" critical OK \"You have entered 8 arrivals per time period.  However, the 2 channel(s) "
         "can service only 0 units per time period.  The waiting line will grow without limit.\" -> OK",
         1},
        {2, 1, 2.5, 0, 0,
         "MSGBOX \"WARNING!!!\" critical OK \"You have entered 2.5 arrivals per time period.  However, the 1 "
         "channel(s) can service only 0 units per time period.  The waiting line will grow without limit.\" -> OK",
         1},
        {1, 2, 2.5, 1, 0,
         "MSGBOX \"Data Input Error\" critical OK \"The arrival rate must be less than 2 or the waiting line will "
         "grow without limit.\" -> OK",
         1},
        {3, 1, 0, 3, 0, "MSGBOX \"Data Input Error\" critical OK \"THE MEAN MUST BE POSITIVE.  PLEASE TRY AGAIN.\" -> OK",
         0},
        {5, 1, 100, 1, 3, "", -1},
        {4, 3, 100, 1, 0, "", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.model);
        freshWindows();
        qv::SharedState& s = qv::S();
        s.blnNewProblem = false;
        s.wl.intWaitingLineModel = c.model;
        s.wl.intChannelCount = c.k;
        s.wl.dblArrivalRate = c.lambda;
        s.wl.dblServiceRate = c.mu;
        s.wl.dblServiceStdDev = 1;
        s.wl.intPopulationSize = c.n;
        s.wl.strEconomicAnalysis = "NO";
        h().transcript.clear();
        h().expectModal("frmWL_Model", [&](pf::Form& form) {
            auto& f = static_cast<FrmWLModel&>(form);
            if (c.message.empty()) {
                h().expectFileCancel();
            } else {
                h().expectMessage(pf::vbOK);
            }
            f.cmdSave.userClick();
            if (!c.message.empty()) {
                EXPECT_EQ(h().transcript.back(), c.message);
                EXPECT_EQ(pf::focusedControl(), f.txt_WL[static_cast<std::size_t>(c.focus)].get());
            } else {
                EXPECT_EQ(h().transcript.back().rfind("SAVE DIALOG", 0), 0u) << h().transcript.back();
            }
            EXPECT_EQ(s.wl.dblArrivalRate.num(), c.lambda) << "the arrival rate as it was";
            // Model 2's service-rate box now has the focus: leaving it for Cancel checks it,
            // and the refused click cancels nothing; an emptied box lets Cancel through.
            if (c.model == 2) {
                h().expectMessage(pf::vbOK);
                f.cmdCancel.userClick();
                EXPECT_EQ(pf::focusedControl(), f.txt_WL[1].get());
                EXPECT_TRUE(f.Visible());
                f.txt_WL[1]->Text("");
            }
            f.cmdCancel.userClick();
        });
        QVWait::ShowWaitingLineForm();
        pf::collectUnloaded();
        EXPECT_TRUE(h().allAnswersUsed());
    }
}

// Esc typed in a box is the Cancel button: the question for a new problem, the list
// again after Yes.
TEST_F(WaitingFormTest, EscActsAsCancel) {
    qv::SharedState& s = qv::S();
    s.blnNewProblem = true;
    int lists = 0;
    auto list = [&](bool pick) {
        h().expectModal("frmuserlistinput", [&, pick](pf::Form& form) {
            ++lists;
            auto& d = static_cast<FrmUserListInput&>(form);
            if (pick) {
                d.lstModelSelection.userSelect(4);
                d.cmdOK.userClick();
            } else {
                EXPECT_EQ(s.wl.intWaitingLineModel, 0);
                d.cmdCancel.userClick();
            }
        });
    };
    list(true);
    h().expectModal("frmWL_Model", [&](pf::Form& form) {
        auto& f = static_cast<FrmWLModel&>(form);
        f.txt_WL[3]->SetFocus();
        f.txt_WL[3]->deliverKey(pf::vbKeyEscape, 0, 27);
        EXPECT_EQ(h().transcript.back(),
                  "MSGBOX \"Cancel Current Problem\" none Yes/No \"Are you sure you wish to cancel the current "
                  "problem?\" -> No");
        EXPECT_TRUE(f.Visible()) << "No keeps the form";
        // Whichever control has the focus.
        f.chkECONAnal.SetFocus();
        f.chkECONAnal.deliverKey(pf::vbKeyEscape, 0, 27);
        EXPECT_EQ(f.chkECONAnal.Value(), 0);
        f.cmdSave.SetFocus();
        f.cmdSave.deliverKey(pf::vbKeyEscape, 0, 27);
    });
    h().expectMessage(pf::vbNo);
    h().expectMessage(pf::vbNo);
    h().expectMessage(pf::vbYes);
    list(false);
    QVWait::NewWaitingLineProblem();
    pf::collectUnloaded();
    EXPECT_EQ(lists, 2);
    EXPECT_TRUE(h().allAnswersUsed());
}

// A channel count out of range stays stored, as typed; digits beyond the double range
// are no count at all: refused with the same message, and the stored one kept, so the
// problem can still be saved.
TEST_F(WaitingFormTest, ChannelBoxKeepsOutOfRangeCountsButNotNumbersBeyondDoubles) {
    qv::SharedState& s = qv::S();
    s.wl.intWaitingLineModel = 1;
    s.blnNewProblem = false;  // Cancel then closes without its question
    const std::string refused =
        "MSGBOX \"Data Input Error\" critical OK \"THE NUMBER OF CHANNELS MUST BE BETWEEN 1 AND 25.  PLEASE TRY "
        "AGAIN.\" -> OK";
    struct Step {
        const char* text;
        bool message;
        double stored;
    } steps[] = {{"3", false, 3}, {"26.5", true, 26}, {"1e999", true, 26}, {"2,4", false, 24}, {"9", false, 9}};
    h().expectModal("frmWL_Model", [&](pf::Form& form) {
        auto& f = static_cast<FrmWLModel&>(form);
        for (const Step& st : steps) {
            SCOPED_TRACE(st.text);
            h().transcript.clear();
            if (st.message) h().expectMessage(pf::vbOK);
            enter(*f.txt_WL[0], st.text, *f.txt_WL[1]);
            EXPECT_EQ(h().transcript.empty() ? std::string() : h().transcript.back(), st.message ? refused : "");
            EXPECT_EQ(s.wl.intChannelCount.num(), st.stored);
        }
        f.cmdCancel.userClick();
    });
    QVWait::ShowWaitingLineForm();
    pf::collectUnloaded();
    EXPECT_TRUE(h().allAnswersUsed());
}

}  // namespace
