#pragma once
// The window for a transportation or assignment value that is too large: nine
// message lines filled by the caller, and OK. Modal; its close command acts as OK.
#include <array>
#include <memory>

#include "platform/ui/Controls.h"

class FrmErrorMsg : public pf::Form {
public:
    static constexpr int kLines = 9;

    FrmErrorMsg();

    pf::PictureBox Picture1{this, "Picture1"};
    pf::Image imgIcon{this, "imgIcon", -1, &Picture1};
    pf::Label Text1{this, "Text1"};
    std::array<std::unique_ptr<pf::Label>, kLines> lbl;
    pf::CommandButton cmdOK{this, "cmdOK"};

    void cmdOK_Click();
};

FrmErrorMsg& frmErrorMsg();
