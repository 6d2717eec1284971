#include "shell/frmuserlistinput.h"

#include "platform/ui/Host.h"
#include "platform/ui/Keys.h"
#include "shell/DialogLook.h"
#include "shell/QVCommon.h"
#include "shell/core/ProblemFile.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/SolvingCaption.h"

FrmUserListInput& frmuserlistinput() { return pf::instance<FrmUserListInput>(); }

FrmUserListInput::FrmUserListInput() : pf::Form("frmuserlistinput", pf::FormKind::Dialog) {
    qv::applyDialogLook(*this, 6015, 3855, Picture1, imgIcon, lblMainTitle, 5535);
    lblTitle.Move(240, 720, 3495, 315);
    qv::dialogLabelLook(lblTitle, 9.75, true);
    lblTitle.Caption("Select A Model:");
    lstModelSelection.Move(240, 1080, 5535, 1815);
    lstModelSelection.FontName("MS Sans Serif");
    lstModelSelection.FontSize(9.75);
    lstModelSelection.TabIndex = 2;
    lstModelSelection.Click = [this] { lstModelSelection_Click(); };
    lstModelSelection.DblClick = [this] { lstModelSelection_DblClick(); };
    lstModelSelection.KeyDown = [this](int& keyCode, int shift) { lstModelSelection_KeyDown(keyCode, shift); };
    qv::dialogButton(cmdOK, "OK", 1320, 3120, 1455, 0);
    cmdOK.Click = [this] { cmdOK_Click(); };
    qv::dialogButton(cmdCancel, "Cancel", 3240, 3120, 1455, 1);
    cmdCancel.Click = [this] { cmdCancel_Click(); };
    lblTitle.TabIndex = 3;
    lblMainTitle.TabIndex = 4;
    Picture1.TabIndex = 5;
}

void FrmUserListInput::Form_Load() {
    long colour = lstModelSelection.BackColor();
    lstModelSelection.BackColor(QVCommon::PaletteColor(colour));
    // First in the tab order.
    cmdOK.SetFocus();
}

void FrmUserListInput::lstModelSelection_Click() {
    qv::SharedState& s = qv::S();
    const int code = lstModelSelection.ListIndex() + 1;
    if (code < 1) return;
    if (s.intCurrentModule == 8) {
        s.inv.intInventoryModel = code;
        qv::showStatusCaption(qv::InventoryModelCaption(code));
    } else if (s.intCurrentModule == 9) {
        s.wl.intWaitingLineModel = code;
        qv::showStatusCaption(qv::WaitingLineModelCaption(code));
        // A new waiting-line problem starts without economic analysis.
        s.strProblemEntered = "NO";
        s.wl.strEconomicAnalysis = "NO";
        s.dblCostPerUnit = 0;
        s.wl.dblChannelCost = 0;
    }
    cmdOK.SetFocus();
}

void FrmUserListInput::lstModelSelection_DblClick() { cmdOK_Click(); }

void FrmUserListInput::lstModelSelection_KeyDown(int& keyCode, int /*shift*/) {
    // The arrow keys move the pick as a click does.
    const int last = lstModelSelection.ListCount() - 1;
    int i = lstModelSelection.ListIndex();
    if (keyCode == pf::vbKeyDown) i = i < 0 ? 0 : std::min(i + 1, last);
    else if (keyCode == pf::vbKeyUp) i = i < 0 ? 0 : std::max(i - 1, 0);
    else return;
    keyCode = 0;
    lstModelSelection.ListIndex(i);
}

void FrmUserListInput::cmdOK_Click() {
    qv::SharedState& s = qv::S();
    if (s.intCurrentModule == 8 && s.inv.intInventoryModel == 0) {
        pf::MsgBox(qv::kNoInventoryModel, pf::vbCritical + pf::vbOKOnly, "Data Input Error");
        return;
    }
    if (s.intCurrentModule == 9 && s.wl.intWaitingLineModel == 0) {
        pf::MsgBox("You Must Select a Waiting Line Model", pf::vbCritical + pf::vbOKOnly, "Data Input Error");
        return;
    }
    s.blnDialogCancelled = false;
    pf::Unload(*this);
}

void FrmUserListInput::cmdCancel_Click() {
    qv::SharedState& s = qv::S();
    if (s.intCurrentModule == 8) {
        qv::showStatusCaption("Inventory Module");
        s.inv.intInventoryModel = 0;
    } else if (s.intCurrentModule == 9) {
        qv::showStatusCaption("Waiting Lines Module");
        s.wl.intWaitingLineModel = 0;
    }
    s.blnDialogCancelled = true;
    pf::Unload(*this);
}

namespace qv {

bool askModel(const std::string& heading, const std::vector<std::string>& models) {
    FrmUserListInput& dlg = frmuserlistinput();
    dlg.lblMainTitle.Caption(heading);
    for (const std::string& m : models) dlg.lstModelSelection.AddItem(m);
    dlg.Show(pf::vbModal);
    return !S().blnDialogCancelled;
}

}  // namespace qv
