#include "Recog_/RleBitmap.h"

#include <cstdint>
#include <cstdlib>

namespace lodrin {
namespace {

std::uint32_t Le16(std::string_view b, std::size_t i) {
    return static_cast<unsigned char>(b[i]) | static_cast<unsigned char>(b[i + 1]) << 8;
}
std::uint32_t Le32(std::string_view b, std::size_t i) {
    return Le16(b, i) | Le16(b, i + 2) << 16;
}
void PutLe16(std::string& b, std::size_t i, std::uint32_t value) {
    b[i] = static_cast<char>(value & 0xFF);
    b[i + 1] = static_cast<char>(value >> 8 & 0xFF);
}
void PutLe32(std::string& b, std::size_t i, std::uint32_t value) {
    PutLe16(b, i, value & 0xFFFF);
    PutLe16(b, i + 2, value >> 16);
}

// Writes the pixels the codes give into rows of `stride` bytes, in the file's row order.
class TRlePainter {
public:
    TRlePainter(std::string_view codes, bool rle4, int width, int rows, std::size_t stride)
        : B_(codes), Rle4_(rle4), Width_(width), Rows_(rows), Stride_(stride),
          Pixels_(stride * static_cast<std::size_t>(rows), '\0') {}

    std::string Paint(std::size_t pos) {
        while (Y_ < Rows_ && pos + 2 <= B_.size()) {
            const unsigned count = Byte(pos);
            const unsigned code = Byte(pos + 1);
            pos += 2;
            if (count > 0) {
                Run(count, code);
            } else if (code == 0) { // end of line
                X_ = 0;
                ++Y_;
            } else if (code == 1) { // end of bitmap
                break;
            } else if (code == 2) { // delta: the pixels jumped over keep the background
                if (pos + 2 > B_.size()) {
                    break;
                }
                X_ += static_cast<int>(Byte(pos));
                Y_ += static_cast<int>(Byte(pos + 1));
                pos += 2;
            } else {
                pos = Absolute(pos, code);
            }
        }
        return std::move(Pixels_);
    }

private:
    unsigned Byte(std::size_t i) const { return static_cast<unsigned char>(B_[i]); }

    void Put(unsigned index) {
        if (X_ < Width_ && Y_ < Rows_) {
            Pixels_[static_cast<std::size_t>(Y_) * Stride_ + static_cast<std::size_t>(X_)] =
                static_cast<char>(index);
        }
        ++X_;
    }
    // `count` pixels of one colour, or of two alternating ones in RLE4.
    void Run(unsigned count, unsigned code) {
        for (unsigned i = 0; i < count && X_ < Width_; ++i) {
            Put(Rle4_ ? (i % 2 == 0 ? code >> 4 : code & 0x0F) : code);
        }
    }
    // `count` pixels given one by one, padded to a whole word; returns where codes go on.
    std::size_t Absolute(std::size_t pos, unsigned count) {
        std::size_t bytes = Rle4_ ? (count + 1) / 2 : count;
        bytes += bytes & 1;
        if (pos + bytes > B_.size()) {
            return B_.size();
        }
        for (unsigned i = 0; i < count; ++i) {
            const unsigned byte = Byte(pos + (Rle4_ ? i / 2 : i));
            Put(Rle4_ ? (i % 2 == 0 ? byte >> 4 : byte & 0x0F) : byte);
        }
        return pos + bytes;
    }

    std::string_view B_;
    bool Rle4_;
    int Width_;
    int Rows_;
    std::size_t Stride_;
    std::string Pixels_;
    int X_ = 0;
    int Y_ = 0;
};

} // namespace

std::optional<std::string> ExpandRleBitmap(std::string_view b) {
    if (b.size() < 54 || b.substr(0, 2) != "BM") {
        return std::nullopt;
    }
    const std::uint32_t headerSize = Le32(b, 14);
    if (headerSize < 40 || headerSize > 4096 ||
        b.size() < 14 + static_cast<std::size_t>(headerSize)) {
        return std::nullopt;
    }
    const std::uint32_t compression = Le32(b, 30);
    if (compression != 1 && compression != 2) {
        return std::nullopt;
    }
    const bool rle4 = compression == 2;
    const auto width = static_cast<std::int32_t>(Le32(b, 18));
    const auto height = static_cast<std::int32_t>(Le32(b, 22));
    const std::uint32_t used = Le32(b, 46);
    const std::uint32_t colours = used != 0 ? used : (rle4 ? 16u : 256u);
    const std::size_t palette = 14 + static_cast<std::size_t>(headerSize);
    if (width <= 0 || height == 0 || height == INT32_MIN || colours > 256 ||
        palette + colours * 4 > b.size() || Le32(b, 10) > b.size()) {
        return std::string();
    }
    const int rows = std::abs(height);
    const std::size_t stride = (static_cast<std::size_t>(width) + 3) / 4 * 4;
    const std::size_t dataStart = palette + colours * 4;
    std::string out(b.substr(0, dataStart));
    PutLe32(out, 10, static_cast<std::uint32_t>(dataStart));
    PutLe16(out, 28, 8);
    PutLe32(out, 30, 0);
    PutLe32(out, 34, static_cast<std::uint32_t>(stride * static_cast<std::size_t>(rows)));
    PutLe32(out, 46, colours);
    out += TRlePainter(b, rle4, width, rows, stride).Paint(Le32(b, 10));
    PutLe32(out, 2, static_cast<std::uint32_t>(out.size()));
    return out;
}

} // namespace lodrin
