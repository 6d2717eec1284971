#include "platform/ui/ScriptedHost.h"

#include <QCoreApplication>

#include <iostream>

#include "platform/core/PageLayout.h"
#include "platform/ui/Form.h"

namespace pf {

namespace {
std::string quoted(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n";
        else if (c == '\f') out += "\\f";
        else if (c == '"') out += "\\\"";
        else out += c;
    }
    return out + "\"";
}

// Records what is printed, page by page, and writes it to the transcript at the
// end of the document.
class RecordingPrinter : public Printer {
public:
    explicit RecordingPrinter(ScriptedHost& h) : host_(h) {}
    void text(const std::string& piece) override { sink_.text(piece); started_ = true; }
    void endLine() override { sink_.endLine(); started_ = true; }
    void newPage() override { sink_.newPage(); }
    void EndDoc() override {
        sink_.finish();
        host_.note("PRINTER END DOCUMENT font=" + quoted(FontName) + " size=" +
                   std::to_string(static_cast<int>(FontSize)));
        int page = 1;
        for (const auto& lines : sheetsOf(sink_.pages())) {
            host_.note("  --- page " + std::to_string(page++));
            for (const auto& l : lines) host_.note("  |" + l);
        }
        sink_ = RecordingReportSink();
        started_ = false;
    }
private:
    ScriptedHost& host_;
    RecordingReportSink sink_;
    bool started_ = false;
};

ScriptedHost* g_current = nullptr;
}  // namespace

std::string describeStyle(int style) {
    std::string icon;
    switch (style & 0x70) {
        case vbCritical: icon = "critical"; break;
        case vbQuestion: icon = "question"; break;
        case vbExclamation: icon = "exclamation"; break;
        case vbInformation: icon = "information"; break;
        default: icon = "none"; break;
    }
    std::string buttons;
    switch (style & 0x7) {
        case vbOKCancel: buttons = "OK/Cancel"; break;
        case vbYesNo: buttons = "Yes/No"; break;
        default: buttons = "OK"; break;
    }
    return icon + " " + buttons;
}

std::string buttonName(int button) {
    switch (button) {
        case vbOK: return "OK";
        case vbCancel: return "Cancel";
        case vbYes: return "Yes";
        case vbNo: return "No";
        default: return std::to_string(button);
    }
}

ScriptedHost::ScriptedHost() : printer_(std::make_unique<RecordingPrinter>(*this)) { g_current = this; }
ScriptedHost::~ScriptedHost() {
    if (g_current == this) g_current = nullptr;
}

ScriptedHost& scriptedHost() {
    if (!g_current) throw std::logic_error("no scripted host installed");
    return *g_current;
}

void ScriptedHost::note(const std::string& line) {
    transcript.push_back(line);
    if (echo) std::cout << line << "\n";
}

ScriptedHost::Answer ScriptedHost::next(Answer::Kind kind, const std::string& what) {
    if (queue_.empty() || queue_.front().kind != kind) {
        note("UNEXPECTED " + what);
        throw ScriptFailure("unexpected interaction: " + what);
    }
    Answer a = std::move(queue_.front());
    queue_.pop_front();
    return a;
}

int ScriptedHost::messageBox(const std::string& text, int style, const std::string& title) {
    std::string what = "MSGBOX " + quoted(title) + " " + describeStyle(style) + " " + quoted(text);
    Answer a = next(Answer::Message, what);
    int buttons = style & 0x7;
    bool allowed = (buttons == vbOKOnly && a.button == vbOK) ||
                   (buttons == vbOKCancel && (a.button == vbOK || a.button == vbCancel)) ||
                   (buttons == vbYesNo && (a.button == vbYes || a.button == vbNo));
    if (!allowed) {
        note("UNEXPECTED " + what + " cannot be answered " + buttonName(a.button));
        throw ScriptFailure("message box answer does not fit its buttons: " + what);
    }
    note(what + " -> " + buttonName(a.button));
    return a.button;
}

std::string ScriptedHost::inputBox(const std::string& prompt, const std::string& title,
                                   const std::string& defaultText) {
    std::string what = "INPUTBOX " + quoted(title) + " " + quoted(prompt) + " default=" + quoted(defaultText);
    Answer a = next(Answer::Input, what);
    note(what + " -> " + (a.cancel ? std::string("Cancel") : quoted(a.text)));
    return a.cancel ? std::string() : a.text;
}

std::optional<std::string> ScriptedHost::fileDialog(const FileDialogRequest& r) {
    std::string what = std::string(r.kind == FileDialogRequest::Open ? "OPEN" : "SAVE") +
                       " DIALOG " + quoted(r.title) + " filter=" + quoted(r.filter) +
                       " ext=" + quoted(r.defaultExt);
    Answer a = next(Answer::File, what);
    note(what + " -> " + (a.cancel ? std::string("Cancel") : quoted(a.text)));
    if (a.cancel) return std::nullopt;
    return a.text;
}

bool ScriptedHost::printerDialog() {
    Answer a = next(Answer::PrinterDialog, "PRINTER DIALOG");
    note(std::string("PRINTER DIALOG -> ") + (a.cancel ? "Cancel" : "OK"));
    return !a.cancel;
}

Printer& ScriptedHost::printer() { return *printer_; }

void ScriptedHost::runModal(Form& form) {
    Answer a = next(Answer::Modal, "MODAL " + form.Name());
    if (a.formName != form.Name()) {
        note("UNEXPECTED MODAL " + form.Name() + " (expected " + a.formName + ")");
        throw ScriptFailure("modal form " + form.Name() + " shown, " + a.formName + " expected");
    }
    note("MODAL " + form.Name());
    form.setModalRunning(true);
    try {
        if (a.actions) a.actions(form);
    } catch (...) {
        form.setModalRunning(false);
        throw;
    }
    bool stillOpen = false;
    for (Form* f : forms::loaded())
        if (f == &form && form.Visible()) stillOpen = true;
    if (stillOpen) {
        form.setModalRunning(false);
        note("UNEXPECTED modal form " + form.Name() + " still open after its actions");
        throw ScriptFailure("modal form " + form.Name() + " still open after its actions");
    }
    form.setModalRunning(false);
    note("END MODAL " + form.Name());
}

void ScriptedHost::beep() { note("BEEP"); }

void ScriptedHost::setBusyCursor(bool busy) {
    if (busy == busy_) return;
    busy_ = busy;
    note(busy ? "CURSOR busy" : "CURSOR normal");
}

void ScriptedHost::doEvents() { QCoreApplication::processEvents(); }

void ScriptedHost::endProgram() {
    note("PROGRAM ENDED");
    throw ProgramEnded();
}

}  // namespace pf
