// The home screens of the modules, opened by the chooser's OK.
#include "shell/frmModuleSelection.h"

namespace qv {

void showHomeScreen() {}

}  // namespace qv
