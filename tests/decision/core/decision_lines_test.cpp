// The decision solution window's lines and the report, against transcripts written
// from the layout rules with the values worked out by hand (golden/). The printed
// report has the same lines, its pages split where the text file has form feeds.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "decision/core/DecisionReport.h"
#include "decision/core/DecisionSetup.h"
#include "decision/core/DecisionSolve.h"
#include "platform/core/Report.h"
#include "shell/core/State.h"
#include "tests/decision/core/decision_fixture.h"

namespace {

using dectest::Rows;

std::string golden(const std::string& name) {
    std::ifstream in(std::string(QV_TEST_DATA) + "/decision/core/golden/" + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

using dectest::Problem;
using dectest::solve;

std::string windowText(const Problem& p) {
    const auto& d = solve(p);
    std::string text = "\n";  // the window's first row stays empty
    for (const std::string& l : QVDecisionAnalysis::SolutionLines(d, p.places, p.maximize, !p.outcomes.empty()))
        text += l + "\n";
    return text;
}

const Problem kWorkedMax{{{100, -20}, {40, 30}}, 0, true, 4, {0.6, 0.4}, {{0.8, 0.2}, {0.3, 0.7}}};
const Problem kWorkedMin{{{100, -20}, {40, 30}}, 0, false, 4, {0.6, 0.4}, {{0.8, 0.2}, {0.3, 0.7}}};
const Problem kFive{{{1.5, 2}, {3, 0.5}, {2.5, 2.5}, {-1, 4}, {0, 0}}, 1, true, 2};
const Problem kTwoPlaces{{{2.25, 1000.5}, {12.5, -3.75}}, 2, true, 1};

TEST(DecisionWindowLines, MatchTheirTranscripts) {
    struct Case {
        const char* golden;
        Problem problem;
    } cases[] = {
        {"worked_max.window", kWorkedMax},
        {"worked_min.window", kWorkedMin},
        {"optimistic_1200.window", {{{100, 200}, {1200, -5}, {300, 50}}, 0, true, 1}},
        {"five_conservative.window", kFive},
        {"two_places.window", kTwoPlaces},
        {"three_outcomes.window",
         {{{10, 20}, {5, 15}}, 0, true, 4, {0.5, 0.5}, {{0.5, 0.3, 0.2}, {0.1, 0.4, 0.5}}}},
        {"regret_costs.window", {{{8, 2}, {5, 6}}, 0, false, 3}},
        {"hundred_million.window", {{{0, 4e8}, {2e8, 0}}, 0, true, 4, {0.5, 0.5}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.golden);
        EXPECT_EQ(windowText(c.problem), golden(c.golden));
    }
}

TEST(DecisionWindowLines, LengthsOfTheFixedFields) {
    // The recommended line of the optimistic example: 10 blanks, 2, 14 blanks, 1,200,
    // 12 blanks, YES.
    const auto& d = solve({{{100, 200}, {1200, -5}, {300, 50}}, 0, true, 1});
    const auto lines = QVDecisionAnalysis::SolutionLines(d, 0, true, false);
    const std::string expected = std::string(10, ' ') + "2" + std::string(14, ' ') + "1,200" + std::string(12, ' ') + "YES";
    ASSERT_EQ(lines.size(), 9u + 6u);
    EXPECT_EQ(lines[11], expected);
    EXPECT_EQ(lines[11].size(), 45u);
    // Not recommended: the value's field and one blank, nothing after.
    EXPECT_EQ(lines[9].size(), 9u + 2u + 10u + 9u + 1u);
    // A value wider than its field is shown whole: the line grows.
    const auto& big = solve({{{0, 4e8}, {2e8, 0}}, 0, true, 4, {0.5, 0.5}});
    const auto bigLines = QVDecisionAnalysis::SolutionLines(big, 0, true, false);
    EXPECT_EQ(bigLines[9], std::string(10, ' ') + "1" + std::string(10, ' ') + "200,000,000.00" + std::string(12, ' ') + "YES");
    EXPECT_EQ(bigLines[14], "THE EXPECTED VALUE OF PERFECT INFORMATION 100,000,000.00");
}

struct Printed {
    std::string text;                             // the text file
    std::vector<std::vector<std::string>> pages;  // the printer
};

Printed printReport(const Problem& p) {
    const auto& d = solve(p);
    pf::TextReportSink file;
    pf::RecordingReportSink printer;
    QVDecisionAnalysis::WriteDecisionReport(d, p.places, p.maximize, file);
    QVDecisionAnalysis::WriteDecisionReport(d, p.places, p.maximize, printer);
    printer.finish();
    return {file.contents(), printer.pages()};
}

// The printer's pages as a text file would hold them: a form-feed line between pages.
std::string asTextFile(const std::vector<std::vector<std::string>>& pages) {
    std::string text;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) text += "\f\r\n";
        for (const std::string& l : pages[i]) text += l + "\r\n";
    }
    return text;
}

TEST(DecisionReport, MatchesItsTranscriptsOnPaperAndInTheFile) {
    struct Case {
        const char* golden;
        Problem problem;
        std::size_t pages;
    } cases[] = {
        {"worked_max.OUT", kWorkedMax, 3},
        {"worked_min.OUT", kWorkedMin, 3},
        // Ends with an empty line and a page break: a last, empty printed page.
        {"four_by_three.OUT", {{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {3, 2, 1}}, 0, true, 1}, 3},
        {"five_conservative.OUT", kFive, 3},
        {"two_places.OUT", kTwoPlaces, 3},
        {"seven_states.OUT", {{{1, 2, 3, 4, 5, 6, 7}, {7, 6, 5, 4, 3, 2, 1}}, 0, true, 4, {.1, .1, .1, .1, .2, .2, .2}}, 2},
        {"ten_outcomes.OUT",
         {{{10, 0}, {0, 10}}, 0, true, 4, {.5, .5}, {{.1, .1, .1, .1, .1, .1, .1, .1, .1, .1}, {.05, .15, .1, .1, .1, .1, .1, .1, .1, .1}}},
         3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.golden);
        const Printed r = printReport(c.problem);
        EXPECT_EQ(r.text, golden(c.golden));
        EXPECT_EQ(r.pages.size(), c.pages);
        EXPECT_EQ(asTextFile(r.pages), r.text);
    }
}

TEST(DecisionReport, PayoffsFollowTheDecimalPlaces) {
    const Printed r = printReport(kTwoPlaces);
    // 12.5 with two decimal places, right-aligned in 12.
    EXPECT_NE(r.text.find("\r\n    2          12.50       -3.75\r\n"), std::string::npos);
}

}  // namespace
