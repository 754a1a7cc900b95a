#pragma once

#include "LoadSkin/SkinStrip.h"
#include "board/LevelPreview.h"

#include <QImage>
#include <QSize>

namespace lodrin {

// A small picture of a level drawn with the strip's tiles, as large as fits in
// box with square cells; the floor outside the walls stays transparent. Cells
// of under 6 pixels are filled with their tile's mean colour.
QImage DrawLevelPicture(const SkinStrip& strip, const LevelPreview& preview, QSize box);

} // namespace lodrin
