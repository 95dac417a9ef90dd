#pragma once

class QWidget;

namespace suoshui::ui {

struct WindowControls;

// The five input pages ("选择夹") that cover the position rows when a mode or option needs
// typed digits or numbers: 0 digit sequence, 1 banker and drag digits, 2 base list, 3 count,
// 4 exclusions. Hidden at start with page 0 current.
void buildInputPages(QWidget* window, WindowControls& controls);

}  // namespace suoshui::ui
