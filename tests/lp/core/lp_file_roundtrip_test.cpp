// What the user typed comes back after Save and Open: random problems go through the
// grids' text model, the problem file and the parser, and must give the same arrays.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "lp/core/Parser.h"
#include "lp/core/TextModel.h"
#include "platform/core/SeqFile.h"
#include "shell/core/ProblemFile.h"
#include "shell/core/State.h"

namespace {

std::string randomNumberText(std::mt19937& rng, bool allowEmpty) {
    std::uniform_int_distribution<int> kind(0, 9);
    std::uniform_int_distribution<int> whole(0, 999);
    std::uniform_int_distribution<int> frac(0, 99);
    int k = kind(rng);
    if (allowEmpty && k == 0) return "";
    std::string s = (k % 3 == 1) ? "-" : "";
    s += std::to_string(whole(rng));
    if (k >= 6) s += "." + std::to_string(frac(rng));
    if (k == 9) s = "." + std::to_string(frac(rng) + 1);
    return s;
}

TEST(LPFileRoundTrip, RandomProblemsSurviveSaveAndOpen) {
    std::mt19937 rng(20261210);
    const char* relations[] = {"<", "=", ">"};
    for (int trial = 0; trial < 200; ++trial) {
        SCOPED_TRACE("trial " + std::to_string(trial));
        std::uniform_int_distribution<int> mDist(1, 12), nDist(1, 15), rel(0, 2), typ(0, 1);
        const int m = mDist(rng), n = nDist(rng), type = typ(rng);
        std::vector<std::string> names, objective;
        std::vector<std::vector<std::string>> rows(static_cast<std::size_t>(m));
        for (int j = 1; j <= n; ++j) {
            names.push_back((j % 2 ? "X" : "Cost_") + std::to_string(j));
            objective.push_back(randomNumberText(rng, true));
        }
        for (auto& r : rows) {
            for (int j = 1; j <= n; ++j) r.push_back(randomNumberText(rng, true));
            r.push_back(relations[rel(rng)]);
            r.push_back(randomNumberText(rng, false));
        }

        qv::resetState();
        auto& s = qv::S();
        s.intCurrentModule = 1;
        s.strProblemFileName = "/problems/trial.LPM";
        QVLP::InitLPArrays(s.lp);
        s.lp.intConstraintCount = m;
        s.lp.intVariableCount = n;
        s.lp.intReportDecimals = 3;
        QVLP::StoreInputTexts(s.lp, type, names, objective, rows);
        const qv::LPBlock typed = s.lp;

        pf::FieldWriter out;
        qv::WriteProblemRecords(s, out);

        qv::resetState();
        qv::S().intCurrentModule = 1;
        pf::FieldReader in(out.contents());
        qv::ProblemFileHooks hooks;
        hooks.sizeModule = [] { QVLP::InitLPArrays(qv::S().lp); };
        bool parsed = false;
        hooks.parseModel = [&] {
            parsed = QVLP::ParseModelLines(qv::S().lp).ok;
            return parsed;
        };
        qv::ReadProblemRecords(qv::S(), in, hooks);
        ASSERT_TRUE(parsed);
        const qv::LPBlock& read = qv::S().lp;

        ASSERT_EQ(read.intConstraintCount, m);
        ASSERT_EQ(read.intOptimizationType, type);
        // Every variable reads back when its objective coefficient does (all are written there).
        ASSERT_EQ(read.intVariableCount, n);
        for (int j = 1; j <= n; ++j) {
            EXPECT_EQ(read.strVariableNames(j), typed.strVariableNames(j));
            EXPECT_DOUBLE_EQ(read.dblProblemMatrix(0, j).num(), typed.dblProblemMatrix(0, j).num()) << "objective " << j;
        }
        for (int i = 1; i <= m; ++i) {
            EXPECT_EQ(read.intConstraintRelations(i), typed.intConstraintRelations(i)) << "row " << i;
            EXPECT_DOUBLE_EQ(read.dblProblemMatrix(i, 0).num(), typed.dblProblemMatrix(i, 0).num()) << "rhs " << i;
            for (int j = 1; j <= n; ++j)
                EXPECT_DOUBLE_EQ(read.dblProblemMatrix(i, j).num(), typed.dblProblemMatrix(i, j).num())
                    << "cell " << i << "," << j;
        }
    }
}

}  // namespace
