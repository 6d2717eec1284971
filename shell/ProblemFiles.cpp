#include "shell/ProblemFiles.h"

#include "platform/core/Errors.h"
#include "platform/core/SeqFile.h"
#include "platform/ui/Host.h"
#include "shell/Modules.h"
#include "shell/core/State.h"
#include "shell/frmMenu.h"
#include "shell/SolvingCaption.h"

namespace qv {

ProblemFileHooks problemFileHooks() {
    ModuleProcedures& p = currentModule();
    ProblemFileHooks h;
    h.sizeModule = p.sizeForFile;
    h.parseModel = p.parseModel;
    h.rebuildScreen = p.rebuildScreen;
    h.setStatusCaption = showStatusCaption;
    h.showModelForm = p.showInputForm;
    return h;
}

}  // namespace qv

void FrmMenu::WriteProblemFile() {
    qv::SharedState& S = qv::S();
    pf::SetBusyCursor(true);
    try {
        pf::FieldWriter out;
        qv::WriteProblemRecords(S, out);
        // Written beside the target and renamed over it only when complete, so a
        // failed save leaves the earlier file as it was.
        pf::writeFileAtomically(S.strProblemFileName, out.contents());
    } catch (const pf::RuntimeError&) {
        pf::SetBusyCursor(false);
        throw;
    }
    pf::SetBusyCursor(false);
}

void FrmMenu::ReadProblemFile() {
    qv::SharedState& S = qv::S();
    S.blnNewProblem = false;
    qv::ProblemFileHooks hooks = qv::problemFileHooks();
    pf::SetBusyCursor(true);
    try {
        pf::FieldReader in(pf::readFileBytes(S.strProblemFileName));
        qv::ReadProblemRecords(S, in, hooks);
    } catch (const pf::RuntimeError&) {
        // The message comes first; the cursor is restored once it is answered.
        pf::MsgBox(qv::kFileInputErrorText, pf::vbCritical + pf::vbOKOnly, qv::kFileInputErrorTitle);
        pf::SetBusyCursor(false);
        return;
    }
    pf::SetBusyCursor(false);
    // Inventory and waiting lines open their model form after the read has ended, so
    // a failure in the form is not taken for a bad file.
    qv::FinishProblemRead(S, hooks);
}
