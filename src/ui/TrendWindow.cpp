#include "ui/TrendWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

#include "history/TrendCounts.h"
#include "store/KeptHistory.h"
#include "ui/HotColdModel.h"
#include "ui/QtText.h"
#include "ui/TrendView.h"
#include "ui/WindowFonts.h"

namespace suoshui::ui {

namespace {

constexpr int kAllDrawsShown = 0;

QCheckBox* addSwitch(const char* name, const QString& caption, QWidget* parent,
                     QHBoxLayout* layout) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromUtf8(name));
    box->setChecked(true);
    layout->addWidget(box);
    return box;
}

}  // namespace

TrendWindow::TrendWindow(store::KeptHistory& kept, std::function<QString()> chooseFile,
                         QWidget* parent)
    : QWidget(parent, Qt::Window), kept_(kept), chooseFile_(std::move(chooseFile)) {
    setObjectName(QStringLiteral("TrendWindow"));
    setFont(heiTi(12));
    resize(1500, 800);
    view_ = new TrendView(this);
    hotColdModel_ = new HotColdModel(this);
    auto* sorted = new QSortFilterProxyModel(this);
    sorted->setSourceModel(hotColdModel_);
    sorted->setSortRole(Qt::UserRole);
    hotCold_ = new QTableView(this);
    hotCold_->setObjectName(QStringLiteral("TrendHotCold"));
    hotCold_->setAccessibleName(QStringLiteral("冷热号"));
    hotCold_->setModel(sorted);
    hotCold_->setSortingEnabled(true);
    hotCold_->sortByColumn(HotColdModel::kPosition, Qt::AscendingOrder);
    hotCold_->setToolTip(
        QStringLiteral("冷热：每个位置每个数字在最近 10、30、100 期出现的次数，"
                       "当前遗漏和最大遗漏；点表头排序"));
    hotCold_->verticalHeader()->hide();
    hotCold_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    hotCold_->setMinimumWidth(470);
    hotCold_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* legend = new QLabel(
        QStringLiteral("每期开奖相互独立：遗漏再久，一个数字在每个位置出现的机会仍是十分之一。"
                       "双击百位、十位、个位、和值或跨度的格子，勾选或取消主窗口的对应号码。"),
        this);
    legend->setObjectName(QStringLiteral("TrendLegend"));
    legend->setWordWrap(true);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("TrendStatus"));
    auto* body = new QHBoxLayout;
    body->addWidget(view_, 1);
    body->addWidget(hotCold_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildControls());
    layout->addWidget(legend);
    layout->addLayout(body, 1);
    layout->addWidget(status_);
    connect(view_, &TrendView::cellDoubleClicked, this, &TrendWindow::cellDoubleClicked);
    connect(&kept_, &store::KeptHistory::changed, this, [this](Lottery lottery) {
        if (lottery == kept_.lottery())
            recount();
    });
    connect(&kept_, &store::KeptHistory::lotteryChanged, this, &TrendWindow::recount);
    recount();
    view_->scrollToNewest();
}

QWidget* TrendWindow::buildControls() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("显示最近"), row));
    range_ = new QComboBox(row);
    range_->setObjectName(QStringLiteral("TrendRange"));
    range_->setAccessibleName(QStringLiteral("显示的期数"));
    for (int count : {30, 50, 100, 200})
        range_->addItem(QString::number(count), count);
    range_->addItem(QStringLiteral("全部"), kAllDrawsShown);
    range_->setCurrentIndex(1);
    layout->addWidget(range_);
    layout->addWidget(new QLabel(QStringLiteral("期"), row));
    QCheckBox* omission = addSwitch("TrendShowOmission", QStringLiteral("显示遗漏"), row, layout);
    QCheckBox* lines = addSwitch("TrendShowLines", QStringLiteral("显示连线"), row, layout);
    auto* exportButton = new QPushButton(QStringLiteral("导出图片"), row);
    exportButton->setObjectName(QStringLiteral("TrendExportButton"));
    layout->addWidget(exportButton);
    layout->addStretch();
    connect(range_, &QComboBox::currentIndexChanged, this, [this] {
        recount();
        view_->scrollToNewest();
    });
    connect(omission, &QCheckBox::toggled, view_, &TrendView::setShowOmission);
    connect(lines, &QCheckBox::toggled, view_, &TrendView::setShowLines);
    connect(exportButton, &QPushButton::clicked, this, &TrendWindow::exportChart);
    return row;
}

// The counts are made once per change of the draws or the range, in the core; painting only
// reads them.
void TrendWindow::recount() {
    const DrawHistory& draws = kept_.draws();
    const int chosen = range_->currentData().toInt();
    const std::size_t shown =
        chosen == kAllDrawsShown ? draws.size() : static_cast<std::size_t>(chosen);
    view_->showCounts(trendCounts(draws, shown));
    hotColdModel_->showTable(hotCold(draws));
    setWindowTitle(QStringLiteral("走势图 - %1").arg(qtText(lotteryName(kept_.lottery()))));
    status_->setText(draws.empty() ? QStringLiteral("%1还没有开奖历史：先在开奖历史里导入或更新")
                                         .arg(qtText(lotteryName(kept_.lottery())))
                                   : QStringLiteral("%1：显示最近 %2 期，共 %3 期")
                                         .arg(qtText(lotteryName(kept_.lottery())))
                                         .arg(std::min(shown, draws.size()))
                                         .arg(draws.size()));
}

void TrendWindow::setTickedLookup(std::function<bool(Feature, const QString&)> ticked) {
    view_->setTickedLookup(std::move(ticked));
}

void TrendWindow::tickedChanged() {
    view_->viewport()->update();
}

void TrendWindow::exportChart() {
    const QString path = chooseFile_();
    if (path.isEmpty())
        return;
    const QString title = QStringLiteral("%1 走势图 %2")
                              .arg(qtText(lotteryName(kept_.lottery())),
                                   range_->currentText() == QStringLiteral("全部")
                                       ? QStringLiteral("全部")
                                       : QStringLiteral("最近 %1 期").arg(range_->currentText()));
    const bool saved = view_->wholeChart(title).save(path, "PNG");
    status_->setText(saved ? QStringLiteral("走势图已导出到 %1").arg(path)
                           : QStringLiteral("走势图没有导出：无法写入 %1").arg(path));
}

}  // namespace suoshui::ui
