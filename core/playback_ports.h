#pragma once

#include <cstdint>
#include <string_view>

namespace quorvel {

// Mouse pointer shapes a control can carry, by their shape codes.
enum class PointerShape : std::int32_t { Standard = 0, Hand = 14 };

class Button {
public:
    virtual void SetDisabled(bool disabled) = 0;
    virtual void SetPointerShape(PointerShape shape) = 0;

protected:
    ~Button() = default;
};

class PeriodicTimer {
public:
    // 0 stops the timer. Writing the current period changes nothing; any
    // other period restarts the interval, first event one period later.
    virtual void SetPeriod(std::uint32_t milliseconds) = 0;

protected:
    ~PeriodicTimer() = default;
};

class ModalMessageBox {
public:
    // Task-modal, OK only; returns once dismissed. Messages keep being
    // dispatched meanwhile, so other handlers may run inside this call.
    virtual void ShowTaskModal(std::wstring_view text, std::wstring_view title) = 0;

protected:
    ~ModalMessageBox() = default;
};

// Click codes of the synthesised clicks.
enum class ClickCode : std::int32_t { LeftSingle = 0, RightSingle = 2 };

class ClickSynthesizer {
public:
    // Moves the pointer to (x, y), leaves it there and clicks there.
    virtual void SimulateMouseClick(std::int32_t x, std::int32_t y, ClickCode code) = 0;

protected:
    ~ClickSynthesizer() = default;
};

}  // namespace quorvel
