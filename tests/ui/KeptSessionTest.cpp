// The session the window keeps when the program ends, and "恢复上次" bringing it back.
#include <QFile>
#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <csignal>

#include "WindowFixture.h"
#include "ui/ProgramEnd.h"

namespace {

class KeptSessionTest : public WindowTest {
  protected:
    QString status(MainWindow& on) const {
        return on.findChild<QLabel*>(QStringLiteral("StatusLine"))->toolTip();
    }
    QString keptFile() const {
        return dataHome.filePath(QStringLiteral("suoshui/kept-session.txt"));
    }
    // Conditions, a base list and a result, as a player leaves them.
    void playARun() {
        captioned("大底")->click();
        setText("BaseListBox", "123 456 789 111 258");
        tagged(51 + 15)->click();  // 和值 15
        tagged(51 + 24)->click();  // 和值 24
        run();
        ASSERT_EQ(window->session().results.size(), 3u);
    }
    void newWindow() {
        window.reset();
        window = std::make_unique<MainWindow>();
    }
};

TEST_F(KeptSessionTest, ExitKeepsItAndRestoreBringsBackTheSameReport) {
    EXPECT_FALSE(named<QToolButton>("RestoreSessionButton")->isEnabled());
    playARun();
    const std::string report = result();
    named<QAbstractButton>("退出1")->click();
    ASSERT_TRUE(QFile::exists(keptFile()));
    newWindow();
    // A start opens as always; the kept session waits for the player.
    EXPECT_EQ(result(), "");
    auto* restore = named<QToolButton>("RestoreSessionButton");
    EXPECT_TRUE(restore->isEnabled());
    EXPECT_TRUE(restore->toolTip().contains(QStringLiteral("保存于")))
        << restore->toolTip().toStdString();
    restore->click();
    EXPECT_EQ(result(), report);
    EXPECT_EQ(baseList(), "123 456 789 111 258");
    EXPECT_EQ(window->session().results.size(), 3u);
    EXPECT_TRUE(status(*window).startsWith(QStringLiteral("已恢复上次")));
    run();
    EXPECT_EQ(result(), report);
}

TEST_F(KeptSessionTest, ADamagedKeptSessionIsNamedAndIgnored) {
    window->close();
    QFile file(keptFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("银罗盘选号缩水 上次的会话 版本 1\r\n和值：99\r\n");
    file.close();
    newWindow();
    setText("BaseListBox", "123");
    named<QToolButton>("RestoreSessionButton")->click();
    EXPECT_TRUE(status(*window).contains(QStringLiteral("读不出")) &&
                status(*window).contains(QStringLiteral("已忽略")))
        << status(*window).toStdString();
    EXPECT_EQ(baseList(), "123");
}

// A shut-down sends SIGTERM: the window closes as by "退出" and keeps its session.
TEST_F(KeptSessionTest, TermSignalClosesTheWindowAndKeepsTheSession) {
    suoshui::ui::closeWindowsWhenAskedToEnd();
    window->show();
    playARun();
    std::raise(SIGTERM);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !window->isVisible(); }));
    EXPECT_TRUE(QFile::exists(keptFile()));
}

}  // namespace
