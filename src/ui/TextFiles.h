#pragma once

#include <QString>
#include <any>
#include <functional>
#include <string>

#include "lists/ReportFile.h"

namespace suoshui::ui {

// What went wrong with a file, in words for the player; empty when nothing did.
struct FileProblem {
    QString reason;
    bool happened() const { return !reason.isEmpty(); }
};

// Saves the report in GBK: appends to an existing file, creates a new one with the title line.
FileProblem saveReportToFile(const QString& path, const std::string& report, const LocalTime& now);

// Writes a UTF-8 text into a file, replacing what it held.
FileProblem writeTextFile(const QString& path, const std::string& utf8);

struct ImportedText {
    QString text;
    FileProblem problem;
    bool cancelled = false;
    QString refused;  // why the text cannot be used, found after the reading; empty when it can
    QString note;     // what the reading found worth saying besides the text
    std::any made;    // what the worker made of the text for the window to take
};

// Told how many bytes of how many are read; answers false to stop the reading.
using ReadProgress = std::function<bool(qint64 read, qint64 total)>;

// Reads a whole imported file (a base list, a draw history), GBK unless it is UTF-8 or carries
// a byte-order mark. `what` names what is imported in the reason a too large file gives.
ImportedText readImportedFile(const QString& path, const QString& what = QStringLiteral("大底"),
                              const ReadProgress& progress = {});

// The local time now, as the save stamps it.
LocalTime localTimeNow();

}  // namespace suoshui::ui
