#include "Recog_/RgbPicture.h"

#include <algorithm>
#include <cstring>

namespace lodrin {

RgbPicture::RgbPicture(int width, int height) {
    if (width > 0 && height > 0) {
        Width_ = width;
        Height_ = height;
        Data_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3, 0);
    }
}

Rgb RgbPicture::Pixel(int x, int y) const {
    const std::uint8_t* p = Data_.data() + Offset(x, y);
    return {p[0], p[1], p[2]};
}

void RgbPicture::SetPixel(int x, int y, Rgb colour) {
    std::uint8_t* p = Data_.data() + Offset(x, y);
    p[0] = colour.R;
    p[1] = colour.G;
    p[2] = colour.B;
}

RgbPicture RgbPicture::Block(int x0, int y0, int w, int h) const {
    RgbPicture block(w, h);
    const int left = std::max(x0, 0);
    const int right = std::min(x0 + w, Width_);
    if (block.IsEmpty() || left >= right) {
        return block;
    }
    for (int y = std::max(y0, 0); y < std::min(y0 + h, Height_); ++y) {
        std::memcpy(block.Data_.data() + block.Offset(left - x0, y - y0),
                    Data_.data() + Offset(left, y), static_cast<std::size_t>(right - left) * 3);
    }
    return block;
}

} // namespace lodrin
