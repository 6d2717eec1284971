#include "lp/frmLPFeatures.h"

#include <cmath>
#include <string>

#include "lp/core/Parser.h"
#include "platform/core/Errors.h"
#include "platform/core/Format.h"
#include "platform/ui/Host.h"
#include "shell/DialogLook.h"
#include "shell/QVCommon.h"
#include "shell/core/State.h"
#include "shell/core/tanumchk.h"

FrmLPFeatures& frmLPFeatures() { return pf::instance<FrmLPFeatures>(); }

namespace {

// The message, then the focus back on the entry it is about.
void refuse(pf::Control* field, const char* text) {
    pf::MsgBox(text, pf::vbCritical + pf::vbOKOnly, "Data Input Error");
    if (field && field->canTakeFocus()) field->SetFocus();
}

}  // namespace

FrmLPFeatures::FrmLPFeatures() : pf::Form("frmLPFeatures", pf::FormKind::Dialog) {
    qv::applyDialogLook(*this, 6375, 4215, Picture1, imgIcon, Text1, 5895);
    Text1.Caption(" Problem Features");

    lblVariables.Move(240, 840, 3975, 375);
    qv::dialogLabelLook(lblVariables, 11.25, true);
    lblVariables.Caption("Number of Decision Variables:");
    txtVariables.Move(4440, 840, 855, 375);
    txtVariables.FontName("MS Sans Serif");
    txtVariables.FontSize(9.75);
    txtVariables.TabIndex = 0;
    lblconstraints.Move(240, 1440, 3975, 375);
    qv::dialogLabelLook(lblconstraints, 11.25, true);
    lblconstraints.Caption("Number of Constraints:");
    txtConstraints.Move(4440, 1440, 855, 375);
    txtConstraints.FontName("MS Sans Serif");
    txtConstraints.FontSize(9.75);
    txtConstraints.TabIndex = 1;
    Label3.Move(240, 1800, 3975, 255);
    qv::dialogLabelLook(Label3, 8.25, false);
    Label3.Caption("(Not Including Nonnegativity)");

    FrameOptType.Move(240, 2160, 5895, 855);
    FrameOptType.Caption("Optimization Type");
    FrameOptType.BackColor(qv::kDialogGrey);
    FrameOptType.FontName("Century Gothic");
    FrameOptType.FontSize(9.75);
    FrameOptType.FontBold(true);
    FrameOptType.TabIndex = 2;
    optMaximize.Move(480, 360, 2175, 315);
    optMaximize.Caption("Maximize");
    optMinimize.Move(3120, 360, 2175, 315);
    optMinimize.Caption("Minimize");
    qv::dialogOptionLook({&optMaximize, &optMinimize}, 9.75);
    optMaximize.TabIndex = 3;
    optMinimize.TabIndex = 4;

    qv::dialogButton(cmdOK, "OK", 1440, 3480, 1455, 5);
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdOK.Default(true);  // Enter confirms the features, as in any dialog
    qv::dialogButton(cmdCancel, "Cancel", 3360, 3480, 1455, 6);
    cmdCancel.Click = [this] { cmdCancel_Click(); };
    Text1.TabIndex = 7;
    Picture1.TabIndex = 8;

    txtVariables.GotFocus = [this] { txtVariables_GotFocus(); };
    txtConstraints.GotFocus = [this] { txtConstraints_GotFocus(); };
}

void FrmLPFeatures::Form_Load() {
    auto& s = qv::S();
    long colour = BackColor();
    BackColor(QVCommon::PaletteColor(colour));
    if (s.blnEditInProgress) {
        txtVariables.Text(std::to_string(s.lp.intVariableCount));
        txtConstraints.Text(std::to_string(s.lp.intConstraintCount));
        if (s.lp.intOptimizationType == 1)
            optMinimize.Value(true);
        else
            optMaximize.Value(true);
    }
    // First in the tab order.
    txtVariables.SetFocus();
}

void FrmLPFeatures::txtVariables_GotFocus() { qv::selectAllText(txtVariables); }
void FrmLPFeatures::txtConstraints_GotFocus() { qv::selectAllText(txtConstraints); }

void FrmLPFeatures::cmdOK_Click() {
    auto& s = qv::S();
    const std::string constraints = txtConstraints.Text();
    const std::string variables = txtVariables.Text();
    if (!tanumchk::IsWholeNumber(constraints)) return refuse(&txtConstraints, "Number of Constraints Must be an Integer.");
    if (!tanumchk::IsWholeNumber(variables)) return refuse(&txtVariables, "Number of Variables Must be an Integer.");
    const double m = pf::ValLeadingOrInfinite(constraints);
    if (m > QVLP::kMaxConstraints)
        return refuse(&txtConstraints, "You may only solve a problem with a maximum of 50 constraints.");
    // A problem needs one constraint and one variable to be laid out and solved.
    if (m < 1) return refuse(&txtConstraints, "You may only solve a problem with a minimum of 1 constraint.");
    s.lp.intConstraintCount = static_cast<int>(m);
    const double n = pf::ValLeadingOrInfinite(variables);
    if (n > QVLP::kMaxVariables)
        return refuse(&txtVariables, "You may only solve a problem with a maximum of 100 variables.");
    if (n < 1) return refuse(&txtVariables, "You may only solve a problem with a minimum of 1 variable.");
    s.lp.intVariableCount = static_cast<int>(n);
    if (!optMaximize.Value() && !optMinimize.Value()) return refuse(&optMaximize, "An optimization type must be selected.");
    s.lp.intOptimizationType = optMaximize.Value() ? 0 : 1;
    s.blnDialogCancelled = false;
    pf::Unload(*this);
}

void FrmLPFeatures::cmdCancel_Click() {
    qv::S().blnDialogCancelled = true;
    pf::Unload(*this);
}
