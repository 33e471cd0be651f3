#include "app/start_program.h"
#include "platform/win32.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // The command line has no meaning for the program.
    quorvel::ExitRoutineSlot exitRoutine;
    (void)quorvel::StartProgram(exitRoutine);
    exitRoutine.Run();
    return 0;
}
