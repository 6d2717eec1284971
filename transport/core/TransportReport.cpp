#include "transport/core/TransportReport.h"

#include <string>
#include <vector>

#include "platform/core/Format.h"
#include "transport/core/TransportModel.h"
#include "transport/core/TransportSolution.h"

namespace {

const int kTaskBlanks[10] = {0, 12, 15, 18, 22, 25, 29, 32, 36, 39};

std::string field(double v, const std::string& pattern, int width) {
    return pf::RightAlignNumber(pf::Format(v, pattern), width);
}
std::string number(long e, int width) { return field(static_cast<double>(e), "#0", width); }
void blank(pf::ReportSink& out, int lines) {
    for (int k = 0; k < lines; ++k) out.line("");
}

struct TableLook {
    int n2, v2, n1, n3, v3;
    const char *head1, *rule1, *head2, *rule2, *head3, *rule3;
};

const TableLook kSupplies = {20,
                             13,
                             9,
                             12,
                             10,
                             "         ORIGIN      SUPPLY",
                             "         ------      ------",
                             "         ORIGIN      SUPPLY               ORIGIN      SUPPLY",
                             "         ------      ------               ------      ------",
                             "    ORIGIN   SUPPLY        ORIGIN   SUPPLY        ORIGIN   SUPPLY",
                             "    ------   ------        ------   ------        ------   ------"};
const TableLook kDemands = {19,
                            14,
                            10,
                            13,
                            12,
                            "      DESTINATION    DEMAND",
                            "      -----------    ------",
                            "      DESTINATION    DEMAND            DESTINATION    DEMAND",
                            "      -----------    ------            -----------    ------",
                            "   DESTINATION   DEMAND     DESTINATION   DEMAND     DESTINATION   DEMAND",
                            "   -----------   ------     -----------   ------     -----------   ------"};

// Entries 1..k (values[e]) in one, two or three columns of twelve lines.
void printTable(pf::ReportSink& out, const TableLook& t, const std::vector<double>& values) {
    const int k = static_cast<int>(values.size()) - 1;
    auto value = [&](int e, int width) { return field(values[static_cast<std::size_t>(e)], "########0", width); };
    if (k <= 12) {
        out.line(t.head1);
        out.line(t.rule1);
        for (int e = 1; e <= k; ++e) {
            if (k < 5 && e > 1) blank(out, 1);
            out.line(number(e, 13) + value(e, 13));
        }
    } else if (k <= 24) {
        out.line(t.head2);
        out.line(t.rule2);
        for (int e = 1; e <= 12; ++e) {
            std::string l = number(e, 13) + value(e, 13);
            if (e + 12 <= k) l += number(e + 12, t.n2) + value(e + 12, t.v2);
            out.line(l);
        }
    } else {
        out.line(t.head3);
        out.line(t.rule3);
        // Up to 36 entries fill twelve lines of three. A table read from a file may
        // hold more: entries 37..72 continue in twelve further lines laid out the same
        // way, and so on, so that every entry is printed once.
        for (int base = 0; base < k; base += 36) {
            for (int e = 1; e <= 12 && base + e <= k; ++e) {
                std::string l = number(base + e, t.n1) + value(base + e, t.v3);
                if (base + e + 12 <= k) l += number(base + e + 12, t.n3) + value(base + e + 12, t.v3);
                if (base + e + 24 <= k) l += number(base + e + 24, t.n3) + value(base + e + 24, t.v3);
                out.line(l);
            }
        }
    }
}

std::string taskHeading(int columns) { return pf::Spaces(kTaskBlanks[columns]) + "TASK"; }

}  // namespace

namespace transout {

void PrintProblemHeader(qv::SharedState& s, pf::ReportSink& out) {
    const bool transportation = qv::isTransportation(s);
    out.line(transportation ? "    TRANSPORTATION PROBLEM" : "    ASSIGNMENT PROBLEM");
    out.line(transportation ? "    **********************" : "    ******************");
    blank(out, 2);
    out.line(s.strMaximizeObjective == "YES" ? "    OBJECTIVE:  MAXIMIZATION" : "    OBJECTIVE:  MINIMIZATION");
    blank(out, 2);
    if (!transportation) return;
    out.line("    SUMMARY OF ORIGIN SUPPLIES");
    out.line("    **************************");
    blank(out, 1);
    const int m = s.tr.intOriginCount;
    std::vector<double> supplies(static_cast<std::size_t>(m) + 1, 0);
    for (int i = 1; i <= m; ++i) supplies[static_cast<std::size_t>(i)] = s.tr.lngNodeSupplies(i);
    printTable(out, kSupplies, supplies);
}

void PrintDestinationDemands(qv::SharedState& s, pf::ReportSink& out) {
    const int m = s.tr.intOriginCount, n = s.tr.intDestinationCount;
    if (m < 10 && n < 10) blank(out, 1);
    blank(out, 2);
    out.line("    SUMMARY OF DESTINATION DEMANDS");
    out.line("    ******************************");
    blank(out, 1);
    std::vector<double> demands(static_cast<std::size_t>(n) + 1, 0);
    for (int j = 1; j <= n; ++j) demands[static_cast<std::size_t>(j)] = -static_cast<double>(s.tr.lngNodeSupplies(m + j));
    printTable(out, kDemands, demands);
}

void PrintCostTable(qv::SharedState& s, pf::ReportSink& out) {
    auto& t = s.tr;
    const int m = t.intOriginCount, n = t.intDestinationCount;
    const bool transportation = qv::isTransportation(s);
    const std::string pattern = AssnOut::CostPattern(static_cast<int>(s.intDecimalPlaces.num()), 7);
    t.intBlockFirstColumn = 1;
    t.intBlockLastColumn = n < 10 ? n : 9;
    for (;;) {
        if (m < 10 && n < 10)
            blank(out, 1);
        else
            out.newPage();
        blank(out, 1);
        out.line("    SUMMARY OF UNIT COST OR REVENUE DATA");
        out.line("    ************************************");
        blank(out, 1);
        const int first = t.intBlockFirstColumn, last = t.intBlockLastColumn;
        out.line(transportation ? BlockHeading(first, last) : taskHeading(last - first + 1));
        std::string numbers = transportation ? " ORIGIN  " : " AGENT   ", rule = " ------  ";
        for (int j = first; j <= last; ++j) {
            numbers += pf::FormatText(std::to_string(j), "   @@  ");
            rule += " ------";
        }
        out.line(numbers);
        out.line(rule);
        for (s.intTableauRow = 1; s.intTableauRow <= m; ++s.intTableauRow) {
            const int i = s.intTableauRow;
            std::string row = pf::FormatText(std::to_string(i), "   @@    ");
            for (int j = first; j <= last; ++j) row += field(t.dblArcCosts(qv::arcIndex(i, j, n)).num(), pattern, 7);
            out.line(row);
        }
        if (t.intBlockLastColumn >= n) break;
        t.intBlockFirstColumn = last + 1;
        t.intBlockLastColumn = n - last > 9 ? last + 9 : n;
    }
    if (transportation) out.newPage();
}

void PrintTransportationSchedule(qv::SharedState& s, pf::ReportSink& out) {
    auto& t = s.tr;
    const int m = t.intOriginCount, n = t.intDestinationCount;
    const double supply = t.dblTotalSupply.num(), demand = t.dblTotalDemand.num();
    if (demand > supply) {
        blank(out, 3);
        out.line("     WARNING:  INSUFFICIENT SUPPLY");
        out.line("     *****************************");
        blank(out, 2);
        out.line("     Total demand exceeds total supply by" + pf::PrintedNumber(demand - supply));
        blank(out, 1);
        out.line("     The solution given provides the optimal shipment schedule for the ");
        out.line("     available supply.  Some destinations will have unsatisfied demand.");
        blank(out, 2);
        out.newPage();
    }
    std::vector<std::pair<int, int>> groups{{1, std::min(m, 15)}};
    if (m >= 16) groups.emplace_back(16, m);
    int lines = 0;
    double total = 0;
    for (const auto& [firstOrigin, lastOrigin] : groups) {
        const int r = lastOrigin - firstOrigin + 1;
        for (const auto& [first, last] : DestinationBlocks(n)) {
            total = DeriveSchedule(s, false);
            blank(out, 3);
            lines += 10 + r;
            if (lines > 54) {
                lines = r + 8;
                out.newPage();
            }
            out.line("    OPTIMAL TRANSPORTATION SCHEDULE");
            out.line("    *******************************");
            blank(out, 1);
            out.line("  SHIP");
            out.line(BlockHeading(first, last));
            std::string numbers = " ORIGIN  ", rule = " ------  ";
            for (int j = first; j <= last; ++j) {
                numbers += pf::FormatText(std::to_string(j), "   @@  ");
                rule += " ------";
            }
            out.line(numbers);
            out.line(rule);
            for (int i = firstOrigin; i <= lastOrigin; ++i) {
                if (m <= 10 && n <= 10) blank(out, 1);
                std::string row = pf::FormatText(std::to_string(i), "   @@    ");
                for (int j = first; j <= last; ++j) row += field(t.lngShipmentMatrix(i, j), "######0", 7);
                out.line(row);
            }
        }
    }
    if (m >= 16) out.newPage();
    blank(out, 3);
    out.line("    TOTAL TRANSPORTATION COST OR REVENUE IS" + pf::PrintedNumber(total));
    const double d = supply - demand;
    auto amountLine = [](int e, double amount) { return number(e, 10) + field(amount, "#########0", 21); };
    if (d > 0) {
        out.line("    NOTE:  THE TOTAL SUPPLY EXCEEDS THE TOTAL DEMAND BY" + pf::PrintedNumber(d));
        blank(out, 2);
        out.line("       ORIGIN       EXCESS SUPPLY");
        out.line("       ------       -------------");
        for (int i = 1; i <= m; ++i) {
            const double amount = t.dblNodeImbalances(i).num();
            if (!(amount > 0)) continue;
            if (i > 1 && m < 5) blank(out, 1);
            out.line(amountLine(i, amount));
        }
    } else if (d < 0) {
        out.line("    NOTE:  THE TOTAL DEMAND EXCEEDS THE TOTAL SUPPLY BY" + pf::PrintedNumber(-d));
        blank(out, 4);
        out.line("    DESTINATION   UNSATISFIED DEMAND");
        out.line("    -----------   ------------------");
        for (int j = 1; j <= n; ++j) {
            if (j > 1 && n < 5) blank(out, 1);
            const double amount = t.dblNodeImbalances(m + j).num();
            if (amount > 0) out.line(amountLine(j, amount));
        }
    }
}

void PrintTransportationReport(qv::SharedState& s, pf::ReportSink& out) {
    PrintProblemHeader(s, out);
    PrintDestinationDemands(s, out);
    PrintCostTable(s, out);
    PrintTransportationSchedule(s, out);
}

void PrintAssignmentReport(qv::SharedState& s, pf::ReportSink& out) {
    PrintProblemHeader(s, out);
    PrintCostTable(s, out);
    AssnOut::PrintAssignmentSolution(s, out);
}

}  // namespace transout

namespace AssnOut {

void PrintAssignmentSolution(qv::SharedState& s, pf::ReportSink& out) {
    const auto& t = s.tr;
    const int m = t.intOriginCount, n = t.intDestinationCount;
    const int decimals = static_cast<int>(s.intDecimalPlaces.num());
    if (m + n > 20) out.newPage();
    blank(out, 2);
    out.line("         OPTIMAL ASSIGNMENTS           COST/REVENUE");
    out.line("         *******************           ************");
    const long mn = static_cast<long>(m) * n;
    double total = 0;
    for (int v = 1; v <= m + n; ++v) {
        const long k = std::labs(static_cast<long>(t.lngTreeArcs(v)));
        const std::int32_t f = t.lngTreeArcFlows(v);
        if (f == 0 || k > mn) continue;
        const double cost = t.dblArcCosts(k).num();
        total += f * cost;
        if (v == 1 || m < 6 || n < 6) blank(out, 1);
        out.line("       ASSIGN AGENT " + pf::FormatText(std::to_string(t.lngArcTails(k)), "@@") + " TO TASK " +
                 pf::FormatText(std::to_string(t.intArcHeads(k) - m), "@@") + field(cost, CostPattern(decimals, 10), 16));
    }
    out.line("                                        ----------");
    out.line("         TOTAL COST/REVENUE     " + field(total, CostPattern(decimals, 13), 17));
    if (m == n) {
        blank(out, 2);
        return;
    }
    const bool tasksLeft = m < n;
    const int u = tasksLeft ? n - m : m - n;
    blank(out, 2);
    out.line(tasksLeft ? "       NOTE:  THE NUMBER OF TASKS EXCEEDS THE NUMBER OF AGENTS."
                       : "       NOTE:  THE NUMBER OF AGENTS EXCEEDS THE NUMBER OF TASKS.");
    const std::string words = std::string(tasksLeft ? "TASK" : "AGENT") + (u == 1 ? " REMAINS UNASSIGNED." : "S REMAIN UNASSIGNED.");
    // The file writes the count as a printed number: one blank more before it.
    if (s.strReportTarget == "Printer")
        out.line("             " + pf::PlainNumber(u) + " " + words);
    else
        out.line("             " + pf::PrintedNumber(u) + words);
    blank(out, 2);
    out.line(tasksLeft ? "       UNASSIGNED TASKS" : "       UNASSIGNED AGENTS");
    out.line(tasksLeft ? "       ----------------" : "       -----------------");
    for (int x : Unassigned(s)) out.line(pf::FormatText(std::to_string(x), "       @@"));
    blank(out, 1);
}

}  // namespace AssnOut
