#include "platform/report_list.h"

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/platform/case_name.h"
#include "tests/platform/window_test.h"
#include "tests/support/text.h"

namespace quorvel::test {
namespace {

constexpr int ListId = 3;

constexpr ColumnDefinition Columns[] = {
    {L"按键", 98, ColumnAlignment::Left},
    {L"X位", 85, ColumnAlignment::Centre},
    {L"Y位", 70, ColumnAlignment::Centre},
};

constexpr ControlDefinition ListControls[] = {
    {.kind = ControlKind::ReportList, .formName = L"list", .id = ListId, .left = 8, .top = 8, .width = 272,
     .height = 200, .focusOrder = 0, .columns = Columns},
};

constexpr WindowDefinition ListWindow{
    .caption = L"list", .outerWidth = 300, .outerHeight = 260, .taskbarButton = true, .visible = true,
    .iconResource = nullptr, .controls = ListControls};

class ReportListTest : public WindowTest<ReportListTest> {
protected:
    void SetUp() override { Load(window_, ListWindow); }
    ReportList& List() { return window_->List(ListId); }

    std::optional<Window> window_;
};

TEST_F(ReportListTest, ColumnsComeFromTheDefinition) {
    const HWND header = reinterpret_cast<HWND>(SendMessageW(List().Handle(), LVM_GETHEADER, 0, 0));
    ASSERT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), static_cast<LRESULT>(std::size(Columns)));

    for (int index = 0; index < static_cast<int>(std::size(Columns)); ++index) {
        const ColumnDefinition& expected = Columns[index];
        SCOPED_TRACE(testing::Message() << "column " << index << " " << Utf8(expected.title));
        wchar_t title[64]{};
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.pszText = title;
        column.cchTextMax = 64;
        ASSERT_TRUE(SendMessageW(List().Handle(), LVM_GETCOLUMNW, static_cast<WPARAM>(index),
                                 reinterpret_cast<LPARAM>(&column)));
        EXPECT_EQ(std::wstring(title), expected.title);
        EXPECT_EQ(column.cx, expected.width);
        const int alignment = column.fmt & LVCFMT_JUSTIFYMASK;
        EXPECT_EQ(alignment, expected.alignment == ColumnAlignment::Centre ? LVCFMT_CENTER : LVCFMT_LEFT);
    }
}

TEST_F(ReportListTest, RowsAreAppendedInOrderAndReadBack) {
    EXPECT_EQ(List().RowCount(), 0);
    // Texts that would sort the other way: a new row still goes to the end.
    const wchar_t* const kinds[] = {L"右键单击", L"左键单击", L"A"};
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(List().AppendRow(row), row);
        EXPECT_EQ(List().CellText(row, 0), L"");  // a new row's cells are empty
        List().SetCellText(row, 0, kinds[row]);
        List().SetCellText(row, 1, std::to_wstring(-640 + row));
        List().SetCellText(row, 2, std::to_wstring(row * 1000));
    }

    ASSERT_EQ(List().RowCount(), 3);
    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE(testing::Message() << "row " << row);
        EXPECT_EQ(List().CellText(row, 0), kinds[row]);
        EXPECT_EQ(List().CellText(row, 1), std::to_wstring(-640 + row));
        EXPECT_EQ(List().CellText(row, 2), std::to_wstring(row * 1000));
        EXPECT_EQ(List().RowValue(row), row);
    }

    // Writing a cell again replaces it and touches no other cell.
    List().SetCellText(1, 1, L"7");
    EXPECT_EQ(List().CellText(1, 1), L"7");
    EXPECT_EQ(List().CellText(1, 0), kinds[1]);
    EXPECT_EQ(List().CellText(0, 1), L"-640");
}

// Two rows exist; these indexes name no row (2 is the row count).
class MissingRowTest : public ReportListTest, public testing::WithParamInterface<std::int32_t> {};

TEST_P(MissingRowTest, IsIgnoredOnWriteAndReadsAsEmpty) {
    for (int row = 0; row < 2; ++row) {
        List().AppendRow(row + 1);
        List().SetCellText(row, 0, L"kept");
    }
    const int missing = GetParam();

    for (int column = 0; column < 3; ++column) List().SetCellText(missing, column, L"written");
    EXPECT_EQ(List().CellText(missing, 0), L"");
    EXPECT_EQ(List().CellText(missing, 1), L"");
    EXPECT_EQ(List().RowValue(missing), 0);

    ASSERT_EQ(List().RowCount(), 2);
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(List().CellText(row, 0), L"kept");
        EXPECT_EQ(List().CellText(row, 1), L"");
        EXPECT_EQ(List().RowValue(row), row + 1);
    }
}

// Test names for integer cases: "Minus1", "2147483647".
std::string NumberName(const testing::TestParamInfo<std::int32_t>& number) {
    const std::string digits = std::to_string(number.param);
    return number.param < 0 ? "Minus" + digits.substr(1) : digits;
}

INSTANTIATE_TEST_SUITE_P(Indexes, MissingRowTest, testing::Values(-1, 2, 3, 1'000'000, INT_MAX, INT_MIN),
                         NumberName);

struct TextCase {
    const char* name;
    std::wstring text;
};

std::wstring Pattern(std::size_t length) {
    std::wstring text;
    for (std::size_t i = 0; i < length; ++i) text += static_cast<wchar_t>(L'a' + i % 26);
    return text;
}

std::wstring Repeat(std::wstring_view piece, std::size_t times) {
    std::wstring text;
    for (std::size_t i = 0; i < times; ++i) text += piece;
    return text;
}

class CellTextTest : public ReportListTest, public testing::WithParamInterface<TextCase> {};

TEST_P(CellTextTest, ComesBackWhole) {
    const std::wstring& text = GetParam().text;
    List().AppendRow(0);
    for (int column = 0; column < 3; ++column) {
        SCOPED_TRACE(testing::Message() << "column " << column);
        List().SetCellText(0, column, text);
        const std::wstring back = List().CellText(0, column);
        EXPECT_EQ(back.size(), text.size());
        EXPECT_TRUE(back == text) << "first characters back: " << Utf8(back.substr(0, 40));
    }
}

// The lengths around 64 and 128 straddle the sizes a growing read buffer
// passes through.
INSTANTIATE_TEST_SUITE_P(
    Texts, CellTextTest,
    testing::Values(TextCase{"Empty", L""}, TextCase{"Length63", Pattern(63)}, TextCase{"Length64", Pattern(64)},
                    TextCase{"Length65", Pattern(65)}, TextCase{"Length127", Pattern(127)},
                    TextCase{"Length128", Pattern(128)}, TextCase{"Length260", Pattern(260)},
                    TextCase{"Length10000", Pattern(10'000)}, TextCase{"Chinese", L"左键单击"},
                    TextCase{"ChineseLength10000", Repeat(L"右键单击", 2'500)},
                    TextCase{"OutsideTheBasicPlane", L"\U00020000\U0001F600x"},
                    TextCase{"Negative", L"-2147483648"}),
    CaseName());

class RowValueTest : public ReportListTest, public testing::WithParamInterface<std::int32_t> {};

TEST_P(RowValueTest, IsKeptExactly) {
    List().AppendRow(0);  // a neighbour that must keep its own value
    const int row = List().AppendRow(GetParam());
    EXPECT_EQ(List().RowValue(row), GetParam());
    EXPECT_EQ(List().RowValue(0), 0);
}

INSTANTIATE_TEST_SUITE_P(Values, RowValueTest,
                         testing::Values(INT32_MIN, -1, 1, 2, 0x12345678, 0x7FFF0000, INT32_MAX), NumberName);
// Rows are written at once, painting waits for the queue to go idle.
class DeferredPaintTest : public ReportListTest {
protected:
    static constexpr UINT AppendMessage = WM_APP + 1;

    void AppendFilledRow() {
        const int row = List().AppendRow(0);
        List().SetCellText(row, 0, L"WWWW");
        List().SetCellText(row, 1, std::to_wstring(row));
    }

    // Posts `count` messages to the thread and handles them as captures
    // are handled: each appends a row and takes a millisecond, so the idle
    // timer falls due well before the last one. Returns whether redraw was
    // suspended while each of them ran.
    std::vector<bool> RunBurst(int count) {
        for (int i = 0; i < count; ++i) PostThreadMessageW(GetCurrentThreadId(), AppendMessage, 0, 0);
        std::vector<bool> suspended;
        MSG message{};
        while (static_cast<int>(suspended.size()) < count && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message != AppendMessage) {
                DispatchThreadMessage(message);
                continue;
            }
            AppendFilledRow();
            suspended.push_back(List().RedrawSuspended());
            Sleep(1);
        }
        return suspended;
    }

    // Whether the label of `row` shows dark pixels: the text was drawn.
    bool RowIsDrawn(int row) {
        RECT label{};
        label.left = LVIR_LABEL;
        if (!SendMessageW(List().Handle(), LVM_GETITEMRECT, static_cast<WPARAM>(row),
                          reinterpret_cast<LPARAM>(&label))) {
            return false;
        }
        const HDC context = GetDC(List().Handle());
        bool dark = false;
        for (int y = label.top; y < label.bottom && !dark; ++y) {
            for (int x = label.left; x < label.right && !dark; ++x) {
                const COLORREF pixel = GetPixel(context, x, y);
                dark = pixel != CLR_INVALID && GetRValue(pixel) < 128 && GetGValue(pixel) < 128;
            }
        }
        ReleaseDC(List().Handle(), context);
        return dark;
    }

    // Lets the list take its idle timer and then its paint.
    bool PumpUntilPainted() {
        return PumpUntil([&] { return !List().RedrawSuspended() && !GetUpdateRect(List().Handle(), nullptr, FALSE); },
                         Milliseconds(2000));
    }
};

TEST_F(DeferredPaintTest, BurstKeepsRedrawSuspendedUntilTheQueueIsIdle) {
    constexpr int Burst = 40;
    const std::vector<bool> suspended = RunBurst(Burst);
    ASSERT_EQ(suspended.size(), static_cast<std::size_t>(Burst));
    for (std::size_t i = 0; i < suspended.size(); ++i) {
        EXPECT_TRUE(suspended[i]) << "repainted during the burst at row " << i;
    }
    // Readable at once, before any repaint.
    ASSERT_EQ(List().RowCount(), Burst);
    EXPECT_EQ(List().CellText(Burst - 1, 1), std::to_wstring(Burst - 1));
    EXPECT_TRUE(IsWindowVisible(List().Handle())) << "suspending redraw hid the list";

    ASSERT_TRUE(PumpUntilPainted()) << "the list was not repainted once the queue was idle";
    EXPECT_TRUE(RowIsDrawn(0));
}

TEST_F(DeferredPaintTest, LastRowOfABurstAndASingleRowAreDrawn) {
    ASSERT_TRUE(PumpUntilPainted());  // the empty list as shown
    // Five rows fit on screen: the last one of the burst must be drawn.
    (void)RunBurst(5);
    EXPECT_FALSE(RowIsDrawn(4)) << "drawn before the queue was idle";
    ASSERT_TRUE(PumpUntilPainted());
    EXPECT_TRUE(RowIsDrawn(4));

    // Nothing queued behind it: drawn right away, no idle timer needed.
    AppendFilledRow();
    EXPECT_FALSE(List().RedrawSuspended());
    ASSERT_TRUE(PumpUntilPainted());
    EXPECT_TRUE(RowIsDrawn(5));
}

}  // namespace
}  // namespace quorvel::test
