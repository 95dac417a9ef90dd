// The window as a filter run reads it and writes back: the settings in one go, the boxes a run
// rewrites, the busy pictures and the result font, and ticks changed while a run walks.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>

#include "WindowFixture.h"

namespace {

using suoshui::Check;
using suoshui::FilterSettings;
using suoshui::GenerationMode;
using suoshui::NumberType;

TEST_F(WindowTest, SettingsHoldEveryBoxText) {
    setText("DigitSequenceBox", "０１２");
    setText("BankerBox", "12");
    setText("DragBox", "345");
    setText("TargetCountBox", "37");
    setText("ExcludeSetBox3", "0123");
    setText("BaseListBox", "123 456\r\n789\r\n");
    setText("ExcludeSinglesBox", "111\n222");
    named<QComboBox>("PositionSelector")->setCurrentIndex(3);
    const FilterSettings settings = window->readSettings();
    EXPECT_EQ(settings.digitSequence, "０１２");
    EXPECT_EQ(settings.banker, "12");
    EXPECT_EQ(settings.drag, "345");
    EXPECT_EQ(settings.targetCount, "37");
    EXPECT_EQ(settings.excludeSets[2], "0123");
    EXPECT_EQ(settings.excludeSets[3], "");
    EXPECT_EQ(settings.baseList, "123 456\r\n789\r\n");
    EXPECT_EQ(settings.excludeSingles, "111\r\n222");
    EXPECT_EQ(settings.bankerPosition, 3);
}

TEST_F(WindowTest, SettingsFollowTheOptionsAndRadios) {
    const std::pair<const char*, Check> checks[] = {
        {"排 除", Check::ExcludeSets},      {"条件随机", Check::RandomCount},
        {"启用银选", Check::ExtraEnabled},  {"取 交 集", Check::Intersect},
        {"组选转直", Check::GroupToDirect}, {"包含", Check::IncludePairs},
    };
    for (const auto& [caption, check] : checks) {
        SCOPED_TRACE(caption);
        EXPECT_FALSE(window->readSettings().isChecked(check));
        captioned(caption)->click();
        EXPECT_TRUE(window->readSettings().isChecked(check));
    }
    EXPECT_EQ(window->readSettings().numberType, NumberType::Direct);
    captioned("组三组选")->click();
    captioned("大底")->click();
    EXPECT_EQ(window->readSettings().numberType, NumberType::GroupThree);
    EXPECT_EQ(window->readSettings().mode, GenerationMode::BaseList);
}

TEST_F(WindowTest, RunRewritesTheDigitBoxesAndShowsReportLinesAsLines) {
    captioned("不定位")->click();
    setText("DigitSequenceBox", "21 3");
    run();
    EXPECT_EQ(text("DigitSequenceBox"), "123");
    EXPECT_TRUE(named<QPlainTextEdit>("ResultBox")->toPlainText().contains(QStringLiteral("\n")));
}

TEST_F(WindowTest, BusyPicturesShowWhileTheRunWalksAndTheFontFollowsTheWidth) {
    bool busyDuringRun = false;
    window->setEventPassInterval(0);
    QTimer::singleShot(0, window.get(), [&] {
        busyDuringRun = named<QWidget>("图片框5")->isVisibleTo(window.get());
    });
    window->resize(801, 700);
    run();
    EXPECT_TRUE(busyDuringRun);
    EXPECT_TRUE(named<QWidget>("图片框5")->isHidden());
    EXPECT_TRUE(named<QWidget>("图片框2")->isHidden());
    const QFont wide = named<QPlainTextEdit>("ResultBox")->font();
    EXPECT_EQ(wide.pointSize(), 11);
    EXPECT_FALSE(wide.bold());
    window->resize(800, 700);
    run();
    EXPECT_EQ(named<QPlainTextEdit>("ResultBox")->font().pointSize(), 9);
}

// The player ticks "9" of 百位 once a hundred numbers are through: the numbers tested after
// that need a 9 in front, those before it stay.
TEST_F(WindowTest, TickChangedDuringARunAppliesToLaterCandidates) {
    window->setEventPassInterval(0);
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (window->session().results.size() < 100)
            return;
        tagged(9)->click();
        watch.stop();
    });
    watch.start(0);
    run();
    const suoshui::NumberList& results = window->session().results;
    ASSERT_GE(results.size(), 200u);
    EXPECT_EQ(results.front(), "000");
    EXPECT_EQ(results.back(), "999");
    EXPECT_EQ(std::count(results.begin(), results.end(), "899"), 0);
    EXPECT_LT(results.size(), 300u);
}

}  // namespace
