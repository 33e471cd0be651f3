#include "ui/main_window.h"

#include "platform/click_timer.h"
#include "platform/push_button.h"
#include "platform/report_list.h"
#include "ui/help_window_definition.h"
#include "ui/main_window_definition.h"
#include "ui/main_window_ids.h"

namespace quorvel {

namespace ids = main_window_ids;

MainWindow::MainWindow(RunTime& runTime, ProgramRecords& records)
    : runTime_(runTime),
      window_(runTime, MainWindowDefinition(), *this),
      clickList_(window_.List(ids::PointList), pointer_, records),
      playback_({window_.List(ids::PointList), window_.Button(ids::StartButton), window_.Button(ids::StopButton),
                 window_.Timer(ids::ClickTimer), messageBox_, clicks_}) {}

void MainWindow::OnMainWindowCreated() {
    window_.Button(ids::StopButton).SetDisabled(true);
    clickList_.ResetCapturedRowCount();
    InstallHotKeys(window_.Handle(), *this, hotKeys_);
}

void MainWindow::OnMainWindowDestroying() { ReleaseHotKeys(window_.Handle(), hotKeys_); }

void MainWindow::OnHelpClicked() {
    // Modal: returns once the help window is closed. Meanwhile the thread
    // keeps dispatching, so hot keys and playback go on behind it.
    Window help(runTime_, HelpWindowDefinition());
    (void)help.Load(true);
}

void MainWindow::RunHotKeyAction(HotKeyAction action) {
    switch (action) {
        case HotKeyAction::Start: OnStartClicked(); break;
        case HotKeyAction::Stop: OnStopClicked(); break;
        case HotKeyAction::CaptureLeft: clickList_.CaptureLeftClickPoint(); break;
        case HotKeyAction::CaptureRight: clickList_.CaptureRightClickPoint(); break;
    }
}

}  // namespace quorvel
