#include "platform/core/PageLayout.h"

#include <algorithm>
#include <cmath>

namespace pf {

PrintLayout layoutPrintedReport(const PaperGeometry& paper, double longestLine, double lineSpacing) {
    PrintLayout l;
    const double leastLeft = std::max(kLeastMargin, paper.deviceLeft);
    const double leastRight = std::max(kLeastMargin, paper.deviceRight);
    const double preferredLeft = std::max(kPreferredMargin, paper.deviceLeft);
    // A line too wide even between the least margins is printed smaller rather than cut:
    // a table whose columns wrapped or ran off the sheet could not be read at all.
    const double room = paper.width - leastLeft - leastRight;
    if (longestLine > room && room > 0) l.fontScale = room / longestLine;
    const double width = longestLine * l.fontScale;
    l.left = std::max(leastLeft, std::min(preferredLeft, paper.width - leastRight - width));
    l.top = std::max(kPreferredMargin, paper.deviceTop);
    l.bottom = paper.height - std::max(kPreferredMargin, paper.deviceBottom);
    const double spacing = lineSpacing * l.fontScale;
    if (spacing > 0) l.linesPerPage = std::max(1, static_cast<int>(std::floor((l.bottom - l.top) / spacing + 1e-9)));
    return l;
}

std::vector<std::vector<std::string>> sheetsOf(const std::vector<std::vector<std::string>>& pages) {
    std::vector<std::vector<std::string>> sheets;
    for (const auto& page : pages) {
        const bool visible = std::any_of(page.begin(), page.end(), [](const std::string& line) {
            return line.find_first_not_of(" \t") != std::string::npos;
        });
        if (visible) sheets.push_back(page);
    }
    return sheets;
}

}  // namespace pf
