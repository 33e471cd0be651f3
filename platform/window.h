#pragma once

#include <memory>
#include <type_traits>
#include <vector>

#include "platform/control.h"
#include "platform/run_time.h"
#include "platform/unique_handle.h"
#include "platform/window_definition.h"

namespace quorvel {

class PushButton;
class ClickTimer;
class ReportList;

// A top-level window built from a definition. The object owns the OS window
// (destroying it if it still exists) and its icons.
class Window {
public:
    // The handlers named in the definition are called on `owner`; a
    // definition that names a member of another class does not compile.
    template <class Owner>
    Window(RunTime& runTime, std::type_identity_t<DefinitionFor<Owner>> definition, Owner& owner)
        : Window(runTime, definition.Get(), &owner) {}
    // A window whose definition names no handlers.
    Window(RunTime& runTime, DefinitionFor<NoHandlers> definition) : Window(runTime, definition.Get(), nullptr) {}
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Creates the window hidden, then its controls in definition order,
    // raises the created event, then shows and activates the window.
    // Modal: the program's other top-level windows are disabled and a nested
    // message loop runs until this window is gone. False if the window could
    // not be created.
    bool Load(bool modal);

    // Null before Load and once the window is destroyed. Borrowed.
    HWND Handle() const { return handle_; }

    PushButton& Button(int id);
    ClickTimer& Timer(int id);
    ReportList& List(int id);

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Tab, Shift+Tab and Esc for run-time windows; true if consumed.
    static bool TranslateKeyboard(const MSG& message);

private:
    Window(RunTime& runTime, const WindowDefinition& definition, void* owner);

    static Window* FromHandle(HWND window);
    // The window procedure of one window: cracks the message and forwards it.
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(HWND child, WORD notification);
    void OnTimer(int id);
    bool OnSetCursor(HWND child, WORD hitTest);
    void OnPaint();
    bool OnActivate(WORD state);
    void OnDestroy();
    void OnNcDestroy();
    void RaiseEvent(const Control& control);

    Control* FindControl(int id);
    Control* FindControl(HWND child);
    template <class T>
    T& Get(int id);

    void MoveFocus(bool forward);
    HWND FirstFocusable() const;
    bool RestoreFocus();
    static BOOL CALLBACK DisableIfOther(HWND window, LPARAM modalWindow);
    void DisableOtherWindows();
    void EnableOtherWindows();
    void RunModalLoop();

    RunTime& runTime_;
    const WindowDefinition& definition_;
    void* owner_;  // of the class the definition's handlers belong to
    std::vector<std::unique_ptr<Control>> controls_;
    UniqueIcon largeIcon_;
    UniqueIcon smallIcon_;
    HWND handle_ = nullptr;          // owned; see the destructor
    HWND lastFocus_ = nullptr;       // borrowed child
    std::vector<HWND> disabledByModal_;  // borrowed
};

}  // namespace quorvel
