#include "shell/core/ProblemFile.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "decision/core/DecisionSetup.h"
#include "platform/core/Errors.h"
#include "platform/core/Format.h"
#include "transport/core/TransportModel.h"

namespace qv {

namespace {

// Counts come from a file that anything may have written: each one is checked against
// what the module holds before it sizes a loop or indexes a table.
void requireRange(long v, long lo, long hi) {
    if (v < lo || v > hi) pf::raise(errCountOutOfRange);
}

int readCount(pf::FieldReader& in, int lo, int hi) {
    int v = in.readInt16();
    requireRange(v, lo, hi);
    return v;
}

// A count kept as a value is taken as a whole number, halves to the even neighbour.
int wholeCount(const pf::Value& v, int lo, int hi) {
    double r = pf::RoundHalfEven(v.num());
    if (!(r >= lo && r <= hi)) pf::raise(errCountOutOfRange);
    return static_cast<int>(r);
}

// Keeps an empty count empty, so that it is written back as it was read.
void storeWholeCount(pf::Value& target, const pf::Value& read, int whole) {
    if (read.IsEmpty())
        target = read;
    else
        target = whole;
}

// Decimal places are 0, 1 or 2. Anything else, a fraction included, would steer the
// number patterns of the windows and reports beyond what they show. An empty field is 0:
// files saved before the writer wrote 0 hold one.
pf::Value readDecimalPlaces(pf::FieldReader& in) {
    const pf::Value v = in.readValue();
    if (v.IsEmpty()) return pf::Value(0);
    if (!(v.num() == 0 || v.num() == 1 || v.num() == 2)) pf::raise(errCountOutOfRange);
    return v;
}

// Not yet raised by any entry counts as 0, and is written so, for the reader to accept.
void writeDecimalPlaces(pf::FieldWriter& out, const pf::Value& v) {
    if (v.IsEmpty())
        out.writeInt(0);
    else
        out.writeValue(v);
}

std::string valueText(const pf::Value& v) { return v.IsEmpty() ? std::string() : pf::PlainNumber(v.num()); }

// ---- Sizing of the tables each format fills (the module's hook may do more). ----

void sizeTransport(SharedState& S) { DimensionNetwork(S); }

void sizeNetwork(SharedState& S) {
    S.net.lngNetworkArcs.ReDim(NetworkBlock::kMaxArcs, NetworkBlock::kArcDistance);
}

void sizePert(SharedState& S) {
    const int u = PertBlock::kMaxActivities;
    PertBlock& P = S.pert;
    for (auto* a : {&P.intPredecessorCounts, &P.dblExpectedTimes, &P.dblOptimisticTimes,
                    &P.dblMostProbableTimes, &P.dblPessimisticTimes, &P.dblTimeVariances})
        a->ReDim(u);
    P.intPredecessorMatrix.ReDim(u, u);
}

void sizeInventory(SharedState& S) { S.inv.ReDimArrays(); }

void sizeWaiting(SharedState& S) {
    S.wl.intWaitSpareTableA.ReDim(8);
    S.wl.intWaitSpareTableB.ReDim(8);
    S.dblProbabilityTable.ReDim(200, 0);
    S.wl.dblFiniteTerms.ReDim(200);
    S.wl.dblBlockedTerms.ReDim(26);
}

void sizeDecision(SharedState& S) { QVDecisionAnalysis::ResetDecisionProblem(S); }

void sizeForecast(SharedState& S) { S.fc.dblTimeSeries.ReDim(ForecastBlock::kSeriesUpper, 1); }

void sizeMarkov(SharedState& S) {
    const int u = MarkovBlock::kMaxStates;
    S.mk.dblTransitionMatrix.ReDim(u, u);
    S.mk.strTransitionTexts.ReDim(u, u);
}

void runSizeHook(ProblemFileHooks& hooks) {
    if (hooks.sizeModule) hooks.sizeModule();
}

void runRebuildHook(ProblemFileHooks& hooks) {
    if (hooks.rebuildScreen) hooks.rebuildScreen();
}

// ---- Writers ----

void writeLP(SharedState& S, pf::FieldWriter& out) {
    LPBlock& L = S.lp;
    L.strModelLines(1) = ModelPathLine(S.strProblemFileName);
    const int m = L.intConstraintCount;
    out.writeInt(m);
    out.endRecord();
    for (int i = 1; i <= m + 2; ++i) {
        out.writeString(L.strModelLines(i));
        out.endRecord();
    }
}

void writeTransport(SharedState& S, pf::FieldWriter& out) {
    const TransportBlock& T = S.tr;
    const int m = T.intOriginCount, n = T.intDestinationCount;
    writeDecimalPlaces(out, S.intDecimalPlaces);
    out.writeInt(m);
    out.writeInt(n);
    out.endRecord();
    for (long k = 1; k <= static_cast<long>(m) * n; ++k) {
        out.writeValue(T.dblArcCosts(k));
        out.endRecord();
    }
    if (isTransportation(S)) {
        for (int k = 1; k <= m + n; ++k) {
            out.writeInt(T.lngNodeSupplies(k));
            out.endRecord();
        }
    }
}

void writeNetwork(SharedState& S, pf::FieldWriter& out) {
    writeDecimalPlaces(out, S.intDecimalPlaces);
    out.writeInt(S.intNodeCount);
    out.writeInt(S.intArcCount);
    out.endRecord();
    const auto& arcs = S.net.lngNetworkArcs;
    for (int a = 1; a <= S.intArcCount; ++a) {
        out.writeInt(arcs(a, NetworkBlock::kArcStart));
        out.endRecord();
        out.writeInt(arcs(a, NetworkBlock::kArcEnd));
        out.endRecord();
        out.writeDouble(arcs(a, NetworkBlock::kArcDistance) / 1000.0);
        out.endRecord();
    }
}

void writePert(SharedState& S, pf::FieldWriter& out) {
    const PertBlock& P = S.pert;
    const int count = P.intActivityCount;
    writeDecimalPlaces(out, S.intDecimalPlaces);
    writeDecimalPlaces(out, P.intExpectedTimeDecimals);
    out.writeInt(count);
    out.writeValue(P.intTimeEstimateMode);
    out.endRecord();
    for (int i = 1; i <= count; ++i) {
        out.writeValue(P.dblExpectedTimes(i));
        out.writeValue(P.intPredecessorCounts(i));
        out.endRecord();
    }
    for (int i = 1; i <= count; ++i) {
        const double p = pf::RoundHalfEven(P.intPredecessorCounts(i).num());
        for (int k = 1; k <= p; ++k) {
            out.writeValue(P.intPredecessorMatrix(i, k));
            out.endRecord();
        }
    }
    if (P.intTimeEstimateMode.num() == 2) {
        for (int i = 1; i <= count; ++i) {
            out.writeValue(P.dblOptimisticTimes(i));
            out.writeValue(P.dblMostProbableTimes(i));
            out.endRecord();
            out.writeValue(P.dblPessimisticTimes(i));
            out.writeValue(P.dblTimeVariances(i));
            out.endRecord();
        }
    }
}

// A number and the same value as text.
void writePair(pf::FieldWriter& out, const pf::Value& v) {
    out.writeDouble(v.num());
    out.writeString(valueText(v));
}

void writeInventory(SharedState& S, pf::FieldWriter& out) {
    InventoryBlock& I = S.inv;
    if (I.intHoldingCostMethod.num() == 0) I.strHoldingCostText = valueText(I.dblHoldingCost);

    out.writeInt(I.intInventoryModel);
    writePair(out, I.dblAnnualDemand);
    writePair(out, I.dblOrderingCost);
    out.writeDouble(I.dblHoldingCost.num());
    out.writeString(I.strHoldingCostText);
    writePair(out, I.dblHoldingPercent);
    writePair(out, S.varUnitCost);
    writePair(out, I.dblBackorderCost);
    writePair(out, I.dblWorkingDays);
    writePair(out, I.dblLeadTime);
    writePair(out, I.dblDemandMean);
    out.endRecord();

    writePair(out, I.dblDemandStdDev);
    writePair(out, I.intServiceLevelMethod);
    writePair(out, I.dblStockoutProbability);
    writePair(out, I.dblStockoutsPerYear);
    writePair(out, S.varProductionRate);
    writePair(out, I.intHoldingCostMethod);
    out.writeDouble(I.intReorderPointMark.num());
    out.writeDouble(I.dblReorderPoint.num());
    out.writeDouble(I.intComputeReorderPoint.num());
    writePair(out, I.intDiscountCount);
    writePair(out, pf::Value(S.dblCostPerUnit));
    writePair(out, S.varDemandDistribution);
    writePair(out, S.varUniformLow);
    writePair(out, S.varUniformHigh);
    out.endRecord();

    const double categories = pf::RoundHalfEven(I.intDiscountCount.num());
    for (int i = 1; i <= categories; ++i) {
        out.writeDouble(I.dblCategoryUnitCosts(i).num());
        out.writeString(I.strCategoryUnitCostTexts(i));
        out.writeDouble(I.dblCategoryMinQuantities(i).num());
        out.writeString(I.strCategoryMinQuantityTexts(i));
        out.endRecord();
    }
}

void writeWaiting(SharedState& S, pf::FieldWriter& out) {
    const WaitingBlock& W = S.wl;
    const pf::Value costPerUnit(S.dblCostPerUnit);
    out.writeInt(W.intWaitingLineModel);
    out.writeValue(W.intChannelCount);
    out.writeValue(W.dblArrivalRate);
    out.writeValue(W.dblServiceRate);
    out.writeValue(W.intPopulationSize);
    out.writeValue(W.dblServiceStdDev);
    out.writeString(W.strEconomicAnalysis);
    out.writeValue(costPerUnit);
    out.writeValue(W.dblChannelCost);
    for (const pf::Value* v : {&W.intChannelCount, &W.dblArrivalRate, &W.dblServiceRate, &W.intPopulationSize,
                               &costPerUnit, &W.dblChannelCost})
        out.writeString(valueText(*v));
    out.endRecord();
}

void writeDecision(SharedState& S, pf::FieldWriter& out) {
    const DecisionBlock& D = S.dec;
    const int states = D.intNatureStateCount, alternatives = D.intAlternativeCount;
    writeDecimalPlaces(out, S.intDecimalPlaces);
    out.writeInt(states);
    out.writeInt(alternatives);
    out.writeValue(D.intStateProbsFlag);
    out.writeValue(D.intStrategyFlag);
    out.writeString(D.strStateProbsGiven);
    out.writeString(D.strStrategyRequested);
    out.endRecord();
    for (int i = 1; i <= alternatives; ++i)
        for (int j = 1; j <= states; ++j) {
            out.writeValue(D.dblPayoffTable(i, j));
            out.endRecord();
        }
    if (D.intStateProbsFlag.num() != 1) return;
    for (int j = 1; j <= states; ++j) {
        out.writeValue(D.dblStateProbabilities(j));
        out.endRecord();
    }
    if (D.intStrategyFlag.num() != 1) return;
    const int indicators = D.intIndicatorCount;
    out.writeValue(D.intStrategyFlag);
    out.writeInt(indicators);
    out.endRecord();
    for (int j = 1; j <= states; ++j)
        for (int k = 1; k <= indicators; ++k) {
            out.writeValue(D.dblIndicatorGivenStateTable(j, k));
            out.endRecord();
        }
}

void writeForecast(SharedState& S, pf::FieldWriter& out) {
    const int periods = S.fc.intPeriodCount;
    out.writeInt(periods);
    writeDecimalPlaces(out, S.intDecimalPlaces);
    out.endRecord();
    for (int t = 1; t <= periods; ++t) {
        out.writeValue(S.fc.dblTimeSeries(t, 1));
        out.endRecord();
    }
}

void writeMarkov(SharedState& S, pf::FieldWriter& out) {
    const MarkovBlock& K = S.mk;
    out.writeValue(K.intStateCount);
    out.endRecord();
    const double s = pf::RoundHalfEven(K.intStateCount.num());
    for (int i = 1; i <= s; ++i)
        for (int j = 1; j <= s; ++j) {
            out.writeValue(K.dblTransitionMatrix(i, j));
            out.endRecord();
        }
}

// ---- Readers ----

constexpr int kModelLineUpper = 255;
constexpr int kMaxLPConstraints = 50;

void readLP(SharedState& S, pf::FieldReader& in, ProblemFileHooks& hooks) {
    LPBlock& L = S.lp;
    L.strModelLines.ReDim(kModelLineUpper);
    runSizeHook(hooks);
    // As many constraints as the model's lines can hold are read; beyond the program's
    // 50 the parser refuses the model with its own message and nothing is laid out.
    const int m = readCount(in, 1, kModelLineUpper - 2);
    L.intConstraintCount = m;
    for (int i = 1; i <= m + 2; ++i) L.strModelLines(i) = in.readString();
    if (hooks.parseModel) {
        if (!hooks.parseModel()) return;
    } else {
        requireRange(m, 1, kMaxLPConstraints);
    }
    runRebuildHook(hooks);
}

void readTransport(SharedState& S, pf::FieldReader& in, ProblemFileHooks& hooks) {
    TransportBlock& T = S.tr;
    S.intDecimalPlaces = readDecimalPlaces(in);
    const int m = readCount(in, 1, std::numeric_limits<std::int16_t>::max());
    const int n = readCount(in, 1, std::numeric_limits<std::int16_t>::max());
    // Larger tableaux than the dialogs allow are read as long as every node and arc
    // index still fits the module's 16-bit indexes.
    requireRange(static_cast<long>(m) * n + m + n, 0, std::numeric_limits<std::int16_t>::max());
    T.intOriginCount = m;
    T.intDestinationCount = n;
    sizeTransport(S);
    runSizeHook(hooks);
    for (int i = 1; i <= m; ++i)
        for (int j = 1; j <= n; ++j) {
            const long k = static_cast<long>(i - 1) * n + j;
            T.dblArcCosts(k) = in.readValue();
            T.lngArcTails(k) = i;
            T.intArcHeads(k) = m + j;
        }
    if (isTransportation(S)) {
        for (int k = 1; k <= m + n; ++k) T.lngNodeSupplies(k) = in.readInt32();
    } else {
        for (int k = 1; k <= m; ++k) T.lngNodeSupplies(k) = 1;
        for (int k = m + 1; k <= m + n; ++k) T.lngNodeSupplies(k) = -1;
    }
    runRebuildHook(hooks);
}

void readNetwork(SharedState& S, pf::FieldReader& in, ProblemFileHooks& hooks) {
    sizeNetwork(S);
    runSizeHook(hooks);
    S.intDecimalPlaces = readDecimalPlaces(in);
    S.intNodeCount = readCount(in, NetworkBlock::kMinNodes, NetworkBlock::kMaxNodes);
    S.intArcCount = readCount(in, 1, NetworkBlock::kMaxArcs);
    auto& arcs = S.net.lngNetworkArcs;
    for (int a = 1; a <= S.intArcCount; ++a) {
        arcs(a, NetworkBlock::kArcStart) = in.readInt32();
        arcs(a, NetworkBlock::kArcEnd) = in.readInt32();
        // Held in thousandths; a distance that does not fit is a field out of range.
        const double held = pf::RoundHalfEven(in.readDouble() * 1000.0);
        if (!(held >= std::numeric_limits<std::int32_t>::min() && held <= std::numeric_limits<std::int32_t>::max()))
            pf::raise(pf::errOverflow);
        arcs(a, NetworkBlock::kArcDistance) = static_cast<std::int32_t>(held);
    }
    runRebuildHook(hooks);
}

void readPert(SharedState& S, pf::FieldReader& in, ProblemFileHooks& hooks) {
    PertBlock& P = S.pert;
    sizePert(S);
    runSizeHook(hooks);
    S.intDecimalPlaces = readDecimalPlaces(in);
    P.intExpectedTimeDecimals = readDecimalPlaces(in);
    const int count = readCount(in, 1, PertBlock::kMaxActivities);
    P.intActivityCount = count;
    P.intTimeEstimateMode = in.readValue();
    for (int i = 1; i <= count; ++i) {
        P.dblExpectedTimes(i) = in.readValue();
        const pf::Value p = in.readValue();
        // Predecessors come before their activity, so activity i has at most i - 1.
        storeWholeCount(P.intPredecessorCounts(i), p, wholeCount(p, 0, i - 1));
    }
    for (int i = 1; i <= count; ++i) {
        const int p = static_cast<int>(P.intPredecessorCounts(i).num());
        for (int k = 1; k <= p; ++k) {
            const pf::Value pred = in.readValue();
            if (!(pred.num() >= 1 && pred.num() <= i - 1 && pred.num() == std::floor(pred.num())))
                pf::raise(errCountOutOfRange);
            P.intPredecessorMatrix(i, k) = pred;
        }
    }
    if (P.intTimeEstimateMode.num() == 2) {
        for (int i = 1; i <= count; ++i) {
            P.dblOptimisticTimes(i) = in.readValue();
            P.dblMostProbableTimes(i) = in.readValue();
            P.dblPessimisticTimes(i) = in.readValue();
            P.dblTimeVariances(i) = in.readValue();
        }
    }
    S.strProblemEntered = "YES";
    runRebuildHook(hooks);
}

// A number and its text; the text is dropped.
pf::Value readPair(pf::FieldReader& in) {
    pf::Value v = in.readValue();
    in.readString();
    return v;
}

void readInventory(SharedState& S, pf::FieldReader& in, ProblemFileHooks& hooks) {
    InventoryBlock& I = S.inv;
    sizeInventory(S);
    runSizeHook(hooks);
    I.intInventoryModel = in.readInt16();
    I.dblAnnualDemand = readPair(in);
    I.dblOrderingCost = readPair(in);
    I.dblHoldingCost = in.readValue();
    I.strHoldingCostText = in.readString();
    I.dblHoldingPercent = readPair(in);
    S.varUnitCost = readPair(in);
    I.dblBackorderCost = readPair(in);
    I.dblWorkingDays = readPair(in);
    I.dblLeadTime = readPair(in);
    I.dblDemandMean = readPair(in);

    I.dblDemandStdDev = readPair(in);
    I.intServiceLevelMethod = readPair(in);
    I.dblStockoutProbability = readPair(in);
    I.dblStockoutsPerYear = readPair(in);
    S.varProductionRate = readPair(in);
    I.intHoldingCostMethod = readPair(in);
    I.intReorderPointMark = in.readValue();
    I.dblReorderPoint = in.readValue();
    I.intComputeReorderPoint = in.readValue();
    const pf::Value categories = readPair(in);
    const int count = wholeCount(categories, 0, InventoryBlock::kMaxDiscountCategories);
    storeWholeCount(I.intDiscountCount, categories, count);
    S.dblCostPerUnit = readPair(in).num();
    S.varDemandDistribution = readPair(in);
    S.varUniformLow = readPair(in);
    S.varUniformHigh = readPair(in);

    for (int i = 1; i <= count; ++i) {
        I.dblCategoryUnitCosts(i) = in.readValue();
        I.strCategoryUnitCostTexts(i) = in.readString();
        I.dblCategoryMinQuantities(i) = in.readValue();
        I.strCategoryMinQuantityTexts(i) = in.readString();
    }
}

void readWaiting(SharedState& S, pf::FieldReader& in, ProblemFileHooks& hooks) {
    WaitingBlock& W = S.wl;
    sizeWaiting(S);
    runSizeHook(hooks);
    W.intWaitingLineModel = in.readInt16();
    const pf::Value channels = in.readValue();
    // Not yet entered is allowed; a number must be a channel count the models hold.
    if (!channels.IsEmpty() && !(channels.num() >= 1 && channels.num() <= WaitingBlock::kMaxChannels))
        pf::raise(errCountOutOfRange);
    W.intChannelCount = channels;
    W.dblArrivalRate = in.readValue();
    W.dblServiceRate = in.readValue();
    W.intPopulationSize = in.readValue();
    W.dblServiceStdDev = in.readValue();
    W.strEconomicAnalysis = in.readString();
    S.dblCostPerUnit = in.readValue().num();
    W.dblChannelCost = in.readValue();
    for (int f = 0; f < 6; ++f) in.readString();
}

void readDecision(SharedState& S, pf::FieldReader& in, ProblemFileHooks& hooks) {
    DecisionBlock& D = S.dec;
    sizeDecision(S);
    runSizeHook(hooks);
    S.intDecimalPlaces = readDecimalPlaces(in);
    const int states = readCount(in, 1, DecisionBlock::kMaxNatureStates);
    D.intNatureStateCount = states;
    const int alternatives = readCount(in, 1, DecisionBlock::kMaxAlternatives);
    D.intAlternativeCount = alternatives;
    D.intStateProbsFlag = in.readValue();
    D.intStrategyFlag = in.readValue();
    D.strStateProbsGiven = in.readString();
    D.strStrategyRequested = in.readString();
    for (int i = 1; i <= alternatives; ++i)
        for (int j = 1; j <= states; ++j) {
            D.dblPayoffTable(i, j) = in.readValue();
            D.dblSignedPayoffs(i, j) = D.dblPayoffTable(i, j);
        }
    if (D.intStateProbsFlag.num() == 1) {
        for (int j = 1; j <= states; ++j) D.dblStateProbabilities(j) = in.readValue();
        if (D.intStrategyFlag.num() == 1) {
            D.intStrategyFlag = in.readValue();
            const int indicators = readCount(in, 1, DecisionBlock::kMaxIndicators);
            D.intIndicatorCount = indicators;
            for (int j = 1; j <= states; ++j)
                for (int k = 1; k <= indicators; ++k) D.dblIndicatorGivenStateTable(j, k) = in.readValue();
        }
    }
    // Whatever the file says, the 1/0 flags decide what is laid out and solved.
    QVDecisionAnalysis::settleFlagsAfterRead(D);
    runRebuildHook(hooks);
}

void readForecast(SharedState& S, pf::FieldReader& in, ProblemFileHooks& hooks) {
    sizeForecast(S);
    runSizeHook(hooks);
    const int periods = readCount(in, 1, ForecastBlock::kMaxPeriods);
    S.fc.intPeriodCount = periods;
    S.intDecimalPlaces = readDecimalPlaces(in);
    for (int t = 1; t <= periods; ++t) S.fc.dblTimeSeries(t, 1) = in.readValue();
    runRebuildHook(hooks);
}

void readMarkov(SharedState& S, pf::FieldReader& in, ProblemFileHooks& hooks) {
    MarkovBlock& K = S.mk;
    sizeMarkov(S);
    runSizeHook(hooks);
    const pf::Value read = in.readValue();
    const int s = wholeCount(read, 1, MarkovBlock::kMaxStates);
    storeWholeCount(K.intStateCount, read, s);
    for (int i = 1; i <= s; ++i)
        for (int j = 1; j <= s; ++j) K.dblTransitionMatrix(i, j) = in.readValue();
    runRebuildHook(hooks);
}

}  // namespace

std::string ModelPathLine(const std::string& path) {
    std::string line;
    line.reserve(path.size());
    for (std::size_t i = 0; i < path.size(); ++i) {
        const char c = path[i];
        if (c == '"') {
            line += '\'';
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < path.size() && path[i + 1] == '\n') ++i;  // CR LF is one break
            line += ' ';
        } else {
            line += c;
        }
    }
    return line;
}

void WriteProblemRecords(SharedState& S, pf::FieldWriter& out) {
    switch (S.intCurrentModule) {
        case 1:
        case 4: writeLP(S, out); break;
        case 2:
        case 3: writeTransport(S, out); break;
        case 5:
        case 6: writeNetwork(S, out); break;
        case 7:
            // A new PERT/CPM problem stays new until it is saved, even if the save fails.
            S.blnNewProblem = false;
            writePert(S, out);
            break;
        case 8: writeInventory(S, out); break;
        case 9: writeWaiting(S, out); break;
        case 10: writeDecision(S, out); break;
        case 11: writeForecast(S, out); break;
        case 12: writeMarkov(S, out); break;
        default: pf::raise(pf::errInvalidCall);
    }
}

void ReadProblemRecords(SharedState& S, pf::FieldReader& in, ProblemFileHooks& hooks) {
    S.blnNewProblem = false;
    switch (S.intCurrentModule) {
        case 1:
        case 4: readLP(S, in, hooks); break;
        case 2:
        case 3: readTransport(S, in, hooks); break;
        case 5:
        case 6: readNetwork(S, in, hooks); break;
        case 7: readPert(S, in, hooks); break;
        case 8: readInventory(S, in, hooks); break;
        case 9: readWaiting(S, in, hooks); break;
        case 10: readDecision(S, in, hooks); break;
        case 11: readForecast(S, in, hooks); break;
        case 12: readMarkov(S, in, hooks); break;
        default: pf::raise(pf::errInvalidCall);
    }
}

std::string InventoryModelCaption(int model) {
    switch (model) {
        case 1: return "Inventory Model:  Economic Order Quantity";
        case 2: return "Inventory Model:  Production Lot Size";
        case 3: return "Inventory Model:  Planned Shortages";
        case 4: return "Inventory Model:  Quantity Discounts";
        case 5: return "Inventory Model:  Q/R with Probabilistic Demand";
        case 6: return "Inventory Model:  Single Period with Probabilistic Demand";
        default: return {};
    }
}

std::string WaitingLineModelCaption(int model) {
    switch (model) {
        case 1: return "Waiting Line Model:  M/M/K";
        case 2: return "Waiting Line Model:  M/G/1";
        case 3: return "Waiting Line Model:  M/D/1";
        case 4: return "Waiting Line Model:  No Wait";
        case 5: return "Waiting Line Model:  Finite Population";
        default: return {};
    }
}

void FinishProblemRead(SharedState& S, ProblemFileHooks& hooks) {
    if (S.intCurrentModule == 8) {
        const std::string caption = InventoryModelCaption(S.inv.intInventoryModel);
        // A model number the program does not know leaves the caption and opens no form.
        if (caption.empty()) return;
        if (hooks.setStatusCaption) hooks.setStatusCaption(caption);
        if (hooks.showModelForm) hooks.showModelForm();
    } else if (S.intCurrentModule == 9) {
        const std::string caption = WaitingLineModelCaption(S.wl.intWaitingLineModel);
        if (!caption.empty() && hooks.setStatusCaption) hooks.setStatusCaption(caption);
        if (hooks.showModelForm) hooks.showModelForm();
    }
}

}  // namespace qv
