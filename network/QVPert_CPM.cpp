#include "network/QVPert_CPM.h"

#include <string>
#include <vector>

#include "network/core/PertSchedule.h"
#include "network/frmPERTCPM_Init.h"
#include "network/frmPERT_CPM.h"
#include "platform/core/Errors.h"
#include "platform/ui/Host.h"
#include "shell/MenuState.h"
#include "shell/core/ProblemFile.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmSolution.h"

namespace QVPert_CPM {

void InitPertArrays() {
    auto& s = qv::S();
    ResetPertBlock(s.pert);
    s.strProblemEntered = "NO";
    s.intDecimalPlaces = 0;
}

void NewPertProblem() {
    auto& s = qv::S();
    InitPertArrays();
    s.blnDialogCancelled = true;  // only OK clears it
    frmPERTCPM_Init().Show(pf::vbModal);
    if (!s.blnDialogCancelled) {
        s.strProblemEntered = "YES";
        ShowActivityWindow();
    }
    frmMenu().SetFocus();
}

void ShowActivityWindow() { frmPERT_CPM().Show(); }

void RebuildActivityWindow() {
    auto& s = qv::S();
    auto& p = s.pert;
    const double mode = p.intTimeEstimateMode.num();
    // A time below 0 is refused by every time box; the schedule would run on it unseen.
    bool negative = false;
    for (int i = 1; i <= p.intActivityCount; ++i) {
        if (mode == 1) negative = negative || p.dblExpectedTimes(i).num() < 0;
        else
            negative = negative || p.dblOptimisticTimes(i).num() < 0 || p.dblMostProbableTimes(i).num() < 0 ||
                       p.dblPessimisticTimes(i).num() < 0;
    }
    if ((mode != 1 && mode != 2) || negative) {
        // Not a problem this module can show: the reader reports the file as unreadable.
        s.strProblemEntered = "NO";
        pf::raise(qv::errCountOutOfRange);
    }
    ShowActivityWindow();
}

bool CommitPendingTimes() { return !pf::isLoaded<FrmPERT_CPM>() || frmPERT_CPM().commitTimes(); }

void SolvePertNetwork() {
    auto& s = qv::S();
    const std::vector<std::string> lines = SolvePertLines(s.pert, s.intDecimalPlaces);
    FrmSolution& w = frmSolution();
    w.setTitle("Optimal PERT/CPM Network");
    w.startLines(lines.front());
    for (std::size_t k = 1; k < lines.size(); ++k) w.addLine(lines[k]);
    w.showSolution();
    pf::SetBusyCursor(false);
    qv::enablePrintItems(true);
    frmMenu().SetFocus();
}

}  // namespace QVPert_CPM
