#pragma once
// The text of the network windows, shared with the reports: the arc grid's distance
// cells, the route and tree lines and their number patterns. Numbers are never cut:
// a value wider than its field widens the line.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qvhrtrt {

inline constexpr const char* kRouteWindowTitle = "Optimal Route";
inline constexpr const char* kTreeWindowTitle = "Optimal Solution";
inline constexpr const char* kRouteHeader = "            START NODE       END NODE       DISTANCE";
inline constexpr const char* kRouteRule = "            ----------       --------       --------";
inline constexpr const char* kRouteTotalLabel = "                    TOTAL DISTANCE";
inline constexpr const char* kTreeTitle = "                    MINIMAL SPANNING TREE";
inline constexpr const char* kTreeTitleRule = "                    *********************";
inline constexpr const char* kTreeHeader = "              START NODE   END NODE    DISTANCE";
inline constexpr const char* kTreeRule = "              ----------   --------    --------";
inline constexpr const char* kTreeTotalLabel = "                    TOTAL LENGTH";

// intDecimalPlaces as 0, 1 or 2; -1 for any other value.
int NetworkDecimals();

// Patterns by decimals (nullptr for other decimals): description distances and the
// route total, route legs, tree arcs and the tree total.
const char* DescriptionPattern(int decimals);
const char* RouteLegPattern(int decimals);
const char* TreePattern(int decimals);

// A distance in thousandths through a pattern; with no pattern its plain number text.
std::string DistanceText(std::int64_t thousandths, const char* pattern);

// The distance cell of the arc grid by decimals; nothing for other decimals.
std::optional<std::string> ArcDistanceCell(std::int32_t thousandths, int decimals);

// One route leg and the total line (fields 18, 16, 16 and 34 + 16).
std::string RouteLegLine(int from, int to, std::int64_t thousandths, const char* pattern);
std::string RouteTotalLine(std::int64_t thousandths, const char* pattern);
// One tree arc and the total line (fields 20, 12, 13 and 32 + 13).
std::string TreeArcLine(int from, int joined, std::int64_t thousandths, const char* pattern);
std::string TreeTotalLine(std::int64_t thousandths, const char* pattern);

// The route window's lines after a successful labelling; traces the route into
// lngRouteNodes. For other decimals only the title, underline and headings.
std::vector<std::string> RouteWindowLines();
// The tree window's lines after a successful tree.
std::vector<std::string> TreeWindowLines();

}  // namespace qvhrtrt
