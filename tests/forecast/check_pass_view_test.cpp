// Save and Solve read every period of a long series; afterwards the cell that takes the
// next key is the one the user had, drawn where the user sees it, with the view as it
// was. Real mouse and key events, sent where a user's arrive; the current cell judged
// from the picture of the grid.
#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <filesystem>
#include <functional>
#include <string>

#include "forecast/QVForecasting.h"
#include "forecast/frmForecastingModels.h"
#include "platform/ui/Menu.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmProblem.h"
#include "tests/ui_mouse.h"
#include "tests/ui_test_support.h"

namespace {

namespace fs = std::filesystem;
using qvtest::settle;

pf::ScriptedHost& h() { return pf::scriptedHost(); }

// A series of `periods` values laid out as Open leaves it, the main window active.
pf::Grid& seriesOnScreen(int periods) {
    qvtest::mainWindowAlone(11);
    auto& s = qv::S();
    s.strProblemFileExt = "FOR";
    frmProblem().Show();
    QVForecasting::InitTimeSeriesArray();
    for (int t = 1; t <= periods; ++t) s.fc.dblTimeSeries(t, 1) = t;
    s.fc.intPeriodCount = periods;
    s.blnNewProblem = false;
    QVForecasting::BuildTimeSeriesGrid();
    qvtest::activeOnScreen(frmMenu());
    h().transcript.clear();
    return frmProblem().gridDisplayEdit;
}

void choose(pf::MenuItem& menu, pf::MenuItem& item) { qvtest::chooseWithMouse(frmMenu(), menu, item); }

// The lines of the grid's picture painted in the colour of the cell that takes the
// typing: first and one past the last; first == last when none is.
struct Band {
    int first = 0, last = 0;
};
Band drawnCurrentCell(const pf::Grid& g) {
    settle();
    const QImage img = qvtest::viewportOf(g)->grab().toImage();
    const QColor selection(0, 0, 128);
    Band b{-1, -1};
    for (int y = 0; y < img.height(); ++y) {
        bool painted = false;
        for (int x = 0; x < img.width() && !painted; ++x) painted = img.pixelColor(x, y) == selection;
        if (!painted) continue;
        if (b.first < 0) b.first = y;
        b.last = y + 1;
    }
    if (b.first < 0) b = Band{};
    return b;
}

// Period `period` is drawn as the cell that takes the typing, whole, inside the view.
void expectDrawnCurrent(const pf::Grid& g, int period) {
    const Band b = drawnCurrentCell(g);
    ASSERT_LT(b.first, b.last) << "no cell is drawn as the one that takes the typing";
    EXPECT_LE(b.last, qvtest::viewportOf(g)->height()) << "the cell is cut by the bottom of the view";
    int x = 0, y = 0;
    ASSERT_TRUE(g.cellCentre(period, 1, x, y)) << "period " << period << " is not among the rows shown";
    EXPECT_GE(y, b.first);
    EXPECT_LT(y, b.last) << "the cell drawn is not period " << period;
}

class CheckPassViewTest : public qvtest::ProgramTest {};

TEST_F(CheckPassViewTest, AfterSaveAndSolveTheUsersPeriodIsCurrentAndInView) {
    const fs::path dir = qvtest::emptyTestDir("qv_passview");
    struct Road {
        const char* name;
        std::function<void()> take;
    } roads[] = {
        {"Save",
         [&dir] {
             h().expectFile((dir / "series.FOR").string());
             choose(*frmMenu().mnuFile, *frmMenu().mnuFileSave);
         }},
        {"Solve, the method dialog cancelled",
         [] {
             h().expectModal("frmForecastingModels",
                             [](pf::Form& f) { static_cast<FrmForecastingModels&>(f).cmdCancel.userClick(); });
             choose(*frmMenu().mnuSolution, *frmMenu().mnuSolutionSolve);
         }},
    };
    struct Place {
        const char* name;
        int period;
        std::function<void(pf::Grid&)> reach;
    } places[] = {
        // Page Down goes to the last period: the view ends with it.
        {"period 40 by Page Down", 40,
         [](pf::Grid& g) {
             qvtest::clickCell(g, 1, 1);
             qvtest::pressKey(qvtest::keyTarget(), Qt::Key_PageDown);
             settle();
         }},
        {"period 5 clicked, the view at the start", 5, [](pf::Grid& g) { qvtest::clickCell(g, 5, 1); }},
    };
    for (const Place& p : places)
        for (const Road& r : roads) {
            SCOPED_TRACE(std::string(p.name) + ", " + r.name);
            qvtest::resetProgram();
            pf::Grid& g = seriesOnScreen(40);
            p.reach(g);
            ASSERT_EQ(g.Row(), p.period);
            expectDrawnCurrent(g, p.period);
            const int top = g.TopRow();
            r.take();
            ASSERT_TRUE(h().allAnswersUsed());
            ASSERT_EQ(pf::focusedControl(), &g);
            EXPECT_EQ(g.Row(), p.period);
            EXPECT_EQ(g.TopRow(), top);
            EXPECT_LE(g.TopRow(), p.period);
            expectDrawnCurrent(g, p.period);
            qvtest::typeAtFocus("7");
            EXPECT_EQ(g.TextMatrix(p.period, 1), "7");
        }
}

// The zero-fill question cancelled: the empty period it asked about is current, shown,
// and takes the next key.
TEST_F(CheckPassViewTest, AfterTheZeroFillQuestionIsCancelledTheEmptyPeriodIsCurrentAndInView) {
    pf::Grid& g = seriesOnScreen(40);
    g.TextMatrix(35, 1, "");
    qvtest::clickCell(g, 2, 1);
    h().expectMessage(pf::vbCancel);
    choose(*frmMenu().mnuFile, *frmMenu().mnuFileSave);
    ASSERT_TRUE(h().allAnswersUsed());
    ASSERT_EQ(pf::focusedControl(), &g);
    EXPECT_EQ(g.Row(), 35);
    expectDrawnCurrent(g, 35);
    qvtest::typeAtFocus("4");
    EXPECT_EQ(g.TextMatrix(35, 1), "4");
    EXPECT_EQ(g.TextMatrix(2, 1), "2");
}

}  // namespace
