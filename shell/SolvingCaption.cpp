#include "shell/SolvingCaption.h"

#include "platform/ui/Host.h"
#include "shell/frmMenu.h"

namespace qv {

namespace {
void show(const std::string& text) {
    FrmMenu& m = frmMenu();
    m.lblmoduleindicator.Caption(text);
    m.lblmoduleindicator.Refresh();
}
}  // namespace

SolvingCaption::SolvingCaption() : saved_(frmMenu().lblmoduleindicator.Caption()) {
    show("Solving Problem . . .");
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
    show(saved_);
}

}  // namespace qv
