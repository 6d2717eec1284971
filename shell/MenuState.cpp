#include "shell/MenuState.h"

#include "shell/core/State.h"
#include "shell/frmMenu.h"

namespace qv {

namespace {
void item(FrmMenu& m, int k, bool enabled) { (*m.mnudispeditsubs)(k).Enabled(enabled); }
void show(FrmMenu& m, int k, bool visible) { (*m.mnudispeditsubs)(k).Visible(visible); }
void caption(FrmMenu& m, int k, const char* c) { (*m.mnudispeditsubs)(k).Caption(c); }

void createEdit(FrmMenu& m, int k, const char* c) {
    auto& it = m.mnudispeditsubs->exists(k) ? (*m.mnudispeditsubs)(k) : m.mnudispeditsubs->Load(k);
    it.Caption(c);
    it.Enabled(true);
    it.Visible(true);
}
void removeEdit(FrmMenu& m, int from, int to) {
    for (int k = from; k <= to; ++k)
        if (m.mnudispeditsubs->exists(k)) m.mnudispeditsubs->Unload(k);
}
void createLower(FrmMenu& m, const char* c0, const char* c1, const char* c2, const char* c3) {
    auto& arr = *m.mnudispeditsubslower;
    const char* caps[4] = {c0, c1, c2, c3};
    for (int k = 0; k <= 3; ++k) {
        auto& it = arr.exists(k) ? arr(k) : arr.Load(k);
        it.Caption(caps[k]);
    }
}
void removeLower(FrmMenu& m) {
    for (int k = 1; k <= 3; ++k)
        if (m.mnudispeditsubslower->exists(k)) m.mnudispeditsubslower->Unload(k);
}
void displayEditShownDisabled(FrmMenu& m) {
    caption(m, 0, "&Display/Edit the Problem");
    show(m, 0, true);
    item(m, 0, false);
}
void problemMenus(FrmMenu& m) {
    m.mnudispedit->Enabled(true);
    m.mnuFileOpen->Enabled(true);
    m.mnuFileSave->Enabled(true);
    m.mnuFileChangeModules->Enabled(true);
    m.mnuSolution->Enabled(true);
}
void homeMenusOff(FrmMenu& m) {
    m.mnuFileNew->Enabled(false);
    m.mnuFileOpen->Enabled(false);
    m.mnuFileSave->Enabled(false);
    m.mnuFileChangeModules->Enabled(false);
    m.mnudispedit->Enabled(false);
    m.mnuSolution->Enabled(false);
}
}  // namespace

void enablePrintItems(bool enabled) {
    FrmMenu& m = frmMenu();
    m.mnuSolutionPrinttoPrinter->Enabled(enabled);
    m.mnuSolutionPrinttoText->Enabled(enabled);
}

void menuEvent(MenuEvent e) {
    FrmMenu& m = frmMenu();
    const int mod = S().intCurrentModule;
    switch (e) {
        case MenuEvent::HomeScreenLoaded:
            m.mnuFileNew->Enabled(true);
            m.mnuFileOpen->Enabled(true);
            m.mnuFileChangeModules->Enabled(true);
            switch (mod) {
                case 2:
                    createLower(m, "Add an Origin", "Add a Destination", "Delete an Origin",
                                "Delete a Destination");
                    break;
                case 3:
                    createLower(m, "Add an Agent", "Add a Task", "Delete an Agent", "Delete a Task");
                    break;
                case 7: case 8: case 9:
                    displayEditShownDisabled(m);
                    show(m, 1, false);
                    show(m, 2, false);
                    break;
                case 11:
                    displayEditShownDisabled(m);
                    show(m, 1, true);
                    createEdit(m, 3, "&Add Time Periods");
                    createEdit(m, 4, "&Delete Time Periods");
                    break;
                case 12:
                    show(m, 1, false);
                    show(m, 2, false);
                    break;
                case 1: case 4:
                    displayEditShownDisabled(m);
                    show(m, 1, true);
                    createEdit(m, 3, "Add Constraints");
                    createEdit(m, 4, "Delete Constraint");
                    createEdit(m, 5, "Add Variables");
                    createEdit(m, 6, "Delete Variable");
                    createEdit(m, 7, "Change Optimization Type");
                    break;
                case 10:
                    displayEditShownDisabled(m);
                    show(m, 1, false);
                    break;
                default: break;
            }
            break;

        case MenuEvent::ProblemLaidOut:
            problemMenus(m);
            switch (mod) {
                case 1: case 4: case 10:
                    item(m, 0, false);
                    break;
                case 2: case 3:
                    displayEditShownDisabled(m);
                    show(m, 1, true);
                    caption(m, 2, mod == 2 ? "&Add/Delete Origins or Destinations"
                                           : "&Add/Delete Agents or Tasks");
                    show(m, 2, true);
                    item(m, 2, true);
                    break;
                case 11:
                    show(m, 0, true);
                    item(m, 0, false);
                    break;
                case 12:
                    displayEditShownDisabled(m);
                    break;
                default: break;
            }
            break;

        case MenuEvent::NetworkLaidOut:
            problemMenus(m);
            caption(m, 0, "&Display/Edit the Problem");
            show(m, 0, true);
            show(m, 1, false);
            show(m, 2, false);
            break;

        case MenuEvent::ActivityWindowOpened:
            m.mnuFileSave->Enabled(true);
            m.mnudispedit->Enabled(true);
            m.mnuSolution->Enabled(true);
            break;

        case MenuEvent::ModelFormOpened:
            m.mnuFileSave->Enabled(true);
            m.mnuFile->Enabled(false);
            m.mnudispedit->Enabled(false);
            m.mnuSolution->Enabled(false);
            break;

        case MenuEvent::ModelFormClosed:
            m.mnuFile->Enabled(true);
            m.mnudispedit->Enabled(true);
            m.mnuSolution->Enabled(true);
            break;

        case MenuEvent::ModelFormSavedOrSolved:
            m.mnudispedit->Enabled(true);
            item(m, 0, true);
            m.mnuSolution->Enabled(true);
            break;

        case MenuEvent::ModelFormNewCancelled:
            m.mnuFileSave->Enabled(false);
            break;

        case MenuEvent::ModelFormStoredCancelled:
            m.mnudispedit->Enabled(true);
            item(m, 0, true);
            m.mnuSolution->Enabled(true);
            break;

        case MenuEvent::Solved:
            switch (mod) {
                case 1: case 4:
                    for (int k = 3; k <= 7; ++k)
                        if (m.mnudispeditsubs->exists(k)) item(m, k, false);
                    item(m, 0, true);
                    break;  // the engine switches Print and Save As Text File
                case 2: case 3:
                    item(m, 0, true);
                    item(m, 2, false);
                    enablePrintItems(true);
                    break;
                case 5: case 6: case 7: case 10: case 12:
                    item(m, 0, true);
                    enablePrintItems(true);
                    break;
                case 8: case 9:
                    enablePrintItems(true);
                    break;
                case 11:
                    for (int k = 3; k <= 4; ++k)
                        if (m.mnudispeditsubs->exists(k)) item(m, k, false);
                    item(m, 0, true);
                    enablePrintItems(true);
                    break;
                default: break;
            }
            break;

        case MenuEvent::DisplayEditChosen:
            switch (mod) {
                case 1: case 4:
                    enablePrintItems(false);
                    item(m, 0, false);
                    for (int k = 3; k <= 7; ++k)
                        if (m.mnudispeditsubs->exists(k)) item(m, k, true);
                    break;
                case 2: case 3:
                    enablePrintItems(false);
                    item(m, 0, false);
                    item(m, 2, true);
                    break;
                case 5: case 6: case 10: case 12:
                    enablePrintItems(false);
                    item(m, 0, false);
                    break;
                case 11:
                    for (int k = 3; k <= 4; ++k)
                        if (m.mnudispeditsubs->exists(k)) item(m, k, true);
                    enablePrintItems(false);
                    item(m, 0, false);
                    break;
                case 7:
                    item(m, 0, false);
                    break;
                default: break;
            }
            break;

        case MenuEvent::SolutionWindowClosed:
            enablePrintItems(false);
            break;

        case MenuEvent::HomeScreenUnloaded:
            switch (mod) {
                case 2: case 3:
                    show(m, 1, false);
                    show(m, 2, false);
                    removeLower(m);
                    break;
                case 11:
                    show(m, 1, false);
                    show(m, 2, false);
                    removeEdit(m, 3, 4);
                    break;
                case 1: case 4:
                    show(m, 1, false);
                    show(m, 2, false);
                    removeEdit(m, 3, 7);
                    break;
                default: break;
            }
            homeMenusOff(m);
            break;
    }
}

}  // namespace qv
