// The shortest-route labelling and Prim's method on small networks whose answers are
// known, and on seeded random networks checked against Floyd-Warshall and Kruskal.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "network/core/NetworkSolver.h"
#include "platform/core/Errors.h"
#include "shell/core/State.h"
#include "tests/network/core/network_fixture.h"

namespace {

using namespace nettest;
using qv::NetworkBlock;

constexpr std::int32_t kMax32 = std::numeric_limits<std::int32_t>::max();

struct RouteCase {
    const char* name;
    int nodes;
    std::vector<Arc> arcs;
    int start, end;
    bool reachable;
    std::vector<int> route;  // start .. end
    std::int64_t total;      // thousandths
};

TEST(ShortestRoute, KnownNetworks) {
    const RouteCase cases[] = {
        {"one arc", 2, {{1, 2, units(4)}}, 1, 2, true, {1, 2}, units(4)},
        {"arc typed backwards", 2, {{2, 1, units(4)}}, 1, 2, true, {1, 2}, units(4)},
        {"start equals end", 3, {{1, 2, units(4)}, {2, 3, units(1)}}, 2, 2, true, {2, 2}, 0},
        {"equal routes: the lower node wins", 4,
         {{1, 3, units(2)}, {3, 4, units(3)}, {1, 2, units(2)}, {2, 4, units(3)}}, 1, 4, true, {1, 2, 4}, units(5)},
        {"a longer first leg loses to a shorter total", 4,
         {{1, 2, units(1)}, {2, 4, units(9)}, {1, 3, units(4)}, {3, 4, units(4)}}, 1, 4, true, {1, 3, 4}, units(8)},
        {"a node no arc touches", 3, {{1, 2, units(1)}}, 1, 2, false, {}, 0},
        {"the end is reached but another node is not", 4, {{1, 2, units(1)}, {3, 4, units(1)}}, 1, 2, false, {}, 0},
        {"two arcs of 60000 units", 3, {{1, 2, units(60000)}, {2, 3, units(60000)}}, 1, 3, true, {1, 2, 3},
         units(120000)},
        {"one arc of 100000 units", 2, {{1, 2, units(100000)}}, 2, 1, true, {2, 1}, units(100000)},
        {"a zero arc is an arc", 3, {{1, 2, 0}, {2, 3, units(1)}, {1, 3, units(5)}}, 1, 3, true, {1, 2, 3}, units(1)},
        {"self-loops only", 3, {{1, 1, units(1)}, {2, 2, units(1)}, {3, 3, units(1)}}, 1, 2, false, {}, 0},
        {"a self-loop is no step of a route", 2, {{1, 1, 0}, {1, 2, units(7)}}, 1, 2, true, {1, 2}, units(7)},
        {"parallel arcs: the shorter first", 2, {{1, 2, units(2)}, {1, 2, units(9)}}, 1, 2, true, {1, 2}, units(2)},
        {"parallel arcs: the shorter last", 2, {{1, 2, units(9)}, {2, 1, units(2)}}, 1, 2, true, {1, 2}, units(2)},
        {"sums beyond 32 bits", 3, {{1, 2, kMax32}, {2, 3, kMax32}}, 1, 3, true, {1, 2, 3},
         2 * static_cast<std::int64_t>(kMax32)},
        {"fractions", 3, {{1, 2, 1500}, {2, 3, 1250}, {1, 3, 2760}}, 3, 1, true, {3, 2, 1}, 2750},
    };
    for (const RouteCase& c : cases) {
        SCOPED_TRACE(c.name);
        setNetwork(c.nodes, c.arcs);
        ASSERT_EQ(solveRoute(c.start, c.end), c.reachable);
        if (!c.reachable) continue;
        EXPECT_EQ(routeNodes(), c.route);
        EXPECT_EQ(qv::S().net.lngNodeLabels(c.end, NetworkBlock::kLabelDistance), c.total);
    }
}

TEST(ShortestRoute, LabelsAfterTheWarningAndBeforeTheSearch) {
    setNetwork(4, {{1, 2, units(3)}, {3, 4, units(1)}});
    qvhrtrt::BuildDistanceMatrix();
    qvhrtrt::PrepareRouteLabels();
    const auto& L = qv::S().net.lngNodeLabels;
    const auto& R = qv::S().net.lngRouteDistances;
    for (int v = 1; v <= 4; ++v) {
        EXPECT_EQ(L(v, 1), 0);
        EXPECT_EQ(L(v, 2), NetworkBlock::kNoConnection);
        EXPECT_EQ(L(v, 3), v);
        EXPECT_EQ(R(v, v), 0);
    }
    EXPECT_EQ(R(1, 2), units(3));
    EXPECT_EQ(R(1, 3), NetworkBlock::kNoConnection);

    ASSERT_FALSE(solveRoute(1, 4));
    // Nodes never reached keep their initial labels; the reached ones are final.
    EXPECT_EQ(L(2, 1), 1);
    EXPECT_EQ(L(2, 2), units(3));
    EXPECT_EQ(L(2, 3), 1);
    for (int v : {3, 4}) {
        EXPECT_EQ(L(v, 1), 0);
        EXPECT_EQ(L(v, 2), NetworkBlock::kNoConnection);
        EXPECT_EQ(L(v, 3), v);
    }
}

TEST(ShortestRoute, TheTraceLeavesLaterEntriesOfEarlierRoutes) {
    setNetwork(4, {{1, 2, 1}, {2, 3, 1}, {3, 4, 1}});
    ASSERT_TRUE(solveRoute(1, 4));
    EXPECT_EQ(routeNodes(), (std::vector<int>{1, 2, 3, 4}));
    ASSERT_TRUE(solveRoute(1, 2));
    EXPECT_EQ(qvhrtrt::TraceRoute(), 1);
    const auto& nodes = qv::S().net.lngRouteNodes;
    EXPECT_EQ(nodes(1), 1);
    EXPECT_EQ(nodes(2), 2);  // from the first route
    EXPECT_EQ(nodes(3), 1);
}

struct TreeRow {
    int from, joined;
    std::int64_t thousandths;
    bool failed;
};
bool operator==(const TreeRow& a, const TreeRow& b) {
    return a.from == b.from && a.joined == b.joined && a.thousandths == b.thousandths && a.failed == b.failed;
}
void PrintTo(const TreeRow& r, std::ostream* os) {
    *os << "(" << r.from << ", " << r.joined << ", " << r.thousandths << (r.failed ? ", failed)" : ")");
}

std::vector<TreeRow> treeRows() {
    const auto& s = qv::S();
    std::vector<TreeRow> rows;
    for (int k = 1; k <= s.intNodeCount - 1; ++k)
        rows.push_back({s.net.lngTreeArcTable(k, 1), s.net.lngTreeArcTable(k, 2), s.net.lngTreeArcTable(k, 3),
                        s.net.blnTreeStepFailed(k) != 0});
    return rows;
}

struct TreeCase {
    const char* name;
    int nodes;
    std::vector<Arc> arcs;
    bool exists;
    std::vector<TreeRow> rows;
    std::int64_t total;
};

TEST(SpanningTree, KnownNetworks) {
    constexpr std::int64_t F = NetworkBlock::kFailedStepDistance;
    const TreeCase cases[] = {
        {"triangle", 3, {{1, 2, units(4)}, {2, 3, units(2)}, {1, 3, units(5)}}, true,
         {{1, 2, units(4), false}, {2, 3, units(2), false}}, units(6)},
        {"equal arcs: node 2 joins first", 3, {{1, 3, units(3)}, {1, 2, units(3)}}, true,
         {{1, 2, units(3), false}, {1, 3, units(3), false}}, units(6)},
        {"equal arcs: the tree node that joined first", 4,
         {{1, 2, units(1)}, {2, 4, units(3)}, {1, 3, units(5)}, {2, 3, units(3)}, {1, 4, units(3)}}, true,
         {{1, 2, units(1), false}, {1, 4, units(3), false}, {2, 3, units(3), false}}, units(7)},
        {"a self-loop at node 1 is never chosen", 2, {{1, 1, 0}, {1, 2, units(5)}}, true,
         {{1, 2, units(5), false}}, units(5)},
        {"a self-loop elsewhere is never chosen", 3, {{2, 2, 0}, {1, 2, units(5)}, {2, 3, units(6)}, {3, 3, 0}},
         true, {{1, 2, units(5), false}, {2, 3, units(6), false}}, units(11)},
        {"N = 2", 2, {{2, 1, units(8)}}, true, {{1, 2, units(8), false}}, units(8)},
        {"parallel arcs: the shorter", 2, {{1, 2, units(9)}, {2, 1, units(2)}, {1, 2, units(4)}}, true,
         {{1, 2, units(2), false}}, units(2)},
        {"a zero arc before any positive one", 3, {{1, 2, units(5)}, {1, 3, 0}}, true,
         {{1, 3, 0, false}, {1, 2, units(5), false}}, units(5)},
        {"arcs of 100000 units and more are arcs", 3, {{1, 2, units(100000)}, {2, 3, kMax32}}, true,
         {{1, 2, units(100000), false}, {2, 3, kMax32, false}}, units(100000) + kMax32},
        {"disconnected: failed rows repeat the last arc", 4, {{1, 2, units(3)}, {3, 4, units(1)}}, false,
         {{1, 2, units(3), false}, {1, 2, F, true}, {1, 2, F, true}}, units(3) + F},
        {"node 1 alone: the rows hold 0 and 0", 3, {{2, 3, units(1)}}, false,
         {{0, 0, F, true}, {0, 0, F, true}}, F},
        {"a node no arc touches", 3, {{1, 2, units(1)}, {2, 2, units(1)}}, false,
         {{1, 2, units(1), false}, {1, 2, F, true}}, units(1) + F},
    };
    for (const TreeCase& c : cases) {
        SCOPED_TRACE(c.name);
        setNetwork(c.nodes, c.arcs, 0, false);
        EXPECT_EQ(qvhrtrt::GrowSpanningTree(), c.exists);
        EXPECT_EQ(treeRows(), c.rows);
        EXPECT_EQ(qv::S().net.lngTreeLength, c.total);
    }
}

TEST(SpanningTree, AfterASuccessNoArcIsLeftToChoose) {
    setNetwork(3, {{1, 2, units(4)}, {2, 3, units(2)}, {1, 3, units(5)}}, 0, false);
    ASSERT_TRUE(qvhrtrt::GrowSpanningTree());
    const auto& net = qv::S().net;
    EXPECT_EQ(net.lngTreeJoinOrder(1), 1);
    EXPECT_EQ(net.lngTreeJoinOrder(2), 2);
    EXPECT_EQ(net.lngTreeJoinOrder(3), 3);
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j) EXPECT_EQ(net.lngDistanceMatrix(i, j), NetworkBlock::kNoConnection);
}

TEST(NetworkArrays, EveryTableAtItsCapacityWhateverTheCounts) {
    qv::resetState();
    auto& s = qv::S();
    s.intDecimalPlaces = 2;
    s.intNodeCount = 2;
    s.intArcCount = 1;
    qvhrtrt::InitNetworkArrays();
    const auto& b = s.net;
    EXPECT_EQ(s.intDecimalPlaces.num(), 0);
    EXPECT_FALSE(s.intDecimalPlaces.IsEmpty());
    EXPECT_EQ(b.lngNetworkArcs.UBound(1), 40);
    EXPECT_EQ(b.lngNetworkArcs.UBound(2), 3);
    EXPECT_EQ(b.lngTreeArcTable.UBound(1), 40);
    EXPECT_EQ(b.lngTreeArcTable.UBound(2), 3);
    EXPECT_EQ(b.blnTreeStepFailed.UBound(), 40);
    for (const auto* m : {&b.lngDistanceMatrix, &b.lngRouteDistances, &b.lngNodeLabels}) {
        EXPECT_EQ(m->UBound(1), 20);
        EXPECT_EQ(m->UBound(2), 20);
    }
    EXPECT_EQ(b.lngRouteNodes.UBound(), 20);
    EXPECT_EQ(b.lngTreeJoinOrder.UBound(), 20);
    EXPECT_EQ(b.lngNetworkArcs(40, 3), 0);
}

TEST(NetworkArrays, ArcsThatNoGridCouldHoldAreRefused) {
    struct Case {
        Arc arc;
        bool refused;
    } cases[] = {
        {{1, 3, 0}, false}, {{3, 3, kMax32}, false}, {{0, 2, 1}, true},
        {{1, 4, 1}, true},  {{-1, 2, 1}, true},      {{1, 2, -1}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.arc.p) + "-" + std::to_string(c.arc.q) + " " +
                     std::to_string(c.arc.thousandths));
        setNetwork(3, {{1, 2, 5}, c.arc});
        if (c.refused)
            EXPECT_THROW(qvhrtrt::RequireValidArcs(), pf::RuntimeError);
        else
            EXPECT_NO_THROW(qvhrtrt::RequireValidArcs());
    }
}

// ---------------------------------------------------------------- oracles

constexpr std::int64_t kInf = std::numeric_limits<std::int64_t>::max() / 4;

struct RandomNetwork {
    int nodes;
    std::vector<Arc> arcs;
};

RandomNetwork randomNetwork(std::mt19937& g) {
    RandomNetwork r;
    r.nodes = std::uniform_int_distribution<int>(2, 20)(g);
    const int a = std::uniform_int_distribution<int>(1, 40)(g);
    std::uniform_int_distribution<int> node(1, r.nodes);
    for (int k = 0; k < a; ++k) {
        Arc arc{node(g), node(g), 0};
        switch (std::uniform_int_distribution<int>(0, 5)(g)) {
            case 0: arc.thousandths = 0; break;
            case 1: arc.thousandths = kMax32 - std::uniform_int_distribution<int>(0, 1000)(g); break;
            case 2: arc.thousandths = units(std::uniform_int_distribution<int>(50000, 150000)(g)); break;
            default: arc.thousandths = std::uniform_int_distribution<int>(0, 20000)(g); break;
        }
        // Now and then a parallel arc or a self-loop.
        if (k > 0 && g() % 8 == 0) {
            arc.p = r.arcs.back().q;
            arc.q = r.arcs.back().p;
        }
        if (g() % 10 == 0) arc.q = arc.p;
        r.arcs.push_back(arc);
    }
    return r;
}

std::int64_t shortestArc(const RandomNetwork& r, int a, int b) {
    std::int64_t best = kInf;
    for (const Arc& arc : r.arcs)
        if ((arc.p == a && arc.q == b) || (arc.p == b && arc.q == a)) best = std::min(best, arc.thousandths);
    return best;
}

std::vector<std::vector<std::int64_t>> floydWarshall(const RandomNetwork& r) {
    const int n = r.nodes;
    std::vector<std::vector<std::int64_t>> d(n + 1, std::vector<std::int64_t>(n + 1, kInf));
    for (int i = 1; i <= n; ++i) d[i][i] = 0;
    for (const Arc& arc : r.arcs) {
        if (arc.p == arc.q) continue;
        d[arc.p][arc.q] = std::min(d[arc.p][arc.q], arc.thousandths);
        d[arc.q][arc.p] = d[arc.p][arc.q];
    }
    for (int k = 1; k <= n; ++k)
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= n; ++j)
                if (d[i][k] < kInf && d[k][j] < kInf) d[i][j] = std::min(d[i][j], d[i][k] + d[k][j]);
    return d;
}

// Total length of a minimal spanning forest and whether it is one tree.
std::pair<std::int64_t, bool> kruskal(const RandomNetwork& r) {
    std::vector<Arc> arcs = r.arcs;
    std::stable_sort(arcs.begin(), arcs.end(), [](const Arc& a, const Arc& b) { return a.thousandths < b.thousandths; });
    std::vector<int> parent(r.nodes + 1);
    std::iota(parent.begin(), parent.end(), 0);
    auto find = [&](int v) {
        while (parent[v] != v) v = parent[v] = parent[parent[v]];
        return v;
    };
    std::int64_t total = 0;
    int joined = 0;
    for (const Arc& a : arcs) {
        const int x = find(a.p), y = find(a.q);
        if (x == y) continue;
        parent[x] = y;
        total += a.thousandths;
        ++joined;
    }
    return {total, joined == r.nodes - 1};
}

TEST(NetworkOracle, RoutesAgreeWithFloydWarshall) {
    std::mt19937 g(20261210);
    int reachable = 0, unreachable = 0;
    for (int trial = 0; trial < 600; ++trial) {
        const RandomNetwork r = randomNetwork(g);
        SCOPED_TRACE("trial " + std::to_string(trial));
        setNetwork(r.nodes, r.arcs);
        const auto d = floydWarshall(r);
        std::uniform_int_distribution<int> node(1, r.nodes);
        const int s = node(g), e = node(g);
        bool all = true;
        for (int v = 1; v <= r.nodes; ++v) all = all && d[s][v] < kInf;
        ASSERT_EQ(solveRoute(s, e), all);
        if (!all) {
            ++unreachable;
            continue;
        }
        ++reachable;
        const auto& net = qv::S().net;
        EXPECT_EQ(net.lngNodeLabels(e, NetworkBlock::kLabelDistance), d[s][e]);
        const std::vector<int> route = routeNodes();
        ASSERT_EQ(route.front(), s);
        ASSERT_EQ(route.back(), e);
        std::int64_t legs = 0;
        for (std::size_t i = 1; i < route.size(); ++i) {
            const int a = route[i - 1], b = route[i];
            if (a == b) {
                EXPECT_EQ(s, e);  // only the route from a node to itself stays put
                continue;
            }
            ASSERT_LT(shortestArc(r, a, b), kInf) << a << "-" << b << " is no arc";
            EXPECT_EQ(net.lngRouteDistances(a, b), shortestArc(r, a, b));
            legs += net.lngRouteDistances(a, b);
        }
        EXPECT_EQ(legs, d[s][e]);
    }
    // The seed gives both verdicts plenty of times.
    EXPECT_GT(reachable, 100);
    EXPECT_GT(unreachable, 100);
}

TEST(NetworkOracle, TreesAgreeWithKruskal) {
    std::mt19937 g(7041);
    int trees = 0, forests = 0;
    for (int trial = 0; trial < 600; ++trial) {
        const RandomNetwork r = randomNetwork(g);
        SCOPED_TRACE("trial " + std::to_string(trial));
        setNetwork(r.nodes, r.arcs, 0, false);
        const auto [total, connected] = kruskal(r);
        ASSERT_EQ(qvhrtrt::GrowSpanningTree(), connected);
        const auto& net = qv::S().net;
        if (!connected) {
            ++forests;
            // The total stops at the first failed row, which it includes.
            std::int64_t sum = 0;
            for (int k = 1; k <= r.nodes - 1; ++k) {
                sum += net.lngTreeArcTable(k, 3);
                if (net.blnTreeStepFailed(k) != 0) break;
            }
            EXPECT_EQ(net.lngTreeLength, sum);
            continue;
        }
        ++trees;
        EXPECT_EQ(net.lngTreeLength, total);
        std::vector<bool> inTree(r.nodes + 1, false);
        inTree[1] = true;
        std::int64_t sum = 0;
        for (int k = 1; k <= r.nodes - 1; ++k) {
            const int from = net.lngTreeArcTable(k, 1), joined = net.lngTreeArcTable(k, 2);
            EXPECT_EQ(net.blnTreeStepFailed(k), 0);
            ASSERT_TRUE(inTree[from]) << "row " << k;
            ASSERT_FALSE(inTree[joined]) << "row " << k;
            EXPECT_EQ(net.lngTreeArcTable(k, 3), shortestArc(r, from, joined));
            inTree[joined] = true;
            sum += net.lngTreeArcTable(k, 3);
        }
        EXPECT_EQ(sum, total);
    }
    EXPECT_GT(trees, 100);
    EXPECT_GT(forests, 100);
}

}  // namespace
