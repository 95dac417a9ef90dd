#pragma once

#include "run/Controls.h"
#include "run/Session.h"

namespace suoshui {

// The handler of "选号结果": reads the settings, normalises the digit boxes, generates the
// candidates, walks them through the number type, the exclusion sets and the condition chain,
// thins the result at random when asked, and writes the report. The window handles its events
// between candidates; when the player changed a control meanwhile, the settings are read again
// and apply to the candidates after the change. A call while a run is in progress returns at once.
void runFilter(Controls& controls, Session& session);

}  // namespace suoshui
