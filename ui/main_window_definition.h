#pragma once

#include "platform/window_definition.h"

namespace quorvel {

// Layout, controls, initial states and event bindings of the main window.
const WindowDefinition& MainWindowDefinition();

}  // namespace quorvel
