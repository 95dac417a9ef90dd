// A close during a long run, the way a player closes a window that seems busy: the run stops
// at its next event pass and the window goes only then, so that nothing the run uses is
// destroyed under it (the sanitizer build would report a use after free).
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "BoxTexts.h"
#include "ButtonLookup.h"
#include "ui/MainWindow.h"

namespace {

// A base list long enough that the walk takes far longer than the close takes to come.
std::string longBaseList() {
    std::string text;
    for (int i = 0; i < 300'000; ++i)
        text += std::to_string(100 + i % 900) + ' ';
    return text;
}

class CloseDuringRunTest : public ::testing::TestWithParam<const char*> {
  protected:
    void SetUp() override { qputenv("XDG_DATA_HOME", dataHome.path().toUtf8()); }
    QTemporaryDir dataHome;
};

TEST_P(CloseDuringRunTest, TheRunStopsAndThenTheWindowCloses) {
    QPointer<MainWindow> window = new MainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    window->setEventPassInterval(0);
    buttonCaptioned(*window, QStringLiteral("大底"))->click();
    setBoxText(*window, "BaseListBox", longBaseList());
    bool closedDuringRun = false;
    QTimer::singleShot(100, window, [&window, &closedDuringRun] {
        closedDuringRun = window->session().runInProgress;
        if (std::string_view(GetParam()) == "退出")
            window->findChild<QAbstractButton*>(QStringLiteral("退出1"))->click();
        else
            window->close();  // Alt+F4, the window manager or the session ending
    });
    window->findChild<QAbstractButton*>(QStringLiteral("选号结果"))->click();
    EXPECT_TRUE(closedDuringRun);
    EXPECT_TRUE(QTest::qWaitFor([&window] { return window.isNull(); }, 5000));
}

INSTANTIATE_TEST_SUITE_P(Closes, CloseDuringRunTest, ::testing::Values("退出", "关闭"),
                         [](const auto& test) {
                             return std::string(test.param) == "退出" ? "ExitButton"
                                                                      : "WindowClose";
                         });

}  // namespace
