#pragma once

#include <QFutureWatcher>
#include <QWidget>
#include <functional>

#include "ui/TextFiles.h"

class QLabel;
class QProgressBar;

namespace suoshui::ui {

// Reads an imported file on a worker thread, so that a file of megabytes never freezes the
// window: a strip with a progress bar and "取消" shows meanwhile. What the worker made of the file
// comes back on the GUI thread; a cancelled reading changes nothing.
class BackgroundRead : public QWidget {
    Q_OBJECT
  public:
    explicit BackgroundRead(QWidget* parent);

    // Runs on the worker once the file is read: turns the text into what the window will take
    // (or a problem), so that no long work is left for the GUI thread.
    using Prepare = std::function<void(ImportedText&)>;
    using Done = std::function<void(const ImportedText&)>;
    // `what` names the import ("大底", "开奖历史"). Does nothing while a reading is under way.
    void start(const QString& path, const QString& what, Prepare prepare, Done done);
    bool isReading() const { return watcher_.isRunning(); }
    void cancel();

  signals:
    void cancelled();

  private:
    void finish();

    QFutureWatcher<ImportedText> watcher_;
    Done done_;
    QLabel* label_ = nullptr;
    QProgressBar* bar_ = nullptr;
};

}  // namespace suoshui::ui
