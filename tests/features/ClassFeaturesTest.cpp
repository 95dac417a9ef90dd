#include "features/ClassFeatures.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace suoshui {
namespace {

TEST(DigitClasses, FullTable) {
    const char* parity[] = {"偶", "奇", "偶", "奇", "偶", "奇", "偶", "奇", "偶", "奇"};
    const char* size[] = {"小", "小", "小", "小", "小", "大", "大", "大", "大", "大"};
    const char* size3[] = {"小", "小", "小", "中", "中", "中", "中", "大", "大", "大"};
    const char* prime[] = {"合", "质", "质", "质", "合", "质", "合", "质", "合", "合"};
    const char* mod3[] = {"0", "1", "2", "0", "1", "2", "0", "1", "2", "0"};
    for (int d = 0; d < 10; ++d) {
        EXPECT_EQ(parityClass(d), parity[d]) << d;
        EXPECT_EQ(sizeClass(d), size[d]) << d;
        EXPECT_EQ(size3Class(d), size3[d]) << d;
        EXPECT_EQ(primeClass(d), prime[d]) << d;
        EXPECT_EQ(mod3Class(d), mod3[d]) << d;
    }
}

struct ClassCase {
    const char* number;
    const char *parityPattern, *sizePattern, *primePattern;
    const char *parityRatio, *sizeRatio, *primeRatio;
    const char *mod3Pattern, *mod3Ratio, *size3Pattern, *size3Ratio;
};

// Names the case by its number in test output.
void PrintTo(const ClassCase& c, std::ostream* os) {
    *os << c.number;
}

const ClassCase kClassCases[] = {
    {"000", "偶偶偶", "小小小", "合合合", "0:3", "0:3", "0:3", "000", "3:0:0", "小小小", "0:0:3"},
    {"123", "奇偶奇", "小小小", "质质质", "2:1", "0:3", "3:0", "120", "1:1:1", "小小中", "0:1:2"},
    {"390", "奇奇偶", "小大小", "质合合", "2:1", "1:2", "1:2", "000", "3:0:0", "中大小", "1:1:1"},
    {"456", "偶奇偶", "小大大", "合质合", "1:2", "2:1", "1:2", "120", "1:1:1", "中中中", "0:3:0"},
    {"555", "奇奇奇", "大大大", "质质质", "3:0", "3:0", "3:0", "222", "0:0:3", "中中中", "0:3:0"},
    {"988", "奇偶偶", "大大大", "合合合", "1:2", "3:0", "0:3", "022", "1:0:2", "大大大", "3:0:0"},
    {"907", "奇偶奇", "大小大", "合合质", "2:1", "2:1", "1:2", "001", "2:1:0", "大小大", "2:0:1"},
};

class ClassFeatures : public ::testing::TestWithParam<ClassCase> {};

TEST_P(ClassFeatures, MatchTheTable) {
    const ClassCase& c = GetParam();
    EXPECT_EQ(parityPattern(c.number), c.parityPattern);
    EXPECT_EQ(sizePattern(c.number), c.sizePattern);
    EXPECT_EQ(primePattern(c.number), c.primePattern);
    EXPECT_EQ(parityRatio(c.number), c.parityRatio);
    EXPECT_EQ(sizeRatio(c.number), c.sizeRatio);
    EXPECT_EQ(primeRatio(c.number), c.primeRatio);
    EXPECT_EQ(mod3Pattern(c.number), c.mod3Pattern);
    EXPECT_EQ(mod3Ratio(c.number), c.mod3Ratio);
    EXPECT_EQ(size3Pattern(c.number), c.size3Pattern);
    EXPECT_EQ(size3Ratio(c.number), c.size3Ratio);
}

INSTANTIATE_TEST_SUITE_P(Examples, ClassFeatures, ::testing::ValuesIn(kClassCases),
                         [](const auto& test) { return std::string("n") + test.param.number; });

}  // namespace
}  // namespace suoshui
