#include "lists/NumberText.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "LiteralNormaliser.h"
#include "lists/InputHints.h"

namespace suoshui {
namespace {

struct NormaliseCase {
    const char* name;
    std::string text;
    bool intersect;
    bool groupToDirect;
    std::string expected;
};

class NormaliseExamples : public ::testing::TestWithParam<NormaliseCase> {};

TEST_P(NormaliseExamples, GivesTheNumberText) {
    const NormaliseCase& c = GetParam();
    const ListReading reading{c.intersect, kDefaultIntersectCount, c.groupToDirect};
    EXPECT_EQ(normaliseNumberText(c.text, reading), c.expected);
    EXPECT_EQ(testing::literalNormaliseNumberText(c.text, reading), c.expected);
}

const std::string kFourNumbers = "123 235 262 687 ";

INSTANTIATE_TEST_SUITE_P(
    Texts, NormaliseExamples,
    ::testing::Values(
        NormaliseCase{"Empty", "", false, false, ""},
        NormaliseCase{"TwoLinesWithFullWidthComma", "123  235，262\r\n687", false, false,
                      kFourNumbers},
        NormaliseCase{"RunCutFromTheLeft", "1234", false, false, "123 "},
        NormaliseCase{"TwoNumbersInOneRun", "123456", false, false, "123 456 "},
        NormaliseCase{"RestOfRunDropped", "12345678", false, false, "123 456 "},
        NormaliseCase{"ShortRunsDropped", "1 23 456", false, false, "456 "},
        NormaliseCase{"SplitDigitsNeverJoin", "12 34", false, false, ""},
        NormaliseCase{"FullWidthCommasSeparate", "1，2，3", false, false, ""},
        NormaliseCase{"InitialHint", std::string(kBaseListHint), false, false, kFourNumbers},
        NormaliseCase{"RepeatKeptOnce", "123 456 123", false, false, "123 456 "},
        NormaliseCase{"IntersectKeepsRepeats", "123 456 123", true, false, "123 "},
        NormaliseCase{"IntersectOfDistinctIsEmpty", "123 456 789", true, false, ""},
        NormaliseCase{"IntersectInFirstOccurrenceOrder", "456 123 123 456 456", true, false,
                      "456 123 "},
        NormaliseCase{"ExpandSameDigitsOnce", "123 321 555", false, true,
                      "123 132 213 231 312 321  555 "},
        NormaliseCase{"ExpandTripleFirst", "555 122 112", false, true,
                      "555 212 221 122  112 211 121  "},
        NormaliseCase{"ExpandAfterIntersect", "122 221 122 9", true, true, "212 221 122  "},
        NormaliseCase{"FullWidthDigitsAreDigits", "１２３ 4５6", false, false, "123 456 "},
        NormaliseCase{"NulSeparates", std::string("12\0003456", 6), false, false, "345 "},
        NormaliseCase{"FourByteCharactersSeparate",
                      "123\xF0\x9F\x98\x80"
                      "456",
                      false, false, "123 456 "},
        NormaliseCase{"InvalidUtf8Separates",
                      "12\xFF\xC3"
                      "345\x80"
                      "678",
                      false, false, "345 678 "}),
    [](const auto& test) { return std::string(test.param.name); });

struct ExpansionCase {
    const char* name;
    const char* number;
    const char* expected;
};

class Expansion : public ::testing::TestWithParam<ExpansionCase> {};

TEST_P(Expansion, ListsTheDirectNumbersInOrder) {
    EXPECT_EQ(expandGroupToDirect(GetParam().number), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, Expansion,
    ::testing::Values(ExpansionCase{"Triple", "555", "555"},
                      ExpansionCase{"PairAbove", "122", "212 221 122 "},
                      ExpansionCase{"PairAboveUnsorted", "212", "212 221 122 "},
                      ExpansionCase{"PairBelow", "112", "112 211 121 "},
                      ExpansionCase{"PairBelowUnsorted", "211", "112 211 121 "},
                      ExpansionCase{"AllDifferent", "231", "123 132 213 231 312 321 "},
                      ExpansionCase{"WithZero", "900", "009 900 090 "}),
    [](const auto& test) { return std::string(test.param.name); });

// Random texts built from the pieces players paste: digit runs of every length, blanks,
// Chinese text, line breaks and stray bytes, with few distinct numbers so repeats abound.
std::string randomText(std::mt19937& random) {
    static const char* const kPieces[] = {" ", "  ", "，", "\r\n", "注", "\xFF", "\x80", "１", ""};
    std::uniform_int_distribution<int> kind(0, 3);
    std::uniform_int_distribution<int> pieceIndex(0, 8);
    std::uniform_int_distribution<int> digitCount(1, 7);
    std::uniform_int_distribution<int> digit(0, 3);
    std::uniform_int_distribution<int> length(0, 120);
    std::string text;
    for (int i = length(random); i > 0; --i) {
        if (kind(random) == 0) {
            const int p = pieceIndex(random);
            text += p == 8 ? std::string(1, '\0') : std::string(kPieces[p]);
            continue;
        }
        for (int d = digitCount(random); d > 0; --d)
            text.push_back(static_cast<char>('0' + digit(random) * 3 % 10));
    }
    return text;
}

TEST(NormaliseNumberText, EqualsTheLiteralAlgorithmOnRandomTexts) {
    std::mt19937 random(20240);
    for (int round = 0; round < 1500; ++round) {
        const std::string text = randomText(random);
        for (int options = 0; options < 8; ++options) {
            // Counts of 2 and 3 occurrences: the players' 取交集 and a stricter one.
            const ListReading reading{(options & 1) != 0, (options & 4) != 0 ? 3 : 2,
                                      (options & 2) != 0};
            ASSERT_EQ(normaliseNumberText(text, reading),
                      testing::literalNormaliseNumberText(text, reading))
                << "round " << round << " options " << options;
        }
    }
}

TEST(NormaliseNumberText, EqualsTheLiteralAlgorithmOverTheWholeNumberSpace) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> number(0, 999);
    std::string text;
    for (int i = 0; i < 3000; ++i)
        text += std::to_string(1000 + number(random)).substr(1) + (i % 7 == 0 ? "\r\n" : " ");
    for (int options = 0; options < 8; ++options) {
        const ListReading reading{(options & 1) != 0, (options & 4) != 0 ? 5 : 2,
                                  (options & 2) != 0};
        EXPECT_EQ(normaliseNumberText(text, reading),
                  testing::literalNormaliseNumberText(text, reading));
    }
}

TEST(NormaliseNumberText, FinishesAFiftyMegabyteText) {
    std::string text;
    text.reserve(50'000'000);
    while (text.size() < 50'000'000)
        text += "123 4567 8，90 \xFF\xFE 注 ";
    EXPECT_EQ(normaliseNumberText(text, {true, 2, true}),
              "123 132 213 231 312 321  456 465 546 564 645 654  ");
}

TEST(NumbersIn, ReadsTheTextAsTheBaseListDoes) {
    const NumberSet numbers = numbersIn("123456 1234 ６５４");
    for (int value : {123, 456, 654})
        EXPECT_TRUE(numbers.contains(value)) << value;
    EXPECT_EQ(numbers.size(), 3u);
    EXPECT_TRUE(groupFormsOf(numbers).contains(456));
    EXPECT_EQ(groupFormsOf(numbers).size(), 2u);
}

struct ReadBackCase {
    const char* name;
    std::string text;
    ListReading options;
    const char* shown;
};

class ReadBack : public ::testing::TestWithParam<ReadBackCase> {};

TEST_P(ReadBack, SaysWhatWasRead) {
    const ReadBackCase& c = GetParam();
    EXPECT_EQ(readBackText(readNumberText(c.text, c.options)), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadBack,
    ::testing::Values(
        ReadBackCase{"Empty", "", {}, "读到 0 个号码，不同的 0 注"},
        ReadBackCase{"Repeats", "123 456 123", {}, "读到 3 个号码，不同的 2 注"},
        ReadBackCase{"Intersection",
                     "123 456 123",
                     {true, 2, false},
                     "读到 3 个号码，不同的 2 注；取交集（至少出现 2 次）1 注"},
        ReadBackCase{"IntersectionOfThree",
                     "123 456 123 456 123",
                     {true, 3, false},
                     "读到 5 个号码，不同的 2 注；取交集（至少出现 3 次）1 注"},
        ReadBackCase{
            "Expanded", "123 555", {false, 2, true}, "读到 2 个号码，不同的 2 注，转直后 7 注"},
        ReadBackCase{"ForumHeader",
                     "第2024123期 123",
                     {},
                     "读到 3 个号码，不同的 3 注；2024123 拆成 202 412，末尾的 3 没用上"},
        ReadBackCase{"ShortRuns",
                     "12 3 456",
                     {},
                     "读到 1 个号码，不同的 1 注；12 不足三位，没用上；3 不足三位，没用上"},
        ReadBackCase{
            "ManyOddRuns",
            "1 2 3 4 5",
            {},
            "读到 0 个号码，不同的 0 注；1 不足三位，没用上；2 不足三位，没用上；3 不足三位，"
            "没用上（共 5 处数字没用上）"}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
// A line of megabytes is broken into short lines for the box; the base list reads the same.
TEST(WithShortLines, BreaksLongLinesAndReadsTheSame) {
    std::mt19937 random(20261209);
    const std::string alphabet = "0123456789 ,，\n12345";
    for (int round = 0; round < 300; ++round) {
        std::string text;
        const int length = static_cast<int>(random() % 400);
        for (int i = 0; i < length; ++i)
            text += alphabet[random() % alphabet.size()];
        if (round % 3 == 0)
            text = std::string(static_cast<std::size_t>(length), '7');  // one run of digits
        const std::size_t longest = 3 + random() % 40;
        const std::string broken = withShortLines(text, longest);
        for (const ListReading reading : {ListReading{}, ListReading{true, 2, false}})
            EXPECT_EQ(readNumberText(broken, reading).kept, readNumberText(text, reading).kept)
                << text;
        EXPECT_EQ(normaliseNumberText(broken, {}), normaliseNumberText(text, {})) << text;
        std::size_t lineStart = 0;
        for (std::size_t at = 0; at <= broken.size(); ++at) {
            if (at == broken.size() || broken[at] == '\n') {
                EXPECT_LE(at - lineStart, longest) << broken;
                lineStart = at + 1;
            }
        }
    }
}

}  // namespace suoshui
