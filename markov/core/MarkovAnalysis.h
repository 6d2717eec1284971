#pragma once
// The Markov analysis: absorbing states, absorption or steady-state probabilities by
// repeated multiplication, the solution window's lines and the report. Plain data in,
// plain data out; the procedures in markov/ move it to the windows and the printer.
#include <string>
#include <vector>

#include "markov/core/MarkovBlock.h"
#include "platform/core/Array.h"
#include "platform/core/Report.h"

namespace Markov {

inline constexpr int kMaxPasses = 150;
inline constexpr double kSettleTolerance = 0.00001;

// Empties the block for a new chain: every table 0..10, labels 1 to 10.
void InitMarkovArrays(qv::MarkovBlock& mk, pf::Array2<double>& probabilityTable);

// Multiplies d by P until no element changes by more than the tolerance, at most
// kMaxPasses times. d is dblStateDistribution, the work vector dblNextDistribution.
// Returns the number of passes run; settled tells whether the last one changed nothing.
int PowerIteration(qv::MarkovBlock& mk, int n, bool& settled);

// Sorts the states and computes the absorption table (rows by nonabsorbing state,
// columns by absorbing state) or the steady state into the block. A run that has not
// settled after kMaxPasses passes is computed exactly where the chain allows it;
// otherwise its last values stand and blnShowsUnsettledValues is set.
void AnalyzeChain(qv::MarkovBlock& mk, pf::Array2<double>& probabilityTable);

// Exact results, used when the iteration does not settle. Both return false when the
// answer is not determined (a singular system).
// Absorption probabilities from state `start` into each absorbing state, in list order.
bool ExactAbsorption(const qv::MarkovBlock& mk, int start, std::vector<double>& out);
// The stationary distribution pi P = pi, sum 1, when it is unique.
bool ExactSteadyState(const qv::MarkovBlock& mk, std::vector<double>& out);

// Every row of the N x N matrix sums to 1 within 1e-9.
bool RowsSumToOne(const qv::MarkovBlock& mk, int n);

// The solution window's lines after its first line "Markov Processes Solution".
std::vector<std::string> SolutionLines(const qv::MarkovBlock& mk, const pf::Array2<double>& probabilityTable);

// The printed report of the chain and the last analysis.
void PrintMarkovSolution(const qv::MarkovBlock& mk, const pf::Array2<double>& probabilityTable,
                         pf::ReportSink& out);

// Heading lines chosen by a count: "  START" ... "ABSORBING STATE" (1 to 10 absorbing
// states) and "  START" ... "TRANSITION TO STATE" (1 to 10 states).
std::string AbsorbingHeading(int absorbingCount);
std::string TransitionHeading(int stateCount);

inline constexpr const char* kSolutionFirstLine = "Markov Processes Solution";
inline constexpr const char* kUnsettledNote1 =
    "    NOTE:  The calculation did not settle within 150 steps.  The values";
inline constexpr const char* kUnsettledNote2 = "    above are those reached at step 150.";

}  // namespace Markov
