// The economic order quantity and planned shortages forms and the model list, driven
// as the user drives them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "inventory/InventoryForms.h"
#include "inventory/QVInvent.h"
#include "platform/core/SeqFile.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/Modules.h"
#include "shell/core/ProblemFile.h"
#include "shell/frmMenu.h"
#include "shell/frmModuleSelection.h"
#include "shell/frmuserlistinput.h"
#include "tests/ui_test_support.h"

namespace {

pf::ScriptedHost& h() { return pf::scriptedHost(); }

class InventoryFormsTest : public ::testing::Test {
protected:
    void SetUp() override {
        qvtest::resetProgram();
        freshWindows();
        qv::S().strProblemFileExt = "INV";
        qv::S().inv.ReDimArrays();
    }
    // The main window alone, in the inventory module.
    static void freshWindows() { qvtest::mainWindowAlone(8); }
    void TearDown() override { qvtest::resetProgram(); }

    // The last message box of the transcript, or "" when there was none.
    static std::string lastMessage() {
        for (auto it = h().transcript.rbegin(); it != h().transcript.rend(); ++it)
            if (it->rfind("MSGBOX ", 0) == 0) return *it;
        return "";
    }
    static std::string refusal(const std::string& text) {
        return "MSGBOX \"Data Input Error\" critical OK \"" + text + "\" -> OK";
    }
    // Types a text into a box that has the focus and leaves it for `next`.
    static void enter(pf::TextBox& box, const std::string& text, pf::Control& next) {
        box.SetFocus();
        box.Text(text);
        next.SetFocus();
    }
    static std::string menus() {
        FrmMenu& m = frmMenu();
        auto on = [](const pf::MenuItem* i) { return i->Enabled() ? "1" : "0"; };
        return std::string("File=") + on(m.mnuFile) + " Save=" + on(m.mnuFileSave) + " Edit=" + on(m.mnudispedit) +
               " Item0=" + on(&(*m.mnudispeditsubs)(0)) + " Solution=" + on(m.mnuSolution);
    }
};

// Every leave check of a form: accepted values are stored, refused ones leave the field
// as it was and hand the box back, an empty box is skipped.
TEST_F(InventoryFormsTest, LeaveChecksOfTheTwoForms) {
    struct Case {
        int model;            // 1 EOQ, 3 planned shortages
        const char* box;      // control name
        const char* text;
        const char* message;  // nullptr: accepted
        double stored;        // the field's value afterwards (accepted)
    };
    const char* demand = "NOTE:  ANNUAL DEMAND MUST BE GREATER THAN 0.";
    const char* ordering = "NOTE:  ORDERING COST MUST BE GREATER THAN 0.";
    const char* days = "NOTE:  THE NUMBER OF WORKING DAYS MUST BE BETWEEN 1 AND 365.";
    const char* backorder = "NOTE:  BACKORDER COST MUST BE GREATER THAN 0.";
    const char* lead = "NOTE:  THE LEAD TIME MUST BE AT LEAST 0.";
    const std::string hugeNumber(400, '9');
    const Case cases[] = {
        {1, "txtEOQ(0)", "1000", nullptr, 1000},       {1, "txtEOQ(0)", "1,000", nullptr, 1000},
        {1, "txtEOQ(0)", "12abc", nullptr, 12},        {1, "txtEOQ(0)", "0", demand, 0},
        {1, "txtEOQ(0)", "abc", demand, 0},            {1, "txtEOQ(0)", "1e999", demand, 0},
        {1, "txtEOQ(0)", hugeNumber.c_str(), demand, 0},
        {1, "txtEOQ(1)", "2.5", nullptr, 2.5},         {1, "txtEOQ(1)", "-1", ordering, 0},
        {1, "txtEOQ(2)", "365", nullptr, 365},         {1, "txtEOQ(2)", "1", nullptr, 1},
        {1, "txtEOQ(2)", "300.5", nullptr, 300.5},     {1, "txtEOQ(2)", "366", days, 0},
        {1, "txtEOQ(2)", "0.5", days, 0},              {1, "txtEOQ(2)", "1e999", days, 0},
        {3, "txtPlannedShortages(2)", "30", nullptr, 30}, {3, "txtPlannedShortages(2)", "0", backorder, 0},
        {3, "txtPlannedShortages(2)", "x", backorder, 0}, {3, "txtPlannedShortages(3)", "2,00", nullptr, 200},
        {1, "txtleadtime", "0", nullptr, 0},           {1, "txtleadtime", "1,000", nullptr, 1000},
        {1, "txtleadtime", "2.5", nullptr, 2.5},       {1, "txtleadtime", "-", nullptr, 0},
        {1, "txtleadtime", "5x", lead, 0},             {1, "txtleadtime", "-1", lead, 0},
        {1, "txtleadtime", "1.2.3", lead, 0},          {1, "txtleadtime", "1e999", lead, 0},
        {1, "txtleadtime", hugeNumber.c_str(), lead, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " = " + c.text);
        freshWindows();
        h().transcript.clear();
        h().clearAnswers();
        qv::SharedState& s = qv::S();
        s.blnNewProblem = true;
        s.inv = qv::InventoryBlock();
        s.inv.ReDimArrays();
        s.inv.intInventoryModel = c.model;
        FrmInventoryForm& f = c.model == 1 ? static_cast<FrmInventoryForm&>(pf::instance<FrmEOQ>())
                                           : static_cast<FrmInventoryForm&>(pf::instance<FrmPlannedShortages>());
        if (std::string(c.box) == "txtleadtime") f.chkreorderpoint->Value(1);
        auto& box = dynamic_cast<pf::TextBox&>(*f.control(c.box));
        pf::Value* field = &s.inv.dblLeadTime;
        const std::string name = c.box;
        if (name == "txtEOQ(0)") field = &s.inv.dblAnnualDemand;
        if (name == "txtEOQ(1)") field = &s.inv.dblOrderingCost;
        if (name == "txtEOQ(2)" || name == "txtPlannedShortages(3)") field = &s.inv.dblWorkingDays;
        if (name == "txtPlannedShortages(2)") field = &s.inv.dblBackorderCost;
        if (c.message) h().expectMessage(pf::vbOK);
        enter(box, c.text, *f.cmdCancel);
        if (c.message) {
            EXPECT_EQ(lastMessage(), refusal(c.message));
            EXPECT_TRUE(field->IsEmpty());
            EXPECT_EQ(pf::focusedControl(), &box);
            EXPECT_EQ(box.Text(), c.text);
        } else {
            EXPECT_EQ(lastMessage(), "");
            EXPECT_EQ(field->num(), c.stored);
        }
        // Emptied again, the box is left without a check and stores nothing.
        *field = 77;
        enter(box, "", *f.cmdCancel);
        EXPECT_EQ(field->num(), 77);
        EXPECT_TRUE(h().allAnswersUsed());
    }
}

TEST_F(InventoryFormsTest, HoldingCostBoxesAndMethod) {
    qv::SharedState& s = qv::S();
    s.blnNewProblem = true;
    s.inv.dblHoldingCost = 9;
    FrmEOQ& f = pf::instance<FrmEOQ>();
    EXPECT_EQ(s.inv.intHoldingCostMethod.num(), 1);
    EXPECT_EQ(f.comboHoldingcostmethod->Text(), "Percent");
    enter(*f.txtFrame1, "20", *f.cmdCancel);
    EXPECT_EQ(s.inv.strHoldingCostText, "20");
    EXPECT_TRUE(s.inv.dblHoldingPercent.IsEmpty());  // stored by Save or Solve
    EXPECT_EQ(s.inv.dblHoldingCost.num(), 9);
    h().expectMessage(pf::vbOK);
    enter(*f.txtframe2, "0", *f.cmdCancel);
    EXPECT_EQ(lastMessage(), refusal("NOTE:  THE COST PER UNIT MUST BE GREATER THAN 0."));
    f.txtframe2->Text("");
    h().expectMessage(pf::vbOK);
    enter(*f.txtFrame1, "-2", *f.cmdCancel);
    EXPECT_EQ(lastMessage(), refusal("NOTE:  THE PERCENTAGE MUST BE GREATER THAN 0."));
    EXPECT_EQ(s.inv.strHoldingCostText, "20");
    // Switching the method empties both boxes and keeps what is stored.
    f.comboHoldingcostmethod->ListIndex(0);
    EXPECT_EQ(s.inv.intHoldingCostMethod.num(), 0);
    EXPECT_EQ(f.txtFrame1->Text(), "");
    EXPECT_FALSE(f.txtframe2->Visible());
    EXPECT_EQ(f.lblframe1->Caption(), "Dollar Amount per Unit:");
    EXPECT_EQ(s.inv.strHoldingCostText, "20");
    h().expectMessage(pf::vbOK);
    enter(*f.txtFrame1, "0", *f.cmdCancel);
    EXPECT_EQ(lastMessage(), refusal("NOTE:  THE HOLDING COST MUST BE GREATER THAN 0."));
    EXPECT_EQ(s.inv.dblHoldingCost.num(), 9);
    enter(*f.txtFrame1, "0.25", *f.cmdCancel);
    EXPECT_EQ(s.inv.dblHoldingCost.num(), 0.25);
    EXPECT_EQ(s.inv.strHoldingCostText, "0.25");
    // Unticking the reorder point hides and empties the lead time but keeps it stored.
    f.chkreorderpoint->Value(1);
    EXPECT_TRUE(f.frameleadtime->Visible());
    enter(*f.txtleadtime, "4", *f.cmdCancel);
    f.chkreorderpoint->Value(0);
    EXPECT_FALSE(f.frameleadtime->Visible());
    EXPECT_EQ(f.txtleadtime->Text(), "");
    EXPECT_EQ(s.inv.dblLeadTime.num(), 4);
    EXPECT_EQ(s.inv.intComputeReorderPoint.num(), 0);
}

// Save and Solve: the order of required boxes, then what they store.
TEST_F(InventoryFormsTest, SaveAndSolveOrderAndStoring) {
    qv::SharedState& s = qv::S();
    s.blnNewProblem = true;
    s.inv.intInventoryModel = 1;
    s.inv.intComputeReorderPoint = 1;  // a new form clears it
    FrmEOQ& f = pf::instance<FrmEOQ>();
    EXPECT_EQ(s.inv.intComputeReorderPoint.num(), 0);
    f.chkreorderpoint->Value(1);
    auto expectEmpty = [&](pf::TextBox& box) {
        h().expectMessage(pf::vbOK);
        f.cmdSave->userClick();
        EXPECT_EQ(lastMessage(), refusal("A Value Must be Entered"));
        EXPECT_EQ(pf::focusedControl(), &box);
        h().transcript.clear();
    };
    expectEmpty(*f.mainBoxes[0]);
    enter(*f.mainBoxes[0], "1000", *f.mainBoxes[1]);
    expectEmpty(*f.mainBoxes[1]);
    enter(*f.mainBoxes[1], "10", *f.mainBoxes[2]);
    f.mainBoxes[2]->Text("");
    expectEmpty(*f.mainBoxes[2]);
    f.mainBoxes[2]->Text("250");
    expectEmpty(*f.txtleadtime);
    enter(*f.txtleadtime, "0", *f.txtFrame1);
    expectEmpty(*f.txtFrame1);
    enter(*f.txtFrame1, "20", *f.txtframe2);
    expectEmpty(*f.txtframe2);
    enter(*f.txtframe2, "10", *f.mainBoxes[0]);
    EXPECT_TRUE(s.blnNewProblem);

    // The whole 250 from the untouched box; percent, unit cost and holding cost.
    s.inv.dblWorkingDays.Clear();
    h().expectFileCancel();
    f.cmdSave->userClick();
    EXPECT_EQ(s.inv.dblWorkingDays.num(), 250);
    EXPECT_EQ(s.inv.dblHoldingPercent.num(), 20);
    EXPECT_EQ(s.varUnitCost.num(), 10);
    EXPECT_EQ(s.inv.dblHoldingCost.num(), 2);
    EXPECT_FALSE(s.blnNewProblem);
    EXPECT_EQ(s.strProblemEntered, "YES");
    EXPECT_FALSE(s.blnDialogCancelled);
    EXPECT_TRUE(pf::isLoaded<FrmEOQ>());
    EXPECT_EQ(menus(), "File=0 Save=1 Edit=1 Item0=1 Solution=1");

    // "250.0" is no "250": the value stored on leaving stays.
    enter(*f.mainBoxes[2], "250.0", *f.mainBoxes[0]);
    s.inv.dblWorkingDays = 249;
    h().expectFileCancel();
    f.cmdSave->userClick();
    EXPECT_EQ(s.inv.dblWorkingDays.num(), 249);
    EXPECT_TRUE(h().allAnswersUsed());
}

TEST_F(InventoryFormsTest, MenusAfterEachWayOut) {
    qv::SharedState& s = qv::S();
    struct Case {
        const char* what;
        bool newProblem;
        int answer;  // Cancel's question; 0 for Solve
        const char* after;
    } cases[] = {
        {"new problem, Cancel, No", true, pf::vbNo, "File=0 Save=1 Edit=0 Item0=0 Solution=0"},
        {"stored problem, Cancel", false, 0, "File=1 Save=1 Edit=1 Item0=1 Solution=1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        freshWindows();
        FrmMenu& m = frmMenu();
        (*m.mnudispeditsubs)(0).Enabled(false);
        m.mnuFileSave->Enabled(false);
        s.blnNewProblem = c.newProblem;
        s.inv.intInventoryModel = 1;
        FrmEOQ& f = pf::instance<FrmEOQ>();
        EXPECT_EQ(menus(), "File=0 Save=1 Edit=0 Item0=0 Solution=0");
        if (c.answer) h().expectMessage(c.answer);
        f.cmdCancel->userClick();
        pf::collectUnloaded();
        EXPECT_EQ(menus(), c.after);
        EXPECT_EQ(s.blnDialogCancelled, !c.newProblem);
    }
    // A new problem's Cancel answered Yes: only Save Problem goes off; closing the form
    // brings File, Edit and Solution back; the model list is shown again.
    freshWindows();
    (*frmMenu().mnudispeditsubs)(0).Enabled(false);
    s.blnNewProblem = true;
    s.inv.intInventoryModel = 1;
    FrmEOQ& f = pf::instance<FrmEOQ>();
    h().expectMessage(pf::vbYes);
    std::string duringList;
    int modelDuringList = -1;
    h().expectModal("frmuserlistinput", [&](pf::Form& list) {
        duringList = menus();
        modelDuringList = s.inv.intInventoryModel;
        static_cast<FrmUserListInput&>(list).cmdCancel.userClick();
    });
    f.cmdCancel->userClick();
    pf::collectUnloaded();
    EXPECT_EQ(duringList, "File=1 Save=0 Edit=1 Item0=0 Solution=1");
    EXPECT_EQ(modelDuringList, 0);
    EXPECT_EQ(menus(), "File=1 Save=0 Edit=1 Item0=0 Solution=1");
    EXPECT_EQ(frmMenu().lblmoduleindicator.Caption(), "Inventory Module");
    EXPECT_TRUE(s.blnNewProblem);
    EXPECT_EQ(s.strProblemEntered, "NO");
    EXPECT_TRUE(h().allAnswersUsed());
}

// A problem entered, saved from its form and reopened shows what was entered; the file
// is the writer's output for that state.
TEST_F(InventoryFormsTest, RoundTripThroughTheFile) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "qv_inventory_forms";
    std::filesystem::create_directories(dir);
    struct Case {
        int model;
        bool percent;
        bool reorder;
    } cases[] = {{1, true, true}, {1, false, false}, {3, false, true}, {3, true, false}};
    int k = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(k);
        freshWindows();
        qv::SharedState& s = qv::S();
        s.inv = qv::InventoryBlock();
        s.inv.ReDimArrays();
        s.blnNewProblem = true;
        s.inv.intInventoryModel = c.model;
        FrmInventoryForm& f = c.model == 1 ? static_cast<FrmInventoryForm&>(pf::instance<FrmEOQ>())
                                           : static_cast<FrmInventoryForm&>(pf::instance<FrmPlannedShortages>());
        std::vector<std::string> texts = {"1200", "15.5", "7"};
        if (c.model == 3) texts.push_back("300");
        for (std::size_t i = 0; i < texts.size(); ++i)
            enter(*f.mainBoxes[i], texts[i], *f.cmdCancel);
        if (!c.percent) f.comboHoldingcostmethod->ListIndex(0);
        enter(*f.txtFrame1, c.percent ? "12.5" : "3.25", *f.cmdCancel);
        if (c.percent) enter(*f.txtframe2, "8", *f.cmdCancel);
        if (c.reorder) {
            f.chkreorderpoint->Value(1);
            enter(*f.txtleadtime, "3", *f.cmdCancel);
        }
        const std::string path = (dir / ("P" + std::to_string(k++) + ".INV")).string();
        h().expectFile(path);
        f.cmdSave->userClick();
        // The file holds what the writer makes of the state now.
        pf::FieldWriter expected;
        qv::WriteProblemRecords(s, expected);
        std::ifstream in(path, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        EXPECT_EQ(bytes.str(), expected.contents());
        f.cmdCancel->userClick();  // stored problem now: closes
        pf::collectUnloaded();

        // Reopen from the file.
        s.inv = qv::InventoryBlock();
        h().expectFile(path);
        std::vector<std::string> shown;
        std::string method, leadTime;
        int ticked = -1;
        h().expectModal(c.model == 1 ? "frmEOQ" : "frmPlannedShortages", [&](pf::Form& form) {
            auto& g = static_cast<FrmInventoryForm&>(form);
            for (auto& b : g.mainBoxes) shown.push_back(b->Text());
            method = g.comboHoldingcostmethod->Text() + " " + g.txtFrame1->Text() + " " + g.txtframe2->Text();
            ticked = g.chkreorderpoint->Value();
            leadTime = g.txtleadtime->Text();
            g.cmdCancel->userClick();
        });
        s.strProblemEntered = "NO";
        frmMenu().mnuFileOpen_Click();
        pf::collectUnloaded();
        std::vector<std::string> expectedTexts = texts;
        if (c.model == 1) expectedTexts[2] = "7";
        EXPECT_EQ(shown, expectedTexts);
        EXPECT_EQ(method, c.percent ? "Percent 12.5 8" : "Amount 3.25 ");
        EXPECT_EQ(ticked, c.reorder ? 1 : 0);
        EXPECT_EQ(leadTime, c.reorder ? "3" : "");
        EXPECT_TRUE(h().allAnswersUsed());
    }
    std::filesystem::remove_all(dir);
}

TEST_F(InventoryFormsTest, ModelListForBothModules) {
    qv::SharedState& s = qv::S();
    // Inventory: a pick sets the code and caption and moves the focus to OK.
    h().expectModal("frmuserlistinput", [&](pf::Form& form) {
        auto& d = static_cast<FrmUserListInput&>(form);
        EXPECT_EQ(d.lstModelSelection.ListCount(), 2);
        EXPECT_EQ(d.lstModelSelection.ListIndex(), -1);
        d.lstModelSelection.userSelect(1);
        EXPECT_EQ(s.inv.intInventoryModel, 2);
        EXPECT_EQ(frmMenu().lblmoduleindicator.Caption(), "Inventory Model:  Production Lot Size");
        EXPECT_EQ(pf::focusedControl(), &d.cmdOK);
        d.lstModelSelection.userDblClick();
    });
    EXPECT_TRUE(qv::askModel(" Heading", {"a", "b"}));
    EXPECT_EQ(s.inv.intInventoryModel, 2);
    pf::collectUnloaded();

    // Waiting lines: a pick clears the economic analysis and both costs; OK without a
    // pick keeps the earlier model; Cancel clears it.
    s.intCurrentModule = 9;
    s.wl.intWaitingLineModel = 3;
    s.wl.strEconomicAnalysis = "YES";
    s.dblCostPerUnit = 4;
    s.wl.dblChannelCost = 5;
    s.strProblemEntered = "YES";
    h().expectModal("frmuserlistinput", [&](pf::Form& form) {
        static_cast<FrmUserListInput&>(form).cmdOK.userClick();
    });
    EXPECT_TRUE(qv::askModel(" Waiting Lines", {"m1", "m2", "m3", "m4", "m5"}));
    EXPECT_EQ(s.wl.intWaitingLineModel, 3);
    EXPECT_EQ(s.wl.strEconomicAnalysis, "YES");
    pf::collectUnloaded();
    h().expectModal("frmuserlistinput", [&](pf::Form& form) {
        auto& d = static_cast<FrmUserListInput&>(form);
        EXPECT_EQ(d.lstModelSelection.ListCount(), 5);  // a new instance, filled afresh
        d.lstModelSelection.userSelect(4);
        EXPECT_EQ(frmMenu().lblmoduleindicator.Caption(), "Waiting Line Model:  Finite Population");
        d.cmdCancel.userClick();
    });
    EXPECT_FALSE(qv::askModel(" Waiting Lines", {"m1", "m2", "m3", "m4", "m5"}));
    EXPECT_EQ(s.wl.intWaitingLineModel, 0);
    EXPECT_EQ(s.wl.strEconomicAnalysis, "NO");
    EXPECT_EQ(s.dblCostPerUnit, 0);
    EXPECT_EQ(s.wl.dblChannelCost.num(), 0);
    EXPECT_EQ(s.strProblemEntered, "NO");
    EXPECT_EQ(frmMenu().lblmoduleindicator.Caption(), "Waiting Lines Module");
    EXPECT_TRUE(s.blnDialogCancelled);
    // With no model, module 9's OK is refused with its own message.
    pf::collectUnloaded();
    h().expectModal("frmuserlistinput", [&](pf::Form& form) {
        auto& d = static_cast<FrmUserListInput&>(form);
        h().expectMessage(pf::vbOK);
        d.cmdOK.userClick();
        EXPECT_EQ(lastMessage(), refusal("You Must Select a Waiting Line Model"));
        d.cmdCancel.userClick();
    });
    qv::askModel(" Waiting Lines", {"m1"});
    EXPECT_TRUE(h().allAnswersUsed());
}

TEST_F(InventoryFormsTest, NewProblemResetsAndDispatches) {
    qv::SharedState& s = qv::S();
    s.inv.intHoldingCostMethod = 1;
    s.inv.intReorderPointMark = 1;
    s.inv.dblReorderPoint = 5;
    s.inv.intInventoryModel = 3;
    s.inv.dblCategoryUnitCosts(2) = 9;
    s.inv.intComputeReorderPoint = 1;
    s.inv.dblAnnualDemand = 100;
    int seenModel = -1;
    h().expectModal("frmuserlistinput", [&](pf::Form& form) {
        seenModel = s.inv.intInventoryModel;
        auto& d = static_cast<FrmUserListInput&>(form);
        EXPECT_EQ(d.lblMainTitle.Caption(), " Inventory Models Available");
        EXPECT_EQ(d.lstModelSelection.ListCount(), 6);
        EXPECT_EQ(d.lstModelSelection.List(4), "Order Quantity-Reorder Point with Probabilistic Demand");
        d.lstModelSelection.userSelect(4);
        d.cmdOK.userClick();
        s.inv.dblCategoryUnitCosts(2) = 9;
    });
    int reorderInForm = -1;
    h().expectModal("frmQR_Prob", [&](pf::Form& form) {
        reorderInForm = static_cast<int>(s.inv.intComputeReorderPoint.num());
        EXPECT_EQ(s.strProblemEntered, "NO");
        static_cast<FrmQR_Prob&>(form).cmdCancel->userClick();
    });
    h().expectMessage(pf::vbYes);
    h().expectModal("frmuserlistinput", [&](pf::Form& form) {
        // Cancelled again: the arrays are emptied once more.
        EXPECT_TRUE(s.inv.dblCategoryUnitCosts(2).IsEmpty());
        static_cast<FrmUserListInput&>(form).cmdCancel.userClick();
    });
    s.blnNewProblem = true;
    QVInvent::NewInventoryProblem();
    EXPECT_EQ(seenModel, 0);
    EXPECT_EQ(reorderInForm, 0);
    EXPECT_EQ(s.inv.intInventoryModel, 0);
    EXPECT_TRUE(s.blnDialogCancelled);
    EXPECT_EQ(pf::focusedForm(), &frmMenu());
    EXPECT_EQ(s.inv.intHoldingCostMethod.num(), 0);
    EXPECT_EQ(s.inv.intReorderPointMark.num(), 0);
    EXPECT_EQ(s.inv.dblReorderPoint.num(), 0);
    EXPECT_TRUE(s.inv.dblCategoryUnitCosts(2).IsEmpty());
    EXPECT_EQ(s.inv.dblCategoryUnitCosts.UBound(), 6);
    EXPECT_EQ(s.inv.dblNormalTable.UBound(), 310);
    EXPECT_EQ(s.inv.dblAnnualDemand.num(), 100);  // New clears no other input
    EXPECT_EQ(s.strProblemEntered, "NO");
    EXPECT_TRUE(h().allAnswersUsed());
}

}  // namespace
