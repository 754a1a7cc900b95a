#include "SkinPictures.h"

#include "LoadSkin/BitmapHeader.h"

#include <gtest/gtest.h>

namespace lodrin {
namespace {

BitmapHeader Read(const QByteArray& head, std::int64_t fileSize) {
    return ReadBitmapHeader(
        std::string_view(head.constData(), static_cast<std::size_t>(head.size())), fileSize);
}

// Pixel rows must fit in the file: 80 x 40 at 24 bits is 240 bytes a row.
TEST(BitmapHeader, CompleteExactlyWhenTheRowsFitInTheFile) {
    const QByteArray head = test::Bitmap24Header(80, 40);
    EXPECT_TRUE(Read(head, 54 + 240 * 40).Complete);
    EXPECT_TRUE(Read(head, 54 + 240 * 40 + 1000).Complete);
    EXPECT_FALSE(Read(head, 54 + 240 * 40 - 1).Complete);
    const BitmapHeader header = Read(test::Bitmap24Header(80, -40), 54 + 240 * 40);
    EXPECT_TRUE(header.Complete);
    EXPECT_EQ(header.Width, 80);
    EXPECT_EQ(header.Height, 40);
}

// A palette of 8-bit pixels lies between the headers and the rows; the rows
// start there even when the file header points into it.
TEST(BitmapHeader, RowsStartAfterThePalette) {
    QByteArray head = test::Bitmap24Header(80, 40);
    test::Put16(head, 28, 8);
    const std::int64_t rows = 80 * 40;
    EXPECT_FALSE(Read(head, 54 + rows).Complete);
    EXPECT_TRUE(Read(head, 54 + 1024 + rows).Complete);
    test::Put32(head, 46, 16); // 16 colours used
    EXPECT_TRUE(Read(head, 54 + 64 + rows).Complete);
    test::Put32(head, 46, 257);
    EXPECT_FALSE(Read(head, 1 << 20).Complete);
}

// Run-length codes start after the palette; the bitmap is complete once they
// were found to reach their end mark inside the file.
TEST(BitmapHeader, RunLengthBitmapsAreCompleteWhenTheirCodesEnd) {
    const QByteArray file = test::RunLengthBitmap(test::SyntheticSkin(20), 8);
    BitmapHeader header = Read(file.left(BitmapHeaderBytes), file.size());
    EXPECT_TRUE(header.RunLength);
    EXPECT_FALSE(header.RunLength4);
    EXPECT_FALSE(header.Complete);
    EXPECT_EQ(header.CodesStart, 54 + 8 * 4);
    const auto check = [&header](const QByteArray& bytes) {
        CheckRunLengthFile(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), header);
        return header.Complete;
    };
    EXPECT_TRUE(check(file));
    EXPECT_FALSE(check(file.left(file.size() - 1)));
    EXPECT_FALSE(check(file.left(static_cast<int>(header.CodesStart))));
    const QByteArray file4 = test::RunLengthBitmap(test::SyntheticSkin(20), 4);
    header = Read(file4.left(BitmapHeaderBytes), file4.size());
    EXPECT_TRUE(header.RunLength4);
    EXPECT_TRUE(check(file4));
}

TEST(BitmapHeader, OldCoreHeadersAreRead) {
    QByteArray head(26, '\0');
    head[0] = 'B';
    head[1] = 'M';
    test::Put32(head, 10, 26);
    test::Put32(head, 14, 12);
    test::Put16(head, 18, 80);
    test::Put16(head, 20, 40);
    test::Put16(head, 22, 1);
    test::Put16(head, 24, 24);
    const BitmapHeader header = Read(head, 26 + 240 * 40);
    EXPECT_TRUE(header.Complete);
    EXPECT_EQ(header.Width, 80);
    EXPECT_EQ(header.Height, 40);
}

TEST(BitmapHeader, RefusesWhatCannotBeCheckedOrDecoded) {
    struct Case {
        const char* What;
        int At;
        int Bytes; // 2 or 4
        std::int32_t Value;
    };
    const Case cases[] = {
        {"no BM mark", 0, 2, 0x4d42 + 1},
        {"unknown header size", 14, 4, 44},
        {"two planes", 26, 2, 2},
        {"12 bits a pixel", 28, 2, 12},
        {"run-length 8 at 24 bits", 30, 4, 1},
        {"run-length 4 at 24 bits", 30, 4, 2},
        {"JPEG inside", 30, 4, 4},
        {"PNG inside", 30, 4, 5},
        {"bit fields at 24 bits", 30, 4, 3},
        {"zero width", 18, 4, 0},
        {"negative width", 18, 4, -80},
        {"zero height", 22, 4, 0},
        {"lowest height", 22, 4, INT32_MIN},
    };
    for (const Case& c : cases) {
        QByteArray head = test::Bitmap24Header(80, 40);
        if (c.Bytes == 2) {
            test::Put16(head, c.At, c.Value);
        } else {
            test::Put32(head, c.At, c.Value);
        }
        EXPECT_FALSE(Read(head, 1 << 20).Complete) << c.What;
    }
    EXPECT_FALSE(Read(QByteArray("BM"), 2).Complete);
    EXPECT_FALSE(Read(test::Bitmap24Header(80, 40).left(40), 1 << 20).Complete);
}

} // namespace
} // namespace lodrin
