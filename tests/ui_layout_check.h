#pragma once
// Checks that a window shows the whole of every text it holds, measured with the
// font metrics of the faces actually used: labels (wrapped or not), text boxes,
// option buttons, check boxes, command buttons and frame captions. A text must fit
// its widget, lie inside every container up to the window, and not be covered by a
// widget stacked above it. Call it on any window once it is laid out:
//
//     EXPECT_EQ(qvtest::clippedTexts(frmSomething()), std::vector<std::string>{});
//
// With QV_SCREENSHOT_DIR set, qvtest::saveScreenshot writes the window as a PNG.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/Form.h"

namespace qvtest {

namespace layoutdetail {

// The control's name, with its window's when it belongs to another window than the
// one checked (a child window inside the main window).
inline std::string nameOf(const QWidget* w, const pf::Form& form) {
    for (const pf::Form* f : pf::forms::loaded()) {
        const std::string prefix = f == &form ? "" : f->Name() + ".";
        if (w == f->window() || w == f->canvas()) return f->Name();
        for (pf::Control* c : f->controls())
            if (c->widget() == w) return prefix + c->qualifiedName();
    }
    return w->metaObject()->className();
}

// Where a label draws its text, as QLabel itself computes it.
inline QRect labelTextArea(const QLabel* l) {
    QRect cr = l->contentsRect();
    const int margin = l->margin();
    cr.adjust(margin, margin, -margin, -margin);
    int indent = l->indent();
    if (indent < 0 && l->frameWidth() > 0) indent = l->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
    if (indent > 0) {
        const Qt::Alignment a = l->alignment();
        if (a & Qt::AlignLeft) cr.setLeft(cr.left() + indent);
        if (a & Qt::AlignRight) cr.setRight(cr.right() - indent);
        if (a & Qt::AlignTop) cr.setTop(cr.top() + indent);
        if (a & Qt::AlignBottom) cr.setBottom(cr.bottom() - indent);
    }
    return cr;
}

// The text's own rectangle inside the widget, or an empty rectangle when the text fits
// nowhere; `problem` says what is wrong.
inline QRect textRect(const QWidget* w, std::string& problem) {
    const QFontMetrics fm = w->fontMetrics();
    if (auto* l = qobject_cast<const QLabel*>(w)) {
        if (l->text().isEmpty()) return {};
        const QRect area = labelTextArea(l);
        int flags = static_cast<int>(l->alignment());
        if (l->wordWrap()) flags |= Qt::TextWordWrap;
        const QRect need = fm.boundingRect(QRect(area.left(), area.top(), area.width(), 100000),
                                           flags & ~static_cast<int>(Qt::AlignVertical_Mask), l->text());
        if (need.width() > area.width() || need.height() > area.height()) {
            problem = "needs " + std::to_string(need.width()) + "x" + std::to_string(need.height()) +
                      " px, has " + std::to_string(area.width()) + "x" + std::to_string(area.height());
        }
        // Where the text stands up and down, as the label's alignment puts it.
        int top = area.top();
        if (l->alignment() & Qt::AlignVCenter) top += (area.height() - need.height()) / 2;
        else if (l->alignment() & Qt::AlignBottom) top = area.bottom() + 1 - need.height();
        return QRect(need.left(), std::max(area.top(), top), std::min(need.width(), area.width()),
                     std::min(need.height(), area.height()));
    }
    if (auto* e = qobject_cast<const QLineEdit*>(w)) {
        if (e->text().isEmpty()) return {};
        const int frame = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, e) : 0;
        const QRect area = e->contentsRect().adjusted(frame + 2, frame, -frame - 2, -frame);
        const int width = fm.horizontalAdvance(e->text());
        if (width > area.width() || fm.height() > area.height())
            problem = "needs " + std::to_string(width) + "x" + std::to_string(fm.height()) + " px, has " +
                      std::to_string(area.width()) + "x" + std::to_string(area.height());
        return QRect(area.left(), area.top(), std::min(width, area.width()), fm.height());
    }
    if (auto* t = qobject_cast<const QPlainTextEdit*>(w)) {
        if (t->toPlainText().isEmpty()) return {};
        if (t->verticalScrollBar()->maximum() > 0 || t->horizontalScrollBar()->maximum() > 0)
            problem = "does not show its whole text without scrolling";
        return t->viewport()->geometry();
    }
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) {
        if (b->text().isEmpty()) return {};
        QString shown = b->text();
        shown.remove(QLatin1Char('&'));
        const int width = fm.horizontalAdvance(shown);
        int available = b->width();
        int left = 0;
        if (qobject_cast<const QRadioButton*>(b) || qobject_cast<const QCheckBox*>(b)) {
            const bool radio = qobject_cast<const QRadioButton*>(b) != nullptr;
            QStyleOptionButton opt;
            opt.initFrom(b);
            opt.text = b->text();
            const QRect text = b->style()->subElementRect(
                radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &opt, b);
            left = text.left();
            available = text.width();
        } else {
            left = 4;
            available = b->width() - 8;
        }
        // The caption is centred up and down: its ink must fit the button's height.
        const int ink = fm.tightBoundingRect(shown).height();
        if (width > available || ink > b->height())
            problem = "needs " + std::to_string(width) + "x" + std::to_string(fm.height()) + " px, has " +
                      std::to_string(available) + "x" + std::to_string(b->height());
        return QRect(left, (b->height() - fm.height()) / 2, std::min(width, available), fm.height());
    }
    if (auto* g = qobject_cast<const QGroupBox*>(w)) {
        if (g->title().isEmpty()) return {};
        const int width = fm.horizontalAdvance(g->title());
        if (width + 16 > g->width()) problem = "caption needs " + std::to_string(width + 16) + " px";
        return QRect(8, 0, std::min(width, g->width()), fm.height());
    }
    return {};
}

inline bool shownIn(const QWidget* w, const QWidget* window) { return w == window || w->isVisibleTo(window); }

}  // namespace layoutdetail

// Every text of the window that is cut or hidden, one line each ("name: why"); empty
// when all of it shows.
inline std::vector<std::string> clippedTexts(const pf::Form& form) {
    using namespace layoutdetail;
    std::vector<std::string> out;
    QWidget* window = form.window();
    if (!window) return out;
    QApplication::processEvents();
    const auto widgets = window->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        // Dialogs owned by the window are windows of their own.
        if (w->window() != window || !shownIn(w, window)) continue;
        std::string problem;
        const QRect text = textRect(w, problem);
        if (!problem.empty()) {
            out.push_back(nameOf(w, form) + ": " + problem);
            continue;
        }
        if (text.isEmpty()) continue;
        // Inside every container up to the window.
        for (QWidget* a = w->parentWidget(); a; a = a->parentWidget()) {
            const QRect inA(w->mapTo(a, text.topLeft()), text.size());
            if (!a->rect().contains(inA)) {
                out.push_back(nameOf(w, form) + ": cut by the edge of " + nameOf(a, form));
                break;
            }
            if (a == window) break;
        }
        // Not covered by a sibling stacked above it.
        QWidget* parent = w->parentWidget();
        if (!parent) continue;
        const QRect inParent(w->mapToParent(text.topLeft()), text.size());
        bool above = false;
        for (QObject* o : parent->children()) {
            if (o == w) {
                above = true;
                continue;
            }
            auto* s = qobject_cast<QWidget*>(o);
            if (!above || !s || s->isWindow() || !shownIn(s, window)) continue;
            if (s->geometry().intersects(inParent))
                out.push_back(nameOf(w, form) + ": covered by " + nameOf(s, form));
        }
    }
    return out;
}

// Blank bands: across the window, and across each frame in it, every stretch taller
// than `maxPx` in which no shown control stands, between its first control and its
// bottom edge (rows hidden without the rest closing up over them). One line each
// ("name: N px blank under y=Y"). The dialogs' design leaves at most 31 px between
// rows (over their buttons).
inline std::vector<std::string> blankBands(const pf::Form& form, int maxPx = 36) {
    using namespace layoutdetail;
    std::vector<std::string> out;
    QWidget* window = form.window();
    if (!window) return out;
    QApplication::processEvents();
    std::vector<QWidget*> containers = {form.canvas()};
    for (QGroupBox* g : window->findChildren<QGroupBox*>())
        if (g->window() == window && shownIn(g, window)) containers.push_back(g);
    for (QWidget* c : containers) {
        std::vector<std::pair<int, int>> rows;  // top, bottom of each shown control
        for (QObject* o : c->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (!w || w->isWindow() || !shownIn(w, window)) continue;
            rows.emplace_back(w->geometry().top(), w->geometry().bottom() + 1);
        }
        if (rows.empty()) continue;
        std::sort(rows.begin(), rows.end());
        int reached = rows.front().second;
        auto gap = [&](int from, int to) {
            if (to - from > maxPx)
                out.push_back(nameOf(c, form) + ": " + std::to_string(to - from) + " px blank under y=" +
                              std::to_string(from));
        };
        for (const auto& [top, bottom] : rows) {
            gap(reached, top);
            reached = std::max(reached, bottom);
        }
        gap(reached, c->height());
    }
    return out;
}

// Blank bands within a column: for every shown control, the stretch above it up to
// the nearest shown control of the same container standing over any part of it,
// when taller than `maxPx` ("name: N px blank above it"). Finds a row hidden on one
// side while the other side (a column of buttons) still fills the band. Labels
// without text or a background of their own show nothing and count as blank.
inline std::vector<std::string> columnGaps(const pf::Form& form, int maxPx) {
    using namespace layoutdetail;
    std::vector<std::string> out;
    QWidget* window = form.window();
    if (!window) return out;
    QApplication::processEvents();
    auto showsSomething = [](const QWidget* w) {
        auto* l = qobject_cast<const QLabel*>(w);
        if (!l || !l->text().isEmpty()) return true;
        const QWidget* p = l->parentWidget();
        return l->autoFillBackground() && p &&
               l->palette().color(l->backgroundRole()) != p->palette().color(p->backgroundRole());
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window || !shownIn(w, window) || !showsSomething(w) || !w->parentWidget()) continue;
        const QRect g = w->geometry();
        int above = -1;
        for (QObject* o : w->parentWidget()->children()) {
            auto* s = qobject_cast<QWidget*>(o);
            if (!s || s == w || s->isWindow() || !shownIn(s, window) || !showsSomething(s)) continue;
            const QRect sg = s->geometry();
            // One reaching down beside it (a note under its row) leaves no gap.
            if (sg.top() < g.top() && sg.right() >= g.left() && sg.left() <= g.right())
                above = std::max(above, std::min(sg.bottom() + 1, g.top()));
        }
        if (above >= 0 && g.top() - above > maxPx)
            out.push_back(nameOf(w, form) + ": " + std::to_string(g.top() - above) + " px blank above it");
    }
    return out;
}

// Every text of the window that comes nearer than `marginPx` to the window's left or
// right edge.
inline std::vector<std::string> textsOffMargin(const pf::Form& form, int marginPx) {
    using namespace layoutdetail;
    std::vector<std::string> out;
    QWidget* window = form.window();
    if (!window) return out;
    QApplication::processEvents();
    const QRect inner = window->rect().adjusted(marginPx, 0, -marginPx, 0);
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window || !shownIn(w, window)) continue;
        std::string problem;
        const QRect text = textRect(w, problem);
        if (text.isEmpty()) continue;
        const QRect inWindow(w->mapTo(window, text.topLeft()), text.size());
        if (!inner.contains(inWindow))
            out.push_back(nameOf(w, form) + ": text at " + std::to_string(inWindow.left()) + ".." +
                          std::to_string(inWindow.right() + 1) + " px in a window " + std::to_string(window->width()) +
                          " px wide");
    }
    return out;
}

// Writes the window to $QV_SCREENSHOT_DIR/<name>.png when that variable is set.
inline void saveScreenshot(QWidget* window, const std::string& name) {
    const char* dir = std::getenv("QV_SCREENSHOT_DIR");
    if (!dir || !window) return;
    QApplication::processEvents();
    QDir().mkpath(QString::fromLocal8Bit(dir));
    window->grab().save(QString::fromLocal8Bit(dir) + "/" + QString::fromStdString(name) + ".png");
}

}  // namespace qvtest
