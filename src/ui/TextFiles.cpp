#include "ui/TextFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringConverter>

namespace suoshui::ui {

namespace {

constexpr const char* kGbk = "GBK";

// Why a file could not be opened, written or read, in the player's words: the system's own
// message is English and names no cause a player can act on.
QString problemWith(const QFile& file, bool writing) {
    const QFileInfo info(file.fileName());
    if (info.isDir())
        return QStringLiteral("这是一个文件夹，不是文件");
    if (writing && !info.dir().exists())
        return QStringLiteral("文件夹不存在");
    if (!writing && !info.exists())
        return QStringLiteral("文件不存在");
    switch (file.error()) {
        case QFileDevice::PermissionsError:
            return QStringLiteral("权限不足");
        case QFileDevice::ResourceError:
            return QStringLiteral("磁盘空间不足");
        case QFileDevice::ReadError:
            return QStringLiteral("读取出错");
        case QFileDevice::WriteError:
            return QStringLiteral("写入出错");
        default:
            break;
    }
    const bool writable =
        info.exists() ? info.isWritable() : QFileInfo(info.absolutePath()).isWritable();
    if (writing && !writable)
        return QStringLiteral("权限不足");
    if (!writing && !info.isReadable())
        return QStringLiteral("权限不足");
    return writing ? QStringLiteral("无法写入") : QStringLiteral("无法读取");
}

QString writeProblem(const QFile& file) {
    return problemWith(file, true);
}

// Writes the whole block or reports why not; a short write is a failure too.
FileProblem writeAll(QFile& file, const QByteArray& bytes) {
    if (file.write(bytes) != bytes.size() || !file.flush())
        return {writeProblem(file)};
    file.close();
    if (file.error() != QFile::NoError)
        return {writeProblem(file)};
    return {};
}

QString decodeImported(const QByteArray& bytes) {
    const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    const DetectedEncoding detected = detectImportEncoding(view);
    const QByteArray body = bytes.mid(static_cast<qsizetype>(detected.byteOrderMarkLength));
    switch (detected.encoding) {
        case ImportEncoding::Utf8:
            return QString::fromUtf8(body);
        case ImportEncoding::Utf16LittleEndian:
            return QStringDecoder(QStringConverter::Utf16LE).decode(body);
        case ImportEncoding::Utf16BigEndian:
            return QStringDecoder(QStringConverter::Utf16BE).decode(body);
        case ImportEncoding::Gbk:
            break;
    }
    return QStringDecoder(kGbk).decode(body);
}

QString tooLargeReason(qint64 size, const QString& what) {
    const qint64 limitMiB = kImportLimitBytes / (1024 * 1024);
    return QStringLiteral("文件有 %1 MB，导入的%2不能超过 %3 MB。")
        .arg(QString::number(static_cast<double>(size) / (1024.0 * 1024.0), 'f', 1))
        .arg(what)
        .arg(limitMiB);
}

}  // namespace

FileProblem saveReportToFile(const QString& path, const std::string& report, const LocalTime& now) {
    QStringEncoder toGbk(kGbk);
    if (!toGbk.isValid())
        return {QStringLiteral("本机不能写 GBK 编码的文本")};
    const std::string stamp = timeStampText(now);
    QFile file(path);
    const bool exists = QFileInfo::exists(path);
    const QIODevice::OpenMode mode =
        QIODevice::WriteOnly | (exists ? QIODevice::Append : QIODevice::NewOnly);
    if (!file.open(mode))
        return {writeProblem(file)};
    const std::string block =
        exists ? appendedSavedText(stamp, report) : newSavedFileText(stamp, report);
    return writeAll(file, toGbk.encode(QString::fromStdString(block)));
}

FileProblem writeTextFile(const QString& path, const std::string& utf8) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {writeProblem(file)};
    return writeAll(file, QByteArray::fromStdString(utf8));
}

ImportedText readImportedFile(const QString& path, const QString& what) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, {problemWith(file, false)}};
    if (file.size() > kImportLimitBytes)
        return {{}, {tooLargeReason(file.size(), what)}};
    // A file that grows while it is read is cut at the limit and refused all the same.
    const QByteArray bytes = file.read(kImportLimitBytes + 1);
    if (file.error() != QFile::NoError)
        return {{}, {problemWith(file, false)}};
    if (bytes.size() > kImportLimitBytes)
        return {{}, {tooLargeReason(bytes.size(), what)}};
    return {decodeImported(bytes), {}};
}

LocalTime localTimeNow() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

}  // namespace suoshui::ui
