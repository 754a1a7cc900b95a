#pragma once

// Pictures and files for the skin tests: synthetic skins with a known colour in
// every tile, and bitmap files written byte by byte.

#include "LoadSkin/SkinTiles.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace lodrin::test {

// The colour each tile of a synthetic skin is filled with, in file order:
// floor, keeper, box, wall; goal, keeper on goal, box on goal, wall extension.
inline const std::array<QColor, 8> FileOrderColours = {
    QColor(40, 40, 40),   QColor(200, 30, 30), QColor(210, 140, 50), QColor(90, 90, 110),
    QColor(20, 150, 150), QColor(5, 120, 9),   QColor(30, 100, 220), QColor(120, 120, 140),
};

// A skin picture of tile size a whose tiles are filled with FileOrderColours.
inline QImage SyntheticSkin(int a) {
    QImage picture(4 * a, 2 * a, QImage::Format_RGB32);
    QPainter painter(&picture);
    for (int i = 0; i < 8; ++i) {
        painter.fillRect((i % 4) * a, (i / 4) * a, a, a,
                         FileOrderColours[static_cast<std::size_t>(i)]);
    }
    return picture;
}

// Writes bytes to path; false when the file cannot be written.
inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void Put32(QByteArray& bytes, int at, std::int32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<char>((static_cast<std::uint32_t>(value) >> (8 * i)) & 0xff);
    }
}

inline void Put16(QByteArray& bytes, int at, int value) {
    bytes[at] = static_cast<char>(value & 0xff);
    bytes[at + 1] = static_cast<char>((value >> 8) & 0xff);
}

// The 54 header bytes of a 24-bit uncompressed bitmap of w x h pixels (h < 0:
// rows stored top-down), with the file header's size and pixel offset filled in.
inline QByteArray Bitmap24Header(int w, int h) {
    QByteArray head(54, '\0');
    head[0] = 'B';
    head[1] = 'M';
    const int rowBytes = (w * 24 + 31) / 32 * 4;
    Put32(head, 2, 54 + rowBytes * (h < 0 ? -h : h));
    Put32(head, 10, 54);
    Put32(head, 14, 40);
    Put32(head, 18, w);
    Put32(head, 22, h);
    Put16(head, 26, 1);
    Put16(head, 28, 24);
    return head;
}

// A run-length compressed bitmap (RLE8 with bits 8, RLE4 with bits 4) of a
// picture of at most 16 colours, stored bottom-up: each row as runs of one
// colour and an end-of-line code, then the end-of-bitmap code. Its palette
// holds the colours in the order they first appear from the top.
inline QByteArray RunLengthBitmap(const QImage& picture, int bits) {
    std::vector<QRgb> palette;
    const auto index = [&palette](QRgb colour) {
        for (std::size_t i = 0; i < palette.size(); ++i) {
            if (palette[i] == colour) {
                return static_cast<int>(i);
            }
        }
        palette.push_back(colour);
        return static_cast<int>(palette.size()) - 1;
    };
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            index(picture.pixel(x, y));
        }
    }
    QByteArray codes;
    for (int y = picture.height() - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width();) {
            const QRgb colour = picture.pixel(x, y);
            int run = 1;
            while (x + run < picture.width() && run < 255 && picture.pixel(x + run, y) == colour) {
                ++run;
            }
            const int i = index(colour);
            codes.append(static_cast<char>(run));
            codes.append(static_cast<char>(bits == 4 ? i << 4 | i : i));
            x += run;
        }
        codes.append(QByteArray("\0\0", 2));
    }
    codes.append(QByteArray("\0\1", 2));
    QByteArray bytes = Bitmap24Header(picture.width(), picture.height());
    const int paletteBytes = 4 * static_cast<int>(palette.size());
    Put32(bytes, 2, 54 + paletteBytes + static_cast<int>(codes.size()));
    Put32(bytes, 10, 54 + paletteBytes);
    Put16(bytes, 28, bits);
    Put32(bytes, 30, bits == 4 ? 2 : 1);
    Put32(bytes, 34, static_cast<int>(codes.size()));
    Put32(bytes, 46, static_cast<int>(palette.size()));
    for (const QRgb colour : palette) {
        bytes.append(static_cast<char>(qBlue(colour)));
        bytes.append(static_cast<char>(qGreen(colour)));
        bytes.append(static_cast<char>(qRed(colour)));
        bytes.append('\0');
    }
    return bytes + codes;
}

} // namespace lodrin::test
