#pragma once
// The five waiting-line models: their operating characteristics, the solution
// window's lines and the report. Plain data in and out; QVWait moves it to the
// windows and the printer.
#include <string>
#include <vector>

#include "platform/core/Array.h"
#include "platform/core/Report.h"
#include "waiting/core/WaitingBlock.h"

namespace QVWait {

inline constexpr int kMaxTableRows = 100;

// What the solve needs besides the block: the shared cost per unit and P(n) table
// (column 0, n = 0..200).
struct SharedInputs {
    double costPerUnit = 0;
    pf::Array2<double>* probabilityTable = nullptr;
};

// The inputs the models cannot evaluate (the form's checks can be bypassed by a file
// or by Cancel): the message that names the first fault, or "" when the problem can
// be solved. A model code outside 1 to 5 is not reported here; see IsKnownModel.
std::string UnsolvableReason(const qv::WaitingBlock& wl);
bool IsKnownModel(int model);

// Computes the model's results into the block and the table. A result that is not a
// finite number, the total cost the solution shows included, raises the overflow error
// and leaves the block and the table as they were.
void SolveModel(qv::WaitingBlock& wl, pf::Array2<double>& table, double costPerUnit);

// The solution window's rows, its first row included.
std::vector<std::string> SolutionLines(const qv::WaitingBlock& wl, double costPerUnit,
                                       const pf::Array2<double>& table);

// The report; toFile adds the one line that only the text file has.
void PrintWaitingLineReport(const qv::WaitingBlock& wl, double costPerUnit, const pf::Array2<double>& table,
                            bool toFile, pf::ReportSink& out);

// Messages shared by the input form and the solve's own guard.
inline constexpr const char* kChannelRange = "THE NUMBER OF CHANNELS MUST BE BETWEEN 1 AND 25.  PLEASE TRY AGAIN.";
inline constexpr const char* kPopulationLow = "THE POPULATION SIZE MUST BE AT LEAST 1.";
inline constexpr const char* kPopulationHigh = "THE MAXIMUM POPULATION SIZE FOR THIS MODEL IS 30.";
inline constexpr const char* kMeanPositive = "THE MEAN MUST BE POSITIVE.  PLEASE TRY AGAIN.";
std::string CapacityMessage(double capacity);

}  // namespace QVWait
