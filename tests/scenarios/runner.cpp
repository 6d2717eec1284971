// Plays a scenario (a plain-text user story) against the real program, headless,
// and prints its transcript. With --check it compares the transcript with the
// expected one beside the scenario. At the end of every story each problem file it
// saved is opened again, and one that does not open fails the story.
// See README.md in this folder for the language.
#include <QApplication>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/Errors.h"
#include "platform/core/SeqFile.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Grid.h"
#include "platform/ui/Keys.h"
#include "platform/ui/ScriptedHost.h"
#include "shell/core/State.h"
#include "shell/frmModuleSelection.h"
#include "shell/frmMenu.h"
#include "shell/frmStartup.h"
#include "shell/qverror.h"

namespace fs = std::filesystem;

namespace {

struct Line {
    int number = 0;
    int indent = 0;
    std::vector<std::string> words;  // quoted words keep their text without quotes
};

class ScenarioError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::vector<std::string> splitWords(const std::string& s, int lineNo) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
        if (i >= s.size() || s[i] == '#') break;
        std::string w;
        if (s[i] == '"') {
            ++i;
            bool closed = false;
            while (i < s.size()) {
                if (s[i] == '\\' && i + 1 < s.size()) {
                    char n = s[i + 1];
                    w += n == 'n' ? '\n' : n == 't' ? '\t' : n;
                    i += 2;
                    continue;
                }
                if (s[i] == '"') { closed = true; ++i; break; }
                w += s[i++];
            }
            if (!closed) throw ScenarioError("line " + std::to_string(lineNo) + ": unclosed quote");
        } else {
            while (i < s.size() && s[i] != ' ' && s[i] != '\t') w += s[i++];
        }
        out.push_back(w);
    }
    return out;
}

std::vector<Line> parse(const std::string& text) {
    std::vector<Line> lines;
    std::istringstream in(text);
    std::string raw;
    int n = 0;
    while (std::getline(in, raw)) {
        ++n;
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        int indent = 0;
        while (indent < static_cast<int>(raw.size()) && (raw[indent] == ' ' || raw[indent] == '\t')) ++indent;
        auto words = splitWords(raw, n);
        if (words.empty()) continue;
        lines.push_back({n, indent, words});
    }
    return lines;
}

// How the scripted host marks an interaction nobody expected.
constexpr std::string_view kUnexpected = "UNEXPECTED ";

// A problem file the story saved, and the module that saved it.
struct SavedFile {
    std::string path;
    int module = 0;
};

// The scripted host, noting every problem file a save dialog names.
class RunnerHost : public pf::ScriptedHost {
public:
    std::vector<SavedFile> saved;  // in the order first saved; a later save keeps its place
    bool readingBack = false;

    std::optional<std::string> fileDialog(const pf::FileDialogRequest& r) override {
        auto chosen = pf::ScriptedHost::fileDialog(r);
        // A problem's save dialog asks for the module's own extension; a text report's
        // asks for OUT.
        const qv::SharedState& S = qv::S();
        if (chosen && !readingBack && r.kind == pf::FileDialogRequest::Save && r.defaultExt == S.strProblemFileExt)
            noteSaved(pf::withDefaultExtension(*chosen, r.defaultExt), S.intCurrentModule);
        return chosen;
    }

    // Inventory and waiting lines end Open with the model's input form: the file has
    // been read by then, so the form is put away unanswered.
    void runModal(pf::Form& form) override {
        const int module = qv::S().intCurrentModule;
        if (readingBack && (module == 8 || module == 9)) {
            note("MODAL " + form.Name());
            form.Hide();
            return;
        }
        pf::ScriptedHost::runModal(form);
    }

private:
    void noteSaved(const std::string& path, int module) {
        const std::string key = fs::path(path).lexically_normal().string();
        for (SavedFile& f : saved) {
            if (f.path == key) {
                f.module = module;
                return;
            }
        }
        saved.push_back({key, module});
    }
};

class Runner {
public:
    Runner(fs::path workDir, RunnerHost& host) : work_(std::move(workDir)), host_(host) {}

    // One transcript: the runner's lines and the host's notes, in order.
    void say(const std::string& s) { pf::scriptedHost().note(s); }

    // Plays the lines; returns the line said when the story ended early or left answers
    // unused, empty otherwise.
    std::string run(const std::vector<Line>& lines) {
        auto& h = host_;
        std::string end;
        std::size_t i = 0;
        try {
            while (i < lines.size()) {
                const Line& l = lines[i];
                if (l.words[0] == "modal") {
                    // The indented lines after it are acted out when the form shows.
                    std::vector<Line> body;
                    std::size_t j = i + 1;
                    while (j < lines.size() && lines[j].indent > l.indent) body.push_back(lines[j++]);
                    need(l, 2);
                    say("> modal " + l.words[1]);
                    h.expectModal(l.words[1], [this, body](pf::Form& f) {
                        for (const Line& b : body) {
                            say("  > " + join(b.words));
                            act(b, &f);
                        }
                    });
                    i = j;
                    continue;
                }
                say("> " + join(l.words));
                act(l, nullptr);
                settle();
                ++i;
            }
            if (!h.allAnswersUsed()) end = "UNUSED ANSWERS " + std::to_string(h.pendingAnswers());
        } catch (const pf::ProgramEnded&) {
            end = "(the program has ended)";
        } catch (const pf::ScriptFailure& e) {
            end = std::string("FAILED: ") + e.what();
        } catch (const pf::RuntimeError& e) {
            end = "UNHANDLED RUN-TIME ERROR " + std::to_string(e.number()) + ": " + e.what();
        } catch (const ScenarioError& e) {
            end = std::string("SCENARIO ERROR: ") + e.what();
        }
        if (!end.empty()) say(end);
        return end;
    }

    // Opens again, in a fresh program, every problem file the story saved and is still
    // on disk, and says in the transcript which does not open. Nothing the reading shows
    // stays in the transcript. False when a file fails the check.
    bool readBackSavedFiles() {
        auto& h = host_;
        const std::vector<std::string> story = h.transcript;
        std::vector<std::string> verdicts;
        bool ok = true;
        for (const SavedFile& f : h.saved) {
            if (!fs::exists(f.path)) continue;  // a save that failed, or removed since
            const std::string refusal = openAgain(f);
            const bool declared = isDeclaredUnreadable(f.path);
            if (refusal.empty() && declared) {
                verdicts.push_back("FAILED: saved problem file " + f.path +
                                   " was declared unreadable but opens again");
                ok = false;
            } else if (!refusal.empty() && declared) {
                verdicts.push_back("UNREADABLE AS DECLARED: " + f.path + ": " + refusal);
            } else if (!refusal.empty()) {
                verdicts.push_back("FAILED: saved problem file " + f.path + " does not open again: " + refusal);
                ok = false;
            }
        }
        for (const std::string& d : unreadable_) {
            bool onDisk = false;
            for (const SavedFile& f : h.saved) onDisk = onDisk || (f.path == d && fs::exists(f.path));
            if (!onDisk) {
                verdicts.push_back("FAILED: expect-unreadable names " + d + ", which is no problem file the story saved");
                ok = false;
            }
        }
        h.transcript = story;
        for (const std::string& v : verdicts) say(v);
        return ok;
    }

private:
    bool isDeclaredUnreadable(const std::string& p) const {
        for (const std::string& d : unreadable_)
            if (d == p) return true;
        return false;
    }

    // The user's road to the file: the program started afresh, the module chosen, File >
    // Open. Returns what the program showed instead of the file's problem, or nothing.
    std::string openAgain(const SavedFile& f) {
        auto& h = host_;
        pf::unloadAll();
        pf::collectUnloaded();
        qv::resetState();
        h.clearAnswers();
        const std::size_t mark = h.transcript.size();
        const std::string option = "frmModuleSelection.optProblemType(" + std::to_string(f.module) + ")";
        h.readingBack = true;
        const std::string end = run({{0, 0, {"start"}},
                                     {0, 0, {"click", "frmStartup.cmdOK"}},
                                     {0, 0, {"click", option}},
                                     {0, 0, {"click", "frmModuleSelection.cmdOK"}},
                                     {0, 0, {"answer", "file", f.path}},
                                     {0, 0, {"menu", "mnuFileOpen"}}});
        h.readingBack = false;
        h.clearAnswers();
        pf::unloadAll();
        pf::collectUnloaded();
        // The message, window or question that nobody expected is the reader's refusal,
        // as the host noted it; failing that, whatever else ended the road.
        for (std::size_t k = mark; k < h.transcript.size(); ++k) {
            const std::string& l = h.transcript[k];
            if (l.rfind(kUnexpected, 0) == 0) return l.substr(kUnexpected.size());
        }
        return end;
    }

    static std::string join(const std::vector<std::string>& w) {
        std::string s;
        for (std::size_t k = 0; k < w.size(); ++k) {
            if (k) s += ' ';
            bool plain = !w[k].empty() && w[k].find_first_of(" \t\"") == std::string::npos;
            s += plain ? w[k] : "\"" + w[k] + "\"";
        }
        return s;
    }

    static void need(const Line& l, std::size_t n) {
        if (l.words.size() < n)
            throw ScenarioError("line " + std::to_string(l.number) + ": too few words for '" + l.words[0] + "'");
    }

    std::string path(const std::string& p) const {
        std::string s = p;
        auto pos = s.find("$TMP");
        if (pos != std::string::npos) s.replace(pos, 4, work_.string());
        return s;
    }

    // Pending keystrokes and deferred window deletions run, as between user actions.
    void settle() {
        pf::flushPendingKeys();
        QCoreApplication::processEvents();
        pf::collectUnloaded();
    }

    pf::Form& form(const std::string& name, pf::Form* current) {
        if (current && current->Name() == name) return *current;
        if (pf::Form* f = pf::forms::find(name)) return *f;
        throw ScenarioError("window " + name + " is not loaded");
    }

    // "frmX.ctl(3)" or, inside a modal block, "ctl(3)".
    pf::Control& control(const std::string& ref, pf::Form* current) {
        auto dot = ref.find('.');
        pf::Form* f = current;
        std::string name = ref;
        if (dot != std::string::npos) {
            f = &form(ref.substr(0, dot), current);
            name = ref.substr(dot + 1);
        }
        if (!f) throw ScenarioError("no window named in " + ref);
        pf::Control* c = f->control(name);
        if (!c) throw ScenarioError("window " + f->Name() + " has no control " + name);
        return *c;
    }

    template <typename T>
    T& as(pf::Control& c) {
        auto* t = dynamic_cast<T*>(&c);
        if (!t) throw ScenarioError(c.qualifiedName() + " is not of the kind this action needs");
        return *t;
    }

    void act(const Line& l, pf::Form* current) {
        auto& h = host_;
        const std::string& cmd = l.words[0];
        if (cmd == "start") {
            qv::startProgram();
        } else if (cmd == "click") {
            need(l, 2);
            pf::Control& c = control(l.words[1], current);
            if (!c.Visible() || !c.Enabled()) say("  (" + c.qualifiedName() + " cannot be clicked: hidden or disabled)");
            c.userClick();
        } else if (cmd == "dblclick") {
            need(l, 2);
            control(l.words[1], current).userDblClick();
        } else if (cmd == "set") {
            need(l, 3);
            pf::Control& c = control(l.words[1], current);
            as<pf::TextBox>(c).Text(l.words[2]);
        } else if (cmd == "focus") {
            need(l, 2);
            control(l.words[1], current).SetFocus();
        } else if (cmd == "select") {
            need(l, 3);
            pf::Control& c = control(l.words[1], current);
            for (std::size_t k = 2; k < l.words.size(); ++k) {
                int idx = std::stoi(l.words[k]);
                if (auto* lb = dynamic_cast<pf::ListBox*>(&c)) lb->userSelect(idx);
                else as<pf::ComboBox>(c).userSelect(idx);
            }
        } else if (cmd == "cell") {
            need(l, 4);
            as<pf::Grid>(control(l.words[1], current)).userClickCell(std::stoi(l.words[2]), std::stoi(l.words[3]));
        } else if (cmd == "type") {
            need(l, 2);
            for (const auto& k : pf::parseKeys(l.words[1])) {
                pf::Control* c = pf::focusedControl();
                if (!c) throw ScenarioError("no control has the focus to type into");
                c->deliverKey(k.keyCode, k.shift, k.ascii);
                pf::flushPendingKeys();
            }
        } else if (cmd == "menu") {
            need(l, 2);
            clickMenu(l.words[1]);
        } else if (cmd == "answer") {
            need(l, 3);
            const std::string& kind = l.words[1];
            const std::string& a = l.words[2];
            if (kind == "msgbox") {
                int b = a == "OK" ? pf::vbOK : a == "Cancel" ? pf::vbCancel : a == "Yes" ? pf::vbYes
                      : a == "No" ? pf::vbNo : 0;
                if (!b) throw ScenarioError("line " + std::to_string(l.number) + ": unknown button " + a);
                h.expectMessage(b);
            } else if (kind == "input") {
                if (a == "cancel") h.expectInputCancel(); else h.expectInput(a);
            } else if (kind == "file") {
                if (a == "cancel") h.expectFileCancel(); else h.expectFile(path(a));
            } else if (kind == "printer") {
                h.expectPrinter(a != "cancel");
            } else {
                throw ScenarioError("line " + std::to_string(l.number) + ": unknown answer kind " + kind);
            }
        } else if (cmd == "write") {
            // write "$TMP/name" "contents" : a fixture file, \n becomes CR LF.
            need(l, 3);
            std::string bytes;
            for (char ch : l.words[2]) {
                if (ch == '\n') bytes += "\r\n"; else bytes += ch;
            }
            std::ofstream(path(l.words[1]), std::ios::binary) << bytes;
        } else if (cmd == "expect-unreadable") {
            // A problem file the story saves on purpose that the program refuses.
            need(l, 2);
            unreadable_.push_back(fs::path(path(l.words[1])).lexically_normal().string());
        } else if (cmd == "report-error") {
            // A run-time failure reaching the error reporter, as a handler would pass it.
            need(l, 2);
            qverror::ReportError(pf::RuntimeError(std::stoi(l.words[1])));
            pf::Err().Clear();
        } else if (cmd == "dump") {
            need(l, 2);
            dump(l, current);
        } else {
            throw ScenarioError("line " + std::to_string(l.number) + ": unknown action " + cmd);
        }
    }

    void clickMenu(const std::string& name) {
        if (!pf::isLoaded<FrmMenu>()) throw ScenarioError("the main window is not loaded");
        pf::MenuItem* item = frmMenu().menuItem(name);
        if (!item) throw ScenarioError("no menu item " + name);
        std::vector<pf::MenuItem*> chain;
        for (pf::MenuItem* p = item->parent(); p; p = p->parent()) chain.insert(chain.begin(), p);
        for (pf::MenuItem* p : chain) {
            if (!p->Enabled() || !p->Visible()) {
                say("  (menu " + p->qualifiedName() + " cannot be opened: " +
                     (p->Visible() ? "disabled" : "hidden") + ")");
                return;
            }
            if (p->Opening) p->Opening();
        }
        if (!item->Enabled() || !item->Visible()) {
            say("  (menu item " + name + " cannot be chosen: " + (item->Visible() ? "disabled" : "hidden") + ")");
            return;
        }
        item->userChoose();
    }

    void dumpMenu(const pf::MenuItem& m, int depth) {
        std::string flags = std::string(m.Enabled() ? "enabled" : "disabled") + (m.Visible() ? "" : " hidden");
        say(std::string(static_cast<std::size_t>(depth * 2), ' ') + m.qualifiedName() + " \"" + m.Caption() +
             "\" " + flags);
        for (auto& c : m.children()) dumpMenu(*c, depth + 1);
    }

    void dump(const Line& l, pf::Form* current) {
        const std::string& what = l.words[1];
        if (what == "menus") {
            say("MENUS");
            for (auto& t : frmMenu().topMenus()) dumpMenu(*t, 1);
        } else if (what == "status") {
            say("STATUS \"" + frmMenu().lblmoduleindicator.Caption() + "\"");
        } else if (what == "windows") {
            std::string s = "WINDOWS";
            for (pf::Form* f : pf::forms::loaded()) s += " " + f->Name() + (f->Visible() ? "" : "(hidden)");
            say(s);
        } else if (what == "solution") {
            pf::Form* f = pf::forms::find("frmSolution");
            if (!f) { say("SOLUTION (no solution window)"); return; }
            say("SOLUTION");
            for (pf::Control* c : f->controls()) {
                if (auto* lab = dynamic_cast<pf::Label*>(c); lab && lab->Visible())
                    say("  title " + lab->Name() + " \"" + lab->Caption() + "\"");
            }
            for (pf::Control* c : f->controls()) {
                if (auto* g = dynamic_cast<pf::Grid*>(c)) {
                    for (int r = 0; r < g->Rows(); ++r) say("  |" + g->TextMatrix(r, 0));
                }
            }
        } else if (what == "grid") {
            need(l, 3);
            auto& g = as<pf::Grid>(control(l.words[2], current));
            say("GRID " + g.qualifiedName() + " rows=" + std::to_string(g.Rows()) + " cols=" +
                 std::to_string(g.Cols()) + " current=" + std::to_string(g.Row()) + "," + std::to_string(g.Col()));
            for (int r = 0; r < g.Rows(); ++r) {
                std::string row = "  ";
                for (int c = 0; c < g.Cols(); ++c) row += (c ? "|" : "") + g.TextMatrix(r, c);
                say(row);
            }
        } else if (what == "file") {
            need(l, 3);
            std::string p = path(l.words[2]);
            std::string bytes;
            try {
                bytes = pf::readFileBytes(p);
            } catch (const pf::RuntimeError& e) {
                say("FILE " + l.words[2] + " cannot be read: " + e.what());
                return;
            }
            say("FILE " + l.words[2]);
            std::string line;
            for (std::size_t k = 0; k < bytes.size(); ++k) {
                char ch = bytes[k];
                if (ch == '\r' && k + 1 < bytes.size() && bytes[k + 1] == '\n') {
                    say("  |" + line);
                    line.clear();
                    ++k;
                } else if (ch == '\f') {
                    line += "<FF>";
                } else if (ch == '\n') {
                    say("  |" + line + "<LF without CR>");
                    line.clear();
                } else {
                    line += ch;
                }
            }
            if (!line.empty()) say("  |" + line + "<no line end>");
        } else if (what == "control") {
            need(l, 3);
            pf::Control& c = control(l.words[2], current);
            std::string s = "CONTROL " + c.qualifiedName();
            if (auto* t = dynamic_cast<pf::TextBox*>(&c)) s += " text=\"" + t->Text() + "\"";
            if (auto* lb = dynamic_cast<pf::Label*>(&c)) s += " caption=\"" + lb->Caption() + "\"";
            if (auto* o = dynamic_cast<pf::OptionButton*>(&c)) s += std::string(" value=") + (o->Value() ? "true" : "false");
            if (auto* k = dynamic_cast<pf::CheckBox*>(&c)) s += " value=" + std::to_string(k->Value());
            if (auto* cb = dynamic_cast<pf::ComboBox*>(&c)) s += " text=\"" + cb->Text() + "\" index=" + std::to_string(cb->ListIndex());
            if (auto* lb = dynamic_cast<pf::ListBox*>(&c)) {
                s += " index=" + std::to_string(lb->ListIndex()) + " items=";
                for (int k = 0; k < lb->ListCount(); ++k) s += (k ? "|" : "") + lb->List(k);
            }
            s += c.Visible() ? " visible" : " hidden";
            s += c.Enabled() ? " enabled" : " disabled";
            say(s);
        } else if (what == "focus") {
            pf::Control* c = pf::focusedControl();
            pf::Form* f = pf::focusedForm();
            say("FOCUS " + (f ? f->Name() : std::string("(none)")) + (c ? "." + c->qualifiedName() : std::string()));
        } else {
            throw ScenarioError("line " + std::to_string(l.number) + ": unknown dump " + what);
        }
    }

    fs::path work_;
    RunnerHost& host_;
    std::vector<std::string> unreadable_;  // paths named by expect-unreadable
};

void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& msg) {
    if (msg.startsWith("This plugin does not support")) return;
    if (type == QtDebugMsg) return;
    fprintf(stderr, "%s\n", qPrintable(msg));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: qv_scenario FILE.scn [--check]\n";
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    qInstallMessageHandler(quietMessages);
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    auto owned = std::make_unique<RunnerHost>();
    RunnerHost* host = owned.get();
    pf::setHost(std::move(owned));

    fs::path scn = argv[1];
    bool check = argc > 2 && std::string(argv[2]) == "--check";
    std::ifstream in(scn, std::ios::binary);
    if (!in) {
        std::cerr << "cannot read " << scn << "\n";
        return 2;
    }
    std::stringstream buf;
    buf << in.rdbuf();

    // Each run gets its own folder for the files it writes.
    fs::path work = fs::temp_directory_path() / ("quorvane-scenario-" + std::to_string(::getpid()));
    fs::remove_all(work);
    fs::create_directories(work);

    Runner runner(work, *host);
    host->transcript.clear();
    try {
        runner.run(parse(buf.str()));
    } catch (const ScenarioError& e) {
        std::cerr << e.what() << "\n";
        return 2;
    }
    pf::unloadAll();
    const bool filesOpen = runner.readBackSavedFiles();
    fs::remove_all(work);

    std::string transcript;
    // The run's own folder is shown as $TMP, so transcripts do not depend on it.
    const std::string workText = work.string();
    for (std::string l : host->transcript) {
        for (auto pos = l.find(workText); pos != std::string::npos; pos = l.find(workText, pos + 4))
            l.replace(pos, workText.size(), "$TMP");
        transcript += l + "\n";
    }

    // A saved file that does not open fails the run even against an expected transcript
    // that shows it: a file refused on purpose is named by expect-unreadable.
    const int verdict = filesOpen ? 0 : 1;
    if (!filesOpen) std::cerr << "A problem file the story saved fails its check (see the transcript's FAILED lines).\n";
    if (!check) {
        std::cout << transcript;
        return verdict;
    }
    fs::path expected = scn;
    expected.replace_extension(".expected");
    std::ifstream ex(expected, std::ios::binary);
    if (!ex) {
        fs::path actual = scn;
        actual.replace_extension(".actual");
        std::ofstream(actual, std::ios::binary) << transcript;
        std::cerr << "No expected transcript; wrote " << actual << " to review.\n";
        return 1;
    }
    std::stringstream eb;
    eb << ex.rdbuf();
    if (eb.str() == transcript) return verdict;
    fs::path actual = scn;
    actual.replace_extension(".actual");
    std::ofstream(actual, std::ios::binary) << transcript;
    std::cerr << "Transcript differs from " << expected << "; actual written to " << actual << "\n";
    // Show the first difference.
    std::istringstream a(transcript), b(eb.str());
    std::string la, lb;
    int n = 0;
    while (true) {
        bool ga = static_cast<bool>(std::getline(a, la)), gb = static_cast<bool>(std::getline(b, lb));
        ++n;
        if (!ga && !gb) break;
        if (!ga || !gb || la != lb) {
            std::cerr << "line " << n << ":\n  expected: " << (gb ? lb : "(end)") << "\n  actual:   " << (ga ? la : "(end)") << "\n";
            break;
        }
    }
    return 1;
}
