// The module windows show the whole of every text, laid out as the user meets them:
// after File New with typed entries and after File Open, with everyday and with long
// values, at the smallest and the largest problem sizes, and with each module's
// solution. Run with QV_SCREENSHOT_DIR set (under a real display, e.g. xvfb-run) to
// keep a picture of each.
#include <gtest/gtest.h>

#include "tests/ui_grid_check.h"
#include "tests/ui_layout_check.h"
#include "tests/ui_test_support.h"

#include <QScrollBar>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "decision/QVDecisionAnalysis.h"
#include "decision/frmDecisionFeatures.h"
#include "decision/frmDecisionProblem.h"
#include "decision/frmdecnopt.h"
#include "inventory/InventoryForms.h"
#include "network/frminputnodes.h"
#include "platform/ui/Grid.h"
#include "platform/ui/Keys.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/Modules.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmModuleSelection.h"
#include "shell/frmProblem.h"
#include "shell/frmSolution.h"
#include "shell/frmStartup.h"
#include "shell/frmTransObj.h"
#include "shell/frmUserInput.h"
#include "shell/frmuserlistinput.h"
#include "waiting/frmWL_Model.h"

namespace {

using Texts = std::vector<std::string>;

pf::ScriptedHost& h() { return pf::scriptedHost(); }

class ModuleTextFitTest : public ::testing::Test {
protected:
    void SetUp() override {
        qvtest::resetProgram();
        dir_ = qvtest::emptyTestDir("qv_fit_");
    }
    void TearDown() override {
        EXPECT_TRUE(h().allAnswersUsed());
        h().clearAnswers();
        pf::unloadAll();
        std::filesystem::remove_all(dir_);
    }

    static void start() {
        qv::startProgram();
        frmStartup().cmdOK.userClick();
        pf::collectUnloaded();
    }
    void choose(int module) {
        if (qv::S().intCurrentModule != 0) frmMenu().mnuFileChangeModules->Click();
        pf::collectUnloaded();
        auto& c = frmModuleSelection();
        c.optProblemType[static_cast<std::size_t>(module)]->userClick();
        c.cmdOK.userClick();
        pf::collectUnloaded();
        qv::S().strProblemFolder = dir_.string();
    }
    std::string path(const std::string& file) const { return (dir_ / file).string(); }
    // File Open of a problem saved before, in place of the one shown; `more` queues
    // what the opening shows besides.
    void reopen(const std::string& file, const std::function<void()>& more = {}) {
        h().expectMessage(pf::vbYes);  // another problem in place of this one
        h().expectFile(path(file));
        if (more) more();
        frmMenu().mnuFileOpen->Click();
        pf::collectUnloaded();
    }
    // File Save of the problem shown, then File Open of it.
    void saveAndReopen(const std::string& file) {
        h().expectFile(path(file));
        frmMenu().mnuFileSave->Click();
        reopen(file);
    }
    // What File New shows first in modules 8 and 9: the model list, checked, and the
    // model picked in it.
    static void expectModelList(int module, int model) {
        if (qv::S().strProblemEntered == "YES") h().expectMessage(pf::vbYes);  // another problem
        expectDialog("frmuserlistinput", "frmuserlistinput_" + std::to_string(module), [model](pf::Form& f) {
            auto& d = static_cast<FrmUserListInput&>(f);
            EXPECT_EQ(qvtest::clippedItems(d.lstModelSelection), Texts{});
            d.lstModelSelection.userSelect(model - 1);
            d.cmdOK.userClick();
        });
    }
    // A dialog checked where it stands, then left to `then`.
    static void expectDialog(const std::string& form, const std::string& picture, std::function<void(pf::Form&)> then) {
        h().expectModal(form, [picture, then](pf::Form& f) {
            f.window()->show();
            qvtest::saveScreenshot(f.window(), picture);
            EXPECT_EQ(qvtest::clippedTexts(f), Texts{}) << picture;
            then(f);
        });
    }
    // The main window with its child window, and the grids in it.
    // Also with the main window as large as the screen allows.
    static void expectWhole(const std::string& picture, std::initializer_list<const pf::Grid*> grids) {
        EXPECT_EQ(qvtest::clippedInMainWindow(picture, grids), Texts{});
    }
    // The same, for the grid window's data grid, which is as large as its table.
    static void expectWholeGrid(const std::string& picture) {
        const pf::Grid& g = frmProblem().gridDisplayEdit;
        expectWhole(picture, {&g});
        EXPECT_EQ(qvtest::oversizedPanel(g), Texts{}) << picture;
    }
    // The solution window, shown with every line whole: no sideways scrolling.
    static void expectSolution(const std::string& picture) {
        ASSERT_TRUE(qv::solutionShown()) << picture;
        EXPECT_EQ(qvtest::clippedSolution(picture), Texts{}) << picture;
    }
    // Solution Solve, and its window checked.
    static void solve(const std::string& picture) {
        frmMenu().mnuSolutionSolve->Click();
        pf::collectUnloaded();
        expectSolution(picture);
    }
    // Types the texts into a grid from (row, col) on, Tab after each.
    static void typeCells(pf::Grid& g, int row, int col, const std::vector<std::string>& cells) {
        g.userClickCell(row, col);
        std::string keys;
        for (const std::string& c : cells) keys += c + "{TAB}";
        pf::SendKeys(keys, true);
    }

    std::filesystem::path dir_;
};

// A form with a grid and a list, to show that the cell and item check sees faults.
class CellForm : public pf::Form {
public:
    CellForm() : pf::Form("frmCells", pf::FormKind::TopLevel) { Move(0, 0, 6000, 4500); }
    pf::Grid grid{this, "grid"};
    pf::Label over{this, "over"};
    pf::ListBox list{this, "list"};
};

TEST_F(ModuleTextFitTest, TheCheckFindsCutCellsCoveredGridsAndCutItems) {
    CellForm& f = pf::instance<CellForm>();
    f.Show();
    f.grid.Move(120, 120, 3000, 1500);
    f.grid.Rows(2);
    f.grid.Cols(2);
    f.grid.ColWidth(0, 600);
    f.grid.ColWidth(1, 600);
    f.grid.TextMatrix(0, 1, "Distance/Cost");
    f.grid.TextMatrix(1, 1, "12");
    f.list.Move(120, 2400, 1200, 900);
    f.list.AddItem("Short");
    f.list.AddItem("An item far wider than its list box");
    f.over.Visible(false);
    const Texts cells = qvtest::clippedCells(f.grid);
    ASSERT_EQ(cells.size(), 1u) << ::testing::PrintToString(cells);
    EXPECT_EQ(cells[0].substr(0, 25), "grid(0,1) \"Distance/Cost\"");
    const Texts items = qvtest::clippedItems(f.list);
    ASSERT_GE(items.size(), 1u);
    EXPECT_EQ(items[0].substr(0, 43), "list \"An item far wider than its list box\":");

    // Columns wider than the grid, and a label laid over it.
    f.grid.ColWidth(0, 3000);
    f.grid.TextMatrix(0, 1, "");
    f.over.Move(600, 600, 1200, 255);
    f.over.Caption("Over");
    f.over.Visible(true);
    const Texts found = qvtest::clippedCells(f.grid);
    ASSERT_EQ(found.size(), 2u) << ::testing::PrintToString(found);
    EXPECT_EQ(found[0].substr(0, 20), "grid: columns need 2");
    EXPECT_EQ(found[1], "grid: covered by over");
}

// ---------------------------------------------------------------- networks

TEST_F(ModuleTextFitTest, NetworkArcGridNodeDialogAndSolutions) {
    start();
    struct Case {
        int module;
        int nodes;
        std::vector<std::string> arcs;  // start, end, distance
    };
    // The smallest network, an everyday one, and the largest with long distances.
    std::vector<Case> cases = {
        {5, 2, {"1", "2", "7"}},
        {6, 5, {"1", "2", "2", "1", "3", "3", "2", "3", "1", "2", "4", "4.25", "3", "4", "5", "3", "5", "6", "4", "5", "2"}},
    };
    Case big{5, qv::NetworkBlock::kMaxNodes, {}};
    for (int k = 1; k <= qv::NetworkBlock::kMaxArcs; ++k) {
        const int from = (k - 1) % (qv::NetworkBlock::kMaxNodes - 1) + 1;
        big.arcs.insert(big.arcs.end(), {std::to_string(from), std::to_string(from + 1), std::to_string(98765 + k) + ".25"});
    }
    cases.push_back(big);
    Case tree = big;
    tree.module = 6;
    cases.push_back(tree);

    for (const Case& c : cases) {
        const int arcCount = static_cast<int>(c.arcs.size() / 3);
        const std::string tag = std::to_string(c.module) + "_" + std::to_string(arcCount);
        SCOPED_TRACE(tag);
        choose(c.module);
        // File New, the arcs typed in.
        h().expectModal("frmUserInput", [&](pf::Form& f) {
            auto& d = static_cast<FrmUserInput&>(f);
            d.txtAnswer[0]->Text(std::to_string(c.nodes));
            d.txtAnswer[1]->Text(std::to_string(arcCount));
            d.cmdOK.userClick();
        });
        frmMenu().mnuFileNew->Click();
        pf::Grid& g = frmProblem().gridDisplayEdit;
        ASSERT_EQ(g.Rows(), arcCount + 1);
        typeCells(g, 1, 1, c.arcs);
        expectWholeGrid("network_new_" + tag);

        // The same network saved and opened again.
        saveAndReopen("net" + tag + ".S&S");
        ASSERT_NE(frmProblem().gridDisplayEdit.TextMatrix(arcCount, 3), "");
        expectWholeGrid("network_open_" + tag);

        if (c.module == 5) {
            expectDialog("frminputnodes", "frminputnodes_" + tag, [&](pf::Form& f) {
                auto& d = static_cast<Frminputnodes&>(f);
                d.txtAnswer[0]->Text("1");
                d.txtAnswer[1]->Text(std::to_string(c.nodes));
                EXPECT_EQ(qvtest::clippedTexts(f), Texts{});
                d.cmdOK.userClick();
            });
        }
        solve("network_solution_" + tag);
        qv::S().strProblemEntered = "NO";  // leave without the question
    }
}

// ---------------------------------------------------------------- decision analysis

TEST_F(ModuleTextFitTest, DecisionWindowDialogsAndSolutions) {
    start();
    choose(10);
    struct Case {
        const char* tag;
        int alternatives, states, outcomes;  // outcomes 0: no strategy
        bool probabilities;
        std::string payoff;  // every payoff, with its row and column added
    } cases[] = {
        {"1x1", 1, 1, 0, false, "7"},
        {"3x3_probs", 3, 3, 0, true, "250"},
        {"10x10_strategy", 10, 10, 10, true, "-1250000.5"},
        {"10x10", 10, 10, 0, false, "98765.25"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tag);
        const std::string tag = c.tag;
        if (qv::S().strProblemEntered == "YES") h().expectMessage(pf::vbYes);  // another problem
        expectDialog("frmDecisionFeatures", "frmDecisionFeatures_" + tag, [&](pf::Form& f) {
            auto& d = static_cast<FrmDecisionFeatures&>(f);
            d.txtNumAlternatives.Text(std::to_string(c.alternatives));
            d.txtNumStates.Text(std::to_string(c.states));
            if (c.probabilities) d.chkStateProbs.userClick();
            if (c.outcomes) {
                d.chkStrategy.userClick();
                d.txtIndicator.Text(std::to_string(c.outcomes));
            }
            qvtest::saveScreenshot(f.window(), "frmDecisionFeatures_" + tag);
            EXPECT_EQ(qvtest::clippedTexts(f), Texts{});
            d.cmdOK.userClick();
        });
        frmMenu().mnuFileNew->Click();
        FrmDecisionProblem& w = frmDecisionProblem();
        ASSERT_EQ(w.Grid[0]->Rows(), c.alternatives + 1);
        // Every cell typed, grid after grid.
        std::vector<std::string> cells;
        for (int i = 1; i <= c.alternatives; ++i)
            for (int j = 1; j <= c.states; ++j) {
                const double base = std::stod(c.payoff);
                cells.push_back(base == std::floor(base) ? std::to_string(static_cast<long>(base) + i + j)
                                                         : c.payoff.substr(0, c.payoff.size() - 1) + std::to_string(i % 10));
            }
        if (c.probabilities) {
            const std::string p = c.states == 3 ? ".3333" : c.states == 1 ? "1" : ".1";
            for (int j = 1; j <= c.states; ++j) cells.push_back(j == c.states && c.states == 3 ? ".3334" : p);
        }
        for (int j = 1; j <= c.outcomes * c.states; ++j) cells.push_back(".1");
        typeCells(*w.Grid[0], 1, 1, cells);
        const pf::Grid* grids[3] = {w.Grid[0].get(), w.Grid[1].get(), w.Grid[2].get()};
        expectWhole("decision_new_" + tag, {grids[0], grids[1], grids[2]});

        saveAndReopen("dec" + tag + ".DSN");
        // Open lays the problem out in a window loaded afresh.
        FrmDecisionProblem& opened = frmDecisionProblem();
        ASSERT_NE(opened.Grid[0]->TextMatrix(c.alternatives, c.states), "");
        expectWhole("decision_open_" + tag, {opened.Grid[0].get(), opened.Grid[1].get(), opened.Grid[2].get()});

        if (c.probabilities) {
            h().expectModal("frmTransObj", [](pf::Form& f) {
                auto& d = static_cast<FrmTransObj&>(f);
                d.optMaximize.userClick();
                d.cmdOK.userClick();
            });
        } else {
            expectDialog("frmdecnopt", "frmdecnopt", [](pf::Form& f) {
                auto& d = static_cast<Frmdecnopt&>(f);
                d.optMaximize.userClick();
                d.Optcriterion[2]->userClick();
                EXPECT_EQ(qvtest::clippedTexts(f), Texts{});
                d.cmdOK.userClick();
            });
        }
        solve("decision_solution_" + tag);
        frmMenu().mnudispeditsubs_Click(0);  // back to the problem
    }
    qv::S().strProblemEntered = "NO";
}

// ---------------------------------------------------------------- waiting lines

TEST_F(ModuleTextFitTest, WaitingLineModelListFormsAndSolutions) {
    start();
    choose(9);
    struct Case {
        int model;
        std::vector<std::string> everyday, longest;  // the form's boxes top down
    } cases[] = {
        {1, {"2", "3", "2"}, {"25", "1234.56789", "98.7654321"}},
        {2, {"2", "3", ".25"}, {"0.123456789", "0.987654321", "0.0123456789"}},
        {3, {"2", "3"}, {"1234.56789", "2345.67891"}},
        {4, {"2", "3", "2"}, {"25", "1234.56789", "98.7654321"}},
        {5, {"2", ".1", ".5", "30"}, {"25", "0.0123456789", "0.987654321", "30"}},
    };
    for (const Case& c : cases) {
        for (bool longValues : {false, true}) {
            for (bool economic : {false, true}) {
                if (economic && c.model == 4) continue;  // the form has no economic analysis
                const std::string tag = std::to_string(c.model) + (longValues ? "_long" : "") + (economic ? "_econ" : "");
                SCOPED_TRACE(tag);
                const auto& values = longValues ? c.longest : c.everyday;
                const std::vector<std::string> costs =
                    longValues ? std::vector<std::string>{"1234.56789", "98765.4321"} : std::vector<std::string>{"5", "20"};
                expectModelList(9, c.model);
                const std::string file = "wl" + tag + ".WLM";
                expectDialog("frmWL_Model", "frmWL_Model_" + tag + "_empty", [&](pf::Form& f) {
                    auto& d = static_cast<FrmWLModel&>(f);
                    EXPECT_EQ(qvtest::blankBands(f), Texts{}) << "without economic analysis";
                    for (std::size_t i = 0; i < values.size(); ++i) {
                        d.txt_WL[i]->SetFocus();
                        d.txt_WL[i]->Text(values[i]);
                    }
                    if (economic) {
                        // The form grows where it stands.
                        const QPoint at = f.window()->pos();
                        const int height = f.window()->height();
                        d.chkECONAnal.userClick();
                        EXPECT_EQ(f.window()->pos(), at);
                        EXPECT_GT(f.window()->height(), height);
                        for (std::size_t i = 0; i < 2; ++i) {
                            d.txtECONAnal[i]->SetFocus();
                            d.txtECONAnal[i]->Text(costs[i]);
                        }
                    }
                    d.txt_WL[0]->SetFocus();
                    qvtest::saveScreenshot(f.window(), "frmWL_Model_" + tag);
                    EXPECT_EQ(qvtest::clippedTexts(f), Texts{});
                    EXPECT_EQ(qvtest::blankBands(f), Texts{});
                    h().expectFile(path(file));
                    d.cmdSave.userClick();
                    d.CmdSolve.userClick();
                });
                frmMenu().mnuFileNew->Click();
                pf::collectUnloaded();
                expectSolution("waiting_solution_" + tag);

                // Opened again: the form shows the stored entries.
                reopen(file, [&] {
                    expectDialog("frmWL_Model", "frmWL_Model_open_" + tag, [](pf::Form& f) {
                        auto& d = static_cast<FrmWLModel&>(f);
                        EXPECT_NE(d.txt_WL[0]->Text(), "");
                        EXPECT_EQ(qvtest::blankBands(f), Texts{});
                        d.cmdCancel.userClick();
                    });
                });
            }
        }
    }
    qv::S().strProblemEntered = "NO";
}

// ---------------------------------------------------------------- Markov processes

TEST_F(ModuleTextFitTest, MarkovTransitionGridAndSolutions) {
    start();
    choose(12);
    // How the chain moves: one absorbing state at the end, every state absorbing
    // but the first two, or no absorbing state at all.
    enum class Chain { OneAbsorbing, ManyAbsorbing, Regular };
    struct Case {
        int states;
        bool longValues;
        Chain chain;
    } cases[] = {{1, false, Chain::OneAbsorbing},    {3, false, Chain::OneAbsorbing},
                 {3, true, Chain::OneAbsorbing},     {10, false, Chain::OneAbsorbing},
                 {10, true, Chain::OneAbsorbing},    {10, true, Chain::ManyAbsorbing},
                 {10, false, Chain::Regular}};
    for (const Case& c : cases) {
        const std::string tag = std::to_string(c.states) + (c.longValues ? "_long" : "") +
                                (c.chain == Chain::ManyAbsorbing ? "_absorbing" : c.chain == Chain::Regular ? "_regular" : "");
        SCOPED_TRACE(tag);
        if (qv::S().strProblemEntered == "YES") h().expectMessage(pf::vbYes);  // another problem
        h().expectModal("frmUserInput", [&](pf::Form& f) {
            auto& d = static_cast<FrmUserInput&>(f);
            d.txtAnswer[0]->Text(std::to_string(c.states));
            d.cmdOK.userClick();
        });
        frmMenu().mnuFileNew->Click();
        pf::collectUnloaded();
        std::vector<std::string> cells;
        const int n = c.states;
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j) {
                switch (c.chain) {
                    case Chain::OneAbsorbing:
                        if (i == n) cells.push_back(j == n ? "1" : "0");
                        else if (c.longValues) cells.push_back(j == n ? "0.333333334" : j == i ? "0.666666666" : "0");
                        else cells.push_back(j == n ? ".25" : j == i ? ".75" : "0");
                        break;
                    case Chain::ManyAbsorbing:
                        if (i > 2) cells.push_back(j == i ? "1" : "0");
                        else cells.push_back(j <= 2 ? "0.0625" : "0.109375");
                        break;
                    case Chain::Regular: cells.push_back(".1"); break;
                }
            }
        typeCells(frmProblem().gridDisplayEdit, 1, 1, cells);
        expectWholeGrid("markov_new_" + tag);

        saveAndReopen("mk" + tag + ".MRK");
        ASSERT_NE(frmProblem().gridDisplayEdit.TextMatrix(n, n), "");
        expectWholeGrid("markov_open_" + tag);

        solve("markov_solution_" + tag);
        frmMenu().mnudispeditsubs_Click(0);  // back to the problem
    }
    qv::S().strProblemEntered = "NO";
}

// ---------------------------------------------------------------- inventory

TEST_F(ModuleTextFitTest, InventoryModelListFormsAndSolutions) {
    start();
    choose(8);
    struct Values {
        std::vector<std::string> main;  // demand, ordering cost, [backorder cost,] working days
        std::string amount, percent, unitCost, leadTime;
    };
    const Values everyday{{"2000", "25", "30", "250"}, "10", "20", "10", "2"};
    const Values longest{{"1234567.89", "12345.6789", "98765.4321", "365"}, "1234.56789", "99.999999", "123456.789",
                         "12.3456789"};
    for (int model : {1, 3}) {
        const char* form = model == 1 ? "frmEOQ" : "frmPlannedShortages";
        for (bool longValues : {false, true}) {
            for (bool percent : {false, true}) {
                for (bool reorder : {false, true}) {
                    const std::string tag = std::string(form) + (longValues ? "_long" : "") +
                                            (percent ? "_percent" : "_amount") + (reorder ? "_reorder" : "");
                    SCOPED_TRACE(tag);
                    const Values& v = longValues ? longest : everyday;
                    expectModelList(8, model);
                    const std::string file = tag + ".INV";
                    expectDialog(form, tag + "_empty", [&](pf::Form& f) {
                        auto& d = static_cast<FrmInventoryForm&>(f);
                        EXPECT_EQ(qvtest::clippedItems(*d.comboHoldingcostmethod), Texts{});
                        std::vector<std::string> main = v.main;
                        if (model == 1) main.erase(main.begin() + 2);
                        for (std::size_t i = 0; i < main.size(); ++i) {
                            d.mainBoxes[i]->SetFocus();
                            d.mainBoxes[i]->Text(main[i]);
                        }
                        if (!percent) d.comboHoldingcostmethod->userSelect(0);
                        d.txtFrame1->SetFocus();
                        d.txtFrame1->Text(percent ? v.percent : v.amount);
                        if (percent) {
                            d.txtframe2->SetFocus();
                            d.txtframe2->Text(v.unitCost);
                        }
                        if (reorder) {
                            d.chkreorderpoint->userClick();
                            d.txtleadtime->SetFocus();
                            d.txtleadtime->Text(v.leadTime);
                        }
                        d.mainBoxes[0]->SetFocus();
                        qvtest::saveScreenshot(f.window(), tag);
                        EXPECT_EQ(qvtest::clippedTexts(f), Texts{});
                        h().expectFile(path(file));
                        d.cmdSave->userClick();
                        d.CmdSolve->userClick();
                    });
                    frmMenu().mnuFileNew->Click();
                    pf::collectUnloaded();
                    expectSolution("inventory_solution_" + tag);

                    // Opened again: the form shows the stored entries.
                    reopen(file, [&] {
                        expectDialog(form, tag + "_open", [](pf::Form& f) {
                            auto& d = static_cast<FrmInventoryForm&>(f);
                            EXPECT_NE(d.mainBoxes[0]->Text(), "");
                            d.cmdCancel->userClick();
                        });
                    });
                }
            }
        }
    }
    qv::S().strProblemEntered = "NO";
}

}  // namespace
