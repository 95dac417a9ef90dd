#pragma once

#include <memory>

#include "support/MemoryControls.h"

namespace suoshui::testing {

// Adds every tagged control of the main window in its control order, from the window table:
// the value boxes (the never-shown rows and the stray "4" of "连  号" included), the "全选"
// toggles and the click relay.
void addWindowBoxes(MemoryControls& controls);

// In-memory controls in the start state carrying the whole window.
std::unique_ptr<MemoryControls> makeWindowControls();

}  // namespace suoshui::testing
