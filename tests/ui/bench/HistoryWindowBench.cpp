// The history window's work in the real main window under the offscreen platform, on ten
// thousand draws: each shape of file imported through the program's file dialog (checked once,
// not timed), a load by paste in each shape (after the first, every draw is already kept), the
// backtest with one box ticked in every reported group and "启用银选" ticked, from the click
// until the table and summary are updated, and a start with ten thousand kept draws. What is
// kept goes to a temporary folder; every question the window asks is answered yes.
#include "WindowBenchMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <cstdio>

#include <QMessageBox>

#include "features/ConditionTable.h"
#include "store/KeptHistory.h"
#include "support/HistoryText.h"
#include "ui/MainWindow.h"

namespace {

using suoshui::testing::HistoryShape;

constexpr int kDraws = 10'000;

QAbstractButton* tagged(MainWindow& window, int tag) {
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->property("tag").toInt() == tag)
            return button;
    }
    return nullptr;
}

void tickFirstBoxOfEveryLineWithExtra(MainWindow& window) {
    for (const auto* lines : {&suoshui::basicSummaryLines(), &suoshui::extendedSummaryLines()}) {
        for (const suoshui::SummaryLine& line : *lines)
            tagged(window, line.tags.first)->setChecked(true);
    }
    for (QCheckBox* option : window.findChildren<QCheckBox*>()) {
        if (option->text() == QStringLiteral("启用银选"))
            option->setChecked(true);
    }
}

template <typename Widget>
Widget* named(QWidget& parent, const char* name) {
    return parent.findChild<Widget*>(QString::fromUtf8(name));
}

QWidget& openHistory(MainWindow& window) {
    named<QToolButton>(window, "HistoryButton")->click();
    return *named<QWidget>(window, "HistoryWindow");
}

int rows(QWidget& history) {
    return named<QTableView>(history, "HistoryTable")->model()->rowCount();
}

void pasteAndLoad(QWidget& history, const std::string& text) {
    named<QPlainTextEdit>(history, "HistoryPasteBox")->setPlainText(QString::fromStdString(text));
    named<QPushButton>(history, "HistoryPasteApply")->click();
}

// Each shape written to a file and imported through the dialog as a player would, then
// backtested over all draws: the rows and the summary are printed.
void importEveryShapeThroughTheDialog() {
    MainWindow window;
    window.show();
    tickFirstBoxOfEveryLineWithExtra(window);
    QWidget& history = openHistory(window);
    QTemporaryDir folder;
    auto* count = named<QComboBox>(history, "BacktestDrawCount");
    count->setCurrentIndex(count->findText(QStringLiteral("全部")));
    for (HistoryShape shape : suoshui::testing::allHistoryShapes()) {
        const QString path =
            folder.filePath(QString::fromUtf8(historyShapeName(shape)) + QStringLiteral(".txt"));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(QByteArray::fromStdString(suoshui::testing::historyText(shape, kDraws)));
        file.close();
        QTimer::singleShot(200, [path] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
            dialog->done(QDialog::Accepted);
        });
        named<QPushButton>(history, "HistoryImportButton")->click();
        // The file is read on a worker; the strip goes when the draws are in.
        auto* strip = named<QWidget>(history, "ReadProgress");
        while (!strip->isHidden())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        named<QPushButton>(history, "BacktestButton")->click();
        std::printf("%-16s rows %d; %s\n  %s\n", historyShapeName(shape), rows(history),
                    named<QLabel>(history, "HistoryStatus")->text().toStdString().c_str(),
                    named<QLabel>(history, "BacktestSummary")->text().toStdString().c_str());
    }
}

void BM_WindowLoadByPaste(benchmark::State& state, HistoryShape shape) {
    MainWindow window;
    window.show();
    QWidget& history = openHistory(window);
    const QString text = QString::fromStdString(suoshui::testing::historyText(shape, kDraws));
    auto* paste = named<QPlainTextEdit>(history, "HistoryPasteBox");
    paste->setPlainText(text);
    auto* apply = named<QPushButton>(history, "HistoryPasteApply");
    QApplication::processEvents();  // the windows' first paint is not the load's
    for (auto _ : state) {
        apply->click();
        QApplication::processEvents();
    }
    state.counters["rows"] = rows(history);
}

void BM_WindowBacktest(benchmark::State& state) {
    MainWindow window;
    window.show();
    tickFirstBoxOfEveryLineWithExtra(window);
    QWidget& history = openHistory(window);
    pasteAndLoad(history, suoshui::testing::historyText(HistoryShape::IssueNumber, kDraws));
    auto* count = named<QComboBox>(history, "BacktestDrawCount");
    count->setCurrentIndex(count->findText(QStringLiteral("全部")));
    auto* button = named<QPushButton>(history, "BacktestButton");
    button->click();
    QApplication::processEvents();  // the windows' first paint is not the backtest's
    for (auto _ : state) {
        button->click();
        QApplication::processEvents();  // the table and the summary repaint
    }
    state.counters["rows"] = rows(history);
}

// From the window's creation until it has painted, with ten thousand draws kept.
void BM_FirstWindowWithKeptDraws(benchmark::State& state) {
    {
        MainWindow filler;
        pasteAndLoad(openHistory(filler),
                     suoshui::testing::historyText(HistoryShape::IssueNumber, kDraws));
    }
    for (auto _ : state) {
        MainWindow window;
        window.show();
        QApplication::processEvents();
        state.PauseTiming();
        window.close();
        state.ResumeTiming();
    }
}

// From the first ask until the kept draws are there, as a new window's history needs them.
void BM_KeptDrawsReady(benchmark::State& state) {
    const suoshui::store::DataFolder folder = suoshui::store::DataFolder::lookUp();
    std::size_t draws = 0;
    for (auto _ : state) {
        suoshui::store::KeptHistory kept(folder, QStringLiteral("bench"));
        draws = kept.draws().size();
    }
    state.counters["draws"] = static_cast<double>(draws);
}

void BM_WindowShowOmission(benchmark::State& state) {
    MainWindow window;
    window.show();
    QWidget& history = openHistory(window);
    pasteAndLoad(history, suoshui::testing::historyText(HistoryShape::IssueNumber, kDraws));
    auto* show = named<QCheckBox>(history, "ShowOmission");
    QApplication::processEvents();
    for (auto _ : state) {
        show->click();
        QApplication::processEvents();
    }
}

}  // namespace

int main(int argc, char** argv) {
    return runWindowBenchmarks(argc, argv, [] {
        auto* answerYes = new QTimer(qApp);
        QObject::connect(answerYes, &QTimer::timeout, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->done(QMessageBox::Yes);
        });
        answerYes->start(20);
        importEveryShapeThroughTheDialog();
        for (HistoryShape shape : suoshui::testing::allHistoryShapes())
            timedAsWaited(benchmark::RegisterBenchmark(
                (std::string("BM_WindowLoadByPaste/") + historyShapeName(shape)).c_str(),
                BM_WindowLoadByPaste, shape));
        timedAsWaited(benchmark::RegisterBenchmark("BM_WindowBacktest", BM_WindowBacktest));
        timedAsWaited(benchmark::RegisterBenchmark("BM_FirstWindowWithKeptDraws",
                                                   BM_FirstWindowWithKeptDraws));
        timedAsWaited(benchmark::RegisterBenchmark("BM_KeptDrawsReady", BM_KeptDrawsReady));
        timedAsWaited(benchmark::RegisterBenchmark("BM_WindowShowOmission", BM_WindowShowOmission));
    });
}
