#pragma once
// Sizes a grid control to its cells: as wide as its columns and as high as its rows,
// so no empty panel shows beside or under a small table; a table larger than the
// room given keeps that room and scrolls.
#include "platform/ui/Grid.h"

namespace pf {

// Resizes `g` where it stands to show all its rows and columns, but never beyond
// `maxWidth` by `maxHeight` twips; where that cuts it, its scroll bars fit inside.
void fitGridToCells(Grid& g, int maxWidth, int maxHeight);

}  // namespace pf
