#pragma once

#include <memory>

#include "core/click_point.h"

namespace quorvel {

// The two point records that live from start-up to the exit routine. Start-up
// fills both; the exit routine releases them in declaration order.
struct ProgramRecords {
    std::unique_ptr<ClickPoint> lastCapturedPoint;
    std::unique_ptr<ClickPoint> cursorScratch;
};

}  // namespace quorvel
