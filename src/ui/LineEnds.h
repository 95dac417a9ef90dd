#pragma once

#include <QString>

namespace suoshui::ui {

// The longest line a number box lays out: Qt lays a whole line out again at every key, so a
// pasted line of megabytes would make every key slow.
inline constexpr qsizetype kLongestBoxLine = 1024;

// The text with its long lines broken into lines of at most kLongestBoxLine, reading the same
// numbers (see withShortLines); the text itself when no line is that long.
QString withShortBoxLines(const QString& text);

// Multi-line boxes show plain line breaks; whoever reads their text gets CR LF, as reports are
// written, and CR LF given to a box shows as one line break.
QString toCrLf(const QString& shown);
QString fromCrLf(const QString& text);

}  // namespace suoshui::ui
