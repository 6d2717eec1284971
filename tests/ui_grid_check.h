#pragma once
// What tests/ui_layout_check.h does not see: the texts inside grid cells, list items
// and combo box entries, and whether a grid shows all its columns without scrolling
// sideways. Each function returns one line per fault ("name: why"), empty when all
// of it shows.
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QFontMetrics>
#include <QListWidget>
#include <QScrollBar>
#include <QStyle>

#include <string>
#include <vector>

#include "platform/ui/Controls.h"
#include "platform/ui/Grid.h"
#include "shell/frmMenu.h"
#include "shell/frmSolution.h"
#include "tests/ui_layout_check.h"

namespace qvtest {

// Every cell whose text is wider than its column (the grid paints 3 pixels in from
// each edge), every column that lies beyond the grid's viewport, and every visible
// control of the window stacked above the grid and lying over it.
inline std::vector<std::string> clippedCells(const pf::Grid& g) {
    std::vector<std::string> out;
    auto* area = qobject_cast<QAbstractScrollArea*>(g.widget());
    if (!area || !area->isVisibleTo(area->window())) return out;
    QApplication::processEvents();
    const QFontMetrics fm = area->fontMetrics();
    const std::string name = g.qualifiedName();
    int right = 0;
    for (int c = 0; c < g.Cols(); ++c) {
        const int width = pf::twipsToPixels(g.ColWidth(c));
        right += width;
        for (int r = 0; r < g.Rows(); ++r) {
            const QString text = QString::fromStdString(g.TextMatrix(r, c));
            const int need = fm.horizontalAdvance(text);
            if (need > width - 6)
                out.push_back(name + "(" + std::to_string(r) + "," + std::to_string(c) + ") \"" + text.toStdString() +
                              "\": needs " + std::to_string(need) + " px, has " + std::to_string(width - 6));
        }
    }
    if (right > area->viewport()->width())
        out.push_back(name + ": columns need " + std::to_string(right) + " px, the grid shows " +
                      std::to_string(area->viewport()->width()));
    // The grid inside its window.
    QWidget* window = area->window();
    const QRect inWindow(area->mapTo(window, QPoint(0, 0)), area->size());
    if (!window->rect().contains(inWindow)) out.push_back(name + ": cut by the edge of its window");
    // A child window ends above the main window's status line: the grid and its scroll
    // bars inside the child window.
    QWidget* form = g.owner().canvas();
    if (form && form != window) {
        const QRect inForm(area->mapTo(form, QPoint(0, 0)), area->size());
        if (!form->rect().contains(inForm)) out.push_back(name + ": runs past the edge of " + g.owner().Name());
    }
    // Nothing visible lies over it.
    bool above = false;
    for (QObject* o : area->parentWidget()->children()) {
        if (o == area) {
            above = true;
            continue;
        }
        auto* s = qobject_cast<QWidget*>(o);
        if (!above || !s || s->isWindow() || !s->isVisibleTo(window)) continue;
        if (s->geometry().intersects(area->geometry()))
            out.push_back(name + ": covered by " + layoutdetail::nameOf(s, g.owner()));
    }
    return out;
}

// A panel larger than its table: blank panel right of the last column, or under
// the last row, in a direction in which the whole table shows without scrolling.
inline std::vector<std::string> oversizedPanel(const pf::Grid& g) {
    std::vector<std::string> out;
    auto* area = qobject_cast<QAbstractScrollArea*>(g.widget());
    if (!area || !area->isVisibleTo(area->window())) return out;
    QApplication::processEvents();
    const std::string name = g.qualifiedName();
    int columns = 0;
    for (int c = 0; c < g.Cols(); ++c) columns += pf::twipsToPixels(g.ColWidth(c));
    // Rows as the grid paints them: the design height, or the font's line and margins.
    const int row = std::max(pf::twipsToPixels(g.RowHeight()), area->fontMetrics().height() + 4);
    const int rows = g.Rows() * row;
    const QSize view = area->viewport()->size();
    // A pixel of rounding between twips and pixels is no panel.
    if (columns <= view.width() && view.width() - columns > 1)
        out.push_back(name + ": " + std::to_string(view.width() - columns) + " px of panel right of its " +
                      std::to_string(columns) + " px of columns");
    if (rows <= view.height() && view.height() - rows > 1)
        out.push_back(name + ": " + std::to_string(view.height() - rows) + " px of panel under its " +
                      std::to_string(rows) + " px of rows");
    return out;
}

// Every item of a list or combo box wider than the box shows it.
inline std::vector<std::string> clippedItems(const pf::Control& c) {
    std::vector<std::string> out;
    QWidget* w = c.widget();
    const QFontMetrics fm = w->fontMetrics();
    if (auto* l = qobject_cast<QListWidget*>(w)) {
        const int width = l->viewport()->width() - 2 * l->style()->pixelMetric(QStyle::PM_FocusFrameHMargin);
        for (int i = 0; i < l->count(); ++i) {
            const int need = fm.horizontalAdvance(l->item(i)->text());
            if (need > width)
                out.push_back(c.qualifiedName() + " \"" + l->item(i)->text().toStdString() + "\": needs " +
                              std::to_string(need) + " px, has " + std::to_string(width));
        }
        if (l->horizontalScrollBar()->isVisibleTo(l->window()) || l->horizontalScrollBar()->maximum() > 0)
            out.push_back(c.qualifiedName() + ": scrolls sideways");
    } else if (auto* b = qobject_cast<QComboBox*>(w)) {
        QStyleOptionComboBox opt;
        opt.initFrom(b);
        const QRect field = b->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, b);
        for (int i = 0; i < b->count(); ++i) {
            const int need = fm.horizontalAdvance(b->itemText(i));
            if (need > field.width())
                out.push_back(c.qualifiedName() + " \"" + b->itemText(i).toStdString() + "\": needs " +
                              std::to_string(need) + " px, has " + std::to_string(field.width()));
        }
    }
    return out;
}

// The main window with its child window and the grids in it, faults found at the
// designed size and with the main window as large as the screen allows; with
// QV_SCREENSHOT_DIR set, a picture of each ("<picture>" and "<picture>_large").
inline std::vector<std::string> clippedInMainWindow(const std::string& picture,
                                                    std::initializer_list<const pf::Grid*> grids) {
    std::vector<std::string> out;
    QWidget* main = frmMenu().window();
    const QSize designed = main->size();
    for (bool large : {false, true}) {
        if (large) main->resize(1280, 1000);
        QApplication::processEvents();
        const std::string name = picture + (large ? "_large" : "");
        saveScreenshot(main, name);
        for (const std::string& f : clippedTexts(frmMenu())) out.push_back(name + ": " + f);
        for (const pf::Grid* g : grids)
            for (const std::string& f : clippedCells(*g)) out.push_back(name + ": " + f);
    }
    main->resize(designed);
    QApplication::processEvents();
    return out;
}

// The solution window's faults: cut texts, and lines too wide to show without
// scrolling sideways; with QV_SCREENSHOT_DIR set, a picture of the main window.
inline std::vector<std::string> clippedSolution(const std::string& picture) {
    FrmSolution& w = frmSolution();
    saveScreenshot(frmMenu().window(), picture);
    std::vector<std::string> out = clippedTexts(w);
    QApplication::processEvents();
    for (QScrollBar* b : w.gridSolution.widget()->findChildren<QScrollBar*>())
        if (b->orientation() == Qt::Horizontal && b->isVisibleTo(w.window())) out.push_back("scrolls sideways");
    return out;
}

}  // namespace qvtest
