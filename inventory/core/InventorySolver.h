#pragma once
// The six inventory models: the input checks that stand in front of the formulas,
// and the formulas themselves over the shared state.
#include <string>

#include "shell/core/State.h"

namespace QVInvent {

inline constexpr const char* kDataInputError = "Data Input Error";

// The message of the first input of the current model (intInventoryModel) that its
// form would refuse, in the order of the form's boxes; empty when every input can be
// solved. A model code outside 1 to 6 has nothing to check.
std::string CheckInventoryInputs(const qv::SharedState& s);

// Computes the current model and stores its results (a code outside 1 to 6 computes
// nothing). Every result is computed first; when one is not a finite number the
// overflow error is raised and the state is left exactly as it was.
void ComputeInventoryModel(qv::SharedState& s);

// The negative reorder point of planned shortages, rounded to hundredths as the
// display patterns round (15 significant digits, halves away from zero).
double RoundReorderPoint(double r);

}  // namespace QVInvent
