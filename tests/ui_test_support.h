#pragma once
// What every test of windows starts from: no window loaded, the initial shared
// state, and a scripted host with no answers queued and an empty transcript.
#include "platform/ui/Form.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/core/State.h"

namespace qvtest {

inline void resetProgram() {
    pf::unloadAll();
    qv::resetState();
    pf::scriptedHost().transcript.clear();
    pf::scriptedHost().clearAnswers();
}

}  // namespace qvtest
