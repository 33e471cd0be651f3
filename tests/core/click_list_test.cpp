#include "core/click_list.h"

#include <gtest/gtest.h>

#include "tests/core/fakes.h"

namespace quorvel {
namespace {

using fakes::CallLog;

class ClickListTest : public ::testing::Test {
protected:
    ClickListTest() {
        records.lastCapturedPoint = std::make_unique<ClickPoint>();
        records.cursorScratch = std::make_unique<ClickPoint>();
    }

    CallLog log;
    fakes::FakeListRows rows{log};
    fakes::FakePointer pointer{log};
    ProgramRecords records;
    ClickList list{rows, pointer, records};
};

TEST_F(ClickListTest, CaptureReadsThenAppendsThenWritesTheCellsOfTheCountedRow) {
    pointer.position = ClickPoint{-5, 300};
    list.CaptureLeftClickPoint();
    EXPECT_EQ(log, (CallLog{"read pointer", "append 0", "cell 0,0 ????", "cell 0,1 -5", "cell 0,2 300"}));
    EXPECT_EQ(list.CapturedRowCount(), 1);
}

TEST_F(ClickListTest, EachKindGivesItsTextAndRowValue) {
    const struct {
        void (ClickList::*capture)();
        const wchar_t* text;
        std::int32_t value;
    } cases[] = {
        {&ClickList::CaptureLeftClickPoint, L"左键单击", 0},
        {&ClickList::CaptureRightClickPoint, L"右键单击", 1},
    };
    pointer.position = ClickPoint{10, 20};
    for (const auto& c : cases) {
        (list.*c.capture)();
        const auto& row = rows.rows.back();
        EXPECT_EQ(row.cells[0], c.text);
        EXPECT_EQ(row.cells[1], L"10");
        EXPECT_EQ(row.cells[2], L"20");
        EXPECT_EQ(row.value, c.value);
    }
}

TEST_F(ClickListTest, SamePositionTwiceGivesTwoIdenticalRows) {
    pointer.position = ClickPoint{1, 2};
    list.CaptureRightClickPoint();
    list.CaptureRightClickPoint();
    ASSERT_EQ(rows.RowCount(), 2);
    EXPECT_EQ(rows.rows[0].cells[1], rows.rows[1].cells[1]);
    EXPECT_EQ(rows.rows[0].cells[2], rows.rows[1].cells[2]);
    EXPECT_EQ(list.CapturedRowCount(), 2);
}

TEST_F(ClickListTest, FailedPointerReadGivesZeroRowEvenAfterAnEarlierCapture) {
    pointer.position = ClickPoint{77, -88};
    list.CaptureLeftClickPoint();
    pointer.position.reset();  // the read fails from now on
    list.CaptureLeftClickPoint();
    EXPECT_EQ(rows.rows[1].cells[1], L"0");
    EXPECT_EQ(rows.rows[1].cells[2], L"0");
    EXPECT_EQ(*records.lastCapturedPoint, (ClickPoint{0, 0}));
}

TEST_F(ClickListTest, CaptureReplacesTheLastPointRecordAndKeepsTheScratchRecord) {
    const ClickPoint* scratch = records.cursorScratch.get();
    pointer.position = ClickPoint{3, 4};
    list.CaptureLeftClickPoint();
    const ClickPoint* first = records.lastCapturedPoint.get();
    EXPECT_EQ(*first, (ClickPoint{3, 4}));
    EXPECT_NE(first, scratch);

    pointer.position = ClickPoint{5, 6};
    list.CaptureRightClickPoint();
    EXPECT_EQ(*records.lastCapturedPoint, (ClickPoint{5, 6}));
    EXPECT_EQ(records.cursorScratch.get(), scratch);
    EXPECT_EQ(*scratch, (ClickPoint{5, 6}));
}

TEST_F(ClickListTest, ReadCursorPositionReturnsAFreshRecordOwnedByTheCaller) {
    pointer.position = ClickPoint{-2147483647 - 1, 2147483647};
    std::unique_ptr<ClickPoint> point = list.ReadCursorPosition();
    ASSERT_NE(point, nullptr);
    EXPECT_NE(point.get(), records.cursorScratch.get());
    EXPECT_EQ(*point, (ClickPoint{-2147483647 - 1, 2147483647}));
}

TEST_F(ClickListTest, CounterAddressesTheRowsAndCanBeReset) {
    pointer.position = ClickPoint{1, 1};
    for (int i = 0; i < 3; ++i) list.CaptureLeftClickPoint();
    EXPECT_EQ(log[7], "cell 1,0 ????");
    EXPECT_EQ(log[12], "cell 2,0 ????");
    EXPECT_EQ(list.CapturedRowCount(), 3);
    list.ResetCapturedRowCount();
    EXPECT_EQ(list.CapturedRowCount(), 0);
}

}  // namespace
}  // namespace quorvel
