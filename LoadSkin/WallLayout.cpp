#include "LoadSkin/WallLayout.h"

#include "LoadSkin/SkinStrip.h"

#include "board/CellCode.h"

#include <algorithm>

namespace lodrin {
namespace {

bool IsWallAt(const std::vector<std::string>& rows, int row, int col) {
    if (row < 0 || col < 0 || row >= static_cast<int>(rows.size())) {
        return false;
    }
    const std::string& line = rows[static_cast<std::size_t>(row)];
    return col < static_cast<int>(line.size()) && line[static_cast<std::size_t>(col)] == '#';
}

// Paints a cell other than a wall with its tile, and the grid lines over it when its flag is on.
void PaintCell(QPainter& painter, const SkinTiles& tiles, const QRect& square, char ch) {
    const SkinTile tile = SkinTileOfCell(XsbCharToCell(ch));
    painter.drawImage(square, tiles.Tile(tile));
    if (tiles.GridFlag(tile)) {
        painter.setPen(tiles.GridColour);
        painter.drawLine(square.topLeft(), square.topLeft() + QPoint(square.width(), 0));
        painter.drawLine(square.topLeft(), square.topLeft() + QPoint(0, square.height()));
    }
}

} // namespace

void PaintWallSquare(QPainter& painter, const SkinTiles& tiles, const QRect& square, int mask) {
    painter.drawImage(square, tiles.WallImage(mask));
    if (tiles.Seamless && (mask & WallBlockCorner) != 0) {
        const int half = square.width() / 2;
        painter.drawImage(square.translated(-half, -half), tiles.CornerPiece);
    }
}

int WallMaskAt(const std::vector<std::string>& rows, int row, int col) {
    return WallMaskOf([&](int dx, int dy) { return IsWallAt(rows, row + dy, col + dx); });
}

QImage PaintWallLayout(const SkinTiles& tiles, const std::vector<std::string>& rows, int cell,
                       const QColor& outside) {
    std::size_t cols = 0;
    for (const std::string& line : rows) {
        cols = std::max(cols, line.size());
    }
    QImage image(static_cast<int>(cols) * cell, static_cast<int>(rows.size()) * cell,
                 QImage::Format_RGB32);
    image.fill(outside);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const std::string& line = rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < static_cast<int>(line.size()); ++c) {
            const QRect square(c * cell, r * cell, cell, cell);
            const char ch = line[static_cast<std::size_t>(c)];
            if (ch == '#') {
                PaintWallSquare(painter, tiles, square, WallMaskAt(rows, r, c));
            } else if (ch != ' ') {
                PaintCell(painter, tiles, square, ch);
            }
        }
    }
    return image;
}

} // namespace lodrin
