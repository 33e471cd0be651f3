#include "core/click_list.h"

#include "core/coordinate_text.h"

namespace quorvel {

std::unique_ptr<ClickPoint> ClickList::ReadCursorPosition() {
    ClickPoint& scratch = *records_.cursorScratch;
    scratch = ClickPoint{};  // a failed read must leave (0, 0), not the last position
    pointer_.ReadPointerPosition(scratch);
    return std::make_unique<ClickPoint>(scratch);
}

void ClickList::Capture(ClickKind kind) {
    records_.lastCapturedPoint = ReadCursorPosition();
    const ClickPoint point = *records_.lastCapturedPoint;

    (void)rows_.AppendRow(static_cast<std::int32_t>(kind));
    // Address the row by the counter: it equals the appended index because
    // nothing else ever adds, removes or reorders rows.
    const int row = capturedRowCount_;
    rows_.SetCellText(row, 0, ClickKindText(kind));
    rows_.SetCellText(row, 1, CoordinateText(point.x));
    rows_.SetCellText(row, 2, CoordinateText(point.y));
    ++capturedRowCount_;
}

}  // namespace quorvel
