#include "lp/core/IntegerSection.h"

#include "shell/core/State.h"

namespace QVLP {

namespace {

// Line of the model, empty beyond its ends (an absent line ends every list).
std::string modelLine(const qv::LPBlock& lp, long p) {
    if (!lp.strModelLines.dimensioned() || p < 0 || p > lp.strModelLines.UBound()) return {};
    return lp.strModelLines(p);
}

bool selected(const std::vector<bool>& flags, int i) {
    return i >= 0 && static_cast<std::size_t>(i) < flags.size() && flags[static_cast<std::size_t>(i)];
}

// First variable 1..n whose name equals the text exactly; 0 for none.
int findVariable(const qv::LPBlock& lp, const std::string& text) {
    int n = lp.intVariableCount;
    if (!lp.strVariableNames.dimensioned()) return 0;
    if (n > lp.strVariableNames.UBound()) n = static_cast<int>(lp.strVariableNames.UBound());
    for (int j = 1; j <= n; ++j)
        if (lp.strVariableNames(j) == text) return j;
    return 0;
}

}  // namespace

void WriteIntegerSection(qv::LPBlock& lp, IntegerChoice choice,
                         const std::vector<bool>& binarySelected,
                         const std::vector<bool>& generalSelected) {
    const long m = lp.intConstraintCount;
    const int n = lp.intVariableCount;
    if (choice == IntegerChoice::AllBinary) {
        lp.strModelLines(m + 3) = "DBI";
        return;
    }
    if (choice == IntegerChoice::AllGeneral) {
        lp.strModelLines(m + 3) = "DIN";
        return;
    }
    lp.strModelLines(m + 3) = "BIN";
    long p = m + 4;
    for (int i = 0; i < n; ++i)
        if (selected(binarySelected, i)) lp.strModelLines(p++) = lp.strVariableNames(i + 1);
    lp.strModelLines(p++) = "INT";
    for (int i = 0; i < n; ++i)
        if (selected(generalSelected, i)) lp.strModelLines(p++) = lp.strVariableNames(i + 1);
    lp.strModelLines(p) = "";
}

void WriteIntegerSection(IntegerChoice choice, const std::vector<bool>& binarySelected,
                         const std::vector<bool>& generalSelected) {
    WriteIntegerSection(qv::S().lp, choice, binarySelected, generalSelected);
}

IntegerDialogState ReadIntegerDialogState(const qv::LPBlock& lp) {
    const long m = lp.intConstraintCount;
    const int n = lp.intVariableCount < 0 ? 0 : lp.intVariableCount;
    IntegerDialogState state;
    state.binarySelected.assign(static_cast<std::size_t>(n), false);
    state.generalSelected.assign(static_cast<std::size_t>(n), true);
    const std::string keyword = modelLine(lp, m + 3);
    if (keyword == "DBI") {
        state.choice = IntegerChoice::AllBinary;
        state.binarySelected.assign(static_cast<std::size_t>(n), true);
        state.generalSelected.assign(static_cast<std::size_t>(n), false);
    } else if (keyword == "BIN") {
        state.choice = IntegerChoice::Multiple;
        state.generalSelected.assign(static_cast<std::size_t>(n), false);
        std::vector<bool>* list = &state.binarySelected;
        for (long p = m + 4;; ++p) {
            std::string line = modelLine(lp, p);
            if (line.empty()) break;
            if (line == "INT" && list == &state.binarySelected) {
                list = &state.generalSelected;
                continue;
            }
            int j = findVariable(lp, line);
            if (j > 0 && j <= n) (*list)[static_cast<std::size_t>(j - 1)] = true;
        }
    }
    return state;
}

IntegerDialogState ReadIntegerDialogState() { return ReadIntegerDialogState(qv::S().lp); }

IntegerMarks ReadIntegerSection(const qv::LPBlock& lp) {
    const long m = lp.intConstraintCount;
    const int n = lp.intVariableCount < 0 ? 0 : lp.intVariableCount;
    IntegerMarks marks;
    marks.kinds.assign(static_cast<std::size_t>(n) + 1, kNotInteger);
    const std::string keyword = modelLine(lp, m + 3);
    if (keyword == "DBI" || keyword == "DIN") {
        for (int j = 1; j <= n; ++j)
            marks.kinds[static_cast<std::size_t>(j)] = keyword == "DBI" ? kBinary : kGeneralInteger;
        marks.count = n;
        return marks;
    }
    if (keyword != "BIN" && keyword != "INT") return marks;
    int kind = keyword == "BIN" ? kBinary : kGeneralInteger;
    for (long p = m + 4;; ++p) {
        std::string line = modelLine(lp, p);
        if (line.empty()) break;
        if (line == "BIN") {
            kind = kBinary;
        } else if (line == "INT") {
            kind = kGeneralInteger;
        } else {
            int j = findVariable(lp, line);
            if (j == 0 || j > n) continue;
            int& k = marks.kinds[static_cast<std::size_t>(j)];
            if (k == kNotInteger) ++marks.count;
            k = kind;
        }
    }
    return marks;
}

}  // namespace QVLP
