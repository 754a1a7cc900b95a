#pragma once

#include "LoadSkin/SkinTiles.h"

namespace lodrin {

// Tile size of the skin drawn from simple shapes.
inline constexpr int DrawnSkinTileSize = 50;

// Fills tiles with the skin drawn from simple shapes on black, the fallback when
// a chosen skin file cannot be used: 50-pixel tiles, discs with a thin black
// outline, squares without, a slate wall; gridColour for the grid lines, every
// grid flag on, no seamless walls.
void BuildDrawnSkin(SkinTiles& tiles, const QColor& gridColour = InactiveCaptionTextColour());

} // namespace lodrin
