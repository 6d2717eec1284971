#include "inventory/core/InventorySolver.h"

#include <cmath>
#include <limits>

#include "inventory/core/NormalTable.h"
#include "platform/core/Errors.h"
#include "platform/core/Format.h"

namespace QVInvent {

namespace {

// Form messages of the boxes whose values the formulas rely on.
const char* const kDemand = "NOTE:  ANNUAL DEMAND MUST BE GREATER THAN 0.";
const char* const kOrdering = "NOTE:  ORDERING COST MUST BE GREATER THAN 0.";
const char* const kSetup = "NOTE:  SETUP COST MUST BE GREATER THAN 0.";
const char* const kDays = "NOTE:  THE NUMBER OF WORKING DAYS MUST BE BETWEEN 1 AND 365.";
const char* const kPercent = "NOTE:  THE PERCENTAGE MUST BE GREATER THAN 0.";
const char* const kHolding = "NOTE:  THE HOLDING COST MUST BE GREATER THAN 0.";
const char* const kUnitCost = "NOTE:  THE COST PER UNIT MUST BE GREATER THAN 0.";
const char* const kBackorder = "NOTE:  BACKORDER COST MUST BE GREATER THAN 0.";
const char* const kLeadTime = "NOTE:  THE LEAD TIME MUST BE AT LEAST 0.";
const char* const kCategories = "NOTE:  THE NUMBER OF DISCOUNT CATEGORIES MUST BE BETWEEN 1 AND 5.";
const char* const kMinQuantity = "NOTE:  THE MINIMUM QUANTITY MUST BE AT LEAST 0.";
const char* const kMeanUnits = "NOTE:  THE MEAN DEMAND MUST BE AT LEAST 0 UNITS.";
const char* const kMean = "NOTE:  THE MEAN DEMAND MUST BE AT LEAST 0.";
const char* const kStdDev = "NOTE:  THE STANDARD DEVIATION MUST BE AT LEAST 0.";
const char* const kProbability =
    "NOTE:  IN THIS INVENTORY MODEL, THE PROBABILITY OF A STOCKOUT MUST BE BETWEEN .00 AND .50.";
const char* const kStockouts = "NOTE:  THE NUMBER OF STOCKOUTS MUST BE AT LEAST 0.";
const char* const kOver = "THE COST OF OVERESTIMATING DEMAND MUST BE GREATER THAN 0.";
const char* const kUnder = "THE COST OF UNDERESTIMATING DEMAND MUST BE GREATER THAN 0.";
const char* const kLowest = "NOTE:  THE LOWEST VALUE MUST BE AT LEAST 0.";

// Written so that a NaN fails as well.
bool positive(double v) { return v > 0; }
bool nonNegative(double v) { return v >= 0; }

std::string holdingMessage(const qv::SharedState& s) {
    const qv::InventoryBlock& I = s.inv;
    if (I.intHoldingCostMethod.num() != 1) return kHolding;
    if (positive(I.dblHoldingPercent.num()) && !positive(s.varUnitCost.num())) return kUnitCost;
    return kPercent;
}

std::string checkModel(const qv::SharedState& s) {
    const qv::InventoryBlock& I = s.inv;
    const int model = I.intInventoryModel;
    const double D = I.dblAnnualDemand.num();
    const double WD = I.dblWorkingDays.num();
    const bool daysOk = WD >= 1 && WD <= 365;
    const bool holdingOk = positive(I.dblHoldingCost.num());
    // The forms tick the reorder-point box for any code but 0 (a file may hold another).
    const bool leadOk = I.intComputeReorderPoint.num() == 0 || nonNegative(I.dblLeadTime.num());
    switch (model) {
        case 1: case 3: case 5:
            if (!positive(D)) return kDemand;
            if (!positive(I.dblOrderingCost.num())) return kOrdering;
            if (model == 3 && !positive(I.dblBackorderCost.num())) return kBackorder;
            if (!daysOk) return kDays;
            if (!holdingOk) return holdingMessage(s);
            if (model == 5) {
                if (!nonNegative(I.dblDemandMean.num())) return kMeanUnits;
                if (!nonNegative(I.dblDemandStdDev.num())) return kStdDev;
                if (I.intServiceLevelMethod.num() == 1) {
                    if (!nonNegative(I.dblStockoutsPerYear.num())) return kStockouts;
                } else if (!nonNegative(I.dblStockoutProbability.num())) {
                    return kProbability;
                }
                return {};
            }
            if (!leadOk) return kLeadTime;
            return {};
        case 2: {
            if (!positive(D)) return kDemand;
            if (!(s.varProductionRate.num() > D))
                return "NOTE:  PRODUCTION RATE MUST BE GREATER THAN THE ANNUAL DEMAND OF " + pf::PlainNumber(D) +
                       " UNITS.";
            if (!positive(I.dblOrderingCost.num())) return kSetup;
            if (!daysOk) return kDays;
            if (!holdingOk) return holdingMessage(s);
            if (!leadOk) return kLeadTime;
            return {};
        }
        case 4: {
            const double n = I.intDiscountCount.num();
            if (!(n >= 1 && n <= qv::InventoryBlock::kMaxDiscountCategories)) return kCategories;
            if (!positive(D)) return kDemand;
            if (!positive(I.dblOrderingCost.num())) return kOrdering;
            if (!positive(I.dblHoldingPercent.num())) return kPercent;
            if (!daysOk) return kDays;
            if (!leadOk) return kLeadTime;
            for (int i = 1; i <= static_cast<int>(n); ++i) {
                if (!positive(I.dblCategoryUnitCosts(i).num())) return kUnitCost;
                if (!nonNegative(I.dblCategoryMinQuantities(i).num())) return kMinQuantity;
            }
            return {};
        }
        case 6: {
            if (!positive(I.dblOrderingCost.num())) return kOver;
            if (!positive(s.dblCostPerUnit)) return kUnder;
            if (s.varDemandDistribution.num() == 2) {
                if (!nonNegative(I.dblDemandMean.num())) return kMean;
                if (!nonNegative(I.dblDemandStdDev.num())) return kStdDev;
            } else {
                const double a = s.varUniformLow.num();
                if (!nonNegative(a)) return kLowest;
                if (!(s.varUniformHigh.num() >= a))
                    return "NOTE:  THE HIGHEST VALUE MUST BE AT LEAST " + pf::PlainNumber(a) + " UNITS.";
            }
            return {};
        }
        default:
            return {};
    }
}

// Stores a result; a value that is not finite stops the solve before anything of the
// shared state has changed (the caller works on copies).
void put(pf::Value& dst, double v) {
    if (!std::isfinite(v)) pf::raise(pf::errOverflow);
    dst = v;
}

void ensureTable(qv::InventoryBlock& I) {
    if (I.dblNormalTable.size() < static_cast<std::size_t>(qv::InventoryBlock::kNormalTableUpper) + 1)
        I.dblNormalTable.ReDim(qv::InventoryBlock::kNormalTableUpper);
}

void ensureCategories(qv::InventoryBlock& I) {
    const int u = qv::InventoryBlock::kCategoryTableUpper;
    for (auto* a : {&I.dblCategoryPurchaseCosts, &I.dblCategoryHoldingCosts, &I.dblCategoryOrderingCosts,
                    &I.dblCategoryTotalCosts, &I.dblCategoryMinQuantities, &I.dblCategoryOrderQuantities,
                    &I.dblCategoryUnitCosts, &I.dblCategoryUnitHoldingCosts})
        if (a->size() < static_cast<std::size_t>(u) + 1) a->ReDimPreserve(u);
}

// The copies a solve works on.
struct Work {
    qv::InventoryBlock inv;
    pf::Value maxBackorders, cycleTime, uniformHigh;
};

void economicOrderQuantity(Work& w) {
    qv::InventoryBlock& I = w.inv;
    const double D = I.dblAnnualDemand.num(), Co = I.dblOrderingCost.num(), Ch = I.dblHoldingCost.num();
    const double Q = std::sqrt(((2 * D) * Co) / Ch);
    const double holding = (Q * Ch) / 2;
    const double ordering = (D * Co) / Q;
    put(I.dblOrderQuantity, Q);
    put(I.dblAnnualHoldingCost, holding);
    put(I.dblAnnualOrderingCost, ordering);
    put(I.dblTotalAnnualCost, ordering + holding);
    put(I.dblMaxInventory, Q);
    put(I.dblAverageInventory, Q / 2);
    put(I.dblReorderPoint, (D * I.dblLeadTime.num()) / I.dblWorkingDays.num());
    const double N = D / Q;
    put(I.dblOrdersPerYear, N);
    put(w.cycleTime, I.dblWorkingDays.num() / N);
}

void productionLotSize(const qv::SharedState& s, Work& w) {
    qv::InventoryBlock& I = w.inv;
    const double D = I.dblAnnualDemand.num(), Co = I.dblOrderingCost.num(), Ch = I.dblHoldingCost.num();
    const double WD = I.dblWorkingDays.num();
    const double k = 1 - (D / s.varProductionRate.num());
    const double Q = std::sqrt(((2 * D) * Co) / (k * Ch));
    const double holding = ((k * Q) * Ch) / 2;
    const double setup = (D * Co) / Q;
    put(I.dblOrderQuantity, Q);
    put(I.dblAnnualHoldingCost, holding);
    put(I.dblAnnualOrderingCost, setup);
    put(I.dblTotalAnnualCost, setup + holding);
    put(I.dblMaxInventory, k * Q);
    put(I.dblAverageInventory, (k * Q) / 2);
    const double N = D / Q;
    put(I.dblOrdersPerYear, N);
    put(w.cycleTime, WD / N);
    put(I.dblReorderPoint, (D * I.dblLeadTime.num()) / WD);
}

void plannedShortages(Work& w) {
    qv::InventoryBlock& I = w.inv;
    const double D = I.dblAnnualDemand.num(), Co = I.dblOrderingCost.num(), Ch = I.dblHoldingCost.num();
    const double Cb = I.dblBackorderCost.num(), WD = I.dblWorkingDays.num();
    const double f = (Ch + Cb) / Cb;
    const double Q = std::sqrt((((2 * D) * Co) * f) / Ch);
    const double S = (Q * Ch) / (Ch + Cb);
    const double holding = ((Q - S) * (Q - S) * Ch) / (2 * Q);
    const double ordering = (D * Co) / Q;
    const double backorder = (S * S * Cb) / (2 * Q);
    put(I.dblOrderQuantity, Q);
    put(w.maxBackorders, S);
    put(I.dblAnnualHoldingCost, holding);
    put(I.dblAnnualOrderingCost, ordering);
    put(I.dblAnnualBackorderCost, backorder);
    put(I.dblTotalAnnualCost, (holding + ordering) + backorder);
    const double maxInv = Q - S;
    put(I.dblMaxInventory, maxInv);
    put(I.dblAverageInventory, (maxInv * maxInv) / (2 * Q));
    double r = ((D * I.dblLeadTime.num()) / WD) - S;
    if (r < 0) r = RoundReorderPoint(r);
    put(I.dblReorderPoint, r);
    const double N = D / Q;
    put(I.dblOrdersPerYear, N);
    put(w.cycleTime, WD / N);
}

void quantityDiscounts(Work& w) {
    qv::InventoryBlock& I = w.inv;
    ensureCategories(I);
    const double D = I.dblAnnualDemand.num(), Co = I.dblOrderingCost.num(), pct = I.dblHoldingPercent.num();
    const int n = static_cast<int>(I.intDiscountCount.num());
    // Starts above every total, so that some category is always chosen.
    double best = std::numeric_limits<double>::infinity();
    int chosen = 0;
    int i = 1;
    for (; i <= n; ++i) {
        const double C = I.dblCategoryUnitCosts(i).num();
        const double ch = (pct * C) / 100;
        double q = std::sqrt(((2 * D) * Co) / ch);
        if (q < I.dblCategoryMinQuantities(i).num()) q = I.dblCategoryMinQuantities(i).num();
        const double purchase = D * C;
        const double holding = (q * ch) / 2;
        const double ordering = (D * Co) / q;
        const double total = (purchase + holding) + ordering;
        put(I.dblCategoryUnitHoldingCosts(i), ch);
        put(I.dblCategoryOrderQuantities(i), q);
        put(I.dblCategoryPurchaseCosts(i), purchase);
        put(I.dblCategoryHoldingCosts(i), holding);
        put(I.dblCategoryOrderingCosts(i), ordering);
        put(I.dblCategoryTotalCosts(i), total);
        if (total <= best) {
            best = total;
            chosen = i;
        }
    }
    // The category counter stays in its shared field after the loop.
    w.uniformHigh = i;
    if (chosen == 0) pf::raise(pf::errOverflow);
    const double Q = I.dblCategoryOrderQuantities(chosen).num();
    put(I.dblOrderQuantity, Q);
    put(I.dblTotalAnnualCost, best);
    put(I.dblAnnualPurchaseCost, I.dblCategoryPurchaseCosts(chosen).num());
    put(I.dblAnnualHoldingCost, I.dblCategoryHoldingCosts(chosen).num());
    put(I.dblAnnualOrderingCost, I.dblCategoryOrderingCosts(chosen).num());
    put(I.dblMaxInventory, Q);
    put(I.dblAverageInventory, Q / 2);
    const double N = D / Q;
    put(I.dblOrdersPerYear, N);
    put(w.cycleTime, I.dblWorkingDays.num() / N);
    put(I.dblReorderPoint, (D * I.dblLeadTime.num()) / I.dblWorkingDays.num());
}

void reorderPointModel(Work& w) {
    qv::InventoryBlock& I = w.inv;
    const double D = I.dblAnnualDemand.num(), Co = I.dblOrderingCost.num(), Ch = I.dblHoldingCost.num();
    const double Q = std::sqrt(((2 * D) * Co) / Ch);
    const double N = D / Q;
    if (I.intServiceLevelMethod.num() == 2) put(I.dblStockoutsPerYear, I.dblStockoutProbability.num() * N);
    if (I.intServiceLevelMethod.num() == 1) put(I.dblStockoutProbability, I.dblStockoutsPerYear.num() / N);
    if (I.dblStockoutProbability.num() > 0.5) I.dblStockoutProbability = 0.5;
    ensureTable(I);
    FillNormalTable(I);
    ComputeSafetyStock(I);
    const double SS = I.dblSafetyStock.num();
    put(I.dblSafetyStock, SS);
    const double holding = ((Q * Ch) / 2) + (SS * Ch);
    const double ordering = (D * Co) / Q;
    put(I.dblOrderQuantity, Q);
    put(I.dblOrdersPerYear, N);
    put(I.dblAnnualHoldingCost, holding);
    put(I.dblSafetyStockCost, Ch * SS);
    put(I.dblAnnualOrderingCost, ordering);
    put(I.dblTotalAnnualCost, ordering + holding);
    put(I.dblMaxInventory, Q + SS);
    put(I.dblAverageInventory, (Q / 2) + SS);
    put(I.dblReorderPoint, I.dblDemandMean.num() + SS);
    put(w.cycleTime, I.dblWorkingDays.num() / N);
}

void singlePeriod(const qv::SharedState& s, Work& w) {
    qv::InventoryBlock& I = w.inv;
    const double Co = I.dblOrderingCost.num(), Cu = s.dblCostPerUnit;
    double p = Cu / (Co + Cu);
    // Two costs near the double limit overflow their sum and would give 0; halved,
    // the same ratio comes out (halving is exact).
    if (!std::isfinite(Co + Cu)) p = (Cu / 2) / ((Co / 2) + (Cu / 2));
    double Q = 0;
    if (s.varDemandDistribution.num() == 2) {
        ensureTable(I);
        FillNormalTable(I);
        const double mu = I.dblDemandMean.num(), sigma = I.dblDemandStdDev.num();
        const double t = p >= 0.5 ? p - 0.5 : 0.5 - p;
        const double z = FirstEntryZ(I, t);
        Q = p >= 0.5 ? mu + (z * sigma) : mu - (z * sigma);
        // Certain demand: ordering it never leaves a surplus unsold nor runs short.
        if (sigma == 0) p = 1;
        // Below zero means: order nothing.
        if (Q < 0) Q = 0;
    } else {
        const double a = s.varUniformLow.num(), b = s.varUniformHigh.num();
        Q = a + (p * (b - a));
        if (b == a) p = 1;
    }
    put(I.dblOrderQuantity, Q);
    put(I.dblCriticalRatio, p);
}

}  // namespace

std::string CheckInventoryInputs(const qv::SharedState& s) { return checkModel(s); }

double RoundReorderPoint(double r) {
    double out = 0;
    if (!pf::ParseNumber(pf::Format(r, "0.00"), out)) return r;
    return out;
}

void ComputeInventoryModel(qv::SharedState& s) {
    Work w{s.inv, s.varMaxBackorders, s.varCycleTime, s.varUniformHigh};
    switch (s.inv.intInventoryModel) {
        case 1: economicOrderQuantity(w); break;
        case 2: productionLotSize(s, w); break;
        case 3: plannedShortages(w); break;
        case 4: quantityDiscounts(w); break;
        case 5: reorderPointModel(w); break;
        case 6: singlePeriod(s, w); break;
        default: return;
    }
    s.inv = std::move(w.inv);
    s.varMaxBackorders = w.maxBackorders;
    s.varCycleTime = w.cycleTime;
    s.varUniformHigh = w.uniformHigh;
}

}  // namespace QVInvent
