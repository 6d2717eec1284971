#pragma once
// What the window tests of decision analysis start from: the program reset, the main
// window without its chooser, module 10 current and its home screen shown.
#include "decision/QVDecisionAnalysis.h"
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

// The decision window shown with m alternatives, n states and K outcomes laid out, the
// probabilities and the strategy asked for or not: as New leaves them, or else over the
// problem held.
inline FrmDecisionProblem& decisionLaidOut(int m, int n, bool probs, bool strategy, int K = 2, bool newProblem = true) {
    auto& s = qv::S();
    auto& d = s.dec;
    if (newProblem) QVDecisionAnalysis::ResetDecisionProblem();
    d.intAlternativeCount = m;
    d.intNatureStateCount = n;
    d.intIndicatorCount = K;
    d.strStateProbsGiven = probs ? "YES" : "NO";
    d.intStateProbsFlag = probs ? 1 : 0;
    d.strStrategyRequested = strategy ? "YES" : "NO";
    d.intStrategyFlag = strategy ? 1 : 0;
    if (!frmDecisionProblem().Visible()) frmDecisionProblem().Show();
    s.blnNewProblem = newProblem;
    QVDecisionAnalysis::BuildDecisionInputScreen();
    s.blnNewProblem = false;
    return frmDecisionProblem();
}

}  // namespace qvtest
