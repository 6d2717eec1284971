#include "inventory/QVInvent.h"

#include <string>
#include <vector>

#include "inventory/core/InventoryLines.h"
#include "inventory/core/InventorySolver.h"
#include "platform/core/Errors.h"
#include "platform/ui/Host.h"
#include "shell/MenuState.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmSolution.h"
#include "shell/qverror.h"

namespace QVInvent {

namespace {

// Puts the status caption and the default cursor back however the solve ends.
class SolvingCaption {
public:
    SolvingCaption() : saved_(frmMenu().lblmoduleindicator.Caption()) {
        show("Solving Problem . . .");
        pf::SetBusyCursor(true);
    }
    ~SolvingCaption() {
        try {
            restore();
            pf::SetBusyCursor(false);
        } catch (...) {
        }
    }
    void restore() {
        if (restored_) return;
        restored_ = true;
        show(saved_);
    }

private:
    static void show(const std::string& text) {
        FrmMenu& m = frmMenu();
        m.lblmoduleindicator.Caption(text);
        m.lblmoduleindicator.Refresh();
    }
    std::string saved_;
    bool restored_ = false;
};

}  // namespace

void SolveInventoryModel() {
    try {
        SolvingCaption frame;
        qv::SharedState& s = qv::S();
        const std::string refused = CheckInventoryInputs(s);
        if (!refused.empty()) {
            pf::MsgBox(refused, pf::vbCritical + pf::vbOKOnly, kDataInputError);
            return;
        }
        ComputeInventoryModel(s);
        const std::vector<std::string> lines = BuildInventoryWindowLines(s);
        FrmSolution& w = frmSolution();
        w.hideTitle(false);
        w.startLines(lines.front());
        for (std::size_t k = 1; k < lines.size(); ++k) w.addLine(lines[k]);
        frame.restore();
        qv::enablePrintItems(true);
        frmMenu().SetFocus();
        w.showSolution();
    } catch (const pf::RuntimeError& e) {
        qverror::ReportError(e);
    }
}

void PrintInventoryReport(pf::ReportSink& sink) {
    for (const std::string& line : BuildInventoryReportLines(qv::S())) sink.line(line);
}

}  // namespace QVInvent
