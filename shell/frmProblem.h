#pragma once
#include <initializer_list>
// The grid window: home screen of the modules without a window of their own, and the
// data-entry screen of transportation, assignment, networks, forecasting and Markov
// processes, whose set-up procedures shape gridDisplayEdit.
#include "platform/core/Errors.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Grid.h"
#include "shell/GridEditor.h"
#include "shell/qverror.h"

class FrmProblem : public pf::Form {
public:
    FrmProblem();
    void Form_Load() override;
    void Form_Unload(int& cancel) override;

    pf::Label txtLoadInfo{this, "txtLoadInfo"};
    pf::Label lblLoadInfo{this, "lblLoadInfo"};
    pf::Label lblInfo{this, "lblInfo"};
    pf::Label lblTitle{this, "lblTitle"};
    pf::Label lblgridcaption{this, "lblgridcaption"};
    pf::Grid gridDisplayEdit{this, "gridDisplayEdit"};

    // Checks and stores the current cell of gridDisplayEdit: 999 refused, else 0.
    void ValidateCell(int& result);

    void txtLoadInfo_Click();
    void lblInfo_Click();

    qv::GridEditor& editor() { return editor_; }

private:
    qv::GridEditor editor_;
};

FrmProblem& frmProblem();

namespace qv {

// One step of a home screen's Load: an object already loaded is passed over; any
// other failure is reported and ends the Load (false).
template <typename F>
bool loadStep(F&& fn) {
    try {
        fn();
    } catch (const pf::RuntimeError& e) {
        if (e.number() == pf::errObjectAlreadyLoaded) return true;
        qverror::ReportError(e);
        return false;
    }
    return true;
}

// A step that goes on when its window or object reports that it is loaded already;
// any other failure passes on.
template <typename F>
void tolerateLoaded(F&& fn) {
    try {
        fn();
    } catch (const pf::RuntimeError& e) {
        if (e.number() != pf::errObjectAlreadyLoaded) throw;
    }
}

// The first steps of every home screen's Load: the window at the top left, its
// labels' colours through the palette, and the module's menus. False ends the Load.
bool startHomeScreenLoad(pf::Form& window, std::initializer_list<pf::Control*> paletteLabels);

// The description and prompt labels of every home screen, in their places and look.
void homeInfoLabel(pf::Label& l);
void layoutHomeInfoLabels(pf::Label& description, pf::Label& prompt);
// The description with the start prompt below it.
void showHomePrompt(pf::Label& description, pf::Label& prompt);

// The end of a grid layout: a new problem starts at the first cell with the focus in
// the grid (when it can take it); an opened one leaves the focus to the main window.
void focusLaidOutGrid(FrmProblem& f, bool newProblem);

// Sizes a data grid to its rows and columns where it stands, within its window (the
// design's margins right of it and under it kept), so no empty panel shows around a
// small table and a large one scrolls inside the window.
void fitGridToWindow(pf::Grid& g);

// The start prompt of every home screen.
inline constexpr const char* kHomePrompt =
    "  Select 'File' and click 'New' or 'Open' to work with a problem.";

}  // namespace qv
