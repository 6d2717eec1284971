#include "shell/CellChecks.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "platform/core/Errors.h"
#include "platform/core/Format.h"
#include "platform/ui/Host.h"
#include "shell/core/State.h"
#include "shell/core/tanumchk.h"
#include "shell/frmProblem.h"
#include "transport/QVTanda.h"
#include "transport/core/TransportModel.h"

namespace CellChecks {

namespace {

constexpr const char* kNodeMessage = "NOTE:  THE NODE NUMBER MUST BE BETWEEN 1 AND ";
constexpr const char* kDistanceNotNumber = "NOTE:  DISTANCE MUST BE A NUMBER.";
constexpr const char* kDistanceNegative = "NOTE:  DISTANCE CANNOT BE NEGATIVE.";
constexpr const char* kSeriesNotNumber = "Values Must be Numeric.  PLEASE REENTER.";
constexpr const char* kTransitionRange = "PROBABILITIES MUST BE BETWEEN 0 AND 1!  PLEASE REENTER.";
constexpr const char* kPayoffNotNumber = "NOTE:  THE PAYOFF MUST BE A NUMERICAL VALUE.";
constexpr const char* kProbabilityRange = "NOTE:  THE PROBABILITY MUST BE BETWEEN 0 AND 1.";

int refuse(const std::string& message) {
    pf::MsgBox(message, pf::vbCritical + pf::vbOKOnly, "Data Input Error");
    return kRejected;
}

void raiseDecimals(int places) {
    auto& dp = qv::S().intDecimalPlaces;
    if (dp.num() < places) dp = places;
}

// Exact test: any fraction counts.
void exactDecimalsTest(double v) {
    if (v - std::floor(v) != 0) {
        raiseDecimals(1);
        if (10 * v - std::floor(10 * v) != 0) qv::S().intDecimalPlaces = 2;
    }
}

// Tolerant test: fractions below a half of the last shown digit do not count.
void tolerantDecimalsTest(double v) {
    if (std::fabs(v - std::floor(v)) >= 0.0095) {
        raiseDecimals(1);
        if (std::fabs(10 * v - std::floor(10 * v)) >= 0.095) qv::S().intDecimalPlaces = 2;
    }
}

int emptyAnswer() { return qv::S().blnZeroFillPending ? kEmptyZeroFilled : kAccepted; }

// ---- transportation and assignment

enum class TableauPart { None, Cost, Supply, Demand };

// What the tableau's cell (row, col) holds. Headings and the transportation corner are
// never data, whatever the cell the grid has current; the assignment tableau has
// costs only.
TableauPart tableauPart(int row, int col) {
    const int m = qv::S().tr.intOriginCount;
    const int n = qv::S().tr.intDestinationCount;
    const bool originRow = row >= 1 && row <= m, destinationCol = col >= 1 && col <= n;
    if (originRow && destinationCol) return TableauPart::Cost;
    if (qv::S().intCurrentModule == 3) return TableauPart::None;
    if (originRow && col == n + 1) return TableauPart::Supply;
    if (row == m + 1 && destinationCol) return TableauPart::Demand;
    return TableauPart::None;
}

int transportCell(int row, int col, const std::string& text) {
    switch (tableauPart(row, col)) {
        case TableauPart::Cost: return QVTanda::CheckCostCell(row, col, text);
        case TableauPart::Supply: return QVTanda::CheckSupplyCell(row, text);
        case TableauPart::Demand: return QVTanda::CheckDemandCell(qv::S().tr.intOriginCount + col, text);
        case TableauPart::None: break;
    }
    return kAccepted;
}

// ---- shortest route and spanning tree: row = arc

int networkCell(Pass pass, int arc, int col, const std::string& text) {
    auto& s = qv::S();
    auto& arcs = s.net.lngNetworkArcs;
    if (col == qv::NetworkBlock::kArcStart || col == qv::NetworkBlock::kArcEnd) {
        double v = 0;
        bool fits = pf::TryValLeading(text, v);
        if (fits && v >= 1 && v <= s.intNodeCount) {
            arcs(arc, col) = static_cast<std::int32_t>(std::floor(v));
            return kAccepted;
        }
        if (pass == Pass::Editing && text.empty()) return kAccepted;
        return refuse(kNodeMessage + std::to_string(s.intNodeCount));
    }
    if (col == qv::NetworkBlock::kArcDistance) {
        if (text.empty()) {
            if (pass == Pass::CheckPass) arcs(arc, col) = 0;
            return kAccepted;
        }
        if (!tanumchk::IsNumeric(pf::UCase(pf::Trim(text)))) {
            tanumchk::ResetVerdicts();
            return refuse(kDistanceNotNumber);
        }
        double v = 0;
        if (!pf::TryValLeading(s.strNumericText, v)) return refuse(kDistanceNotNumber);
        if (v < 0) return refuse(kDistanceNegative);
        // Stored in thousandths; a distance beyond that range is no usable number.
        double thousandths = pf::RoundHalfEven(1000 * v);
        if (thousandths > std::numeric_limits<std::int32_t>::max()) return refuse(kDistanceNotNumber);
        arcs(arc, col) = static_cast<std::int32_t>(thousandths);
        exactDecimalsTest(v);
        return kAccepted;
    }
    return kAccepted;
}

// ---- forecasting: row = period

int seriesCell(Pass pass, int period, const std::string& text) {
    auto& s = qv::S();
    auto& series = s.fc.dblTimeSeries;
    std::string upper = pf::UCase(text);
    if (pass == Pass::CheckPass && upper.empty()) {
        series(period, 1) = 0;
        return emptyAnswer();
    }
    double v = 0;
    if (!tanumchk::CheckedValue(upper, v)) return refuse(kSeriesNotNumber);
    series(period, 1) = v;
    tolerantDecimalsTest(v);
    return kAccepted;
}

// ---- Markov processes: (from state, to state)

int transitionCell(Pass pass, int i, int j, const std::string& text) {
    auto& s = qv::S();
    if (text.empty()) {
        s.mk.dblTransitionMatrix(i, j) = 0;
        return pass == Pass::CheckPass ? emptyAnswer() : kAccepted;
    }
    if (!tanumchk::IsNumeric(pf::UCase(text))) {
        tanumchk::ResetVerdicts();
        return refuse(kTransitionRange);
    }
    s.mk.strTransitionTexts(i, j) = s.strNumericText;
    double p = 0;
    if (!pf::TryValLeading(s.strNumericText, p) || p < 0 || p > 1) return refuse(kTransitionRange);
    s.mk.dblTransitionMatrix(i, j) = p;
    return kAccepted;
}

// ---- a cell the user emptied, stored as one never filled; no check, no message

void storeEmptyCell(int row, int col) {
    auto& s = qv::S();
    switch (s.intCurrentModule) {
        case 2:
        case 3: {
            auto& t = s.tr;
            const int m = t.intOriginCount, n = t.intDestinationCount;
            switch (tableauPart(row, col)) {
                case TableauPart::Cost: t.dblArcCosts(qv::arcIndex(row, col, n)) = 0; break;
                case TableauPart::Supply: t.lngNodeSupplies(row) = 0; break;
                case TableauPart::Demand: t.lngNodeSupplies(m + col) = 0; break;
                case TableauPart::None: break;
            }
            break;
        }
        case 11:
            if (col == 1 && row >= 1 && row <= s.fc.intPeriodCount) s.fc.dblTimeSeries(row, 1).Clear();
            break;
        default:
            // No Edit item lays these grids out again from their stored values.
            break;
    }
}

}  // namespace

void storeEmptiedGridCells() {
    if (!pf::isLoaded<FrmProblem>()) return;
    const pf::Grid& g = frmProblem().gridDisplayEdit;
    for (int r = g.FixedRows(); r < g.Rows(); ++r)
        for (int c = g.FixedCols(); c < g.Cols(); ++c)
            if (g.TextMatrix(r, c).empty()) storeEmptyCell(r, c);
}

int checkGridCell(Pass pass, int row, int col, const std::string& text) {
    switch (qv::S().intCurrentModule) {
        case 2:
        case 3: {
            int r = transportCell(row, col, text);
            if (r == kRejected) return kRejected;
            return pass == Pass::CheckPass && r == kEmptyZeroFilled ? kEmptyZeroFilled : kAccepted;
        }
        case 5:
        case 6:
            return networkCell(pass, row, col, text);
        case 11:
            return seriesCell(pass, row, text);
        case 12:
            return transitionCell(pass, row, col, text);
        default:
            return kAccepted;
    }
}

void ValidateProblemCell(int row, int col, const std::string& text, int& result) {
    switch (qv::S().intCurrentModule) {
        case 2: case 3: case 5: case 6:
            result = checkGridCell(Pass::CheckPass, row, col, frmProblem().gridDisplayEdit.Text());
            break;
        default:
            result = checkGridCell(Pass::CheckPass, row, col, text);
            break;
    }
}

int checkDecisionCell(Pass pass, int row, int col, const std::string& text, int gridIndex) {
    auto& s = qv::S();
    auto& d = s.dec;
    if (gridIndex < 0 || gridIndex > 2) return kAccepted;
    if (text.empty()) {
        if (pass == Pass::Editing) return kAccepted;
        if (gridIndex == 0) d.dblPayoffTable(row, col) = 0;
        else if (gridIndex == 1) d.dblStateProbabilities(col) = 0;
        else d.dblIndicatorGivenStateTable(row, col) = 0;
        return emptyAnswer();
    }
    double v = 0;
    switch (gridIndex) {
        case 0:
            if (!tanumchk::CheckedValue(pf::UCase(text), v)) return refuse(kPayoffNotNumber);
            d.dblPayoffTable(row, col) = v;
            tolerantDecimalsTest(d.dblPayoffTable(row, col));
            return kAccepted;
        case 1: {
            // The row heading is no entry.
            if (col == 0) return kAccepted;
            // No numeric check here: a text counts as a number when it starts like one
            // (a point or a zero) or has a value other than 0.
            bool fits = pf::TryValLeading(text, v);
            bool taken = fits && (text[0] == '.' || text[0] == '0' || v != 0);
            if (!taken) return refuse(kProbabilityRange);
            d.dblStateProbabilities(col) = v;  // kept even when out of range, until corrected
            if (v < 0 || v > 1) return refuse(kProbabilityRange);
            return kAccepted;
        }
        default:
            if (!tanumchk::IsNumeric(pf::UCase(text))) {
                tanumchk::ResetVerdicts();
                return refuse(kProbabilityRange);
            }
            if (!pf::TryValLeading(s.strNumericText, v) || v < 0 || v > 1) return refuse(kProbabilityRange);
            d.dblIndicatorGivenStateTable(row, col) = v;
            return kAccepted;
    }
}

void ValidateDecisionCell(int row, int col, const std::string& text, int gridIndex, int& result) {
    result = checkDecisionCell(Pass::CheckPass, row, col, text, gridIndex);
}

}  // namespace CellChecks
