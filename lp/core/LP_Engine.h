#pragma once
// The simplex engine: bounded-variable revised simplex in two phases with the
// basis kept as the factors L^-1 and U, a dual simplex that repairs bound
// violations, and depth-first branch and bound for integer programs.
//
// The engine never shows anything. The caller (QVLP.RunSolver) turns the result
// into the message box and the menu state:
//
//   status            box (title / icon / text)                      Print, Save As Text File
//   Optimal           none: call QVLP.ShowLPSolution                  enabled
//   Infeasible        "Solution" / information / "No Feasible Solution"   disabled
//   Unbounded         "Solution" / information / "Problem is Unbounded."  disabled
//   IterationLimit    "Solution" / information / limit text (message)     disabled
//   NodeLimit         "Solution" / information / limit text (message)     disabled
//   ArithmeticFailure "Error # " + errorNumber / critical / error text     disabled
//                     (the error reporter's box, as for any run-time failure of Solve)
//
// In every case the caller restores the cursor and the status caption.
#include <string>

#include "lp/core/LPBlock.h"

namespace qv {

// Last-resort limits of one run. The defaults end a run at capacity (100
// variables, 50 rows) within about ten seconds; tests pass small budgets.
struct EngineLimits {
    long maxIterations = 350000;  // primal + dual simplex iterations of one run
    long maxNodes = 20000;        // branch-and-bound nodes solved in one search
};

enum class EngineStatus { Optimal, Infeasible, Unbounded, IterationLimit, NodeLimit, ArithmeticFailure };

enum class EngineIcon { None, Information, Critical };

struct EngineResult {
    EngineStatus status = EngineStatus::Optimal;
    std::string message;   // text of the box; empty for Optimal
    std::string title;     // title of the box; empty for Optimal
    EngineIcon icon = EngineIcon::None;
    int errorNumber = 0;   // run-time error number for ArithmeticFailure
    bool printEnabled = false;  // state of Print and Save As Text File afterwards
    double objectiveValue = 0;  // in the problem's own sense (Optimal only)
    long iterations = 0;        // primal + dual iterations of the run
    long nodes = 0;             // branch-and-bound nodes solved
    bool optimal() const { return status == EngineStatus::Optimal; }
};

namespace LP_Engine {

inline constexpr const char* kNoFeasibleSolution = "No Feasible Solution";
inline constexpr const char* kUnbounded = "Problem is Unbounded.";
inline constexpr const char* kSolutionTitle = "Solution";

// Solves the program held in lp (input as the store of the input screen leaves
// it). integerLP = 1 reads the integer section and runs branch and bound.
// The matrix is changed in place (row 0 in maximization form, added columns),
// so every run needs a freshly stored matrix.
EngineResult Solve(LPBlock& lp, int integerLP, const EngineLimits& limits = {});

// The same on the shared state: S().lp with S().intIntegerLP.
EngineResult Solve(const EngineLimits& limits = {});

}  // namespace LP_Engine
}  // namespace qv
