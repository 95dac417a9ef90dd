#include "ui/FileActions.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QStandardPaths>
#include <utility>

#include "ui/TextFiles.h"

namespace suoshui::ui {

namespace {

const QString kTextFileFilter = QStringLiteral("文本文件 (*.txt)");
const QString kPictureFilter = QStringLiteral("PNG 图片 (*.png)");
// Draw histories come as downloaded tables too, most often saved as .csv.
const QString kHistoryFileFilter = QStringLiteral("开奖历史 (*.txt *.csv);;所有文件 (*)");

// The player's documents folder: the program's own folder is not writable once installed.
QString firstFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

}  // namespace

FileActions::FileActions(QWidget* window)
    : QObject(window),
      window_(window),
      dialog_(new QFileDialog(window)),
      lastDirectory_(firstFolder()) {
    dialog_->setObjectName(QStringLiteral("通用对话框1"));
    dialog_->setOption(QFileDialog::DontUseNativeDialog);
    dialog_->setDirectory(lastDirectory_);
}

QString FileActions::chooseTextFile(FileUse use) {
    if (chooser_) {
        const Chooser once = std::exchange(chooser_, nullptr);
        const QString chosen = once(use);
        if (!chosen.isEmpty()) {
            lastFiles_[use] = chosen;
            lastDirectory_ = QFileInfo(chosen).absolutePath();
        }
        return chosen;
    }
    const bool forSaving =
        use == FileUse::SaveReport || use == FileUse::SaveScheme || use == FileUse::ExportTrend;
    dialog_->setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog_->setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const bool picture = use == FileUse::ExportTrend;
    dialog_->setNameFilter(use == FileUse::ImportHistory ? kHistoryFileFilter
                           : picture                     ? kPictureFilter
                                                         : kTextFileFilter);
    dialog_->setDefaultSuffix(picture     ? QStringLiteral("png")
                              : forSaving ? QStringLiteral("txt")
                                          : QString());
    // A report save appends to an existing file, so there is nothing to confirm.
    dialog_->setOption(QFileDialog::DontConfirmOverwrite, use == FileUse::SaveReport);
    // Its own last file, in that file's folder; else an empty name where the last file was.
    QString& last = lastFiles_[use];
    dialog_->setDirectory(last.isEmpty() ? lastDirectory_ : QFileInfo(last).absolutePath());
    if (!last.isEmpty())
        dialog_->selectFile(QFileInfo(last).fileName());
    else if (auto* name = dialog_->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        name->clear();  // selectFile keeps the name of the other action's file
    if (dialog_->exec() != QDialog::Accepted || dialog_->selectedFiles().isEmpty())
        return {};
    last = dialog_->selectedFiles().constFirst();
    lastDirectory_ = QFileInfo(last).absolutePath();
    return last;
}

std::optional<QString> FileActions::saveReport(const std::string& report, bool busy) {
    const QString path = busy ? QString() : chooseTextFile(FileUse::SaveReport);
    if (path.isEmpty())
        return std::nullopt;
    const FileProblem problem = saveReportToFile(path, report, localTimeNow());
    if (!problem.happened())
        return path;
    QMessageBox::warning(window_, QStringLiteral("保存"),
                         QStringLiteral("结果没有保存到文件“%1”：%2").arg(path, problem.reason));
    return std::nullopt;
}

QString FileActions::chooseImport(bool busy) {
    return busy ? QString() : chooseTextFile(FileUse::ImportBaseList);
}

void FileActions::warnImportFailed(const QString& path, const QString& reason) {
    QMessageBox::warning(window_, QStringLiteral("导入大底"),
                         QStringLiteral("没有导入文件“%1”：%2\n大底保持原样。").arg(path, reason));
}

}  // namespace suoshui::ui
