#include <cstdio>
#include <vector>

#include "platform/click_timer.h"
#include "platform/report_list.h"
#include "tests/platform/window_test.h"

namespace quorvel::test {
namespace {

enum LeakId { Timer = 51, List = 52, First = 53, Second = 54, Third = 55, Text = 56 };

class ResourceLeakTest : public WindowTest<ResourceLeakTest> {
public:
    void OnTick() { ++ticks_; }
    void OnClicked() {}

protected:
    int ticks_ = 0;
};

constexpr ColumnDefinition LeakColumns[] = {
    {L"按键", 98, ColumnAlignment::Left}, {L"X位", 85, ColumnAlignment::Centre}, {L"Y位", 85, ColumnAlignment::Centre}};

constexpr FontDefinition LabelFont{.face = L"宋体", .height = -12, .weight = 400, .charset = GB2312_CHARSET};

constexpr ControlDefinition LeakControls[] = {
    {.kind = ControlKind::PushButton, .formName = L"1", .id = First, .left = 8, .top = 8, .width = 80, .height = 30,
     .caption = L"开始", .pointer = PointerShape::Hand, .focusOrder = 0, .onEvent = Bind<&ResourceLeakTest::OnClicked>()},
    {.kind = ControlKind::PushButton, .formName = L"2", .id = Second, .left = 96, .top = 8, .width = 80,
     .height = 30, .caption = L"结束", .enabled = false, .focusOrder = 1},
    {.kind = ControlKind::Timer, .formName = L"t", .id = Timer, .left = 0, .top = 0, .width = 0, .height = 0,
     .onEvent = Bind<&ResourceLeakTest::OnTick>()},
    {.kind = ControlKind::ReportList, .formName = L"l", .id = List, .left = 8, .top = 46, .width = 272,
     .height = 200, .focusOrder = 2, .columns = LeakColumns},
    {.kind = ControlKind::PushButton, .formName = L"3", .id = Third, .left = 184, .top = 8, .width = 80,
     .height = 30, .caption = L"帮助", .focusOrder = 3},
    {.kind = ControlKind::Label, .formName = L"text", .id = Text, .left = 8, .top = 250, .width = 272, .height = 20,
     .caption = L"标签", .font = &LabelFont},
};

// The icon comes from the test program's own resources.
constexpr WindowDefinition LeakWindow{
    .caption = L"leak", .outerWidth = 295, .outerHeight = 310, .taskbarButton = true, .visible = true,
    .iconResource = L"DEFAULT_ICON", .controls = LeakControls};

bool IconAlive(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return false;
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return true;
}

BOOL CALLBACK CountWindow(HWND, LPARAM counter) {
    ++*reinterpret_cast<int*>(counter);
    return TRUE;
}

int ThreadWindowCount() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

struct GuiObjects {
    DWORD user;
    DWORD gdi;
};

GuiObjects CountGuiObjects() {
    return {GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)};
}

TEST_F(ResourceLeakTest, TwoHundredWindowsLeaveNothingBehind) {
    // What one window's life leaves over must all be gone once it is.
    const auto liveAndThenGone = [this](bool check) {
        std::optional<Window> window;
        Load(window, LeakWindow);
        ReportList& list = window->List(List);
        for (int row = 0; row < 5; ++row) {
            list.AppendRow(row);
            list.SetCellText(row, 0, L"左键单击");
            list.SetCellText(row, 1, std::to_wstring(row * 100));
        }
        const int ticksBefore = ticks_;
        window->Timer(Timer).SetPeriod(10);
        PumpUntil([&] { return ticks_ > ticksBefore; }, Milliseconds(500));

        const HWND handle = window->Handle();
        std::vector<HWND> windows{handle};
        for (HWND child = GetWindow(handle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            windows.push_back(child);
        }
        const auto big = reinterpret_cast<HICON>(SendMessageW(handle, WM_GETICON, ICON_BIG, 0));
        const auto small = reinterpret_cast<HICON>(SendMessageW(handle, WM_GETICON, ICON_SMALL, 0));
        if (check) {
            // The checks below mean something only if these exist.
            EXPECT_TRUE(IconAlive(big) && IconAlive(small)) << "the window shows no icon of its own";
            EXPECT_GE(ThreadWindowCount(), 1);
        }

        window.reset();
        for (HWND gone : windows) EXPECT_FALSE(IsWindow(gone));
        EXPECT_FALSE(IconAlive(big));
        EXPECT_FALSE(IconAlive(small));
    };

    liveAndThenGone(true);  // the first window's one-off allocations
    PumpFor(Milliseconds(100));
    const GuiObjects before = CountGuiObjects();
    const int windowsBefore = ThreadWindowCount();

    for (int i = 0; i < 200 && !HasFailure(); ++i) liveAndThenGone(false);
    PumpFor(Milliseconds(100));

    const GuiObjects after = CountGuiObjects();
    const int windowsAfter = ThreadWindowCount();
    std::printf("USER objects %lu -> %lu, GDI objects %lu -> %lu, thread windows %d -> %d, timer events %d\n",
                before.user, after.user, before.gdi, after.gdi, windowsBefore, windowsAfter, ticks_);
    if (before.user == 0 && after.user == 0) {
        std::printf("this system does not count GUI objects (Wine); the handle checks above stand in\n");
    }
    // A few objects of slack for caches the system fills on its own.
    EXPECT_LE(after.user, before.user + 4);
    EXPECT_LE(after.gdi, before.gdi + 4);
    EXPECT_EQ(windowsAfter, windowsBefore);
    EXPECT_GE(ticks_, 201) << "the timer did not run in every window";
}

}  // namespace
}  // namespace quorvel::test
