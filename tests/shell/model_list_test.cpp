// The model list of the inventory and waiting-line modules under the real mouse and
// keyboard: a double click on a model chooses it, as a click on the model and then OK
// does; a key that changes no selection picks no model.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QScreen>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

#include <string>
#include <vector>

#include "platform/ui/QtHost.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/core/ProblemFile.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmModuleSelection.h"
#include "shell/frmUserInput.h"
#include "shell/frmuserlistinput.h"
#include "tests/ui_keys.h"
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

// ---------------------------------------------------------------- keys in the list

using qvtest::keyTarget;
using qvtest::settle;

std::string shownCaption() {
    return static_cast<QLabel*>(frmMenu().lblmoduleindicator.widget())->text().toStdString();
}

// A key as the keyboard sends it, where it sends it.
void strike(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* w = keyTarget();
    ASSERT_NE(w, nullptr) << "no window takes the keyboard";
    QTest::keyClick(w, key, mods);
    settle();
}

int modelCode(int module) { return module == 8 ? qv::S().inv.intInventoryModel : qv::S().wl.intWaitingLineModel; }

// The entries drawn picked.
int pickedShown(pf::ListBox& list) { return static_cast<int>(qvtest::listWidget(list)->selectedItems().size()); }

// File New in `module` of a fresh program on the Qt host: `inList` acts in the model
// list as it opens, with real message boxes (their texts land in `messages`, each
// answered OK); Cancel then closes the list.
void inModelList(int module, std::vector<std::string>& messages, const std::function<void(FrmUserListInput&)>& inList) {
    chosen(module);
    qvtest::activeOnScreen(frmMenu());
    pf::setHost(pf::makeQtHost());
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* m = qobject_cast<QMessageBox*>(modal)) {
            messages.push_back(m->text().toStdString());
            m->accept();
            return;
        }
        // The model's form, had the list let a model through: noted and closed, so
        // that the test ends.
        pf::Form* list = pf::forms::find("frmuserlistinput");
        if (auto* other = qobject_cast<QDialog*>(modal); other && (!list || other != list->window())) {
            messages.push_back("window " + other->windowTitle().toStdString());
            other->done(QDialog::Rejected);
        }
    });
    closer.start(20);
    bool ran = false;
    QTimer::singleShot(0, [&] {
        auto* d = dynamic_cast<FrmUserListInput*>(pf::forms::find("frmuserlistinput"));
        if (!d) return;
        ran = QTest::qWaitForWindowActive(d->window());
        settle();
        if (ran) inList(*d);
        if (pf::forms::find("frmuserlistinput")) d->cmdCancel.userClick();
    });
    frmMenu().mnuFileNew_Click();
    closer.stop();
    pf::collectUnloaded();
    pf::setHost(std::make_unique<pf::ScriptedHost>());
    EXPECT_TRUE(ran) << "the model list did not open active";
}

// The list as the screen shows it.
QImage drawn(pf::ListBox& list) {
    settle();
    QWidget* v = qvtest::listWidget(list)->viewport();
    const QPoint at = v->mapToGlobal(QPoint(0, 0));
    return v->screen()->grabWindow(0, at.x(), at.y(), v->width(), v->height()).toImage();
}

// Pixels that differ between two pictures of a list, `margin` pixels in from its edges.
// Along its border the list marks that it has the keyboard; an entry drawn highlighted
// or framed shows further in.
int changedInside(const QImage& a, const QImage& b, int margin = 3) {
    int n = 0;
    for (int y = margin; y < a.height() - margin; ++y)
        for (int x = margin; x < a.width() - margin; ++x) n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

// As it opens, the list's keyboard is on OK; Tab, Tab takes it to the list with nothing
// picked, no entry drawn as the keyboard's. A key that selects no entry there leaves it
// so, and OK still asks for a model; Enter presses nothing; Down then picks the first
// model. A key that selects an entry picks it (Space the first, as Down) and hands the
// keyboard to OK.
TEST(ModelListKeysTest, OnlyAKeyThatSelectsAnEntryPicksAModel) {
    struct Stroke {
        const char* name;
        std::function<void()> send;
        int inventory, waiting;  // the model picked in each module, 0 for none
    };
    const Stroke strokes[] = {
        {"4", [] { strike(Qt::Key_4); }, 0, 0},
        {"(", [] { strike(Qt::Key_ParenLeft, Qt::ShiftModifier); }, 0, 0},
        {"Shift alone", [] { strike(Qt::Key_Shift); }, 0, 0},
        {"Alt+X", [] { qvtest::altWith(Qt::Key_X); }, 0, 0},
        {"Enter", [] { strike(Qt::Key_Return); }, 0, 0},
        {"Down", [] { strike(Qt::Key_Down); }, 1, 1},
        {"Up", [] { strike(Qt::Key_Up); }, 1, 1},
        {"Space", [] { strike(Qt::Key_Space); }, 1, 1},
        {"Home", [] { strike(Qt::Key_Home); }, 1, 1},
        {"End", [] { strike(Qt::Key_End); }, 6, 5},
        {"S", [] { strike(Qt::Key_S); }, 6, 0},
        {"P", [] { strike(Qt::Key_P); }, 0, 1},
    };
    struct Module {
        int number;
        const char* refusal;
    };
    for (const Module m : {Module{8, qv::kNoInventoryModel}, Module{9, "You Must Select a Waiting Line Model"}}) {
        for (const Stroke& st : strokes) {
            SCOPED_TRACE("module " + std::to_string(m.number) + ", " + st.name);
            const int model = m.number == 8 ? st.inventory : st.waiting;
            const auto caption = [&m](int code) {
                return m.number == 8 ? qv::InventoryModelCaption(code) : qv::WaitingLineModelCaption(code);
            };
            std::vector<std::string> messages;
            inModelList(m.number, messages, [&](FrmUserListInput& d) {
                pf::ListBox& list = d.lstModelSelection;
                const std::string before = shownCaption();
                const QImage unfocused = drawn(list);
                strike(Qt::Key_Tab);
                strike(Qt::Key_Tab);
                ASSERT_EQ(QApplication::focusWidget(), list.widget()) << "Tab, Tab does not reach the list";
                const QImage focused = drawn(list);
                EXPECT_GT(changedInside(unfocused, focused, 0), 0) << "the list does not show it has the keyboard";
                EXPECT_EQ(changedInside(unfocused, focused), 0) << "an entry is drawn as the keyboard's";
                st.send();
                if (model > 0) {
                    EXPECT_EQ(modelCode(m.number), model);
                    EXPECT_EQ(pickedShown(list), 1);
                    EXPECT_TRUE(qvtest::listWidget(list)->item(model - 1)->isSelected());
                    EXPECT_EQ(shownCaption(), caption(model));
                    EXPECT_EQ(QApplication::focusWidget(), d.cmdOK.widget());
                    return;
                }
                EXPECT_EQ(modelCode(m.number), 0);
                EXPECT_EQ(list.ListIndex(), -1);
                EXPECT_EQ(pickedShown(list), 0);
                EXPECT_EQ(QApplication::focusWidget(), list.widget());
                EXPECT_EQ(pf::focusedControl(), &list);
                EXPECT_EQ(shownCaption(), before);
                EXPECT_EQ(changedInside(unfocused, drawn(list)), 0) << "an entry is drawn as the keyboard's";
                EXPECT_TRUE(messages.empty());
                qvtest::clickControl(d.cmdOK);
                EXPECT_EQ(messages, std::vector<std::string>{m.refusal});
                ASSERT_TRUE(pf::forms::find("frmuserlistinput")) << "OK took a model";
                // The window system turns back to the list as the message closes.
                d.window()->activateWindow();
                ASSERT_TRUE(QTest::qWaitForWindowActive(d.window()));
                settle();
                // Back in the list, Down picks the first model, whatever was pressed before.
                strike(Qt::Key_Tab, Qt::ShiftModifier);
                ASSERT_EQ(QApplication::focusWidget(), list.widget());
                strike(Qt::Key_Down);
                EXPECT_EQ(modelCode(m.number), 1);
                EXPECT_EQ(pickedShown(list), 1);
                EXPECT_TRUE(qvtest::listWidget(list)->item(0)->isSelected());
                EXPECT_EQ(shownCaption(), caption(1));
                EXPECT_EQ(QApplication::focusWidget(), d.cmdOK.widget());
            });
        }
    }
    qvtest::resetProgram();
}

}  // namespace
