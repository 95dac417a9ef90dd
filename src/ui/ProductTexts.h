#pragma once

#include <QString>

namespace suoshui::ui {

// The product name the start window and the main window's title bar show.
QString productTitle();

// The version as the windows show it, with its leading blank: " V2.90".
QString shownVersion();

}  // namespace suoshui::ui
