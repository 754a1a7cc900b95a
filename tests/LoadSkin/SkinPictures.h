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

} // namespace lodrin::test
