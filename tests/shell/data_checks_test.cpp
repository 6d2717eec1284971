// The check pass of Save and Solve: the zero-fill question, the first bad row, the
// probability sums and the linear-programming missing entries.
#include "tests/shell/fake_module.h"

#include "shell/DataChecks.h"

namespace {

class DataCheckTest : public fake::CommandTest {};
using fake::home;

const std::string kZeroFill =
    "MSGBOX \"Problem Incomplete\" exclamation OK/Cancel \"Problem is incomplete.  Zeroes will be entered for "
    "empty cells\"";

std::string markovWarning(const char* sum) {
    return std::string("MSGBOX \"WARNING\" critical OK \"The sum of the probabilities for the states must equal "
                       "1!!!  The probabilities that you have input sum to ") +
           sum + ".  PLEASE REENTER THE PROBABILITIES.\" -> OK";
}

TEST_F(DataCheckTest, MarkovRowSumsAreCheckedWithTheirLimits) {
    struct Case {
        std::vector<std::string> row;
        const char* shown;  // nullptr: accepted
    } cases[] = {
        {{"0.333", "0.333", "0.333"}, "0.999"},
        {{"0.333", "0.333", "0.334"}, nullptr},
        {{"0.5", "0.5005", ""}, nullptr},
        {{"0.5", "0.502", ""}, "1.002"},
        {{"0.3", "0.3", "0.3"}, "0.900"},
        {{"", "", ""}, "0.000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row[0] + " " + c.row[1] + " " + c.row[2]);
        laidOut(3, {c.row[0], c.row[1], c.row[2], "1", "0", "0", "0", "0", "1"});
        const bool empties = c.row[2].empty();
        if (empties) h().expectMessage(pf::vbOK);
        if (c.shown) h().expectMessage(pf::vbOK);
        EXPECT_EQ(frmMenu().CheckProblemData(), c.shown == nullptr);
        if (c.shown) {
            EXPECT_EQ(h().transcript.back(), markovWarning(c.shown));
            auto& g = home().gridDisplayEdit;
            EXPECT_EQ(g.SelStartRow(), 1);
            EXPECT_EQ(g.SelEndCol(), 3);
            EXPECT_EQ(pf::focusedControl(), &g);
        }
        EXPECT_EQ(caption(), "Markov Processes Module");
        EXPECT_TRUE(h().allAnswersUsed());
        h().clearAnswers();
        pf::unloadAll();
        frmMenu();
        pf::Unload<FrmModuleSelection>();
        qv::S().intCurrentModule = 12;
        qv::S().strProblemEntered = "NO";
        frmMenu().lblmoduleindicator.Caption("Markov Processes Module");
    }
}

TEST_F(DataCheckTest, ZeroFillIsAskedOnceAndTheFirstBadRowStopsThePass) {
    // Row 1 sums wrongly; row 2 holds an invalid cell that must not be reached.
    laidOut(2, {"", "0.2", "x", ""});
    h().expectMessage(pf::vbOK);
    h().expectMessage(pf::vbOK);
    EXPECT_FALSE(frmMenu().CheckProblemData());
    ASSERT_EQ(h().transcript.size(), 2u);
    EXPECT_EQ(h().transcript[0], kZeroFill + " -> OK");
    EXPECT_EQ(h().transcript[1], markovWarning("0.200"));
    EXPECT_FALSE(qv::S().blnZeroFillPending);

    // Fixed row 1: the invalid cell of row 2 now stops the pass; the empty cell after
    // the question of a new pass is asked about again, once.
    h().transcript.clear();
    home().gridDisplayEdit.TextMatrix(1, 2, "1");
    h().expectMessage(pf::vbOK);  // zero fill
    h().expectMessage(pf::vbOK);  // the validator's message
    EXPECT_FALSE(frmMenu().CheckProblemData());
    ASSERT_EQ(h().transcript.size(), 2u);
    EXPECT_EQ(h().transcript[1], "MSGBOX \"Data Input Error\" critical OK \"NOT A NUMBER\" -> OK");
    EXPECT_EQ(home().gridDisplayEdit.SelStartRow(), 2);
    EXPECT_EQ(home().gridDisplayEdit.SelStartCol(), 1);
}

TEST_F(DataCheckTest, CancelledZeroFillSelectsNothingKeepsThePendingFlagAndGivesTheGridTheKeyboard) {
    laidOut(2, {"1", "", "0", "1"});
    auto& g = home().gridDisplayEdit;
    g.SelStartRow(2);
    pf::setFocusTo(nullptr, &frmMenu());
    h().expectMessage(pf::vbCancel);
    EXPECT_FALSE(frmMenu().CheckProblemData());
    EXPECT_EQ(h().transcript.back(), kZeroFill + " -> Cancel");
    EXPECT_TRUE(qv::S().blnZeroFillPending);
    EXPECT_EQ(g.SelStartRow(), 2);
    // The empty cell is current and its grid has the keyboard, for the next key.
    EXPECT_EQ(g.Row(), 1);
    EXPECT_EQ(g.Col(), 2);
    EXPECT_EQ(pf::focusedControl(), &g);
    EXPECT_EQ(caption(), "Markov Processes Module");
}

TEST_F(DataCheckTest, ModulesCheckedInTheirOwnWindowsPassUntouched) {
    for (int mod : {7, 8, 9}) {
        qv::S().intCurrentModule = mod;
        frmMenu().lblmoduleindicator.Caption("x");
        EXPECT_TRUE(frmMenu().CheckProblemData());
        EXPECT_EQ(caption(), "x");
    }
    EXPECT_TRUE(h().transcript.empty());
}

class LPWindow : public pf::Form {
public:
    LPWindow() : pf::Form("frmLPproblem", pf::FormKind::Child) {
        for (pf::Grid* g : {&objective, &constraints}) {
            g->Rows(3);
            g->Cols(4);
        }
    }
    pf::Grid objective{this, "Grid", 0};
    pf::Grid constraints{this, "Grid", 1};
};

TEST_F(DataCheckTest, LinearProgramReportsTheFirstMissingEntryOnly) {
    qv::S().intCurrentModule = 1;
    auto& w = pf::instance<LPWindow>();
    auto fill = [&] {
        for (int c = 1; c <= 3; ++c) w.objective.TextMatrix(0, c, "X" + std::to_string(c));
        for (int r = 1; r <= 2; ++r) {
            w.constraints.TextMatrix(r, 2, "<");
            w.constraints.TextMatrix(r, 3, "4");
        }
    };
    struct Case {
        const char* what;
        std::function<void()> spoil;
        const char* text;
        pf::Grid* grid;
        int row, col;
    } cases[] = {
        {"name and relation", [&] { w.objective.TextMatrix(0, 2, ""); w.constraints.TextMatrix(1, 2, ""); },
         "Variable Name Not Entered.", &w.objective, 0, 2},
        {"relation and rhs", [&] { w.constraints.TextMatrix(2, 2, ""); w.constraints.TextMatrix(2, 3, ""); },
         "Relation Not Entered.", &w.constraints, 2, 2},
        {"rhs of row 1 before relation of row 2",
         [&] { w.constraints.TextMatrix(1, 3, ""); w.constraints.TextMatrix(2, 2, ""); }, "RHS Value Not Entered.",
         &w.constraints, 1, 3},
        {"blank is not missing", [&] { w.constraints.TextMatrix(1, 3, " "); }, nullptr, nullptr, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fill();
        c.spoil();
        h().transcript.clear();
        if (c.text) h().expectMessage(pf::vbOK);
        EXPECT_EQ(frmMenu().CheckProblemData(), c.text == nullptr);
        if (!c.text) continue;
        EXPECT_EQ(h().transcript.back(),
                  std::string("MSGBOX \"Data Input Error\" critical OK \"") + c.text + "\" -> OK");
        EXPECT_EQ(c.grid->SelStartRow(), c.row);
        EXPECT_EQ(c.grid->SelStartCol(), c.col);
        EXPECT_EQ(caption(), "Markov Processes Module");
    }
}

TEST(DataCheckTexts, DecisionSumMessagesNameTheirRows) {
    EXPECT_EQ(qv::decisionSumMessage(1, 3, 0.999),
              "The sum of the probabilities for the 3 states of nature must equal 1!!!  The probabilities that you "
              "have input sum to 0.999.");
    EXPECT_EQ(qv::decisionSumMessage(2, 10, 1.25),
              "The sum of the probabilities for the 10 indicator outcomes must equal 1!!!  The probabilities that "
              "you have input sum to 1.250.");
    EXPECT_TRUE(qv::probabilitySumAccepted(0.9990001));
    EXPECT_TRUE(qv::probabilitySumAccepted(1.001));
    EXPECT_FALSE(qv::probabilitySumAccepted(0.333 + 0.333 + 0.333));
}

}  // namespace
