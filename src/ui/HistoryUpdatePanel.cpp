#include "ui/HistoryUpdatePanel.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>

#include "fetch/DrawUpdate.h"
#include "fetch/SourcesFile.h"
#include "fetch/UpdateText.h"
#include "store/KeptHistory.h"
#include "ui/QtText.h"

namespace suoshui::ui {

namespace {

// After an update that did not get down to the kept draws, the next one must go as far down as
// that one meant to, or the draws between would never be fetched. Present only until an update
// finishes; an empty value means "all of them".
QString reachKey(Lottery lottery) {
    return QStringLiteral("update/%1_down_to")
        .arg(lottery == Lottery::Fucai3D ? QStringLiteral("fc3d") : QStringLiteral("pl3"));
}

}  // namespace

HistoryUpdatePanel::HistoryUpdatePanel(store::KeptHistory& kept, QWidget* parent)
    : QWidget(parent), kept_(kept), update_(new fetch::DrawUpdate(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    button_ = new QPushButton(QStringLiteral("更新开奖"), this);
    button_->setObjectName(QStringLiteral("HistoryUpdateButton"));
    button_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    button_->setToolTip(QStringLiteral(
        "从网上取来比已存的更新的开奖号码（Ctrl+U）；来源写在数据文件夹的 sources.ini 里"));
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("HistoryUpdateProgress"));
    progress_->setAccessibleName(QStringLiteral("更新开奖的进度"));
    progress_->setRange(0, 0);  // how many pages there are is not known beforehand
    progress_->setFixedWidth(120);
    cancel_ = new QPushButton(QStringLiteral("取消"), this);
    cancel_->setObjectName(QStringLiteral("HistoryUpdateCancel"));
    cancel_->setAccessibleName(QStringLiteral("取消更新开奖"));
    layout->addWidget(button_);
    layout->addWidget(progress_);
    layout->addWidget(cancel_);
    showRunning(false);
    connect(button_, &QPushButton::clicked, this, &HistoryUpdatePanel::start);
    connect(cancel_, &QPushButton::clicked, update_, &fetch::DrawUpdate::cancel);
    connect(update_, &fetch::DrawUpdate::finished, this, &HistoryUpdatePanel::finished);
    connect(update_, &fetch::DrawUpdate::progressed, this,
            [this](const QString& source, int page, int received) {
                emit reported(QStringLiteral("正在更新开奖：%1 第 %2 页，已收到 %3 期")
                                  .arg(source)
                                  .arg(page)
                                  .arg(received),
                              false);
            });
}

void HistoryUpdatePanel::start() {
    if (update_->isRunning())
        return;
    const Lottery lottery = kept_.lottery();
    const DrawHistory& draws = kept_.draws(lottery);
    if (!draws.empty() && draws.front().issue.empty()) {
        emit reported(QStringLiteral("已存的%1开奖历史没有期号，无法和网上的开奖对上：先清空，"
                                     "再更新开奖")
                          .arg(qtText(lotteryName(lottery))),
                      true);
        return;
    }
    kept_.folder().create();
    const fetch::SourceList sources =
        fetch::readSourcesFile(kept_.folder().filePath(QStringLiteral("sources.ini")));
    sourcesProblem_ = sources.problems.join(QStringLiteral("；"));
    stopIssue_ = stopIssue(lottery);
    showRunning(true);
    emit reported(QStringLiteral("正在更新%1的开奖…").arg(qtText(lotteryName(lottery))), false);
    update_->start(lottery, sources.sources, stopIssue_);
}

QString HistoryUpdatePanel::stopIssue(Lottery lottery) const {
    const auto choices = kept_.folder().rememberedChoices();
    if (choices->contains(reachKey(lottery)))
        return choices->value(reachKey(lottery)).toString();
    const DrawHistory& draws = kept_.draws(lottery);
    return draws.empty() ? QString() : qtText(draws.front().issue);
}

void HistoryUpdatePanel::rememberReach(const fetch::UpdateOutcome& outcome, bool kept) {
    const auto choices = kept_.folder().rememberedChoices();
    const QString key = reachKey(outcome.lottery);
    if (outcome.complete && kept)
        choices->remove(key);
    else if (kept && !outcome.draws.empty() && !choices->contains(key))
        choices->setValue(key, stopIssue_);
}

void HistoryUpdatePanel::finished(const fetch::UpdateOutcome& outcome) {
    showRunning(false);
    store::KeptHistory::Addition addition;
    if (!outcome.draws.empty())
        addition = kept_.add(outcome.lottery, outcome.draws);
    rememberReach(outcome, addition.failure.isEmpty());
    fetch::UpdateReport report = fetch::updateReport(outcome, addition.merge, addition.failure);
    if (!sourcesProblem_.isEmpty())
        report.text += QStringLiteral("（%1）").arg(sourcesProblem_);
    emit reported(report.text, report.failed);
}

void HistoryUpdatePanel::showRunning(bool running) {
    button_->setEnabled(!running);
    progress_->setVisible(running);
    cancel_->setVisible(running);
    emit runningChanged(running);
}

}  // namespace suoshui::ui
