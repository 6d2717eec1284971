#include "shell/QVCommon.h"

namespace QVCommon {

long PaletteColor(long& colour) {
    colour |= 0x2000000L;
    return colour;
}

}  // namespace QVCommon
