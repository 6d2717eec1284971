// The production lot size, quantity discounts, order quantity-reorder point and
// single-period forms: their leave checks, the lot size form's requests, and each
// form's round trip through the problem file.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "inventory/InventoryForms.h"
#include "inventory/QVInvent.h"
#include "platform/core/SeqFile.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/Modules.h"
#include "shell/core/ProblemFile.h"
#include "shell/frmMenu.h"
#include "shell/frmModuleSelection.h"
#include "shell/frmSolution.h"
#include "shell/frmuserlistinput.h"
#include "tests/ui_test_support.h"

namespace {

pf::ScriptedHost& h() { return pf::scriptedHost(); }

void freshWindows() {
    qvtest::mainWindowAlone(8);
    qv::S().strProblemFileExt = "INV";
}

void freshProblem(int model, bool isNew) {
    freshWindows();
    qv::SharedState& s = qv::S();
    s.inv = qv::InventoryBlock();
    s.inv.ReDimArrays();
    s.inv.intInventoryModel = model;
    s.inv.intDiscountCount = 3;
    for (pf::Value* v : {&s.varProductionRate, &s.varUniformLow, &s.varUniformHigh, &s.varUnitCost,
                         &s.varDemandDistribution})
        v->Clear();
    s.dblCostPerUnit = 0;
    s.blnNewProblem = isNew;
    h().transcript.clear();
    h().clearAnswers();
}

FrmInventoryForm& openForm(int model) {
    switch (model) {
        case 2: return pf::instance<FrmProductionLotSize>();
        case 4: return pf::instance<FrmQtyDiscounts>();
        case 5: return pf::instance<FrmQR_Prob>();
        default: return pf::instance<FrmOnePeriodProb>();
    }
}

std::string lastMessage() {
    for (auto it = h().transcript.rbegin(); it != h().transcript.rend(); ++it)
        if (it->rfind("MSGBOX ", 0) == 0) return *it;
    return "";
}

pf::TextBox& box(FrmInventoryForm& f, const std::string& name) { return dynamic_cast<pf::TextBox&>(*f.control(name)); }

void enter(pf::TextBox& b, const std::string& text, pf::Control& next) {
    b.SetFocus();
    b.Text(text);
    next.SetFocus();
}

TEST(InventoryModelForms, LeaveChecks) {
    qvtest::resetProgram();
    using Prepare = std::function<void(FrmInventoryForm&)>;
    using Field = std::function<pf::Value()>;
    qv::SharedState& s = qv::S();
    const Prepare none = [](FrmInventoryForm&) {};
    const Prepare demand1000 = [&](FrmInventoryForm&) { s.inv.dblAnnualDemand = 1000; };
    const Prepare stockoutsMethod = [](FrmInventoryForm& f) { static_cast<FrmQR_Prob&>(f).comboService.ListIndex(1); };
    const Prepare normal = [](FrmInventoryForm& f) { static_cast<FrmOnePeriodProb&>(f).comboDistribution.ListIndex(1); };
    const Prepare smallest20 = [](FrmInventoryForm& f) { static_cast<FrmOnePeriodProb&>(f).txtSmallValue.Text("20"); };
    const Prepare oldLow100 = [&](FrmInventoryForm&) { s.varUniformLow = 100; };
    const Field rate = [&] { return s.varProductionRate; };
    const Field setup = [&] { return s.inv.dblOrderingCost; };
    const Field percent = [&] { return s.inv.dblHoldingPercent; };
    const Field cost2 = [&] { return s.inv.dblCategoryUnitCosts(2); };
    const Field min2 = [&] { return s.inv.dblCategoryMinQuantities(2); };
    const Field mean = [&] { return s.inv.dblDemandMean; };
    const Field sd = [&] { return s.inv.dblDemandStdDev; };
    const Field prob = [&] { return s.inv.dblStockoutProbability; };
    const Field perYear = [&] { return s.inv.dblStockoutsPerYear; };
    const Field under = [&] { return pf::Value(s.dblCostPerUnit); };
    const Field low = [&] { return s.varUniformLow; };
    const Field high = [&] { return s.varUniformHigh; };
    const std::string equal =
        "The production rate and the demand rate are EQUAL.  The production line will run continuously!!!  "
        "The production lot size inventory model is meaningful only if the production rate is greater than the "
        "demand rate.  PLEASE INCREASE THE ANNUAL PRODUCTION RATE TO MORE THAN 1000 UNITS.";
    const std::string below =
        "The production rate of 800 units per year is insufficient to handle the demand of 1000 units per year!!!";
    struct Case {
        int model;
        const char* box;
        std::string text;
        Prepare prepare;
        std::string title;    // empty: accepted
        std::string message;
        Field field;
        bool stored;          // the field holds `value` afterwards (else it is empty or as before)
        double value;
    };
    const char* dataError = "Data Input Error";
    const std::vector<Case> cases = {
        {2, "txtProdLot(1)", "0", demand1000, dataError, "NOTE:  PRODUCTION RATE MUST BE GREATER THAN 0.", rate, false, 0},
        {2, "txtProdLot(1)", "1000", demand1000, "WARNING", equal, rate, true, 1000},
        {2, "txtProdLot(1)", "800", demand1000, "WARNING!!!", below, rate, true, 800},
        {2, "txtProdLot(1)", "1,500", demand1000, "", "", rate, true, 1500},
        {2, "txtProdLot(1)", "1500", none, "", "", rate, true, 1500},
        {2, "txtProdLot(2)", "0", none, dataError, "NOTE:  SETUP COST MUST BE GREATER THAN 0.", setup, false, 0},
        {2, "txtProdLot(2)", "135", none, "", "", setup, true, 135},
        {4, "txtQtyDiscounts(2)", "150", none, "", "", percent, true, 150},
        {4, "txtQtyDiscounts(2)", "0", none, dataError, "NOTE:  THE PERCENTAGE MUST BE GREATER THAN 0.", percent, false, 0},
        {4, "txtUnitCost(1)", "12abc", none, "", "", cost2, true, 12},
        {4, "txtUnitCost(1)", "0", none, dataError, "NOTE:  THE COST PER UNIT MUST BE GREATER THAN 0.", cost2, false, 0},
        {4, "txtMinQty(1)", "1,000", none, "", "", min2, true, 1000},
        {4, "txtMinQty(1)", "-", none, "", "", min2, true, 0},
        {4, "txtMinQty(1)", ".", none, "", "", min2, true, 0},
        {4, "txtMinQty(1)", "0", none, "", "", min2, true, 0},
        {4, "txtMinQty(1)", "-5", none, dataError, "NOTE:  THE MINIMUM QUANTITY MUST BE AT LEAST 0.", min2, false, 0},
        {4, "txtMinQty(1)", "12abc", none, dataError, "NOTE:  THE MINIMUM QUANTITY MUST BE AT LEAST 0.", min2, false, 0},
        {4, "txtMinQty(1)", "1e999", none, dataError, "NOTE:  THE MINIMUM QUANTITY MUST BE AT LEAST 0.", min2, false, 0},
        {5, "txtMean", "", none, "", "", mean, true, 0},
        {5, "txtMean", "0", none, "", "", mean, true, 0},
        {5, "txtMean", "-1", none, dataError, "NOTE:  THE MEAN DEMAND MUST BE AT LEAST 0 UNITS.", mean, false, 0},
        {5, "txtStdDev", "-0.5", none, dataError, "NOTE:  THE STANDARD DEVIATION MUST BE AT LEAST 0.", sd, false, 0},
        {5, "txtStdDev", "1,5", none, "", "", sd, true, 15},
        {5, "txtStockout", "0.25x", none, "", "", prob, true, 0.25},
        {5, "txtStockout", "0", none, "", "", prob, true, 0},
        {5, "txtStockout", "0.5", none, "", "", prob, true, 0.5},
        {5, "txtStockout", "0.51", none, dataError,
         "NOTE:  IN THIS INVENTORY MODEL, THE PROBABILITY OF A STOCKOUT MUST BE BETWEEN .00 AND .50.", prob, false, 0},
        {5, "txtStockout", "-0.1", none, dataError,
         "NOTE:  IN THIS INVENTORY MODEL, THE PROBABILITY OF A STOCKOUT MUST BE BETWEEN .00 AND .50.", prob, false, 0},
        {5, "txtStockout", "1e999", none, dataError,
         "NOTE:  IN THIS INVENTORY MODEL, THE PROBABILITY OF A STOCKOUT MUST BE BETWEEN .00 AND .50.", prob, false, 0},
        {5, "txtStockout", "3.7", stockoutsMethod, "", "", perYear, true, 3.7},
        {5, "txtStockout", "-1", stockoutsMethod, dataError, "NOTE:  THE NUMBER OF STOCKOUTS MUST BE AT LEAST 0.",
         perYear, false, 0},
        {6, "txtOnePeriodProb(0)", "0", none, dataError, "THE COST OF OVERESTIMATING DEMAND MUST BE GREATER THAN 0.",
         setup, false, 0},
        {6, "txtOnePeriodProb(0)", "12abc", none, "", "", setup, true, 12},
        {6, "txtOnePeriodProb(1)", "0", none, dataError, "THE COST OF UNDERESTIMATING DEMAND MUST BE GREATER THAN 0.",
         under, true, 0},
        {6, "txtOnePeriodProb(1)", "45", none, "", "", under, true, 45},
        // The distribution boxes store first and judge afterwards.
        {6, "txtSmallValue", "-1", none, dataError, "NOTE:  THE LOWEST VALUE MUST BE AT LEAST 0.", low, true, -1},
        {6, "txtSmallValue", "0", none, "", "", low, true, 0},
        {6, "txtLargeValue", "19", smallest20, dataError, "NOTE:  THE HIGHEST VALUE MUST BE AT LEAST 20 UNITS.", high,
         true, 19},
        {6, "txtLargeValue", "20", smallest20, "", "", high, true, 20},
        {6, "txtLargeValue", "50", oldLow100, "", "", high, true, 50},
        {6, "txtLargeValue", "-1", oldLow100, dataError, "NOTE:  THE HIGHEST VALUE MUST BE AT LEAST 0 UNITS.", high,
         true, -1},
        {6, "txtLargeValue", "1e999", none, dataError, "NOTE:  THE HIGHEST VALUE MUST BE AT LEAST 0 UNITS.", high,
         false, 0},
        {6, "txtSmallValue", "-1", normal, dataError, "NOTE:  THE MEAN DEMAND MUST BE AT LEAST 0.", mean, true, -1},
        {6, "txtLargeValue", "-5", normal, dataError, "NOTE:  THE STANDARD DEVIATION MUST BE AT LEAST 0.", sd, true, -5},
        {6, "txtLargeValue", "7", normal, "", "", sd, true, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.model) + " " + c.box + " = \"" + c.text + "\"");
        freshProblem(c.model, true);
        FrmInventoryForm& f = openForm(c.model);
        c.prepare(f);
        pf::TextBox& b = box(f, c.box);
        if (!c.title.empty()) h().expectMessage(pf::vbOK);
        enter(b, c.text, *f.cmdCancel);
        if (c.title.empty()) {
            EXPECT_EQ(lastMessage(), "");
        } else {
            EXPECT_EQ(lastMessage(), "MSGBOX \"" + c.title + "\" critical OK \"" + c.message + "\" -> OK");
            EXPECT_EQ(pf::focusedControl(), &b);
        }
        if (c.stored) {
            EXPECT_FALSE(c.field().IsEmpty());
            EXPECT_EQ(c.field().num(), c.value);
        } else {
            EXPECT_TRUE(c.field().IsEmpty());
        }
        EXPECT_TRUE(h().allAnswersUsed());
    }
    qvtest::resetProgram();
}

// The production lot size form's buttons and what its launcher does after them.
TEST(InventoryModelForms, ProductionLotSizeRequests) {
    qvtest::resetProgram();
    qv::SharedState& s = qv::S();
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "qv_pls_requests";
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "PLS.INV").string();
    struct Flags {
        bool cancelled, save, solve;
        bool operator==(const Flags&) const = default;
    };
    auto flags = [&] { return Flags{s.blnDialogCancelled, s.blnSavePressed, s.blnSolvePressed}; };
    auto fill = [&](FrmInventoryForm& f) {
        enter(*f.mainBoxes[0], "26000", *f.mainBoxes[1]);
        enter(*f.mainBoxes[1], "60000", *f.mainBoxes[2]);
        enter(*f.mainBoxes[2], "135", *f.txtFrame1);
        f.comboHoldingcostmethod->ListIndex(0);
        enter(*f.txtFrame1, "4.5", *f.mainBoxes[0]);
    };
    auto count = [](const std::string& start) {
        int n = 0;
        for (const std::string& l : h().transcript)
            if (l.rfind(start, 0) == 0) ++n;
        return n;
    };
    struct Case {
        const char* what;
        bool isNew;
        std::vector<const char*> buttons;  // pressed in order inside the form
        int answer;                        // the Cancel question's answer, if asked
        Flags after;
        bool closed;
        int saves;
        bool solved;
    } cases[] = {
        {"Save then Solve", true, {"cmdSave", "CmdSolve"}, 0, {false, false, true}, true, 1, true},
        {"Solve", true, {"CmdSolve"}, 0, {false, false, true}, true, 0, true},
        {"Save then Cancel", true, {"cmdSave", "cmdCancel"}, 0, {true, false, false}, true, 1, false},
        {"stored Cancel", false, {"cmdCancel"}, 0, {true, false, false}, true, 0, false},
        {"new Cancel, No", true, {"cmdCancel"}, pf::vbNo, {false, false, false}, false, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        freshProblem(2, c.isNew);
        s.blnSavePressed = true;  // left by an earlier form
        s.blnSolvePressed = true;
        Flags inside{};
        bool open = false;
        h().expectModal("frmProductionLotSize", [&](pf::Form& form) {
            auto& f = static_cast<FrmInventoryForm&>(form);
            if (!c.isNew) s.blnNewProblem = false;
            fill(f);
            for (const char* b : c.buttons) {
                if (std::string(b) == "cmdSave") h().expectFile(path);
                if (c.answer && std::string(b) == "cmdCancel") h().expectMessage(c.answer);
                dynamic_cast<pf::CommandButton&>(*f.control(b)).userClick();
            }
            inside = flags();
            open = pf::isLoaded<FrmProductionLotSize>();
            if (open) pf::Unload(f);  // closed here, so that the launcher returns
        });
        QVInvent::ShowProductionLotSizeForm();
        pf::collectUnloaded();
        EXPECT_EQ(inside, c.after);
        EXPECT_EQ(open, !c.closed);
        EXPECT_EQ(count("SAVE DIALOG"), c.saves);
        EXPECT_EQ(pf::isLoaded<FrmSolution>() && frmSolution().Visible(), c.solved);
        if (c.solved) {
            EXPECT_EQ(frmSolution().lines()[3], "    PRODUCTION LOT SIZE                        1,659.20");
        }
        EXPECT_TRUE(h().allAnswersUsed());
    }
    // A new problem's Cancel answered Yes clears both requests and the cancelled flag
    // before the model list; the list cancelled leaves the launcher only the focus.
    freshProblem(2, true);
    s.blnSavePressed = true;
    Flags beforeList{};
    h().expectModal("frmProductionLotSize", [&](pf::Form& form) {
        static_cast<FrmInventoryForm&>(form).cmdCancel->userClick();
    });
    h().expectMessage(pf::vbYes);
    h().expectModal("frmuserlistinput", [&](pf::Form& form) {
        beforeList = flags();
        static_cast<FrmUserListInput&>(form).cmdCancel.userClick();
    });
    QVInvent::ShowProductionLotSizeForm();
    pf::collectUnloaded();
    EXPECT_EQ(beforeList, (Flags{false, false, false}));
    EXPECT_EQ(count("SAVE DIALOG"), 0);
    EXPECT_EQ(pf::focusedForm(), &frmMenu());
    std::filesystem::remove_all(dir);
    qvtest::resetProgram();
}

// The records with the text column of each number dropped where it only repeats the
// number: a field never entered is written as an empty text and read back as 0.
std::string numbersOf(const std::string& records) {
    std::string out, previous, field;
    auto flush = [&](char end) {
        const bool quoted = field.size() >= 2 && field.front() == '"';
        const std::string inner = quoted ? field.substr(1, field.size() - 2) : field;
        if (!quoted || !(inner.empty() || inner == previous)) out += field + end;
        if (!quoted) previous = field;
        field.clear();
    };
    for (char ch : records) {
        if (ch == ',' || ch == '\n') flush(ch);
        else if (ch != '\r') field += ch;
    }
    return out;
}

// Every control of a form as the user sees it: texts, captions, selections, ticks and
// what is shown.
std::vector<std::string> look(pf::Form& f) {
    std::vector<std::string> out;
    for (pf::Control* c : f.controls()) {
        std::string v = c->qualifiedName() + (c->Visible() ? " shown" : " hidden");
        if (auto* t = dynamic_cast<pf::TextBox*>(c)) v += " text=" + t->Text();
        if (auto* l = dynamic_cast<pf::Label*>(c)) v += " caption=" + l->Caption();
        if (auto* k = dynamic_cast<pf::ComboBox*>(c)) v += " combo=" + k->Text();
        if (auto* k = dynamic_cast<pf::CheckBox*>(c)) v += " tick=" + std::to_string(k->Value());
        out.push_back(v);
    }
    return out;
}

TEST(InventoryModelForms, RoundTripThroughTheFile) {
    qvtest::resetProgram();
    qv::SharedState& s = qv::S();
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "qv_model_forms";
    std::filesystem::create_directories(dir);
    struct Case {
        int model;
        const char* form;
        std::function<void(FrmInventoryForm&)> fill;
    } cases[] = {
        {2, "frmProductionLotSize",
         [](FrmInventoryForm& f) {
             enter(*f.mainBoxes[0], "26000", *f.mainBoxes[1]);
             enter(*f.mainBoxes[1], "60000", *f.mainBoxes[2]);
             enter(*f.mainBoxes[2], "135", *f.mainBoxes[3]);
             enter(*f.mainBoxes[3], "240", *f.txtFrame1);
             enter(*f.txtFrame1, "18", *f.txtframe2);
             enter(*f.txtframe2, "25", *f.mainBoxes[0]);
             f.chkreorderpoint->Value(1);
             enter(*f.txtleadtime, "5", *f.mainBoxes[0]);
         }},
        {4, "frmQtyDiscounts",
         [](FrmInventoryForm& f) {
             auto& q = static_cast<FrmQtyDiscounts&>(f);
             enter(*f.mainBoxes[0], "120000", *f.mainBoxes[1]);
             enter(*f.mainBoxes[1], "12", *f.mainBoxes[2]);
             enter(*f.mainBoxes[2], "20", *q.txtUnitCost[0]);
             enter(*q.txtUnitCost[0], "5", *q.txtUnitCost[1]);
             enter(*q.txtUnitCost[1], "4.9", *q.txtMinQty[1]);
             enter(*q.txtMinQty[1], "1000", *q.txtUnitCost[2]);
             enter(*q.txtUnitCost[2], "4.8", *q.txtMinQty[2]);
             enter(*q.txtMinQty[2], "2500", *f.mainBoxes[0]);
         }},
        {5, "frmQR_Prob",
         [](FrmInventoryForm& f) {
             auto& q = static_cast<FrmQR_Prob&>(f);
             enter(*f.mainBoxes[0], "1000", *f.mainBoxes[1]);
             enter(*f.mainBoxes[1], "12", *f.txtFrame1);
             f.comboHoldingcostmethod->ListIndex(0);
             enter(*f.txtFrame1, "2.5", q.txtMean);
             enter(q.txtMean, "25", q.txtStdDev);
             enter(q.txtStdDev, "5", q.txtStockout);
             q.comboService.ListIndex(1);
             enter(q.txtStockout, "2", *f.mainBoxes[0]);
         }},
        {6, "frmOnePeriodProb",
         [](FrmInventoryForm& f) {
             auto& o = static_cast<FrmOnePeriodProb&>(f);
             enter(*f.mainBoxes[0], "0.75", *f.mainBoxes[1]);
             enter(*f.mainBoxes[1], "45", o.txtSmallValue);
             enter(o.txtSmallValue, "350", o.txtLargeValue);
             enter(o.txtLargeValue, "650", *f.mainBoxes[0]);
         }},
        {6, "frmOnePeriodProb",
         [](FrmInventoryForm& f) {
             auto& o = static_cast<FrmOnePeriodProb&>(f);
             enter(*f.mainBoxes[0], "30", *f.mainBoxes[1]);
             enter(*f.mainBoxes[1], "45", o.txtSmallValue);
             o.comboDistribution.ListIndex(1);
             enter(o.txtSmallValue, "500", o.txtLargeValue);
             enter(o.txtLargeValue, "100", *f.mainBoxes[0]);
         }},
    };
    int k = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        freshProblem(c.model, true);
        const std::string path = (dir / ("F" + std::to_string(k++) + ".INV")).string();
        std::vector<std::string> entered, reopened;
        std::string fileBefore, fileAfter;
        h().expectModal(c.form, [&](pf::Form& form) {
            auto& f = static_cast<FrmInventoryForm&>(form);
            c.fill(f);
            h().expectFile(path);
            f.cmdSave->userClick();
            entered = look(f);
            f.cmdCancel->userClick();
        });
        QVInvent::ShowInputForm();
        pf::collectUnloaded();
        pf::FieldWriter before;
        qv::WriteProblemRecords(s, before);

        s.inv = qv::InventoryBlock();
        s.strProblemEntered = "NO";
        h().expectFile(path);
        h().expectModal(c.form, [&](pf::Form& form) {
            reopened = look(form);
            static_cast<FrmInventoryForm&>(form).cmdCancel->userClick();
        });
        frmMenu().mnuFileOpen_Click();
        pf::collectUnloaded();
        pf::FieldWriter after;
        qv::WriteProblemRecords(s, after);
        EXPECT_EQ(reopened, entered);
        EXPECT_EQ(numbersOf(after.contents()), numbersOf(before.contents()));
        EXPECT_TRUE(h().allAnswersUsed());
    }
    std::filesystem::remove_all(dir);
    qvtest::resetProgram();
}

TEST(InventoryModelForms, EscapeActsAsCancel) {
    qvtest::resetProgram();
    freshProblem(5, false);
    qv::SharedState& s = qv::S();
    s.blnSavePressed = true;
    FrmInventoryForm& f = openForm(5);
    f.mainBoxes[0]->SetFocus();
    f.mainBoxes[0]->deliverKey(27, 0, 27);
    pf::collectUnloaded();
    EXPECT_FALSE(pf::isLoaded<FrmQR_Prob>());
    EXPECT_TRUE(s.blnDialogCancelled);
    EXPECT_EQ(s.strProblemEntered, "YES");
    qvtest::resetProgram();
}

}  // namespace
