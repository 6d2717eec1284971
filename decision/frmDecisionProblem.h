#pragma once
// The decision window: home screen of decision analysis, and once a problem is laid
// out its grids Grid(0) payoffs, Grid(1) state probabilities and Grid(2) indicator
// probabilities.
#include <array>
#include <memory>

#include "platform/ui/Controls.h"
#include "platform/ui/Grid.h"

class FrmDecisionProblem : public pf::Form {
public:
    FrmDecisionProblem();
    void Form_Load() override;
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
};

FrmDecisionProblem& frmDecisionProblem();
