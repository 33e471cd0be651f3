#pragma once

// Control identifiers of the main window. The end-to-end tests find the
// controls of the running program by these numbers.
namespace quorvel::main_window_ids {

inline constexpr int StartButton = 1001;
inline constexpr int StopButton = 1002;
inline constexpr int HelpButton = 1003;
inline constexpr int PointList = 1004;
inline constexpr int ClickTimer = 1;  // a timer id, not a child window

}  // namespace quorvel::main_window_ids
