#include "history/HistoryParser.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "history/HistoryLoadText.h"
#include "history/PlainLine.h"

namespace suoshui {
namespace {

std::string fileText(const std::string& name) {
    std::ifstream file(std::string(SUOSHUI_HISTORY_DATA) + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<int> numbersOf(const DrawHistory& draws) {
    std::vector<int> numbers;
    for (const Draw& draw : draws)
        numbers.push_back(draw.number);
    return numbers;
}

// The same five draws, 2026-08-26 to 2026-08-30, written in each shape a player's file has.
struct FileCase {
    const char* file;
    const char* newestIssue;
    const char* newestDate;
    DrawOrder order;
};

void PrintTo(const FileCase& c, std::ostream* os) {
    *os << c.file;
}

class HistoryFileTest : public ::testing::TestWithParam<FileCase> {};

TEST_P(HistoryFileTest, ReadsTheFiveDrawsNewestFirst) {
    const ParsedHistory parsed = parseHistory(fileText(GetParam().file));
    ASSERT_EQ(parsed.failure, "");
    EXPECT_EQ(numbersOf(parsed.draws), (std::vector<int>{658, 123, 47, 555, 919}));
    EXPECT_EQ(parsed.draws.front().issue, GetParam().newestIssue);
    EXPECT_EQ(parsed.draws.front().date, GetParam().newestDate);
    EXPECT_EQ(parsed.order, GetParam().order);
    EXPECT_EQ(parsed.skippedCount, 0U);
    EXPECT_EQ(parsed.repeats, 0U);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, HistoryFileTest,
    ::testing::Values(
        FileCase{"english_header_newest_first.csv", "2026232", "2026-08-30", DrawOrder::ByIssue},
        FileCase{"chinese_header_oldest_first.csv", "2026232", "2026-08-30", DrawOrder::ByIssue},
        FileCase{"chinese_digit_columns.csv", "2026232", "2026-08-30", DrawOrder::ByIssue},
        FileCase{"english_digit_columns.tsv", "2026232", "2026-08-30", DrawOrder::ByIssue},
        FileCase{"plain_issue_number.txt", "2026232", "", DrawOrder::ByIssue},
        FileCase{"plain_issue_date_number.txt", "2026232", "2026-08-30", DrawOrder::ByIssue},
        FileCase{"plain_issue_mark.txt", "2026232", "", DrawOrder::ByIssue},
        FileCase{"plain_chinese_label.txt", "2026232", "", DrawOrder::ByIssue},
        FileCase{"plain_five_digit_issue.txt", "26232", "", DrawOrder::ByIssue},
        FileCase{"plain_bare_numbers.txt", "", "", DrawOrder::ByLines}),
    [](const auto& test) {
        std::string name = test.param.file;
        return name.substr(0, name.find('.'));
    });

// One line without a header, as players paste them.
struct LineCase {
    const char* line;
    LineReading::Kind kind;
    const char* issue;
    const char* date;
    int number;
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.line;
}

class PlainLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(PlainLineTest, ReadsOnlyWhatIsUnambiguous) {
    const LineReading reading = readPlainLine(GetParam().line);
    ASSERT_EQ(reading.kind, GetParam().kind);
    if (reading.kind != LineReading::Kind::Draw)
        return;
    EXPECT_EQ(reading.draw.issue, GetParam().issue);
    EXPECT_EQ(reading.draw.date, GetParam().date);
    EXPECT_EQ(reading.draw.number, GetParam().number);
}

constexpr auto kDraw = LineReading::Kind::Draw;
constexpr auto kSkip = LineReading::Kind::Unreadable;
constexpr auto kNone = LineReading::Kind::Nothing;

INSTANTIATE_TEST_SUITE_P(
    Forms, PlainLineTest,
    ::testing::Values(LineCase{"2026232 658", kDraw, "2026232", "", 658},
                      LineCase{"2026232,2026-08-30,658", kDraw, "2026232", "2026-08-30", 658},
                      LineCase{"2026232期 6 5 8", kDraw, "2026232", "", 658},
                      LineCase{"第2026232期 开奖号码：6 5 8", kDraw, "2026232", "", 658},
                      LineCase{"26232 658", kDraw, "26232", "", 658},
                      LineCase{"658", kDraw, "", "", 658}, LineCase{"007", kDraw, "", "", 7},
                      LineCase{"6 5 8", kDraw, "", "", 658}, LineCase{"６５８", kDraw, "", "", 658},
                      LineCase{"2026-08-30 658", kDraw, "", "2026-08-30", 658},
                      LineCase{"2026年8月30日 第232期 0,4,7", kDraw, "232", "2026-08-30", 47},
                      LineCase{"2026232\t2026/8/30 21:15\t6\t5\t8", kDraw, "2026232", "2026-08-30",
                               658},
                      LineCase{"福彩3D 2026232期 658", kDraw, "2026232", "", 658},
                      LineCase{"期号：2026232 号码：658", kDraw, "2026232", "", 658},
                      LineCase{"1234", kSkip, "", "", 0}, LineCase{"65", kSkip, "", "", 0},
                      LineCase{"2026232 6589", kSkip, "", "", 0},
                      LineCase{"2026232 65 8", kSkip, "", "", 0},
                      LineCase{"232 658", kSkip, "", "", 0}, LineCase{"658 123", kSkip, "", "", 0},
                      LineCase{"2026232 6a5b8", kSkip, "", "", 0},
                      LineCase{"第2026232期 开奖号码：6 5 8 试机号：1 2 3", kSkip, "", "", 0},
                      LineCase{"第2026232期 第2026233期 658", kSkip, "", "", 0},
                      LineCase{"2026232", kSkip, "", "", 0}, LineCase{"", kNone, "", "", 0},
                      LineCase{"开奖号码", kNone, "", "", 0}));

ParsedHistory parsed(const char* text) {
    return parseHistory(text);
}

TEST(HistoryParserTest, SkippedLinesAreNamedInTheLoadText) {
    const ParsedHistory history = parsed("2026232 658\n1234\n2026231 123\nabc 12\n\n2026230 047\n");
    EXPECT_EQ(history.draws.size(), 3U);
    EXPECT_EQ(history.skippedLines, (std::vector<std::size_t>{2, 4}));
    EXPECT_EQ(historyLoadText(history),
              "读入 3 期，跳过 2 行：第 2、4 行；按期号排列，最新一期 2026232");
}

TEST(HistoryParserTest, TableRowsWithLettersOrFourDigitsAreSkipped) {
    const ParsedHistory history =
        parsed("期号,号码\n2026232,658\n2026231,6a8\n2026230,1234\n2026229,\n2026228,047\n");
    EXPECT_EQ(numbersOf(history.draws), (std::vector<int>{658, 47}));
    EXPECT_EQ(history.skippedLines, (std::vector<std::size_t>{3, 4, 5}));
}

TEST(HistoryParserTest, TitleLinesMayComeBeforeTheHeader) {
    const ParsedHistory history =
        parsed("福彩3D 历史开奖（2026年）\n\n期号,开奖号码,试机号\n2026232,658,123\n");
    EXPECT_TRUE(history.tableHeader);
    EXPECT_EQ(numbersOf(history.draws), (std::vector<int>{658}));
    EXPECT_EQ(history.skippedCount, 0U);
}

TEST(HistoryParserTest, NumberAndDigitColumnsMustAgree) {
    const ParsedHistory history =
        parsed("issue,number,hundreds,tens,ones\n2,658,6,5,8\n1,123,1,2,4\n");
    EXPECT_EQ(numbersOf(history.draws), (std::vector<int>{658}));
    EXPECT_EQ(history.skippedLines, (std::vector<std::size_t>{3}));
}

TEST(HistoryParserTest, SameIssueTwiceIsKeptOnceOrReportedWhenNumbersDiffer) {
    const ParsedHistory history =
        parsed("2026232 658\n2026231 123\n2026232 658\n2026230 047\n2026230 048\n");
    EXPECT_EQ(numbersOf(history.draws), (std::vector<int>{658, 123}));
    EXPECT_EQ(history.repeats, 1U);
    ASSERT_EQ(history.conflicts.size(), 1U);
    EXPECT_EQ(history.conflicts[0].lines, (std::vector<std::size_t>{4, 5}));
    EXPECT_EQ(
        historyLoadText(history),
        "读入 2 期，重复的 1 行只算一次；期号 2026230 的号码不一致（第 4 行 047，第 5 行 048），"
        "都没有读入；按期号排列，最新一期 2026232");
}

TEST(HistoryParserTest, FiveAndSevenDigitIssuesOrderTogether) {
    const ParsedHistory history = parsed("26231 123\n2026232 658\n25358 047\n");
    EXPECT_EQ(numbersOf(history.draws), (std::vector<int>{658, 123, 47}));
}

TEST(HistoryParserTest, DatesOrderDrawsWithoutIssues) {
    const ParsedHistory history = parsed("2026-08-29 123\n2026-08-30 658\n2026-08-28 047\n");
    EXPECT_EQ(history.order, DrawOrder::ByDate);
    EXPECT_EQ(numbersOf(history.draws), (std::vector<int>{658, 123, 47}));
}

TEST(HistoryParserTest, LinesWithoutKeysFollowTheDirectionOfThoseWithKeys) {
    const ParsedHistory newestFirst = parsed("2026232 658\n123\n2026230 047\n");
    EXPECT_TRUE(newestFirst.linesNewestFirst);
    EXPECT_EQ(numbersOf(newestFirst.draws), (std::vector<int>{658, 123, 47}));
    const ParsedHistory bare = parsed("047\n123\n658\n");
    EXPECT_FALSE(bare.linesNewestFirst);
    EXPECT_EQ(numbersOf(bare.draws), (std::vector<int>{658, 123, 47}));
    EXPECT_EQ(historyLoadText(bare), "读入 3 期；按行的先后，最后一行为最新一期");
}

TEST(HistoryParserTest, LineEndsOfEveryKindSplitLines) {
    EXPECT_EQ(parsed("2026232 658\r\n2026231 123\r2026230 047\n").draws.size(), 3U);
    EXPECT_EQ(numbersOf(parsed("047\r\n123\r658").draws), (std::vector<int>{658, 123, 47}));
}

struct FailureCase {
    const char* name;
    std::string text;
    const char* failure;
};

class HistoryFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(HistoryFailureTest, NoDrawAndAReason) {
    const ParsedHistory history = parseHistory(GetParam().text);
    EXPECT_TRUE(history.draws.empty());
    EXPECT_EQ(history.failure, GetParam().failure);
    EXPECT_EQ(historyLoadText(history).rfind("没有读入开奖号码：", 0), 0U);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, HistoryFailureTest,
    ::testing::Values(
        FailureCase{"Empty", "", "内容是空的"}, FailureCase{"Blank", " \r\n\t\n", "内容是空的"},
        FailureCase{"Binary", std::string("PK\x03\x04\0\0\x08", 7),
                    "含有二进制数据，不是文本文件（或是没有字节顺序标记的 UTF-16 文件）"},
        FailureCase{"HeaderOnly", "期号,开奖号码\n\n", "只有表头，没有开奖号码"},
        FailureCase{
            "HeaderWithoutNumber", "期号,日期,销售额\n2026232,2026-08-30,100\n",
            "表头没有号码列：需要“号码”（或“开奖号码”、number）一列，或“百位、十位、个位”三列"},
        FailureCase{"FourDigits", "1234\n5678\n", "没有一行能读出开奖号码"},
        FailureCase{"Letters", "number\nabc\nxyz\n", "没有一行能读出开奖号码"},
        FailureCase{"OnlyConflicts", "2026232 658\n2026232 659\n",
                    "每一期的号码都有互相矛盾的记录"},
        FailureCase{"InvalidUtf8", "\xff\xfe\xfa 12\n\xc3\x28", "没有一行能读出开奖号码"}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace suoshui
