// The status caption lies along the very bottom of the main window's client area at
// every size the window takes: no widget of ours lies below it or beside it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>
#include <QWidget>

#include <string>
#include <vector>

#include "shell/frmMenu.h"
#include "shell/frmProblem.h"
#include "tests/ui_test_support.h"

namespace {

TEST(MainWindowLayout, StatusCaptionEndsTheClientArea) {
    qvtest::resetProgram();
    qvtest::mainWindowAlone(8);
    frmMenu().Show();
    frmProblem().Show();
    auto* mw = qobject_cast<QMainWindow*>(frmMenu().window());
    ASSERT_TRUE(mw);
    QWidget* caption = frmMenu().lblmoduleindicator.widget();
    QWidget* strip = frmMenu().Picture1.widget();
    const QSize design = mw->size();
    // The designed size, and sizes whose pixels do not fall on whole twips.
    for (const QSize size : {design, design + QSize(1, 1), design + QSize(7, 13), design + QSize(333, 251)}) {
        SCOPED_TRACE(std::to_string(size.width()) + "x" + std::to_string(size.height()));
        mw->resize(size);
        QApplication::processEvents();
        const QRect client = mw->rect();
        const QRect shown(caption->mapTo(mw, QPoint(0, 0)), caption->size());
        EXPECT_EQ(shown.bottom(), client.bottom());
        EXPECT_EQ(shown.left(), client.left());
        EXPECT_EQ(shown.right(), client.right());
        EXPECT_EQ(QRect(strip->mapTo(mw, QPoint(0, 0)), strip->size()), shown);
        std::vector<std::string> below;
        for (QWidget* w : mw->findChildren<QWidget*>()) {
            // The caption's own containers hold it; they are not below it.
            if (w == caption || w->isAncestorOf(caption) || w->isWindow() || !w->isVisible()) continue;
            const QRect g(w->mapTo(mw, QPoint(0, 0)), w->size());
            if (g.bottom() > shown.top() - 1 && g.intersects(client))
                below.push_back(std::string(w->metaObject()->className()) + " at y=" + std::to_string(g.top()) +
                                " to " + std::to_string(g.bottom()));
        }
        EXPECT_EQ(below, std::vector<std::string>{});
    }
    pf::unloadAll();
}

}  // namespace
