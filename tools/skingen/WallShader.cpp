#include "WallShader.h"

#include <algorithm>
#include <cmath>

namespace lodrin::skingen {
namespace {

// The open squares around the tile, in pixels of the tile.
struct OpenSquares {
    double Left[8], Top[8], Right[8], Bottom[8];
    int Count = 0;
};

OpenSquares FindOpen(int a, int neighbours) {
    static constexpr struct {
        int Bit, Dx, Dy;
    } All[] = {
        {WallOnLeft, -1, 0},  {WallAbove, 0, -1},   {WallOnRight, 1, 0},   {WallBelow, 0, 1},
        {WallUpLeft, -1, -1}, {WallUpRight, 1, -1}, {WallDownLeft, -1, 1}, {WallDownRight, 1, 1},
    };
    OpenSquares open;
    for (const auto& n : All) {
        if ((neighbours & n.Bit) == 0) {
            open.Left[open.Count] = n.Dx * a;
            open.Top[open.Count] = n.Dy * a;
            open.Right[open.Count] = n.Dx * a + a;
            open.Bottom[open.Count] = n.Dy * a + a;
            ++open.Count;
        }
    }
    return open;
}

// Distance from (x, y) to the nearest open square and the unit vector toward it.
double Nearest(const OpenSquares& open, double x, double y, double& nx, double& ny) {
    double best = 1e9;
    nx = ny = 0;
    for (int i = 0; i < open.Count; ++i) {
        const double vx = std::clamp(x, open.Left[i], open.Right[i]) - x;
        const double vy = std::clamp(y, open.Top[i], open.Bottom[i]) - y;
        const double d = std::hypot(vx, vy);
        if (d < best) {
            best = d;
            nx = d > 0 ? vx / d : 0;
            ny = d > 0 ? vy / d : 0;
        }
    }
    return best;
}

// The colour of one sample: texture, bevel shading and outline.
QColor Sample(const WallStyle& style, const OpenSquares& open, double x, double y) {
    double nx = 0, ny = 0;
    const double d = Nearest(open, x, y, nx, ny);
    QColor colour = style.Surface(x, y);
    if (d < style.Bevel) {
        // Outward normal (nx, ny) toward the open square; light comes from the upper left.
        // The bevel is rounded: steepest at the edge, flat where it meets the top.
        const double lit = (-0.55 * nx - 0.83 * ny);
        const double slope = std::pow(1.0 - d / style.Bevel, 0.8);
        colour = lit > 0 ? Mix(colour, Qt::white, lit * style.Light * slope)
                         : Mix(colour, Qt::black, -lit * style.Dark * slope);
    }
    if (d < style.OutlineWidth) {
        colour = style.Outline;
    }
    return colour;
}

} // namespace

QColor Mix(const QColor& from, const QColor& to, double t) {
    t = std::clamp(t, 0.0, 1.0);
    auto m = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
    return QColor(m(from.red(), to.red()), m(from.green(), to.green()), m(from.blue(), to.blue()));
}

Texture RepeatedPicture(const QImage& cell, int period) {
    const double scale = static_cast<double>(cell.width()) / period;
    return [cell, scale](double x, double y) {
        const int w = cell.width();
        const int px = ((static_cast<int>(std::floor(x * scale)) % w) + w) % w;
        const int py = ((static_cast<int>(std::floor(y * scale)) % w) + w) % w;
        return QColor(cell.pixel(px, py));
    };
}

QImage RenderWallTile(const WallStyle& style, int neighbours) {
    const int a = style.TileSize;
    const OpenSquares open = FindOpen(a, neighbours);
    QImage tile(a, a, QImage::Format_RGB32);
    constexpr int S = 4;
    for (int py = 0; py < a; ++py) {
        for (int px = 0; px < a; ++px) {
            int r = 0, g = 0, b = 0;
            for (int i = 0; i < S * S; ++i) {
                const QColor c =
                    Sample(style, open, px + (i % S + 0.5) / S, py + (i / S + 0.5) / S);
                r += c.red();
                g += c.green();
                b += c.blue();
            }
            tile.setPixel(px, py, qRgb(r / (S * S), g / (S * S), b / (S * S)));
        }
    }
    return tile;
}

} // namespace lodrin::skingen
