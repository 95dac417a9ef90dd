// The two file actions of the main window: 保存 writes the report into a text file, 导入大底 loads
// a text file into the base list. Both go through the window's one file dialog.
#include <QFileDialog>
#include <QMessageBox>
#include <QPlainTextEdit>

#include "ui/ChunkedText.h"
#include "ui/LineEnds.h"
#include "ui/MainWindow.h"
#include "ui/TextFiles.h"

namespace suoshui::ui {

namespace {

const QString kTextFileFilter = QStringLiteral("文本文件*.txt (*.txt)");

}  // namespace

// Shows the dialog for saving or opening, with the last chosen file filled in. Empty when the
// player cancels, and during a run: a dialog inside the run's event passes would nest its loop.
QString MainWindow::chooseTextFile(bool forSaving) {
    if (session_.runInProgress)
        return {};
    fileDialog_->setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    fileDialog_->setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    fileDialog_->setNameFilter(kTextFileFilter);
    fileDialog_->setDefaultSuffix(forSaving ? QStringLiteral("txt") : QString());
    // The save appends to an existing file, so there is nothing to confirm.
    fileDialog_->setOption(QFileDialog::DontConfirmOverwrite);
    if (!lastChosenFile_.isEmpty())
        fileDialog_->selectFile(lastChosenFile_);
    if (fileDialog_->exec() != QDialog::Accepted || fileDialog_->selectedFiles().isEmpty())
        return {};
    lastChosenFile_ = fileDialog_->selectedFiles().constFirst();
    return lastChosenFile_;
}

void MainWindow::saveResults() {
    const QString path = chooseTextFile(true);
    if (path.isEmpty())
        return;
    const FileProblem problem = saveReportToFile(path, text(TextBox::Result), localTimeNow());
    if (problem.happened())
        QMessageBox::warning(
            this, QStringLiteral("保存"),
            QStringLiteral("结果没有保存到文件“%1”：%2").arg(path, problem.reason));
}

void MainWindow::importBaseList() {
    const QString path = chooseTextFile(false);
    if (path.isEmpty())
        return;
    const ImportedText imported = readImportedFile(path);
    if (imported.problem.happened()) {
        QMessageBox::warning(this, QStringLiteral("导入大底"),
                             QStringLiteral("没有导入文件“%1”：%2\n大底保持原样。")
                                 .arg(path, imported.problem.reason));
        return;
    }
    putPlainText(controls_.multiLineBoxes.at(TextBox::BaseList), fromCrLf(imported.text));
}

}  // namespace suoshui::ui
