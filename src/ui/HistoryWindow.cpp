#include "ui/HistoryWindow.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "history/HistoryLoadText.h"
#include "history/HistoryParser.h"
#include "history/Omission.h"
#include "ui/BacktestPanel.h"
#include "ui/DrawTableModel.h"
#include "ui/HitCheckPanel.h"
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

}  // namespace

HistoryWindow::HistoryWindow(HistoryLinks links, QWidget* parent)
    : QWidget(parent, Qt::Window), links_(std::move(links)) {
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
    setHistory({});
    showStatus(QStringLiteral("导入往期开奖号码的文件，或把号码粘贴到右边：福彩3D、排列3 都可以"),
               false);
}

HistoryWindow::~HistoryWindow() {
    omissionHints_.clear();
}

QWidget* HistoryWindow::buildLoadRow() {
    auto* row = new QWidget(this);
    auto* layout = new QVBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* buttons = new QHBoxLayout;
    QPushButton* import = makeButton("HistoryImportButton", QStringLiteral("导入文件…"), row);
    QPushButton* clear = makeButton("HistoryClearButton", QStringLiteral("清空"), row);
    buttons->addWidget(import);
    buttons->addWidget(clear);
    buttons->addStretch();
    layout->addLayout(buttons);
    status_ = new QLabel(row);
    status_->setObjectName(QStringLiteral("HistoryStatus"));
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(status_);
    connect(import, &QPushButton::clicked, this, &HistoryWindow::importFile);
    connect(clear, &QPushButton::clicked, this, &HistoryWindow::clearHistory);
    return row;
}

void HistoryWindow::buildTable() {
    draws_ = new DrawTableModel(this);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("HistoryTable"));
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
    paste_->setPlaceholderText(QStringLiteral(
        "每行一期，例如：\n2026232 658\n第2026232期 开奖号码：6 5 8\n或带表头的 CSV"));
    paste_->setMaximumHeight(90);
    layout->addWidget(paste_);
    QPushButton* apply = makeButton("HistoryPasteApply", QStringLiteral("读入粘贴的号码"), area);
    layout->addWidget(apply, 0, Qt::AlignLeft);
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
    connect(showOmission_, &QCheckBox::toggled, this,
            [this](bool shown) { omissionHints_.showInBoxes(shown); });
    connect(backtest_, &BacktestPanel::backtestChanged, draws_, &DrawTableModel::showBacktest);
    connect(table_, &QTableView::clicked, this,
            [this](const QModelIndex& index) { backtest_->explainDraw(index.row()); });
    return side;
}

void HistoryWindow::importFile() {
    const QString path = links_.chooseFile();
    if (path.isEmpty())
        return;
    const ImportedText imported = readImportedFile(path, QStringLiteral("开奖历史"));
    const QString source = QFileInfo(path).fileName();
    if (imported.problem.happened()) {
        QString reason = imported.problem.reason;
        if (reason.endsWith(QStringLiteral("。")))
            reason.chop(1);
        showStatus(
            QStringLiteral("没有导入文件“%1”：%2。原有的开奖历史保持不变。").arg(source, reason),
            true);
        return;
    }
    load(imported.text.toStdString(), source);
}

void HistoryWindow::applyPaste() {
    load(paste_->toPlainText().toStdString(), QStringLiteral("粘贴的号码"));
}

void HistoryWindow::load(const std::string& text, const QString& source) {
    ParsedHistory parsed = parseHistory(text);
    const QString told =
        source + QStringLiteral("：") + QString::fromStdString(historyLoadText(parsed));
    if (parsed.draws.empty()) {
        showStatus(told + QStringLiteral("。原有的开奖历史保持不变。"), true);
        return;
    }
    setHistory(std::move(parsed.draws));
    showStatus(told, false);
}

void HistoryWindow::setHistory(DrawHistory history) {
    history_ = std::move(history);
    draws_->showHistory(&history_);
    backtest_->setHistory(&history_);
    hitCheck_->setHistory(&history_);
    if (history_.empty())
        omissionHints_.clear();
    else
        omissionHints_.show(OmissionCounts(history_), links_.valueBoxes());
}

void HistoryWindow::clearHistory() {
    setHistory({});
    showStatus(QStringLiteral("开奖历史已清空"), false);
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
