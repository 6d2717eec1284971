// Enter as the user presses it, a real key event on the focused field: in the module
// chooser and the dialogs that ask one answer it presses OK (Solve in the integer and
// forecasting method dialogs) from any field, and does what a click on that button
// does. The two dialogs that answer neither Enter nor Esc, or not Esc, keep doing so.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>

#include <functional>
#include <string>
#include <vector>

#include "decision/frmDecisionFeatures.h"
#include "decision/frmdecnopt.h"
#include "forecast/frmForecastingModels.h"
#include "lp/frmIP.h"
#include "network/frmPERTCPM_Init.h"
#include "network/frminputnodes.h"
#include "platform/ui/Controls.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmModuleSelection.h"
#include "shell/frmProblem.h"
#include "shell/frmUserInput.h"
#include "tests/ui_keys.h"
#include "tests/ui_test_support.h"

namespace {

pf::ScriptedHost& h() { return pf::scriptedHost(); }

void pressIn(pf::Form& f, const std::string& field, int key) {
    pf::Control* c = f.control(field);
    ASSERT_NE(c, nullptr) << field;
    c->SetFocus();
    ASSERT_EQ(pf::focusedControl(), c) << field;
    qvtest::pressOnFocused(key);
}

void type(pf::Form& f, const std::string& field, const std::string& text) {
    pf::Control* c = f.control(field);
    ASSERT_NE(c, nullptr) << field;
    c->SetFocus();
    qvtest::pressOnFocused(Qt::Key_A, Qt::ControlModifier);
    qvtest::typeOnFocused(text);
}

class EnterKeyTest : public qvtest::MainWindowTest {};

struct EnterCase {
    std::string form;
    std::function<void()> before;           // the state the dialog's caller leaves
    std::function<void()> show;             // shows the dialog modally
    std::function<void(pf::Form&)> answer;  // a complete answer, typed and clicked
    std::function<void()> check;            // what the dialog's OK stored
};

void showDimensions(int module) {
    qv::S().intCurrentModule = module;
    qv::askDimensions();
}

// From each field, in a fresh showing: Enter closes the dialog as its OK does.
TEST_F(EnterKeyTest, EnterPressesOkFromEveryField) {
    auto& s = qv::S();
    const EnterCase cases[] = {
        {"frmUserInput",  // transportation: two answers
         [] {}, [] { showDimensions(2); },
         [](pf::Form& f) {
             type(f, "txtAnswer(0)", "3");
             type(f, "txtAnswer(1)", "4");
         },
         [&] {
             EXPECT_EQ(s.tr.intOriginCount, 3);
             EXPECT_EQ(s.tr.intDestinationCount, 4);
         }},
        {"frmUserInput",  // nodes and arcs
         [] {}, [] { showDimensions(5); },
         [](pf::Form& f) {
             type(f, "txtAnswer(0)", "6");
             type(f, "txtAnswer(1)", "9");
         },
         [&] {
             EXPECT_EQ(s.intNodeCount, 6);
             EXPECT_EQ(s.intArcCount, 9);
         }},
        {"frmUserInput",  // discount categories: one answer and the note
         [] {}, [] { showDimensions(8); }, [](pf::Form& f) { type(f, "txtAnswer(0)", "3"); },
         [&] { EXPECT_EQ(s.inv.intDiscountCount, 3); }},
        {"frmUserInput",  // time periods
         [] {}, [] { showDimensions(11); }, [](pf::Form& f) { type(f, "txtAnswer(0)", "12"); },
         [&] { EXPECT_EQ(s.fc.intPeriodCount, 12); }},
        {"frminputnodes", [&] { s.intNodeCount = 5; },
         [] { pf::instance<Frminputnodes>().Show(pf::vbModal); },
         [](pf::Form& f) {
             type(f, "txtAnswer(0)", "2");
             type(f, "txtAnswer(1)", "5");
         },
         [&] {
             EXPECT_EQ(s.net.intStartNode, 2);
             EXPECT_EQ(s.net.intEndNode, 5);
         }},
        {"frmdecnopt", [] {}, [] { pf::instance<Frmdecnopt>().Show(pf::vbModal); },
         [](pf::Form& f) {
             f.control("optMaximize")->userClick();
             f.control("Optcriterion(1)")->userClick();
         },
         [&] {
             EXPECT_EQ(s.strMaximizeObjective, "YES");
             EXPECT_EQ(s.dec.intDecisionCriterion, 2);
         }},
        {"frmIP",
         [&] {
             s.lp.intConstraintCount = 1;
             s.lp.intVariableCount = 2;
             s.lp.strVariableNames.ReDim(200);
             s.lp.strVariableNames(1) = "X1";
             s.lp.strVariableNames(2) = "X2";
             s.lp.strModelLines.ReDim(255);
         },
         [] { pf::instance<FrmIP>().Show(pf::vbModal); },
         [](pf::Form& f) {
             f.control("optMultiple")->userClick();
             static_cast<pf::ListBox*>(f.control("lstBinary"))->userSelect(1);
             static_cast<pf::ListBox*>(f.control("lstGeneral"))->userSelect(0);
         },
         [&] {
             std::vector<std::string> section;
             for (int p = 4; p <= 8; ++p) section.push_back(s.lp.strModelLines(p));
             EXPECT_EQ(section, (std::vector<std::string>{"BIN", "X2", "INT", "X1", ""}));
         }},
        {"frmForecastingModels",  // one value
         [&] {
             s.fc.intPeriodCount = 9;
             s.fc.intForecastMethod = 0;
             s.fc.strMethodParameter = "old";
         },
         [] { pf::instance<FrmForecastingModels>().Show(pf::vbModal); },
         [](pf::Form& f) {
             f.control("Option1(0)")->userClick();
             type(f, "txtValue(0)", "3");
         },
         [&] {
             EXPECT_EQ(s.fc.intForecastMethod, 1);
             EXPECT_EQ(s.fc.strMethodParameter, "3");
         }},
        {"frmForecastingModels",  // trend and seasonal: two values
         [&] {
             s.fc.intPeriodCount = 9;
             s.fc.intForecastMethod = 0;
             s.fc.strMethodParameter = "old";
             s.fc.strFuturePeriods = "old";
         },
         [] { pf::instance<FrmForecastingModels>().Show(pf::vbModal); },
         [](pf::Form& f) {
             f.control("Option1(3)")->userClick();
             type(f, "txtValue(0)", "4");
             type(f, "txtValue(1)", "2");
         },
         [&] {
             EXPECT_EQ(s.fc.intForecastMethod, 4);
             EXPECT_EQ(s.fc.strMethodParameter, "4");
             EXPECT_EQ(s.fc.strFuturePeriods, "2");
         }},
    };
    for (const EnterCase& c : cases) {
        qvtest::resetProgram();
        frmMenu();
        c.before();
        // Every field the user can be in: the dialog's tab stops (an option group by its
        // chosen option), its buttons included.
        std::vector<std::string> fields;
        h().expectModal(c.form, [&](pf::Form& f) {
            c.answer(f);
            for (pf::Control* ctl : f.tabStops(nullptr)) fields.push_back(ctl->qualifiedName());
            pf::Unload(f);
        });
        c.show();
        pf::collectUnloaded();
        ASSERT_GE(fields.size(), 3u) << c.form;
        for (const std::string& field : fields) {
            if (field == "cmdCancel") continue;
            SCOPED_TRACE(c.form + " " + field);
            c.before();
            s.blnDialogCancelled = true;
            h().transcript.clear();
            h().expectModal(c.form, [&](pf::Form& f) {
                c.answer(f);
                pressIn(f, field, Qt::Key_Return);
                EXPECT_FALSE(pf::forms::find(c.form));
            });
            c.show();
            pf::collectUnloaded();
            EXPECT_FALSE(s.blnDialogCancelled);
            c.check();
            // Nothing else was asked or told.
            for (const std::string& line : h().transcript) EXPECT_EQ(line.rfind("MSGBOX", 0), std::string::npos) << line;
        }
    }
}

// Enter runs OK's checks as a click does: a refused answer gets its message and its
// box back, and the dialog stays.
TEST_F(EnterKeyTest, EnterRunsTheChecksOfOk) {
    qv::S().intNodeCount = 5;
    h().expectModal("frminputnodes", [](pf::Form& f) {
        type(f, "txtAnswer(0)", "2");
        type(f, "txtAnswer(1)", "9");
        h().expectMessage(pf::vbOK);
        pressIn(f, "txtAnswer(0)", Qt::Key_Return);
        EXPECT_EQ(h().transcript.back(),
                  "MSGBOX \"Data Input Error\" critical OK \"You may only select a number between 1 and 5.  "
                  "PLEASE TRY AGAIN.\" -> OK");
        EXPECT_TRUE(pf::forms::find("frminputnodes"));
        EXPECT_EQ(pf::focusedControl(), f.control("txtAnswer(1)"));
        qvtest::typeOnFocused("4");
        qvtest::pressOnFocused(Qt::Key_Return);
        EXPECT_FALSE(pf::forms::find("frminputnodes"));
    });
    pf::instance<Frminputnodes>().Show(pf::vbModal);
    pf::collectUnloaded();
    EXPECT_EQ(qv::S().net.intEndNode, 4);

    // Time periods above the limit: the dimensions dialog's own message.
    h().expectModal("frmUserInput", [](pf::Form& f) {
        type(f, "txtAnswer(0)", "101");
        h().expectMessage(pf::vbOK);
        qvtest::pressOnFocused(Qt::Key_Return);
        EXPECT_EQ(h().transcript.back(),
                  "MSGBOX \"Data Input Error\" critical OK \"YOU MAY ONLY SELECT A NUMBER BETWEEN 1 AND 100.  "
                  "PLEASE TRY AGAIN.\" -> OK");
        EXPECT_TRUE(pf::forms::find("frmUserInput"));
        qvtest::typeOnFocused("100");
        qvtest::pressOnFocused(Qt::Key_Return);
    });
    showDimensions(11);
    pf::collectUnloaded();
    EXPECT_EQ(qv::S().fc.intPeriodCount, 100);
    EXPECT_FALSE(qv::S().blnDialogCancelled);
}

// The forecasting method dialog: Enter runs Solve's checks, and a refused value gets
// its message and its own box back, selected, whichever box Enter was pressed in.
TEST_F(EnterKeyTest, EnterRunsTheChecksOfForecastingSolve) {
    auto& s = qv::S();
    struct Case {
        const char* option;
        const char* first;
        const char* second;  // nullptr: the method has one value
        const char* field;   // where Enter is pressed
        const char* message;
        const char* refused;  // the box that gets the focus back
        const char* fix;      // typed there before the next Enter
    } cases[] = {
        {"Option1(0)", "2.5", nullptr, "txtValue(0)", "NOTE:  THE NUMBER OF PERIODS MUST BE AN INTEGER VALUE.",
         "txtValue(0)", "2"},
        {"Option1(1)", "1.5", nullptr, "Option1(1)",
         "NOTE:  THE VALUE OF THE SMOOTHING CONSTANT MUST BE BETWEEN 0 AND 1.", "txtValue(0)", "0.5"},
        {"Option1(3)", "5", "2", "txtValue(1)", "NOTE:  THE NUMBER OF SEASONS CANNOT BE GREATER THAN 4",
         "txtValue(0)", "4"},
        {"Option1(3)", "0", "0", "txtValue(1)", "NOTE:  THE NUMBER OF SEASONS MUST BE AT LEAST 1.", "txtValue(0)",
         "3"},
        {"Option1(3)", "4", "5", "txtValue(0)",
         "NOTE:  THE NUMBER OF FORECAST PERIODS MUST BE LESS THAN OR EQUAL TO THE NUMBER OF SEASONS.", "txtValue(1)",
         "4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.option) + " \"" + c.first + "\" Enter in " + c.field);
        s.fc.intPeriodCount = 9;
        s.blnDialogCancelled = true;
        h().transcript.clear();
        h().expectModal("frmForecastingModels", [&](pf::Form& f) {
            // On screen and active, so that Qt's focus is the user's.
            qvtest::onScreen(f);
            f.control(c.option)->userClick();
            type(f, "txtValue(0)", c.first);
            if (c.second) type(f, "txtValue(1)", c.second);
            h().expectMessage(pf::vbOK);
            pressIn(f, c.field, Qt::Key_Return);
            EXPECT_EQ(h().transcript.back(), std::string("MSGBOX \"Data Input Error\" critical OK \"") + c.message + "\" -> OK");
            ASSERT_TRUE(pf::forms::find("frmForecastingModels"));
            pf::Control* box = f.control(c.refused);
            ASSERT_EQ(pf::focusedControl(), box);
            auto* edit = static_cast<QLineEdit*>(box->widget());
            EXPECT_TRUE(edit->hasFocus());
            EXPECT_EQ(edit->selectedText(), edit->text());
            // Typing replaces the refused text; Enter again solves.
            qvtest::typeOnFocused(c.fix);
            qvtest::pressOnFocused(Qt::Key_Return);
            EXPECT_FALSE(pf::forms::find("frmForecastingModels"));
        });
        pf::instance<FrmForecastingModels>().Show(pf::vbModal);
        pf::collectUnloaded();
        EXPECT_FALSE(s.blnDialogCancelled);
    }

    // No method chosen: Enter gives Solve's message, and the dialog stays.
    s.fc.intForecastMethod = 2;
    frmMenu().lblmoduleindicator.Caption("Forecasting Module");
    h().transcript.clear();
    h().expectModal("frmForecastingModels", [&](pf::Form& f) {
        for (const char* field : {"Option1(0)", "CmdSolve"}) {
            h().expectMessage(pf::vbOK);
            pressIn(f, field, Qt::Key_Return);
            EXPECT_EQ(h().transcript.back(),
                      "MSGBOX \"Data Input Error\" critical OK \"You must select a forecasting method.\" -> OK")
                << field;
            EXPECT_TRUE(pf::forms::find("frmForecastingModels")) << field;
        }
        pf::Unload(f);
    });
    pf::instance<FrmForecastingModels>().Show(pf::vbModal);
    pf::collectUnloaded();
    EXPECT_EQ(s.fc.intForecastMethod, 2);
    EXPECT_EQ(frmMenu().lblmoduleindicator.Caption(), "Forecasting Module");
}

// Esc in the forecasting method dialog closes it as Cancel from any field: nothing is
// stored and the status caption stays.
TEST_F(EnterKeyTest, EscCancelsTheForecastingMethodDialog) {
    auto& s = qv::S();
    for (const char* field : {"Option1(3)", "txtValue(0)", "txtValue(1)", "CmdSolve", "cmdCancel"}) {
        SCOPED_TRACE(field);
        s.fc.intPeriodCount = 9;
        s.fc.intForecastMethod = 0;
        s.fc.strMethodParameter = "old";
        s.fc.strFuturePeriods = "old";
        s.blnDialogCancelled = false;
        frmMenu().lblmoduleindicator.Caption("Forecasting Module");
        h().transcript.clear();
        h().expectModal("frmForecastingModels", [&](pf::Form& f) {
            f.control("Option1(3)")->userClick();
            type(f, "txtValue(0)", "4");
            type(f, "txtValue(1)", "2");
            pressIn(f, field, Qt::Key_Escape);
            EXPECT_FALSE(pf::forms::find("frmForecastingModels"));
        });
        pf::instance<FrmForecastingModels>().Show(pf::vbModal);
        pf::collectUnloaded();
        EXPECT_TRUE(s.blnDialogCancelled);
        EXPECT_EQ(s.fc.intForecastMethod, 0);
        EXPECT_EQ(s.fc.strMethodParameter, "old");
        EXPECT_EQ(s.fc.strFuturePeriods, "old");
        EXPECT_EQ(frmMenu().lblmoduleindicator.Caption(), "Forecasting Module");
        for (const std::string& line : h().transcript) EXPECT_EQ(line.rfind("MSGBOX", 0), std::string::npos) << line;
    }
}

// The chooser: Enter on a picked module opens its home screen as OK does; with no
// module picked it gives OK's message and the chooser stays.
TEST_F(EnterKeyTest, EnterInTheChooser) {
    FrmModuleSelection& chooser = pf::instance<FrmModuleSelection>();
    h().expectMessage(pf::vbOK);
    pressIn(chooser, "cmdOK", Qt::Key_Return);
    EXPECT_EQ(h().transcript.back(),
              "MSGBOX \"Invalid Selection\" exclamation OK \"You Must Select A Problem Module\" -> OK");
    EXPECT_TRUE(pf::isLoaded<FrmModuleSelection>());

    for (const char* field : {"optProblemType(11)", "cmdOK"}) {
        SCOPED_TRACE(field);
        qvtest::resetProgram();
        frmMenu();
        FrmModuleSelection& c = pf::instance<FrmModuleSelection>();
        // Picked with the arrows from module 10, as the keyboard picks.
        c.optProblemType[10]->userClick();
        pressIn(c, "optProblemType(10)", Qt::Key_Down);
        EXPECT_EQ(qv::S().intCurrentModule, 11);
        pressIn(c, field, Qt::Key_Return);
        pf::collectUnloaded();
        EXPECT_FALSE(pf::isLoaded<FrmModuleSelection>());
        EXPECT_TRUE(pf::isLoaded<FrmProblem>());
        EXPECT_EQ(frmMenu().lblmoduleindicator.Caption(), "Forecasting Module");
        EXPECT_TRUE(frmMenu().mnuFileNew->Enabled());
    }
}

// The exceptions, field by field: in the decision features dialog neither Enter nor
// Esc presses a button; Esc does not close the PERT/CPM parameters dialog, while its
// Enter presses only a focused button.
TEST_F(EnterKeyTest, TheExceptionsStay) {
    struct Exception {
        std::string form;
        std::function<void()> show;
        std::vector<std::string> fields;
        std::vector<int> keys;
    } cases[] = {
        {"frmDecisionFeatures", [] { pf::instance<FrmDecisionFeatures>().Show(pf::vbModal); },
         {"txtNumAlternatives", "txtNumStates", "chkStateProbs", "cmdOK", "cmdCancel"},
         {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}},
        {"frmPERTCPM_Init", [] { pf::instance<FrmPERTCPM_Init>().Show(pf::vbModal); },
         {"txtNumActivities", "optActivityTime(0)", "optActivityTime(1)", "cmdOK", "cmdCancel"},
         {Qt::Key_Escape}},
    };
    for (const Exception& c : cases) {
        SCOPED_TRACE(c.form);
        h().transcript.clear();
        h().expectModal(c.form, [&](pf::Form& f) {
            for (const std::string& field : c.fields)
                for (int key : c.keys) {
                    pressIn(f, field, key);
                    EXPECT_TRUE(pf::forms::find(c.form)) << field << " " << key;
                }
            const auto* ok = static_cast<pf::CommandButton*>(f.control("cmdOK"));
            EXPECT_FALSE(ok->isDefault());
            pf::Unload(f);
        });
        c.show();
        pf::collectUnloaded();
        for (const std::string& line : h().transcript) EXPECT_EQ(line.rfind("MSGBOX", 0), std::string::npos) << line;
    }
}

}  // namespace
