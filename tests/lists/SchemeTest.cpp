#include "lists/Scheme.h"

#include <gtest/gtest.h>

#include <random>

#include "support/Settings.h"

namespace suoshui {
namespace {

// Random settings of every kind a player can make: ticks in every group a summary line names,
// "全选" toggles, options, texts over several lines, a tolerance range, a grouping.
Scheme randomScheme(std::mt19937& random) {
    const auto chance = [&random](int percent) {
        return std::uniform_int_distribution<int>(0, 99)(random) < percent;
    };
    Scheme scheme;
    FilterSettings& settings = scheme.settings;
    for (const auto* lines : {&basicSummaryLines(), &extendedSummaryLines()}) {
        for (const SummaryLine& line : *lines) {
            for (int tag = line.tags.first; tag <= line.tags.last; ++tag)
                settings.boxes.setTicked(tag, chance(10));
            if (const SelectAllToggleDef* toggle = toggleOfSpan(line.tags))
                settings.boxes.setTicked(toggle->tag, chance(10));
        }
    }
    for (std::size_t check = 0; check < kCheckCount; ++check)
        settings.setChecked(static_cast<Check>(check), chance(50));
    settings.numberType = static_cast<NumberType>(random() % 6);
    settings.mode = static_cast<GenerationMode>(random() % 4);
    settings.bankerPosition = static_cast<int>(random() % 4);
    settings.digitSequence = chance(50) ? "0245689" : "";
    settings.banker = chance(10) ? "1\n2\r\\n" : "1";
    settings.drag = chance(50) ? "2,3" : "";
    settings.baseList = chance(50) ? "123 456\r\n\r\n第2024123期 789\r\n" : "";
    settings.excludeSets = {"0123", "", chance(50) ? "45" : "", "6789"};
    settings.excludeSingles = chance(50) ? "111\r\n222" : "";
    settings.targetCount = chance(50) ? "10" : "";
    settings.tolerance = {chance(50), 1, 3};
    if (!settings.tolerance.on)
        settings.tolerance = {};
    scheme.grouping = static_cast<ResultGrouping>(random() % 6);
    return scheme;
}

TEST(Scheme, RandomSettingsComeBackExactly) {
    std::mt19937 random(2026);
    for (int round = 0; round < 300; ++round) {
        const Scheme scheme = randomScheme(random);
        const SchemeReading reading = readScheme(schemeText(scheme));
        ASSERT_TRUE(reading.scheme) << reading.fault;
        ASSERT_EQ(reading.scheme->settings, scheme.settings) << schemeText(scheme);
        ASSERT_EQ(reading.scheme->grouping, scheme.grouping);
    }
}

TEST(Scheme, IsWrittenInTheWordsOfTheWindow) {
    Scheme scheme;
    scheme.settings.boxes.setTicked(61);  // 和值 10
    scheme.settings.boxes.setTicked(62);
    scheme.settings.setChecked(Check::IncludePairs);
    scheme.settings.boxes.setTicked(186);  // 二码 12
    const std::string text = schemeText(scheme);
    EXPECT_EQ(text.substr(0, kSchemeHeading.size()), kSchemeHeading);
    EXPECT_NE(text.find("\r\n和值：10 11\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\n包含二码：12\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\n类型：直选号\r\n方式：定位\r\n"), std::string::npos) << text;
    EXPECT_EQ(text.substr(text.size() - 10), "\r\n结束\r\n");
}

// A file a player wrote by hand: LF line ends, only the lines that matter, a blank line.
TEST(Scheme, HandWrittenFileReads) {
    const SchemeReading reading = readScheme(
        "银罗盘选号缩水方案 版本 1\n类型：组选号\n\n和值：10 11 12\n包含二码：12 34 全选\n"
        "容错:0-2\n除三余比:3:0:0\n结束\n");
    ASSERT_TRUE(reading.scheme) << reading.fault;
    const FilterSettings& settings = reading.scheme->settings;
    EXPECT_EQ(settings.numberType, NumberType::Group);
    EXPECT_TRUE(settings.boxes.ticked(61) && settings.boxes.ticked(63) &&
                !settings.boxes.ticked(64));
    EXPECT_TRUE(settings.isChecked(Check::IncludePairs));
    EXPECT_TRUE(settings.boxes.ticked(186) && settings.boxes.ticked(1017));
    EXPECT_EQ(settings.tolerance, (Tolerance{true, 0, 2}));  // after a half-width colon
    EXPECT_TRUE(settings.boxes.ticked(testing::groupLabelled("除三余比：").tags.first));
}

struct BrokenCase {
    const char* name;
    std::string text;
    int line;
    const char* fault;
};

class BrokenScheme : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenScheme, NamesTheLineAndReadsNothing) {
    const SchemeReading reading = readScheme(GetParam().text);
    EXPECT_FALSE(reading.scheme);
    EXPECT_EQ(reading.faultLine, GetParam().line);
    EXPECT_NE(reading.fault.find(GetParam().fault), std::string::npos) << reading.fault;
}

const std::string kHead = "银罗盘选号缩水方案 版本 1\r\n";

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenScheme,
    ::testing::Values(
        BrokenCase{"NotAScheme", "123 456 789\r\n", 0, "不是方案文件"},
        BrokenCase{"NewerVersion", "银罗盘选号缩水方案 版本 2\r\n和值：10\r\n结束\r\n", 0,
                   "新版本的程序存的（方案版本 2）"},
        BrokenCase{"NoVersion", "银罗盘选号缩水方案 版本 \r\n结束\r\n", 0, "不是方案文件"},
        BrokenCase{"Empty", "", 0, "不是方案文件"},
        BrokenCase{"UnknownGroup", kHead + "和值：10\r\n星座：白羊\r\n结束\r\n", 3, "没有叫“星座”"},
        BrokenCase{"UnknownCaption", kHead + "和值：10 30\r\n结束\r\n", 2, "“和值”没有“30”"},
        BrokenCase{"UnknownType", kHead + "类型：全包\r\n结束\r\n", 2, "全包"},
        BrokenCase{"NoColon", kHead + "和值 10\r\n结束\r\n", 2, "名称后面要有冒号"},
        BrokenCase{"BadTolerance", kHead + "容错：3-1\r\n结束\r\n", 2, "容错"},
        BrokenCase{"CutOff", kHead + "和值：10\r\n跨度：", 0, "不完整"}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace suoshui
