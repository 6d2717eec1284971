// Only the cell that has the keyboard is drawn focused, also when the keyboard moves
// while Qt's focus is in a menu or a message box. Judged from the screen's pixels.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

#include "lp/frmLPproblem.h"
#include "platform/ui/Grid.h"
#include "platform/ui/QtHost.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/frmMenu.h"
#include "tests/lp/lp_test_support.h"
#include "tests/ui_mouse.h"
#include "tests/ui_test_support.h"

namespace {

using qvtest::settle;
using qvtest::viewportOf;

// The colour on screen just inside the top left corner of a cell.
QColor shownColour(const pf::Grid& g, int r, int c) {
    int x = 0, y = 0;
    if (!g.cellCentre(r, c, x, y)) return {};
    const QPoint inCell(x - pf::twipsToPixels(g.ColWidth(c)) / 2 + 2, y - pf::twipsToPixels(g.RowHeight()) / 2 + 2);
    QWidget* window = g.widget()->window();
    const QPoint at = viewportOf(g)->mapTo(window, inCell);
    const QImage shot = window->screen()->grabWindow(window->winId()).toImage();
    return shot.pixelColor(at * shot.devicePixelRatio());
}

const QColor kNavy(0, 0, 128);

// The cells in view drawn in the focused cell's colour, as "r,c".
std::vector<std::string> navyCells(const pf::Grid& g) {
    std::vector<std::string> out;
    for (int r = 0; r < g.Rows(); ++r)
        for (int c = 0; c < g.Cols(); ++c)
            if (shownColour(g, r, c) == kNavy) out.push_back(std::to_string(r) + "," + std::to_string(c));
    return out;
}

class FocusLookTest : public qvtest::ProgramTest {};

// Alt+S S with a constraint's relation empty and the keyboard in the objective grid: the
// check's message box holds Qt's focus while the check pass moves the objective grid's
// current cell, and the keyboard then goes to the relation cell. Once the box has gone,
// only that cell looks focused.
TEST_F(FocusLookTest, AfterTheDataChecksMessageOnlyTheRelationCellLooksFocused) {
    FrmLPproblem& w = qvtest::newLPLaidOut(1, 2, 2);
    frmMenu().Show();
    pf::Grid& objective = *w.Grid[0];
    pf::Grid& constraints = *w.Grid[1];
    const char* rows[][4] = {{"1", "1", "<", "4"}, {"1", "3", "", "6"}};
    objective.TextMatrix(1, 1, "3");
    objective.TextMatrix(1, 2, "5");
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 4; ++c) constraints.TextMatrix(r + 1, c + 1, rows[r][c]);
    settle();
    int x = 0, y = 0;
    ASSERT_TRUE(objective.cellCentre(1, 2, x, y));
    QTest::mouseClick(viewportOf(objective), Qt::LeftButton, {}, QPoint(x, y));
    settle();
    ASSERT_EQ(pf::focusedControl(), &objective);
    ASSERT_EQ(navyCells(objective), std::vector<std::string>{"1,2"}) << "the clicked cell looks focused";

    pf::setHost(pf::makeQtHost());
    QString message;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            message = m->text();
            QTest::keyClick(m, Qt::Key_Return);
        }
    });
    closer.start(50);
    QTest::keyClick(frmMenu().window(), Qt::Key_S, Qt::AltModifier);
    settle();
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr) << "Alt+S opens the Solution menu";
    QTest::keyClick(menu, Qt::Key_S);
    settle();
    closer.stop();
    EXPECT_EQ(message.toStdString(), "Relation Not Entered.");
    ASSERT_EQ(pf::focusedControl(), &constraints);
    EXPECT_EQ(constraints.Row(), 2);
    EXPECT_EQ(constraints.Col(), 3);
    EXPECT_EQ(navyCells(constraints), std::vector<std::string>{"2,3"}) << "the relation cell takes the keys";
    EXPECT_EQ(navyCells(objective), std::vector<std::string>{}) << "two cells look focused";
}

}  // namespace
