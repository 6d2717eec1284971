#pragma once
// The objective and criterion dialog of a decision problem without state
// probabilities: maximize or minimize, and the optimistic, conservative or minimax
// regret criterion. Nothing is selected when it opens.
#include <array>
#include <memory>

#include "platform/ui/Controls.h"

class Frmdecnopt : public pf::Form {
public:
    Frmdecnopt();

    pf::PictureBox Picture1{this, "Picture1"};
    pf::Image imgIcon{this, "imgIcon", -1, &Picture1};
    pf::Label Text1{this, "Text1"};
    pf::Frame Frame1{this, "Frame1"};
    pf::OptionButton optMaximize{this, "optMaximize", -1, &Frame1};
    pf::OptionButton optMinimize{this, "optMinimize", -1, &Frame1};
    pf::Frame Frame2{this, "Frame2"};
    std::array<std::unique_ptr<pf::OptionButton>, 3> Optcriterion;
    pf::CommandButton cmdOK{this, "cmdOK"};
    pf::CommandButton cmdCancel{this, "cmdCancel"};

    void cmdOK_Click();
    void cmdCancel_Click();
};

Frmdecnopt& frmdecnopt();
