#pragma once
// The integer-variable dialog of an integer program: all binary, all general
// integer, or binary and general integer variables picked from two lists. Its
// answer is the integer section of the text model.
#include "platform/ui/Controls.h"

class FrmIP : public pf::Form {
public:
    FrmIP();
    void Form_Load() override;

    pf::PictureBox Picture1{this, "Picture1"};
    pf::Image imgIcon{this, "imgIcon", -1, &Picture1};
    pf::Label Text1{this, "Text1"};
    pf::Frame Frame1{this, "Frame1"};
    pf::OptionButton optbinary{this, "optbinary", -1, &Frame1};
    pf::OptionButton optgeneral{this, "optgeneral", -1, &Frame1};
    pf::OptionButton optMultiple{this, "optMultiple", -1, &Frame1};
    pf::Label Label1{this, "Label1"};
    pf::ListBox lstBinary{this, "lstBinary", -1, nullptr, 1};
    pf::Label Label2{this, "Label2"};
    pf::ListBox lstGeneral{this, "lstGeneral", -1, nullptr, 1};
    pf::CommandButton CmdSolve{this, "CmdSolve"};
    pf::CommandButton cmdCancel{this, "cmdCancel"};

    void optbinary_Click();
    void optgeneral_Click();
    void optMultiple_Click();
    void lstBinary_Click();
    void lstGeneral_Click();
    void CmdSolve_Click();
    void cmdCancel_Click();
};

FrmIP& frmIP();
