#include "platform/ui/Grid.h"

#include <QAbstractScrollArea>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

#include "platform/core/Errors.h"
#include "platform/ui/Keys.h"
#include "platform/ui/QtBridge.h"

namespace pf {

namespace {
// Paints the cells: fixed rows and columns stay in place as headings, the rest
// scrolls; the current cell is always scrolled into view.
class GridWidget : public QAbstractScrollArea {
public:
    GridWidget(Grid* g, QWidget* parent) : QAbstractScrollArea(parent), grid(g) {
        setFocusPolicy(Qt::StrongFocus);
        viewport()->setAutoFillBackground(true);
        verticalScrollBar()->setSingleStep(1);
        connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { viewport()->update(); });
        connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { viewport()->update(); });
    }
    Grid* grid;
    int topRow = 0;  // first scrolling row shown

    int listingWidth = 0;  // a plain listing's last column: its widest text

    // A plain listing's last column is as wide as its widest text, so a long line
    // can be scrolled to and the empty rest of a short one is nothing to scroll to.
    bool isListing() const { return !grid->HighLight() && grid->Cols() - 1 >= grid->FixedCols(); }
    int colPx(int c) const {
        if (c == grid->Cols() - 1 && isListing()) return listingWidth;
        return twipsToPixels(grid->ColWidth(c));
    }
    void measureListing() {
        listingWidth = 0;
        if (!isListing()) return;
        const int last = grid->Cols() - 1;
        for (int r = 0; r < grid->Rows(); ++r)
            listingWidth = std::max(listingWidth, fontMetrics().horizontalAdvance(qs(grid->TextMatrix(r, last))) + 6);
    }
    int rowPx() const { return std::max(twipsToPixels(grid->RowHeight()), fontMetrics().height() + 4); }
    int fixedWidth() const {
        int w = 0;
        for (int k = 0; k < grid->FixedCols() && k < grid->Cols(); ++k) w += colPx(k);
        return w;
    }
    // Left edge of a scrolling column, counted from the first scrolling column.
    int scrollingLeft(int c) const {
        int x = 0;
        for (int k = grid->FixedCols(); k < c; ++k) x += colPx(k);
        return x;
    }
    // Width of what scrolls.
    int scrollingWidth() const {
        const int last = grid->Cols() - 1;
        if (last < grid->FixedCols()) return 0;
        return scrollingLeft(last) + colPx(last);
    }
    // A grid of several scrolling columns scrolls by whole columns, so a column is never
    // shown cut at the fixed ones; a listing's single wide column scrolls by pixels.
    bool byColumns() const { return grid->Cols() - grid->FixedCols() > 1; }
    int hOffset() const {
        const int v = horizontalScrollBar()->value();
        return byColumns() ? scrollingLeft(grid->FixedCols() + v) : v;
    }

    // Scroll bars only where the cells do not all fit; rows scroll by one row or a
    // page, columns by a few characters or a page.
    void updateScroll() {
        measureListing();
        int fr = grid->FixedRows();
        int visibleRows = std::max(1, (viewport()->height() - fr * rowPx()) / rowPx());
        verticalScrollBar()->setRange(0, std::max(0, grid->Rows() - fr - visibleRows));
        verticalScrollBar()->setPageStep(visibleRows);
        int avail = std::max(1, viewport()->width() - fixedWidth());
        if (byColumns()) {
            // The first column that can lead while the last one still shows whole.
            const int fc = grid->FixedCols(), total = scrollingWidth();
            int first = 0;
            while (fc + first < grid->Cols() - 1 && total - scrollingLeft(fc + first) > avail) ++first;
            int fitting = 0;
            while (fc + fitting < grid->Cols() && scrollingLeft(fc + fitting + 1) <= avail) ++fitting;
            horizontalScrollBar()->setRange(0, first);
            horizontalScrollBar()->setSingleStep(1);
            horizontalScrollBar()->setPageStep(std::max(1, fitting));
        } else {
            horizontalScrollBar()->setRange(0, std::max(0, scrollingWidth() - avail));
            horizontalScrollBar()->setSingleStep(std::max(1, fontMetrics().averageCharWidth() * 4));
            horizontalScrollBar()->setPageStep(avail);
        }
        topRow = verticalScrollBar()->value();
    }

    // Scrolls so that the current cell is visible.
    void ensureVisible() {
        updateScroll();
        int fr = grid->FixedRows(), fc = grid->FixedCols();
        int r = grid->Row(), c = grid->Col();
        if (r >= fr) {
            int idx = r - fr;
            if (idx < topRow) verticalScrollBar()->setValue(idx);
            else {
                int fixedH = fr * rowPx();
                int visible = std::max(1, (viewport()->height() - fixedH) / rowPx());
                if (idx >= topRow + visible) verticalScrollBar()->setValue(idx - visible + 1);
            }
        }
        if (c >= fc) {
            int avail = std::max(1, viewport()->width() - fixedWidth());
            int left = scrollingLeft(c), right = left + colPx(c);
            if (byColumns()) {
                int first = horizontalScrollBar()->value();
                if (c - fc < first) first = c - fc;
                while (first < c - fc && right - scrollingLeft(fc + first) > avail) ++first;
                horizontalScrollBar()->setValue(first);
            } else if (left < hOffset()) {
                horizontalScrollBar()->setValue(left);
            } else if (right > hOffset() + avail) {
                horizontalScrollBar()->setValue(std::min(left, right - avail));
            }
        }
        topRow = verticalScrollBar()->value();
        viewport()->update();
    }

    // Visible rows in display order.
    std::vector<int> shownRows() const {
        std::vector<int> v;
        for (int r = 0; r < grid->FixedRows() && r < grid->Rows(); ++r) v.push_back(r);
        for (int r = grid->FixedRows() + topRow; r < grid->Rows(); ++r) v.push_back(r);
        return v;
    }
    // Left edge of a column in the viewport.
    int columnX(int c) const {
        if (c < grid->FixedCols()) {
            int x = 0;
            for (int k = 0; k < c; ++k) x += colPx(k);
            return x;
        }
        return fixedWidth() + scrollingLeft(c) - hOffset();
    }

    bool cellAt(QPoint p, int& row, int& col) const {
        int y = 0;
        row = -1;
        for (int r : shownRows()) {
            if (p.y() >= y && p.y() < y + rowPx()) { row = r; break; }
            y += rowPx();
        }
        col = -1;
        const int fixedW = fixedWidth();
        for (int c = 0; c < grid->Cols(); ++c) {
            if (c >= grid->FixedCols() && p.x() < fixedW) break;  // under the fixed columns
            int x = columnX(c);
            if (p.x() >= x && p.x() < x + colPx(c)) { col = c; break; }
        }
        return row >= 0 && col >= 0;
    }

protected:
    void paintCell(QPainter& p, int r, int c, int x, int y) {
        const QPalette& pal = palette();
        QColor fixedBg(192, 192, 192);
        QColor lineColor = grid->HighLight() ? QColor(128, 128, 128) : pal.color(QPalette::Base);
        QRect cell(x, y, colPx(c), rowPx());
        bool fixed = r < grid->FixedRows() || c < grid->FixedCols();
        bool current = grid->HighLight() && r == grid->Row() && c == grid->Col() && !fixed;
        p.fillRect(cell, fixed ? fixedBg : current ? QColor(0, 0, 128) : pal.color(QPalette::Base));
        p.setPen(current ? QColor(255, 255, 255) : pal.color(QPalette::Text));
        int al = grid->ColAlignment(c);
        Qt::Alignment a = Qt::AlignVCenter |
                          (fixed ? Qt::AlignLeft : al == 1 ? Qt::AlignRight : al == 2 ? Qt::AlignHCenter : Qt::AlignLeft);
        p.drawText(cell.adjusted(3, 0, -3, 0), a, qs(grid->TextMatrix(r, c)));
        if (grid->HighLight() || fixed) {
            p.setPen(lineColor);
            p.drawLine(cell.topRight(), cell.bottomRight());
            p.drawLine(cell.bottomLeft(), cell.bottomRight());
        }
    }
    void paintEvent(QPaintEvent*) override {
        QPainter p(viewport());
        const int fixedW = fixedWidth(), vw = viewport()->width();
        int y = 0;
        for (int r : shownRows()) {
            // The scrolling columns, clipped where the fixed ones stand.
            p.save();
            p.setClipRect(QRect(fixedW, y, std::max(0, vw - fixedW), rowPx()));
            for (int c = grid->FixedCols(); c < grid->Cols(); ++c) {
                int x = columnX(c);
                if (x >= vw) break;
                if (x + colPx(c) > fixedW) paintCell(p, r, c, x, y);
            }
            p.restore();
            for (int c = 0; c < grid->FixedCols() && c < grid->Cols(); ++c) paintCell(p, r, c, columnX(c), y);
            y += rowPx();
            if (y > viewport()->height()) break;
        }
    }
    void mousePressEvent(QMouseEvent* e) override {
        int r, c;
        if (cellAt(e->position().toPoint(), r, c)) grid->userClickCell(r, c);
    }
    void resizeEvent(QResizeEvent* e) override {
        QAbstractScrollArea::resizeEvent(e);
        updateScroll();
    }
    void scrollContentsBy(int, int) override {
        topRow = verticalScrollBar()->value();
        viewport()->update();
    }
};

GridWidget* gw(QWidget* w) { return static_cast<GridWidget*>(w); }
}  // namespace

Grid::Grid(Form* owner, std::string name, int index, Control* container)
    : Control(owner, std::move(name), index) {
    QWidget* parent = container && container->widget() ? container->widget() : owner->canvas();
    backColor_ = 0x00FFFFFF;
    attach(new GridWidget(this, parent));
    resize();
}

void Grid::resize() {
    cells_.resize(static_cast<std::size_t>(rows_));
    for (auto& r : cells_) r.resize(static_cast<std::size_t>(cols_));
    colWidths_.resize(static_cast<std::size_t>(cols_), 960);
    colAlign_.resize(static_cast<std::size_t>(cols_), 0);
    clampCurrent();
    refresh();
}

void Grid::clampCurrent() {
    int r = std::clamp(row_, 0, std::max(0, rows_ - 1));
    int c = std::clamp(col_, 0, std::max(0, cols_ - 1));
    if (rows_ > fixedRows_ && r < fixedRows_) r = fixedRows_;
    if (cols_ > fixedCols_ && c < fixedCols_) c = fixedCols_;
    row_ = r;
    col_ = c;
}

void Grid::refresh() {
    if (w_) {
        gw(w_)->ensureVisible();
    }
}

void Grid::Rows(int n) {
    if (n < 0 || n < fixedRows_) raise(errInvalidCall);
    rows_ = n;
    resize();
}

void Grid::Cols(int n) {
    if (n < 0 || n < fixedCols_) raise(errInvalidCall);
    cols_ = n;
    resize();
}

void Grid::FixedRows(int n) {
    if (n < 0 || n > rows_) raise(errInvalidCall);
    fixedRows_ = n;
    clampCurrent();
    refresh();
}

void Grid::FixedCols(int n) {
    if (n < 0 || n > cols_) raise(errInvalidCall);
    fixedCols_ = n;
    clampCurrent();
    refresh();
}

void Grid::Row(int r) {
    if (r < 0 || r >= rows_) raise(errInvalidCall);
    bool changed = r != row_;
    row_ = r;
    refresh();
    if (changed && RowColChange) RowColChange();
}

void Grid::Col(int c) {
    if (c < 0 || c >= cols_) raise(errInvalidCall);
    bool changed = c != col_;
    col_ = c;
    refresh();
    if (changed && RowColChange) RowColChange();
}

std::string Grid::Text() const { return TextMatrix(row_, col_); }
void Grid::Text(const std::string& t) { TextMatrix(row_, col_, t); }

std::string Grid::TextMatrix(int r, int c) const {
    if (r < 0 || r >= rows_ || c < 0 || c >= cols_) raise(errSubscript);
    return cells_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
}

void Grid::TextMatrix(int r, int c, const std::string& t) {
    if (r < 0 || r >= rows_ || c < 0 || c >= cols_) raise(errSubscript);
    cells_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = t;
    if (w_) w_->update();
    if (w_) gw(w_)->viewport()->update();
}

int Grid::ColWidth(int c) const {
    if (c < 0 || c >= cols_) raise(errSubscript);
    return colWidths_[static_cast<std::size_t>(c)];
}

void Grid::ColWidth(int c, int twips) {
    if (c < 0 || c >= cols_) raise(errSubscript);
    colWidths_[static_cast<std::size_t>(c)] = std::max(0, twips);
    refresh();
}

int Grid::TextWidth(const std::string& t) const {
    if (!w_) return 0;
    const int px = w_->fontMetrics().horizontalAdvance(qs(t)) + 6;  // the cell's margins
    int tw = pixelsToTwips(px);
    while (twipsToPixels(tw) < px) ++tw;
    return tw;
}

int Grid::ColAlignment(int c) const {
    if (c < 0 || c >= cols_) raise(errSubscript);
    return colAlign_[static_cast<std::size_t>(c)];
}

void Grid::ColAlignment(int c, int a) {
    if (c < 0 || c >= cols_) raise(errSubscript);
    colAlign_[static_cast<std::size_t>(c)] = a;
    refresh();
}

// Setting only the start of the range collapses the selection onto it, so the
// highlighted cell is always the current one.
void Grid::SelStartRow(int r) { selStartRow_ = selEndRow_ = r; refresh(); }
void Grid::SelEndRow(int r) { selEndRow_ = r; refresh(); }
void Grid::SelStartCol(int c) { selStartCol_ = selEndCol_ = c; refresh(); }
void Grid::SelEndCol(int c) { selEndCol_ = c; refresh(); }

void Grid::HighLight(bool h) {
    highlight_ = h;
    refresh();
}

void Grid::AddItem(const std::string& item) {
    rows_ += 1;
    resize();
    std::size_t c = 0, start = 0;
    while (c < static_cast<std::size_t>(cols_)) {
        auto tab = item.find('\t', start);
        cells_.back()[c] = item.substr(start, tab == std::string::npos ? std::string::npos : tab - start);
        if (tab == std::string::npos) break;
        start = tab + 1;
        ++c;
    }
    refresh();
}

void Grid::userClickCell(int r, int c) {
    if (!visible_ || !enabled_) return;
    if (canTakeFocus()) setFocusTo(this, owner_);
    // A click on a heading does not move the current cell.
    if (r >= fixedRows_ && c >= fixedCols_) {
        bool changed = r != row_ || c != col_;
        row_ = r;
        col_ = c;
        selStartRow_ = selEndRow_ = r;
        selStartCol_ = selEndCol_ = c;
        refresh();
        if (changed && RowColChange) RowColChange();
    }
    if (Click) Click();
}

void Grid::defaultKeyDown(int keyCode, int /*shift*/) {
    int r = row_, c = col_;
    switch (keyCode) {
        case vbKeyLeft: if (c > fixedCols_) --c; break;
        case vbKeyRight: if (c < cols_ - 1) ++c; break;
        case vbKeyUp: if (r > fixedRows_) --r; break;
        case vbKeyDown: if (r < rows_ - 1) ++r; break;
        case vbKeyHome: c = std::min(fixedCols_, cols_ - 1); break;
        case vbKeyEnd: c = cols_ - 1; break;
        case vbKeyPageDown: r = rows_ - 1; break;
        case vbKeyPageUp: r = std::min(fixedRows_, rows_ - 1); break;
        default: return;
    }
    if (r == row_ && c == col_) return;
    row_ = r;
    col_ = c;
    selStartRow_ = selEndRow_ = r;
    selStartCol_ = selEndCol_ = c;
    refresh();
    if (RowColChange) RowColChange();
}

}  // namespace pf
