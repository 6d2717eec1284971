#include "network/core/PertReport.h"

#include <cmath>
#include <string>

#include "network/core/PertSchedule.h"
#include "platform/core/Format.h"
#include "shell/core/State.h"

namespace QVPert_CPM {

namespace {

constexpr const char* kTitle = "PROJECT SCHEDULING WITH PERT/CPM";
constexpr const char* kTitleRule = "********************************";

constexpr const char* kKnownListHeading = "                   ***  PROJECT ACTIVITY LIST  ***";
constexpr const char* kKnownColumns1 = "                             IMMEDIATE           EXPECTED";
constexpr const char* kKnownColumns2 = "            ACTIVITY        PREDECESSORS           TIME";
constexpr const char* kKnownRule = "          --------------------------------------------------";
constexpr const char* kKnownNoPredecessor = "                  -";

constexpr const char* kEstimateListHeading = "                       ***  PROJECT ACTIVITY LIST  ***";
constexpr const char* kEstimateColumns1 =
    "                IMMEDIATE       OPTIMISTIC   MOST PROBABLE   PESSIMISTIC";
constexpr const char* kEstimateColumns2 =
    "   ACTIVITY    PREDECESSORS        TIME          TIME           TIME";
constexpr const char* kEstimateRuleTop = " -------------------------------------------------------------------------";
constexpr const char* kEstimateRuleEnd =
    " -----------------------------------------------------------------------------";
constexpr const char* kEstimateNoPredecessor = "             -";

constexpr const char* kExpectedHeading = "                  EXPECTED TIMES AND VARIANCES FOR ACTIVITIES";
constexpr const char* kExpectedColumns = "                    ACTIVITY    EXPECTED TIME     VARIANCE";
constexpr const char* kExpectedRule = "                  -------------------------------------------";

constexpr const char* kScheduleHeading = "                         ***  ACTIVITY SCHEDULE  ***";
constexpr const char* kScheduleColumns1 =
    "           EARLIEST     LATEST     EARLIEST     LATEST                CRITICAL ";
constexpr const char* kScheduleColumns2 =
    " ACTIVITY    START       START      FINISH      FINISH      SLACK     ACTIVITY ";
constexpr const char* kScheduleRuleTop =
    " -----------------------------------------------------------------------------";
constexpr const char* kScheduleRuleEnd =
    " ----------------------------------------------------------------------------";

constexpr const char* kCriticalPath = "        CRITICAL PATH: ";
constexpr const char* kCompletionTime = "        PROJECT COMPLETION TIME =";
constexpr const char* kExpectedCompletionTime = "        EXPECTED PROJECT COMPLETION TIME =";
constexpr const char* kCompletionVariance = "        VARIANCE OF PROJECT COMPLETION TIME =";
constexpr const char* kNote1 = "   NOTE:  There is more than one critical path for this project.";
constexpr const char* kNote2 = "          The number of critical activities (zero slack) is greater";
constexpr const char* kNote3 = "          than the number of activities on the computed critical path.";
constexpr const char* kNoteVariance = "          ANOTHER CRITICAL PATH MAY YIELD A DIFFERENT PROJECT VARIANCE.";

// By decimals 0, 1, 2.
constexpr const char* kKnownTimeWide[] = {"########0", "#######0.0", "######0.00"};
constexpr const char* kNarrow[] = {"#####0", "###0.0", "##0.00"};  // six-wide fields
constexpr const char* kOptimisticWide[] = {"########0", "######0.0", "#####0.00"};
constexpr const char* kEstimate[] = {"######0", "####0.0", "###0.00"};
constexpr const char* kSchedule[] = {"#########0", "#######0.0", "######0.00"};
constexpr const char* kVariance = "##0.00";


int count(const qv::PertBlock& P, int i) { return static_cast<int>(P.intPredecessorCounts(i).num()); }

std::string predecessorLetters(const qv::PertBlock& P, int i) {
    std::string s;
    for (int k = 1; k <= count(P, i); ++k) {
        if (k > 1) s += ",";
        s += P.strActivityLetters(static_cast<long>(P.intPredecessorMatrix(i, k).num()));
    }
    return s;
}

void blank(pf::ReportSink& out, int lines) {
    for (int k = 0; k < lines; ++k) out.line("");
}

void knownTimesList(const qv::PertBlock& P, int d, pf::ReportSink& out) {
    blank(out, 2);
    out.line(kKnownListHeading);
    blank(out, 1);
    out.line(kKnownColumns1);
    out.line(kKnownColumns2);
    out.line(kKnownRule);
    for (int i = 1; i <= P.intActivityCount; ++i) {
        const int c = count(P, i);
        std::string row = pf::Spaces(15) + P.strActivityLetters(i);
        // Beyond 12 predecessors the blank counts reach 0 and the row grows to the right.
        AppendField(row, c == 0 ? std::string(kKnownNoPredecessor) : pf::Spaces(19 - c) + predecessorLetters(P, i));
        if (c <= 1) {
            AppendField(row, NumberField(P.dblExpectedTimes(i), kKnownTimeWide[d], 19));
        } else {
            row += pf::Spaces(14 - c);
            AppendField(row, NumberField(P.dblExpectedTimes(i), kNarrow[d], 6));
        }
        out.line(row);
    }
    out.line(kKnownRule);
    blank(out, 1);
}

void estimatesList(const qv::PertBlock& P, int d, pf::ReportSink& out) {
    blank(out, 2);
    out.line(kEstimateListHeading);
    blank(out, 1);
    out.line(kEstimateColumns1);
    out.line(kEstimateColumns2);
    out.line(kEstimateRuleTop);
    for (int i = 1; i <= P.intActivityCount; ++i) {
        const int c = count(P, i);
        std::string row = pf::Spaces(6) + P.strActivityLetters(i);
        AppendField(row, c == 0 ? std::string(kEstimateNoPredecessor) : pf::Spaces(14 - c) + predecessorLetters(P, i));
        if (c <= 1) {
            AppendField(row, NumberField(P.dblOptimisticTimes(i), kOptimisticWide[d], 17));
        } else {
            row += pf::Spaces(12 - c);
            AppendField(row, NumberField(P.dblOptimisticTimes(i), kNarrow[d], 6));
        }
        AppendField(row, NumberField(P.dblMostProbableTimes(i), kEstimate[d], 14));
        AppendField(row, NumberField(P.dblPessimisticTimes(i), kEstimate[d], 14));
        out.line(row);
    }
    out.line(kEstimateRuleEnd);
    blank(out, 3);
}

void expectedTimesTable(const qv::PertBlock& P, pf::ReportSink& out) {
    const char* pattern = kNarrow[DecimalsIndex(P.intExpectedTimeDecimals)];
    out.line(kExpectedHeading);
    blank(out, 1);
    out.line(kExpectedColumns);
    out.line(kExpectedRule);
    for (int i = 1; i <= P.intActivityCount; ++i) {
        std::string row = pf::Spaces(24) + P.strActivityLetters(i) + pf::Spaces(5);
        AppendField(row, NumberField(P.dblExpectedTimes(i), pattern, 12));
        AppendField(row, NumberField(P.dblTimeVariances(i), kVariance, 15));
        out.line(row);
    }
    out.line(kExpectedRule);
}

void schedule(qv::PertBlock& P, bool mode2, const pf::Value& decimalPlaces, pf::ReportSink& out) {
    out.line(kScheduleHeading);
    blank(out, 1);
    out.line(kScheduleColumns1);
    out.line(kScheduleColumns2);
    out.line(kScheduleRuleTop);
    blank(out, 1);
    for (int i = 1; i <= P.intActivityCount; ++i) {
        if (!mode2) P.intExpectedTimeDecimals = decimalPlaces.num();
        const char* pattern = kSchedule[DecimalsIndex(P.intExpectedTimeDecimals)];
        std::string row = pf::Spaces(5) + P.strActivityLetters(i);
        for (const auto* a : {&P.dblEarliestStarts, &P.dblLatestStarts, &P.dblEarliestFinishes,
                              &P.dblLatestFinishes, &P.dblSlacks})
            AppendField(row, NumberField((*a)(i), pattern, 12));
        out.line(row + pf::Spaces(7) + P.strCriticalFlags(i));
    }
    blank(out, 1);
    out.line(kScheduleRuleEnd);
    blank(out, 2);

    // The path in letter order, with the variance summed along it.
    int critical = 0, onPath = 0;
    double variance = 0;
    out.text(kCriticalPath);
    for (int i = 1; i <= P.intActivityCount; ++i) {
        if (P.strCriticalFlags(i) == "YES") ++critical;
        if (P.strCriticalPathFlags(i) != "YES") continue;
        out.text(onPath ? "-" + P.strActivityLetters(i) : P.strActivityLetters(i));
        ++onPath;
        variance += P.dblTimeVariances(i).num();
    }
    out.endLine();
    blank(out, 1);
    if (!mode2) {
        out.line(kCompletionTime + pf::PrintedNumber(P.dblCompletionTime));
    } else {
        out.line(kExpectedCompletionTime + pf::PrintedNumber(P.dblCompletionTime));
        blank(out, 1);
        out.line(kCompletionVariance + pf::PrintedNumber(RoundHundredths(variance)));
    }
    if (critical > onPath) {
        blank(out, 1);
        out.line(kNote1);
        out.line(kNote2);
        out.line(kNote3);
        blank(out, 1);
        if (mode2) out.line(kNoteVariance);
    }
}

}  // namespace

void PrintPertSolution(qv::PertBlock& P, const pf::Value& decimalPlaces, pf::ReportSink& sink) {
    const bool mode2 = P.intTimeEstimateMode.num() == 2;
    const int d = DecimalsIndex(decimalPlaces);
    blank(sink, 2);
    sink.line(kTitle);
    sink.line(kTitleRule);
    blank(sink, 1);
    if (!mode2) {
        knownTimesList(P, d, sink);
        if (P.intActivityCount >= 15) {
            sink.newPage();
            blank(sink, 2);
        }
    } else {
        estimatesList(P, d, sink);
        if (P.intActivityCount >= 15) {
            sink.newPage();
            blank(sink, 3);
        } else {
            blank(sink, 1);
        }
        expectedTimesTable(P, sink);
        sink.newPage();
        blank(sink, 2);
    }
    schedule(P, mode2, decimalPlaces, sink);
}

void PrintPertSolution(pf::ReportSink& sink) {
    qv::SharedState& s = qv::S();
    PrintPertSolution(s.pert, s.intDecimalPlaces, sink);
}

}  // namespace QVPert_CPM
