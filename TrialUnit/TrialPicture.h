#pragma once

#include "LoadSkin/SkinTiles.h"
#include "TrialUnit/TrialField.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <array>
#include <vector>

namespace lodrin {

// The picture of the trial field's board under its turn, drawn from the skin's
// tiles: wall pieces by mask with the corner pieces over the meeting points of
// 2 x 2 blocks, darkened odd squares while odd/even is shown, grid lines, and the
// keeper-reach or box-reach marks. Tiles are scaled once per square size and
// skin, not per square.
class TTrialPicture {
public:
    // Draws the whole board at the field's square size; squares outside the level
    // are filled with background.
    const QImage& DrawMap(const TTrialField& field, const SkinTiles& tiles,
                          const QColor& background = InactiveCaptionTextColour());
    const QImage& Image() const { return Image_; }

private:
    // The skin's images at one square size, and the mark sprites for it.
    struct ScaledTiles {
        int Size = 0;
        std::array<qint64, SkinTileCount + DarkTileCount + WallMaskCount + 1> Keys{};
        SkinTiles Tiles; // every image Size x Size
        // Mark sprites, drawn with their centre on a square's centre.
        QImage ReachDisc;
        QImage PassedSquare;
        QImage PassableBoxDisc;
        int MarkOffset = 0; // from a sprite's corner to its centre
    };

    void Prepare(const SkinTiles& tiles, int size);
    static std::array<qint64, SkinTileCount + DarkTileCount + WallMaskCount + 1>
    KeysOf(const SkinTiles& tiles);
    void DrawSquare(QPainter& painter, const TTrialField& field, int r, int c);
    void DrawLine(QPainter& painter, int x, int y) const;
    void DrawMarks(QPainter& painter, const TTrialField& field, int p, QPoint corner) const;

    ScaledTiles Scaled_;
    std::vector<QPoint> Corners_; // where the corner pieces go, drawn last
    QImage Image_;
};

} // namespace lodrin
