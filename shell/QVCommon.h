#pragma once

namespace QVCommon {

// The palette-relative form of the same RGB colour (bit 0x2000000 set).
long PaletteColor(long& colour);

}  // namespace QVCommon
