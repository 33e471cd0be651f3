#pragma once

#include "platform/win32.h"
#include "platform/window_definition.h"

namespace quorvel {

// A control of a run-time window, built from its definition before the OS
// window exists and created together with the window.
class Control {
public:
    explicit Control(const ControlDefinition& definition) : definition_(definition) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    virtual void Create(HWND parent) = 0;
    // The parent window is being destroyed; the child windows go with it.
    virtual void OnParentDestroyed() { handle_ = nullptr; }

    const ControlDefinition& Definition() const { return definition_; }
    // Null for a control without a window of its own. Borrowed: the parent
    // window destroys its children.
    HWND Handle() const { return handle_; }

protected:
    HWND CreateChild(HWND parent, const wchar_t* windowClass, DWORD style, DWORD exStyle);

    const ControlDefinition& definition_;
    HWND handle_ = nullptr;
};

}  // namespace quorvel
