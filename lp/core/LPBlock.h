#pragma once
// Linear and integer programming block of the shared state: the open problem as the
// input side fills it (dimensions, matrix, relations, names, text model), plus the
// engine's own work fields inherited from LPEngineState.
// The integer-program switch is not here: it is the general state's intIntegerLP.
#include <string>

#include "lp/core/LPEngineState.h"
#include "platform/core/Array.h"
#include "platform/core/Value.h"

namespace qv {

struct LPBlock : LPEngineState {
    int intConstraintCount = 0;   // m
    int intVariableCount = 0;     // n
    int intColumnCapacity = 0;    // highest column index of the LP arrays (200)
    int intRowCapacity = 0;       // highest row index of the LP arrays (50)
    int intOptimizationType = 0;  // 0 maximize, 1 minimize
    int intReportDecimals = 0;    // decimals of the solution window and report
    int intRoundDigits = 0;

    // (0..50, 0..200): row 0 objective, rows 1..m constraints; column 0 right-hand
    // sides, columns 1..n decision variables, the engine's columns after n.
    pf::Array2<pf::Value> dblProblemMatrix;
    // (0..50): 2 "<", 3 "=", 4 ">"; index 0 unused.
    pf::Array<int> intConstraintRelations;
    // (0..200): decision variable j at index j = 1..n; the engine's columns after n.
    pf::Array<std::string> strVariableNames;
    // (0..255): 1 file path, 2 objective, 3..m+2 constraints, m+3.. integer section.
    pf::Array<std::string> strModelLines;
    // The objective with its nonzero terms only, for the printed report.
    std::string strObjectiveEchoLine;

    // Row the parser is reading: -1 before the first line, 0 objective, 1..m.
    int intModelRow = 0;
    // Distinct decision variables the integer section restricts to integers.
    int intIntegerCount = 0;
};

}  // namespace qv
