#pragma once
// A transportation or assignment model in a shared state of its own, and the
// certificate every solve must pass.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "shell/core/State.h"
#include "transport/core/TransportModel.h"
#include "transport/core/taengine.h"

namespace trtest {

struct Problem {
    bool assignment = false;
    bool maximize = false;
    std::vector<long> supplies;           // m entries (ignored for an assignment)
    std::vector<long> demands;            // n entries
    std::vector<std::vector<double>> costs;  // m rows of n
    int m() const { return static_cast<int>(costs.size()); }
    int n() const { return costs.empty() ? 0 : static_cast<int>(costs[0].size()); }
};

// The model as the tableau and the checks leave it.
inline void load(qv::SharedState& s, const Problem& p) {
    s.strProblemType = p.assignment ? qv::kAssignmentProblem : qv::kTransportationProblem;
    s.strMaximizeObjective = p.maximize ? "YES" : "NO";
    s.tr.intOriginCount = p.m();
    s.tr.intDestinationCount = p.n();
    qv::DimensionNetwork(s);
    const int m = p.m(), n = p.n();
    for (int i = 1; i <= m; ++i)
        for (int j = 1; j <= n; ++j) {
            const long k = qv::arcIndex(i, j, n);
            s.tr.dblArcCosts(k) = p.costs[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)];
            s.tr.lngArcTails(k) = i;
            s.tr.intArcHeads(k) = m + j;
        }
    for (int i = 1; i <= m; ++i)
        s.tr.lngNodeSupplies(i) = p.assignment ? 1 : static_cast<std::int32_t>(p.supplies[static_cast<std::size_t>(i - 1)]);
    for (int j = 1; j <= n; ++j)
        s.tr.lngNodeSupplies(m + j) =
            p.assignment ? -1 : -static_cast<std::int32_t>(p.demands[static_cast<std::size_t>(j - 1)]);
}

// The node at the other end of v's tree arc.
inline int treeParent(const qv::SharedState& s, int v) {
    const std::int32_t a = s.tr.lngTreeArcs(v);
    const long k = std::labs(static_cast<long>(a));
    return a > 0 ? s.tr.intArcHeads(k) : s.tr.lngArcTails(k);
}

// Checks the working tree after a pivot: the listing is a preorder of the parent
// links, with consistent reverse threads, depths, sizes and subtree ends.
inline void expectConsistentTree(const taengine::Tree& t) {
    const int R = static_cast<int>(t.parent.size()) - 1;
    std::vector<int> order;
    int v = R;
    do {
        order.push_back(v);
        ASSERT_EQ(t.reverseThread[static_cast<std::size_t>(t.thread[static_cast<std::size_t>(v)])], v);
        v = t.thread[static_cast<std::size_t>(v)];
        ASSERT_LE(order.size(), static_cast<std::size_t>(R));
    } while (v != R);
    ASSERT_EQ(order.size(), static_cast<std::size_t>(R));  // nodes 1..R
    std::vector<int> pos(static_cast<std::size_t>(R) + 1, -1);
    for (std::size_t k = 0; k < order.size(); ++k) pos[static_cast<std::size_t>(order[k])] = static_cast<int>(k);
    auto isAncestor = [&](int a, int x) {
        for (; x != 0; x = t.parent[static_cast<std::size_t>(x)])
            if (x == a) return true;
        return false;
    };
    for (int x = 1; x <= R; ++x) {
        const std::size_t ux = static_cast<std::size_t>(x);
        if (x != R) {
            ASSERT_EQ(t.depth[ux], t.depth[static_cast<std::size_t>(t.parent[ux])] + 1) << "node " << x;
        }
        int count = 0, lastSeen = x;
        for (int y = 1; y <= R; ++y)
            if (isAncestor(x, y)) ++count;
        ASSERT_EQ(t.subtreeSize[ux], count) << "node " << x;
        // The subtree is the run of the listing from x.
        for (int k = 0; k < count; ++k) {
            const int y = order[static_cast<std::size_t>(pos[ux] + k)];
            ASSERT_TRUE(isAncestor(x, y)) << "node " << y << " listed in the subtree of " << x;
            lastSeen = y;
        }
        ASSERT_EQ(t.subtreeLast[ux], lastSeen) << "node " << x;
    }
}

// Engine run with the bookkeeping checked after every pivot.
inline taengine::RunInfo solveChecked(qv::SharedState& s, bool checkTree = true) {
    taengine::Options o;
    if (checkTree) o.afterPivot = [](const taengine::Tree& t) { expectConsistentTree(t); };
    return taengine::SolveTransportNetwork(s, o);
}

// The certificate of an optimal final tree, on the scaled costs of the run. Returns
// the scaled objective (scaled cost times flow over the real arcs).
inline double expectCertificate(const qv::SharedState& s, const taengine::RunInfo& info) {
    const auto& t = s.tr;
    const int m = t.intOriginCount, n = t.intDestinationCount, N = m + n, R = N + 1;
    const long mn = static_cast<long>(m) * n;
    std::vector<double> flowOut(static_cast<std::size_t>(R) + 1, 0), flowIn(static_cast<std::size_t>(R) + 1, 0);
    double shipped = 0, objective = 0;
    for (int v = 1; v <= N; ++v) {
        const long k = std::labs(static_cast<long>(t.lngTreeArcs(v)));
        const double f = t.lngTreeArcFlows(v);
        EXPECT_GE(f, 0);
        EXPECT_TRUE(k >= 1 && k <= mn + N);
        flowOut[static_cast<std::size_t>(t.lngArcTails(k))] += f;
        flowIn[static_cast<std::size_t>(t.intArcHeads(k))] += f;
        if (k <= mn) {
            shipped += f;
            objective += f * info.scaledCost[static_cast<std::size_t>(k)];
        }
    }
    const double S = t.dblTotalSupply.num(), D = t.dblTotalDemand.num();
    for (int v = 1; v <= N; ++v)
        EXPECT_EQ(flowOut[static_cast<std::size_t>(v)] - flowIn[static_cast<std::size_t>(v)], t.lngNodeSupplies(v))
            << "balance at node " << v;
    EXPECT_EQ(flowOut[static_cast<std::size_t>(R)] - flowIn[static_cast<std::size_t>(R)], D - S) << "balance at the root";
    EXPECT_EQ(shipped, std::min(S, D));
    EXPECT_EQ(t.lngNodeSupplies(R), 0);

    // Potentials from the final tree, root 0.
    std::vector<double> pi(static_cast<std::size_t>(R) + 1, 0);
    std::vector<bool> known(static_cast<std::size_t>(R) + 1, false);
    known[static_cast<std::size_t>(R)] = true;
    auto cost = [&](long k) { return info.scaledCost[static_cast<std::size_t>(k)]; };
    for (bool progress = true; progress;) {
        progress = false;
        for (int v = 1; v <= N; ++v) {
            const int p = treeParent(s, v);
            if (known[static_cast<std::size_t>(v)] || !known[static_cast<std::size_t>(p)]) continue;
            const long k = std::labs(static_cast<long>(t.lngTreeArcs(v)));
            pi[static_cast<std::size_t>(v)] = pi[static_cast<std::size_t>(p)] + (t.lngTreeArcs(v) > 0 ? cost(k) : -cost(k));
            known[static_cast<std::size_t>(v)] = progress = true;
        }
    }
    for (int v = 1; v <= N; ++v) EXPECT_TRUE(known[static_cast<std::size_t>(v)]) << "node " << v << " not in the tree";
    std::vector<bool> inTree(static_cast<std::size_t>(mn + N) + 1, false);
    for (int v = 1; v <= N; ++v) inTree[static_cast<std::size_t>(std::labs(static_cast<long>(t.lngTreeArcs(v))))] = true;
    for (long k = 1; k <= mn + N; ++k) {
        const double rc = pi[static_cast<std::size_t>(t.lngArcTails(k))] - pi[static_cast<std::size_t>(t.intArcHeads(k))] - cost(k);
        if (inTree[static_cast<std::size_t>(k)])
            EXPECT_EQ(rc, 0) << "tree arc " << k;
        else
            EXPECT_LE(rc, 0) << "arc " << k << " could still lower the cost";
    }
    return objective;
}

}  // namespace trtest
