#include "network/core/PertSchedule.h"

#include <cmath>

#include "platform/core/Format.h"

namespace QVPert_CPM {

namespace {

constexpr const char* kExpectedHeading = "               EXPECTED TIMES AND VARIANCES FOR ACTIVITIES";
constexpr const char* kExpectedColumns = "                 ACTIVITY    EXPECTED TIME     VARIANCE";
constexpr const char* kExpectedRuleTop = "                ******************************************";
constexpr const char* kExpectedRuleEnd = "               *******************************************";
constexpr const char* kScheduleHeading = "                         ***  ACTIVITY SCHEDULE  ***";
constexpr const char* kScheduleColumns1 =
    "            EARLIEST    LATEST    EARLIEST    LATEST              CRITICAL ";
constexpr const char* kScheduleColumns2 =
    " ACTIVITY     START      START     FINISH     FINISH     SLACK    ACTIVITY ";
constexpr const char* kScheduleRuleTop = " *************************************************************************";
constexpr const char* kScheduleRuleEnd =
    " ******************************************************************************";
constexpr const char* kCriticalPath = "        CRITICAL PATH:  ";
constexpr const char* kCompletionTime = "        PROJECT COMPLETION TIME = ";
constexpr const char* kExpectedCompletionTime = "        EXPECTED PROJECT COMPLETION TIME = ";
constexpr const char* kCompletionVariance = "        VARIANCE OF PROJECT COMPLETION TIME = ";
constexpr const char* kNote1 = "   NOTE:  There is more than one critical path for this project.  ";
constexpr const char* kNote2 = "          The number of critical activities (zero slack) is greater";
constexpr const char* kNote3 = "          than the number of activities on the computed critical path.";
constexpr const char* kNoteVariance = "          ANOTHER CRITICAL PATH MAY YIELD A DIFFERENT PROJECT VARIANCE.";

// By decimals 0, 1, 2.
constexpr const char* kExpectedTimePatterns[] = {"#####0", "###0.0", "##0.00"};
constexpr const char* kEarliestStartPatterns[] = {"#########0", "######0.0", "#####0.00"};
constexpr const char* kSchedulePatterns[] = {"########0", "######0.0", "#####0.00"};
constexpr const char* kVariancePattern = "###0.00";

int count(const qv::PertBlock& P, int i) { return static_cast<int>(P.intPredecessorCounts(i).num()); }
int predecessor(const qv::PertBlock& P, int i, int k) { return static_cast<int>(P.intPredecessorMatrix(i, k).num()); }
bool isMode2(const qv::PertBlock& P) { return P.intTimeEstimateMode.num() == 2; }


}  // namespace

void ResetPertBlock(qv::PertBlock& P) {
    const int u = qv::PertBlock::kMaxActivities;
    for (auto* a : {&P.intPredecessorCounts, &P.dblOptimisticTimes, &P.dblMostProbableTimes,
                    &P.dblPessimisticTimes, &P.dblExpectedTimes, &P.dblTimeVariances, &P.dblEarliestStarts,
                    &P.dblEarliestFinishes, &P.dblLatestStarts, &P.dblLatestFinishes, &P.dblSlacks})
        a->ReDim(u);
    P.intPredecessorMatrix.ReDim(u, u);
    P.strCriticalFlags.ReDim(u);
    P.strCriticalPathFlags.ReDim(u);
    P.intExpectedTimeDecimals = 0;
    for (int i = 1; i <= u; ++i) {
        P.intPredecessorCounts(i) = 0;
        P.dblOptimisticTimes(i) = 0;
        P.dblMostProbableTimes(i) = 0;
        P.dblPessimisticTimes(i) = 0;
        P.dblExpectedTimes(i) = 0;
        P.dblTimeVariances(i) = 0;
        P.strCriticalFlags(i).assign(1, ' ');
        P.strCriticalPathFlags(i).assign(1, ' ');
        for (int k = 1; k <= u; ++k) P.intPredecessorMatrix(i, k) = 0;
    }
}

std::string NumberField(double v, const char* pattern, int w) {
    return pf::RightAlignNumber(pf::Format(v, pattern), w);
}

void AppendField(std::string& line, const std::string& field) {
    if (!line.empty() && line.back() != ' ' && !field.empty() && field.front() != ' ') line += ' ';
    line += field;
}

int DecimalsIndex(double decimals) { return decimals >= 2 ? 2 : decimals >= 1 ? 1 : 0; }

double RoundHundredths(double v) { return std::floor(v * 100 + 0.5) / 100; }

void ComputeExpectedTimes(qv::PertBlock& P) {
    for (int i = 1; i <= P.intActivityCount; ++i) {
        const double a = P.dblOptimisticTimes(i), m = P.dblMostProbableTimes(i), b = P.dblPessimisticTimes(i);
        const double t = (a + 4 * m + b) / 6;
        P.dblExpectedTimes(i) = t;
        P.dblTimeVariances(i) = ((b - a) / 6) * ((b - a) / 6);
        // A computed time is taken to need a decimal only beyond a small tolerance.
        if (std::abs(t - std::floor(t)) > 0.0001) {
            if (P.intExpectedTimeDecimals.num() < 1) P.intExpectedTimeDecimals = 1;
            if (std::abs(10 * t - std::floor(10 * t)) > 0.00001) P.intExpectedTimeDecimals = 2;
        }
    }
}

PertSchedule ScheduleActivities(qv::PertBlock& P) {
    const int n = P.intActivityCount;
    auto& ES = P.dblEarliestStarts;
    auto& EF = P.dblEarliestFinishes;
    auto& LS = P.dblLatestStarts;
    auto& LF = P.dblLatestFinishes;
    auto& t = P.dblExpectedTimes;
    PertSchedule r;
    double ct = 0;
    for (int i = 1; i <= n; ++i) {
        ES(i) = 0;
        LS(i) = 0;
        EF(i) = 0;
        LF(i) = 0;
        P.dblSlacks(i) = 0;
        P.strCriticalFlags(i).assign(1, ' ');
        P.strCriticalPathFlags(i).assign(1, ' ');
    }

    // Forward: predecessors have smaller numbers, so their finish is final here.
    for (int i = 1; i <= n; ++i) {
        double start = 0;
        for (int k = 1; k <= count(P, i); ++k) {
            const double f = EF(predecessor(P, i, k));
            if (f > start) start = f;
        }
        ES(i) = start;
        EF(i) = start + t(i).num();
        if (EF(i).num() > ct) {
            ct = EF(i);
            r.finishingActivity = i;
        }
    }

    // Backward: successors have larger numbers, so LF(i) is final when LS(i) is taken.
    for (int i = 1; i <= n; ++i) LF(i) = ct;
    int i = n;
    if (i >= 1) LS(i) = LF(i).num() - t(i).num();
    while (i >= 1) {
        for (int k = 1; k <= count(P, i); ++k) {
            const int p = predecessor(P, i, k);
            if (LF(p).num() > LS(i).num()) LF(p) = LS(i).num();
        }
        --i;
        if (i >= 1) LS(i) = std::abs(LF(i).num() - t(i).num());
    }

    for (int j = 1; j <= n; ++j) {
        P.dblSlacks(j) = std::abs(LS(j).num() - ES(j).num());
        if (P.dblSlacks(j).num() < kZeroSlack) {
            P.strCriticalFlags(j) = "YES";
            ++r.criticalCount;
        }
    }

    r.pathCount = 1;
    if (const int f = r.finishingActivity) {
        P.strCriticalPathFlags(f) = "YES";
        int c = f;
        for (bool stepped = true; stepped;) {
            stepped = false;
            for (int k = 1; k <= count(P, c); ++k) {
                const int p = predecessor(P, c, k);
                // Only an earlier activity, so that the walk always ends.
                if (p < 1 || p >= c) continue;
                if (P.dblSlacks(p).num() < kZeroSlack && std::abs(EF(p).num() - ES(c).num()) < kZeroSlack) {
                    P.strCriticalPathFlags(p) = "YES";
                    ++r.pathCount;
                    c = p;
                    stepped = true;
                    break;
                }
            }
        }
    }
    // Summed in letter order, as the report sums it.
    for (int j = 1; j <= n; ++j)
        if (P.strCriticalPathFlags(j) == "YES") r.pathVariance += P.dblTimeVariances(j).num();
    r.completionTime = ct;
    P.dblCompletionTime = ct;
    return r;
}

std::vector<std::string> SolvePertLines(qv::PertBlock& P, const pf::Value& decimalPlaces) {
    const int n = P.intActivityCount;
    const bool mode2 = isMode2(P);
    if (mode2) ComputeExpectedTimes(P);
    const PertSchedule r = ScheduleActivities(P);
    double ct = r.completionTime;

    std::vector<std::string> lines{""};  // row 0 stays empty
    lines.reserve(static_cast<std::size_t>(2 * n + 40));
    if (mode2) {
        const char* pattern = kExpectedTimePatterns[DecimalsIndex(P.intExpectedTimeDecimals)];
        lines.push_back(kExpectedHeading);
        lines.push_back("");
        lines.push_back(kExpectedColumns);
        lines.push_back(kExpectedRuleTop);
        for (int i = 1; i <= n; ++i) {
            std::string row = pf::Spaces(21) + P.strActivityLetters(i);
            AppendField(row, NumberField(P.dblExpectedTimes(i), pattern, 15));
            AppendField(row, NumberField(P.dblTimeVariances(i), kVariancePattern, 17));
            lines.push_back(row);
        }
        lines.push_back(kExpectedRuleEnd);
        lines.push_back("");
    } else {
        P.intExpectedTimeDecimals = decimalPlaces.num();
    }

    const int d = DecimalsIndex(P.intExpectedTimeDecimals);
    lines.push_back(kScheduleHeading);
    lines.push_back("");
    lines.push_back(kScheduleColumns1);
    lines.push_back(kScheduleColumns2);
    lines.push_back(kScheduleRuleTop);
    lines.push_back("");
    for (int i = 1; i <= n; ++i) {
        std::string row = pf::Spaces(5) + P.strActivityLetters(i);
        row.reserve(80);
        AppendField(row, NumberField(P.dblEarliestStarts(i), kEarliestStartPatterns[d], 12));
        for (const auto* a : {&P.dblLatestStarts, &P.dblEarliestFinishes, &P.dblLatestFinishes, &P.dblSlacks})
            AppendField(row, NumberField((*a)(i), kSchedulePatterns[d], 11));
        row += pf::Spaces(5);
        lines.push_back(row + P.strCriticalFlags(i));
    }
    lines.push_back("");
    lines.push_back(kScheduleRuleEnd);
    lines.push_back("");

    std::string path = kCriticalPath;
    bool first = true;
    for (int i = 1; i <= n; ++i) {
        if (P.strCriticalPathFlags(i) != "YES") continue;
        if (!first) path += "-";
        path += P.strActivityLetters(i);
        first = false;
    }
    lines.push_back(path);

    if (!mode2) {
        lines.push_back(kCompletionTime + pf::PlainNumber(ct));
        ct = RoundHundredths(ct);
    } else {
        ct = RoundHundredths(ct);
        lines.push_back(kExpectedCompletionTime + pf::PlainNumber(ct));
        lines.push_back(kCompletionVariance + pf::PlainNumber(RoundHundredths(r.pathVariance)));
    }
    P.dblCompletionTime = ct;

    if (r.criticalCount > r.pathCount) {
        lines.insert(lines.end(), {"", "", kNote1, kNote2, kNote3, ""});
        if (mode2) lines.insert(lines.end(), {kNoteVariance, ""});
    }
    return lines;
}

}  // namespace QVPert_CPM
