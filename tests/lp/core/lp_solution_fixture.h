#pragma once
// Textbook programs put into an LP block the way the input screen stores them,
// solved by the engine, for the solution window, ranging and report tests.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lp/core/IntegerSection.h"
#include "lp/core/LPBlock.h"
#include "lp/core/LP_Engine.h"
#include "lp/core/TextModel.h"

namespace lpsol {

struct Program {
    int opt = 0;  // 0 maximize, 1 minimize
    std::vector<std::string> names;
    std::vector<std::string> objective;
    std::vector<std::vector<std::string>> rows;  // n coefficients, relation, rhs
};

// Stores the program as the input screen does and runs the engine.
inline qv::EngineResult Run(qv::LPBlock& lp, const Program& p, int integerLP = 0) {
    lp = qv::LPBlock{};
    QVLP::InitLPArrays(lp);
    lp.intVariableCount = static_cast<int>(p.names.size());
    lp.intConstraintCount = static_cast<int>(p.rows.size());
    lp.intOptimizationType = p.opt;
    QVLP::StoreInputTexts(lp, p.opt, p.names, p.objective, p.rows);
    if (integerLP == 1) QVLP::WriteIntegerSection(lp, QVLP::IntegerChoice::AllGeneral, {}, {});
    return qv::LP_Engine::Solve(lp, integerLP);
}

// The same; fails the test unless the run is optimal.
inline void Solve(qv::LPBlock& lp, const Program& p, int integerLP = 0) {
    const qv::EngineResult r = Run(lp, p, integerLP);
    ASSERT_TRUE(r.optimal()) << r.message;
}

// Max 3X1 + 5X2; X1 <= 4 (not binding), 2X2 <= 12, 3X1 + 2X2 <= 18. X = (2, 6), 36.
inline Program Wyndor() {
    return {0, {"X1", "X2"}, {"3", "5"}, {{"1", "0", "<", "4"}, {"0", "2", "<", "12"}, {"3", "2", "<", "18"}}};
}

// Min 2X1 + 3X2; X1 + X2 >= 4, X1 + 3X2 >= 6, 2X1 + X2 >= 5 (not binding). X = (3, 1), 9.
inline Program Covering() {
    return {1, {"X1", "X2"}, {"2", "3"}, {{"1", "1", ">", "4"}, {"1", "3", ">", "6"}, {"2", "1", ">", "5"}}};
}

// Max 5X1 + 4X2; X1 + X2 = 5, X1 <= 3, X1 + 3X2 <= 12 (not binding). X = (3, 2), 23.
inline Program WithEquality() {
    return {0, {"X1", "X2"}, {"5", "4"}, {{"1", "1", "=", "5"}, {"1", "0", "<", "3"}, {"1", "3", "<", "12"}}};
}

// Max 5X1 + 8X2; X1 + X2 <= 6, 5X1 + 9X2 <= 45; integers. X = (0, 5), 40.
inline Program Knapsack() {
    return {0, {"X1", "X2"}, {"5", "8"}, {{"1", "1", "<", "6"}, {"5", "9", "<", "45"}}};
}

}  // namespace lpsol
