// Setting up a decision problem: the reset of the block, the judging of the features
// dialog's counts, and the problem file of a decision problem.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "decision/core/DecisionSetup.h"
#include "platform/core/SeqFile.h"
#include "shell/core/ProblemFile.h"
#include "shell/core/State.h"

namespace {

using QVDecisionAnalysis::CountBox;

constexpr const char* kAltInteger = "NOTE:  THE NUMBER OF DECISION ALTERNATIVES MUST BE AN INTEGER.";
constexpr const char* kAltRange = "NOTE:  THE NUMBER OF DECISION ALTERNATIVES MUST BE BETWEEN 1 AND 10.";
constexpr const char* kStatesInteger = "NOTE:  THE NUMBER OF STATES OF NATURE MUST BE AN INTEGER.";
constexpr const char* kStatesRange = "NOTE:  THE NUMBER OF STATES OF NATURE MUST BE BETWEEN 1 AND 10.";
constexpr const char* kOutcomesInteger = "NOTE:  THE NUMBER OF INDICATOR OUTCOMES MUST BE AN INTEGER.";
constexpr const char* kOutcomesRange = "NOTE:  THE NUMBER OF INDICATOR OUTCOMES MUST BE BETWEEN 1 AND 10.";
constexpr const char* kOneOutcome =
    "Since there is only 1 indicator outcome, a decision strategy cannot be established because the indicator "
    "outcome is always the same.  Either provide 2 or more indicator outcomes or do not request a decision "
    "strategy for this problem.";

TEST(DecisionCounts, EachBoxJudgesItsTextByItsOwnRule) {
    const std::string huge(400, '9');
    struct Case {
        CountBox box;
        std::string text;
        int value;            // 0: refused
        const char* message;  // when refused
        const char* title = "Data Input Error";
    } cases[] = {
        {CountBox::Alternatives, "10", 10, nullptr},
        {CountBox::Alternatives, "1", 1, nullptr},
        {CountBox::Alternatives, "2.5", 0, kAltInteger},
        {CountBox::Alternatives, "3.0", 3, nullptr},  // a whole value with a point
        {CountBox::Alternatives, "11", 0, kAltRange},
        {CountBox::Alternatives, "0", 0, kAltRange},
        {CountBox::Alternatives, "-3", 0, kAltRange},
        {CountBox::Alternatives, "abc", 0, kAltInteger},
        {CountBox::Alternatives, "3x", 0, kAltInteger},
        {CountBox::Alternatives, "1,0", 10, nullptr},  // commas removed first
        {CountBox::Alternatives, "1,000", 0, kAltRange},
        {CountBox::Alternatives, "99999999999999999999", 0, kAltRange},
        {CountBox::Alternatives, huge, 0, kAltRange},
        {CountBox::Alternatives, "1e999", 0, kAltInteger},
        {CountBox::Alternatives, "-", 0, kAltRange},
        {CountBox::States, "3x", 3, nullptr},
        {CountBox::States, " 4", 4, nullptr},
        {CountBox::States, "abc", 0, kStatesRange},  // no leading number: 0
        {CountBox::States, "2.5", 0, kStatesInteger},
        {CountBox::States, "1,000", 1, nullptr},  // the comma ends the number
        {CountBox::States, "1e1", 10, nullptr},
        {CountBox::States, "99999999999999999999", 0, kStatesRange},
        {CountBox::States, "1e999", 0, kStatesRange},
        {CountBox::States, "-1e999", 0, kStatesRange},
        {CountBox::States, "11", 0, kStatesRange},
        {CountBox::Indicators, "2", 2, nullptr},
        {CountBox::Indicators, "10", 10, nullptr},
        {CountBox::Indicators, "1", 0, kOneOutcome, "WARNING!!"},
        {CountBox::Indicators, "0", 0, kOutcomesRange},
        {CountBox::Indicators, "11", 0, kOutcomesRange},
        {CountBox::Indicators, "1.5", 0, kOutcomesInteger},
        {CountBox::Indicators, "1e999", 0, kOutcomesRange},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 25));
        qv::resetState();
        const auto v = QVDecisionAnalysis::judgeCount(c.box, c.text);
        EXPECT_EQ(v.accepted, c.value != 0);
        if (c.value) {
            EXPECT_EQ(v.value, c.value);
        } else {
            EXPECT_EQ(v.message, c.message);
            EXPECT_EQ(v.title, c.title);
        }
        // The numeric-entry check's verdicts are neutral for the next check.
        EXPECT_EQ(qv::S().strNumericOK == "NO", false);
        EXPECT_EQ(qv::S().strDecimalPointSeen == "YES", false);
    }
    EXPECT_STREQ(QVDecisionAnalysis::emptyCountMessage(CountBox::Alternatives), kAltInteger);
    EXPECT_STREQ(QVDecisionAnalysis::emptyCountMessage(CountBox::States), kStatesInteger);
    EXPECT_STREQ(QVDecisionAnalysis::emptyCountMessage(CountBox::Indicators), kOutcomesInteger);
}

TEST(DecisionReset, EmptiesTablesAndFlagsButKeepsCountsAndResults) {
    qv::resetState();
    auto& s = qv::S();
    auto& d = s.dec;
    d.intAlternativeCount = 3;
    d.intNatureStateCount = 4;
    d.intIndicatorCount = 5;
    d.intStateProbsFlag = 1;
    d.intStrategyFlag = 1;
    d.strStateProbsGiven = "YES";
    d.strStrategyRequested = "YES";
    d.dblPayoffTable(2, 3) = 7;
    d.dblSignedPayoffs(2, 3) = -7;
    d.dblStateProbabilities(4) = 0.5;
    d.dblIndicatorGivenStateTable(4, 5) = 0.25;
    d.intDecisionCriterion = 4;
    d.dblCriterionValues(2) = 52;
    d.dblPerfectInfoValue = 20;
    s.intDecimalPlaces = 2;
    s.strProblemEntered = "YES";

    QVDecisionAnalysis::ResetDecisionProblem();

    EXPECT_EQ(d.intAlternativeCount, 3);
    EXPECT_EQ(d.intNatureStateCount, 4);
    EXPECT_EQ(d.intIndicatorCount, 5);
    EXPECT_EQ(d.intStateProbsFlag.num(), 0);
    EXPECT_EQ(d.intStrategyFlag.num(), 0);
    EXPECT_EQ(d.strStateProbsGiven, "NO");
    EXPECT_EQ(d.strStrategyRequested, "NO");
    EXPECT_EQ(s.strProblemEntered, "NO");
    EXPECT_EQ(s.intDecimalPlaces.num(), 0);
    EXPECT_TRUE(d.dblPayoffTable(2, 3).IsEmpty());
    EXPECT_TRUE(d.dblSignedPayoffs(2, 3).IsEmpty());
    EXPECT_TRUE(d.dblStateProbabilities(4).IsEmpty());
    EXPECT_TRUE(d.dblIndicatorGivenStateTable(4, 5).IsEmpty());
    EXPECT_EQ(d.dblPayoffTable.UBound(1), 10);
    EXPECT_EQ(d.dblIndicatorGivenStateTable.UBound(2), 10);
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(d.intAlternativeLabels(i).num(), i);
        EXPECT_EQ(d.intNatureStateLabels(i).num(), i);
        EXPECT_EQ(d.intIndicatorLabels(i).num(), i);
    }
    EXPECT_TRUE(d.intAlternativeLabels(0).IsEmpty());
    // The results of the last solve are the solve's own business.
    EXPECT_EQ(d.intDecisionCriterion, 4);
    EXPECT_EQ(d.dblCriterionValues(2).num(), 52);
    EXPECT_EQ(d.dblPerfectInfoValue, 20);
}

TEST(DecisionBlock, ResultTablesStartEmptyWithTheirFullSize) {
    qv::resetState();
    const auto& d = qv::S().dec;
    for (const auto* t : {&d.intRecommendedFlags, &d.dblCriterionValues, &d.dblIndicatorProbabilities,
                          &d.dblBestValuesGivenIndicator, &d.intBestAlternativesGivenIndicator}) {
        EXPECT_EQ(t->UBound(), 10);
        EXPECT_TRUE((*t)(10).IsEmpty());
    }
}

// ---- the problem file

void read(const std::string& text) {
    pf::FieldReader in(text);
    qv::ProblemFileHooks hooks;
    qv::ReadProblemRecords(qv::S(), in, hooks);
}

std::string write() {
    pf::FieldWriter out;
    qv::WriteProblemRecords(qv::S(), out);
    return out.contents();
}

void freshDecision() {
    qv::resetState();
    qv::S().intCurrentModule = 10;
}

TEST(DecisionFile, ProblemsRoundTripWithTheirDecimalPlaces) {
    struct Case {
        const char* name;
        std::string file;
    } cases[] = {
        // 2 alternatives by 3 states, whole payoffs, no probabilities: no probability records.
        {"no probabilities", "0,3,2,0,0,\"NO\",\"NO\"\r\n8\r\n2\r\n0\r\n5\r\n6\r\n-4\r\n"},
        // One decimal place, state probabilities only.
        {"one place", "1,2,2,1,0,\"YES\",\"NO\"\r\n2.5\r\n-1.5\r\n10\r\n0\r\n0.3\r\n0.7\r\n"},
        // Two decimal places and a strategy with K = 2.
        {"strategy K = 2",
         "2,2,1,1,1,\"YES\",\"YES\"\r\n2.25\r\n-2.004\r\n0.8\r\n0.2\r\n1,2\r\n0.6\r\n0.4\r\n0.1\r\n0.9\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        freshDecision();
        read(c.file);
        EXPECT_EQ(write(), c.file);
    }
    // The worked values of the two-place case are kept as read.
    const auto& d = qv::S().dec;
    EXPECT_EQ(qv::S().intDecimalPlaces.num(), 2);
    EXPECT_EQ(d.dblPayoffTable(1, 2).num(), -2.004);
    EXPECT_EQ(d.dblSignedPayoffs(1, 2).num(), -2.004);
    EXPECT_EQ(d.dblIndicatorGivenStateTable(2, 1).num(), 0.1);
    EXPECT_EQ(d.strStrategyRequested, "YES");
    EXPECT_EQ(d.strStateProbsGiven, "YES");
}

TEST(DecisionFile, TenIndicatorOutcomesRoundTrip) {
    freshDecision();
    auto& s = qv::S();
    auto& d = s.dec;
    d.intAlternativeCount = 10;
    d.intNatureStateCount = 10;
    d.intIndicatorCount = 10;
    d.intStateProbsFlag = 1;
    d.intStrategyFlag = 1;
    d.strStateProbsGiven = "YES";
    d.strStrategyRequested = "YES";
    s.intDecimalPlaces = 1;
    for (int i = 1; i <= 10; ++i)
        for (int j = 1; j <= 10; ++j) d.dblPayoffTable(i, j) = i * 10 + j + 0.5;
    for (int j = 1; j <= 10; ++j) {
        d.dblStateProbabilities(j) = 0.1;
        for (int k = 1; k <= 10; ++k) d.dblIndicatorGivenStateTable(j, k) = k == j ? 0.55 : 0.05;
    }
    const std::string first = write();
    freshDecision();
    read(first);
    EXPECT_EQ(write(), first);
    EXPECT_EQ(qv::S().dec.intIndicatorCount, 10);
    EXPECT_EQ(qv::S().dec.dblIndicatorGivenStateTable(10, 10).num(), 0.55);
    EXPECT_EQ(qv::S().dec.dblPayoffTable(10, 10).num(), 110.5);
    // 1 header, 100 payoffs, 10 probabilities, the strategy record and 100 outcome probabilities.
    EXPECT_EQ(std::count(first.begin(), first.end(), '\n'), 1 + 100 + 10 + 1 + 100);
}

TEST(DecisionFile, TheOneZeroFlagsDecideWhatARead) {
    struct Case {
        const char* name;
        std::string file;
        const char* probs;
        const char* strategy;
    } cases[] = {
        {"text flags disagree", "0,1,1,1,0,\"NO\",\"YES\"\r\n5\r\n1\r\n", "YES", "NO"},
        {"strategy without probabilities", "0,1,1,0,1,\"YES\",\"YES\"\r\n5\r\n", "NO", "NO"},
        {"flag 2 counts as 0", "0,1,1,2,0,\"YES\",\"NO\"\r\n5\r\n", "NO", "NO"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        freshDecision();
        read(c.file);
        const auto& d = qv::S().dec;
        EXPECT_EQ(d.strStateProbsGiven, c.probs);
        EXPECT_EQ(d.strStrategyRequested, c.strategy);
        EXPECT_EQ(d.intStateProbsFlag.num(), std::string(c.probs) == "YES" ? 1 : 0);
        EXPECT_EQ(d.intStrategyFlag.num(), std::string(c.strategy) == "YES" ? 1 : 0);
    }
}

}  // namespace
