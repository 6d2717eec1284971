#pragma once
// The splash window.
#include "platform/ui/Controls.h"

class FrmStartup : public pf::Form {
public:
    FrmStartup();
    void Form_Load() override;

    pf::Image Image1{this, "Image1"};
    pf::Label Label1{this, "Label1"};
    pf::Label Label2{this, "Label2"};
    pf::Line Line1{this, "Line1"};
    pf::Line Line2{this, "Line2"};
    pf::Line Line3{this, "Line3"};
    pf::TextBox Text1{this, "Text1", -1, nullptr, true};
    pf::TextBox Text2{this, "Text2", -1, nullptr, true};
    pf::TextBox Text3{this, "Text3", -1, nullptr, true};
    pf::TextBox Text4{this, "Text4", -1, nullptr, true};
    pf::TextBox Text5{this, "Text5", -1, nullptr, true};
    pf::CommandButton cmdOK{this, "cmdOK"};

    void cmdOK_Click();
};

FrmStartup& frmStartup();

namespace qv {
// The program's start: the splash, waiting for "Continue...".
void startProgram();
}  // namespace qv
