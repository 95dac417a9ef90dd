// What the player finds in the window when it opens.
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStackedWidget>

#include "WindowFixture.h"

namespace {

TEST_F(WindowTest, IsFramelessWithItsTitle) {
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("银罗盘选号缩水"));
    auto* title = named<QLabel>("标题栏");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text(), QStringLiteral("银罗盘3D排列3选号缩水  V2.90"));
}

// The five tools stand in the top bar in reading order, each over its own caption, apart from
// each other and from the feature buttons.
TEST_F(WindowTest, ToolbarButtonsSitInTheTopBarOverTheirCaptions) {
    const char* names[] = {"选号结果", "保存", "暂存结果", "重置", "退出1"};
    const char* captions[] = {"选", "保", "暂", "重", "退"};
    auto* captionLine = named<QLabel>("工具栏标题");
    auto* features = named<QWidget>("功能按钮");
    QRect previous;
    for (int index = 0; index < 5; ++index) {
        SCOPED_TRACE(names[index]);
        auto* button = named<QAbstractButton>(names[index]);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->parentWidget()->objectName(), QStringLiteral("顶边标题"));
        const QRect place = button->geometry();
        EXPECT_TRUE(button->parentWidget()->rect().contains(place));
        EXPECT_GE(place.width(), 32);
        EXPECT_FALSE(place.intersects(features->geometry()));
        if (index > 0) {
            EXPECT_GT(place.left(), previous.right());
        }
        previous = place;
        // Its caption starts under it.
        const QString line = captionLine->text();
        const int captionLeft =
            captionLine->x() + captionLine->fontMetrics().horizontalAdvance(
                                   line.left(line.indexOf(QString::fromUtf8(captions[index]))));
        EXPECT_GE(captionLeft, place.left() - 4);
        EXPECT_LE(captionLeft, place.right());
    }
}

struct RadioStart {
    const char* caption;
    bool ticked;
};

TEST_F(WindowTest, RadiosAndOptionsStartAsDesigned) {
    const RadioStart starts[] = {
        {"直选号", true},    {"组六直选", false}, {"组三直选", false}, {"组选号", false},
        {"组六组选", false}, {"组三组选", false}, {"定位", true},      {"不定位", false},
        {"胆拖", false},     {"大底", false},     {"排 除", false},    {"条件随机", false},
        {"启用银选", false}, {"常 规", true},     {"和 值", false},    {"和 尾", false},
        {"跨 度", false},    {"奇偶比", false},   {"大小比", false},   {"取 交 集", false},
        {"组选转直", false},
    };
    for (const RadioStart& start : starts) {
        SCOPED_TRACE(start.caption);
        QAbstractButton* button = captioned(start.caption);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->isChecked(), start.ticked);
    }
}

TEST_F(WindowTest, RadioGroupsAreIndependent) {
    captioned("组选号")->click();
    captioned("大小比")->click();
    EXPECT_TRUE(captioned("定位")->isChecked());
    EXPECT_FALSE(captioned("直选号")->isChecked());
    EXPECT_FALSE(captioned("常 规")->isChecked());
}

TEST_F(WindowTest, InputPagesStartHiddenOnTheFirstPage) {
    auto* pages = named<QStackedWidget>("InputPages");
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->count(), 5);
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_TRUE(pages->isHidden());
    EXPECT_EQ(pages->geometry(), QRect(14, 128, 474, 68));
}

struct LineBoxDef {
    const char* name;
    int page;
    int maxLength;
};

TEST_F(WindowTest, OneLineBoxesTakeNoMoreThanTheirLength) {
    const LineBoxDef boxes[] = {
        {"BankerBox", 1, 3},      {"DragBox", 1, 9},        {"TargetCountBox", 3, 3},
        {"ExcludeSetBox1", 4, 7}, {"ExcludeSetBox2", 4, 7}, {"ExcludeSetBox3", 4, 7},
        {"ExcludeSetBox4", 4, 7},
    };
    auto* pages = named<QStackedWidget>("InputPages");
    for (const LineBoxDef& def : boxes) {
        SCOPED_TRACE(def.name);
        auto* box = named<QLineEdit>(def.name);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->maxLength(), def.maxLength);
        EXPECT_EQ(box->text(), QString());
        EXPECT_TRUE(pages->widget(def.page)->isAncestorOf(box));
    }
}

TEST_F(WindowTest, ExcludeSetBoxesAreInReadingOrder) {
    const QPoint places[] = {{6, 20}, {117, 20}, {6, 44}, {117, 44}};
    for (int index = 0; index < 4; ++index) {
        const QByteArray name = "ExcludeSetBox" + QByteArray::number(index + 1);
        EXPECT_EQ(named<QLineEdit>(name.constData())->pos(), places[index]) << name.constData();
    }
}

// The hints are placeholders: grey words in an empty box, never its content.
TEST_F(WindowTest, HintsArePlaceholdersAndTheDigitBoxTakesTenCharacters) {
    auto* box = named<QLineEdit>("DigitSequenceBox");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QString());
    EXPECT_EQ(box->placeholderText(), QStringLiteral("格式如：0245689"));
    auto* list = named<QPlainTextEdit>("BaseListBox");
    EXPECT_EQ(list->toPlainText(), QString());
    // The hint says what the reading does, never a rule it contradicts.
    EXPECT_TRUE(list->placeholderText().startsWith(QStringLiteral("例如：  123  235  262  687\n")));
    EXPECT_FALSE(list->placeholderText().contains(QStringLiteral("只能用空格")));
    box->insert(QStringLiteral("0123456789"));
    box->insert(QStringLiteral("5"));
    EXPECT_EQ(box->text(), QStringLiteral("0123456789"));
}

TEST_F(WindowTest, PositionSelectorOffersTheFourPlaces) {
    auto* selector = named<QComboBox>("PositionSelector");
    ASSERT_NE(selector, nullptr);
    ASSERT_EQ(selector->count(), 4);
    EXPECT_EQ(selector->itemText(1), QStringLiteral("百  位"));
    EXPECT_EQ(selector->currentIndex(), 0);
}

TEST_F(WindowTest, ResultBoxStartsEmptyAndBusyPicturesHidden) {
    auto* result = named<QPlainTextEdit>("ResultBox");
    ASSERT_NE(result, nullptr);
    EXPECT_TRUE(result->toPlainText().isEmpty());
    EXPECT_TRUE(named<QWidget>("图片框5")->isHidden());
    EXPECT_TRUE(named<QWidget>("图片框2")->isHidden());
    EXPECT_NE(named<QPlainTextEdit>("BaseListBox"), nullptr);
    EXPECT_NE(named<QPlainTextEdit>("ExcludeSinglesBox"), nullptr);
    EXPECT_NE(named<QScrollBar>("ConditionScrollBar"), nullptr);
}

TEST_F(WindowTest, ClickRelayIsAHiddenToggle) {
    auto* relay = named<QAbstractButton>("all");
    ASSERT_NE(relay, nullptr);
    EXPECT_EQ(relay->property("tag").toInt(), 999);
    EXPECT_EQ(relay->text(), QStringLiteral("0"));
    EXPECT_TRUE(relay->isCheckable());
    EXPECT_TRUE(relay->isHidden());
}

TEST_F(WindowTest, ExtraPanelsStartDisabledOrHidden) {
    EXPECT_FALSE(named<QWidget>("银选面板")->isEnabled());
    EXPECT_TRUE(named<QWidget>("银选面板2")->isHidden());
    EXPECT_TRUE(named<QWidget>("外形框34")->isHidden());
}

}  // namespace

namespace {

TEST_F(WindowTest, CaptionButtonsChangeTheWindowState) {
    window->show();
    auto* maximise = named<QAbstractButton>("最大化");
    ASSERT_NE(maximise, nullptr);
    maximise->click();
    EXPECT_TRUE(window->isMaximized());
    maximise->click();
    EXPECT_FALSE(window->isMaximized());
    named<QAbstractButton>("最小化")->click();
    EXPECT_TRUE(window->isMinimized());
    named<QAbstractButton>("关闭")->click();
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
