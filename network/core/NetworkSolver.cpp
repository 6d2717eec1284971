#include "network/core/NetworkSolver.h"

#include "platform/core/Errors.h"
#include "platform/core/Format.h"
#include "shell/core/State.h"

namespace qvhrtrt {

namespace {

using qv::NetworkBlock;
constexpr std::int64_t kNone = NetworkBlock::kNoConnection;

NetworkBlock& net() { return qv::S().net; }
int nodeCount() { return qv::S().intNodeCount; }

}  // namespace

void InitNetworkArrays() {
    auto& s = qv::S();
    NetworkBlock& b = s.net;
    s.intDecimalPlaces = 0;
    const int n = NetworkBlock::kMaxNodes, a = NetworkBlock::kMaxArcs;
    b.lngTreeJoinOrder.ReDim(n);
    b.lngDistanceMatrix.ReDim(n, n);
    b.lngRouteDistances.ReDim(n, n);
    b.lngNetworkArcs.ReDim(a, 3);
    b.lngTreeArcTable.ReDim(a, 3);
    b.blnTreeStepFailed.ReDim(a);
    b.lngNodeLabels.ReDim(n, n);
    b.lngRouteNodes.ReDim(n);
    b.lngTreeLength = 0;
}

void RequireValidArcs() {
    const auto& s = qv::S();
    const auto& arcs = s.net.lngNetworkArcs;
    for (int a = 1; a <= s.intArcCount; ++a) {
        for (int c : {NetworkBlock::kArcStart, NetworkBlock::kArcEnd}) {
            const std::int32_t node = arcs(a, c);
            if (node < 1 || node > s.intNodeCount) pf::raise(pf::errInvalidCall);
        }
        if (arcs(a, NetworkBlock::kArcDistance) < 0) pf::raise(pf::errInvalidCall);
    }
}

void BuildDistanceMatrix() {
    const auto& s = qv::S();
    NetworkBlock& b = net();
    const int n = s.intNodeCount;
    // Row and column 0 too: a failed tree step joins "node 0", which must find nothing.
    for (int i = 0; i <= n; ++i)
        for (int j = 0; j <= n; ++j) b.lngDistanceMatrix(i, j) = kNone;
    for (int a = 1; a <= s.intArcCount; ++a) {
        const int p = b.lngNetworkArcs(a, NetworkBlock::kArcStart);
        const int q = b.lngNetworkArcs(a, NetworkBlock::kArcEnd);
        const std::int64_t d = b.lngNetworkArcs(a, NetworkBlock::kArcDistance);
        // Of two arcs between the same nodes the shorter is the one a route or tree uses.
        if (d < b.lngDistanceMatrix(p, q)) {
            b.lngDistanceMatrix(p, q) = d;
            b.lngDistanceMatrix(q, p) = d;
        }
    }
}

void PrepareRouteLabels() {
    NetworkBlock& b = net();
    const int n = nodeCount();
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) b.lngRouteDistances(i, j) = b.lngDistanceMatrix(i, j);
        b.lngRouteDistances(i, i) = 0;
    }
    for (int v = 1; v <= n; ++v) {
        b.lngNodeLabels(v, NetworkBlock::kLabelFinal) = 0;
        b.lngNodeLabels(v, NetworkBlock::kLabelDistance) = kNone;
        b.lngNodeLabels(v, NetworkBlock::kLabelPredecessor) = v;
    }
}

bool LabelRoute() {
    NetworkBlock& b = net();
    auto& L = b.lngNodeLabels;
    const auto& R = b.lngRouteDistances;
    const int n = nodeCount();
    const int s = b.intStartNode;
    constexpr int kFinal = NetworkBlock::kLabelFinal, kDist = NetworkBlock::kLabelDistance,
                  kPred = NetworkBlock::kLabelPredecessor;

    L(s, kFinal) = 1;
    L(s, kDist) = 0;
    L(s, kPred) = s;
    for (int j = 1; j <= n; ++j) {
        if (j == s || R(s, j) == kNone) continue;
        L(j, kDist) = R(s, j);
        L(j, kPred) = s;
    }
    for (;;) {
        // The open node with the smallest label; ties go to the lowest number.
        std::int64_t smallest = kNone;
        int u = 0;
        for (int j = 1; j <= n; ++j) {
            if (L(j, kFinal) == 0 && L(j, kDist) < smallest) {
                smallest = L(j, kDist);
                u = j;
            }
        }
        if (u != 0) L(u, kFinal) = 1;
        int open = 0;
        for (int v = 1; v <= n; ++v)
            if (L(v, kFinal) == 0) ++open;
        if (open == 0) return true;
        if (u == 0) return false;
        // Only a strictly shorter route replaces a label.
        for (int j = 1; j <= n; ++j) {
            if (L(j, kFinal) == 1 || R(u, j) == kNone || j == u) continue;
            const std::int64_t t = L(u, kDist) + R(u, j);
            if (t < L(j, kDist)) {
                L(j, kDist) = t;
                L(j, kPred) = u;
            }
        }
    }
}

int TraceRoute() {
    NetworkBlock& b = net();
    const auto& L = b.lngNodeLabels;
    int k = 1;
    auto v = static_cast<std::int32_t>(L(b.intEndNode, NetworkBlock::kLabelPredecessor));
    for (;;) {
        b.lngRouteNodes(k) = v;  // a chain longer than the table raises the subscript error
        if (v == b.intStartNode) return k;
        v = static_cast<std::int32_t>(L(v, NetworkBlock::kLabelPredecessor));
        ++k;
    }
}

bool GrowSpanningTree() {
    NetworkBlock& b = net();
    auto& D = b.lngDistanceMatrix;
    auto& T = b.lngTreeArcTable;
    auto& joined = b.lngTreeJoinOrder;
    const int n = nodeCount();
    BuildDistanceMatrix();

    int m = 1;
    joined(1) = 1;
    D(1, 1) = kNone;
    std::int32_t lastFrom = 0, lastJoined = 0;
    for (int t = 2; t <= n; ++t) {
        // Ties go to the tree node that joined first, then to the lowest node number.
        std::int64_t smallest = kNone;
        std::int32_t from = 0, to = 0;
        for (int i = 1; i <= m; ++i) {
            const std::int32_t x = joined(i);
            for (int j = 1; j <= n; ++j) {
                if (D(x, j) < smallest) {
                    smallest = D(x, j);
                    from = x;
                    to = j;
                }
            }
        }
        const int row = t - 1;
        const bool failed = smallest == kNone;
        b.blnTreeStepFailed(row) = failed ? 1 : 0;
        if (failed) {
            // A failed step repeats the nodes of the step before it.
            from = lastFrom;
            to = lastJoined;
            T(row, NetworkBlock::kTreeDistance) = NetworkBlock::kFailedStepDistance;
        } else {
            T(row, NetworkBlock::kTreeDistance) = static_cast<std::int32_t>(smallest);
        }
        T(row, NetworkBlock::kTreeFrom) = from;
        T(row, NetworkBlock::kTreeJoined) = to;
        lastFrom = from;
        lastJoined = to;
        ++m;
        joined(m) = to;
        // An arc between two tree nodes can never be chosen again.
        for (int i = 1; i <= m; ++i)
            for (int i2 = 1; i2 <= m; ++i2) D(joined(i), joined(i2)) = kNone;
    }

    b.lngTreeLength = 0;
    for (int k = 1; k <= n - 1; ++k) {
        b.lngTreeLength += T(k, NetworkBlock::kTreeDistance);
        if (b.blnTreeStepFailed(k) != 0) return false;
    }
    return true;
}

std::string RouteTitle(int startNode, int endNode) {
    return "            THE SHORTEST ROUTE FROM NODE " + std::to_string(startNode) + " TO NODE " +
           std::to_string(endNode);
}

std::string RouteUnderline(int startNode, int endNode) {
    int stars = 41;
    if (startNode < 10 && endNode < 10) stars = 40;
    if (startNode > 9 && endNode > 9) stars = 42;
    return pf::Spaces(12) + pf::Repeat('*', stars);
}

}  // namespace qvhrtrt
