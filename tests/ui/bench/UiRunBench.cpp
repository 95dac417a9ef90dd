// From a click on 选号结果 until the report stands in the result box, in the real window under
// the offscreen platform: with nothing ticked, and with one box ticked in every reported group
// and "启用银选" ticked, so that every candidate walks deep into the chain.
#include "WindowBenchMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QSpinBox>
#include <QToolButton>

#include "features/ConditionTable.h"
#include "ui/MainWindow.h"

namespace {

void enableExtraConditions(MainWindow& window) {
    for (QCheckBox* option : window.findChildren<QCheckBox*>()) {
        if (option->text() == QStringLiteral("启用银选"))
            option->setChecked(true);
    }
}

QAbstractButton* tagged(MainWindow& window, int tag) {
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->property("tag").toInt() == tag)
            return button;
    }
    return nullptr;
}

void tickFirstBoxOfEveryLine(MainWindow& window) {
    for (const auto* lines : {&suoshui::basicSummaryLines(), &suoshui::extendedSummaryLines()}) {
        for (const suoshui::SummaryLine& line : *lines)
            tagged(window, line.tags.first)->setChecked(true);
    }
    enableExtraConditions(window);
}

void clickRunUntilReported(benchmark::State& state, MainWindow& window) {
    auto* run = window.findChild<QToolButton*>(QStringLiteral("选号结果"));
    for (auto _ : state) {
        run->click();
        benchmark::DoNotOptimize(window.session().results.size());
    }
    state.counters["results"] = static_cast<double>(window.session().results.size());
}

void BM_RunNothingTicked(benchmark::State& state) {
    MainWindow window;
    window.show();
    clickRunUntilReported(state, window);
}

void BM_RunOneBoxPerGroupWithExtra(benchmark::State& state) {
    MainWindow window;
    window.show();
    tickFirstBoxOfEveryLine(window);
    clickRunUntilReported(state, window);
}

// With "容错" every group is judged for every number and the failures counted: the heavy run.
void BM_RunOneBoxPerGroupWithExtraAndTolerance(benchmark::State& state) {
    MainWindow window;
    window.show();
    tickFirstBoxOfEveryLine(window);
    window.findChild<QCheckBox*>(QStringLiteral("ToleranceOption"))->setChecked(true);
    window.findChild<QSpinBox*>(QStringLiteral("ToleranceMax"))->setValue(3);
    clickRunUntilReported(state, window);
}

// Every candidate passes every group of both stages: the longest walk a run can take.
void BM_RunNothingTickedWithExtra(benchmark::State& state) {
    MainWindow window;
    window.show();
    enableExtraConditions(window);
    clickRunUntilReported(state, window);
}

}  // namespace

int main(int argc, char** argv) {
    return runWindowBenchmarks(argc, argv, [] {
        timedAsWaited(benchmark::RegisterBenchmark("BM_RunNothingTicked", BM_RunNothingTicked));
        timedAsWaited(benchmark::RegisterBenchmark("BM_RunNothingTickedWithExtra",
                                                   BM_RunNothingTickedWithExtra));
        timedAsWaited(benchmark::RegisterBenchmark("BM_RunOneBoxPerGroupWithExtra",
                                                   BM_RunOneBoxPerGroupWithExtra));
        timedAsWaited(benchmark::RegisterBenchmark("BM_RunOneBoxPerGroupWithExtraAndTolerance",
                                                   BM_RunOneBoxPerGroupWithExtraAndTolerance));
    });
}
