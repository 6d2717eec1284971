#include "decision/frmdecnopt.h"

#include "shell/DialogLook.h"
#include "shell/core/State.h"

Frmdecnopt& frmdecnopt() { return pf::instance<Frmdecnopt>(); }

Frmdecnopt::Frmdecnopt() : pf::Form("frmdecnopt", pf::FormKind::Dialog) {
    qv::applyDialogLook(*this, 7455, 3060, Picture1, imgIcon, Text1, 6975);
    Text1.Caption(" Select Optimization/Decision Criteria");

    Frame1.Move(240, 720, 3135, 1455);
    Frame1.BackColor(qv::kDialogGrey);
    Frame1.TabIndex = 0;
    optMaximize.Move(240, 360, 2775, 315);
    optMaximize.Caption("Maximize the Payoff");
    optMinimize.Move(240, 840, 2775, 315);
    optMinimize.Caption("Minimize the Payoff");
    qv::dialogOptionLook({&optMaximize, &optMinimize}, 9.75);
    optMaximize.TabIndex = 1;
    optMinimize.TabIndex = 2;

    Frame2.Move(3600, 720, 3615, 1455);
    Frame2.BackColor(qv::kDialogGrey);
    Frame2.TabIndex = 3;
    const char* captions[] = {"Optimistic Criterion", "Conservative Criterion", "Minimax Regret Criterion"};
    for (int i = 0; i < 3; ++i) {
        auto& o = Optcriterion[static_cast<std::size_t>(i)];
        o = std::make_unique<pf::OptionButton>(this, "Optcriterion", i, &Frame2);
        o->Move(240, 240 + i * 390, 3255, 315);
        o->Caption(captions[i]);
        qv::dialogOptionLook({o.get()}, 9.75);
        o->TabIndex = 4 + i;
    }

    qv::dialogButton(cmdOK, "OK", 2040, 2460, 1455, 7);
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdOK.Default(true);  // Enter confirms the choice, as in any criterion dialog
    qv::dialogButton(cmdCancel, "Cancel", 3960, 2460, 1455, 8);
    cmdCancel.Click = [this] { cmdCancel_Click(); };
    Text1.TabIndex = 9;
    Picture1.TabIndex = 10;
}

void Frmdecnopt::cmdOK_Click() {
    auto& s = qv::S();
    // Never refused: what was not chosen counts as minimize and minimax regret.
    s.strMaximizeObjective = optMaximize.Value() ? "YES" : "NO";
    s.dec.intDecisionCriterion = Optcriterion[0]->Value() ? 1 : Optcriterion[1]->Value() ? 2 : 3;
    s.blnDialogCancelled = false;
    pf::Unload(*this);
}

void Frmdecnopt::cmdCancel_Click() {
    qv::S().blnDialogCancelled = true;
    pf::Unload(*this);
}
