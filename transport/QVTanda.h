#pragma once
// Transportation and assignment procedures the shell calls.
#include <string>

namespace QVTanda {

// Cell checks of the tableau: each checks one typed text, stores the value in the
// transportation block and returns 0 (accepted), 888 (empty cell while the user has
// not yet agreed to zero-fill) or 999 (rejected, the user has been told).
int CheckCostCell(int i, int j, const std::string& text);  // origin/agent i, destination/task j
int CheckSupplyCell(int i, const std::string& text);        // origin i
int CheckDemandCell(int k, const std::string& text);        // node k = m + j

}  // namespace QVTanda
