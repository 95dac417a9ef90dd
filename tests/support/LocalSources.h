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

inline std::vector<suoshui::fetch::DrawSource> unreachableSources() {
    using suoshui::fetch::DrawSource;
    using suoshui::fetch::SourceKind;
    const QString closed = LocalHttpServer::closedPortUrl();
    return {DrawSource{QStringLiteral("福彩网"),
                       suoshui::Lottery::Fucai3D,
                       SourceKind::Welfare,
                       closed,
                       {},
                       {},
                       {},
                       0},
            DrawSource{QStringLiteral("体彩网"),
                       suoshui::Lottery::Pailie3,
                       SourceKind::Sports,
                       closed,
                       {},
                       {},
                       {},
                       0}};
}
