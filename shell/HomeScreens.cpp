// The home screens of the modules, opened by the chooser's OK.
#include "decision/frmDecisionProblem.h"
#include "lp/frmLPproblem.h"
#include "shell/core/State.h"
#include "shell/frmModuleSelection.h"
#include "shell/frmProblem.h"

namespace qv {

void showHomeScreen() {
    switch (S().intCurrentModule) {
        case 1:
        case 4:
            frmLPproblem().Show();
            break;
        case 10:
            frmDecisionProblem().Show();
            break;
        default:
            frmProblem().Show();
            break;
    }
}

}  // namespace qv
