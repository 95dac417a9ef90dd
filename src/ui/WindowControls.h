#pragma once

#include <map>

#include "engine/Controls.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QStackedWidget;
class QPushButton;

namespace suoshui::ui {

// The named input controls of the main window, filled in as its parts are built. The core's
// enumerations name them, so the window answers the core through these maps.
struct WindowControls {
    std::map<Radio, QRadioButton*> radios;
    std::map<Check, QCheckBox*> checks;
    std::map<TextBox, QLineEdit*> lineBoxes;
    std::map<TextBox, QPlainTextEdit*> multiLineBoxes;
    QStackedWidget* inputPages = nullptr;
    QComboBox* positionSelector = nullptr;
    QPushButton* importBaseList = nullptr;
};

}  // namespace suoshui::ui
