// What a grid shows: a listing as wide as its widest line however the lines came and
// went, the selection colour only where typing goes, no current cell in a display-only
// grid, headings standing as their columns' values, and two grids that scroll their
// columns together.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QImage>
#include <QScrollBar>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Form.h"
#include "platform/ui/Grid.h"
#include "platform/ui/ScriptedHost.h"
#include "tests/ui_test_support.h"

namespace {

class GridForm : public pf::Form {
public:
    GridForm() : pf::Form("frmGrids", pf::FormKind::TopLevel) {
        Move(0, 0, 9000, 6000);
        for (int i = 0; i < 3; ++i) grid[i] = std::make_unique<pf::Grid>(this, "grid", i);
        for (int i = 0; i < 3; ++i) grid[i]->Move(120, 120 + i * 1800, 8000, 1600);
    }
    std::unique_ptr<pf::Grid> grid[3];
};
GridForm& frmGrids() { return pf::instance<GridForm>(); }

class GridDisplay : public ::testing::Test {
protected:
    void SetUp() override { qvtest::resetProgram(); }
    void TearDown() override { pf::unloadAll(); }
};

QAbstractScrollArea* area(const pf::Grid& g) { return static_cast<QAbstractScrollArea*>(g.widget()); }
QScrollBar* hbar(const pf::Grid& g) { return area(g)->horizontalScrollBar(); }

QImage picture(const pf::Grid& g) {
    QApplication::processEvents();
    return area(g)->viewport()->grab().toImage();
}

int pixelsOf(const QImage& img, QColor colour) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) == colour) ++n;
    return n;
}

// A grid as the solution window lays it out: one plain column of lines.
void listing(pf::Grid& g, const std::vector<std::string>& lines) {
    g.HighLight(false);
    g.FixedRows(0);
    g.FixedCols(0);
    g.Rows(1);
    g.Cols(1);
    g.ColWidth(0, 3000);
    g.TextMatrix(0, 0, lines.front());
    for (std::size_t k = 1; k < lines.size(); ++k) g.AddItem(lines[k]);
}

// How far the listing scrolls sideways: the measure of its widest line.
int sideways(pf::Grid& g) {
    QApplication::processEvents();
    return hbar(g)->maximum();
}

TEST_F(GridDisplay, ListingScrollsAsFarAsItsWidestLineWhateverChanged) {
    const std::string wide(120, 'W'), wider(160, 'W');
    struct Case {
        const char* what;
        std::vector<std::string> lines;
        std::function<void(pf::Grid&)> change;
        std::vector<std::string> after;  // the lines the change leaves
    } cases[] = {
        {"a wider line added last", {"a", wide}, [&](pf::Grid& g) { g.AddItem(wider); }, {"a", wide, wider}},
        {"the widest line shortened", {"a", wider, wide}, [](pf::Grid& g) { g.TextMatrix(1, 0, "b"); }, {"a", "b", wide}},
        {"the widest line removed", {"a", wide, wider}, [](pf::Grid& g) { g.Rows(2); }, {"a", wide}},
        {"every wide line removed", {wider, "a", wide}, [](pf::Grid& g) {
             g.Rows(1);
             g.TextMatrix(0, 0, "short");
         }, {"short"}},
        {"a shorter line added", {"a", wider}, [](pf::Grid& g) { g.AddItem("b"); }, {"a", wider, "b"}},
        {"a larger face", {"a", wide}, [](pf::Grid& g) { g.FontSize(14); }, {"a", wide}},
        {"the listing filled again", {wider, wide}, [&](pf::Grid& g) { listing(g, {"x", wide}); }, {"x", wide}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GridForm& f = frmGrids();
        f.Show();
        listing(*f.grid[0], c.lines);
        EXPECT_GT(sideways(*f.grid[0]), 0) << "laid out once before the change, too wide for the grid";
        c.change(*f.grid[0]);
        // The same lines written into a fresh grid in the same face.
        listing(*f.grid[1], c.after);
        f.grid[1]->FontSize(f.grid[0]->FontSize());
        EXPECT_EQ(sideways(*f.grid[0]), sideways(*f.grid[1]));
        pf::unloadAll();
    }
}

TEST_F(GridDisplay, LinesAddedAreShownWithoutWaitingForTheEventLoop) {
    GridForm& f = frmGrids();
    listing(*f.grid[0], {"first", std::string(200, 'W')});
    f.Show();  // shown at once after the fill: it lays itself out as it appears
    EXPECT_GT(hbar(*f.grid[0])->maximum(), 0);
    EXPECT_EQ(f.grid[0]->TopRow(), 0);
}

// Three input grids as the decision window has them: the one with the focus paints its
// current cell in the selection colour, the others in a paler one.
TEST_F(GridDisplay, OnlyTheFocusedGridPaintsItsCurrentCellInTheSelectionColour) {
    const QColor selection(0, 0, 128);
    GridForm& f = frmGrids();
    f.Show();
    for (auto& g : f.grid) {
        g->Rows(3);
        g->Cols(3);
        g->HighLight(true);
        g->Row(1);
        g->Col(1);
    }
    for (int focused = 0; focused < 3; ++focused) {
        SCOPED_TRACE(focused);
        f.grid[focused]->SetFocus();
        for (int i = 0; i < 3; ++i) {
            const QImage img = picture(*f.grid[i]);
            if (i == focused) EXPECT_GT(pixelsOf(img, selection), 100) << i;
            else EXPECT_EQ(pixelsOf(img, selection), 0) << i;
        }
    }
    // With the focus on the window itself no grid paints the selection colour, yet
    // each still shows where its current cell is.
    const QImage before = picture(*f.grid[0]);
    f.SetFocus();
    for (auto& g : f.grid) EXPECT_EQ(pixelsOf(picture(*g), selection), 0);
    f.grid[0]->Col(2);
    EXPECT_NE(picture(*f.grid[0]), before);
}

TEST_F(GridDisplay, DisplayOnlyGridShowsNoCurrentCell) {
    for (bool displayOnly : {false, true}) {
        SCOPED_TRACE(displayOnly);
        GridForm& f = frmGrids();
        f.Show();
        pf::Grid& g = *f.grid[0];
        g.Rows(4);
        g.Cols(3);
        g.FixedRows(2);
        g.HighLight(true);
        g.DisplayOnly(displayOnly);
        g.TextMatrix(2, 1, "A");
        g.Row(2);
        g.Col(1);
        g.SetFocus();
        const QImage first = picture(g);
        g.Row(3);
        g.Col(2);
        EXPECT_EQ(picture(g) == first, displayOnly);
        pf::unloadAll();
    }
}

// The first and last columns with ink in the heading row, inside column c.
std::pair<int, int> inkIn(const QImage& img, int rowTop, int rowHeight, int left, int width) {
    int first = -1, last = -1;
    for (int x = left + 1; x < left + width - 1; ++x)
        for (int y = rowTop + 2; y < rowTop + rowHeight - 2; ++y)
            if (qGray(img.pixel(x, y)) < 80) {
                if (first < 0) first = x;
                last = x;
            }
    return {first - left, left + width - 1 - last};
}

TEST_F(GridDisplay, HeadingStandsAsItsColumnsValues) {
    GridForm& f = frmGrids();
    f.Show();
    pf::Grid& g = *f.grid[0];
    g.Rows(3);
    g.Cols(4);
    g.HighLight(true);
    for (int c = 0; c < 4; ++c) g.ColWidth(c, 1800);
    const char* headings[] = {"Origin", "Supply", "Relation", "Name"};
    for (int c = 0; c < 4; ++c) {
        g.ColAlignment(c, c == 1 ? 1 : c == 2 ? 2 : 0);
        g.TextMatrix(0, c, headings[c]);
    }
    g.ColAlignment(0, 1);  // a fixed column's own texts stay at the left
    const QImage img = picture(g);
    const int col = pf::twipsToPixels(1800);
    const int rowHeight = std::max(pf::twipsToPixels(g.RowHeight()), area(g)->fontMetrics().height() + 4);
    struct Expect {
        int column;
        const char* where;
    } expected[] = {{0, "left"}, {1, "right"}, {2, "centre"}, {3, "left"}};
    for (const Expect& e : expected) {
        SCOPED_TRACE(headings[e.column]);
        const auto [leftGap, rightGap] = inkIn(img, 0, rowHeight, e.column * col, col);
        ASSERT_GE(leftGap, 0) << "the heading shows";
        if (std::string(e.where) == "left") { EXPECT_LT(leftGap, rightGap - 20); }
        if (std::string(e.where) == "right") { EXPECT_LT(rightGap, leftGap - 20); }
        if (std::string(e.where) == "centre") { EXPECT_NEAR(leftGap, rightGap, 4); }
    }
}

// Two grids whose columns stand under each other, the lower one two columns longer
// (as the LP objective and constraint grids): either scrolls, by its bar or by its
// current cell, and the other shows the same first scrolling column.
TEST_F(GridDisplay, LinkedGridsScrollTheirColumnsTogether) {
    GridForm& f = frmGrids();
    f.Show();
    pf::Grid& top = *f.grid[0];
    pf::Grid& bottom = *f.grid[1];
    top.ScrollColumnsWith(bottom);
    top.Rows(2);
    top.Cols(16);
    top.FixedRows(0);
    bottom.Rows(4);
    bottom.Cols(18);
    for (pf::Grid* g : {&top, &bottom})
        for (int c = 0; c < g->Cols(); ++c) g->ColWidth(c, 1200);
    QApplication::processEvents();
    EXPECT_EQ(hbar(top)->maximum(), hbar(bottom)->maximum()) << "the top grid may scroll past its end";
    EXPECT_GT(hbar(bottom)->maximum(), 0);

    hbar(bottom)->setValue(3);
    EXPECT_EQ(top.LeftCol(), 4);
    hbar(top)->setValue(hbar(top)->maximum());
    EXPECT_EQ(bottom.LeftCol(), top.LeftCol());
    EXPECT_EQ(bottom.LeftCol(), 1 + hbar(bottom)->maximum());

    top.Row(1);
    top.Col(1);
    EXPECT_EQ(top.LeftCol(), 1);
    EXPECT_EQ(bottom.LeftCol(), 1);
    bottom.Row(1);
    bottom.Col(17);  // the last column: the top grid runs out of columns
    EXPECT_GT(bottom.LeftCol(), 1);
    EXPECT_EQ(top.LeftCol(), bottom.LeftCol());
    top.Col(15);
    EXPECT_EQ(bottom.LeftCol(), top.LeftCol());
}

}  // namespace
