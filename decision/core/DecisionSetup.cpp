#include "decision/core/DecisionSetup.h"

#include <cmath>
#include <limits>

#include "platform/core/Errors.h"
#include "platform/core/Format.h"
#include "shell/core/State.h"
#include "shell/core/tanumchk.h"

namespace QVDecisionAnalysis {

namespace {

constexpr const char* kInputTitle = "Data Input Error";

struct CountTexts {
    const char* notInteger;
    const char* outOfRange;
};

CountTexts textsOf(CountBox box) {
    switch (box) {
        case CountBox::Alternatives:
            return {"NOTE:  THE NUMBER OF DECISION ALTERNATIVES MUST BE AN INTEGER.",
                    "NOTE:  THE NUMBER OF DECISION ALTERNATIVES MUST BE BETWEEN 1 AND 10."};
        case CountBox::States:
            return {"NOTE:  THE NUMBER OF STATES OF NATURE MUST BE AN INTEGER.",
                    "NOTE:  THE NUMBER OF STATES OF NATURE MUST BE BETWEEN 1 AND 10."};
        case CountBox::Indicators:
        default:
            return {"NOTE:  THE NUMBER OF INDICATOR OUTCOMES MUST BE AN INTEGER.",
                    "NOTE:  THE NUMBER OF INDICATOR OUTCOMES MUST BE BETWEEN 1 AND 10."};
    }
}

constexpr const char* kOneIndicator =
    "Since there is only 1 indicator outcome, a decision strategy cannot be established because the indicator "
    "outcome is always the same.  Either provide 2 or more indicator outcomes or do not request a decision "
    "strategy for this problem.";

CountVerdict refuse(const char* message, const char* title = kInputTitle) {
    CountVerdict v;
    v.message = message;
    v.title = title;
    return v;
}

}  // namespace

void ResetDecisionProblem() { ResetDecisionProblem(qv::S()); }

void ResetDecisionProblem(qv::SharedState& s) {
    qv::DecisionBlock& d = s.dec;
    const int u = qv::DecisionBlock::kTableUpper;
    for (auto* t : {&d.intNatureStateLabels, &d.intAlternativeLabels, &d.intIndicatorLabels}) t->ReDim(u);
    d.dblPayoffTable.ReDim(u, u);
    d.dblSignedPayoffs.ReDim(u, u);
    d.dblStateProbabilities.ReDim(u);
    d.dblIndicatorGivenStateTable.ReDim(u, u);
    s.intDecimalPlaces = 0;
    d.intStateProbsFlag = 0;
    d.intStrategyFlag = 0;
    s.strProblemEntered = "NO";
    d.strStateProbsGiven = "NO";
    d.strStrategyRequested = "NO";
    for (int i = 1; i <= u; ++i) {
        d.intNatureStateLabels(i) = i;
        d.intAlternativeLabels(i) = i;
        d.intIndicatorLabels(i) = i;
    }
}

CountVerdict judgeCount(CountBox box, const std::string& text) {
    const CountTexts texts = textsOf(box);
    double v = 0;
    if (box == CountBox::Alternatives) {
        qv::SharedState& s = qv::S();
        s.strNumericText = pf::UCase(text);
        tanumchk::CheckNumericText();
        const bool valid = s.strNumericOK == "YES";
        // The verdicts go back to neutral whatever the outcome, for the next check.
        tanumchk::ResetVerdicts();
        if (!valid) return refuse(texts.notInteger);
        v = pf::ValLeadingOrInfinite(s.strNumericText);
    } else {
        v = pf::ValTextOrInfinite(text);
    }
    if (std::isfinite(v) && v != std::floor(v)) return refuse(texts.notInteger);
    if (!(v >= 1 && v <= 10)) return refuse(texts.outOfRange);
    if (box == CountBox::Indicators && v == 1) return refuse(kOneIndicator, "WARNING!!");
    CountVerdict ok;
    ok.accepted = true;
    ok.value = static_cast<int>(v);
    return ok;
}

const char* emptyCountMessage(CountBox box) { return textsOf(box).notInteger; }

void settleFlagsAfterRead(qv::DecisionBlock& d) {
    const bool probs = d.intStateProbsFlag.num() == 1;
    const bool strategy = probs && d.intStrategyFlag.num() == 1;
    d.intStateProbsFlag = probs ? 1 : 0;
    d.intStrategyFlag = strategy ? 1 : 0;
    d.strStateProbsGiven = probs ? "YES" : "NO";
    d.strStrategyRequested = strategy ? "YES" : "NO";
}

}  // namespace QVDecisionAnalysis
