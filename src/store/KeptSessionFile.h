#pragma once

#include <QDateTime>
#include <QString>
#include <string>

#include "store/DataFolder.h"

namespace suoshui::store {

// The file in the data folder that holds the window's session when the program ends, written
// whole or not at all, so that an end in the middle of writing leaves the last one.
class KeptSessionFile {
  public:
    explicit KeptSessionFile(DataFolder folder) : folder_(std::move(folder)) {}

    QString path() const;
    bool exists() const;
    // When it was written, for the button's hover hint.
    QDateTime keptAt() const;

    // Empty on success, else why nothing was written.
    QString write(const std::string& utf8) const;

    struct Reading {
        std::string text;
        QString problem;  // why it could not be read; empty when it was
    };
    Reading read() const;

  private:
    DataFolder folder_;
};

}  // namespace suoshui::store
