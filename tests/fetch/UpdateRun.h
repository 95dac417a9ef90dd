#pragma once

#include <QEventLoop>
#include <QTimer>
#include <optional>

#include "fetch/DrawUpdate.h"

// Runs an update to its end in the event loop, with the local server answering meanwhile; gives
// nothing when it has not ended within `patience` (a hang is a failure, not a wait).
inline std::optional<suoshui::fetch::UpdateOutcome> waitForUpdate(
    suoshui::fetch::DrawUpdate& update, int patienceMs = 20000) {
    std::optional<suoshui::fetch::UpdateOutcome> outcome;
    QEventLoop loop;
    QObject::connect(&update, &suoshui::fetch::DrawUpdate::finished, &loop,
                     [&](const suoshui::fetch::UpdateOutcome& ended) {
                         outcome = ended;
                         loop.quit();
                     });
    QTimer::singleShot(patienceMs, &loop, &QEventLoop::quit);
    if (update.isRunning())
        loop.exec();
    return outcome;
}
