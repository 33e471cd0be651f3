#pragma once

#include "platform/window_definition.h"

namespace quorvel {

// The usage text window: one label, no handlers of its own.
DefinitionFor<NoHandlers> HelpWindowDefinition();

}  // namespace quorvel
