#pragma once

namespace suoshui::ui {

// Lets the window handle pending events in the middle of a handler (a run walking, a box drawn
// before its row is synced). While such a pass is under way, nothing the handler uses may be
// destroyed: a window asked to close then waits until the pass is over.
void letEventsThrough(bool includeInput = true);

// Whether a handler somewhere below is in such a pass.
bool insideEventPass();

}  // namespace suoshui::ui
