// Adding and deleting origins, destinations, agents and tasks: the model after each
// operation (counts, costs, node values, every arc's ends), the rebuilt tableau, the
// delete question's answers and the capacity messages.
#include <gtest/gtest.h>

#include "platform/ui/Keys.h"
#include "shell/frmMenu.h"
#include "tests/transport/core/transport_fixture.h"
#include "tests/transport/transport_ui_support.h"

namespace {

using trui::h;

struct Model {
    std::vector<std::vector<double>> costs;
    std::vector<std::int32_t> nodes;  // node values 1..m+n
};

// A laid-out problem holding `model`, shown in the tableau as Open shows it.
void layOut(int module, const Model& model) {
    const int m = static_cast<int>(model.costs.size()), n = static_cast<int>(model.costs[0].size());
    trui::newProblem(module, m, n);
    auto& t = qv::S().tr;
    for (int i = 1; i <= m; ++i)
        for (int j = 1; j <= n; ++j) {
            const long k = qv::arcIndex(i, j, n);
            t.dblArcCosts(k) = model.costs[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)];
            t.lngArcTails(k) = i;
            t.intArcHeads(k) = m + j;
        }
    if (module == 2)
        for (int v = 1; v <= m + n; ++v) t.lngNodeSupplies(v) = model.nodes[static_cast<std::size_t>(v - 1)];
    qv::S().blnNewProblem = false;
    module == 2 ? QVTanda::BuildTransportationTableau() : QVTanda::BuildAssignmentTableau();
    h().transcript.clear();
}

void expectModel(const Model& model) {
    const auto& t = qv::S().tr;
    const int m = static_cast<int>(model.costs.size()), n = static_cast<int>(model.costs[0].size());
    ASSERT_EQ(t.intOriginCount, m);
    ASSERT_EQ(t.intDestinationCount, n);
    EXPECT_EQ(qv::S().intNodeCount, m + n);
    EXPECT_EQ(qv::S().intArcCount, m * n);
    for (int i = 1; i <= m; ++i)
        for (int j = 1; j <= n; ++j) {
            const long k = qv::arcIndex(i, j, n);
            EXPECT_EQ(t.dblArcCosts(k).num(), model.costs[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)])
                << "cost " << i << "," << j;
            EXPECT_EQ(t.lngArcTails(k), i) << "arc " << k;
            EXPECT_EQ(t.intArcHeads(k), m + j) << "arc " << k;
        }
    for (int v = 1; v <= m + n; ++v) EXPECT_EQ(t.lngNodeSupplies(v), model.nodes[static_cast<std::size_t>(v - 1)]) << "node " << v;
}

// The model solves to a certified optimum, as after any operation.
void expectSolvable() {
    qv::SharedState copy = qv::S();
    copy.strMaximizeObjective = "NO";
    trtest::expectCertificate(copy, taengine::SolveTransportNetwork(copy));
}

enum class Op { AddOrigin, AddDestination, DeleteOrigin, DeleteDestination };

struct Case {
    const char* name;
    int module;
    Model before;
    Op op;
    std::string answer;  // delete: the number asked for
    Model after;
    std::vector<std::string> grid;
};

const std::vector<Case> kCases = {
    {"delete origin 1", 2, {{{1, 2, 3}, {4, 5, 6}}, {10, 20, -5, -15, -10}}, Op::DeleteOrigin, "1",
     {{{4, 5, 6}}, {20, -5, -15, -10}},
     {"Origin|1|2|3|Supply", "1|4|5|6|20", "Demand|5|15|10|***********"}},
    {"delete an origin of one destination", 2, {{{7}, {8}, {9}}, {3, 4, 5, -12}}, Op::DeleteOrigin, "2",
     {{{7}, {9}}, {3, 5, -12}},
     {"Origin|1|Supply", "1|7|3", "2|9|5", "Demand|12|***********"}},
    {"delete the last destination of one origin", 2, {{{1, 2, 3}}, {9, -2, -3, -4}}, Op::DeleteDestination, "3",
     {{{1, 2}}, {9, -2, -3}},
     {"Origin|1|2|Supply", "1|1|2|9", "Demand|2|3|***********"}},
    {"delete destination 2 of 3", 2, {{{1, 2, 3}, {4, 5, 6}}, {10, 20, -5, -15, -10}}, Op::DeleteDestination, "2",
     {{{1, 3}, {4, 6}}, {10, 20, -5, -10}},
     {"Origin|1|2|Supply", "1|1|3|10", "2|4|6|20", "Demand|5|10|***********"}},
    {"add an origin", 2, {{{1, 2, 3}, {4, 5, 6}}, {10, 20, -5, -15, -10}}, Op::AddOrigin, "",
     {{{1, 2, 3}, {4, 5, 6}, {0, 0, 0}}, {10, 20, 0, -5, -15, -10}},
     {"Origin|1|2|3|Supply", "1|1|2|3|10", "2|4|5|6|20", "3||||", "Demand|5|15|10|***********"}},
    {"add a destination", 2, {{{1, 2, 3}, {4, 5, 6}}, {10, 20, -5, -15, -10}}, Op::AddDestination, "",
     {{{1, 2, 3, 0}, {4, 5, 6, 0}}, {10, 20, -5, -15, -10, 0}},
     {"Origin|1|2|3|4|Supply", "1|1|2|3||10", "2|4|5|6||20", "Demand|5|15|10||***********"}},
    {"delete agent 2", 3, {{{1, 2}, {3, 4}, {5, 6}}, {}}, Op::DeleteOrigin, "2", {{{1, 2}, {5, 6}}, {1, 1, -1, -1}},
     {"Agent|1|2", "1|1|2", "2|5|6"}},
    {"delete task 1", 3, {{{1, 2}, {3, 4}}, {}}, Op::DeleteDestination, "1", {{{2}, {4}}, {1, 1, -1}},
     {"Agent|1", "1|2", "2|4"}},
    {"add an agent", 3, {{{1, 2}}, {}}, Op::AddOrigin, "", {{{1, 2}, {0, 0}}, {1, 1, -1, -1}},
     {"Agent|1|2", "1|1|2", "2||"}},
    {"add a task", 3, {{{1, 2}}, {}}, Op::AddDestination, "", {{{1, 2, 0}}, {1, -1, -1, -1}},
     {"Agent|1|2|3", "1|1|2|"}},
};

class EditOperationsTest : public ::testing::Test {
protected:
    void TearDown() override {
        EXPECT_TRUE(h().allAnswersUsed());
        pf::unloadAll();
    }
};

TEST_F(EditOperationsTest, EveryValueStaysWithItsRowAndColumn) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        layOut(c.module, c.before);
        if (!c.answer.empty()) h().expectInput(c.answer);
        switch (c.op) {
            case Op::AddOrigin: frmMenu().mnudispeditsubslower_Click(0); break;
            case Op::AddDestination: frmMenu().mnudispeditsubslower_Click(1); break;
            case Op::DeleteOrigin: frmMenu().mnudispeditsubslower_Click(2); break;
            case Op::DeleteDestination: frmMenu().mnudispeditsubslower_Click(3); break;
        }
        expectModel(c.after);
        EXPECT_EQ(trui::gridRows(frmProblem().gridDisplayEdit), c.grid);
        EXPECT_TRUE(frmProblem().gridDisplayEdit.Visible());
        EXPECT_TRUE(frmProblem().lblgridcaption.Visible());
        EXPECT_FALSE(h().busy());
        EXPECT_FALSE(qv::S().tr.blnAddingOrigin || qv::S().tr.blnAddingDestination);
        EXPECT_EQ(qv::S().intTableauRow, static_cast<int>(c.after.costs.size()) + 1);
        expectSolvable();
        // A later rebuild shows an added cell as the 0 it holds.
        if (c.op == Op::AddOrigin || c.op == Op::AddDestination) {
            c.module == 2 ? QVTanda::BuildTransportationTableau() : QVTanda::BuildAssignmentTableau();
            const pf::Grid& g = frmProblem().gridDisplayEdit;
            const int m = qv::S().tr.intOriginCount, n = qv::S().tr.intDestinationCount;
            EXPECT_EQ(g.TextMatrix(m, n), "0");
        }
    }
}

// Cells emptied with Delete (costs, a supply, a demand) are laid out again as cells
// never filled, 0, wherever the operation moves them; never as the value they held.
TEST_F(EditOperationsTest, EmptiedCellsComeBackAsNeverFilled) {
    struct Emptied {
        const char* name;
        int module;
        Model before;
        std::vector<std::pair<int, int>> cells;  // grid cells emptied, in order
        Op op;
        std::string answer;
        Model after;
        std::vector<std::string> grid;
    };
    const Model twoByThree{{{1, 2, 3}, {4, 5, 6}}, {10, 20, -5, -15, -10}};
    const std::vector<std::pair<int, int>> costSupplyDemand = {{1, 2}, {2, 4}, {3, 3}};
    const std::vector<Emptied> cases = {
        {"add an origin", 2, twoByThree, costSupplyDemand, Op::AddOrigin, "",
         {{{1, 0, 3}, {4, 5, 6}, {0, 0, 0}}, {10, 0, 0, -5, -15, 0}},
         {"Origin|1|2|3|Supply", "1|1|0|3|10", "2|4|5|6|0", "3||||", "Demand|5|15|0|***********"}},
        {"delete destination 1", 2, twoByThree, costSupplyDemand, Op::DeleteDestination, "1",
         {{{0, 3}, {5, 6}}, {10, 0, -15, 0}},
         {"Origin|1|2|Supply", "1|0|3|10", "2|5|6|0", "Demand|15|0|***********"}},
        {"add a task", 3, {{{1, 2}, {3, 4}}, {}}, {{2, 1}}, Op::AddDestination, "",
         {{{1, 2, 0}, {0, 4, 0}}, {1, 1, -1, -1, -1}},
         {"Agent|1|2|3", "1|1|2|", "2|0|4|"}},
    };
    for (const Emptied& c : cases) {
        SCOPED_TRACE(c.name);
        layOut(c.module, c.before);
        pf::Grid& g = frmProblem().gridDisplayEdit;
        for (auto [r, col] : c.cells) {
            g.userClickCell(r, col);
            pf::SendKeys("{DEL}", true);
        }
        g.userClickCell(1, 1);
        if (!c.answer.empty()) h().expectInput(c.answer);
        frmMenu().mnudispeditsubslower_Click(static_cast<int>(c.op));
        expectModel(c.after);
        EXPECT_EQ(trui::gridRows(g), c.grid);
    }
}

TEST_F(EditOperationsTest, DeleteAnswersOutOfRangeAskAgain) {
    const std::string message =
        "MSGBOX \"Data Input Error\" critical OK \"You May Only Enter A Value Between 1 and 4\" -> OK";
    for (const std::string& bad : std::vector<std::string>{"0", "-1", "5", "99999", "abc", std::string(30, '9'), std::string(400, '9')}) {
        SCOPED_TRACE(bad);
        layOut(2, {{{1}, {2}, {3}, {4}}, {1, 2, 3, 4, -10}});
        h().expectInput(bad);
        h().expectMessage(pf::vbOK);
        h().expectInputCancel();
        frmMenu().mnudispeditsubslower_Click(2);
        EXPECT_NE(std::find(h().transcript.begin(), h().transcript.end(), message), h().transcript.end());
        EXPECT_EQ(qv::S().tr.intOriginCount, 4);
        // An empty answer after the message shows the tableau again, unchanged.
        EXPECT_TRUE(frmProblem().gridDisplayEdit.Visible());
        EXPECT_TRUE(frmProblem().lblgridcaption.Visible());
        EXPECT_FALSE(h().busy());
        expectModel({{{1}, {2}, {3}, {4}}, {1, 2, 3, 4, -10}});
    }
    // Destinations have their own capitals.
    layOut(3, {{{1, 2}}, {}});
    h().expectInput("3");
    h().expectMessage(pf::vbOK);
    h().expectInputCancel();
    frmMenu().mnudispeditsubslower_Click(3);
    EXPECT_NE(std::find(h().transcript.begin(), h().transcript.end(),
                        "MSGBOX \"Data Input Error\" critical OK \"You may only enter a value between 1 and 2\" -> OK"),
              h().transcript.end());
    EXPECT_NE(std::find(h().transcript.begin(), h().transcript.end(),
                        "INPUTBOX \"Delete a Task\" \"Enter the number of the TASK to Delete:\" default=\"\" -> \"3\""),
              h().transcript.end());
}

TEST_F(EditOperationsTest, AnEmptyFirstAnswerChangesNothing) {
    layOut(2, {{{1, 2}, {3, 4}}, {5, 6, -7, -4}});
    h().expectInputCancel();
    frmMenu().mnudispeditsubslower_Click(3);
    EXPECT_EQ(h().transcript, (std::vector<std::string>{
                                  "INPUTBOX \"Delete a Destination\" \"Enter the number of the DESTINATION to Delete:\" "
                                  "default=\"\" -> Cancel"}));
    expectModel({{{1, 2}, {3, 4}}, {5, 6, -7, -4}});
    EXPECT_TRUE(frmProblem().gridDisplayEdit.Visible());
}

TEST_F(EditOperationsTest, TheAnswerIsTheLeadingNumberHalvesToEven) {
    struct Case {
        std::string answer;
        int count;
        bool inRange;
        int number;
    } cases[] = {
        {"2.5", 4, true, 2},  {"3.5", 4, true, 4}, {"  3", 4, true, 3},     {"2E1", 4, true, 2},
        {"1abc", 4, true, 1}, {"4.4", 4, true, 4}, {"4.6", 4, false, 0},    {"0.4", 4, false, 0},
        {"", 4, false, 0},    {"-1", 4, false, 0}, {"1e400", 4, true, 1},   {std::string(400, '9'), 30, false, 0},
    };
    for (const Case& c : cases) {
        int number = 0;
        EXPECT_EQ(QVTanda::DeleteNumber(c.answer, c.count, number), c.inRange) << c.answer;
        if (c.inRange) {
            EXPECT_EQ(number, c.number) << c.answer;
        }
    }
    // With four origins, 3.5 deletes origin 4.
    layOut(2, {{{1}, {2}, {3}, {4}}, {1, 2, 3, 4, -10}});
    h().expectInput("3.5");
    frmMenu().mnudispeditsubslower_Click(2);
    expectModel({{{1}, {2}, {3}}, {1, 2, 3, -10}});
}

TEST_F(EditOperationsTest, CapacityMessagesNameTheirRowsOrColumns) {
    struct Case {
        int module, m, n, index;
        const char* noun;
        bool maximum;
    } cases[] = {
        {2, 30, 5, 0, "origins", true},      {3, 30, 5, 0, "agents", true},
        {2, 5, 30, 1, "destinations", true}, {3, 5, 30, 1, "tasks", true},
        {2, 1, 5, 2, "origin", false},       {3, 1, 5, 2, "agent", false},
        {2, 5, 1, 3, "destination", false},  {3, 5, 1, 3, "task", false},
    };
    for (const Case& c : cases) {
        trui::newProblem(c.module, c.m, c.n);
        h().expectMessage(pf::vbOK);
        frmMenu().mnudispeditsubslower_Click(c.index);
        const std::string expected =
            c.maximum ? std::string("MSGBOX \"Maximum Capacity\" exclamation OK \"There are currently 30 ") + c.noun +
                            " in this problem.  This is the maximum allowed.\" -> OK"
                      : std::string("MSGBOX \"Minimum Capacity\" exclamation OK \"There is currently 1 ") + c.noun +
                            " in this problem.  This is the minimum allowed.\" -> OK";
        EXPECT_EQ(h().transcript.back(), expected);
        EXPECT_EQ(qv::S().tr.intOriginCount, c.m);
    }
}

}  // namespace
