#pragma once
// Reads the objective and constraint lines of the text model back into the LP
// arrays after an LP problem file has been read.
#include <string>

#include "lp/core/LPBlock.h"

namespace QVLP {

// Most decision variables and constraints a linear program may have.
inline constexpr int kMaxVariables = 100;
inline constexpr int kMaxConstraints = 50;

// Outcome of a parse. When ok is false the caller shows the message box (icon is
// the message-box style, 16 = critical, with an OK button) and must not lay the
// problem out: the arrays then hold whatever was read before the refusal.
struct ParseResult {
    bool ok = true;
    std::string messageTitle;
    std::string messageText;
    int icon = 0;
};

// Parses text model lines 2 .. intConstraintCount + 2 into intVariableCount,
// strVariableNames, dblProblemMatrix, intConstraintRelations and
// intOptimizationType, and raises intReportDecimals / intRoundDigits by the
// coefficient texts. The caller has re-created the arrays (InitLPArrays) and set
// intConstraintCount and the lines.
//
// Refused (ok false, never reading or writing outside the arrays):
//  - more than 50 constraints, or fewer than 1;
//  - a 101st distinct variable name;
//  - a line that does not read as a term list: a coefficient or right-hand side
//    that is not a number, a relation in the objective line, or an objective
//    naming no variable;
//  - a run-time failure (a number beyond the double range): "Error # " + number.
// "MAX" / "MIN" are keywords only as the first token of the objective line, so
// names such as MAXQ or MINX read back as names.
ParseResult ParseModelLines(qv::LPBlock& lp);
ParseResult ParseModelLines();

}  // namespace QVLP
