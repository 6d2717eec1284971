#include "shell/GridEditor.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "platform/ui/Host.h"
#include "platform/ui/Keys.h"
#include "shell/CellChecks.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"

namespace qv {

namespace {
// The editors of the windows now loaded, to find the one holding the record.
std::vector<GridEditor*>& liveEditors() {
    static std::vector<GridEditor*> editors;
    return editors;
}
}  // namespace

bool isNumericKey(char c) { return (c >= '0' && c <= '9') || c == '-' || c == '.'; }

GridEditor::GridEditor(pf::Grid& grid, GridEditRules rules) : grid_(grid), rules_(std::move(rules)) {
    liveEditors().push_back(this);
    if (!rules_.role)
        rules_.role = [](const pf::Grid& g) {
            return g.Row() == 0 || g.Col() == 0 ? CellRole::Heading : CellRole::Data;
        };
    if (!rules_.acceptChar)
        rules_.acceptChar = [](const pf::Grid&, char c, bool) {
            return isNumericKey(c) ? CharVerdict::Accept : CharVerdict::Beep;
        };
    if (!rules_.check) rules_.check = [] { return CellChecks::kAccepted; };
}

GridEditor::~GridEditor() { std::erase(liveEditors(), this); }

void GridEditor::attach() {
    grid_.KeyPress = [this](int& a) { KeyPress(a); };
    grid_.KeyDown = [this](int& k, int s) { KeyDown(k, s); };
    grid_.RowColChange = [this] { RowColChange(); };
    grid_.Click = [this] { Click(); };
    grid_.LostFocus = [this] { LostFocus(); };
    // The focus coming from another control starts a new entry: no RowColChange
    // tells that when it lands on the cell already current.
    grid_.GotFocus = [] { S().blnTypingStarted = false; };
    // So does the keyboard given back by the main window, though no check ran.
    grid_.KeyboardHandedBack = [this] { handedBack_ = true; };
}

bool GridEditor::startsNewEntry() const { return !S().blnTypingStarted || handedBack_; }

bool GridEditor::refused(int result) const { return result == CellChecks::kRejected; }

bool GridEditor::checkCurrentCell() {
    if (!refused(rules_.check())) return true;
    grid_.Text("");
    return false;
}

bool GridEditor::holdsEntry() const {
    const auto& s = S();
    return s.blnCellEdited && s.editGridLayout == grid_.Layout();
}

void GridEditor::recordCurrentCell() {
    auto& s = S();
    s.intEditRow = grid_.Row();
    s.intEditCol = grid_.Col();
    s.blnCellEdited = true;
    s.editGridLayout = grid_.Layout();
    if (rules_.gridIndex >= 0) s.intEditGridIndex = rules_.gridIndex;
}

bool GridEditor::commitEntry() {
    if (!holdsEntry()) return true;
    // The value-too-large window is up: it has refused the cell already.
    if (S().blnErrorWindowOpen) return false;
    // Every key that leaves a cell checks it, so the recorded cell is normally still
    // current; should some later road leave it unchecked, it is checked where it stands.
    // Either way for the text it shows, whether a character or Backspace changed it last.
    if (checkRecordedCell()) return true;
    if (grid_.canTakeFocus()) grid_.SetFocus();
    return false;
}

pf::GridCell GridEditor::recordedCell() {
    const auto& s = S();
    return {static_cast<int>(s.intEditRow.num()), s.intEditCol};
}

bool GridEditor::checkRecordedCell() {
    const pf::GridCell cell = recordedCell();
    // An emptied cell is checked by Enter, Save and Solve only.
    if (grid_.TextMatrix(cell.row, cell.col).empty()) return true;
    const int userRow = grid_.Row(), userCol = grid_.Col();
    grid_.Row(cell.row);
    grid_.Col(cell.col);
    if (!checkCurrentCell()) return false;
    grid_.Row(userRow);
    grid_.Col(userCol);
    return true;
}

bool commitEntryBeingTyped() {
    for (GridEditor* e : liveEditors())
        if (e->holdsEntry()) return e->commitEntry();
    return true;
}

void GridEditor::moveTo(int row, int col) {
    grid_.Col(col);
    grid_.SelStartCol(col);
    grid_.Row(row);
    grid_.SelStartRow(row);
    S().blnTypingStarted = false;
}

void GridEditor::moveToLastCell() { moveTo(grid_.Rows() - 1, grid_.Cols() - 1); }

// Tab goes one cell on in reading order, Shift+Tab one cell back; past the grid's
// edge the rules say where.
void GridEditor::tab(int step) {
    const int row = grid_.Row(), nextCol = grid_.Col() + step;
    const int lastRow = grid_.Rows() - 1, lastCol = grid_.Cols() - 1;
    if (nextCol >= 1 && nextCol <= lastCol) {
        grid_.Col(nextCol);
        grid_.SelStartCol(nextCol);
    } else if (step > 0 && row < lastRow) {
        moveTo(row + 1, 1);
    } else if (step < 0 && row > grid_.FixedRows()) {
        moveTo(row - 1, lastCol);
    } else if (rules_.tabPastEdge) {
        rules_.tabPastEdge(step);
    } else if (step > 0) {
        moveTo(grid_.FixedRows(), 1);
    } else {
        moveToLastCell();
    }
}

void GridEditor::KeyPress(int& keyAscii) {
    auto& s = S();
    // Key-down has already moved on; the cell Tab lands on (the transportation
    // corner among them) is not being typed into.
    if (keyAscii == pf::vbKeyTab) {
        keyAscii = 0;
        return;
    }
    switch (rules_.role(grid_)) {
        case CellRole::Heading:
            return;
        case CellRole::Locked:
            pf::Beep();
            return;
        case CellRole::Data:
            break;
    }
    if (keyAscii == pf::vbKeyBack || keyAscii == pf::vbKeyReturn) {
        keyAscii = 0;  // the key-down handler has dealt with them
        return;
    }
    const char c = static_cast<char>(keyAscii);
    switch (rules_.acceptChar(grid_, c, startsNewEntry())) {
        case CharVerdict::Beep:
            pf::Beep();
            keyAscii = 0;
            return;
        case CharVerdict::Refuse:
            keyAscii = 0;
            return;
        case CharVerdict::Accept:
            break;
    }
    if (startsNewEntry()) {
        handedBack_ = false;
        grid_.Text("");
        s.strCellBuffer.clear();
        s.blnTypingStarted = true;
    }
    // Every character makes the cell the record, also one that goes on with an entry
    // after a click on its own cell or a check that kept it current.
    recordCurrentCell();
    s.strCellBuffer += c;
    grid_.Text(s.strCellBuffer);
}

void GridEditor::KeyDown(int& keyCode, int shift) {
    auto& s = S();
    s.strCellBuffer = grid_.Text();
    if (shift == pf::vbAltMask) {
        // Alt only lends the main window its menu bar: the key moves nothing, and the
        // entry goes on.
        const bool handedBack = handedBack_;
        frmMenu().SetFocus();
        handedBack_ = handedBack;
        keyCode = 0;
        return;
    }
    // Every key the grid moves its current cell on leaves the cell, as do Enter and Tab,
    // which move it here.
    const std::optional<pf::GridCell> to = grid_.cellAfterKey(keyCode, shift);
    if (!to && keyCode != pf::vbKeyReturn && keyCode != pf::vbKeyTab) {
        if (keyCode == pf::vbKeyBack || keyCode == pf::vbKeyDelete) editKey(keyCode);
        return;
    }

    // Leaving the cell: commit what was typed, then check it.
    grid_.Text(s.strCellBuffer);
    s.strCellBuffer.clear();
    if (!grid_.Text().empty() || keyCode == pf::vbKeyReturn) {
        if (!checkCurrentCell()) {
            keyCode = 0;
            return;
        }
    }

    const int row = grid_.Row();
    const bool lastRowSilent = rules_.lastRowBeepSuppressible && s.blnSuppressLastRowBeep;
    if (to) {
        // The grid moves itself. An arrow with nowhere to go beeps; Home, End and the page
        // keys there only check the cell.
        const bool nowhere = *to == pf::GridCell{row, grid_.Col()};
        if (nowhere && pf::isArrowKey(keyCode) && !(keyCode == pf::vbKeyDown && lastRowSilent)) pf::Beep();
        return;
    }
    // The grid scrolls to a current cell set by code, so Enter and Tab move it directly.
    if (keyCode == pf::vbKeyReturn) {
        if (row == grid_.Rows() - 1) {
            if (!lastRowSilent) pf::Beep();
        } else {
            grid_.Row(row + 1);
            grid_.SelStartRow(row + 1);
        }
        return;
    }
    tab(shift & pf::vbShiftMask ? -1 : 1);
    keyCode = 0;
}

void GridEditor::editKey(int keyCode) {
    auto& s = S();
    // Only a data cell's text changes. The locked cell beeps, for Backspace as its
    // key-press does for any character.
    switch (rules_.role(grid_)) {
        case CellRole::Heading: return;
        case CellRole::Locked:
            if (keyCode == pf::vbKeyDelete) pf::Beep();
            return;
        case CellRole::Data: break;
    }
    if (keyCode == pf::vbKeyDelete) {
        // Delete only empties the cell, which needs no check: no record.
        if (startsNewEntry()) grid_.Text("");
        return;
    }
    if (!grid_.Text().empty()) {
        s.strCellBuffer.pop_back();
        grid_.Text(s.strCellBuffer);
        // The cell's text has changed: it is the record, to be checked as it is left or
        // read. Typing is not started, so the next character still replaces the whole
        // text when it would have before.
        recordCurrentCell();
    } else {
        pf::Beep();
    }
}

void GridEditor::RowColChange() { S().blnTypingStarted = false; }

void GridEditor::Click() {
    auto& s = S();
    if (!holdsEntry()) return;
    // A click on the recorded cell itself (or on a heading, which leaves it current)
    // lets the entry go on: the cell is checked, but only a click that another cell
    // takes confirms it and ends the record. A click elsewhere leaves an emptied cell
    // unchecked and ends its record, so a refused cell, once empty, can be left.
    const bool stays = pf::GridCell{grid_.Row(), grid_.Col()} == recordedCell();
    if (!checkRecordedCell()) {
        if (rules_.refocusOnClickReject) grid_.SetFocus();
        return;
    }
    if (!stays) s.blnCellEdited = false;
}

void GridEditor::LostFocus() {
    auto& s = S();
    // The transportation value-too-large window checks the cell itself.
    if (s.blnErrorWindowOpen) return;
    if (rules_.gridIndex >= 0 && s.intEditGridIndex != rules_.gridIndex) return;
    if (grid_.Text().empty()) return;
    if (!checkCurrentCell() && grid_.canTakeFocus()) grid_.SetFocus();
}

}  // namespace qv
