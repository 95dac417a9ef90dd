// A key typed into a box while the base list holds 64 MB, in one line or in many, measured from
// the key until the window has handled it and the events it caused (the read-back of the base
// list included, which follows a pause in typing), in the real window under the offscreen
// platform.
#include "WindowBenchMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include "ui/MainWindow.h"

namespace {

constexpr qsizetype kBaseListBytes = qsizetype{64} << 20;

QString baseListOf(bool oneLine) {
    QString text;
    text.reserve(kBaseListBytes);
    for (qsizetype i = 0; text.size() < kBaseListBytes; ++i) {
        text += QString::number(100 + i % 900);
        // Many lines: ten numbers a line, as lists copied from result pages come.
        text += oneLine || i % 10 != 9 ? QStringLiteral(" ") : QStringLiteral("\n");
    }
    return text;
}

// Types into the box one key at a time, waiting as long as a player between keys, so that the
// read-back after a pause is measured too.
void BM_KeyWithALargeBaseList(benchmark::State& state, bool oneLine, const char* boxName) {
    MainWindow window;
    window.show();
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->text() == QStringLiteral("大底"))
            button->click();
    }
    auto* baseList = window.findChild<QPlainTextEdit*>(QStringLiteral("BaseListBox"));
    // Pasted, as a player brings a list copied from elsewhere.
    QApplication::clipboard()->setText(baseListOf(oneLine));
    baseList->paste();
    QApplication::processEvents();
    QTest::qWait(500);  // the read-back of the set text is not the key's
    auto* box = window.findChild<QWidget*>(QString::fromUtf8(boxName));
    box->setFocus();
    for (auto _ : state) {
        state.PauseTiming();
        // A pause in typing: the read-back of the last key starts, and the next key comes
        // while the list is being read.
        QTest::qWait(170);
        state.ResumeTiming();
        QTest::keyClick(box, Qt::Key_5);
        QApplication::processEvents();
    }
}

}  // namespace

int main(int argc, char** argv) {
    return runWindowBenchmarks(argc, argv, [] {
        for (const auto& [name, oneLine] :
             {std::pair{"OneLine", true}, std::pair{"ManyLines", false}}) {
            for (const char* box : {"BaseListBox", "ExcludeSinglesBox"}) {
                benchmark::RegisterBenchmark(
                    (std::string("BM_KeyWithALargeBaseList/") + name + "/" + box).c_str(),
                    BM_KeyWithALargeBaseList, oneLine, box)
                    ->Unit(benchmark::kMillisecond)
                    ->Iterations(9)
                    ->Repetitions(3)
                    ->UseRealTime();
            }
        }
    });
}
