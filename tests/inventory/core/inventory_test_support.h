#pragma once
// A fresh shared state with the inventory arrays sized as New sizes them.
#include "shell/core/State.h"

namespace invtest {

inline qv::SharedState& freshState() {
    qv::resetState();
    qv::SharedState& s = qv::S();
    s.inv.ReDimArrays();
    return s;
}

// Economic order quantity with D = 1000, Co = 10, Ch = 0.5 (amount), 250 days.
inline qv::SharedState& eoqExample() {
    qv::SharedState& s = freshState();
    s.inv.intInventoryModel = 1;
    s.inv.dblAnnualDemand = 1000;
    s.inv.dblOrderingCost = 10;
    s.inv.dblHoldingCost = 0.5;
    s.inv.strHoldingCostText = "0.5";
    s.inv.intHoldingCostMethod = 0;
    s.inv.dblWorkingDays = 250;
    s.inv.intComputeReorderPoint = 0;
    return s;
}

// Planned shortages with D = 2000, Co = 25, Ch = 10, Cb = 30, 250 days, lead time L.
inline qv::SharedState& shortagesExample(double leadTime) {
    qv::SharedState& s = freshState();
    s.inv.intInventoryModel = 3;
    s.inv.dblAnnualDemand = 2000;
    s.inv.dblOrderingCost = 25;
    s.inv.dblHoldingCost = 10;
    s.inv.intHoldingCostMethod = 0;
    s.inv.dblBackorderCost = 30;
    s.inv.dblWorkingDays = 250;
    s.inv.intComputeReorderPoint = 1;
    s.inv.dblLeadTime = leadTime;
    return s;
}

// Quantity discounts: D = 120000, Co = 12, I = 20 %, 250 days and the given
// (unit cost, minimum quantity) categories.
inline qv::SharedState& discountsExample(std::initializer_list<std::pair<double, double>> categories) {
    qv::SharedState& s = freshState();
    s.inv.intInventoryModel = 4;
    s.inv.dblAnnualDemand = 120000;
    s.inv.dblOrderingCost = 12;
    s.inv.dblHoldingPercent = 20;
    s.inv.dblWorkingDays = 250;
    s.inv.intComputeReorderPoint = 0;
    int i = 0;
    for (const auto& [cost, minimum] : categories) {
        ++i;
        s.inv.dblCategoryUnitCosts(i) = cost;
        s.inv.dblCategoryMinQuantities(i) = minimum;
    }
    s.inv.intDiscountCount = i;
    return s;
}

// Order quantity-reorder point: D = 1000, Co = 12, Ch = 2.5, 250 days, mu 25, sigma 5.
inline qv::SharedState& reorderExample() {
    qv::SharedState& s = freshState();
    s.inv.intInventoryModel = 5;
    s.inv.dblAnnualDemand = 1000;
    s.inv.dblOrderingCost = 12;
    s.inv.dblHoldingCost = 2.5;
    s.inv.intHoldingCostMethod = 0;
    s.inv.dblWorkingDays = 250;
    s.inv.dblDemandMean = 25;
    s.inv.dblDemandStdDev = 5;
    s.inv.intServiceLevelMethod = 2;
    s.inv.dblStockoutProbability = 0.05;
    s.inv.intComputeReorderPoint = 0;
    return s;
}

// Single period, Co 30 and Cu 45; normal (mu, sigma) or uniform (a, b).
inline qv::SharedState& singlePeriodExample(int distribution, double first, double second) {
    qv::SharedState& s = freshState();
    s.inv.intInventoryModel = 6;
    s.inv.dblOrderingCost = 30;
    s.dblCostPerUnit = 45;
    s.varDemandDistribution = distribution;
    if (distribution == 2) {
        s.inv.dblDemandMean = first;
        s.inv.dblDemandStdDev = second;
    } else {
        s.varUniformLow = first;
        s.varUniformHigh = second;
    }
    return s;
}

}  // namespace invtest
