// The tableau's cell checks: result, message or value-too-large window, what is
// stored, the decimal places, and where the selection goes on a refusal.
#include <gtest/gtest.h>

#include <limits>

#include "tests/transport/transport_ui_support.h"

namespace {

using trui::h;

class TransportCellChecks : public ::testing::Test {
protected:
    void TearDown() override { pf::unloadAll(); }
};

enum class Cell { Cost, Supply, Demand };

constexpr double kKept = -424242;  // the stored value before the check: a refusal keeps it
const std::string kWindow = "WINDOW";
const std::string kLong(400, '9');

struct Case {
    const char* name;
    Cell cell;
    std::string text;
    bool zeroFill;
    int result;
    std::string message;  // "" none, kWindow for frmErrorMsg, else the message box text
    double stored;        // kKept: unchanged
    int decimals = 0;
    std::string windowLine3 = "";
};

const char* const kCostNaN = "The Cost/Revenue Must Be A Number.";
const char* const kSupplyNaN = "Supply Must Have A Numeric Value.";
const char* const kDemandNaN = "DEMAND Must Have A Numeric Value.";

const std::vector<Case> kCases = {
    {"cost 12.5", Cell::Cost, "12.5", false, 0, "", 12.5, 1},
    {"cost 3.25", Cell::Cost, "3.25", false, 0, "", 3.25, 2},
    {"cost 3.004 counts no decimals", Cell::Cost, "3.004", false, 0, "", 3.004, 0},
    {"cost 1234.56 kept as entered", Cell::Cost, "1234.56", false, 0, "", 1234.56, 2},
    {"cost 999999.9", Cell::Cost, "999999.9", false, 0, "", 999999.9, 1},
    {"cost -999999", Cell::Cost, "-999999", false, 0, "", -999999, 0},
    {"cost 1000000", Cell::Cost, "1000000", false, 999, kWindow, kKept, 0,
     "Your cost/revenue value of 1000000 is too large."},
    {"cost -1000000", Cell::Cost, "-1000000", false, 999, kWindow, kKept, 0,
     "Your cost/revenue value of -1000000 is too large."},
    {"cost quoted as typed", Cell::Cost, "-2,500,000", false, 999, kWindow, kKept, 0,
     "Your cost/revenue value of -2,500,000 is too large."},
    {"cost beyond any double", Cell::Cost, kLong, false, 999, kWindow, kKept, 0,
     "Your cost/revenue value of " + kLong + " is too large."},
    {"cost -7", Cell::Cost, "-7", false, 0, "", -7},
    {"cost letters", Cell::Cost, "abc", false, 999, kCostNaN, kKept},
    {"cost with a grouping comma", Cell::Cost, "1,500", false, 0, "", 1500},
    {"empty cost while editing", Cell::Cost, "", false, 0, "", 0},
    {"empty cost in the check pass", Cell::Cost, "", true, 888, "", 0},
    {"supply 25", Cell::Supply, "25", false, 0, "", 25},
    {"supply 0", Cell::Supply, "0", false, 0, "", 0},
    {"supply 1,500", Cell::Supply, "1,500", false, 0, "", 1500},
    {"supply 2.5", Cell::Supply, "2.5", false, 999, kSupplyNaN, kKept},
    {"supply 2.0", Cell::Supply, "2.0", false, 999, kSupplyNaN, kKept},
    {"supply -5 leaves the node", Cell::Supply, "-5", false, 999, "SUPPLY CANNOT BE NEGATIVE.", kKept},
    {"supply 1000000", Cell::Supply, "1000000", false, 999, kWindow, kKept, 0,
     "Your supply/demand value of 1000000 is too large."},
    {"supply of twenty digits", Cell::Supply, "12345678901234567890", false, 999, kWindow, kKept, 0,
     "Your supply/demand value of 12345678901234600000 is too large."},
    {"supply beyond any double", Cell::Supply, kLong, false, 999, kSupplyNaN, kKept},
    {"supply letters", Cell::Supply, "x", false, 999, kSupplyNaN, kKept},
    {"empty supply while editing", Cell::Supply, "", false, 0, "", 0},
    {"empty supply in the check pass", Cell::Supply, "", true, 888, "", 0},
    {"demand 25", Cell::Demand, "25", false, 0, "", -25},
    {"demand 0", Cell::Demand, "0", false, 0, "", 0},
    {"demand 2.0", Cell::Demand, "2.0", false, 999, kDemandNaN, kKept},
    {"demand -5 leaves the node", Cell::Demand, "-5", false, 999, "NOTE:  DEMAND CANNOT BE NEGATIVE.", kKept},
    {"demand 1000000", Cell::Demand, "1000000", false, 999, kWindow, kKept, 0,
     "Your supply/demand value of 1000000 is too large."},
    {"demand beyond any double", Cell::Demand, kLong, false, 999, kDemandNaN, kKept},
    {"empty demand in the check pass", Cell::Demand, "", true, 888, "", 0},
};

// A 3 x 4 transportation problem; the cell under test is cost (2, 3), the supply of
// origin 2 or the demand of destination 3 (node 6).
TEST_F(TransportCellChecks, EveryCellKind) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        trui::newProblem(2, 3, 4);
        auto& s = qv::S();
        auto& t = s.tr;
        const long arc = qv::arcIndex(2, 3, 4);
        t.dblArcCosts(arc) = kKept;
        t.lngNodeSupplies(2) = static_cast<std::int32_t>(kKept);
        t.lngNodeSupplies(6) = static_cast<std::int32_t>(kKept);
        s.blnZeroFillPending = c.zeroFill;
        pf::Grid& g = frmProblem().gridDisplayEdit;
        g.SelStartRow(1);
        g.SelStartCol(1);
        std::vector<std::string> window;
        bool flagWhileOpen = false;
        if (c.message == kWindow) trui::expectErrorWindow(window, &flagWhileOpen);
        else if (!c.message.empty()) h().expectMessage(pf::vbOK);

        int result = 0;
        double stored = 0;
        switch (c.cell) {
            case Cell::Cost:
                result = QVTanda::CheckCostCell(2, 3, c.text);
                stored = t.dblArcCosts(arc).num();
                break;
            case Cell::Supply:
                result = QVTanda::CheckSupplyCell(2, c.text);
                stored = t.lngNodeSupplies(2);
                break;
            case Cell::Demand:
                result = QVTanda::CheckDemandCell(6, c.text);
                stored = t.lngNodeSupplies(6);
                break;
        }
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(stored, c.stored);
        EXPECT_EQ(s.intDecimalPlaces.num(), c.decimals);
        EXPECT_TRUE(h().allAnswersUsed());
        EXPECT_FALSE(s.blnErrorWindowOpen);
        EXPECT_EQ(s.strNumericOK, c.text.empty() ? "NO" : "YES");  // a refusal resets the verdict
        if (c.message == kWindow) {
            EXPECT_TRUE(flagWhileOpen);
            ASSERT_EQ(window.size(), 9u);
            EXPECT_EQ(window[3], c.windowLine3);
            EXPECT_EQ(window[0], c.cell == Cell::Cost ? "WARNING:  YOUR COST/REVENUE VALUE IS TOO LARGE!!!"
                                                       : "WARNING:  YOUR SUPPLY/DEMAND VALUE IS TOO LARGE!!!");
        } else if (!c.message.empty()) {
            ASSERT_FALSE(h().transcript.empty());
            EXPECT_EQ(h().transcript.back(), trui::inputError(c.message));
        }
        if (c.result == 999) {
            if (c.cell != Cell::Demand) {
                EXPECT_EQ(g.SelStartRow(), 2);
            }
            if (c.cell != Cell::Supply) {
                EXPECT_EQ(g.SelStartCol(), 3);
            }
        }
        if (c.cell == Cell::Cost && c.result != 999) {
            EXPECT_EQ(t.lngArcTails(arc), 2);
            EXPECT_EQ(t.intArcHeads(arc), 6);
        }
    }
}

TEST_F(TransportCellChecks, TheValueTooLargeWindowLines) {
    for (int module : {2, 3}) {
        trui::newProblem(module, 2, 2);
        std::vector<std::string> window;
        trui::expectErrorWindow(window);
        EXPECT_EQ(QVTanda::CheckCostCell(1, 1, "2520000"), 999);
        const std::string kind = module == 2 ? "transportation" : "assignment";
        EXPECT_EQ(window, (std::vector<std::string>{
                              "WARNING:  YOUR COST/REVENUE VALUE IS TOO LARGE!!!",
                              "This module is designed to handle " + kind + " cost/revenue values ",
                              "up to one million (1000000).",
                              "Your cost/revenue value of 2520000 is too large.",
                              "Rescale the data so that",
                              "     1.  all data are less than 1000000 and",
                              "     2.  the rescaled data do not require more than two decimal places.",
                              "For example, a cost of 2520000 could be rescaled to 2.52",
                              "Please rescale your cost/revenue data and reenter the problem.",
                          }));
    }
    trui::newProblem(2, 2, 2);
    std::vector<std::string> window;
    trui::expectErrorWindow(window);
    QVTanda::ShowSupplyDemandTooLarge(2520000);
    EXPECT_EQ(window[3], "Your supply/demand value of 2520000 is too large.");
    EXPECT_EQ(window[7], "For example, a supply of 2520000 could be rescaled to 2.52");
    EXPECT_EQ(frmErrorMsg().Text1.Caption(), " Data Input Error");
}

TEST_F(TransportCellChecks, TheWindowsCloseCommandActsAsOK) {
    trui::newProblem(2, 2, 2);
    h().expectModal("frmErrorMsg", [](pf::Form& f) { f.CloseCommand(); });
    EXPECT_EQ(QVTanda::CheckSupplyCell(1, "5000000"), 999);
    EXPECT_FALSE(pf::isLoaded<FrmErrorMsg>());
    EXPECT_FALSE(qv::S().blnErrorWindowOpen);
}

TEST_F(TransportCellChecks, LeavingTheGridWhileTheWindowShowsChecksNothingAgain) {
    trui::newProblem(2, 2, 2);
    FrmProblem& f = frmProblem();
    pf::Grid& g = f.gridDisplayEdit;
    f.editor().moveTo(1, 1);
    g.Text("1000000");
    h().expectModal("frmErrorMsg", [&](pf::Form& w) {
        // The modal window took the focus: the grid's focus-loss check must stand back.
        f.editor().LostFocus();
        static_cast<FrmErrorMsg&>(w).cmdOK_Click();
    });
    EXPECT_FALSE(f.editor().checkCurrentCell());
    EXPECT_EQ(g.Text(), "");
    EXPECT_TRUE(h().allAnswersUsed());
}

TEST_F(TransportCellChecks, RoutingByCell) {
    // The corner of the transportation tableau is never checked; every data cell of
    // the assignment tableau is a cost.
    trui::newProblem(2, 2, 3);
    int result = -1;
    FrmProblem& f = frmProblem();
    f.gridDisplayEdit.Row(3);
    f.gridDisplayEdit.Col(4);
    f.gridDisplayEdit.Text("abc");
    f.ValidateCell(result);
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(h().transcript.empty());
    f.gridDisplayEdit.Row(3);
    f.gridDisplayEdit.Col(2);
    f.gridDisplayEdit.Text("8");
    f.ValidateCell(result);
    EXPECT_EQ(qv::S().tr.lngNodeSupplies(4), -8);

    trui::newProblem(3, 2, 3);
    FrmProblem& a = frmProblem();  // a new window
    a.gridDisplayEdit.Row(2);
    a.gridDisplayEdit.Col(3);
    a.gridDisplayEdit.Text("4.5");
    a.ValidateCell(result);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(qv::S().tr.dblArcCosts(6).num(), 4.5);
    EXPECT_EQ(qv::S().tr.lngNodeSupplies(5), -1);
}

}  // namespace
