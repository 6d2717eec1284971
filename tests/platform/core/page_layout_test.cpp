// Where the printed report lands on the sheet, and which pages become sheets.
#include "platform/core/PageLayout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr double kA4W = 595.276, kA4H = 841.89, kLetterW = 612, kLetterH = 792;
constexpr double kCourier12 = 7.2;  // advance of one Courier character at 12 points
constexpr double kSpacing = 13.6;   // its line spacing

struct MarginCase {
    const char* what;
    pf::PaperGeometry paper;
    int columns;            // the longest line
    double left;            // expected left margin
    double scale;           // expected font scale
};

TEST(PrintLayout, LeftMarginAndFaceFollowTheLongestLine) {
    const double least = pf::kLeastMargin, half = pf::kPreferredMargin;
    const MarginCase cases[] = {
        {"short lines keep half an inch", {kA4W, kA4H}, 60, half, 1},
        {"72 columns still fit A4 at half an inch", {kA4W, kA4H}, 72, half, 1},
        {"79 columns on Letter: the left margin gives way",
         {kLetterW, kLetterH}, 79, kLetterW - least - 79 * kCourier12, 1},
        {"79 columns on A4 do not fit even at 5 mm: the face shrinks", {kA4W, kA4H}, 79, least,
         (kA4W - 2 * least) / (79 * kCourier12)},
        {"a device that cannot print near the edge wins",
         {kLetterW, kLetterH, 25, 0, 25, 0}, 79, 25, (kLetterW - 50) / (79 * kCourier12)},
        {"a device margin between 5 mm and the room left", {kLetterW, kLetterH, 20, 0, 20, 0}, 79,
         kLetterW - 20 - 79 * kCourier12, 1},
        {"a device margin wider than half an inch",
         {kLetterW, kLetterH, 40, 40, 6, 40}, 40, 40, 1},
    };
    for (const MarginCase& c : cases) {
        SCOPED_TRACE(c.what);
        const pf::PrintLayout l = pf::layoutPrintedReport(c.paper, c.columns * kCourier12, kSpacing);
        EXPECT_NEAR(l.left, c.left, 1e-9);
        EXPECT_NEAR(l.fontScale, c.scale, 1e-9);
        // The line ends inside the right margin and the left never comes closer than 5 mm.
        const double right = std::max(pf::kLeastMargin, c.paper.deviceRight);
        EXPECT_LE(l.left + c.columns * kCourier12 * l.fontScale, c.paper.width - right + 1e-9);
        EXPECT_GE(l.left, pf::kLeastMargin);
    }
}

TEST(PrintLayout, LinesPerPageFitBetweenTopAndBottomMargins) {
    struct Case {
        pf::PaperGeometry paper;
        int lines;
    };
    const Case cases[] = {
        {{kA4W, kA4H}, 56},          // (841.89 - 72) / 13.6 = 56.6
        {{kLetterW, kLetterH}, 52},  // (792 - 72) / 13.6 = 52.9
        {{kLetterW, kLetterH, 0, 50, 0, 50}, 50},  // (792 - 100) / 13.6 = 50.9
    };
    for (const Case& c : cases) {
        const pf::PrintLayout l = pf::layoutPrintedReport(c.paper, 50 * kCourier12, kSpacing);
        EXPECT_EQ(l.linesPerPage, c.lines) << c.paper.height;
        EXPECT_GE(l.top, pf::kPreferredMargin);
        EXPECT_LE(l.top + l.linesPerPage * kSpacing, l.bottom + 1e-9);
        EXPECT_LE(l.bottom, c.paper.height - pf::kPreferredMargin + 1e-9);
    }
    // Exactly full: the last line may touch the bottom margin.
    const double exact = 2 * pf::kPreferredMargin + 10 * kSpacing;
    EXPECT_EQ(pf::layoutPrintedReport({kA4W, exact}, 100, kSpacing).linesPerPage, 10);
}

TEST(PrintLayout, PagesWithoutVisibleTextPrintNoSheet) {
    using Pages = std::vector<std::vector<std::string>>;
    struct Case {
        const char* what;
        Pages pages;
        Pages sheets;
    };
    const Case cases[] = {
        {"a report ending with a page break", {{"A"}, {"B"}, {}}, {{"A"}, {"B"}}},
        {"a break followed by blank lines only", {{"A"}, {"", "   "}}, {{"A"}}},
        {"two breaks in a row", {{"A"}, {}, {"", "B"}}, {{"A"}, {"", "B"}}},
        {"blank lines before and after text stay", {{"", "A", ""}}, {{"", "A", ""}}},
        {"nothing printed", {{}}, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(pf::sheetsOf(c.pages), c.sheets) << c.what;
}

}  // namespace
