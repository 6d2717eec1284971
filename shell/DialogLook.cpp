#include "shell/DialogLook.h"

#include <algorithm>

#include "platform/ui/Host.h"

namespace qv {

void applyDialogLook(pf::Form& dialog, int clientWidth, int clientHeight, pf::PictureBox& iconBox,
                     pf::Image& icon, pf::Label& header, int headerWidth) {
    dialog.Caption("");
    dialog.Move(0, 0, clientWidth, clientHeight);
    dialog.BackColor(kDialogGrey);

    iconBox.Move(0, 0, 495, 540);
    iconBox.BackColor(kHeaderNavy);
    iconBox.TabStop = false;
    // A 32 x 32 picture, centred in the band.
    icon.Move(8, 30, 480, 480);
    icon.BackColor(kHeaderNavy);
    icon.showProductPicture();

    header.Move(480, 0, headerWidth, 540);
    header.BackColor(kHeaderNavy);
    header.ForeColor(kHeaderText);
    header.FontName("Century Gothic");
    header.FontSize(12);
    header.FontBold(true);
    header.TabStop = false;
}

void dialogLabelLook(pf::Label& label, double fontSize, bool bold) {
    label.BackColor(kDialogGrey);
    label.ForeColor(0x00000000);
    label.FontName("Century Gothic");
    label.FontSize(fontSize);
    label.FontBold(bold);
}

void redrawGridWindow() {
    // The platform has no repaint for a whole window; its labels are what a
    // closing dialog can leave stale over it.
    if (pf::Form* f = pf::forms::find("frmProblem")) {
        for (pf::Control* c : f->controls())
            if (auto* l = dynamic_cast<pf::Label*>(c)) l->Refresh();
    }
}

void dialogButton(pf::CommandButton& b, const char* caption, int left, int top, int width, int tabIndex) {
    b.FontName("Century Gothic");
    b.FontSize(11.25);
    b.FontBold(true);
    b.Move(left, top, width, 375);
    b.Caption(caption);
    b.TabIndex = tabIndex;
}

void dialogOptionLook(std::initializer_list<pf::OptionButton*> options, double fontSize) {
    for (pf::OptionButton* o : options) {
        o->ForeColor(kHeaderNavy);
        o->BackColor(kDialogGrey);
        o->FontName("Century Gothic");
        o->FontSize(fontSize);
        o->FontBold(true);
    }
}

void closeUpBand(pf::Form& dialog, int height, const std::vector<pf::Control*>& below) {
    if (height == 0) return;
    for (pf::Control* c : below) c->Top(c->Top() - height);
    dialog.Height(dialog.Height() - height);
}

int lowestShown(const std::vector<const pf::Control*>& rows) {
    int lowest = 0;
    for (const pf::Control* c : rows)
        if (c->Visible()) lowest = std::max(lowest, bottomOf(*c));
    return lowest;
}

void showBand(pf::Form& dialog, pf::Control& frame, int band, bool shown, const std::vector<pf::Control*>& below) {
    if (frame.Visible() == shown) return;
    frame.Visible(shown);
    closeUpBand(dialog, shown ? -band : band, below);
}

void selectAllText(pf::TextBox& box) {
    box.SelStart(0);
    box.SelLength(static_cast<int>(box.Text().size()));
}

void refuseEntry(pf::TextBox& box, const std::string& message, const std::string& title) {
    pf::MsgBox(message, pf::vbCritical + pf::vbOKOnly, title);
    if (box.canTakeFocus()) box.SetFocus();
}

}  // namespace qv
