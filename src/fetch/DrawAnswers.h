#pragma once

#include <QByteArray>
#include <QString>

#include "fetch/DrawSource.h"
#include "history/DrawHistory.h"
#include "history/Lottery.h"

namespace suoshui::fetch {

// One page of a source's answer judged: its draws, newest first, or why none of it is kept.
struct DrawPage {
    DrawHistory draws;
    QString fault;  // empty when the page is whole
};

// The 福彩3D answer of the 中国福利彩票 site: JSON with the draws under "result", each with
// "code" (issue), "date" ("2026-06-13(六)") and "red" ("3,7,7"). Only these names are relied on.
DrawPage readWelfareAnswer(const QByteArray& body);

// The 排列3 answer of the 中国体育彩票 site: JSON with the draws under "value" → "list", each with
// "lotteryDrawNum" (five digits), "lotteryDrawResult" ("3 7 7") and "lotteryDrawTime".
DrawPage readSportsAnswer(const QByteArray& body);

// A text source: UTF-8 text the history reader understands (lines such as "2026232 2026-08-30 6 5
// 8", or a table with a header). Every draw needs an issue of the lottery's form.
DrawPage readTextAnswer(const QByteArray& body, Lottery lottery);

// The page read as the source's kind says. A JSON source's answer sent as a web page
// (`contentType` with "html") is not read.
DrawPage readAnswer(const DrawSource& source, const QByteArray& body,
                    const QString& contentType = {});

}  // namespace suoshui::fetch
