#pragma once
// Where a printed report goes on the sheet: margins a printer does not clip, and a face
// small enough that the report's longest line fits whole. All lengths in points.
#include <string>
#include <vector>

namespace pf {

constexpr double kPointsPerMm = 72.0 / 25.4;
// Half an inch at the top, the bottom and, where the lines leave room, the left.
constexpr double kPreferredMargin = 12.7 * kPointsPerMm;
// Never closer to the left or right edge than this.
constexpr double kLeastMargin = 5.0 * kPointsPerMm;

struct PaperGeometry {
    double width = 0, height = 0;
    // What the device cannot print on at each edge (0 for a PDF file).
    double deviceLeft = 0, deviceTop = 0, deviceRight = 0, deviceBottom = 0;
};

struct PrintLayout {
    double fontScale = 1;  // the report's font size times this
    double left = 0;       // left edge of the text
    double top = 0;        // top of the first line
    double bottom = 0;     // no line goes below this
    int linesPerPage = 1;
};

// longestLine and lineSpacing are measured at the report's font size.
PrintLayout layoutPrintedReport(const PaperGeometry& paper, double longestLine, double lineSpacing);

// The sheets a report fills: its pages without those that hold no visible text, so that
// a report ending with a page break leaves no empty sheet behind.
std::vector<std::vector<std::string>> sheetsOf(const std::vector<std::vector<std::string>>& pages);

}  // namespace pf
