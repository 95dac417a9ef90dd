#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "fetch/DrawSource.h"

namespace suoshui::fetch {

// The sources as sources.ini lists them, in the order of its groups, and what could not be used.
struct SourceList {
    std::vector<DrawSource> sources;
    QStringList problems;  // in the player's words, one per unusable file or group
};

// Reads sources.ini; a missing file is written with the defaults first, so that the player finds
// one to edit. A file that cannot be read gives the defaults, and says so.
SourceList readSourcesFile(const QString& path);

// The file's text: a comment on every key, then one group per source.
QString sourcesFileText(const std::vector<DrawSource>& sources);
// Empty when written, else why not.
QString writeSourcesFile(const QString& path, const std::vector<DrawSource>& sources);

}  // namespace suoshui::fetch
