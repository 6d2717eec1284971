#pragma once
// The inventory policy as text: the solution window's lines and the printed report.
// Both read the results the last solve left in the shared state.
#include <string>
#include <vector>

#include "shell/core/State.h"

namespace QVInvent {

// The solution window under INVENTORY POLICY, one text per grid row. For the
// order quantity-reorder point model without spread it sets the safety stock and
// its cost to 0, as the window always has.
std::vector<std::string> BuildInventoryWindowLines(qv::SharedState& s);

// The report: heading, input echo and policy, one text per line, no page break.
// Sets the same two results as the window and leaves the category counter in
// varUniformHigh for quantity discounts.
std::vector<std::string> BuildInventoryReportLines(qv::SharedState& s);

// A label of 35 characters followed by the value right-aligned in 20 (or the given
// width); a value that does not fit is shown whole and the line grows.
std::string ValueLine(const std::string& label, const std::string& value, int width = 20);

// The five-character percent field of the report ("20.0%", " 7.5%", "100.0%").
std::string PercentField(double percent);

// One line of the report's quantity-discount table.
std::string CategoryLine(int category, double unitCost, double minQuantity);

}  // namespace QVInvent
