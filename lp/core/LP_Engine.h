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
//                     (one simplex run met its iteration guard, or a
//                     linear program used up the work budget)
//   NodeLimit         "Solution" / information / limit text (message)     disabled
//                     (an integer program used up the work budget)
//   ArithmeticFailure "Error # " + errorNumber / critical / error text     disabled
//                     (the error reporter's box, as for any run-time failure of Solve)
//
// In every case the caller restores the cursor and the status caption.
#include <functional>
#include <string>

#include "lp/core/LPBlock.h"

namespace qv {

// Last-resort limits of one run; tests pass small ones.
//
// The work budget counts what a run computes (roughly the multiply-adds of
// its pricing, factor and node set-up steps, plus a fixed amount per
// iteration), not iterations or nodes, so a node of an 8x12 program costs a
// small fraction of one of 50x100. A unit takes 0.32 to 0.44 ns on the
// development machine from 4x6 to 50x100 programs: the default lets every run
// that needs up to about seven seconds there finish, and ends every longer one
// within about ten.
//
// The run guard bounds the iterations of one primal or one dual simplex run.
// Both loops end by their anti-cycling rules long before it; meeting it means
// a fault, and ends the run rather than freezing the window.
struct EngineLimits {
    long long workBudget = 22'000'000'000LL;
    long runIterationGuard = 0;  // 0: 5000 + 50 x (rows + columns) of the problem
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
    long long work = 0;         // work counted against the budget
    long longestPrimalRun = 0;  // most iterations of one primal simplex run
    long longestDualRun = 0;    // most iterations of one dual simplex run
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
// onNode, when given, is called after every node LP of a search with the
// engine's state as the node's simplex left it (basis, values, bounds, the
// last pricing) and whether the node LP was solved to its optimum.
using NodeObserver = std::function<void(const LPBlock& lp, bool optimal)>;
EngineResult Solve(LPBlock& lp, int integerLP, const EngineLimits& limits = {},
                   const NodeObserver& onNode = {});

// The same on the shared state: S().lp with S().intIntegerLP.
EngineResult Solve(const EngineLimits& limits = {});

}  // namespace LP_Engine
}  // namespace qv
