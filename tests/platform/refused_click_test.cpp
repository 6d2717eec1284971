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
#include <stdexcept>
#include <string>

#include "decision/frmDecisionProblem.h"
#include "inventory/InventoryForms.h"
#include "lp/frmLPproblem.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Grid.h"
#include "platform/ui/QtHost.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "tests/decision/decision_test_support.h"
#include "tests/lp/lp_test_support.h"
#include "tests/ui_mouse.h"
#include "tests/ui_test_support.h"
#include "waiting/core/WaitingModels.h"
#include "waiting/frmWL_Model.h"

namespace {

pf::ScriptedHost& h() { return pf::scriptedHost(); }

using qvtest::clickCell;
using qvtest::clickControl;
using qvtest::settle;
using qvtest::typeAtFocus;

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

class RefusedClickTest : public qvtest::ProgramTest {
protected:

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
        FrmDecisionProblem& w = qvtest::decisionLaidOut(2, 2, true, true);
        settle();
        return w;
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

// A field or a cell: a control by name, and for a grid the cell.
struct Place {
    std::string control;
    int row = -1, col = -1;
};

// One refused click: the window, the field typed into and what is typed, the refusal,
// the place clicked, and the corrected value typed after the message.
struct Row {
    std::string name;
    std::function<pf::Form&()> open;
    Place from;
    std::string typed, message;
    Place to;
    std::string corrected;
};

pf::Control& at(pf::Form& f, const Place& p) {
    pf::Control* c = f.control(p.control);
    if (!c) throw std::runtime_error("no control " + p.control);
    return *c;
}

void clickAt(pf::Form& f, const Place& p) {
    if (auto* g = dynamic_cast<pf::Grid*>(&at(f, p))) clickCell(*g, p.row, p.col);
    else clickControl(at(f, p));
}

// What the user sees of a place: a grid's current cell and the place's text, a box's
// text, a check box's tick, whether a button's window is still open.
std::string shown(pf::Form& f, const Place& p) {
    pf::Control& c = at(f, p);
    if (auto* g = dynamic_cast<pf::Grid*>(&c))
        return std::to_string(g->Row()) + "," + std::to_string(g->Col()) + " " + g->TextMatrix(p.row, p.col);
    if (auto* t = dynamic_cast<pf::TextBox*>(&c)) return t->Text();
    if (auto* k = dynamic_cast<pf::CheckBox*>(&c)) return std::to_string(k->Value());
    return f.Visible() ? "open" : "closed";
}

TEST_F(RefusedClickTest, TheRefusedFieldKeepsTheKeyboardAndTheClickDoesNothing) {
    const std::string probability = "NOTE:  THE PROBABILITY MUST BE BETWEEN 0 AND 1.";
    const std::string payoff = "NOTE:  THE PAYOFF MUST BE A NUMERICAL VALUE.";
    const std::string days = "NOTE:  THE NUMBER OF WORKING DAYS MUST BE BETWEEN 1 AND 365.";
    auto decision = [&]() -> pf::Form& { return decisionWindow(); };
    auto lp = [&]() -> pf::Form& { return lpWindow(); };
    auto eoq = [&]() -> pf::Form& { return inventoryForm<FrmEOQ>(1); };
    auto finitePopulation = [&]() -> pf::Form& { return waitingForm(5); };
    const Place workingDays{"txtEOQ(2)"};
    const Row rows[] = {
        {"decision probability to payoff", decision, {"Grid(1)", 0, 1}, "1.5", probability, {"Grid(0)", 2, 1}, "0.75"},
        {"decision payoff to probability", decision, {"Grid(0)", 1, 1}, "1.2.3", payoff, {"Grid(1)", 0, 2}, "40"},
        {"decision sample to payoff", decision, {"Grid(2)", 1, 2}, "7", probability, {"Grid(0)", 2, 2}, ".7"},
        {"LP constraint to objective", lp, {"Grid(1)", 2, 1}, "5-", "Constraint Values Must Be Numeric.",
         {"Grid(0)", 1, 2}, "0"},
        {"LP objective to constraint", lp, {"Grid(0)", 1, 1}, "1.2.3", "Objective Function Coefficients Must Be Numeric.",
         {"Grid(1)", 1, 2}, "3"},
        {"inventory box to box", eoq, workingDays, "400", days, {"txtEOQ(1)"}, "250"},
        {"inventory box to Solve", eoq, workingDays, "400", days, {"CmdSolve"}, "250"},
        {"inventory box to Save", eoq, workingDays, "400", days, {"cmdSave"}, "250"},
        {"waiting-line box to the economic-analysis check box", finitePopulation, {"txt_WL(3)"}, "31",
         QVWait::kPopulationHigh, {"chkECONAnal"}, "30"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        h().transcript.clear();
        pf::Form& f = row.open();
        clickAt(f, row.from);
        pf::Control* refused = &at(f, row.from);
        ASSERT_EQ(pf::focusedControl(), refused);
        typeAtFocus(row.typed);
        h().transcript.clear();
        h().expectMessage(pf::vbOK);
        const std::string before = shown(f, row.to);
        // Whatever gets clicked, no control of the window runs Click, and none but the
        // refused field is left: the control clicked never had the keyboard.
        std::vector<std::unique_ptr<EventCounter>> counters;
        for (pf::Control* c : f.controls()) {
            counters.push_back(std::make_unique<EventCounter>(*c));
            if (c != refused) counters.push_back(std::make_unique<EventCounter>(*c, &pf::Control::LostFocus));
        }
        clickAt(f, row.to);
        for (const auto& c : counters) EXPECT_EQ(c->count, 0) << c->control.qualifiedName() << " ran an event";
        counters.clear();
        EXPECT_EQ(messagesIn(h().transcript), 1) << ::testing::PrintToString(h().transcript);
        EXPECT_NE(h().transcript.back().find(row.message), std::string::npos) << h().transcript.back();
        EXPECT_EQ(pf::focusedControl(), refused) << "the platform's focus";
        EXPECT_EQ(QApplication::focusWidget(), refused->widget()) << "Qt's focus";
        EXPECT_EQ(shown(f, row.to), before) << "the clicked control changed";

        // The corrected value goes where the user looks.
        typeAtFocus(row.corrected);
        const std::string typed = shown(f, row.from);
        EXPECT_EQ(typed.substr(typed.size() - std::min(typed.size(), row.corrected.size())), row.corrected);
        EXPECT_EQ(shown(f, row.to), before);
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

// A double click whose first press was refused: its second press does not take the
// keyboard either, though the check passes by then (the refused cell was emptied).
TEST_F(RefusedClickTest, TheSecondPressOfARefusedDoubleClickDoesNothing) {
    FrmDecisionProblem& w = decisionWindow();
    pf::Grid& probabilities = *w.Grid[1];
    pf::Grid& payoffs = *w.Grid[0];
    clickCell(probabilities, 0, 1);
    typeAtFocus("1.5");
    h().expectMessage(pf::vbOK);
    EventCounter clicks(payoffs), doubleClicks(payoffs, &pf::Control::DblClick);
    int x = 0, y = 0;
    ASSERT_TRUE(payoffs.cellCentre(2, 1, x, y));
    QWidget* viewport = qvtest::viewportOf(payoffs);
    QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(x, y));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(x, y));
    QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(x, y));
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, QPoint(x, y));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(x, y));
    settle();
    EXPECT_EQ(messagesIn(h().transcript), 1);
    EXPECT_EQ(pf::focusedControl(), &probabilities);
    EXPECT_EQ(QApplication::focusWidget(), probabilities.widget());
    EXPECT_EQ(payoffs.Row(), 1);
    EXPECT_EQ(clicks.count + doubleClicks.count, 0);
    typeAtFocus("0.75");
    EXPECT_EQ(probabilities.TextMatrix(0, 1), "0.75");

    // A later click on the payoff grid is the user's own again.
    clickCell(payoffs, 2, 1);
    EXPECT_EQ(pf::focusedControl(), &payoffs);
    EXPECT_EQ(payoffs.Row(), 2);
}

}  // namespace
