#pragma once
// The common dialog control: open, save and printer dialogs through the host.
// A cancelled dialog raises error 32755 when CancelError is set.
#include <string>

namespace pf {

enum CommonDialogFlags : long {
    cdlOFNOverwritePrompt = 0x2,
    cdlOFNHideReadOnly = 0x4,
    cdlOFNPathMustExist = 0x800,
    cdlOFNFileMustExist = 0x1000,
    cdlOFNCreatePrompt = 0x2000,
    cdlPDReturnDC = 0x100,
    cdlPDNoSelection = 0x4,
    cdlPDNoPageNums = 0x8,
    cdlPDHidePrintToFile = 0x100000,
};

class CommonDialog {
public:
    explicit CommonDialog(std::string name) : name_(std::move(name)) {}
    const std::string& Name() const { return name_; }
    std::string FileName;
    std::string DialogTitle;
    std::string Filter;
    std::string DefaultExt;
    std::string InitDir;
    long Flags = 0;
    bool CancelError = false;
    int FilterIndex = 1;

    void ShowOpen();
    void ShowSave();
    void ShowPrinter();

private:
    std::string name_;
};

}  // namespace pf
