#include "platform/core/Checked.h"

#include <cmath>

#include "platform/core/Errors.h"
#include "platform/core/Format.h"

namespace pf {

namespace {

double roundedInRange(double v, double lo, double hi) {
    if (!std::isfinite(v)) raise(errOverflow);
    double r = RoundHalfEven(v);
    if (r < lo || r > hi) raise(errOverflow);
    return r;
}

}  // namespace

int16_t ToInt16(double v) { return static_cast<int16_t>(roundedInRange(v, -32768.0, 32767.0)); }

int32_t ToInt32(double v) {
    return static_cast<int32_t>(roundedInRange(v, -2147483648.0, 2147483647.0));
}

}  // namespace pf
