#include "platform/core/Format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string_view>
#include <charconv>

#include "platform/core/Errors.h"

namespace pf {

namespace {

// A magnitude as decimal digits: value = 0.digits * 10^point, i.e. the first `point`
// digits are the integer part (point may be <= 0 or beyond the digits).
struct Decimal {
    std::string digits;
    int point = 0;
};

// The value at 15 significant digits, correctly rounded by the C library. Taking
// this text first is what makes halves behave as the user sees the number:
// 2.675 is 2.67499999... in binary but 2.67500000000000 at 15 digits.
Decimal toDecimal15(double v) {
    char buf[40];
    // The same correctly rounded digits as printf's "%.14e", several times faster.
    const auto end = std::to_chars(buf, buf + sizeof buf - 1, std::fabs(v), std::chars_format::scientific, 14).ptr;
    *end = '\0';
    Decimal d;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') d.digits.push_back(*p);
    int exp = (*p == 'e') ? std::atoi(p + 1) : 0;
    d.point = exp + 1;
    return d;
}

void stripTrailingZeros(std::string& s) {
    while (!s.empty() && s.back() == '0') s.pop_back();
}

// Rounds to `decimals` digits after the point, halves away from zero. Afterwards
// digits.size() == point + decimals, or digits is empty for a zero result.
void roundTo(Decimal& d, int decimals) {
    int keep = d.point + decimals;
    if (keep < 0) {
        d.digits.clear();
        d.point = -decimals;
        return;
    }
    if (static_cast<std::size_t>(keep) >= d.digits.size()) {
        d.digits.append(static_cast<std::size_t>(keep) - d.digits.size(), '0');
        return;
    }
    bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (!up) return;
    int i = keep - 1;
    for (; i >= 0; --i) {
        char& c = d.digits[static_cast<std::size_t>(i)];
        if (c == '9') {
            c = '0';
        } else {
            ++c;
            break;
        }
    }
    if (i < 0) {
        d.digits.insert(d.digits.begin(), '1');
        ++d.point;
    }
}

bool allZero(const std::string& s) { return s.find_first_not_of('0') == std::string::npos; }

// Integer and fraction texts of a rounded Decimal (fraction exactly `decimals` long,
// integer without leading zeros, possibly empty).
void split(const Decimal& d, int decimals, std::string& ip, std::string& fp) {
    ip.clear();
    fp.clear();
    if (d.digits.empty()) {
        fp.assign(static_cast<std::size_t>(decimals), '0');
        return;
    }
    if (d.point > 0) {
        ip = d.digits.substr(0, static_cast<std::size_t>(d.point));
        fp = d.digits.substr(static_cast<std::size_t>(d.point));
    } else {
        fp = std::string(static_cast<std::size_t>(-d.point), '0') + d.digits;
    }
    std::size_t nz = ip.find_first_not_of('0');
    ip = (nz == std::string::npos) ? std::string() : ip.substr(nz);
}

std::string group3(const std::string& ip) {
    std::string out;
    std::size_t n = ip.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out.push_back(',');
        out.push_back(ip[i]);
    }
    return out;
}

std::string nonFinite(double v) {
    if (std::isnan(v)) return "NaN";
    return v < 0 ? "-Inf" : "Inf";
}

std::string plain(double v, bool allowExponent) {
    if (!std::isfinite(v)) return nonFinite(v);
    if (v == 0) return "0";
    Decimal d = toDecimal15(v);
    stripTrailingZeros(d.digits);
    std::string out = v < 0 ? "-" : "";
    int exp = d.point - 1;
    if (allowExponent && (exp >= 15 || exp < -4)) {
        out += d.digits[0];
        if (d.digits.size() > 1) {
            out += '.';
            out.append(d.digits, 1, std::string::npos);
        }
        char eb[16];
        std::snprintf(eb, sizeof eb, "E%c%02d", exp < 0 ? '-' : '+', std::abs(exp));
        return out + eb;
    }
    if (d.point <= 0) {
        out += "0." + std::string(static_cast<std::size_t>(-d.point), '0') + d.digits;
    } else if (static_cast<std::size_t>(d.point) >= d.digits.size()) {
        out += d.digits + std::string(static_cast<std::size_t>(d.point) - d.digits.size(), '0');
    } else {
        out += d.digits.substr(0, static_cast<std::size_t>(d.point)) + "." +
               d.digits.substr(static_cast<std::size_t>(d.point));
    }
    return out;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Converts a validated number text (optional '-', digits, optional '.', optional
// exponent with 'e') to double. Overflow raises; underflow gives 0.
double convert(const std::string& text) {
    double out = 0;
    const char* b = text.data();
    const char* e = b + text.size();
    bool neg = false;
    if (b < e && (*b == '-' || *b == '+')) {
        neg = *b == '-';
        ++b;
    }
    if (b == e) return 0;
    auto res = std::from_chars(b, e, out, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        // Tell overflow from underflow by the decimal magnitude of the text.
        std::string_view sv(b, static_cast<std::size_t>(e - b));
        std::size_t ePos = sv.find_first_of("eE");
        std::string_view mant = sv.substr(0, ePos);
        long exp10 = 0;
        if (ePos != std::string_view::npos) {
            std::string_view ex = sv.substr(ePos + 1);
            bool eneg = !ex.empty() && ex[0] == '-';
            if (!ex.empty() && (ex[0] == '-' || ex[0] == '+')) ex.remove_prefix(1);
            for (char c : ex) {
                exp10 = exp10 * 10 + (c - '0');
                if (exp10 > 100000) break;
            }
            if (eneg) exp10 = -exp10;
        }
        std::size_t dot = mant.find('.');
        std::string_view ipart = mant.substr(0, dot);
        std::size_t nz = ipart.find_first_not_of('0');
        long mag;
        if (nz != std::string_view::npos) {
            mag = static_cast<long>(ipart.size() - nz);
        } else {
            std::string_view fpart = dot == std::string_view::npos ? std::string_view() : mant.substr(dot + 1);
            std::size_t fnz = fpart.find_first_not_of('0');
            if (fnz == std::string_view::npos) return 0;
            mag = -static_cast<long>(fnz);
        }
        if (mag + exp10 > 0) raise(errOverflow);
        return 0;
    }
    if (res.ec != std::errc()) return 0;
    return neg ? -out : out;
}

// Scans a number at s[i]: optional sign, digits with at most one point, optionally an
// exponent. Returns the number text (exponent letter normalised to 'e') and moves i
// past it; hasDigits tells whether any mantissa digit was seen.
std::string scanNumber(const std::string& s, std::size_t& i, bool allowExponent, bool allowD,
                       bool& hasDigits) {
    std::string t;
    hasDigits = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) t.push_back(s[i++]);
    bool point = false;
    while (i < s.size()) {
        char c = s[i];
        if (isDigit(c)) {
            hasDigits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
        t.push_back(c);
        ++i;
    }
    if (allowExponent && hasDigits && i < s.size()) {
        char c = s[i];
        bool letter = c == 'E' || c == 'e' || (allowD && (c == 'D' || c == 'd'));
        if (letter) {
            std::size_t j = i + 1;
            std::string ex = "e";
            if (j < s.size() && (s[j] == '+' || s[j] == '-')) ex.push_back(s[j++]);
            std::size_t start = j;
            while (j < s.size() && isDigit(s[j])) ex.push_back(s[j++]);
            if (j > start) {  // an exponent needs a digit; "2E" is just 2
                t += ex;
                i = j;
            }
        }
    }
    return t;
}

}  // namespace

std::string FormatText(const std::string& s, const std::string& pattern) {
    std::size_t slots = 0;
    for (char c : pattern)
        if (c == '@') ++slots;
    std::string text = s;
    std::string extra;
    if (text.size() < slots) {
        text.insert(0, slots - text.size(), ' ');
    } else if (text.size() > slots) {
        extra = text.substr(0, text.size() - slots);
        text = text.substr(text.size() - slots);
    }
    std::string out;
    std::size_t k = 0;
    bool first = true;
    for (char c : pattern) {
        if (c == '@') {
            if (first) {
                out += extra;
                first = false;
            }
            out.push_back(text[k++]);
        } else {
            out.push_back(c);
        }
    }
    return out;
}

std::string Format(double v, const std::string& pattern) {
    std::size_t first = pattern.find_first_of("#0");
    if (first == std::string::npos) {
        if (pattern.find('@') != std::string::npos) return FormatText(PlainNumber(v), pattern);
        return PlainNumber(v);
    }
    // The number section is the run of placeholders around the first digit position.
    auto inSection = [](char c) { return std::string_view("#0.,").find(c) != std::string_view::npos; };
    std::size_t start = first;
    while (start > 0 && inSection(pattern[start - 1])) --start;
    std::size_t end = first;
    while (end < pattern.size() && inSection(pattern[end])) ++end;
    std::string prefix = pattern.substr(0, start);
    std::string section = pattern.substr(start, end - start);
    std::string suffix = pattern.substr(end);
    if (!std::isfinite(v)) return prefix + nonFinite(v) + suffix;

    std::size_t dot = section.find('.');
    std::string intPat = section.substr(0, dot);
    std::string fracPat = dot == std::string::npos ? std::string() : section.substr(dot + 1);
    bool grouping = intPat.find(',') != std::string::npos;
    int minInt = 0;
    {
        bool zeroSeen = false;
        for (char c : intPat) {
            if (c == '0') zeroSeen = true;
            if (zeroSeen && (c == '0' || c == '#')) ++minInt;
        }
    }
    int decimals = 0, minFrac = 0;
    for (char c : fracPat) {
        if (c == '0' || c == '#') ++decimals;
        if (c == '0') minFrac = decimals;
    }

    Decimal d;
    if (v != 0) d = toDecimal15(v);
    roundTo(d, decimals);
    std::string ip, fp;
    split(d, decimals, ip, fp);
    bool negative = v < 0 && !(allZero(ip) && allZero(fp));
    while (static_cast<int>(fp.size()) > minFrac && fp.back() == '0') fp.pop_back();
    if (static_cast<int>(ip.size()) < minInt) ip.insert(0, static_cast<std::size_t>(minInt) - ip.size(), '0');
    if (grouping) ip = group3(ip);
    std::string num = negative ? "-" : "";
    num += ip;
    if (!fp.empty()) num += "." + fp;
    return prefix + num + suffix;
}

std::string PlainNumber(double v) { return plain(v, true); }

std::string EntryNumber(double v) { return plain(v, false); }

std::string PrintedNumber(double v) {
    std::string t = PlainNumber(std::fabs(v));
    if (t.size() > 1 && t[0] == '0' && t[1] == '.') t.erase(0, 1);
    bool negative = v < 0 && std::isfinite(v);
    return (negative ? "-" : " ") + t + " ";
}

std::string RightAlign(const std::string& s, int w) {
    std::size_t n = w < 0 ? 0 : static_cast<std::size_t>(w);
    if (s.size() >= n) return s.substr(0, n);
    return std::string(n - s.size(), ' ') + s;
}

std::string RightAlignNumber(const std::string& s, int w) {
    std::size_t n = w < 0 ? 0 : static_cast<std::size_t>(w);
    if (s.size() >= n) return s;
    return std::string(n - s.size(), ' ') + s;
}

std::string LeftAlign(const std::string& s, int w) {
    std::size_t n = w < 0 ? 0 : static_cast<std::size_t>(w);
    if (s.size() >= n) return s.substr(0, n);
    return s + std::string(n - s.size(), ' ');
}

double ValLeading(const std::string& s) {
    std::size_t i = 0;
    bool digits = false;
    std::string t = scanNumber(s, i, false, false, digits);
    return digits ? convert(t) : 0.0;
}

double ValText(const std::string& s) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    bool digits = false;
    std::string t = scanNumber(s, i, true, false, digits);
    return digits ? convert(t) : 0.0;
}

bool ParseNumber(const std::string& s, double& out) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    bool digits = false;
    std::string t = scanNumber(s, i, true, true, digits);
    while (i < s.size() && s[i] == ' ') ++i;
    if (!digits || i != s.size()) return false;
    out = convert(t);
    return true;
}

namespace {

double orInfinite(double (*read)(const std::string&), const std::string& s) {
    try {
        return read(s);
    } catch (const RuntimeError& e) {
        if (e.number() != errOverflow) throw;
        // The sign stands first after any blanks the reader skipped.
        const std::size_t i = s.find_first_not_of(' ');
        const double inf = std::numeric_limits<double>::infinity();
        return i != std::string::npos && s[i] == '-' ? -inf : inf;
    }
}

bool tryRead(double (*read)(const std::string&), const std::string& s, double& v) {
    try {
        v = read(s);
    } catch (const RuntimeError& e) {
        if (e.number() != errOverflow) throw;
        return false;
    }
    return std::isfinite(v);
}

}  // namespace

double ValLeadingOrInfinite(const std::string& s) { return orInfinite(ValLeading, s); }
double ValTextOrInfinite(const std::string& s) { return orInfinite(ValText, s); }
bool TryValLeading(const std::string& s, double& v) { return tryRead(ValLeading, s, v); }
bool TryValText(const std::string& s, double& v) { return tryRead(ValText, s, v); }

double RoundHalfEven(double v) {
    if (!std::isfinite(v)) return v;
    double r = std::round(v);  // halves away from zero
    if (std::fabs(r - v) == 0.5) r = 2.0 * std::round(v / 2.0);
    return r;
}

double Floor(double v) { return std::floor(v); }

std::string UCase(const std::string& s) {
    std::string out = s;
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string LTrim(const std::string& s) {
    std::size_t i = s.find_first_not_of(' ');
    return i == std::string::npos ? std::string() : s.substr(i);
}

std::string RTrim(const std::string& s) {
    std::size_t i = s.find_last_not_of(' ');
    return i == std::string::npos ? std::string() : s.substr(0, i + 1);
}

std::string Trim(const std::string& s) { return LTrim(RTrim(s)); }

std::string WithoutCommas(const std::string& s) {
    std::string out;
    for (char c : s)
        if (c != ',') out += c;
    return out;
}

std::string Repeat(char c, int n) { return n > 0 ? std::string(static_cast<std::size_t>(n), c) : std::string(); }

std::string Spaces(int n) { return Repeat(' ', n); }

}  // namespace pf
