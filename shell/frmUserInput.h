#pragma once
// The dimensions dialog: a new problem's size in one or two answers, checked
// against the module's limits and stored in the shared state.
#include <array>
#include <memory>
#include <string>

#include "platform/ui/Controls.h"

class FrmUserInput : public pf::Form {
public:
    FrmUserInput();

    pf::PictureBox Picture1{this, "Picture1"};
    pf::Image imgIcon{this, "imgIcon", -1, &Picture1};
    pf::Label lblCaption{this, "lblCaption"};
    std::array<std::unique_ptr<pf::Label>, 2> lblQuestion;
    std::array<std::unique_ptr<pf::TextBox>, 2> txtAnswer;
    pf::Label Label1{this, "Label1"};
    pf::CommandButton cmdOK{this, "cmdOK"};
    pf::CommandButton cmdCancel{this, "cmdCancel"};

    void Form_Load() override;
    void cmdOK_Click();
    void cmdCancel_Click();
    void txtAnswer_GotFocus(int index);

    // The header, questions and note of a module (2, 3, 5, 6, 8, 11, 12), as its
    // new-problem procedure sets them before showing the dialog.
    void fillTextsFor(int module);

private:
    // Reports a refused answer and hands its box back to the user.
    void refuse(int index, const std::string& message);
};

FrmUserInput& frmUserInput();

namespace qv {
// Fills in the dialog for the current module, shows it modally and tells whether
// it ended with OK; after a Cancel the main window has the focus.
bool askDimensions();
}  // namespace qv
