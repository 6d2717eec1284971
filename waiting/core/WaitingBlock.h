#pragma once
// Waiting-line block of the shared state. dblCostPerUnit and the P(n) table
// dblProbabilityTable (column 0, n = 0..200) live in the shared part of the state.
#include <string>

#include "platform/core/Array.h"
#include "platform/core/Value.h"

namespace qv {

struct WaitingBlock {
    static constexpr int kMaxChannels = 25;
    static constexpr int kMaxPopulation = 30;

    // 0 none, 1 M/M/k, 2 M/G/1, 3 M/D/1, 4 blocked customers cleared, 5 finite population.
    int intWaitingLineModel = 0;
    pf::Value intChannelCount;
    pf::Value dblArrivalRate;
    pf::Value dblServiceRate;
    pf::Value intPopulationSize;
    pf::Value dblServiceStdDev;
    std::string strEconomicAnalysis;  // "YES" / "NO"
    pf::Value dblChannelCost;

    // Results of the last solve; P(n) is in the shared table.
    double dblEmptyProbability = 0;
    double dblAvgWaitingUnits = 0;
    double dblAvgSystemUnits = 0;
    double dblAvgWaitingTime = 0;
    double dblAvgSystemTime = 0;
    double dblWaitProbability = 0;  // model 4: the probability that an arrival is blocked
    int intOrMoreStart = 0;
    double dblOrMoreProbability = 0;

    pf::Array<pf::Value> dblFiniteTerms;   // indexes 0..200
    pf::Array<pf::Value> dblBlockedTerms;  // indexes 0..26
    pf::Array<int> intWaitSpareTableA;     // indexes 0..8
    pf::Array<int> intWaitSpareTableB;     // indexes 0..8
};

}  // namespace qv
