#pragma once
// The parameters dialog of a new PERT/CPM problem: the number of activities and
// whether each activity has one known time or three estimates.
#include <array>
#include <memory>
#include <string>

#include "platform/ui/Controls.h"

class FrmPERTCPM_Init : public pf::Form {
public:
    FrmPERTCPM_Init();
    void Form_Load() override;

    pf::PictureBox Picture1{this, "Picture1"};
    pf::Image imgIcon{this, "imgIcon", -1, &Picture1};
    pf::Label lblTitle{this, "lblTitle"};
    pf::Label lblNumActivities{this, "lblNumActivities"};
    pf::TextBox txtNumActivities{this, "txtNumActivities"};
    std::array<std::unique_ptr<pf::OptionButton>, 2> optActivityTime;
    pf::CommandButton cmdOK{this, "cmdOK"};
    pf::CommandButton cmdCancel{this, "cmdCancel"};

    void txtNumActivities_GotFocus();
    void txtNumActivities_LostFocus();
    void cmdOK_Click();
    void cmdCancel_Click();

private:
    void refuse(const char* message, const std::string& text);
    // The text whose count is stored, and a refusal not yet seen by OK.
    std::string acceptedText_;
    bool anyAccepted_ = false;
    std::string refusedText_;
    bool refusalPending_ = false;
};

FrmPERTCPM_Init& frmPERTCPM_Init();
