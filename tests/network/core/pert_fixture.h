#pragma once
// PERT/CPM projects written compactly for tests: each activity with its time (or its
// three estimates) and its predecessors, as letters in stored order.
#include <string>
#include <vector>

#include "network/core/PertBlock.h"
#include "network/core/PertSchedule.h"

namespace perttest {

struct Activity {
    double time = 0;            // mode 1
    std::string predecessors;   // "AB": A then B
    double a = 0, m = 0, b = 0; // mode 2
};

inline Activity known(double t, const std::string& preds = "") { return {t, preds}; }
inline Activity estimated(double a, double m, double b, const std::string& preds = "") {
    return {0, preds, a, m, b};
}

inline qv::PertBlock project(int mode, const std::vector<Activity>& acts) {
    qv::PertBlock P;
    QVPert_CPM::ResetPertBlock(P);
    P.strActivityLetters.ReDim(qv::PertBlock::kMaxActivities);
    for (int i = 1; i <= qv::PertBlock::kMaxActivities; ++i) P.strActivityLetters(i) = std::string(1, char(64 + i));
    P.intActivityCount = static_cast<int>(acts.size());
    P.intTimeEstimateMode = mode;
    for (int i = 1; i <= P.intActivityCount; ++i) {
        const Activity& x = acts[static_cast<std::size_t>(i - 1)];
        P.dblExpectedTimes(i) = x.time;
        P.dblOptimisticTimes(i) = x.a;
        P.dblMostProbableTimes(i) = x.m;
        P.dblPessimisticTimes(i) = x.b;
        P.intPredecessorCounts(i) = static_cast<double>(x.predecessors.size());
        for (std::size_t k = 0; k < x.predecessors.size(); ++k)
            P.intPredecessorMatrix(i, static_cast<long>(k) + 1) = x.predecessors[k] - 64;
    }
    return P;
}

inline std::string sp(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

// Letters of the activities whose flag is "YES", in letter order.
inline std::string flagged(const qv::PertBlock& P, bool path) {
    std::string s;
    for (int i = 1; i <= P.intActivityCount; ++i)
        if ((path ? P.strCriticalPathFlags(i) : P.strCriticalFlags(i)) == "YES") s += P.strActivityLetters(i);
    return s;
}

}  // namespace perttest
