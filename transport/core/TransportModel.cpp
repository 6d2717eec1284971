#include "transport/core/TransportModel.h"

#include <cmath>

#include "platform/core/Errors.h"

namespace qv {

void DimensionNetwork(SharedState& s) {
    TransportBlock& t = s.tr;
    const int m = t.intOriginCount, n = t.intDestinationCount;
    s.intNodeCount = m + n;
    s.intArcCount = m * n;
    const long arcUpper = static_cast<long>(m) * n + m + n;
    t.lngArcTails.ReDim(arcUpper);
    t.intArcHeads.ReDim(arcUpper);
    t.lngNodeSupplies.ReDim(m + n + 1);
    t.dblArcCosts.ReDim(arcUpper);
    t.intFirstArcs.ReDim(m + n + 1);
    t.lngShipmentMatrix.ReDim(m, n);
    for (int i = 1; i <= m; ++i) t.intFirstArcs(i) = static_cast<int>(arcIndex(i, 1, n));
    for (long k = 1; k <= arcUpper; ++k) t.dblArcCosts(k) = 0;
}

void RequireSolvableModel(const SharedState& s) {
    const TransportBlock& t = s.tr;
    const int m = t.intOriginCount, n = t.intDestinationCount;
    for (int v = 1; v <= m + n; ++v) {
        const double b = t.lngNodeSupplies(v);
        if (v <= m ? b < 0 : b > 0) pf::raise(pf::errInvalidCall);
        if (std::fabs(b) >= kTransportValueLimit) pf::raise(pf::errInvalidCall);
    }
    for (long k = 1; k <= static_cast<long>(m) * n; ++k) {
        const double c = t.dblArcCosts(k).num();
        if (!(std::fabs(c) < kTransportValueLimit)) pf::raise(pf::errInvalidCall);
    }
}

}  // namespace qv
