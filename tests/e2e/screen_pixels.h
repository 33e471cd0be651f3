#pragma once

#include "platform/win32.h"

namespace quorvel::e2e {

// Whether the screen shows dark pixels (text on a light background) inside
// `area`, read back from the screen itself: what the user sees, whichever
// process drew it.
bool ScreenShowsText(RECT area);

}  // namespace quorvel::e2e
