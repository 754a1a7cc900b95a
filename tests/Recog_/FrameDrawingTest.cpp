// The frame drawing on a QImage, held against a pixel-by-pixel model of the layer: picture
// blocks of the zoom, the white border with its black shadow, the grid lines inside the frame.

#include "Recog_/FrameDrawing.h"

#include "Recog_/PictureFile.h"

#include <gtest/gtest.h>

namespace lodrin {
namespace {

constexpr QRgb Magenta = 0xffff00ff;

RgbPicture Colourful(int w, int h) {
    RgbPicture picture(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            picture.SetPixel(x, y,
                             {static_cast<std::uint8_t>(x * 7), static_cast<std::uint8_t>(y * 11),
                              static_cast<std::uint8_t>(90 + (x + y) % 5)});
        }
    }
    return picture;
}

// The layer as the drawing rules state it, one pixel at a time.
QImage Expected(const RgbPicture& picture, const TRecogFrame& frame, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Magenta);
    const int z = frame.ZoomFactor();
    for (int y = 0; y < std::min(size.height(), frame.DisplayHeight()); ++y) {
        for (int x = 0; x < std::min(size.width(), frame.DisplayWidth()); ++x) {
            const Rgb p = picture.Pixel(x / z, y / z);
            image.setPixel(x, y, qRgb(p.R, p.G, p.B));
        }
    }
    auto put = [&](int x, int y, QRgb c) {
        if (image.rect().contains(x, y)) {
            image.setPixel(x, y, c);
        }
    };
    auto outline = [&](int l, int t, int r, int b, QRgb c) {
        for (int x = l; x < r && b > t; ++x) {
            put(x, t, c);
            put(x, b - 1, c);
        }
        for (int y = t; y < b && r > l; ++y) {
            put(l, y, c);
            put(r - 1, y, c);
        }
    };
    const int l = frame.Left(), t = frame.Top(), r = frame.Right(), b = frame.Bottom();
    outline(l + 1, t + 1, r + 1, b + 1, 0xff000000);
    outline(l, t, r, b, 0xffffffff);
    for (int i = 1; i < frame.Rows(); ++i) {
        for (int x = l; x < r; ++x) {
            put(x, t + i * frame.RowHeight() + 1, 0xff000000);
        }
        for (int x = l; x < r; ++x) {
            put(x, t + i * frame.RowHeight(), 0xffffffff);
        }
    }
    for (int j = 1; j < frame.Cols(); ++j) {
        for (int y = t; y < b; ++y) {
            put(l + j * frame.ColWidth() + 1, y, 0xff000000);
        }
        for (int y = t; y < b; ++y) {
            put(l + j * frame.ColWidth(), y, 0xffffffff);
        }
    }
    return image;
}

QImage Drawn(const RgbPicture& picture, const TRecogFrame& frame, QSize size, QRect exposed) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Magenta);
    QPainter painter(&image);
    DrawRecogFrame(painter, WrapPicture(picture), frame, exposed);
    return image;
}

// The first pixel where the two images differ, for the failure message.
std::string FirstDifference(const QImage& a, const QImage& b) {
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                return std::to_string(x) + ", " + std::to_string(y);
            }
        }
    }
    return "none";
}

TEST(FrameDrawing, PictureBlocksBorderAndGridLines) {
    const RgbPicture picture = Colourful(60, 40);
    struct Case {
        int zoom;
        FrameValues frame;
    };
    const Case cases[] = {
        {1, {5, 4, 50, 33, 10, 12}}, // the extra last row and column reach past the frame
        {2, {20, 10, 105, 75, 20, 30}},
        {4, {0, 0, 239, 159, 37, 41}},   // the frame on the display's edges
        {1, {7, 7, 7, 30, 10, 10}},      // a frame of zero width
        {4, {30, 30, 200, 150, 10, 10}}, // more lines than fit well: grid of 13 x 18
    };
    for (const Case& c : cases) {
        TRecogFrame frame;
        frame.NewPicture(60, 40);
        while (frame.ZoomFactor() != c.zoom) {
            frame.CycleZoom();
        }
        frame.RestoreFrame(c.frame);
        ASSERT_EQ(frame.Values(), c.frame);
        const QSize size(frame.DisplayWidth() + 7, frame.DisplayHeight() + 5);
        const QImage drawn = Drawn(picture, frame, size, QRect(QPoint(0, 0), size));
        const QImage expected = Expected(picture, frame, size);
        EXPECT_EQ(drawn, expected)
            << "zoom " << c.zoom << ", first difference at " << FirstDifference(drawn, expected);
    }
}

TEST(FrameDrawing, OnlyTheExposedPartOfThePictureIsPainted) {
    const RgbPicture picture = Colourful(60, 40);
    TRecogFrame frame;
    frame.NewPicture(60, 40);
    frame.CycleZoom();
    frame.CycleZoom(); // zoom 4: a display of 240 x 160
    frame.RestoreFrame({20, 20, 200, 140, 40, 40});
    const QImage drawn = Drawn(picture, frame, QSize(240, 160), QRect(60, 50, 30, 20));
    EXPECT_EQ(drawn.pixel(65, 55), qRgb(16 * 7, 13 * 11, 90 + 29 % 5));
    EXPECT_EQ(drawn.pixel(59, 55), Magenta);
    EXPECT_EQ(drawn.pixel(91, 55), drawn.pixel(88, 55)); // whole picture pixels are painted
    EXPECT_EQ(drawn.pixel(92, 55), Magenta);
    EXPECT_EQ(drawn.pixel(65, 72), Magenta);
    EXPECT_EQ(drawn.pixel(20, 100), 0xffffffff); // the lines are drawn whatever is exposed
}

TEST(FrameDrawing, NothingWithoutAPicture) {
    TRecogFrame frame;
    const QImage drawn = Drawn(Colourful(4, 4), frame, QSize(20, 20), QRect(0, 0, 20, 20));
    QImage blank(20, 20, QImage::Format_RGB32);
    blank.fill(Magenta);
    EXPECT_EQ(drawn, blank);
}

} // namespace
} // namespace lodrin
