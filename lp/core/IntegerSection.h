#pragma once
// The integer section of the text model (lines m + 3 on): which decision variables
// an integer program restricts to whole values. Written by the integer-variable
// dialog at every confirmed Solve, read back by the engine and by the dialog.
// It lives only in memory; problem files do not store it.
#include <string>
#include <vector>

#include "lp/core/LPBlock.h"

namespace QVLP {

// The dialog's three options.
enum class IntegerChoice {
    AllBinary,   // "All Variables Are 0/1 (Binary)": the line "DBI"
    AllGeneral,  // "All Variables Are General Integer": the line "DIN"
    Multiple,    // "Multiple Types Of Variables": "BIN", names, "INT", names, ""
};

// Writes the section for a choice from line intConstraintCount + 3 on. The
// selections hold one flag per list entry (entry i - 1 is variable i, a shorter
// vector counts the rest as not selected) and are written, in list order, only
// for Multiple. Lines after the ones written are left as they are.
void WriteIntegerSection(qv::LPBlock& lp, IntegerChoice choice,
                         const std::vector<bool>& binarySelected,
                         const std::vector<bool>& generalSelected);
void WriteIntegerSection(IntegerChoice choice, const std::vector<bool>& binarySelected,
                         const std::vector<bool>& generalSelected);

// The choice and list selections the dialog opens with, from the section of the
// previous Solve; no section (or an unknown keyword) gives the default: all
// general integer, every variable selected in the general list. In a "BIN"
// section the binary names end at "INT" or at the first empty line.
struct IntegerDialogState {
    IntegerChoice choice = IntegerChoice::AllGeneral;
    std::vector<bool> binarySelected;   // entry i - 1 is variable i
    std::vector<bool> generalSelected;
};
IntegerDialogState ReadIntegerDialogState(const qv::LPBlock& lp);
IntegerDialogState ReadIntegerDialogState();

// What the section restricts, as the engine's run applies it.
inline constexpr int kNotInteger = 0;
inline constexpr int kGeneralInteger = 1;  // whole, no upper bound
inline constexpr int kBinary = 2;          // whole, upper bound 1
struct IntegerMarks {
    std::vector<int> kinds;  // index j = 1..n (index 0 unused): one of the kinds above
    int count = 0;           // distinct variables restricted
};

// Reading side of ReadIntegerSection: "DBI" / "DIN" restrict every variable 1..n;
// "BIN" / "INT" open a list of names, switched by further "BIN" / "INT" lines and
// ended by the first empty line (or the last line of the model). A name is
// compared exactly as stored, letter case included; one that matches no variable
// is skipped, and a name given twice counts once with the kind of its last line.
IntegerMarks ReadIntegerSection(const qv::LPBlock& lp);

// Puts the marks into the engine's arrays: flag 1 for every restricted variable,
// upper bound 1 for binaries and `infinity` for general integers; the count.
template <class FlagArray, class BoundArray>
void ApplyIntegerMarks(const IntegerMarks& marks, FlagArray& intIntegerFlags,
                       BoundArray& dblUpperBounds, int& intIntegerCount, double infinity) {
    intIntegerCount = marks.count;
    for (long j = 1; j < static_cast<long>(marks.kinds.size()); ++j) {
        int kind = marks.kinds[static_cast<std::size_t>(j)];
        if (kind == kNotInteger) continue;
        intIntegerFlags(j) = 1;
        dblUpperBounds(j) = kind == kBinary ? 1.0 : infinity;
    }
}

// The engine's step: reads the section of the block and applies it, writing
// lp.intIntegerCount.
template <class FlagArray, class BoundArray>
void ReadIntegerSection(qv::LPBlock& lp, FlagArray& intIntegerFlags,
                        BoundArray& dblUpperBounds, double infinity) {
    ApplyIntegerMarks(ReadIntegerSection(static_cast<const qv::LPBlock&>(lp)), intIntegerFlags,
                      dblUpperBounds, lp.intIntegerCount, infinity);
}

}  // namespace QVLP
