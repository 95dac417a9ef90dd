#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <optional>
#include <string>

class QFileDialog;
class QWidget;

namespace suoshui::ui {

// What a file is chosen for; each remembers its own last file.
enum class FileUse {
    SaveReport,
    ImportBaseList,
    SaveScheme,
    LoadScheme,
    ImportHistory,
    ExportTrend
};

// The file actions of the main window through its one file dialog: "保存" writes the report
// into a text file, "导入大底" reads a text file for the base list, and the other windows choose
// their files through it too. Failures are shown to the player in a message naming the file and
// the reason; nothing in the window changes then.
class FileActions : public QObject {
    Q_OBJECT
  public:
    explicit FileActions(QWidget* window);

    QFileDialog* dialog() const { return dialog_; }

    // Shows the dialog to save or to open a text file for the use. Empty when the player cancels.
    QString chooseTextFile(FileUse use);

    // What answers the next choice in place of the dialog: a test tool gives the file a player
    // would choose (empty: cancelled) without driving Qt's dialog, which answers the ones after.
    using Chooser = std::function<QString(FileUse use)>;
    void setChooser(Chooser chooser) { chooser_ = std::move(chooser); }

    // Both do nothing while `busy`: a dialog inside a run's event passes would nest its loop.
    // The file saved to, or nothing when the player cancels or the save fails.
    std::optional<QString> saveReport(const std::string& report, bool busy);

    // The file the player chose to import as the base list; empty on cancel.
    QString chooseImport(bool busy);
    // A file that could not be read: a warning that names it and says the base list stays.
    void warnImportFailed(const QString& path, const QString& reason);

  private:
    QWidget* window_;
    QFileDialog* dialog_;
    Chooser chooser_;
    // Each use fills in its own last file, so that repeated saves go to one file and an import
    // never offers a report; without one the dialog opens where the last file was.
    QString lastDirectory_;
    std::map<FileUse, QString> lastFiles_;
};

}  // namespace suoshui::ui
