#include "inventory/frmInventoryForm.h"

#include <vector>

#include "inventory/QVInvent.h"
#include "platform/core/Errors.h"
#include "platform/core/Format.h"
#include "platform/ui/Host.h"
#include "shell/DialogLook.h"
#include "shell/MenuState.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/qverror.h"
#include "shell/SolvingCaption.h"

namespace {
const char* const kInputError = "Data Input Error";
const char* const kPercentLabel = "Percent of Unit Cost (0-100):";
const char* const kAmountLabel = "Dollar Amount per Unit:";
const char* const kUnitCostLabel = "Unit Cost:";
}  // namespace

FrmInventoryForm::FrmInventoryForm(const char* formName, const char* title, const char* boxArrayName,
                                   std::vector<MainBox> boxes, int parts, int daysIndex)
    : pf::Form(formName, pf::FormKind::Dialog), boxes_(std::move(boxes)), parts_(parts), daysIndex_(daysIndex) {
    Text1.Caption(title);
    top_ = 780;
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const int index = static_cast<int>(i);
        auto label = std::make_unique<pf::Label>(this, std::string(boxArrayName) + "Label", index);
        lookLabel(*label, kLeft, top_, kBoxLeft - kLeft - 120, boxes_[i].label);
        auto box = std::make_unique<pf::TextBox>(this, boxArrayName, index);
        lookBox(*box, kBoxLeft, top_);
        box->GotFocus = [this, index] { mainBox_GotFocus(index); };
        box->LostFocus = [this, index] { mainBox_LostFocus(index); };
        if (index == daysIndex_) box->Text("250");
        mainLabels.push_back(std::move(label));
        mainBoxes.push_back(std::move(box));
        if (boxes_[i].note) {
            auto note = std::make_unique<pf::Label>(this, std::string(boxArrayName) + "Note", index);
            lookLabel(*note, kLeft + 240, top_ + 300, kBoxLeft - kLeft - 360, boxes_[i].note, false);
            note->FontSize(8.25);
            mainNotes.push_back(std::move(note));
            top_ += 240;
        }
        top_ += kRowStep;
    }
    if (parts_ & kHoldingCost) {
        lblholdingcostmethod = std::make_unique<pf::Label>(this, "lblholdingcostmethod");
        lookLabel(*lblholdingcostmethod, kLeft, top_, kBoxLeft - kLeft - 120, "Holding Cost Method:");
        comboHoldingcostmethod = std::make_unique<pf::ComboBox>(this, "comboHoldingcostmethod");
        lookCombo(*comboHoldingcostmethod, kBoxLeft, top_, kBoxWidth);
        comboHoldingcostmethod->Click = [this] { comboHoldingcostmethod_Click(); };
        top_ += kRowStep;
        frameholdingcostmethod = std::make_unique<pf::Frame>(this, "frameholdingcostmethod");
        lookFrame(*frameholdingcostmethod, kLeft, top_, kWidth - 2 * kLeft, 1035, "");
        pf::Frame* f = frameholdingcostmethod.get();
        lblframe1 = std::make_unique<pf::Label>(this, "lblframe1", -1, f);
        lookLabel(*lblframe1, 120, 240, kBoxLeft - kLeft - 240, kPercentLabel);
        txtFrame1 = std::make_unique<pf::TextBox>(this, "txtFrame1", -1, f);
        lookBox(*txtFrame1, kBoxLeft - kLeft, 240);
        txtFrame1->GotFocus = [this] { qv::selectAllText(*txtFrame1); };
        txtFrame1->LostFocus = [this] { txtFrame1_LostFocus(); };
        lblframe2 = std::make_unique<pf::Label>(this, "lblframe2", -1, f);
        lookLabel(*lblframe2, 120, 630, kBoxLeft - kLeft - 240, kUnitCostLabel);
        txtframe2 = std::make_unique<pf::TextBox>(this, "txtframe2", -1, f);
        lookBox(*txtframe2, kBoxLeft - kLeft, 630);
        txtframe2->GotFocus = [this] { qv::selectAllText(*txtframe2); };
        txtframe2->LostFocus = [this] { txtframe2_LostFocus(); };
        top_ += 1035 + 120;
    }
}

void FrmInventoryForm::finishLayout() {
    if (parts_ & kReorderPoint) {
        chkreorderpoint = std::make_unique<pf::CheckBox>(this, "chkreorderpoint");
        chkreorderpoint->Move(kLeft, top_, 3255, kRowHeight);
        chkreorderpoint->Caption("Compute Reorder Point?");
        chkreorderpoint->BackColor(qv::kDialogGrey);
        chkreorderpoint->FontName("Century Gothic");
        chkreorderpoint->FontSize(9.75);
        chkreorderpoint->FontBold(true);
        chkreorderpoint->TabIndex = nextTab();
        chkreorderpoint->Click = [this] { chkreorderpoint_Click(); };
        top_ += kRowStep;
        frameleadtime = std::make_unique<pf::Frame>(this, "frameleadtime");
        lookFrame(*frameleadtime, kLeft, top_, kWidth - 2 * kLeft, 615, "");
        frameleadtime->Visible(false);
        Label2 = std::make_unique<pf::Label>(this, "Label2", -1, frameleadtime.get());
        lookLabel(*Label2, 120, 180, kBoxLeft - kLeft - 240, "Enter Lead Time in days:");
        txtleadtime = std::make_unique<pf::TextBox>(this, "txtleadtime", -1, frameleadtime.get());
        lookBox(*txtleadtime, kBoxLeft - kLeft, 180);
        txtleadtime->LostFocus = [this] { txtleadtime_LostFocus(); };
        top_ += 615 + 120;
    }
    top_ += 120;
    cmdSave = std::make_unique<pf::CommandButton>(this, "cmdSave");
    qv::dialogButton(*cmdSave, "Save", 720, top_, 1575, nextTab());
    cmdSave->Click = [this] { cmdSave_Click(); };
    CmdSolve = std::make_unique<pf::CommandButton>(this, "CmdSolve");
    qv::dialogButton(*CmdSolve, "Solve", 2640, top_, 1575, nextTab());
    CmdSolve->Click = [this] { CmdSolve_Click(); };
    cmdCancel = std::make_unique<pf::CommandButton>(this, "cmdCancel");
    qv::dialogButton(*cmdCancel, "Cancel", 4560, top_, 1575, nextTab());
    // Esc in a box acts as Cancel, as the window's close command does.
    cmdCancel->Cancel(true);
    cmdCancel->Click = [this] { cmdCancel_Click(); };
    top_ += 375 + 240;
    qv::applyDialogLook(*this, kWidth, top_, Picture1, imgIcon, Text1, kWidth - 480);
    // The hidden lead-time frame keeps no band of its own until it shows.
    if (frameleadtime) qv::closeUpBand(*this, leadTimeBand(), buttonRow());
    Text1.TabStop = false;
}

void FrmInventoryForm::lookLabel(pf::Label& l, int left, int top, int width, const std::string& caption, bool bold) {
    l.Move(left, top, width, kRowHeight);
    qv::dialogLabelLook(l, 9.75, bold);
    l.Caption(caption);
    l.TabStop = false;
}

void FrmInventoryForm::lookBox(pf::TextBox& t, int left, int top, int width) {
    t.Move(left, top, width, kRowHeight);
    t.FontName("MS Sans Serif");
    t.FontSize(9.75);
    t.TabIndex = nextTab();
}

void FrmInventoryForm::lookFrame(pf::Frame& f, int left, int top, int width, int height, const std::string& caption) {
    f.Move(left, top, width, height);
    f.Caption(caption);
    f.BackColor(qv::kDialogGrey);
    f.FontName("Century Gothic");
    f.FontSize(9.75);
    f.FontBold(true);
    f.TabStop = false;
}

void FrmInventoryForm::lookCombo(pf::ComboBox& c, int left, int top, int width) {
    c.Move(left, top, width, kRowHeight);
    c.FontName("MS Sans Serif");
    c.FontSize(9.75);
    c.TabIndex = nextTab();
}

// ---------------------------------------------------------------- Load and Unload

void FrmInventoryForm::holdingCostStart() {
    qv::S().inv.intHoldingCostMethod = 1;
    comboHoldingcostmethod->ListIndex(1);
}

void FrmInventoryForm::Form_Load() {
    qv::SharedState& s = qv::S();
    if (parts_ & kHoldingCost) {
        comboHoldingcostmethod->Clear();
        comboHoldingcostmethod->AddItem("Amount");
        comboHoldingcostmethod->AddItem("Percent");
    }
    if (s.blnNewProblem) {
        if (parts_ & kHoldingCost) holdingCostStart();
        if (parts_ & kReorderPoint) s.inv.intComputeReorderPoint = 0;
        loadNew();
    } else {
        loadStored();
    }
    qv::menuEvent(qv::MenuEvent::ModelFormOpened);
    if (!mainBoxes.empty()) mainBoxes.front()->SetFocus();
}

void FrmInventoryForm::loadStored() {
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        if (boxes_[i].field) mainBoxes[i]->Text(QVInvent::BoxText(boxes_[i].field()));
    if (parts_ & kHoldingCost) loadStoredHoldingCost();
    if (parts_ & kReorderPoint) loadStoredReorderPoint();
}

void FrmInventoryForm::loadStoredHoldingCost() {
    qv::InventoryBlock& I = qv::S().inv;
    if (QVInvent::StoredAsAmount(I)) {
        comboHoldingcostmethod->ListIndex(0);
        lblframe1->Caption(kAmountLabel);
        showUnitCostRow(false);
        txtFrame1->Text(QVInvent::BoxText(I.dblHoldingCost));
    } else {
        comboHoldingcostmethod->ListIndex(1);
        lblframe1->Caption(kPercentLabel);
        lblframe2->Caption(kUnitCostLabel);
        showUnitCostRow(true);
        txtFrame1->Text(QVInvent::BoxText(I.dblHoldingPercent));
        txtframe2->Text(QVInvent::BoxText(qv::S().varUnitCost));
    }
}

void FrmInventoryForm::loadStoredReorderPoint() {
    qv::InventoryBlock& I = qv::S().inv;
    if (I.intComputeReorderPoint.num() == 0) {
        chkreorderpoint->Value(0);
    } else {
        chkreorderpoint->Value(1);
        txtleadtime->Text(QVInvent::BoxText(I.dblLeadTime));
        frameleadtime->Visible(true);
    }
}

void FrmInventoryForm::Form_Unload(int& /*cancel*/) { qv::menuEvent(qv::MenuEvent::ModelFormClosed); }

// ---------------------------------------------------------------- reactions

bool FrmInventoryForm::percentChosen() const {
    return comboHoldingcostmethod && comboHoldingcostmethod->Text() != "Amount";
}

void FrmInventoryForm::comboHoldingcostmethod_Click() {
    qv::InventoryBlock& I = qv::S().inv;
    if (comboHoldingcostmethod->Text() == "Percent") {
        I.intHoldingCostMethod = 1;
        lblframe1->Caption(kPercentLabel);
        lblframe2->Caption(kUnitCostLabel);
        showUnitCostRow(true);
    } else {
        I.intHoldingCostMethod = 0;
        showUnitCostRow(false);
        lblframe1->Caption(kAmountLabel);
    }
    txtFrame1->Text("");
    txtframe2->Text("");
}

void FrmInventoryForm::chkreorderpoint_Click() {
    qv::InventoryBlock& I = qv::S().inv;
    const bool shown = chkreorderpoint->Value() == 1;
    if (!shown) txtleadtime->Text("");
    qv::showBand(*this, *frameleadtime, leadTimeBand(), shown, buttonRow());
    I.intComputeReorderPoint = shown ? 1 : 0;
}

int FrmInventoryForm::leadTimeBand() const { return frameleadtime->Height() + 120; }

void FrmInventoryForm::showUnitCostRow(bool shown) {
    if (lblframe2->Visible() == shown) return;
    lblframe2->Visible(shown);
    txtframe2->Visible(shown);
    // The frame ends under its last shown row; what lies below it follows. Controls
    // inside frames stand far higher in their frame than this frame's lower edge.
    const int band = txtframe2->Top() - txtFrame1->Top();
    const int frameBottom = frameholdingcostmethod->Top() + frameholdingcostmethod->Height();
    std::vector<pf::Control*> below;
    for (pf::Control* c : controls())
        if (c->Top() >= frameBottom) below.push_back(c);
    frameholdingcostmethod->Height(frameholdingcostmethod->Height() + (shown ? band : -band));
    qv::closeUpBand(*this, shown ? -band : band, below);
}

// ---------------------------------------------------------------- leaving a box

bool FrmInventoryForm::leftBox(pf::TextBox& box, QVInvent::EntryRule rule, const std::string& message,
                               double& value) {
    const std::string text = box.Text();
    if (text.empty()) return false;
    if (QVInvent::Accepts(rule, text, value)) return true;
    qv::refuseEntry(box, message);
    return false;
}

void FrmInventoryForm::mainBox_GotFocus(int index) {
    qv::selectAllText(*mainBoxes[static_cast<std::size_t>(index)]);
}

void FrmInventoryForm::mainBox_LostFocus(int index) {
    const MainBox& b = boxes_[static_cast<std::size_t>(index)];
    double v = 0;
    if (leftBox(*mainBoxes[static_cast<std::size_t>(index)], b.rule, b.message, v) && b.field) b.field() = v;
}

void FrmInventoryForm::txtFrame1_LostFocus() {
    qv::InventoryBlock& I = qv::S().inv;
    double v = 0;
    if (percentChosen()) {
        if (leftBox(*txtFrame1, QVInvent::EntryRule::Positive, "NOTE:  THE PERCENTAGE MUST BE GREATER THAN 0.", v))
            I.strHoldingCostText = pf::PlainNumber(v);
    } else if (leftBox(*txtFrame1, QVInvent::EntryRule::Positive, "NOTE:  THE HOLDING COST MUST BE GREATER THAN 0.",
                       v)) {
        I.dblHoldingCost = v;
        I.strHoldingCostText = pf::PlainNumber(v);
    }
}

void FrmInventoryForm::txtframe2_LostFocus() {
    double v = 0;
    leftBox(*txtframe2, QVInvent::EntryRule::Positive, "NOTE:  THE COST PER UNIT MUST BE GREATER THAN 0.", v);
}

void FrmInventoryForm::txtleadtime_LostFocus() {
    const std::string text = txtleadtime->Text();
    if (text.empty()) return;
    qv::SharedState& s = qv::S();
    double v = 0;
    if (QVInvent::AcceptsCheckedEntry(s, text, v))
        s.inv.dblLeadTime = v;
    else
        qv::refuseEntry(*txtleadtime, "NOTE:  THE LEAD TIME MUST BE AT LEAST 0.");
}

// ---------------------------------------------------------------- buttons

void FrmInventoryForm::requireMainBoxes(std::vector<pf::TextBox*>& out) {
    for (auto& b : mainBoxes) out.push_back(b.get());
}

void FrmInventoryForm::requireLeadTime(std::vector<pf::TextBox*>& out) {
    if ((parts_ & kReorderPoint) && chkreorderpoint->Value() == 1) out.push_back(txtleadtime.get());
}

void FrmInventoryForm::requireHoldingCost(std::vector<pf::TextBox*>& out) {
    if (!(parts_ & kHoldingCost)) return;
    out.push_back(txtFrame1.get());
    if (percentChosen()) out.push_back(txtframe2.get());
}

std::vector<pf::TextBox*> FrmInventoryForm::requiredBoxes() {
    std::vector<pf::TextBox*> out;
    requireMainBoxes(out);
    requireLeadTime(out);
    requireHoldingCost(out);
    return out;
}

void FrmInventoryForm::storeOnSaveOrSolve() {
    qv::SharedState& s = qv::S();
    if (daysIndex_ >= 0 && mainBoxes[static_cast<std::size_t>(daysIndex_)]->Text() == "250")
        s.inv.dblWorkingDays = 250;
    if ((parts_ & kHoldingCost) && percentChosen()) {
        double percent = 0, unit = 0;
        if (!QVInvent::BoxValue(txtFrame1->Text(), percent)) percent = 0;
        if (!QVInvent::BoxValue(txtframe2->Text(), unit)) unit = 0;
        s.inv.dblHoldingPercent = percent;
        s.varUnitCost = unit;
        s.inv.dblHoldingCost = unit * percent / 100;
    }
}

bool FrmInventoryForm::saveOrSolveChecks() {
    for (pf::TextBox* box : requiredBoxes()) {
        if (box->Text().empty()) {
            pf::MsgBox("A Value Must be Entered", pf::vbCritical + pf::vbOKOnly, kInputError);
            if (box->canTakeFocus()) box->SetFocus();
            return false;
        }
    }
    storeOnSaveOrSolve();
    qv::SharedState& s = qv::S();
    s.blnDialogCancelled = false;
    qv::menuEvent(qv::MenuEvent::ModelFormSavedOrSolved);
    s.blnNewProblem = false;
    s.strProblemEntered = "YES";
    return true;
}

void FrmInventoryForm::cmdSave_Click() {
    if (!saveOrSolveChecks()) return;
    saveTail();
}

void FrmInventoryForm::saveTail() {
    try {
        frmMenu().mnuFileSave_Click();
    } catch (const pf::RuntimeError& e) {
        qverror::ReportError(e);
    }
}

void FrmInventoryForm::CmdSolve_Click() {
    if (!saveOrSolveChecks()) return;
    solveTail();
}

void FrmInventoryForm::solveTail() {
    pf::Unload(*this);
    QVInvent::SolveInventoryModel();
}

void FrmInventoryForm::cmdCancel_Click() {
    qv::SharedState& s = qv::S();
    if (s.blnNewProblem) {
        const int answer = pf::MsgBox("Are you sure you wish to cancel the current problem?", pf::vbYesNo,
                                      "Cancel Current Problem");
        if (answer != pf::vbYes) {
            s.blnDialogCancelled = false;
            cancelling(0);
            return;
        }
        s.inv.intInventoryModel = 0;
        qv::showStatusCaption("Inventory Module");
        s.strProblemEntered = "NO";
        s.blnNewProblem = true;
        qv::menuEvent(qv::MenuEvent::ModelFormNewCancelled);
        cancelling(1);
        pf::Unload(*this);
        try {
            QVInvent::NewInventoryProblem();
        } catch (const pf::RuntimeError& e) {
            qverror::ReportError(e);
        }
        return;
    }
    qv::menuEvent(qv::MenuEvent::ModelFormStoredCancelled);
    s.strProblemEntered = "YES";
    s.blnDialogCancelled = true;
    cancelling(2);
    pf::Unload(*this);
    if (focusMainOnStoredCancel()) frmMenu().SetFocus();
}
