#pragma once
// The LP window as File New leaves it, for the tests of its grids.
#include "lp/QVLP.h"
#include "lp/core/TextModel.h"
#include "lp/frmLPproblem.h"
#include "shell/core/State.h"
#include "tests/ui_test_support.h"

namespace qvtest {

// The main window alone in `module` (1 or 4) with an LP of m constraints and n variables
// laid out: the description gone, the grids built and empty.
inline FrmLPproblem& newLPLaidOut(int module, int m, int n) {
    mainWindowAlone(module);
    auto& s = qv::S();
    s.intIntegerLP = module == 4 ? 1 : 0;
    s.lp.intConstraintCount = m;
    s.lp.intVariableCount = n;
    QVLP::InitLPArrays();
    FrmLPproblem& w = frmLPproblem();
    w.Show();
    w.txtLoadInfo.Visible(false);
    w.lblLoadInfo.Visible(false);
    s.blnNewProblem = true;
    QVLP::BuildInputScreen();
    s.blnNewProblem = false;
    return w;
}

}  // namespace qvtest
