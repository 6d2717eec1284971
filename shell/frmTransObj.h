#pragma once
// The optimization-criterion dialog: maximize or minimize, preselected from the
// linear program's optimization type.
#include <string>

#include "platform/ui/Controls.h"

class FrmTransObj : public pf::Form {
public:
    FrmTransObj();

    pf::PictureBox Picture1{this, "Picture1"};
    pf::Image imgIcon{this, "imgIcon", -1, &Picture1};
    pf::Label Text1{this, "Text1"};
    pf::Frame Frame1{this, "Frame1"};
    pf::OptionButton optMaximize{this, "optMaximize", -1, &Frame1};
    pf::OptionButton optMinimize{this, "optMinimize", -1, &Frame1};
    pf::CommandButton cmdOK{this, "cmdOK"};
    pf::CommandButton cmdCancel{this, "cmdCancel"};

    void Form_Load() override;
    void cmdOK_Click();
    void cmdCancel_Click();
};

FrmTransObj& frmTransObj();

namespace qv {
// Shows the dialog modally, with other option captions for this one showing when
// given; true when it ended with OK (the answer is in strMaximizeObjective). After
// a Cancel the main window has the focus.
bool askOptimizationCriterion(const std::string& maximizeCaption = "",
                              const std::string& minimizeCaption = "");
}  // namespace qv
