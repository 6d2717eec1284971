#include <gtest/gtest.h>

#include "lp/QVLPSolution.h"
#include "lp/core/LPSolution.h"
#include "lp/core/LP_Engine.h"
#include "lp/core/TextModel.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/core/State.h"
#include "shell/frmSolution.h"

namespace {

class LPSolutionWindowUI : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }
    static void Reset() {
        pf::unloadAll();
        qv::resetState();
        pf::scriptedHost().transcript.clear();
        pf::scriptedHost().clearAnswers();
    }
};

TEST_F(LPSolutionWindowUI, ShowsTheLinesWithoutTitle) {
    qv::LPBlock& lp = qv::S().lp;
    QVLP::InitLPArrays();
    lp.intVariableCount = 2;
    lp.intConstraintCount = 3;
    QVLP::StoreInputTexts(lp, 0, {"X1", "X2"}, {"3", "5"},
                          {{"1", "0", "<", "4"}, {"0", "2", "<", "12"}, {"3", "2", "<", "18"}});
    ASSERT_TRUE(qv::LP_Engine::Solve().optimal());
    qv::LPBlock copy = lp;
    const std::vector<std::string> expected = QVLP::BuildLPSolutionLines(copy, 0);

    QVLP::ShowLPSolution();
    FrmSolution& w = frmSolution();
    EXPECT_FALSE(w.titleShown());
    EXPECT_EQ(w.gridSolution.Top(), FrmSolution::kGridTopNoTitle);
    EXPECT_EQ(w.lines(), expected);
    EXPECT_EQ(w.lines().front(), "Optimal Solution");
}

}  // namespace
