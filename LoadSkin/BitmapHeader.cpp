#include "LoadSkin/BitmapHeader.h"

#include "Recog_/PictureCheck.h"

#include <QFile>
#include <QImageReader>

#include <algorithm>
#include <cstdlib>

namespace lodrin {
namespace {

constexpr std::int64_t FileHeaderBytes = 14;
constexpr std::uint32_t RgbCompression = 0;
constexpr std::uint32_t Rle8Compression = 1;
constexpr std::uint32_t Rle4Compression = 2;
constexpr std::uint32_t BitFieldsCompression = 3;
constexpr std::int64_t MaxSide = 1 << 15;

std::uint32_t U16(std::string_view b, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8;
}

std::uint32_t U32(std::string_view b, std::size_t at) {
    return U16(b, at) | U16(b, at + 2) << 16;
}

// The fields of the info header that decide where the pixel rows lie.
struct InfoFields {
    std::int64_t DibBytes = 0;
    std::int64_t Width = 0;
    std::int64_t Height = 0;
    std::uint32_t Planes = 0;
    std::uint32_t Bits = 0;
    std::uint32_t Compression = RgbCompression;
    std::int64_t ColoursUsed = 0;
};

bool ReadInfo(std::string_view head, InfoFields& info) {
    info.DibBytes = U32(head, 14);
    const bool core = info.DibBytes == 12;
    if (!core && info.DibBytes != 40 && info.DibBytes != 52 && info.DibBytes != 56 &&
        info.DibBytes != 108 && info.DibBytes != 124) {
        return false;
    }
    if (head.size() < static_cast<std::size_t>(core ? 26 : 50)) {
        return false;
    }
    if (core) {
        info.Width = U16(head, 18);
        info.Height = U16(head, 20);
        info.Planes = U16(head, 22);
        info.Bits = U16(head, 24);
        return true;
    }
    info.Width = static_cast<std::int32_t>(U32(head, 18));
    info.Height = static_cast<std::int32_t>(U32(head, 22));
    info.Planes = U16(head, 26);
    info.Bits = U16(head, 28);
    info.Compression = U32(head, 30);
    info.ColoursUsed = U32(head, 46);
    return true;
}

bool SupportedLayout(const InfoFields& info) {
    const std::uint32_t bits = info.Bits;
    const bool knownBits =
        bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    const bool knownCompression =
        info.Compression == RgbCompression ||
        (info.Compression == BitFieldsCompression && (bits == 16 || bits == 32)) ||
        (info.Compression == Rle8Compression && bits == 8) ||
        (info.Compression == Rle4Compression && bits == 4);
    const bool paletteFits = bits > 8 || info.ColoursUsed <= (std::int64_t{1} << bits);
    return info.Planes == 1 && knownBits && knownCompression && paletteFits;
}

// Where the pixel rows start at the earliest: after the headers, the colour
// masks and the palette, or at the file header's offset when that is later.
std::int64_t PixelStart(std::string_view head, const InfoFields& info) {
    std::int64_t palette = 0;
    if (info.Bits <= 8) {
        palette = info.ColoursUsed != 0 ? info.ColoursUsed : std::int64_t{1} << info.Bits;
    }
    const std::int64_t entryBytes = info.DibBytes == 12 ? 3 : 4;
    const std::int64_t masks =
        info.DibBytes == 40 && info.Compression == BitFieldsCompression ? 12 : 0;
    const std::int64_t headersEnd = FileHeaderBytes + info.DibBytes + masks + palette * entryBytes;
    return std::max<std::int64_t>(U32(head, 10), headersEnd);
}

} // namespace

BitmapHeader ReadBitmapHeader(std::string_view head, std::int64_t fileSize) {
    BitmapHeader out;
    InfoFields info;
    if (head.size() < 18 || head[0] != 'B' || head[1] != 'M' || !ReadInfo(head, info)) {
        return out;
    }
    const std::int64_t rows = info.Height < 0 ? -info.Height : info.Height;
    if (info.Width <= 0 || rows == 0 || info.Width > MaxSide || rows > MaxSide ||
        !SupportedLayout(info)) {
        return out;
    }
    out.Width = static_cast<int>(info.Width);
    out.Height = static_cast<int>(rows);
    if (info.Compression == Rle8Compression || info.Compression == Rle4Compression) {
        // Run-length rows are stored bottom-up only; the codes are checked later.
        out.RunLength = info.Height > 0;
        out.RunLength4 = info.Compression == Rle4Compression;
        out.CodesStart = PixelStart(head, info);
        return out;
    }
    const std::int64_t rowBytes = (info.Width * info.Bits + 31) / 32 * 4;
    out.Complete = PixelStart(head, info) + rowBytes * rows <= fileSize;
    return out;
}

void CheckRunLengthFile(std::string_view file, BitmapHeader& header) {
    header.Complete =
        header.RunLength && header.CodesStart < static_cast<std::int64_t>(file.size()) &&
        CheckRunLengthCodes(file, static_cast<std::size_t>(header.CodesStart), header.RunLength4) ==
            PictureProblem::None;
}

BitmapHeader OpenBitmapFile(const std::string& path, QFile& file, QImageReader& reader) {
    file.setFileName(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray head = file.peek(BitmapHeaderBytes);
    BitmapHeader header = ReadBitmapHeader(
        std::string_view(head.constData(), static_cast<std::size_t>(head.size())), file.size());
    if (header.RunLength && file.size() <= MaxRunLengthFileBytes) {
        const QByteArray whole = file.peek(file.size());
        CheckRunLengthFile(
            std::string_view(whole.constData(), static_cast<std::size_t>(whole.size())), header);
    }
    reader.setDevice(&file);
    reader.setFormat("bmp");
    reader.setAutoDetectImageFormat(false);
    // The reader gives a negative height for rows stored top-down.
    const QSize size = reader.size();
    if (size.width() != header.Width || std::abs(size.height()) != header.Height) {
        header.Complete = false;
    }
    return header;
}

} // namespace lodrin
