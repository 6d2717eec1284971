#include "shell/core/State.h"

namespace qv {

namespace {
SharedState& instance() {
    static SharedState state;
    return state;
}
}  // namespace

SharedState& S() { return instance(); }

void resetState() { instance() = SharedState{}; }

}  // namespace qv
