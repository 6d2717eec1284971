#pragma once
// Every modal interaction of the program passes through one host: the Qt host
// shows real dialogs; the scripted host answers from a queue set up by a test and
// records what was asked, failing at once on anything unexpected.
#include <memory>
#include <optional>
#include <string>

#include "platform/core/Report.h"

namespace pf {

class Form;

// Message box buttons, icon and default button, combined by addition.
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton1 = 0,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};
enum MsgBoxResult : int { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

struct FileDialogRequest {
    enum Kind { Open, Save };
    Kind kind = Open;
    std::string title;
    std::string filter;      // "description|pattern|description|pattern"
    std::string defaultExt;  // appended when the typed name has no extension
    std::string initDir;
    std::string fileName;
    long flags = 0;
};

// The printer: a report sink with a font and a document.
class Printer : public ReportSink {
public:
    std::string FontName = "Courier New";
    double FontSize = 12;
    virtual void EndDoc() = 0;
};

class Host {
public:
    virtual ~Host() = default;
    // Returns one of MsgBoxResult; closing the box counts as Cancel or No.
    virtual int messageBox(const std::string& text, int style, const std::string& title) = 0;
    // Empty text on Cancel.
    virtual std::string inputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) = 0;
    // The chosen path, or nothing when cancelled.
    virtual std::optional<std::string> fileDialog(const FileDialogRequest& request) = 0;
    // False when cancelled.
    virtual bool printerDialog() = 0;
    virtual Printer& printer() = 0;
    // Runs a form modally; returns when the form is hidden or unloaded.
    virtual void runModal(Form& form) = 0;
    virtual void beep() = 0;
    virtual void setBusyCursor(bool busy) = 0;
    // Lets pending events run once.
    virtual void doEvents() = 0;
    // Ends the program at once: no question, no Unload handlers.
    virtual void endProgram() = 0;
};

Host& host();
void setHost(std::unique_ptr<Host> h);

// The design's facilities, over the host.
int MsgBox(const std::string& text, int style = vbOKOnly, const std::string& title = "");
std::string InputBox(const std::string& prompt, const std::string& title = "",
                     const std::string& defaultText = "");
void Beep();
// The busy cursor is set or reset, never stacked.
void SetBusyCursor(bool busy);
void DoEvents();
void End();

// Appends the default extension when the name has none; used by both hosts.
std::string withDefaultExtension(const std::string& path, const std::string& ext);
// True when a file name matches one of the filter's patterns (case-insensitive).
bool matchesFilterPattern(const std::string& fileName, const std::string& patterns);
// The same pattern matching either case of every letter ("*.lpm" -> "*.[lL][pP][mM]"),
// for file dialogs on a file system that tells cases apart.
std::string caseInsensitivePattern(const std::string& pattern);

}  // namespace pf
