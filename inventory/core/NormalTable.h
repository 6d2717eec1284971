#pragma once
// The standard normal table of the probabilistic models and the safety-stock
// look-up of the order quantity-reorder point model.
#include "inventory/core/InventoryBlock.h"

namespace QVInvent {

// Entry i (1..310) of the table: the area under the standard normal curve between 0
// and z = (i - 1) / 100, as the published four-decimal value.
double NormalTableEntry(int i);

// Stores the 310 areas into dblNormalTable(1..310) and sets intNormalTableReady.
// The table must be dimensioned to 0..310.
void FillNormalTable(qv::InventoryBlock& inv);

// z for a stockout probability p (already at most 0.5): the nearer of the first
// entry reaching 0.5 - p and the one before it, a tie going up; 4.00 when no entry
// reaches it. Reads the filled table.
double SafetyStockZ(const qv::InventoryBlock& inv, double stockoutProbability);

// dblSafetyStock = z x dblDemandStdDev for dblStockoutProbability.
void ComputeSafetyStock(qv::InventoryBlock& inv);

// z of the single-period look-up: the first entry that reaches t, without comparing
// the entry before it; 4.00 when none does.
double FirstEntryZ(const qv::InventoryBlock& inv, double t);

}  // namespace QVInvent
