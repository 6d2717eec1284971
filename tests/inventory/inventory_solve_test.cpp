// The inventory solve as the user meets it: the frame around the formulas, the
// refused inputs, run-time failures, and the report through Print and Save As Text File.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "inventory/QVInvent.h"
#include "inventory/core/InventoryLines.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/MenuState.h"
#include "shell/Modules.h"
#include "shell/frmMenu.h"
#include "shell/frmModuleSelection.h"
#include "shell/frmSolution.h"
#include "shell/frmStartup.h"
#include "tests/inventory/core/inventory_test_support.h"
#include "tests/ui_keys.h"
#include "tests/ui_test_support.h"

namespace {

// Remembers the status caption each time the busy cursor is switched, and the caption
// and cursor under which each message box stands.
class CaptionHost : public pf::ScriptedHost {
public:
    std::vector<std::string> captions;
    std::vector<std::string> messages;
    void setBusyCursor(bool busy) override {
        captions.push_back((busy ? "busy: " : "normal: ") + frmMenu().lblmoduleindicator.Caption());
        pf::ScriptedHost::setBusyCursor(busy);
    }
    int messageBox(const std::string& text, int style, const std::string& title) override {
        messages.push_back((this->busy() ? "busy: " : "normal: ") + frmMenu().lblmoduleindicator.Caption());
        return pf::ScriptedHost::messageBox(text, style, title);
    }
};

class InventorySolveTest : public ::testing::Test {
protected:
    void SetUp() override {
        qvtest::resetProgram();
        qvtest::mainWindowAlone(8);
    }
    // The main window alone again, with a host that records the status caption.
    static CaptionHost& freshStart() {
        qvtest::mainWindowAlone(8);
        pf::setHost(std::make_unique<CaptionHost>());
        return static_cast<CaptionHost&>(pf::host());
    }
    void TearDown() override {
        pf::setHost(std::make_unique<pf::ScriptedHost>());
        qvtest::resetProgram();
    }
    // The state of a problem entered in the inventory module, ready to solve.
    static void enter(qv::SharedState& s) {
        s.intCurrentModule = 8;
        frmMenu().lblmoduleindicator.Caption("Inventory Model:  Economic Order Quantity");
        qv::enablePrintItems(false);
    }
    static std::string caption() { return frmMenu().lblmoduleindicator.Caption(); }
    static bool printItems() {
        return frmMenu().mnuSolutionPrinttoPrinter->Enabled() && frmMenu().mnuSolutionPrinttoText->Enabled();
    }
};

TEST_F(InventorySolveTest, SolveShowsThePolicyInsideItsFrame) {
    pf::setHost(std::make_unique<CaptionHost>());
    auto& host = static_cast<CaptionHost&>(pf::host());
    qv::SharedState& s = invtest::eoqExample();
    enter(s);
    frmMenu().mnuSolutionSolve_Click();
    pf::collectUnloaded();
    const std::vector<std::string> frame = {"busy: Solving Problem . . .",
                                            "normal: Inventory Model:  Economic Order Quantity"};
    EXPECT_EQ(host.captions, frame);
    EXPECT_FALSE(host.busy());
    EXPECT_EQ(caption(), "Inventory Model:  Economic Order Quantity");
    EXPECT_TRUE(printItems());
    EXPECT_EQ(pf::focusedForm(), &frmMenu());
    FrmSolution& w = frmSolution();
    EXPECT_TRUE(w.Visible());
    EXPECT_FALSE(w.titleShown());
    EXPECT_EQ(w.gridSolution.Top(), FrmSolution::kGridTop);
    ASSERT_EQ(w.lines().size(), 20u);
    EXPECT_EQ(w.lines()[3], "    OPTIMAL ORDER QUANTITY                       200.00");
    EXPECT_EQ(w.gridSolution.FontName(), "Courier");
}

// A model code outside 1 to 6 (a cancelled new problem leaves 0) solves nothing: the
// results of the last solve are not shown again as a solution.
TEST_F(InventorySolveTest, NoModelIsRefusedAndShowsNoStoredResults) {
    for (int code : {0, 7}) {
        SCOPED_TRACE(code);
        CaptionHost& host = freshStart();
        qv::SharedState& s = invtest::eoqExample();
        enter(s);
        frmMenu().mnuSolutionSolve_Click();
        pf::collectUnloaded();
        ASSERT_TRUE(printItems());
        // As Solve leaves it before it calls the solver: the last solution closed.
        qv::unloadWindow("frmSolution");
        pf::collectUnloaded();
        ASSERT_FALSE(printItems());
        host.captions.clear();
        s.inv.intInventoryModel = code;
        const qv::SharedState before = s;
        pf::scriptedHost().transcript.clear();
        pf::scriptedHost().expectMessage(pf::vbOK);
        QVInvent::SolveInventoryModel();
        pf::collectUnloaded();
        EXPECT_EQ(pf::scriptedHost().transcript,
                  std::vector<std::string>{
                      "MSGBOX \"Data Input Error\" critical OK \"You Must Select an Inventory Model\" -> OK"});
        EXPECT_FALSE(qv::loadedWindow("frmSolution"));
        EXPECT_FALSE(printItems());
        EXPECT_TRUE(host.captions.empty());
        EXPECT_EQ(caption(), "Inventory Model:  Economic Order Quantity");
        EXPECT_EQ(pf::focusedForm(), &frmMenu());
        EXPECT_EQ(s.inv.intInventoryModel, code);
        EXPECT_EQ(s.inv.dblOrderQuantity.num(), before.inv.dblOrderQuantity.num());
    }
}

// The user's road to Solve without a model, with the keys as the keyboard sends them:
// a solved problem, File New, a model picked and Enter, Esc on its form and Yes, Esc on
// the model list that comes back. Solve then names the missing model.
TEST_F(InventorySolveTest, ACancelledNewProblemLeavesNoModelToSolve) {
    pf::unloadAll();
    qvtest::startedIn(8);
    qv::SharedState& s = invtest::eoqExample();
    s.intCurrentModule = 8;
    s.strProblemEntered = "YES";
    qv::menuEvent(qv::MenuEvent::ModelFormSavedOrSolved);
    frmMenu().mnuSolutionSolve_Click();
    pf::collectUnloaded();
    ASSERT_TRUE(qv::loadedWindow("frmSolution"));

    auto& h = pf::scriptedHost();
    h.expectMessage(pf::vbYes);  // Create New Problem
    h.expectModal("frmuserlistinput", [](pf::Form&) {
        qvtest::pressOnFocused(Qt::Key_Backtab, Qt::ShiftModifier);
        qvtest::pressOnFocused(Qt::Key_Down);
        qvtest::pressOnFocused(Qt::Key_Return);
    });
    h.expectModal("frmEOQ", [](pf::Form&) { qvtest::pressOnFocused(Qt::Key_Escape); });
    h.expectMessage(pf::vbYes);  // Cancel Current Problem
    h.expectModal("frmuserlistinput", [](pf::Form&) { qvtest::pressOnFocused(Qt::Key_Escape); });
    frmMenu().mnuFileNew->Click();
    pf::collectUnloaded();
    ASSERT_TRUE(h.allAnswersUsed());
    EXPECT_EQ(s.inv.intInventoryModel, 0);
    ASSERT_TRUE(frmMenu().mnuSolution->Enabled());

    h.transcript.clear();
    h.expectMessage(pf::vbOK);
    frmMenu().mnuSolutionSolve->Click();
    pf::collectUnloaded();
    EXPECT_EQ(h.transcript, std::vector<std::string>{
                                "MSGBOX \"Data Input Error\" critical OK \"You Must Select an Inventory Model\" -> OK"});
    EXPECT_FALSE(qv::loadedWindow("frmSolution"));
    EXPECT_FALSE(frmMenu().mnuSolutionPrinttoPrinter->Enabled());
    EXPECT_FALSE(frmMenu().mnuSolutionPrinttoText->Enabled());
    s.strProblemEntered = "NO";
}

TEST_F(InventorySolveTest, RefusedInputsChangeNothing) {
    struct Case {
        const char* what;
        qv::SharedState& (*make)();
        void (*spoil)(qv::SharedState&);
        const char* message;
    };
    const Case cases[] = {
        {"P = D", [] () -> qv::SharedState& { auto& s = invtest::eoqExample(); s.inv.intInventoryModel = 2; return s; },
         [](qv::SharedState& s) { s.varProductionRate = 1000; },
         "NOTE:  PRODUCTION RATE MUST BE GREATER THAN THE ANNUAL DEMAND OF 1000 UNITS."},
        {"P < D", [] () -> qv::SharedState& { auto& s = invtest::eoqExample(); s.inv.intInventoryModel = 2; return s; },
         [](qv::SharedState& s) { s.varProductionRate = 10; },
         "NOTE:  PRODUCTION RATE MUST BE GREATER THAN THE ANNUAL DEMAND OF 1000 UNITS."},
        {"D = 0", [] () -> qv::SharedState& { return invtest::eoqExample(); },
         [](qv::SharedState& s) { s.inv.dblAnnualDemand = 0; }, "NOTE:  ANNUAL DEMAND MUST BE GREATER THAN 0."},
        {"days 0", [] () -> qv::SharedState& { return invtest::eoqExample(); },
         [](qv::SharedState& s) { s.inv.dblWorkingDays = 0; },
         "NOTE:  THE NUMBER OF WORKING DAYS MUST BE BETWEEN 1 AND 365."},
        {"days 366", [] () -> qv::SharedState& { return invtest::reorderExample(); },
         [](qv::SharedState& s) { s.inv.dblWorkingDays = 366; },
         "NOTE:  THE NUMBER OF WORKING DAYS MUST BE BETWEEN 1 AND 365."},
        {"Ch = 0", [] () -> qv::SharedState& { return invtest::shortagesExample(2); },
         [](qv::SharedState& s) { s.inv.dblHoldingCost = 0; }, "NOTE:  THE HOLDING COST MUST BE GREATER THAN 0."},
        {"no category", [] () -> qv::SharedState& { return invtest::discountsExample({{5, 0}}); },
         [](qv::SharedState& s) { s.inv.intDiscountCount = 0; },
         "NOTE:  THE NUMBER OF DISCOUNT CATEGORIES MUST BE BETWEEN 1 AND 5."},
        {"unit cost 0", [] () -> qv::SharedState& { return invtest::discountsExample({{5, 0}, {4, 10}}); },
         [](qv::SharedState& s) { s.inv.dblCategoryUnitCosts(2).Clear(); },
         "NOTE:  THE COST PER UNIT MUST BE GREATER THAN 0."},
        {"b < a", [] () -> qv::SharedState& { return invtest::singlePeriodExample(1, 10, 20); },
         [](qv::SharedState& s) { s.varUniformHigh = 5; }, "NOTE:  THE HIGHEST VALUE MUST BE AT LEAST 10 UNITS."},
        {"Co = 0", [] () -> qv::SharedState& { return invtest::singlePeriodExample(2, 10, 2); },
         [](qv::SharedState& s) { s.inv.dblOrderingCost = 0; },
         "THE COST OF OVERESTIMATING DEMAND MUST BE GREATER THAN 0."},
        {"sigma < 0", [] () -> qv::SharedState& { return invtest::reorderExample(); },
         [](qv::SharedState& s) { s.inv.dblDemandStdDev = -1; }, "NOTE:  THE STANDARD DEVIATION MUST BE AT LEAST 0."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CaptionHost& host = freshStart();
        qv::SharedState& s = c.make();
        enter(s);
        c.spoil(s);
        s.inv.dblReorderPoint = 4;
        s.varCycleTime = 9;
        const qv::SharedState before = s;
        pf::scriptedHost().expectMessage(pf::vbOK);
        QVInvent::SolveInventoryModel();
        pf::collectUnloaded();
        ASSERT_FALSE(pf::scriptedHost().transcript.empty());
        EXPECT_NE(std::find(pf::scriptedHost().transcript.begin(), pf::scriptedHost().transcript.end(),
                            std::string("MSGBOX \"Data Input Error\" critical OK \"") + c.message + "\" -> OK"),
                  pf::scriptedHost().transcript.end());
        EXPECT_TRUE(pf::scriptedHost().allAnswersUsed());
        EXPECT_FALSE(qv::loadedWindow("frmSolution"));
        EXPECT_EQ(caption(), "Inventory Model:  Economic Order Quantity");
        EXPECT_FALSE(pf::scriptedHost().busy());
        EXPECT_FALSE(printItems());
        EXPECT_TRUE(s.inv.dblOrderQuantity.IsEmpty());
        EXPECT_TRUE(s.inv.dblTotalAnnualCost.IsEmpty());
        EXPECT_EQ(s.inv.dblReorderPoint.num(), before.inv.dblReorderPoint.num());
        EXPECT_EQ(s.varCycleTime.num(), 9);
        EXPECT_EQ(s.varUniformHigh.num(), before.varUniformHigh.num());
        // The message comes before the solve: never under the busy cursor or its caption.
        EXPECT_TRUE(host.captions.empty());
        EXPECT_EQ(host.messages, std::vector<std::string>{"normal: Inventory Model:  Economic Order Quantity"});
    }
}

// A result beyond the double range is named in the module's words, after the solving
// caption and the busy cursor are gone.
TEST_F(InventorySolveTest, AResultTooLargeIsNamedAndStoresNothing) {
    pf::setHost(std::make_unique<CaptionHost>());
    auto& host = static_cast<CaptionHost&>(pf::host());
    qv::SharedState& s = invtest::eoqExample();
    enter(s);
    s.inv.dblAnnualDemand = 1e300;
    s.inv.dblOrderingCost = 1e300;
    s.inv.dblReorderPoint = 3;
    pf::scriptedHost().expectMessage(pf::vbOK);
    frmMenu().mnuSolutionSolve_Click();
    pf::collectUnloaded();
    const auto& t = pf::scriptedHost().transcript;
    EXPECT_NE(std::find(t.begin(), t.end(),
                        "MSGBOX \"Data Input Error\" critical OK \"A result is too large to compute.  Please check "
                        "the values entered.\" -> OK"),
              t.end());
    EXPECT_EQ(host.messages, std::vector<std::string>{"normal: Inventory Model:  Economic Order Quantity"});
    EXPECT_EQ(pf::focusedForm(), &frmMenu());
    EXPECT_EQ(s.inv.dblAnnualDemand.num(), 1e300);
    EXPECT_TRUE(s.inv.dblOrderQuantity.IsEmpty());
    EXPECT_EQ(s.inv.dblReorderPoint.num(), 3);
    EXPECT_FALSE(qv::loadedWindow("frmSolution"));
    EXPECT_EQ(caption(), "Inventory Model:  Economic Order Quantity");
    EXPECT_FALSE(pf::scriptedHost().busy());
    EXPECT_FALSE(printItems());
}

TEST_F(InventorySolveTest, PrinterAndTextFileGetTheSameReport) {
    qv::SharedState& s = invtest::eoqExample();
    enter(s);
    s.inv.intHoldingCostMethod = 1;
    s.inv.dblHoldingPercent = 25;
    s.varUnitCost = 2;
    frmMenu().mnuSolutionSolve_Click();
    pf::collectUnloaded();
    const std::vector<std::string> lines = QVInvent::BuildInventoryReportLines(s);

    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "qv_inventory_report";
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "EOQ.OUT").string();
    pf::scriptedHost().expectFile(path);
    frmMenu().mnuSolutionPrinttoText_Click();
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::string expected;
    for (const std::string& l : lines) expected += l + "\r\n";
    EXPECT_EQ(text.str(), expected);
    EXPECT_EQ(text.str().find('\f'), std::string::npos);
    EXPECT_NE(text.str().find("        A. ANNUAL INVENTORY CARRYING CHARGE = 25.0%\r\n"), std::string::npos);
    EXPECT_NE(text.str().find("        B. COST PER UNIT = $ 2 PER UNIT\r\n"), std::string::npos);
    std::filesystem::remove_all(dir);

    pf::scriptedHost().transcript.clear();
    pf::scriptedHost().expectPrinter(true);
    frmMenu().mnuSolutionPrinttoPrinter_Click();
    std::vector<std::string> printed;
    bool inPage = false;
    int pages = 0;
    for (const std::string& l : pf::scriptedHost().transcript) {
        if (l.rfind("  --- page", 0) == 0) { inPage = true; ++pages; continue; }
        if (inPage && l.rfind("  |", 0) == 0) printed.push_back(l.substr(3));
    }
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(printed, lines);
}

}  // namespace
