// A PERT/CPM problem saved to a CPM file and read back is the same problem, in both
// time modes, after a solve has filled in the expected times and variances.
#include <gtest/gtest.h>

#include <string>

#include "network/core/PertSchedule.h"
#include "platform/core/SeqFile.h"
#include "shell/core/ProblemFile.h"
#include "tests/network/core/pert_fixture.h"

namespace {

using namespace perttest;

std::string save() {
    pf::FieldWriter out;
    qv::WriteProblemRecords(qv::S(), out);
    return out.contents();
}

void open(const std::string& text) {
    pf::FieldReader in(text);
    qv::ProblemFileHooks hooks;
    hooks.sizeModule = [] { QVPert_CPM::ResetPertBlock(qv::S().pert); };
    qv::ReadProblemRecords(qv::S(), in, hooks);
}

TEST(PertFile, SavedAndOpenedAgainInBothModes) {
    for (int mode : {1, 2}) {
        SCOPED_TRACE(mode);
        qv::resetState();
        auto& s = qv::S();
        s.intCurrentModule = 7;
        s.pert = mode == 1 ? project(1, {known(2.5), known(3, "A"), known(0.25, "BA"), known(4, "C")})
                           : project(2, {estimated(1, 2, 4), estimated(2, 2.5, 3, "A"), estimated(0, 1, 8, "BA")});
        s.intDecimalPlaces = 2;
        QVPert_CPM::SolvePertLines(s.pert, s.intDecimalPlaces);
        const qv::PertBlock before = s.pert;
        const std::string file = save();

        qv::resetState();
        s.intCurrentModule = 7;
        s.blnNewProblem = true;
        open(file);
        const qv::PertBlock& after = s.pert;
        EXPECT_FALSE(s.blnNewProblem);
        EXPECT_EQ(s.intDecimalPlaces.num(), 2);
        EXPECT_EQ(after.intExpectedTimeDecimals.num(), before.intExpectedTimeDecimals.num());
        EXPECT_EQ(after.intActivityCount, before.intActivityCount);
        EXPECT_EQ(after.intTimeEstimateMode.num(), mode);
        for (int i = 1; i <= before.intActivityCount; ++i) {
            EXPECT_EQ(after.intPredecessorCounts(i).num(), before.intPredecessorCounts(i).num());
            for (int k = 1; k <= before.intPredecessorCounts(i).num(); ++k)
                EXPECT_EQ(after.intPredecessorMatrix(i, k).num(), before.intPredecessorMatrix(i, k).num());
            EXPECT_EQ(after.dblExpectedTimes(i).num(), before.dblExpectedTimes(i).num());
            if (mode == 2) {
                EXPECT_EQ(after.dblOptimisticTimes(i).num(), before.dblOptimisticTimes(i).num());
                EXPECT_EQ(after.dblMostProbableTimes(i).num(), before.dblMostProbableTimes(i).num());
                EXPECT_EQ(after.dblPessimisticTimes(i).num(), before.dblPessimisticTimes(i).num());
                EXPECT_EQ(after.dblTimeVariances(i).num(), before.dblTimeVariances(i).num());
            }
        }
        // The problem solves to the same schedule.
        qv::PertBlock again = after;
        again.strActivityLetters = before.strActivityLetters;
        qv::PertBlock first = before;
        EXPECT_EQ(QVPert_CPM::SolvePertLines(again, 2), QVPert_CPM::SolvePertLines(first, 2));
        // Predecessors keep their stored order (C after B, then A).
        EXPECT_EQ(after.intPredecessorMatrix(3, 1).num(), 2);
        EXPECT_EQ(after.intPredecessorMatrix(3, 2).num(), 1);
    }
}

}  // namespace
