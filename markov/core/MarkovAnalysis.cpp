#include "markov/core/MarkovAnalysis.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "platform/core/Format.h"

namespace Markov {

namespace {

using Matrix = std::vector<std::vector<double>>;

int stateCount(const qv::MarkovBlock& mk) { return static_cast<int>(mk.intStateCount.num()); }

double P(const qv::MarkovBlock& mk, int i, int j) { return mk.dblTransitionMatrix(i, j).num(); }

std::string label(const qv::MarkovBlock& mk, int state) {
    return pf::FormatText(std::to_string(mk.intStateLabels(state)), "@@");
}

std::string probability7(double v) { return pf::RightAlignNumber(pf::Format(v, "##0.000"), 7); }
std::string probability5(double v) { return pf::RightAlignNumber(pf::Format(v, "0.000"), 5); }

// Solves A X = B in place by Gauss-Jordan elimination with partial pivoting; false
// when a pivot vanishes (the system has no single solution).
bool gaussJordan(Matrix& a, Matrix& b) {
    const std::size_t n = a.size();
    for (std::size_t c = 0; c < n; ++c) {
        std::size_t pivot = c;
        for (std::size_t r = c + 1; r < n; ++r)
            if (std::fabs(a[r][c]) > std::fabs(a[pivot][c])) pivot = r;
        if (std::fabs(a[pivot][c]) < 1e-10) return false;
        std::swap(a[pivot], a[c]);
        std::swap(b[pivot], b[c]);
        const double d = a[c][c];
        for (double& x : a[c]) x /= d;
        for (double& x : b[c]) x /= d;
        for (std::size_t r = 0; r < n; ++r) {
            if (r == c || a[r][c] == 0) continue;
            const double f = a[r][c];
            for (std::size_t k = 0; k < n; ++k) a[r][k] -= f * a[c][k];
            for (std::size_t k = 0; k < b[r].size(); ++k) b[r][k] -= f * b[c][k];
        }
    }
    return true;
}

// Rounding leaves tiny excursions outside 0..1.
double clampProbability(double v) { return std::min(1.0, std::max(0.0, v)); }

// Runs the iteration from the start vector already in dblStateDistribution.
// Returns true when the run settled.
bool iterate(qv::MarkovBlock& mk, int n) {
    bool settled = false;
    PowerIteration(mk, n, settled);
    return settled;
}

// "  STATE  " and seven characters a column; the underline below it.
std::string columnHeadings(const qv::MarkovBlock& mk, const pf::Array<int>& states, int count) {
    std::string s = "  STATE  ";
    for (int k = 1; k <= count; ++k) s += "   " + label(mk, states(k)) + "  ";
    return s;
}

std::string underline(int count) {
    std::string s = "  *****  ";
    for (int k = 1; k <= count; ++k) s += "  *****";
    return s;
}

std::string absorptionRow(const qv::MarkovBlock& mk, const pf::Array2<double>& table, int k) {
    std::string row = "   " + label(mk, mk.intNonabsorbingStates(k)) + "    ";
    for (int c = 1; c <= mk.intAbsorbingCount; ++c) row += probability7(table(k, c));
    return row;
}

std::string steadyStateRow(const qv::MarkovBlock& mk, int i) {
    return pf::Spaces(12) + label(mk, i) + pf::Spaces(12) + probability5(mk.dblStateDistribution(i));
}

void appendTableLines(const qv::MarkovBlock& mk, const pf::Array2<double>& table,
                      std::vector<std::string>& lines) {
    const int a = mk.intAbsorbingCount, r = mk.intNonabsorbingCount;
    lines.push_back(AbsorbingHeading(a));
    if (a < 10) lines.push_back(columnHeadings(mk, mk.intAbsorbingStates, a));
    lines.push_back(underline(a));
    for (int k = 1; k <= r; ++k) {
        if (k == 1 || r <= 4) lines.emplace_back();
        lines.push_back(absorptionRow(mk, table, k));
    }
}

}  // namespace

void InitMarkovArrays(qv::MarkovBlock& mk, pf::Array2<double>& probabilityTable) {
    const int u = qv::MarkovBlock::kMaxStates;
    mk.dblNextDistribution.ReDim(u);
    mk.intAbsorbingStates.ReDim(u);
    mk.intNonabsorbingStates.ReDim(u);
    mk.dblStateDistribution.ReDim(u);
    mk.intStateLabels.ReDim(u);
    mk.dblTransitionMatrix.ReDim(u, u);
    mk.strTransitionTexts.ReDim(u, u);
    probabilityTable.ReDim(u, u);
    for (int i = 1; i <= u; ++i) mk.intStateLabels(i) = i;
    mk.intAbsorbingCount = 0;
    mk.intNonabsorbingCount = 0;
    mk.blnShowsUnsettledValues = false;
}

int PowerIteration(qv::MarkovBlock& mk, int n, bool& settled) {
    auto& d = mk.dblStateDistribution;
    auto& next = mk.dblNextDistribution;
    settled = false;
    int pass = 0;
    while (pass < kMaxPasses) {
        ++pass;
        for (int j = 1; j <= n; ++j) next(j) = 0;
        for (int i = 1; i <= n; ++i)
            for (int c = 1; c <= n; ++c) next(i) = next(i) + d(c) * P(mk, c, i);
        bool changed = false;
        for (int j = 1; j <= n; ++j) {
            if (std::fabs(d(j) - next(j)) > kSettleTolerance) changed = true;
            d(j) = next(j);
        }
        if (!changed) {
            settled = true;
            break;
        }
    }
    return pass;
}

bool RowsSumToOne(const qv::MarkovBlock& mk, int n) {
    for (int i = 1; i <= n; ++i) {
        double sum = 0;
        for (int j = 1; j <= n; ++j) sum += P(mk, i, j);
        if (std::fabs(sum - 1) > 1e-9) return false;
    }
    return true;
}

bool ExactAbsorption(const qv::MarkovBlock& mk, int start, std::vector<double>& out) {
    const int n = stateCount(mk);
    const int a = mk.intAbsorbingCount;
    out.assign(static_cast<std::size_t>(a), 0.0);
    // States from which some absorbing state can be reached through positive entries.
    std::vector<bool> reaches(static_cast<std::size_t>(n) + 1, false);
    for (int k = 1; k <= a; ++k) reaches[static_cast<std::size_t>(mk.intAbsorbingStates(k))] = true;
    for (bool grew = true; grew;) {
        grew = false;
        for (int i = 1; i <= n; ++i) {
            if (reaches[static_cast<std::size_t>(i)]) continue;
            for (int j = 1; j <= n; ++j)
                if (P(mk, i, j) > 0 && reaches[static_cast<std::size_t>(j)]) {
                    reaches[static_cast<std::size_t>(i)] = true;
                    grew = true;
                    break;
                }
        }
    }
    if (!reaches[static_cast<std::size_t>(start)]) return true;  // never absorbed

    // (I - Q) B = R over the nonabsorbing states that can be absorbed; the others
    // contribute nothing, as a unit that enters them is never absorbed.
    std::vector<int> transient;
    for (int k = 1; k <= mk.intNonabsorbingCount; ++k) {
        const int s = mk.intNonabsorbingStates(k);
        if (reaches[static_cast<std::size_t>(s)]) transient.push_back(s);
    }
    const std::size_t t = transient.size();
    Matrix lhs(t, std::vector<double>(t, 0.0));
    Matrix rhs(t, std::vector<double>(static_cast<std::size_t>(a), 0.0));
    std::size_t row = 0;
    for (std::size_t r = 0; r < t; ++r) {
        if (transient[r] == start) row = r;
        for (std::size_t c = 0; c < t; ++c)
            lhs[r][c] = (r == c ? 1.0 : 0.0) - P(mk, transient[r], transient[c]);
        for (int k = 1; k <= a; ++k)
            rhs[r][static_cast<std::size_t>(k - 1)] = P(mk, transient[r], mk.intAbsorbingStates(k));
    }
    if (!gaussJordan(lhs, rhs)) return false;
    for (int k = 0; k < a; ++k)
        out[static_cast<std::size_t>(k)] = clampProbability(rhs[row][static_cast<std::size_t>(k)]);
    return true;
}

bool ExactSteadyState(const qv::MarkovBlock& mk, std::vector<double>& out) {
    const std::size_t n = static_cast<std::size_t>(stateCount(mk));
    // pi (P - I) = 0 transposed; one equation is implied by the others (rows sum to 1)
    // and gives way to sum(pi) = 1. A second closed class leaves the system singular.
    Matrix a(n, std::vector<double>(n, 0.0));
    Matrix b(n, std::vector<double>(1, 0.0));
    for (std::size_t j = 0; j < n; ++j)
        for (std::size_t i = 0; i < n; ++i)
            a[j][i] = P(mk, static_cast<int>(i) + 1, static_cast<int>(j) + 1) - (i == j ? 1.0 : 0.0);
    for (std::size_t i = 0; i < n; ++i) a[n - 1][i] = 1.0;
    b[n - 1][0] = 1.0;
    if (!gaussJordan(a, b)) return false;
    out.resize(n);
    for (std::size_t i = 0; i < n; ++i) out[i] = clampProbability(b[i][0]);
    return true;
}

void AnalyzeChain(qv::MarkovBlock& mk, pf::Array2<double>& table) {
    const int n = stateCount(mk);
    mk.blnShowsUnsettledValues = false;

    for (int i = 1; i <= n; ++i) {
        mk.intAbsorbingStates(i) = 0;
        mk.intNonabsorbingStates(i) = 0;
    }
    mk.intAbsorbingCount = 0;
    mk.intNonabsorbingCount = 0;
    for (int i = 1; i <= n; ++i) {
        if (P(mk, i, i) < 1)
            mk.intNonabsorbingStates(++mk.intNonabsorbingCount) = i;
        else
            mk.intAbsorbingStates(++mk.intAbsorbingCount) = i;
    }

    const bool exactAllowed = RowsSumToOne(mk, n);
    if (mk.intAbsorbingCount > 0) {
        for (int k = 1; k <= mk.intNonabsorbingCount; ++k) {
            const int s = mk.intNonabsorbingStates(k);
            for (int j = 1; j <= n; ++j) mk.dblStateDistribution(j) = j == s ? 1 : 0;
            const bool settled = iterate(mk, n);
            std::vector<double> exact;
            if (!settled && exactAllowed && ExactAbsorption(mk, s, exact)) {
                for (int a = 1; a <= mk.intAbsorbingCount; ++a)
                    table(k, a) = exact[static_cast<std::size_t>(a - 1)];
                continue;
            }
            if (!settled) mk.blnShowsUnsettledValues = true;
            for (int a = 1; a <= mk.intAbsorbingCount; ++a)
                table(k, a) = mk.dblStateDistribution(mk.intAbsorbingStates(a));
        }
    } else {
        for (int j = 1; j <= n; ++j) mk.dblStateDistribution(j) = 1.0 / n;
        const bool settled = iterate(mk, n);
        std::vector<double> exact;
        if (!settled && exactAllowed && ExactSteadyState(mk, exact)) {
            for (int j = 1; j <= n; ++j) mk.dblStateDistribution(j) = exact[static_cast<std::size_t>(j - 1)];
        } else if (!settled) {
            mk.blnShowsUnsettledValues = true;
        }
    }
}

std::string AbsorbingHeading(int absorbingCount) {
    static const int kBlanks[] = {3, 3, 3, 6, 10, 13, 17, 20, 24, 27, 31};
    const int k = std::clamp(absorbingCount, 0, 10);
    return "  START" + pf::Spaces(kBlanks[k]) + "ABSORBING STATE";
}

std::string TransitionHeading(int stateCount) {
    static const int kBlanks[] = {4, 4, 4, 4, 8, 11, 15, 18, 22, 25, 29};
    const int k = std::clamp(stateCount, 0, 10);
    return "  START" + pf::Spaces(kBlanks[k]) + "TRANSITION TO STATE";
}

std::vector<std::string> SolutionLines(const qv::MarkovBlock& mk, const pf::Array2<double>& table) {
    const int n = stateCount(mk);
    std::vector<std::string> lines;
    if (mk.intAbsorbingCount > 0) {
        if (mk.intAbsorbingCount == 1) {
            lines.emplace_back();
            lines.emplace_back();
            lines.emplace_back("THE MARKOV PROCESS YOU HAVE DESCRIBED HAS ONE ABSORBING STATE!");
            lines.emplace_back();
            lines.push_back("    The absorbing state is state " +
                            std::to_string(mk.intStateLabels(mk.intAbsorbingStates(1))));
            lines.emplace_back();
            lines.emplace_back("    All units will end up in this absorbing state.");
            lines.emplace_back();
        }
        lines.push_back("THE MARKOV PROCESS HAS " + std::to_string(mk.intAbsorbingCount) + " ABSORBING STATES");
        lines.push_back(pf::Repeat('*', 41));
        lines.emplace_back();
        lines.emplace_back("        THE ABSORBING STATES ARE");
        lines.emplace_back("        ------------------------");
        lines.emplace_back();
        for (int k = 1; k <= mk.intAbsorbingCount; ++k)
            lines.push_back(pf::Spaces(19) + label(mk, mk.intAbsorbingStates(k)));
        lines.emplace_back();
        lines.emplace_back("    The following table provides the probabilities that units currently in");
        lines.emplace_back("    nonabsorbing states will be absorbed by each of the absorbing states.");
        lines.emplace_back();
        lines.emplace_back("PROBABILITY OF ENDING IN EACH ABSORBING STATE");
        lines.push_back(pf::Repeat('*', 45));
        lines.emplace_back();
        appendTableLines(mk, table, lines);
    } else {
        lines.emplace_back("THE STEADY STATE PROBABILITIES ARE AS FOLLOWS:");
        lines.push_back(pf::Repeat('*', 46));
        lines.emplace_back();
        lines.emplace_back("           STATE       PROBABILITY");
        lines.emplace_back("           *****       ***********");
        lines.emplace_back();
        for (int i = 1; i <= n; ++i) {
            lines.push_back(steadyStateRow(mk, i));
            if (n < 6) lines.emplace_back();
        }
    }
    if (mk.blnShowsUnsettledValues) {
        lines.emplace_back();
        lines.emplace_back(kUnsettledNote1);
        lines.emplace_back(kUnsettledNote2);
    }
    return lines;
}

void PrintMarkovSolution(const qv::MarkovBlock& mk, const pf::Array2<double>& table, pf::ReportSink& out) {
    const int n = stateCount(mk);
    auto blank = [&out] { out.endLine(); };
    auto note = [&] {
        if (!mk.blnShowsUnsettledValues) return;
        blank();
        out.line(kUnsettledNote1);
        out.line(kUnsettledNote2);
    };

    out.line("MARKOV PROCESSES");
    out.line(pf::Repeat('*', 16));
    blank();
    blank();
    out.line("YOU HAVE INPUT THE FOLLOWING TRANSITION PROBABILITIES:");
    out.line(pf::Repeat('*', 54));
    blank();
    out.line(TransitionHeading(n));
    out.text(columnHeadings(mk, mk.intStateLabels, n));
    // Ten columns of headings run on into the underline.
    if (n < 10) out.endLine();
    out.line(underline(n));
    for (int i = 1; i <= n; ++i) {
        if (i == 1 || n <= 4) blank();
        out.text("   " + label(mk, i) + "    ");
        for (int j = 1; j <= n; ++j) out.text(probability7(P(mk, i, j)));
        out.endLine();
    }
    blank();
    blank();

    const int a = mk.intAbsorbingCount, r = mk.intNonabsorbingCount;
    if (a > 1) {
        blank();
        out.line("PROBABILITY OF ENDING IN EACH ABSORBING STATE");
        out.line(pf::Repeat('*', 45));
        blank();
        out.line(AbsorbingHeading(a));
        out.text(columnHeadings(mk, mk.intAbsorbingStates, a));
        if (a < 10) out.endLine();
        out.line(underline(a));
        for (int k = 1; k <= r; ++k) {
            if (k == 1 || r <= 4) blank();
            out.line(absorptionRow(mk, table, k));
        }
        note();
    } else if (a == 1) {
        blank();
        blank();
        out.line("THE MARKOV PROCESS YOU HAVE DESCRIBED HAS ONE ABSORBING STATE!");
        blank();
        out.text("    The absorbing state is state");
        out.text(pf::PrintedNumber(mk.intStateLabels(mk.intAbsorbingStates(1))));
        out.endLine();
        blank();
        out.line("    All units will end up in this absorbing state.");
        blank();
    } else {
        blank();
        out.line("THE STEADY STATE PROBABILITIES ARE AS FOLLOWS:");
        out.line(pf::Repeat('*', 46));
        blank();
        out.line("           STATE       PROBABILITY");
        out.line("           *****       ***********");
        blank();
        for (int i = 1; i <= n; ++i) {
            out.line(steadyStateRow(mk, i));
            if (n < 6) blank();
        }
        note();
        blank();
        blank();
    }
}

}  // namespace Markov
