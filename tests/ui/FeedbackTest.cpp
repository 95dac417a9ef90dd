// What the player typed is what the player gets, and the window says what it did: separators
// in the digit boxes, the status line, the base list's read-back, Qt's dialogs in Chinese, the
// keyboard in the condition rows, and the window sized by the player.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSizeGrip>
#include <QSpinBox>
#include <QTest>

#include "WindowFixture.h"
#include "lists/NumberText.h"
#include "ui/ResultPanel.h"
#include "ui/WindowColours.h"

namespace {

class FeedbackTest : public WindowTest {
  protected:
    QString status() const { return named<QLabel>("StatusLine")->toolTip(); }
    QString readBack() const {
        auto* label = named<QLabel>("BaseListReadBack");
        static_cast<void>(QTest::qWaitFor([label] { return !label->toolTip().isEmpty(); }));
        QTest::qWait(200);  // the read-back follows the last change after a short delay
        return label->toolTip();
    }
};

struct DigitBoxCase {
    const char* name;
    const char* banker;
    const char* drag;
    std::size_t count;
};

class DigitBoxTest : public FeedbackTest, public ::testing::WithParamInterface<DigitBoxCase> {};

// Banker 1 with drag 2, 3, 4 gives 36 numbers however the digits are separated; a separator
// read as 0 gave 60.
TEST_P(DigitBoxTest, SeparatorsAreNotDigits) {
    captioned("胆拖")->click();
    setText("BankerBox", GetParam().banker);
    setText("DragBox", GetParam().drag);
    run();
    EXPECT_EQ(window->session().results.size(), GetParam().count);
    EXPECT_EQ(text("DragBox"), "234");
}

INSTANTIATE_TEST_SUITE_P(Separators, DigitBoxTest,
                         ::testing::Values(DigitBoxCase{"Plain", "1", "234", 36},
                                           DigitBoxCase{"Commas", "1", "2,3,4", 36},
                                           DigitBoxCase{"FullWidthCommas", "1", "2，3，4", 36},
                                           DigitBoxCase{"ListCommas", "1", "2、3、4", 36},
                                           DigitBoxCase{"Blanks", " 1", "2 3 4", 36},
                                           DigitBoxCase{"FullWidthDigits", "１", "２３４", 36}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(FeedbackTest, StatusLineCountsWhereTheCandidatesWent) {
    tagged(1)->click();   // 百位 1
    tagged(57)->click();  // 和值 6
    run();
    EXPECT_EQ(status(), QStringLiteral("候选 1000 注 → 保留 6 注；百位 去掉 900，和值 去掉 94"));
}

TEST_F(FeedbackTest, StatusLineSaysWhyNothingWasKept) {
    captioned("大底")->click();
    run();
    EXPECT_TRUE(status().startsWith(QStringLiteral("没有号码：大底里没有三位数的号码")));
    captioned("定位")->click();
    captioned("条件随机")->click();
    run();
    EXPECT_TRUE(status().startsWith(QStringLiteral("条件随机的注数是空的或为 0")));
}

TEST_F(FeedbackTest, ResetLeavesNoLineOfTheRunItTookAway) {
    run();
    auto* hitLine = named<QLabel>("HitLine");
    ASSERT_NE(hitLine, nullptr);
    window->findChild<suoshui::ui::ResultPanel*>()->showHitLine(
        QStringLiteral("核对 123：直选中奖"));
    named<QAbstractButton>("重置")->click();
    EXPECT_EQ(status(), QStringLiteral("已重置：勾选和输入已清空，大底保持原样"));
    EXPECT_TRUE(hitLine->toolTip().isEmpty()) << hitLine->toolTip().toStdString();
}

TEST_F(FeedbackTest, SinglesWaitForTheExclusionPage) {
    setText("ExcludeSinglesBox", "123456");
    run();
    EXPECT_EQ(window->session().results.size(), 1000u);
    captioned("排 除")->click();
    run();
    EXPECT_EQ(window->session().results.size(), 998u);
    EXPECT_TRUE(status().contains(QStringLiteral("单式排除 去掉 2")));
}

TEST_F(FeedbackTest, BaseListReadBackShowsWhatWasRead) {
    captioned("大底")->click();
    setText("BaseListBox", "第2024123期\n123 456");
    EXPECT_EQ(readBack(),
              QStringLiteral("读到 4 个号码，不同的 4 注；2024123 拆成 202 412，末尾的 3 没用上"));
    captioned("取 交 集")->click();
    EXPECT_EQ(readBack(), QStringLiteral("读到 4 个号码，不同的 4 注；取交集（至少出现 2 次）0 "
                                         "注；2024123 拆成 202 412，末尾的 3 没用上"));
    // The whole sentence is on the box, over two lines, not only in the hover hint.
    auto* label = named<QLabel>("BaseListReadBack");
    EXPECT_EQ(label->text(), label->toolTip());
    EXPECT_GT(label->height(), label->fontMetrics().height() * 2 - 2);
    EXPECT_TRUE(label->parentWidget()->rect().contains(label->geometry()));
}

// Three stored results of which only 123 is in all three: at least 2 keeps what two share,
// 3 keeps what every one holds; the count counts only while "取交集" is ticked.
TEST_F(FeedbackTest, IntersectCountChoosesHowOftenANumberMustOccur) {
    captioned("大底")->click();
    setText("BaseListBox", "123 456 789\n123 456\n123");
    auto* count = named<QSpinBox>("IntersectMinCount");
    ASSERT_NE(count, nullptr);
    EXPECT_FALSE(count->isEnabled());
    captioned("取 交 集")->click();
    EXPECT_TRUE(count->isEnabled());
    EXPECT_EQ(count->value(), 2);
    run();
    EXPECT_EQ(window->session().results.size(), 2u);
    count->setValue(3);
    EXPECT_TRUE(readBack().contains(QStringLiteral("取交集（至少出现 3 次）1 注")));
    run();
    EXPECT_EQ(window->session().results.size(), 1u);
    count->setValue(4);
    run();
    EXPECT_TRUE(status().contains(QStringLiteral("4 次"))) << status().toStdString();
    captioned("取 交 集")->click();
    EXPECT_FALSE(count->isEnabled());
    run();
    EXPECT_EQ(window->session().results.size(), 3u);
}

// The listing is the run's: typing changes nothing, Tab leaves the box, copying still works,
// and 暂存 stores what the run listed.
TEST_F(FeedbackTest, TheResultBoxCanBeCopiedButNotChanged) {
    tagged(1)->click();  // 百位 1
    run();
    auto* box = named<QPlainTextEdit>("ResultBox");
    const QString listed = box->toPlainText();
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("xyz"));
    QTest::keyClick(box, Qt::Key_Delete);
    EXPECT_EQ(box->toPlainText(), listed);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(),
              box->textCursor().selectedText().replace(QChar::ParagraphSeparator, u'\n'));
    EXPECT_FALSE(QApplication::clipboard()->text().isEmpty());
    QTest::keyClick(box, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), box);
    store();
    EXPECT_EQ(suoshui::numbersIn(baseList()).size(), 100u);
}

TEST_F(FeedbackTest, QtsOwnDialogsSpeakChinese) {
    QMessageBox box(QMessageBox::Question, QString(), QString(),
                    QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("取消"));
    QDialogButtonBox buttons(QDialogButtonBox::Open);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Open)->text().remove(QLatin1Char('&')),
              QStringLiteral("打开"));
}

TEST_F(FeedbackTest, WindowIsSizedFromItsCornerAndMaximisedFromItsTopBar) {
    window->resize(1200, 700);
    window->show();
    auto* grip = named<QSizeGrip>("SizeGrip");
    ASSERT_NE(grip, nullptr);
    EXPECT_TRUE(grip->isVisible());
    EXPECT_EQ(grip->geometry().bottomRight(), window->rect().bottomRight());
    QWidget* bar = named<QWidget>("顶边标题");
    QTest::mouseDClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(450, 40));
    EXPECT_TRUE(QTest::qWaitFor([this] { return window->isMaximized(); }));
    QTest::mouseDClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(450, 40));
    EXPECT_TRUE(QTest::qWaitFor([this] { return !window->isMaximized(); }));
}

// Scrolled rows stay inside their own part of the window: the gap between the "类型：" and
// "方式：" rows shows the window's colour, never a row.
TEST_F(FeedbackTest, ScrolledRowsNeverShowAboveTheirPart) {
    window->resize(1366, 762);
    window->show();
    named<QScrollBar>("ConditionScrollBar")->setValue(300);
    const QImage shot = window->grab().toImage();
    for (int x = 20; x < 500; x += 37)
        EXPECT_EQ(shot.pixelColor(x, 101), suoshui::ui::kWindowBackground) << x;
}

// The extra panel's boxes look as unusable as they are while "启用银选" is unticked.
TEST_F(FeedbackTest, DisabledBoxesLookDisabled) {
    window->show();
    QWidget* box = tagged(340);
    const QColor off = box->grab().toImage().pixelColor(3, 3);
    captioned("启用银选")->click();
    const QColor on = box->grab().toImage().pixelColor(3, 3);
    EXPECT_NE(off, on);
    EXPECT_EQ(on, suoshui::ui::kFrameFill);
}

}  // namespace
