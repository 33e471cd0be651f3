#pragma once

#include "platform/exit_routine.h"

namespace quorvel {

// Start-up: prepares the run time and the program's records, registers the
// exit routine, loads the main window and runs the message loop. Returns 0
// once the last window is gone.
int StartProgram(ExitRoutineSlot& exitRoutine);

// The exit routine: releases the records that start-up created.
void ReleaseProgramRecords();

}  // namespace quorvel
