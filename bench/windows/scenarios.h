#pragma once

namespace quorvel::bench {

// Each drives the real exe from outside, prints its figures and returns the
// exit status: 0, or 1 after a one-line message naming what failed.

// Two rows on a target window, a marker position for the pointer clock,
// then playback for `clicks` clicks; prints the schedule as the target
// window received it.
int MeasureSchedule(int clicks);
// CPU time of the program idle and playing, beside an idle notepad.
int MeasureCpu(int seconds);
// Process start to the main window shown, and to the first hot key acted on.
int MeasureStartUp(int runs);
// The two capture bursts, with CPU and memory per row.
int MeasureCaptures();
// The instruments against a program that burns CPU and leaks on purpose.
int CheckInstruments();

}  // namespace quorvel::bench
