// Keys as the user presses them: real Qt key events sent to the real widgets, through
// the program's handlers and the platform's routing to the Qt widgets.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

#include "decision/frmDecisionFeatures.h"
#include "forecast/frmForecastingModels.h"
#include "inventory/InventoryForms.h"
#include "lp/frmLPFeatures.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Grid.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/core/ProblemFile.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmModuleSelection.h"
#include "shell/frmProblem.h"
#include "shell/frmTransObj.h"
#include "shell/frmUserInput.h"
#include "shell/frmuserlistinput.h"
#include "tests/ui_keys.h"
#include "tests/ui_test_support.h"
#include "waiting/frmWL_Model.h"

namespace {

pf::ScriptedHost& h() { return pf::scriptedHost(); }

void press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = QString()) {
    qvtest::pressOnFocused(key, mods, text);
}
void typeText(const std::string& text) { qvtest::typeOnFocused(text); }

std::string focusName() {
    pf::Control* c = pf::focusedControl();
    return c ? c->qualifiedName() : std::string("(none)");
}

class KeyboardTest : public qvtest::MainWindowTest {
protected:
    // Shows a modal window and acts in it; the window is unloaded afterwards if still there.
    template <typename T>
    static void inModal(const std::string& name, const std::function<void(T&)>& actions) {
        h().expectModal(name, [&](pf::Form& f) {
            actions(static_cast<T&>(f));
            if (pf::forms::find(name)) pf::Unload(f);
        });
        pf::instance<T>().Show(pf::vbModal);
        pf::collectUnloaded();
    }
    // The focus on opening, then Tab until it comes back; then Shift+Tab from there.
    template <typename T>
    void inModalCycle(const std::string& name) {
        inModal<T>(name, [this](T&) {
            const std::string first = focusName();
            cycle_.push_back(first);
            for (int i = 0; i < 30; ++i) {
                press(Qt::Key_Tab);
                if (focusName() == first) break;
                cycle_.push_back(focusName());
            }
            press(Qt::Key_Backtab, Qt::ShiftModifier);
            back_ = focusName();
        });
    }
    std::vector<std::string> cycle_;
    std::string back_;
};

// Tab visits the controls in tab order and wraps; Shift+Tab goes back from the first
// to the last. Labels, frames, pictures and hidden controls are passed over, and an
// option group is one stop.
TEST_F(KeyboardTest, TabOrderOfTheDialogsAndForms) {
    struct Case {
        std::string form;
        std::function<void()> before;
        std::function<void()> show;
        std::vector<std::string> order;  // from the control focused on opening
    };
    auto& s = qv::S();
    const Case cases[] = {
        {"frmUserInput", [] {}, [this] { inModalCycle<FrmUserInput>("frmUserInput"); },
         {"txtAnswer(0)", "txtAnswer(1)", "cmdOK", "cmdCancel"}},
        {"frmTransObj", [&] { s.lp.intOptimizationType = 0; },
         [this] { inModalCycle<FrmTransObj>("frmTransObj"); }, {"optMaximize", "cmdOK", "cmdCancel"}},
        {"frmLPFeatures", [&] { s.blnEditInProgress = false; },
         [this] { inModalCycle<FrmLPFeatures>("frmLPFeatures"); },
         {"txtVariables", "txtConstraints", "optMaximize", "cmdOK", "cmdCancel"}},
        {"frmDecisionFeatures", [] {}, [this] { inModalCycle<FrmDecisionFeatures>("frmDecisionFeatures"); },
         {"txtNumAlternatives", "txtNumStates", "chkStateProbs", "cmdOK", "cmdCancel"}},
        {"frmForecastingModels", [] {}, [this] { inModalCycle<FrmForecastingModels>("frmForecastingModels"); },
         {"Option1(0)", "CmdSolve", "cmdCancel"}},
        {"frmWL_Model", [&] { s.intCurrentModule = 9; s.wl.intWaitingLineModel = 1; },
         [this] { inModalCycle<FrmWLModel>("frmWL_Model"); },
         {"txt_WL(0)", "txt_WL(1)", "txt_WL(2)", "chkECONAnal", "CmdSolve", "cmdSave", "cmdCancel"}},
        {"frmEOQ", [&] { s.intCurrentModule = 8; s.inv.intInventoryModel = 1; },
         [this] { inModalCycle<FrmEOQ>("frmEOQ"); },
         {"txtEOQ(0)", "txtEOQ(1)", "txtEOQ(2)", "comboHoldingcostmethod", "txtFrame1", "chkreorderpoint",
          "cmdSave", "CmdSolve", "cmdCancel"}},
        {"frmuserlistinput", [&] { s.intCurrentModule = 9; },
         [this] { inModalCycle<FrmUserListInput>("frmuserlistinput"); }, {"cmdOK", "cmdCancel"}},  // its list is empty here: Tab passes it by
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        qvtest::resetProgram();
        frmMenu();
        c.before();
        cycle_.clear();
        back_.clear();
        c.show();
        EXPECT_EQ(cycle_, c.order);
        EXPECT_EQ(back_, c.order.back());
    }
}

// Arrows move an option group's choice, a combo's entry and a single-selection list's
// entry, each raising Click as a mouse pick does.
TEST_F(KeyboardTest, ArrowsMoveTheChoice) {
    // Options: Down, Down wraps, Up wraps back; the value follows the focus.
    inModal<FrmLPFeatures>("frmLPFeatures", [](FrmLPFeatures& d) {
        d.optMaximize.SetFocus();
        press(Qt::Key_Down);
        EXPECT_EQ(focusName(), "optMinimize");
        EXPECT_TRUE(d.optMinimize.Value());
        EXPECT_FALSE(d.optMaximize.Value());
        press(Qt::Key_Down);
        EXPECT_TRUE(d.optMaximize.Value());
        press(Qt::Key_Up);
        EXPECT_TRUE(d.optMinimize.Value());
        // Tab leaves the group for OK.
        press(Qt::Key_Tab);
        EXPECT_EQ(focusName(), "cmdOK");
    });

    // The holding-cost combo of an inventory form: its Click handler runs per pick.
    qv::S().intCurrentModule = 8;
    qv::S().inv.intInventoryModel = 1;
    inModal<FrmEOQ>("frmEOQ", [](FrmEOQ& f) {
        pf::ComboBox& combo = *f.comboHoldingcostmethod;
        int clicks = 0;
        auto was = combo.Click;
        combo.Click = [&] { ++clicks; if (was) was(); };
        combo.SetFocus();
        const int start = combo.ListIndex();
        press(Qt::Key_Down);
        EXPECT_EQ(combo.ListIndex(), std::min(start + 1, combo.ListCount() - 1));
        press(Qt::Key_Home);
        EXPECT_EQ(combo.ListIndex(), 0);
        press(Qt::Key_End);
        EXPECT_EQ(combo.ListIndex(), combo.ListCount() - 1);
        EXPECT_EQ(clicks, (start + 1 <= combo.ListCount() - 1 ? 1 : 0) + 2);
        combo.Click = was;
    });

    // The model list: the status caption follows, and the focus moves on to OK.
    qv::S().intCurrentModule = 9;
    inModal<FrmUserListInput>("frmuserlistinput", [](FrmUserListInput& d) {
        d.lstModelSelection.AddItem("one");
        d.lstModelSelection.AddItem("two");
        d.lstModelSelection.AddItem("three");
        struct Step {
            int key;
            int index;
        } steps[] = {{Qt::Key_Down, 0}, {Qt::Key_Down, 1}, {Qt::Key_End, 2}, {Qt::Key_Up, 1}, {Qt::Key_Home, 0}};
        for (const Step& st : steps) {
            d.lstModelSelection.SetFocus();
            press(st.key);
            EXPECT_EQ(d.lstModelSelection.ListIndex(), st.index);
            EXPECT_EQ(qv::S().wl.intWaitingLineModel, st.index + 1);
            EXPECT_EQ(frmMenu().lblmoduleindicator.Caption(), qv::WaitingLineModelCaption(st.index + 1));
            EXPECT_EQ(focusName(), "cmdOK");
        }
    });
}

// Space ticks a check box, chooses an option and presses a button, each once.
TEST_F(KeyboardTest, SpaceOnChecksOptionsAndButtons) {
    inModal<FrmDecisionFeatures>("frmDecisionFeatures", [](FrmDecisionFeatures& d) {
        d.chkStateProbs.SetFocus();
        press(Qt::Key_Space, Qt::NoModifier, " ");
        EXPECT_EQ(d.chkStateProbs.Value(), 1);
        EXPECT_TRUE(d.chkStrategy.Visible());  // its Click ran
        press(Qt::Key_Space, Qt::NoModifier, " ");
        EXPECT_EQ(d.chkStateProbs.Value(), 0);
        EXPECT_FALSE(d.chkStrategy.Visible());
    });
    inModal<FrmLPFeatures>("frmLPFeatures", [](FrmLPFeatures& d) {
        d.optMinimize.SetFocus();
        EXPECT_FALSE(d.optMinimize.Value());
        press(Qt::Key_Space, Qt::NoModifier, " ");
        EXPECT_TRUE(d.optMinimize.Value());
        EXPECT_FALSE(d.optMaximize.Value());
    });
    inModal<FrmUserInput>("frmUserInput", [](FrmUserInput& d) {
        d.cmdCancel.SetFocus();
        h().expectMessage(pf::vbNo);
        press(Qt::Key_Space, Qt::NoModifier, " ");
        EXPECT_EQ(h().transcript.back().rfind("MSGBOX \"Cancel Current Problem\"", 0), 0u);
        EXPECT_TRUE(pf::isLoaded<FrmUserInput>());
    });
}

// Enter presses the default OK of the features and criterion dialogs from any control;
// in the decision features dialog neither Enter nor Esc presses anything.
TEST_F(KeyboardTest, EnterAndEsc) {
    auto& s = qv::S();
    inModal<FrmLPFeatures>("frmLPFeatures", [](FrmLPFeatures& d) {
        typeText("3");
        press(Qt::Key_Tab);
        typeText("2");
        press(Qt::Key_Tab);
        press(Qt::Key_Down);  // Minimize
        d.txtConstraints.SetFocus();
        press(Qt::Key_Return);
        EXPECT_FALSE(pf::forms::find("frmLPFeatures"));
    });
    EXPECT_EQ(s.lp.intVariableCount, 3);
    EXPECT_EQ(s.lp.intConstraintCount, 2);
    EXPECT_EQ(s.lp.intOptimizationType, 1);
    EXPECT_FALSE(s.blnDialogCancelled);

    s.lp.intOptimizationType = 1;
    inModal<FrmTransObj>("frmTransObj", [](FrmTransObj&) {
        press(Qt::Key_Return);
        EXPECT_FALSE(pf::forms::find("frmTransObj"));
    });
    EXPECT_EQ(s.strMaximizeObjective, "NO");
    EXPECT_FALSE(s.blnDialogCancelled);

    inModal<FrmDecisionFeatures>("frmDecisionFeatures", [](FrmDecisionFeatures& d) {
        for (pf::Control* c : std::vector<pf::Control*>{&d.txtNumAlternatives, &d.cmdOK, &d.cmdCancel}) {
            c->SetFocus();
            press(Qt::Key_Return);
            press(Qt::Key_Escape);
            EXPECT_TRUE(pf::forms::find("frmDecisionFeatures")) << c->Name();
        }
        EXPECT_TRUE(h().transcript.empty() || h().transcript.back().rfind("MODAL", 0) == 0);
    });

    // Esc in the dimensions dialog presses Cancel once: one question.
    h().transcript.clear();
    inModal<FrmUserInput>("frmUserInput", [](FrmUserInput&) {
        h().expectMessage(pf::vbNo);
        press(Qt::Key_Escape);
        int questions = 0;
        for (const auto& line : h().transcript) questions += line.rfind("MSGBOX \"Cancel Current Problem\"", 0) == 0;
        EXPECT_EQ(questions, 1);
        EXPECT_TRUE(pf::forms::find("frmUserInput"));
    });
}

// Qt's own editing in a text box: Shift selects, Ctrl+A then typing replaces, the
// clipboard copies and pastes; Change runs for every edit.
TEST_F(KeyboardTest, TextBoxEditing) {
    inModal<FrmUserInput>("frmUserInput", [](FrmUserInput& d) {
        pf::TextBox& box = *d.txtAnswer[0];
        int changes = 0;
        box.Change = [&] { ++changes; };
        box.SetFocus();
        typeText("12345");
        EXPECT_EQ(box.Text(), "12345");
        EXPECT_EQ(changes, 5);
        press(Qt::Key_Home);
        press(Qt::Key_Right, Qt::ShiftModifier);
        press(Qt::Key_Right, Qt::ShiftModifier);
        EXPECT_EQ(box.SelStart(), 0);
        EXPECT_EQ(box.SelLength(), 2);
        press(Qt::Key_End, Qt::ShiftModifier);
        EXPECT_EQ(box.SelLength(), 5);
        press(Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "12345");
        press(Qt::Key_A, Qt::ControlModifier);
        typeText("3");
        EXPECT_EQ(box.Text(), "3");
        press(Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(box.Text(), "312345");
        press(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(box.Text(), "3");
        press(Qt::Key_A, Qt::ControlModifier);
        press(Qt::Key_X, Qt::ControlModifier);
        EXPECT_EQ(box.Text(), "");
        EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "3");
        box.Change = nullptr;
    });
}

// In a grid every key is the grid's: an arrow or PageDown moves the current cell once;
// Ctrl+End and Ctrl+Home move as End and Home do. A key held with Alt moves nothing.
TEST_F(KeyboardTest, GridKeysMoveTheCurrentCellOnce) {
    pf::Form f("frmKeys", pf::FormKind::Dialog);
    pf::Grid g(&f, "g");
    g.Rows(6);
    g.Cols(4);
    int changes = 0;
    g.RowColChange = [&] { ++changes; };
    g.SetFocus();
    struct Step {
        int key;
        Qt::KeyboardModifiers mods;
        int row, col;
        bool moves;
    } steps[] = {{Qt::Key_Down, {}, 2, 1, true},       {Qt::Key_Right, {}, 2, 2, true},
                 {Qt::Key_PageDown, {}, 5, 2, true},   {Qt::Key_Up, {}, 4, 2, true},
                 {Qt::Key_PageUp, {}, 1, 2, true},     {Qt::Key_End, {}, 1, 3, true},
                 {Qt::Key_Home, {}, 1, 1, true},       {Qt::Key_End, Qt::ControlModifier, 1, 3, true},
                 {Qt::Key_Home, Qt::ControlModifier, 1, 1, true}, {Qt::Key_Down, Qt::AltModifier, 1, 1, false},
                 {Qt::Key_End, Qt::AltModifier, 1, 1, false},     {Qt::Key_PageDown, Qt::AltModifier, 1, 1, false}};
    int expected = 0;
    for (const Step& st : steps) {
        press(st.key, st.mods);
        if (st.moves) ++expected;
        EXPECT_EQ(g.Row(), st.row) << st.key << " " << st.mods;
        EXPECT_EQ(g.Col(), st.col) << st.key << " " << st.mods;
        EXPECT_EQ(changes, expected) << st.key << " " << st.mods;
    }
}

// A description shows an "&" as it stands; other captions keep their mnemonics.
TEST_F(KeyboardTest, DescriptionsShowTheirAmpersand) {
    pf::Form f("frmLabels", pf::FormKind::Dialog);
    pf::Label plain(&f, "plain"), literal(&f, "literal");
    literal.UseMnemonic(false);
    plain.Caption("Trend & Seasonal && More");
    literal.Caption("Trend & Seasonal && More");
    EXPECT_EQ(static_cast<QLabel*>(plain.widget())->text().toStdString(), "Trend  Seasonal & More");
    EXPECT_EQ(static_cast<QLabel*>(literal.widget())->text().toStdString(), "Trend & Seasonal && More");
}

// The inventory description shows its "&" in the chooser and on the home screen, while
// the forecasting status caption keeps its mnemonic handling.
TEST_F(KeyboardTest, TheInventoryDescriptionShowsItsAmpersand) {
    auto shown = [](pf::Label& l) { return static_cast<QLabel*>(l.widget())->text().toStdString(); };
    qvtest::mainWindowAlone(0);
    FrmModuleSelection& chooser = pf::instance<FrmModuleSelection>();
    chooser.optProblemType_Click(8);
    EXPECT_NE(shown(chooser.txtprobsel).find(", & Single-Period Inventory"), std::string::npos);
    pf::Unload(chooser);
    pf::collectUnloaded();
    qv::S().intCurrentModule = 8;
    EXPECT_NE(shown(frmProblem().txtLoadInfo).find(", & Single-Period Inventory"), std::string::npos);
    frmMenu().lblmoduleindicator.Caption("Forecasting Module - Trend && Seasonal Projection");
    EXPECT_EQ(shown(frmMenu().lblmoduleindicator), "Forecasting Module - Trend & Seasonal Projection");
}

}  // namespace
