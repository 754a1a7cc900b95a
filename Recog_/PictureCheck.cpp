#include "Recog_/PictureCheck.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace lodrin {

namespace {

using Size = std::size_t;
constexpr Size NoPos = static_cast<Size>(-1);

std::uint32_t U8(std::string_view b, Size i) {
    return static_cast<unsigned char>(b[i]);
}
std::uint32_t Be16(std::string_view b, Size i) {
    return U8(b, i) << 8 | U8(b, i + 1);
}
std::uint32_t Be32(std::string_view b, Size i) {
    return Be16(b, i) << 16 | Be16(b, i + 2);
}
std::uint32_t Le16(std::string_view b, Size i) {
    return U8(b, i) | U8(b, i + 1) << 8;
}
std::uint32_t Le32(std::string_view b, Size i) {
    return Le16(b, i) | Le16(b, i + 2) << 16;
}

// The problem of a file that does not begin with the signature: truncated when it is cut
// inside it, corrupt when it holds other bytes; nothing when the signature is whole.
std::optional<PictureProblem> SignatureProblem(std::string_view bytes, std::string_view signature) {
    if (bytes.size() < signature.size()) {
        return signature.substr(0, bytes.size()) == bytes ? PictureProblem::Truncated
                                                          : PictureProblem::Corrupt;
    }
    if (bytes.substr(0, signature.size()) != signature) {
        return PictureProblem::Corrupt;
    }
    return std::nullopt;
}

PictureHeader Sized(std::int64_t width, std::int64_t height) {
    return {PictureSizeProblem(width, height),
            static_cast<int>(std::min<std::int64_t>(width, 1 << 30)),
            static_cast<int>(std::min<std::int64_t>(height, 1 << 30))};
}

PictureHeader Failed(PictureProblem problem, PictureHeader header = {}) {
    header.Problem = problem;
    return header;
}

PictureHeader CheckPng(std::string_view b) {
    if (const auto problem = SignatureProblem(b, std::string_view("\x89PNG\r\n\x1a\n", 8))) {
        return Failed(*problem);
    }
    if (b.size() < 8 + 8 + 13) {
        return Failed(PictureProblem::Truncated);
    }
    if (Be32(b, 8) != 13 || b.substr(12, 4) != "IHDR") {
        return Failed(PictureProblem::Corrupt);
    }
    const PictureHeader header = Sized(Be32(b, 16), Be32(b, 20));
    if (header.Problem != PictureProblem::None) {
        return header;
    }
    for (Size pos = 8;;) {
        if (b.size() - pos < 8) {
            return Failed(PictureProblem::Truncated, header);
        }
        const std::uint32_t length = Be32(b, pos);
        if (length > 0x7fffffffU) {
            return Failed(PictureProblem::Corrupt, header);
        }
        if (b.size() - pos - 8 < static_cast<Size>(length) + 4) {
            return Failed(PictureProblem::Truncated, header);
        }
        if (b.substr(pos + 4, 4) == "IEND") {
            return header;
        }
        pos += 12 + static_cast<Size>(length);
    }
}

bool IsJpegFrameMarker(std::uint32_t m) {
    return m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
}

// Skips entropy-coded data from pos; returns the position of the next marker's 0xFF.
Size SkipEntropyData(std::string_view b, Size pos) {
    for (Size i = pos; i + 1 < b.size(); ++i) {
        if (U8(b, i) != 0xFF) {
            continue;
        }
        const std::uint32_t next = U8(b, i + 1);
        if (next == 0x00 || (next >= 0xD0 && next <= 0xD7)) {
            ++i; // stuffed byte or restart marker: still inside the scan
        } else if (next != 0xFF) {
            return i;
        }
    }
    return NoPos;
}

// Walks the markers of a JPEG file from the one after SOI to EOI.
class TJpegWalk {
public:
    explicit TJpegWalk(std::string_view bytes) : B_(bytes) {}

    PictureHeader Run() {
        std::optional<PictureProblem> end;
        while (!end) {
            end = Next();
        }
        return Failed(*end, Header_);
    }

private:
    // Reads one marker and what belongs to it; the problem that ends the walk, if any.
    std::optional<PictureProblem> Next() {
        if (Pos_ >= B_.size()) {
            return PictureProblem::Truncated;
        }
        if (U8(B_, Pos_) != 0xFF) {
            return PictureProblem::Corrupt;
        }
        while (Pos_ < B_.size() && U8(B_, Pos_) == 0xFF) {
            ++Pos_; // fill bytes
        }
        if (Pos_ >= B_.size()) {
            return PictureProblem::Truncated;
        }
        const std::uint32_t marker = U8(B_, Pos_++);
        if (marker == 0xD9) {
            return Frame_ && Scan_ ? PictureProblem::None : PictureProblem::Corrupt;
        }
        if (marker == 0xD8 || marker == 0x00) {
            return PictureProblem::Corrupt;
        }
        if ((marker >= 0xD0 && marker <= 0xD7) || marker == 0x01) {
            return std::nullopt; // markers without a segment
        }
        return Segment(marker);
    }

    // A segment with its length; a frame header gives the size, a scan header its data.
    std::optional<PictureProblem> Segment(std::uint32_t marker) {
        if (B_.size() - Pos_ < 2) {
            return PictureProblem::Truncated;
        }
        const Size length = Be16(B_, Pos_);
        if (length < 2 || (IsJpegFrameMarker(marker) && length < 8)) {
            return PictureProblem::Corrupt;
        }
        if (B_.size() - Pos_ < length) {
            return PictureProblem::Truncated;
        }
        if (IsJpegFrameMarker(marker)) {
            Header_ = Sized(Be16(B_, Pos_ + 5), Be16(B_, Pos_ + 3));
            if (Header_.Problem != PictureProblem::None) {
                return Header_.Problem;
            }
            Frame_ = true;
        }
        Pos_ += length;
        if (marker != 0xDA) {
            return std::nullopt;
        }
        if (!Frame_) {
            return PictureProblem::Corrupt;
        }
        Scan_ = true;
        Pos_ = SkipEntropyData(B_, Pos_);
        return Pos_ == NoPos ? std::optional(PictureProblem::Truncated) : std::nullopt;
    }

    std::string_view B_;
    Size Pos_ = 2;
    PictureHeader Header_;
    bool Frame_ = false;
    bool Scan_ = false;
};

PictureHeader CheckJpeg(std::string_view b) {
    if (const auto problem = SignatureProblem(b, "\xFF\xD8")) {
        return Failed(*problem);
    }
    return TJpegWalk(b).Run();
}

// Whether the compression suits the bits a pixel: run lengths of 8 or 4 bits, bit
// fields of 16 or 32; the decoder writes no pixel of any other pairing.
bool CompressionFitsBits(std::uint32_t compression, std::uint32_t bits) {
    switch (compression) {
    case 0:
        return true;
    case 1:
        return bits == 8;
    case 2:
        return bits == 4;
    case 3:
    case 6:
        return bits == 16 || bits == 32;
    default:
        return false; // embedded JPEG or PNG, and unknown kinds
    }
}

// Where the pixel data may begin at the earliest: after the headers, the colour masks
// of a 40-byte header with bit fields, and the palette.
std::int64_t PixelDataStart(std::string_view b, std::uint32_t headerSize, std::uint32_t bits,
                            std::uint32_t compression) {
    const bool core = headerSize == 12;
    std::int64_t start = 14 + static_cast<std::int64_t>(headerSize);
    if (headerSize == 40 && (compression == 3 || compression == 6)) {
        start += compression == 3 ? 12 : 16;
    }
    if (bits <= 8) {
        const std::uint32_t used = core ? 0 : Le32(b, 46);
        start += static_cast<std::int64_t>(used != 0 ? used : 1u << bits) * (core ? 3 : 4);
    }
    return start;
}

PictureHeader CheckBmp(std::string_view b) {
    if (const auto problem = SignatureProblem(b, "BM")) {
        return Failed(*problem);
    }
    if (b.size() < 18) {
        return Failed(PictureProblem::Truncated);
    }
    const std::uint32_t headerSize = Le32(b, 14);
    const bool core = headerSize == 12;
    if (!core && (headerSize < 40 || headerSize > 4096)) {
        return Failed(PictureProblem::Corrupt);
    }
    if (b.size() < 14 + static_cast<Size>(headerSize)) {
        return Failed(PictureProblem::Truncated);
    }
    // Core headers hold unsigned 16-bit sizes, the others signed 32-bit ones.
    const std::int64_t width =
        core ? static_cast<std::int64_t>(Le16(b, 18)) : static_cast<std::int32_t>(Le32(b, 18));
    const std::int64_t height =
        core ? static_cast<std::int64_t>(Le16(b, 20)) : static_cast<std::int32_t>(Le32(b, 22));
    const std::uint32_t bits = core ? Le16(b, 24) : Le16(b, 28);
    const std::uint32_t compression = core ? 0 : Le32(b, 30);
    if (width < 0) {
        return Failed(PictureProblem::Corrupt);
    }
    const PictureHeader header = Sized(width, height < 0 ? -height : height);
    if (header.Problem != PictureProblem::None) {
        return header;
    }
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
        return Failed(PictureProblem::Corrupt, header);
    }
    if (!CompressionFitsBits(compression, bits) || (bits <= 8 && !core && Le32(b, 46) > 256)) {
        return Failed(PictureProblem::Corrupt, header);
    }
    // Pixel data that would begin inside the headers or the palette is not where the
    // decoder reads it from: refused, so that what it reads is what was checked.
    const std::int64_t offset = Le32(b, 10);
    if (offset < PixelDataStart(b, headerSize, bits, compression)) {
        return Failed(PictureProblem::Corrupt, header);
    }
    if (compression == 1 || compression == 2) {
        return Failed(CheckRunLengthCodes(b, static_cast<Size>(offset), compression == 2), header);
    }
    const std::int64_t stride = (width * bits + 31) / 32 * 4;
    const std::int64_t need = offset + stride * header.Height;
    return need > static_cast<std::int64_t>(b.size()) ? Failed(PictureProblem::Truncated, header)
                                                      : header;
}

} // namespace

std::optional<PictureFormat> PictureFormatOfName(std::string_view fileName) {
    const Size dot = fileName.rfind('.');
    if (dot == std::string_view::npos || fileName.find('/', dot) != std::string_view::npos) {
        return std::nullopt;
    }
    std::string ext(fileName.substr(dot + 1));
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    if (ext == "jpg" || ext == "jpeg") {
        return PictureFormat::Jpeg;
    }
    if (ext == "bmp") {
        return PictureFormat::Bmp;
    }
    if (ext == "png") {
        return PictureFormat::Png;
    }
    return std::nullopt;
}

PictureProblem CheckRunLengthCodes(std::string_view b, std::size_t pos, bool rle4) {
    for (;;) {
        if (pos > b.size() || b.size() - pos < 2) {
            return PictureProblem::Truncated;
        }
        const std::uint32_t count = U8(b, pos);
        const std::uint32_t code = U8(b, pos + 1);
        pos += 2;
        if (count > 0 || code == 0) {
            continue;
        }
        if (code == 1) {
            return PictureProblem::None;
        }
        Size skip = 2; // a delta: two bytes of offsets
        if (code > 2) {
            skip = rle4 ? (code + 1) / 2 : code;
            skip += skip & 1;
        }
        if (b.size() - pos < skip) {
            return PictureProblem::Truncated;
        }
        pos += skip;
    }
}

PictureProblem PictureSizeProblem(std::int64_t width, std::int64_t height) {
    if (width == 0 || height == 0) {
        return PictureProblem::ZeroSize;
    }
    if (width > MaxPictureSide || height > MaxPictureSide || width * height > MaxPicturePixels) {
        return PictureProblem::TooLarge;
    }
    return PictureProblem::None;
}

std::string_view PictureProblemMessage(PictureProblem problem) {
    switch (problem) {
    case PictureProblem::None:
        return "";
    case PictureProblem::UnknownFormat:
        return "不支持的图像格式，只能打开 jpg、jpeg、bmp 和 png 图像！";
    case PictureProblem::Unreadable:
        return "无法读取图像文件！";
    case PictureProblem::Corrupt:
        return "图像文件已损坏，或其内容与扩展名的格式不符，无法打开！";
    case PictureProblem::Truncated:
        return "图像文件不完整（可能已被截断），无法打开！";
    case PictureProblem::ZeroSize:
        return "图像的宽度或高度为零，无法打开！";
    case PictureProblem::TooLarge:
        return "图像尺寸过大，无法打开！（边长最多 16384 像素，总数最多 3600 万像素）";
    case PictureProblem::OutOfMemory:
        return "内存不足，无法打开图像！";
    }
    return "";
}

PictureHeader CheckPictureData(PictureFormat format, std::string_view bytes) {
    switch (format) {
    case PictureFormat::Png:
        return CheckPng(bytes);
    case PictureFormat::Jpeg:
        return CheckJpeg(bytes);
    case PictureFormat::Bmp:
        return CheckBmp(bytes);
    }
    return Failed(PictureProblem::UnknownFormat);
}

} // namespace lodrin
