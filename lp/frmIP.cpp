#include "lp/frmIP.h"

#include <algorithm>
#include <vector>

#include "lp/core/IntegerSection.h"
#include "platform/ui/Host.h"
#include "shell/DialogLook.h"
#include "shell/QVCommon.h"
#include "shell/core/State.h"

FrmIP& frmIP() { return pf::instance<FrmIP>(); }

namespace {
void selectAll(pf::ListBox& on, pf::ListBox& off) {
    for (int i = 0; i < on.ListCount(); ++i) {
        on.Selected(i, true);
        off.Selected(i, false);
    }
}

std::vector<bool> selections(const pf::ListBox& l) {
    std::vector<bool> s;
    for (int i = 0; i < l.ListCount(); ++i) s.push_back(l.Selected(i));
    return s;
}
}  // namespace

FrmIP::FrmIP() : pf::Form("frmIP", pf::FormKind::Dialog) {
    Text1.Caption(" Integer Variable Identification");
    optbinary.Caption("All Variables Are 0/1 (Binary)");
    optgeneral.Caption("All Variables Are General Integer");
    optMultiple.Caption("Multiple Types Of Variables");
    // The design's choice when the dialog is created.
    optgeneral.Value(true);
    qv::dialogOptionLook({&optbinary, &optgeneral, &optMultiple}, 9.75);
    Label1.Move(240, 2280, 3015, 255);
    qv::dialogLabelLook(Label1, 9.75, true);
    Label1.Caption("Select 0/1 Variables:");
    Label2.Move(3600, 2280, 3015, 255);
    qv::dialogLabelLook(Label2, 9.75, true);
    Label2.Caption("Select General Integer Variables:");
    // Each list as wide as the heading over it, at least as the design's; the dialog
    // keeps its margins around the two.
    constexpr int kMargin = 240, kGap = 345;
    const int listWidth = std::max({3015, Label1.Width(), Label2.Width()});
    const int width = 2 * kMargin + 2 * listWidth + kGap;
    const int right = kMargin + listWidth + kGap;
    qv::applyDialogLook(*this, width, 6000, Picture1, imgIcon, Text1, width - 480);
    Frame1.Move(kMargin, 720, width - 2 * kMargin, 1455);
    Frame1.BackColor(qv::kDialogGrey);
    optbinary.Move(240, 180, 5895, 315);
    optgeneral.Move(240, 600, 5895, 315);
    optMultiple.Move(240, 1020, 5895, 315);
    lstBinary.Move(kMargin, 2580, listWidth, 2535);
    Label2.Left(right);
    lstGeneral.Move(right, 2580, listWidth, 2535);
    for (pf::ListBox* l : {&lstBinary, &lstGeneral}) {
        l->FontName("Century Gothic");
        l->FontSize(9.75);
    }
    // Tab order follows declaration order here. The buttons stand centred under the lists.
    const int buttonLeft = (width - 2 * 1455 - 825) / 2;
    qv::dialogButton(CmdSolve, "Solve", buttonLeft, 5400, 1455, 0);
    qv::dialogButton(cmdCancel, "Cancel", buttonLeft + 1455 + 825, 5400, 1455, 0);

    optbinary.Click = [this] { optbinary_Click(); };
    optgeneral.Click = [this] { optgeneral_Click(); };
    optMultiple.Click = [this] { optMultiple_Click(); };
    lstBinary.Click = [this] { lstBinary_Click(); };
    lstGeneral.Click = [this] { lstGeneral_Click(); };
    CmdSolve.Click = [this] { CmdSolve_Click(); };
    // Enter solves from any field; the lists pick with Space, so Enter is free there.
    CmdSolve.Default(true);
    cmdCancel.Click = [this] { cmdCancel_Click(); };
}

void FrmIP::Form_Load() {
    auto& lp = qv::S().lp;
    for (pf::ListBox* l : {&lstBinary, &lstGeneral}) {
        long colour = l->BackColor();
        l->BackColor(QVCommon::PaletteColor(colour));
    }
    for (int i = 1; i <= lp.intVariableCount; ++i) {
        lstBinary.AddItem(lp.strVariableNames(i));
        lstGeneral.AddItem(lp.strVariableNames(i));
        lstGeneral.Selected(i - 1, true);
    }
    // The choice of the previous Solve.
    const QVLP::IntegerDialogState st = QVLP::ReadIntegerDialogState();
    switch (st.choice) {
        case QVLP::IntegerChoice::AllBinary:
            optbinary.Value(true);
            selectAll(lstBinary, lstGeneral);
            break;
        case QVLP::IntegerChoice::AllGeneral:
            optgeneral.Value(true);
            selectAll(lstGeneral, lstBinary);
            break;
        case QVLP::IntegerChoice::Multiple:
            optMultiple.Value(true);
            for (int i = 0; i < lstBinary.ListCount(); ++i)
                if (static_cast<std::size_t>(i) < st.binarySelected.size() && st.binarySelected[static_cast<std::size_t>(i)])
                    lstBinary.Selected(i, true);
            for (int i = 0; i < lstGeneral.ListCount(); ++i)
                if (static_cast<std::size_t>(i) < st.generalSelected.size() && st.generalSelected[static_cast<std::size_t>(i)])
                    lstGeneral.Selected(i, true);
            break;
    }
}

void FrmIP::optbinary_Click() {
    if (optbinary.Value()) selectAll(lstBinary, lstGeneral);
}

void FrmIP::optgeneral_Click() {
    if (optgeneral.Value()) selectAll(lstGeneral, lstBinary);
}

void FrmIP::optMultiple_Click() {
    if (!optMultiple.Value()) return;
    for (int i = 0; i < lstBinary.ListCount(); ++i) {
        lstBinary.Selected(i, false);
        lstGeneral.Selected(i, false);
    }
}

// A variable is binary or general integer, not both.
void FrmIP::lstBinary_Click() {
    const int i = lstBinary.ListIndex();
    if (i >= 0 && lstBinary.Selected(i) && i < lstGeneral.ListCount()) lstGeneral.Selected(i, false);
}

void FrmIP::lstGeneral_Click() {
    const int i = lstGeneral.ListIndex();
    if (i >= 0 && lstGeneral.Selected(i) && i < lstBinary.ListCount()) lstBinary.Selected(i, false);
}

void FrmIP::CmdSolve_Click() {
    QVLP::IntegerChoice choice = QVLP::IntegerChoice::Multiple;
    if (optbinary.Value())
        choice = QVLP::IntegerChoice::AllBinary;
    else if (optgeneral.Value())
        choice = QVLP::IntegerChoice::AllGeneral;
    QVLP::WriteIntegerSection(choice, selections(lstBinary), selections(lstGeneral));
    qv::S().blnDialogCancelled = false;
    pf::Unload(*this);
}

void FrmIP::cmdCancel_Click() {
    qv::S().blnDialogCancelled = true;
    pf::Unload(*this);
}
