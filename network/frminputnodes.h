#pragma once
// The start and end node dialog of a shortest-route solve: two answer boxes, checked
// and stored in intStartNode and intEndNode, OK or Cancel through blnDialogCancelled.
// Both buttons unload it, so every solve starts with empty boxes.
#include <array>
#include <memory>
#include <string>

#include "platform/ui/Controls.h"

class Frminputnodes : public pf::Form {
public:
    Frminputnodes();
    void Form_Load() override;

    pf::PictureBox Picture1{this, "Picture1"};
    pf::Image imgIcon{this, "imgIcon", -1, &Picture1};
    pf::Label Text1{this, "Text1"};
    std::array<std::unique_ptr<pf::Label>, 2> lblQuestion;
    std::array<std::unique_ptr<pf::TextBox>, 2> txtAnswer;
    pf::CommandButton cmdOK{this, "cmdOK"};
    pf::CommandButton cmdCancel{this, "cmdCancel"};

    void cmdOK_Click();
    void cmdCancel_Click();
    void txtAnswer_GotFocus(int index);

private:
    // Checks box i as a node number 1..N; stores it in `node` when valid. False after
    // its message, with the box's text selected and the focus in it.
    bool readNode(int index, const char* notInteger, int& node);
    void refuse(int index, const std::string& message);
};

Frminputnodes& frminputnodes();
