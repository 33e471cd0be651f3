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

    // The control's answers to the messages its window receives for it. A
    // control that has nothing to say keeps these defaults.
    // WM_COMMAND from the control's own window: true if the notification
    // raises the control's event.
    virtual bool OnCommand(WORD /*notification*/) { return false; }
    // WM_TIMER with the control's id: true if it raises the control's event.
    virtual bool OnTimer() { return false; }
    // The cursor while the pointer is over the control's client area; null
    // leaves the choice to the system.
    virtual HCURSOR Cursor() const { return nullptr; }
    // Its part of the window's WM_PAINT.
    virtual void Paint(HDC /*context*/) const {}

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
