#pragma once
// The solution of a linear or integer program as text: the solution window's lines
// and the pieces the printed report shares with them (number fields, the
// sensitivity ranging). Everything reads the final state of an optimal engine run.
//
// Trailing blanks, one rule for every LP line (window, printer and text file alike):
// a line ends with its last field. Blanks are written only to bring the next field
// to its column, so a row never ends in padding of its own (an integer program's
// rows stop after the value). Fixed headings are written exactly as given, their
// blanks included.
#include <string>
#include <vector>

#include "lp/core/LPBlock.h"

namespace QVLP {

inline constexpr double kRangeInfinity = 1e15;     // a side of a range that keeps it has no limit
inline constexpr double kDisplayTolerance = 1e-4;  // shown as 0 below; ratio tests need more

inline constexpr const char* kNoLowerLimit = " No Lower Limit";
inline constexpr const char* kNoUpperLimit = " No Upper Limit";

// Header pairs.
inline constexpr const char* kVariablesHeaderLP = "      Variable             Value             Reduced Costs   ";
inline constexpr const char* kVariablesRuleLP = "   --------------     ---------------      ------------------ ";
inline constexpr const char* kVariablesHeaderIP = "      Variable             Value";
inline constexpr const char* kVariablesRuleIP = "   --------------     ---------------  ";
inline constexpr const char* kConstraintsHeaderLP = "     Constraint        Slack/Surplus           Dual Prices    ";
inline constexpr const char* kConstraintsRuleLP = "   --------------     ---------------      ------------------";
inline constexpr const char* kConstraintsHeaderIP = "     Constraint        Slack/Surplus";
inline constexpr const char* kConstraintsRuleIP = "   --------------     --------------- ";
inline constexpr const char* kObjectiveRangesHeader = "   Variable       Lower Limit       Current Value     Upper Limit";
inline constexpr const char* kRhsRangesHeader = "  Constraint      Lower Limit       Current Value     Upper Limit";
inline constexpr const char* kRangesRule = " ------------   ---------------    ---------------  ---------------";

// (13 - d) "#", "0.", d "0": 15 characters for d = 0..13.
std::string ReportPattern(int decimals);
// The value through the report pattern (never "-0.000"), right-aligned in w columns.
// A number is never cut: a longer text is returned whole.
std::string NumberField(double v, int decimals, int w);
// Values of magnitude below the display tolerance become 0.
double Clamped(double v);
// Pads with blanks until the line is col characters long. A line that has run past
// col (a wide number) gets one blank, so that two numbers never touch.
void PadTo(std::string& line, int col);

// Cuts decision-variable names to 14 characters in place.
void CutVariableNames(qv::LPBlock& lp);
// Recomputes dblObjectiveValue (maximization form) from the basis and the bounds.
void ComputeObjectiveValue(qv::LPBlock& lp);
// Value shown for decision variable j: its basic value (negatives as 0) or its
// bound; sets intBasisPositions(j) when basic. Clamped.
double VariableValue(qv::LPBlock& lp, int j);
// First column the engine added for constraint i (slack, surplus or the artificial
// of an "=" row), and the slack or surplus shown for it (clamped).
int ConstraintColumn(const qv::LPBlock& lp, int i);
double SlackSurplus(const qv::LPBlock& lp, int i);
// Overwrites rows 1..m of every column with B^-1 a_k (linear programs).
void TransformColumns(qv::LPBlock& lp);

// One line of a ranging table, in the problem's own sign. A side without a limit
// has its flag set and its value unused.
struct Range {
    bool noLower = false;
    bool noUpper = false;
    double lower = 0;
    double current = 0;
    double upper = 0;
};
// Objective-coefficient range of decision variable j. Needs the transformed
// columns and intBasisPositions; for a basic j it sets positive reduced costs to 0.
Range ObjectiveRange(qv::LPBlock& lp, int j);
// Right-hand-side range of constraint i; needs the transformed columns.
Range RhsRange(const qv::LPBlock& lp, int i);

// The whole window text of a solved program (integerLP 1: no ranging), changing
// the shared LP state as the window procedure does (names cut, objective value,
// basis positions, transformed columns, reset reduced costs).
std::vector<std::string> BuildLPSolutionLines(qv::LPBlock& lp, int integerLP);
// The same on the shared state: S().lp with S().intIntegerLP.
std::vector<std::string> BuildLPSolutionLines();

}  // namespace QVLP
