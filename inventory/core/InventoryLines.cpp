#include "inventory/core/InventoryLines.h"

#include "platform/core/Format.h"

namespace QVInvent {

namespace {

const char* const kBig = "###,###,###,###.00";
const char* const kMoney = "##,###,###.00";
const char* const kWide = "###,###,###.00";
const char* const kDays = "#,###,###.00";

std::string money(double v, const char* pattern) { return "$" + pf::Format(v, pattern); }

// Plain number text of a stored field; an empty field gives no characters.
std::string plain(const pf::Value& v) { return v.IsEmpty() ? std::string() : pf::PlainNumber(v.num()); }

bool starred(const qv::InventoryBlock& I) {
    return I.intReorderPointMark.num() != 0 || I.dblReorderPoint.num() < 0;
}

std::string reorderLine(const qv::InventoryBlock& I) {
    return ValueLine(starred(I) ? "    REORDER POINT *                " : "    REORDER POINT                  ",
                     pf::Format(I.dblReorderPoint.num(), kWide));
}

// Zero safety stock without spread, as the window and the report set it.
void settleSafetyStock(qv::InventoryBlock& I) {
    if (!(I.dblDemandStdDev.num() > 0)) {
        I.dblSafetyStock = 0;
        I.dblSafetyStockCost = 0;
    }
}

double expectedStockouts(const qv::InventoryBlock& I) {
    if (I.dblDemandStdDev.num() == 0) return 0;
    return I.dblStockoutProbability.num() * I.dblOrdersPerYear.num();
}

void negativeReorderNote(std::vector<std::string>& out, const qv::InventoryBlock& I) {
    out.push_back("   * NOTE:  THE NEGATIVE REORDER POINT INDICATES THAT THE ORDER  ");
    out.push_back("            SHOULD BE PLACED WHEN THE NUMBER OF BACKORDERS =" +
                  pf::PlainNumber(-I.dblReorderPoint.num()));
    out.push_back("");
    out.push_back("");
}

// The policy lines from the order quantity to the cycle time, shared by window and
// report, which differ only in where the blank lines fall for the optional rows.
void policyBody(std::vector<std::string>& out, const qv::SharedState& s) {
    const qv::InventoryBlock& I = s.inv;
    const int model = I.intInventoryModel;
    out.push_back(ValueLine("    ANNUAL INVENTORY HOLDING COST  ", money(I.dblAnnualHoldingCost.num(), kMoney)));
    out.push_back("");
    out.push_back(ValueLine(model == 2 ? "    ANNUAL SETUP COST              " : "    ANNUAL ORDERING COST           ",
                            money(I.dblAnnualOrderingCost.num(), kMoney)));
    out.push_back("");
}

}  // namespace

std::string ValueLine(const std::string& label, const std::string& value, int width) {
    return label + pf::RightAlignNumber(value, width);
}

std::string PercentField(double percent) { return pf::RightAlignNumber(pf::Format(percent, "##.0") + "%", 5); }

std::string CategoryLine(int category, double unitCost, double minQuantity) {
    return pf::FormatText(pf::PlainNumber(category), "         @         ") +
           pf::RightAlignNumber("$" + pf::Format(unitCost, "########.00"), 11) +
           pf::RightAlignNumber(pf::Format(minQuantity, "#######0"), 21);
}

std::vector<std::string> BuildInventoryWindowLines(qv::SharedState& s) {
    qv::InventoryBlock& I = s.inv;
    const int model = I.intInventoryModel;
    std::vector<std::string> out;
    out.push_back("                           INVENTORY POLICY");
    out.push_back("                           ****************");
    out.push_back("");
    out.push_back(ValueLine(model == 2 ? "    PRODUCTION LOT SIZE            " : "    OPTIMAL ORDER QUANTITY         ",
                            pf::Format(I.dblOrderQuantity.num(), kBig)));
    out.push_back("");
    if (model == 6) {
        const double p = I.dblCriticalRatio.num();
        out.push_back(ValueLine("    PROBABILITY OF SURPLUS         ", pf::Format(p, "#######.0000")));
        out.push_back(ValueLine("    PROBABILITY OF STOCKOUT        ", pf::Format(1 - p, "#######.0000")));
        out.push_back("");
        return out;
    }
    policyBody(out, s);
    if (model == 4) {
        out.push_back(ValueLine("    ANNUAL PURCHASE COST           ", money(I.dblAnnualPurchaseCost.num(), kWide)));
        out.push_back("");
    }
    if (model == 3) {
        out.push_back(ValueLine("    ANNUAL BACKORDER COST          ", money(I.dblAnnualBackorderCost.num(), kWide)));
        out.push_back("");
    }
    out.push_back(ValueLine("    TOTAL ANNUAL COST              ", money(I.dblTotalAnnualCost.num(), kWide)));
    out.push_back("");
    out.push_back(ValueLine("    MAXIMUM INVENTORY LEVEL        ", pf::Format(I.dblMaxInventory.num(), kWide)));
    out.push_back("");
    out.push_back(ValueLine("    AVERAGE INVENTORY LEVEL        ", pf::Format(I.dblAverageInventory.num(), kWide)));
    out.push_back("");
    if (model == 3) {
        out.push_back(ValueLine("    MAXIMUM BACKORDERS             ", pf::Format(s.varMaxBackorders.num(), kWide)));
        out.push_back("");
    }
    const bool reorder = I.intComputeReorderPoint.num() == 1;
    if (reorder || model == 5) {
        out.push_back(reorderLine(I));
        out.push_back("");
    }
    out.push_back(ValueLine(model == 2 ? "    NUMBER OF SETUPS PER YEAR      " : "    NUMBER OF ORDERS PER YEAR      ",
                            pf::Format(I.dblOrdersPerYear.num(), kWide)));
    out.push_back("");
    out.push_back(ValueLine("    CYCLE TIME (DAYS)              ", pf::Format(s.varCycleTime.num(), kDays)));
    if (model == 5) {
        settleSafetyStock(I);
        out.push_back("");
        out.push_back(ValueLine("    SAFETY STOCK                   ", pf::Format(I.dblSafetyStock.num(), kWide)));
        out.push_back("");
        out.push_back(ValueLine("    ANNUAL SAFETY STOCK COST       ", money(I.dblSafetyStockCost.num(), kWide)));
        out.push_back("");
        out.push_back(ValueLine("    EXPECTED STOCKOUTS PER YEAR    ", pf::Format(expectedStockouts(I), kDays)));
        out.push_back("");
        out.push_back(ValueLine("    PROBABILITY OF A STOCKOUT PER CYCLE    ",
                                pf::Format(I.dblStockoutProbability.num(), "0.0000"), 12));
        out.push_back("");
    } else if (model == 4) {
        out.push_back("");
    } else if (I.intComputeReorderPoint.num() == 0) {
        out.push_back("");
        out.push_back("");
    } else {
        out.push_back("");
        if (I.dblReorderPoint.num() < 0) negativeReorderNote(out, I);
    }
    return out;
}

std::vector<std::string> BuildInventoryReportLines(qv::SharedState& s) {
    qv::InventoryBlock& I = s.inv;
    const int model = I.intInventoryModel;
    std::vector<std::string> out;
    auto blank = [&out] { out.push_back(""); };

    const char* title = "     ECONOMIC ORDER QUANTITY";
    const char* rule = "     ***********************";
    switch (model) {
        case 2: title = "     ECONOMIC PRODUCTION LOT SIZE"; rule = "     ****************************"; break;
        case 3:
            title = "     ECONOMIC ORDER QUANTITY WITH PLANNED SHORTAGES";
            rule = "     **********************************************";
            break;
        case 4:
            title = "     ECONOMIC ORDER QUANTITY WITH QUANTITY DISCOUNTS";
            rule = "     ***********************************************";
            break;
        case 5:
            title = "     ORDER QUANTITY-REORDER POINT WITH PROBABILISTIC DEMAND";
            rule = "     ******************************************************";
            break;
        case 6:
            title = "     SINGLE-PERIOD INVENTORY WITH PROBABILISTIC DEMAND";
            rule = "     *************************************************";
            break;
        default: break;
    }
    blank();
    blank();
    out.push_back("     INVENTORY MODEL");
    out.push_back("     ***************");
    blank();
    out.push_back(title);
    out.push_back(rule);
    blank();
    if (model != 5) blank();

    out.push_back("     YOU HAVE INPUT THE FOLLOWING DATA:");
    out.push_back("     **********************************");

    if (model == 6) {
        blank();
        blank();
        out.push_back("     THE COST OF OVERESTIMATING DEMAND IS = $" + pf::PrintedNumber(I.dblOrderingCost.num()) +
                      "PER UNIT");
        blank();
        out.push_back("     THE COST OF UNDERESTIMATING DEMAND IS = $" + pf::PrintedNumber(s.dblCostPerUnit) +
                      "PER UNIT");
        blank();
        if (s.varDemandDistribution.num() == 2) {
            out.push_back("     THE DEMAND DISTRIBUTION IS NORMAL WITH");
            out.push_back("        A.  A MEAN DEMAND =" + pf::PrintedNumber(I.dblDemandMean.num()) + "UNITS");
            out.push_back("        B.  A STANDARD DEVIATION =" + pf::PrintedNumber(I.dblDemandStdDev.num()) + "UNITS");
        } else {
            out.push_back("     THE DEMAND DISTRIBUTION IS UNIFORM WITH");
            out.push_back("        A.  THE LOWEST DEMAND =" + pf::PrintedNumber(s.varUniformLow.num()) + "UNITS");
            out.push_back("        B.  THE HIGHEST DEMAND =" + pf::PrintedNumber(s.varUniformHigh.num()) + "UNITS");
        }
        blank();
        blank();
        out.push_back("                   INVENTORY POLICY");
        out.push_back("                   ****************");
        blank();
        blank();
        out.push_back(ValueLine("    OPTIMAL ORDER QUANTITY         ", pf::Format(I.dblOrderQuantity.num(), kBig)));
        blank();
        const double p = I.dblCriticalRatio.num();
        out.push_back(ValueLine("    PROBABILITY OF SURPLUS         ", pf::Format(p, "######0.0000")));
        out.push_back(ValueLine("    PROBABILITY OF STOCKOUT        ", pf::Format(1 - p, "######0.0000")));
        blank();
        return out;
    }

    if (model == 4) {
        blank();
        out.push_back("     QUANTITY DISCOUNT INFORMATION");
        blank();
        out.push_back("     CATEGORY        UNIT COST         MINIMUM QUANTITY");
        out.push_back("     --------        ---------         ----------------");
        const int n = static_cast<int>(I.intDiscountCount.num());
        int i = 1;
        for (; i <= n; ++i)
            out.push_back(CategoryLine(i, I.dblCategoryUnitCosts(i).num(), I.dblCategoryMinQuantities(i).num()));
        // The loop counter is the shared field, left one past the last category.
        s.varUniformHigh = i;
        blank();
    } else {
        blank();
        if (model != 5) blank();
    }
    out.push_back("     ANNUAL DEMAND = " + plain(I.dblAnnualDemand) + " UNITS PER YEAR");
    blank();
    if (model == 2) {
        out.push_back("     ANNUAL PRODUCTION RATE = " + plain(s.varProductionRate) + " UNITS PER YEAR");
        blank();
        out.push_back("     SETUP COST = $" + plain(I.dblOrderingCost) + " PER SETUP");
    } else {
        out.push_back("     ORDERING COST = $" + plain(I.dblOrderingCost) + " PER ORDER");
    }
    blank();
    if (model != 4) {
        if (I.intHoldingCostMethod.num() == 1) {
            out.push_back("     INVENTORY HOLDING COST:");
            out.push_back("        A. ANNUAL INVENTORY CARRYING CHARGE = " + PercentField(I.dblHoldingPercent.num()));
            out.push_back("        B. COST PER UNIT = $" + pf::PrintedNumber(s.varUnitCost.num()) + "PER UNIT");
        } else {
            out.push_back("     INVENTORY HOLDING COST = $" + plain(I.dblHoldingCost) + " PER UNIT PER YEAR");
        }
        blank();
    }
    if (model == 3) {
        out.push_back("     BACKORDER COST = $" + plain(I.dblBackorderCost) + " PER UNIT PER YEAR");
        blank();
    }
    if (model == 4) {
        out.push_back("     ANNUAL INVENTORY CARRYING CHARGE = " + PercentField(I.dblHoldingPercent.num()));
        blank();
    }
    out.push_back("     WORKING DAYS PER YEAR = " + plain(I.dblWorkingDays) + " DAYS");
    blank();
    if (model == 5) {
        out.push_back("     LEAD TIME DEMAND DISTRIBUTION IS NORMAL WITH");
        out.push_back("        A. MEAN = " + plain(I.dblDemandMean) + " UNITS");
        out.push_back("        B. STANDARD DEVIATION = " + plain(I.dblDemandStdDev) + " UNITS");
        blank();
        if (I.intServiceLevelMethod.num() == 1) {
            out.push_back("     ALLOWABLE NUMBER OF STOCKOUTS = " + plain(I.dblStockoutsPerYear) + " PER YEAR");
            blank();
        } else if (I.intServiceLevelMethod.num() == 2) {
            out.push_back("     PROBABILITY OF A STOCKOUT = " + plain(I.dblStockoutProbability));
            blank();
        }
    } else if (I.intComputeReorderPoint.num() == 1) {
        out.push_back("     LEAD TIME FOR A NEW ORDER = " + plain(I.dblLeadTime) + " DAYS");
    }

    blank();
    blank();
    out.push_back("                   INVENTORY POLICY");
    out.push_back("                   ****************");
    blank();
    out.push_back(ValueLine(model == 2 ? "    PRODUCTION LOT SIZE            " : "    OPTIMAL ORDER QUANTITY         ",
                            pf::Format(I.dblOrderQuantity.num(), kBig)));
    blank();
    policyBody(out, s);
    if (model == 3) {
        out.push_back(ValueLine("    ANNUAL BACKORDER COST          ", money(I.dblAnnualBackorderCost.num(), kWide)));
        blank();
    }
    if (model == 4) {
        out.push_back(ValueLine("    ANNUAL PURCHASE COST           ", money(I.dblAnnualPurchaseCost.num(), kWide)));
        blank();
    }
    out.push_back(ValueLine("    TOTAL ANNUAL COST              ", money(I.dblTotalAnnualCost.num(), kWide)));
    blank();
    out.push_back(ValueLine("    MAXIMUM INVENTORY LEVEL        ", pf::Format(I.dblMaxInventory.num(), kWide)));
    blank();
    out.push_back(ValueLine("    AVERAGE INVENTORY LEVEL        ", pf::Format(I.dblAverageInventory.num(), kWide)));
    blank();
    if (model == 3) {
        out.push_back(ValueLine("    MAXIMUM BACKORDERS             ", pf::Format(s.varMaxBackorders.num(), kWide)));
        blank();
    }
    if (model == 5 || I.intComputeReorderPoint.num() == 1) {
        out.push_back(reorderLine(I));
        blank();
    }
    out.push_back(ValueLine(model == 2 ? "    NUMBER OF SETUPS PER YEAR      " : "    NUMBER OF ORDERS PER YEAR      ",
                            pf::Format(I.dblOrdersPerYear.num(), kWide)));
    blank();
    out.push_back(ValueLine("    CYCLE TIME (DAYS)              ", pf::Format(s.varCycleTime.num(), kDays)));

    if (model == 5) {
        settleSafetyStock(I);
        blank();
        out.push_back(ValueLine("    SAFETY STOCK                   ", pf::Format(I.dblSafetyStock.num(), kWide)));
        blank();
        out.push_back(ValueLine("    ANNUAL SAFETY STOCK COST       ", money(I.dblSafetyStockCost.num(), kWide)));
        blank();
        out.push_back(ValueLine("    EXPECTED STOCKOUTS PER YEAR    ", pf::Format(expectedStockouts(I), kDays)));
        blank();
        out.push_back(ValueLine("    PROBABILITY OF A STOCKOUT PER CYCLE    ",
                                pf::Format(I.dblStockoutProbability.num(), "#.0000"), 12));
    } else if (model == 4) {
        blank();
    } else if (I.intComputeReorderPoint.num() == 0) {
        blank();
        blank();
    } else {
        blank();
        if (I.dblReorderPoint.num() < 0) negativeReorderNote(out, I);
    }
    return out;
}

}  // namespace QVInvent
