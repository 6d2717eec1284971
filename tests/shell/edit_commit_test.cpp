// An Edit item that lays a grid out again first checks and stores the entry still
// being typed, as leaving its cell would: the value goes through the rebuild with its
// row and column, and a value the check refuses stops the item before its question.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/forecast/forecast_ui_fixture.h"
#include "tests/lp/lp_test_support.h"
#include "tests/transport/transport_ui_support.h"
#include "platform/ui/Keys.h"

namespace {

pf::ScriptedHost& h() { return pf::scriptedHost(); }

pf::Grid& lpConstraints() {
    qvtest::resetProgram();
    return *qvtest::newLPLaidOut(1, 2, 2).Grid[1];
}

pf::Grid& series() {
    qvtest::resetProgram();
    frmMenu();
    pf::Unload<FrmModuleSelection>();
    qv::S().intCurrentModule = 11;
    frmProblem().Show();
    return fctest::layOutSeries({10, 20, 30});
}

pf::Grid& tableau(int module) {
    trui::newProblem(module, 2, 3);
    return frmProblem().gridDisplayEdit;
}

std::function<void()> item(int index) {
    return [index] { frmMenu().mnudispeditsubs_Click(index); };
}
std::function<void()> lowerItem(int index) {
    return [index] { frmMenu().mnudispeditsubslower_Click(index); };
}

// Typed into (row, col) without leaving it, then the item chosen from the Edit menu,
// which opens first as it does for a user.
void typeThenChoose(pf::Grid& g, int row, int col, const std::string& keys, const std::function<void()>& choose) {
    g.userClickCell(row, col);
    pf::SendKeys(keys, true);
    h().transcript.clear();
    frmMenu().mnudispedit_Click();
    choose();
}

TEST(EditCommitTest, ARefusedEntryStopsTheItemAndKeepsTheKeyboard) {
    const std::string lpMessage = trui::inputError("Constraint Values Must Be Numeric.");
    const std::string seriesMessage = trui::inputError("Values Must be Numeric.  PLEASE REENTER.");
    const std::string costMessage = trui::inputError("The Cost/Revenue Must Be A Number.");
    const struct {
        const char* name;
        std::function<pf::Grid&()> layOut;
        std::function<void()> choose;
        const std::string& message;
    } roads[] = {
        {"Add Constraints", lpConstraints, item(3), lpMessage},
        {"Delete Constraint", lpConstraints, item(4), lpMessage},
        {"Add Variables", lpConstraints, item(5), lpMessage},
        {"Delete Variable", lpConstraints, item(6), lpMessage},
        {"Add Time Periods", series, item(3), seriesMessage},
        {"Delete Time Periods", series, item(4), seriesMessage},
        {"Add an Origin", []() -> pf::Grid& { return tableau(2); }, lowerItem(0), costMessage},
        {"Add a Destination", []() -> pf::Grid& { return tableau(2); }, lowerItem(1), costMessage},
        {"Delete an Origin", []() -> pf::Grid& { return tableau(2); }, lowerItem(2), costMessage},
        {"Delete a Destination", []() -> pf::Grid& { return tableau(2); }, lowerItem(3), costMessage},
        {"Add a Task", []() -> pf::Grid& { return tableau(3); }, lowerItem(1), costMessage},
    };
    for (const auto& road : roads) {
        SCOPED_TRACE(road.name);
        pf::Grid& g = road.layOut();
        const auto layout = g.Layout();
        h().expectMessage(pf::vbOK);
        typeThenChoose(g, 1, 1, "1.2.3", road.choose);
        // Only the check spoke: no question was asked and nothing was laid out again.
        EXPECT_EQ(h().transcript, std::vector<std::string>{road.message});
        EXPECT_EQ(g.Layout(), layout);
        EXPECT_EQ(g.TextMatrix(1, 1), "");
        EXPECT_EQ(g.Row(), 1);
        EXPECT_EQ(g.Col(), 1);
        EXPECT_EQ(pf::focusedControl(), &g);
        EXPECT_TRUE(h().allAnswersUsed());
        pf::unloadAll();
    }
}

// The value stays with its period, origin and destination wherever the rebuild puts
// them, in the grid and in the problem.
TEST(EditCommitTest, AnEntryBeingTypedGoesThroughTheRebuild) {
    const struct {
        const char* name;
        std::function<pf::Grid&()> layOut;
        int row, col;
        const char* answer;  // the item's question, if it asks one
        std::function<void()> choose;
        int keptRow, keptCol;
        std::function<double()> stored;
    } roads[] = {
        {"Delete Time Periods", series, 2, 1, "1", item(4), 1, 1, [] { return qv::S().fc.dblTimeSeries(1, 1).num(); }},
        {"Add an Origin", []() -> pf::Grid& { return tableau(2); }, 2, 3, nullptr, lowerItem(0), 2, 3,
         [] { return qv::S().tr.dblArcCosts(qv::arcIndex(2, 3, 3)).num(); }},
        {"Delete an Origin", []() -> pf::Grid& { return tableau(2); }, 2, 2, "1", lowerItem(2), 1, 2,
         [] { return qv::S().tr.dblArcCosts(qv::arcIndex(1, 2, 3)).num(); }},
        {"Delete a Destination", []() -> pf::Grid& { return tableau(2); }, 1, 3, "2", lowerItem(3), 1, 2,
         [] { return qv::S().tr.dblArcCosts(qv::arcIndex(1, 2, 2)).num(); }},
        {"Add a Task", []() -> pf::Grid& { return tableau(3); }, 2, 1, nullptr, lowerItem(1), 2, 1,
         [] { return qv::S().tr.dblArcCosts(qv::arcIndex(2, 1, 4)).num(); }},
    };
    for (const auto& road : roads) {
        SCOPED_TRACE(road.name);
        pf::Grid& g = road.layOut();
        if (road.answer) h().expectInput(road.answer);
        typeThenChoose(g, road.row, road.col, "9", road.choose);
        EXPECT_EQ(g.TextMatrix(road.keptRow, road.keptCol), "9");
        EXPECT_EQ(road.stored(), 9);
        EXPECT_TRUE(h().allAnswersUsed());
        pf::unloadAll();
    }
}

// The window for a value too large is up: it has answered for the cell, which is
// neither checked again nor laid out anew.
TEST(EditCommitTest, TheValueTooLargeWindowAnswersForTheCell) {
    pf::Grid& g = tableau(2);
    const auto layout = g.Layout();
    g.userClickCell(1, 1);
    pf::SendKeys("9", true);
    h().transcript.clear();
    qv::S().blnErrorWindowOpen = true;
    frmMenu().mnudispeditsubslower_Click(0);
    qv::S().blnErrorWindowOpen = false;
    EXPECT_TRUE(h().transcript.empty());
    EXPECT_EQ(g.Layout(), layout);
    EXPECT_EQ(qv::S().tr.intOriginCount, 2);
    pf::unloadAll();
}

}  // namespace
