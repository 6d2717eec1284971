#pragma once
// What every test of windows starts from: no window loaded, the initial shared
// state, and a scripted host with no answers queued and an empty transcript.
#include "platform/ui/Form.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/frmModuleSelection.h"

namespace qvtest {

inline void resetProgram() {
    pf::unloadAll();
    qv::resetState();
    pf::scriptedHost().transcript.clear();
    pf::scriptedHost().clearAnswers();
}

// The main window alone, without the module chooser it opens, with `module` current;
// the shared state is otherwise kept.
inline void mainWindowAlone(int module) {
    pf::unloadAll();
    pf::collectUnloaded();
    frmMenu();
    pf::Unload<FrmModuleSelection>();
    pf::collectUnloaded();
    qv::S().intCurrentModule = module;
}

}  // namespace qvtest
