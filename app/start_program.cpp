#include "app/start_program.h"

#include <memory>

#include "core/program_records.h"
#include "platform/run_time.h"
#include "ui/main_window.h"

namespace quorvel {
namespace {

// The last captured point and the pointer scratch record: created at
// start-up, read by every capture, released by the exit routine.
ProgramRecords Records;

}  // namespace

int StartProgram(ExitRoutineSlot& exitRoutine) {
    RunTime runTime;
    Records.lastCapturedPoint = std::make_unique<ClickPoint>(ClickPoint{0, 0});
    Records.cursorScratch = std::make_unique<ClickPoint>(ClickPoint{0, 0});
    exitRoutine.Register(&ReleaseProgramRecords);

    MainWindow mainWindow(runTime, Records);
    if (!mainWindow.Load()) FatalAppExitW(0, L"Quorvel: the main window cannot be created.");
    runTime.RunMessageLoop();
    return 0;
}

void ReleaseProgramRecords() {
    Records.lastCapturedPoint.reset();
    Records.cursorScratch.reset();
}

}  // namespace quorvel
