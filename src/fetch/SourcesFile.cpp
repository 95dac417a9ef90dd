#include "fetch/SourcesFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>

#include "fetch/DefaultSources.h"

namespace suoshui::fetch {

namespace {

const char* const kHeading =
    "; 更新开奖的来源，按先后顺序逐个尝试，直到有一个给出开奖号码。\n"
    "; 每个来源一节，节名就是提示里它的名字。各项：\n"
    ";   lottery     福彩3D 或 排列3\n"
    ";   kind        cwl（福彩网的 JSON）、sporttery（体彩网的 JSON）或 text（每行一期的文字）\n"
    ";   url         取开奖号码的网址，{page} 代表页码（从 1 开始）；没有 {page} 只取一页\n"
    ";   session_url 可不填：先打开这个网址取得 cookie\n"
    ";   referer     请求里的 Referer\n"
    ";   user_agent  请求里的 User-Agent\n"
    ";   pause_ms    两页之间停顿的毫秒数，默认 1000\n"
    "; "
    "值里有分号或逗号时，用英文双引号括起来。改坏了可以删掉这个文件，下次更新时会重新写出默认的来源"
    "。\n";

constexpr int kDefaultPauseMs = 1000;
constexpr int kLongestPauseMs = 60000;

QString quoted(QString value) {
    value.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    value.replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + value + QLatin1Char('"');
}

// An unquoted value with commas comes back from QSettings as a list.
QString textOf(const QSettings& settings, const char* key) {
    const QVariant value = settings.value(QLatin1String(key));
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString().trimmed();
}

// QSettings lists groups sorted by name; the order of the file is the order tried.
QStringList groupsInFileOrder(const QString& path, const QStringList& groups) {
    QFile file(path);
    QStringList ordered;
    if (file.open(QIODevice::ReadOnly)) {
        static const QRegularExpression header(QStringLiteral("^\\s*\\[(.+)\\]\\s*$"));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        for (const QString& line : lines) {
            const QRegularExpressionMatch match = header.match(line);
            const QString name = match.hasMatch() ? match.captured(1).trimmed() : QString();
            if (groups.contains(name) && !ordered.contains(name))
                ordered << name;
        }
    }
    for (const QString& group : groups) {
        if (!ordered.contains(group))
            ordered << group;
    }
    return ordered;
}

// The source of the settings' current group, or why it cannot be used.
std::optional<DrawSource> sourceOfGroup(const QSettings& settings, const QString& group,
                                        QString& problem) {
    DrawSource source;
    source.name = group;
    const QString lottery = textOf(settings, "lottery");
    const std::optional<Lottery> named = lotteryNamed(lottery.toStdString());
    const std::optional<SourceKind> kind = sourceKindOfKey(textOf(settings, "kind"));
    source.url = textOf(settings, "url");
    if (!named)
        problem = QStringLiteral("lottery 是“%1”，应为 福彩3D 或 排列3").arg(lottery);
    else if (!kind)
        problem = QStringLiteral("kind 是“%1”，应为 cwl、sporttery 或 text")
                      .arg(textOf(settings, "kind"));
    else if (!source.url.startsWith(QLatin1String("http://")) &&
             !source.url.startsWith(QLatin1String("https://")))
        problem = QStringLiteral("url 应以 http:// 或 https:// 开头");
    if (!problem.isEmpty())
        return std::nullopt;
    source.lottery = *named;
    source.kind = *kind;
    source.sessionUrl = textOf(settings, "session_url");
    source.referer = textOf(settings, "referer");
    source.userAgent = textOf(settings, "user_agent");
    bool readable = false;
    const int pause = textOf(settings, "pause_ms").toInt(&readable);
    source.pauseMs = readable && pause >= 0 ? std::min(pause, kLongestPauseMs) : kDefaultPauseMs;
    return source;
}

SourceList defaultsBecause(const QString& problem) {
    return {defaultSources(), {problem + QStringLiteral("，这次用默认的来源")}};
}

}  // namespace

QString sourcesFileText(const std::vector<DrawSource>& sources) {
    QString text = QString::fromUtf8(kHeading);
    for (const DrawSource& source : sources) {
        text += QStringLiteral("\n[%1]\n").arg(source.name);
        text += QStringLiteral("lottery=%1\n")
                    .arg(QString::fromStdString(std::string(lotteryName(source.lottery))));
        text += QStringLiteral("kind=%1\n").arg(sourceKindKey(source.kind));
        text += QStringLiteral("url=%1\n").arg(quoted(source.url));
        text += QStringLiteral("session_url=%1\n").arg(quoted(source.sessionUrl));
        text += QStringLiteral("referer=%1\n").arg(quoted(source.referer));
        text += QStringLiteral("user_agent=%1\n").arg(quoted(source.userAgent));
        text += QStringLiteral("pause_ms=%1\n").arg(source.pauseMs);
    }
    return text;
}

QString writeSourcesFile(const QString& path, const std::vector<DrawSource>& sources) {
    QSaveFile file(path);
    const QByteArray bytes = sourcesFileText(sources).toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() ||
        !file.commit())
        return QStringLiteral("无法写入“%1”：%2").arg(path, file.errorString());
    return {};
}

SourceList readSourcesFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        const QString failure = writeSourcesFile(path, defaultSources());
        return failure.isEmpty() ? SourceList{defaultSources(), {}} : defaultsBecause(failure);
    }
    QFile probe(path);
    if (info.isDir() || !probe.open(QIODevice::ReadOnly))
        return defaultsBecause(QStringLiteral("无法读取来源文件“%1”").arg(path));
    QSettings settings(path, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return defaultsBecause(QStringLiteral("来源文件“%1”的格式读不懂").arg(path));
    SourceList list;
    for (const QString& group : groupsInFileOrder(path, settings.childGroups())) {
        settings.beginGroup(group);
        QString problem;
        if (std::optional<DrawSource> source = sourceOfGroup(settings, group, problem)) {
            // Every message names the source: a group without a name gets its place.
            if (source->name.trimmed().isEmpty())
                source->name = QStringLiteral("第 %1 个来源").arg(list.sources.size() + 1);
            list.sources.push_back(std::move(*source));
        } else
            list.problems
                << QStringLiteral("sources.ini 的 [%1]：%2，没有用它").arg(group, problem);
        settings.endGroup();
    }
    return list;
}

}  // namespace suoshui::fetch
