#pragma once
// The PERT/CPM activity window: for each activity its immediate predecessors and its
// time (one known time or three estimates). Every entry is checked as the user leaves
// it and stored in the PERT/CPM block at once; the grid only mirrors the block.
#include "network/core/PertEntry.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Grid.h"

class FrmPERT_CPM : public pf::Form {
public:
    FrmPERT_CPM();
    void Form_Load() override;

    pf::Label lblInstructions{this, "lblInstructions"};
    pf::Label lblActivityName{this, "lblActivityName"};
    pf::ListBox lstActivityName{this, "lstActivityName"};
    pf::Label lblPredecessor{this, "lblPredecessor"};
    pf::ListBox lstPredecessor{this, "lstPredecessor", -1, nullptr, 1};
    pf::Label lblActivityTime{this, "lblActivityTime"};
    pf::Frame Frame4{this, "Frame4"};
    pf::Label lblExpectedTime{this, "lblExpectedTime", -1, &Frame4};
    pf::TextBox txtExpectedTime{this, "txtExpectedTime", -1, &Frame4};
    pf::Frame frame3{this, "frame3"};
    pf::Label lblOptimistic{this, "lblOptimistic", -1, &frame3};
    pf::TextBox txtOptimistic{this, "txtOptimistic", -1, &frame3};
    pf::Label lblProbable{this, "lblProbable", -1, &frame3};
    pf::TextBox txtProbable{this, "txtProbable", -1, &frame3};
    pf::Label lblPessimistic{this, "lblPessimistic", -1, &frame3};
    pf::TextBox txtPessimistic{this, "txtPessimistic", -1, &frame3};
    pf::Grid gridDisplayEdit{this, "gridDisplayEdit"};

    void lstActivityName_Click();
    void lstPredecessor_Click();
    void gridDisplayEdit_Click();
    void gridDisplayEdit_KeyDown(int& keyCode, int shift);

    // Check and store the box's text, as when the box loses the focus; callable while
    // the window is loaded (Save, Solve, Print and Save As Text File commit a time
    // being typed). False when the time was refused: the box has the keyboard again.
    bool txtExpectedTime_LostFocus();
    bool txtOptimistic_LostFocus();
    bool txtProbable_LostFocus();
    bool txtPessimistic_LostFocus();
    // Checks and stores the times of the boxes in use, up to the first refusal (false:
    // that box has said so and keeps the keyboard with its text selected).
    bool commitTimes();

private:
    void SetupSingleTimeGrid();
    void SetupThreeTimeGrid();
    // The rows, the two heading rows and the widths common to both layouts.
    void layOutGrid(int cols);
    void enableTimeFrame();
    bool checkTimeBox(pf::TextBox& box, QVPert_CPM::TimeBox kind);
    void showPredecessors(int activity);
    pf::TextBox& timeBox(QVPert_CPM::TimeBox kind);
    // While the stored predecessors are selected for display, nothing is stored.
    bool showingStored_ = false;
};

FrmPERT_CPM& frmPERT_CPM();
