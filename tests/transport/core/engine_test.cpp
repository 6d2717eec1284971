// The network simplex engine: every solve passes the optimality certificate, equals an
// independent minimum-cost-flow oracle, and follows the stated entering and leaving rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <numeric>
#include <random>

#include "tests/transport/core/transport_fixture.h"

namespace {

using trtest::Problem;

// Successive shortest paths with Bellman-Ford over the residual network, shipping
// min(S, D) units at least scaled cost.
double oracleObjective(const Problem& p, const std::vector<double>& scaled) {
    const int m = p.m(), n = p.n();
    const int src = 0, sink = m + n + 1, V = m + n + 2;
    struct Edge {
        int to;
        long long cap;
        double cost;
    };
    std::vector<Edge> edges;
    std::vector<std::vector<int>> adj(static_cast<std::size_t>(V));
    auto add = [&](int a, int b, long long cap, double cost) {
        adj[static_cast<std::size_t>(a)].push_back(static_cast<int>(edges.size()));
        edges.push_back({b, cap, cost});
        adj[static_cast<std::size_t>(b)].push_back(static_cast<int>(edges.size()));
        edges.push_back({a, 0, -cost});
    };
    long long S = 0, D = 0;
    for (int i = 1; i <= m; ++i) {
        const long long s = p.assignment ? 1 : p.supplies[static_cast<std::size_t>(i - 1)];
        S += s;
        add(src, i, s, 0);
    }
    for (int j = 1; j <= n; ++j) {
        const long long d = p.assignment ? 1 : p.demands[static_cast<std::size_t>(j - 1)];
        D += d;
        add(m + j, sink, d, 0);
    }
    for (int i = 1; i <= m; ++i)
        for (int j = 1; j <= n; ++j) add(i, m + j, LLONG_MAX / 4, scaled[static_cast<std::size_t>(qv::arcIndex(i, j, n))]);
    long long left = std::min(S, D);
    double total = 0;
    while (left > 0) {
        std::vector<double> dist(static_cast<std::size_t>(V), 1e300);
        std::vector<int> via(static_cast<std::size_t>(V), -1);
        dist[src] = 0;
        for (int round = 0; round < V; ++round) {
            bool changed = false;
            for (int a = 0; a < V; ++a) {
                if (dist[static_cast<std::size_t>(a)] >= 1e299) continue;
                for (int e : adj[static_cast<std::size_t>(a)]) {
                    const Edge& E = edges[static_cast<std::size_t>(e)];
                    if (E.cap > 0 && dist[static_cast<std::size_t>(a)] + E.cost < dist[static_cast<std::size_t>(E.to)]) {
                        dist[static_cast<std::size_t>(E.to)] = dist[static_cast<std::size_t>(a)] + E.cost;
                        via[static_cast<std::size_t>(E.to)] = e;
                        changed = true;
                    }
                }
            }
            if (!changed) break;
        }
        if (via[static_cast<std::size_t>(sink)] < 0) break;
        long long push = left;
        for (int v = sink; v != src; v = edges[static_cast<std::size_t>(via[static_cast<std::size_t>(v)] ^ 1)].to)
            push = std::min(push, edges[static_cast<std::size_t>(via[static_cast<std::size_t>(v)])].cap);
        for (int v = sink; v != src; v = edges[static_cast<std::size_t>(via[static_cast<std::size_t>(v)] ^ 1)].to) {
            edges[static_cast<std::size_t>(via[static_cast<std::size_t>(v)])].cap -= push;
            edges[static_cast<std::size_t>(via[static_cast<std::size_t>(v)] ^ 1)].cap += push;
        }
        total += static_cast<double>(push) * dist[static_cast<std::size_t>(sink)];
        left -= push;
    }
    EXPECT_EQ(left, 0);
    return total;
}

// Every way of matching the smaller side into the larger one.
double bruteForceAssignment(const Problem& p, const std::vector<double>& scaled) {
    const int m = p.m(), n = p.n();
    const bool agentsFewer = m <= n;
    const int small = std::min(m, n), large = std::max(m, n);
    std::vector<int> pick(static_cast<std::size_t>(large));
    std::iota(pick.begin(), pick.end(), 1);
    double best = 1e300;
    // Permutations of the larger side; the first `small` entries are the partners.
    do {
        double sum = 0;
        for (int x = 1; x <= small; ++x) {
            const int y = pick[static_cast<std::size_t>(x - 1)];
            const int i = agentsFewer ? x : y, j = agentsFewer ? y : x;
            sum += scaled[static_cast<std::size_t>(qv::arcIndex(i, j, n))];
        }
        best = std::min(best, sum);
    } while (std::next_permutation(pick.begin(), pick.end()));
    return best;
}

Problem randomProblem(std::mt19937& rng, int seed) {
    auto uni = [&](long lo, long hi) { return std::uniform_int_distribution<long>(lo, hi)(rng); };
    Problem p;
    const int m = static_cast<int>(uni(1, 8)), n = static_cast<int>(uni(1, 8));
    p.assignment = seed % 4 == 3;
    p.maximize = uni(0, 1) == 1;
    const int costKind = static_cast<int>(uni(0, 5));
    p.costs.assign(static_cast<std::size_t>(m), std::vector<double>(static_cast<std::size_t>(n), 0));
    for (auto& row : p.costs)
        for (double& c : row) {
            switch (costKind) {
                case 0: c = static_cast<double>(uni(-20, 50)); break;
                case 1: c = static_cast<double>(uni(-99999, 99999)) / 100; break;  // two decimals
                case 2: c = 0; break;
                case 3: c = static_cast<double>(uni(-999999, 999999)); break;
                case 4: c = static_cast<double>(uni(0, 3)) * 0.29 + static_cast<double>(uni(-2, 2)) * 0.1; break;
                default: c = static_cast<double>(uni(-1, 2)); break;
            }
        }
    if (p.assignment) return p;
    const long top = seed % 3 == 0 ? 5 : seed % 3 == 1 ? 100 : 100000;
    for (int i = 0; i < m; ++i) p.supplies.push_back(uni(0, 4) == 0 ? 0 : uni(0, top));
    for (int j = 0; j < n; ++j) p.demands.push_back(uni(0, 4) == 0 ? 0 : uni(0, top));
    const long S = std::accumulate(p.supplies.begin(), p.supplies.end(), 0L);
    const long D = std::accumulate(p.demands.begin(), p.demands.end(), 0L);
    if (seed % 5 == 0) {  // balanced
        if (S > D)
            p.demands[static_cast<std::size_t>(uni(0, n - 1))] += S - D;
        else
            p.supplies[static_cast<std::size_t>(uni(0, m - 1))] += D - S;
    }
    return p;
}

TEST(TransportEngine, RandomProblemsEqualTheOracleAndPassTheCertificate) {
    int unbalancedBoth[2] = {0, 0};
    for (int seed = 0; seed < 1200; ++seed) {
        std::mt19937 rng(static_cast<unsigned>(seed) * 2654435761u + 17);
        const Problem p = randomProblem(rng, seed);
        qv::SharedState s;
        trtest::load(s, p);
        SCOPED_TRACE("seed " + std::to_string(seed) + " m=" + std::to_string(p.m()) + " n=" + std::to_string(p.n()));
        const taengine::RunInfo info = trtest::solveChecked(s, seed < 300);
        const double objective = trtest::expectCertificate(s, info);
        EXPECT_EQ(objective, oracleObjective(p, info.scaledCost));
        if (p.assignment && p.m() <= 7 && p.n() <= 7) {
            EXPECT_EQ(objective, bruteForceAssignment(p, info.scaledCost));
        }
        const double d = s.tr.dblTotalSupply.num() - s.tr.dblTotalDemand.num();
        if (d > 0) ++unbalancedBoth[0];
        if (d < 0) ++unbalancedBoth[1];
        if (HasFailure()) break;
    }
    EXPECT_GT(unbalancedBoth[0], 100);
    EXPECT_GT(unbalancedBoth[1], 100);
}

TEST(TransportEngine, DegenerateProblemsEndFarBelowThePivotLimit) {
    for (int seed = 0; seed < 400; ++seed) {
        std::mt19937 rng(static_cast<unsigned>(seed) + 99);
        auto uni = [&](long lo, long hi) { return std::uniform_int_distribution<long>(lo, hi)(rng); };
        Problem p;
        const int m = static_cast<int>(uni(1, 12)), n = static_cast<int>(uni(1, 12));
        p.maximize = seed % 2 == 1;
        p.costs.assign(static_cast<std::size_t>(m), std::vector<double>(static_cast<std::size_t>(n)));
        for (auto& row : p.costs)
            for (double& c : row) c = static_cast<double>(uni(-1, 2));
        for (int i = 0; i < m; ++i) p.supplies.push_back(uni(0, 3));
        for (int j = 0; j < n; ++j) p.demands.push_back(uni(0, 3));
        qv::SharedState s;
        trtest::load(s, p);
        SCOPED_TRACE("seed " + std::to_string(seed));
        const taengine::RunInfo info = trtest::solveChecked(s, false);
        EXPECT_EQ(trtest::expectCertificate(s, info), oracleObjective(p, info.scaledCost));
        EXPECT_LT(info.pivots, 500);
        if (HasFailure()) break;
    }
}

TEST(TransportEngine, PivotLimitEndsTheSolveWithARunTimeFailure) {
    Problem p{false, false, {5, 5}, {4, 6}, {{1, 2}, {3, 1}}};
    qv::SharedState s;
    trtest::load(s, p);
    taengine::Options o;
    o.pivotLimit = 1;
    EXPECT_THROW(taengine::SolveTransportNetwork(s, o), pf::RuntimeError);
}

TEST(TransportEngine, CostsScaleByTheFloorOfOneHundredThousandTimes) {
    struct Case {
        double cost;
        bool maximize;
        double scaled;
    } cases[] = {
        {0.29, false, 28999}, {0.29, true, -28999}, {2.5, false, 250000},  {2.5, true, -250000},
        {-0.29, false, -29000}, {-0.29, true, 29000}, {999999.99, false, 99999999000}, {0, true, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(taengine::ScaledCost(c.cost, c.maximize), c.scaled) << c.cost;
    qv::SharedState s;
    trtest::load(s, Problem{false, true, {1}, {1}, {{0.29}}});
    const auto info = taengine::SolveTransportNetwork(s);
    EXPECT_EQ(info.scaledCost[1], -28999);
    // M = N x the largest scaled magnitude.
    EXPECT_EQ(info.bigM, 2 * 28999);
}

// m = n = 1: the real arc enters first; which artificial arc leaves depends on S and D.
TEST(TransportEngine, OneByOneFinalTrees) {
    struct Case {
        long supply, demand;
        std::int32_t arc1, flow1, arc2, flow2;  // node 1 (origin), node 2 (destination)
    } cases[] = {
        {10, 4, +2, 6, -1, 4},   // S > D: the destination's artificial arc leaves
        {7, 7, +2, 0, -1, 7},    // equal flows on both sides: h's candidate leaves
        {4, 10, +1, 4, -3, 6},   // S < D: the origin's artificial arc leaves
    };
    for (const Case& c : cases) {
        qv::SharedState s;
        trtest::load(s, Problem{false, false, {c.supply}, {c.demand}, {{3}}});
        const auto info = trtest::solveChecked(s);
        EXPECT_EQ(info.pivots, 1);
        EXPECT_EQ(s.tr.lngTreeArcs(1), c.arc1) << c.supply << " vs " << c.demand;
        EXPECT_EQ(s.tr.lngTreeArcFlows(1), c.flow1);
        EXPECT_EQ(s.tr.lngTreeArcs(2), c.arc2);
        EXPECT_EQ(s.tr.lngTreeArcFlows(2), c.flow2);
        EXPECT_EQ(trtest::treeParent(s, c.arc1 == 1 ? 1 : 2), c.arc1 == 1 ? 2 : 1);
        EXPECT_EQ(s.tr.lngArcTails(2), 1);  // origin to root
        EXPECT_EQ(s.tr.intArcHeads(2), 3);
        EXPECT_EQ(s.tr.lngArcTails(3), 3);  // root to destination
        EXPECT_EQ(s.tr.intArcHeads(3), 2);
        trtest::expectCertificate(s, info);
    }
}

TEST(TransportEngine, OfTwoEqualSavingsTheFirstScannedEnters) {
    // One unit, two destinations at the same cost: the route to destination 1 is
    // scanned first and keeps the unit.
    qv::SharedState s;
    trtest::load(s, Problem{false, false, {1}, {1, 1}, {{5, 5}}});
    const auto info = trtest::solveChecked(s);
    trtest::expectCertificate(s, info);
    EXPECT_EQ(s.tr.lngTreeArcs(2), -1);
    EXPECT_EQ(s.tr.lngTreeArcFlows(2), 1);
    EXPECT_EQ(s.tr.lngTreeArcFlows(3), 1);  // destination 2 unsatisfied, on the root
    EXPECT_EQ(s.tr.lngTreeArcs(3), -(2 + 3));
}

TEST(TransportEngine, AllZeroCostsStillShipTheSmallerTotal) {
    for (auto [supplies, demands] : {std::pair<std::vector<long>, std::vector<long>>{{10, 10}, {5, 8}},
                                     {{3, 4}, {6, 6}}}) {
        qv::SharedState s;
        trtest::load(s, Problem{false, false, supplies, demands, {{0, 0}, {0, 0}}});
        const auto info = trtest::solveChecked(s);
        EXPECT_EQ(info.bigM, 4);
        trtest::expectCertificate(s, info);
    }
}

TEST(TransportEngine, AssignmentsWithUnequalSidesLeaveTheSurplusOnTheRoot) {
    const std::vector<std::vector<double>> wide = {{4, 2, 8, 1, 9}, {3, 7, 5, 6, 2}, {9, 4, 3, 8, 7}};
    std::vector<std::vector<double>> tall(5, std::vector<double>(3));
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 5; ++j) tall[static_cast<std::size_t>(j)][static_cast<std::size_t>(i)] = wide[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
    for (const auto& costs : {wide, tall}) {
        for (bool maximize : {false, true}) {
            qv::SharedState s;
            Problem p{true, maximize, {}, {}, costs};
            trtest::load(s, p);
            const auto info = trtest::solveChecked(s);
            EXPECT_EQ(trtest::expectCertificate(s, info), bruteForceAssignment(p, info.scaledCost));
            const int m = p.m(), n = p.n();
            int onRoot = 0;
            for (int v = 1; v <= m + n; ++v) {
                if (std::labs(static_cast<long>(s.tr.lngTreeArcs(v))) > m * n && s.tr.lngTreeArcFlows(v) != 0) {
                    EXPECT_EQ(s.tr.lngTreeArcFlows(v), 1);
                    EXPECT_TRUE(m < n ? v > m : v <= m) << "node " << v << " is on the smaller side";
                    ++onRoot;
                }
            }
            EXPECT_EQ(onRoot, 2);
        }
    }
}

}  // namespace
