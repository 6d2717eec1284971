#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/ui/QtHost.h"

namespace {

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

// Runs of blanks as one: pdftotext's layout guesses the width of gaps.
std::string squeeze(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == ' ' && !out.empty() && out.back() == ' ') continue;
        out += c;
    }
    return out;
}

// What reaches paper: the lines, in a fixed-pitch face, with the report's own page breaks.
TEST(PdfPrinter, PrintsTheReportLinesPageByPage) {
    if (run("command -v pdftotext").empty()) GTEST_SKIP() << "pdftotext is not installed";
    namespace fs = std::filesystem;
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

}  // namespace
