#include "platform/ui/Keys.h"

#include <cctype>
#include <cstdlib>
#include <deque>
#include <map>
#include <string_view>

#include "platform/core/Errors.h"
#include "platform/ui/Form.h"

namespace pf {

int keyCodeForCharacter(unsigned ch) {
    if (ch >= 'a' && ch <= 'z') return static_cast<int>(ch - 'a' + 'A');
    if ((ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9')) return static_cast<int>(ch);
    if (ch == ' ') return vbKeySpace;
    static const std::string_view shiftedDigits = ")!@#$%^&*(";
    if (ch < 128) {
        if (auto at = shiftedDigits.find(static_cast<char>(ch)); at != std::string_view::npos)
            return '0' + static_cast<int>(at);
    }
    switch (ch) {
        case ';': case ':': return 186;
        case '=': case '+': return 187;
        case ',': case '<': return 188;
        case '-': case '_': return 189;
        case '.': case '>': return 190;
        case '/': case '?': return 191;
        case '`': case '~': return 192;
        case '[': case '{': return 219;
        case '\\': case '|': return 220;
        case ']': case '}': return 221;
        case '\'': case '"': return 222;
        default: return vbKeyPacket;
    }
}

std::vector<KeyStroke> parseKeys(const std::string& text) {
    static const std::map<std::string, KeyStroke> named = {
        {"ENTER", {vbKeyReturn, 0, 13}}, {"TAB", {vbKeyTab, 0, 9}},
        {"BKSP", {vbKeyBack, 0, 8}},     {"BACKSPACE", {vbKeyBack, 0, 8}},
        {"BS", {vbKeyBack, 0, 8}},       {"DEL", {vbKeyDelete, 0, 0}},
        {"DELETE", {vbKeyDelete, 0, 0}}, {"ESC", {vbKeyEscape, 0, 27}},
        {"ALT", {vbKeyMenu, vbAltMask, 0}},
        {"SPACE", {vbKeySpace, 0, ' '}}, {"S-TAB", {vbKeyTab, vbShiftMask, 9}},
        {"INS", {vbKeyInsert, 0, 0}},    {"INSERT", {vbKeyInsert, 0, 0}},
    };
    // The keys that move in a grid or a list, alone or after S-, C- or A-.
    static const std::map<std::string, int> moving = {
        {"UP", vbKeyUp},     {"DOWN", vbKeyDown}, {"LEFT", vbKeyLeft},     {"RIGHT", vbKeyRight},
        {"HOME", vbKeyHome}, {"END", vbKeyEnd},   {"PGUP", vbKeyPageUp}, {"PGDN", vbKeyPageDown},
    };
    static const std::map<char, int> held = {{'S', vbShiftMask}, {'C', vbCtrlMask}, {'A', vbAltMask}};
    auto movingKey = [](const std::string& name, KeyStroke& k) {
        int shift = 0;
        std::string key = name;
        if (name.size() > 2 && name[1] == '-') {
            auto h = held.find(name[0]);
            if (h == held.end()) return false;
            shift = h->second;
            key = name.substr(2);
        }
        auto m = moving.find(key);
        if (m == moving.end()) return false;
        k = {m->second, shift, 0};
        return true;
    };
    std::vector<KeyStroke> out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '{') {
            auto close = text.find('}', i + 1);
            if (close == std::string::npos) raise(errInvalidCall);
            std::string name = text.substr(i + 1, close - i - 1);
            if (name.size() >= 2 && name.size() <= 3 && name[0] == 'F' && std::isdigit(static_cast<unsigned char>(name[1]))) {
                const int n = std::atoi(name.c_str() + 1);
                if (n < 1 || n > 12) raise(errInvalidCall);
                out.push_back({vbKeyF1 + n - 1, 0, 0});
                i = close;
                continue;
            }
            KeyStroke k;
            if (auto it = named.find(name); it != named.end()) k = it->second;
            else if (!movingKey(name, k)) raise(errInvalidCall);
            out.push_back(k);
            i = close;
            continue;
        }
        if (c == '^' && i + 1 < text.size()) {
            // Ctrl with a letter: a chord, no character.
            const char l = static_cast<char>(std::toupper(static_cast<unsigned char>(text[i + 1])));
            if (l < 'A' || l > 'Z') raise(errInvalidCall);
            out.push_back({l, vbCtrlMask, 0});
            ++i;
            continue;
        }
        KeyStroke k;
        unsigned char u = static_cast<unsigned char>(c);
        k.ascii = u;
        k.keyCode = keyCodeForCharacter(u);
        if ((c >= 'A' && c <= 'Z') || c == '+') k.shift = vbShiftMask;
        out.push_back(k);
    }
    return out;
}

namespace {
std::deque<KeyStroke>& pending() {
    static std::deque<KeyStroke> q;
    return q;
}
void deliver(const KeyStroke& k) {
    if (Control* c = focusedControl()) c->deliverKey(k.keyCode, k.shift, k.ascii);
}
}  // namespace

void SendKeys(const std::string& keys, bool wait) {
    auto strokes = parseKeys(keys);
    if (wait) {
        for (const auto& k : strokes) deliver(k);
        return;
    }
    for (const auto& k : strokes) pending().push_back(k);
    schedulePendingKeys();
}

void flushPendingKeys() {
    while (!pending().empty()) {
        KeyStroke k = pending().front();
        pending().pop_front();
        deliver(k);
    }
}

bool hasPendingKeys() { return !pending().empty(); }

}  // namespace pf
