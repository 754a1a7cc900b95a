#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace lodrin {

// One pixel: red, green and blue, 8 bits each.
struct Rgb {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A picture of 8-bit RGB pixels, rows from the top, three bytes a pixel, no padding.
class RgbPicture {
public:
    RgbPicture() = default;
    // A black picture of the given size (negative sizes give an empty picture).
    RgbPicture(int width, int height);

    int Width() const { return Width_; }
    int Height() const { return Height_; }
    bool IsEmpty() const { return Width_ <= 0 || Height_ <= 0; }

    // The pixel at (x, y), which must lie inside the picture.
    Rgb Pixel(int x, int y) const;
    void SetPixel(int x, int y, Rgb colour);
    bool Contains(int x, int y) const { return x >= 0 && x < Width_ && y >= 0 && y < Height_; }

    // The first byte of row y (R of pixel 0); rows are Width() * 3 bytes long.
    const std::uint8_t* Row(int y) const { return Data_.data() + Offset(0, y); }
    std::uint8_t* Row(int y) { return Data_.data() + Offset(0, y); }
    const std::uint8_t* Data() const { return Data_.data(); }

    // The w x h block whose top-left pixel is (x0, y0); pixels outside read as black.
    RgbPicture Block(int x0, int y0, int w, int h) const;

    friend bool operator==(const RgbPicture&, const RgbPicture&) = default;

private:
    std::size_t Offset(int x, int y) const {
        return (static_cast<std::size_t>(y) * static_cast<std::size_t>(Width_) +
                static_cast<std::size_t>(x)) *
               3;
    }

    int Width_ = 0;
    int Height_ = 0;
    std::vector<std::uint8_t> Data_;
};

} // namespace lodrin
