#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "features/FilterSettings.h"
#include "run/Session.h"

namespace suoshui::ui {

class ValueBox;

// What the history window takes from the main window, and the one thing it gives back.
struct HistoryLinks {
    std::function<FilterSettings()> readSettings;  // the settings as the window shows them now
    std::function<const Session&()> session;       // the last results and the run that made them
    std::function<QString()> chooseFile;           // the program's file dialog; empty on cancel
    std::function<std::vector<ValueBox*>()> valueBoxes;  // the boxes that take omission hints
    std::function<void(const QString&)> showHitLine;     // the line beside the result box
};

}  // namespace suoshui::ui
