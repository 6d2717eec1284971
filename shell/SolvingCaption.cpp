#include "shell/SolvingCaption.h"

#include "platform/ui/Host.h"
#include "shell/frmMenu.h"

namespace qv {

void showStatusCaption(const std::string& caption) {
    FrmMenu& m = frmMenu();
    m.lblmoduleindicator.Caption(caption);
    m.lblmoduleindicator.Refresh();
}

SolvingCaption::SolvingCaption() : saved_(frmMenu().lblmoduleindicator.Caption()) {
    showStatusCaption(kSolvingCaption);
    pf::SetBusyCursor(true);
}

SolvingCaption::~SolvingCaption() {
    try {
        restore();
        pf::SetBusyCursor(false);
    } catch (...) {
    }
}

void SolvingCaption::restore() {
    if (restored_) return;
    restored_ = true;
    showStatusCaption(saved_);
}

}  // namespace qv
