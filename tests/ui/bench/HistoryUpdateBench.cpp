// 更新开奖 in the real window under the offscreen platform: ten thousand 福彩3D draws in a hundred
// pages from a local server on 127.0.0.1 with no pause between pages, from the click until the
// draws are kept and the table shows them. Beside the time, the longest the window's event loop
// went without a turn ("longest_stall_ms"): the window must repaint throughout.
#include "WindowBenchMain.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include "store/KeptHistory.h"
#include "support/LocalSources.h"
#include "support/SourceBodies.h"
#include "ui/MainWindow.h"

namespace {

constexpr int kPages = 100;
constexpr int kDrawsPerPage = 100;
constexpr int kNewest = 2026000 + kPages * kDrawsPerPage;

void BM_UpdateOfTenThousandDraws(benchmark::State& state) {
    LocalHttpServer server;
    QList<QByteArray> pages;
    for (int page = 1; page <= kPages + 1; ++page)
        pages << source_bodies::welfarePage(kNewest - kDrawsPerPage * (page - 1),
                                            page <= kPages ? kDrawsPerPage : 0);
    server.route("/draws", [&pages](const HttpRequest& request) {
        return HttpReply{.body = pages.value(request.page() - 1, pages.last())};
    });
    pointSourcesAt(
        qEnvironmentVariable("XDG_DATA_HOME"),
        {localSource("福彩网", suoshui::Lottery::Fucai3D, suoshui::fetch::SourceKind::Welfare,
                     server.url("/draws?pageNo={page}"))});
    MainWindow window;
    window.show();
    window.findChild<QToolButton*>(QStringLiteral("HistoryButton"))->click();
    auto* update = window.findChild<QPushButton*>(QStringLiteral("HistoryUpdateButton"));
    auto* table = window.findChild<QTableView*>(QStringLiteral("HistoryTable"));
    QApplication::processEvents();

    // A timer that should fire every 5 ms: the longest gap between two of its turns.
    QElapsedTimer sinceTurn;
    qint64 longestStall = 0;
    QTimer heartbeat;
    QObject::connect(&heartbeat, &QTimer::timeout,
                     [&] { longestStall = std::max(longestStall, sinceTurn.restart()); });
    int rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        window.keptHistory().clear(suoshui::Lottery::Fucai3D);
        QApplication::processEvents();
        state.ResumeTiming();
        sinceTurn.start();
        heartbeat.start(5);
        update->click();
        const QDeadlineTimer patience(60000);
        while (!update->isEnabled() && !patience.hasExpired())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QApplication::processEvents();  // the table repaints
        heartbeat.stop();
        rows = table->model()->rowCount();
    }
    state.counters["rows"] = rows;
    state.counters["longest_stall_ms"] = static_cast<double>(longestStall);
}

}  // namespace

int main(int argc, char** argv) {
    return runWindowBenchmarks(argc, argv, [] {
        benchmark::RegisterBenchmark("BM_UpdateOfTenThousandDraws", BM_UpdateOfTenThousandDraws)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3)
            ->Repetitions(5)
            ->UseRealTime();
    });
}
