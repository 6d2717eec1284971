#pragma once
// The check pass that Save Problem and Solve run over the input grids before they
// go on (FrmMenu::CheckProblemData). It reads the grids of the home screens by their
// design names and validates their cells through qv::cellValidators().
#include <string>

namespace qv {

inline constexpr const char* kCheckingCaption = "Checking Problem Data. . .";
inline constexpr const char* kZeroFillText = "Problem is incomplete.  Zeroes will be entered for empty cells";
inline constexpr const char* kZeroFillTitle = "Problem Incomplete";

// A probability row is accepted from 0.9990001 to 1.001, both ends included.
bool probabilitySumAccepted(double sum);

// The warning texts of a probability row that does not sum to 1.
std::string markovSumMessage(double sum);
// grid 1: states of nature (count = intNatureStateCount); grid 2: indicator outcomes.
std::string decisionSumMessage(int grid, int count, double sum);

}  // namespace qv
