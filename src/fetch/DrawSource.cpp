#include "fetch/DrawSource.h"

namespace suoshui::fetch {

namespace {

const QString kPagePlaceholder = QStringLiteral("{page}");

struct KindKey {
    SourceKind kind;
    const char* key;
};

constexpr KindKey kKindKeys[] = {
    {SourceKind::Welfare, "cwl"}, {SourceKind::Sports, "sporttery"}, {SourceKind::Text, "text"}};

}  // namespace

QString sourceKindKey(SourceKind kind) {
    for (const KindKey& entry : kKindKeys) {
        if (entry.kind == kind)
            return QString::fromLatin1(entry.key);
    }
    return {};
}

std::optional<SourceKind> sourceKindOfKey(const QString& key) {
    for (const KindKey& entry : kKindKeys) {
        if (key.trimmed().compare(QLatin1String(entry.key), Qt::CaseInsensitive) == 0)
            return entry.kind;
    }
    return std::nullopt;
}

bool hasPages(const DrawSource& source) {
    return source.url.contains(kPagePlaceholder);
}

QString pageUrl(const DrawSource& source, int page) {
    QString url = source.url;
    return url.replace(kPagePlaceholder, QString::number(page));
}

}  // namespace suoshui::fetch
