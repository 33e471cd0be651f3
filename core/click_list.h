#pragma once

#include <cstdint>
#include <memory>

#include "core/click_point.h"
#include "core/list_rows.h"
#include "core/pointer_reader.h"
#include "core/program_records.h"

namespace quorvel {

// Records pointer positions as rows of the point list. Both records in
// `records` must exist for as long as captures can run.
class ClickList {
public:
    ClickList(ListRows& rows, PointerReader& pointer, ProgramRecords& records)
        : rows_(rows), pointer_(pointer), records_(records) {}

    void CaptureLeftClickPoint() { Capture(ClickKind::Left); }
    void CaptureRightClickPoint() { Capture(ClickKind::Right); }

    std::unique_ptr<ClickPoint> ReadCursorPosition();

    std::int32_t CapturedRowCount() const { return capturedRowCount_; }
    void ResetCapturedRowCount() { capturedRowCount_ = 0; }

private:
    void Capture(ClickKind kind);

    ListRows& rows_;
    PointerReader& pointer_;
    ProgramRecords& records_;
    std::int32_t capturedRowCount_ = 0;
};

}  // namespace quorvel
