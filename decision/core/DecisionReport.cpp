#include "decision/core/DecisionReport.h"

#include "platform/core/Format.h"

namespace QVDecisionAnalysis {

namespace {

// A value through a display pattern, right-aligned in w characters and never cut.
std::string field(double v, const char* pattern, int w) { return pf::RightAlignNumber(pf::Format(v, pattern), w); }

// A label number right-aligned in two characters.
std::string label(const pf::Value& v) { return pf::FormatText(pf::PlainNumber(v.num()), "@@"); }

const char* const kRecommendationHeading[] = {
    "      DECISION        CRITERION       RECOMMENDED",
    "    ALTERNATIVE         VALUE           DECISION",
    "    ***********       *********       ***********",
};

const char* const kStrategyHeading[] = {
    "OPTIMAL DECISION STRATEGY",
    "*************************",
    "                                                       PROB OF",
    "           IF            BEST          EXPECTED       INDICATOR",
    "       INDICATOR       DECISION          VALUE         OUTCOME",
    "       *********       ********        ********       *********",
};

const char* windowCriterionLine(int criterion) {
    switch (criterion) {
        case 1: return "USING THE OPTIMISTIC CRITERION";
        case 2: return "USING THE CONSERVATIVE CRITIERION";
        case 3: return "USING THE MINIMAX REGRET CRITERION";
        case 4: return "USING THE EXPECTED VALUE CRITERION";
        default: return "";
    }
}

const char* reportCriterionLine(int criterion) {
    switch (criterion) {
        case 1: return "USING THE OPTIMISTIC CRITERION";
        case 2: return "USING THE CONSERVATIVE CRITERION";
        case 3: return "USING THE MINIMAX REGRET CRITERION";
        case 4: return "USING THE EXPECTED VALUE CRITERION";
        default: return nullptr;
    }
}

const char* const kYes = "           YES";

}  // namespace

std::vector<std::string> SolutionLines(const qv::DecisionBlock& d, int decimalPlaces, bool maximize,
                                       bool strategy) {
    const int m = d.intAlternativeCount, K = d.intIndicatorCount;
    const int criterion = d.intDecisionCriterion;
    std::vector<std::string> out = {"DECISION RECOMMENDATION", "***********************", "",
                                    windowCriterionLine(criterion), ""};
    for (const char* l : kRecommendationHeading) out.emplace_back(l);
    out.emplace_back("");

    const char* pattern = "#,####0.00";
    int width = 10;
    if (criterion != 4 && decimalPlaces == 0) {
        pattern = "#,######0";
        width = 9;
    } else if (criterion != 4 && decimalPlaces == 1) {
        pattern = "#,####0.0";
        width = 9;
    }
    for (int i = 1; i <= m; ++i) {
        std::string line = pf::Spaces(9) + label(d.intAlternativeLabels(i)) + pf::Spaces(10) +
                           field(d.dblCriterionValues(i).num(), pattern, width) + " ";
        if (d.intRecommendedFlags(i).num() == 1) line += kYes;
        out.push_back(line);
        if (m < 5) out.emplace_back("");
    }
    if (criterion != 4) return out;

    out.emplace_back("");
    out.push_back("THE EXPECTED VALUE OF PERFECT INFORMATION " + field(d.dblPerfectInfoValue, "########,0.00", 13));
    out.emplace_back("");
    if (!strategy) return out;

    out.emplace_back("");
    for (const char* l : kStrategyHeading) out.emplace_back(l);
    out.emplace_back("");
    for (int k = 1; k <= K; ++k) {
        const int alternative = static_cast<int>(d.intBestAlternativesGivenIndicator(k).num());
        const double best = d.dblBestValuesGivenIndicator(k).num();
        out.push_back(pf::Spaces(11) + label(d.intIndicatorLabels(k)) + pf::Spaces(13) +
                      label(d.intAlternativeLabels(alternative)) + pf::Spaces(9) +
                      field(maximize ? best : -best, "#,####0.00", 10) + pf::Spaces(9) +
                      field(d.dblIndicatorProbabilities(k).num(), "0.000", 5));
        out.emplace_back("");
        if (K < 4) out.emplace_back("");
    }
    out.emplace_back("");
    out.push_back("       EXPECTED VALUE OF THE ABOVE STRATEGY     " + field(d.dblStrategyValue, "#####,###0.0", 13));
    out.push_back("       EXPECTED VALUE OF THE SAMPLE INFORMATION     " +
                  field(d.dblSampleInfoValue, "##,##0.00", 9));
    if (d.dblPerfectInfoValue != 0)
        out.push_back("       EFFICIENCY OF THE SAMPLE INFORMATION          " +
                      field(d.dblSampleInfoEfficiency, "####0.0", 7) + "%");
    return out;
}

void WriteDecisionReport(const qv::DecisionBlock& d, int decimalPlaces, bool maximize, pf::ReportSink& sink) {
    const int m = d.intAlternativeCount, n = d.intNatureStateCount, K = d.intIndicatorCount;
    const int criterion = d.intDecisionCriterion;
    auto blank = [&sink](int count = 1) {
        for (int c = 0; c < count; ++c) sink.line("");
    };
    const char* payoffPattern = decimalPlaces == 0 ? "#########0" : decimalPlaces == 1 ? "#######0.0" : "######0.00";
    static const char* const kStatesHeading[] = {
        "",
        "         STATE OF NATURE",
        "               STATES OF NATURE",
        "                     STATES OF NATURE",
        "                           STATES OF NATURE",
        "                                 STATES OF NATURE",
    };

    // The payoff table, five states at a time.
    for (int first = 1; first <= n; first += 5) {
        const int last = n < 6 ? n : (first == 1 ? 5 : n);
        if (first == 1) {
            blank(2);
            sink.line("DECISION ANALYSIS");
            sink.line("*****************");
        }
        blank();
        sink.line("YOU HAVE INPUT THE FOLLOWING PAYOFF TABLE:");
        sink.line("******************************************");
        blank();
        if (n <= 5) sink.line(kStatesHeading[n]);
        std::string columns = "DECISION  ", underline = "********   ";
        for (int j = first; j <= last; ++j) {
            columns += "      " + label(d.intNatureStateLabels(j)) + "    ";
            underline += "   ******   ";
        }
        sink.line(columns);
        sink.line(underline);
        for (int i = 1; i <= m; ++i) {
            if (!(i > 1 && m > 4)) blank();
            std::string row = "   " + label(d.intAlternativeLabels(i)) + "   ";
            for (int j = first; j <= last; ++j) row += field(d.dblPayoffTable(i, j).num(), payoffPattern, 12);
            sink.line(row);
        }
        if (criterion == 4) {
            blank();
            sink.line("PROBABILITIES");
            std::string row = "OF STATES";
            for (int j = first; j <= last; ++j) row += "    " + field(d.dblStateProbabilities(j).num(), "##0.000", 7) + " ";
            sink.line(row);
        }
        if (last == n) break;
    }

    sink.newPage();
    blank();
    sink.line("DECISION RECOMMENDATION");
    sink.line("***********************");
    blank();
    if (const char* l = reportCriterionLine(criterion)) sink.line(l);
    blank();
    for (const char* l : kRecommendationHeading) sink.line(l);
    blank();
    for (int i = 1; i <= m; ++i) {
        std::string row = "         " + label(d.intAlternativeLabels(i)) + "          " +
                          field(d.dblCriterionValues(i).num(), "#,####0.00", 10) + " ";
        if (d.intRecommendedFlags(i).num() == 1) row += kYes;
        sink.line(row);
        blank();
    }
    if (criterion != 4) {
        blank();
        sink.newPage();
        return;
    }

    blank(3);
    sink.line("    EXPECTED VALUE OF PERFECT INFORMATION IS " + field(d.dblPerfectInfoValue, "#,####0.00", 10));
    blank();
    if (d.intStrategyFlag.num() == 0) return;

    sink.newPage();
    blank(4);
    sink.line("DEVELOPING A DECISION STRATEGY BASED ON SAMPLE INFORMATION");
    sink.line("**********************************************************");
    blank();
    blank();
    sink.line("YOU HAVE INPUT THE FOLLOWING PROBABILITIES FOR INDICATOR OUTCOMES:");
    sink.line("******************************************************************");
    blank();
    static const char* const kOutcomesHeading[] = {
        "  GIVEN  INDICATOR OUTCOMES",
        "  GIVEN     INDICATOR OUTCOMES",
        "  GIVEN        INDICATOR OUTCOMES",
        "  GIVEN            INDICATOR OUTCOMES",
        "  GIVEN               INDICATOR OUTCOMES",
        "  GIVEN                   INDICATOR OUTCOMES",
        "  GIVEN                      INDICATOR OUTCOMES",
        "  GIVEN                          INDICATOR OUTCOMES",
        "  GIVEN                             INDICATOR OUTCOMES",
    };
    sink.line(kOutcomesHeading[K <= 2 ? 0 : (K >= 10 ? 8 : K - 2)]);
    if (K < 10) {
        std::string row = "  STATE  ";
        for (int k = 1; k <= K; ++k) row += "   " + label(d.intIndicatorLabels(k)) + "  ";
        sink.line(row);
    }
    std::string underline = "  *****  ";
    for (int k = 1; k <= K; ++k) underline += "  ******";
    sink.line(underline);
    for (int j = 1; j <= n; ++j) {
        if (j == 1 && n <= 4) blank();
        std::string row = "   " + label(d.intNatureStateLabels(j)) + "    ";
        for (int k = 1; k <= K; ++k) row += field(d.dblIndicatorGivenStateTable(j, k).num(), "##0.000", 7);
        sink.line(row);
    }
    blank();
    for (const char* l : kStrategyHeading) sink.line(l);
    blank();
    for (int k = 1; k <= K; ++k) {
        const double best = d.dblBestValuesGivenIndicator(k).num();
        const int alternative = static_cast<int>(d.intBestAlternativesGivenIndicator(k).num());
        sink.line("           " + label(d.intIndicatorLabels(k)) + "             " +
                  label(d.intAlternativeLabels(alternative)) + "      " +
                  field(maximize ? best : -best, "####,####0.00", 13) + "        " +
                  field(d.dblIndicatorProbabilities(k).num(), "0.000", 5));
        blank(2);
    }
    blank(2);
    sink.line("       EXPECTED VALUE OF THE ABOVE STRATEGY        " + field(d.dblStrategyValue, "#,####0.00", 10));
    blank();
    sink.line("       EXPECTED VALUE OF THE SAMPLE INFORMATION    " + field(d.dblSampleInfoValue, "#####,###0.00", 10));
    blank();
    if (d.dblPerfectInfoValue != 0)
        sink.line("       EFFICIENCY OF THE SAMPLE INFORMATION           " +
                  field(d.dblSampleInfoEfficiency, "###0.0", 6) + "%");
}

}  // namespace QVDecisionAnalysis
