#include "fetch/DrawAnswers.h"

#include <gtest/gtest.h>

namespace suoshui::fetch {
namespace {

struct AnswerCase {
    const char* name;
    bool welfare;  // 福彩 (else 体彩)
    const char* body;
    std::size_t draws;
    const char* fault;  // a part of the fault; empty when the page is whole
};

class DrawAnswerTest : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(DrawAnswerTest, JudgesThePageBeforeAnythingIsKept) {
    const AnswerCase& c = GetParam();
    const QByteArray body(c.body);
    const DrawPage page = c.welfare ? readWelfareAnswer(body) : readSportsAnswer(body);
    EXPECT_EQ(page.draws.size(), c.draws);
    if (*c.fault == '\0')
        EXPECT_TRUE(page.fault.isEmpty()) << page.fault.toStdString();
    else
        EXPECT_TRUE(page.fault.contains(QString::fromUtf8(c.fault))) << page.fault.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Pages, DrawAnswerTest,
    ::testing::Values(
        AnswerCase{"WelfareAsDocumented", true,
                   "{\"state\":0,\"result\":[{\"code\":\"2026154\",\"date\":\"2026-06-13(六)\","
                   "\"red\":\"3,7,7\"},{\"code\":\"2026153\",\"date\":\"2026-06-12(五)\","
                   "\"red\":\"0,1,9\",\"blue\":\"\"}]}",
                   2, ""},
        AnswerCase{"WelfareWithoutTheCookie", true, "{\"state\":0,\"message\":\"ok\"}", 0,
                   "没有取得会话"},
        AnswerCase{"SportsAsDocumented", false,
                   "{\"value\":{\"list\":[{\"lotteryDrawNum\":\"26167\","
                   "\"lotteryDrawResult\":\"3 7 7\",\"lotteryDrawTime\":\"2026-06-21\"}]}}",
                   1, ""},
        AnswerCase{"AnEmptyList", false, "{\"value\":{\"list\":[]}}", 0, ""},
        AnswerCase{"AnHtmlErrorPage", true, "<html><body>403</body></html>", 0, "网页"},
        AnswerCase{"CutOff", false, "{\"value\":{\"list\":[{\"lotteryDrawNum\":\"261", 0, "不完整"},
        AnswerCase{"FourDigits", true,
                   "{\"result\":[{\"code\":\"2026154\",\"date\":\"2026-06-13\","
                   "\"red\":\"3,7,7,1\"}]}",
                   0, "不是三位数"},
        AnswerCase{"TheOtherLottery", true,
                   "{\"result\":[{\"code\":\"26154\",\"date\":\"2026-06-13\",\"red\":\"3,7,7\"}]}",
                   0, "不是福彩3D的期号"},
        AnswerCase{"AnIssueTwiceWithTwoNumbers", false,
                   "{\"value\":{\"list\":[{\"lotteryDrawNum\":\"26167\",\"lotteryDrawResult\":"
                   "\"3 7 7\",\"lotteryDrawTime\":\"2026-06-21\"},{\"lotteryDrawNum\":\"26167\","
                   "\"lotteryDrawResult\":\"3 7 8\",\"lotteryDrawTime\":\"2026-06-21\"}]}}",
                   0, "出现两次"},
        AnswerCase{"ADateThatIsNone", false,
                   "{\"value\":{\"list\":[{\"lotteryDrawNum\":\"26167\",\"lotteryDrawResult\":"
                   "\"377\",\"lotteryDrawTime\":\"yesterday\"}]}}",
                   0, "日期"}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace suoshui::fetch
