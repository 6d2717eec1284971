#pragma once
// What the window tests of decision analysis start from: the program reset, the main
// window without its chooser, module 10 current and its home screen shown.
#include "decision/frmDecisionProblem.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmModuleSelection.h"
#include "tests/ui_test_support.h"

namespace qvtest {

inline void openDecisionHomeScreen() {
    resetProgram();
    frmMenu();
    pf::Unload<FrmModuleSelection>();
    qv::S().intCurrentModule = 10;
    frmMenu().lblmoduleindicator.Caption("Decision Analysis Module");
    frmDecisionProblem().Show();
}

}  // namespace qvtest
