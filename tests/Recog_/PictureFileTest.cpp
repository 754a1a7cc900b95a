// Picture files: the three formats by extension, conversion to RGB, and bad input made in a
// temporary folder (truncated, corrupt, wrong content, empty, zero-sized, giant).

#include "Recog_/PictureFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace lodrin {
namespace {

using P = PictureProblem;

QByteArray Encode(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, format == std::string("jpeg") ? 95 : -1);
    return bytes;
}

QImage Gradient(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            image.setPixel(x, y, qRgb(x * 4, y * 5, (x * y) % 256));
        }
    }
    return image;
}

// Finds the first JPEG start-of-frame segment (0xFFC0 or 0xFFC2).
qsizetype FrameSegment(const QByteArray& jpeg) {
    for (qsizetype i = 2; i + 1 < jpeg.size(); ++i) {
        if (static_cast<unsigned char>(jpeg[i]) == 0xFF &&
            (static_cast<unsigned char>(jpeg[i + 1]) == 0xC0 ||
             static_cast<unsigned char>(jpeg[i + 1]) == 0xC2)) {
            return i;
        }
    }
    return -1;
}

void PutBe16(QByteArray& b, qsizetype at, int v) {
    b[at] = static_cast<char>(v >> 8);
    b[at + 1] = static_cast<char>(v);
}
void PutBe32(QByteArray& b, qsizetype at, std::uint32_t v) {
    PutBe16(b, at, static_cast<int>(v >> 16));
    PutBe16(b, at + 2, static_cast<int>(v & 0xFFFF));
}
void PutLe32(QByteArray& b, qsizetype at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        b[at + i] = static_cast<char>(v >> (8 * i));
    }
}

class PictureFileTest : public ::testing::Test {
protected:
    test::TempDir temp;
    const std::filesystem::path& dir = temp.Path();
    const QImage gradient = Gradient(64, 48);
    const QByteArray png = Encode(gradient, "png");
    const QByteArray jpeg = Encode(gradient, "jpeg");
    const QByteArray bmp = Encode(gradient, "bmp");

    void SetUp() override {
        ASSERT_FALSE(png.isEmpty());
        ASSERT_FALSE(jpeg.isEmpty());
        ASSERT_FALSE(bmp.isEmpty());
    }

    std::string Write(const std::string& name, const QByteArray& bytes) {
        const std::filesystem::path path = dir / name;
        std::ofstream(path, std::ios::binary).write(bytes.constData(), bytes.size());
        return path.string();
    }
    PictureLoadResult Load(const std::string& name, const QByteArray& bytes) {
        return LoadPictureFile(Write(name, bytes));
    }
};

TEST_F(PictureFileTest, OpensTheThreeFormatsByExtension) {
    const RgbPicture expected = RgbPictureFromImage(gradient);
    EXPECT_EQ(expected.Pixel(10, 7), (Rgb{40, 35, 70}));
    for (const char* name : {"shot.png", "SHOT.PNG"}) {
        const PictureLoadResult loaded = Load(name, png);
        ASSERT_TRUE(loaded.Ok()) << name;
        EXPECT_EQ(loaded.Picture, expected);
    }
    EXPECT_EQ(Load("shot.bmp", bmp).Picture, expected);
    for (const char* name : {"shot.jpg", "shot.Jpeg"}) {
        const PictureLoadResult loaded = Load(name, jpeg);
        ASSERT_TRUE(loaded.Ok()) << name;
        EXPECT_EQ(loaded.Picture.Width(), 64);
        EXPECT_EQ(loaded.Picture.Height(), 48);
        EXPECT_NEAR(loaded.Picture.Pixel(10, 7).G, 35, 12);
    }
    EXPECT_EQ(QImageReader::allocationLimit(), PictureAllocationLimitMb);
}

TEST_F(PictureFileTest, TransparencyPalettesAndDeepColoursBecomePlainRgb) {
    QImage alpha(3, 1, QImage::Format_ARGB32);
    alpha.setPixel(0, 0, qRgba(10, 20, 30, 0));
    alpha.setPixel(1, 0, qRgba(0, 0, 0, 128));
    alpha.setPixel(2, 0, qRgba(200, 100, 50, 255));
    const PictureLoadResult loaded = Load("alpha.png", Encode(alpha, "png"));
    ASSERT_TRUE(loaded.Ok());
    EXPECT_EQ(loaded.Picture.Pixel(0, 0), (Rgb{255, 255, 255}));
    EXPECT_EQ(loaded.Picture.Pixel(1, 0), (Rgb{127, 127, 127}));
    EXPECT_EQ(loaded.Picture.Pixel(2, 0), (Rgb{200, 100, 50}));

    const QImage indexed = gradient.convertToFormat(QImage::Format_Indexed8);
    EXPECT_EQ(Load("indexed.png", Encode(indexed, "png")).Picture, RgbPictureFromImage(indexed));
    const QImage grey = gradient.convertToFormat(QImage::Format_Grayscale8);
    const PictureLoadResult greyLoaded = Load("grey.bmp", Encode(grey, "bmp"));
    ASSERT_TRUE(greyLoaded.Ok());
    const Rgb g = greyLoaded.Picture.Pixel(5, 5);
    EXPECT_TRUE(g.R == g.G && g.G == g.B);
    const QImage deep = gradient.convertToFormat(QImage::Format_RGBA64);
    EXPECT_EQ(Load("deep.png", Encode(deep, "png")).Picture, RgbPictureFromImage(gradient));
}

TEST_F(PictureFileTest, TruncatedFilesFail) {
    for (const auto& [name, bytes] :
         {std::pair{"cut.png", png}, {"cut.jpg", jpeg}, {"cut.bmp", bmp}}) {
        for (const qsizetype size : {bytes.size() / 2, bytes.size() * 9 / 10, bytes.size() - 1,
                                     qsizetype{60}, qsizetype{1}}) {
            const PictureLoadResult loaded = Load(name, bytes.left(size));
            EXPECT_EQ(loaded.Problem, P::Truncated) << name << " cut to " << size;
            EXPECT_TRUE(loaded.Picture.IsEmpty());
        }
    }
}

TEST_F(PictureFileTest, CorruptFilesAndWrongContentFail) {
    for (const auto& [name, bytes] :
         {std::pair{"bad.png", png}, {"bad.jpg", jpeg}, {"bad.bmp", bmp}}) {
        QByteArray header = bytes;
        header.replace(0, 2, "ZZ");
        EXPECT_EQ(Load(name, header).Problem, P::Corrupt) << name;
        QByteArray scrambled = bytes;
        for (qsizetype i = 20; i < 40; ++i) {
            scrambled[i] = '\x5a';
        }
        const PictureLoadResult loaded = Load(name, scrambled);
        EXPECT_FALSE(loaded.Ok()) << name;
        EXPECT_TRUE(loaded.Picture.IsEmpty()) << name;
    }
    QByteArray pixels = png; // damage inside the compressed pixel data: the CRC fails
    pixels[pixels.size() / 2] = static_cast<char>(pixels[pixels.size() / 2] ^ 0x55);
    EXPECT_EQ(Load("damaged.png", pixels).Problem, P::Corrupt);
    EXPECT_EQ(Load("jpeg.png", jpeg).Problem, P::Corrupt);
    EXPECT_EQ(Load("png.bmp", png).Problem, P::Corrupt);
    EXPECT_EQ(Load("bmp.jpeg", bmp).Problem, P::Corrupt);
    EXPECT_EQ(Load("noise.png", QByteArray(5000, '\x13')).Problem, P::Corrupt);
}

// An 8-bit run-length bitmap of 4 x 3 pixels with the given codes; palette index i is
// the grey (i * 40).
QByteArray Rle8Bitmap(const QByteArray& codes) {
    QByteArray info(40, '\0');
    PutLe32(info, 0, 40);
    PutLe32(info, 4, 4);
    PutLe32(info, 8, 3);
    info[12] = 1;
    info[14] = 8;
    PutLe32(info, 16, 1);
    PutLe32(info, 32, 4);
    QByteArray palette;
    for (int i = 0; i < 4; ++i) {
        palette += QByteArray(3, static_cast<char>(i * 40)) + '\0';
    }
    QByteArray file = "BM" + QByteArray(12, '\0') + info + palette + codes;
    PutLe32(file, 2, static_cast<std::uint32_t>(file.size()));
    PutLe32(file, 10, 14 + 40 + 16);
    return file;
}

// The greys of a picture's rows from the top, as palette indices.
std::vector<std::string> Greys(const RgbPicture& picture) {
    std::vector<std::string> rows;
    for (int y = 0; y < picture.Height(); ++y) {
        std::string row;
        for (int x = 0; x < picture.Width(); ++x) {
            row += static_cast<char>('0' + picture.Pixel(x, y).R / 40);
        }
        rows.push_back(row);
    }
    return rows;
}

TEST_F(PictureFileTest, RunLengthBitmapsGetTheBackgroundWhereTheirCodesSetNothing) {
    struct Case {
        const char* What;
        QByteArray Codes;
        std::vector<std::string> Rows; // from the top; the codes start at the bottom
    };
    const Case cases[] = {
        {"every pixel",
         QByteArray("\x04\x01\x00\x00\x04\x02\x00\x00\x04\x03\x00\x01", 12),
         {"3333", "2222", "1111"}},
        {"end of bitmap at once", QByteArray("\x00\x01", 2), {"0000", "0000", "0000"}},
        {"early end of line",
         QByteArray("\x02\x03\x00\x00\x01\x02\x00\x01", 8),
         {"0000", "2000", "3300"}},
        {"a delta over pixels",
         QByteArray("\x01\x01\x00\x02\x02\x01\x01\x03\x00\x01", 10),
         {"0000", "0003", "1000"}},
        {"an absolute run",
         QByteArray("\x00\x03\x01\x02\x03\x00\x00\x01", 8),
         {"0000", "0000", "1230"}},
    };
    for (const Case& c : cases) {
        const PictureLoadResult first = DecodePictureData(PictureFormat::Bmp, Rle8Bitmap(c.Codes));
        ASSERT_TRUE(first.Ok()) << c.What;
        EXPECT_EQ(Greys(first.Picture), c.Rows) << c.What;
    }
}

TEST_F(PictureFileTest, PixelDataInsideTheHeadersOrThePaletteIsRefused) {
    QByteArray intoHeader = bmp; // 24 bits: the pixels would begin inside the info header
    PutLe32(intoHeader, 10, 14);
    intoHeader.chop(intoHeader.size() - (14 + 64 * 48 * 3 + 20));
    EXPECT_EQ(Load("header.bmp", intoHeader).Problem, P::Corrupt);
    QByteArray intoPalette = Rle8Bitmap(QByteArray("\x00\x01", 2));
    PutLe32(intoPalette, 10, 14 + 40 + 8);
    EXPECT_EQ(Load("palette.bmp", intoPalette).Problem, P::Corrupt);
    QByteArray rleOf24Bits = Rle8Bitmap(QByteArray("\x00\x01", 2));
    rleOf24Bits[28] = 24; // run lengths of 8-bit pixels on a 24-bit picture
    EXPECT_EQ(Load("rle24.bmp", rleOf24Bits).Problem, P::Corrupt);
}

TEST_F(PictureFileTest, EmptyMissingAndOtherFiles) {
    EXPECT_EQ(Load("empty.png", {}).Problem, P::Truncated);
    EXPECT_EQ(Load("empty.bmp", {}).Problem, P::Truncated);
    EXPECT_EQ(LoadPictureFile((dir / "missing.png").string()).Problem, P::Unreadable);
    std::filesystem::create_directory(dir / "folder.png");
    EXPECT_EQ(LoadPictureFile((dir / "folder.png").string()).Problem, P::Unreadable);
    EXPECT_EQ(Load("shot.gif", png).Problem, P::UnknownFormat);
    EXPECT_EQ(Load("截图.png", png).Problem, P::None); // a UTF-8 file name
}

TEST_F(PictureFileTest, ZeroSizedAndGiantPicturesFailBeforeDecoding) {
    QByteArray zeroPng = png;
    PutBe32(zeroPng, 16, 0);
    EXPECT_EQ(Load("zero.png", zeroPng).Problem, P::ZeroSize);
    QByteArray zeroBmp = bmp;
    PutLe32(zeroBmp, 22, 0);
    EXPECT_EQ(Load("zero.bmp", zeroBmp).Problem, P::ZeroSize);
    QByteArray zeroJpeg = jpeg;
    const qsizetype sof = FrameSegment(jpeg);
    ASSERT_GT(sof, 0);
    PutBe16(zeroJpeg, sof + 5, 0);
    EXPECT_EQ(Load("zero.jpg", zeroJpeg).Problem, P::ZeroSize);

    // Pictures of 60000 x 60000 pixels would take 10 GB decoded.
    QByteArray giantPng = png;
    PutBe32(giantPng, 16, 60000);
    PutBe32(giantPng, 20, 60000);
    EXPECT_EQ(Load("giant.png", giantPng).Problem, P::TooLarge);
    QByteArray giantBmp = bmp;
    PutLe32(giantBmp, 18, 60000);
    PutLe32(giantBmp, 22, 60000);
    EXPECT_EQ(Load("giant.bmp", giantBmp).Problem, P::TooLarge);
    QByteArray giantJpeg = jpeg;
    PutBe16(giantJpeg, sof + 5, 60000);
    PutBe16(giantJpeg, sof + 7, 60000);
    EXPECT_EQ(Load("giant.jpg", giantJpeg).Problem, P::TooLarge);
    EXPECT_FALSE((PictureLoadResult{{}, P::TooLarge}.Message().empty()));
}

TEST_F(PictureFileTest, FailedOpenLeavesTheStateAsItWas) {
    TRecogState state;
    ASSERT_EQ(OpenPictureFile(state, Write("first.png", Encode(Gradient(400, 300), "png"))),
              P::None);
    state.CycleZoom();
    state.Frame.SetValue(FrameBox::ColWidth, 77);
    state.Results.RecogMap.At(1, 1) = '#';
    state.Results.SetUnDoReDo(false, state.Grid());
    const RgbPicture picture = state.Picture();
    const FrameValues frame = state.Frame.Values();
    const auto version = state.PictureVersion();
    for (const auto& [name, bytes] : {std::pair{"cut.png", png.left(100)},
                                      {"jpeg.png", jpeg},
                                      {"giant.bmp", QByteArray()},
                                      {"x.tif", png}}) {
        EXPECT_NE(OpenPictureFile(state, Write(name, bytes)), P::None) << name;
        EXPECT_EQ(state.Picture(), picture);
        EXPECT_EQ(state.PictureVersion(), version);
        EXPECT_EQ(state.ZoomFactor(), 2);
        EXPECT_EQ(state.Frame.Values(), frame);
        EXPECT_EQ(state.Results.RecogMap.At(1, 1), '#');
        EXPECT_EQ(state.Results.UndoList.size(), 1u);
    }
    ASSERT_EQ(OpenPictureFile(state, Write("second.bmp", bmp)), P::None);
    EXPECT_EQ(state.ZoomFactor(), 1);
    EXPECT_EQ(state.Picture().Width(), 64);
    EXPECT_EQ(state.Results.RecogMap.At(1, 1), '-');
}

TEST(PictureConversion, WrapSharesThePixels) {
    RgbPicture picture(5, 3);
    picture.SetPixel(4, 2, {1, 2, 3});
    const QImage wrapped = WrapPicture(picture);
    EXPECT_EQ(wrapped.constBits(), picture.Data());
    EXPECT_EQ(wrapped.pixel(4, 2), qRgb(1, 2, 3));
    EXPECT_EQ(RgbPictureFromImage(wrapped), picture);
    EXPECT_TRUE(WrapPicture(RgbPicture()).isNull());
    EXPECT_TRUE(RgbPictureFromImage(QImage()).IsEmpty());
}

} // namespace
} // namespace lodrin
