#include "transport/core/taengine.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

#include "platform/core/Errors.h"
#include "transport/core/TransportModel.h"

namespace taengine {

namespace {

// Above every flow: both sides of the ratio test always find a leaving arc, since the
// network (origins to destinations, origins to the root, the root to destinations) has
// no directed cycle.
constexpr long long kAboveEveryFlow = std::numeric_limits<long long>::max();

class Engine {
public:
    Engine(qv::SharedState& s, const Options& o) : s_(s), t_(s.tr), o_(o) {}

    RunInfo run() {
        setUp();
        RunInfo info;
        for (;;) {
            long e = 0;
            double rc = 0;
            price(e, rc);
            if (e == 0) break;
            if (info.pivots >= o_.pivotLimit)
                throw pf::RuntimeError(pf::errInvalidCall, "The transportation solver stopped after " +
                                                               std::to_string(o_.pivotLimit) +
                                                               " pivots without reaching an optimal solution.");
            pivot(e, rc);
            ++info.pivots;
            if (o_.afterPivot) o_.afterPivot(tree_);
        }
        info.bigM = bigM_;
        info.scaledCost = tree_.scaledCost;
        return info;
    }

private:
    double& cost(long k) { return tree_.scaledCost[static_cast<std::size_t>(k)]; }
    int& parent(int v) { return tree_.parent[static_cast<std::size_t>(v)]; }
    int& depth(int v) { return tree_.depth[static_cast<std::size_t>(v)]; }
    int& thread(int v) { return tree_.thread[static_cast<std::size_t>(v)]; }
    int& rthread(int v) { return tree_.reverseThread[static_cast<std::size_t>(v)]; }
    int& last(int v) { return tree_.subtreeLast[static_cast<std::size_t>(v)]; }
    int& size(int v) { return tree_.subtreeSize[static_cast<std::size_t>(v)]; }
    double& pi(int v) { return tree_.potential[static_cast<std::size_t>(v)]; }
    std::int32_t& arcOf(int v) { return t_.lngTreeArcs(v); }
    std::int32_t& flowOf(int v) { return t_.lngTreeArcFlows(v); }
    // +1 when v is the tail of its tree arc, -1 when its head.
    static int sideOf(std::int32_t signedArc) { return signedArc > 0 ? 1 : -1; }

    void setUp() {
        m_ = t_.intOriginCount;
        n_ = t_.intDestinationCount;
        N_ = m_ + n_;
        R_ = N_ + 1;
        mn_ = static_cast<long>(m_) * n_;
        const bool maximize = s_.strMaximizeObjective == "YES";

        const std::size_t nodes = static_cast<std::size_t>(N_) + 2;
        for (auto* a : {&tree_.parent, &tree_.depth, &tree_.thread, &tree_.reverseThread, &tree_.subtreeLast,
                        &tree_.subtreeSize})
            a->assign(nodes, 0);
        tree_.potential.assign(nodes, 0.0);
        tree_.scaledCost.assign(static_cast<std::size_t>(mn_ + N_) + 1, 0.0);

        double largest = 0;
        for (long k = 1; k <= mn_; ++k) {
            cost(k) = ScaledCost(t_.dblArcCosts(k).num(), maximize);
            largest = std::max(largest, std::fabs(cost(k)));
        }

        double supply = 0, demand = 0;
        if (s_.strProblemType == qv::kAssignmentProblem) {
            supply = m_;
            demand = n_;
        } else {
            for (int v = 1; v <= N_; ++v) {
                const double b = t_.lngNodeSupplies(v);
                if (b > 0) supply += b;
                if (b < 0) demand -= b;
            }
        }
        t_.dblTotalSupply = supply;
        t_.dblTotalDemand = demand;
        t_.lngNodeSupplies(R_) = static_cast<std::int32_t>(demand - supply);

        // Never 0: with all costs 0 the demands are still met from the supplies.
        bigM_ = N_ * std::max(1.0, largest);
        t_.lngTreeArcs.ReDim(N_ + 1);
        t_.lngTreeArcFlows.ReDim(mn_ + 1);
        for (int v = 1; v <= N_; ++v) {
            const long a = mn_ + v;
            // Origins send to the root at no cost; every destination is fed from the
            // root at cost M, whatever its demand, so that no destination passes flow on.
            if (v <= m_) {
                t_.lngArcTails(a) = v;
                t_.intArcHeads(a) = R_;
                cost(a) = 0;
                arcOf(v) = static_cast<std::int32_t>(a);
            } else {
                t_.lngArcTails(a) = R_;
                t_.intArcHeads(a) = v;
                cost(a) = bigM_;
                arcOf(v) = static_cast<std::int32_t>(-a);
            }
            parent(v) = R_;
            depth(v) = 1;
            size(v) = 1;
            last(v) = v;
            thread(v) = v + 1;
            rthread(v) = v - 1;
        }
        thread(N_) = R_;
        rthread(1) = R_;
        thread(R_) = 1;
        rthread(R_) = N_;
        parent(R_) = 0;
        depth(R_) = 0;
        size(R_) = N_ + 1;
        last(R_) = N_;

        pi(R_) = 0;
        for (int v = thread(R_); v != R_; v = thread(v)) {
            const std::int32_t a = arcOf(v);
            pi(v) = pi(parent(v)) + sideOf(a) * cost(std::labs(a));
        }
        for (int v = N_; v >= 1; --v) {
            const std::int32_t f = std::abs(t_.lngNodeSupplies(v));
            flowOf(v) = f;
            t_.lngNodeSupplies(parent(v)) += sideOf(arcOf(v)) * f;
        }
    }

    // Full scan, node by node: an origin's real arcs, then its artificial arc. The
    // first arc of the largest saving wins.
    void price(long& entering, double& best) {
        entering = 0;
        best = 0;
        for (int v = 1; v <= N_; ++v) {
            for (long k = t_.intFirstArcs(v); k >= 1 && k <= mn_ && t_.lngArcTails(k) == v; ++k) consider(k, entering, best);
            if (v <= m_) consider(mn_ + v, entering, best);
        }
    }

    void consider(long k, long& entering, double& best) {
        const double rc = std::floor((pi(t_.lngArcTails(k)) - pi(t_.intArcHeads(k))) - cost(k));
        if (rc > best) {
            best = rc;
            entering = k;
        }
    }

    void pivot(long e, double rc) {
        const int t = t_.lngArcTails(e), h = t_.intArcHeads(e);

        // Ratio test.
        long long minT = kAboveEveryFlow, minH = kAboveEveryFlow;
        int candT = 0, candH = 0;
        int a = t, b = h;
        auto stepA = [&] {
            if (arcOf(a) > 0 && flowOf(a) < minT) {
                minT = flowOf(a);
                candT = a;
            }
            a = parent(a);
        };
        auto stepB = [&] {
            if (arcOf(b) < 0 && flowOf(b) <= minH) {
                minH = flowOf(b);
                candH = b;
            }
            b = parent(b);
        };
        while (a != b) {
            if (depth(a) > depth(b)) {
                stepA();
            } else if (depth(b) > depth(a)) {
                stepB();
            } else {
                stepA();
                stepB();
            }
        }
        const int apex = a;
        const bool leavesOnT = minT < minH;
        const std::int32_t delta = static_cast<std::int32_t>(leavesOnT ? minT : minH);
        const int r = leavesOnT ? candT : candH;
        if (r == 0) pf::raise(pf::errInvalidCall);  // cannot happen: see kAboveEveryFlow

        // Flows around the cycle.
        for (int v = t; v != apex; v = parent(v)) flowOf(v) += arcOf(v) > 0 ? -delta : delta;
        for (int v = h; v != apex; v = parent(v)) flowOf(v) += arcOf(v) < 0 ? -delta : delta;

        const int q = leavesOnT ? t : h;
        const int p = leavesOnT ? h : t;

        // Stem q = s0 .. sk = r, child to parent.
        std::vector<int> stem;
        for (int v = q;; v = parent(v)) {
            stem.push_back(v);
            if (v == r) break;
        }
        for (std::size_t i = stem.size() - 1; i >= 1; --i) {
            arcOf(stem[i]) = -arcOf(stem[i - 1]);
            flowOf(stem[i]) = flowOf(stem[i - 1]);
        }
        arcOf(q) = static_cast<std::int32_t>(q == t ? e : -e);
        flowOf(q) = delta;

        // Potentials of r's subtree restore a zero reduced cost on e.
        {
            int v = r;
            for (int c = size(r); c > 0; --c, v = thread(v)) pi(v) += q == t ? -rc : rc;
        }

        updateTree(stem, p);
    }

    void updateTree(const std::vector<int>& stem, int p) {
        const int q = stem.front();
        const int r = stem.back();
        const int oldSizeR = size(r);

        // The old listing of r's subtree, before anything changes.
        std::vector<int> old;
        old.reserve(static_cast<std::size_t>(oldSizeR));
        {
            int v = r;
            for (int c = oldSizeR; c > 0; --c, v = thread(v)) old.push_back(v);
        }
        std::vector<int> oldLast(stem.size()), oldSize(stem.size());
        for (std::size_t i = 0; i < stem.size(); ++i) {
            oldLast[i] = last(stem[i]);
            oldSize[i] = size(stem[i]);
        }

        // 1. Cut r's subtree out of the listing.
        const int before = rthread(r);
        const int lastR = last(r);
        const int after = thread(lastR);
        thread(before) = after;
        rthread(after) = before;
        for (int x = parent(r); x != 0; x = parent(x)) size(x) -= oldSizeR;
        for (int x = parent(r); x != 0 && last(x) == lastR; x = parent(x)) last(x) = before;

        // 2. Re-root it at q.
        std::vector<int> listing;
        listing.reserve(old.size());
        if (stem.size() == 1) {
            listing = old;
        } else {
            // Position of each node of the old listing, to walk the segments.
            std::vector<int> pos(tree_.parent.size(), -1);
            for (std::size_t k = 0; k < old.size(); ++k) pos[static_cast<std::size_t>(old[k])] = static_cast<int>(k);
            auto segment = [&](int from, int to, int skipFrom, int skipTo) {
                for (int k = pos[static_cast<std::size_t>(from)]; k <= pos[static_cast<std::size_t>(to)]; ++k) {
                    if (skipFrom != 0 && k == pos[static_cast<std::size_t>(skipFrom)]) {
                        k = pos[static_cast<std::size_t>(skipTo)];
                        continue;
                    }
                    listing.push_back(old[static_cast<std::size_t>(k)]);
                }
            };
            segment(stem[0], oldLast[0], 0, 0);
            for (std::size_t i = 1; i < stem.size(); ++i) segment(stem[i], oldLast[i], stem[i - 1], oldLast[i - 1]);
            for (std::size_t i = 1; i < stem.size(); ++i) parent(stem[i]) = stem[i - 1];
            size(stem[0]) = oldSizeR;
            for (std::size_t i = 0; i + 1 < stem.size(); ++i) size(stem[i + 1]) = oldSizeR - oldSize[i];
        }
        const int newLast = listing.back();
        for (int v : stem) last(v) = newLast;
        for (std::size_t k = 0; k + 1 < listing.size(); ++k) {
            thread(listing[k]) = listing[k + 1];
            rthread(listing[k + 1]) = listing[k];
        }

        // 3. Hang it below p, right after p's subtree.
        parent(q) = p;
        const int lastP = last(p);
        const int next = thread(lastP);
        thread(lastP) = q;
        rthread(q) = lastP;
        thread(newLast) = next;
        rthread(next) = newLast;
        for (int x = p; x != 0 && last(x) == lastP; x = parent(x)) last(x) = newLast;
        for (int x = p; x != 0; x = parent(x)) size(x) += oldSizeR;
        // Parents come before children in the listing: s0's old subtree moves by
        // depth(p) + 1 - depth(q), the nodes beside stem node s(i) by that plus 2i.
        for (int v : listing) depth(v) = depth(parent(v)) + 1;
    }

    qv::SharedState& s_;
    qv::TransportBlock& t_;
    const Options& o_;
    Tree tree_;
    int m_ = 0, n_ = 0, N_ = 0, R_ = 0;
    long mn_ = 0;
    double bigM_ = 0;
};

}  // namespace

double ScaledCost(double cost, bool maximize) {
    const double x = std::floor(100000.0 * cost);
    return maximize ? -x : x;
}

RunInfo SolveTransportNetwork(qv::SharedState& s, const Options& options) {
    Engine engine(s, options);
    return engine.run();
}

void SolveTransportNetwork() { SolveTransportNetwork(qv::S()); }

}  // namespace taengine
