#include "ui/FileActions.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "ui/TextFiles.h"

namespace suoshui::ui {

namespace {

const QString kTextFileFilter = QStringLiteral("文本文件*.txt (*.txt)");

}  // namespace

FileActions::FileActions(QWidget* window)
    : QObject(window), window_(window), dialog_(new QFileDialog(window)) {
    dialog_->setObjectName(QStringLiteral("通用对话框1"));
    dialog_->setOption(QFileDialog::DontUseNativeDialog);
    dialog_->setDirectory(QCoreApplication::applicationDirPath());
}

// Shows the dialog for saving or opening, with the last chosen file filled in. Empty when the
// player cancels.
QString FileActions::chooseTextFile(bool forSaving) {
    dialog_->setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog_->setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog_->setNameFilter(kTextFileFilter);
    dialog_->setDefaultSuffix(forSaving ? QStringLiteral("txt") : QString());
    // The save appends to an existing file, so there is nothing to confirm.
    dialog_->setOption(QFileDialog::DontConfirmOverwrite);
    if (!lastChosenFile_.isEmpty())
        dialog_->selectFile(lastChosenFile_);
    if (dialog_->exec() != QDialog::Accepted || dialog_->selectedFiles().isEmpty())
        return {};
    lastChosenFile_ = dialog_->selectedFiles().constFirst();
    return lastChosenFile_;
}

void FileActions::saveReport(const std::string& report, bool busy) {
    const QString path = busy ? QString() : chooseTextFile(true);
    if (path.isEmpty())
        return;
    const FileProblem problem = saveReportToFile(path, report, localTimeNow());
    if (problem.happened())
        QMessageBox::warning(
            window_, QStringLiteral("保存"),
            QStringLiteral("结果没有保存到文件“%1”：%2").arg(path, problem.reason));
}

std::optional<QString> FileActions::importText(bool busy) {
    const QString path = busy ? QString() : chooseTextFile(false);
    if (path.isEmpty())
        return std::nullopt;
    ImportedText imported = readImportedFile(path);
    if (imported.problem.happened()) {
        QMessageBox::warning(window_, QStringLiteral("导入大底"),
                             QStringLiteral("没有导入文件“%1”：%2\n大底保持原样。")
                                 .arg(path, imported.problem.reason));
        return std::nullopt;
    }
    return std::move(imported.text);
}

}  // namespace suoshui::ui
