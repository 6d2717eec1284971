#include "waiting/QVWait.h"

#include <string>
#include <vector>

#include "platform/ui/Host.h"
#include "shell/MenuState.h"
#include "shell/SolveFailure.h"
#include "shell/SolvingCaption.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmSolution.h"
#include "shell/frmuserlistinput.h"
#include "waiting/core/WaitingModels.h"
#include "waiting/frmWL_Model.h"

namespace QVWait {

namespace {

bool newProblemAgain = false;

void sizeTables() {
    auto& s = qv::S();
    s.dblProbabilityTable.ReDim(200, 0);
    s.wl.dblBlockedTerms.ReDim(26);
    s.wl.dblFiniteTerms.ReDim(200);
}


}  // namespace

void RequestNewProblemAgain() { newProblemAgain = true; }

void NewWaitingLineProblem() {
    // A confirmed Cancel in the form of a new problem brings the list back.
    do {
        newProblemAgain = false;
        sizeTables();
        const bool picked = qv::askModel(" Waiting Lines", {"Poisson Arrivals / Exponential Service",
                                                            "Poisson Arrivals / Arbitrary Service (1 Channel)",
                                                            "Poisson Arrivals / Deterministic Service (1 Channel)",
                                                            "Poisson Arrivals / Arbitrary Service (No Waiting)",
                                                            "Poisson Arrivals / Exponential Service (Finite Pop.)"});
        if (!picked) {
            frmMenu().SetFocus();
            return;
        }
        qv::S().wl.strEconomicAnalysis = "NO";
        ShowWaitingLineForm();
    } while (newProblemAgain);
}

void ShowWaitingLineForm() {
    // A model code no form knows (only from a file) opens nothing.
    if (!IsKnownModel(qv::S().wl.intWaitingLineModel)) return;
    frmWL_Model().Show(pf::vbModal);
}

void SolveWaitingLineModel() {
    auto& s = qv::S();
    if (!IsKnownModel(s.wl.intWaitingLineModel)) return;
    const std::string fault = UnsolvableReason(s.wl);
    if (!fault.empty()) {
        pf::MsgBox(fault, pf::vbCritical + pf::vbOKOnly, "Data Input Error");
        return;
    }
    std::vector<std::string> lines;
    try {
        qv::SolvingCaption solving;
        SolveModel(s.wl, s.dblProbabilityTable, s.dblCostPerUnit);
        lines = SolutionLines(s.wl, s.dblCostPerUnit, s.dblProbabilityTable);
    } catch (const pf::RuntimeError& e) {
        // The caption and the cursor are back; the problem holds what was entered.
        qv::reportSolveFailure(e);
        frmMenu().SetFocus();
        return;
    }
    FrmSolution& w = frmSolution();
    w.hideTitle(false);
    w.startLines(lines.empty() ? std::string() : lines.front());
    for (std::size_t i = 1; i < lines.size(); ++i) w.addLine(lines[i]);
    w.showSolution();
    qv::enablePrintItems(true);
    frmMenu().SetFocus();
}

void PrintWaitingLineReport(pf::ReportSink& out) {
    auto& s = qv::S();
    PrintWaitingLineReport(s.wl, s.dblCostPerUnit, s.dblProbabilityTable, s.strReportTarget != "Printer", out);
}

}  // namespace QVWait
