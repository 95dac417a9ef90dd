#include "ui/TextFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringConverter>
#include <QStringDecoder>

namespace suoshui::ui {

namespace {

constexpr const char* kGbk = "GBK";

// Why a file could not be opened, written or read, in the player's words: the system's own
// message is English and names no cause a player can act on.
QString problemWith(const QFileDevice& file, bool writing) {
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

QString writeProblem(const QFileDevice& file) {
    return problemWith(file, true);
}

// Writes the whole file beside the old one and renames it over it only once every byte is on
// disk: a full disk or a crash half way leaves the old file whole.
FileProblem replaceFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {writeProblem(file)};
    // The flush is checked here: a failure while commit() flushes the last buffered bytes would
    // not stop it from renaming a cut-off file over the old one.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const FileProblem problem{writeProblem(file)};
        file.cancelWriting();
        return problem;
    }
    if (!file.commit())
        return {writeProblem(file)};
    return {};
}

// The characters GBK cannot hold, each with the line of the text where it first stands, so
// that the player can find and change them: "“😀”（第 12 行：单式排除 12😀3）".
QString charactersGbkCannotHold(const QString& text) {
    QStringEncoder toGbk(kGbk);
    QStringDecoder fromGbk(kGbk);
    if (QString(fromGbk.decode(toGbk.encode(text))) == text)
        return {};
    QStringList named;
    QString seen;
    const QStringList lines = text.split(u'\n');
    for (qsizetype line = 0; line < lines.size() && named.size() < 5; ++line) {
        const QString& content = lines[line];
        for (qsizetype at = 0; at < content.size(); at += content[at].isHighSurrogate() ? 2 : 1) {
            const QString character = content.mid(at, content[at].isHighSurrogate() ? 2 : 1);
            QStringEncoder one(kGbk);
            QStringDecoder back(kGbk);
            if (seen.contains(character) ||
                QString(back.decode(one.encode(character))) == character)
                continue;
            seen += character;
            named << QStringLiteral("“%1”（第 %2 行：%3）")
                         .arg(character, QString::number(line + 1), content.trimmed().left(24));
        }
    }
    return QStringLiteral("有 GBK 编码不能保存的字符：%1。请改掉这些字符再保存，文件没有写入")
        .arg(named.join(QStringLiteral("，")));
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

ImportedText failedImport(const QString& reason) {
    ImportedText failed;
    failed.problem.reason = reason;
    return failed;
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
    const bool exists = QFileInfo::exists(path);
    const QString block = QString::fromStdString(exists ? appendedSavedText(stamp, report)
                                                        : newSavedFileText(stamp, report));
    if (const QString unencodable = charactersGbkCannotHold(block); !unencodable.isEmpty())
        return {unencodable};
    // An append is a copy of the old file with the new part, renamed over it.
    QByteArray bytes;
    if (exists) {
        QFile old(path);
        if (!old.open(QIODevice::ReadOnly))
            return {problemWith(old, false)};
        bytes = old.readAll();
        if (old.error() != QFile::NoError)
            return {problemWith(old, false)};
    }
    bytes += toGbk.encode(block);
    return replaceFile(path, bytes);
}

FileProblem writeTextFile(const QString& path, const std::string& utf8) {
    return replaceFile(path, QByteArray::fromStdString(utf8));
}

ImportedText readImportedFile(const QString& path, const QString& what,
                              const ReadProgress& progress) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failedImport(problemWith(file, false));
    if (file.size() > kImportLimitBytes)
        return failedImport(tooLargeReason(file.size(), what));
    // Read in pieces, so that a reading can say how far it is and stop when asked; a file that
    // grows while it is read is cut at the limit and refused all the same.
    constexpr qint64 kPiece = qint64{1} << 20;
    const qint64 total = std::max<qint64>(file.size(), 1);
    QByteArray bytes;
    while (bytes.size() <= kImportLimitBytes) {
        const QByteArray piece = file.read(kPiece);
        if (file.error() != QFile::NoError)
            return failedImport(problemWith(file, false));
        if (piece.isEmpty())
            break;
        bytes += piece;
        if (progress && !progress(std::min<qint64>(bytes.size(), total), total)) {
            ImportedText stopped;
            stopped.cancelled = true;
            return stopped;
        }
    }
    if (bytes.size() > kImportLimitBytes)
        return failedImport(tooLargeReason(bytes.size(), what));
    ImportedText read;
    read.text = decodeImported(bytes);
    return read;
}

LocalTime localTimeNow() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

}  // namespace suoshui::ui
