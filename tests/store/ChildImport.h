#pragma once

#include <QByteArray>
#include <QString>
#include <cstdio>

#include "store/HistoryDatabase.h"

namespace suoshui::store {

// The environment variable naming the database a child run adds to.
inline constexpr char kChildImportVariable[] = "SUOSHUI_CHILD_IMPORT";
inline constexpr std::size_t kChildImportDraws = 400000;

// In a child run: adds a large history in one transaction, saying "writing" once it is well
// under way, for the parent to kill it there. -1 when this is no child run.
inline int runChildImportIfAsked() {
    const QByteArray path = qgetenv(kChildImportVariable);
    if (path.isEmpty())
        return -1;
    HistoryDatabase database(QString::fromLocal8Bit(path), QStringLiteral("child"));
    DrawHistory draws;
    for (std::size_t i = 0; i < kChildImportDraws; ++i)
        draws.push_back({std::to_string(3000000 + i), "", static_cast<int>(i % 1000)});
    bool told = false;
    database.add(Lottery::Fucai3D, draws, [&told](std::size_t written) {
        if (!told && written > 1000) {
            std::fputs("writing\n", stdout);
            std::fflush(stdout);
            told = true;
        }
    });
    return 0;
}

}  // namespace suoshui::store
