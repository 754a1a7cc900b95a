#include "SkinThemes.h"

#include "Noise.h"
#include "WallShader.h"

#include "LoadSkin/SkinPainting.h"

#include <QPainterPath>

#include <array>
#include <cmath>
#include <functional>
#include <memory>
#include <numbers>
#include <random>
#include <string_view>

namespace lodrin::skingen {
namespace {

using PixelColour = std::function<QColor(int x, int y)>;
using TilePainter = std::function<void(QPainter&)>;

// A floor tile coloured pixel by pixel. With a grid line colour its top row
// and left column show that colour, so the grid flags are on and the trial
// field draws its lines in it; without, the first pixels of the top row take
// the colour of pixel (1, 1), which turns every grid flag off.
QImage FloorTile(int a, const PixelColour& colour, const QColor& gridLine = QColor()) {
    QImage tile(a, a, QImage::Format_RGB32);
    for (int y = 0; y < a; ++y) {
        for (int x = 0; x < a; ++x) {
            tile.setPixel(x, y, colour(x, y).rgb());
        }
    }
    if (gridLine.isValid()) {
        for (int i = 0; i < a; ++i) {
            tile.setPixel(i, 0, gridLine.rgb());
            tile.setPixel(0, i, gridLine.rgb());
        }
    } else {
        for (int x = 0; x < DarkTileCount; ++x) {
            tile.setPixel(x, 0, tile.pixel(1, 1));
        }
    }
    return tile;
}

// base with paint applied in 60 x 60 units.
QImage Painted(const QImage& base, const TilePainter& paint) {
    QImage tile = base.copy();
    QPainter painter;
    BeginSkinPainter(painter, tile, tile.width());
    paint(painter);
    return tile;
}

// The skin picture from its tiles in file order: floor, keeper, box, wall on
// top; goal, keeper on goal, box on goal, wall extension below.
QImage Compose(const std::array<QImage, 8>& tiles) {
    const int a = tiles[0].width();
    QImage picture(4 * a, 2 * a, QImage::Format_RGB32);
    QPainter painter(&picture);
    for (int i = 0; i < 8; ++i) {
        painter.drawImage((i % 4) * a, (i / 4) * a, tiles[static_cast<std::size_t>(i)]);
    }
    return picture;
}

QPainterPath Circle(const QPointF& centre, qreal r) {
    QPainterPath path;
    path.addEllipse(centre, r, r);
    return path;
}

// Supersampling of the repeated pictures of wall surfaces.
constexpr int CellScale = 4;

// One period of a leafy surface: overlapping leaves, each lit from above, drawn
// with their copies across the edges so the picture repeats without a seam.
QImage LeafCell(int period, unsigned seed, const QColor& ground, const QColor& dark,
                const QColor& light) {
    const int w = period * CellScale;
    QImage cell(w, w, QImage::Format_RGB32);
    cell.fill(ground);
    QPainter painter(&cell);
    painter.setRenderHint(QPainter::Antialiasing);
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const int count = period * period / 7;
    for (int i = 0; i < count; ++i) {
        const QPointF centre(unit(rng) * w, unit(rng) * w);
        const double angle = unit(rng) * 180;
        const double length = (3.8 + 2.4 * unit(rng)) * CellScale;
        const double width = (1.8 + 1.0 * unit(rng)) * CellScale;
        const QColor colour = Mix(dark, light, 0.25 + 0.75 * unit(rng));
        for (int oy = -1; oy <= 1; ++oy) {
            for (int ox = -1; ox <= 1; ++ox) {
                painter.save();
                painter.translate(centre + QPointF(ox * w, oy * w));
                painter.rotate(angle);
                QPainterPath leaf;
                leaf.addEllipse(QRectF(-length / 2, -width / 2, length, width));
                QLinearGradient shade(0, -width / 2, 0, width / 2);
                shade.setColorAt(0, Shade(colour, 1.25));
                shade.setColorAt(1, Shade(colour, 0.7));
                painter.strokePath(leaf, QPen(Shade(dark, 0.6), 0.6 * CellScale));
                painter.fillPath(leaf, shade);
                painter.restore();
            }
        }
    }
    return cell;
}

// One period of a granite surface: mottled grey with dark and light grains.
QImage GraniteCell(int period, unsigned seed, const QColor& low, const QColor& high) {
    const int w = period * CellScale;
    const TPeriodicFractal mottle(2, w, seed);
    QImage cell(w, w, QImage::Format_RGB32);
    for (int y = 0; y < w; ++y) {
        for (int x = 0; x < w; ++x) {
            cell.setPixel(x, y, Mix(low, high, mottle.At(x, y)).rgb());
        }
    }
    QPainter painter(&cell);
    painter.setRenderHint(QPainter::Antialiasing);
    std::mt19937 rng(seed + 100);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int i = 0; i < period * period / 9; ++i) {
        const QPointF centre(unit(rng) * w, unit(rng) * w);
        const double r = (0.35 + 0.5 * unit(rng)) * CellScale;
        const QColor grain = unit(rng) < 0.6 ? Shade(low, 0.82) : Shade(high, 1.08);
        for (int oy = -1; oy <= 1; ++oy) {
            for (int ox = -1; ox <= 1; ++ox) {
                painter.fillPath(Circle(centre + QPointF(ox * w, oy * w), r), grain);
            }
        }
    }
    return cell;
}

// A goal ring: a coloured ring with a darker edge around a small dot.
void PaintGoalRing(QPainter& painter, const QColor& colour, qreal radius) {
    const QPointF c(30, 30);
    const QPainterPath ring = Circle(c, radius).subtracted(Circle(c, radius * 0.62));
    painter.strokePath(ring, QPen(Shade(colour, 0.45), 1.6));
    painter.fillPath(ring, colour);
    painter.fillPath(Circle(c, radius * 0.24), Shade(colour, 0.9));
}

// A goal: a gold plate set in a wide rim of dark stone, sunk into the floor.
// The dark rim shows around a keeper standing on the goal and the bright plate
// is hidden under him, so the recognition tells floor, goal, keeper and keeper
// on a goal apart by their grey levels.
void PaintGoalPlate(QPainter& painter, const QColor& rim, const QColor& plate) {
    const QPointF c(30, 30);
    painter.fillPath(Circle(c, 22), Shade(rim, 0.7));
    QRadialGradient stone(c + QPointF(-6, -6), 30);
    stone.setColorAt(0, Shade(rim, 1.25));
    stone.setColorAt(1, Shade(rim, 0.9));
    painter.fillPath(Circle(c, 20.8), stone);
    painter.fillPath(Circle(c, 12.4), Shade(plate, 0.45));
    QRadialGradient metal(c + QPointF(-3, -3), 14);
    metal.setColorAt(0, Shade(plate, 1.15));
    metal.setColorAt(1, Shade(plate, 0.85));
    painter.fillPath(Circle(c, 11.2), metal);
    painter.fillPath(Circle(c, 4.2), Shade(plate, 0.7));
    painter.fillPath(Circle(c, 3), Shade(plate, 1.1));
}

// A flower with five petals, the goal of the garden skin.
void PaintFlower(QPainter& painter, const QColor& petal, const QColor& heart) {
    const QPointF c(30, 30);
    QPainterPath petals;
    for (int i = 0; i < 5; ++i) {
        const double angle = -std::numbers::pi / 2 + i * 2 * std::numbers::pi / 5;
        petals =
            petals.united(Circle(c + QPointF(7.5 * std::cos(angle), 7.5 * std::sin(angle)), 6));
    }
    painter.strokePath(petals, QPen(Shade(petal, 0.55), 1.6));
    painter.fillPath(petals, petal);
    painter.fillPath(Circle(c, 4.6), heart);
    painter.fillPath(Circle(c - QPointF(1.3, 1.3), 1.6), Shade(heart, 1.3));
}

// Colours of a wooden crate.
struct CrateColours {
    QColor Wood;
    QColor Outline;
};

// A wooden crate: a frame of boards around three planks and a diagonal brace.
void PaintCrate(QPainter& painter, const CrateColours& c) {
    const QRectF outer(4.5, 4.5, 51, 51);
    QPainterPath body;
    body.addRoundedRect(outer, 3, 3);
    painter.fillPath(body, c.Outline);
    painter.fillRect(outer.adjusted(1.5, 1.5, -1.5, -1.5), Shade(c.Wood, 0.82));
    const QRectF inner(14, 14, 32, 32);
    for (int i = 0; i < 3; ++i) {
        const QRectF plank(inner.left(), inner.top() + i * 32.0 / 3, inner.width(), 32.0 / 3);
        painter.fillRect(plank.adjusted(0, 0.5, 0, -0.5), Shade(c.Wood, 0.9 + 0.05 * (i % 2)));
    }
    QPainterPath brace;
    brace.moveTo(inner.left(), inner.bottom() - 4);
    brace.lineTo(inner.right() - 4, inner.top());
    brace.lineTo(inner.right(), inner.top() + 4);
    brace.lineTo(inner.left() + 4, inner.bottom());
    brace.closeSubpath();
    painter.strokePath(brace, QPen(c.Outline, 1.4));
    painter.fillPath(brace, Shade(c.Wood, 1.1));
    QPainterPath frame;
    frame.addRect(outer.adjusted(1.5, 1.5, -1.5, -1.5));
    frame.addRect(inner);
    painter.fillPath(frame, c.Wood);
    painter.setPen(QPen(c.Outline, 1.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(inner);
    painter.setPen(QPen(Shade(c.Wood, 1.25), 1.2));
    painter.drawLine(QPointF(7, 6.8), QPointF(53, 6.8));
    painter.drawLine(QPointF(6.8, 7), QPointF(6.8, 53));
    painter.setPen(Qt::NoPen);
}

// Colours of a wrapped present.
struct GiftColours {
    QColor Paper;
    QColor Ribbon;
    QColor Outline;
};

// A present: a box in paper with a ribbon cross and a bow.
void PaintGift(QPainter& painter, const GiftColours& c) {
    const QRectF box(6, 10, 48, 45);
    QPainterPath body;
    body.addRoundedRect(box, 4, 4);
    painter.strokePath(body, QPen(c.Outline, 2.4));
    QLinearGradient paper(box.topLeft(), box.bottomRight());
    paper.setColorAt(0, Shade(c.Paper, 1.18));
    paper.setColorAt(1, Shade(c.Paper, 0.82));
    painter.fillPath(body, paper);
    painter.fillRect(QRectF(26, box.top(), 8, box.height()), c.Ribbon);
    painter.fillRect(QRectF(box.left(), 28, box.width(), 8), c.Ribbon);
    painter.fillRect(QRectF(26, box.top(), 2, box.height()), Shade(c.Ribbon, 1.2));
    QPainterPath bow;
    bow.addEllipse(QRectF(17, 3, 13, 9));
    bow.addEllipse(QRectF(30, 3, 13, 9));
    painter.strokePath(bow, QPen(c.Outline, 1.6));
    painter.fillPath(bow, c.Ribbon);
    painter.fillPath(Circle({30, 9}, 3.4), Shade(c.Ribbon, 0.85));
}

// ---- Classic: 20-pixel tiles for large levels, drawn pixel by pixel.

// A picture over base from rows of characters starting at row `top`: each
// character picks a colour from the palette ('.' keeps the base).
QImage PixelSprite(const QImage& base, int top, const std::vector<const char*>& rows,
                   const std::vector<std::pair<char, QColor>>& palette) {
    QImage tile = base.copy();
    for (int y = 0; y < static_cast<int>(rows.size()); ++y) {
        const std::string_view row = rows[static_cast<std::size_t>(y)];
        for (int x = 0; x < static_cast<int>(row.size()) && x < tile.width(); ++x) {
            for (const auto& [key, colour] : palette) {
                if (row[static_cast<std::size_t>(x)] == key) {
                    tile.setPixel(x, top + y, colour.rgb());
                }
            }
        }
    }
    return tile;
}

// clang-format off
const std::vector<const char*> ClassicKeeper = {
    "....................",
    ".......######.......",
    "......#hhhhhh#......",
    ".....#hhhhhhhh#.....",
    ".....#HHHHHHHH#.....",
    ".....#ssssssss#.....",
    ".....#ss#ss#ss#.....",
    ".....#ssssssss#.....",
    "......#ssssss#......",
    "....###rrrrrr###....",
    "...#rrrrrrrrrrrr#...",
    "...#rr#rrrrrr#rr#...",
    "...#rr#rrrrrr#rr#...",
    "...#ss#RRRRRR#ss#...",
    "....##bbbbbbbb##....",
    "......#bbbbbb#......",
    "......#bb##bb#......",
    "......#bb##bb#......",
    ".....###o..o###.....",
    "....................",
};

// The ring of a goal under the keeper's feet, rows 15 to 18.
const std::vector<const char*> ClassicPad = {
    "...gggggggggggggg...",
    "..gGGGGGGGGGGGGGGg..",
    "..gGGGGGGGGGGGGGGg..",
    "...gggggggggggggg...",
};

const std::vector<const char*> ClassicBox = {
    "....................",
    ".##################.",
    ".#LLLLLLLLLLLLLLLL#.",
    ".#LffffffffffffffD#.",
    ".#LffffffffffffffD#.",
    ".#LffppppppppppffD#.",
    ".#LffpffffffffpffD#.",
    ".#LffpffffffffpffD#.",
    ".#LffpffffffffpffD#.",
    ".#LffpffffffffpffD#.",
    ".#LffpffffffffpffD#.",
    ".#LffpffffffffpffD#.",
    ".#LffpffffffffpffD#.",
    ".#LffpffffffffpffD#.",
    ".#LffppppppppppffD#.",
    ".#LfffLLLLLLLLfffD#.",
    ".#LffffffffffffffD#.",
    ".#DDDDDDDDDDDDDDDD#.",
    ".##################.",
    "....................",
};
// clang-format on

QImage ClassicBoxTile(const QImage& floor, const QColor& face) {
    return PixelSprite(floor, 0, ClassicBox,
                       {{'#', Shade(face, 0.3)},
                        {'L', Shade(face, 1.25)},
                        {'D', Shade(face, 0.62)},
                        {'f', face},
                        {'p', Shade(face, 0.8)}});
}

QImage DrawClassic() {
    constexpr int A = 20;
    const TPeriodicFractal grain(2, A, 7);
    const QImage floor = FloorTile(
        A,
        [&](int x, int y) {
            return Mix({206, 200, 182}, {222, 216, 198}, grain.At(x, y));
        },
        QColor(160, 152, 132));
    const QColor goalRed(214, 58, 48);
    const std::vector<std::pair<char, QColor>> keeper = {
        {'#', QColor(30, 24, 24)},    {'h', QColor(214, 54, 48)},  {'H', QColor(150, 34, 30)},
        {'s', QColor(246, 208, 168)}, {'r', QColor(56, 104, 204)}, {'R', QColor(36, 70, 150)},
        {'b', QColor(46, 48, 66)},    {'o', QColor(30, 24, 24)},
    };
    const std::vector<std::pair<char, QColor>> pad = {{'g', Shade(goalRed, 0.6)}, {'G', goalRed}};
    const QImage wall = Painted(floor, [](QPainter& p) {
        PaintBricks(p, {{56, 60, 76}, {92, 108, 150}, 10});
    });
    return Compose({
        floor,
        PixelSprite(floor, 0, ClassicKeeper, keeper),
        ClassicBoxTile(floor, {196, 136, 66}),
        wall,
        Painted(floor, [&](QPainter& p) { PaintGoalDisc(p, goalRed, 11); }),
        PixelSprite(PixelSprite(floor, 15, ClassicPad, pad), 0, ClassicKeeper, keeper),
        ClassicBoxTile(floor, {84, 168, 76}),
        wall,
    });
}

// ---- The painted skins: keeper, boxes and goal painted on one floor, raised walls.

// What a painted skin is made of.
struct PaintedSkin {
    QImage Floor;
    KeeperColours Keeper;
    // The mark the keeper stands in on a goal; without one, the keeper on a goal
    // stands on the goal tile itself.
    QColor Ring;
    TilePainter Goal;
    TilePainter Box;
    TilePainter BoxOnGoal;
    WallStyle Walls;
};

QImage ComposePainted(const PaintedSkin& skin) {
    const auto on = [&skin](const TilePainter& paint) { return Painted(skin.Floor, paint); };
    const QImage goal = on(skin.Goal);
    const QImage keeperOnGoal =
        skin.Ring.isValid() ? on([&skin](QPainter& p) { PaintKeeper(p, skin.Keeper, skin.Ring); })
                            : Painted(goal, [&skin](QPainter& p) { PaintKeeper(p, skin.Keeper); });
    return Compose({
        skin.Floor,
        on([&skin](QPainter& p) { PaintKeeper(p, skin.Keeper); }),
        on(skin.Box),
        RenderWallTile(skin.Walls, 0),
        goal,
        keeperOnGoal,
        on(skin.BoxOnGoal),
        RenderWallTile(skin.Walls, WallOnLeft | WallAbove | WallOnRight | WallBelow),
    });
}

// ---- Stone: 40-pixel tiles, sand floor, grey stone walls that join.

QImage DrawStone() {
    constexpr int A = 40;
    const TPeriodicFractal sand(3, A, 11);
    const QImage floor = FloorTile(
        A,
        [&](int x, int y) {
            return Mix({184, 156, 114}, {212, 186, 142}, sand.At(x, y));
        },
        QColor(150, 124, 88));
    WallStyle stone;
    stone.TileSize = A;
    stone.Surface = RepeatedPicture(GraniteCell(A / 4, 5, {120, 122, 130}, {142, 144, 152}), A / 4);
    stone.Bevel = 4;
    stone.Light = 0.75;
    stone.Dark = 0.6;
    stone.OutlineWidth = 1.1;
    stone.Outline = QColor(38, 38, 44);
    const QColor gold(232, 188, 52);
    const QColor basalt(76, 76, 80);
    return ComposePainted({
        floor,
        {{246, 208, 168}, {120, 72, 40}, {58, 150, 82}, {70, 62, 56}, {24, 22, 20}},
        QColor(),
        [gold, basalt](QPainter& p) { PaintGoalPlate(p, basalt, gold); },
        [](QPainter& p) {
            PaintCrate(p, {{178, 122, 62}, {64, 38, 18}});
        },
        [](QPainter& p) {
            PaintCrate(p, {{226, 182, 60}, {84, 58, 14}});
        },
        stone,
    });
}

// ---- Garden: 64-pixel tiles, grass without grid lines, hedges that join.

QImage DrawGarden() {
    constexpr int A = 64;
    const TPeriodicFractal grass(4, A, 21);
    const TPeriodicNoise blades(16, A, 23);
    const QImage floor = FloorTile(A, [&](int x, int y) {
        const double t = 0.7 * grass.At(x, y) + 0.3 * blades.At(x * 1.0, y * 0.35);
        return Mix({78, 136, 58}, {112, 170, 76}, t);
    });
    WallStyle hedge;
    hedge.TileSize = A;
    hedge.Surface =
        RepeatedPicture(LeafCell(A / 4, 31, {22, 60, 28}, {34, 92, 40}, {96, 162, 74}), A / 4);
    hedge.Bevel = 6;
    hedge.Light = 0.4;
    hedge.Dark = 0.6;
    hedge.OutlineWidth = 1.4;
    hedge.Outline = QColor(18, 44, 20);
    const QColor petal(248, 244, 236);
    const QColor heart(246, 196, 48);
    return ComposePainted({
        floor,
        {{246, 208, 168}, {232, 200, 112}, {200, 56, 52}, {60, 76, 140}, {28, 22, 18}},
        heart,
        [petal, heart](QPainter& p) { PaintFlower(p, petal, heart); },
        [](QPainter& p) {
            PaintBevelBox(p, {{200, 112, 70}, {238, 164, 120}, {136, 66, 36}, {62, 30, 16}});
        },
        [](QPainter& p) {
            PaintBevelBox(p, {{240, 190, 60}, {255, 230, 130}, {170, 120, 20}, {80, 56, 10}});
        },
        hedge,
    });
}

// ---- Ice: 96-pixel tiles, snow floor with faint lines, ice blocks that join.

QImage DrawIce() {
    constexpr int A = 96;
    const TPeriodicFractal snow(3, A, 41);
    const QImage floor = FloorTile(
        A,
        [&](int x, int y) {
            return Mix({214, 226, 238}, {240, 246, 252}, snow.At(x, y));
        },
        QColor(176, 196, 218));
    const auto frost = std::make_shared<TPeriodicFractal>(2, A / 4.0, 43);
    WallStyle ice;
    ice.TileSize = A;
    ice.Surface = [frost](double x, double y) {
        const double q = 96 / 4.0;
        const double sheen = 0.5 + 0.5 * std::sin(2 * std::numbers::pi * (x + y) / q);
        const double t = 0.75 * frost->At(x, y) + 0.25 * sheen * sheen * sheen;
        return Mix({92, 150, 204}, {170, 214, 244}, t);
    };
    ice.Bevel = 9;
    ice.Light = 0.7;
    ice.Dark = 0.45;
    ice.OutlineWidth = 1.6;
    ice.Outline = QColor(36, 70, 116);
    const QColor blue(58, 130, 226);
    return ComposePainted({
        floor,
        {{246, 208, 168}, {200, 40, 52}, {240, 128, 36}, {52, 60, 84}, {22, 26, 34}},
        blue,
        [blue](QPainter& p) { PaintGoalRing(p, blue, 12); },
        [](QPainter& p) {
            PaintGift(p, {{196, 44, 64}, {250, 206, 70}, {70, 14, 24}});
        },
        [](QPainter& p) {
            PaintGift(p, {{46, 150, 92}, {250, 206, 70}, {12, 56, 30}});
        },
        ice,
    });
}

} // namespace

const std::vector<SkinTheme>& SkinThemes() {
    static const std::vector<SkinTheme> themes = {
        {"Classic20.bmp", 20, DrawClassic},
        {"Stone40.bmp", 40, DrawStone},
        {"Garden64.bmp", 64, DrawGarden},
        {"Ice96.bmp", 96, DrawIce},
    };
    return themes;
}

} // namespace lodrin::skingen
