// 更新开奖 clicked like a player, against a local server playing the 福彩 site: new draws are
// added and said, a contradicting draw is named and not kept, a cancel keeps the checked pages
// and the next update fills what is missing, no network is said at once.
#include <QDeadlineTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "HistoryFixture.h"
#include "support/SourceBodies.h"

namespace {

using source_bodies::welfarePage;

class HistoryUpdateTest : public HistoryFixture {
  protected:
    void SetUp() override {
        HistoryFixture::SetUp();
        useServer(0);
    }

    void useServer(int pauseMs) {
        pointSourcesAt(dataHome.path(), {localSource("福彩网", suoshui::Lottery::Fucai3D,
                                                     suoshui::fetch::SourceKind::Welfare,
                                                     server.url("/draws?pageNo={page}"), pauseMs)});
    }

    void clickUpdate() { inHistory<QPushButton>("HistoryUpdateButton")->click(); }

    // The update runs in the event loop; a hang is a failure, not a wait.
    void waitForUpdate() {
        const QDeadlineTimer patience(20000);
        while (!inHistory<QPushButton>("HistoryUpdateButton")->isEnabled() &&
               !patience.hasExpired())
            QTest::qWait(5);
        EXPECT_TRUE(inHistory<QPushButton>("HistoryUpdateButton")->isEnabled());
    }

    bool statusIsRed() const {
        return inHistory<QLabel>("HistoryStatus")->styleSheet().contains(QStringLiteral("color"));
    }

    LocalHttpServer server;
};

TEST_F(HistoryUpdateTest, NewDrawsAreAddedLikeAnImportAndSaid) {
    server.route("/draws", [](auto&) { return HttpReply{.body = welfarePage(2026154, 5)}; });
    paste("2026150 051\n2026151 151\n");
    EXPECT_FALSE(inHistory<QProgressBar>("HistoryUpdateProgress")->isVisible());
    clickUpdate();
    EXPECT_TRUE(inHistory<QProgressBar>("HistoryUpdateProgress")->isVisible());
    EXPECT_TRUE(inHistory<QPushButton>("HistoryUpdateCancel")->isVisible());
    EXPECT_FALSE(inHistory<QPushButton>("HistoryClearButton")->isEnabled());
    waitForUpdate();
    EXPECT_TRUE(inHistory<QPushButton>("HistoryClearButton")->isEnabled());
    EXPECT_EQ(status(), QStringLiteral("福彩网：新增 3 期，最新 2026154"));
    EXPECT_FALSE(statusIsRed());
    EXPECT_EQ(rows(), 5);
    EXPECT_FALSE(inHistory<QProgressBar>("HistoryUpdateProgress")->isVisible());
    // The page went down to the newest kept issue: one request for the data.
    EXPECT_EQ(server.requestsTo("/draws"), 1);

    clickUpdate();
    waitForUpdate();
    EXPECT_EQ(status(), QStringLiteral("福彩网：没有新的开奖，最新仍是 2026154"));
}

TEST_F(HistoryUpdateTest, ADrawThatContradictsAKeptOneIsNamedAndTheKeptOneStays) {
    server.route("/draws", [](auto&) { return HttpReply{.body = welfarePage(2026154, 5)}; });
    paste("2026150 051\n2026151 999\n");
    clickUpdate();
    waitForUpdate();
    EXPECT_TRUE(status().contains(QStringLiteral("新增 3 期，最新 2026154")));
    EXPECT_TRUE(status().contains(QStringLiteral("期号 2026151 已存为 999，这次读到 151：未改")));
    EXPECT_TRUE(statusIsRed());
    const QAbstractItemModel* table = inHistory<QTableView>("HistoryTable")->model();
    EXPECT_EQ(table->data(table->index(3, 0)).toString(), QStringLiteral("2026151"));
    EXPECT_EQ(table->data(table->index(3, 2)).toString(), QStringLiteral("999"));
}

TEST_F(HistoryUpdateTest, ACancelKeepsTheCheckedPagesAndTheNextUpdateFillsTheRest) {
    server.route("/draws", [](const HttpRequest& request) {
        const int page = request.page();
        return HttpReply{.body = welfarePage(2026300 - 100 * (page - 1), page <= 3 ? 100 : 0)};
    });
    useServer(60000);
    clickUpdate();
    const QDeadlineTimer patience(20000);
    while (!status().contains(QStringLiteral("第 1 页")) && !patience.hasExpired())
        QTest::qWait(5);
    inHistory<QPushButton>("HistoryUpdateCancel")->click();
    waitForUpdate();
    EXPECT_TRUE(status().startsWith(QStringLiteral("已取消更新开奖"))) << status().toStdString();
    EXPECT_EQ(rows(), 100);

    useServer(0);
    clickUpdate();
    waitForUpdate();
    EXPECT_EQ(rows(), 300);
    EXPECT_EQ(status(), QStringLiteral("福彩网：新增 200 期，最新 2026300"));
}

TEST_F(HistoryUpdateTest, NoNetworkIsSaidAtOnceAndNothingChanges) {
    paste("2026150 051\n");
    pointSourcesAt(dataHome.path(), unreachableSources());
    clickUpdate();
    waitForUpdate();
    EXPECT_TRUE(
        status().startsWith(QStringLiteral("无法连接网络，开奖历史没有改动：福彩网：连不上")))
        << status().toStdString();
    EXPECT_EQ(rows(), 1);
}

}  // namespace
