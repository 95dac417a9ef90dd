#include "fetch/DrawAnswers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>
#include <optional>

#include "history/FetchedDraws.h"
#include "history/HistoryParser.h"

namespace suoshui::fetch {

namespace {

const char* const kWebPageFault = "返回的是网页，不是开奖数据";

// An answer that is not a JSON object: an HTML error page, a cut-off body, nothing at all.
std::optional<QJsonObject> jsonObjectOf(const QByteArray& body, QString& fault) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        fault = body.trimmed().startsWith('<') ? QString::fromUtf8(kWebPageFault)
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

// Why a text source's draws cannot be kept; empty when they can.
QString textDrawsFault(const ParsedHistory& parsed, Lottery lottery) {
    if (!parsed.failure.empty())
        return QString::fromStdString(parsed.failure);
    if (!parsed.conflicts.empty())
        return QStringLiteral("期号 %1 出现两次，号码不同")
            .arg(QString::fromStdString(parsed.conflicts.front().key));
    if (!parsed.skippedLines.empty())
        return QStringLiteral("第 %1 行读不出开奖号码").arg(parsed.skippedLines.front());
    for (const Draw& draw : parsed.draws) {
        if (draw.issue.empty())
            return QStringLiteral("号码 %1 没有期号，无法和已存的开奖历史对上")
                .arg(draw.number, 3, 10, QLatin1Char('0'));
        if (!issueFitsLottery(draw.issue, lottery))
            return QStringLiteral("期号 %1 不是%2的期号")
                .arg(QString::fromStdString(draw.issue),
                     QString::fromStdString(std::string(lotteryName(lottery))));
    }
    return {};
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

DrawPage readTextAnswer(const QByteArray& body, Lottery lottery) {
    DrawPage page;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(body);
    if (utf8.hasError()) {
        page.fault = QStringLiteral("返回的文字不是 UTF-8 编码");
        return page;
    }
    if (text.trimmed().startsWith(QLatin1Char('<'))) {
        page.fault = QString::fromUtf8(kWebPageFault);
        return page;
    }
    ParsedHistory parsed = parseHistory(body.toStdString());
    page.fault = textDrawsFault(parsed, lottery);
    if (page.fault.isEmpty())
        page.draws = std::move(parsed.draws);
    return page;
}

DrawPage readAnswer(const DrawSource& source, const QByteArray& body, const QString& contentType) {
    if (source.kind != SourceKind::Text &&
        contentType.contains(QLatin1String("html"), Qt::CaseInsensitive))
        return DrawPage{{}, QString::fromUtf8(kWebPageFault)};
    switch (source.kind) {
        case SourceKind::Welfare:
            return readWelfareAnswer(body);
        case SourceKind::Sports:
            return readSportsAnswer(body);
        case SourceKind::Text:
            break;
    }
    return readTextAnswer(body, source.lottery);
}

}  // namespace suoshui::fetch
