// What the user sees right after starting the program.
#include <string>

#include "quorvel_fixture.h"
#include "window_query.h"

namespace quorvel::e2e {
namespace {

using StartUp = QuorvelTest;

TEST_F(StartUp, MainWindowIsCentredFixedAndTitled) {
    const HWND window = program_.MainWindow();
    EXPECT_EQ(WindowText(window), L"Quorvel");

    RECT bounds{};
    ASSERT_TRUE(GetWindowRect(window, &bounds));
    EXPECT_EQ(bounds.right - bounds.left, 295);
    EXPECT_EQ(bounds.bottom - bounds.top, 383);
    EXPECT_EQ(bounds.left, (GetSystemMetrics(SM_CXSCREEN) - 295) / 2);
    EXPECT_EQ(bounds.top, (GetSystemMetrics(SM_CYSCREEN) - 383) / 2);

    // Not resizable, and the close button is the only title bar button.
    const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
    EXPECT_EQ(style & WS_CAPTION, DWORD{WS_CAPTION});
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
}

TEST_F(StartUp, ButtonsShowTheirCaptionsAndOnlyStopIsDisabled) {
    struct Button {
        int id;
        std::wstring caption;
        bool enabled;
    };
    const Button buttons[] = {
        {ids::StartButton, L"开始(Ctrl+S)", true},
        {ids::StopButton, L"结束(Ctrl+Q)", false},
        {ids::HelpButton, L"帮助", true},
    };
    for (const Button& button : buttons) {
        SCOPED_TRACE(Utf8(button.caption));
        const HWND control = program_.Control(button.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(ClassName(control), L"Button");
        EXPECT_EQ(WindowText(control), button.caption);
        EXPECT_EQ(IsEnabled(program_, button.id), button.enabled);
        EXPECT_TRUE(IsWindowVisible(control));
    }
}

TEST_F(StartUp, PointListIsAnEmptyReportWithThreeColumns) {
    const HWND list = program_.Control(ids::PointList);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ClassName(list), L"SysListView32");

    const RemoteList reader(list);
    EXPECT_EQ(reader.RowCount(), 0);
    const ListColumn columns[] = {{L"按键", 98}, {L"X位", 85}, {L"Y位", 85}};
    for (int index = 0; index < 3; ++index) {
        SCOPED_TRACE(index);
        const std::optional<ListColumn> column = reader.Column(index);
        ASSERT_TRUE(column.has_value());
        EXPECT_EQ(column->title, columns[index].title);
        EXPECT_EQ(column->width, columns[index].width);
    }
    EXPECT_FALSE(reader.Column(3).has_value()) << "a fourth column";

    const auto style = static_cast<DWORD>(GetWindowLongW(list, GWL_STYLE));
    EXPECT_EQ(style & LVS_TYPEMASK, DWORD{LVS_REPORT});
    EXPECT_TRUE(style & LVS_SINGLESEL);
    EXPECT_TRUE(style & LVS_NOSORTHEADER);
    EXPECT_FALSE(style & (LVS_SORTASCENDING | LVS_SORTDESCENDING | LVS_EDITLABELS | LVS_NOCOLUMNHEADER));
    EXPECT_TRUE(GetWindowLongW(list, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    const auto extended = static_cast<DWORD>(SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    const DWORD wanted = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_INFOTIP;
    EXPECT_EQ(extended & wanted, wanted);
    EXPECT_FALSE(extended & LVS_EX_CHECKBOXES);
}

TEST_F(StartUp, WindowIsActiveWithTheFocusOnStart) {
    EXPECT_TRUE(WaitUntil([this] { return GetForegroundWindow() == program_.MainWindow(); }));
    EXPECT_TRUE(WaitUntil([this] { return FocusOf(program_.GuiThreadId()) == program_.Control(ids::StartButton); }))
        << "focus is on " << Utf8(ClassName(FocusOf(program_.GuiThreadId())));
}

}  // namespace
}  // namespace quorvel::e2e
