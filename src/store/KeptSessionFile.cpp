#include "store/KeptSessionFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace suoshui::store {

namespace {

// A kept session holds at most a base list of 64 MB and a result of a thousand numbers.
constexpr qint64 kLargestSession = qint64{80} * 1024 * 1024;

}  // namespace

QString KeptSessionFile::path() const {
    return folder_.filePath(QStringLiteral("kept-session.txt"));
}

bool KeptSessionFile::exists() const {
    return QFileInfo(path()).isFile();
}

QDateTime KeptSessionFile::keptAt() const {
    return QFileInfo(path()).lastModified();
}

QString KeptSessionFile::write(const std::string& utf8) const {
    if (const QString problem = folder_.create(); !problem.isEmpty())
        return problem;
    QSaveFile file(path());
    const QByteArray bytes = QByteArray::fromStdString(utf8);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("无法写入“%1”").arg(path());
    // The flush is checked before the rename: commit() would rename a cut-off file.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return QStringLiteral("写入“%1”时出错（磁盘已满？）").arg(path());
    }
    if (!file.commit())
        return QStringLiteral("无法写入“%1”").arg(path());
    return {};
}

KeptSessionFile::Reading KeptSessionFile::read() const {
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly))
        return {{}, QStringLiteral("无法打开“%1”").arg(path())};
    if (file.size() > kLargestSession)
        return {{}, QStringLiteral("“%1”太大，不是本程序保存的会话").arg(path())};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFile::NoError)
        return {{}, QStringLiteral("读取“%1”时出错").arg(path())};
    return {bytes.toStdString(), {}};
}

}  // namespace suoshui::store
