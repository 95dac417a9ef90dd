#include "lists/InputPageRules.h"

#include <gtest/gtest.h>

namespace suoshui {
namespace {

TEST(InputPageRulesTest, EachModeShowsItsPage) {
    EXPECT_EQ(pageOfMode(GenerationMode::Positional), std::nullopt);
    EXPECT_EQ(pageOfMode(GenerationMode::DigitSet), InputPage::DigitSequence);
    EXPECT_EQ(pageOfMode(GenerationMode::BankerDrag), InputPage::BankerDrag);
    EXPECT_EQ(pageOfMode(GenerationMode::BaseList), InputPage::BaseList);
}

TEST(InputPageRulesTest, UntickedRandomCountHidesThePagesWhateverTheMode) {
    EXPECT_EQ(pageAfterRandomCount(true), InputPage::Count);
    EXPECT_EQ(pageAfterRandomCount(false), std::nullopt);
}

TEST(InputPageRulesTest, UntickedExcludeSetsBringsBackTheModesPage) {
    for (GenerationMode mode : {GenerationMode::Positional, GenerationMode::DigitSet,
                                GenerationMode::BankerDrag, GenerationMode::BaseList}) {
        EXPECT_EQ(pageAfterExcludeSets(true, mode), InputPage::Exclusion);
        EXPECT_EQ(pageAfterExcludeSets(false, mode), pageOfMode(mode));
    }
}

}  // namespace
}  // namespace suoshui
