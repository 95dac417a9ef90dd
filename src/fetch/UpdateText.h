#pragma once

#include <QString>

#include "fetch/DrawUpdate.h"
#include "history/DrawMerge.h"

namespace suoshui::fetch {

// What an update did, in the player's words, and whether something went wrong.
struct UpdateReport {
    QString text;
    bool failed = false;
};

// The report of an update whose draws were added with `merge` ("福彩网：新增 3 期，最新
// 2026235"), or were not kept because of `keepFailure`; each source set aside is named with why.
UpdateReport updateReport(const UpdateOutcome& outcome, const DrawMerge& merge,
                          const QString& keepFailure);

}  // namespace suoshui::fetch
