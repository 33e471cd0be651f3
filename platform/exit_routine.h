#pragma once

namespace quorvel {

// The single exit-routine slot: filled at start-up, run once at the normal
// end of the program, then empty.
class ExitRoutineSlot {
public:
    using Routine = void (*)();

    void Register(Routine routine) { routine_ = routine; }
    void Run() {
        const Routine routine = routine_;
        routine_ = nullptr;
        if (routine) routine();
    }

private:
    Routine routine_ = nullptr;
};

}  // namespace quorvel
