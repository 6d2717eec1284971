#include "waiting/core/WaitingModels.h"

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "platform/core/Errors.h"
#include "platform/core/Format.h"

namespace QVWait {

namespace {

double factorial(int n) {
    double f = 1;
    for (int i = 2; i <= n; ++i) f *= i;
    return f;
}

// N (N - 1) ... (N - n + 1); 0 once n exceeds N.
double fallingProduct(int population, int n) {
    double p = 1;
    for (int i = population - n + 1; i <= population; ++i) p *= i;
    return n > population ? 0 : p;
}

int channels(const qv::WaitingBlock& wl) { return static_cast<int>(std::floor(wl.intChannelCount.num())); }
int population(const qv::WaitingBlock& wl) { return static_cast<int>(std::floor(wl.intPopulationSize.num())); }

std::string num(double v) { return pf::PlainNumber(v); }
std::string r6(double v) { return pf::RightAlignNumber(pf::Format(v, "0.0000"), 6); }
std::string r12(double v) { return pf::RightAlignNumber(pf::Format(v, "###,##0.0000"), 12); }
std::string money14(double v) { return pf::RightAlignNumber("$" + pf::Format(v, "###,###,##0.00"), 14); }
std::string field(int v, int w) { return pf::RightAlignNumber(std::to_string(v), w); }

double totalCost(const qv::WaitingBlock& wl, double costPerUnit) {
    return wl.dblAvgSystemUnits * costPerUnit + channels(wl) * wl.dblChannelCost.num();
}

void solveMMk(qv::WaitingBlock& wl, pf::Array2<double>& table) {
    const int k = channels(wl);
    const double lambda = wl.dblArrivalRate, mu = wl.dblServiceRate, r = lambda / mu;
    double a = 0;
    for (int n = 0; n < k; ++n) a += std::pow(r, n) / factorial(n);
    const double f = factorial(k - 1);
    const double slack = k * mu - lambda;
    const double p0 = 1 / (a + (std::pow(r, k) / f) * mu / slack);
    wl.dblEmptyProbability = p0;
    wl.dblAvgWaitingUnits = std::pow(r, k) * lambda * mu * p0 / (f * slack * slack);
    wl.dblAvgSystemUnits = wl.dblAvgWaitingUnits + r;
    wl.dblAvgWaitingTime = wl.dblAvgWaitingUnits / lambda;
    wl.dblAvgSystemTime = wl.dblAvgWaitingTime + 1 / mu;
    wl.dblWaitProbability = (1 / (f * k)) * std::pow(r, k) * (k * mu / slack) * p0;
    wl.intPopulationSize = k - 1;  // the design keeps k - 1 here

    table(0, 0) = p0;
    double sum = p0;
    for (int n = 1; n <= kMaxTableRows; ++n) {
        const double p = n <= k ? p0 * std::pow(r, n) / factorial(n)
                                : p0 * std::pow(r, n) / (factorial(k) * std::pow(k, n - k));
        table(n, 0) = p;
        sum += p;
        wl.intOrMoreStart = n + 1;
        wl.dblOrMoreProbability = 1 - sum;
        if (wl.dblOrMoreProbability < 0.01) break;
    }
}

void solveOneChannel(qv::WaitingBlock& wl, pf::Array2<double>& table) {
    if (wl.intWaitingLineModel == 3) wl.dblServiceStdDev = 0;
    const double lambda = wl.dblArrivalRate, mu = wl.dblServiceRate, sigma = wl.dblServiceStdDev, r = lambda / mu;
    wl.dblEmptyProbability = 1 - r;
    table(0, 0) = 1 - r;
    wl.dblAvgWaitingUnits = (lambda * lambda * sigma * sigma + r * r) / (2 * (1 - r));
    wl.dblAvgSystemUnits = wl.dblAvgWaitingUnits + r;
    wl.dblAvgWaitingTime = wl.dblAvgWaitingUnits / lambda;
    wl.dblAvgSystemTime = wl.dblAvgWaitingTime + 1 / mu;
    wl.dblWaitProbability = r;
}

void solveBlocked(qv::WaitingBlock& wl, pf::Array2<double>& table) {
    const int k = channels(wl);
    const double r = wl.dblArrivalRate / wl.dblServiceRate;
    wl.dblBlockedTerms(0) = 1;
    double total = 1;
    for (int j = 1; j <= k; ++j) {
        wl.dblBlockedTerms(j) = wl.dblBlockedTerms(j - 1).num() * r / j;
        total += wl.dblBlockedTerms(j).num();
    }
    for (int j = 0; j <= k; ++j) table(j, 0) = wl.dblBlockedTerms(j).num() / total;
    wl.dblWaitProbability = table(k, 0);
    wl.dblAvgSystemUnits = r * (1 - table(k, 0));
}

void solveFinite(qv::WaitingBlock& wl, pf::Array2<double>& table) {
    const int k = channels(wl), n = population(wl);
    const double lambda = wl.dblArrivalRate, r = lambda / wl.dblServiceRate;
    wl.intOrMoreStart = n + 1;
    // a(i) for i = 0..max(k, N); beyond N it is 0, so P(i) there counts as 0.
    const int top = std::max(k, n);
    std::vector<double> a(static_cast<std::size_t>(top) + 1, 0.0);
    a[0] = 1;
    for (int i = 1; i <= k; ++i) a[static_cast<std::size_t>(i)] = fallingProduct(n, i) * std::pow(r, i) / factorial(i);
    const double kFact = factorial(k);
    for (int i = k + 1; i <= n; ++i)
        a[static_cast<std::size_t>(i)] = fallingProduct(n, i) * std::pow(r, i) / (kFact * std::pow(k, i - k));
    double below = 0, rest = 0;
    for (int i = 0; i < k; ++i) below += a[static_cast<std::size_t>(i)];
    for (int i = k; i <= n; ++i) rest += a[static_cast<std::size_t>(i)];
    const double p0 = 1 / (below + rest);
    std::vector<double> p(a.size());
    for (std::size_t i = 0; i < a.size(); ++i) p[i] = a[i] * p0;
    for (int i = 0; i <= n; ++i) {
        wl.dblFiniteTerms(i) = a[static_cast<std::size_t>(i)];
        table(i, 0) = p[static_cast<std::size_t>(i)];
    }
    wl.dblEmptyProbability = p0;
    double lq = 0;
    for (int i = k; i <= n; ++i) lq += (i - k) * p[static_cast<std::size_t>(i)];
    double b = 0, m = 0;
    for (int i = 0; i < k; ++i) {
        b += p[static_cast<std::size_t>(i)];
        m += i * p[static_cast<std::size_t>(i)];
    }
    wl.dblAvgWaitingUnits = lq;
    wl.dblAvgSystemUnits = m + lq + k * (1 - b);
    const double effective = lambda * (n - wl.dblAvgSystemUnits);
    wl.dblAvgWaitingTime = lq / effective;
    wl.dblAvgSystemTime = wl.dblAvgSystemUnits / effective;
    wl.dblWaitProbability = 1 - b;
}

void requireFinite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) pf::raise(pf::errOverflow);
}

// Rows 11 to 21 of the window and the same results in the report, which indents them
// six blanks more.
std::vector<std::string> resultLines(const qv::WaitingBlock& wl, const std::string& indent) {
    return {
        indent + "THE PROBABILITY OF NO UNITS IN THE SYSTEM                " + r6(wl.dblEmptyProbability),
        "",
        indent + "THE AVERAGE NUMBER OF UNITS IN THE WAITING LINE    " + r12(wl.dblAvgWaitingUnits),
        "",
        indent + "THE AVERAGE NUMBER OF UNITS IN THE SYSTEM          " + r12(wl.dblAvgSystemUnits),
        "",
        indent + "THE AVERAGE TIME A UNIT SPENDS IN THE WAITING LINE " + r12(wl.dblAvgWaitingTime),
        "",
        indent + "THE AVERAGE TIME A UNIT SPENDS IN THE SYSTEM       " + r12(wl.dblAvgSystemTime),
        "",
        indent + "THE PROBABILITY THAT AN ARRIVING UNIT HAS TO WAIT        " + r6(wl.dblWaitProbability),
    };
}

std::string serviceLine(int k, double mu) {
    return k > 1 ? "       MEAN NUMBER OF SERVICES PER CHANNEL = " + num(mu) : "       MEAN NUMBER OF SERVICES = " + num(mu);
}

void add(std::vector<std::string>& lines, const std::vector<std::string>& more) {
    lines.insert(lines.end(), more.begin(), more.end());
}

}  // namespace

bool IsKnownModel(int model) { return model >= 1 && model <= 5; }

std::string CapacityMessage(double capacity) {
    return "The arrival rate must be less than " + pf::PlainNumber(capacity) +
           " or the waiting line will grow without limit.";
}

std::string UnsolvableReason(const qv::WaitingBlock& wl) {
    const int model = wl.intWaitingLineModel;
    if (!IsKnownModel(model)) return "";
    const bool manyChannels = model == 1 || model == 4 || model == 5;
    const double k = std::floor(wl.intChannelCount.num());
    if (manyChannels && !(k >= 1 && k <= qv::WaitingBlock::kMaxChannels)) return kChannelRange;
    if (model == 5) {
        const double n = std::floor(wl.intPopulationSize.num());
        if (!(n >= 1)) return kPopulationLow;
        if (n > qv::WaitingBlock::kMaxPopulation) return kPopulationHigh;
    }
    const double lambda = wl.dblArrivalRate, mu = wl.dblServiceRate;
    if (!(lambda > 0) || !(mu > 0)) return kMeanPositive;
    if (model == 1 && !(lambda < k * mu)) return CapacityMessage(k * mu);
    if ((model == 2 || model == 3) && !(lambda < mu)) return CapacityMessage(mu);
    return "";
}

void SolveModel(qv::WaitingBlock& block, pf::Array2<double>& probabilities, double costPerUnit) {
    // Worked on copies, so that a result beyond the double range leaves the problem as it was.
    qv::WaitingBlock wl = block;
    pf::Array2<double> table = probabilities;
    switch (wl.intWaitingLineModel) {
        case 1: solveMMk(wl, table); break;
        case 2:
        case 3: solveOneChannel(wl, table); break;
        case 4: solveBlocked(wl, table); break;
        case 5: solveFinite(wl, table); break;
        default: return;
    }
    requireFinite({wl.dblEmptyProbability, wl.dblAvgWaitingUnits, wl.dblAvgSystemUnits, wl.dblAvgWaitingTime,
                   wl.dblAvgSystemTime, wl.dblWaitProbability, wl.dblOrMoreProbability});
    const int last = wl.intWaitingLineModel == 1 ? wl.intOrMoreStart - 1
                   : wl.intWaitingLineModel == 4 ? channels(wl)
                   : wl.intWaitingLineModel == 5 ? population(wl)
                                                 : 0;
    for (int n = 0; n <= last; ++n) requireFinite({table(n, 0)});
    // The window and the report show the total cost whenever the analysis is not off
    // (never for blocked customers).
    if (wl.intWaitingLineModel != 4 && wl.strEconomicAnalysis != "NO") requireFinite({totalCost(wl, costPerUnit)});
    if (wl.intWaitingLineModel != 4 && wl.dblWaitProbability < 0.00005) wl.dblWaitProbability = 0;
    block = std::move(wl);
    probabilities = std::move(table);
}

std::vector<std::string> SolutionLines(const qv::WaitingBlock& wl, double costPerUnit,
                                       const pf::Array2<double>& table) {
    const int model = wl.intWaitingLineModel;
    std::vector<std::string> lines;
    if (!IsKnownModel(model)) return lines;
    // A file may hold a fractional count; the models use its whole part, and so do the lines.
    const int k = channels(wl);
    const std::string kText = num(k);
    const double lambda = wl.dblArrivalRate, mu = wl.dblServiceRate;

    if (model == 4) {
        const std::string heading = "  SUMMARY OF A " + kText + " CHANNEL SYSTEM WITH NO WAITING ALLOWED";
        add(lines, {heading, "  " + pf::Repeat('*', static_cast<int>(heading.size()) - 2), "",
                    "       MEAN NUMBER OF ARRIVALS = " + num(lambda), "", serviceLine(k, mu), "",
                    "  THE PROBABILITY OF NO UNITS IN THE SYSTEM                " + r6(table(0, 0)), "",
                    "  THE AVERAGE NUMBER OF UNITS IN THE SYSTEM          " + r12(wl.dblAvgSystemUnits), "",
                    "  THE PROBABILITY THAT AN ARRIVING UNIT IS BLOCKED         " + r6(table(k, 0)), ""});
        const std::vector<std::string> tableHeading = {"          Number of Channels Busy             Probability",
                                                       "          ***********************             ***********"};
        add(lines, tableHeading);
        lines.emplace_back();
        for (int j = 0; j <= k; ++j) {
            lines.push_back(pf::Spaces(20) + field(j, 2) + pf::RightAlignNumber(pf::Format(table(j, 0), "0.0000"), 33));
            if (j == k) continue;
            if (k < 8) lines.emplace_back();
            if (j == 12 && k > 12) {
                lines.emplace_back();
                add(lines, tableHeading);
                lines.emplace_back();
            }
        }
        lines.emplace_back();
        return lines;
    }

    const bool economic = wl.strEconomicAnalysis == "YES";
    lines.emplace_back();
    if (!(model == 2 && economic)) lines.emplace_back();
    const std::string heading =
        model == 5 ? "  SUMMARY OF A " + kText + " CHANNEL WAITING LINE FOR A POPULATION OF SIZE " + num(population(wl))
                   : "  SUMMARY OF A " + kText + " CHANNEL WAITING LINE WITH";
    add(lines, {heading, "  " + pf::Repeat('*', static_cast<int>(heading.size()) - 2), "",
                "       MEAN NUMBER OF ARRIVALS = " + num(lambda), "", serviceLine(k, mu), ""});
    if (model == 2) add(lines, {"       STANDARD DEVIATION FOR THE SERVICE TIME = " + num(wl.dblServiceStdDev), ""});
    add(lines, resultLines(wl, "  "));
    if (economic) add(lines, {"", "  THE TOTAL COST PER TIME PERIOD                   " + money14(totalCost(wl, costPerUnit))});
    if (model == 2 || model == 3) return lines;

    add(lines, {"", "", "       Number of Units in the System          Probability",
                "       *****************************          ***********", ""});
    const int s = wl.intOrMoreStart;
    for (int n = 0; n < s; ++n) {
        lines.push_back(pf::Spaces(19) + field(n, 3) + pf::Spaces(27) + r6(table(n, 0)));
        if (s < 8 && n < s - 1) lines.emplace_back();
    }
    if (model == 1) {
        if (s < 8) lines.emplace_back();
        lines.push_back(pf::Spaces(15) + field(s, 4) + " OR MORE                      " + r6(wl.dblOrMoreProbability));
    }
    return lines;
}

void PrintWaitingLineReport(const qv::WaitingBlock& wl, double costPerUnit, const pf::Array2<double>& table,
                            bool toFile, pf::ReportSink& out) {
    const int model = wl.intWaitingLineModel;
    if (!IsKnownModel(model)) return;
    const int k = channels(wl);
    const double mu = wl.dblServiceRate;
    auto blank = [&out] { out.endLine(); };
    const std::string pad(12, ' ');

    for (int i = 0; i < 4; ++i) blank();
    out.line("        WAITING LINES");
    out.line("        *************");
    blank();
    out.line(pad + "NUMBER OF CHANNELS = " + (model == 2 || model == 3 ? std::string("1") : num(k)));
    blank();
    out.line(pad + "POISSON ARRIVALS WITH MEAN RATE = " + num(wl.dblArrivalRate));
    blank();
    switch (model) {
        case 1:
        case 5:
            out.line(pad + "EXPONENTIAL SERVICE TIMES WITH MEAN RATE = " + num(mu) + (k > 1 ? " PER CHANNEL" : ""));
            break;
        case 2:
            out.line(pad + "ARBITRARY SERVICE TIMES WITH MEAN RATE = " + num(mu));
            blank();
            out.line(pad + "STANDARD DEVIATION FOR THE SERVICE TIME = " + num(wl.dblServiceStdDev));
            break;
        case 3: out.line(pad + "DETERMINISTIC SERVICE TIMES WITH MEAN RATE = " + num(mu)); break;
        case 4:
            out.line(pad + "ARBITRARY SERVICE TIMES WITH MEAN RATE = " + num(mu));
            blank();
            out.line(pad + "NO WAITING LINE (BLOCKED CUSTOMERS CLEARED)");
            break;
        default: break;
    }
    if (model == 5) {
        blank();
        out.line(pad + "FINITE CALLING POPULATION OF SIZE = " + num(population(wl)));
    }
    const bool costs = wl.strEconomicAnalysis != "NO";
    if (costs) {
        blank();
        out.line(pad + "COST FOR UNITS IN THE SYSTEM = $" + num(costPerUnit) + " PER TIME PERIOD");
        blank();
        out.line(pad + "COST FOR A CHANNEL = $" + num(wl.dblChannelCost) + " PER TIME PERIOD");
    }
    for (int i = 0; i < 3; ++i) blank();
    out.line("        OPERATING CHARACTERISTICS");
    out.line("        -------------------------");
    blank();

    if (model == 4) {
        out.line("        THE PROBABILITY OF NO UNITS IN THE SYSTEM                " + r6(table(0, 0)));
        blank();
        out.line("        THE AVERAGE NUMBER OF UNITS IN THE SYSTEM          " + r12(wl.dblAvgSystemUnits));
        blank();
        out.line("        THE PROBABILITY THAT AN ARRIVING UNIT IS BLOCKED         " + r6(table(k, 0)));
        for (int i = 0; i < 3; ++i) blank();
        out.line("            Number of Channels Busy             Probability");
        out.line("            -----------------------             -----------");
        blank();
        for (int j = 0; j <= k; ++j) {
            out.line(pf::Spaces(22) + field(j, 2) + pf::Spaces(27) + r6(table(j, 0)));
            if (k < 8) blank();
        }
        return;
    }

    for (const std::string& l : resultLines(wl, "        ")) out.line(l);
    blank();
    if (costs) out.line("        THE TOTAL COST PER TIME PERIOD                   " + money14(totalCost(wl, costPerUnit)));
    if (toFile) blank();
    if (model == 2 || model == 3) return;

    const int s = wl.intOrMoreStart;
    for (int n = 0; n < s; ++n) {
        if (n == 0 || n == 51) {
            out.newPage();
            out.line("        Number of Units in the System          Probability");
            out.line("        -----------------------------          -----------");
            blank();
        }
        out.line(pf::Spaces(20) + field(n, 3) + pf::Spaces(27) + r6(table(n, 0)));
        if (s < 25) blank();
    }
    if (model == 1)
        out.line(pf::Spaces(15) + field(s, 4) + " OR MORE                       " + r6(wl.dblOrMoreProbability));
}

}  // namespace QVWait
