#include "LoadSkin/BuiltInSkin.h"

#include "LoadSkin/SkinPainting.h"
#include "LoadSkin/SkinStrip.h"

#include "board/CellCode.h"

namespace lodrin {
namespace {

const QColor FloorColour(BuiltInFloorRed, BuiltInFloorGreen, BuiltInFloorBlue);
const QColor Teal(32, 170, 162);
const BoxColours OrangeBox{{222, 142, 52}, {250, 190, 110}, {160, 92, 26}, {52, 32, 18}};
const BoxColours TealBox{{36, 168, 158}, {118, 222, 210}, {16, 104, 98}, {14, 40, 40}};
const KeeperColours Keeper{
    {246, 208, 168}, {250, 204, 64}, {66, 126, 222}, {44, 56, 98}, {20, 24, 30}};
const BrickColours RedBricks{{74, 52, 50}, {172, 66, 52}, 12};

void PaintTile(QPainter& painter, int code) {
    switch (code) {
    case Goal:
        PaintGoalDisc(painter, Teal, 10.5);
        break;
    case Box:
        PaintBevelBox(painter, OrangeBox);
        break;
    case BoxOnGoal:
        PaintBevelBox(painter, TealBox);
        break;
    case Player:
        PaintKeeper(painter, Keeper);
        break;
    case PlayerOnGoal:
        PaintKeeper(painter, Keeper, Teal);
        break;
    case Wall:
        PaintBricks(painter, RedBricks);
        break;
    default:
        break;
    }
}

} // namespace

QImage DrawBuiltInSkin() {
    QImage strip(SkinStrip::TileSize * SkinStrip::TileCount, SkinStrip::TileSize,
                 QImage::Format_RGB32);
    strip.fill(FloorColour);
    QPainter painter;
    BeginSkinPainter(painter, strip, SkinStrip::TileSize);
    for (int code = Floor; code <= Wall; ++code) {
        painter.save();
        painter.translate(code * SkinUnits, 0);
        painter.setClipRect(QRectF(0, 0, SkinUnits, SkinUnits));
        PaintTile(painter, code);
        painter.restore();
    }
    return strip;
}

} // namespace lodrin
