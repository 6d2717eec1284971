#pragma once
// The features dialog of a new decision problem: the numbers of alternatives, states
// of nature and (for a decision strategy) indicator outcomes, and the two options.
#include "decision/core/DecisionSetup.h"
#include "platform/ui/Controls.h"

class FrmDecisionFeatures : public pf::Form {
public:
    FrmDecisionFeatures();
    void Form_Load() override;

    pf::PictureBox Picture1{this, "Picture1"};
    pf::Image imgIcon{this, "imgIcon", -1, &Picture1};
    pf::Label Text1{this, "Text1"};
    pf::Label lblNumAlternatives{this, "lblNumAlternatives"};
    pf::TextBox txtNumAlternatives{this, "txtNumAlternatives"};
    pf::Label lblNumStates{this, "lblNumStates"};
    pf::TextBox txtNumStates{this, "txtNumStates"};
    pf::CheckBox chkStateProbs{this, "chkStateProbs"};
    pf::CheckBox chkStrategy{this, "chkStrategy"};
    pf::Label Label1{this, "Label1"};
    pf::Label lblIndicator{this, "lblIndicator"};
    pf::TextBox txtIndicator{this, "txtIndicator"};
    pf::CommandButton cmdOK{this, "cmdOK"};
    pf::CommandButton cmdCancel{this, "cmdCancel"};

    void chkStateProbs_Click();
    void chkStrategy_Click();
    void txtNumAlternatives_GotFocus();
    void txtNumAlternatives_LostFocus();
    void txtNumStates_GotFocus();
    void txtNumStates_LostFocus();
    void txtIndicator_GotFocus();
    void txtIndicator_LostFocus();
    void cmdOK_Click();
    void cmdCancel_Click();

private:
    // The buttons and the dialog's lower edge follow the lowest shown row.
    void fitToShownRows();
    // Judges and stores a box's count as the focus leaves it (an empty box is left alone).
    void leaveBox(pf::TextBox& box, QVDecisionAnalysis::CountBox kind);
};

FrmDecisionFeatures& frmDecisionFeatures();
