#include "shell/frmUserInput.h"

#include <cmath>

#include "platform/core/Errors.h"
#include "platform/core/Format.h"
#include "platform/ui/Host.h"
#include "shell/DialogLook.h"
#include "shell/core/State.h"
#include "shell/core/tanumchk.h"
#include "shell/frmMenu.h"

FrmUserInput& frmUserInput() { return pf::instance<FrmUserInput>(); }

namespace {

const char* const kTitle = "Data Input Error";


}  // namespace

FrmUserInput::FrmUserInput() : pf::Form("frmUserInput", pf::FormKind::Dialog) {
    qv::applyDialogLook(*this, 6495, 3015, Picture1, imgIcon, lblCaption, 6015);
    for (int i = 0; i < 2; ++i) {
        auto& q = lblQuestion[static_cast<std::size_t>(i)];
        q = std::make_unique<pf::Label>(this, "lblQuestion", i);
        q->Move(120, 840 + i * 600, 5295, 375);
        qv::dialogLabelLook(*q, 11.25, true);
        q->TabIndex = i;
        auto& t = txtAnswer[static_cast<std::size_t>(i)];
        t = std::make_unique<pf::TextBox>(this, "txtAnswer", i);
        t->Move(5640, 840 + i * 600, 495, 375);
        t->FontName("MS Sans Serif");
        t->FontSize(9.75);
        t->TabIndex = 2 + i;
        t->GotFocus = [this, i] { txtAnswer_GotFocus(i); };
    }
    Label1.Move(120, 1080, 5415, 375);
    qv::dialogLabelLook(Label1, 9.75, false);
    Label1.Visible(false);
    Label1.TabIndex = 6;
    qv::dialogButton(cmdOK, "OK", 1680, 2280, 1335, 4);
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdOK.Default(true);  // the user types the answer and presses Enter
    qv::dialogButton(cmdCancel, "Cancel", 3360, 2280, 1335, 5);
    cmdCancel.Click = [this] { cmdCancel_Click(); };
    lblCaption.TabIndex = 7;
    Picture1.TabIndex = 8;
}

void FrmUserInput::Form_Load() {
    // The first answer box is first in the tab order: it has the focus when the dialog opens.
    txtAnswer[0]->SetFocus();
}

void FrmUserInput::fillTextsFor(int module) {
    const char* caption = "";
    const char* q0 = "";
    const char* q1 = nullptr;
    const char* note = nullptr;
    switch (module) {
        case 2:
            caption = " Origins and Destinations";
            q0 = "Enter the number of ORIGINS (MAX=30):";
            q1 = "Enter the number of DESTINATIONS (MAX=30):";
            break;
        case 3:
            caption = " Agents and Tasks";
            q0 = "Enter the number of AGENTS (MAX=30):";
            q1 = "Enter the number of TASKS (MAX=30):";
            break;
        case 5: case 6:
            caption = " Nodes and Arcs";
            q0 = "Enter the number of NODES (MAX=20):";
            q1 = "Enter the number of ARCS (MAX=40):";
            break;
        case 8:
            caption = " Discount Categories";
            q0 = "Enter Number of Categories (MAX=5):";
            note = "(Include the No Discount Category)";
            break;
        case 11:
            caption = " Time Periods";
            q0 = "Enter Number of Time Periods (MAX=100):";
            break;
        case 12:
            caption = " Markov Process";
            q0 = "Enter the Number of States (1 to 10):";
            break;
        default:
            break;
    }
    lblCaption.Caption(caption);
    lblQuestion[0]->Caption(q0);
    if (q1) {
        lblQuestion[1]->Caption(q1);
    } else {
        lblQuestion[1]->Visible(false);
        txtAnswer[1]->Visible(false);
    }
    Label1.Visible(note != nullptr);
    if (note) {
        Label1.Caption(note);
        // Under the question's whole line, which the faces here make taller than the design's.
        const pf::Label& q = *lblQuestion[0];
        if (Label1.Top() < qv::bottomOf(q)) Label1.Top(qv::bottomOf(q));
    }
    if (!q1) {
        // One question: the buttons move up under it (and its note), into the row of
        // the second question.
        const int last = qv::lowestShown({lblQuestion[0].get(), txtAnswer[0].get(), &Label1});
        qv::closeUpBand(*this, qv::bottomOf(*lblQuestion[1]) - last, {&cmdOK, &cmdCancel});
    }
}

void FrmUserInput::txtAnswer_GotFocus(int index) {
    qv::selectAllText(*txtAnswer[static_cast<std::size_t>(index)]);
}

void FrmUserInput::refuse(int index, const std::string& message) {
    pf::MsgBox(message, pf::vbCritical + pf::vbOKOnly, kTitle);
    tanumchk::ResetVerdicts();
    pf::TextBox& t = *txtAnswer[static_cast<std::size_t>(index)];
    qv::selectAllText(t);
    t.SetFocus();
}

void FrmUserInput::cmdOK_Click() {
    auto& s = qv::S();
    const std::string a0 = txtAnswer[0]->Text();
    const std::string a1 = txtAnswer[1]->Text();
    double v = 0, w = 0;
    switch (s.intCurrentModule) {
        case 2: case 3: {
            // The check takes commas for thousands separators, so the value is read
            // without them: "1,000" is a thousand origins, not one.
            if (!tanumchk::IsWholeNumber(a0)) return refuse(0, "Number of origins must be an integer.");
            const std::string origins = s.strNumericText;
            if (!tanumchk::IsWholeNumber(a1)) return refuse(1, "Number of destinations must be an integer.");
            const std::string destinations = s.strNumericText;
            s.tr.strOriginCountText = a0;
            s.tr.strDestinationCountText = a1;
            const char* range = "You may only select a number between 1 and 30.  PLEASE TRY AGAIN.";
            if (!pf::TryValLeading(origins, v) || !(v > 0 && v <= 30)) return refuse(0, range);
            s.tr.intOriginCount = static_cast<int>(std::floor(v));
            if (!pf::TryValLeading(destinations, w) || !(w > 0 && w <= 30)) return refuse(1, range);
            s.tr.intDestinationCount = static_cast<int>(std::floor(w));
            break;
        }
        case 5: case 6:
            if (!pf::TryValLeading(a0, v) || !(v >= 2 && v <= 20))
                return refuse(0, "You may only select between 2 and 20 Nodes.  Please Try Again.");
            s.intNodeCount = static_cast<int>(std::floor(v));
            if (!pf::TryValLeading(a1, w) || !(w >= 1 && w <= 40))
                return refuse(1, "You may only have between 1 and 40 arcs.  Please Try Again.");
            s.intArcCount = static_cast<int>(std::floor(w));
            break;
        case 8:
            if (!pf::TryValLeading(a0, v) || !(v >= 1 && v <= 5))
                return refuse(0, "You may only select a number between 1 and 5.  Please Try Again.");
            s.inv.intDiscountCount = std::floor(v);
            break;
        case 11: {
            // The count is a 16-bit field: a number it cannot hold is refused
            // like any other number above 100 and leaves the field as it was.
            const char* msg = "YOU MAY ONLY SELECT A NUMBER BETWEEN 1 AND 100.  PLEASE TRY AGAIN.";
            if (!pf::TryValLeading(a0, v) || std::floor(v) < -32768.0 || std::floor(v) > 32767.0)
                return refuse(0, msg);
            s.fc.intPeriodCount = static_cast<int>(std::floor(v));
            if (s.fc.intPeriodCount < 1 || s.fc.intPeriodCount > 100) return refuse(0, msg);
            break;
        }
        case 12: {
            const char* msg = "YOU MAY ONLY SELECT A NUMBER BETWEEN 1 AND 10.  PLEASE TRY AGAIN.";
            if (!pf::TryValLeading(a0, v)) return refuse(0, msg);
            s.mk.intStateCount = std::floor(v);
            if (s.mk.intStateCount < 1 || s.mk.intStateCount > 10) return refuse(0, msg);
            break;
        }
        default:
            break;
    }
    s.blnDialogCancelled = false;
    pf::Unload(*this);
}

void FrmUserInput::cmdCancel_Click() {
    int answer = pf::MsgBox("Are you sure you wish to cancel the current problem?",
                            pf::vbYesNo + pf::vbQuestion, "Cancel Current Problem");
    if (answer != pf::vbYes) return;
    qv::S().blnDialogCancelled = true;
    qv::redrawGridWindow();
    pf::Unload(*this);
}

namespace qv {

bool askDimensions() {
    FrmUserInput& dlg = frmUserInput();
    dlg.fillTextsFor(S().intCurrentModule);
    dlg.Show(pf::vbModal);
    if (S().blnDialogCancelled) {
        frmMenu().SetFocus();
        return false;
    }
    return true;
}

}  // namespace qv
