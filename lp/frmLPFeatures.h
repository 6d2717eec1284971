#pragma once
// The features dialog of a new linear program: the numbers of variables and
// constraints and the optimization type.
#include "platform/ui/Controls.h"

class FrmLPFeatures : public pf::Form {
public:
    FrmLPFeatures();
    void Form_Load() override;

    pf::PictureBox Picture1{this, "Picture1"};
    pf::Image imgIcon{this, "imgIcon", -1, &Picture1};
    pf::Label Text1{this, "Text1"};
    pf::Label lblVariables{this, "lblVariables"};
    pf::TextBox txtVariables{this, "txtVariables"};
    pf::Label lblconstraints{this, "lblconstraints"};
    pf::TextBox txtConstraints{this, "txtConstraints"};
    pf::Label Label3{this, "Label3"};
    pf::Frame FrameOptType{this, "FrameOptType"};
    pf::OptionButton optMaximize{this, "optMaximize", -1, &FrameOptType};
    pf::OptionButton optMinimize{this, "optMinimize", -1, &FrameOptType};
    pf::CommandButton cmdOK{this, "cmdOK"};
    pf::CommandButton cmdCancel{this, "cmdCancel"};

    void txtVariables_GotFocus();
    void txtConstraints_GotFocus();
    void cmdOK_Click();
    void cmdCancel_Click();
};

FrmLPFeatures& frmLPFeatures();
