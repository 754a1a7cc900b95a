#pragma once

#include <QImage>

#include <string>
#include <vector>

namespace lodrin::skingen {

// One skin file the generator can draw.
struct SkinTheme {
    std::string FileName; // name in the Skins folder, e.g. "Stone40.bmp"
    int TileSize;
    QImage (*Draw)(); // the whole picture: 4 x 2 tiles
};

// Every skin the generator can draw.
const std::vector<SkinTheme>& SkinThemes();

} // namespace lodrin::skingen
