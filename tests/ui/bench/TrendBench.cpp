// 走势图 on ten thousand kept draws in the real window under the offscreen platform: from the
// click on "走势图" until the window has painted, one scroll step repainted, and the export of
// 200 draws as a picture.
#include "WindowBenchMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolButton>

#include "store/KeptHistory.h"
#include "ui/MainWindow.h"
#include "ui/TrendView.h"

namespace {

constexpr int kDraws = 10'000;

suoshui::DrawHistory madeDraws() {
    suoshui::DrawHistory draws;
    for (int i = 0; i < kDraws; ++i)
        draws.push_back({std::to_string(2000000 + kDraws - i), "", (i * 7919 + 13) % 1000});
    return draws;
}

void BM_TrendWindowOpens(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<MainWindow>();
        window->keptHistory().add(suoshui::Lottery::Fucai3D, madeDraws());
        QApplication::processEvents();
        state.ResumeTiming();
        window->findChild<QToolButton*>(QStringLiteral("TrendButton"))->click();
        QApplication::processEvents();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}

void BM_TrendScrollRepaint(benchmark::State& state) {
    MainWindow window;
    window.keptHistory().add(suoshui::Lottery::Fucai3D, madeDraws());
    window.findChild<QToolButton*>(QStringLiteral("TrendButton"))->click();
    auto* range = window.findChild<QComboBox*>(QStringLiteral("TrendRange"));
    range->setCurrentIndex(range->findText(QStringLiteral("全部")));
    auto* view = window.findChild<suoshui::ui::TrendView*>(QStringLiteral("TrendView"));
    QApplication::processEvents();
    QScrollBar* bar = view->verticalScrollBar();
    int step = 0;
    for (auto _ : state) {
        bar->setValue(bar->maximum() - (step++ % 500) * 20);
        view->viewport()->repaint();
    }
}

void BM_TrendExportOf200Draws(benchmark::State& state) {
    MainWindow window;
    window.keptHistory().add(suoshui::Lottery::Fucai3D, madeDraws());
    window.findChild<QToolButton*>(QStringLiteral("TrendButton"))->click();
    auto* range = window.findChild<QComboBox*>(QStringLiteral("TrendRange"));
    range->setCurrentIndex(range->findText(QStringLiteral("200")));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("trend.png"));
    auto* exportButton = window.findChild<QAbstractButton*>(QStringLiteral("TrendExportButton"));
    for (auto _ : state) {
        window.setFileChooser([path](suoshui::ui::FileUse) { return path; });
        exportButton->click();
    }
}

}  // namespace

int main(int argc, char** argv) {
    return runWindowBenchmarks(argc, argv, [] {
        timedAsWaited(benchmark::RegisterBenchmark("BM_TrendWindowOpens", BM_TrendWindowOpens));
        timedAsWaited(benchmark::RegisterBenchmark("BM_TrendScrollRepaint", BM_TrendScrollRepaint));
        timedAsWaited(
            benchmark::RegisterBenchmark("BM_TrendExportOf200Draws", BM_TrendExportOf200Draws));
    });
}
