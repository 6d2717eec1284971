#pragma once
// Work state of the simplex engine, part of the LP block. Every run of
// LP_Engine::Solve re-dimensions and refills it; the LP solution window and the
// LP report read what an optimal run leaves here.
#include <vector>

#include "platform/core/Array.h"

namespace qv {

struct LPEngineState {
    // --- Columns, phase and constants of the run -------------------------------
    int intColumnCount = 0;       // decision columns 1..n, then the added columns
    int intAddedColumnCount = 0;  // slack, surplus and artificial columns added
    int intArtificialCount = 0;   // artificial columns made by the set-up
    int intArtificialsDone = 0;   // artificials out of the basis or basic at zero
    int intBoundViolation = 0;    // 1 when some basic variable lies outside its bounds
    int intPhase = 0;             // 0 before the first pricing, then 1 or 2
    double dblInfinity = 0;       // 1e15: "no upper bound"
    double dblTolerance = 0;      // 1e-5: pivot threshold and zero rounding

    // Arrays dimensioned at the start of every run (row capacity 50, column
    // capacity 200; element 0 unused).
    pf::Array<double> dblPhaseCosts;          // cost of each column in the current phase
    pf::Array<double> dblRightHandSides;      // copy of the right-hand sides
    pf::Array2<double> dblBasisUMatrix;       // U, upper triangular, with L^-1 B = U
    pf::Array2<double> dblBasisLInverse;      // L^-1
    pf::Array<double> dblPartialColumn;       // L^-1 a of the column last transformed
    pf::Array<double> dblTransformedColumn;   // B^-1 a of the column last transformed
    pf::Array<int> intBasisColumns;           // column basic at each position 1..m
    pf::Array<double> dblBasicValues;         // its value
    pf::Array<double> dblDualWork;            // w with U^T w = c_B
    pf::Array<double> dblDualPrices;          // y = w L^-1 = c_B B^-1, by constraint row
    pf::Array<double> dblReducedCosts;        // d_j = c_j - y a_j
    pf::Array<int> intColumnStatuses;         // 0 basic, -1 at lower, 1 at upper, -2/2 basic outside
    pf::Array<int> intColumnKinds;            // +-1 decision, +-2 slack, +-3 surplus, +-4 artificial, 0 artificial gone
    pf::Array<int> intIntegerFlags;           // 1 for a column restricted to integers
    pf::Array<int> intRowSlackColumns;        // column of row i that starts basic
    pf::Array<int> intBasisPositions;         // left for the solution window
    pf::Array<double> dblUpperBounds;
    pf::Array<double> dblLowerBounds;

    // --- Primal and dual iteration ----------------------------------------------
    int intEnteringColumn = 0;
    int intEnteringDirection = 0;   // +1 rises from its lower bound, -1 falls from its upper
    double dblBestReducedCost = 0;  // improvement rate of the entering column
    double dblStepLength = 0;
    int intLeavingPosition = 0;
    int intLeavingBound = 0;        // 0 bound flip, 1 leaves to lower, 2 leaves to upper
    double dblLeavingGap = 0;       // dual simplex: value minus the violated bound
    double dblBestDualRatio = 0;
    long intIterationCount = 0;     // primal iterations of the run
    long intDualIterationCount = 0; // dual iterations of the run
    int intNodeState = 0;           // 1 solved, 2 infeasible, 3 all integer variables integral

    // --- Branch and bound -------------------------------------------------------
    // Growable node store; node 0 is the root. A node knows its parent, so the
    // path from the root (and with it the node's bounds) is explicit.
    std::vector<int> intNodeClosed;            // 0 open, 1 closed
    std::vector<double> dblNodeBounds;         // bound imposed on the branching column
    std::vector<int> intNodeColumns;           // +c: c <= bound; -c: c >= bound
    std::vector<int> intNodeParents;           // index of the parent node, -1 for the root
    std::vector<double> dblNodeParentValues;   // v of the parent relaxation (minimization form)
    std::vector<int> intOpenNodes;             // open nodes, deepest / at-least child on top
    int intCurrentNode = 0;        // node being solved, -1 when none is left
    int intIncumbentNode = -1;     // -1 while there is no incumbent
    double dblIncumbentValue = 0;  // v of the incumbent (minimization form)
    long intNodesSolved = 0;
    int intSearchDone = 0;
    int intBranchColumn = 0;
    double dblBranchValue = 0;
    double dblBranchFraction = 0;
    // intIntegerCount (integer variables restricted) is the input side's field.
    int intIntegralCount = 0;      // of them integral at the current node
    double dblObjectiveValue = 0;  // maximization form

    // Copies of the root relaxation's optimal basis.
    pf::Array2<double> dblRootUMatrix, dblRootLInverse;
    pf::Array<double> dblRootPartialColumn, dblRootTransformedColumn;
    pf::Array<int> intRootBasisColumns;
    pf::Array<double> dblRootBasicValues, dblRootDualWork;
    pf::Array<int> intRootColumnStatuses, intRootColumnKinds;
    pf::Array<double> dblRootUpperBounds, dblRootLowerBounds;
};

}  // namespace qv
