#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Answers in the documented shapes of the two official sites, for the local server to send.
// Draw k of a page is the issue `newest - k`; its number is the issue's last three digits
// reversed, so that every test can tell which draw it holds.
namespace source_bodies {

inline QString numberOf(int issue, const char* separator) {
    const QString digits = QString::number(issue % 1000 + 1000).right(3);
    return QStringList{digits.mid(2, 1), digits.mid(1, 1), digits.mid(0, 1)}.join(
        QString::fromLatin1(separator));
}

inline QString dateOf(int issue) {
    return QStringLiteral("2026-%1-%2")
        .arg(issue / 28 % 12 + 1, 2, 10, QLatin1Char('0'))
        .arg(issue % 28 + 1, 2, 10, QLatin1Char('0'));
}

// One draw of the 福彩 answer, fields as given.
inline QByteArray welfareDraw(const QString& code, const QString& date, const QString& red) {
    return QStringLiteral(R"({"name":"3d","code":"%1","date":"%2","red":"%3","blue":""})")
        .arg(code, date, red)
        .toUtf8();
}

inline QByteArray welfareAnswer(const QList<QByteArray>& draws) {
    return R"({"state":0,"message":"查询成功","total":8765,"result":[)" + draws.join(',') + "]}";
}

// 福彩: {"state":0,"result":[{"code":"2026154","date":"2026-06-13(六)","red":"3,7,7"},...]}
inline QByteArray welfarePage(int newest, int count) {
    QList<QByteArray> draws;
    for (int issue = newest; issue > newest - count; --issue)
        draws << welfareDraw(QString::number(issue), dateOf(issue) + QStringLiteral("(六)"),
                             numberOf(issue, ","));
    return welfareAnswer(draws);
}

// 体彩: {"value":{"list":[{"lotteryDrawNum":"26167","lotteryDrawResult":"3 7 7",...}]}}
inline QByteArray sportsPage(int newest, int count) {
    QList<QByteArray> draws;
    for (int issue = newest; issue > newest - count; --issue)
        draws << QStringLiteral(
                     R"({"lotteryDrawNum":"%1","lotteryDrawResult":"%2","lotteryDrawTime":"%3"})")
                     .arg(QString::number(issue), numberOf(issue, " "), dateOf(issue))
                     .toUtf8();
    return R"({"success":true,"value":{"pageNo":1,"list":[)" + draws.join(',') + "]}}";
}

}  // namespace source_bodies
