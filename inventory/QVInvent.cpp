#include "inventory/QVInvent.h"

#include <string>
#include <vector>

#include "inventory/InventoryForms.h"
#include "inventory/core/InventoryLines.h"
#include "inventory/core/InventorySolver.h"
#include "platform/core/Errors.h"
#include "platform/ui/Host.h"
#include "shell/MenuState.h"
#include "shell/SolveFailure.h"
#include "shell/SolvingCaption.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmSolution.h"
#include "shell/frmUserInput.h"
#include "shell/frmuserlistinput.h"
#include "shell/qverror.h"

namespace QVInvent {

void SolveInventoryModel() {
    try {
        qv::SharedState& s = qv::S();
        // Without a model there is nothing to solve: the stored results of an earlier
        // model are no solution of this one.
        if (s.inv.intInventoryModel < 1 || s.inv.intInventoryModel > 6) {
            pf::MsgBox(qv::kNoInventoryModel, pf::vbCritical + pf::vbOKOnly, kDataInputError);
            frmMenu().SetFocus();
            return;
        }
        // A value no form would accept is named before the solve begins: the message
        // never stands under "Solving Problem . . ." and the busy cursor.
        const std::string refused = CheckInventoryInputs(s);
        if (!refused.empty()) {
            pf::MsgBox(refused, pf::vbCritical + pf::vbOKOnly, kDataInputError);
            // The form that asked has closed: the main window takes the user back.
            frmMenu().SetFocus();
            return;
        }
        qv::SolvingCaption frame;
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
        // The frame has put back the caption and the cursor; the inputs stay as entered.
        qv::reportSolveFailure(e);
        frmMenu().SetFocus();
    }
}

void PrintInventoryReport(pf::ReportSink& sink) {
    for (const std::string& line : BuildInventoryReportLines(qv::S())) sink.line(line);
}

void NewInventoryProblem() {
    qv::SharedState& s = qv::S();
    qv::InventoryBlock& I = s.inv;
    I.ReDimArrays();
    I.intHoldingCostMethod = 0;
    I.intReorderPointMark = 0;
    I.dblReorderPoint = 0;
    I.intInventoryModel = 0;
    const bool picked = qv::askModel(" Inventory Models Available",
                                     {"Economic Order Quantity", "Economic Production Lot Size",
                                      "Economic Order Quantity with Planned Shortages",
                                      "Economic Order Quantity with Quantity Discounts",
                                      "Order Quantity-Reorder Point with Probabilistic Demand",
                                      "Single-Period Inventory with Probabilistic Demand"});
    if (!picked) {
        frmMenu().SetFocus();
        return;
    }
    const int model = I.intInventoryModel;
    if (model < 1 || model > 6) return;
    s.strProblemEntered = "NO";
    I.intInventoryModel = model;
    switch (model) {
        case 1: ShowEOQForm(); break;
        case 2: ShowProductionLotSizeForm(); break;
        case 3: ShowPlannedShortagesForm(); break;
        case 4:
            if (qv::askDimensions()) ShowQtyDiscountsForm();
            break;
        case 5:
            I.intComputeReorderPoint = 0;
            ShowQRProbForm();
            break;
        default:
            I.intComputeReorderPoint = 0;
            ShowOnePeriodProbForm();
            break;
    }
}

void ShowEOQForm() { pf::instance<FrmEOQ>().Show(pf::vbModal); }
void ShowProductionLotSizeForm() {
    pf::instance<FrmProductionLotSize>().Show(pf::vbModal);
    // The form's last button asked for this; a nested new problem's form may have
    // changed the flags since, and they are taken as they are.
    qv::SharedState& s = qv::S();
    try {
        if (s.blnDialogCancelled)
            frmMenu().SetFocus();
        else if (s.blnSavePressed)
            frmMenu().mnuFileSave_Click();
        else if (s.blnSolvePressed)
            SolveInventoryModel();
    } catch (const pf::RuntimeError& e) {
        qverror::ReportError(e);
    }
}
void ShowPlannedShortagesForm() { pf::instance<FrmPlannedShortages>().Show(pf::vbModal); }
void ShowQtyDiscountsForm() { pf::instance<FrmQtyDiscounts>().Show(pf::vbModal); }
void ShowQRProbForm() { pf::instance<FrmQR_Prob>().Show(pf::vbModal); }
void ShowOnePeriodProbForm() { pf::instance<FrmOnePeriodProb>().Show(pf::vbModal); }

void ShowInputForm() {
    switch (qv::S().inv.intInventoryModel) {
        case 1: ShowEOQForm(); break;
        case 2: ShowProductionLotSizeForm(); break;
        case 3: ShowPlannedShortagesForm(); break;
        case 4: ShowQtyDiscountsForm(); break;
        case 5: ShowQRProbForm(); break;
        case 6: ShowOnePeriodProbForm(); break;
        default: break;
    }
}

}  // namespace QVInvent
