#include "lp/core/LPSolution.h"

#include <cmath>

#include "platform/core/Format.h"
#include "shell/core/State.h"

namespace QVLP {

std::string ReportPattern(int decimals) {
    return pf::Repeat('#', 13 - decimals) + "0." + pf::Repeat('0', decimals);
}

std::string NumberField(double v, int decimals, int w) {
    return pf::RightAlignNumber(pf::Format(v, ReportPattern(decimals)), w);
}

double Clamped(double v) { return std::fabs(v) < kDisplayTolerance ? 0.0 : v; }

void PadTo(std::string& line, int col) {
    const std::size_t c = col < 0 ? 0 : static_cast<std::size_t>(col);
    if (line.size() < c)
        line.append(c - line.size(), ' ');
    else if (line.size() > c && line.back() != ' ')
        line += ' ';
}

void CutVariableNames(qv::LPBlock& lp) {
    for (int j = 1; j <= lp.intVariableCount; ++j) {
        std::string& name = lp.strVariableNames(j);
        if (name.size() > 14) name.resize(14);
    }
}

void ComputeObjectiveValue(qv::LPBlock& lp) {
    double v = 0;
    for (int r = 1; r <= lp.intConstraintCount; ++r)
        v += lp.dblPhaseCosts(lp.intBasisColumns(r)) * lp.dblBasicValues(r);
    for (int j = 1; j <= lp.intColumnCount; ++j) {
        if (lp.intColumnStatuses(j) == -1)
            v += lp.dblPhaseCosts(j) * lp.dblLowerBounds(j);
        else if (lp.intColumnStatuses(j) == 1)
            v += lp.dblPhaseCosts(j) * lp.dblUpperBounds(j);
    }
    lp.dblObjectiveValue = v;
}

namespace {

// Last basis position holding column k, 0 when it is not basic.
int BasisPosition(const qv::LPBlock& lp, int k) {
    int pos = 0;
    for (int r = 1; r <= lp.intConstraintCount; ++r)
        if (lp.intBasisColumns(r) == k) pos = r;
    return pos;
}

}  // namespace

double VariableValue(qv::LPBlock& lp, int j) {
    if (const int r = BasisPosition(lp, j); r > 0) {
        lp.intBasisPositions(j) = r;
        const double v = lp.dblBasicValues(r);
        return Clamped(v < 0 ? 0.0 : v);
    }
    return Clamped(lp.intColumnStatuses(j) == -1 ? lp.dblLowerBounds(j) : lp.dblUpperBounds(j));
}

int ConstraintColumn(const qv::LPBlock& lp, int i) {
    int before = 0;
    for (int k = 1; k < i; ++k)
        if (lp.intConstraintRelations(k) == 4) ++before;
    return lp.intVariableCount + i + before;
}

double SlackSurplus(const qv::LPBlock& lp, int i) {
    const int r = BasisPosition(lp, ConstraintColumn(lp, i));
    if (r == 0) return 0.0;
    const double v = lp.dblBasicValues(r);
    return Clamped(v < 0 ? 0.0 : v);
}

void TransformColumns(qv::LPBlock& lp) {
    const int m = lp.intConstraintCount;
    for (int k = 1; k <= lp.intColumnCount; ++k) {
        for (int i = 1; i <= m; ++i) {
            double p = 0;
            for (int j = 1; j <= m; ++j) p += lp.dblBasisLInverse(i, j) * lp.dblProblemMatrix(j, k).num();
            lp.dblPartialColumn(i) = p;
        }
        for (int i = m; i >= 1; --i) {
            double t = lp.dblPartialColumn(i);
            for (int l = i + 1; l <= m; ++l) t -= lp.dblBasisUMatrix(i, l) * lp.dblTransformedColumn(l);
            t /= lp.dblBasisUMatrix(i, i);
            lp.dblTransformedColumn(i) = t;
        }
        for (int i = 1; i <= m; ++i) lp.dblProblemMatrix(i, k) = lp.dblTransformedColumn(i);
    }
}

Range ObjectiveRange(qv::LPBlock& lp, int j) {
    const double cj = lp.dblProblemMatrix(0, j).num();
    const bool minimize = lp.intOptimizationType == 1;
    Range g;
    g.current = Clamped(minimize ? -cj : cj);
    if (lp.intColumnKinds(j) < 0) {
        const double dj = lp.dblReducedCosts(j);
        if (minimize) {
            g.lower = Clamped(dj - cj);
            g.noUpper = true;
        } else {
            g.noLower = true;
            g.upper = Clamped(cj - dj);
        }
        return g;
    }
    int r = lp.intBasisPositions(j);
    if (r == 0) r = BasisPosition(lp, j);
    double up = kRangeInfinity, low = -kRangeInfinity;
    for (int k = 1; k <= lp.intColumnCount; ++k) {
        if (lp.dblReducedCosts(k) > 0) lp.dblReducedCosts(k) = 0;
        const int kind = lp.intColumnKinds(k);
        if (kind >= 0 || kind == -4) continue;
        const double a = lp.dblProblemMatrix(r, k).num();
        const double dk = lp.dblReducedCosts(k);
        if (a < -kDisplayTolerance && dk / a < up)
            up = dk / a;
        else if (a > kDisplayTolerance && dk / a > low)
            low = dk / a;
    }
    if (minimize) {
        g.noLower = up >= kRangeInfinity;
        g.lower = Clamped(-up - cj);
        g.noUpper = low <= -kRangeInfinity;
        g.upper = Clamped(-low - cj);
    } else {
        g.noLower = low <= -kRangeInfinity;
        g.lower = Clamped(cj + low);
        g.noUpper = up >= kRangeInfinity;
        g.upper = Clamped(cj + up);
    }
    return g;
}

Range RhsRange(const qv::LPBlock& lp, int i) {
    const int s = lp.intRowSlackColumns(i);
    double up = kRangeInfinity, low = -kRangeInfinity;
    for (int r = 1; r <= lp.intConstraintCount; ++r) {
        double v = lp.dblBasicValues(r);
        if (v < 0) v = 0;
        const double a = lp.dblProblemMatrix(r, s).num();
        if (a > kDisplayTolerance && v / a < up)
            up = v / a;
        else if (a < -kDisplayTolerance && v / a > low)
            low = v / a;
    }
    const double b = lp.dblProblemMatrix(i, 0).num();
    Range g;
    g.noLower = !(up < kRangeInfinity);
    g.lower = Clamped(b - up);
    g.current = Clamped(b);
    g.noUpper = !(-low < kRangeInfinity);
    g.upper = Clamped(b - low);
    return g;
}

namespace {

// Columns 1-22 of a variable row: the name centred in 14 after three blanks.
std::string VariableNameField(const std::string& name) {
    const int len = static_cast<int>(name.size());
    std::string s = "   " + pf::Spaces((14 - len) / 2) + name;
    PadTo(s, 22);
    return s;
}

// Columns 1-16 of an objective-range row: the name centred in 12 after one blank.
std::string RangeNameField(const std::string& name) {
    const int len = static_cast<int>(name.size());
    std::string s = " " + pf::Spaces((12 - len) / 2) + name;
    PadTo(s, 16);
    return s;
}

// The three limit fields of a window ranging row, from column 17.
void AppendWindowLimits(std::string& line, const Range& g, int d) {
    line += g.noLower ? std::string(kNoLowerLimit) : NumberField(g.lower, d, 15);
    PadTo(line, 35);
    line += NumberField(g.current, d, 14);
    PadTo(line, 52);
    line += g.noUpper ? std::string(kNoUpperLimit) : NumberField(g.upper, d, 15);
}

}  // namespace

std::vector<std::string> BuildLPSolutionLines(qv::LPBlock& lp, int integerLP) {
    const int m = lp.intConstraintCount;
    const int n = lp.intVariableCount;
    const int d = lp.intReportDecimals;
    const bool linear = integerLP == 0;
    std::vector<std::string> out;

    CutVariableNames(lp);
    ComputeObjectiveValue(lp);
    out.emplace_back("Optimal Solution");
    const double shown = lp.intOptimizationType == 1 ? -lp.dblObjectiveValue : lp.dblObjectiveValue;
    out.push_back("Objective Function Value = " + NumberField(shown, d, 15));
    out.emplace_back();

    out.emplace_back(linear ? kVariablesHeaderLP : kVariablesHeaderIP);
    out.emplace_back(linear ? kVariablesRuleLP : kVariablesRuleIP);
    for (int j = 1; j <= n; ++j) {
        std::string line = VariableNameField(lp.strVariableNames(j)) + NumberField(VariableValue(lp, j), d, 14);
        if (linear) {
            PadTo(line, 43);
            line += NumberField(std::fabs(lp.dblReducedCosts(j)), d, 16);
        }
        out.push_back(line);
    }
    out.emplace_back();
    if (n + m > 12) out.insert(out.end(), 2, std::string());

    out.emplace_back(linear ? kConstraintsHeaderLP : kConstraintsHeaderIP);
    out.emplace_back(linear ? kConstraintsRuleLP : kConstraintsRuleIP);
    for (int i = 1; i <= m; ++i) {
        std::string line = pf::Spaces(9) + " " + std::to_string(i);
        PadTo(line, 22);
        line += NumberField(SlackSurplus(lp, i), d, 14);
        if (linear) {
            PadTo(line, 43);
            line += NumberField(Clamped(lp.dblDualPrices(i)), d, 16);
        }
        out.push_back(line);
    }
    if (!linear) return out;

    TransformColumns(lp);
    out.insert(out.end(), 2, std::string());
    out.emplace_back("OBJECTIVE COEFFICIENT RANGES");
    out.emplace_back();
    out.emplace_back(kObjectiveRangesHeader);
    out.emplace_back(kRangesRule);
    for (int j = 1; j <= n; ++j) {
        std::string line = RangeNameField(lp.strVariableNames(j));
        AppendWindowLimits(line, ObjectiveRange(lp, j), d);
        out.push_back(line);
    }
    out.emplace_back();
    out.emplace_back("RIGHT HAND SIDE RANGES");
    out.emplace_back();
    out.emplace_back(kRhsRangesHeader);
    out.emplace_back(kRangesRule);
    for (int i = 1; i <= m; ++i) {
        std::string line = pf::Spaces(5) + pf::RightAlignNumber(std::to_string(i), 3);
        PadTo(line, 16);
        AppendWindowLimits(line, RhsRange(lp, i), d);
        out.push_back(line);
    }
    return out;
}

std::vector<std::string> BuildLPSolutionLines() { return BuildLPSolutionLines(qv::S().lp, qv::S().intIntegerLP); }

}  // namespace QVLP
