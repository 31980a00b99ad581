#pragma once
// A plain picture for the GIF writer: no toolkit types, so the library builds and tests
// without a window system.
#include <cstdint>
#include <vector>

namespace vagaris {

// Rows from the top, pixels from the left; each pixel a 32-bit colour value with red in the
// lowest byte, then green, then blue (the top byte is kept as given and compared like the rest).
struct TPixelBitmap {
    std::uint32_t Width = 0;
    std::uint32_t Height = 0;
    std::vector<std::uint32_t> Pixels;  // Width * Height values

    TPixelBitmap() = default;
    TPixelBitmap(std::uint32_t width, std::uint32_t height, std::uint32_t fill = 0)
        : Width(width), Height(height), Pixels(std::size_t(width) * height, fill) {}

    std::uint32_t& at(std::uint32_t x, std::uint32_t y) {
        return Pixels[std::size_t(y) * Width + x];
    }
    std::uint32_t at(std::uint32_t x, std::uint32_t y) const {
        return Pixels[std::size_t(y) * Width + x];
    }
};

// The colour value of (red, green, blue) as the writer expects it.
constexpr std::uint32_t RgbValue(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return std::uint32_t(r) | (std::uint32_t(g) << 8) | (std::uint32_t(b) << 16);
}

}  // namespace vagaris
