#include "platform/ui/GridFit.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace pf {

namespace {
// The fewest twips that show at least `px` pixels.
int twipsFor(int px) {
    int tw = pixelsToTwips(px);
    while (twipsToPixels(tw) < px) ++tw;
    while (tw > 0 && twipsToPixels(tw - 1) >= px) --tw;
    return tw;
}
}  // namespace

void fitGridToCells(Grid& g, int maxWidth, int maxHeight) {
    auto* area = qobject_cast<QAbstractScrollArea*>(g.widget());
    if (!area) return;
    // Its frame and font as they will be shown, also before it first shows.
    area->ensurePolished();
    int cells = 0;
    for (int c = 0; c < g.Cols(); ++c) cells += twipsToPixels(g.ColWidth(c));
    // A row is as tall as the grid paints it: its design height, or its font's line
    // with the cell's margins where that is taller.
    const int row = std::max(twipsToPixels(g.RowHeight()), area->fontMetrics().height() + 4);
    const int frame = 2 * area->frameWidth();
    const int bar = area->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area);
    const int maxW = twipsToPixels(maxWidth), maxH = twipsToPixels(maxHeight);
    int w = cells + frame, h = g.Rows() * row + frame;
    bool across = w > maxW, down = h > maxH;
    // A scroll bar for one direction takes room from the other.
    if (across) h += bar;
    if (!down && h > maxH) down = true;
    if (down) w += bar;
    if (!across && w > maxW) h += bar;
    g.Move(g.Left(), g.Top(), twipsFor(std::min(w, maxW)), twipsFor(std::min(h, maxH)));
    // A hidden grid lays out its inside only when it shows, and meanwhile works out its
    // scrolling for the inside of its old size; scroll bars it then takes for needed
    // would keep each other up. Lay it out at its new size now, from no scroll bars.
    area->horizontalScrollBar()->setRange(0, 0);
    area->verticalScrollBar()->setRange(0, 0);
    QResizeEvent resized(area->size(), area->size());
    QCoreApplication::sendEvent(area, &resized);
}

}  // namespace pf
