// The update against a local server that plays the official sites in their documented shapes
// and in every way they are known to fail. Nothing here reaches past 127.0.0.1.
#include <gtest/gtest.h>

#include <functional>

#include "UpdateRun.h"
#include "support/LocalHttpServer.h"
#include "support/LocalSources.h"
#include "support/SourceBodies.h"

namespace suoshui::fetch {
namespace {

using source_bodies::sportsPage;
using source_bodies::welfarePage;

class DrawUpdateTest : public ::testing::Test {
  protected:
    DrawSource welfare(const QByteArray& path = "/draws") const {
        DrawSource source = localSource("福彩网", Lottery::Fucai3D, SourceKind::Welfare,
                                        server.url(path + "?name=3d&pageNo={page}&pageSize=100"));
        source.referer = QStringLiteral("https://www.cwl.gov.cn/ygkj/wqkjgg/fc3d/");
        source.userAgent = QStringLiteral("Mozilla/5.0 (X11; Linux x86_64)");
        return source;
    }

    UpdateOutcome run(const std::vector<DrawSource>& sources, const QString& stopIssue = {}) {
        update.start(sources.empty() ? Lottery::Fucai3D : sources.front().lottery, sources,
                     stopIssue);
        const std::optional<UpdateOutcome> outcome = waitForUpdate(update);
        EXPECT_TRUE(outcome.has_value()) << "the update did not end";
        return outcome.value_or(UpdateOutcome{});
    }

    // Pages of a hundred draws, the newest 2026300, down to 2026001; then an empty page.
    void serveThreePages(const QByteArray& path = "/draws") {
        server.route(path, [](const HttpRequest& request) {
            const int page = request.page();
            return HttpReply{.body = welfarePage(2026300 - 100 * (page - 1), page <= 3 ? 100 : 0)};
        });
    }

    LocalHttpServer server;
    DrawUpdate update;
};

struct FaultCase {
    const char* name;
    std::function<HttpReply(const HttpRequest&)> reply;
    const char* fault;  // a part of what the player reads
    int requests;       // a retry counts; 0: not counted (Qt may send a redirect twice)
};

class SourceFaultTest : public DrawUpdateTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(SourceFaultTest, IsSetAsideWithItsReasonAndNothingIsKept) {
    server.route("/draws", GetParam().reply);
    const UpdateOutcome outcome = run({welfare()});
    EXPECT_TRUE(outcome.draws.empty());
    EXPECT_FALSE(outcome.complete);
    EXPECT_FALSE(outcome.offline);
    ASSERT_EQ(outcome.setAside.size(), 1);
    EXPECT_TRUE(outcome.setAside.front().startsWith(QStringLiteral("福彩网：")));
    EXPECT_TRUE(outcome.setAside.front().contains(QString::fromUtf8(GetParam().fault)))
        << outcome.setAside.front().toStdString();
    if (GetParam().requests > 0) {
        EXPECT_EQ(server.requestsTo("/draws"), GetParam().requests);
    }
}

// A 福彩 page of one draw with the fields given.
QByteArray welfareWith(const char* code, const char* date, const char* red) {
    return source_bodies::welfareAnswer({source_bodies::welfareDraw(
        QString::fromUtf8(code), QString::fromUtf8(date), QString::fromUtf8(red))});
}

INSTANTIATE_TEST_SUITE_P(
    Faults, SourceFaultTest,
    ::testing::Values(
        FaultCase{"Forbidden",
                  [](auto&) {
                      return HttpReply{
                          .status = 403, .contentType = "text/html", .body = "<html>no</html>"};
                  },
                  "HTTP 403", 1},
        FaultCase{"NotFound",
                  [](auto&) {
                      return HttpReply{
                          .status = 404, .contentType = "text/html", .body = "<html>no</html>"};
                  },
                  "HTTP 404", 1},
        FaultCase{"ServerErrorIsTriedAgainOnce",
                  [](auto&) {
                      return HttpReply{
                          .status = 503, .contentType = "text/html", .body = "<html>busy</html>"};
                  },
                  "HTTP 503", 2},
        FaultCase{"HtmlErrorPageWithStatus200",
                  [](auto&) {
                      return HttpReply{
                          .contentType = "text/html; charset=utf-8",
                          .body = "<!DOCTYPE html><html><body>系统维护中</body></html>"};
                  },
                  "网页", 1},
        FaultCase{"JsonSentAsAWebPage",
                  [](auto&) {
                      return HttpReply{.contentType = "text/html", .body = welfarePage(2026154, 3)};
                  },
                  "网页", 1},
        FaultCase{"TruncatedJson",
                  [](auto&) { return HttpReply{.body = welfarePage(2026154, 5).left(90)}; },
                  "不完整", 1},
        FaultCase{"ConnectionCutHalfWay",
                  [](auto&) { return HttpReply{.body = welfarePage(2026154, 5), .cutOff = true}; },
                  "断开", 2},
        FaultCase{"NoCookieNoData",
                  [](auto&) { return HttpReply{.body = "{\"state\":0,\"message\":\"ok\"}"}; },
                  "没有取得会话", 1},
        FaultCase{"EmptyList", [](auto&) { return HttpReply{.body = welfarePage(2026154, 0)}; },
                  "空的", 1},
        FaultCase{"FourDigits",
                  [](auto&) {
                      return HttpReply{.body = welfareWith("2026154", "2026-06-13", "3,7,7,1")};
                  },
                  "不是三位数", 1},
        FaultCase{"TheOtherLotterysDraws",
                  [](auto&) { return HttpReply{.body = sportsPage(26167, 3)}; }, "没有取得会话", 1},
        FaultCase{
            "TheOtherLotterysIssues",
            [](auto&) { return HttpReply{.body = welfareWith("26167", "2026-06-21", "3,7,7")}; },
            "不是福彩3D的期号", 1},
        FaultCase{"RedirectLoop",
                  [](auto&) {
                      return HttpReply{.status = 302,
                                       .contentType = "text/html",
                                       .body = "",
                                       .headers = {{"Location", "/draws?again"}}};
                  },
                  "跳转", 0}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(DrawUpdateTest, TheWelfareSiteGivesDrawsOnlyWithTheCookieOfItsPage) {
    DrawSource source = welfare();
    source.sessionUrl = server.url("/ygkj/wqkjgg/fc3d/");
    server.route("/ygkj/wqkjgg/fc3d/", [](auto&) {
        return HttpReply{.status = 200,
                         .contentType = "text/html",
                         .body = "<html>往期开奖</html>",
                         .headers = {{"Set-Cookie", "HMF_CI=4fe3a1; Path=/"}}};
    });
    server.route("/draws", [](const HttpRequest& request) {
        return HttpReply{.body = request.header("cookie").contains("HMF_CI=4fe3a1")
                                     ? welfarePage(2026154, 3)
                                     : QByteArray("{\"state\":0}")};
    });
    const UpdateOutcome outcome = run({source});
    EXPECT_TRUE(outcome.setAside.isEmpty())
        << outcome.setAside.join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(outcome.draws.size(), 3u);
    EXPECT_EQ(outcome.draws.front().issue, "2026154");
    EXPECT_EQ(outcome.draws.front().date, source_bodies::dateOf(2026154).toStdString());
    EXPECT_EQ(outcome.sourceName, QStringLiteral("福彩网"));
    EXPECT_TRUE(outcome.complete);
    const HttpRequest& asked = server.requests().last();
    EXPECT_EQ(asked.header("referer"), "https://www.cwl.gov.cn/ygkj/wqkjgg/fc3d/");
    EXPECT_EQ(asked.header("user-agent"), "Mozilla/5.0 (X11; Linux x86_64)");
    EXPECT_TRUE(asked.header("accept").startsWith("application/json"));
}

TEST_F(DrawUpdateTest, PagesAreFetchedDownToTheNewestKeptIssue) {
    serveThreePages();
    const UpdateOutcome outcome = run({welfare()}, QStringLiteral("2026150"));
    EXPECT_EQ(server.requestsTo("/draws"), 2);
    ASSERT_EQ(outcome.draws.size(), 200u);  // the overlap comes too: it is checked against the kept
    EXPECT_EQ(outcome.draws.front().issue, "2026300");
    EXPECT_EQ(outcome.draws.back().issue, "2026101");
    EXPECT_TRUE(outcome.complete);
}

TEST_F(DrawUpdateTest, WithNothingKeptEveryPageIsFetchedToTheEndOfTheList) {
    serveThreePages();
    const UpdateOutcome outcome = run({welfare()});
    EXPECT_EQ(server.requestsTo("/draws"), 4);
    EXPECT_EQ(outcome.draws.size(), 300u);
    EXPECT_TRUE(outcome.complete);
}

TEST_F(DrawUpdateTest, ASiteThatIgnoresThePageNumberIsNotAskedForever) {
    server.route("/draws", [](auto&) { return HttpReply{.body = welfarePage(2026154, 100)}; });
    const UpdateOutcome outcome = run({welfare()});
    EXPECT_EQ(server.requestsTo("/draws"), 2);
    EXPECT_EQ(outcome.draws.size(), 100u);
    EXPECT_TRUE(outcome.complete);
}

TEST_F(DrawUpdateTest, AFaultOnALaterPageKeepsTheCheckedPagesBeforeIt) {
    server.route("/draws", [](const HttpRequest& request) {
        if (request.page() == 1)
            return HttpReply{.body = welfarePage(2026300, 100)};
        return HttpReply{.body = welfareWith("2026200", "2026-06-01", "12")};
    });
    const UpdateOutcome outcome = run({welfare()});
    EXPECT_EQ(outcome.draws.size(), 100u);
    EXPECT_FALSE(outcome.complete);
    ASSERT_EQ(outcome.setAside.size(), 1);
    EXPECT_TRUE(outcome.setAside.front().contains(QStringLiteral("第 2 页：")));
    EXPECT_TRUE(outcome.setAside.front().contains(QStringLiteral("不是三位数")));
}

TEST_F(DrawUpdateTest, AnIssueTwiceWithTwoNumbersAcrossPagesIsAFault) {
    server.route("/draws", [](const HttpRequest& request) {
        if (request.page() == 1)
            return HttpReply{.body = welfarePage(2026300, 100)};
        // A new draw first, then one that contradicts page 1: nothing of page 2 is kept.
        return HttpReply{
            .body = source_bodies::welfareAnswer(
                {source_bodies::welfareDraw(QStringLiteral("2026200"), QStringLiteral("2026-06-01"),
                                            QStringLiteral("1,2,3")),
                 source_bodies::welfareDraw(QStringLiteral("2026201"), QStringLiteral("2026-06-02"),
                                            QStringLiteral("9,9,9"))})};
    });
    const UpdateOutcome outcome = run({welfare()});
    ASSERT_EQ(outcome.setAside.size(), 1);
    EXPECT_TRUE(outcome.setAside.front().contains(QStringLiteral("期号 2026201 出现两次")));
    EXPECT_EQ(outcome.draws.size(), 100u);
}

TEST_F(DrawUpdateTest, ASlowAnswerIsTriedOnceMoreThenSetAside) {
    server.route("/draws",
                 [](auto&) { return HttpReply{.body = welfarePage(2026154, 3), .delayMs = 3000}; });
    update.setRequestTimeLimit(300);
    const UpdateOutcome outcome = run({welfare()});
    EXPECT_EQ(server.requestsTo("/draws"), 2);
    ASSERT_EQ(outcome.setAside.size(), 1);
    EXPECT_EQ(outcome.setAside.front(), QStringLiteral("福彩网：0.3 秒无响应"));
}

TEST_F(DrawUpdateTest, TheNextSourceIsTriedWhenOneFails) {
    server.route("/blocked", [](auto&) {
        return HttpReply{.status = 403, .contentType = "text/html", .body = "<html/>"};
    });
    server.route("/text", [](auto&) {
        return HttpReply{.contentType = "text/plain; charset=utf-8",
                         .body = "2026231 2026-08-29 1 2 3\n2026232 2026-08-30 6 5 8\n"};
    });
    const DrawSource text =
        localSource("我的文本", Lottery::Fucai3D, SourceKind::Text, server.url("/text"));
    const UpdateOutcome outcome = run({welfare("/blocked"), text});
    ASSERT_EQ(outcome.draws.size(), 2u);
    EXPECT_EQ(outcome.draws.front().issue, "2026232");
    EXPECT_EQ(outcome.draws.front().number, 658);
    EXPECT_EQ(outcome.sourceName, QStringLiteral("我的文本"));
    EXPECT_EQ(outcome.setAside, QStringList{QStringLiteral("福彩网：网站拒绝访问（HTTP 403）")});
    EXPECT_EQ(server.requestsTo("/text"), 1);  // no "{page}": one page
}

TEST_F(DrawUpdateTest, SourcesOfTheOtherLotteryAreNotAsked) {
    const DrawSource sports = localSource("体彩网", Lottery::Pailie3, SourceKind::Sports,
                                          server.url("/sports?pageNo={page}"));
    server.route("/sports", [](const HttpRequest& request) {
        return HttpReply{.body = sportsPage(26167, request.page() == 1 ? 2 : 0)};
    });
    serveThreePages();
    update.start(Lottery::Pailie3, {welfare(), sports}, QStringLiteral("26166"));
    const std::optional<UpdateOutcome> outcome = waitForUpdate(update);
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->draws.size(), 2u);
    EXPECT_EQ(outcome->draws.front().number, 761);
    EXPECT_EQ(server.requestsTo("/draws"), 0);
}

TEST_F(DrawUpdateTest, NoConnectionAtAllIsSaidAtOnce) {
    DrawSource closed = welfare();
    closed.url = LocalHttpServer::closedPortUrl();
    update.setRequestTimeLimit(60000);  // the update must not wait for it
    const std::optional<UpdateOutcome> outcome = [&] {
        update.start(Lottery::Fucai3D, {closed, closed}, {});
        return waitForUpdate(update, 10000);
    }();
    ASSERT_TRUE(outcome);
    EXPECT_TRUE(outcome->offline);
    ASSERT_EQ(outcome->setAside.size(), 2);
    EXPECT_TRUE(outcome->setAside.front().contains(QStringLiteral("连不上 127.0.0.1")));
}

TEST_F(DrawUpdateTest, ACancelKeepsThePagesFullyReceived) {
    serveThreePages();
    DrawSource slow = welfare();
    slow.pauseMs = 60000;
    QObject::connect(&update, &DrawUpdate::progressed, &update, [this] { update.cancel(); });
    const UpdateOutcome outcome = run({slow});
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_FALSE(outcome.complete);
    EXPECT_EQ(outcome.draws.size(), 100u);
    EXPECT_EQ(server.requestsTo("/draws"), 1);
}

TEST_F(DrawUpdateTest, NoSourceForTheLotteryIsSaid) {
    const UpdateOutcome outcome = [&] {
        update.start(Lottery::Pailie3, {welfare()}, {});
        return waitForUpdate(update).value_or(UpdateOutcome{});
    }();
    EXPECT_EQ(outcome.setAside, QStringList{QStringLiteral("sources.ini 里没有排列3的来源")});
}

}  // namespace
}  // namespace suoshui::fetch
