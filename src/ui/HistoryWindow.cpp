#include "ui/HistoryWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

#include "history/DrawMerge.h"
#include "history/HistoryLoadText.h"
#include "store/KeptHistory.h"
#include "ui/BackgroundRead.h"
#include "ui/BacktestPanel.h"
#include "ui/DrawTableModel.h"
#include "ui/HistoryUpdatePanel.h"
#include "ui/HitCheckPanel.h"
#include "ui/QtText.h"
#include "ui/TextFiles.h"
#include "ui/WindowFonts.h"

namespace suoshui::ui {

namespace {

QPushButton* makeButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromUtf8(name));
    return button;
}

QGroupBox* group(const QString& title, QWidget* content, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(content);
    return box;
}

const QString kPasteOrderChoice = QStringLiteral("history/paste_newest_on_top");

QString nameOf(Lottery lottery) {
    return qtText(lotteryName(lottery));
}

// A list of bare numbers has no issue or date to tell its direction: the player says it.
bool linesCarryNoOrder(const ParsedHistory& parsed) {
    return parsed.order == DrawOrder::ByLines &&
           std::all_of(parsed.draws.begin(), parsed.draws.end(),
                       [](const Draw& draw) { return draw.issue.empty() && draw.date.empty(); });
}

}  // namespace

HistoryWindow::HistoryWindow(HistoryLinks links, store::KeptHistory& kept, QWidget* parent)
    : QWidget(parent, Qt::Tool), links_(std::move(links)), kept_(kept) {
    setObjectName(QStringLiteral("HistoryWindow"));
    setWindowTitle(QStringLiteral("开奖历史"));
    setFont(heiTi(13));
    resize(980, 700);
    buildTable();
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(buildLoadRow());
    left->addWidget(table_, 1);
    columns->addLayout(left, 5);
    columns->addWidget(buildSidePanel(), 4);
    setLayout(columns);
    connect(hitCheck_, &HitCheckPanel::hitLineChanged, this, &HistoryWindow::hitLineChanged);
    connect(&kept_, &store::KeptHistory::changed, this, [this](Lottery lottery) {
        if (lottery == kept_.lottery())
            showKeptDraws();
    });
    connect(&kept_, &store::KeptHistory::lotteryChanged, this, &HistoryWindow::showKeptDraws);
    showKeptDraws();
}

// Another copy of the program may have changed the kept draws since this window last showed.
void HistoryWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (isVisible())
        kept_.reload();
}

QWidget* HistoryWindow::buildLoadRow() {
    auto* row = new QWidget(this);
    auto* layout = new QVBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* buttons = new QHBoxLayout;
    lottery_ = new QComboBox(row);
    lottery_->setObjectName(QStringLiteral("HistoryLottery"));
    lottery_->setAccessibleName(QStringLiteral("彩种"));
    for (Lottery lottery : kLotteries)
        lottery_->addItem(nameOf(lottery), static_cast<int>(lottery));
    lottery_->setCurrentIndex(lottery_->findData(static_cast<int>(kept_.lottery())));
    QPushButton* import = makeButton("HistoryImportButton", QStringLiteral("导入文件…"), row);
    QPushButton* clear = makeButton("HistoryClearButton", QStringLiteral("清空"), row);
    reader_ = new BackgroundRead(row);
    auto* update = new HistoryUpdatePanel(kept_, row);
    buttons->addWidget(lottery_);
    buttons->addWidget(update);
    buttons->addWidget(import);
    buttons->addWidget(clear);
    QPushButton* trend = makeButton("HistoryTrendButton", QStringLiteral("走势图"), row);
    buttons->addWidget(trend);
    connect(trend, &QPushButton::clicked, this, &HistoryWindow::trendRequested);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addWidget(reader_);
    connect(reader_, &BackgroundRead::cancelled, this,
            [this] { showStatus(QStringLiteral("已取消导入，开奖历史没有改动"), false); });
    status_ = new QLabel(row);
    status_->setObjectName(QStringLiteral("HistoryStatus"));
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(status_);
    connect(update, &HistoryUpdatePanel::reported, this, &HistoryWindow::showStatus);
    connect(update, &HistoryUpdatePanel::runningChanged, clear, &QWidget::setDisabled);
    connect(import, &QPushButton::clicked, this, &HistoryWindow::importFile);
    connect(clear, &QPushButton::clicked, this, &HistoryWindow::clearHistory);
    connect(lottery_, &QComboBox::currentIndexChanged, this,
            [this] { kept_.setLottery(static_cast<Lottery>(lottery_->currentData().toInt())); });
    return row;
}

void HistoryWindow::buildTable() {
    draws_ = new DrawTableModel(this);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("HistoryTable"));
    table_->setAccessibleName(QStringLiteral("开奖历史"));
    table_->setModel(draws_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Fixed heights and widths: ten thousand rows are never measured one by one.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(22);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    const int widths[] = {80, 96, 50, 46, 46, 50, 70};
    for (int column = 0; column < DrawTableModel::kColumnCount; ++column)
        table_->setColumnWidth(column, widths[column]);
    table_->horizontalHeader()->setStretchLastSection(true);
}

QWidget* HistoryWindow::buildPasteArea() {
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    paste_ = new QPlainTextEdit(area);
    paste_->setObjectName(QStringLiteral("HistoryPasteBox"));
    paste_->setAccessibleName(QStringLiteral("粘贴开奖号码"));
    paste_->setPlaceholderText(QStringLiteral(
        "每行一期，例如：\n2026232 658\n第2026232期 开奖号码：6 5 8\n或带表头的 CSV"));
    paste_->setMaximumHeight(90);
    layout->addWidget(paste_);
    auto* row = new QHBoxLayout;
    QPushButton* apply = makeButton("HistoryPasteApply", QStringLiteral("读入粘贴的号码"), area);
    row->addWidget(apply);
    row->addStretch();
    row->addWidget(new QLabel(QStringLiteral("没有期号时："), area));
    pasteOrder_ = new QComboBox(area);
    pasteOrder_->setObjectName(QStringLiteral("HistoryPasteOrder"));
    pasteOrder_->setAccessibleName(QStringLiteral("没有期号时号码的顺序"));
    pasteOrder_->addItems({QStringLiteral("最新在下"), QStringLiteral("最新在上")});
    pasteOrder_->setToolTip(QStringLiteral(
        "只有号码、没有期号和日期的几行，哪一行是最新的一期：网站上常常最新的在最上面"));
    pasteOrder_->setCurrentIndex(
        kept_.folder().rememberedChoices()->value(kPasteOrderChoice).toBool() ? 1 : 0);
    row->addWidget(pasteOrder_);
    layout->addLayout(row);
    connect(pasteOrder_, &QComboBox::currentIndexChanged, this, [this](int index) {
        kept_.folder().rememberedChoices()->setValue(kPasteOrderChoice, index == 1);
    });
    connect(apply, &QPushButton::clicked, this, &HistoryWindow::applyPaste);
    return area;
}

QWidget* HistoryWindow::buildSidePanel() {
    auto* side = new QWidget(this);
    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(group(QStringLiteral("粘贴开奖号码"), buildPasteArea(), side));
    hitCheck_ = new HitCheckPanel(links_, side);
    layout->addWidget(group(QStringLiteral("中奖核对（主窗口的选号结果）"), hitCheck_, side));
    backtest_ = new BacktestPanel(links_, side);
    layout->addWidget(group(QStringLiteral("回测（主窗口现在的条件）"), backtest_, side), 1);
    showOmission_ = new QCheckBox(QStringLiteral("显示遗漏"), side);
    showOmission_->setObjectName(QStringLiteral("ShowOmission"));
    showOmission_->setToolTip(
        QStringLiteral("在主窗口每个条件按钮的角上写出当前遗漏的期数；鼠标停在按钮上可看遗漏详情"));
    layout->addWidget(showOmission_);
    connect(showOmission_, &QCheckBox::toggled, this, &HistoryWindow::omissionShownChanged);
    connect(backtest_, &BacktestPanel::backtestChanged, draws_, &DrawTableModel::showBacktest);
    connect(table_, &QTableView::clicked, this,
            [this](const QModelIndex& index) { backtest_->explainDraw(index.row()); });
    return side;
}

void HistoryWindow::importFile() {
    const QString path = reader_->isReading() ? QString() : links_.chooseFile();
    if (path.isEmpty())
        return;
    // Reading and parsing run on a worker; the draws are added here, on the window's thread.
    const auto parse = [](ImportedText& read) {
        read.made = parseHistory(read.text.toStdString());
    };
    reader_->start(path, QStringLiteral("开奖历史"), parse, [this, path](const ImportedText& read) {
        const QString source = QFileInfo(path).fileName();
        if (read.problem.happened()) {
            QString reason = read.problem.reason;
            if (reason.endsWith(QStringLiteral("。")))
                reason.chop(1);
            showStatus(QStringLiteral("没有导入文件“%1”：%2。原有的开奖历史保持不变。")
                           .arg(source, reason),
                       true);
            return;
        }
        loadParsed(std::any_cast<ParsedHistory>(read.made), read.text.toStdString(), source);
    });
}

void HistoryWindow::applyPaste() {
    load(paste_->toPlainText().toStdString(), QStringLiteral("粘贴的号码"));
}

void HistoryWindow::load(const std::string& text, const QString& source) {
    loadParsed(parseHistory(text), text, source);
}

void HistoryWindow::loadParsed(ParsedHistory parsed, const std::string& text,
                               const QString& source) {
    QString told = source + QStringLiteral("：") + qtText(historyLoadText(parsed));
    if (parsed.draws.empty()) {
        showStatus(told + QStringLiteral("。原有的开奖历史保持不变。"), true);
        return;
    }
    if (linesCarryNoOrder(parsed) && pasteOrder_->currentIndex() == 1) {
        std::reverse(parsed.draws.begin(), parsed.draws.end());
        told += QStringLiteral("（按最新在上）");
    }
    if (lacksIssueNumbers(parsed.draws))
        replaceWithBareNumbers(parsed.draws, told);
    else
        addDraws(parsed, text, told);
    raise();
    activateWindow();
}

void HistoryWindow::addDraws(const ParsedHistory& parsed, const std::string& text,
                             const QString& told) {
    const Lottery chosen = kept_.lottery();
    const std::optional<Lottery> seems = lotteryOfDraws(parsed.draws);
    if (seems && *seems != chosen &&
        !asks(
            QStringLiteral(
                "这些期号像是%1的（%1的期号是 %2 位数），现在选的是%3。\n仍然加入%3的开奖历史吗？")
                .arg(nameOf(*seems), QString::number(*seems == Lottery::Fucai3D ? 7 : 5),
                     nameOf(chosen)),
            true)) {
        showStatus(told + QStringLiteral("。没有加入：期号像是") + nameOf(*seems) +
                       QStringLiteral("的，请先选好彩种"),
                   true);
        return;
    }
    store::KeptHistory::Addition addition = kept_.add(chosen, parsed.draws);
    if (!addition.failure.isEmpty()) {
        showStatus(told + QStringLiteral("。没有加入：") + addition.failure, true);
        return;
    }
    for (DrawConflict& conflict : addition.merge.conflicts)
        conflict.line = lineOfIssue(text, conflict.read.issue);
    showStatus(told + QStringLiteral("。") + nameOf(chosen) + QStringLiteral("：") +
                   qtText(mergeText(addition.merge)),
               !addition.merge.conflicts.empty());
}

// Bare numbers cannot be matched with kept draws: they replace them only when the player says so.
void HistoryWindow::replaceWithBareNumbers(const DrawHistory& draws, const QString& told) {
    const Lottery chosen = kept_.lottery();
    const std::size_t keptCount = kept_.draws(chosen).size();
    if (keptCount > 0 &&
        !asks(QStringLiteral("这些号码没有期号，无法和已存的%1开奖历史（%2 期）对上。\n"
                             "用这 %3 期替换已存的 %2 期吗？")
                  .arg(nameOf(chosen), QString::number(keptCount), QString::number(draws.size())),
              false)) {
        showStatus(told + QStringLiteral("。号码没有期号，已存的 %1 期保持不变").arg(keptCount),
                   false);
        return;
    }
    const QString failure = kept_.replace(chosen, draws);
    if (!failure.isEmpty()) {
        showStatus(told + QStringLiteral("。没有存入：") + failure, true);
        return;
    }
    showStatus(told + QStringLiteral("。号码没有期号：%1的开奖历史现在是这 %2 期")
                          .arg(nameOf(chosen), QString::number(draws.size())),
               false);
}

bool HistoryWindow::asks(const QString& question, bool yesByDefault) {
    QMessageBox box(QMessageBox::Question, windowTitle(), question,
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setObjectName(QStringLiteral("HistoryQuestion"));
    box.setDefaultButton(yesByDefault ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void HistoryWindow::showKeptDraws() {
    const Lottery chosen = kept_.lottery();
    if (lottery_->currentData().toInt() != static_cast<int>(chosen))
        lottery_->setCurrentIndex(lottery_->findData(static_cast<int>(chosen)));
    history_ = kept_.draws(chosen);
    draws_->showHistory(history_);
    backtest_->setHistory(&history_);
    hitCheck_->setHistory(&history_);
    if (history_.empty())
        showStatus(QStringLiteral("%1还没有开奖历史：导入往期开奖号码的文件，或把号码粘贴到右边")
                       .arg(nameOf(chosen)),
                   false);
    else
        showStatus(
            QStringLiteral("%1：已存 %2 期，最新 %3")
                .arg(nameOf(chosen), QString::number(history_.size()),
                     qtText(history_.front().issue.empty() ? numberText(history_.front().number)
                                                           : history_.front().issue)),
            false);
    // Without a kept file the draws last only as long as the window: the player must know.
    const QString problem = kept_.problem();
    if (!problem.isEmpty())
        showStatus(problem, true);
}

void HistoryWindow::clearHistory() {
    const Lottery chosen = kept_.lottery();
    const std::size_t count = kept_.draws(chosen).size();
    if (count == 0) {
        showStatus(nameOf(chosen) + QStringLiteral("没有开奖历史可清空"), false);
        return;
    }
    if (!asks(QStringLiteral("清空%1的开奖历史吗？将删去已存的 %2 期，不能撤销。")
                  .arg(nameOf(chosen), QString::number(count)),
              false))
        return;
    const QString failure = kept_.clear(chosen);
    showStatus(failure.isEmpty() ? QStringLiteral("%1的开奖历史已清空（删去 %2 期）")
                                       .arg(nameOf(chosen), QString::number(count))
                                 : QStringLiteral("没有清空：") + failure,
               !failure.isEmpty());
}

void HistoryWindow::resultsChanged() {
    hitCheck_->refresh();
}

void HistoryWindow::settingsChanged() {
    backtest_->settingsChanged();
}

void HistoryWindow::showStatus(const QString& status, bool failed) {
    status_->setText(status);
    status_->setStyleSheet(failed ? QStringLiteral("color: rgb(190, 20, 20);") : QString());
}

}  // namespace suoshui::ui
