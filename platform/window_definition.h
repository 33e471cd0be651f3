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

// The owner class of a window whose definition names no handlers.
struct NoHandlers;

namespace detail {
// Never defined and never called at run time: DefinitionFor calls it only
// while compiling a definition that names a handler of another class than
// its owner's, so the compiler stops there and names it in its message.
void HandlerBoundToAnotherClass();

constexpr bool NamesOnlyHandlersOf(const WindowDefinition& definition, const char* ownerClass) {
    const auto ofAnotherClass = [ownerClass](const EventHandler& handler) {
        return handler && handler.ownerClass != ownerClass;
    };
    if (ofAnotherClass(definition.onCreated) || ofAnotherClass(definition.onDestroying)) return false;
    for (const ControlDefinition& control : definition.controls) {
        if (ofAnotherClass(control.onEvent)) return false;
    }
    return true;
}
}  // namespace detail

// A window definition whose handlers, the window's and its controls', are
// all members of `Owner`. It is made only while compiling, from a definition
// that is constant data, so a handler of another class does not compile.
template <class Owner>
class DefinitionFor {
public:
    // Implicit: a definition is passed where its owner's windows are built.
    consteval DefinitionFor(const WindowDefinition& definition) : definition_(definition) {
        if (!detail::NamesOnlyHandlersOf(definition, &ClassTag<Owner>)) detail::HandlerBoundToAnotherClass();
    }

    const WindowDefinition& Get() const { return definition_; }

private:
    const WindowDefinition& definition_;
};

}  // namespace quorvel
