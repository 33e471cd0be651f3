#pragma once

#include "core/click_list.h"
#include "core/playback_controller.h"
#include "platform/os_operations.h"
#include "platform/window.h"
#include "ui/hot_key_window_proc.h"

namespace quorvel {

// The window the user works in: the point list, Start, Stop and Help, the
// click timer and the global hot keys, wired to the click list and the
// playback controller.
class MainWindow final : private HotKeyTarget {
public:
    MainWindow(RunTime& runTime, ProgramRecords& records);

    // Not modal, no owner: creates, raises the created event, shows.
    bool Load() { return window_.Load(false); }

    // Handlers named in the window definition.
    void OnMainWindowCreated();
    void OnMainWindowDestroying();
    void OnStartClicked() { playback_.OnStartClicked(); }
    void OnStopClicked() { playback_.OnStopClicked(); }
    void OnClickTimerTick() { playback_.OnClickTimerTick(); }
    void OnHelpClicked();

private:
    void RunHotKeyAction(HotKeyAction action) override;

    RunTime& runTime_;
    // Declared before the window: its destroying handler releases these.
    HotKeyRegistrations hotKeys_;
    Window window_;
    CursorPositionReader pointer_;
    SendInputClicks clicks_;
    TaskModalMessageBox messageBox_;
    ClickList clickList_;
    PlaybackController playback_;
};

}  // namespace quorvel
