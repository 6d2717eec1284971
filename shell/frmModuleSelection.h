#pragma once
// The module chooser.
#include <array>
#include <memory>

#include "platform/ui/Controls.h"

class FrmModuleSelection : public pf::Form {
public:
    FrmModuleSelection();
    void Form_Load() override;

    pf::Shape Shape1{this, "Shape1"};
    pf::Label Text1{this, "Text1"};
    pf::PictureBox Picture1{this, "Picture1"};
    pf::Frame framProbSel{this, "framProbSel"};
    std::array<std::unique_ptr<pf::OptionButton>, 13> optProblemType;  // 1..12
    pf::Label txtprobsel{this, "txtprobsel"};
    pf::CommandButton cmdOK{this, "cmdOK"};

    void optProblemType_Click(int index);
    void optProblemType_DblClick(int index);
    void cmdOK_Click();
    void Form_KeyDown(int& keyCode, int shift);
    void optProblemType_KeyDown(int index, int& keyCode, int shift);
};

FrmModuleSelection& frmModuleSelection();

namespace qv {

// The twelve modules as the chooser presents them (index = module number).
struct ModuleInfo {
    const char* optionCaption;
    const char* statusCaption;
    const char* problemTitle;
    const char* extension;
    const char* description;
};
const ModuleInfo& moduleInfo(int module);

// The program's folder followed by "Problems"; created when missing, with a
// "Problems" folder in the user's home as the fallback when the program's
// folder cannot be written.
std::string problemFolder();

// Opens the home screen of the current module (modeless).
void showHomeScreen();

}  // namespace qv
