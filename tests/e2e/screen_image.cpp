#include "screen_image.h"

#include <fstream>

namespace quorvel::e2e {
namespace {

// Releases a screen DC, a memory DC and a bitmap on every path.
struct CaptureHandles {
    HDC screen = GetDC(nullptr);
    HDC memory = screen ? CreateCompatibleDC(screen) : nullptr;
    HBITMAP bitmap = nullptr;
    ~CaptureHandles() {
        if (bitmap) DeleteObject(bitmap);
        if (memory) DeleteDC(memory);
        if (screen) ReleaseDC(nullptr, screen);
    }
};

template <class T>
void Put(std::ofstream& out, T value) {
    out.write(reinterpret_cast<const char*>(&value), sizeof(value));
}

}  // namespace

std::optional<ScreenImage> ScreenImage::Capture(RECT bounds) {
    ScreenImage image;
    image.bounds_ = bounds;
    image.width_ = bounds.right - bounds.left;
    image.height_ = bounds.bottom - bounds.top;
    if (image.width_ <= 0 || image.height_ <= 0) return std::nullopt;

    CaptureHandles handles;
    if (!handles.memory) return std::nullopt;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = image.width_;
    info.bmiHeader.biHeight = -image.height_;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    handles.bitmap = CreateDIBSection(handles.memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!handles.bitmap) return std::nullopt;
    const HGDIOBJ previous = SelectObject(handles.memory, handles.bitmap);
    const BOOL copied = BitBlt(handles.memory, 0, 0, image.width_, image.height_, handles.screen, bounds.left,
                               bounds.top, SRCCOPY);
    GdiFlush();
    SelectObject(handles.memory, previous);
    if (!copied) return std::nullopt;
    const auto* first = static_cast<const std::uint32_t*>(bits);
    image.pixels_.assign(first, first + static_cast<std::size_t>(image.width_) * static_cast<std::size_t>(image.height_));
    return image;
}

Colour ScreenImage::At(int screenX, int screenY) const {
    const int x = screenX - bounds_.left;
    const int y = screenY - bounds_.top;
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return {0, 0, 0};
    const std::uint32_t pixel = pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                                        static_cast<std::size_t>(x)];
    return {static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
            static_cast<std::uint8_t>(pixel)};
}

bool ScreenImage::Save(const std::wstring& path) const {
    std::ofstream out(path.c_str(), std::ios::binary);
    if (!out) return false;
    const auto rowBytes = static_cast<std::uint32_t>((width_ * 3 + 3) & ~3);
    const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(height_);
    constexpr std::uint32_t HeaderBytes = 14 + 40;
    // BITMAPFILEHEADER, then BITMAPINFOHEADER; rows bottom first.
    Put<std::uint16_t>(out, 0x4d42);
    Put<std::uint32_t>(out, HeaderBytes + imageBytes);
    Put<std::uint32_t>(out, 0);
    Put<std::uint32_t>(out, HeaderBytes);
    Put<std::uint32_t>(out, 40);
    Put<std::int32_t>(out, width_);
    Put<std::int32_t>(out, height_);
    Put<std::uint16_t>(out, 1);
    Put<std::uint16_t>(out, 24);
    Put<std::uint32_t>(out, BI_RGB);
    Put<std::uint32_t>(out, imageBytes);
    Put<std::int32_t>(out, 2835);  // 72 dpi
    Put<std::int32_t>(out, 2835);
    Put<std::uint32_t>(out, 0);
    Put<std::uint32_t>(out, 0);
    std::vector<char> row(rowBytes, 0);
    for (int y = height_ - 1; y >= 0; --y) {
        for (int x = 0; x < width_; ++x) {
            const Colour colour = At(bounds_.left + x, bounds_.top + y);
            row[static_cast<std::size_t>(3 * x)] = static_cast<char>(colour.blue);
            row[static_cast<std::size_t>(3 * x + 1)] = static_cast<char>(colour.green);
            row[static_cast<std::size_t>(3 * x + 2)] = static_cast<char>(colour.red);
        }
        out.write(row.data(), static_cast<std::streamsize>(row.size()));
    }
    return static_cast<bool>(out);
}

}  // namespace quorvel::e2e
