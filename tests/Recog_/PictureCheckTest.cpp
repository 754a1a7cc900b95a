// Header checks of picture files on hand-made bytes: signatures, declared sizes and the
// completeness of PNG chunks, JPEG segments and scans, and BMP pixel data and RLE codes.

#include "Recog_/PictureCheck.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <utility>

namespace lodrin {
namespace {

using P = PictureProblem;

std::string Be32(std::uint32_t v) {
    return {static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
            static_cast<char>(v)};
}
std::string Be16(std::uint32_t v) {
    return {static_cast<char>(v >> 8), static_cast<char>(v)};
}
std::string Le32(std::uint32_t v) {
    return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
            static_cast<char>(v >> 24)};
}
std::string Le16(std::uint32_t v) {
    return {static_cast<char>(v), static_cast<char>(v >> 8)};
}

std::string Chunk(const std::string& type, const std::string& data) {
    return Be32(static_cast<std::uint32_t>(data.size())) + type + data + "CRC!";
}

std::string Png(std::uint32_t w, std::uint32_t h, bool end = true) {
    std::string png("\x89PNG\r\n\x1a\n", 8);
    png += Chunk("IHDR", Be32(w) + Be32(h) + std::string("\x08\x02\x00\x00\x00", 5));
    png += Chunk("IDAT", std::string(40, 'x'));
    return end ? png + Chunk("IEND", "") : png;
}

std::string Segment(int marker, const std::string& data) {
    return std::string{'\xFF', static_cast<char>(marker)} +
           Be16(static_cast<std::uint32_t>(data.size() + 2)) + data;
}

std::string Jpeg(std::uint32_t w, std::uint32_t h, const std::string& scan, bool end = true) {
    std::string jpeg("\xFF\xD8", 2);
    jpeg += Segment(0xE0, "JFIF");
    jpeg += Segment(0xC0, std::string("\x08", 1) + Be16(h) + Be16(w) +
                              std::string("\x01\x01\x11\x00", 4));
    jpeg += Segment(0xDA, std::string("\x01\x01\x00\x00\x3f\x00", 6)) + scan;
    return end ? jpeg + "\xFF\xD9" : jpeg;
}

std::string Bmp(std::int32_t w, std::int32_t h, int bits, int compression,
                const std::string& pixels) {
    std::string info = Le32(40) + Le32(static_cast<std::uint32_t>(w)) +
                       Le32(static_cast<std::uint32_t>(h)) + Le16(1) +
                       Le16(static_cast<std::uint32_t>(bits)) +
                       Le32(static_cast<std::uint32_t>(compression)) + std::string(20, '\0');
    const std::string palette =
        bits <= 8 ? std::string(static_cast<std::size_t>(4 << bits), '\0') : "";
    const std::uint32_t offset = static_cast<std::uint32_t>(14 + info.size() + palette.size());
    return "BM" + Le32(static_cast<std::uint32_t>(offset + pixels.size())) + Le32(0) +
           Le32(offset) + info + palette + pixels;
}

PictureProblem Check(PictureFormat format, const std::string& bytes) {
    return CheckPictureData(format, bytes).Problem;
}

TEST(PictureFormatOfName, FollowsTheExtension) {
    EXPECT_EQ(PictureFormatOfName("a/shot.PNG"), PictureFormat::Png);
    EXPECT_EQ(PictureFormatOfName("shot.jpg"), PictureFormat::Jpeg);
    EXPECT_EQ(PictureFormatOfName("shot.JpeG"), PictureFormat::Jpeg);
    EXPECT_EQ(PictureFormatOfName("shot.bmp"), PictureFormat::Bmp);
    EXPECT_FALSE(PictureFormatOfName("shot.gif"));
    EXPECT_FALSE(PictureFormatOfName("shot"));
    EXPECT_FALSE(PictureFormatOfName("dir.png/shot"));
    EXPECT_FALSE(PictureFormatOfName("shot.png.txt"));
    for (P p : {P::UnknownFormat, P::Unreadable, P::Corrupt, P::Truncated, P::ZeroSize, P::TooLarge,
                P::OutOfMemory}) {
        EXPECT_FALSE(PictureProblemMessage(p).empty());
    }
}

TEST(PictureCheck, PngChunksUpToIend) {
    const PictureHeader ok = CheckPictureData(PictureFormat::Png, Png(640, 480));
    EXPECT_EQ(ok.Problem, P::None);
    EXPECT_EQ(ok.Width, 640);
    EXPECT_EQ(ok.Height, 480);
    EXPECT_EQ(Check(PictureFormat::Png, Png(640, 480, false)), P::Truncated);
    const std::string full = Png(640, 480);
    for (std::size_t cut : {0u, 5u, 20u, 40u}) {
        EXPECT_EQ(Check(PictureFormat::Png, full.substr(0, cut)), P::Truncated) << cut;
    }
    EXPECT_EQ(Check(PictureFormat::Png, full.substr(0, full.size() - 1)), P::Truncated);
    EXPECT_EQ(Check(PictureFormat::Png, "GIF89a" + full), P::Corrupt);
    std::string noHeader = full;
    noHeader.replace(12, 4, "IDAT");
    EXPECT_EQ(Check(PictureFormat::Png, noHeader), P::Corrupt);
    std::string hugeChunk = full;
    hugeChunk.replace(33, 4, Be32(0xFFFFFFF0U)); // the IDAT length
    EXPECT_EQ(Check(PictureFormat::Png, hugeChunk), P::Corrupt);
    EXPECT_EQ(Check(PictureFormat::Png, Png(0, 480)), P::ZeroSize);
    EXPECT_EQ(Check(PictureFormat::Png, Png(100000, 100000)), P::TooLarge);
    EXPECT_EQ(Check(PictureFormat::Png, Png(16385, 10)), P::TooLarge);
    EXPECT_EQ(Check(PictureFormat::Png, Png(7000, 6000)), P::TooLarge);
    EXPECT_EQ(Check(PictureFormat::Png, Png(7680, 4320)), P::None);
}

TEST(PictureCheck, JpegSegmentsAndScansUpToEoi) {
    // Entropy data with a stuffed 0xFF, a restart marker and fill bytes before EOI.
    const std::string scan("\x12\xFF\x00\x34\xFF\xD3\x56\xFF\xFF", 9);
    const PictureHeader ok = CheckPictureData(PictureFormat::Jpeg, Jpeg(320, 200, scan));
    EXPECT_EQ(ok.Problem, P::None);
    EXPECT_EQ(ok.Width, 320);
    EXPECT_EQ(ok.Height, 200);
    EXPECT_EQ(Check(PictureFormat::Jpeg, Jpeg(320, 200, scan, false)), P::Truncated);
    const std::string full = Jpeg(320, 200, scan);
    for (std::size_t cut : {0u, 1u, 3u, 9u, 20u}) {
        EXPECT_EQ(Check(PictureFormat::Jpeg, full.substr(0, cut)), P::Truncated) << cut;
    }
    EXPECT_EQ(Check(PictureFormat::Jpeg, "\x89PNG" + full), P::Corrupt);
    EXPECT_EQ(Check(PictureFormat::Jpeg, std::string("\xFF\xD8\xFF\xD9", 4)),
              P::Corrupt); // no image
    std::string garbage = full;
    garbage[6] = 'Z'; // inside the first segment's data is fine, at a marker it is not
    EXPECT_EQ(Check(PictureFormat::Jpeg, garbage), P::None);
    garbage[2] = 'Z';
    EXPECT_EQ(Check(PictureFormat::Jpeg, garbage), P::Corrupt);
    EXPECT_EQ(Check(PictureFormat::Jpeg, Jpeg(320, 0, scan)), P::ZeroSize);
    EXPECT_EQ(Check(PictureFormat::Jpeg, Jpeg(65000, 65000, scan)), P::TooLarge);
    // A second scan (progressive files have several) continues after the first.
    std::string twoScans = full.substr(0, full.size() - 2) +
                           Segment(0xDA, std::string("\x01\x01\x00\x00\x3f\x00", 6)) + "\x77" +
                           "\xFF\xD9";
    EXPECT_EQ(Check(PictureFormat::Jpeg, twoScans), P::None);
}

TEST(PictureCheck, BmpPixelDataAndRleCodes) {
    const std::string rows(4 * 3, '\x7f'); // 3 rows of 1 pixel at 24 bits, padded to 4 bytes
    const PictureHeader ok = CheckPictureData(PictureFormat::Bmp, Bmp(1, 3, 24, 0, rows));
    EXPECT_EQ(ok.Problem, P::None);
    EXPECT_EQ(ok.Height, 3);
    EXPECT_EQ(Check(PictureFormat::Bmp, Bmp(1, -3, 24, 0, rows)), P::None); // top-down
    EXPECT_EQ(Check(PictureFormat::Bmp, Bmp(1, 3, 24, 0, rows.substr(1))), P::Truncated);
    EXPECT_EQ(Check(PictureFormat::Bmp, Bmp(1, 3, 24, 0, rows).substr(0, 30)), P::Truncated);
    EXPECT_EQ(Check(PictureFormat::Bmp, "B"), P::Truncated);
    EXPECT_EQ(Check(PictureFormat::Bmp, "PK" + rows), P::Corrupt);
    EXPECT_EQ(Check(PictureFormat::Bmp, Bmp(0, 3, 24, 0, "")), P::ZeroSize);
    EXPECT_EQ(Check(PictureFormat::Bmp, Bmp(5, 0, 24, 0, "")), P::ZeroSize);
    EXPECT_EQ(Check(PictureFormat::Bmp, Bmp(-5, 3, 24, 0, rows)), P::Corrupt);
    EXPECT_EQ(Check(PictureFormat::Bmp, Bmp(60000, 60000, 24, 0, rows)), P::TooLarge);
    EXPECT_EQ(Check(PictureFormat::Bmp, Bmp(1, 3, 7, 0, rows)), P::Corrupt);
    EXPECT_EQ(Check(PictureFormat::Bmp, Bmp(1, 3, 24, 4, rows)), P::Corrupt); // embedded JPEG

    // RLE8: a run, an absolute run of 3 (padded), a delta, end of line, end of bitmap.
    const std::string rle("\x02\x05\x00\x03\x01\x02\x03\x00\x00\x02\x01\x01\x00\x00\x00\x01", 16);
    EXPECT_EQ(Check(PictureFormat::Bmp, Bmp(8, 2, 8, 1, rle)), P::None);
    EXPECT_EQ(Check(PictureFormat::Bmp, Bmp(8, 2, 8, 1, rle.substr(0, 14))), P::Truncated);
    EXPECT_EQ(Check(PictureFormat::Bmp, Bmp(8, 2, 8, 1, rle.substr(0, 5))), P::Truncated);
    // RLE4: an absolute run of 5 pixels takes 3 bytes, padded to 4.
    const std::string rle4("\x00\x05\x12\x34\x50\x00\x00\x01", 8);
    EXPECT_EQ(Check(PictureFormat::Bmp, Bmp(8, 1, 4, 2, rle4)), P::None);
    EXPECT_EQ(Check(PictureFormat::Bmp, Bmp(8, 1, 4, 2, rle4.substr(0, 6))), P::Truncated);
}

// Damaged files of every kind: random bytes changed, cut or repeated. The check reads
// nothing past the end (the sanitizer build sees to that) and passes only declared sizes
// within the limits.
TEST(PictureCheck, RandomDamageIsHandled) {
    const std::string rle("\x02\x05\x00\x03\x01\x02\x03\x00\x00\x02\x01\x01\x00\x00\x00\x01", 16);
    const std::pair<PictureFormat, std::string> files[] = {
        {PictureFormat::Png, Png(640, 480)},
        {PictureFormat::Jpeg, Jpeg(320, 200, std::string("\x12\xFF\x00\x34\xFF\xD3", 6))},
        {PictureFormat::Bmp, Bmp(8, 2, 8, 1, rle)},
        {PictureFormat::Bmp, Bmp(1, 3, 24, 0, std::string(12, '\x7f'))}};
    std::mt19937 rng(41);
    for (const auto& [format, original] : files) {
        for (int trial = 0; trial < 3000; ++trial) {
            std::string bytes = original;
            for (int n = static_cast<int>(rng() % 4); n >= 0; --n) {
                bytes[rng() % bytes.size()] = static_cast<char>(rng());
            }
            if (rng() % 3 == 0) {
                bytes.resize(rng() % (bytes.size() + 1));
            } else if (rng() % 5 == 0) {
                bytes += bytes.substr(rng() % bytes.size());
            }
            const PictureHeader header = CheckPictureData(format, bytes);
            if (header.Problem == P::None) {
                ASSERT_GT(header.Width, 0);
                ASSERT_GT(header.Height, 0);
                ASSERT_LE(header.Width, MaxPictureSide);
                ASSERT_LE(header.Height, MaxPictureSide);
            }
        }
    }
}

} // namespace
} // namespace lodrin
