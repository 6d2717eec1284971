#pragma once
// The LP block's arrays and the text model of a linear program: the objective and
// constraint lines that state the problem in algebraic form and that the LP
// problem file stores.
#include <string>
#include <vector>

#include "lp/core/LPBlock.h"

namespace QVLP {

// Highest index of the text model's lines.
inline constexpr int kModelLineCapacity = 255;

// Sets the capacities (200 columns, 50 rows) and re-creates, empty, the text model,
// the names, the matrix and the relations. Counts, optimization type and decimals
// are left as they are.
void InitLPArrays(qv::LPBlock& lp);
void InitLPArrays();

// Value of the leading number of a text: optional sign, digits and at most one
// ".", read from the first character; no number gives 0.
double TextValue(const std::string& text);

// Number text of the objective and echo lines: the shortest decimal form at 15
// significant digits, never with an exponent, so that it reads back through the
// parser (2.50 gives 2.5, .5 gives 0.5, 1e20 gives 100000000000000000000).
std::string ObjectiveNumberText(double v);

// Digits after the first "." of a text (-1 when it has none).
int DigitsAfterPoint(const std::string& text);

// Raises intReportDecimals to the digits after the point of a text when they exceed it.
void RaiseReportDecimals(qv::LPBlock& lp, const std::string& text);

// The store of the input screen over the grid texts: re-creates the names, matrix
// and relations, writes text model lines 2 .. m + 2 and the echo line, and sets
// intReportDecimals to 3 raised by the data. Lines 1 and m + 3 on are untouched.
//   names, objectiveTexts: the n texts of the objective grid's name and coefficient
//     rows, variable j at index j - 1 (n is names.size()).
//   constraintTexts: m rows, constraint i at index i - 1, each of n + 2 texts: the
//     n coefficients, the relation and the right-hand side (the last two are the
//     row's last two texts; a shorter row counts its missing texts as empty).
// The counts, the optimization type and intIntegerLP are only read, not written,
// as the grids' own sizes decide m and n.
void StoreInputTexts(qv::LPBlock& lp, int optimizationType,
                     const std::vector<std::string>& names,
                     const std::vector<std::string>& objectiveTexts,
                     const std::vector<std::vector<std::string>>& constraintTexts);
// As above with the block's own optimization type.
void StoreInputTexts(qv::LPBlock& lp, const std::vector<std::string>& names,
                     const std::vector<std::string>& objectiveTexts,
                     const std::vector<std::vector<std::string>>& constraintTexts);
void StoreInputTexts(const std::vector<std::string>& names,
                     const std::vector<std::string>& objectiveTexts,
                     const std::vector<std::vector<std::string>>& constraintTexts);

}  // namespace QVLP
