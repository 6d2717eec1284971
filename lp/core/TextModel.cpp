#include "lp/core/TextModel.h"

#include "platform/core/Format.h"
#include "shell/core/State.h"

namespace QVLP {

namespace {

void recreateDataArrays(qv::LPBlock& lp) {
    lp.strVariableNames.ReDim(lp.intColumnCapacity);
    lp.dblProblemMatrix.ReDim(lp.intRowCapacity, lp.intColumnCapacity);
    lp.intConstraintRelations.ReDim(lp.intRowCapacity);
}

const std::string& textAt(const std::vector<std::string>& row, std::size_t i) {
    static const std::string empty;
    return i < row.size() ? row[i] : empty;
}

}  // namespace

void InitLPArrays(qv::LPBlock& lp) {
    lp.intColumnCapacity = 200;
    lp.intRowCapacity = 50;
    lp.strModelLines.ReDim(kModelLineCapacity);
    recreateDataArrays(lp);
}

void InitLPArrays() { InitLPArrays(qv::S().lp); }

double TextValue(const std::string& text) { return pf::ValLeading(text); }

std::string ObjectiveNumberText(double v) { return pf::EntryNumber(v); }

int DigitsAfterPoint(const std::string& text) {
    std::size_t p = text.find('.');
    if (p == std::string::npos) return -1;
    return static_cast<int>(text.size() - p - 1);
}

void RaiseReportDecimals(qv::LPBlock& lp, const std::string& text) {
    int d = DigitsAfterPoint(text);
    if (d > lp.intReportDecimals) lp.intReportDecimals = d;
}

void StoreInputTexts(qv::LPBlock& lp, int optimizationType,
                     const std::vector<std::string>& names,
                     const std::vector<std::string>& objectiveTexts,
                     const std::vector<std::vector<std::string>>& constraintTexts) {
    // A store may come before any InitLPArrays (capacities still 0): use the
    // program's capacities then, so the arrays are never left too small.
    if (lp.intColumnCapacity <= 0) lp.intColumnCapacity = 200;
    if (lp.intRowCapacity <= 0) lp.intRowCapacity = 50;
    recreateDataArrays(lp);
    if (!lp.strModelLines.dimensioned()) lp.strModelLines.ReDim(kModelLineCapacity);

    const long n = static_cast<long>(names.size());
    const long m = static_cast<long>(constraintTexts.size());

    lp.strObjectiveEchoLine.clear();
    lp.intReportDecimals = 3;
    std::string objective = optimizationType == 1 ? "MIN " : "MAX ";
    std::string echo = objective;

    for (long j = 1; j <= n; ++j) {
        const std::string& t = textAt(objectiveTexts, static_cast<std::size_t>(j - 1));
        lp.dblProblemMatrix(0, j) = TextValue(t);
        RaiseReportDecimals(lp, t);
        lp.strVariableNames(j) = names[static_cast<std::size_t>(j - 1)];
    }
    for (long j = 1; j <= n; ++j) {
        double c = lp.dblProblemMatrix(0, j).num();
        if (c == 0) c = 0.0;  // a typed "-0" must not write "+-0"
        const std::string term = ObjectiveNumberText(c) + lp.strVariableNames(j);
        if (objective.size() > 4 && c >= 0) objective += '+';
        objective += term;
        if (c != 0) {
            if (echo.size() > 4 && c > 0) echo += '+';
            echo += term;
        }
    }
    lp.strModelLines(2) = objective;
    lp.strObjectiveEchoLine = echo;

    for (long i = 1; i <= m; ++i) {
        const std::vector<std::string>& row = constraintTexts[static_cast<std::size_t>(i - 1)];
        std::string line;
        for (long j = 1; j <= n; ++j) {
            const std::string& t = textAt(row, static_cast<std::size_t>(j - 1));
            double v = t.empty() ? 0.0 : TextValue(t);
            if (v == 0) {
                lp.dblProblemMatrix(i, j) = 0.0;
                continue;
            }
            if (!line.empty() && t[0] != '-') line += '+';
            line += t;
            lp.dblProblemMatrix(i, j) = v;
            RaiseReportDecimals(lp, t);
            line += names[static_cast<std::size_t>(j - 1)];
        }
        const std::string& relation = textAt(row, static_cast<std::size_t>(n));
        line += relation;
        lp.intConstraintRelations(i) = relation == "<" ? 2 : relation == "=" ? 3 : 4;
        const std::string& rhs = textAt(row, static_cast<std::size_t>(n + 1));
        line += rhs;
        lp.dblProblemMatrix(i, 0) = TextValue(rhs);
        RaiseReportDecimals(lp, rhs);
        lp.strModelLines(i + 2) = line;
    }
}

void StoreInputTexts(qv::LPBlock& lp, const std::vector<std::string>& names,
                     const std::vector<std::string>& objectiveTexts,
                     const std::vector<std::vector<std::string>>& constraintTexts) {
    StoreInputTexts(lp, lp.intOptimizationType, names, objectiveTexts, constraintTexts);
}

void StoreInputTexts(const std::vector<std::string>& names,
                     const std::vector<std::string>& objectiveTexts,
                     const std::vector<std::vector<std::string>>& constraintTexts) {
    StoreInputTexts(qv::S().lp, names, objectiveTexts, constraintTexts);
}

}  // namespace QVLP
