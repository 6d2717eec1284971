#include "network/frminputnodes.h"

#include <cmath>
#include <limits>

#include "platform/core/Errors.h"
#include "platform/core/Format.h"
#include "platform/ui/Host.h"
#include "shell/DialogLook.h"
#include "shell/core/State.h"
#include "shell/core/tanumchk.h"

Frminputnodes& frminputnodes() { return pf::instance<Frminputnodes>(); }

namespace {

constexpr const char* kTitle = "Data Input Error";

}  // namespace

Frminputnodes::Frminputnodes() : pf::Form("frminputnodes", pf::FormKind::Dialog) {
    qv::applyDialogLook(*this, 6495, 2535, Picture1, imgIcon, Text1, 6015);
    Text1.Caption(" Select the Starting and Ending Nodes for the Route");
    const char* questions[2] = {"Enter the Number of the Starting Node:", "Enter the Number of the Ending Node:"};
    for (int i = 0; i < 2; ++i) {
        const auto k = static_cast<std::size_t>(i);
        lblQuestion[k] = std::make_unique<pf::Label>(this, "lblQuestion", i);
        lblQuestion[k]->Move(120, 840 + i * 600, 5295, 375);
        qv::dialogLabelLook(*lblQuestion[k], 11.25, true);
        lblQuestion[k]->Caption(questions[i]);
        lblQuestion[k]->TabIndex = 4 + i;
        txtAnswer[k] = std::make_unique<pf::TextBox>(this, "txtAnswer", i);
        txtAnswer[k]->Move(5640, 840 + i * 600, 615, 375);
        txtAnswer[k]->FontName("MS Sans Serif");
        txtAnswer[k]->FontSize(9.75);
        txtAnswer[k]->TabIndex = i;
        txtAnswer[k]->GotFocus = [this, i] { txtAnswer_GotFocus(i); };
    }
    qv::dialogButton(cmdOK, "OK", 1680, 2040, 1335, 2);
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdOK.Default(true);  // the user types the nodes and presses Enter
    qv::dialogButton(cmdCancel, "Cancel", 3360, 2040, 1335, 3);
    cmdCancel.Click = [this] { cmdCancel_Click(); };
    Text1.TabIndex = 6;
    Picture1.TabIndex = 7;
}

void Frminputnodes::Form_Load() {
    // The start node's box is first in the tab order: it has the focus when the dialog opens.
    txtAnswer[0]->SetFocus();
}

void Frminputnodes::txtAnswer_GotFocus(int index) { qv::selectAllText(*txtAnswer[static_cast<std::size_t>(index)]); }

void Frminputnodes::refuse(int index, const std::string& message) {
    pf::MsgBox(message, pf::vbCritical + pf::vbOKOnly, kTitle);
    tanumchk::ResetVerdicts();
    pf::TextBox& t = *txtAnswer[static_cast<std::size_t>(index)];
    qv::selectAllText(t);
    t.SetFocus();
}

bool Frminputnodes::readNode(int index, const char* notInteger, int& node) {
    auto& s = qv::S();
    const std::string text = txtAnswer[static_cast<std::size_t>(index)]->Text();
    if (!tanumchk::IsWholeNumber(text)) {
        refuse(index, notInteger);
        return false;
    }
    const double v = std::floor(pf::ValLeadingOrInfinite(text));
    if (!(v >= 1 && v <= s.intNodeCount)) {
        refuse(index, "You may only select a number between 1 and " + std::to_string(s.intNodeCount) +
                          ".  PLEASE TRY AGAIN.");
        return false;
    }
    node = static_cast<int>(v);
    return true;
}

void Frminputnodes::cmdOK_Click() {
    auto& net = qv::S().net;
    // The start node is stored before the end node is looked at.
    if (!readNode(0, "Starting Node must be an integer.", net.intStartNode)) return;
    if (!readNode(1, "Ending Node must be an integer.", net.intEndNode)) return;
    qv::S().blnDialogCancelled = false;
    pf::Unload(*this);
}

void Frminputnodes::cmdCancel_Click() {
    qv::S().blnDialogCancelled = true;
    qv::redrawGridWindow();
    pf::Unload(*this);
}
