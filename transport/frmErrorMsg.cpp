#include "transport/frmErrorMsg.h"

#include "shell/DialogLook.h"

FrmErrorMsg& frmErrorMsg() { return pf::instance<FrmErrorMsg>(); }

namespace {
// Lines are filled 0, 1, 2, 3, 8, 4, 5, 6, 7 and read in that order from the top.
constexpr int kRowOfLine[FrmErrorMsg::kLines] = {0, 1, 2, 3, 5, 6, 7, 8, 4};
constexpr int kWidth = 8400;
constexpr int kButtonTop = 3600;
// Under the button the same margin as under the other dialogs' buttons.
constexpr int kHeight = kButtonTop + 375 + 285;
}  // namespace

FrmErrorMsg::FrmErrorMsg() : pf::Form("frmErrorMsg", pf::FormKind::Dialog) {
    qv::applyDialogLook(*this, kWidth, kHeight, Picture1, imgIcon, Text1, kWidth - 480);
    Text1.Caption(" Data Input Error");
    for (int i = 0; i < kLines; ++i) {
        auto& l = lbl[static_cast<std::size_t>(i)];
        l = std::make_unique<pf::Label>(this, "lbl", i);
        l->Move(240, 720 + kRowOfLine[i] * 300, kWidth - 360, 285);
        qv::dialogLabelLook(*l, 8.25, i == 0);
        l->FontName("MS Sans Serif");
    }
    qv::dialogButton(cmdOK, "OK", (kWidth - 1335) / 2, kButtonTop, 1335, 0);
    cmdOK.Click = [this] { cmdOK_Click(); };
    CloseCommand = [this] { cmdOK_Click(); };
}

void FrmErrorMsg::cmdOK_Click() { pf::Unload(*this); }
