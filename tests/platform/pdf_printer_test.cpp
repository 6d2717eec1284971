// What reaches paper: the report's lines in a fixed-pitch face, page by page, inside
// margins a printer does not clip, with no line cut and no empty sheet at the end.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "decision/core/DecisionReport.h"
#include "forecast/core/Forecasting.h"
#include "markov/core/MarkovAnalysis.h"
#include "network/core/PertReport.h"
#include "platform/core/PageLayout.h"
#include "platform/ui/QtHost.h"
#include "tests/decision/core/decision_fixture.h"
#include "tests/forecast/core/forecast_fixture.h"
#include "tests/markov/core/markov_chain.h"
#include "tests/network/core/pert_fixture.h"

namespace {

namespace fs = std::filesystem;

std::string run(const std::string& cmd) {
    std::string out;
    if (FILE* p = popen(cmd.c_str(), "r")) {
        char buf[4096];
        std::size_t n;
        while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
        pclose(p);
    }
    return out;
}

bool havePoppler() { return !run("command -v pdftotext").empty(); }

// Runs of blanks as one: pdftotext's layout guesses the width of gaps.
std::string squeeze(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == ' ' && !out.empty() && out.back() == ' ') continue;
        out += c;
    }
    return out;
}

TEST(PdfPrinter, PrintsTheReportLinesPageByPage) {
    if (!havePoppler()) GTEST_SKIP() << "pdftotext is not installed";
    fs::path pdf = fs::temp_directory_path() / "quorvane-print-test.pdf";
    fs::remove(pdf);
    {
        auto printer = pf::makePdfPrinter(pdf.string());
        printer->FontName = "Courier New";
        printer->FontSize = 12;
        printer->text("OBJECTIVE FUNCTION VALUE =");
        printer->text("      36.000");
        printer->endLine();
        printer->line("  VARIABLE        VALUE");
        printer->newPage();
        printer->line("  X1              2.000");
        printer->EndDoc();
    }
    ASSERT_TRUE(fs::exists(pdf));
    std::string text = run("pdftotext -layout '" + pdf.string() + "' -");
    std::vector<std::string> pages;
    std::stringstream ss(text);
    std::string page;
    while (std::getline(ss, page, '\f')) pages.push_back(page);
    ASSERT_GE(pages.size(), 2u);
    EXPECT_NE(squeeze(pages[0]).find("OBJECTIVE FUNCTION VALUE = 36.000"), std::string::npos) << pages[0];
    EXPECT_NE(squeeze(pages[0]).find("VARIABLE VALUE"), std::string::npos) << pages[0];
    EXPECT_EQ(pages[0].find("X1"), std::string::npos) << "the page break was not kept";
    EXPECT_NE(squeeze(pages[1]).find("X1 2.000"), std::string::npos) << pages[1];
    // The columns line up only in a fixed-pitch face.
    std::string fonts = run("pdffonts '" + pdf.string() + "'");
    EXPECT_TRUE(fonts.find("Mono") != std::string::npos || fonts.find("Courier") != std::string::npos) << fonts;
    fs::remove(pdf);
}

// One word of the printed document with its box, in points from the sheet's top left.
struct Word {
    int sheet;
    double xMin, yMin, xMax, yMax;
    std::string text;
};
struct Printed {
    std::vector<std::pair<double, double>> sheets;  // width, height
    std::vector<Word> words;
};

std::string unescape(std::string s) {
    const std::pair<const char*, const char*> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&#39;", "'"}, {"&amp;", "&"}};
    for (const auto& [from, to] : entities)
        for (std::size_t p; (p = s.find(from)) != std::string::npos;) s.replace(p, std::string(from).size(), to);
    return s;
}

Printed readBoxes(const fs::path& pdf) {
    Printed out;
    const std::string html = run("pdftotext -bbox '" + pdf.string() + "' -");
    static const std::regex page(R"re(<page width="([0-9.]+)" height="([0-9.]+)">)re");
    static const std::regex word(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
    std::stringstream lines(html);
    for (std::string l; std::getline(lines, l);) {
        std::smatch m;
        if (std::regex_search(l, m, page)) out.sheets.emplace_back(std::stod(m[1]), std::stod(m[2]));
        else if (std::regex_search(l, m, word))
            out.words.push_back({static_cast<int>(out.sheets.size()), std::stod(m[1]), std::stod(m[2]),
                                 std::stod(m[3]), std::stod(m[4]), unescape(m[5])});
    }
    return out;
}

std::vector<std::string> wordsOf(const std::vector<std::vector<std::string>>& pages) {
    std::vector<std::string> words;
    for (const auto& page : pages)
        for (const std::string& l : page) {
            std::stringstream ss(l);
            for (std::string w; ss >> w;) words.push_back(w);
        }
    return words;
}

using Report = std::function<void(pf::ReportSink&)>;

// What the report writes, in the pages it writes them.
std::vector<std::vector<std::string>> recordedPages(const Report& report) {
    pf::RecordingReportSink r;
    report(r);
    r.finish();
    return r.pages();
}

struct PaperCase {
    pf::PaperSize size;
    const char* name;
    double width, height;
};
const PaperCase kPapers[] = {{pf::PaperSize::A4, "A4", 595.28, 841.89}, {pf::PaperSize::Letter, "Letter", 612, 792}};

// Prints the report to a PDF and checks every word's box against the margins.
Printed printAndCheck(const Report& report, const PaperCase& paper, const std::string& name) {
    const fs::path pdf = fs::temp_directory_path() / ("quorvane-margins-" + name + "-" + paper.name + ".pdf");
    fs::remove(pdf);
    {
        auto printer = pf::makePdfPrinter(pdf.string(), paper.size);
        printer->FontName = "Courier New";
        printer->FontSize = 12;
        report(*printer);
        printer->EndDoc();
    }
    Printed p = readBoxes(pdf);
    fs::remove(pdf);
    const double tol = 0.01;
    for (const auto& [w, h] : p.sheets) {
        EXPECT_NEAR(w, paper.width, 0.5);
        EXPECT_NEAR(h, paper.height, 0.5);
    }
    for (const Word& w : p.words) {
        SCOPED_TRACE("sheet " + std::to_string(w.sheet) + " word \"" + w.text + "\"");
        EXPECT_GE(w.xMin, pf::kLeastMargin - tol);
        EXPECT_LE(w.xMax, paper.width - pf::kLeastMargin + tol);
        EXPECT_GE(w.yMin, pf::kPreferredMargin - tol);
        EXPECT_LE(w.yMax, paper.height - pf::kPreferredMargin + tol);
    }
    // Every word of the report reaches the paper whole and in order: no line is cut or lost.
    // In reading order: pdftotext lists the words of a table column by column.
    std::vector<Word> ordered = p.words;
    std::stable_sort(ordered.begin(), ordered.end(), [](const Word& a, const Word& b) {
        if (a.sheet != b.sheet) return a.sheet < b.sheet;
        if (std::abs(a.yMin - b.yMin) > 0.5) return a.yMin < b.yMin;
        return a.xMin < b.xMin;
    });
    std::vector<std::string> printed;
    for (const Word& w : ordered) printed.push_back(w.text);
    EXPECT_EQ(printed, wordsOf(recordedPages(report)));
    return p;
}

double leftmost(const Printed& p) {
    double x = 1e9;
    for (const Word& w : p.words) x = std::min(x, w.xMin);
    return x;
}
double rightmost(const Printed& p) {
    double x = 0;
    for (const Word& w : p.words) x = std::max(x, w.xMax);
    return x;
}

// The report's lines: the widest (without trailing blanks), the fewest leading blanks of
// a line that shows text, and the blank lines before its first text.
struct Extent {
    std::size_t columns = 0, indent = 1000, blanksAbove = 0;
};
Extent extentOf(const Report& report) {
    Extent e;
    bool seenText = false;
    for (const auto& page : recordedPages(report))
        for (const std::string& l : page) {
            const std::size_t first = l.find_first_not_of(' ');
            if (first == std::string::npos) {
                if (!seenText) ++e.blanksAbove;
                continue;
            }
            seenText = true;
            e.columns = std::max(e.columns, l.find_last_not_of(' ') + 1);
            e.indent = std::min(e.indent, first);
        }
    return e;
}

// 25 activities, each after up to three of the ones before it: its schedule has
// 79-column lines (78 without the trailing blank).
qv::PertBlock largeProject() {
    std::vector<perttest::Activity> acts;
    for (int i = 0; i < 25; ++i) {
        std::string preds;
        for (int k = std::max(0, i - 3); k < i; ++k) preds += char('A' + k);
        acts.push_back(perttest::estimated(1 + i % 4, 2 + i % 5, 4 + i % 7, preds));
    }
    return perttest::project(2, acts);
}

TEST(PdfPrinter, WideReportShiftsLeftButStaysInsideTheSheet) {
    if (!havePoppler()) GTEST_SKIP() << "pdftotext is not installed";
    qv::PertBlock P = largeProject();
    QVPert_CPM::SolvePertLines(P, 2);
    const Report pert = [&P](pf::ReportSink& s) { QVPert_CPM::PrintPertSolution(P, 2, s); };
    // Wider than A4 and Letter hold between 5 mm margins at 12 points.
    const Report tooWide = [](pf::ReportSink& s) {
        std::string l;
        for (int k = 0; k < 9; ++k) l += "ABCDEFGH" + std::to_string(k) + " ";
        s.line("TITLE");
        s.line(l);
    };
    struct Case {
        const char* name;
        Report report;
        std::size_t columns;
    } cases[] = {{"pert", pert, 78}, {"wide", tooWide, 89}};
    // The schedule's 78 columns need less than half an inch on A4, not on Letter.
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(extentOf(c.report).columns, c.columns);
        for (const PaperCase& paper : kPapers) {
            SCOPED_TRACE(paper.name);
            const Printed p = printAndCheck(c.report, paper, c.name);
            ASSERT_FALSE(p.words.empty());
            // Half an inch on the left unless the widest line would then pass the 5 mm
            // right margin; moved left, and made smaller, only as far as it must be.
            const double width = 7.2 * static_cast<double>(c.columns);
            const double left =
                std::max(pf::kLeastMargin, std::min(pf::kPreferredMargin, paper.width - pf::kLeastMargin - width));
            EXPECT_NEAR(rightmost(p), std::min(left + width, paper.width - pf::kLeastMargin), 1.0);
            // A smaller face comes in steps of a device pixel: its widest line may end a
            // few points short of the room between the 5 mm margins.
            const double step = width > paper.width - 2 * pf::kLeastMargin ? 4.0 : 1.0;
            EXPECT_NEAR(leftmost(p), left, step);
        }
    }
}

TEST(PdfPrinter, NarrowReportsKeepHalfAnInchAndPrintNoEmptySheet) {
    if (!havePoppler()) GTEST_SKIP() << "pdftotext is not installed";
    // A 3x3 table without probabilities, maximized, conservative: the report ends with a
    // page break after its second page.
    const Report decision = [](pf::ReportSink& s) {
        const dectest::Problem problem{{{10, 20, 5}, {7, 3, 12}, {15, -4, 9}}, 0, true, 2};
        const qv::DecisionBlock& d = dectest::solve(problem);
        QVDecisionAnalysis::WriteDecisionReport(d, problem.places, problem.maximize, s);
    };
    // Trend and seasonal with a zero index: one page, then a page break.
    const Report forecast = [](pf::ReportSink& s) {
        auto fc = fctest::block({0, 10, 0, 10});
        fctest::solved(fc, 4, "2", "2");
        QVForecasting::PrintForecastingSolution(fc, pf::Value(0), s);
    };
    // Its first line starts in column 1: it must not start in the sheet's corner.
    const Report markov = [](pf::ReportSink& s) {
        markovtest::Chain c = markovtest::MakeChain({{0.5, 0.25, 0.25}, {0.5, 0, 0.5}, {0.25, 0.25, 0.5}});
        Markov::AnalyzeChain(c.mk, c.table);
        Markov::PrintMarkovSolution(c.mk, c.table, s);
    };
    struct Case {
        const char* name;
        Report report;
        std::size_t recordedPages;  // pages as the report writes them
        std::size_t sheets;         // what comes out of the printer
    } cases[] = {{"decision", decision, 3, 2}, {"forecast", forecast, 2, 1}, {"markov", markov, 1, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(recordedPages(c.report).size(), c.recordedPages);
        for (const PaperCase& paper : kPapers) {
            SCOPED_TRACE(paper.name);
            const Printed p = printAndCheck(c.report, paper, c.name);
            EXPECT_EQ(p.sheets.size(), c.sheets);
            // Half an inch to the report's first column (7.2 points a column at 12 points).
            EXPECT_NEAR(leftmost(p), pf::kPreferredMargin + 7.2 * static_cast<double>(extentOf(c.report).indent), 0.1);
            double top = 1e9;
            for (const Word& w : p.words) top = std::min(top, w.yMin);
            // Half an inch above the first line, blank or not (a line is under 14 points).
            EXPECT_LE(top, pf::kPreferredMargin + 14 * static_cast<double>(extentOf(c.report).blanksAbove));
        }
    }
}

// A report longer than a sheet continues on the next one; no line runs off the bottom.
TEST(PdfPrinter, LongPagesContinueOnTheNextSheet) {
    if (!havePoppler()) GTEST_SKIP() << "pdftotext is not installed";
    const Report longPage = [](pf::ReportSink& s) {
        for (int i = 1; i <= 120; ++i) s.line("LINE " + std::to_string(i));
    };
    for (const PaperCase& paper : kPapers) {
        SCOPED_TRACE(paper.name);
        const Printed p = printAndCheck(longPage, paper, "long");
        EXPECT_EQ(p.sheets.size(), 3u);
        // The sheets are filled: the last line of sheet 1 lies within one line of the bottom margin.
        double lastY = 0;
        for (const Word& w : p.words)
            if (w.sheet == 1) lastY = std::max(lastY, w.yMax);
        EXPECT_GT(lastY, paper.height - pf::kPreferredMargin - 14);
    }
}

}  // namespace
