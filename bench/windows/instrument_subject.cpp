// The subject of the instrument check: a program that, on a signal, burns
// CPU or leaks memory and handles on purpose, so that the bench can show its
// instruments move when they should.
//   instrument_subject burn MILLISECONDS GO DONE
//   instrument_subject leak KIB HANDLES GO DONE
// GO and DONE name events: it waits for GO, does its harm, sets DONE and
// waits to be ended.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/win32.h"

int main(int argc, char** argv) {
    if (argc != 5 && argc != 6) return 2;
    const bool burn = !std::strcmp(argv[1], "burn");
    const HANDLE go = OpenEventA(SYNCHRONIZE, FALSE, argv[argc - 2]);
    const HANDLE done = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[argc - 1]);
    if (!go || !done) return 3;
    WaitForSingleObject(go, INFINITE);

    std::vector<HANDLE> leaked;
    if (burn) {
        const DWORD until = GetTickCount() + static_cast<DWORD>(std::atoi(argv[2]));
        volatile unsigned long spin = 0;
        while (static_cast<int>(until - GetTickCount()) > 0) spin = spin + 1;
    } else {
        const std::size_t bytes = static_cast<std::size_t>(std::atoi(argv[2])) * 1024;
        // Touched, so that it is resident as well as committed.
        char* block = static_cast<char*>(VirtualAlloc(nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
        if (block) std::memset(block, 1, bytes);
        for (int i = 0; i < std::atoi(argv[3]); ++i) leaked.push_back(CreateEventA(nullptr, FALSE, FALSE, nullptr));
    }
    SetEvent(done);
    Sleep(INFINITE);
    return 0;
}
