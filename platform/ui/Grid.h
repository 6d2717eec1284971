#pragma once
// The grid control: rows and columns of text with fixed heading rows and columns,
// a current cell and a selected range. It has no cell editor: every key reaches the
// handlers; it moves the current cell on the keys of cellAfterKey itself unless the key
// was consumed.
// Filling it is cheap: the grid lays itself out once, when it is next shown, painted
// or asked where it stands, not once per cell or line written.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/Form.h"

namespace pf {

struct GridCell {
    int row = 0, col = 0;
    bool operator==(const GridCell&) const = default;
};

class Grid : public Control {
public:
    Grid(Form* owner, std::string name, int index = -1, Control* container = nullptr);

    int Rows() const { return rows_; }
    void Rows(int n);
    int Cols() const { return cols_; }
    void Cols(int n);
    int FixedRows() const { return fixedRows_; }
    void FixedRows(int n);
    int FixedCols() const { return fixedCols_; }
    void FixedCols(int n);

    // The layout the cells now stand in: a number that no other grid, and no earlier
    // layout of this one, has had. Setting the rows, the columns or the fixed rows or
    // columns lays the grid out anew, even to the same values, since that is how a
    // grid is built; so what was noted against one layout is known not to be about
    // the cells a builder has written since, nor about a grid made at a freed address.
    std::uint64_t Layout() const { return layout_; }

    // Setting the current row or column moves the current cell and raises RowColChange.
    int Row() const { return row_; }
    void Row(int r);
    int Col() const { return col_; }
    void Col(int c);

    // Text of the current cell.
    std::string Text() const;
    void Text(const std::string& t);
    // Any cell, for reading and for builders.
    std::string TextMatrix(int r, int c) const;
    void TextMatrix(int r, int c, const std::string& t);

    int ColWidth(int c) const;
    void ColWidth(int c, int twips);
    int ColAlignment(int c) const;  // 0 left, 1 right, 2 centre
    // Twips a column needs to show the text whole in the grid's font, margins included.
    int TextWidth(const std::string& t) const;
    void ColAlignment(int c, int a);
    int RowHeight() const { return rowHeight_; }

    int SelStartRow() const { return selStartRow_; }
    void SelStartRow(int r);
    int SelEndRow() const { return selEndRow_; }
    void SelEndRow(int r);
    int SelStartCol() const { return selStartCol_; }
    void SelStartCol(int c);
    int SelEndCol() const { return selEndCol_; }
    void SelEndCol(int c);

    // The one display option: gridlines and the highlighted current cell. Only the
    // grid with the keyboard focus paints its current cell in the selection colour;
    // the others paint it in a paler one.
    bool HighLight() const { return highlight_; }
    void HighLight(bool h);
    // A display-only grid takes no input and shows no current cell.
    bool DisplayOnly() const { return displayOnly_; }
    void DisplayOnly(bool d);
    // A grid whose keys the main window reads (Form::ScrolledFromMainWindow): neither a
    // click on it or its scroll bars nor code gives it the keyboard focus.
    void TakesNoFocus();
    bool canTakeFocus() const override { return !takesNoFocus_ && Control::canTakeFocus(); }

    // The first scrolling row and column in view (grid row and column numbers).
    int TopRow() const;
    void TopRow(int r);
    // Scrolls as little as it takes to bring row r into view; the current cell stays.
    void ShowRow(int r);
    int LeftCol() const;
    void LeftCol(int c);
    // Two grids whose scrolling columns stand under each other: both scroll by whole
    // columns, and whenever one scrolls the other shows the same first scrolling
    // column, the one with fewer columns scrolling into blank space when needed.
    void ScrollColumnsWith(Grid& other);

    // Resizes the grid where it stands to show all its rows and columns, but never
    // beyond maxWidth by maxHeight twips; where that cuts it, its scroll bars fit inside.
    void FitToCells(int maxWidth, int maxHeight);

    // Appends a row; tab characters separate the cells' texts.
    void AddItem(const std::string& item);

    std::function<void()> RowColChange;

    // The one list of the keys the grid moves its current cell on, and where to: the
    // arrows one cell on, Home and End to the first data column and the last column, Page
    // Up and Page Down to the first data row and the last row, with Shift or Ctrl as
    // without. Where such a key finds nowhere to go, the current cell itself. Nothing for
    // any other key, and for every key held with Alt, which belongs to the menu bar. An
    // editor on the grid reads it too, so that no key the grid moves on passes its check.
    std::optional<GridCell> cellAfterKey(int keyCode, int shift) const;

    // A mouse click on a cell, as the user makes it.
    void userClickCell(int r, int c);
    // The middle of a cell in view, in pixels of the grid's viewport (false: not in view).
    bool cellCentre(int r, int c, int& x, int& y) const;

    // Repaints; the current cell is brought into view.
    void refresh();
    void repaintFocusLook() override;

    // A scrolling key read as the scroll bars read it: the view moves, the current cell
    // stays. Up, Down, Page Up and Page Down by a line or a page, Home and End to the
    // first and last line (with Ctrl also to the lines' left end), Left and Right along
    // lines wider than the grid. False for any other key.
    bool scrollView(int keyCode, int shift);

protected:
    bool takesEveryKey() const override { return true; }
    void defaultKeyDown(int keyCode, int shift) override;

private:
    void resize();
    void clampCurrent();
    void shapeChanged();  // a layout is due, the current cell kept in view
    void laidOutAnew();
    std::uint64_t layout_ = 0;
    int rows_ = 2, cols_ = 2, fixedRows_ = 1, fixedCols_ = 1;
    int row_ = 1, col_ = 1;
    int selStartRow_ = 1, selEndRow_ = 1, selStartCol_ = 1, selEndCol_ = 1;
    bool highlight_ = true;
    bool displayOnly_ = false;
    bool takesNoFocus_ = false;
    int rowHeight_ = 240;
    std::vector<std::vector<std::string>> cells_;
    std::vector<int> colWidths_;
    std::vector<int> colAlign_;
};

}  // namespace pf
