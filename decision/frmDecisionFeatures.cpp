#include "decision/frmDecisionFeatures.h"

#include <string>

#include "decision/core/DecisionSetup.h"
#include "platform/ui/Host.h"
#include "shell/DialogLook.h"
#include "shell/QVCommon.h"
#include "shell/core/State.h"

FrmDecisionFeatures& frmDecisionFeatures() { return pf::instance<FrmDecisionFeatures>(); }

namespace {

using QVDecisionAnalysis::CountBox;

// Judges a box that is not empty; on refusal the user is told and the box gets the
// focus back. Returns the accepted count, or 0.
int judge(pf::TextBox& box, CountBox kind) {
    const QVDecisionAnalysis::CountVerdict v = QVDecisionAnalysis::judgeCount(kind, box.Text());
    if (v.accepted) return v.value;
    qv::refuseEntry(box, v.message, v.title);
    return 0;
}

void storeCount(CountBox kind, int value) {
    auto& d = qv::S().dec;
    switch (kind) {
        case CountBox::Alternatives: d.intAlternativeCount = value; break;
        case CountBox::States: d.intNatureStateCount = value; break;
        case CountBox::Indicators: d.intIndicatorCount = value; break;
    }
}

void countLabel(pf::Label& l, int top, const char* caption) {
    l.Move(240, top, 5415, 375);
    qv::dialogLabelLook(l, 9.75, true);
    l.Caption(caption);
}

void countBox(pf::TextBox& t, int top, int tabIndex) {
    t.Move(5760, top, 855, 375);
    t.FontName("MS Sans Serif");
    t.FontSize(9.75);
    t.TabIndex = tabIndex;
}

void checkLook(pf::CheckBox& c, int top, const char* caption, int tabIndex) {
    c.Move(240, top, 5415, 315);
    c.BackColor(qv::kDialogGrey);
    c.ForeColor(qv::kHeaderNavy);
    c.FontName("Century Gothic");
    c.FontSize(9.75);
    c.FontBold(true);
    c.Caption(caption);
    c.TabIndex = tabIndex;
}

}  // namespace

FrmDecisionFeatures::FrmDecisionFeatures() : pf::Form("frmDecisionFeatures", pf::FormKind::Dialog) {
    qv::applyDialogLook(*this, 6975, 4560, Picture1, imgIcon, Text1, 6495);
    Text1.Caption(" Problem Features");

    countLabel(lblNumAlternatives, 840, "Number of Decision Alternatives (MAX=10):");
    countBox(txtNumAlternatives, 840, 0);
    countLabel(lblNumStates, 1380, "Number of States of Nature (MAX=10):");
    countBox(txtNumStates, 1380, 1);
    checkLook(chkStateProbs, 1980, "State of Nature Probabilities", 2);
    checkLook(chkStrategy, 2460, "Compute Decision Strategy", 3);
    Label1.Move(600, 2790, 6135, 255);
    qv::dialogLabelLook(Label1, 8.25, false);
    Label1.Caption("(If yes, probabilities for Indicator (Sample) outcomes are requested.)");
    countLabel(lblIndicator, 3180, "Number of Indicator Outcomes (MAX=10):");
    countBox(txtIndicator, 3180, 4);

    // Neither button has the Enter or Esc role.
    qv::dialogButton(cmdOK, "OK", 1680, 3900, 1455, 5);
    qv::dialogButton(cmdCancel, "Cancel", 3840, 3900, 1455, 6);
    Text1.TabIndex = 7;
    Picture1.TabIndex = 8;

    chkStrategy.Visible(false);
    Label1.Visible(false);
    txtIndicator.Visible(false);
    lblIndicator.Visible(false);
    fitToShownRows();

    chkStateProbs.Click = [this] { chkStateProbs_Click(); };
    chkStrategy.Click = [this] { chkStrategy_Click(); };
    txtNumAlternatives.GotFocus = [this] { txtNumAlternatives_GotFocus(); };
    txtNumAlternatives.LostFocus = [this] { txtNumAlternatives_LostFocus(); };
    txtNumStates.GotFocus = [this] { txtNumStates_GotFocus(); };
    txtNumStates.LostFocus = [this] { txtNumStates_LostFocus(); };
    txtIndicator.GotFocus = [this] { txtIndicator_GotFocus(); };
    txtIndicator.LostFocus = [this] { txtIndicator_LostFocus(); };
    cmdOK.Click = [this] { cmdOK_Click(); };
    // Neither Enter nor Esc reaches a button here.
    EnterPressesFocusedButton = false;
    EscClosesDialog = false;
    cmdCancel.Click = [this] { cmdCancel_Click(); };
}

void FrmDecisionFeatures::Form_Load() {
    long colour = BackColor();
    BackColor(QVCommon::PaletteColor(colour));
    txtNumAlternatives.SetFocus();
}

void FrmDecisionFeatures::chkStateProbs_Click() {
    const bool probs = chkStateProbs.Value() == 1;
    Label1.Visible(probs);
    chkStrategy.Visible(probs);
    // The outcome box shows whenever a strategy is asked for and can be, so that OK
    // never asks for a number in a hidden box.
    const bool outcomes = probs && chkStrategy.Value() == 1;
    txtIndicator.Visible(outcomes);
    lblIndicator.Visible(outcomes);
    fitToShownRows();
}

void FrmDecisionFeatures::chkStrategy_Click() {
    const bool outcomes = chkStrategy.Value() == 1;
    txtIndicator.Visible(outcomes);
    lblIndicator.Visible(outcomes);
    fitToShownRows();
}

void FrmDecisionFeatures::fitToShownRows() {
    // The buttons stand under the lowest shown row as far as under the outcome row.
    constexpr int kGapOverButtons = 345;
    const int lowest = qv::lowestShown({&lblNumStates, &chkStateProbs, &chkStrategy, &Label1, &lblIndicator});
    qv::closeUpBand(*this, cmdOK.Top() - (lowest + kGapOverButtons), {&cmdOK, &cmdCancel});
}

void FrmDecisionFeatures::txtNumAlternatives_GotFocus() { qv::selectAllText(txtNumAlternatives); }
void FrmDecisionFeatures::txtNumStates_GotFocus() { qv::selectAllText(txtNumStates); }
void FrmDecisionFeatures::txtIndicator_GotFocus() { qv::selectAllText(txtIndicator); }

void FrmDecisionFeatures::leaveBox(pf::TextBox& box, QVDecisionAnalysis::CountBox kind) {
    if (box.Text().empty()) return;
    const int v = judge(box, kind);
    if (v) storeCount(kind, v);
}

void FrmDecisionFeatures::txtNumAlternatives_LostFocus() { leaveBox(txtNumAlternatives, CountBox::Alternatives); }
void FrmDecisionFeatures::txtNumStates_LostFocus() { leaveBox(txtNumStates, CountBox::States); }
void FrmDecisionFeatures::txtIndicator_LostFocus() { leaveBox(txtIndicator, CountBox::Indicators); }

void FrmDecisionFeatures::cmdOK_Click() {
    auto& s = qv::S();
    const bool probs = chkStateProbs.Value() == 1;
    const bool strategy = probs && chkStrategy.Value() == 1;
    struct Box {
        pf::TextBox* box;
        CountBox kind;
        bool asked;
    } boxes[] = {{&txtNumAlternatives, CountBox::Alternatives, true},
                 {&txtNumStates, CountBox::States, true},
                 {&txtIndicator, CountBox::Indicators, strategy}};
    int counts[3] = {0, 0, 0};
    // Every count is judged again, so that a refused entry never leaves an earlier
    // count in place.
    for (int i = 0; i < 3; ++i) {
        if (!boxes[i].asked) continue;
        pf::TextBox& box = *boxes[i].box;
        if (box.Text().empty()) {
            qv::refuseEntry(box, QVDecisionAnalysis::emptyCountMessage(boxes[i].kind), "Data Input Error");
            return;
        }
        counts[i] = judge(box, boxes[i].kind);
        if (counts[i] == 0) return;
    }
    for (int i = 0; i < 3; ++i)
        if (boxes[i].asked) storeCount(boxes[i].kind, counts[i]);
    s.dec.strStateProbsGiven = probs ? "YES" : "NO";
    s.dec.intStateProbsFlag = probs ? 1 : 0;
    s.dec.strStrategyRequested = strategy ? "YES" : "NO";
    s.dec.intStrategyFlag = strategy ? 1 : 0;
    s.blnDialogCancelled = false;
    pf::Unload(*this);
}

void FrmDecisionFeatures::cmdCancel_Click() {
    qv::S().blnDialogCancelled = true;
    pf::Unload(*this);
}
