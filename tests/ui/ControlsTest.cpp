// The window as the core reads and rewrites it.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "WindowFixture.h"

namespace {

using suoshui::Check;
using suoshui::Radio;
using suoshui::TextBox;

struct TextCase {
    const char* name;
    TextBox box;
    std::string written;
    std::string readBack;
};

void PrintTo(const TextCase& c, std::ostream* out) {
    *out << c.name;
}

class TextRoundTrip : public WindowTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(TextRoundTrip, ReadsBackWhatWasWritten) {
    const TextCase& c = GetParam();
    window->setText(c.box, c.written);
    EXPECT_EQ(window->text(c.box), c.readBack);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, TextRoundTrip,
    ::testing::Values(
        TextCase{"ResultKeepsCrLf", TextBox::Result, "共 2 注\r\n123 456 \r\n",
                 "共 2 注\r\n123 456 \r\n"},
        TextCase{"ResultTurnsLfIntoCrLf", TextBox::Result, "a\nb", "a\r\nb"},
        TextCase{"BaseListMultiLine", TextBox::BaseList, "123 456\r\n789\r\n",
                 "123 456\r\n789\r\n"},
        TextCase{"ExcludeSingles", TextBox::ExcludeSingles, "111\r\n222", "111\r\n222"},
        TextCase{"Banker", TextBox::Banker, "12", "12"},
        TextCase{"DigitSequenceFullWidth", TextBox::DigitSequence, "０１２", "０１２"},
        TextCase{"InvalidUtf8IsReplaced", TextBox::Result,
                 "1\xff"
                 "2",
                 "1\xef\xbf\xbd"
                 "2"},
        TextCase{"EmptyClears", TextBox::ExcludeSet3, "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTest, MultiLineBoxesShowPlainLineBreaks) {
    window->setText(TextBox::Result, "a\r\nb\r\n");
    EXPECT_EQ(named<QPlainTextEdit>("ResultBox")->toPlainText(), QStringLiteral("a\nb\n"));
}

TEST_F(WindowTest, BaseListStartsWithItsHint) {
    EXPECT_EQ(window->text(TextBox::BaseList),
              "例如：  123  235  262  687  （只能用空格分开）\r\n也可以把号码直接粘贴在这里\r\n");
    EXPECT_EQ(window->text(TextBox::DigitSequence), "格式如：0245689      ");
}

TEST_F(WindowTest, ReadsEveryNamedBox) {
    const std::pair<const char*, TextBox> boxes[] = {
        {"DigitSequenceBox", TextBox::DigitSequence},
        {"BankerBox", TextBox::Banker},
        {"DragBox", TextBox::Drag},
        {"TargetCountBox", TextBox::TargetCount},
        {"ExcludeSetBox1", TextBox::ExcludeSet1},
        {"ExcludeSetBox2", TextBox::ExcludeSet2},
        {"ExcludeSetBox3", TextBox::ExcludeSet3},
        {"ExcludeSetBox4", TextBox::ExcludeSet4},
    };
    for (const auto& [name, box] : boxes) {
        named<QLineEdit>(name)->setText(QStringLiteral("37"));
        EXPECT_EQ(window->text(box), "37") << name;
    }
}

TEST_F(WindowTest, ChecksFollowTheirBoxes) {
    const std::pair<const char*, Check> checks[] = {
        {"排 除", Check::ExcludeSets},      {"条件随机", Check::RandomCount},
        {"启用银选", Check::ExtraEnabled},  {"取 交 集", Check::Intersect},
        {"组选转直", Check::GroupToDirect},
    };
    for (const auto& [caption, check] : checks) {
        SCOPED_TRACE(caption);
        EXPECT_FALSE(window->isChecked(check));
        captioned(caption)->click();
        EXPECT_TRUE(window->isChecked(check));
    }
}

TEST_F(WindowTest, RadiosFollowTheirButtons) {
    const std::pair<const char*, Radio> radios[] = {
        {"组六直选", Radio::DirectSix}, {"组三组选", Radio::GroupThree},
        {"胆拖", Radio::BankerDrag},    {"大底", Radio::BaseList},
        {"跨 度", Radio::BySpan},       {"大小比", Radio::BySizeRatio},
    };
    EXPECT_TRUE(window->isChecked(Radio::Direct));
    for (const auto& [caption, radio] : radios) {
        captioned(caption)->click();
        EXPECT_TRUE(window->isChecked(radio)) << caption;
    }
    EXPECT_FALSE(window->isChecked(Radio::Direct));
    EXPECT_FALSE(window->isChecked(Radio::Positional));
    EXPECT_FALSE(window->isChecked(Radio::Flat));
}

TEST_F(WindowTest, PositionIndexFollowsTheSelector) {
    named<QComboBox>("PositionSelector")->setCurrentIndex(3);
    EXPECT_EQ(window->positionIndex(), 3);
}

TEST_F(WindowTest, BusyShowsAndHidesBothPictures) {
    window->setBusy(true);
    EXPECT_FALSE(named<QWidget>("图片框5")->isHidden());
    EXPECT_FALSE(named<QWidget>("图片框2")->isHidden());
    window->setBusy(false);
    EXPECT_TRUE(named<QWidget>("图片框5")->isHidden());
    EXPECT_TRUE(named<QWidget>("图片框2")->isHidden());
}

TEST_F(WindowTest, ResultFontTakesPointsAndWeight) {
    window->setResultFont(11, true);
    const QFont font = named<QPlainTextEdit>("ResultBox")->font();
    EXPECT_EQ(font.pointSize(), 11);
    EXPECT_TRUE(font.bold());
}

TEST_F(WindowTest, TickingThroughTheCoreShowsOnTheBox) {
    window->findTag(300 + 12)->setTicked(true);
    EXPECT_TRUE(tagged(312)->isChecked());
    EXPECT_EQ(window->windowWidth(), window->width());
}

}  // namespace
