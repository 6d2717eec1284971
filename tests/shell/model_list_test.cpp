// The model list of the inventory and waiting-line modules under the real mouse: a
// double click on a model chooses it, as a click on the model and then OK does.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include <string>
#include <vector>

#include "platform/ui/ScriptedHost.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmModuleSelection.h"
#include "shell/frmUserInput.h"
#include "shell/frmuserlistinput.h"
#include "tests/ui_mouse.h"
#include "tests/ui_test_support.h"

namespace {

pf::ScriptedHost& h() { return pf::scriptedHost(); }

// The main window with `module` chosen in the chooser, on screen, its transcript empty.
void chosen(int module) {
    qvtest::chosenModule(module);
    h().transcript.clear();
}

// The form each model opens after the list.
std::string formOf(int module, int model) {
    if (module == 9) return "frmWL_Model";
    static const char* const inventory[] = {"frmEOQ", "frmProductionLotSize", "frmPlannedShortages",
                                            "frmQtyDiscounts", "frmQR_Prob", "frmOnePeriodProb"};
    return inventory[model - 1];
}

enum class Road { ClickAndOk, DoubleClick };

// File New in `module` with `model` chosen in the list by `road`; `before` acts in the
// list first. What the user meets on the way: every window and message, the model code
// and the status caption as the model's form opens.
std::vector<std::string> newProblem(int module, int model, Road road,
                                    const std::function<void(FrmUserListInput&)>& before = {}) {
    chosen(module);
    std::vector<std::string> seen;
    h().expectModal("frmuserlistinput", [&](pf::Form& f) {
        auto& d = static_cast<FrmUserListInput&>(f);
        qvtest::onScreen(d);
        if (before) before(d);
        if (road == Road::DoubleClick) {
            qvtest::doubleClickEntry(d.lstModelSelection, model - 1);
        } else {
            qvtest::clickEntry(d.lstModelSelection, model - 1);
            QTest::mouseClick(d.cmdOK.widget(), Qt::LeftButton);
        }
    });
    if (module == 8 && model == 4) {
        h().expectModal("frmUserInput", [](pf::Form& f) {
            auto& d = static_cast<FrmUserInput&>(f);
            d.txtAnswer[0]->Text("2");
            d.cmdOK.userClick();
        });
    }
    h().expectModal(formOf(module, model), [&](pf::Form& f) {
        const qv::SharedState& s = qv::S();
        seen.push_back("model " + std::to_string(module == 8 ? s.inv.intInventoryModel : s.wl.intWaitingLineModel));
        seen.push_back("caption " + frmMenu().lblmoduleindicator.Caption());
        seen.push_back("cancelled " + std::to_string(s.blnDialogCancelled));
        pf::Unload(f);
    });
    frmMenu().mnuFileNew_Click();
    pf::collectUnloaded();
    EXPECT_TRUE(h().allAnswersUsed());
    seen.insert(seen.begin(), h().transcript.begin(), h().transcript.end());
    return seen;
}

TEST(ModelListTest, ADoubleClickOnAModelChoosesItAsTheModelAndOkDo) {
    for (int module : {8, 9}) {
        for (int model = 1; model <= (module == 8 ? 6 : 5); ++model) {
            SCOPED_TRACE("module " + std::to_string(module) + ", model " + std::to_string(model));
            const std::vector<std::string> byDoubleClick = newProblem(module, model, Road::DoubleClick);
            const std::vector<std::string> byOk = newProblem(module, model, Road::ClickAndOk);
            EXPECT_EQ(byDoubleClick, byOk);
            EXPECT_NE(std::find(byDoubleClick.begin(), byDoubleClick.end(), "MODAL " + formOf(module, model)),
                      byDoubleClick.end());
            EXPECT_NE(std::find(byDoubleClick.begin(), byDoubleClick.end(), "model " + std::to_string(model)),
                      byDoubleClick.end());
        }
    }
    qvtest::resetProgram();
}

// Waiting lines: a model clicked first, then another double-clicked: the second one.
TEST(ModelListTest, ADoubleClickReplacesTheModelClickedBefore) {
    const auto clickFirst = [](FrmUserListInput& d) {
        qvtest::clickEntry(d.lstModelSelection, 0);
        EXPECT_EQ(qv::S().wl.intWaitingLineModel, 1);
        EXPECT_EQ(pf::focusedControl(), &d.cmdOK);
    };
    const std::vector<std::string> seen = newProblem(9, 3, Road::DoubleClick, clickFirst);
    EXPECT_NE(std::find(seen.begin(), seen.end(), "model 3"), seen.end());
    EXPECT_NE(std::find(seen.begin(), seen.end(), "caption Waiting Line Model:  M/D/1"), seen.end());
    EXPECT_NE(std::find(seen.begin(), seen.end(), "cancelled 0"), seen.end());
    qvtest::resetProgram();
}

}  // namespace
