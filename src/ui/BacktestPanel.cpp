#include "ui/BacktestPanel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "history/BacktestText.h"
#include "ui/ConditionKillModel.h"
#include "ui/QtText.h"

namespace suoshui::ui {

namespace {

QLabel* wrappingLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

BacktestPanel::BacktestPanel(const HistoryLinks& links, QWidget* parent)
    : QWidget(parent), links_(links) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("回测最近"), this));
    drawCount_ = new QComboBox(this);
    drawCount_->setObjectName(QStringLiteral("BacktestDrawCount"));
    for (int count : {30, 50, 100})
        drawCount_->addItem(QString::number(count), count);
    drawCount_->addItem(QStringLiteral("全部"), 0);
    drawCount_->setCurrentIndex(2);
    row->addWidget(drawCount_);
    row->addWidget(new QLabel(QStringLiteral("期"), this));
    button_ = new QPushButton(QStringLiteral("回测当前条件"), this);
    button_->setObjectName(QStringLiteral("BacktestButton"));
    row->addWidget(button_);
    row->addStretch();
    layout->addLayout(row);
    summary_ = wrappingLabel("BacktestSummary", this);
    layout->addWidget(summary_);
    kills_ = new QTableView(this);
    kills_->setObjectName(QStringLiteral("ConditionKillTable"));
    kills_->setAccessibleName(QStringLiteral("各条件单独淘汰的期数"));
    killModel_ = new ConditionKillModel(this);
    kills_->setModel(killModel_);
    kills_->verticalHeader()->hide();
    kills_->horizontalHeader()->setStretchLastSection(true);
    kills_->setSelectionBehavior(QAbstractItemView::SelectRows);
    kills_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(kills_, 1);
    detail_ = wrappingLabel("BacktestDetail", this);
    layout->addWidget(detail_);
    connect(button_, &QPushButton::clicked, this, &BacktestPanel::runBacktest);
    // A summary under a range it was not made for would mislead: a new range backtests again.
    connect(drawCount_, &QComboBox::currentIndexChanged, this, [this] {
        if (result_)
            runBacktest();
    });
    forget();
}

void BacktestPanel::setHistory(const DrawHistory* history) {
    history_ = history;
    forget();
}

void BacktestPanel::forget() {
    result_.reset();
    killModel_->showBacktest(nullptr);
    summary_->setText(
        history_ && !history_->empty()
            ? QStringLiteral(
                  "点“回测当前条件”：按主窗口现在的条件，看往期开奖号码能否被选中（不含条件随机）")
            : QStringLiteral("先导入开奖历史"));
    detail_->clear();
    emit backtestChanged(nullptr);
}

void BacktestPanel::settingsChanged() {
    if (!result_)
        return;
    forget();
    summary_->setText(
        QStringLiteral("主窗口的条件改了，上次的回测已撤下；点“回测当前条件”按现在的条件再回测"));
}

std::size_t BacktestPanel::chosenDrawCount() const {
    const int count = drawCount_->currentData().toInt();
    return count > 0 ? static_cast<std::size_t>(count) : kAllDraws;
}

void BacktestPanel::runBacktest() {
    if (!history_ || history_->empty()) {
        forget();
        return;
    }
    const std::size_t count = chosenDrawCount();
    result_ = backtest(links_.readSettings(), *history_, count);
    summary_->setText(qtText(backtestSummaryText(*result_, count >= history_->size())) +
                      QStringLiteral("。不含条件随机。"));
    killModel_->showBacktest(&*result_);
    kills_->resizeColumnToContents(ConditionKillModel::kName);
    detail_->setText(QStringLiteral("点表中的一期，看它被哪些条件淘汰"));
    emit backtestChanged(&*result_);
}

void BacktestPanel::explainDraw(int row) {
    if (!history_ || row < 0 || static_cast<std::size_t>(row) >= history_->size())
        return;
    const Draw& draw = (*history_)[static_cast<std::size_t>(row)];
    const QString name =
        (draw.issue.empty() ? QString() : qtText(draw.issue) + QStringLiteral(" 期 ")) +
        qtText(numberText(draw.number));
    if (!result_ || static_cast<std::size_t>(row) >= result_->fates.size()) {
        detail_->setText(name + QStringLiteral("：不在回测的范围内"));
        return;
    }
    detail_->setText(name + QStringLiteral("：") +
                     qtText(fateText(result_->fates[static_cast<std::size_t>(row)])));
}

}  // namespace suoshui::ui
