#include "ui/BackgroundRead.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPromise>
#include <QPushButton>
#include <QtConcurrent/QtConcurrentRun>

#include "ui/WindowFonts.h"

namespace suoshui::ui {

namespace {

constexpr int kProgressSteps = 1000;

}  // namespace

BackgroundRead::BackgroundRead(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ReadProgress"));
    setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    label_ = new QLabel(this);
    label_->setFont(heiTi(12));
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("ReadProgressBar"));
    bar_->setAccessibleName(QStringLiteral("读取进度"));
    bar_->setRange(0, kProgressSteps);
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("ReadCancel"));
    cancel->setAccessibleName(QStringLiteral("取消读取"));
    layout->addWidget(label_);
    layout->addWidget(bar_, 1);
    layout->addWidget(cancel);
    connect(cancel, &QPushButton::clicked, this, &BackgroundRead::cancel);
    connect(&watcher_, &QFutureWatcher<ImportedText>::progressValueChanged, bar_,
            &QProgressBar::setValue);
    connect(&watcher_, &QFutureWatcher<ImportedText>::finished, this, &BackgroundRead::finish);
    hide();
}

void BackgroundRead::start(const QString& path, const QString& what, Prepare prepare, Done done) {
    if (isReading())
        return;
    done_ = std::move(done);
    label_->setText(QStringLiteral("正在读取%1 %2").arg(what, QFileInfo(path).fileName()));
    bar_->setValue(0);
    show();
    raise();
    watcher_.setFuture(QtConcurrent::run(
        [path, what, prepare = std::move(prepare)](QPromise<ImportedText>& promise) {
            promise.setProgressRange(0, kProgressSteps);
            ImportedText read = readImportedFile(path, what, [&promise](qint64 bytes, qint64 all) {
                promise.setProgressValue(static_cast<int>(bytes * kProgressSteps / all));
                return !promise.isCanceled();
            });
            if (!read.cancelled && !read.problem.happened() && prepare)
                prepare(read);
            promise.addResult(std::move(read));
        }));
}

void BackgroundRead::cancel() {
    if (!isReading())
        return;
    watcher_.cancel();
}

void BackgroundRead::finish() {
    hide();
    const bool stopped = watcher_.isCanceled() || watcher_.future().resultCount() == 0 ||
                         watcher_.future().result().cancelled;
    if (stopped) {
        emit cancelled();
        return;
    }
    if (done_)
        done_(watcher_.future().result());
}

}  // namespace suoshui::ui
