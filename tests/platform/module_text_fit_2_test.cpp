// The transportation and assignment, forecasting and inventory windows show the
// whole of their texts, laid out as the user meets them: after New or Open, with
// everyday and with long values, at the smallest and largest sizes, and the solution
// window with each module's solution. Run with QV_SCREENSHOT_DIR set (under a real
// display, e.g. xvfb-run) to keep a picture of each.
#include <gtest/gtest.h>

#include "tests/ui_grid_check.h"
#include "tests/ui_layout_check.h"
#include "tests/lp/lp_test_support.h"
#include "tests/ui_test_support.h"

#include <QScrollBar>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "forecast/QVForecasting.h"
#include "lp/QVLP.h"
#include "lp/core/TextModel.h"
#include "lp/frmLPproblem.h"
#include "forecast/frmForecastingModels.h"
#include "inventory/InventoryForms.h"
#include "inventory/QVInvent.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Grid.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/Modules.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmModuleSelection.h"
#include "shell/frmProblem.h"
#include "shell/frmSolution.h"
#include "shell/frmUserInput.h"
#include "tests/inventory/core/inventory_test_support.h"
#include "transport/QVTanda.h"
#include "transport/core/TransportModel.h"
#include "transport/frmErrorMsg.h"

namespace {

using Texts = std::vector<std::string>;

pf::ScriptedHost& h() { return pf::scriptedHost(); }

// The dialog's texts and the entries of its lists all show; with QV_SCREENSHOT_DIR
// set, a picture of it.
void look(pf::Form& f, const std::string& name) {
    SCOPED_TRACE(name);
    f.window()->show();
    qvtest::saveScreenshot(f.window(), name);
    Texts found = qvtest::clippedTexts(f);
    for (pf::Control* c : f.controls())
        if (c->widget() && c->widget()->isVisibleTo(f.window()))
            for (const std::string& item : qvtest::clippedItems(*c)) found.push_back(item);
    EXPECT_EQ(found, Texts{});
}

// The same for a form whose hidden rows must leave no blank band behind.
void lookClosedUp(pf::Form& f, const std::string& name) {
    look(f, name);
    EXPECT_EQ(qvtest::blankBands(f), Texts{}) << name;
}

// The grid window in the main window, at the designed size and as large as the screen.
void lookWhole(const std::string& name) {
    EXPECT_EQ(qvtest::clippedInMainWindow(name, {&frmProblem().gridDisplayEdit}), Texts{});
}

void lookSolution(const std::string& name) {
    ASSERT_TRUE(qv::solutionShown()) << name;
    EXPECT_EQ(qvtest::clippedSolution(name), Texts{}) << name;
}

class ModuleTextFit2Test : public ::testing::Test {
protected:
    void SetUp() override { qvtest::resetProgram(); }
    void TearDown() override {
        EXPECT_TRUE(h().allAnswersUsed());
        pf::unloadAll();
    }
    // The main window with the module current and its home screen shown.
    static void home(int module) {
        qvtest::resetProgram();
        frmMenu();
        pf::Unload<FrmModuleSelection>();
        pf::collectUnloaded();
        auto& s = qv::S();
        s.intCurrentModule = module;
        if (module == 2 || module == 3) {
            s.strProblemType = module == 2 ? qv::kTransportationProblem : qv::kAssignmentProblem;
            s.strProblemFileExt = module == 2 ? "TRN" : "ASN";
        }
        frmProblem().Show();
    }
};

// ------------------------------------------------------------------ transportation and assignment

void fillTableau(int m, int n, double cost, int supply) {
    auto& t = qv::S().tr;
    for (int i = 1; i <= m; ++i) {
        for (int j = 1; j <= n; ++j) {
            const long k = qv::arcIndex(i, j, n);
            t.lngArcTails(k) = i;
            t.intArcHeads(k) = m + j;
            t.dblArcCosts(k) = i == j ? cost + (cost > 0 ? -1 : 1) : cost;
        }
        if (qv::S().intCurrentModule == 2) t.lngNodeSupplies(i) = supply;
    }
    if (qv::S().intCurrentModule == 2)
        for (int j = 1; j <= n; ++j) t.lngNodeSupplies(m + j) = -supply * m / n;
}

TEST_F(ModuleTextFit2Test, TableauxAtEachSizeWithEverydayAndLongValues) {
    struct Case {
        int module, m, n;
        double cost;  // 0: a new, empty tableau
        int supply;
    };
    const Case cases[] = {
        {2, 1, 1, 0, 0},          {2, 3, 4, 0, 0},           {2, 30, 30, 0, 0},
        {2, 3, 4, 12.5, 350},     {2, 14, 14, -999999.99, 999999}, {2, 30, 30, 999999.99, 999999},
        {3, 1, 1, 0, 0},          {3, 4, 4, 0, 0},           {3, 30, 30, 0, 0},
        {3, 4, 4, 999999.99, 1},  {3, 15, 15, -999999.99, 1}, {3, 30, 30, -999999.99, 1},
    };
    for (const Case& c : cases) {
        const std::string name = std::string(c.module == 2 ? "transport_" : "assignment_") + std::to_string(c.m) +
                                 "x" + std::to_string(c.n) + (c.cost != 0 ? "_values" : "") +
                                 (c.cost > 100000 || c.cost < 0 ? "_long" : "");
        SCOPED_TRACE(name);
        home(c.module);
        h().expectModal("frmUserInput", [&c](pf::Form& f) {
            auto& d = static_cast<FrmUserInput&>(f);
            d.txtAnswer[0]->Text(std::to_string(c.m));
            d.txtAnswer[1]->Text(std::to_string(c.n));
            d.cmdOK_Click();
        });
        frmMenu().mnuFileNew->Click();
        if (c.cost != 0) {
            fillTableau(c.m, c.n, c.cost, c.supply);
            qv::S().blnNewProblem = false;
            QVTanda::RebuildAfterRead();
        }
        Texts found = qvtest::clippedInMainWindow(name, {&frmProblem().gridDisplayEdit});
        if (c.n > 15 - (c.module == 2)) {
            // More columns than the window holds: they scroll sideways.
            std::erase_if(found, [](const std::string& f) { return f.find(": columns need ") != std::string::npos; });
            const auto bars = frmProblem().gridDisplayEdit.widget()->findChildren<QScrollBar*>();
            EXPECT_TRUE(std::any_of(bars.begin(), bars.end(), [](QScrollBar* b) {
                return b->orientation() == Qt::Horizontal && b->isVisibleTo(frmProblem().window());
            }));
        }
        EXPECT_EQ(found, Texts{});
        qv::S().strProblemEntered = "NO";
    }
}

TEST_F(ModuleTextFit2Test, TooLargeValueWindow) {
    for (const char* typed : {"2520000", "123456789012345678901234567890"}) {
        SCOPED_TRACE(typed);
        home(2);
        h().expectModal("frmUserInput", [](pf::Form& f) {
            auto& d = static_cast<FrmUserInput&>(f);
            d.txtAnswer[0]->Text("2");
            d.txtAnswer[1]->Text("2");
            d.cmdOK_Click();
        });
        frmMenu().mnuFileNew->Click();
        h().expectModal("frmErrorMsg", [typed](pf::Form& f) {
            look(f, std::string("frmErrorMsg_") + (std::string(typed).size() > 10 ? "long" : "cost"));
            static_cast<FrmErrorMsg&>(f).cmdOK_Click();
        });
        QVTanda::CheckCostCell(1, 1, typed);
        h().expectModal("frmErrorMsg", [](pf::Form& f) {
            look(f, "frmErrorMsg_supply");
            static_cast<FrmErrorMsg&>(f).cmdOK_Click();
        });
        QVTanda::CheckSupplyCell(1, "99999999");
        qv::S().strProblemEntered = "NO";
    }
}

TEST_F(ModuleTextFit2Test, TransportationAndAssignmentSolutions) {
    for (int module : {2, 3}) {
        for (int size : {2, 30}) {
            const std::string name = std::string(module == 2 ? "transport" : "assignment") + "_solution_" +
                                     std::to_string(size);
            SCOPED_TRACE(name);
            home(module);
            h().expectModal("frmUserInput", [size](pf::Form& f) {
                auto& d = static_cast<FrmUserInput&>(f);
                d.txtAnswer[0]->Text(std::to_string(size));
                d.txtAnswer[1]->Text(std::to_string(size));
                d.cmdOK_Click();
            });
            frmMenu().mnuFileNew->Click();
            fillTableau(size, size, size == 30 ? 999999.99 : 12.5, size == 30 ? 999999 : 350);
            qv::S().blnNewProblem = false;
            QVTanda::RebuildAfterRead();
            h().expectModal("frmTransObj", [](pf::Form& f) {
                static_cast<pf::CommandButton*>(f.control("cmdOK"))->userClick();
            });
            QVTanda::SolveProblem();
            lookSolution(name);
            qv::S().strProblemEntered = "NO";
        }
    }
}

// A grid too wide for its window: the faults left once its sideways scrolling is
// allowed, and whether both its scroll bars show.
Texts withoutScrolling(Texts found) {
    std::erase_if(found, [](const std::string& f) { return f.find(": columns need ") != std::string::npos; });
    return found;
}
bool barShown(const pf::Grid& g, Qt::Orientation o) {
    for (QScrollBar* b : g.widget()->findChildren<QScrollBar*>())
        if (b->orientation() == o && b->isVisibleTo(g.owner().window())) return true;
    return false;
}

TEST_F(ModuleTextFit2Test, TableauOpenedFromAFileShowsItsFirstOriginAndDestination) {
    const std::filesystem::path dir = qvtest::emptyTestDir("qv_tableau_");
    for (int module : {2, 3}) {
        const std::string name = std::string(module == 2 ? "transport" : "assignment") + "_30x30_opened";
        SCOPED_TRACE(name);
        home(module);
        qv::S().strProblemFolder = dir.string();
        h().expectModal("frmUserInput", [](pf::Form& f) {
            auto& d = static_cast<FrmUserInput&>(f);
            d.txtAnswer[0]->Text("30");
            d.txtAnswer[1]->Text("30");
            d.cmdOK_Click();
        });
        frmMenu().mnuFileNew->Click();
        fillTableau(30, 30, 999999.99, 999999);
        qv::S().blnNewProblem = false;
        QVTanda::RebuildAfterRead();
        const std::string file = (dir / (name + (module == 2 ? ".TRN" : ".ASN"))).string();
        // Saving walks every cell in its check; the tableau is shown from its start again.
        h().expectFile(file);
        frmMenu().mnuFileSave->Click();
        EXPECT_EQ(frmProblem().gridDisplayEdit.TopRow(), 1);
        EXPECT_EQ(frmProblem().gridDisplayEdit.LeftCol(), 1);

        h().expectMessage(pf::vbYes);  // another problem in place of this one
        h().expectFile(file);
        frmMenu().mnuFileOpen->Click();
        pf::collectUnloaded();
        pf::Grid& g = frmProblem().gridDisplayEdit;
        ASSERT_EQ(g.Rows(), module == 2 ? 32 : 31);
        EXPECT_EQ(g.TopRow(), 1);
        EXPECT_EQ(g.LeftCol(), 1) << "destination 1 is the first column shown";
        EXPECT_EQ(withoutScrolling(qvtest::clippedInMainWindow(name, {&g})), Texts{});
        EXPECT_TRUE(barShown(g, Qt::Horizontal));
        qv::S().strProblemEntered = "NO";
    }
    std::filesystem::remove_all(dir);
}

// ------------------------------------------------------------------ linear programming

TEST_F(ModuleTextFit2Test, LinearProgramGridsUpToTheCapacity) {
    struct Case {
        int m, n;
    } cases[] = {{2, 2}, {16, 10}, {17, 12}, {50, 100}};
    for (const Case& c : cases) {
        const std::string name = "lp_" + std::to_string(c.m) + "x" + std::to_string(c.n);
        SCOPED_TRACE(name);
        FrmLPproblem& w = qvtest::newLPLaidOut(1, c.m, c.n);
        const pf::Grid& g0 = *w.Grid[0];
        const pf::Grid& g1 = *w.Grid[1];
        Texts found = qvtest::clippedInMainWindow(name, {&g0, &g1});
        if (c.n >= 10) found = withoutScrolling(found);
        EXPECT_EQ(found, Texts{});
        if (c.m == 50) {
            EXPECT_TRUE(barShown(g1, Qt::Horizontal));
            EXPECT_TRUE(barShown(g1, Qt::Vertical));
        }
        qv::S().strProblemEntered = "NO";
    }
}

// ------------------------------------------------------------------ forecasting

void newSeries(int periods) {
    h().expectModal("frmUserInput", [periods](pf::Form& f) {
        auto& d = static_cast<FrmUserInput&>(f);
        d.txtAnswer[0]->Text(std::to_string(periods));
        d.cmdOK_Click();
    });
    frmMenu().mnuFileNew->Click();
}

TEST_F(ModuleTextFit2Test, TimeSeriesGridNewAndOpened) {
    for (int periods : {1, 100}) {
        for (bool values : {false, true}) {
            const std::string name = "forecast_" + std::to_string(periods) + (values ? "_values" : "");
            SCOPED_TRACE(name);
            home(11);
            newSeries(periods);
            if (values) {
                auto& s = qv::S();
                for (int t = 1; t <= periods; ++t) s.fc.dblTimeSeries(t, 1) = t % 2 ? 1234567890.25 : -42.5;
                s.blnNewProblem = false;
                QVForecasting::BuildTimeSeriesGrid();
            }
            lookWhole(name);
            qv::S().strProblemEntered = "NO";
        }
    }
}

TEST_F(ModuleTextFit2Test, ForecastingMethodDialogWithEachMethodAndItsSolution) {
    struct Case {
        int method;  // 1..4
        const char* first;
        const char* second;
        int periods;
        bool longValues;
    };
    const Case cases[] = {
        {1, "3", "", 30, false}, {2, "0.2", "", 30, false}, {3, "4", "", 30, false}, {4, "4", "4", 30, false},
        {1, "99", "", 100, true}, {4, "12", "12", 100, true},
    };
    for (const Case& c : cases) {
        const std::string name =
            "frmForecastingModels_" + std::to_string(c.method) + (c.longValues ? "_long" : "");
        SCOPED_TRACE(name);
        home(11);
        newSeries(c.periods);
        auto& s = qv::S();
        for (int t = 1; t <= c.periods; ++t)
            s.fc.dblTimeSeries(t, 1) = c.longValues ? 1234567890.25 + 1000000.5 * (t % 12) : 100 + 7 * (t % 4) + t;
        s.blnNewProblem = false;
        QVForecasting::BuildTimeSeriesGrid();
        h().expectModal("frmForecastingModels", [&](pf::Form& f) {
            auto& d = static_cast<FrmForecastingModels&>(f);
            if (c.method == 1 && !c.longValues) look(f, "frmForecastingModels_none");
            d.Option1[static_cast<std::size_t>(c.method - 1)]->userClick();
            d.txtValue[0]->Text(c.first);
            d.txtValue[1]->Text(c.second);
            look(f, name);
            d.CmdSolve.userClick();
        });
        QVForecasting::SolveForecasting();
        lookSolution("forecast_solution_" + std::to_string(c.method) + (c.longValues ? "_long" : ""));
        s.strProblemEntered = "NO";
    }
}

// ------------------------------------------------------------------ inventory

// The problem of each model as Open leaves it: everyday values, or long ones.
qv::SharedState& storedProblem(int model, bool longValues) {
    const double big = longValues ? 1000 : 1;
    qv::SharedState* s = nullptr;
    switch (model) {
        case 1: s = &invtest::eoqExample(); break;
        case 2:
            s = &invtest::eoqExample();
            s->inv.intInventoryModel = 2;
            s->varProductionRate = 5000 * big;
            break;
        case 3:
            s = &invtest::shortagesExample(4.5);
            s->inv.strHoldingCostText = "10";
            break;
        case 4:
            s = longValues ? &invtest::discountsExample({{5, 0}, {4.8, 1000}, {4.75, 2500}, {4.6, 12000}, {4.55, 250000}})
                           : &invtest::discountsExample({{5, 0}});
            break;
        case 5:
            s = &invtest::reorderExample();
            s->inv.strHoldingCostText = "2.5";
            break;
        default: s = &invtest::singlePeriodExample(longValues ? 2 : 1, longValues ? 1523456.75 : 100, 2500); break;
    }
    if (model != 6 && longValues) {
        s->inv.dblAnnualDemand = s->inv.dblAnnualDemand.num() * big + 0.75;
        s->inv.dblOrderingCost = 1234567.25;
        s->inv.dblWorkingDays = 365;
    }
    if (model == 5 && longValues) {
        // Held as a percent of the unit cost, with the number of stockouts.
        s->inv.intHoldingCostMethod = 1;
        s->inv.strHoldingCostText = "12.5";
        s->inv.dblHoldingPercent = 12.5;
        s->varUnitCost = 145678.25;
        s->inv.dblHoldingCost = 145678.25 * 0.125;
        s->inv.dblDemandMean = 1234567.5;
        s->inv.dblDemandStdDev = 98765.25;
        s->inv.intServiceLevelMethod = 1;
        s->inv.dblStockoutsPerYear = 2;
    }
    if (model == 1 || model == 3) {
        s->inv.intComputeReorderPoint = longValues ? 1 : 0;
        s->inv.dblLeadTime = longValues ? 123456.5 : 0;
    }
    s->blnNewProblem = false;
    s->strProblemEntered = "YES";
    return *s;
}

// The input form of each model.
const char* const kModelForms[] = {"", "frmEOQ", "frmProductionLotSize", "frmPlannedShortages",
                                   "frmQtyDiscounts", "frmQR_Prob", "frmOnePeriodProb"};

TEST_F(ModuleTextFit2Test, InventoryFormsInEachOfTheirStates) {
    for (int model = 1; model <= 6; ++model) {
        const std::string base = "inventory_" + std::to_string(model);
        SCOPED_TRACE(base);
        // A new problem: the form's first look, then each choice it offers.
        home(8);
        auto& s = qv::S();
        s.inv.ReDimArrays();
        s.inv.intInventoryModel = model;
        s.inv.intDiscountCount = model == 4 ? 5 : 0;
        s.blnNewProblem = true;
        h().expectModal(kModelForms[model], [&](pf::Form& f) {
            auto& w = dynamic_cast<FrmInventoryForm&>(f);
            lookClosedUp(w, base + "_new");
            if (w.comboHoldingcostmethod) {
                w.comboHoldingcostmethod->userSelect(0);
                lookClosedUp(w, base + "_amount");
                w.comboHoldingcostmethod->userSelect(1);
                lookClosedUp(w, base + "_percent");
            }
            if (w.chkreorderpoint) {
                w.chkreorderpoint->userClick();
                lookClosedUp(w, base + "_reorder");
            }
            if (auto* qr = dynamic_cast<FrmQR_Prob*>(&w)) {
                qr->comboService.userSelect(1);
                lookClosedUp(w, base + "_stockouts");
            }
            if (auto* sp = dynamic_cast<FrmOnePeriodProb*>(&w)) {
                sp->comboDistribution.userSelect(1);
                lookClosedUp(w, base + "_normal");
            }
            pf::Unload(w);  // closed unanswered: Cancel of a new problem asks first
        });
        QVInvent::ShowInputForm();

        // Stored problems with everyday and with long values, and their solutions.
        for (bool longValues : {false, true}) {
            const std::string name = base + (longValues ? "_long" : "_open");
            SCOPED_TRACE(name);
            home(8);
            storedProblem(model, longValues);
            h().expectModal(kModelForms[model], [&](pf::Form& f) {
                auto& w = dynamic_cast<FrmInventoryForm&>(f);
                lookClosedUp(w, name);
                w.CmdSolve->userClick();
            });
            QVInvent::ShowInputForm();
            lookSolution(name + "_solution");
        }
    }
}

// The discount table shows as many rows as there are categories, with no room for
// more; the lead-time frame takes room only while the reorder point is asked for.
TEST_F(ModuleTextFit2Test, DiscountTableAtEachNumberOfCategories) {
    for (int categories = 1; categories <= 5; ++categories) {
        for (bool stored : {false, true}) {
            const std::string name = "inventory_4_categories_" + std::to_string(categories) + (stored ? "_open" : "");
            SCOPED_TRACE(name);
            home(8);
            auto& s = stored ? storedProblem(4, false) : qv::S();
            if (!stored) {
                s.inv.ReDimArrays();
                s.inv.intInventoryModel = 4;
                s.blnNewProblem = true;
            }
            s.inv.intDiscountCount = categories;
            h().expectModal("frmQtyDiscounts", [&](pf::Form& f) {
                auto& w = dynamic_cast<FrmQtyDiscounts&>(f);
                const int height = w.Height();
                lookClosedUp(w, name);
                for (int r = 0; r < FrmQtyDiscounts::kRows; ++r)
                    EXPECT_EQ(w.txtUnitCost[static_cast<std::size_t>(r)]->widget()->isVisibleTo(w.window()), r < categories);
                // The reorder point asked for and given up again: the form grows and
                // shrinks back.
                w.chkreorderpoint->userClick();
                lookClosedUp(w, name + "_reorder");
                EXPECT_GT(w.Height(), height);
                w.chkreorderpoint->userClick();
                EXPECT_EQ(qvtest::blankBands(w), Texts{});
                EXPECT_EQ(w.Height(), height);
                pf::Unload(w);
            });
            QVInvent::ShowInputForm();
        }
    }
}

}  // namespace
