// The draw history window driven like a player: loads by paste and through the file dialog,
// the backtest of the main window's conditions, the hit check of its last result and the
// omission counts on its value boxes.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringConverter>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "HistoryFixture.h"
#include "ModalDriver.h"
#include "ReadWait.h"
#include "ui/ValueBox.h"

namespace {

// Newest first: 2026232 658 (和值 19), 2026231 123 (和值 6), 2026230 919 (和值 19).
const char* const kThreeDraws = "2026230 919\n2026231 123\n2026232 658\n";

class HistoryWindowTest : public HistoryFixture {
  protected:
    void importFile(const QString& path) {
        window->setFileChooser([path](suoshui::ui::FileUse use) {
            EXPECT_EQ(use, suoshui::ui::FileUse::ImportHistory);
            return path;
        });
        inHistory<QPushButton>("HistoryImportButton")->click();
        waitForReading(*history);
    }

    void backtestAll() {
        auto* count = inHistory<QComboBox>("BacktestDrawCount");
        count->setCurrentIndex(count->findText(QStringLiteral("全部")));
        inHistory<QPushButton>("BacktestButton")->click();
    }

    // The next question the window asks is answered so, and its words kept.
    void answerQuestion(QMessageBox::StandardButton answer) {
        asked.clear();
        whenModalAppears(window.get(), [this, answer](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            asked = box->text();
            box->done(answer);
        });
    }

    QString hitCheck() const { return inHistory<QLabel>("HitCheckText")->text(); }
    QString hitLine() const { return named<QLabel>("HitLine")->toolTip(); }

    QString asked;
};

TEST_F(HistoryWindowTest, OpensFromTheTopBarAndClosingLeavesTheMainWindow) {
    auto* button = named<QToolButton>("HistoryButton");
    EXPECT_EQ(button->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
    EXPECT_TRUE(button->toolTip().contains(QStringLiteral("开奖历史")))
        << button->toolTip().toStdString();
    EXPECT_TRUE(history->isWindow());
    EXPECT_EQ(history->windowTitle(), QStringLiteral("开奖历史"));
    paste(kThreeDraws);
    history->close();
    EXPECT_FALSE(history->isVisible());
    button->click();  // the same window, as the player left it
    EXPECT_EQ(named<QWidget>("HistoryWindow"), history);
    EXPECT_EQ(rows(), 3);
    tagged(1)->click();
    run();
    EXPECT_EQ(window->session().results.size(), 100U);
}

TEST_F(HistoryWindowTest, PasteLoadsNewestFirstAndNamesSkippedLines) {
    paste("2026230 919\n1234\n2026231 123\n2026232 658\n");
    EXPECT_EQ(rows(), 3);
    EXPECT_EQ(cell("HistoryTable", 0, 0), QStringLiteral("2026232"));
    EXPECT_EQ(cell("HistoryTable", 0, 2), QStringLiteral("658"));
    EXPECT_EQ(cell("HistoryTable", 0, 3), QStringLiteral("19"));
    EXPECT_EQ(cell("HistoryTable", 2, 5), QStringLiteral("组三"));
    EXPECT_EQ(status(),
              QStringLiteral("粘贴的号码：读入 3 期，跳过 1 行：第 2 行；按期号排列，最新一期 "
                             "2026232。福彩3D：新增 3 期，已有 0 期，最新 2026232"));
}

TEST_F(HistoryWindowTest, LoadThatReadsNothingKeepsTheHistory) {
    paste(kThreeDraws);
    paste("1234\n5678\n");
    EXPECT_EQ(rows(), 3);
    EXPECT_TRUE(
        status().startsWith(QStringLiteral("粘贴的号码：没有读入开奖号码：没有一行能读出开奖号码")))
        << status().toStdString();
    EXPECT_TRUE(status().endsWith(QStringLiteral("原有的开奖历史保持不变。")));
}

struct FileCase {
    const char* name;
    QByteArray bytes;
    int rows;  // after the three draws pasted first; 0: refused, the three draws stay
    const char* said;
};

class HistoryFileTest : public HistoryWindowTest, public ::testing::WithParamInterface<FileCase> {};

TEST_P(HistoryFileTest, ImportThroughTheDialog) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("开奖.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(GetParam().bytes);
    file.close();
    paste(kThreeDraws);
    importFile(path);
    EXPECT_EQ(rows(), GetParam().rows == 0 ? 3 : GetParam().rows);
    EXPECT_TRUE(status().contains(QString::fromUtf8(GetParam().said))) << status().toStdString();
}

QByteArray gbk(const char* text) {
    return QStringEncoder("GBK").encode(QString::fromUtf8(text));
}

QByteArray utf16WithMark(const char* text) {
    return QByteArray("\xFF\xFE", 2) +
           QByteArray(QStringEncoder(QStringConverter::Utf16LE).encode(QString::fromUtf8(text)));
}

INSTANTIATE_TEST_SUITE_P(
    Files, HistoryFileTest,
    ::testing::Values(
        FileCase{"GbkTable", gbk("期号,开奖日期,开奖号码\r\n2026233,2026-08-31,6 5 8\r\n"), 4,
                 "读入 1 期"},
        FileCase{"Utf16Lines",
                 utf16WithMark("第2026234期 开奖号码：6 5 8\n第2026232期 开奖号码：6 5 8\n"), 4,
                 "新增 1 期，已有 1 期，最新 2026234"},
        FileCase{"Empty", QByteArray(), 0, "内容是空的"},
        FileCase{"Binary", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), 0, "二进制"},
        FileCase{"HeaderOnly", QByteArray("issue,date,number\n"), 0, "只有表头"},
        FileCase{"InvalidUtf8", QByteArray("\xC3\x28\xFF 2026 12\n"), 0, "没有一行能读出开奖号码"}),
    [](const auto& test) { return std::string(test.param.name); });

// A file beyond the import limit is refused by its size before it is read.
TEST_F(HistoryWindowTest, HugeFileIsRefusedByTheSizeLimit) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("huge.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(qint64{200} * 1024 * 1024));  // sparse: no disk used
    file.close();
    paste(kThreeDraws);
    importFile(path);
    EXPECT_EQ(rows(), 3);
    EXPECT_TRUE(status().contains(QStringLiteral("导入的开奖历史不能超过 64 MB")))
        << status().toStdString();
}

// The panel speaks of the main window's conditions now: a tick after a backtest takes it down.
TEST_F(HistoryWindowTest, ConditionChangedAfterABacktestTakesItDown) {
    tagged(51 + 19)->click();  // 和值 19
    paste(kThreeDraws);
    backtestAll();
    ASSERT_EQ(cell("HistoryTable", 0, 6), QStringLiteral("✓ 保留"));
    tagged(51 + 20)->click();
    EXPECT_TRUE(inHistory<QLabel>("BacktestSummary")->text().contains(QStringLiteral("条件改了")));
    EXPECT_EQ(cell("HistoryTable", 0, 6), QString());
    EXPECT_EQ(inHistory<QTableView>("ConditionKillTable")->model()->rowCount(), 0);
}

TEST_F(HistoryWindowTest, BacktestMarksDrawsAndCountsWhatEachConditionCost) {
    tagged(51 + 19)->click();  // 和值 19
    paste(kThreeDraws);
    backtestAll();
    const QString summary = inHistory<QLabel>("BacktestSummary")->text();
    EXPECT_TRUE(summary.startsWith(
        QStringLiteral("全部 3 期保留 2 期（66.7%）；这些条件保留 1000 个号码中的 45 个（4.5%）")))
        << summary.toStdString();
    EXPECT_TRUE(summary.contains(QStringLiteral("不含条件随机")));
    EXPECT_EQ(cell("HistoryTable", 0, 6), QStringLiteral("✓ 保留"));
    EXPECT_EQ(cell("HistoryTable", 1, 6), QStringLiteral("✗ 淘汰"));
    EXPECT_EQ(cell("ConditionKillTable", 0, 0), QStringLiteral("和值"));
    EXPECT_EQ(cell("ConditionKillTable", 0, 1), QStringLiteral("1"));
    auto* table = inHistory<QTableView>("HistoryTable");
    table->show();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      table->visualRect(table->model()->index(1, 2)).center());
    EXPECT_EQ(inHistory<QLabel>("BacktestDetail")->text(),
              QStringLiteral("2026231 期 123：被淘汰：和值不符"));
}

TEST_F(HistoryWindowTest, HitCheckOfTheLastResultBesideTheResultBoxNotInTheReport) {
    paste(kThreeDraws);
    EXPECT_TRUE(hitCheck().startsWith(QStringLiteral("还没有选号结果")));
    EXPECT_EQ(hitLine(), QString());
    tagged(6)->click();  // 百位 6
    run();
    EXPECT_EQ(hitCheck(),
              QStringLiteral(
                  "2026232 期 658：直选中奖 1040 元；投注 100 注直选，花费 200 元，盈亏 +840 元"));
    EXPECT_EQ(hitLine(), QStringLiteral("中奖核对 ") + hitCheck());
    EXPECT_EQ(result().find("中奖"), std::string::npos);
    inHistory<QLineEdit>("HitCheckNumber")->setText(QStringLiteral("586"));
    EXPECT_TRUE(hitCheck().startsWith(QStringLiteral("586：未中奖；")));
    captioned("组选号")->click();
    run();
    EXPECT_TRUE(hitCheck().startsWith(QStringLiteral("586：组六中奖 173 元；")))
        << hitCheck().toStdString();
    inHistory<QLineEdit>("HitCheckNumber")->setText(QStringLiteral("58"));
    EXPECT_EQ(hitCheck(), QStringLiteral("请输入三位数字的号码，例如 658"));
    EXPECT_EQ(hitLine(), QString());
}

// A number typed while a run walks is not checked against its half-made results.
TEST_F(HistoryWindowTest, HitCheckWaitsForTheRunToEnd) {
    paste(kThreeDraws);
    window->setEventPassInterval(0);
    QString duringRun;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (window->session().results.size() < 100)
            return;
        inHistory<QLineEdit>("HitCheckNumber")->setText(QStringLiteral("999"));
        duringRun = hitCheck();
        watch.stop();
    });
    watch.start(0);
    run();
    EXPECT_EQ(duringRun, QStringLiteral("正在选号：选号结束后再核对"));
    EXPECT_TRUE(hitCheck().startsWith(QStringLiteral("999：直选中奖"))) << hitCheck().toStdString();
}

TEST_F(HistoryWindowTest, HoverHintsGainOmissionAndComeBackWhenCleared) {
    auto* six = qobject_cast<suoshui::ui::ValueBox*>(tagged(6));  // 百位 6
    ASSERT_NE(six, nullptr);
    const QString ownHint = six->toolTip();
    EXPECT_EQ(ownHint, QStringLiteral("百位：6"));
    paste(kThreeDraws);
    EXPECT_EQ(six->toolTip(),
              ownHint + QStringLiteral("\n遗漏 0 期，最大遗漏 ≥ 2 期，近 3 期出现 1 次"));
    auto* nine = qobject_cast<suoshui::ui::ValueBox*>(tagged(9));
    inHistory<QCheckBox>("ShowOmission")->click();
    EXPECT_EQ(nine->omission(), QStringLiteral("2"));
    // 和值 0 never came in three draws: its count is a lower bound.
    auto* sumZero = qobject_cast<suoshui::ui::ValueBox*>(tagged(51));
    EXPECT_EQ(sumZero->omission(), QStringLiteral("≥3"));
    EXPECT_EQ(nine->text(), QStringLiteral("9"));
    EXPECT_FALSE(tagged(1001)->toolTip().contains(QStringLiteral("遗漏")));  // toggles have none
    answerQuestion(QMessageBox::Yes);
    inHistory<QPushButton>("HistoryClearButton")->click();
    EXPECT_EQ(six->toolTip(), ownHint);
    EXPECT_EQ(nine->omission(), std::nullopt);
    EXPECT_EQ(rows(), 0);
}

// The kept draws outlive the window: a new window of the same player finds them.
TEST_F(HistoryWindowTest, KeptDrawsAreThereInTheNextWindow) {
    paste(kThreeDraws);
    window.reset();
    window = std::make_unique<MainWindow>();
    named<QToolButton>("HistoryButton")->click();
    history = named<QWidget>("HistoryWindow");
    EXPECT_EQ(rows(), 3);
    EXPECT_TRUE(status().startsWith(QStringLiteral("福彩3D：已存 3 期，最新 2026232")));
}

TEST_F(HistoryWindowTest, EachLotteryHasItsOwnHistoryAndTheChoiceIsRemembered) {
    auto* lottery = inHistory<QComboBox>("HistoryLottery");
    ASSERT_EQ(lottery->count(), 2);
    EXPECT_EQ(lottery->itemText(0), QStringLiteral("福彩3D"));
    EXPECT_EQ(lottery->itemText(1), QStringLiteral("排列3"));
    paste(kThreeDraws);
    lottery->setCurrentIndex(1);
    EXPECT_EQ(rows(), 0);
    paste("26231 123\n26232 658\n");
    EXPECT_EQ(rows(), 2);
    window.reset();
    window = std::make_unique<MainWindow>();
    named<QToolButton>("HistoryButton")->click();
    history = named<QWidget>("HistoryWindow");
    EXPECT_EQ(inHistory<QComboBox>("HistoryLottery")->currentText(), QStringLiteral("排列3"));
    EXPECT_EQ(rows(), 2);
    inHistory<QComboBox>("HistoryLottery")->setCurrentIndex(0);
    EXPECT_EQ(rows(), 3);
}

// An issue kept with another number stays as kept and is named with its line.
TEST_F(HistoryWindowTest, APasteAddsAndNamesAConflict) {
    paste(kThreeDraws);
    paste("2026233 111\n2026232 659\n");
    EXPECT_EQ(rows(), 4);
    EXPECT_TRUE(status().endsWith(QStringLiteral(
        "新增 1 期，已有 0 期，冲突 1 期（第 2 行），最新 2026233；期号 2026232 已存为 658，"
        "这次读到 659：未改")))
        << status().toStdString();
    EXPECT_EQ(cell("HistoryTable", 1, 2), QStringLiteral("658"));
}

// Bare numbers cannot be matched with kept draws: they replace them only on a "yes".
TEST_F(HistoryWindowTest, BareNumbersReplaceTheKeptDrawsOnlyWhenAsked) {
    paste(kThreeDraws);
    answerQuestion(QMessageBox::No);
    paste("111\n222\n");
    EXPECT_TRUE(asked.contains(QStringLiteral("没有期号"))) << asked.toStdString();
    EXPECT_EQ(rows(), 3);
    EXPECT_TRUE(status().endsWith(QStringLiteral("已存的 3 期保持不变")));
    answerQuestion(QMessageBox::Yes);
    paste("111\n222\n");
    EXPECT_EQ(rows(), 2);
    EXPECT_EQ(cell("HistoryTable", 0, 2), QStringLiteral("222"));  // the last line is the newest
}

// Lists copied from sites that put the newest on top: the player says so, and it is remembered.
TEST_F(HistoryWindowTest, BareNumbersNewestOnTopWhenThePlayerSaysSo) {
    auto* order = inHistory<QComboBox>("HistoryPasteOrder");
    order->setCurrentIndex(order->findText(QStringLiteral("最新在上")));
    paste("111\n222\n333\n");
    EXPECT_EQ(cell("HistoryTable", 0, 2), QStringLiteral("111"));
    EXPECT_TRUE(status().contains(QStringLiteral("按最新在上")));
    window.reset();
    window = std::make_unique<MainWindow>();
    named<QToolButton>("HistoryButton")->click();
    history = named<QWidget>("HistoryWindow");
    EXPECT_EQ(inHistory<QComboBox>("HistoryPasteOrder")->currentText(), QStringLiteral("最新在上"));
}

TEST_F(HistoryWindowTest, IssuesOfTheOtherLotteryAreNamedBeforeTheyAreAdded) {
    answerQuestion(QMessageBox::No);
    paste("26231 123\n26232 658\n");
    EXPECT_TRUE(asked.contains(QStringLiteral("像是排列3的"))) << asked.toStdString();
    EXPECT_EQ(rows(), 0);
    answerQuestion(QMessageBox::Yes);
    paste("26231 123\n26232 658\n");
    EXPECT_EQ(rows(), 2);
}

TEST_F(HistoryWindowTest, ClearingAsksWithTheCountAndClearsOnlyTheChosenLottery) {
    paste(kThreeDraws);
    inHistory<QComboBox>("HistoryLottery")->setCurrentIndex(1);
    paste("26232 658\n");
    answerQuestion(QMessageBox::No);
    inHistory<QPushButton>("HistoryClearButton")->click();
    EXPECT_TRUE(asked.contains(QStringLiteral("排列3"))) << asked.toStdString();
    EXPECT_TRUE(asked.contains(QStringLiteral("1 期")));
    EXPECT_EQ(rows(), 1);
    answerQuestion(QMessageBox::Yes);
    inHistory<QPushButton>("HistoryClearButton")->click();
    EXPECT_EQ(rows(), 0);
    inHistory<QComboBox>("HistoryLottery")->setCurrentIndex(0);
    EXPECT_EQ(rows(), 3);
}

// A tool window of the main window, so that it stays in front of it; a new range backtests
// again rather than leaving the old summary under it.
TEST_F(HistoryWindowTest, StaysInFrontAndANewRangeBacktestsAgain) {
    EXPECT_EQ(history->windowType(), Qt::Tool);
    EXPECT_EQ(history->parentWidget(), window.get());
    paste(kThreeDraws);
    backtestAll();
    auto* count = inHistory<QComboBox>("BacktestDrawCount");
    count->setCurrentIndex(count->findText(QStringLiteral("30")));
    EXPECT_TRUE(
        inHistory<QLabel>("BacktestSummary")->text().startsWith(QStringLiteral("全部 3 期")))
        << inHistory<QLabel>("BacktestSummary")->text().toStdString();
}

}  // namespace
