#include "store/DataFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace suoshui::store {

DataFolder DataFolder::lookUp() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return DataFolder(data + QStringLiteral("/suoshui"));
}

QString DataFolder::filePath(const QString& name) const {
    return QDir(path_).filePath(name);
}

QString DataFolder::create() const {
    const QFileInfo folder(path_);
    if (folder.isDir())
        return {};
    if (folder.exists())
        return QStringLiteral("“%1”是一个文件，不是文件夹").arg(QDir::toNativeSeparators(path_));
    if (!QDir().mkpath(path_))
        return QStringLiteral("无法建立文件夹“%1”（没有写入权限，或磁盘已满）")
            .arg(QDir::toNativeSeparators(path_));
    return {};
}

std::unique_ptr<QSettings> DataFolder::rememberedChoices() const {
    return std::make_unique<QSettings>(filePath(QStringLiteral("settings.ini")),
                                       QSettings::IniFormat);
}

}  // namespace suoshui::store
