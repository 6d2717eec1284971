#include "transport/core/TransportSolution.h"

#include <cstdlib>

#include "platform/core/Format.h"

namespace transout {

namespace {
const int kHeadingBlanks[10] = {0, 3, 4, 8, 11, 15, 18, 22, 25, 29};
}

std::string InsufficientSupplyText(const qv::SharedState& s) {
    const double supply = s.tr.dblTotalSupply.num(), demand = s.tr.dblTotalDemand.num();
    if (!(demand > supply)) return {};
    return "Total demand exceeds total supply by " + pf::PlainNumber(demand - supply) + ".  " +
           "The solution given provides the optimal shipment schedule for the " +
           "available supply.  Some destinations will have unsatisfied demand.";
}

double DeriveSchedule(qv::SharedState& s, bool recreateImbalances) {
    qv::TransportBlock& t = s.tr;
    const int m = t.intOriginCount, n = t.intDestinationCount;
    const long mn = static_cast<long>(m) * n;
    if (recreateImbalances) t.dblNodeImbalances.ReDim(m + n);
    t.lngShipmentMatrix.ReDim(m, n);
    double total = 0;
    for (int v = 1; v <= m + n; ++v) {
        const long k = std::labs(static_cast<long>(t.lngTreeArcs(v)));
        const std::int32_t f = t.lngTreeArcFlows(v);
        if (k > mn) {
            t.dblNodeImbalances(k - mn) = f;
        } else {
            total += f * t.dblArcCosts(k).num();
            t.lngShipmentMatrix(t.lngArcTails(k), t.intArcHeads(k) - m) = f;
        }
    }
    return total;
}

std::vector<std::pair<int, int>> DestinationBlocks(int n) {
    std::vector<std::pair<int, int>> blocks;
    for (int first = 1; first <= n; first += 9) blocks.emplace_back(first, std::min(n, first + 8));
    return blocks;
}

std::string BlockHeading(int first, int last) {
    const int c = last - first + 1;
    return "  FROM" + pf::Spaces(kHeadingBlanks[c]) + "TO DESTINATION";
}

std::vector<std::string> BuildTransportationLines(qv::SharedState& s) {
    const double total = DeriveSchedule(s);
    const qv::TransportBlock& t = s.tr;
    const int m = t.intOriginCount, n = t.intDestinationCount;
    std::vector<std::string> lines{""};
    for (const auto& [first, last] : DestinationBlocks(n)) {
        lines.push_back(BlockHeading(first, last));
        std::string numbers = " ORIGIN  ", rule = " ------  ";
        for (int j = first; j <= last; ++j) {
            numbers += pf::FormatText(std::to_string(j), "   @@  ");
            rule += " ------";
        }
        lines.push_back(numbers);
        lines.push_back(rule);
        for (int i = 1; i <= m; ++i) {
            std::string row = pf::FormatText(std::to_string(i), "   @@    ");
            for (int j = first; j <= last; ++j)
                row += pf::RightAlignNumber(pf::Format(t.lngShipmentMatrix(i, j), "######0"), 7);
            lines.push_back(row);
        }
    }
    lines.push_back("");
    lines.push_back("    TOTAL TRANSPORTATION COST OR REVENUE IS:  " + pf::PlainNumber(total));
    lines.push_back("");
    const double d = t.dblTotalSupply.num() - t.dblTotalDemand.num();
    auto amountLine = [](int number, double amount) {
        return pf::RightAlignNumber(pf::Format(number, "#########0"), 10) +
               pf::RightAlignNumber(pf::Format(amount, "########0"), 21);
    };
    if (d > 0) {
        lines.push_back("NOTE:  THE TOTAL SUPPLY EXCEEDS THE TOTAL DEMAND BY " + pf::PlainNumber(d));
        lines.push_back("");
        lines.push_back("       ORIGIN       EXCESS SUPPLY");
        lines.push_back("       ------       -------------");
        for (int i = 1; i <= m; ++i)
            if (t.dblNodeImbalances(i).num() > 0) lines.push_back(amountLine(i, t.dblNodeImbalances(i).num()));
    } else if (d < 0) {
        lines.push_back("NOTE:  THE TOTAL DEMAND EXCEEDS THE TOTAL SUPPLY BY " + pf::PlainNumber(-d));
        lines.push_back("");
        lines.push_back("    DESTINATION   UNSATISFIED DEMAND");
        lines.push_back("    -----------   ------------------");
        for (int j = 1; j <= n; ++j)
            if (t.dblNodeImbalances(m + j).num() > 0) lines.push_back(amountLine(j, t.dblNodeImbalances(m + j).num()));
    }
    return lines;
}

}  // namespace transout

namespace AssnOut {

std::vector<Assignment> Assignments(const qv::SharedState& s) {
    const qv::TransportBlock& t = s.tr;
    const int m = t.intOriginCount, n = t.intDestinationCount;
    const long mn = static_cast<long>(m) * n;
    std::vector<Assignment> out;
    for (int v = 1; v <= m + n; ++v) {
        const long k = std::labs(static_cast<long>(t.lngTreeArcs(v)));
        const std::int32_t f = t.lngTreeArcFlows(v);
        if (f != 0 && k <= mn) out.push_back({t.lngArcTails(k), t.intArcHeads(k) - m, t.dblArcCosts(k).num(), f});
    }
    return out;
}

std::vector<int> Unassigned(const qv::SharedState& s) {
    const qv::TransportBlock& t = s.tr;
    const int m = t.intOriginCount, n = t.intDestinationCount;
    const long mn = static_cast<long>(m) * n;
    std::vector<int> out;
    if (m == n) return out;
    // Only the side with more members can have members left over.
    const int from = m < n ? m + 1 : 1, to = m < n ? m + n : m;
    for (int v = from; v <= to; ++v) {
        const long k = std::labs(static_cast<long>(t.lngTreeArcs(v)));
        if (k > mn && t.lngTreeArcFlows(v) != 0) out.push_back(m < n ? v - m : v);
    }
    return out;
}

std::string CostPattern(int decimals, int width) {
    const int point = decimals == 0 ? 0 : decimals + 1;
    std::string p = pf::Repeat('#', width - point - 1) + "0";
    if (decimals > 0) p += "." + pf::Repeat('0', decimals);
    return p;
}

std::vector<std::string> BuildAssignmentLines(const qv::SharedState& s) {
    const qv::TransportBlock& t = s.tr;
    const int m = t.intOriginCount, n = t.intDestinationCount;
    const int decimals = static_cast<int>(s.intDecimalPlaces.num());
    std::vector<std::string> lines{"         OPTIMAL ASSIGNMENTS           COST/REVENUE",
                                   "         *******************           ************"};
    double total = 0;
    for (const Assignment& a : Assignments(s)) {
        total += a.flow * a.cost;
        lines.push_back("       ASSIGN AGENT " + pf::FormatText(std::to_string(a.agent), "@@") + " TO TASK " +
                        pf::FormatText(std::to_string(a.task), "@@") +
                        pf::RightAlignNumber(pf::Format(a.cost, CostPattern(decimals, 7)), 16));
    }
    lines.push_back("                                        ---------- ");
    lines.push_back("         TOTAL COST/REVENUE     " +
                    pf::RightAlignNumber(pf::Format(total, CostPattern(decimals, 13)), 17));
    if (m != n) {
        const bool tasksLeft = m < n;
        const int u = tasksLeft ? n - m : m - n;
        const std::string noun = tasksLeft ? "TASK" : "AGENT";
        lines.push_back("");
        lines.push_back(tasksLeft ? "       NOTE:  THE NUMBER OF TASKS EXCEEDS THE NUMBER OF AGENTS."
                                  : "       NOTE:  THE NUMBER OF AGENTS EXCEEDS THE NUMBER OF TASKS.");
        lines.push_back("             " + pf::PlainNumber(u) + " " + noun +
                        (u == 1 ? " REMAINS UNASSIGNED." : "S REMAIN UNASSIGNED."));
        lines.push_back("");
        lines.push_back(tasksLeft ? "       UNASSIGNED TASKS" : "       UNASSIGNED AGENTS");
        lines.push_back(tasksLeft ? "       ----------------" : "       -----------------");
        for (int x : Unassigned(s)) lines.push_back(pf::FormatText(std::to_string(x), "       @@"));
    }
    return lines;
}

}  // namespace AssnOut
