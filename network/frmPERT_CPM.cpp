#include "network/frmPERT_CPM.h"

#include <algorithm>
#include <string>

#include "platform/ui/Host.h"
#include "platform/ui/Keys.h"
#include "shell/DialogLook.h"
#include "shell/MenuState.h"
#include "shell/QVCommon.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmProblem.h"

FrmPERT_CPM& frmPERT_CPM() { return pf::instance<FrmPERT_CPM>(); }

namespace {

using QVPert_CPM::TimeBox;

constexpr long kBackground = 0x00FFC0C0;
constexpr long kNavy = 0x00800000;
constexpr const char* kInstructions =
    "For each activity, select/deselect its predecessor(s) and enter its activity time.  Choose solution to solve.";

void captionLook(pf::Label& l, long back) {
    l.FontName("Century Gothic");
    l.FontSize(9.75);
    l.FontBold(true);
    l.ForeColor(kNavy);
    l.BackColor(back);
}

qv::PertBlock& P() { return qv::S().pert; }

// Letters of the first count(i) predecessors of i, joined by ", ".
std::string predecessorText(int i) {
    std::string s;
    const int count = static_cast<int>(P().intPredecessorCounts(i).num());
    for (int k = 1; k <= count; ++k) {
        if (k > 1) s += ", ";
        s += P().strActivityLetters(static_cast<long>(P().intPredecessorMatrix(i, k).num()));
    }
    return s;
}

}  // namespace

FrmPERT_CPM::FrmPERT_CPM() : pf::Form("frmPERT_CPM", pf::FormKind::Child) {
    Caption("PERT/CPM Activity Schedule");
    Move(0, 0, 15270, 10065);
    BackColor(kBackground);

    lblInstructions.Move(0, 0, 15260, 615);
    qv::homeInfoLabel(lblInstructions);
    lblInstructions.Caption(kInstructions);

    lblActivityName.Move(240, 840, 2775, 285);
    captionLook(lblActivityName, kBackground);
    lblActivityName.Caption("Select Activity Name:");
    lstActivityName.Move(240, 1140, 2775, 2595);
    lstActivityName.FontName("Courier");
    lstActivityName.FontSize(9.75);
    lstActivityName.TabIndex = 0;

    lblPredecessor.Move(3240, 840, 3255, 285);
    captionLook(lblPredecessor, kBackground);
    lblPredecessor.Caption("Select Predecessors:");
    lstPredecessor.Move(3240, 1140, 2775, 2595);
    lstPredecessor.FontName("Courier");
    lstPredecessor.FontSize(9.75);
    lstPredecessor.Enabled(false);
    lstPredecessor.TabIndex = 1;

    lblActivityTime.Move(6720, 840, 4215, 285);
    captionLook(lblActivityTime, kBackground);
    lblActivityTime.Caption("Enter Activity Time:");

    Frame4.Move(6720, 1140, 3975, 735);
    Frame4.BackColor(kBackground);
    lblExpectedTime.Move(120, 240, 1935, 375);
    captionLook(lblExpectedTime, kBackground);
    lblExpectedTime.Caption("Expected Time:");
    txtExpectedTime.Move(2160, 240, 1575, 375);
    txtExpectedTime.TabIndex = 2;

    frame3.Move(6720, 1140, 3975, 1575);
    frame3.BackColor(kBackground);
    pf::Label* labels[] = {&lblOptimistic, &lblProbable, &lblPessimistic};
    pf::TextBox* boxes[] = {&txtOptimistic, &txtProbable, &txtPessimistic};
    const char* captions[] = {"Optimistic:", "Most Probable:", "Pessimistic:"};
    for (int k = 0; k < 3; ++k) {
        labels[k]->Move(120, 240 + k * 420, 1935, 375);
        captionLook(*labels[k], kBackground);
        labels[k]->Caption(captions[k]);
        boxes[k]->Move(2160, 240 + k * 420, 1575, 375);
        boxes[k]->TabIndex = 3 + k;
    }
    // The frames and their boxes wait for an activity to be selected.
    for (pf::Frame* f : {&Frame4, &frame3}) {
        f->Visible(false);
        f->Enabled(false);
    }
    for (pf::TextBox* b : {&txtExpectedTime, &txtOptimistic, &txtProbable, &txtPessimistic}) b->Enabled(false);

    gridDisplayEdit.Move(240, 3960, 9255, 5895);
    gridDisplayEdit.TabStop = false;
    gridDisplayEdit.TabIndex = 6;

    lstActivityName.Click = [this] { lstActivityName_Click(); };
    lstPredecessor.Click = [this] { lstPredecessor_Click(); };
    gridDisplayEdit.Click = [this] { gridDisplayEdit_Click(); };
    gridDisplayEdit.KeyDown = [this](int& k, int s) { gridDisplayEdit_KeyDown(k, s); };

    txtExpectedTime.GotFocus = [this] { qv::selectAllText(txtExpectedTime); };
    txtOptimistic.GotFocus = [this] { qv::selectAllText(txtOptimistic); };
    txtProbable.GotFocus = [this] { qv::selectAllText(txtProbable); };
    txtPessimistic.GotFocus = [this] { qv::selectAllText(txtPessimistic); };
    txtExpectedTime.LostFocus = [this] { txtExpectedTime_LostFocus(); };
    txtOptimistic.LostFocus = [this] { txtOptimistic_LostFocus(); };
    txtProbable.LostFocus = [this] { txtProbable_LostFocus(); };
    txtPessimistic.LostFocus = [this] { txtPessimistic_LostFocus(); };
    // Enter checks a known time at once; among the three estimates it moves on to the
    // next box, so that the check runs as the box is left.
    txtExpectedTime.KeyDown = [this](int& k, int) {
        if (k == pf::vbKeyReturn) txtExpectedTime_LostFocus();
    };
    txtOptimistic.KeyDown = [this](int& k, int) {
        if (k == pf::vbKeyReturn) txtProbable.SetFocus();
    };
    txtProbable.KeyDown = [this](int& k, int) {
        if (k == pf::vbKeyReturn) txtPessimistic.SetFocus();
    };
    txtPessimistic.KeyDown = [this](int& k, int) {
        if (k == pf::vbKeyReturn) txtOptimistic.SetFocus();
    };
}

void FrmPERT_CPM::Form_Load() {
    auto& s = qv::S();
    const int n = P().intActivityCount;
    Left(0);
    Top(0);
    for (pf::Control* c : {static_cast<pf::Control*>(&lblInstructions), static_cast<pf::Control*>(&lstActivityName),
                           static_cast<pf::Control*>(&lstPredecessor)}) {
        long colour = c->BackColor();
        c->BackColor(QVCommon::PaletteColor(colour));
    }
    qv::menuEvent(qv::MenuEvent::ActivityWindowOpened);
    for (int i = 1; i <= n; ++i) {
        lstActivityName.AddItem(P().strActivityLetters(i));
        lstPredecessor.AddItem(P().strActivityLetters(i));
    }
    const bool oneTime = P().intTimeEstimateMode.num() == 1;
    if (oneTime)
        SetupSingleTimeGrid();
    else
        SetupThreeTimeGrid();
    pf::Grid& g = gridDisplayEdit;
    g.TextMatrix(0, 1, "Immediate");
    g.TextMatrix(1, 1, "Predecessors");
    g.TextMatrix(1, 0, "Activity");
    for (int i = 1; i <= n; ++i) {
        g.TextMatrix(i + 1, 0, "       " + P().strActivityLetters(i));
        if (s.blnNewProblem) continue;
        g.TextMatrix(i + 1, 1, predecessorText(i));
        if (oneTime) {
            g.TextMatrix(i + 1, 2, QVPert_CPM::TimeText(P().dblExpectedTimes(i)));
        } else {
            g.TextMatrix(i + 1, 2, QVPert_CPM::TimeText(P().dblOptimisticTimes(i)));
            g.TextMatrix(i + 1, 3, QVPert_CPM::TimeText(P().dblMostProbableTimes(i)));
            g.TextMatrix(i + 1, 4, QVPert_CPM::TimeText(P().dblPessimisticTimes(i)));
        }
    }
    if (n >= 1) lstActivityName.ListIndex(0);
}

void FrmPERT_CPM::layOutGrid(int cols) {
    pf::Grid& g = gridDisplayEdit;
    g.Cols(cols);
    g.Rows(P().intActivityCount + 2);
    g.FixedRows(2);
    g.FixedCols(1);
    g.HighLight(true);
    // The grid only mirrors what is entered beside it: no current cell to type into.
    g.DisplayOnly(true);
    g.ColWidth(0, 1000);
    // Wide enough for the longest list the problem can hold: the last activity after
    // all the others.
    std::string all;
    for (int i = 1; i < P().intActivityCount; ++i) {
        if (i > 1) all += ", ";
        all += P().strActivityLetters(i);
    }
    g.ColWidth(1, std::max(3000, g.TextWidth(all)));
    for (int c = 2; c < cols; ++c) {
        g.ColWidth(c, 1600);
        g.ColAlignment(c, 1);  // times are numbers, right-aligned with their headings
        g.TextMatrix(1, c, "Time");
    }
    qv::fitGridToWindow(g);
}

void FrmPERT_CPM::SetupSingleTimeGrid() {
    Frame4.Visible(true);
    layOutGrid(3);
    gridDisplayEdit.TextMatrix(0, 2, "Expected");
}

void FrmPERT_CPM::SetupThreeTimeGrid() {
    frame3.Visible(true);
    layOutGrid(5);
    const char* headers[] = {"Optimistic", "Most Probable", "Pessimistic"};
    for (int c = 2; c <= 4; ++c) gridDisplayEdit.TextMatrix(0, c, headers[c - 2]);
}

void FrmPERT_CPM::enableTimeFrame() {
    if (P().intTimeEstimateMode.num() == 1) {
        Frame4.Enabled(true);
        txtExpectedTime.Enabled(true);
    } else {
        frame3.Enabled(true);
        for (pf::TextBox* b : {&txtOptimistic, &txtProbable, &txtPessimistic}) b->Enabled(true);
    }
}

pf::TextBox& FrmPERT_CPM::timeBox(TimeBox kind) {
    switch (kind) {
        case TimeBox::Optimistic: return txtOptimistic;
        case TimeBox::Probable: return txtProbable;
        case TimeBox::Pessimistic: return txtPessimistic;
        default: return txtExpectedTime;
    }
}

void FrmPERT_CPM::lstActivityName_Click() {
    const int index = lstActivityName.ListIndex();
    if (index < 0) return;
    const std::string letter = lstActivityName.List(index);
    const int c = index + 1;
    P().intCurrentActivity = c;
    lblPredecessor.Caption("Select Predecessor of " + letter + ":");
    lstPredecessor.Clear();
    for (int i = 1; i < c; ++i) lstPredecessor.AddItem(P().strActivityLetters(i));
    lblActivityTime.Caption("Enter Activity Time of " + letter + ":");
    enableTimeFrame();
    lstPredecessor.Enabled(true);
    // The chosen activity's row shows, also when the grid has no room for all of them.
    gridDisplayEdit.ShowRow(c + 1);
    const bool oneTime = P().intTimeEstimateMode.num() == 1;
    const TimeBox modeBoxes[] = {TimeBox::Optimistic, TimeBox::Probable, TimeBox::Pessimistic};
    if (oneTime)
        txtExpectedTime.Text("");
    else
        for (TimeBox b : modeBoxes) timeBox(b).Text("");
    showPredecessors(c);
    if (oneTime) {
        txtExpectedTime.Text(QVPert_CPM::TimeText(QVPert_CPM::StoredTime(P(), TimeBox::Expected, c)));
    } else {
        for (TimeBox b : modeBoxes) timeBox(b).Text(QVPert_CPM::TimeText(QVPert_CPM::StoredTime(P(), b, c)));
    }
    // A box that kept the focus (its text was refused as the list was clicked) shows
    // the new activity's time ready to be typed over.
    for (TimeBox b : {TimeBox::Expected, TimeBox::Optimistic, TimeBox::Probable, TimeBox::Pessimistic})
        if (pf::focusedControl() == &timeBox(b)) qv::selectAllText(timeBox(b));
}

void FrmPERT_CPM::showPredecessors(int c) {
    // Selecting the stored predecessors must not store them again: their stored order
    // decides the critical path among ties.
    showingStored_ = true;
    const int count = static_cast<int>(P().intPredecessorCounts(c).num());
    for (int k = 1; k <= count; ++k) {
        const int p = static_cast<int>(P().intPredecessorMatrix(c, k).num());
        if (p >= 1 && p < c) lstPredecessor.Selected(p - 1, true);
    }
    showingStored_ = false;
}

void FrmPERT_CPM::lstPredecessor_Click() {
    if (showingStored_) return;
    const int c = P().intCurrentActivity;
    if (c < 1) return;
    const int count = lstPredecessor.SelCount();
    P().intPredecessorCounts(c) = count;
    if (count == 0) {
        gridDisplayEdit.TextMatrix(c + 1, 1, "");
        return;
    }
    int k = 0;
    for (int i = 0; i < lstPredecessor.ListCount(); ++i) {
        if (!lstPredecessor.Selected(i)) continue;
        const std::string item = lstPredecessor.List(i);
        P().intPredecessorMatrix(c, ++k) = static_cast<unsigned char>(item[0]) - 64;
    }
    gridDisplayEdit.TextMatrix(c + 1, 1, predecessorText(c));
}

bool FrmPERT_CPM::checkTimeBox(pf::TextBox& box, TimeBox kind) {
    auto& s = qv::S();
    const int c = P().intCurrentActivity;
    if (c < 1 || box.Text().empty()) return true;
    const QVPert_CPM::TimeEntry e = QVPert_CPM::EnterTime(P(), kind, c, box.Text(), s.intDecimalPlaces);
    switch (e.verdict) {
        case QVPert_CPM::TimeVerdict::Empty: return true;
        case QVPert_CPM::TimeVerdict::Invalid:
            pf::MsgBox(QVPert_CPM::InvalidTimeMessage(kind), pf::vbCritical + pf::vbOKOnly, "Data Input Error");
            break;
        case QVPert_CPM::TimeVerdict::BelowBound:
            pf::MsgBox(QVPert_CPM::TimeBoundMessage(kind), pf::vbCritical + pf::vbOKOnly, "Data Input Error");
            if (kind == TimeBox::Probable || kind == TimeBox::Pessimistic) pf::DoEvents();
            break;
        case QVPert_CPM::TimeVerdict::Accepted:
            gridDisplayEdit.TextMatrix(c + 1, QVPert_CPM::TimeGridColumn(kind), e.gridText);
            return true;
    }
    // Back to the box with its text selected, also when it kept the focus (Enter).
    if (box.canTakeFocus()) box.SetFocus();
    qv::selectAllText(box);
    return false;
}

bool FrmPERT_CPM::txtExpectedTime_LostFocus() { return checkTimeBox(txtExpectedTime, TimeBox::Expected); }
bool FrmPERT_CPM::txtOptimistic_LostFocus() { return checkTimeBox(txtOptimistic, TimeBox::Optimistic); }
bool FrmPERT_CPM::txtProbable_LostFocus() { return checkTimeBox(txtProbable, TimeBox::Probable); }
bool FrmPERT_CPM::txtPessimistic_LostFocus() { return checkTimeBox(txtPessimistic, TimeBox::Pessimistic); }

bool FrmPERT_CPM::commitTimes() {
    if (P().intTimeEstimateMode.num() == 1) return txtExpectedTime_LostFocus();
    // In this order a pessimistic time is judged against the most probable time stored
    // before, not the one waiting in its box.
    return txtOptimistic_LostFocus() && txtPessimistic_LostFocus() && txtProbable_LostFocus();
}

void FrmPERT_CPM::gridDisplayEdit_Click() {
    // A time box that refused its text as the grid was clicked keeps the focus, so that
    // its message is not shown a second time.
    if (pf::focusedControl() != &gridDisplayEdit) return;
    frmMenu().SetFocus();
}

void FrmPERT_CPM::gridDisplayEdit_KeyDown(int& /*keyCode*/, int shift) {
    // Alt alone hands the keys to the main window's menus.
    if (shift == pf::vbAltMask) frmMenu().SetFocus();
}
