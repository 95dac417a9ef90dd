#include "lists/KeptSession.h"

#include <gtest/gtest.h>

namespace suoshui {
namespace {

KeptSession aSession(std::optional<NumberList> results) {
    KeptSession session;
    session.scheme.settings.mode = GenerationMode::BaseList;
    session.scheme.settings.baseList = "123 456\r\n[选号结果]\r\n789";
    session.scheme.grouping = ResultGrouping::BySpan;
    session.results = std::move(results);
    return session;
}

TEST(KeptSessionText, ReadsBackAsWritten) {
    NumberList many;
    for (int i = 100; i < 125; ++i)
        many.push_back(std::to_string(i));
    for (const std::optional<NumberList>& results :
         {std::optional<NumberList>(), std::optional<NumberList>(NumberList{}),
          std::optional<NumberList>(many)}) {
        const KeptSession kept = aSession(results);
        const KeptSessionReading reading = readKeptSession(keptSessionText(kept));
        ASSERT_TRUE(reading.session) << reading.fault;
        EXPECT_TRUE(reading.session->scheme.settings == kept.scheme.settings);
        EXPECT_EQ(reading.session->scheme.grouping, kept.scheme.grouping);
        EXPECT_EQ(reading.session->results, kept.results);
    }
}

struct Damage {
    const char* name;
    std::string text;
    const char* fault;
};

class DamagedKeptSession : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedKeptSession, SaysWhyAndGivesNothing) {
    const KeptSessionReading reading = readKeptSession(GetParam().text);
    EXPECT_FALSE(reading.session);
    EXPECT_NE(reading.fault.find(GetParam().fault), std::string::npos) << reading.fault;
}

const std::string kWhole = keptSessionText(aSession(NumberList{"123", "456"}));

INSTANTIATE_TEST_SUITE_P(
    Texts, DamagedKeptSession,
    ::testing::Values(Damage{"Empty", "", "不是本程序保存的会话"},
                      Damage{"AScheme", schemeText({}), "不是本程序保存的会话"},
                      Damage{"CutInTheScheme", kWhole.substr(0, 60), "条件读不出"},
                      Damage{"NoResultSection", kWhole.substr(0, kWhole.rfind("[选号")),
                             "没有选号结果一节"},
                      Damage{"ANumberThatIsNone", kWhole + "12x\r\n", "不是三位数"}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace suoshui
