#include "shell/Modules.h"

#include <array>

#include "platform/ui/Form.h"
#include "shell/core/State.h"

namespace qv {

namespace {
std::array<ModuleProcedures, 13> g_modules;  // index = module number; 0 unused
ModuleProcedures g_none;                     // any other number: stays empty
bool g_registered = false;

void ensureRegistered() {
    if (g_registered) return;
    g_registered = true;
    registerModules();
}
}  // namespace

ModuleProcedures& modules(int module) {
    ensureRegistered();
    if (module < 1 || module > 12) {
        g_none = ModuleProcedures();
        return g_none;
    }
    return g_modules[static_cast<std::size_t>(module)];
}

ModuleProcedures& currentModule() { return modules(S().intCurrentModule); }

CellValidators& cellValidators() {
    ensureRegistered();
    static CellValidators v;
    return v;
}

const char* homeScreenName(int module) {
    switch (module) {
        case 1:
        case 4: return "frmLPproblem";
        case 10: return "frmDecisionProblem";
        default: return "frmProblem";
    }
}

pf::Form* loadedWindow(const std::string& name) { return pf::forms::find(name); }

void unloadWindow(const std::string& name) {
    if (pf::Form* f = loadedWindow(name)) pf::Unload(*f);
}

void hideWindow(const std::string& name) {
    if (pf::Form* f = loadedWindow(name)) f->Hide();
}

bool solutionShown() {
    pf::Form* f = loadedWindow("frmSolution");
    return f && f->Visible();
}

}  // namespace qv
