#pragma once

#include "engine/Controls.h"
#include "engine/Session.h"

namespace suoshui {

// "暂存结果": appends the numbers of the result listing (the text between the first and the
// second "注" of the result box) to the base list, normalised with the options as ticked. The
// first store clears the base list only while it still shows its initial hint.
void storeResult(Controls& controls, Session& session);

}  // namespace suoshui
