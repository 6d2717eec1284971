#include "shell/frmStartup.h"

#include <algorithm>

#include "shell/QVCommon.h"
#include "shell/frmMenu.h"

FrmStartup& frmStartup() { return pf::instance<FrmStartup>(); }

namespace {
constexpr long kNavy = 0x00800000;
constexpr long kSilver = 0x00C0C0C0;
constexpr long kWhite = 0x00FFFFFF;
constexpr long kLight = 0x00F0F0F0;
}  // namespace

FrmStartup::FrmStartup() : pf::Form("frmStartup", pf::FormKind::TopLevel) {
    Move(0, 0, 8400, 5400);
    BackColor(kLight);
    Image1.Move(360, 360, 1440, 1440);
    Image1.showProductPicture();
    Label1.Move(2040, 360, 6000, 720);
    Label1.Caption("The Quorvane");
    Label1.FontName("Century Gothic");
    Label1.FontSize(24);
    Label1.FontBold(true);
    Label1.BackColor(kNavy);
    Label1.ForeColor(kWhite);
    Label1.Alignment(2);
    Label2.Move(2040, 1080, 6000, 480);
    Label2.Caption("Version 6.0");
    Label2.FontName("Century Gothic");
    Label2.FontSize(14);
    Label2.BackColor(kSilver);
    Label2.ForeColor(kWhite);
    Label2.Alignment(2);
    Line1.ForeColor(kNavy);
    Line1.Coords(360, 1980, 8040, 1980);
    Line2.ForeColor(kNavy);
    Line2.Coords(360, 2040, 8040, 2040);
    const char* notices[5] = {
        "A program for entering, saving, solving and printing problems of operations research.",
        "Twelve modules: linear and integer programming, transportation, assignment, shortest route, "
        "minimal spanning tree, PERT/CPM, inventory, waiting lines, decision analysis, forecasting "
        "and Markov processes.",
        "Problems are saved as small text files in the folder \"Problems\".",
        "Solutions can be printed or saved as text files.",
        "Choose Continue... to start.",
    };
    pf::TextBox* boxes[5] = {&Text1, &Text2, &Text3, &Text4, &Text5};
    int tops[5] = {2160, 2520, 3240, 3540, 3840};
    int heights[5] = {300, 660, 300, 300, 300};
    for (int i = 0; i < 5; ++i) {
        boxes[i]->Move(360, tops[i], 7680, heights[i]);
        boxes[i]->Text(notices[i]);
        boxes[i]->Locked(true);
        boxes[i]->BackColor(kLight);
        boxes[i]->FontName("MS Sans Serif");
        boxes[i]->FontSize(9);
        boxes[i]->TabStop = false;
    }
    // A notice grows to its whole text; what follows it moves down as far.
    int bottom = 0;
    for (pf::TextBox* box : boxes) {
        if (box->Top() < bottom) box->Top(bottom);
        bottom = box->Top() + box->Height();
    }
    const int shift = std::max(0, bottom + 120 - 4260);
    Height(Height() + shift);
    Line3.ForeColor(kNavy);
    Line3.Coords(360, 4260 + shift, 8040, 4260 + shift);
    cmdOK.Move(3300, 4500 + shift, 1800, 480);
    cmdOK.Caption("Continue...");
    cmdOK.FontName("Century Gothic");
    cmdOK.Default(true);
    cmdOK.Click = [this] { cmdOK_Click(); };
}

void FrmStartup::Form_Load() {
    long c = BackColor();
    BackColor(QVCommon::PaletteColor(c));
    long c1 = Label1.BackColor();
    Label1.BackColor(QVCommon::PaletteColor(c1));
    long c2 = Label2.BackColor();
    Label2.BackColor(QVCommon::PaletteColor(c2));
    long c3 = Line3.ForeColor();
    Line3.ForeColor(QVCommon::PaletteColor(c3));
}

void FrmStartup::cmdOK_Click() {
    pf::Unload(*this);
    frmMenu();  // loading the main window runs its set-up
}

namespace qv {
void startProgram() {
    FrmStartup& s = frmStartup();
    s.Show();
    s.cmdOK.SetFocus();
}
}  // namespace qv
