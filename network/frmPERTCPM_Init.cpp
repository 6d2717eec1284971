#include "network/frmPERTCPM_Init.h"

#include "network/core/PertEntry.h"
#include "platform/ui/Host.h"
#include "shell/DialogLook.h"
#include "shell/QVCommon.h"
#include "shell/core/State.h"

FrmPERTCPM_Init& frmPERTCPM_Init() { return pf::instance<FrmPERTCPM_Init>(); }

FrmPERTCPM_Init::FrmPERTCPM_Init() : pf::Form("frmPERTCPM_Init", pf::FormKind::Dialog) {
    qv::applyDialogLook(*this, 6255, 3135, Picture1, imgIcon, lblTitle, 5775);
    lblTitle.Caption(" PERT/CPM Parameters");

    lblNumActivities.Move(240, 840, 4455, 375);
    qv::dialogLabelLook(lblNumActivities, 11.25, true);
    lblNumActivities.Caption("Number of Activities (MAX=25):");
    txtNumActivities.Move(4920, 840, 855, 375);
    txtNumActivities.FontName("MS Sans Serif");
    txtNumActivities.FontSize(9.75);
    txtNumActivities.TabIndex = 0;

    const char* captions[] = {"Known Activity Times", "Uncertain Activity Times"};
    for (int i = 0; i < 2; ++i) {
        auto& o = optActivityTime[static_cast<std::size_t>(i)];
        o = std::make_unique<pf::OptionButton>(this, "optActivityTime", i);
        o->Move(480, 1380 + i * 420, 4455, 375);
        o->Caption(captions[i]);
        o->TabIndex = 1 + i;
        qv::dialogOptionLook({o.get()}, 9.75);
    }
    optActivityTime[0]->Value(true);

    // Neither button answers to Enter or Esc.
    qv::dialogButton(cmdOK, "OK", 1320, 2400, 1455, 3);
    cmdOK.Click = [this] { cmdOK_Click(); };
    EscClosesDialog = false;  // neither button answers to Esc
    qv::dialogButton(cmdCancel, "Cancel", 3480, 2400, 1455, 4);
    cmdCancel.Click = [this] { cmdCancel_Click(); };
    lblTitle.TabIndex = 5;
    Picture1.TabIndex = 6;

    txtNumActivities.GotFocus = [this] { txtNumActivities_GotFocus(); };
    txtNumActivities.LostFocus = [this] { txtNumActivities_LostFocus(); };
}

void FrmPERTCPM_Init::Form_Load() {
    long colour = BackColor();
    BackColor(QVCommon::PaletteColor(colour));
    // First in the tab order.
    txtNumActivities.SetFocus();
}

void FrmPERTCPM_Init::txtNumActivities_GotFocus() {
    refusalPending_ = false;
    qv::selectAllText(txtNumActivities);
}

void FrmPERTCPM_Init::refuse(const char* message, const std::string& text) {
    qv::refuseEntry(txtNumActivities, message);
    txtNumActivities_GotFocus();
    refusedText_ = text;
    refusalPending_ = true;
}

void FrmPERTCPM_Init::txtNumActivities_LostFocus() {
    const std::string text = txtNumActivities.Text();
    int n = 0;
    switch (QVPert_CPM::CheckActivityCount(text, n)) {
        case QVPert_CPM::CountVerdict::Empty: return;
        case QVPert_CPM::CountVerdict::OutOfRange: return refuse(QVPert_CPM::kCountRangeMessage, text);
        case QVPert_CPM::CountVerdict::NotInteger: return refuse(QVPert_CPM::kCountIntegerMessage, text);
        case QVPert_CPM::CountVerdict::Accepted:
            qv::S().pert.intActivityCount = n;
            acceptedText_ = text;
            anyAccepted_ = true;
            return;
    }
}

void FrmPERTCPM_Init::cmdOK_Click() {
    auto& s = qv::S();
    if (optActivityTime[0]->Value())
        s.pert.intTimeEstimateMode = 1;
    else if (optActivityTime[1]->Value())
        s.pert.intTimeEstimateMode = 2;
    const std::string text = txtNumActivities.Text();
    // A refusal made as the click took the focus has shown its message already.
    const bool refusedJustNow = refusalPending_ && refusedText_ == text;
    refusalPending_ = false;
    if (text.empty()) {
        pf::MsgBox(QVPert_CPM::kCountMissingMessage, pf::vbCritical + pf::vbOKOnly, "Data Input Error");
        if (txtNumActivities.canTakeFocus()) txtNumActivities.SetFocus();
        return;
    }
    // OK goes on only with the count the box shows.
    if (!anyAccepted_ || text != acceptedText_) {
        if (!refusedJustNow) txtNumActivities_LostFocus();
        refusalPending_ = false;
        if (txtNumActivities.canTakeFocus()) txtNumActivities.SetFocus();
        return;
    }
    s.blnDialogCancelled = false;
    pf::Unload(*this);
}

void FrmPERTCPM_Init::cmdCancel_Click() {
    qv::S().blnDialogCancelled = true;
    pf::Unload(*this);
}
