#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "features/FilterSettings.h"
#include "run/Session.h"

namespace suoshui::ui {

// What the history window takes from the main window; what it gives back it says by signals.
struct HistoryLinks {
    std::function<FilterSettings()> readSettings;  // the settings as the window shows them now
    std::function<const Session&()> session;       // the last results and the run that made them
    std::function<QString()> chooseFile;           // the program's file dialog; empty on cancel
};

}  // namespace suoshui::ui
