#pragma once

#include <cstdint>
#include <span>

#include "core/playback_ports.h"
#include "platform/event_handler.h"

namespace quorvel {

enum class ControlKind { PushButton, Timer, ReportList, Label };

enum class ColumnAlignment { Left, Centre };

struct ColumnDefinition {
    const wchar_t* title;
    int width;
    ColumnAlignment alignment;
};

struct FontDefinition {
    const wchar_t* face;
    int height;  // negative: character height in pixels
    int weight;
    std::uint8_t charset;
};

// One control of a window definition. Positions are client coordinates.
struct ControlDefinition {
    ControlKind kind;
    const wchar_t* formName;
    int id;  // control id, or timer id for a timer
    int left, top, width, height;
    const wchar_t* caption = L"";
    bool enabled = true;
    PointerShape pointer = PointerShape::Standard;
    int focusOrder = -1;  // position in the Tab order; -1: never takes the focus
    EventHandler onEvent{};  // clicked for buttons, periodic event for timers
    std::span<const ColumnDefinition> columns{};  // report lists
    const FontDefinition* font = nullptr;       // null: the default GUI font
};

struct WindowDefinition {
    const wchar_t* caption;
    int outerWidth, outerHeight;     // frame and title bar included
    bool taskbarButton;              // false: owned by the active window
    bool visible;
    const wchar_t* iconResource;     // large and small icon
    EventHandler onCreated{};          // before the window is first shown
    EventHandler onDestroying{};       // while the handle is still valid
    std::span<const ControlDefinition> controls{};  // in creation order
};

}  // namespace quorvel
