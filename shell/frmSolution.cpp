#include "shell/frmSolution.h"

#include "shell/MenuState.h"
#include "shell/QVCommon.h"
#include "shell/frmMenu.h"

FrmSolution& frmSolution() { return pf::instance<FrmSolution>(); }

namespace {
constexpr long kLightBlue = 0x00FFC0C0;
constexpr long kNavy = 0x00800000;
}  // namespace

FrmSolution::FrmSolution() : pf::Form("frmSolution", pf::FormKind::Child) {
    Move(0, 0, 15270, 10065);
    BackColor(kLightBlue);
    lblTitle.Move(120, 0, 15200, 375);
    lblTitle.BackColor(kLightBlue);
    lblTitle.ForeColor(kNavy);
    lblTitle.FontName("MS Sans Serif");
    lblTitle.FontSize(9.75);
    lblTitle.FontBold(true);
    gridSolution.Move(120, kGridTop, kGridWidth, 9615);
    gridSolution.FixedRows(0);
    gridSolution.FixedCols(0);
    gridSolution.Rows(1);
    gridSolution.Cols(1);
    gridSolution.ColWidth(0, kGridWidth);
    // The solution is read, never typed into: the main window keeps the keyboard and
    // its scrolling keys move the lines.
    ScrolledFromMainWindow(gridSolution);
    gridSolution.Click = [this] { gridSolution_Click(); };
    gridSolution.RowColChange = [this] { gridSolution_RowColChange(); };
}

void FrmSolution::Form_Load() {
    Left(0);
    Top(0);
    long c = BackColor();
    BackColor(QVCommon::PaletteColor(c));
}

void FrmSolution::Form_Unload(int& /*cancel*/) {
    // Without the window there is nothing to print; never refused. When the main
    // window has gone already (the program ends) there is no menu left to switch.
    if (pf::isLoaded<FrmMenu>()) qv::menuEvent(qv::MenuEvent::SolutionWindowClosed);
}

void FrmSolution::gridSolution_Click() { frmMenu().SetFocus(); }

void FrmSolution::gridSolution_RowColChange() { frmMenu().SetFocus(); }

void FrmSolution::setTitle(const std::string& title) {
    lblTitle.Caption(title);
    lblTitle.Visible(true);
}

void FrmSolution::hideTitle(bool moveGridUp) {
    lblTitle.Visible(false);
    if (moveGridUp) gridSolution.Top(kGridTopNoTitle);
}

void FrmSolution::startLines(const std::string& firstLine) {
    // A plain listing: no gridlines, no highlighted cell.
    gridSolution.HighLight(false);
    gridSolution.ColWidth(0, kGridWidth);
    gridSolution.FixedRows(0);
    gridSolution.FixedCols(0);
    gridSolution.Rows(1);
    gridSolution.Cols(1);
    gridSolution.FontName("Courier");
    gridSolution.Row(0);
    gridSolution.Col(0);
    gridSolution.Text(firstLine);
}

void FrmSolution::addLine(const std::string& line) { gridSolution.AddItem(line); }

void FrmSolution::showSolution() {
    Show();
    frmMenu().SetFocus();
}

std::vector<std::string> FrmSolution::lines() const {
    std::vector<std::string> out;
    for (int r = 0; r < gridSolution.Rows(); ++r) out.push_back(gridSolution.TextMatrix(r, 0));
    return out;
}
