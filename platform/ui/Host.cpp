#include "platform/ui/Host.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "platform/ui/Keys.h"

namespace pf {

namespace {
std::unique_ptr<Host>& slot() {
    static std::unique_ptr<Host> h;
    return h;
}
}  // namespace

Host& host() {
    auto& h = slot();
    if (!h) throw std::logic_error("no host installed");
    return *h;
}

void setHost(std::unique_ptr<Host> h) { slot() = std::move(h); }

int MsgBox(const std::string& text, int style, const std::string& title) {
    return host().messageBox(text, style, title);
}

std::string InputBox(const std::string& prompt, const std::string& title,
                     const std::string& defaultText) {
    return host().inputBox(prompt, title, defaultText);
}

void Beep() { host().beep(); }
void End() { host().endProgram(); }
void SetBusyCursor(bool busy) { host().setBusyCursor(busy); }

void DoEvents() {
    flushPendingKeys();
    host().doEvents();
}

std::string withDefaultExtension(const std::string& path, const std::string& ext) {
    if (ext.empty()) return path;
    auto slash = path.find_last_of('/');
    std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    if (base.find('.') != std::string::npos) return path;
    return path + "." + ext;
}

static bool globMatch(const char* p, const char* s) {
    for (; *p; ++p, ++s) {
        if (*p == '*') {
            for (const char* t = s;; ++t) {
                if (globMatch(p + 1, t)) return true;
                if (!*t) return false;
            }
        }
        if (!*s) return false;
        if (*p != '?' && std::tolower(static_cast<unsigned char>(*p)) !=
                             std::tolower(static_cast<unsigned char>(*s)))
            return false;
    }
    return *s == 0;
}

std::string caseInsensitivePattern(const std::string& pattern) {
    std::string out;
    for (char c : pattern) {
        unsigned char u = static_cast<unsigned char>(c);
        if (std::isalpha(u)) {
            out += '[';
            out += static_cast<char>(std::tolower(u));
            out += static_cast<char>(std::toupper(u));
            out += ']';
        } else {
            out += c;
        }
    }
    return out;
}

bool matchesFilterPattern(const std::string& fileName, const std::string& patterns) {
    std::stringstream ss(patterns);
    std::string one;
    while (std::getline(ss, one, ';')) {
        if (globMatch(one.c_str(), fileName.c_str())) return true;
    }
    return false;
}

}  // namespace pf
