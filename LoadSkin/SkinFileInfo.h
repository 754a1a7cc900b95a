#pragma once

#include <string>

namespace lodrin {

// Sizes a skin bitmap may have: 2 rows of 4 square tiles, 20 to 200 pixels each.
inline constexpr int MinSkinWidth = 80;
inline constexpr int MaxSkinWidth = 800;
inline constexpr int MaxSkinHeight = MaxSkinWidth / 2;

// The size rule of skin bitmaps: width = 2 x height, width divisible by 4 and
// 80 <= width <= 800.
bool PassesSkinSizeRule(int width, int height);

// The tile size of a bitmap that passes the size rule (width / 4), else 0.
int SkinTileSizeOf(int width, int height);

// What the skin chooser shows of a file before it is chosen, read from the
// file's headers without decoding its pixels.
struct SkinFileInfo {
    bool Readable = false; // a complete Windows bitmap that can be decoded
    int Width = 0;
    int Height = 0;

    // The tile size the file would give: its width divided by 4.
    int TileSize() const { return Width / 4; }
    // Whether choosing the file would give a skin.
    bool Usable() const { return Readable && PassesSkinSizeRule(Width, Height); }
};

// Reads the headers of the file at path (UTF-8), and the codes of a run-length
// compressed bitmap. A missing file, a file of another format, a truncated
// bitmap or one compressed in another way is not Readable.
SkinFileInfo ReadSkinFileInfo(const std::string& path);

} // namespace lodrin
