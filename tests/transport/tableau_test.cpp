// The transportation and assignment tableaux: New, the layout from the model, the
// problem files read back into it, and Solve with its menus.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/core/SeqFile.h"
#include "shell/MenuState.h"
#include "shell/Modules.h"
#include "shell/ProblemFiles.h"
#include "shell/frmSolution.h"
#include "shell/frmTransObj.h"
#include "tests/transport/transport_ui_support.h"

namespace {

using trui::gridRows;
using trui::h;

pf::MenuItem& editItem(int k) { return (*frmMenu().mnudispeditsubs)(k); }

class TableauTest : public ::testing::Test {
protected:
    void TearDown() override {
        EXPECT_TRUE(h().allAnswersUsed());
        pf::unloadAll();
    }
};

TEST_F(TableauTest, NewTransportationProblemLaysOutAnEmptyTableau) {
    trui::chooseModule(2);
    qv::S().intDecimalPlaces = 2;
    trui::newProblem(2, 3, 4);
    FrmProblem& f = frmProblem();
    pf::Grid& g = f.gridDisplayEdit;
    EXPECT_EQ(gridRows(g), (std::vector<std::string>{"Origin|1|2|3|4|Supply", "1|||||", "2|||||", "3|||||",
                                                     "Demand|||||***********"}));
    EXPECT_EQ(g.FixedRows(), 1);
    EXPECT_EQ(g.FixedCols(), 1);
    EXPECT_EQ(g.ColWidth(0), 1150);
    for (int c = 1; c <= 5; ++c) {
        EXPECT_EQ(g.ColWidth(c), 930);
        EXPECT_EQ(g.ColAlignment(c), 1);
    }
    EXPECT_EQ(g.Height(), 5800);
    EXPECT_TRUE(g.Visible());
    EXPECT_EQ(g.Row(), 1);
    EXPECT_EQ(g.Col(), 1);
    EXPECT_EQ(f.lblTitle.Caption(), "TRANSPORTATION TABLEAU");
    EXPECT_EQ(f.lblgridcaption.Caption(), "Destination");
    EXPECT_EQ(f.lblgridcaption.Width(), 3720);
    EXPECT_EQ(f.lblInfo.Caption(),
              "Enter/Edit data:  Supply data in last column; Demand data in last row; Cost/Revenue data in rows 1-3 "
              "and columns 1-4  NOTE: If an origin-destination combination is unacceptable, enter a relatively "
              "large cost in a minimization problem or enter a relatively small revenue in a maximization problem.");
    auto& s = qv::S();
    EXPECT_EQ(s.intDecimalPlaces.num(), 0);
    EXPECT_EQ(s.strProblemEntered, "YES");
    EXPECT_FALSE(s.blnNewProblem);
    EXPECT_EQ(s.intNodeCount, 7);
    EXPECT_EQ(s.intArcCount, 12);
    EXPECT_EQ(s.intTableauRow, 4);
    EXPECT_EQ(s.tr.intFirstArcs(3), 9);
    EXPECT_EQ(s.tr.intFirstArcs(4), 0);
    EXPECT_FALSE(editItem(0).Enabled());
    EXPECT_EQ(editItem(2).Caption(), "&Add/Delete Origins or Destinations");
    EXPECT_TRUE(editItem(2).Enabled() && editItem(2).Visible());
    EXPECT_TRUE(frmMenu().mnuSolution->Enabled());
    EXPECT_TRUE(frmMenu().mnuFileSave->Enabled());
}

TEST_F(TableauTest, CancelledDimensionsLeaveNoTableau) {
    trui::chooseModule(3);
    qv::S().intDecimalPlaces = 1;
    h().expectModal("frmUserInput", [](pf::Form& f) {
        h().expectMessage(pf::vbYes);
        static_cast<FrmUserInput&>(f).cmdCancel_Click();
    });
    frmMenu().StartNewProblem();
    EXPECT_TRUE(qv::S().blnDialogCancelled);
    EXPECT_EQ(qv::S().intDecimalPlaces.num(), 0);
    EXPECT_FALSE(frmProblem().gridDisplayEdit.Visible());
    EXPECT_NE(qv::S().strProblemEntered, "YES");
}

TEST_F(TableauTest, NewAssignmentProblem) {
    trui::newProblem(3, 5, 7);
    FrmProblem& f = frmProblem();
    const pf::Grid& g = f.gridDisplayEdit;
    EXPECT_EQ(g.Rows(), 6);
    EXPECT_EQ(g.Cols(), 8);
    EXPECT_EQ(g.TextMatrix(0, 0), "Agent");
    EXPECT_EQ(g.TextMatrix(5, 7), "");
    EXPECT_EQ(f.lblTitle.Caption(), "ASSIGNMENT TABLEAU");
    EXPECT_EQ(f.lblgridcaption.Caption(), "Task");
    EXPECT_NE(f.lblInfo.Caption().find("rows 1-5 and columns 1-7  NOTE: If an agent-task combination"),
              std::string::npos);
    for (int v = 1; v <= 12; ++v) EXPECT_EQ(qv::S().tr.lngNodeSupplies(v), v <= 5 ? 1 : -1);
    EXPECT_EQ(editItem(2).Caption(), "&Add/Delete Agents or Tasks");
}

TEST_F(TableauTest, CaptionWidthAndGridHeightFollowTheCounts) {
    struct Case {
        int module, m, n, width, height;
    } cases[] = {
        {2, 2, 1, -1, 5800},  {2, 2, 14, 13020, 5800}, {2, 2, 15, -1, 5800},  {2, 16, 3, 2790, 5800},
        {2, 17, 3, 2790, 8655}, {3, 17, 2, 1860, 5800}, {3, 18, 2, 1860, 8655},
    };
    for (const Case& c : cases) {
        trui::chooseModule(c.module);
        FrmProblem& f = frmProblem();
        const int before = f.lblgridcaption.Width();
        auto& s = qv::S();
        s.tr.intOriginCount = c.m;
        s.tr.intDestinationCount = c.n;
        QVTanda::DimensionNetwork();
        s.blnNewProblem = true;
        c.module == 2 ? QVTanda::BuildTransportationTableau() : QVTanda::BuildAssignmentTableau();
        EXPECT_EQ(f.lblgridcaption.Width(), c.width < 0 ? before : c.width) << c.m << " x " << c.n;
        EXPECT_EQ(f.gridDisplayEdit.Height(), c.height) << c.m << " x " << c.n;
    }
}

TEST_F(TableauTest, RebuildShowsTheModel) {
    trui::newProblem(2, 2, 3);
    auto& s = qv::S();
    EXPECT_EQ(QVTanda::CheckCostCell(1, 1, "2.50"), 0);
    EXPECT_EQ(QVTanda::CheckCostCell(2, 3, "-40"), 0);
    EXPECT_EQ(QVTanda::CheckCostCell(1, 2, "0.25"), 0);
    EXPECT_EQ(QVTanda::CheckSupplyCell(1, "1,500"), 0);
    EXPECT_EQ(QVTanda::CheckDemandCell(4, "40"), 0);
    s.tr.dblArcCosts(qv::arcIndex(2, 1, 3)) = 1e20;  // never shown in exponent form
    QVTanda::BuildTransportationTableau();
    EXPECT_EQ(gridRows(frmProblem().gridDisplayEdit),
              (std::vector<std::string>{"Origin|1|2|3|Supply", "1|2.5|0.25|0|1500", "2|100000000000000000000|0|-40|0",
                                        "Demand|0|40|0|***********"}));
    // An added row or column shows empty while its add rebuilds.
    s.tr.blnAddingOrigin = true;
    QVTanda::BuildTransportationTableau();
    EXPECT_EQ(gridRows(frmProblem().gridDisplayEdit)[2], "2||||");
    EXPECT_EQ(gridRows(frmProblem().gridDisplayEdit)[3], "Demand|0|40|0|***********");
    s.tr.blnAddingOrigin = false;
    s.tr.blnAddingDestination = true;
    QVTanda::BuildTransportationTableau();
    EXPECT_EQ(gridRows(frmProblem().gridDisplayEdit),
              (std::vector<std::string>{"Origin|1|2|3|Supply", "1|2.5|0.25||1500", "2|100000000000000000000|0||0",
                                        "Demand|0|40||***********"}));
    s.tr.blnAddingDestination = false;
}

// ---------------------------------------------------------------- files

class TransportFileTest : public TableauTest {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("qv_transport_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override {
        TableauTest::TearDown();
        std::filesystem::remove_all(dir_);
    }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    void open(const std::string& file) {
        qv::S().strProblemFileName = file;
        frmMenu().ReadProblemFile();
    }
    std::filesystem::path dir_;
};

TEST_F(TransportFileTest, SavedProblemsReopenAsTheSameModel) {
    for (int module : {2, 3}) {
        trui::newProblem(module, 2, 3);
        auto& s = qv::S();
        const char* costs[] = {"4", "2.5", "", "-3.25", "0", "7"};
        for (int k = 0; k < 6; ++k) QVTanda::CheckCostCell(k / 3 + 1, k % 3 + 1, costs[k]);
        if (module == 2) {
            QVTanda::CheckSupplyCell(1, "30");
            QVTanda::CheckDemandCell(3, "25");
            QVTanda::CheckDemandCell(5, "5");
        }
        const std::string file = path(module == 2 ? "p.TRN" : "p.ASN");
        s.strProblemFileName = file;
        frmMenu().WriteProblemFile();
        const qv::TransportBlock saved = s.tr;
        const double decimals = s.intDecimalPlaces.num();
        EXPECT_EQ(decimals, 2);

        trui::chooseModule(module);
        open(file);
        EXPECT_TRUE(h().transcript.empty() || h().transcript.back().find("MSGBOX") == std::string::npos);
        auto& r = qv::S();
        EXPECT_EQ(r.intDecimalPlaces.num(), decimals);
        EXPECT_EQ(r.tr.intOriginCount, 2);
        EXPECT_EQ(r.tr.intDestinationCount, 3);
        for (long k = 1; k <= 6; ++k) {
            EXPECT_EQ(r.tr.dblArcCosts(k).num(), saved.dblArcCosts(k).num()) << k;
            EXPECT_EQ(r.tr.lngArcTails(k), saved.lngArcTails(k));
            EXPECT_EQ(r.tr.intArcHeads(k), saved.intArcHeads(k));
        }
        for (int v = 1; v <= 5; ++v) EXPECT_EQ(r.tr.lngNodeSupplies(v), saved.lngNodeSupplies(v)) << v;
        const pf::Grid& g = frmProblem().gridDisplayEdit;
        EXPECT_EQ(g.TextMatrix(1, 2), "2.5");
        EXPECT_EQ(g.TextMatrix(1, 3), "0");  // never typed: the 0 the dimensioning stored
        EXPECT_EQ(g.TextMatrix(2, 1), "-3.25");
        if (module == 2) {
            EXPECT_EQ(g.TextMatrix(2, 4), "0");
            EXPECT_EQ(g.TextMatrix(3, 2), "0");
            EXPECT_EQ(g.TextMatrix(3, 3), "5");
        }
        EXPECT_EQ(r.strProblemEntered, "YES");
        EXPECT_TRUE(editItem(2).Enabled());
    }
}

TEST_F(TransportFileTest, AssignmentFileNodeValuesAreAlwaysOnes) {
    trui::chooseModule(3);
    std::ofstream(path("a.ASN"), std::ios::binary) << "0,2,2\r\n1\r\n2\r\n3\r\n4\r\n";
    qv::S().tr.lngNodeSupplies.ReDim(9);
    open(path("a.ASN"));
    for (int v = 1; v <= 4; ++v) EXPECT_EQ(qv::S().tr.lngNodeSupplies(v), v <= 2 ? 1 : -1);
}

TEST_F(TransportFileTest, FilesTheSolverCannotTakeAreRefused) {
    const char* files[] = {
        "0,1,2\r\n1\r\n2\r\n-5\r\n-3\r\n-2\r\n",        // a negative supply
        "0,1,2\r\n1\r\n2\r\n5\r\n3\r\n-2\r\n",          // a positive demand value
        "0,1,2\r\n1\r\n2\r\n1000000\r\n-3\r\n-2\r\n",   // a supply too large
        "0,1,2\r\n1\r\n2\r\n5\r\n-1000000\r\n-2\r\n",   // a demand too large
        "0,1,2\r\n-1000000\r\n2\r\n5\r\n-3\r\n-2\r\n",  // a cost too large
    };
    for (const char* text : files) {
        trui::chooseModule(2);
        std::ofstream(path("bad.TRN"), std::ios::binary) << text;
        h().expectMessage(pf::vbOK);
        open(path("bad.TRN"));
        EXPECT_EQ(std::count_if(h().transcript.begin(), h().transcript.end(),
                                [](const std::string& l) { return l.find(qv::kFileInputErrorTitle) != std::string::npos; }),
                  1)
            << text;
        EXPECT_FALSE(frmProblem().gridDisplayEdit.Visible()) << text;
        EXPECT_NE(qv::S().strProblemEntered, "YES");
    }
    trui::chooseModule(3);
    std::ofstream(path("bad.ASN"), std::ios::binary) << "0,1,1\r\n1000000\r\n";
    h().expectMessage(pf::vbOK);
    open(path("bad.ASN"));
    EXPECT_FALSE(frmProblem().gridDisplayEdit.Visible());
}

TEST_F(TransportFileTest, ProblemsBeyondThirtyRowsSolveAndShow) {
    // 31 origins, 31 destinations: the reader takes them; Solve shows four-plus blocks.
    trui::chooseModule(2);
    std::string text = "0,31,31\r\n";
    for (int k = 0; k < 31 * 31; ++k) text += std::to_string(k % 7 + 1) + "\r\n";
    for (int v = 0; v < 31; ++v) text += "2\r\n";
    for (int v = 0; v < 31; ++v) text += "-2\r\n";
    std::ofstream(path("big.TRN"), std::ios::binary) << text;
    open(path("big.TRN"));
    EXPECT_EQ(frmProblem().gridDisplayEdit.Rows(), 33);
    h().expectModal("frmTransObj", [](pf::Form& f) { static_cast<FrmTransObj&>(f).cmdOK_Click(); });
    frmMenu().mnuSolutionSolve_Click();
    const auto lines = frmSolution().lines();
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("  FROM", 0) == 0; }), 4);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), std::string(" ORIGIN     28     29     30     31  ")), 1);
}

TEST_F(TransportFileTest, FortyOriginsFromAFilePrintEverySupplyOnce) {
    trui::chooseModule(2);
    std::string text = "0,40,2\r\n";
    for (int k = 0; k < 80; ++k) text += std::to_string(k % 5 + 1) + "\r\n";
    for (int i = 1; i <= 40; ++i) text += std::to_string(i) + "\r\n";
    text += "-400\r\n-420\r\n";
    std::ofstream(path("forty.TRN"), std::ios::binary) << text;
    open(path("forty.TRN"));
    h().expectModal("frmTransObj", [](pf::Form& f) { static_cast<FrmTransObj&>(f).cmdOK_Click(); });
    frmMenu().mnuSolutionSolve_Click();
    h().expectFile(path("forty.OUT"));
    frmMenu().mnuSolutionPrinttoText_Click();
    std::ifstream in(path("forty.OUT"), std::ios::binary);
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);) lines.push_back(l.substr(0, l.size() - 1));
    const auto head = std::find(lines.begin(), lines.end(), "    ORIGIN   SUPPLY        ORIGIN   SUPPLY        ORIGIN   SUPPLY");
    ASSERT_NE(head, lines.end());
    // Every origin's supply once: entries 37 to 40 continue below the first 36.
    std::vector<int> seen(41, 0);
    for (auto l = head + 2; l != lines.end() && !l->empty(); ++l) {
        std::istringstream fields(*l);
        for (int e = 0, v = 0; fields >> e >> v;) {
            ASSERT_EQ(v, e);
            ++seen[static_cast<std::size_t>(e)];
        }
    }
    for (int e = 1; e <= 40; ++e) EXPECT_EQ(seen[static_cast<std::size_t>(e)], 1) << e;
}

// ---------------------------------------------------------------- Solve

TEST_F(TableauTest, SolveAndItsCancel) {
    trui::newProblem(2, 1, 2);
    auto& s = qv::S();
    // Typed but not yet checked: the check pass of Solve stores them.
    pf::Grid& g = frmProblem().gridDisplayEdit;
    g.TextMatrix(1, 1, "3");
    g.TextMatrix(1, 2, "1");
    g.TextMatrix(1, 3, "80");
    g.TextMatrix(2, 1, "50");
    g.TextMatrix(2, 2, "50");
    frmMenu().lblmoduleindicator.Caption("Transportation Module");

    h().expectModal("frmTransObj", [](pf::Form& f) { static_cast<FrmTransObj&>(f).cmdCancel_Click(); });
    frmMenu().mnuSolutionSolve_Click();
    EXPECT_FALSE(qv::solutionShown());
    EXPECT_FALSE(frmMenu().mnuSolutionPrinttoPrinter->Enabled());
    EXPECT_FALSE(editItem(0).Enabled());
    EXPECT_TRUE(editItem(2).Enabled());

    // Minimizing: destination 1 (cost 3) misses 20.
    h().transcript.clear();
    h().expectModal("frmTransObj", [](pf::Form& f) {
        auto& d = static_cast<FrmTransObj&>(f);
        d.optMinimize.Value(true);
        d.optMaximize.Value(false);
        EXPECT_EQ(frmMenu().lblmoduleindicator.Caption(), "Transportation Module");
        d.cmdOK_Click();
    });
    h().expectMessage(pf::vbOK);
    frmMenu().mnuSolutionSolve_Click();
    EXPECT_EQ(s.strMaximizeObjective, "NO");
    EXPECT_NE(std::find(h().transcript.begin(), h().transcript.end(),
                        "MSGBOX \"Warning:  INSUFFICIENT SUPPLY\" information OK \"Total demand exceeds total supply "
                        "by 20.  The solution given provides the optimal shipment schedule for the available supply.  "
                        "Some destinations will have unsatisfied demand.\" -> OK"),
              h().transcript.end());
    EXPECT_TRUE(qv::solutionShown());
    EXPECT_EQ(frmSolution().title(), "Optimal Transportation Schedule");
    EXPECT_EQ(frmSolution().lines()[4], "    1         30     50");
    EXPECT_EQ(frmMenu().lblmoduleindicator.Caption(), "Transportation Module");
    EXPECT_TRUE(frmMenu().mnuSolutionPrinttoPrinter->Enabled());
    EXPECT_TRUE(frmMenu().mnuSolutionPrinttoText->Enabled());
    EXPECT_TRUE(editItem(0).Enabled());
    EXPECT_FALSE(editItem(2).Enabled());
    EXPECT_FALSE(h().busy());

    // Maximizing: destination 2 (revenue 1) misses 20 instead; the window is replaced.
    h().expectModal("frmTransObj", [](pf::Form& f) {
        auto& d = static_cast<FrmTransObj&>(f);
        d.optMaximize.Value(true);
        d.optMinimize.Value(false);
        d.cmdOK_Click();
    });
    h().expectMessage(pf::vbOK);
    frmMenu().mnuSolutionSolve_Click();
    EXPECT_EQ(frmSolution().lines()[4], "    1         50     30");
    EXPECT_EQ(frmSolution().lines()[6], "    TOTAL TRANSPORTATION COST OR REVENUE IS:  180");
}

TEST_F(TableauTest, AssignmentSolveShowsTheAssignmentWindow) {
    trui::newProblem(3, 2, 2);
    pf::Grid& g = frmProblem().gridDisplayEdit;
    g.TextMatrix(1, 1, "5");
    g.TextMatrix(1, 2, "1");
    g.TextMatrix(2, 1, "2");
    g.TextMatrix(2, 2, "6");
    h().expectModal("frmTransObj", [](pf::Form& f) {
        auto& d = static_cast<FrmTransObj&>(f);
        d.optMinimize.Value(true);
        d.optMaximize.Value(false);
        d.cmdOK_Click();
    });
    frmMenu().mnuSolutionSolve_Click();
    EXPECT_EQ(frmSolution().title(), "Optimal Assignment Schedule");
    EXPECT_EQ(frmSolution().lines()[5], "         TOTAL COST/REVENUE                     3");
}

}  // namespace
