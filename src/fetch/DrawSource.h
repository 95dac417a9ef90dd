#pragma once

#include <QString>
#include <optional>

#include "history/Lottery.h"

namespace suoshui::fetch {

// How a source's answer is read.
enum class SourceKind {
    Welfare,  // "cwl": the JSON of the 中国福利彩票 site
    Sports,   // "sporttery": the JSON of the 中国体育彩票 site
    Text,     // "text": any text the history reader understands
};

// Where the draws of one lottery are fetched from, as sources.ini names it.
struct DrawSource {
    QString name;  // the group's name in sources.ini, used in every message about the source
    Lottery lottery = Lottery::Fucai3D;
    SourceKind kind = SourceKind::Text;
    QString url;         // "{page}" stands for the page number, counted from 1
    QString sessionUrl;  // fetched first for the cookies the site wants; may be empty
    QString referer;
    QString userAgent;
    int pauseMs = 1000;  // between two pages, so that the site is not pressed

    bool operator==(const DrawSource&) const = default;
};

// The key of the kind in sources.ini ("cwl", "sporttery", "text"), and back.
QString sourceKindKey(SourceKind kind);
std::optional<SourceKind> sourceKindOfKey(const QString& key);

// Whether the url has pages: without "{page}" a source answers with one page only.
bool hasPages(const DrawSource& source);
QString pageUrl(const DrawSource& source, int page);

}  // namespace suoshui::fetch
