#pragma once
// The main window's side of the problem files: busy cursor, the atomic write, the
// reader's hooks from the module registry and its one message.
#include "shell/core/ProblemFile.h"

namespace qv {

inline constexpr const char* kFileInputErrorText =
    "File Input Error.  Make sure this is a file for the current module.";
inline constexpr const char* kFileInputErrorTitle = "Error Opening File";

// The reader's hooks for the current module, from its registry entry.
ProblemFileHooks problemFileHooks();

}  // namespace qv
