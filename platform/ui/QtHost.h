#pragma once
#include <memory>

#include "platform/ui/Host.h"

namespace pf {

// The host of the running program: real dialogs and nested event loops.
std::unique_ptr<Host> makeQtHost();

}  // namespace pf
