// A click that leaves a field whose entry is refused: the refused field keeps the
// keyboard, and the clicked control does nothing at all. Real mouse and key events, sent
// where a user's arrive.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

#include "decision/QVDecisionAnalysis.h"
#include "decision/frmDecisionProblem.h"
#include "inventory/InventoryForms.h"
#include "lp/frmLPproblem.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Grid.h"
#include "platform/ui/QtHost.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "tests/lp/lp_test_support.h"
#include "tests/ui_keys.h"
#include "tests/ui_test_support.h"
#include "waiting/core/WaitingModels.h"
#include "waiting/frmWL_Model.h"

namespace {

pf::ScriptedHost& h() { return pf::scriptedHost(); }

void settle() {
    QCoreApplication::sendPostedEvents();
    QApplication::processEvents();
}

QWidget* viewportOf(pf::Grid& g) { return qobject_cast<QAbstractScrollArea*>(g.widget())->viewport(); }

void clickCell(pf::Grid& g, int r, int c) {
    int x = 0, y = 0;
    ASSERT_TRUE(g.cellCentre(r, c, x, y)) << g.qualifiedName() << " (" << r << "," << c << ") not in view";
    QTest::mouseClick(viewportOf(g), Qt::LeftButton, {}, QPoint(x, y));
    settle();
}

void clickControl(pf::Control& c) {
    QTest::mouseClick(c.widget(), Qt::LeftButton, {}, c.widget()->rect().center());
    settle();
}

// Typed where Qt's focus is, as the keyboard types.
void typeAtFocus(const std::string& text) {
    for (char ch : text) {
        QWidget* w = QApplication::focusWidget();
        ASSERT_NE(w, nullptr) << "no widget has Qt's focus";
        qvtest::pressKey(w, QChar(ch).toUpper().unicode(), Qt::NoModifier, QString(QChar(ch)));
    }
    settle();
}

// Counts the events of one kind (Click, LostFocus) a control runs, its own handler
// still running; the control gets its own handler back at the end.
struct EventCounter {
    using Event = std::function<void()> pf::Control::*;
    EventCounter(pf::Control& c, Event e = &pf::Control::Click) : control(c), event(e), own(c.*e) {
        c.*e = [this] {
            ++count;
            if (own) own();
        };
    }
    ~EventCounter() { control.*event = own; }
    EventCounter(const EventCounter&) = delete;
    EventCounter& operator=(const EventCounter&) = delete;
    pf::Control& control;
    Event event;
    std::function<void()> own;
    int count = 0;
};

class RefusedClickTest : public ::testing::Test {
protected:
    void SetUp() override { qvtest::resetProgram(); }
    void TearDown() override {
        if (!dynamic_cast<pf::ScriptedHost*>(&pf::host())) pf::setHost(std::make_unique<pf::ScriptedHost>());
        EXPECT_TRUE(h().allAnswersUsed());
        qvtest::resetProgram();
    }

    static int messagesIn(const std::vector<std::string>& transcript) {
        int n = 0;
        for (const auto& line : transcript) n += line.rfind("MSGBOX ", 0) == 0;
        return n;
    }

    static void showMain(int module) {
        qvtest::mainWindowAlone(module);
        frmMenu().Show();
        settle();
    }

    static FrmDecisionProblem& decisionWindow() {
        showMain(10);
        auto& s = qv::S();
        auto& d = s.dec;
        QVDecisionAnalysis::ResetDecisionProblem();
        d.intAlternativeCount = 2;
        d.intNatureStateCount = 2;
        d.intIndicatorCount = 2;
        d.strStateProbsGiven = "YES";
        d.intStateProbsFlag = 1;
        d.strStrategyRequested = "YES";
        d.intStrategyFlag = 1;
        frmDecisionProblem().Show();
        s.blnNewProblem = true;
        QVDecisionAnalysis::BuildDecisionInputScreen();
        s.blnNewProblem = false;
        settle();
        return frmDecisionProblem();
    }

    static FrmLPproblem& lpWindow() {
        FrmLPproblem& w = qvtest::newLPLaidOut(1, 2, 2);
        frmMenu().Show();
        w.Grid[0]->TextMatrix(1, 2, "5");
        settle();
        return w;
    }

    template <typename F>
    static F& inventoryForm(int model) {
        showMain(8);
        qv::S().strProblemFileExt = "INV";
        qv::S().inv.ReDimArrays();
        qv::S().inv.intInventoryModel = model;
        qv::S().blnNewProblem = true;
        F& f = pf::instance<F>();
        f.Show();
        settle();
        return f;
    }

    static FrmWLModel& waitingForm(int model) {
        showMain(9);
        qv::S().strProblemFileExt = "WLM";
        qv::S().wl.intWaitingLineModel = model;
        qv::S().blnNewProblem = true;
        FrmWLModel& f = frmWL_Model();
        f.Show();
        settle();
        return f;
    }
};

// One refused click: what is typed into the field being left, the click, and what the
// clicked control must still show afterwards.
struct Row {
    std::string name;
    std::function<pf::Control*()> arrange;  // opens the window; returns the field typed into
    std::string typed;
    std::string message;
    std::function<pf::Control*()> click;  // clicks; returns the control clicked
    std::function<std::string()> clickedState;
    std::string corrected;
    std::function<std::string()> refusedText;
};

std::string cellOf(pf::Grid& g) { return std::to_string(g.Row()) + "," + std::to_string(g.Col()); }

TEST_F(RefusedClickTest, TheRefusedFieldKeepsTheKeyboardAndTheClickDoesNothing) {
    const std::string probability = "NOTE:  THE PROBABILITY MUST BE BETWEEN 0 AND 1.";
    const std::string payoff = "NOTE:  THE PAYOFF MUST BE A NUMERICAL VALUE.";
    const std::string days = "NOTE:  THE NUMBER OF WORKING DAYS MUST BE BETWEEN 1 AND 365.";
    auto dec = [](int i) -> pf::Grid& { return *frmDecisionProblem().Grid[static_cast<std::size_t>(i)]; };
    auto lp = [](int i) -> pf::Grid& { return *frmLPproblem().Grid[static_cast<std::size_t>(i)]; };
    auto eoq = []() -> FrmEOQ& { return pf::instance<FrmEOQ>(); };
    auto box = [](pf::Form& f, const char* name) -> pf::TextBox& {
        return dynamic_cast<pf::TextBox&>(*f.control(name));
    };
    auto gridState = [](pf::Grid& g, int r, int c) { return cellOf(g) + " " + g.TextMatrix(r, c); };

    const Row rows[] = {
        {"decision probability to payoff",
         [&] {
             decisionWindow();
             clickCell(dec(1), 0, 1);
             return &dec(1);
         },
         "1.5", probability,
         [&] {
             clickCell(dec(0), 2, 1);
             return &dec(0);
         },
         [&] { return gridState(dec(0), 2, 1); }, "0.75", [&] { return dec(1).TextMatrix(0, 1); }},
        {"decision payoff to probability",
         [&] {
             decisionWindow();
             clickCell(dec(0), 1, 1);
             return &dec(0);
         },
         "1.2.3", payoff,
         [&] {
             clickCell(dec(1), 0, 2);
             return &dec(1);
         },
         [&] { return gridState(dec(1), 0, 2); }, "40", [&] { return dec(0).TextMatrix(1, 1); }},
        {"decision sample to payoff",
         [&] {
             decisionWindow();
             clickCell(dec(2), 1, 2);
             return &dec(2);
         },
         "7", probability,
         [&] {
             clickCell(dec(0), 2, 2);
             return &dec(0);
         },
         [&] { return gridState(dec(0), 2, 2); }, ".7", [&] { return dec(2).TextMatrix(1, 2); }},
        {"LP constraint to objective",
         [&] {
             lpWindow();
             clickCell(lp(1), 2, 1);
             return &lp(1);
         },
         "5-", "Constraint Values Must Be Numeric.",
         [&] {
             clickCell(lp(0), 1, 2);
             return &lp(0);
         },
         [&] { return gridState(lp(0), 1, 2); }, "0", [&] { return lp(1).TextMatrix(2, 1); }},
        {"LP objective to constraint",
         [&] {
             lpWindow();
             clickCell(lp(0), 1, 1);
             return &lp(0);
         },
         "1.2.3", "Objective Function Coefficients Must Be Numeric.",
         [&] {
             clickCell(lp(1), 1, 2);
             return &lp(1);
         },
         [&] { return gridState(lp(1), 1, 2); }, "3", [&] { return lp(0).TextMatrix(1, 1); }},
        {"inventory box to box",
         [&] {
             inventoryForm<FrmEOQ>(1);
             clickControl(box(eoq(), "txtEOQ(2)"));
             return &box(eoq(), "txtEOQ(2)");
         },
         "400", days,
         [&] {
             clickControl(box(eoq(), "txtEOQ(1)"));
             return &box(eoq(), "txtEOQ(1)");
         },
         [&] { return box(eoq(), "txtEOQ(1)").Text(); }, "250", [&] { return box(eoq(), "txtEOQ(2)").Text(); }},
        {"inventory box to Solve",
         [&] {
             inventoryForm<FrmEOQ>(1);
             clickControl(box(eoq(), "txtEOQ(2)"));
             return &box(eoq(), "txtEOQ(2)");
         },
         "400", days,
         [&] {
             clickControl(*eoq().CmdSolve);
             return eoq().CmdSolve.get();
         },
         [&] { return std::string(eoq().Visible() ? "open" : "closed"); }, "250",
         [&] { return box(eoq(), "txtEOQ(2)").Text(); }},
        {"inventory box to Save",
         [&] {
             inventoryForm<FrmEOQ>(1);
             clickControl(box(eoq(), "txtEOQ(2)"));
             return &box(eoq(), "txtEOQ(2)");
         },
         "400", days,
         [&] {
             clickControl(*eoq().cmdSave);
             return eoq().cmdSave.get();
         },
         [&] { return std::string(eoq().Visible() ? "open" : "closed"); }, "250",
         [&] { return box(eoq(), "txtEOQ(2)").Text(); }},
        {"waiting-line box to the economic-analysis check box",
         [&] {
             FrmWLModel& f = waitingForm(5);
             clickControl(*f.txt_WL[3]);
             return f.txt_WL[3].get();
         },
         "31", QVWait::kPopulationHigh,
         [&] {
             clickControl(frmWL_Model().chkECONAnal);
             return &frmWL_Model().chkECONAnal;
         },
         [&] { return std::to_string(frmWL_Model().chkECONAnal.Value()); }, "30",
         [&] { return frmWL_Model().txt_WL[3]->Text(); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        h().transcript.clear();
        pf::Control* refused = row.arrange();
        ASSERT_EQ(pf::focusedControl(), refused);
        typeAtFocus(row.typed);
        h().transcript.clear();
        h().expectMessage(pf::vbOK);
        const std::string before = row.clickedState();
        // Whatever gets clicked, no control of the window runs Click.
        std::vector<std::unique_ptr<EventCounter>> counters;
        for (pf::Control* c : refused->owner().controls()) counters.push_back(std::make_unique<EventCounter>(*c));
        // The control clicked never had the keyboard: it is not left either.
        std::vector<std::unique_ptr<EventCounter>> leaves;
        for (pf::Control* c : refused->owner().controls())
            if (c != refused) leaves.push_back(std::make_unique<EventCounter>(*c, &pf::Control::LostFocus));
        pf::Control* clicked = row.click();
        ASSERT_NE(clicked, nullptr);
        for (const auto& l : leaves) EXPECT_EQ(l->count, 0) << l->control.qualifiedName() << " ran LostFocus";
        leaves.clear();
        EXPECT_EQ(messagesIn(h().transcript), 1) << ::testing::PrintToString(h().transcript);
        EXPECT_NE(h().transcript.back().find(row.message), std::string::npos) << h().transcript.back();
        EXPECT_EQ(pf::focusedControl(), refused) << "the platform's focus";
        EXPECT_EQ(QApplication::focusWidget(), refused->widget()) << "Qt's focus";
        EXPECT_EQ(row.clickedState(), before) << "the clicked control changed";
        for (std::size_t i = 0; i < counters.size(); ++i)
            EXPECT_EQ(counters[i]->count, 0) << refused->owner().controls()[i]->qualifiedName() << " ran Click";
        counters.clear();

        // The corrected value goes where the user looks.
        typeAtFocus(row.corrected);
        EXPECT_EQ(row.refusedText(), row.corrected);
        EXPECT_EQ(row.clickedState(), before);
        EXPECT_TRUE(h().allAnswersUsed());
        h().clearAnswers();
    }
}

// Paint events a widget gets while it is being watched.
struct PaintCounter : QObject {
    explicit PaintCounter(QWidget* w) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
        paints += e->type() == QEvent::Paint;
        return false;
    }
    int paints = 0;
};

// The box clicked from a refused box never had the keyboard: no caret blinks in it.
TEST_F(RefusedClickTest, TheClickedBoxShowsNoCaret) {
    FrmEOQ& f = inventoryForm<FrmEOQ>(1);
    auto& days = dynamic_cast<pf::TextBox&>(*f.control("txtEOQ(2)"));
    auto& ordering = dynamic_cast<pf::TextBox&>(*f.control("txtEOQ(1)"));
    clickControl(days);
    typeAtFocus("400");
    h().expectMessage(pf::vbOK);
    clickControl(ordering);
    PaintCounter watch(ordering.widget());
    QTest::qWait(1100);  // longer than a caret's blink
    EXPECT_EQ(watch.paints, 0) << "the ordering-cost box keeps repainting, as a blinking caret does";
    EXPECT_EQ(QApplication::focusWidget(), days.widget());
}

// Corrected, the same button does its work, once.
TEST_F(RefusedClickTest, AfterTheCorrectionTheSameButtonWorksOnce) {
    FrmEOQ& f = inventoryForm<FrmEOQ>(1);
    auto& days = dynamic_cast<pf::TextBox&>(*f.control("txtEOQ(2)"));
    for (auto [box, value] : {std::pair{"txtEOQ(0)", "1000"}, {"txtEOQ(1)", "25"}, {"txtFrame1", "20"}, {"txtframe2", "10"}}) {
        clickControl(*f.control(box));
        typeAtFocus(value);
    }
    clickControl(days);
    typeAtFocus("400");
    h().expectMessage(pf::vbOK);
    clickControl(*f.cmdSave);
    ASSERT_EQ(pf::focusedControl(), &days);
    typeAtFocus("250");
    h().transcript.clear();
    h().expectFileCancel();
    EventCounter saves(*f.cmdSave);
    clickControl(*f.cmdSave);
    EXPECT_EQ(saves.count, 1);
    int dialogs = 0;
    for (const auto& line : h().transcript) dialogs += line.rfind("SAVE DIALOG", 0) == 0;
    EXPECT_EQ(dialogs, 1) << ::testing::PrintToString(h().transcript);
    EXPECT_EQ(qv::S().inv.dblWorkingDays.num(), 250);
}

// With real message boxes, the release of the refused press goes to the box; the
// button it was pressed on must not stay drawn pressed.
TEST_F(RefusedClickTest, AButtonWhosePressWasRefusedIsDrawnReleased) {
    FrmEOQ& f = inventoryForm<FrmEOQ>(1);
    auto& days = dynamic_cast<pf::TextBox&>(*f.control("txtEOQ(2)"));
    clickControl(days);
    typeAtFocus("400");
    pf::setHost(pf::makeQtHost());
    int boxes = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ++boxes;
            m->accept();
        }
    });
    closer.start(20);
    EventCounter solves(*f.CmdSolve);
    auto* button = qobject_cast<QAbstractButton*>(f.CmdSolve->widget());
    QTest::mousePress(button, Qt::LeftButton, {}, button->rect().center());
    settle();
    EXPECT_FALSE(button->isDown());
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(solves.count, 0);
    EXPECT_EQ(pf::focusedControl(), &days);
    closer.stop();
}

}  // namespace
