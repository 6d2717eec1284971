#include "platform/ui/Grid.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QResizeEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

#include "platform/core/Errors.h"
#include "platform/ui/Keys.h"
#include "platform/ui/QtBridge.h"

namespace pf {

namespace {
// The current cell of a grid without the keyboard focus.
const QColor kInactiveCurrent(200, 208, 224);

// Paints the cells: fixed rows and columns stay in place as headings, the rest
// scrolls. Its geometry (column edges, a listing's widest line, the scroll ranges) is
// worked out lazily: a change to the grid only marks it due and posts one layout, which
// runs at the latest when the grid is shown, resized, painted or asked where it
// stands, so that filling a grid line by line or cell by cell costs one layout.
class GridWidget : public QAbstractScrollArea {
public:
    GridWidget(Grid* g, QWidget* parent) : QAbstractScrollArea(parent), grid(g) {
        setFocusPolicy(Qt::StrongFocus);
        viewport()->setAutoFillBackground(true);
        verticalScrollBar()->setSingleStep(1);
        connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this](int v) {
            viewport()->update();
            if (partner && partner->horizontalScrollBar()->value() != v) partner->horizontalScrollBar()->setValue(v);
        });
        connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { viewport()->update(); });
    }
    ~GridWidget() override {
        if (partner) partner->partner = nullptr;
    }
    Grid* grid;
    GridWidget* partner = nullptr;  // a grid whose scrolling columns stand under ours
    int topRow = 0;                 // first scrolling row shown

    // ---- the lazy layout
    bool measureDue = true;   // column edges and the listing's width
    bool rangesDue = true;    // scroll bar ranges
    bool ensureDue = false;   // bring the current cell into view
    bool posted = false;
    std::vector<int> colLeft;  // left edge of each column from column 0, one more for the right end
    int rowHeight = 16;
    // A plain listing's last column is as wide as its widest text, so a long line
    // can be scrolled to and the empty rest of a short one is nothing to scroll to.
    // Each line is measured once; a changed or removed line, a new font, a new shape
    // measure them all again.
    int listingWidth = 0;
    int measuredRows = 0;

    void post() {
        if (posted) return;
        posted = true;
        QMetaObject::invokeMethod(this, [this] { posted = false; layout(); }, Qt::QueuedConnection);
    }
    void shapeChanged(bool keepCurrentInView) {
        measureDue = true;
        if (keepCurrentInView) ensureDue = true;
        post();
    }
    void linesChanged() {
        measuredRows = 0;
        listingWidth = 0;
        shapeChanged(false);
    }
    // A cell's new text: only a listing's last column depends on its texts.
    void textChanged(int r, int c) {
        if (isListing() && c == grid->Cols() - 1) {
            if (r < measuredRows) linesChanged();
            else shapeChanged(false);
        }
        viewport()->update();
    }
    // What is due, now. True when anything was.
    bool layout() {
        const bool due = measureDue || rangesDue || ensureDue || (partner && (partner->measureDue || partner->rangesDue));
        if (!due) return false;
        measure();
        if (partner) partner->measure();
        if (rangesDue || (partner && partner->rangesDue)) {
            applyRanges();
            if (partner) {
                partner->applyRanges();
                partner->horizontalScrollBar()->setValue(horizontalScrollBar()->value());
            }
        }
        if (ensureDue) {
            ensureDue = false;
            scrollToCurrent();
        }
        viewport()->update();
        return true;
    }
    // The current cell into view, now.
    void showCurrent() {
        ensureDue = true;
        layout();
    }

    bool isListing() const { return !grid->HighLight() && grid->Cols() - 1 >= grid->FixedCols(); }
    int rowPx() const { return rowHeight; }
    int colPx(int c) const { return colLeft[static_cast<std::size_t>(c) + 1] - colLeft[static_cast<std::size_t>(c)]; }
    int fixedWidth() const { return colLeft[static_cast<std::size_t>(std::min(grid->FixedCols(), grid->Cols()))]; }
    // Left edge of a scrolling column, counted from the first scrolling column; a
    // column past the last (a linked grid scrolled beyond its end) at the right end.
    int scrollingLeft(int c) const {
        const int fc = std::min(grid->FixedCols(), grid->Cols());
        return colLeft[static_cast<std::size_t>(std::clamp(c, fc, grid->Cols()))] - fixedWidth();
    }
    // Width of what scrolls.
    int scrollingWidth() const { return scrollingLeft(grid->Cols()); }

    void measure() {
        if (!measureDue) return;
        measureDue = false;
        rangesDue = true;
        rowHeight = std::max(twipsToPixels(grid->RowHeight()), fontMetrics().height() + 4);
        const int rows = grid->Rows(), cols = grid->Cols();
        if (!isListing() || measuredRows > rows) {
            listingWidth = 0;
            measuredRows = 0;
        }
        if (isListing()) {
            const QFontMetrics fm = fontMetrics();
            for (int r = measuredRows; r < rows; ++r)
                listingWidth = std::max(listingWidth, fm.horizontalAdvance(qs(grid->TextMatrix(r, cols - 1))) + 6);
            measuredRows = rows;
        }
        colLeft.assign(static_cast<std::size_t>(cols) + 1, 0);
        for (int c = 0; c < cols; ++c) {
            const int w = c == cols - 1 && isListing() ? listingWidth : twipsToPixels(grid->ColWidth(c));
            colLeft[static_cast<std::size_t>(c) + 1] = colLeft[static_cast<std::size_t>(c)] + w;
        }
    }

    // A grid of several scrolling columns scrolls by whole columns, so a column is never
    // shown cut at the fixed ones; a listing's single wide column scrolls by pixels.
    bool byColumns() const { return partner || grid->Cols() - grid->FixedCols() > 1; }
    int hOffset() const {
        const int v = horizontalScrollBar()->value();
        return byColumns() ? scrollingLeft(grid->FixedCols() + v) : v;
    }
    int scrollingRoom() const { return std::max(1, viewport()->width() - fixedWidth()); }
    // The first column that can lead while the last one still shows whole, counted
    // from the first scrolling column.
    int lastLead() const {
        const int fc = grid->FixedCols(), total = scrollingWidth(), avail = scrollingRoom();
        int first = 0;
        while (fc + first < grid->Cols() - 1 && total - scrollingLeft(fc + first) > avail) ++first;
        return first;
    }

    // Scroll bars only where the cells do not all fit; rows scroll by one row or a
    // page, columns by a few characters or a page.
    void applyRanges() {
        rangesDue = false;
        const int visibleRows = visibleRowCount();
        verticalScrollBar()->setRange(0, std::max(0, grid->Rows() - grid->FixedRows() - visibleRows));
        verticalScrollBar()->setPageStep(visibleRows);
        const int avail = scrollingRoom();
        if (byColumns()) {
            const int fc = grid->FixedCols();
            int fitting = 0;
            while (fc + fitting < grid->Cols() && scrollingLeft(fc + fitting + 1) <= avail) ++fitting;
            int last = lastLead();
            if (partner) last = std::max(last, partner->lastLead());
            horizontalScrollBar()->setRange(0, last);
            horizontalScrollBar()->setSingleStep(1);
            horizontalScrollBar()->setPageStep(std::max(1, fitting));
        } else {
            horizontalScrollBar()->setRange(0, std::max(0, scrollingWidth() - avail));
            horizontalScrollBar()->setSingleStep(std::max(1, fontMetrics().averageCharWidth() * 4));
            horizontalScrollBar()->setPageStep(avail);
        }
        topRow = verticalScrollBar()->value();
        // The scroll area shows and hides its bars only once control returns to the
        // event loop; a layout that itself runs from the loop has them shown now.
        auto stale = [this](QScrollBar* b, Qt::ScrollBarPolicy p) {
            return p == Qt::ScrollBarAsNeeded && isVisible() && (b->maximum() > b->minimum()) != b->isVisibleTo(this);
        };
        if (stale(verticalScrollBar(), verticalScrollBarPolicy()) ||
            stale(horizontalScrollBar(), horizontalScrollBarPolicy()))
            setVerticalScrollBarPolicy(verticalScrollBarPolicy());
    }

    int visibleRowCount() const {
        return std::max(1, (viewport()->height() - grid->FixedRows() * rowPx()) / rowPx());
    }
    // Scrolls as little as it takes to bring scrolling row r into view.
    void scrollRowIntoView(int r) {
        const int fr = grid->FixedRows();
        if (r >= fr) {
            const int idx = r - fr;
            if (idx < topRow) verticalScrollBar()->setValue(idx);
            else if (idx >= topRow + visibleRowCount()) verticalScrollBar()->setValue(idx - visibleRowCount() + 1);
        }
        topRow = verticalScrollBar()->value();
    }
    // Scrolls so that the current cell is visible.
    void scrollToCurrent() {
        const int fc = grid->FixedCols();
        const int c = grid->Col();
        scrollRowIntoView(grid->Row());
        if (c >= fc) {
            const int avail = scrollingRoom();
            const int left = scrollingLeft(c), right = left + colPx(c);
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
    }

    // Rows in view, in display order.
    std::vector<int> shownRows() const {
        std::vector<int> v;
        for (int r = 0; r < grid->FixedRows() && r < grid->Rows(); ++r) v.push_back(r);
        const int room = viewport()->height() / std::max(1, rowPx()) + 1;
        for (int r = grid->FixedRows() + topRow; r < grid->Rows() && static_cast<int>(v.size()) <= room; ++r)
            v.push_back(r);
        return v;
    }
    // Left edge of a column in the viewport.
    int columnX(int c) const {
        if (c < grid->FixedCols()) return colLeft[static_cast<std::size_t>(c)];
        return fixedWidth() + scrollingLeft(c) - hOffset();
    }

    bool cellCentre(int r, int c, int& x, int& y) const {
        const auto rows = shownRows();
        const auto it = std::find(rows.begin(), rows.end(), r);
        if (it == rows.end() || c < 0 || c >= grid->Cols()) return false;
        y = static_cast<int>(it - rows.begin()) * rowPx() + rowPx() / 2;
        x = columnX(c) + colPx(c) / 2;
        return x >= 0 && x < viewport()->width() && y < viewport()->height();
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
        const bool fixedRow = r < grid->FixedRows(), fixedCol = c < grid->FixedCols();
        const bool fixed = fixedRow || fixedCol;
        const bool current = grid->HighLight() && !grid->DisplayOnly() && r == grid->Row() && c == grid->Col() && !fixed;
        // Where typing goes: the selection colour only in the grid that has the focus.
        const bool focused = current && focusedControl() == grid && !focusArriving(grid);
        p.fillRect(cell, fixed ? fixedBg : focused ? QColor(0, 0, 128) : current ? kInactiveCurrent : pal.color(QPalette::Base));
        p.setPen(focused ? QColor(255, 255, 255) : pal.color(QPalette::Text));
        // A heading over a column stands as the column's values do; the fixed
        // columns' own texts start at the left.
        const int al = fixedCol ? 0 : grid->ColAlignment(c);
        const Qt::Alignment a =
            Qt::AlignVCenter | (al == 1 ? Qt::AlignRight : al == 2 ? Qt::AlignHCenter : Qt::AlignLeft);
        p.drawText(cell.adjusted(3, 0, -3, 0), a, qs(grid->TextMatrix(r, c)));
        if (grid->HighLight() || fixed) {
            p.setPen(lineColor);
            p.drawLine(cell.topRight(), cell.bottomRight());
            p.drawLine(cell.bottomLeft(), cell.bottomRight());
        }
    }
    void paintEvent(QPaintEvent*) override {
        layout();
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
        layout();
        int r, c;
        if (cellAt(e->position().toPoint(), r, c)) grid->userClickCell(r, c);
    }
    void resizeEvent(QResizeEvent* e) override {
        QAbstractScrollArea::resizeEvent(e);
        rangesDue = true;
        layout();
    }
    void showEvent(QShowEvent* e) override {
        QAbstractScrollArea::showEvent(e);
        layout();
    }
    void changeEvent(QEvent* e) override {
        QAbstractScrollArea::changeEvent(e);
        if (e->type() == QEvent::FontChange) linesChanged();
    }
    void focusInEvent(QFocusEvent* e) override {
        QAbstractScrollArea::focusInEvent(e);
        viewport()->update();
    }
    void focusOutEvent(QFocusEvent* e) override {
        QAbstractScrollArea::focusOutEvent(e);
        viewport()->update();
    }
    void scrollContentsBy(int, int) override {
        topRow = verticalScrollBar()->value();
        viewport()->update();
    }
};

GridWidget* gw(QWidget* w) { return static_cast<GridWidget*>(w); }

std::uint64_t nextLayout() {
    static std::uint64_t last = 0;
    return ++last;
}
}  // namespace

Grid::Grid(Form* owner, std::string name, int index, Control* container)
    : Control(owner, std::move(name), index), layout_(nextLayout()) {
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
    shapeChanged();
}

void Grid::clampCurrent() {
    int r = std::clamp(row_, 0, std::max(0, rows_ - 1));
    int c = std::clamp(col_, 0, std::max(0, cols_ - 1));
    if (rows_ > fixedRows_ && r < fixedRows_) r = fixedRows_;
    if (cols_ > fixedCols_ && c < fixedCols_) c = fixedCols_;
    row_ = r;
    col_ = c;
}

void Grid::laidOutAnew() { layout_ = nextLayout(); }

void Grid::shapeChanged() {
    if (w_) gw(w_)->shapeChanged(true);
}

void Grid::refresh() {
    if (w_) gw(w_)->showCurrent();
}

void Grid::Rows(int n) {
    if (n < 0 || n < fixedRows_) raise(errInvalidCall);
    // Lines removed: the listing's widest may have gone with them.
    if (n < rows_ && w_) gw(w_)->linesChanged();
    rows_ = n;
    laidOutAnew();
    resize();
}

void Grid::Cols(int n) {
    if (n < 0 || n < fixedCols_) raise(errInvalidCall);
    if (n != cols_ && w_) gw(w_)->linesChanged();
    cols_ = n;
    laidOutAnew();
    resize();
}

void Grid::FixedRows(int n) {
    if (n < 0 || n > rows_) raise(errInvalidCall);
    fixedRows_ = n;
    laidOutAnew();
    clampCurrent();
    shapeChanged();
}

void Grid::FixedCols(int n) {
    if (n < 0 || n > cols_) raise(errInvalidCall);
    if (n != fixedCols_ && w_) gw(w_)->linesChanged();
    fixedCols_ = n;
    laidOutAnew();
    clampCurrent();
    shapeChanged();
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
    if (w_) gw(w_)->textChanged(r, c);
}

int Grid::ColWidth(int c) const {
    if (c < 0 || c >= cols_) raise(errSubscript);
    return colWidths_[static_cast<std::size_t>(c)];
}

void Grid::ColWidth(int c, int twips) {
    if (c < 0 || c >= cols_) raise(errSubscript);
    colWidths_[static_cast<std::size_t>(c)] = std::max(0, twips);
    shapeChanged();
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
    if (w_) gw(w_)->viewport()->update();
}

// Setting only the start of the range collapses the selection onto it, so the
// highlighted cell is always the current one.
void Grid::SelStartRow(int r) { selStartRow_ = selEndRow_ = r; shapeChanged(); }
void Grid::SelEndRow(int r) { selEndRow_ = r; shapeChanged(); }
void Grid::SelStartCol(int c) { selStartCol_ = selEndCol_ = c; shapeChanged(); }
void Grid::SelEndCol(int c) { selEndCol_ = c; shapeChanged(); }

void Grid::HighLight(bool h) {
    if (h != highlight_ && w_) gw(w_)->linesChanged();
    highlight_ = h;
    shapeChanged();
}

void Grid::DisplayOnly(bool d) {
    displayOnly_ = d;
    if (w_) gw(w_)->viewport()->update();
}

void Grid::TakesNoFocus() {
    takesNoFocus_ = true;
    if (w_) w_->setFocusPolicy(Qt::NoFocus);
}

int Grid::TopRow() const {
    if (!w_) return fixedRows_;
    gw(w_)->layout();
    return fixedRows_ + gw(w_)->verticalScrollBar()->value();
}

void Grid::TopRow(int r) {
    if (r < fixedRows_ || (r >= rows_ && r != fixedRows_)) raise(errInvalidCall);
    if (!w_) return;
    GridWidget* g = gw(w_);
    g->layout();
    g->verticalScrollBar()->setValue(r - fixedRows_);
    g->topRow = g->verticalScrollBar()->value();
}

void Grid::ShowRow(int r) {
    if (r < 0 || r >= rows_) raise(errInvalidCall);
    if (!w_) return;
    GridWidget* g = gw(w_);
    g->layout();
    g->scrollRowIntoView(r);
}

int Grid::LeftCol() const {
    if (!w_) return fixedCols_;
    GridWidget* g = gw(w_);
    g->layout();
    if (g->byColumns()) return fixedCols_ + g->horizontalScrollBar()->value();
    return fixedCols_;
}

void Grid::LeftCol(int c) {
    if (c < fixedCols_ || (c >= cols_ && c != fixedCols_)) raise(errInvalidCall);
    if (!w_) return;
    GridWidget* g = gw(w_);
    g->layout();
    g->horizontalScrollBar()->setValue(g->byColumns() ? c - fixedCols_ : g->scrollingLeft(c));
}

void Grid::ScrollColumnsWith(Grid& other) {
    if (!w_ || !other.w_ || &other == this) return;
    gw(w_)->partner = gw(other.w_);
    gw(other.w_)->partner = gw(w_);
    shapeChanged();
    other.shapeChanged();
}

namespace {
// The fewest twips that show at least `px` pixels.
int twipsFor(int px) {
    int tw = pixelsToTwips(px);
    while (twipsToPixels(tw) < px) ++tw;
    while (tw > 0 && twipsToPixels(tw - 1) >= px) --tw;
    return tw;
}
}  // namespace

void Grid::FitToCells(int maxWidth, int maxHeight) {
    if (!w_) return;
    GridWidget* v = gw(w_);
    // Its frame and font as they will be shown, also before it first shows.
    v->ensurePolished();
    v->measureDue = true;
    v->measure();
    const int frame = 2 * v->frameWidth();
    const int bar = v->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, v);
    const int maxW = twipsToPixels(maxWidth), maxH = twipsToPixels(maxHeight);
    int w = v->colLeft[static_cast<std::size_t>(cols_)] + frame, h = rows_ * v->rowPx() + frame;
    const bool across = w > maxW;
    bool down = h > maxH;
    // A scroll bar for one direction takes room from the other.
    if (across) h += bar;
    if (!down && h > maxH) down = true;
    if (down) w += bar;
    if (!across && w > maxW) h += bar;
    Move(Left(), Top(), twipsFor(std::min(w, maxW)), twipsFor(std::min(h, maxH)));
    // A hidden grid lays out its inside only when it shows, and meanwhile works out its
    // scrolling for the inside of its old size; scroll bars it then takes for needed
    // would keep each other up. Lay it out at its new size now, from no scroll bars.
    v->horizontalScrollBar()->setRange(0, 0);
    v->verticalScrollBar()->setRange(0, 0);
    QResizeEvent resized(v->size(), v->size());
    QCoreApplication::sendEvent(v, &resized);
}

void Grid::AddItem(const std::string& item) {
    rows_ += 1;
    cells_.emplace_back(static_cast<std::size_t>(cols_));
    std::size_t c = 0, start = 0;
    while (c < static_cast<std::size_t>(cols_)) {
        auto tab = item.find('\t', start);
        cells_.back()[c] = item.substr(start, tab == std::string::npos ? std::string::npos : tab - start);
        if (tab == std::string::npos) break;
        start = tab + 1;
        ++c;
    }
    // The new line is measured when the grid next lays itself out.
    if (w_) gw(w_)->shapeChanged(false);
}

bool Grid::cellCentre(int r, int c, int& x, int& y) const {
    if (!w_) return false;
    gw(w_)->layout();
    return gw(w_)->cellCentre(r, c, x, y);
}

void Grid::repaintFocusLook() {
    // The current cell's colour tells where typing goes.
    if (w_) gw(w_)->viewport()->update();
}

void Grid::userClickCell(int r, int c) {
    if (!visible_ || !enabled_) return;
    if (canTakeFocus() && !setFocusTo(this, owner_)) return;
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

bool Grid::scrollView(int keyCode, int shift) {
    if (!w_) return false;
    GridWidget* g = gw(w_);
    g->layout();
    QScrollBar* down = g->verticalScrollBar();
    QScrollBar* across = g->horizontalScrollBar();
    switch (keyCode) {
        case vbKeyUp: down->triggerAction(QAbstractSlider::SliderSingleStepSub); break;
        case vbKeyDown: down->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
        case vbKeyPageUp: down->triggerAction(QAbstractSlider::SliderPageStepSub); break;
        case vbKeyPageDown: down->triggerAction(QAbstractSlider::SliderPageStepAdd); break;
        case vbKeyLeft: across->triggerAction(QAbstractSlider::SliderSingleStepSub); break;
        case vbKeyRight: across->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
        case vbKeyHome:
        case vbKeyEnd:
            down->triggerAction(keyCode == vbKeyHome ? QAbstractSlider::SliderToMinimum
                                                     : QAbstractSlider::SliderToMaximum);
            if (shift & vbCtrlMask) across->triggerAction(QAbstractSlider::SliderToMinimum);
            break;
        default: return false;
    }
    g->topRow = down->value();
    return true;
}

std::optional<GridCell> Grid::cellAfterKey(int keyCode, int shift) const {
    if (shift & vbAltMask) return std::nullopt;
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
        default: return std::nullopt;
    }
    return GridCell{r, c};
}

void Grid::defaultKeyDown(int keyCode, int shift) {
    const std::optional<GridCell> to = cellAfterKey(keyCode, shift);
    if (!to || (to->row == row_ && to->col == col_)) return;
    row_ = to->row;
    col_ = to->col;
    selStartRow_ = selEndRow_ = row_;
    selStartCol_ = selEndCol_ = col_;
    refresh();
    if (RowColChange) RowColChange();
}

}  // namespace pf
