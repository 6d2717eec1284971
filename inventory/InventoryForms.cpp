#include "inventory/InventoryForms.h"

#include "platform/core/Format.h"
#include "shell/DialogLook.h"
#include "shell/core/State.h"

namespace {

using Rule = QVInvent::EntryRule;

const char* const kDemandMsg = "NOTE:  ANNUAL DEMAND MUST BE GREATER THAN 0.";
const char* const kOrderingMsg = "NOTE:  ORDERING COST MUST BE GREATER THAN 0.";
const char* const kDaysMsg = "NOTE:  THE NUMBER OF WORKING DAYS MUST BE BETWEEN 1 AND 365.";
const char* const kDaysNote = "(250 days/year is common)";

FrmInventoryForm::MainBox demand() {
    return {"Annual Demand Rate (Units/Year):", nullptr, Rule::Positive, kDemandMsg,
            []() -> pf::Value& { return qv::S().inv.dblAnnualDemand; }};
}
FrmInventoryForm::MainBox ordering() {
    return {"Ordering Cost ($/Order):", nullptr, Rule::Positive, kOrderingMsg,
            []() -> pf::Value& { return qv::S().inv.dblOrderingCost; }};
}
FrmInventoryForm::MainBox workingDays() {
    return {"Number of Working Days per Year:", kDaysNote, Rule::WorkingDays, kDaysMsg,
            []() -> pf::Value& { return qv::S().inv.dblWorkingDays; }};
}

constexpr int kFamily = FrmInventoryForm::kHoldingCost | FrmInventoryForm::kReorderPoint;

}  // namespace

FrmEOQ::FrmEOQ()
    : FrmInventoryForm("frmEOQ", " Economic Order Quantity", "txtEOQ", {demand(), ordering(), workingDays()},
                       kFamily, 2) {
    finishLayout();
}

FrmPlannedShortages::FrmPlannedShortages()
    : FrmInventoryForm("frmPlannedShortages", " Planned Shortages", "txtPlannedShortages",
                       {demand(), ordering(),
                        {"Backorder Cost ($/Unit/Year):", nullptr, Rule::Positive,
                         "NOTE:  BACKORDER COST MUST BE GREATER THAN 0.",
                         []() -> pf::Value& { return qv::S().inv.dblBackorderCost; }},
                        workingDays()},
                       kFamily, 3) {
    finishLayout();
}

// ---------------------------------------------------------------- production lot size

namespace {
const char* const kRateMsg = "NOTE:  PRODUCTION RATE MUST BE GREATER THAN 0.";
}  // namespace

FrmProductionLotSize::FrmProductionLotSize()
    : FrmInventoryForm("frmProductionLotSize", " Production Lot Size", "txtProdLot",
                       {demand(),
                        {"Annual Production Rate (Units/Year):", nullptr, Rule::Positive, kRateMsg,
                         []() -> pf::Value& { return qv::S().varProductionRate; }},
                        {"Setup Cost ($/Setup):", nullptr, Rule::Positive, "NOTE:  SETUP COST MUST BE GREATER THAN 0.",
                         []() -> pf::Value& { return qv::S().inv.dblOrderingCost; }},
                        workingDays()},
                       kFamily, 3) {
    finishLayout();
}

void FrmProductionLotSize::mainBox_LostFocus(int index) {
    if (index != 1) return FrmInventoryForm::mainBox_LostFocus(index);
    qv::SharedState& s = qv::S();
    pf::TextBox& box = *mainBoxes[1];
    double rate = 0;
    if (!leftBox(box, Rule::Positive, kRateMsg, rate)) return;
    // The rate is kept even when it does not exceed the demand; the warning repeats
    // each time the box is left, and it stops a Save or Solve like a refusal.
    s.varProductionRate = rate;
    const double demandRate = s.inv.dblAnnualDemand.num();
    if (rate == demandRate) {
        qv::refuseEntry(box,
                        "The production rate and the demand rate are EQUAL.  "
                        "The production line will run continuously!!!  "
                        "The production lot size inventory model is meaningful only "
                        "if the production rate is greater than the demand rate.  "
                        "PLEASE INCREASE THE ANNUAL PRODUCTION RATE TO MORE THAN " +
                            pf::PlainNumber(demandRate) + " UNITS.",
                        "WARNING");
    } else if (rate < demandRate) {
        qv::refuseEntry(box,
                        "The production rate of " + pf::PlainNumber(rate) +
                            " units per year is insufficient to handle the demand of " + pf::PlainNumber(demandRate) +
                            " units per year!!!",
                        "WARNING!!!");
    }
}

void FrmProductionLotSize::saveTail() {
    qv::SharedState& s = qv::S();
    s.blnSavePressed = true;
    s.blnDialogCancelled = false;
    s.blnSolvePressed = false;
    FrmInventoryForm::saveTail();
}

void FrmProductionLotSize::solveTail() {
    qv::SharedState& s = qv::S();
    s.blnSolvePressed = true;
    s.blnSavePressed = false;
    s.blnDialogCancelled = false;
    // The launcher solves once the form has closed.
    pf::Unload(*this);
}

void FrmProductionLotSize::cancelling(int branch) {
    qv::SharedState& s = qv::S();
    s.blnSavePressed = false;
    s.blnSolvePressed = false;
    if (branch == 1) s.blnDialogCancelled = false;
}

// ---------------------------------------------------------------- quantity discounts

FrmQtyDiscounts::FrmQtyDiscounts()
    : FrmInventoryForm("frmQtyDiscounts", " Quantity Discounts", "txtQtyDiscounts",
                       {demand(), ordering(),
                        {"Holding Cost as Percent of Unit Cost (0-100):", nullptr, Rule::Positive,
                         "NOTE:  THE PERCENTAGE MUST BE GREATER THAN 0.",
                         []() -> pf::Value& { return qv::S().inv.dblHoldingPercent; }},
                        workingDays()},
                       kReorderPoint, 3) {
    const int height = 600 + kRows * kCategoryStep + 60;
    lookFrame(Frame1, kLeft, nextTop(), kWidth - 2 * kLeft, height, "Cost/Quantity Information");
    const int columns[3] = {240, 2160, 4200};
    lookLabel(lblCategoryHeading, columns[0], 300, 1575, "Category");
    lookLabel(lblUnitCostHeading, columns[1], 300, 1575, "Unit Cost");
    lookLabel(lblMinQtyHeading, columns[2], 300, 1935, "Minimum Quantity");
    for (int r = 0; r < kRows; ++r) {
        const int top = 660 + r * kCategoryStep;
        auto label = std::make_unique<pf::Label>(this, "lblCategory", r, &Frame1);
        lookLabel(*label, columns[0] + 360, top, 600, std::to_string(r + 1));
        auto cost = std::make_unique<pf::TextBox>(this, "txtUnitCost", r, &Frame1);
        lookBox(*cost, columns[1], top, 1455);
        cost->GotFocus = [this, r] { qv::selectAllText(*txtUnitCost[static_cast<std::size_t>(r)]); };
        cost->LostFocus = [this, r] { txtUnitCost_LostFocus(r); };
        auto minimum = std::make_unique<pf::TextBox>(this, "txtMinQty", r, &Frame1);
        lookBox(*minimum, columns[2], top, 1455);
        minimum->GotFocus = [this, r] { qv::selectAllText(*txtMinQty[static_cast<std::size_t>(r)]); };
        minimum->LostFocus = [this, r] { txtMinQty_LostFocus(r); };
        if (r == 0) minimum->Text("0");
        lblCategory.push_back(std::move(label));
        txtUnitCost.push_back(std::move(cost));
        txtMinQty.push_back(std::move(minimum));
    }
    advance(height + 120);
    finishLayout();
}

int FrmQtyDiscounts::shownRows() const {
    const double n = qv::S().inv.intDiscountCount.num();
    if (!(n > 0)) return 0;
    return n >= kRows ? kRows : static_cast<int>(n);
}

void FrmQtyDiscounts::Form_Load() {
    for (int r = shownRows(); r < kRows; ++r) {
        lblCategory[static_cast<std::size_t>(r)]->Visible(false);
        txtUnitCost[static_cast<std::size_t>(r)]->Visible(false);
        txtMinQty[static_cast<std::size_t>(r)]->Visible(false);
    }
    // The table ends under its last shown category; what lies below it moves up.
    const int band = (kRows - shownRows()) * kCategoryStep;
    Frame1.Height(Frame1.Height() - band);
    std::vector<pf::Control*> below = buttonRow();
    below.insert(below.end(), {chkreorderpoint.get(), frameleadtime.get()});
    qv::closeUpBand(*this, band, below);
    FrmInventoryForm::Form_Load();
}

void FrmQtyDiscounts::loadStored() {
    qv::InventoryBlock& I = qv::S().inv;
    for (int k = 1; k <= shownRows(); ++k) {
        txtMinQty[static_cast<std::size_t>(k - 1)]->Text(QVInvent::BoxText(I.dblCategoryMinQuantities(k)));
        txtUnitCost[static_cast<std::size_t>(k - 1)]->Text(QVInvent::BoxText(I.dblCategoryUnitCosts(k)));
    }
    FrmInventoryForm::loadStored();
}

void FrmQtyDiscounts::txtUnitCost_LostFocus(int index) {
    double v = 0;
    if (leftBox(*txtUnitCost[static_cast<std::size_t>(index)], Rule::Positive,
                "NOTE:  THE COST PER UNIT MUST BE GREATER THAN 0.", v))
        qv::S().inv.dblCategoryUnitCosts(index + 1) = v;
}

void FrmQtyDiscounts::txtMinQty_LostFocus(int index) {
    pf::TextBox& box = *txtMinQty[static_cast<std::size_t>(index)];
    const std::string text = box.Text();
    if (text.empty()) return;
    qv::SharedState& s = qv::S();
    double v = 0;
    if (QVInvent::AcceptsCheckedEntry(s, text, v))
        s.inv.dblCategoryMinQuantities(index + 1) = v;
    else
        qv::refuseEntry(box, "NOTE:  THE MINIMUM QUANTITY MUST BE AT LEAST 0.");
}

std::vector<pf::TextBox*> FrmQtyDiscounts::requiredBoxes() {
    std::vector<pf::TextBox*> out;
    requireMainBoxes(out);
    requireLeadTime(out);
    // Every shown category needs both values: the solver divides by each unit cost.
    for (int r = 0; r < shownRows(); ++r) {
        out.push_back(txtUnitCost[static_cast<std::size_t>(r)].get());
        out.push_back(txtMinQty[static_cast<std::size_t>(r)].get());
    }
    return out;
}

void FrmQtyDiscounts::storeOnSaveOrSolve() {
    FrmInventoryForm::storeOnSaveOrSolve();
    if (txtMinQty[0]->Text() == "0") qv::S().inv.dblCategoryMinQuantities(1) = 0;
}

// ---------------------------------------------------------------- order quantity-reorder point

namespace {
const char* const kProbabilityLabel = "Probability of a Stockout:";
const char* const kProbabilityLoadLabel = "Probability of a Stockout";
const char* const kStockoutsLabel = "Allowable Number of Stockouts per Year:";
}  // namespace

FrmQR_Prob::FrmQR_Prob()
    : FrmInventoryForm("frmQR_Prob", " Q/R with Probabilistic Demand", "txtQR_Prob",
                       {demand(), ordering(), workingDays()}, kHoldingCost, 2) {
    lookLabel(lblnormaldemand, kLeft, nextTop(), kWidth - 2 * kLeft, "Normal Distribution of Demand During Leadtime:");
    advance(360);
    lookFrame(frmNormalDemand, kLeft, nextTop(), kWidth - 2 * kLeft, 915, "");
    lookLabel(lblMean, 120, 180, kBoxLeft - kLeft - 240, "Mean:");
    lookBox(txtMean, kBoxLeft - kLeft, 180);
    lookLabel(lblStdDev, 120, 540, kBoxLeft - kLeft - 240, "Standard Deviation:");
    lookBox(txtStdDev, kBoxLeft - kLeft, 540);
    advance(915 + 120);
    // The list reaches left of the boxes, far enough to show its longer entry whole.
    const int serviceLeft = kBoxLeft - 960;
    lookLabel(lblService, kLeft, nextTop(), serviceLeft - kLeft - 120, "Service Level Method:");
    lookCombo(comboService, serviceLeft, nextTop(), kBoxLeft + kBoxWidth - serviceLeft);
    advance(kRowStep);
    lookFrame(frmService, kLeft, nextTop(), kWidth - 2 * kLeft, 555, "");
    lookLabel(lblServiceType, 120, 180, kBoxLeft - kLeft - 240, "");
    lookBox(txtStockout, kBoxLeft - kLeft, 180);
    advance(555 + 120);
    comboService.Click = [this] { comboService_Click(); };
    for (pf::TextBox* t : {&txtMean, &txtStdDev, &txtStockout}) t->GotFocus = [t] { qv::selectAllText(*t); };
    txtMean.LostFocus = [this] { txtMean_LostFocus(); };
    txtStdDev.LostFocus = [this] { txtStdDev_LostFocus(); };
    txtStockout.LostFocus = [this] { txtStockout_LostFocus(); };
    finishLayout();
}

void FrmQR_Prob::fillServiceList() {
    comboService.Clear();
    comboService.AddItem("Prob. of a Stockout");
    comboService.AddItem("Number of Stockouts");
}

void FrmQR_Prob::loadNew() {
    fillServiceList();
    comboService.ListIndex(0);
    qv::S().inv.intServiceLevelMethod = 2;
    lblServiceType.Caption(kProbabilityLoadLabel);
}

void FrmQR_Prob::loadStored() {
    fillServiceList();
    FrmInventoryForm::loadStored();
    qv::InventoryBlock& I = qv::S().inv;
    txtMean.Text(QVInvent::BoxText(I.dblDemandMean));
    txtStdDev.Text(QVInvent::BoxText(I.dblDemandStdDev));
    if (I.intServiceLevelMethod.num() == 1) {
        comboService.ListIndex(1);
        lblServiceType.Caption(kStockoutsLabel);
        txtStockout.Text(QVInvent::BoxText(I.dblStockoutsPerYear));
    } else {
        comboService.ListIndex(0);
        lblServiceType.Caption(kProbabilityLoadLabel);
        txtStockout.Text(QVInvent::BoxText(I.dblStockoutProbability));
    }
}

void FrmQR_Prob::comboService_Click() {
    qv::InventoryBlock& I = qv::S().inv;
    if (comboService.Text() == "Prob. of a Stockout") {
        I.intServiceLevelMethod = 2;
        lblServiceType.Caption(kProbabilityLabel);
    } else {
        I.intServiceLevelMethod = 1;
        lblServiceType.Caption(kStockoutsLabel);
    }
    txtStockout.Text("");
}

bool FrmQR_Prob::leftValueBox(pf::TextBox& box, QVInvent::EntryRule rule, const char* message, double& value) {
    if (QVInvent::Accepts(rule, box.Text(), value)) return true;
    qv::refuseEntry(box, message);
    return false;
}

void FrmQR_Prob::txtMean_LostFocus() {
    double v = 0;
    if (leftValueBox(txtMean, Rule::AtLeastZero, "NOTE:  THE MEAN DEMAND MUST BE AT LEAST 0 UNITS.", v))
        qv::S().inv.dblDemandMean = v;
}

void FrmQR_Prob::txtStdDev_LostFocus() {
    double v = 0;
    if (leftValueBox(txtStdDev, Rule::AtLeastZero, "NOTE:  THE STANDARD DEVIATION MUST BE AT LEAST 0.", v))
        qv::S().inv.dblDemandStdDev = v;
}

void FrmQR_Prob::txtStockout_LostFocus() {
    qv::InventoryBlock& I = qv::S().inv;
    double v = 0;
    if (comboService.Text() == "Prob. of a Stockout") {
        if (leftValueBox(txtStockout, Rule::Probability,
                         "NOTE:  IN THIS INVENTORY MODEL, THE PROBABILITY OF A STOCKOUT MUST BE BETWEEN .00 AND .50.", v))
            I.dblStockoutProbability = v;
    } else if (leftValueBox(txtStockout, Rule::AtLeastZero, "NOTE:  THE NUMBER OF STOCKOUTS MUST BE AT LEAST 0.", v)) {
        I.dblStockoutsPerYear = v;
    }
}

std::vector<pf::TextBox*> FrmQR_Prob::requiredBoxes() {
    std::vector<pf::TextBox*> out;
    requireMainBoxes(out);
    out.push_back(&txtMean);
    out.push_back(&txtStdDev);
    out.push_back(&txtStockout);
    requireHoldingCost(out);
    return out;
}

// ---------------------------------------------------------------- single period

FrmOnePeriodProb::FrmOnePeriodProb()
    : FrmInventoryForm("frmOnePeriodProb", " Single Period / Probabilistic Demand", "txtOnePeriodProb",
                       {{"Per Unit Cost of Overestimating Demand:", nullptr, Rule::Positive,
                         "THE COST OF OVERESTIMATING DEMAND MUST BE GREATER THAN 0.",
                         []() -> pf::Value& { return qv::S().inv.dblOrderingCost; }},
                        {"Per Unit Cost of Underestimating Demand:", nullptr, Rule::Positive,
                         "THE COST OF UNDERESTIMATING DEMAND MUST BE GREATER THAN 0.", nullptr}},
                       0, -1) {
    lookLabel(lblDistribution, kLeft, nextTop(), kBoxLeft - kLeft - 120, "Probability Distribution for Demand:");
    lookCombo(comboDistribution, kBoxLeft, nextTop(), kBoxWidth);
    advance(kRowStep);
    lookFrame(frameholdingcostmethod, kLeft, nextTop(), kWidth - 2 * kLeft, 915, "");
    lookLabel(lblSmallValue, 120, 180, kBoxLeft - kLeft - 240, "Smallest Value:");
    lookBox(txtSmallValue, kBoxLeft - kLeft, 180);
    lookLabel(lblLargeValue, 120, 540, kBoxLeft - kLeft - 240, "Largest Value:");
    lookBox(txtLargeValue, kBoxLeft - kLeft, 540);
    advance(915 + 120);
    comboDistribution.Click = [this] { comboDistribution_Click(); };
    for (pf::TextBox* t : {&txtSmallValue, &txtLargeValue}) t->GotFocus = [t] { qv::selectAllText(*t); };
    txtSmallValue.LostFocus = [this] { txtSmallValue_LostFocus(); };
    txtLargeValue.LostFocus = [this] { txtLargeValue_LostFocus(); };
    finishLayout();
}

void FrmOnePeriodProb::fillDistributionList() {
    comboDistribution.Clear();
    comboDistribution.AddItem("Uniform");
    comboDistribution.AddItem("Normal");
}

void FrmOnePeriodProb::loadNew() {
    fillDistributionList();
    comboDistribution.ListIndex(0);
}

void FrmOnePeriodProb::loadStored() {
    fillDistributionList();
    qv::SharedState& s = qv::S();
    mainBoxes[0]->Text(QVInvent::BoxText(s.inv.dblOrderingCost));
    mainBoxes[1]->Text(pf::EntryNumber(s.dblCostPerUnit));
    if (s.varDemandDistribution.num() == 1) {
        comboDistribution.ListIndex(0);
        txtSmallValue.Text(QVInvent::BoxText(s.varUniformLow));
        txtLargeValue.Text(QVInvent::BoxText(s.varUniformHigh));
    } else {
        comboDistribution.ListIndex(1);
        lblSmallValue.Caption("Mean:");
        lblLargeValue.Caption("Standard Deviation:");
        txtSmallValue.Text(QVInvent::BoxText(s.inv.dblDemandMean));
        txtLargeValue.Text(QVInvent::BoxText(s.inv.dblDemandStdDev));
    }
}

void FrmOnePeriodProb::mainBox_LostFocus(int index) {
    if (index != 1) return FrmInventoryForm::mainBox_LostFocus(index);
    double v = 0;
    if (leftBox(*mainBoxes[1], Rule::Positive, boxes_[1].message, v)) qv::S().dblCostPerUnit = v;
}

void FrmOnePeriodProb::comboDistribution_Click() {
    qv::SharedState& s = qv::S();
    if (comboDistribution.Text() == "Uniform") {
        s.varDemandDistribution = 1;
        lblLargeValue.Caption("Largest Value:");
        lblSmallValue.Caption("Smallest Value:");
    } else {
        s.varDemandDistribution = 2;
        lblSmallValue.Caption("Mean:");
        lblLargeValue.Caption("Standard Deviation:");
    }
    txtSmallValue.Text("");
    txtLargeValue.Text("");
}

// The distribution boxes store their value before they judge it: a refused value
// stays stored until a later entry replaces it (the solver refuses it).
void FrmOnePeriodProb::txtSmallValue_LostFocus() {
    const std::string text = txtSmallValue.Text();
    if (text.empty()) return;
    qv::SharedState& s = qv::S();
    const bool uniform = s.varDemandDistribution.num() == 1;
    const char* message = uniform ? "NOTE:  THE LOWEST VALUE MUST BE AT LEAST 0." : "NOTE:  THE MEAN DEMAND MUST BE AT LEAST 0.";
    double v = 0;
    if (!QVInvent::BoxValue(text, v)) return qv::refuseEntry(txtSmallValue, message);
    (uniform ? s.varUniformLow : s.inv.dblDemandMean) = v;
    if (v < 0) qv::refuseEntry(txtSmallValue, message);
}

void FrmOnePeriodProb::txtLargeValue_LostFocus() {
    const std::string text = txtLargeValue.Text();
    if (text.empty()) return;
    qv::SharedState& s = qv::S();
    double v = 0;
    if (s.varDemandDistribution.num() == 1) {
        // Compared with the smallest value as its box stands (0 while it is empty).
        double low = 0;
        if (!QVInvent::BoxValue(txtSmallValue.Text(), low)) low = 0;
        const std::string message = "NOTE:  THE HIGHEST VALUE MUST BE AT LEAST " + pf::PlainNumber(low) + " UNITS.";
        if (!QVInvent::BoxValue(text, v)) return qv::refuseEntry(txtLargeValue, message);
        s.varUniformHigh = v;
        if (v < low) qv::refuseEntry(txtLargeValue, message);
    } else {
        const char* message = "NOTE:  THE STANDARD DEVIATION MUST BE AT LEAST 0.";
        if (!QVInvent::BoxValue(text, v)) return qv::refuseEntry(txtLargeValue, message);
        s.inv.dblDemandStdDev = v;
        if (v < 0) qv::refuseEntry(txtLargeValue, message);
    }
}

std::vector<pf::TextBox*> FrmOnePeriodProb::requiredBoxes() {
    std::vector<pf::TextBox*> out;
    requireMainBoxes(out);
    out.push_back(&txtSmallValue);
    out.push_back(&txtLargeValue);
    return out;
}
