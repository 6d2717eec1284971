// The PERT/CPM windows show the whole of every text: the parameters dialog, the
// activity window in both time modes at the smallest and the largest problem, with
// the last activity's many predecessors selected and with long times, and the
// schedule each problem solves to. Run with QV_SCREENSHOT_DIR set (under a real
// display, e.g. xvfb-run) to keep a picture of each.
#include <gtest/gtest.h>

#include "tests/ui_grid_check.h"
#include "tests/ui_layout_check.h"
#include "tests/ui_test_support.h"

#include <QScrollBar>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "network/frmPERTCPM_Init.h"
#include "network/frmPERT_CPM.h"
#include "platform/ui/Keys.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/Modules.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmModuleSelection.h"
#include "shell/frmSolution.h"
#include "shell/frmStartup.h"

namespace {

using Texts = std::vector<std::string>;

pf::ScriptedHost& h() { return pf::scriptedHost(); }

Texts operator+(Texts a, const Texts& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Every pair of visible controls lying one over the other, named "a over b"; the
// controls of `apart` are left out.
Texts overlapping(const pf::Form& f, std::initializer_list<std::string> apart) {
    Texts out;
    std::vector<const pf::Control*> placed;
    for (const pf::Control* c : f.controls()) {
        QWidget* w = c->widget();
        if (!w || !w->isVisibleTo(f.window()) || w->parentWidget() != f.canvas()) continue;
        if (std::find(apart.begin(), apart.end(), c->Name()) != apart.end()) continue;
        for (const pf::Control* p : placed)
            if (p->widget()->geometry().intersects(w->geometry()))
                out.push_back(c->qualifiedName() + " over " + p->qualifiedName());
        placed.push_back(c);
    }
    return out;
}

class PertTextFitTest : public ::testing::Test {
protected:
    void SetUp() override {
        qvtest::resetProgram();
        qvtest::startedIn(7);
    }
    void TearDown() override {
        EXPECT_TRUE(h().allAnswersUsed());
        h().clearAnswers();
        pf::unloadAll();
    }

    // Everything the activity window shows, checked with the main window as designed
    // and as large as the screen allows.
    static void expectWhole(const std::string& picture) {
        FrmPERT_CPM& w = frmPERT_CPM();
        QWidget* main = frmMenu().window();
        const QSize designed = main->size();
        for (bool large : {false, true}) {
            if (large) main->resize(1280, 1000);
            QApplication::processEvents();
            const std::string name = picture + (large ? "_large" : "");
            qvtest::saveScreenshot(main, name);
            const Texts found = qvtest::clippedTexts(frmMenu()) + qvtest::clippedCells(w.gridDisplayEdit) +
                                qvtest::oversizedPanel(w.gridDisplayEdit) + qvtest::clippedItems(w.lstActivityName) +
                                qvtest::clippedItems(w.lstPredecessor) + overlapping(w, {});
            EXPECT_EQ(found, Texts{}) << name;
        }
        main->resize(designed);
        QApplication::processEvents();
        // The last rows too, where the longest predecessor list stands.
        for (QScrollBar* b : w.gridDisplayEdit.widget()->findChildren<QScrollBar*>()) {
            if (b->orientation() == Qt::Vertical) b->setValue(b->maximum());
        }
        qvtest::saveScreenshot(main, picture + "_end");
    }

    // Clicks a box and types into it; the check runs as the next box takes the focus.
    static void typeInto(pf::TextBox& box, const std::string& keys) {
        box.userClick();
        pf::SendKeys(keys, true);
    }
};

TEST_F(PertTextFitTest, ParametersDialog) {
    for (int mode : {1, 2}) {
        SCOPED_TRACE(mode);
        if (qv::S().strProblemEntered == "YES") h().expectMessage(pf::vbYes);  // over the problem before
        h().expectModal("frmPERTCPM_Init", [mode](pf::Form& f) {
            auto& d = static_cast<FrmPERTCPM_Init&>(f);
            f.window()->show();
            EXPECT_EQ(qvtest::clippedTexts(f), Texts{}) << "empty";
            d.txtNumActivities.SetFocus();
            pf::SendKeys("25", true);
            if (mode == 2) d.optActivityTime[1]->userClick();
            const std::string picture = "pert_parameters_" + std::to_string(mode);
            qvtest::saveScreenshot(f.window(), picture);
            EXPECT_EQ(qvtest::clippedTexts(f), Texts{}) << picture;
            // Nothing lies over another control, the title on its band aside.
            EXPECT_EQ(overlapping(f, {"Picture1", "lblTitle"}), Texts{}) << picture;
            d.cmdOK.userClick();
        });
        frmMenu().mnuFileNew->Click();
        pf::collectUnloaded();
    }
}

TEST_F(PertTextFitTest, ActivityWindowAndSchedule) {
    struct Case {
        int activities;
        int mode;
        bool longTimes;
    } cases[] = {{1, 1, false}, {1, 2, false}, {25, 1, false}, {25, 1, true}, {25, 2, false}, {25, 2, true}};
    for (const Case& c : cases) {
        const std::string tag =
            std::to_string(c.activities) + "_" + std::to_string(c.mode) + (c.longTimes ? "_long" : "");
        SCOPED_TRACE(tag);
        if (qv::S().strProblemEntered == "YES") h().expectMessage(pf::vbYes);  // over the problem before
        h().expectModal("frmPERTCPM_Init", [&c](pf::Form& f) {
            auto& d = static_cast<FrmPERTCPM_Init&>(f);
            d.txtNumActivities.SetFocus();
            pf::SendKeys(std::to_string(c.activities), true);
            if (c.mode == 2) d.optActivityTime[1]->userClick();
            d.cmdOK.userClick();
        });
        frmMenu().mnuFileNew->Click();
        pf::collectUnloaded();
        h().transcript.clear();
        FrmPERT_CPM& w = frmPERT_CPM();
        ASSERT_EQ(w.lstActivityName.ListCount(), c.activities);
        // A small problem keeps the designed predecessor column; the largest widens it
        // for its lists. The grid is as large as its table, up to the window.
        if (c.activities == 1) {
            EXPECT_EQ(w.gridDisplayEdit.ColWidth(1), 3000);
        } else {
            EXPECT_GT(w.gridDisplayEdit.ColWidth(1), 3000);
        }
        EXPECT_EQ(qvtest::oversizedPanel(w.gridDisplayEdit), Texts{});
        expectWhole("pert_new_" + tag);

        // Each activity after the first follows the one before; the last follows all
        // the others. Times grow along the list.
        for (int i = 0; i < c.activities; ++i) {
            w.lstActivityName.userSelect(i);
            if (i + 1 == c.activities)
                for (int k = 0; k + 1 < i; ++k) w.lstPredecessor.userSelect(k);
            if (i > 0) w.lstPredecessor.userSelect(i - 1);
            const std::string base = c.longTimes ? std::to_string(1234567890 + i) : std::to_string(1 + i % 9);
            if (c.mode == 1) {
                typeInto(w.txtExpectedTime, base + (c.longTimes ? ".25" : "") + "{ENTER}");
            } else {
                typeInto(w.txtOptimistic, base + (c.longTimes ? ".25" : ""));
                typeInto(w.txtProbable, base + (c.longTimes ? ".5" : ""));
                typeInto(w.txtPessimistic, std::to_string(std::stol(base) + 4) + (c.longTimes ? ".75" : ""));
                w.txtPessimistic_LostFocus();
            }
        }
        for (const std::string& line : h().transcript) EXPECT_EQ(line.find("MSGBOX"), std::string::npos) << line;
        expectWhole("pert_typed_" + tag);

        frmMenu().mnuSolution_Click();  // Solve itself commits a time still being typed
        frmMenu().mnuSolutionSolve->Click();
        pf::collectUnloaded();
        ASSERT_TRUE(qv::solutionShown());
        FrmSolution& s = frmSolution();
        const std::string picture = "pert_solution_" + tag;
        qvtest::saveScreenshot(frmMenu().window(), picture);
        EXPECT_EQ(qvtest::clippedTexts(s), Texts{}) << picture;
        QApplication::processEvents();
        // Every line whole without scrolling sideways; the end of the report pictured too.
        for (QScrollBar* b : s.gridSolution.widget()->findChildren<QScrollBar*>()) {
            if (b->orientation() == Qt::Horizontal) {
                EXPECT_FALSE(b->isVisibleTo(s.window())) << picture;
            } else {
                b->setValue(b->maximum());
            }
        }
        qvtest::saveScreenshot(frmMenu().window(), picture + "_end");
        frmMenu().mnudispeditsubs_Click(0);  // back to the problem
        pf::collectUnloaded();
        expectWhole("pert_reopened_" + tag);
    }
    qv::S().strProblemEntered = "NO";  // leave without the question
}

}  // namespace
