#pragma once
// The decision window: home screen of decision analysis, and once a problem is laid
// out its grids Grid(0) payoffs, Grid(1) state probabilities and Grid(2) indicator
// probabilities.
#include <array>
#include <memory>

#include "platform/ui/Controls.h"
#include "platform/ui/Grid.h"
#include "shell/GridEditor.h"

class FrmDecisionProblem : public pf::Form {
public:
    FrmDecisionProblem();
    void Form_Load() override;

    // The room each grid has, from its designed place; a grid is as large as its
    // table within it.
    static constexpr int kGridLeft = 120;
    static constexpr int kGridRoomWidth = 14000;
    static constexpr int kGridTop[3] = {405, 3885, 5205};
    static constexpr int kGridRoomHeight[3] = {3075, 420, 3075};
    void Form_Unload(int& cancel) override;

    pf::Label txtLoadInfo{this, "txtLoadInfo"};
    pf::Label lblLoadInfo{this, "lblLoadInfo"};
    pf::Label lblopttype{this, "lblopttype"};
    pf::Label lblgridcaption{this, "lblgridcaption"};
    pf::Label lblProb{this, "lblProb"};
    pf::Label Label1{this, "Label1"};
    pf::Label lblInfo{this, "lblInfo"};
    std::array<std::unique_ptr<pf::Grid>, 3> Grid;

    void txtLoadInfo_Click();

    // Checks and stores the current cell of Grid(index): 999 refused (the user has
    // been told), 0 accepted or nothing to do.
    void ValidateCell(int index, int& result);

    qv::GridEditor& editor(int index) { return *editors_[static_cast<std::size_t>(index)]; }

private:
    std::array<std::unique_ptr<qv::GridEditor>, 3> editors_;
};

FrmDecisionProblem& frmDecisionProblem();
