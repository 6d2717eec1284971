#include "lp/core/Parser.h"

#include <string>

#include "lp/core/TextModel.h"
#include "platform/core/Errors.h"
#include "platform/core/Format.h"
#include "shell/core/State.h"

namespace QVLP {

namespace {

constexpr int kIconCritical = 16;
const char* const kTitle = "Problem Error";
const char* const kDimensions = "YOUR PROBLEM HAS EXCEEDED THE DIMENSIONS OF THIS PROGRAM.  ";
const char* const kUnreadable = "YOUR PROBLEM FILE CANNOT BE READ.  ";

// Ends the run with a message; caught in ParseModelLines.
struct Refusal {
    std::string text;
};

[[noreturn]] void refuseLine(int row) {
    if (row <= 0) throw Refusal{std::string(kUnreadable) + "THE OBJECTIVE FUNCTION IS NOT VALID."};
    throw Refusal{std::string(kUnreadable) + "CONSTRAINT " + std::to_string(row) + " IS NOT VALID."};
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isNumberChar(char c) { return isDigit(c) || c == '+' || c == '-' || c == '.'; }
bool isRelationChar(char c) { return c == '<' || c == '=' || c == '>'; }

// A number text as the scanner collects it: a run of signs (each "-" turns the
// sign), then digits with at most one point. The run of signs makes "++2" (a
// typed "+2" after a "+" the store put in front) read as 2 rather than 0.
// Nothing after the signs gives noSignValue with the sign. False for other texts.
bool readNumberText(const std::string& text, double noNumberValue, double& out) {
    std::size_t i = 0;
    bool negative = false;
    while (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') negative = !negative;
        ++i;
    }
    if (i == text.size()) {
        out = negative ? -noNumberValue : noNumberValue;
        if (out == 0) out = 0.0;
        return true;
    }
    int points = 0;
    for (std::size_t k = i; k < text.size(); ++k) {
        if (text[k] == '.') {
            if (++points > 1) return false;
        } else if (!isDigit(text[k])) {
            return false;
        }
    }
    double v = pf::ValLeading(text.substr(i));
    out = negative ? -v : v;
    if (out == 0) out = 0.0;
    return true;
}

class Scanner {
public:
    explicit Scanner(qv::LPBlock& lp) : lp_(lp) {}

    void scanLine(const std::string& s) {
        row_ = ++lp_.intModelRow;
        state_ = 1;
        number_.clear();
        name_.clear();
        relation_.clear();
        pending_ = 0;
        std::size_t i = 0;
        if (row_ == 0) {
            // The optimization keyword is the objective's first token only, so
            // that names such as MAXQ survive anywhere else.
            std::string keyword;
            std::size_t j = 0;
            while (j < s.size() && keyword.size() < 3) {
                if (s[j] != ' ') keyword += s[j];
                ++j;
            }
            if (keyword == "MAX" || keyword == "MIN") {
                lp_.intOptimizationType = keyword == "MIN" ? 1 : 0;
                i = j;
            }
        }
        for (; i < s.size(); ++i) {
            if (s[i] == ' ') continue;
            switch (state_) {
                case 1: readingNumber(s[i]); break;
                case 2: readingName(s[i]); break;
                default: readingRightHandSide(s[i]); break;
            }
        }
        endOfLine();
    }

private:
    void readingNumber(char c) {
        if (number_.empty()) storePendingTerm();
        if (isNumberChar(c)) {
            number_ += c;
            name_.clear();
            relation_.clear();
            state_ = 1;
        } else {
            readingName(c);
        }
    }

    void readingName(char c) {
        if (name_.empty()) {
            if (!readNumberText(number_, 1.0, pending_)) refuseLine(row_);
            raiseDecimals(number_);
            number_.clear();
        }
        if (c == '+' || c == '-' || c == '.') {
            readingNumber(c);
        } else if (isRelationChar(c)) {
            if (row_ == 0) refuseLine(row_);
            relation_ += c;
            number_.clear();
            storePendingTerm();
            state_ = 3;
            lp_.intConstraintRelations(row_) = relation_ == "<" ? 2 : relation_ == "=" ? 3 : 4;
        } else {
            name_ += c;
            state_ = 2;
        }
    }

    void readingRightHandSide(char c) {
        if (c == '=') return;  // "<=" and ">=" read as "<" and ">"
        number_ += c;
        name_.clear();
    }

    void endOfLine() {
        if (relation_.empty()) storePendingTerm();
        double rhs = 0;
        if (!readNumberText(number_, 0.0, rhs)) refuseLine(row_);
        lp_.dblProblemMatrix(row_, 0) = rhs;
    }

    void storePendingTerm() {
        if (name_.empty()) return;
        int index = 0;
        for (int j = 1; j <= lp_.intVariableCount; ++j) {
            if (lp_.strVariableNames(j) == name_) {
                index = j;
                break;
            }
        }
        if (index == 0) {
            if (lp_.intVariableCount >= kMaxVariables)
                throw Refusal{std::string(kDimensions) +
                              "THE NUMBER OF DECISION VARIABLES EXCEEDS 100."};
            index = ++lp_.intVariableCount;
            lp_.strVariableNames(index) = name_;
        }
        lp_.dblProblemMatrix(row_, index) = pending_;
    }

    // Only coefficient texts raise the decimals; right-hand sides do not.
    void raiseDecimals(const std::string& text) {
        int d = DigitsAfterPoint(text);
        if (d > lp_.intReportDecimals) {
            lp_.intReportDecimals = d;
            lp_.intRoundDigits = d + 3;
        }
    }

    qv::LPBlock& lp_;
    int row_ = -1;
    int state_ = 1;
    std::string number_, name_, relation_;
    double pending_ = 0;
};

}  // namespace

ParseResult ParseModelLines(qv::LPBlock& lp) {
    ParseResult result;
    lp.intVariableCount = 0;
    lp.intModelRow = -1;
    try {
        const int m = lp.intConstraintCount;
        if (m > kMaxConstraints)
            throw Refusal{std::string(kDimensions) + "THE NUMBER OF CONSTRAINTS EXCEEDS 50."};
        if (m < 1)
            throw Refusal{std::string(kUnreadable) + "THE NUMBER OF CONSTRAINTS IS NOT VALID."};
        Scanner scanner(lp);
        for (int k = 2; k <= m + 2; ++k) {
            const std::string& line = lp.strModelLines(k);
            if (line.find_first_not_of(' ') == std::string::npos) continue;
            scanner.scanLine(line);
        }
        if (lp.intVariableCount == 0) refuseLine(0);
    } catch (const Refusal& r) {
        result = ParseResult{false, kTitle, r.text, kIconCritical};
    } catch (const pf::RuntimeError& e) {
        result = ParseResult{false, "Error # " + std::to_string(e.number()), e.what(),
                             kIconCritical};
    }
    return result;
}

ParseResult ParseModelLines() { return ParseModelLines(qv::S().lp); }

}  // namespace QVLP
