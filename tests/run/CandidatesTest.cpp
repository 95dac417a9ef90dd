#include "run/Candidates.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "lists/InputHints.h"

namespace suoshui {
namespace {

class Candidates : public ::testing::Test {
  protected:
    NumberList digitSet(const std::string& digits) {
        settings.mode = GenerationMode::DigitSet;
        settings.digitSequence = digits;
        return generateCandidates(settings);
    }
    NumberList bankerDrag(const std::string& bankers, const std::string& drags, int position) {
        settings.mode = GenerationMode::BankerDrag;
        settings.banker = bankers;
        settings.drag = drags;
        settings.bankerPosition = position;
        return generateCandidates(settings);
    }
    NumberList baseList(std::string_view text) {
        settings.mode = GenerationMode::BaseList;
        settings.baseList = text;
        return generateCandidates(settings);
    }

    FilterSettings settings;
};

bool contains(const NumberList& list, const std::string& number) {
    return std::find(list.begin(), list.end(), number) != list.end();
}

TEST_F(Candidates, PositionalGivesTheWholeSpaceInOrder) {
    const NumberList all = generateCandidates(settings);
    ASSERT_EQ(all.size(), 1000u);
    EXPECT_EQ(all.front(), "000");
    EXPECT_EQ(all[27], "027");
    EXPECT_EQ(all.back(), "999");
}

TEST_F(Candidates, DigitSetOverNormalisedDigits) {
    const NumberList numbers = digitSet(normaliseDigitText("1 3"));
    ASSERT_EQ(numbers.size(), 8u);
    EXPECT_EQ(numbers.front(), "111");
    EXPECT_EQ(numbers[1], "113");
    EXPECT_EQ(numbers.back(), "333");
}

TEST_F(Candidates, DigitSetEdges) {
    EXPECT_EQ(digitSet("5"), NumberList{"555"});
    EXPECT_TRUE(digitSet("").empty());
    EXPECT_EQ(digitSet("0123456789").size(), 1000u);
    // Characters are taken as they are, in order of first occurrence, each once.
    EXPECT_EQ(digitSet("313").front(), "333");
}

TEST_F(Candidates, BankerAnywhere) {
    const NumberList numbers = bankerDrag("1", "23", 0);
    for (const char* expected : {"112", "123", "213", "331"})
        EXPECT_TRUE(contains(numbers, expected)) << expected;
    for (const char* rejected : {"111", "223", "333"})
        EXPECT_FALSE(contains(numbers, rejected)) << rejected;
    // 27 triples over 1, 2, 3 less those without a 1 (8) and "111".
    EXPECT_EQ(numbers.size(), 18u);
}

TEST_F(Candidates, BankerInEachPlace) {
    for (int position = 1; position <= 3; ++position) {
        const NumberList numbers = bankerDrag("1", "23", position);
        EXPECT_EQ(numbers.size(), 8u) << position;
        for (const std::string& n : numbers)
            EXPECT_EQ(n[static_cast<std::size_t>(position - 1)], '1') << n;
    }
    EXPECT_EQ(bankerDrag("1", "23", 1).front(), "112");
}

TEST_F(Candidates, BankerDigitsAlsoInTheDragAndEmptyBoxes) {
    EXPECT_EQ(bankerDrag("12", "12", 0), (NumberList{"112", "121", "122", "211", "212", "221"}));
    EXPECT_TRUE(bankerDrag("0", "0", 0).empty());
    EXPECT_TRUE(bankerDrag("", "23", 0).empty());
    EXPECT_TRUE(bankerDrag("1", "", 0).empty());
}

TEST_F(Candidates, BaseListSplitsAtSingleBlanks) {
    // Expanded, the text is "123 132 213 231 312 321  555 ".
    settings.setChecked(Check::GroupToDirect);
    const NumberList items = baseList("123 555");
    ASSERT_EQ(items.size(), 8u);
    EXPECT_EQ(items[5], "321");
    EXPECT_EQ(items[6], "");
    EXPECT_EQ(items[7], "555");
}

TEST_F(Candidates, BaseListIsNormalisedWithTheOptions) {
    EXPECT_EQ(baseList(kBaseListHint), (NumberList{"123", "235", "262", "687"}));
    settings.setChecked(Check::GroupToDirect);
    EXPECT_EQ(baseList("555 122"), (NumberList{"555", "212", "221", "122", ""}));
    EXPECT_TRUE(baseList("").empty());
}

}  // namespace
}  // namespace suoshui
