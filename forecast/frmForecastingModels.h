#pragma once
// The forecasting method dialog: one of four methods and its parameters, checked on
// Solve and left in the forecasting block; the status caption names the method.
#include <array>
#include <memory>

#include "platform/ui/Controls.h"

class FrmForecastingModels : public pf::Form {
public:
    FrmForecastingModels();

    pf::PictureBox Picture1{this, "Picture1"};
    pf::Image imgIcon{this, "imgIcon", -1, &Picture1};
    pf::Label Text1{this, "Text1"};
    pf::Frame Frame1{this, "Frame1"};
    std::array<std::unique_ptr<pf::OptionButton>, 4> Option1;
    pf::Frame Frame2{this, "Frame2"};
    // Label1 has the elements 0 and 2 only: the first parameter's and the second's.
    pf::Label Label1_0{this, "Label1", 0, &Frame2};
    pf::Label Label1_2{this, "Label1", 2, &Frame2};
    std::array<std::unique_ptr<pf::TextBox>, 2> txtValue;
    pf::CommandButton CmdSolve{this, "CmdSolve"};
    pf::CommandButton cmdCancel{this, "cmdCancel"};

    void Option1_Click(int index);
    void txtValue_GotFocus(int index);
    void CmdSolve_Click();
    void cmdCancel_Click();

private:
    // The frame of the method's values, as designed with both of its rows.
    static constexpr int kValueFrameHeight = 1215;
    // The values' frame ends under its last shown row; the buttons follow it.
    void fitValueFrame();
    // Shows a refusal and hands the box back to the user with its text selected.
    void refuse(int box, const std::string& message);
};

FrmForecastingModels& frmForecastingModels();
