// The welcome window as the player sees it, and the program's life from the start window to
// its end, run in the application's real event loop.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "ui/MainWindow.h"
#include "ui/ProgramStart.h"
#include "ui/StartWindow.h"
#include "ui/WindowFonts.h"

namespace {

using suoshui::ui::heiTi;
using suoshui::ui::songTi;

constexpr int kTimedOut = 99;

struct LabelCase {
    const char* name;
    QString text;
    QFont font;
    QRect geometry;
};

std::vector<LabelCase> labelCases() {
    return {
        {"欢迎", QStringLiteral("欢迎使用\n"), songTi(35, true), {182, 78, 157, 47}},
        {"产品名", QStringLiteral("银罗盘3D排列3选号缩水"), songTi(32, true), {88, 145, 352, 53}},
        {"版本", QStringLiteral("版本： V2.90"), heiTi(19, true), {190, 215, 146, 23}},
    };
}

// Where the label's characters land when drawn as the label draws them, but without cutting
// them at its edges, in the label's own coordinates.
QRect inkOf(const QLabel* label) {
    constexpr int kRoom = 40;
    QImage canvas(label->size() + QSize(2 * kRoom, 2 * kRoom), QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setFont(label->font());
        painter.drawText(QRect(QPoint(kRoom, kRoom), label->size()),
                         static_cast<int>(label->alignment()) | Qt::TextDontClip, label->text());
    }
    QRect ink;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            if (qAlpha(canvas.pixel(x, y)) > 0)
                ink |= QRect(x - kRoom, y - kRoom, 1, 1);
        }
    }
    return ink;
}

MainWindow* openMainWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<MainWindow*>(widget); window && window->isVisible())
            return window;
    }
    return nullptr;
}

class StartWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { start.show(); }

    // Some widgets rely on a nested event loop (modal dialogs); quitting the real one must
    // leave them working for the tests that follow.
    void TearDown() override {
        QEventLoop loop;
        QTimer::singleShot(0, &loop, [&loop] { loop.exit(7); });
        EXPECT_EQ(loop.exec(), 7);
    }

    template <typename Widget>
    Widget* named(const char* name) const {
        return start.findChild<Widget*>(QString::fromUtf8(name));
    }

    // Runs the application's event loop as the program does, with the steps played from
    // inside it; returns the loop's exit code, kTimedOut if the program did not end.
    static int runProgram(const std::function<void()>& steps) {
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(kTimedOut); });
        watchdog.start(10000);
        QTimer::singleShot(0, &watchdog, steps);
        return QApplication::exec();
    }

    StartWindow start;
};

TEST_F(StartWindowTest, HasItsDesignSizeTitleAndPicture) {
    EXPECT_EQ(start.objectName(), QStringLiteral("StartWindow"));
    EXPECT_EQ(start.size(), QSize(520, 380));
    EXPECT_EQ(start.minimumSize(), start.maximumSize());
    EXPECT_EQ(start.windowTitle(), QStringLiteral("银罗盘3D排列3选号缩水"));
    EXPECT_FALSE(start.backgroundPicture().isNull());
    EXPECT_EQ(start.backgroundPicture().size(), QSize(520, 380));
}

TEST_F(StartWindowTest, LabelsShowTheirTextsInTheirFontsAndPlaces) {
    for (const LabelCase& expected : labelCases()) {
        SCOPED_TRACE(expected.name);
        auto* label = named<QLabel>(expected.name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), expected.text);
        EXPECT_EQ(label->geometry(), expected.geometry);
        EXPECT_EQ(label->font(), expected.font);
        EXPECT_FALSE(label->autoFillBackground());
    }
}

TEST_F(StartWindowTest, NoLabelCutsItsCharacters) {
    for (const LabelCase& expected : labelCases()) {
        SCOPED_TRACE(expected.name);
        const auto* label = named<QLabel>(expected.name);
        ASSERT_NE(label, nullptr);
        const QRect ink = inkOf(label);
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_TRUE(label->rect().contains(ink))
            << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
    }
}

TEST_F(StartWindowTest, ButtonsAreCaptionedAndShown) {
    const struct {
        const char* name;
        QString caption;
        QRect geometry;
    } buttons[] = {{"开始", QStringLiteral("开 始"), {346, 339, 66, 22}},
                   {"退出", QStringLiteral("退  出"), {430, 339, 66, 22}}};
    for (const auto& expected : buttons) {
        SCOPED_TRACE(expected.name);
        auto* button = named<QPushButton>(expected.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), expected.caption);
        EXPECT_EQ(button->geometry(), expected.geometry);
        EXPECT_TRUE(button->isVisible());
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), button->width());
    }
}

TEST_F(StartWindowTest, CreatingTheMainWindowClosesTheStartWindow) {
    MainWindow window;
    EXPECT_FALSE(start.isVisible());
}

// The start window closes before the main window is shown; the program must not take that
// for its last window closing, and must end only when the main window closes.
TEST_F(StartWindowTest, StartOpensTheMainWindowAndClosingItEndsTheProgram) {
    QPointer<MainWindow> opened;
    bool startClosed = false;
    bool closedByPlayer = false;
    QTimer playerCloses;
    playerCloses.setSingleShot(true);
    QObject::connect(&playerCloses, &QTimer::timeout, [&] {
        closedByPlayer = true;
        opened->close();
    });
    const int exitCode = runProgram([&] {
        named<QPushButton>("开始")->click();
        opened = openMainWindow();
        startClosed = !start.isVisible();
        if (opened)
            playerCloses.start(100);
    });
    ASSERT_TRUE(closedByPlayer);
    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(startClosed);
    EXPECT_TRUE(opened.isNull());  // deleted once closed
}

TEST_F(StartWindowTest, OpenedMainWindowStandsAloneAndIsSeeded) {
    named<QPushButton>("开始")->click();
    QPointer<MainWindow> opened = openMainWindow();
    ASSERT_FALSE(opened.isNull());
    EXPECT_EQ(opened->parentWidget(), nullptr);
    EXPECT_EQ(opened->windowModality(), Qt::NonModal);
    EXPECT_TRUE(opened->testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_GE(opened->session().seedCounter, 100u);
    delete opened.data();
}

TEST_F(StartWindowTest, ExitEndsTheProgramAtOnce) {
    const int exitCode = runProgram([&] { named<QPushButton>("退出")->click(); });
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(openMainWindow(), nullptr);
}

// The desktop finds the program's icon and menu entry only when the name it gives its windows
// is the name of the desktop entry that is installed.
TEST(ProgramWindowsTest, CarryTheNameOfTheInstalledDesktopEntry) {
    suoshui::ui::markProgramWindows();
    const QString entry = QGuiApplication::desktopFileName() + QStringLiteral(".desktop");
    EXPECT_TRUE(QFile::exists(QStringLiteral(SUOSHUI_DATA_DIR "/") + entry)) << entry.toStdString();
}

}  // namespace
