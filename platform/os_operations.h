#pragma once

#include "core/playback_ports.h"
#include "core/pointer_reader.h"

namespace quorvel {

class CursorPositionReader final : public PointerReader {
public:
    void ReadPointerPosition(ClickPoint& point) override;
};

// SetCursorPos, then the press and the release in one SendInput call, so no
// other input can fall between them; both act where the pointer was put.
class SendInputClicks final : public ClickSynthesizer {
public:
    void SimulateMouseClick(std::int32_t x, std::int32_t y, ClickCode code) override;
};

// MB_OK | MB_TASKMODAL without an owner: every window of the thread is
// disabled while it is open, and its own loop keeps dispatching messages.
class TaskModalMessageBox final : public ModalMessageBox {
public:
    void ShowTaskModal(std::wstring_view text, std::wstring_view title) override;
};

}  // namespace quorvel
