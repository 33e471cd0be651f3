#pragma once

#include "core/click_point.h"

namespace quorvel {

class PointerReader {
public:
    // Fills `point` with the pointer's screen position. On failure `point`
    // may be left as it was; callers pre-set it.
    virtual void ReadPointerPosition(ClickPoint& point) = 0;

protected:
    ~PointerReader() = default;
};

}  // namespace quorvel
