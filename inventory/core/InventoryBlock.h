#pragma once
// Inventory block of the shared state: the inputs and options of the six models and
// the quantity-discount categories. Numbers start empty and count as 0 while empty.
// varUnitCost, varProductionRate, varDemandDistribution, varUniformLow, varUniformHigh
// and dblCostPerUnit live in the shared part of the state.
#include <string>

#include "platform/core/Array.h"
#include "platform/core/Value.h"

namespace qv {

struct InventoryBlock {
    static constexpr int kMaxDiscountCategories = 5;
    static constexpr int kCategoryTableUpper = 6;   // category tables 0..6
    static constexpr int kNormalTableUpper = 310;   // standard normal table 0..310

    // 0 none, 1 EOQ, 2 production lot size, 3 planned shortages, 4 quantity discounts,
    // 5 order quantity-reorder point, 6 single period.
    int intInventoryModel = 0;

    pf::Value dblAnnualDemand;
    pf::Value dblOrderingCost;
    pf::Value dblHoldingCost;
    std::string strHoldingCostText;  // last accepted holding-cost entry (amount or percent)
    pf::Value dblHoldingPercent;
    pf::Value dblBackorderCost;
    pf::Value dblWorkingDays;
    pf::Value dblLeadTime;
    pf::Value dblDemandMean;
    pf::Value dblDemandStdDev;
    pf::Value intServiceLevelMethod;  // 2 stockout probability, 1 stockouts per year
    pf::Value dblStockoutProbability;
    pf::Value dblStockoutsPerYear;
    pf::Value intHoldingCostMethod;  // 1 percent of unit cost, 0 amount
    pf::Value intReorderPointMark;
    pf::Value dblReorderPoint;
    pf::Value intComputeReorderPoint;  // 1 when the reorder point is asked for
    pf::Value intDiscountCount;

    // Quantity-discount categories 1..intDiscountCount; indexes 0..6.
    pf::Array<pf::Value> dblCategoryUnitCosts;
    pf::Array<pf::Value> dblCategoryMinQuantities;
    pf::Array<std::string> strCategoryUnitCostTexts;
    pf::Array<std::string> strCategoryMinQuantityTexts;
    pf::Array<pf::Value> dblCategoryUnitHoldingCosts;
    pf::Array<pf::Value> dblCategoryOrderQuantities;
    pf::Array<pf::Value> dblCategoryPurchaseCosts;
    pf::Array<pf::Value> dblCategoryHoldingCosts;
    pf::Array<pf::Value> dblCategoryOrderingCosts;
    pf::Array<pf::Value> dblCategoryTotalCosts;

    pf::Array<pf::Value> dblNormalTable;  // indexes 0..310, filled by the solver
    pf::Value intNormalTableReady;        // 1 once the table has been filled

    // Results of the last solve (the reorder point above is one of them too).
    pf::Value dblOrderQuantity;
    pf::Value dblAnnualOrderingCost;
    pf::Value dblAnnualHoldingCost;
    pf::Value dblAnnualBackorderCost;
    pf::Value dblAnnualPurchaseCost;
    pf::Value dblTotalAnnualCost;
    pf::Value dblMaxInventory;
    pf::Value dblAverageInventory;
    pf::Value dblOrdersPerYear;
    pf::Value dblSafetyStock;
    pf::Value dblSafetyStockCost;
    pf::Value dblCriticalRatio;  // single period: the probability of surplus used

    // Dimensions (and so empties) the normal table and the ten category arrays, as
    // a new problem and the reading of a problem file do.
    void ReDimArrays() {
        dblNormalTable.ReDim(kNormalTableUpper);
        for (auto* a : {&dblCategoryPurchaseCosts, &dblCategoryHoldingCosts, &dblCategoryOrderingCosts,
                        &dblCategoryTotalCosts, &dblCategoryMinQuantities, &dblCategoryOrderQuantities,
                        &dblCategoryUnitCosts, &dblCategoryUnitHoldingCosts})
            a->ReDim(kCategoryTableUpper);
        strCategoryMinQuantityTexts.ReDim(kCategoryTableUpper);
        strCategoryUnitCostTexts.ReDim(kCategoryTableUpper);
    }
};

}  // namespace qv
