// F6 and F7 record the pointer position as new rows of the list.
#include <string>
#include <vector>

#include "quorvel_fixture.h"
#include "window_query.h"

namespace quorvel::e2e {
namespace {

using Capture = QuorvelTest;

struct CaptureCase {
    WORD key;
    POINT at;
    const wchar_t* kind;
    LPARAM value;
};

// Screen corners give the extreme texts: "0" and the last pixel of the
// virtual desktop. The same spot twice gives two equal rows.
std::vector<CaptureCase> Cases() {
    const LONG right = GetSystemMetrics(SM_CXSCREEN) - 1;
    const LONG bottom = GetSystemMetrics(SM_CYSCREEN) - 1;
    return {
        {VK_F6, {100, 200}, L"左键单击", 0},
        {VK_F7, {345, 67}, L"右键单击", 1},
        {VK_F6, {0, 0}, L"左键单击", 0},
        {VK_F7, {right, bottom}, L"右键单击", 1},
        {VK_F6, {right, 0}, L"左键单击", 0},
        {VK_F6, {right, 0}, L"左键单击", 0},
    };
}

TEST_F(Capture, EachKeyAppendsOneRowWithKindAndPosition) {
    const std::vector<CaptureCase> cases = Cases();
    for (const CaptureCase& step : cases) {
        SCOPED_TRACE(testing::Message() << "key " << step.key << " at " << step.at.x << "," << step.at.y);
        ASSERT_TRUE(CaptureWithKey(program_, step.key, step.at));
    }

    // Rows stay in capture order: each capture goes to the end.
    const std::vector<ListRow> rows = RowsOf(program_);
    ASSERT_EQ(rows.size(), cases.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "row " << i);
        EXPECT_EQ(rows[i].kind, cases[i].kind);
        EXPECT_EQ(rows[i].x, std::to_wstring(cases[i].at.x));
        EXPECT_EQ(rows[i].y, std::to_wstring(cases[i].at.y));
        EXPECT_EQ(rows[i].value, cases[i].value);
    }
}

TEST_F(Capture, KeysActWhileAnotherWindowIsInFront) {
    // The hot keys are global: the program need not have the keyboard.
    const TargetWindow other({700, 100, 1000, 300}, TargetWindow::Activation::Allowed);
    ASSERT_TRUE(BringToFront(other.Handle()));
    ASSERT_TRUE(CaptureWithKey(program_, VK_F7, other.ToScreen({10, 20})));
    EXPECT_EQ(GetForegroundWindow(), other.Handle());
    const std::vector<ListRow> rows = RowsOf(program_);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].kind, L"右键单击");
    EXPECT_EQ(rows[0].value, 1);
}

}  // namespace
}  // namespace quorvel::e2e
