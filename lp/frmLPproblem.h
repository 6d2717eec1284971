#pragma once
// The linear-programming window: home screen of linear and integer programming, and
// once a problem is laid out its two grids, Grid(0) the objective function and
// Grid(1) the constraints. Both grids are edited through the shell's grid editor;
// they share one editing state, intEditGridIndex telling which grid holds the cell
// typed into.
#include <array>
#include <memory>

#include "platform/ui/Controls.h"
#include "platform/ui/Grid.h"
#include "shell/GridEditor.h"

class FrmLPproblem : public pf::Form {
public:
    FrmLPproblem();
    void Form_Load() override;

    // Where the grid captions begin: over the first variable's column.
    static constexpr int kCaptionLeft = 1670;
    void Form_Unload(int& cancel) override;

    pf::Label txtLoadInfo{this, "txtLoadInfo"};
    pf::Label lblLoadInfo{this, "lblLoadInfo"};
    pf::Label lblInfo{this, "lblInfo"};
    pf::Label lblopttype{this, "lblopttype"};
    pf::Label Label2{this, "Label2"};
    pf::Label lblObjFunction{this, "lblObjFunction"};  // drawn over Label2
    pf::Label Label1{this, "Label1"};
    pf::Label lblcoeff{this, "lblcoeff"};  // drawn over Label1
    std::array<std::unique_ptr<pf::Grid>, 2> Grid;

    void lblInfo_Click();
    void txtLoadInfo_Click();

    // Checks the current cell of Grid(index): 999 refused (the user has been told),
    // 0 accepted. Stores nothing.
    int ValidateCell(int index);
    void Grid_LostFocus(int index);

    qv::GridEditor& editor(int index) { return *editors_[static_cast<std::size_t>(index)]; }

private:
    std::array<std::unique_ptr<qv::GridEditor>, 2> editors_;
};

FrmLPproblem& frmLPproblem();
