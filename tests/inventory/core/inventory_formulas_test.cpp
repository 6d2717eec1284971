#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>
#include <random>

#include "inventory/core/InventorySolver.h"
#include "inventory/core/NormalTable.h"
#include "inventory_test_support.h"
#include "platform/core/Errors.h"

namespace {

// Phi(z) - 0.5 rounded half up to four decimals, computed independently of the table.
double publishedArea(double z) {
    const double area = 0.5 * std::erfc(-z / std::sqrt(2.0)) - 0.5;
    return std::floor(area * 10000 + 0.5) / 10000;
}

TEST(NormalTable, HoldsThePublishedAreasWithThreeKnownExceptions) {
    qv::SharedState& s = invtest::freshState();
    QVInvent::FillNormalTable(s.inv);
    EXPECT_EQ(s.inv.intNormalTableReady.num(), 1);
    EXPECT_TRUE(s.inv.dblNormalTable(0).IsEmpty());
    double previous = 0, largest = 0;
    for (int i = 1; i <= 310; ++i) {
        const double v = s.inv.dblNormalTable(i).num();
        if (i == 69) EXPECT_EQ(v, 0.2518);
        else if (i == 72) EXPECT_EQ(v, 0.2612);
        else if (i == 301) EXPECT_EQ(v, 0.4986);
        else EXPECT_NEAR(v, publishedArea((i - 1) / 100.0), 1e-12) << "entry " << i;
        EXPECT_GE(v, previous) << "entry " << i;
        previous = v;
        largest = std::max(largest, v);
    }
    EXPECT_EQ(largest, 0.4990);
    EXPECT_EQ(s.inv.dblNormalTable(309).num(), 0.4990);
    EXPECT_EQ(s.inv.dblNormalTable(310).num(), 0.4990);
    EXPECT_LT(s.inv.dblNormalTable(308).num(), 0.4990);
}

TEST(NormalTable, SafetyStockTakesTheNearerEntryTiesUp) {
    qv::SharedState& s = invtest::freshState();
    QVInvent::FillNormalTable(s.inv);
    struct Case { double p, z; };
    const Case cases[] = {{0.5, 0},     {0.05, 1.65},  {0.005, 2.58}, {0.025, 1.96}, {0.1, 1.28},
                          {0.25, 0.67}, {0.001, 3.08}, {0.0009, 4.0}, {0, 4.0}};
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(QVInvent::SafetyStockZ(s.inv, c.p), c.z) << "p = " << c.p;
        s.inv.dblStockoutProbability = c.p;
        s.inv.dblDemandStdDev = 10;
        QVInvent::ComputeSafetyStock(s.inv);
        EXPECT_NEAR(s.inv.dblSafetyStock.num(), 10 * c.z, 1e-12);
        s.inv.dblDemandStdDev = 0;
        QVInvent::ComputeSafetyStock(s.inv);
        EXPECT_EQ(s.inv.dblSafetyStock.num(), 0);
    }
    // The two ties are ties of the computed differences, decided upwards.
    EXPECT_EQ(0.4505 - (0.5 - 0.05), (0.5 - 0.05) - 0.4495);
    EXPECT_EQ(0.4951 - (0.5 - 0.005), (0.5 - 0.005) - 0.4949);
}

TEST(SinglePeriod, NormalLookUpTakesTheFirstEntryReached) {
    struct Case { double p, z; };
    // p is Cu / (Co + Cu) with Co = 1 - p, Cu = p; mu = 100, sigma = 10.
    const Case cases[] = {{0.5, 0}, {0.6, 0.26}, {0.75, 0.68}, {0.9, 1.29}, {0.95, 1.65}, {0.9995, 4.0}, {0.4, 0.26}};
    for (const Case& c : cases) {
        qv::SharedState& s = invtest::singlePeriodExample(2, 100, 10);
        s.inv.dblOrderingCost = 1 - c.p;
        s.dblCostPerUnit = c.p;
        const double p = s.dblCostPerUnit / (s.inv.dblOrderingCost.num() + s.dblCostPerUnit);
        QVInvent::ComputeInventoryModel(s);
        const double z = QVInvent::FirstEntryZ(s.inv, p >= 0.5 ? p - 0.5 : 0.5 - p);
        EXPECT_DOUBLE_EQ(z, c.z) << "p = " << c.p;
        EXPECT_NEAR(s.inv.dblOrderQuantity.num(), c.p >= 0.5 ? 100 + 10 * c.z : 100 - 10 * c.z, 1e-9);
        EXPECT_NEAR(s.inv.dblCriticalRatio.num(), c.p, 1e-12);
    }
}

TEST(SinglePeriod, CertainDemandAndNegativeQuantities) {
    // sigma = 0: the certain demand is ordered and never runs short.
    qv::SharedState& s = invtest::singlePeriodExample(2, 500, 0);
    QVInvent::ComputeInventoryModel(s);
    EXPECT_EQ(s.inv.dblOrderQuantity.num(), 500);
    EXPECT_EQ(s.inv.dblCriticalRatio.num(), 1);
    // a = b likewise.
    qv::SharedState& u = invtest::singlePeriodExample(1, 300, 300);
    QVInvent::ComputeInventoryModel(u);
    EXPECT_EQ(u.inv.dblOrderQuantity.num(), 300);
    EXPECT_EQ(u.inv.dblCriticalRatio.num(), 1);
    // mu below z sigma: order nothing.
    qv::SharedState& n = invtest::singlePeriodExample(2, 10, 100);
    n.inv.dblOrderingCost = 45;
    n.dblCostPerUnit = 5;  // p = 0.1, z = 1.29
    QVInvent::ComputeInventoryModel(n);
    EXPECT_EQ(n.inv.dblOrderQuantity.num(), 0);
    EXPECT_NEAR(n.inv.dblCriticalRatio.num(), 0.1, 1e-12);
    // The examples: normal 500/100 gives 526, uniform 350..650 gives 530.
    qv::SharedState& e = invtest::singlePeriodExample(2, 500, 100);
    QVInvent::ComputeInventoryModel(e);
    EXPECT_NEAR(e.inv.dblOrderQuantity.num(), 526, 1e-9);
    qv::SharedState& f = invtest::singlePeriodExample(1, 350, 650);
    QVInvent::ComputeInventoryModel(f);
    EXPECT_NEAR(f.inv.dblOrderQuantity.num(), 530, 1e-9);
}

TEST(InventoryModels, WorkedExamplesAgainstHandComputations) {
    qv::SharedState& s = invtest::eoqExample();
    QVInvent::ComputeInventoryModel(s);
    EXPECT_DOUBLE_EQ(s.inv.dblOrderQuantity.num(), 200);
    EXPECT_DOUBLE_EQ(s.inv.dblTotalAnnualCost.num(), 100);
    EXPECT_DOUBLE_EQ(s.varCycleTime.num(), 50);
    EXPECT_EQ(s.inv.dblReorderPoint.num(), 0);  // no lead time

    // Production lot size: D 26000, P 60000, setup 135, Ch 4.5, 250 days, L 5.
    qv::SharedState& p = invtest::freshState();
    p.inv.intInventoryModel = 2;
    p.inv.dblAnnualDemand = 26000;
    p.varProductionRate = 60000;
    p.inv.dblOrderingCost = 135;
    p.inv.dblHoldingCost = 4.5;
    p.inv.dblWorkingDays = 250;
    p.inv.dblLeadTime = 5;
    QVInvent::ComputeInventoryModel(p);
    EXPECT_NEAR(p.inv.dblOrderQuantity.num(), 1659.19896, 1e-4);
    EXPECT_NEAR(p.inv.dblAnnualOrderingCost.num(), 2115.47867, 1e-4);
    EXPECT_NEAR(p.inv.dblAnnualHoldingCost.num(), 2115.47867, 1e-4);
    EXPECT_NEAR(p.inv.dblMaxInventory.num(), 940.21274, 1e-4);
    EXPECT_DOUBLE_EQ(p.inv.dblReorderPoint.num(), 520);

    // Planned shortages, L = 2: Q = 115.4701, S = 28.8675, r = -12.8675 rounds to -12.87.
    qv::SharedState& b = invtest::shortagesExample(2);
    QVInvent::ComputeInventoryModel(b);
    EXPECT_NEAR(b.inv.dblOrderQuantity.num(), 115.470054, 1e-5);
    EXPECT_NEAR(b.varMaxBackorders.num(), 28.867513, 1e-5);
    EXPECT_NEAR(b.inv.dblTotalAnnualCost.num(), 866.025404, 1e-5);
    EXPECT_EQ(b.inv.dblReorderPoint.num(), -12.87);

    // Quantity discounts: the third category at its minimum of 2500 wins.
    qv::SharedState& q = invtest::discountsExample({{5, 0}, {4.9, 1000}, {4.8, 2500}});
    QVInvent::ComputeInventoryModel(q);
    EXPECT_DOUBLE_EQ(q.inv.dblOrderQuantity.num(), 2500);
    EXPECT_DOUBLE_EQ(q.inv.dblAnnualPurchaseCost.num(), 576000);
    EXPECT_DOUBLE_EQ(q.inv.dblTotalAnnualCost.num(), 577776);
    EXPECT_DOUBLE_EQ(q.inv.dblOrdersPerYear.num(), 48);
    EXPECT_NEAR(q.inv.dblCategoryTotalCosts(2).num(), 589680, 1e-6);
    EXPECT_EQ(q.varUniformHigh.num(), 4);  // the category counter, one past the last

    // Order quantity-reorder point: z = 1.65 for p = 0.05.
    qv::SharedState& r = invtest::reorderExample();
    QVInvent::ComputeInventoryModel(r);
    EXPECT_NEAR(r.inv.dblOrderQuantity.num(), 97.979590, 1e-5);
    EXPECT_DOUBLE_EQ(r.inv.dblSafetyStock.num(), 8.25);
    EXPECT_DOUBLE_EQ(r.inv.dblReorderPoint.num(), 33.25);
    EXPECT_NEAR(r.inv.dblTotalAnnualCost.num(), 265.573974, 1e-5);
    EXPECT_NEAR(r.inv.dblStockoutsPerYear.num(), 0.510310, 1e-5);
    // Two stockouts a year: p = 0.19596, T = 0.30404 nearer z = 0.86 than 0.85.
    qv::SharedState& r2 = invtest::reorderExample();
    r2.inv.intServiceLevelMethod = 1;
    r2.inv.dblStockoutsPerYear = 2;
    QVInvent::ComputeInventoryModel(r2);
    EXPECT_NEAR(r2.inv.dblReorderPoint.num(), 29.3, 1e-9);
}

TEST(InventoryModels, ReorderPointModelCapsTheProbability) {
    // D 1000, Co 5, Ch 1: Q = 100 and N = 10; 30 stockouts a year give p = 3, used as 0.5.
    qv::SharedState& s = invtest::reorderExample();
    s.inv.dblOrderingCost = 5;
    s.inv.dblHoldingCost = 1;
    s.inv.intServiceLevelMethod = 1;
    s.inv.dblStockoutsPerYear = 30;
    QVInvent::ComputeInventoryModel(s);
    EXPECT_DOUBLE_EQ(s.inv.dblOrdersPerYear.num(), 10);
    EXPECT_EQ(s.inv.dblStockoutProbability.num(), 0.5);
    EXPECT_EQ(s.inv.dblStockoutsPerYear.num(), 30);
    EXPECT_EQ(s.inv.dblSafetyStock.num(), 0);
    // A probability of 0.7 from a file: stockouts set to 0.7 N first, then the cap.
    s.inv.intServiceLevelMethod = 2;
    s.inv.dblStockoutProbability = 0.7;
    QVInvent::ComputeInventoryModel(s);
    EXPECT_DOUBLE_EQ(s.inv.dblStockoutsPerYear.num(), 7);
    EXPECT_EQ(s.inv.dblStockoutProbability.num(), 0.5);
}

TEST(InventoryModels, QuantityDiscountChoiceRules) {
    // Equal totals: the later category. Two identical categories tie exactly.
    qv::SharedState& s = invtest::discountsExample({{5, 0}, {5, 0}});
    QVInvent::ComputeInventoryModel(s);
    EXPECT_EQ(s.inv.dblCategoryTotalCosts(1).num(), s.inv.dblCategoryTotalCosts(2).num());
    EXPECT_EQ(s.inv.dblAnnualPurchaseCost.num(), 600000);
    // A quantity is raised to its minimum but not capped at the next one: category 1's
    // minimum 5000 lies above category 2's minimum and stays.
    qv::SharedState& t = invtest::discountsExample({{5, 5000}, {4.9, 1000}});
    QVInvent::ComputeInventoryModel(t);
    EXPECT_EQ(t.inv.dblCategoryOrderQuantities(1).num(), 5000);
    EXPECT_NEAR(t.inv.dblCategoryOrderQuantities(2).num(), 1714.2857142857, 1e-6);
    // Totals above 1e11 are still chosen.
    qv::SharedState& u = invtest::discountsExample({{2e6, 0}});
    QVInvent::ComputeInventoryModel(u);
    EXPECT_GT(u.inv.dblTotalAnnualCost.num(), 1e11);
    EXPECT_EQ(u.inv.dblAnnualPurchaseCost.num(), 2.4e11);
}

TEST(InventoryModels, NegativeReorderPointRoundsLikeTheDisplay) {
    struct Case { double r, rounded; };
    const Case cases[] = {{-12.344, -12.34}, {-12.346, -12.35}, {-12.345, -12.35}, {-50, -50}, {-0.004, 0}};
    for (const Case& c : cases) EXPECT_EQ(QVInvent::RoundReorderPoint(c.r), c.rounded) << c.r;
    // In the model: r = 8 L - 28.8675 with L = 2.0647 is -12.3499, stored as -12.35.
    qv::SharedState& s = invtest::shortagesExample(2.0647);
    QVInvent::ComputeInventoryModel(s);
    EXPECT_EQ(s.inv.dblReorderPoint.num(), -12.35);
}

TEST(InventoryModels, OtherCodesComputeNothingAndOverflowStoresNothing) {
    qv::SharedState& s = invtest::eoqExample();
    s.inv.intInventoryModel = 7;
    s.inv.dblOrderQuantity = 123;
    QVInvent::ComputeInventoryModel(s);
    EXPECT_EQ(s.inv.dblOrderQuantity.num(), 123);
    EXPECT_TRUE(s.inv.dblTotalAnnualCost.IsEmpty());

    // 1e300 squared runs past the double range: error 6 and the block as it was.
    qv::SharedState& e = invtest::eoqExample();
    e.inv.dblAnnualDemand = 1e300;
    e.inv.dblOrderingCost = 1e300;
    e.inv.dblReorderPoint = 7;
    e.varCycleTime = 3;
    try {
        QVInvent::ComputeInventoryModel(e);
        FAIL() << "no overflow";
    } catch (const pf::RuntimeError& err) {
        EXPECT_EQ(err.number(), pf::errOverflow);
    }
    EXPECT_TRUE(e.inv.dblOrderQuantity.IsEmpty());
    EXPECT_EQ(e.inv.dblReorderPoint.num(), 7);
    EXPECT_EQ(e.varCycleTime.num(), 3);
}

// Planned shortages: D = 120000, Co = 12, Cb = 0.5, one working day, holding cost Ch.
qv::SharedState& dearHolding(double holding) {
    qv::SharedState& s = invtest::shortagesExample(0);
    s.inv.dblAnnualDemand = 120000;
    s.inv.dblOrderingCost = 12;
    s.inv.dblBackorderCost = 0.5;
    s.inv.dblWorkingDays = 1;
    s.inv.dblHoldingCost = holding;
    return s;
}

// Inputs every form accepts whose results run past the double range, one per model:
// the overflow error, and nothing of the block or the shared results changed.
TEST(InventoryModels, EveryModelRefusesResultsBeyondTheDoubleRange) {
    struct Case {
        const char* what;
        std::function<qv::SharedState&()> make;
    };
    const std::vector<Case> cases = {
        {"EOQ: demand x ordering cost", [] () -> qv::SharedState& {
             auto& s = invtest::eoqExample();
             s.inv.dblAnnualDemand = 1e300;
             s.inv.dblOrderingCost = 1e300;
             return s; }},
        {"production lot size: demand x setup cost", [] () -> qv::SharedState& {
             auto& s = invtest::eoqExample();
             s.inv.intInventoryModel = 2;
             s.inv.dblAnnualDemand = 1e200;
             s.varProductionRate = 1e201;
             s.inv.dblOrderingCost = 1e200;
             return s; }},
        {"planned shortages: holding cost 1e308", [] () -> qv::SharedState& { return dearHolding(1e308); }},
        {"quantity discounts: purchase cost", [] () -> qv::SharedState& {
             return invtest::discountsExample({{1e305, 0}, {2, 1000}}); }},  // 120000 x 1e305
        {"reorder point: stockouts per year", [] () -> qv::SharedState& {
             auto& s = invtest::reorderExample();
             s.inv.intServiceLevelMethod = 1;
             s.inv.dblStockoutsPerYear = 1e308;
             s.inv.dblAnnualDemand = 1e-300;
             return s; }},
        {"reorder point: huge standard deviation", [] () -> qv::SharedState& {
             auto& s = invtest::reorderExample();
             s.inv.dblDemandMean = 1.5e308;
             s.inv.dblDemandStdDev = 1e308;
             return s; }},
        {"single period: mean plus z sigma", [] () -> qv::SharedState& {
             auto& s = invtest::singlePeriodExample(2, 1e308, 1e308);
             s.inv.dblOrderingCost = 1;
             s.dblCostPerUnit = 99;  // p = 0.99: z = 2.33
             return s; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        qv::SharedState& s = c.make();
        s.inv.dblOrderQuantity = 11;
        s.inv.dblReorderPoint = 7;
        s.varCycleTime = 3;
        s.varMaxBackorders = 5;
        const qv::SharedState before = s;
        try {
            QVInvent::ComputeInventoryModel(s);
            ADD_FAILURE() << "no overflow";
        } catch (const pf::RuntimeError& err) {
            EXPECT_EQ(err.number(), pf::errOverflow);
        }
        EXPECT_EQ(s.inv.dblOrderQuantity.num(), 11);
        EXPECT_TRUE(s.inv.dblTotalAnnualCost.IsEmpty());
        EXPECT_TRUE(s.inv.dblAnnualHoldingCost.IsEmpty());
        EXPECT_EQ(s.inv.dblReorderPoint.num(), 7);
        EXPECT_EQ(s.inv.dblStockoutProbability.num(), before.inv.dblStockoutProbability.num());
        EXPECT_EQ(s.varCycleTime.num(), 3);
        EXPECT_EQ(s.varMaxBackorders.num(), 5);
        EXPECT_TRUE(s.inv.dblCriticalRatio.IsEmpty());
    }
}

// Planned shortages with a holding cost of 1e300 against a backorder cost of 0.5: holding
// is so dear that no stock is kept, and the policy tends to backorders only,
// Q = sqrt(2 D Co / Cb) = sqrt(2 x 120000 x 12 / 0.5) = 2400 with ordering and backorder
// costs of 600 each.
TEST(InventoryModels, PlannedShortagesWithAHugeHoldingCostStillSolves) {
    qv::SharedState& s = dearHolding(1e300);
    QVInvent::ComputeInventoryModel(s);
    EXPECT_NEAR(s.inv.dblOrderQuantity.num(), 2400, 1e-9);
    EXPECT_NEAR(s.varMaxBackorders.num(), 2400, 1e-9);
    EXPECT_NEAR(s.inv.dblAnnualOrderingCost.num(), 600, 1e-9);
    EXPECT_NEAR(s.inv.dblAnnualBackorderCost.num(), 600, 1e-9);
    EXPECT_NEAR(s.inv.dblTotalAnnualCost.num(), 1200, 1e-6);
    EXPECT_NEAR(s.inv.dblMaxInventory.num(), 0, 1e-9);
    EXPECT_NEAR(s.inv.dblOrdersPerYear.num(), 50, 1e-12);
}

// Two costs of the single-period model whose sum overflows still give their ratio.
TEST(InventoryModels, SinglePeriodRatioOfTwoHugeCosts) {
    struct Case {
        double over, under, p;
    } cases[] = {{1e308, 1e308, 0.5}, {1.5e308, 0.5e308, 0.25}, {30, 45, 0.6}};
    for (const Case& c : cases) {
        qv::SharedState& s = invtest::singlePeriodExample(1, 0, 100);
        s.inv.dblOrderingCost = c.over;
        s.dblCostPerUnit = c.under;
        QVInvent::ComputeInventoryModel(s);
        EXPECT_DOUBLE_EQ(s.inv.dblCriticalRatio.num(), c.p) << c.over;
        EXPECT_DOUBLE_EQ(s.inv.dblOrderQuantity.num(), 100 * c.p) << c.over;
    }
}

TEST(InventoryChecks, EachRefusedInputGivesItsFormMessage) {
    struct Case {
        const char* what;
        void (*spoil)(qv::SharedState&);
        int model;
        const char* message;
    };
    const Case cases[] = {
        {"P = D", [](qv::SharedState& s) { s.varProductionRate = 1000; }, 2,
         "NOTE:  PRODUCTION RATE MUST BE GREATER THAN THE ANNUAL DEMAND OF 1000 UNITS."},
        {"P < D", [](qv::SharedState& s) { s.varProductionRate = 800; }, 2,
         "NOTE:  PRODUCTION RATE MUST BE GREATER THAN THE ANNUAL DEMAND OF 1000 UNITS."},
        {"D = 0", [](qv::SharedState& s) { s.inv.dblAnnualDemand = 0; }, 1, "NOTE:  ANNUAL DEMAND MUST BE GREATER THAN 0."},
        {"days 0", [](qv::SharedState& s) { s.inv.dblWorkingDays = 0; }, 1,
         "NOTE:  THE NUMBER OF WORKING DAYS MUST BE BETWEEN 1 AND 365."},
        {"days 366", [](qv::SharedState& s) { s.inv.dblWorkingDays = 366; }, 3,
         "NOTE:  THE NUMBER OF WORKING DAYS MUST BE BETWEEN 1 AND 365."},
        {"Ch = 0", [](qv::SharedState& s) { s.inv.dblHoldingCost = 0; }, 1,
         "NOTE:  THE HOLDING COST MUST BE GREATER THAN 0."},
        {"percent Ch = 0", [](qv::SharedState& s) { s.inv.dblHoldingCost = 0; s.inv.intHoldingCostMethod = 1; }, 5,
         "NOTE:  THE PERCENTAGE MUST BE GREATER THAN 0."},
        {"Cb = 0", [](qv::SharedState& s) { s.inv.dblBackorderCost.Clear(); }, 3,
         "NOTE:  BACKORDER COST MUST BE GREATER THAN 0."},
        {"no category", [](qv::SharedState& s) { s.inv.intDiscountCount = 0; }, 4,
         "NOTE:  THE NUMBER OF DISCOUNT CATEGORIES MUST BE BETWEEN 1 AND 5."},
        {"unit cost 0", [](qv::SharedState& s) { s.inv.dblCategoryUnitCosts(2) = 0; }, 4,
         "NOTE:  THE COST PER UNIT MUST BE GREATER THAN 0."},
        {"minimum -1", [](qv::SharedState& s) { s.inv.dblCategoryMinQuantities(1) = -1; }, 4,
         "NOTE:  THE MINIMUM QUANTITY MUST BE AT LEAST 0."},
        {"lead time -1", [](qv::SharedState& s) { s.inv.intComputeReorderPoint = 1; s.inv.dblLeadTime = -1; }, 1,
         "NOTE:  THE LEAD TIME MUST BE AT LEAST 0."},
        // A file's code 2 reopens with the box ticked: the lead time is asked for.
        {"lead time -1, code 2", [](qv::SharedState& s) { s.inv.intComputeReorderPoint = 2; s.inv.dblLeadTime = -1; },
         3, "NOTE:  THE LEAD TIME MUST BE AT LEAST 0."},
        {"sigma < 0", [](qv::SharedState& s) { s.inv.dblDemandStdDev = -1; }, 5,
         "NOTE:  THE STANDARD DEVIATION MUST BE AT LEAST 0."},
        {"stockouts < 0", [](qv::SharedState& s) { s.inv.intServiceLevelMethod = 1; s.inv.dblStockoutsPerYear = -2; },
         5, "NOTE:  THE NUMBER OF STOCKOUTS MUST BE AT LEAST 0."},
        {"b < a", [](qv::SharedState& s) { s.varUniformLow = 20; s.varUniformHigh = 19; }, 6,
         "NOTE:  THE HIGHEST VALUE MUST BE AT LEAST 20 UNITS."},
        {"Co = 0 single period", [](qv::SharedState& s) { s.inv.dblOrderingCost = 0; }, 6,
         "THE COST OF OVERESTIMATING DEMAND MUST BE GREATER THAN 0."},
        {"normal sigma < 0", [](qv::SharedState& s) { s.varDemandDistribution = 2; s.inv.dblDemandStdDev = -1; }, 6,
         "NOTE:  THE STANDARD DEVIATION MUST BE AT LEAST 0."},
    };
    for (const Case& c : cases) {
        qv::SharedState* s = nullptr;
        switch (c.model) {
            case 1: s = &invtest::eoqExample(); break;
            case 2:
                s = &invtest::eoqExample();
                s->inv.intInventoryModel = 2;
                s->varProductionRate = 5000;
                break;
            case 3: s = &invtest::shortagesExample(2); s->inv.dblAnnualDemand = 1000; break;
            case 4: s = &invtest::discountsExample({{5, 0}, {4.9, 1000}}); break;
            case 5: s = &invtest::reorderExample(); break;
            default: s = &invtest::singlePeriodExample(1, 20, 40); break;
        }
        EXPECT_EQ(QVInvent::CheckInventoryInputs(*s), "") << c.what << " (before)";
        c.spoil(*s);
        EXPECT_EQ(QVInvent::CheckInventoryInputs(*s), c.message) << c.what;
    }
    // A probability above 0.5 is capped by the solve, not refused.
    qv::SharedState& p = invtest::reorderExample();
    p.inv.dblStockoutProbability = 0.7;
    EXPECT_EQ(QVInvent::CheckInventoryInputs(p), "");
}

// Oracles over seeded random inputs in the forms' ranges.
class Oracles : public ::testing::Test {
protected:
    std::mt19937 rng{20261210};
    double in(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); }
};

TEST_F(Oracles, EconomicQuantitiesMinimiseTheirCosts) {
    for (int k = 0; k < 200; ++k) {
        const double D = in(1, 1e6), Co = in(0.01, 1e4), Ch = in(0.01, 100), WD = in(1, 365);
        // Model 1 and model 5 (whose holding cost carries SS Ch besides).
        for (int model : {1, 5}) {
            qv::SharedState& s = invtest::eoqExample();
            s.inv.intInventoryModel = model;
            s.inv.dblAnnualDemand = D;
            s.inv.dblOrderingCost = Co;
            s.inv.dblHoldingCost = Ch;
            s.inv.dblWorkingDays = WD;
            s.inv.dblDemandMean = in(0, 100);
            s.inv.dblDemandStdDev = in(0, 20);
            s.inv.intServiceLevelMethod = 2;
            s.inv.dblStockoutProbability = in(0, 0.5);
            QVInvent::ComputeInventoryModel(s);
            const double Q = s.inv.dblOrderQuantity.num();
            const double holding = s.inv.dblAnnualHoldingCost.num() - s.inv.dblSafetyStock.num() * Ch;
            EXPECT_NEAR(holding, s.inv.dblAnnualOrderingCost.num(), 1e-9 * holding);
            auto tc = [&](double q) { return D * Co / q + q * Ch / 2; };
            EXPECT_LT(tc(Q), tc(Q * (1 + 1e-3)));
            EXPECT_LT(tc(Q), tc(Q * (1 - 1e-3)));
        }
        // Production lot size with P above D.
        qv::SharedState& p = invtest::eoqExample();
        p.inv.intInventoryModel = 2;
        p.inv.dblAnnualDemand = D;
        p.varProductionRate = D * in(1.01, 10);
        p.inv.dblOrderingCost = Co;
        p.inv.dblHoldingCost = Ch;
        QVInvent::ComputeInventoryModel(p);
        const double factor = 1 - D / p.varProductionRate.num();
        const double Q = p.inv.dblOrderQuantity.num();
        EXPECT_NEAR(p.inv.dblAnnualHoldingCost.num(), p.inv.dblAnnualOrderingCost.num(),
                    1e-9 * p.inv.dblAnnualOrderingCost.num());
        auto tc = [&](double q) { return D * Co / q + factor * q * Ch / 2; };
        EXPECT_LT(tc(Q), tc(Q * (1 + 1e-3)));
        EXPECT_LT(tc(Q), tc(Q * (1 - 1e-3)));
    }
}

TEST_F(Oracles, PlannedShortagesBalanceHoldingAndBackorders) {
    for (int k = 0; k < 200; ++k) {
        const double D = in(1, 1e6), Co = in(0.01, 1e4), Ch = in(0.01, 100), Cb = in(0.01, 100);
        qv::SharedState& s = invtest::shortagesExample(in(0, 30));
        s.inv.dblAnnualDemand = D;
        s.inv.dblOrderingCost = Co;
        s.inv.dblHoldingCost = Ch;
        s.inv.dblBackorderCost = Cb;
        QVInvent::ComputeInventoryModel(s);
        const double Q = s.inv.dblOrderQuantity.num(), S = s.varMaxBackorders.num();
        EXPECT_NEAR(S, Q * Ch / (Ch + Cb), 1e-9 * Q);
        auto tc = [&](double q, double b) {
            return (q - b) * (q - b) * Ch / (2 * q) + D * Co / q + b * b * Cb / (2 * q);
        };
        const double best = tc(Q, S);
        EXPECT_NEAR(s.inv.dblTotalAnnualCost.num(), best, 1e-9 * best);
        for (double dq : {-1e-3, 1e-3})
            for (double ds : {-1e-3, 0.0, 1e-3})
                EXPECT_GE(tc(Q * (1 + dq), S * (1 + ds)) * (1 + 1e-12), best);
    }
}

TEST_F(Oracles, QuantityDiscountsChooseTheLeastTotal) {
    for (int k = 0; k < 100; ++k) {
        const int n = 1 + static_cast<int>(in(0, 5));
        qv::SharedState& s = invtest::freshState();
        s.inv.intInventoryModel = 4;
        const double D = in(100, 1e5), Co = in(1, 500), I = in(1, 40);
        s.inv.dblAnnualDemand = D;
        s.inv.dblOrderingCost = Co;
        s.inv.dblHoldingPercent = I;
        s.inv.dblWorkingDays = 250;
        s.inv.intDiscountCount = n;
        double cost = in(5, 50), minimum = 0;
        for (int i = 1; i <= n; ++i) {
            s.inv.dblCategoryUnitCosts(i) = cost;
            s.inv.dblCategoryMinQuantities(i) = minimum;
            cost *= in(0.9, 0.99);
            minimum += in(10, 3000);
        }
        QVInvent::ComputeInventoryModel(s);
        // Scan each category's quantities from its minimum upwards.
        double least = INFINITY;
        for (int i = 1; i <= n; ++i) {
            const double C = s.inv.dblCategoryUnitCosts(i).num(), h = I * C / 100;
            const double from = std::max(1e-9, s.inv.dblCategoryMinQuantities(i).num());
            for (double q = from; q < from + 1e5; q *= 1.0005)
                least = std::min(least, D * C + q * h / 2 + D * Co / q);
        }
        const double chosen = s.inv.dblTotalAnnualCost.num();
        EXPECT_LE(chosen, least * (1 + 1e-12));
        EXPECT_NEAR(chosen, least, 1e-6 * least);
    }
}

TEST_F(Oracles, UniformSinglePeriodIsTheCriticalFractile) {
    for (int k = 0; k < 200; ++k) {
        const double a = in(0, 1000), b = a + in(1e-3, 1000);
        qv::SharedState& s = invtest::singlePeriodExample(1, a, b);
        s.inv.dblOrderingCost = in(0.01, 100);
        s.dblCostPerUnit = in(0.01, 100);
        QVInvent::ComputeInventoryModel(s);
        const double p = s.dblCostPerUnit / (s.inv.dblOrderingCost.num() + s.dblCostPerUnit);
        EXPECT_NEAR(s.inv.dblOrderQuantity.num(), a + p * (b - a), 1e-9 * b);
        EXPECT_NEAR(s.inv.dblCriticalRatio.num(), p, 1e-15);
    }
}

}  // namespace
