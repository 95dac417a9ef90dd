#include "lists/InputPageRules.h"

#include <gtest/gtest.h>

namespace suoshui {
namespace {

TEST(InputPageRulesTest, EachModeShowsItsPage) {
    EXPECT_EQ(pageOfMode(Radio::Positional), std::nullopt);
    EXPECT_EQ(pageOfMode(Radio::DigitSet), InputPage::DigitSequence);
    EXPECT_EQ(pageOfMode(Radio::BankerDrag), InputPage::BankerDrag);
    EXPECT_EQ(pageOfMode(Radio::BaseList), InputPage::BaseList);
}

TEST(InputPageRulesTest, UntickedRandomCountHidesThePagesWhateverTheMode) {
    EXPECT_EQ(pageAfterRandomCount(true), InputPage::Count);
    EXPECT_EQ(pageAfterRandomCount(false), std::nullopt);
}

TEST(InputPageRulesTest, UntickedExcludeSetsBringsBackTheModesPage) {
    for (Radio mode : {Radio::Positional, Radio::DigitSet, Radio::BankerDrag, Radio::BaseList}) {
        EXPECT_EQ(pageAfterExcludeSets(true, mode), InputPage::Exclusion);
        EXPECT_EQ(pageAfterExcludeSets(false, mode), pageOfMode(mode));
    }
}

}  // namespace
}  // namespace suoshui
