#include <gtest/gtest.h>

#include "tests/ui_test_support.h"

#include <optional>
#include <string>

#include "platform/ui/Keys.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmUserInput.h"

namespace {

const std::string kTooLongForDouble(400, '9');

class DimensionsDialogTest : public qvtest::MainWindowTest {
protected:
    static pf::ScriptedHost& h() { return pf::scriptedHost(); }
    static std::string refusal(const std::string& text) {
        return "MSGBOX \"Data Input Error\" critical OK \"" + text + "\" -> OK";
    }
};

// Reads the field the module's answers are stored in.
double storedFirst(int module) {
    auto& s = qv::S();
    switch (module) {
        case 2: case 3: return s.tr.intOriginCount;
        case 5: case 6: return s.intNodeCount;
        case 8: return s.inv.intDiscountCount;
        case 11: return s.fc.intPeriodCount;
        case 12: return s.mk.intStateCount;
        default: return 0;
    }
}
double storedSecond(int module) {
    auto& s = qv::S();
    switch (module) {
        case 2: case 3: return s.tr.intDestinationCount;
        case 5: case 6: return s.intArcCount;
        default: return 0;
    }
}

struct OkCase {
    int module;
    std::string a0, a1;
    std::string message;  // empty: accepted
    int box;              // the box handed back after a refusal
    double first, second; // stored counts when accepted
};

const char* const kOrigins = "Number of origins must be an integer.";
const char* const kDestinations = "Number of destinations must be an integer.";
const char* const kOneTo30 = "You may only select a number between 1 and 30.  PLEASE TRY AGAIN.";
const char* const kNodes = "You may only select between 2 and 20 Nodes.  Please Try Again.";
const char* const kArcs = "You may only have between 1 and 40 arcs.  Please Try Again.";
const char* const kCategories = "You may only select a number between 1 and 5.  Please Try Again.";
const char* const kPeriods = "YOU MAY ONLY SELECT A NUMBER BETWEEN 1 AND 100.  PLEASE TRY AGAIN.";
const char* const kStates = "YOU MAY ONLY SELECT A NUMBER BETWEEN 1 AND 10.  PLEASE TRY AGAIN.";

TEST_F(DimensionsDialogTest, OkChecksEveryAnswerByModule) {
    const OkCase cases[] = {
        // Transportation and assignment: whole numbers 1 to 30.
        {2, "", "5", kOrigins, 0, 0, 0},
        {2, "2.5", "5", kOrigins, 0, 0, 0},
        {2, "ABC", "5", kOrigins, 0, 0, 0},
        {2, "5", "", kDestinations, 1, 0, 0},
        {2, "5", "2.5", kDestinations, 1, 0, 0},
        {2, "5", "x", kDestinations, 1, 0, 0},
        {2, "0", "5", kOneTo30, 0, 0, 0},
        {2, "31", "5", kOneTo30, 0, 0, 0},
        {2, "-3", "5", kOneTo30, 0, 0, 0},
        {2, "+", "5", kOneTo30, 0, 0, 0},
        {2, "5", "31", kOneTo30, 1, 0, 0},
        {2, "5", "0", kOneTo30, 1, 0, 0},
        {2, kTooLongForDouble, "5", kOneTo30, 0, 0, 0},
        {2, "5", kTooLongForDouble, kOneTo30, 1, 0, 0},
        {2, "30", "30", "", 0, 30, 30},
        {2, "1,000", "5", kOneTo30, 0, 0, 0},  // a thousand, not 1
        {2, "5", "1,000", kOneTo30, 1, 0, 0},
        {2, "1,2", "2,0", "", 0, 12, 20},
        {2, "1", "1", "", 0, 1, 1},
        {3, "2.5", "4", kOrigins, 0, 0, 0},
        {3, "31", "4", kOneTo30, 0, 0, 0},
        {3, "4", "7", "", 0, 4, 7},
        // Networks: no integer test.
        {5, "2.5", "3", "", 0, 2, 3},
        {5, "1", "3", kNodes, 0, 0, 0},
        {5, "21", "3", kNodes, 0, 0, 0},
        {5, "", "3", kNodes, 0, 0, 0},
        {5, kTooLongForDouble, "3", kNodes, 0, 0, 0},
        {5, "5", "0", kArcs, 1, 0, 0},
        {5, "5", "41", kArcs, 1, 0, 0},
        {5, "5", kTooLongForDouble, kArcs, 1, 0, 0},
        {6, "3", "40", "", 0, 3, 40},  // more arcs than three nodes can have: not refused here
        {6, "20", "1", "", 0, 20, 1},
        // Quantity-discount categories.
        {8, "5", "", "", 0, 5, 0},
        {8, "1.5", "", "", 0, 1, 0},
        {8, "6", "", kCategories, 0, 0, 0},
        {8, "0.5", "", kCategories, 0, 0, 0},
        {8, "", "", kCategories, 0, 0, 0},
        // Time periods: a 16-bit count.
        {11, "100", "", "", 0, 100, 0},
        {11, "1", "", "", 0, 1, 0},
        {11, "101", "", kPeriods, 0, 0, 0},
        {11, "0", "", kPeriods, 0, 0, 0},
        {11, "32768", "", kPeriods, 0, 0, 0},
        {11, "99999999999", "", kPeriods, 0, 0, 0},
        {11, "-40000", "", kPeriods, 0, 0, 0},
        {11, kTooLongForDouble, "", kPeriods, 0, 0, 0},
        // Markov states.
        {12, "10.5", "", "", 0, 10, 0},
        {12, "1", "", "", 0, 1, 0},
        {12, "0.5", "", kStates, 0, 0, 0},
        {12, "11", "", kStates, 0, 0, 0},
        {12, kTooLongForDouble, "", kStates, 0, 0, 0},
        // Any other module: accepted at once.
        {7, "anything", "", "", 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("module " + std::to_string(c.module) + " answers \"" + c.a0.substr(0, 12) +
                     "\" \"" + c.a1.substr(0, 12) + "\"");
        pf::unloadAll();
        qv::resetState();
        frmMenu();
        h().transcript.clear();
        auto& s = qv::S();
        s.intCurrentModule = c.module;
        s.blnDialogCancelled = true;
        FrmUserInput& d = frmUserInput();
        d.fillTextsFor(c.module);
        d.txtAnswer[0]->Text(c.a0);
        d.txtAnswer[1]->Text(c.a1);
        if (!c.message.empty()) h().expectMessage(pf::vbOK);
        d.cmdOK.userClick();
        EXPECT_TRUE(h().allAnswersUsed());
        if (c.message.empty()) {
            EXPECT_TRUE(h().transcript.empty());
            EXPECT_FALSE(pf::isLoaded<FrmUserInput>());
            EXPECT_FALSE(s.blnDialogCancelled);
            EXPECT_EQ(storedFirst(c.module), c.first);
            EXPECT_EQ(storedSecond(c.module), c.second);
        } else {
            ASSERT_EQ(h().transcript.size(), 1u);
            EXPECT_EQ(h().transcript[0], refusal(c.message));
            ASSERT_TRUE(pf::isLoaded<FrmUserInput>());
            EXPECT_TRUE(s.blnDialogCancelled);  // untouched: the dialog is still open
            pf::TextBox& box = *d.txtAnswer[static_cast<std::size_t>(c.box)];
            EXPECT_EQ(pf::focusedControl(), &box);
            EXPECT_EQ(box.SelStart(), 0);
            EXPECT_EQ(box.SelLength(), static_cast<int>(box.Text().size()));
            EXPECT_EQ(s.strNumericOK, "YES");
        }
    }
}

TEST_F(DimensionsDialogTest, RefusedAnswersKeepWhatWasStoredBeforeTheFailedTest) {
    auto& s = qv::S();
    s.intCurrentModule = 2;
    FrmUserInput& d = frmUserInput();
    d.txtAnswer[0]->Text("12");
    d.txtAnswer[1]->Text("40");
    h().expectMessage(pf::vbOK);
    d.cmdOK.userClick();
    EXPECT_EQ(s.tr.intOriginCount, 12);
    EXPECT_EQ(s.tr.strOriginCountText, "12");
    EXPECT_EQ(s.tr.strDestinationCountText, "40");
    EXPECT_EQ(s.tr.intDestinationCount, 0);

    s.intCurrentModule = 5;
    d.txtAnswer[0]->Text("7");
    d.txtAnswer[1]->Text("50");
    h().expectMessage(pf::vbOK);
    d.cmdOK.userClick();
    EXPECT_EQ(s.intNodeCount, 7);
    EXPECT_EQ(s.intArcCount, 0);

    s.intCurrentModule = 11;
    d.txtAnswer[0]->Text("101");
    h().expectMessage(pf::vbOK);
    d.cmdOK.userClick();
    EXPECT_EQ(s.fc.intPeriodCount, 101);
    // A count the field cannot hold is not stored at all.
    d.txtAnswer[0]->Text("70000");
    h().expectMessage(pf::vbOK);
    d.cmdOK.userClick();
    EXPECT_EQ(s.fc.intPeriodCount, 101);

    s.intCurrentModule = 12;
    d.txtAnswer[0]->Text("0.5");
    h().expectMessage(pf::vbOK);
    d.cmdOK.userClick();
    EXPECT_EQ(s.mk.intStateCount.num(), 0.0);
    EXPECT_FALSE(s.mk.intStateCount.IsEmpty());
    EXPECT_TRUE(pf::isLoaded<FrmUserInput>());
}

struct TextsCase {
    int module;
    const char* caption;
    const char* q0;
    const char* q1;    // nullptr: one question
    const char* note;  // nullptr: Label1 hidden
};

TEST_F(DimensionsDialogTest, CallerSeesTheModulesTextsAndLayout) {
    const TextsCase cases[] = {
        {2, " Origins and Destinations", "Enter the number of ORIGINS (MAX=30):",
         "Enter the number of DESTINATIONS (MAX=30):", nullptr},
        {3, " Agents and Tasks", "Enter the number of AGENTS (MAX=30):",
         "Enter the number of TASKS (MAX=30):", nullptr},
        {5, " Nodes and Arcs", "Enter the number of NODES (MAX=20):", "Enter the number of ARCS (MAX=40):",
         nullptr},
        {6, " Nodes and Arcs", "Enter the number of NODES (MAX=20):", "Enter the number of ARCS (MAX=40):",
         nullptr},
        {8, " Discount Categories", "Enter Number of Categories (MAX=5):", nullptr,
         "(Include the No Discount Category)"},
        {11, " Time Periods", "Enter Number of Time Periods (MAX=100):", nullptr, nullptr},
        {12, " Markov Process", "Enter the Number of States (1 to 10):", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("module " + std::to_string(c.module));
        qv::S().intCurrentModule = c.module;
        h().expectModal("frmUserInput", [&](pf::Form& f) {
            auto& d = static_cast<FrmUserInput&>(f);
            EXPECT_EQ(f.kind(), pf::FormKind::Dialog);
            EXPECT_EQ(d.lblCaption.Caption(), c.caption);
            EXPECT_EQ(d.lblQuestion[0]->Caption(), c.q0);
            EXPECT_EQ(d.lblQuestion[1]->Visible(), c.q1 != nullptr);
            EXPECT_EQ(d.txtAnswer[1]->Visible(), c.q1 != nullptr);
            if (c.q1) {
                EXPECT_EQ(d.lblQuestion[1]->Caption(), c.q1);
            }
            EXPECT_EQ(d.Label1.Visible(), c.note != nullptr);
            if (c.note) {
                EXPECT_EQ(d.Label1.Caption(), c.note);
            }
            EXPECT_EQ(d.txtAnswer[0]->Text(), "");
            EXPECT_EQ(pf::focusedControl(), d.txtAnswer[0].get());
            static_cast<pf::TextBox*>(f.control("txtAnswer(0)"))->Text("2");
            if (c.q1) static_cast<pf::TextBox*>(f.control("txtAnswer(1)"))->Text("3");
            f.control("cmdOK")->userClick();
        });
        EXPECT_TRUE(qv::askDimensions());
        EXPECT_FALSE(pf::isLoaded<FrmUserInput>());
        EXPECT_EQ(storedFirst(c.module), 2);
    }
    EXPECT_TRUE(h().allAnswersUsed());
}

TEST_F(DimensionsDialogTest, CancelAsksAndOnlyYesEndsTheDialogUnstored) {
    auto& s = qv::S();
    s.intCurrentModule = 2;
    const std::string ask =
        "MSGBOX \"Cancel Current Problem\" question Yes/No "
        "\"Are you sure you wish to cancel the current problem?\"";
    h().expectModal("frmUserInput", [&](pf::Form& f) {
        auto& d = static_cast<FrmUserInput&>(f);
        d.txtAnswer[0]->Text("4");
        d.txtAnswer[1]->Text("6");
        h().expectMessage(pf::vbNo);
        d.cmdCancel.userClick();
        EXPECT_EQ(h().transcript.back(), ask + " -> No");
        EXPECT_TRUE(pf::isLoaded<FrmUserInput>());
        EXPECT_EQ(d.txtAnswer[0]->Text(), "4");
        EXPECT_EQ(d.txtAnswer[1]->Text(), "6");
        h().expectMessage(pf::vbYes);
        d.cmdCancel.userClick();
        EXPECT_EQ(h().transcript.back(), ask + " -> Yes");
    });
    EXPECT_FALSE(qv::askDimensions());
    EXPECT_TRUE(s.blnDialogCancelled);
    EXPECT_EQ(s.tr.intOriginCount, 0);
    EXPECT_EQ(s.tr.intDestinationCount, 0);
    EXPECT_EQ(s.tr.strOriginCountText, "");
    EXPECT_FALSE(pf::isLoaded<FrmUserInput>());
    // The main window has the focus; the keyboard is with the window in front, here
    // the module chooser.
    EXPECT_EQ(pf::focusedForm(), &frmModuleSelection());

    // The next use starts from the design state.
    FrmUserInput& d = frmUserInput();
    EXPECT_EQ(d.txtAnswer[0]->Text(), "");
    EXPECT_TRUE(d.txtAnswer[1]->Visible());
    EXPECT_FALSE(d.Label1.Visible());
}

TEST_F(DimensionsDialogTest, TabbingIntoAnAnswerSelectsItsWholeText) {
    FrmUserInput& d = frmUserInput();
    d.txtAnswer[1]->Text("125");
    d.txtAnswer[1]->SelStart(3);
    ASSERT_EQ(pf::focusedControl(), d.txtAnswer[0].get());
    d.txtAnswer[0]->deliverKey(pf::vbKeyTab, 0, 9);
    ASSERT_EQ(pf::focusedControl(), d.txtAnswer[1].get());
    EXPECT_EQ(d.txtAnswer[1]->SelStart(), 0);
    EXPECT_EQ(d.txtAnswer[1]->SelLength(), 3);
    // Typing replaces the selected answer.
    pf::SendKeys("7", true);
    EXPECT_EQ(d.txtAnswer[1]->Text(), "7");
}

}  // namespace
