#include "shell/frmTransObj.h"

#include "platform/ui/Host.h"
#include "shell/DialogLook.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"

FrmTransObj& frmTransObj() { return pf::instance<FrmTransObj>(); }

FrmTransObj::FrmTransObj() : pf::Form("frmTransObj", pf::FormKind::Dialog) {
    qv::applyDialogLook(*this, 5070, 2940, Picture1, imgIcon, Text1, 4575);
    Text1.Caption(" Select Optimization Criteria");
    Frame1.Move(368, 720, 4335, 1215);
    Frame1.BackColor(qv::kDialogGrey);
    Frame1.TabIndex = 0;
    optMaximize.Move(600, 240, 3135, 255);
    optMaximize.Caption("Maximization Objective");
    optMinimize.Move(600, 720, 3135, 255);
    optMinimize.Caption("Minimization Objective");
    qv::dialogOptionLook({&optMaximize, &optMinimize}, 11.25);
    optMinimize.TabIndex = 1;
    optMaximize.TabIndex = 2;
    qv::dialogButton(cmdOK, "OK", 908, 2280, 1455, 3);
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdOK.Default(true);  // Enter confirms the choice, as in any dialog
    qv::dialogButton(cmdCancel, "Cancel", 2708, 2280, 1455, 4);
    cmdCancel.Click = [this] { cmdCancel_Click(); };
    Text1.TabIndex = 5;
    Picture1.TabIndex = 6;
}

void FrmTransObj::Form_Load() {
    auto& s = qv::S();
    if (s.lp.intOptimizationType != 0) {
        s.strMaximizeObjective = "NO";
        optMaximize.Value(false);
        optMinimize.Value(true);
        optMinimize.SetFocus();
    } else {
        s.strMaximizeObjective = "YES";
        optMaximize.Value(true);
        optMinimize.Value(false);
        optMaximize.SetFocus();
    }
}

void FrmTransObj::cmdOK_Click() {
    auto& s = qv::S();
    if (!optMaximize.Value() && !optMinimize.Value()) {
        pf::MsgBox("You must select an optimization criteria.", pf::vbCritical + pf::vbOKOnly,
                   "Data Input Error");
        return;
    }
    s.strMaximizeObjective = optMaximize.Value() ? "YES" : "NO";
    s.blnDialogCancelled = false;
    pf::Unload(*this);
}

void FrmTransObj::cmdCancel_Click() {
    qv::S().blnDialogCancelled = true;
    pf::Unload(*this);
}

namespace qv {

bool askOptimizationCriterion(const std::string& maximizeCaption,
                              const std::string& minimizeCaption) {
    FrmTransObj& dlg = frmTransObj();
    if (!maximizeCaption.empty()) dlg.optMaximize.Caption(maximizeCaption);
    if (!minimizeCaption.empty()) dlg.optMinimize.Caption(minimizeCaption);
    dlg.Show(pf::vbModal);
    if (S().blnDialogCancelled) {
        frmMenu().SetFocus();
        return false;
    }
    return true;
}

}  // namespace qv
