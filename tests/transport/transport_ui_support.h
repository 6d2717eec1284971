#pragma once
// A transportation or assignment problem laid out in the grid window, as File New
// leaves it, for tests of the tableau, its checks and Solve.
#include <string>
#include <vector>

#include "platform/ui/ScriptedHost.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmModuleSelection.h"
#include "shell/frmProblem.h"
#include "shell/frmUserInput.h"
#include "tests/ui_test_support.h"
#include "transport/QVTanda.h"
#include "transport/core/TransportModel.h"
#include "transport/frmErrorMsg.h"

namespace trui {

inline pf::ScriptedHost& h() { return pf::scriptedHost(); }

// The module chosen and its home screen open, nothing laid out yet.
inline void chooseModule(int module) {
    qvtest::resetProgram();
    frmMenu();
    pf::Unload<FrmModuleSelection>();
    auto& s = qv::S();
    s.intCurrentModule = module;
    s.strProblemType = module == 2 ? qv::kTransportationProblem : qv::kAssignmentProblem;
    s.strProblemFileExt = module == 2 ? "TRN" : "ASN";
    frmProblem().Show();
}

// File New answered with m and n.
inline void newProblem(int module, int m, int n) {
    chooseModule(module);
    auto& s = qv::S();
    h().expectModal("frmUserInput", [m, n](pf::Form& f) {
        auto& d = static_cast<FrmUserInput&>(f);
        d.txtAnswer[0]->Text(std::to_string(m));
        d.txtAnswer[1]->Text(std::to_string(n));
        d.cmdOK_Click();
    });
    frmMenu().StartNewProblem();
    (void)s;
    h().transcript.clear();
}

// The lines of frmErrorMsg the next time it shows; OK closes it.
inline void expectErrorWindow(std::vector<std::string>& lines, bool* flagWhileOpen = nullptr) {
    h().expectModal("frmErrorMsg", [&lines, flagWhileOpen](pf::Form& f) {
        auto& w = static_cast<FrmErrorMsg&>(f);
        lines.clear();
        for (auto& l : w.lbl) lines.push_back(l->Caption());
        if (flagWhileOpen) *flagWhileOpen = qv::S().blnErrorWindowOpen;
        w.cmdOK_Click();
    });
}

// The grid's rows, cells joined by "|".
inline std::vector<std::string> gridRows(const pf::Grid& g) {
    std::vector<std::string> rows;
    for (int r = 0; r < g.Rows(); ++r) {
        std::string row;
        for (int c = 0; c < g.Cols(); ++c) row += (c ? "|" : "") + g.TextMatrix(r, c);
        rows.push_back(row);
    }
    return rows;
}

inline std::string inputError(const std::string& text) {
    return "MSGBOX \"Data Input Error\" critical OK \"" + text + "\" -> OK";
}

}  // namespace trui
