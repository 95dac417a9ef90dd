#include "fetch/DrawAnswers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <optional>

#include "history/FetchedDraws.h"

namespace suoshui::fetch {

namespace {

// An answer that is not a JSON object: an HTML error page, a cut-off body, nothing at all.
std::optional<QJsonObject> jsonObjectOf(const QByteArray& body, QString& fault) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        fault = body.trimmed().startsWith('<') ? QStringLiteral("返回的是网页，不是开奖数据")
                                               : QStringLiteral("返回的数据不完整或不是 JSON");
        return std::nullopt;
    }
    return document.object();
}

// Reads the list of draws, then judges every one; a page with one bad draw keeps nothing.
DrawPage judged(const QJsonArray& list, Lottery lottery, const char* issueKey, const char* dateKey,
                const char* numberKey) {
    DrawPage page;
    for (const QJsonValue& item : list) {
        const QJsonObject draw = item.toObject();
        const QString issue = draw.value(QLatin1String(issueKey)).toString();
        const QString date = draw.value(QLatin1String(dateKey)).toString();
        const QString number = draw.value(QLatin1String(numberKey)).toString();
        page.draws.push_back(
            fetchedDraw(issue.toStdString(), date.toStdString(), number.toStdString()));
    }
    if (const std::string fault = fetchedDrawsFault(page.draws, lottery); !fault.empty()) {
        page.draws.clear();
        page.fault = QString::fromStdString(fault);
    }
    return page;
}

}  // namespace

DrawPage readWelfareAnswer(const QByteArray& body) {
    DrawPage page;
    const std::optional<QJsonObject> answer = jsonObjectOf(body, page.fault);
    if (!answer)
        return page;
    const QJsonValue result = answer->value(QStringLiteral("result"));
    if (!result.isArray()) {
        page.fault = QStringLiteral("没有取得会话，返回里没有开奖数据");
        return page;
    }
    return judged(result.toArray(), Lottery::Fucai3D, "code", "date", "red");
}

DrawPage readSportsAnswer(const QByteArray& body) {
    DrawPage page;
    const std::optional<QJsonObject> answer = jsonObjectOf(body, page.fault);
    if (!answer)
        return page;
    const QJsonValue list =
        answer->value(QStringLiteral("value")).toObject().value(QStringLiteral("list"));
    if (!list.isArray()) {
        page.fault = QStringLiteral("返回里没有开奖数据");
        return page;
    }
    return judged(list.toArray(), Lottery::Pailie3, "lotteryDrawNum", "lotteryDrawTime",
                  "lotteryDrawResult");
}

}  // namespace suoshui::fetch
