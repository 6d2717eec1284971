#pragma once
// Conversions to the 16-bit and 32-bit integers of the shared state. They round
// halves to the even neighbour and raise the overflow error (6) for a value out of
// range, not a number or infinite, instead of wrapping.
#include <cstdint>

namespace pf {

int16_t ToInt16(double v);
int32_t ToInt32(double v);

}  // namespace pf
