#pragma once

#include <QDir>
#include <QString>
#include <vector>

#include "fetch/SourcesFile.h"
#include "support/LocalHttpServer.h"

// sources.ini of a test's data folder, so that 更新开奖 never reaches past 127.0.0.1: by default
// both lotteries' sources sit on a local port where nothing listens.
inline void pointSourcesAt(const QString& dataHome,
                           const std::vector<suoshui::fetch::DrawSource>& sources) {
    const QString folder = dataHome + QStringLiteral("/suoshui");
    QDir().mkpath(folder);
    suoshui::fetch::writeSourcesFile(folder + QStringLiteral("/sources.ini"), sources);
}

// A source on this machine, without session page, referer or browser name.
inline suoshui::fetch::DrawSource localSource(const char* name, suoshui::Lottery lottery,
                                              suoshui::fetch::SourceKind kind, const QString& url,
                                              int pauseMs = 0) {
    suoshui::fetch::DrawSource source;
    source.name = QString::fromUtf8(name);
    source.lottery = lottery;
    source.kind = kind;
    source.url = url;
    source.pauseMs = pauseMs;
    return source;
}

inline std::vector<suoshui::fetch::DrawSource> unreachableSources() {
    using suoshui::fetch::SourceKind;
    const QString closed = LocalHttpServer::closedPortUrl();
    return {localSource("福彩网", suoshui::Lottery::Fucai3D, SourceKind::Welfare, closed),
            localSource("体彩网", suoshui::Lottery::Pailie3, SourceKind::Sports, closed)};
}
