#pragma once
// The model list: the modal dialog in which a new inventory or waiting-line problem's
// model is picked. The caller writes the heading and the model names, shows it, and
// reads the answer from the shared state: the model code of the current module
// (intInventoryModel or intWaitingLineModel) and blnDialogCancelled.
#include <string>
#include <vector>

#include "platform/ui/Controls.h"

class FrmUserListInput : public pf::Form {
public:
    FrmUserListInput();

    pf::PictureBox Picture1{this, "Picture1"};
    pf::Image imgIcon{this, "imgIcon", -1, &Picture1};
    pf::Label lblMainTitle{this, "lblMainTitle"};
    pf::Label lblTitle{this, "lblTitle"};
    pf::ListBox lstModelSelection{this, "lstModelSelection"};
    pf::CommandButton cmdOK{this, "cmdOK"};
    pf::CommandButton cmdCancel{this, "cmdCancel"};

    void Form_Load() override;
    void lstModelSelection_Click();
    void lstModelSelection_DblClick();
    void lstModelSelection_KeyDown(int& keyCode, int shift);
    void cmdOK_Click();
    void cmdCancel_Click();
};

// The dialog, created (and loaded) on first use; each showing is a new instance.
FrmUserListInput& frmuserlistinput();

namespace qv {
// The list's refusal of OK without an inventory model; the solver refuses the same way.
inline constexpr const char* kNoInventoryModel = "You Must Select an Inventory Model";
// Writes the heading and the entries (entry i stands for model code i + 1), shows the
// list modally and tells whether it ended with OK.
bool askModel(const std::string& heading, const std::vector<std::string>& models);
}  // namespace qv
