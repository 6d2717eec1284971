#pragma once
// Editing in a grid that has no cell editor of its own: typed characters collect in
// the shared cell buffer and show in the current cell, the first character replaces
// the old text, and a cell is checked when the user leaves it by a movement key, by
// clicking elsewhere or by moving the focus away. A refused value is erased and the
// user stays on the cell. The grid window, the LP window and the decision window all
// edit through this class; what differs between them is in GridEditRules.
#include <functional>
#include <string>

#include "platform/ui/Grid.h"

namespace qv {

// What typing does in the current cell.
enum class CellRole {
    Heading,  // nothing happens, the key is not even consumed
    Locked,   // a beep, nothing else
    Data,
};

// The verdict on one typed character in a data cell.
enum class CharVerdict {
    Accept,
    Beep,    // refused with a beep
    Refuse,  // refused; the rules have already told the user
};

struct GridEditRules {
    // Role of the grid's current cell; by default row 0 and column 0 are headings.
    std::function<CellRole(const pf::Grid&)> role;
    // A character typed into a data cell, `first` when it would start a new entry; by
    // default digits, "-" and ".".
    std::function<CharVerdict(const pf::Grid&, char c, bool first)> acceptChar;
    // Checks the grid's current cell: 999 refuses it (the check has told the user),
    // anything else accepts it.
    std::function<int()> check;
    // Index of the grid in its window's grid array, recorded in intEditGridIndex; the
    // click and focus-loss checks act only on a cell typed into in this grid. -1 for a
    // window with one grid.
    int gridIndex = -1;
    // Forecasting's own Down keystroke silences the last-row beep (grid window only).
    bool lastRowBeepSuppressible = true;
    // Tab in the grid's last cell (step 1) or Shift+Tab in its first (step -1); by
    // default round to this grid's first or last data cell.
    std::function<void(int step)> tabPastEdge;
    // A cell refused on a click gets the focus back to the grid.
    bool refocusOnClickReject = true;
};

// Digits, "-" and "." : what numeric cells accept.
bool isNumericKey(char c);

class GridEditor {
public:
    GridEditor(pf::Grid& grid, GridEditRules rules);
    ~GridEditor();
    GridEditor(const GridEditor&) = delete;
    GridEditor& operator=(const GridEditor&) = delete;

    // Sets the grid's KeyPress, KeyDown, RowColChange, Click and LostFocus events.
    void attach();

    void KeyPress(int& keyAscii);
    void KeyDown(int& keyCode, int shift);
    void RowColChange();
    void Click();
    void LostFocus();

    // Checks the current cell and erases it when refused; true when accepted.
    bool checkCurrentCell();
    // The record (blnCellEdited, intEditRow, intEditCol): the last cell whose text a
    // character or Backspace changed, until a click on another cell that accepts it
    // confirms it. True when it lies in this grid as it is laid out now.
    bool holdsEntry() const;
    // Checks and stores the recorded cell while it holds text, as leaving it would,
    // whether its text was typed or shortened by Backspace, and whether it is still
    // current or not; the record stays, so the typing can go on. False when refused:
    // the cell is erased, current, and keeps the keyboard.
    bool commitEntry();
    // Makes (row, col) current and the start of the selection; the next character
    // typed replaces the cell, even when it was current already.
    void moveTo(int row, int col);
    void moveToLastCell();

    pf::Grid& grid() { return grid_; }
    const GridEditRules& rules() const { return rules_; }

private:
    bool refused(int result) const;
    // Backspace and Delete.
    void editKey(int keyCode);
    // Makes the recorded cell current and checks it when it holds text. Accepted: the
    // cell current before is current again. Refused: the recorded cell is erased and
    // stays current.
    bool checkRecordedCell();
    // The record's cell (intEditRow, intEditCol).
    static pf::GridCell recordedCell();
    // Makes the current cell the record.
    void recordCurrentCell();
    void tab(int step);
    // The next character replaces the cell: nothing typed into it since it became
    // current, or the main window has handed the keyboard back since.
    bool startsNewEntry() const;
    pf::Grid& grid_;
    GridEditRules rules_;
    // Set by a hand-back, cleared as an entry starts. The entry before it stays pending
    // (blnTypingStarted) until it is checked, so a command chosen next can still store it.
    bool handedBack_ = false;
};

// The entry being typed, in whichever grid holds it, committed as GridEditor::
// commitEntry does; true when there is none. Run before a command lays a grid out
// again, so that nothing typed is dropped, and, as the commit of every module with
// a grid editor, before the commands that read the grids (Save, Solve, Print, Save
// As Text File).
bool commitEntryBeingTyped();

}  // namespace qv
