// Screenshots of the real program as the display shows it: the main window
// with rows, the refusal message over it and the help window over it. Each
// is saved as a BMP (scripts/screenshots turns them into the README's PNGs)
// and checked for what can go wrong with fonts and glyphs, without
// depending on any one font's shapes.
#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "quorvel_fixture.h"
#include "screen_image.h"
#include "window_query.h"

namespace quorvel::e2e {
namespace {

Colour SystemColour(int index) {
    const COLORREF colour = GetSysColor(index);
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

// Text or glyph pixels: clearly darker than the background they sit on.
bool IsInk(Colour pixel, Colour background) { return pixel.Luminance() < background.Luminance() - 40; }

int InkIn(const ScreenImage& image, RECT area, Colour background) {
    int ink = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) ink += IsInk(image.At(x, y), background) ? 1 : 0;
    }
    return ink;
}

// Runs of rows that hold ink: the lines of a text, top to bottom, as
// [first row, row after the last).
std::vector<std::pair<int, int>> InkBands(const ScreenImage& image, RECT area, Colour background) {
    std::vector<std::pair<int, int>> bands;
    for (int y = area.top; y < area.bottom; ++y) {
        bool ink = false;
        for (int x = area.left; x < area.right && !ink; ++x) ink = IsInk(image.At(x, y), background);
        if (!ink) continue;
        if (!bands.empty() && bands.back().second == y) {
            bands.back().second = y + 1;
        } else {
            bands.push_back({y, y + 1});
        }
    }
    return bands;
}

// The glyph of a title bar's close button: the dark pixels inside its
// bevel, anti-aliased edges included. The cross of Wine's or Windows' own glyph font is symmetric both
// ways; a letter drawn in its place (the "r" that stands at the cross's code
// point in text fonts) is not.
struct Glyph {
    int pixels = 0;
    double mirroredLeftRight = 0, mirroredTopBottom = 0;  // share of pixels whose mirror image is one too
    std::string picture;
};

Glyph CloseGlyph(const ScreenImage& image, RECT button, Colour face) {
    constexpr int Bevel = 3;
    const RECT inside{button.left + Bevel, button.top + Bevel, button.right - Bevel, button.bottom - Bevel};
    // A row or column that is ink almost end to end is a line of the bevel
    // (how far the hit test reaches past the drawn button varies), not part
    // of a glyph.
    const int width = inside.right - inside.left;
    const int height = inside.bottom - inside.top;
    std::vector<int> rowInk(static_cast<std::size_t>(std::max(height, 0)));
    std::vector<int> columnInk(static_cast<std::size_t>(std::max(width, 0)));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (!IsInk(image.At(inside.left + x, inside.top + y), face)) continue;
            ++rowInk[static_cast<std::size_t>(y)];
            ++columnInk[static_cast<std::size_t>(x)];
        }
    }
    std::vector<POINT> dark;
    for (int y = 0; y < height; ++y) {
        if (rowInk[static_cast<std::size_t>(y)] * 10 > width * 7) continue;
        for (int x = 0; x < width; ++x) {
            if (columnInk[static_cast<std::size_t>(x)] * 10 > height * 7) continue;
            if (IsInk(image.At(inside.left + x, inside.top + y), face)) dark.push_back({inside.left + x, inside.top + y});
        }
    }
    Glyph glyph;
    glyph.pixels = static_cast<int>(dark.size());
    if (dark.empty()) return glyph;
    RECT box{dark[0].x, dark[0].y, dark[0].x, dark[0].y};
    for (POINT p : dark) {
        box = {std::min(box.left, p.x), std::min(box.top, p.y), std::max(box.right, p.x), std::max(box.bottom, p.y)};
    }
    const auto isDark = [&](int x, int y) {
        return std::any_of(dark.begin(), dark.end(), [&](POINT p) { return p.x == x && p.y == y; });
    };
    int leftRight = 0, topBottom = 0;
    for (POINT p : dark) {
        leftRight += isDark(box.left + box.right - p.x, p.y) ? 1 : 0;
        topBottom += isDark(p.x, box.top + box.bottom - p.y) ? 1 : 0;
    }
    glyph.mirroredLeftRight = static_cast<double>(leftRight) / glyph.pixels;
    glyph.mirroredTopBottom = static_cast<double>(topBottom) / glyph.pixels;
    for (int y = inside.top; y < inside.bottom; ++y) {
        glyph.picture += '\n';
        for (int x = inside.left; x < inside.right; ++x) glyph.picture += isDark(x, y) ? '#' : '.';
    }
    return glyph;
}

RECT BoundsOf(HWND window) {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    return bounds;
}

RECT Union(RECT a, RECT b) {
    RECT both{};
    UnionRect(&both, &a, &b);
    return both;
}

class Screenshots : public QuorvelTest {
protected:
    void RecordRows() {
        ASSERT_TRUE(CaptureWithKey(program_, VK_F6, target_.ToScreen({40, 60})));
        ASSERT_TRUE(CaptureWithKey(program_, VK_F7, target_.ToScreen({250, 150})));
        ASSERT_TRUE(CaptureWithKey(program_, VK_F6, target_.ToScreen({120, 330})));
    }

    // Takes the screenshot once the windows have painted, and saves it.
    ScreenImage Take(RECT bounds, const char* name) {
        Pause(500ms);
        std::optional<ScreenImage> image = ScreenImage::Capture(bounds);
        if (!image) {
            ADD_FAILURE() << "the screen could not be read";
            return {};
        }
        const std::wstring directory = WindowsPathOf(QUORVEL_SCREENSHOT_DIR);
        (void)CreateDirectoryW(directory.c_str(), nullptr);
        const std::wstring path = directory + L"\\" + test::FromUtf8(name) + L".bmp";
        EXPECT_TRUE(image->Save(path)) << "cannot write " << Utf8(path);
        return *image;
    }

    void ExpectCrossToClose(const ScreenImage& image, HWND window, const char* which) {
        const std::optional<RECT> button = CloseButtonBounds(window);
        ASSERT_TRUE(button.has_value()) << "no close button on the " << which;
        const Glyph glyph = CloseGlyph(image, *button, SystemColour(COLOR_BTNFACE));
        std::printf("%s close glyph: %d pixels, %.2f mirror left-right, %.2f top-bottom\n", which, glyph.pixels,
                    glyph.mirroredLeftRight, glyph.mirroredTopBottom);
        EXPECT_GE(glyph.pixels, 8) << which << ": no glyph on the close button" << glyph.picture;
        EXPECT_GE(glyph.mirroredLeftRight, 0.8) << which << ": the close glyph is not a cross" << glyph.picture;
        EXPECT_GE(glyph.mirroredTopBottom, 0.8) << which << ": the close glyph is not a cross" << glyph.picture;
    }
};

TEST_F(Screenshots, MainWindowWithRowsShowsItsButtonCaptionsAndACrossToClose) {
    ASSERT_NO_FATAL_FAILURE(RecordRows());
    ASSERT_TRUE(BringToFront(program_.MainWindow()));
    const ScreenImage image = Take(BoundsOf(program_.MainWindow()), "main-window");
    ASSERT_GT(image.Width(), 0);

    // A drawn caption leaves a good many text pixels inside the bevel.
    for (int id : {ids::StartButton, ids::StopButton, ids::HelpButton}) {
        RECT inside = BoundsOf(program_.Control(id));
        InflateRect(&inside, -4, -4);
        const int ink = InkIn(image, inside, SystemColour(COLOR_BTNFACE));
        EXPECT_GE(ink, 30) << "button " << id << " shows no caption (" << ink << " text pixels)";
    }
    ExpectCrossToClose(image, program_.MainWindow(), "main window");
}

TEST_F(Screenshots, RefusalMessageOverTheMainWindowShowsItsText) {
    ASSERT_TRUE(ClickControl(program_, ids::StartButton));
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = MessageBoxOf(program_)) != nullptr && IsWindowVisible(box); }));
    const ScreenImage image = Take(Union(BoundsOf(program_.MainWindow()), BoundsOf(box)), "refusal-message");
    ASSERT_GT(image.Width(), 0);

    const int ink = InkIn(image, ClientBounds(box), SystemColour(COLOR_BTNFACE));
    EXPECT_GE(ink, 60) << "the message box shows no text (" << ink << " text pixels)";
    ExpectCrossToClose(image, box, "message box");
}

TEST_F(Screenshots, HelpWindowShowsItsWholeTextAboveItsBottomFrameAndACrossToClose) {
    ASSERT_NO_FATAL_FAILURE(RecordRows());
    HWND help = nullptr;
    ASSERT_TRUE(OpenHelp(program_, help));
    const ScreenImage image = Take(Union(BoundsOf(program_.MainWindow()), BoundsOf(help)), "help-window");
    ASSERT_GT(image.Width(), 0);

    // The label begins 8 pixels below the client area's top; its text may run
    // past the label's own 136 pixels but must end inside the client area.
    const RECT client = ClientBounds(help);
    const RECT text{client.left, client.top + 8, client.right, client.bottom};
    const std::vector<std::pair<int, int>> bands = InkBands(image, text, SystemColour(COLOR_BTNFACE));
    std::string layout;
    for (const auto& [first, end] : bands) {
        char line[32];
        std::snprintf(line, sizeof(line), " %ld-%ld", first - client.top, end - client.top);
        layout += line;
    }
    std::printf("help text lines (client rows):%s; client area %ld high\n", layout.c_str(),
                client.bottom - client.top);
    ASSERT_GE(bands.size(), 5u) << "fewer lines of text than the help text has:" << layout;
    // A line cut off by the frame ends in the client area's last row.
    EXPECT_LT(bands.back().second, client.bottom) << "the last line is cut off by the bottom frame:" << layout;

    ExpectCrossToClose(image, help, "help window");
    ExpectCrossToClose(image, program_.MainWindow(), "main window");
}

}  // namespace
}  // namespace quorvel::e2e
