#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "inventory/core/InventoryLines.h"
#include "inventory/core/InventorySolver.h"
#include "inventory_test_support.h"

namespace {

using Lines = std::vector<std::string>;

std::string blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

Lines solveAndShow(qv::SharedState& s) {
    QVInvent::ComputeInventoryModel(s);
    return QVInvent::BuildInventoryWindowLines(s);
}

// The lines after the given label's line (the label must occur once).
std::size_t indexOf(const Lines& lines, const std::string& start) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].rfind(start, 0) == 0) return i;
    ADD_FAILURE() << "no line starts with " << start;
    return lines.size();
}

TEST(InventoryWindow, EconomicOrderQuantityExample) {
    const Lines expected = {
        "                           INVENTORY POLICY",
        "                           ****************",
        "",
        "    OPTIMAL ORDER QUANTITY         " + blanks(14) + "200.00",
        "",
        "    ANNUAL INVENTORY HOLDING COST  " + blanks(14) + "$50.00",
        "",
        "    ANNUAL ORDERING COST           " + blanks(14) + "$50.00",
        "",
        "    TOTAL ANNUAL COST              " + blanks(13) + "$100.00",
        "",
        "    MAXIMUM INVENTORY LEVEL        " + blanks(14) + "200.00",
        "",
        "    AVERAGE INVENTORY LEVEL        " + blanks(14) + "100.00",
        "",
        "    NUMBER OF ORDERS PER YEAR      " + blanks(16) + "5.00",
        "",
        "    CYCLE TIME (DAYS)              " + blanks(15) + "50.00",
        "",
        "",
    };
    const Lines lines = solveAndShow(invtest::eoqExample());
    EXPECT_EQ(lines, expected);
    for (std::size_t i = 3; i < lines.size(); ++i) {
        if (!lines[i].empty()) {
            EXPECT_EQ(lines[i].size(), 55u) << lines[i];
        }
    }
}

TEST(InventoryWindow, PlannedShortagesWithNegativeReorderPoint) {
    // L = 2.0647: r = 8 x 2.0647 - 28.8675 = -12.3499, stored as -12.35.
    const Lines lines = solveAndShow(invtest::shortagesExample(2.0647));
    const std::size_t k = indexOf(lines, "    ANNUAL BACKORDER COST");
    EXPECT_EQ(lines[k], "    ANNUAL BACKORDER COST          " + blanks(13) + "$108.25");
    EXPECT_EQ(lines[k - 2], "    ANNUAL ORDERING COST           " + blanks(13) + "$433.01");
    EXPECT_EQ(lines[k + 2], "    TOTAL ANNUAL COST              " + blanks(13) + "$866.03");
    EXPECT_EQ(lines[indexOf(lines, "    MAXIMUM BACKORDERS")], "    MAXIMUM BACKORDERS             " + blanks(15) + "28.87");
    const std::size_t r = indexOf(lines, "    REORDER POINT");
    EXPECT_EQ(lines[r], "    REORDER POINT *                " + blanks(14) + "-12.35");
    const std::size_t c = indexOf(lines, "    CYCLE TIME (DAYS)");
    EXPECT_EQ(lines[c], "    CYCLE TIME (DAYS)              " + blanks(15) + "14.43");
    const Lines tail(lines.begin() + static_cast<long>(c) + 1, lines.end());
    const Lines expectedTail = {
        "",
        "   * NOTE:  THE NEGATIVE REORDER POINT INDICATES THAT THE ORDER  ",
        "            SHOULD BE PLACED WHEN THE NUMBER OF BACKORDERS =12.35",
        "",
        "",
    };
    EXPECT_EQ(tail, expectedTail);
}

TEST(InventoryWindow, ReorderPointAtLeastZeroWithTheMark) {
    qv::SharedState& s = invtest::eoqExample();
    s.inv.intComputeReorderPoint = 1;
    s.inv.dblLeadTime = 5;  // r = 1000 x 5 / 250 = 20
    s.inv.intReorderPointMark = 1;
    const Lines lines = solveAndShow(s);
    EXPECT_EQ(lines[indexOf(lines, "    REORDER POINT")], "    REORDER POINT *                " + blanks(15) + "20.00");
    const std::size_t c = indexOf(lines, "    CYCLE TIME (DAYS)");
    EXPECT_EQ(lines.size(), c + 2);  // one blank line only, no note
    EXPECT_EQ(lines.back(), "");
    // Without the mark the plain label.
    s.inv.intReorderPointMark = 0;
    const Lines plain = solveAndShow(s);
    EXPECT_EQ(plain[indexOf(plain, "    REORDER POINT")], "    REORDER POINT                  " + blanks(15) + "20.00");
}

TEST(InventoryWindow, QuantityDiscounts) {
    const Lines lines = solveAndShow(invtest::discountsExample({{5, 0}, {4.9, 1000}, {4.8, 2500}}));
    const Lines expected = {
        "                           INVENTORY POLICY",
        "                           ****************",
        "",
        "    OPTIMAL ORDER QUANTITY         " + blanks(12) + "2,500.00",
        "",
        "    ANNUAL INVENTORY HOLDING COST  " + blanks(11) + "$1,200.00",
        "",
        "    ANNUAL ORDERING COST           " + blanks(13) + "$576.00",
        "",
        "    ANNUAL PURCHASE COST           " + blanks(9) + "$576,000.00",
        "",
        "    TOTAL ANNUAL COST              " + blanks(9) + "$577,776.00",
        "",
        "    MAXIMUM INVENTORY LEVEL        " + blanks(12) + "2,500.00",
        "",
        "    AVERAGE INVENTORY LEVEL        " + blanks(12) + "1,250.00",
        "",
        "    NUMBER OF ORDERS PER YEAR      " + blanks(15) + "48.00",
        "",
        "    CYCLE TIME (DAYS)              " + blanks(16) + "5.21",
        "",
    };
    EXPECT_EQ(lines, expected);
}

TEST(InventoryWindow, ReorderPointModelEndings) {
    // Q = 100, N = 10, 30 stockouts a year: the probability is used as 0.5.
    qv::SharedState& s = invtest::reorderExample();
    s.inv.dblOrderingCost = 5;
    s.inv.dblHoldingCost = 1;
    s.inv.intServiceLevelMethod = 1;
    s.inv.dblStockoutsPerYear = 30;
    Lines lines = solveAndShow(s);
    std::size_t c = indexOf(lines, "    CYCLE TIME (DAYS)");
    Lines expected = {
        "    CYCLE TIME (DAYS)              " + blanks(15) + "25.00",
        "",
        "    SAFETY STOCK                   " + blanks(17) + ".00",
        "",
        "    ANNUAL SAFETY STOCK COST       " + blanks(16) + "$.00",
        "",
        "    EXPECTED STOCKOUTS PER YEAR    " + blanks(16) + "5.00",
        "",
        "    PROBABILITY OF A STOCKOUT PER CYCLE    " + blanks(6) + "0.5000",
        "",
    };
    EXPECT_EQ(Lines(lines.begin() + static_cast<long>(c), lines.end()), expected);
    EXPECT_EQ(lines[indexOf(lines, "    REORDER POINT")], "    REORDER POINT                  " + blanks(15) + "25.00");

    // sigma = 0 with p = 0.05.
    qv::SharedState& z = invtest::reorderExample();
    z.inv.dblDemandStdDev = 0;
    lines = solveAndShow(z);
    c = indexOf(lines, "    SAFETY STOCK");
    expected = {
        "    SAFETY STOCK                   " + blanks(17) + ".00",
        "",
        "    ANNUAL SAFETY STOCK COST       " + blanks(16) + "$.00",
        "",
        "    EXPECTED STOCKOUTS PER YEAR    " + blanks(17) + ".00",
        "",
        "    PROBABILITY OF A STOCKOUT PER CYCLE    " + blanks(6) + "0.0500",
        "",
    };
    EXPECT_EQ(Lines(lines.begin() + static_cast<long>(c), lines.end()), expected);
}

TEST(InventoryWindow, SinglePeriodEndings) {
    const Lines tailNormal = {
        "    PROBABILITY OF SURPLUS         " + blanks(15) + ".6000",
        "    PROBABILITY OF STOCKOUT        " + blanks(15) + ".4000",
        "",
    };
    Lines lines = solveAndShow(invtest::singlePeriodExample(2, 500, 100));
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[3], "    OPTIMAL ORDER QUANTITY         " + blanks(14) + "526.00");
    EXPECT_EQ(Lines(lines.begin() + 5, lines.end()), tailNormal);

    const Lines tailCertain = {
        "    PROBABILITY OF SURPLUS         " + blanks(14) + "1.0000",
        "    PROBABILITY OF STOCKOUT        " + blanks(15) + ".0000",
        "",
    };
    for (qv::SharedState* s : {&invtest::singlePeriodExample(2, 500, 0), &invtest::singlePeriodExample(1, 300, 300)}) {
        const double expectedQ = s->varDemandDistribution.num() == 2 ? 500 : 300;
        lines = solveAndShow(*s);
        EXPECT_EQ(s->inv.dblOrderQuantity.num(), expectedQ);
        EXPECT_EQ(Lines(lines.begin() + 5, lines.end()), tailCertain);
    }
}

TEST(InventoryWindow, UnknownCodeShowsStoredResultsWithEoqLabels) {
    qv::SharedState& s = invtest::eoqExample();
    QVInvent::ComputeInventoryModel(s);
    const Lines eoq = QVInvent::BuildInventoryWindowLines(s);
    s.inv.intInventoryModel = 0;
    EXPECT_EQ(solveAndShow(s), eoq);
}

TEST(InventoryWindow, NumbersAreNeverCut) {
    EXPECT_EQ(QVInvent::ValueLine("L", "$123,456,789,012,345.00"), "L$123,456,789,012,345.00");
    EXPECT_EQ(QVInvent::PercentField(20), "20.0%");
    EXPECT_EQ(QVInvent::PercentField(7.5), " 7.5%");
    EXPECT_EQ(QVInvent::PercentField(0.5), "  .5%");
    EXPECT_EQ(QVInvent::PercentField(100), "100.0%");
    EXPECT_EQ(QVInvent::PercentField(150), "150.0%");
}

// ---- report ----

TEST(InventoryReport, EconomicOrderQuantityExample) {
    qv::SharedState& s = invtest::eoqExample();
    QVInvent::ComputeInventoryModel(s);
    const Lines expected = {
        "",
        "",
        "     INVENTORY MODEL",
        "     ***************",
        "",
        "     ECONOMIC ORDER QUANTITY",
        "     ***********************",
        "",
        "",
        "     YOU HAVE INPUT THE FOLLOWING DATA:",
        "     **********************************",
        "",
        "",
        "     ANNUAL DEMAND = 1000 UNITS PER YEAR",
        "",
        "     ORDERING COST = $10 PER ORDER",
        "",
        "     INVENTORY HOLDING COST = $0.5 PER UNIT PER YEAR",
        "",
        "     WORKING DAYS PER YEAR = 250 DAYS",
        "",
        "",
        "",
        "                   INVENTORY POLICY",
        "                   ****************",
        "",
        "    OPTIMAL ORDER QUANTITY         " + blanks(14) + "200.00",
        "",
        "    ANNUAL INVENTORY HOLDING COST  " + blanks(14) + "$50.00",
        "",
        "    ANNUAL ORDERING COST           " + blanks(14) + "$50.00",
        "",
        "    TOTAL ANNUAL COST              " + blanks(13) + "$100.00",
        "",
        "    MAXIMUM INVENTORY LEVEL        " + blanks(14) + "200.00",
        "",
        "    AVERAGE INVENTORY LEVEL        " + blanks(14) + "100.00",
        "",
        "    NUMBER OF ORDERS PER YEAR      " + blanks(16) + "5.00",
        "",
        "    CYCLE TIME (DAYS)              " + blanks(15) + "50.00",
        "",
        "",
    };
    EXPECT_EQ(QVInvent::BuildInventoryReportLines(s), expected);
}

TEST(InventoryReport, UnknownCodeIsPrintedAsEconomicOrderQuantity) {
    qv::SharedState& s = invtest::eoqExample();
    QVInvent::ComputeInventoryModel(s);
    const Lines eoq = QVInvent::BuildInventoryReportLines(s);
    for (int code : {0, 7}) {
        s.inv.intInventoryModel = code;
        EXPECT_EQ(QVInvent::BuildInventoryReportLines(s), eoq) << code;
    }
}

TEST(InventoryReport, PercentEcho) {
    qv::SharedState& s = invtest::eoqExample();
    s.inv.intHoldingCostMethod = 1;
    s.inv.dblHoldingPercent = 25;
    s.varUnitCost = 2;
    QVInvent::ComputeInventoryModel(s);
    Lines lines = QVInvent::BuildInventoryReportLines(s);
    std::size_t k = indexOf(lines, "     INVENTORY HOLDING COST:");
    EXPECT_EQ(lines[k + 1], "        A. ANNUAL INVENTORY CARRYING CHARGE = 25.0%");
    EXPECT_EQ(lines[k + 2], "        B. COST PER UNIT = $ 2 PER UNIT");
    EXPECT_EQ(lines[k + 3], "");
    s.inv.dblHoldingPercent = 100;
    lines = QVInvent::BuildInventoryReportLines(s);
    k = indexOf(lines, "     INVENTORY HOLDING COST:");
    EXPECT_EQ(lines[k + 1], "        A. ANNUAL INVENTORY CARRYING CHARGE = 100.0%");
}

TEST(InventoryReport, DiscountCategoriesEcho) {
    qv::SharedState& s = invtest::discountsExample({{5, 0}, {4.8, 1000}});
    QVInvent::ComputeInventoryModel(s);
    s.varUniformHigh = 0;
    const Lines lines = QVInvent::BuildInventoryReportLines(s);
    const std::size_t k = indexOf(lines, "     QUANTITY DISCOUNT INFORMATION");
    EXPECT_EQ(lines[k - 1], "");
    EXPECT_EQ(lines[k + 2], "     CATEGORY        UNIT COST         MINIMUM QUANTITY");
    EXPECT_EQ(lines[k + 3], "     --------        ---------         ----------------");
    const std::string first = lines[k + 4], second = lines[k + 5];
    EXPECT_EQ(first, blanks(9) + "1" + blanks(9) + blanks(6) + "$5.00" + blanks(20) + "0");
    EXPECT_EQ(second, blanks(9) + "2" + blanks(9) + blanks(6) + "$4.80" + blanks(17) + "1000");
    for (const std::string& l : {first, second}) {
        ASSERT_EQ(l.size(), 51u);
        EXPECT_NE(l[9], ' ');            // column 10
        EXPECT_EQ(l.substr(25, 5).back(), '0');  // "$x.x0" ends in column 30
        EXPECT_EQ(l[24], ' ');
        EXPECT_EQ(l[50], '0');           // column 51
    }
    EXPECT_EQ(lines[k + 6], "");
    // No holding-cost entry, only the carrying charge.
    EXPECT_EQ(lines[k + 7], "     ANNUAL DEMAND = 120000 UNITS PER YEAR");
    EXPECT_EQ(lines[indexOf(lines, "     ANNUAL INVENTORY CARRYING CHARGE")],
              "     ANNUAL INVENTORY CARRYING CHARGE = 20.0%");
    for (const std::string& l : lines) EXPECT_EQ(l.find("HOLDING COST ="), std::string::npos);
    EXPECT_EQ(s.varUniformHigh.num(), 3);
    EXPECT_EQ(lines.back(), "");
    // Category 2 at Q = 1732.05: N = 69.28, cycle 250 / 69.28 = 3.61.
    EXPECT_EQ(lines[lines.size() - 2], "    CYCLE TIME (DAYS)              " + blanks(16) + "3.61");
}

TEST(InventoryReport, SinglePeriodWithACostBelowOne) {
    qv::SharedState& s = invtest::singlePeriodExample(2, 500, 100);
    s.inv.dblOrderingCost = 0.75;
    QVInvent::ComputeInventoryModel(s);
    const Lines lines = QVInvent::BuildInventoryReportLines(s);
    const Lines expected = {
        "",
        "",
        "     INVENTORY MODEL",
        "     ***************",
        "",
        "     SINGLE-PERIOD INVENTORY WITH PROBABILISTIC DEMAND",
        "     *************************************************",
        "",
        "",
        "     YOU HAVE INPUT THE FOLLOWING DATA:",
        "     **********************************",
        "",
        "",
        "     THE COST OF OVERESTIMATING DEMAND IS = $ .75 PER UNIT",
        "",
        "     THE COST OF UNDERESTIMATING DEMAND IS = $ 45 PER UNIT",
        "",
        "     THE DEMAND DISTRIBUTION IS NORMAL WITH",
        "        A.  A MEAN DEMAND = 500 UNITS",
        "        B.  A STANDARD DEVIATION = 100 UNITS",
        "",
        "",
        "                   INVENTORY POLICY",
        "                   ****************",
        "",
        "",
        // p = 45 / 45.75 = 0.98361: first entry reaching 0.48361 is z = 2.14 (0.4838).
        "    OPTIMAL ORDER QUANTITY         " + blanks(14) + "714.00",
        "",
        "    PROBABILITY OF SURPLUS         " + blanks(14) + "0.9836",
        "    PROBABILITY OF STOCKOUT        " + blanks(14) + "0.0164",
        "",
    };
    EXPECT_EQ(lines, expected);
}

TEST(InventoryReport, ReorderPointModelHeadingAndEnding) {
    qv::SharedState& s = invtest::reorderExample();
    QVInvent::ComputeInventoryModel(s);
    const Lines lines = QVInvent::BuildInventoryReportLines(s);
    const Lines head = {
        "",
        "",
        "     INVENTORY MODEL",
        "     ***************",
        "",
        "     ORDER QUANTITY-REORDER POINT WITH PROBABILISTIC DEMAND",
        "     ******************************************************",
        "",
        "     YOU HAVE INPUT THE FOLLOWING DATA:",
        "     **********************************",
        "",
        "     ANNUAL DEMAND = 1000 UNITS PER YEAR",
    };
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 12), head);
    const std::size_t k = indexOf(lines, "     LEAD TIME DEMAND DISTRIBUTION IS NORMAL WITH");
    EXPECT_EQ(lines[k + 1], "        A. MEAN = 25 UNITS");
    EXPECT_EQ(lines[k + 2], "        B. STANDARD DEVIATION = 5 UNITS");
    EXPECT_EQ(lines[k + 4], "     PROBABILITY OF A STOCKOUT = 0.05");
    EXPECT_EQ(lines[indexOf(lines, "    TOTAL ANNUAL COST")], "    TOTAL ANNUAL COST              " + blanks(13) + "$265.57");
    EXPECT_EQ(lines[indexOf(lines, "    REORDER POINT")], "    REORDER POINT                  " + blanks(15) + "33.25");
    EXPECT_EQ(lines[indexOf(lines, "    SAFETY STOCK")], "    SAFETY STOCK                   " + blanks(16) + "8.25");
    EXPECT_EQ(lines[indexOf(lines, "    ANNUAL SAFETY STOCK COST")],
              "    ANNUAL SAFETY STOCK COST       " + blanks(14) + "$20.63");
    EXPECT_EQ(lines[indexOf(lines, "    EXPECTED STOCKOUTS PER YEAR")],
              "    EXPECTED STOCKOUTS PER YEAR    " + blanks(17) + ".51");
    EXPECT_EQ(lines.back(), "    PROBABILITY OF A STOCKOUT PER CYCLE    " + blanks(7) + ".0500");
}

TEST(InventoryReport, PlannedShortagesNoteAndLeadTime) {
    qv::SharedState& s = invtest::shortagesExample(2);
    QVInvent::ComputeInventoryModel(s);
    const Lines lines = QVInvent::BuildInventoryReportLines(s);
    const std::size_t k = indexOf(lines, "     LEAD TIME FOR A NEW ORDER");
    EXPECT_EQ(lines[k], "     LEAD TIME FOR A NEW ORDER = 2 DAYS");
    EXPECT_EQ(lines[k + 1], "");
    EXPECT_EQ(lines[k + 3], "                   INVENTORY POLICY");
    EXPECT_EQ(lines[indexOf(lines, "     BACKORDER COST")], "     BACKORDER COST = $30 PER UNIT PER YEAR");
    const std::size_t c = indexOf(lines, "    CYCLE TIME (DAYS)");
    const Lines tail = {
        "",
        "   * NOTE:  THE NEGATIVE REORDER POINT INDICATES THAT THE ORDER  ",
        "            SHOULD BE PLACED WHEN THE NUMBER OF BACKORDERS =12.87",
        "",
        "",
    };
    EXPECT_EQ(Lines(lines.begin() + static_cast<long>(c) + 1, lines.end()), tail);
    EXPECT_EQ(lines[indexOf(lines, "    REORDER POINT")], "    REORDER POINT *                " + blanks(14) + "-12.87");
}

TEST(InventoryReport, ProductionLotSizeExample) {
    // D 26000, P 60000, setup 135, amount 4.5, 250 days, lead time 5.
    qv::SharedState& s = invtest::eoqExample();
    s.inv.intInventoryModel = 2;
    s.inv.dblAnnualDemand = 26000;
    s.varProductionRate = 60000;
    s.inv.dblOrderingCost = 135;
    s.inv.dblHoldingCost = 4.5;
    s.inv.intComputeReorderPoint = 1;
    s.inv.dblLeadTime = 5;
    QVInvent::ComputeInventoryModel(s);
    const Lines expected = {
        "",
        "",
        "     INVENTORY MODEL",
        "     ***************",
        "",
        "     ECONOMIC PRODUCTION LOT SIZE",
        "     ****************************",
        "",
        "",
        "     YOU HAVE INPUT THE FOLLOWING DATA:",
        "     **********************************",
        "",
        "",
        "     ANNUAL DEMAND = 26000 UNITS PER YEAR",
        "",
        "     ANNUAL PRODUCTION RATE = 60000 UNITS PER YEAR",
        "",
        "     SETUP COST = $135 PER SETUP",
        "",
        "     INVENTORY HOLDING COST = $4.5 PER UNIT PER YEAR",
        "",
        "     WORKING DAYS PER YEAR = 250 DAYS",
        "",
        "     LEAD TIME FOR A NEW ORDER = 5 DAYS",
        "",
        "",
        "                   INVENTORY POLICY",
        "                   ****************",
        "",
        "    PRODUCTION LOT SIZE                        1,659.20",
        "",
        "    ANNUAL INVENTORY HOLDING COST             $2,115.48",
        "",
        "    ANNUAL SETUP COST                         $2,115.48",
        "",
        "    TOTAL ANNUAL COST                         $4,230.96",
        "",
        "    MAXIMUM INVENTORY LEVEL                      940.21",
        "",
        "    AVERAGE INVENTORY LEVEL                      470.11",
        "",
        "    REORDER POINT                                520.00",
        "",
        "    NUMBER OF SETUPS PER YEAR                     15.67",
        "",
        "    CYCLE TIME (DAYS)                             15.95",
        "",
    };
    EXPECT_EQ(QVInvent::BuildInventoryReportLines(s), expected);
}

// The echo lines of the inputs no other report test prints.
TEST(InventoryReport, EchoOfTheOtherInputs) {
    // Single period with uniform demand: the bounds as printed numbers.
    qv::SharedState& u = invtest::singlePeriodExample(1, 350, 650);
    QVInvent::ComputeInventoryModel(u);
    Lines lines = QVInvent::BuildInventoryReportLines(u);
    std::size_t k = indexOf(lines, "     THE DEMAND DISTRIBUTION IS");
    EXPECT_EQ(Lines(lines.begin() + static_cast<long>(k), lines.begin() + static_cast<long>(k) + 3),
              Lines({"     THE DEMAND DISTRIBUTION IS UNIFORM WITH", "        A.  THE LOWEST DEMAND = 350 UNITS",
                     "        B.  THE HIGHEST DEMAND = 650 UNITS"}));
    EXPECT_EQ(lines[indexOf(lines, "    OPTIMAL ORDER QUANTITY")], "    OPTIMAL ORDER QUANTITY         " + blanks(14) + "530.00");

    // Order quantity-reorder point with the stockouts per year given, holding cost in
    // percent: 2 a year at N = 10.21 is a probability of .1960.
    qv::SharedState& r = invtest::reorderExample();
    r.inv.intServiceLevelMethod = 1;
    r.inv.dblStockoutsPerYear = 2;
    r.inv.intHoldingCostMethod = 1;
    r.inv.dblHoldingPercent = 7.5;
    r.varUnitCost = 0.5;
    QVInvent::ComputeInventoryModel(r);
    lines = QVInvent::BuildInventoryReportLines(r);
    k = indexOf(lines, "     INVENTORY HOLDING COST:");
    EXPECT_EQ(lines[k + 1], "        A. ANNUAL INVENTORY CARRYING CHARGE =  7.5%");
    EXPECT_EQ(lines[k + 2], "        B. COST PER UNIT = $ .5 PER UNIT");
    k = indexOf(lines, "     ALLOWABLE NUMBER OF STOCKOUTS");
    EXPECT_EQ(lines[k], "     ALLOWABLE NUMBER OF STOCKOUTS = 2 PER YEAR");
    EXPECT_EQ(lines[k + 1], "");
    EXPECT_EQ(lines[k + 2], "");
    EXPECT_EQ(lines.back(), "    PROBABILITY OF A STOCKOUT PER CYCLE    " + blanks(7) + ".1960");
}

}  // namespace
