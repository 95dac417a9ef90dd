#pragma once

#include <QString>
#include <memory>

class QSettings;

namespace suoshui::store {

// The one folder where the program keeps what outlives a start: the draw history, the kept
// session, the draw sources and the remembered choices, so that one folder is all a player
// backs up or moves. A main window looks it up when it is made and keeps it for its life, so
// that windows made after the environment changed (as tests do) each use their own.
class DataFolder {
  public:
    // "$XDG_DATA_HOME/suoshui", normally "~/.local/share/suoshui"; nothing is created yet.
    static DataFolder lookUp();

    explicit DataFolder(QString path) : path_(std::move(path)) {}

    const QString& path() const { return path_; }
    QString filePath(const QString& name) const;

    // Makes the folder when it is missing. Empty when it is there, else why it is not, in the
    // player's words.
    QString create() const;

    // The choices the program remembers between starts (the chosen lottery, last folders), in
    // "settings.ini" in this folder rather than Qt's usual place.
    std::unique_ptr<QSettings> rememberedChoices() const;

  private:
    QString path_;
};

}  // namespace suoshui::store
