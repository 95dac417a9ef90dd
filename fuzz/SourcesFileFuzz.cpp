// Feeds arbitrary bytes as sources.ini: every source read has a lottery, a kind and an http(s)
// url, and a pause within bounds; whatever is not usable is named, never taken.
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "fetch/SourcesFile.h"

using suoshui::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sources.ini"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    file.close();
    const suoshui::fetch::SourceList list = suoshui::fetch::readSourcesFile(path);
    for (const suoshui::fetch::DrawSource& source : list.sources) {
        check(source.url.startsWith(QLatin1String("http://")) ||
              source.url.startsWith(QLatin1String("https://")));
        check(source.pauseMs >= 0 && source.pauseMs <= 60000);
        check(!source.name.isEmpty());
    }
    return 0;
}
