#include "features/ConsecutiveFeatures.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "features/HighLowShape.h"

namespace suoshui {
namespace {

struct ConsecutiveCase {
    const char* number;
    const char *kind, *position, *parity, *highLow, *shape;
};

// Names the case by its number in test output.
void PrintTo(const ConsecutiveCase& c, std::ostream* os) {
    *os << c.number;
}

const ConsecutiveCase kConsecutiveCases[] = {
    {"123", "三连", "lll", "lll", "lll", "低中高"},
    {"901", "三连", "lll", "lll", "lll", "高低中"},
    {"980", "三连", "lll", "lll", "lll", "高中低"},
    {"112", "连号", "百个", "奇偶", "低高", "低低高"},
    {"211", "连号", "百十", "偶奇", "高低", "高低低"},
    {"390", "连号", "十个", "奇偶", "高低", "中高低"},
    {"509", "连号", "十个", "偶奇", "低高", "中低高"},
    {"918", "连号", "百个", "奇偶", "高低", "高低中"},
    {"555", "无连", "lll", "lll", "lll", "平"},
    {"135", "无连", "lll", "lll", "lll", "低中高"},
    {"121", "连号", "百十", "奇偶", "低高", "低高低"},
    {"009", "连号", "百个", "偶奇", "低高", "低低高"},
    {"089", "三连", "lll", "lll", "lll", "低中高"},
    {"190", "三连", "lll", "lll", "lll", "中高低"},
};

class ConsecutiveFeatures : public ::testing::TestWithParam<ConsecutiveCase> {};

TEST_P(ConsecutiveFeatures, MatchTheTable) {
    const ConsecutiveCase& c = GetParam();
    EXPECT_EQ(consecutiveKind(c.number), c.kind);
    EXPECT_EQ(consecutivePosition(c.number), c.position);
    EXPECT_EQ(consecutiveParity(c.number), c.parity);
    EXPECT_EQ(consecutiveHighLow(c.number), c.highLow);
    EXPECT_EQ(highLowShape(c.number), c.shape);
}

INSTANTIATE_TEST_SUITE_P(Examples, ConsecutiveFeatures, ::testing::ValuesIn(kConsecutiveCases),
                         [](const auto& test) { return std::string("n") + test.param.number; });

TEST(ConsecutiveFeatures, NineAndZeroCountByValue) {
    EXPECT_EQ(consecutiveHighLow("903"), "高低");
    EXPECT_EQ(consecutiveHighLow("093"), "低高");
}

struct ShapeCase {
    const char* number;
    const char* shape;
};

const ShapeCase kShapeCases[] = {
    {"321", "高中低"}, {"313", "高低高"}, {"312", "高低中"}, {"213", "中低高"}, {"123", "低中高"},
    {"231", "中高低"}, {"132", "低高中"}, {"122", "低高高"}, {"121", "低高低"}, {"211", "高低低"},
    {"331", "高高低"}, {"113", "低低高"}, {"777", "平"},
};

TEST(HighLowShape, EveryRule) {
    for (const ShapeCase& c : kShapeCases)
        EXPECT_EQ(highLowShape(c.number), c.shape) << c.number;
}

}  // namespace
}  // namespace suoshui
