#include "waiting/frmWL_Model.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "platform/core/Errors.h"
#include "platform/core/Format.h"
#include "platform/ui/Host.h"
#include "shell/DialogLook.h"
#include "shell/MenuState.h"
#include "shell/QVCommon.h"
#include "shell/core/State.h"
#include "shell/core/tanumchk.h"
#include "shell/frmMenu.h"
#include "shell/qverror.h"
#include "waiting/QVWait.h"
#include "waiting/core/WaitingModels.h"

FrmWLModel& frmWL_Model() { return pf::instance<FrmWLModel>(); }

namespace {

constexpr const char* kNonNumericQuestion =
    "A NON-NUMERIC VALUE HAS BEEN ENTERED.  PLEASE ENTER `CANCEL' OR A NUMERIC VALUE IN RESPONSE TO THIS QUESTION.";
constexpr const char* kNonNumericAgain = "A NON-NUMERIC VALUE HAS BEEN ENTERED.  PLEASE TRY AGAIN.";
constexpr const char* kNonNumeric = "A NON-NUMERIC VALUE HAS BEEN ENTERED.";
constexpr const char* kValueRequired = "A Value Must be Entered";

struct Captions {
    const char* title;
    const char* rows[4];
};

const Captions& captionsOf(int model) {
    static const Captions kModels[] = {
        {" Poisson Arrivals / Exponential Service",
         {"Number of Channels:", "Mean Arrival Rate:", "Mean Service Rate per Channel:", ""}},
        {" Poisson Arrivals / Arbitrary Service (1 Channel)",
         {"Mean Arrival Rate:", "Mean Service Rate:", "Standard Deviation of Service Time:", ""}},
        {" Poisson Arrivals / Deterministic Service (1 Channel)", {"Mean Arrival Rate:", "Mean Service Rate:", "", ""}},
        {" Poisson Arrivals / Arbitrary Service (No Waiting)",
         {"Number of Channels:", "Mean Arrival Rate:", "Mean Service Rate per Channel:", ""}},
        {" Poisson Arrivals / Exponential Service (Finite Pop.)",
         {"Number of Channels:", "Mean Arrival Rate:", "Mean Service Rate per Channel:", "Population Size (MAX=30):"}},
    };
    return kModels[model - 1];
}

bool oneChannel(int model) { return model == 2 || model == 3; }

// The numeric-entry check on a box's upper-cased text; on success the box shows the
// comma-free text and `value` its number. A number beyond the double range fails.
bool numericEntry(pf::TextBox& box, double& value) {
    if (!tanumchk::CheckedValue(pf::UCase(box.Text()), value)) return false;
    box.Text(qv::S().strNumericText);
    return true;
}

// The leading number of a box's comma-free text. False when its digits do not fit a
// double: such a number is beyond every limit and is refused, not stored.
bool leadingValue(const std::string& text, double& value) { return pf::TryValText(pf::WithoutCommas(text), value); }

void boxLook(pf::TextBox& box) {
    box.FontName("MS Sans Serif");
    box.FontSize(9.75);
}

constexpr int kRowTop[4] = {840, 1440, 2040, 2760};
constexpr int kBoxLeft = 5040;
constexpr int kClientWidth = 8160;
// The design's spacing: from the last parameter row to the check box, from the check
// box to the cost frame, and under the lowest row to the form's edge.
constexpr int kRowGap = 225;
constexpr int kFrameGap = 105;
constexpr int kBottomMargin = 345;

}  // namespace

FrmWLModel::FrmWLModel() : pf::Form("frmWL_Model", pf::FormKind::Dialog) {
    qv::applyDialogLook(*this, kClientWidth, 5520, Picture1, imgIcon, lblTitle, kClientWidth - 480);
    lblTitle.Caption(" Waiting Lines Model Type");
    for (int i = 0; i < 4; ++i) {
        lbl_WL[i] = std::make_unique<pf::Label>(this, "lbl_WL", i);
        lbl_WL[i]->Move(240, kRowTop[i], 4695, 375);
        qv::dialogLabelLook(*lbl_WL[i], 9.75, true);
        txt_WL[i] = std::make_unique<pf::TextBox>(this, "txt_WL", i);
        txt_WL[i]->Move(kBoxLeft, kRowTop[i] - 30, 1335, 375);
        boxLook(*txt_WL[i]);
        txt_WL[i]->TabIndex = i;
        txt_WL[i]->GotFocus = [this, i] { txt_WL_GotFocus(i); };
        txt_WL[i]->LostFocus = [this, i] { txt_WL_LostFocus(i); };
    }
    lbl_WL[3]->Visible(false);
    txt_WL[3]->Visible(false);
    // Just below the question above it, not under its lower edge.
    Label1.Move(240, kRowTop[2] + 375, 4695, 255);
    qv::dialogLabelLook(Label1, 8.25, false);
    Label1.Visible(false);

    chkECONAnal.Move(240, 3360, 3255, 375);
    chkECONAnal.Caption("Economic Analysis?");
    chkECONAnal.BackColor(qv::kDialogGrey);
    chkECONAnal.ForeColor(qv::kHeaderNavy);
    chkECONAnal.FontName("Century Gothic");
    chkECONAnal.FontSize(9.75);
    chkECONAnal.FontBold(true);
    chkECONAnal.TabIndex = 4;
    chkECONAnal.Click = [this] { chkECONAnal_Click(); };

    frameECONAnal.Move(240, 3840, 6375, 1335);
    frameECONAnal.BackColor(qv::kDialogGrey);
    frameECONAnal.Visible(false);
    const char* costCaptions[2] = {"Cost per Time Period for Units in System:", "Cost per Time Period for a Channel:"};
    for (int i = 0; i < 2; ++i) {
        lblECONAnal[i] = std::make_unique<pf::Label>(this, "lblECONAnal", i, &frameECONAnal);
        lblECONAnal[i]->Move(120, 300 + 480 * i, 4575, 375);
        qv::dialogLabelLook(*lblECONAnal[i], 9.75, true);
        lblECONAnal[i]->Caption(costCaptions[i]);
        txtECONAnal[i] = std::make_unique<pf::TextBox>(this, "txtECONAnal", i, &frameECONAnal);
        txtECONAnal[i]->Move(kBoxLeft - 240, 270 + 480 * i, 1335, 375);
        boxLook(*txtECONAnal[i]);
        txtECONAnal[i]->TabIndex = 5 + i;
        txtECONAnal[i]->GotFocus = [this, i] { txtECONAnal_GotFocus(i); };
        txtECONAnal[i]->LostFocus = [this, i] { txtECONAnal_LostFocus(i); };
    }

    qv::dialogButton(CmdSolve, "Solve", 6720, 840, 1215, 7);
    CmdSolve.Click = [this] { CmdSolve_Click(); };
    qv::dialogButton(cmdSave, "Save", 6720, 1440, 1215, 8);
    cmdSave.Click = [this] { cmdSave_Click(); };
    qv::dialogButton(cmdCancel, "Cancel", 6720, 2040, 1215, 9);
    cmdCancel.Cancel(true);  // Esc in a box cancels, as the close command does
    cmdCancel.Click = [this] { cmdCancel_Click(); };
}

void FrmWLModel::Form_Load() {
    auto& s = qv::S();
    auto& wl = s.wl;
    const int model = wl.intWaitingLineModel;
    const Captions& c = captionsOf(model);
    lblTitle.Caption(c.title);
    for (int i = 0; i < 4; ++i) lbl_WL[i]->Caption(c.rows[i]);
    if (model == 2) {
        Label1.Caption("(In Units of Time Period)");
        Label1.Visible(true);
    }
    if (model == 3) {
        lbl_WL[2]->Visible(false);
        txt_WL[2]->Visible(false);
    }
    if (model == 4) {
        chkECONAnal.Visible(false);
        frameECONAnal.Visible(false);
    }
    if (model == 5) {
        lbl_WL[3]->Visible(true);
        txt_WL[3]->Visible(true);
    }
    if (oneChannel(model)) wl.intChannelCount = 1;

    if (!s.blnNewProblem) {
        auto show = [](pf::TextBox& box, const pf::Value& v) { box.Text(v.IsEmpty() ? "" : pf::EntryNumber(v.num())); };
        if (oneChannel(model)) {
            show(*txt_WL[0], wl.dblArrivalRate);
            show(*txt_WL[1], wl.dblServiceRate);
            if (model == 2) show(*txt_WL[2], wl.dblServiceStdDev);
        } else {
            show(*txt_WL[0], wl.intChannelCount);
            show(*txt_WL[1], wl.dblArrivalRate);
            show(*txt_WL[2], wl.dblServiceRate);
            if (model == 5) show(*txt_WL[3], wl.intPopulationSize);
        }
        if (wl.strEconomicAnalysis == "YES") {
            chkECONAnal.Value(1);
            txtECONAnal[0]->Text(pf::EntryNumber(s.dblCostPerUnit));
            show(*txtECONAnal[1], wl.dblChannelCost);
        }
    }
    fitToShownRows();
    qv::menuEvent(qv::MenuEvent::ModelFormOpened);
}

void FrmWLModel::fitToShownRows() {
    std::vector<const pf::Control*> rows = {&Label1};
    for (int i = 0; i < 4; ++i) rows.insert(rows.end(), {lbl_WL[i].get(), txt_WL[i].get()});
    const int lastRow = qv::lowestShown(rows);
    // The check box and the cost frame follow the last shown parameter row, spaced as
    // designed; beside the buttons, where a row is hidden, the check box takes its place.
    chkECONAnal.Top(lastRow + kRowGap);
    frameECONAnal.Top(qv::bottomOf(chkECONAnal) + kFrameGap);
    Height(std::max(lastRow, qv::lowestShown({&cmdCancel, &chkECONAnal, &frameECONAnal})) + kBottomMargin);
}

void FrmWLModel::Form_Unload(int& /*cancel*/) { qv::menuEvent(qv::MenuEvent::ModelFormClosed); }

void FrmWLModel::txt_WL_GotFocus(int index) { qv::selectAllText(*txt_WL[index]); }
void FrmWLModel::txtECONAnal_GotFocus(int index) { qv::selectAllText(*txtECONAnal[index]); }

void FrmWLModel::txt_WL_LostFocus(int index) {
    auto& s = qv::S();
    auto& wl = s.wl;
    pf::TextBox& box = *txt_WL[index];
    if (box.Text().empty()) return;
    const int model = wl.intWaitingLineModel;
    const bool single = oneChannel(model);
    double v = 0;
    switch (index) {
        case 0:
            if (single) {
                if (!numericEntry(box, v)) return qv::refuseEntry(box, kNonNumericQuestion);
                wl.dblArrivalRate = v;
                return;
            }
            if (!leadingValue(box.Text(), v)) return qv::refuseEntry(box, QVWait::kChannelRange);
            wl.intChannelCount = std::floor(v);
            if (!(wl.intChannelCount >= 1 && wl.intChannelCount <= qv::WaitingBlock::kMaxChannels))
                return qv::refuseEntry(box, QVWait::kChannelRange);
            return;
        case 1:
            if (!single) {
                if (!numericEntry(box, v)) return qv::refuseEntry(box, kNonNumericQuestion);
                wl.dblArrivalRate = v;
                return;
            }
            [[fallthrough]];
        case 2:
            if (index == 2 && model == 3) return;
            if (!numericEntry(box, v)) return qv::refuseEntry(box, kNonNumericAgain);
            if (index == 2 && model == 2) {
                wl.dblServiceStdDev = v;
                return;
            }
            wl.dblServiceRate = v;
            if (v <= 0) return qv::refuseEntry(box, QVWait::kMeanPositive);
            return;
        case 3:
            if (!numericEntry(box, v)) return qv::refuseEntry(box, kNonNumeric);
            wl.intPopulationSize = std::floor(v);
            if (wl.intPopulationSize < 1) return qv::refuseEntry(box, QVWait::kPopulationLow);
            if (wl.intPopulationSize > qv::WaitingBlock::kMaxPopulation) return qv::refuseEntry(box, QVWait::kPopulationHigh);
            return;
        default: return;
    }
}

void FrmWLModel::txtECONAnal_LostFocus(int index) {
    auto& s = qv::S();
    pf::TextBox& box = *txtECONAnal[index];
    if (box.Text().empty()) return;
    double v = 0;
    if (!numericEntry(box, v)) return qv::refuseEntry(box, kNonNumeric);
    if (index == 0)
        s.dblCostPerUnit = v;
    else
        s.wl.dblChannelCost = v;
}

void FrmWLModel::chkECONAnal_Click() {
    auto& wl = qv::S().wl;
    if (chkECONAnal.Value() == 1) {
        frameECONAnal.Visible(true);
        wl.strEconomicAnalysis = "YES";
    } else {
        frameECONAnal.Visible(false);
        txtECONAnal[0]->Text("");
        txtECONAnal[1]->Text("");
        wl.strEconomicAnalysis = "NO";
    }
    fitToShownRows();
}

void FrmWLModel::ValidateInput(int& result) {
    auto& wl = qv::S().wl;
    const int model = wl.intWaitingLineModel;
    const bool single = oneChannel(model);
    result = 999;

    std::vector<pf::TextBox*> required = {txt_WL[0].get(), txt_WL[1].get()};
    if (model != 3) required.push_back(txt_WL[2].get());
    if (model == 5) required.push_back(txt_WL[3].get());
    if (chkECONAnal.Value() == 1 && model != 4) {
        required.push_back(txtECONAnal[0].get());
        required.push_back(txtECONAnal[1].get());
    }
    for (pf::TextBox* box : required)
        if (box->Text().empty()) return qv::refuseEntry(*box, kValueRequired);

    pf::TextBox& arrivalBox = single ? *txt_WL[0] : *txt_WL[1];
    const double saved = wl.dblArrivalRate;
    if (!single) {
        double lambda = 0;
        wl.dblArrivalRate = leadingValue(arrivalBox.Text(), lambda) ? lambda : 0;
    }
    if (!(wl.dblArrivalRate > 0)) return qv::refuseEntry(arrivalBox, QVWait::kMeanPositive);

    const double k = wl.intChannelCount, mu = wl.dblServiceRate, lambda = wl.dblArrivalRate;
    if (model != 4 && model != 5 && mu != 0 && !(lambda < k * mu)) {
        if (!single) wl.dblArrivalRate = saved;
        return qv::refuseEntry(arrivalBox, QVWait::CapacityMessage(k * mu));
    }
    wl.intChannelCount = std::floor(wl.intChannelCount.num());

    if (model <= 3) {
        const double kk = wl.intChannelCount, capacity = kk * mu, l = wl.dblArrivalRate;
        if (capacity < l)
            return qv::refuseEntry(*txt_WL[1],
                                   "You have entered " + pf::PlainNumber(l) + " arrivals per time period.  However, the " +
                                       pf::PlainNumber(kk) + " channel(s) can service only " +
                                       pf::PlainNumber(capacity) +
                                       " units per time period.  The waiting line will grow without limit.",
                                   "WARNING!!!");
        if (capacity == l)
            return qv::refuseEntry(*txt_WL[1],
                                   "The arrival rate of " + pf::PlainNumber(l) + " equals the service rate of the " +
                                       pf::PlainNumber(kk) + " channel(s).  The waiting line will grow without limit.",
                                   "WARNING!!!");
    }
    result = 0;
}

namespace {

// What Save and Solve share once the form's entries are accepted.
void acceptProblem() {
    auto& s = qv::S();
    s.blnDialogCancelled = false;
    qv::menuEvent(qv::MenuEvent::ModelFormSavedOrSolved);
    s.blnNewProblem = false;
    s.strProblemEntered = "YES";
}

}  // namespace

void FrmWLModel::cmdSave_Click() {
    int result = 0;
    ValidateInput(result);
    if (result == 999) return;
    acceptProblem();
    try {
        frmMenu().mnuFileSave_Click();
    } catch (const pf::RuntimeError& e) {
        qverror::ReportError(e);
    }
}

void FrmWLModel::CmdSolve_Click() {
    int result = 0;
    ValidateInput(result);
    if (result == 999) return;
    acceptProblem();
    pf::Unload(*this);
    try {
        QVWait::SolveWaitingLineModel();
    } catch (const pf::RuntimeError& e) {
        qverror::ReportError(e);
    }
}

void FrmWLModel::cmdCancel_Click() {
    auto& s = qv::S();
    if (s.blnNewProblem) {
        if (pf::MsgBox("Are you sure you wish to cancel the current problem?", pf::vbYesNo,
                       "Cancel Current Problem") != pf::vbYes) {
            s.blnDialogCancelled = false;
            return;
        }
        s.wl.intWaitingLineModel = 0;
        frmMenu().lblmoduleindicator.Caption("Waiting Lines Module");
        s.strProblemEntered = "NO";
        s.blnNewProblem = true;
        qv::menuEvent(qv::MenuEvent::ModelFormNewCancelled);
        pf::Unload(*this);
        QVWait::RequestNewProblemAgain();
        return;
    }
    qv::menuEvent(qv::MenuEvent::ModelFormStoredCancelled);
    s.strProblemEntered = "YES";
    s.blnDialogCancelled = true;
    pf::Unload(*this);
    frmMenu().SetFocus();
}
