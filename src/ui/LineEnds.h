#pragma once

#include <QString>

namespace suoshui::ui {

// Multi-line boxes show plain line breaks; whoever reads their text gets CR LF, as reports are
// written, and CR LF given to a box shows as one line break.
QString toCrLf(const QString& shown);
QString fromCrLf(const QString& text);

}  // namespace suoshui::ui
