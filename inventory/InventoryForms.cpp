#include "inventory/InventoryForms.h"

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
