#pragma once
// The input form of a waiting-line problem: up to four parameters, the optional
// economic analysis, and Solve, Save and Cancel.
#include <array>
#include <memory>

#include "platform/ui/Controls.h"

class FrmWLModel : public pf::Form {
public:
    FrmWLModel();
    void Form_Load() override;
    void Form_Unload(int& cancel) override;

    pf::PictureBox Picture1{this, "Picture1"};
    pf::Image imgIcon{this, "imgIcon", -1, &Picture1};
    pf::Label lblTitle{this, "lblTitle"};
    std::array<std::unique_ptr<pf::Label>, 4> lbl_WL;
    std::array<std::unique_ptr<pf::TextBox>, 4> txt_WL;
    pf::Label Label1{this, "Label1"};
    pf::CheckBox chkECONAnal{this, "chkECONAnal"};
    pf::Frame frameECONAnal{this, "frameECONAnal"};
    std::array<std::unique_ptr<pf::Label>, 2> lblECONAnal;
    std::array<std::unique_ptr<pf::TextBox>, 2> txtECONAnal;
    pf::CommandButton CmdSolve{this, "CmdSolve"};
    pf::CommandButton cmdSave{this, "cmdSave"};
    pf::CommandButton cmdCancel{this, "cmdCancel"};

    void txt_WL_GotFocus(int index);
    void txt_WL_LostFocus(int index);
    void txtECONAnal_GotFocus(int index);
    void txtECONAnal_LostFocus(int index);
    void chkECONAnal_Click();
    void cmdSave_Click();
    void CmdSolve_Click();
    void cmdCancel_Click();
    // 999 refuses (the user has been told), 0 accepts.
    void ValidateInput(int& result);

private:
    // The form ends under its lowest shown row: no blank band where the cost frame
    // (or, in the no-waiting model, the check box too) is hidden.
    void fitToShownRows();
};

FrmWLModel& frmWL_Model();
