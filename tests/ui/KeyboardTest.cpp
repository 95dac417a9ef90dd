// Keyboard use of the main window: Tab through the inputs, shortcuts for running and saving.
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "ModalDriver.h"
#include "WindowFixture.h"

namespace {

class KeyboardTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    void pressTab() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }
};

TEST_F(KeyboardTest, TooltipsNameTheShortcuts) {
    EXPECT_EQ(named<QToolButton>("选号结果")->toolTip(), QStringLiteral("选号结果 (Ctrl+R)"));
    EXPECT_EQ(named<QToolButton>("保存")->toolTip(), QStringLiteral("保存 (Ctrl+S)"));
}

TEST_F(KeyboardTest, ControlRRunsTheFilter) {
    tagged(1)->click();
    QTest::keyClick(window.get(), Qt::Key_R, Qt::ControlModifier);
    // A shortcut presses the button visibly, so the click lands a moment later.
    EXPECT_TRUE(QTest::qWaitFor([this] { return window->session().results.size() == 100; }));
}

TEST_F(KeyboardTest, ControlSOpensTheSaveDialog) {
    bool dialogSeen = false;
    whenModalAppears(window.get(), [&dialogSeen](QWidget* modal) {
        dialogSeen = modal->objectName() == QStringLiteral("通用对话框1");
        qobject_cast<QDialog*>(modal)->reject();
    });
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitFor([&dialogSeen] { return dialogSeen; }));
}

// On the base list page Tab walks import, the two options and the box, and leaves the box
// instead of typing a tab into the numbers.
TEST_F(KeyboardTest, TabWalksTheBaseListPageInReadingOrder) {
    captioned("大底")->click();
    auto* import = named<QPushButton>("导入大底");
    import->setFocus();
    pressTab();
    EXPECT_EQ(QApplication::focusWidget(), captioned("取 交 集"));
    pressTab();
    EXPECT_EQ(QApplication::focusWidget(), captioned("组选转直"));
    pressTab();
    auto* listBox = named<QPlainTextEdit>("BaseListBox");
    EXPECT_EQ(QApplication::focusWidget(), listBox);
    const std::string before = WindowTest::baseList();
    pressTab();
    EXPECT_NE(QApplication::focusWidget(), listBox);
    EXPECT_EQ(WindowTest::baseList(), before);
}

TEST_F(KeyboardTest, TabFromTheLastOptionReachesTheResult) {
    captioned("大小比")->setFocus();
    pressTab();
    EXPECT_EQ(QApplication::focusWidget(), named<QPlainTextEdit>("ResultBox"));
}

// Tab enters the rows at their first box; the arrows walk along a row and down to the next;
// Space ticks; Tab leaves for the "包含" boxes.
TEST_F(KeyboardTest, KeyboardWalksTheConditionRows) {
    captioned("排 除")->click();
    QWidget* singles = named<QWidget>("ExcludeSinglesBox");
    singles->setFocus();
    QTest::keyClick(singles, Qt::Key_Tab);
    QWidget* first = QApplication::focusWidget();
    ASSERT_EQ(first, tagged(10));  // the "0" of 百位, shown first
    QTest::keyClick(first, Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), tagged(1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(tagged(1)->isChecked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), tagged(11));  // "1" of 十位, right below
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), tagged(20));  // "0" of 十位
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), tagged(1001));  // the end of the line above
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), captioned("包含"));
}

TEST_F(KeyboardTest, RowsScrollToTheBoxTheKeyboardIsOn) {
    window->resize(1366, 600);
    tagged(10)->setFocus();
    for (int step = 0; step < 30; ++step)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QWidget* box = QApplication::focusWidget();
    const int top = box->mapTo(window.get(), QPoint(0, 0)).y();
    EXPECT_GT(named<QScrollBar>("ConditionScrollBar")->value(), 0);
    EXPECT_GE(top, 129);
    EXPECT_LE(top + box->height(), window->height() - 11);
}

}  // namespace
