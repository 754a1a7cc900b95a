#pragma once

// A skin strip of plain colours, one per cell code, so that window tests can tell the
// tiles apart by a single pixel.

#include "LoadSkin/SkinStrip.h"

#include <QColor>

namespace lodrin::test {

// The plain colour of each strip tile, by cell code.
inline const QColor TileColours[7] = {
    {10, 20, 30},  {0, 200, 0},   {200, 120, 0}, {0, 120, 200},
    {250, 250, 0}, {120, 0, 120}, {150, 30, 30},
};

inline SkinStrip PlainStrip() {
    SkinStrip strip;
    strip.Image.fill(Qt::black);
    for (int k = 0; k < 7; ++k) {
        for (int y = 0; y < 60; ++y) {
            for (int x = 0; x < 60; ++x) {
                strip.Image.setPixelColor(60 * k + x, y, TileColours[k]);
            }
        }
    }
    return strip;
}

} // namespace lodrin::test
