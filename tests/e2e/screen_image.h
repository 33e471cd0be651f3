#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace quorvel::e2e {

struct Colour {
    std::uint8_t red, green, blue;

    int Luminance() const { return (299 * red + 587 * green + 114 * blue) / 1000; }
};

// A copy of part of the screen as the display shows it, taken from outside
// the program like a screenshot.
class ScreenImage {
public:
    // `bounds` in screen coordinates; nullopt if the screen cannot be read.
    static std::optional<ScreenImage> Capture(RECT bounds);

    int Width() const { return width_; }
    int Height() const { return height_; }
    RECT Bounds() const { return bounds_; }
    // A pixel by its screen coordinates; black outside the image.
    Colour At(int screenX, int screenY) const;

    // A 24-bit BMP; false if it cannot be written.
    bool Save(const std::wstring& path) const;

private:
    RECT bounds_{};
    int width_ = 0, height_ = 0;
    std::vector<std::uint32_t> pixels_;  // 0x00RRGGBB, top row first
};

}  // namespace quorvel::e2e
