#pragma once
// The host for tests: answers come from a queue the test fills, every interaction
// is written to a transcript, and an interaction nobody expected fails at once.
#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/ui/Host.h"

namespace pf {

class ScriptFailure : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// Thrown when the program ends itself (File Exit) so that a test can see it.
class ProgramEnded : public std::runtime_error {
public:
    ProgramEnded() : std::runtime_error("program ended") {}
};

class ScriptedHost : public Host {
public:
    struct Answer {
        enum Kind { Message, Input, File, PrinterDialog, Modal };
        Kind kind = Message;
        int button = vbOK;         // Message
        std::string text;          // Input text, File path
        bool cancel = false;       // Input, File, PrinterDialog
        std::string formName;      // Modal
        std::function<void(Form&)> actions;  // Modal
    };

    ScriptedHost();
    ~ScriptedHost() override;

    void expectMessage(int button) { queue_.push_back({Answer::Message, button, {}, false, {}, {}}); }
    void expectInput(const std::string& text) { queue_.push_back({Answer::Input, 0, text, false, {}, {}}); }
    void expectInputCancel() { queue_.push_back({Answer::Input, 0, {}, true, {}, {}}); }
    void expectFile(const std::string& path) { queue_.push_back({Answer::File, 0, path, false, {}, {}}); }
    void expectFileCancel() { queue_.push_back({Answer::File, 0, {}, true, {}, {}}); }
    void expectPrinter(bool ok) { queue_.push_back({Answer::PrinterDialog, 0, {}, !ok, {}, {}}); }
    void expectModal(const std::string& form, std::function<void(Form&)> actions) {
        queue_.push_back({Answer::Modal, 0, {}, false, form, std::move(actions)});
    }
    bool allAnswersUsed() const { return queue_.empty(); }
    std::size_t pendingAnswers() const { return queue_.size(); }
    void clearAnswers() { queue_.clear(); }

    std::vector<std::string> transcript;
    // Echo of each interaction to stdout as it happens (scenario runner).
    bool echo = false;
    void note(const std::string& line);

    int messageBox(const std::string& text, int style, const std::string& title) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    std::optional<std::string> fileDialog(const FileDialogRequest& request) override;
    bool printerDialog() override;
    Printer& printer() override;
    void runModal(Form& form) override;
    void beep() override;
    void setBusyCursor(bool busy) override;
    void doEvents() override;
    void endProgram() override;

    bool busy() const { return busy_; }

private:
    Answer next(Answer::Kind kind, const std::string& what);
    std::deque<Answer> queue_;
    std::unique_ptr<Printer> printer_;
    bool busy_ = false;
};

// The installed scripted host (tests install one before they run).
ScriptedHost& scriptedHost();

// Describes a message box style for transcripts: "critical OK".
std::string describeStyle(int style);
std::string buttonName(int button);

}  // namespace pf
