#include "platform/ui/CommonDialog.h"

#include "platform/core/Errors.h"
#include "platform/ui/Host.h"

namespace pf {

namespace {
bool fileDialog(CommonDialog& d, FileDialogRequest::Kind kind) {
    FileDialogRequest r;
    r.kind = kind;
    r.title = d.DialogTitle;
    r.filter = d.Filter;
    r.defaultExt = d.DefaultExt;
    r.initDir = d.InitDir;
    r.fileName = d.FileName;
    r.flags = d.Flags;
    auto chosen = host().fileDialog(r);
    if (!chosen) {
        if (d.CancelError) raise(errCancel);
        return false;
    }
    d.FileName = withDefaultExtension(*chosen, d.DefaultExt);
    return true;
}
}  // namespace

void CommonDialog::ShowOpen() { fileDialog(*this, FileDialogRequest::Open); }
void CommonDialog::ShowSave() { fileDialog(*this, FileDialogRequest::Save); }

void CommonDialog::ShowPrinter() {
    if (!host().printerDialog() && CancelError) raise(errCancel);
}

}  // namespace pf
