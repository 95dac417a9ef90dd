#include "engine/LotteryNumber.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace suoshui {
namespace {

std::string threeDigits(int n) {
    return std::to_string(1000 + n).substr(1);
}

TEST(GroupKind, CountsOverTheWholeNumberSpace) {
    std::map<GroupKind, int> counts;
    for (int n = 0; n < 1000; ++n)
        ++counts[groupKind(threeDigits(n))];
    EXPECT_EQ(counts[GroupKind::Triple], 10);
    EXPECT_EQ(counts[GroupKind::GroupThree], 270);
    EXPECT_EQ(counts[GroupKind::GroupSix], 720);
}

struct KindCase {
    const char* number;
    GroupKind kind;
    const char* text;
};

class GroupKindOf : public ::testing::TestWithParam<KindCase> {};

TEST_P(GroupKindOf, NamesTheKind) {
    EXPECT_EQ(groupKind(GetParam().number), GetParam().kind);
    EXPECT_EQ(groupKindText(groupKind(GetParam().number)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Numbers, GroupKindOf,
                         ::testing::Values(KindCase{"777", GroupKind::Triple, "豹子"},
                                           KindCase{"772", GroupKind::GroupThree, "组三"},
                                           KindCase{"277", GroupKind::GroupThree, "组三"},
                                           KindCase{"727", GroupKind::GroupThree, "组三"},
                                           KindCase{"027", GroupKind::GroupSix, "组六"}));

TEST(Digits, ComeFromSingleCharactersAndNonDigitsCountZero) {
    EXPECT_EQ(hundredsDigit("027"), 0);
    EXPECT_EQ(tensDigit("027"), 2);
    EXPECT_EQ(unitsDigit("027"), 7);
    EXPECT_EQ(unitsDigit("02"), 0);
    EXPECT_EQ(hundredsDigit("１"), 0);
    EXPECT_EQ(digitValue('\0'), 0);
    EXPECT_EQ(digitValue('\xFF'), 0);
}

TEST(GroupForm, SortsTheDigits) {
    EXPECT_EQ(groupForm("310"), "013");
    EXPECT_EQ(groupForm("775"), "577");
    EXPECT_EQ(groupForm(""), "");
}

TEST(GroupForm, ValueIsTheValueOfTheForm) {
    for (int value = 0; value < kNumberCount; ++value)
        ASSERT_EQ(numberText(groupFormValue(value)), groupForm(numberText(value))) << value;
}

struct DigitTextCase {
    const char* name;
    std::string text;
    const char* expected;
};

class DigitText : public ::testing::TestWithParam<DigitTextCase> {};

TEST_P(DigitText, GivesDistinctDigitsAscending) {
    EXPECT_EQ(normaliseDigitText(GetParam().text), GetParam().expected);
}

// What the digit boxes read from what a player types: digits only, full-width ones included.
INSTANTIATE_TEST_SUITE_P(
    Texts, DigitText,
    ::testing::Values(DigitTextCase{"Empty", "", ""}, DigitTextCase{"Sorted", "9352", "2359"},
                      DigitTextCase{"Blank", "1 3", "13"}, DigitTextCase{"Comma", "1,3", "13"},
                      DigitTextCase{"FullWidthComma", "1，3", "13"},
                      DigitTextCase{"ListComma", "1、3", "13"},
                      DigitTextCase{"FullWidthDigits", "１２", "12"},
                      DigitTextCase{"Letters", "a1b3c", "13"},
                      DigitTextCase{"InitialHint", "格式如：0245689      ", "0245689"},
                      DigitTextCase{"Nul", std::string("5\0", 2), "5"},
                      DigitTextCase{"HalfAFullWidthDigit", "\xEF\xBC", ""},
                      DigitTextCase{"InvalidBytes",
                                    "\xFF\xC3"
                                    "9",
                                    "9"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(LeadingNumber, ReadsTheLeadingDecimalNumber) {
    EXPECT_EQ(leadingNumber("  25注"), 25);
    EXPECT_EQ(leadingNumber("注25"), 0);
    EXPECT_EQ(leadingNumber(""), 0);
    EXPECT_EQ(leadingNumber("０５注"), 5);
    EXPECT_EQ(withAsciiDigits("１x２３"), "1x23");
    EXPECT_EQ(leadingNumber("99999999999999999999999"), 9223372036854775807LL);
}

}  // namespace
}  // namespace suoshui
