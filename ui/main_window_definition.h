#pragma once

#include "platform/window_definition.h"

namespace quorvel {

class MainWindow;

// Layout, controls, initial states and event bindings of the main window.
DefinitionFor<MainWindow> MainWindowDefinition();

}  // namespace quorvel
