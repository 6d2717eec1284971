// The network modules in their windows: the start and end node dialog, the arc grid
// after New and Open, the Solve command's outcomes with menus, caption and cursor,
// and problem files saved and read again.
#include <gtest/gtest.h>

#include <QDialog>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "network/frminputnodes.h"
#include "network/qvhrtrt.h"
#include "platform/ui/Keys.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/core/State.h"
#include "shell/Modules.h"
#include "shell/frmMenu.h"
#include "shell/frmModuleSelection.h"
#include "shell/frmProblem.h"
#include "shell/frmSolution.h"
#include "shell/frmUserInput.h"
#include "tests/ui_test_support.h"

namespace {

pf::ScriptedHost& h() { return pf::scriptedHost(); }

std::string inputError(const std::string& text) {
    return "MSGBOX \"Data Input Error\" critical OK \"" + text + "\" -> OK";
}

const std::string kUnreachable =
    "MSGBOX \"WARNING!\" critical OK \"Please review the description of the network.  It is not possible to "
    "reach all nodes in the network.\" -> OK";
const std::string kNoTree =
    "MSGBOX \"WARNING!\" critical OK \"Please review the description of the network.  A spanning tree does not "
    "exist for the network description you have provided.\" -> OK";
const std::string kFileInputError =
    "MSGBOX \"Error Opening File\" critical OK \"File Input Error.  Make sure this is a file for the current "
    "module.\" -> OK";

class NetworkWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        qvtest::resetProgram();
        dir_ = qvtest::emptyTestDir("qv_net_");
    }
    void TearDown() override {
        EXPECT_TRUE(h().allAnswersUsed());
        h().clearAnswers();
        pf::unloadAll();
        std::filesystem::remove_all(dir_);
    }

    // The module chosen in the chooser, its home screen open.
    void choose(int module) {
        frmMenu();
        frmModuleSelection().optProblemType[static_cast<std::size_t>(module)]->userClick();
        frmModuleSelection().cmdOK.userClick();
        qv::S().strProblemFolder = dir_.string();
        h().transcript.clear();
    }
    // File New with the counts typed into the dimensions dialog.
    void newProblem(const std::string& nodes, const std::string& arcs) {
        h().expectModal("frmUserInput", [nodes, arcs](pf::Form& f) {
            auto& d = static_cast<FrmUserInput&>(f);
            d.txtAnswer[0]->Text(nodes);
            d.txtAnswer[1]->Text(arcs);
            d.cmdOK.userClick();
        });
        frmMenu().mnuFileNew_Click();
    }
    pf::Grid& grid() { return frmProblem().gridDisplayEdit; }
    // Types each arc's three cells, Tab after each.
    void typeArcs(const std::vector<std::string>& cells) {
        grid().userClickCell(1, 1);
        std::string keys;
        for (const std::string& c : cells) keys += c + "{TAB}";
        pf::SendKeys(keys, true);
    }
    void expectNodes(const std::string& start, const std::string& end) {
        h().expectModal("frminputnodes", [start, end](pf::Form& f) {
            auto& d = static_cast<Frminputnodes&>(f);
            d.txtAnswer[0]->Text(start);
            d.txtAnswer[1]->Text(end);
            d.cmdOK.userClick();
        });
    }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    void put(const std::string& name, const std::string& text) { std::ofstream(path(name), std::ios::binary) << text; }

    static bool enabled(pf::MenuItem* m) { return m->Enabled(); }
    static bool printItems() {
        return frmMenu().mnuSolutionPrinttoPrinter->Enabled() && frmMenu().mnuSolutionPrinttoText->Enabled();
    }
    static pf::MenuItem& editItem(int k) { return (*frmMenu().mnudispeditsubs)(k); }

    std::filesystem::path dir_;
};

// ---------------------------------------------------------------- node dialog

TEST_F(NetworkWindowTest, NodeDialogChecksBothAnswersInOrder) {
    const std::string range = "You may only select a number between 1 and 5.  PLEASE TRY AGAIN.";
    const std::string startInt = "Starting Node must be an integer.";
    const std::string endInt = "Ending Node must be an integer.";
    static const std::string kHuge(400, '7');
    struct Case {
        const char* start;
        const char* end;
        std::string message;  // empty: accepted
        int box;              // the box handed back after the message
        int startStored;      // intStartNode afterwards (it was 9 before)
        int endStored;        // intEndNode afterwards (it was 9 before)
    } cases[] = {
        {"", "", startInt, 0, 9, 9},
        {"2.0", "3", startInt, 0, 9, 9},
        {" 3", "3", startInt, 0, 9, 9},
        {"3 ", "3", startInt, 0, 9, 9},
        {".", "3", startInt, 0, 9, 9},
        {"2.0", "x", startInt, 0, 9, 9},  // only the start node's message
        {"-", "3", range, 0, 9, 9},
        {",,", "3", range, 0, 9, 9},
        {"0", "3", range, 0, 9, 9},
        {"-1", "3", range, 0, 9, 9},
        {"6", "3", range, 0, 9, 9},
        {"99999", "3", range, 0, 9, 9},
        {"123456789012345678901234567890", "3", range, 0, 9, 9},
        {kHuge.c_str(), "3", range, 0, 9, 9},
        {"2", "3.5", endInt, 1, 2, 9},
        {"2", "", endInt, 1, 2, 9},
        {"2", "6", range, 1, 2, 9},
        {"1,5", "2", "", 0, 1, 2},
        {"+3", "5", "", 0, 3, 5},
        {"4", "4", "", 0, 4, 4},
        {"5", "1", "", 0, 5, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.start).substr(0, 30) + " / " + c.end);
        pf::unloadAll();
        qv::resetState();
        h().transcript.clear();
        auto& s = qv::S();
        s.intNodeCount = 5;
        s.net.intStartNode = 9;
        s.net.intEndNode = 9;
        s.blnDialogCancelled = true;
        Frminputnodes& d = frminputnodes();
        d.txtAnswer[0]->Text(c.start);
        d.txtAnswer[1]->Text(c.end);
        if (!c.message.empty()) h().expectMessage(pf::vbOK);
        d.cmdOK.userClick();
        EXPECT_EQ(s.net.intStartNode, c.startStored);
        EXPECT_EQ(s.net.intEndNode, c.endStored);
        if (c.message.empty()) {
            EXPECT_FALSE(pf::isLoaded<Frminputnodes>());
            EXPECT_FALSE(s.blnDialogCancelled);
            continue;
        }
        ASSERT_EQ(h().transcript.size(), 1u);
        EXPECT_EQ(h().transcript[0], inputError(c.message));
        ASSERT_TRUE(pf::isLoaded<Frminputnodes>());
        pf::TextBox& box = *d.txtAnswer[static_cast<std::size_t>(c.box)];
        EXPECT_EQ(box.SelStart(), 0);
        EXPECT_EQ(box.SelLength(), static_cast<int>(box.Text().size()));
        // The verdicts are left ready for the next check.
        EXPECT_EQ(s.strNumericOK, "YES");
        EXPECT_EQ(s.strDecimalPointSeen, "NO");
        EXPECT_TRUE(s.blnDialogCancelled);
    }
}

TEST_F(NetworkWindowTest, NodeDialogCancelAndCloseCommandAfterRefusals) {
    for (bool closeCommand : {false, true}) {
        SCOPED_TRACE(closeCommand ? "close command" : "Cancel");
        pf::unloadAll();
        qv::resetState();
        auto& s = qv::S();
        s.intNodeCount = 3;
        Frminputnodes& d = frminputnodes();
        EXPECT_EQ(d.Text1.Caption(), " Select the Starting and Ending Nodes for the Route");
        EXPECT_EQ(d.lblQuestion[0]->Caption(), "Enter the Number of the Starting Node:");
        EXPECT_EQ(d.lblQuestion[1]->Caption(), "Enter the Number of the Ending Node:");
        d.txtAnswer[0]->Text("2");
        d.txtAnswer[1]->Text("7");
        h().expectMessage(pf::vbOK);
        d.cmdOK.userClick();
        d.txtAnswer[0]->Text("x");
        h().expectMessage(pf::vbOK);
        d.cmdOK.userClick();
        ASSERT_TRUE(pf::isLoaded<Frminputnodes>());
        if (closeCommand)
            static_cast<QDialog*>(d.window())->reject();
        else
            d.cmdCancel.userClick();
        EXPECT_FALSE(pf::isLoaded<Frminputnodes>());
        EXPECT_TRUE(s.blnDialogCancelled);
        EXPECT_EQ(s.net.intStartNode, 2);  // stored by the first OK, kept by Cancel
    }
    // Every use starts with empty boxes.
    EXPECT_EQ(frminputnodes().txtAnswer[0]->Text(), "");
    EXPECT_EQ(frminputnodes().txtAnswer[1]->Text(), "");
    frminputnodes().txtAnswer[1]->Text("12");
    frminputnodes().txtAnswer_GotFocus(1);
    EXPECT_EQ(frminputnodes().txtAnswer[1]->SelLength(), 2);
}

// ---------------------------------------------------------------- arc grid

TEST_F(NetworkWindowTest, NewLaysOutAnEmptyArcGrid) {
    choose(5);
    newProblem("2", "1");
    auto& s = qv::S();
    pf::Grid& g = grid();
    EXPECT_EQ(g.Rows(), 2);
    EXPECT_EQ(g.Cols(), 4);
    EXPECT_EQ(g.FixedRows(), 1);
    EXPECT_EQ(g.FixedCols(), 1);
    EXPECT_EQ(g.Row(), 1);
    EXPECT_EQ(g.Col(), 1);
    EXPECT_TRUE(g.Visible());
    EXPECT_EQ(g.Top(), 1080);
    const int widths[4] = {600, 900, 900, 1400};
    const char* headings[4] = {"Arc", "Start Node", "End Node", "Distance/Cost"};
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(g.ColWidth(c), widths[c]);
        EXPECT_EQ(g.TextMatrix(0, c), headings[c]);
        if (c > 0) {
            EXPECT_EQ(g.ColAlignment(c), 1);
            EXPECT_EQ(g.TextMatrix(1, c), "");
        }
    }
    EXPECT_EQ(g.TextMatrix(1, 0), "1");
    EXPECT_EQ(frmProblem().lblTitle.Caption(), "Network Description:  2 NODES and 1 ARCS");
    EXPECT_TRUE(frmProblem().lblTitle.Visible());
    EXPECT_EQ(frmProblem().lblInfo.Caption(), "Enter Start Node, End Node, and Distance/Cost for each Arc.");
    EXPECT_TRUE(frmProblem().lblInfo.Visible());
    EXPECT_EQ(s.strProblemEntered, "YES");
    EXPECT_FALSE(s.blnNewProblem);
    EXPECT_EQ(editItem(0).Caption(), "&Display/Edit the Problem");
    EXPECT_TRUE(editItem(0).Visible());
    EXPECT_FALSE(editItem(0).Enabled());
    EXPECT_FALSE(editItem(1).Visible());
    EXPECT_FALSE(editItem(2).Visible());
    for (pf::MenuItem* m : {frmMenu().mnudispedit, frmMenu().mnuFileOpen, frmMenu().mnuFileSave,
                            frmMenu().mnuFileChangeModules, frmMenu().mnuSolution})
        EXPECT_TRUE(enabled(m)) << m->Name();
    EXPECT_FALSE(printItems());
    EXPECT_FALSE(h().busy());
    // The first start-node cell is ready for typing.
    pf::SendKeys("2{TAB}", true);
    EXPECT_EQ(s.net.lngNetworkArcs(1, 1), 2);

    // Forty arcs: 41 rows, every table at its capacity.
    h().expectMessage(pf::vbYes);
    newProblem("20", "40");
    EXPECT_EQ(grid().Rows(), 41);
    EXPECT_EQ(grid().TextMatrix(40, 0), "40");
    EXPECT_EQ(s.net.lngNetworkArcs.UBound(1), 40);
    EXPECT_EQ(s.net.lngNodeLabels.UBound(1), 20);
    EXPECT_EQ(s.net.lngNetworkArcs(1, 1), 0);  // nothing of the previous problem
}

TEST_F(NetworkWindowTest, ACancelledDimensionsDialogKeepsTheModel) {
    choose(6);
    newProblem("3", "2");
    typeArcs({"1", "2", "1.5", "2", "3", "4"});
    auto& s = qv::S();
    ASSERT_EQ(s.intDecimalPlaces.num(), 1);
    ASSERT_EQ(s.net.lngNetworkArcs(1, 3), 1500);
    h().expectMessage(pf::vbYes);  // create a new problem
    h().expectModal("frmUserInput", [](pf::Form& f) {
        auto& d = static_cast<FrmUserInput&>(f);
        EXPECT_EQ(d.lblCaption.Caption(), " Nodes and Arcs");
        EXPECT_EQ(d.lblQuestion[0]->Caption(), "Enter the number of NODES (MAX=20):");
        EXPECT_EQ(d.lblQuestion[1]->Caption(), "Enter the number of ARCS (MAX=40):");
        EXPECT_EQ(d.txtAnswer[0]->Text(), "");
        d.txtAnswer[0]->Text("5");
        d.txtAnswer[1]->Text("99");
        h().expectMessage(pf::vbOK);  // the arc count is refused
        d.cmdOK.userClick();
        h().expectMessage(pf::vbYes);  // cancel the current problem
        d.cmdCancel.userClick();
    });
    frmMenu().mnuFileNew_Click();
    EXPECT_TRUE(s.blnDialogCancelled);
    EXPECT_EQ(s.intNodeCount, 5);  // stored before the arc count was refused
    EXPECT_EQ(s.intArcCount, 2);
    EXPECT_EQ(s.intDecimalPlaces.num(), 1);
    EXPECT_EQ(s.net.lngNetworkArcs(1, 3), 1500);
    EXPECT_EQ(s.net.lngNetworkArcs(2, 2), 3);
    EXPECT_FALSE(grid().Visible());
    ASSERT_NE(pf::focusedForm(), nullptr);
    EXPECT_EQ(pf::focusedForm()->Name(), "frmMenu");
}

TEST_F(NetworkWindowTest, OpenShowsTheDistancesByDecimals) {
    choose(5);
    struct Case {
        const char* file;
        const char* distance1;
        const char* distance2;
    } cases[] = {
        {"1\r\n3\r\n2\r\n1,2,12.5\r\n2,3,0\r\n", "    12.5", "    0.0"},
        {"0\r\n3\r\n2\r\n1,2,12\r\n3,2,7\r\n", "12", "7"},
        {"2\r\n3\r\n2\r\n1,2,12.5\r\n2,3,0.25\r\n", "    12.50", "    0.25"},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string name = "net" + std::to_string(++n) + ".S&S";
        put(name, c.file);
        if (qv::S().strProblemEntered == "YES") h().expectMessage(pf::vbYes);
        h().expectFile(path(name));
        frmMenu().mnuFileOpen_Click();
        pf::Grid& g = grid();
        ASSERT_EQ(g.Rows(), 3);
        EXPECT_EQ(g.TextMatrix(1, 3), c.distance1);
        EXPECT_EQ(g.TextMatrix(2, 3), c.distance2);
        EXPECT_EQ(g.TextMatrix(1, 1), "1");
        EXPECT_EQ(g.TextMatrix(1, 2), "2");
        EXPECT_EQ(frmProblem().lblTitle.Caption(), "Network Description:  3 NODES and 2 ARCS");
        EXPECT_EQ(qv::S().strProblemEntered, "YES");
        EXPECT_TRUE(editItem(0).Visible());
        EXPECT_FALSE(editItem(1).Visible());
        EXPECT_FALSE(printItems());
        EXPECT_TRUE(enabled(frmMenu().mnuSolution));
        EXPECT_FALSE(h().busy());
    }
    // Decimals the program never writes are the reader's to refuse.
    put("net4.S&S", "3\r\n3\r\n2\r\n1,2,12.5\r\n2,3,1\r\n");
    h().expectMessage(pf::vbYes);
    h().expectFile(path("net4.S&S"));
    h().expectMessage(pf::vbOK);
    h().transcript.clear();
    frmMenu().mnuFileOpen_Click();
    const std::string refusal =
        "MSGBOX \"Error Opening File\" critical OK \"File Input Error.  Make sure this is a file for the "
        "current module.\" -> OK";
    EXPECT_NE(std::find(h().transcript.begin(), h().transcript.end(), refusal), h().transcript.end());
}

TEST_F(NetworkWindowTest, LayingOutChecksNoCell) {
    choose(5);
    newProblem("2", "1");
    // A node number beyond N typed and not yet left; a rebuild must not judge it.
    pf::SendKeys("9", true);
    ASSERT_EQ(grid().TextMatrix(1, 1), "9");
    h().transcript.clear();
    qvhrtrt::BuildNetworkInputGrid();
    for (const std::string& t : h().transcript) EXPECT_EQ(t.rfind("MSGBOX", 0), std::string::npos) << t;
    EXPECT_EQ(grid().TextMatrix(1, 1), "0");  // laid out again from the model
    // The grid's own check is back in place.
    grid().SetFocus();
    grid().userClickCell(1, 2);
    h().expectMessage(pf::vbOK);
    pf::SendKeys("7{TAB}", true);
    ASSERT_FALSE(h().transcript.empty());
    EXPECT_EQ(h().transcript.back(), inputError("NOTE:  THE NODE NUMBER MUST BE BETWEEN 1 AND 2"));
}

// ---------------------------------------------------------------- files

TEST_F(NetworkWindowTest, SavedProblemReadsBackTheSame) {
    choose(6);
    newProblem("4", "3");
    typeArcs({"1", "2", "1.25", "2", "3", "7", "4", "1", "1000000"});
    auto& s = qv::S();
    const auto arcs = s.net.lngNetworkArcs;
    ASSERT_EQ(s.intDecimalPlaces.num(), 2);
    h().expectFile(path("tree.S&S"));
    frmMenu().mnuFileSave_Click();

    h().expectMessage(pf::vbYes);
    h().expectFile(path("tree.S&S"));
    frmMenu().mnuFileOpen_Click();
    EXPECT_EQ(s.intDecimalPlaces.num(), 2);
    EXPECT_EQ(s.intNodeCount, 4);
    EXPECT_EQ(s.intArcCount, 3);
    for (int a = 1; a <= 40; ++a)
        for (int c = 1; c <= 3; ++c) EXPECT_EQ(s.net.lngNetworkArcs(a, c), arcs(a, c)) << a << "," << c;
    EXPECT_EQ(grid().TextMatrix(1, 3), "    1.25");
    EXPECT_EQ(grid().TextMatrix(3, 3), "    1000000.00");
}

TEST_F(NetworkWindowTest, FilesWithArcsNoGridAcceptsAreRefused) {
    choose(5);
    const char* files[] = {
        "0\r\n3\r\n2\r\n1,2,4\r\n0,3,1\r\n",   // node 0
        "0\r\n3\r\n2\r\n1,4,4\r\n2,3,1\r\n",   // node N + 1
        "0\r\n3\r\n2\r\n1,2,4\r\n2,3,-1\r\n",  // negative distance
    };
    int n = 0;
    for (const char* file : files) {
        SCOPED_TRACE(file);
        const std::string name = "bad" + std::to_string(++n) + ".S&S";
        put(name, file);
        h().transcript.clear();
        h().expectFile(path(name));
        h().expectMessage(pf::vbOK);
        frmMenu().mnuFileOpen_Click();
        EXPECT_EQ(h().transcript.back(), "CURSOR normal");
        EXPECT_EQ(h().transcript[h().transcript.size() - 2], kFileInputError);
        EXPECT_NE(qv::S().strProblemEntered, "YES");
        EXPECT_FALSE(grid().Visible());
        EXPECT_FALSE(enabled(frmMenu().mnuSolution));
        EXPECT_FALSE(enabled(frmMenu().mnuFileSave));
    }
}

// ---------------------------------------------------------------- solve

TEST_F(NetworkWindowTest, RouteSolveShowsTheWindowAndEnablesPrint) {
    choose(5);
    newProblem("3", "2");
    typeArcs({"1", "2", "4", "2", "3", "60000"});
    h().transcript.clear();
    expectNodes("3", "1");
    frmMenu().mnuSolutionSolve_Click();
    const std::vector<std::string> expected = {
        "MODAL frminputnodes", "END MODAL frminputnodes", "CURSOR busy", "CURSOR normal"};
    EXPECT_EQ(h().transcript, expected);
    ASSERT_TRUE(qv::solutionShown());
    EXPECT_EQ(frmSolution().title(), "Optimal Route");
    const std::vector<std::string> lines = frmSolution().lines();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "            THE SHORTEST ROUTE FROM NODE 3 TO NODE 1");
    EXPECT_EQ(lines[6], "                    TOTAL DISTANCE           60004");
    EXPECT_EQ(frmSolution().gridSolution.FontName(), "Courier");
    EXPECT_TRUE(printItems());
    EXPECT_TRUE(editItem(0).Enabled());
    EXPECT_EQ(frmMenu().lblmoduleindicator.Caption(), "Shortest Route Module");
}

TEST_F(NetworkWindowTest, RouteSolveWarnsOrEndsWithoutAWindow) {
    choose(5);
    newProblem("3", "1");
    typeArcs({"1", "2", "4"});
    auto& s = qv::S();
    // Cancel: nothing more happens; the labels are back at their start.
    h().expectModal("frminputnodes", [](pf::Form& f) { static_cast<Frminputnodes&>(f).cmdCancel.userClick(); });
    frmMenu().mnuSolutionSolve_Click();
    EXPECT_FALSE(pf::isLoaded<FrmSolution>());
    EXPECT_FALSE(editItem(0).Enabled());
    EXPECT_FALSE(printItems());
    EXPECT_EQ(s.net.lngNodeLabels(2, 2), qv::NetworkBlock::kNoConnection);
    EXPECT_EQ(s.net.lngNodeLabels(2, 3), 2);
    ASSERT_NE(pf::focusedForm(), nullptr);
    EXPECT_EQ(pf::focusedControl(), &grid());  // the arc grid, in front again

    // Node 3 cannot be reached although the end node can.
    h().transcript.clear();
    expectNodes("1", "2");
    h().expectMessage(pf::vbOK);
    frmMenu().mnuSolutionSolve_Click();
    ASSERT_GE(h().transcript.size(), 2u);
    EXPECT_EQ(h().transcript[h().transcript.size() - 2], kUnreachable);
    EXPECT_EQ(h().transcript.back(), "CURSOR normal");
    EXPECT_FALSE(pf::isLoaded<FrmSolution>());
    EXPECT_TRUE(editItem(0).Enabled());
    EXPECT_FALSE(printItems());
    EXPECT_EQ(frmMenu().lblmoduleindicator.Caption(), "Shortest Route Module");
    ASSERT_NE(pf::focusedForm(), nullptr);
    EXPECT_EQ(pf::focusedControl(), &grid());  // the arc grid, in front again
}

TEST_F(NetworkWindowTest, TreeSolveShowsTheTreeOrWarns) {
    choose(6);
    newProblem("3", "3");
    typeArcs({"1", "2", "4", "2", "3", "2", "1", "3", "5"});
    frmMenu().mnuSolutionSolve_Click();
    ASSERT_TRUE(qv::solutionShown());
    EXPECT_EQ(frmSolution().title(), "Optimal Solution");
    const std::vector<std::string> lines = frmSolution().lines();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "                    MINIMAL SPANNING TREE");
    EXPECT_EQ(lines[6], "                    TOTAL LENGTH            6");
    EXPECT_TRUE(printItems());
    EXPECT_EQ(frmMenu().lblmoduleindicator.Caption(), "Minimal Spanning Tree Module");

    // Three arcs joining the same pair leave node 3 out.
    frmMenu().mnudispeditsubs_Click(0);
    grid().userClickCell(2, 2);
    pf::SendKeys("1{TAB}", true);
    grid().userClickCell(3, 2);
    pf::SendKeys("2{TAB}", true);
    h().transcript.clear();
    h().expectMessage(pf::vbOK);
    frmMenu().mnuSolutionSolve_Click();
    EXPECT_NE(std::find(h().transcript.begin(), h().transcript.end(), kNoTree), h().transcript.end());
    EXPECT_FALSE(qv::solutionShown());
    EXPECT_FALSE(printItems());
    EXPECT_FALSE(h().busy());
    EXPECT_EQ(frmMenu().lblmoduleindicator.Caption(), "Minimal Spanning Tree Module");
    EXPECT_EQ(qv::S().net.blnTreeStepFailed(2), 1);
}

}  // namespace
