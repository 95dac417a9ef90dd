// The window stretched to two screen sizes, and the condition rows scrolled by bar and wheel.
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QWheelEvent>

#include "WindowFixture.h"

namespace {

class LayoutTest : public WindowTest, public ::testing::WithParamInterface<QSize> {
  protected:
    // Where a widget stands in the window, whatever panel holds it.
    QRect place(const char* name) const {
        const QWidget* widget = named<QWidget>(name);
        return {widget->mapTo(window.get(), QPoint(0, 0)), widget->size()};
    }
};

// The edges frame the window; the bar, the result box and its pictures reach down to the
// bottom edge and the result box across to the right edge; the rest keeps its design place.
TEST_P(LayoutTest, StretchesEdgesBarAndResultBox) {
    const int W = GetParam().width();
    const int H = GetParam().height();
    window->resize(W, H);
    // A hidden window gets its resize event only when shown.
    window->layoutMainWindow();
    EXPECT_EQ(place("顶边标题"), QRect(0, 0, W, 76));
    EXPECT_EQ(place("右边框"), QRect(W - 11, 75, 11, H - 75));
    EXPECT_EQ(place("左边框"), QRect(0, 76, 11, H - 76));
    EXPECT_EQ(place("底边框"), QRect(6, H - 11, W - 13, 11));
    const QRect bar = place("ConditionScrollBar");
    EXPECT_EQ(bar, QRect(495, 131, 20, H - 11 - 131));
    EXPECT_EQ(named<QScrollBar>("ConditionScrollBar")->maximum(), 808);
    EXPECT_EQ(named<QWidget>("条件框")->width(), 477);
    EXPECT_EQ(named<QWidget>("银选面板")->width(), 477);
    const QRect result = place("ResultBox");
    EXPECT_EQ(result.topLeft(), QPoint(515, 165));
    EXPECT_EQ(result.right() + 1 + 3, W - 11);
    EXPECT_EQ(result.bottom() + 1 + 5, H - 11);
    EXPECT_EQ(place("图片框5"), result.translated(3, 2));
    EXPECT_EQ(place("图片框2"), QRect(518, result.bottom() + 1 - 13, result.width(), 13));
    EXPECT_EQ(place("结果分类框").width(), result.width());
    EXPECT_EQ(place("控制按钮框").right() + 1 + 10, W);
    EXPECT_EQ(place("InputPages"), QRect(14, 128, 474, 68));
    EXPECT_EQ(place("标题栏").topLeft(), QPoint(637, 38));
}

INSTANTIATE_TEST_SUITE_P(ScreenSizes, LayoutTest,
                         ::testing::Values(QSize(1366, 762), QSize(1024, 594)),
                         [](const auto& test) {
                             return std::to_string(test.param.width()) + "x" +
                                    std::to_string(test.param.height());
                         });

class ScrollTest : public WindowTest {
  protected:
    QScrollBar* bar() const { return named<QScrollBar>("ConditionScrollBar"); }
    // The top of the rows' frame in the window: 129 unscrolled.
    int frameTop() const { return named<QWidget>("条件框")->mapTo(window.get(), QPoint(0, 0)).y(); }

    // Turns the wheel over a widget by `notches`; positive is away from the player.
    void turnWheel(QWidget* over, int notches) {
        const QPointF inside(over->width() / 2.0, over->height() / 2.0);
        for (int turn = 0; turn < std::abs(notches); ++turn) {
            QWheelEvent wheel(inside, over->mapToGlobal(inside), QPoint(),
                              QPoint(0, notches > 0 ? 120 : -120), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(over, &wheel);
        }
    }
};

TEST_F(ScrollTest, BarMovesTheFrameFromItsDesignTop) {
    bar()->setValue(808);
    EXPECT_EQ(frameTop(), -679);
    bar()->setValue(0);
    EXPECT_EQ(frameTop(), 129);
}

TEST_F(ScrollTest, WheelOverTheBarScrollsBothWays) {
    turnWheel(bar(), -100);
    EXPECT_EQ(bar()->value(), 808);
    EXPECT_EQ(frameTop(), -679);
    turnWheel(bar(), 100);
    EXPECT_EQ(bar()->value(), 0);
    EXPECT_EQ(frameTop(), 129);
}

TEST_F(ScrollTest, WheelOverARowScrollsTheRows) {
    QAbstractButton* box = tagged(35);
    turnWheel(box, -1);
    EXPECT_GT(bar()->value(), 0);
    EXPECT_EQ(frameTop(), 129 - bar()->value());
    turnWheel(named<QWidget>("条件框"), -100);
    EXPECT_EQ(frameTop(), -679);
    turnWheel(box, 100);
    EXPECT_EQ(frameTop(), 129);
}

TEST_F(ScrollTest, WheelOverTheResultBoxLeavesTheRows) {
    named<QPlainTextEdit>("ResultBox")->setPlainText(QString(2000, u'\n'));
    turnWheel(named<QWidget>("ResultBox"), -3);
    EXPECT_EQ(bar()->value(), 0);
    EXPECT_EQ(frameTop(), 129);
}

}  // namespace

// Counts the times the result box's vertical bar is shown or hidden. A box that never settles
// posts the next flip while the last is handled, so an event pass would never return: after
// enough flips the pending events are dropped and the test fails instead of hanging.
class BarFlips : public QObject {
  public:
    int flips = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        constexpr int kEnough = 100;
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
            if (++flips > kEnough)
                QCoreApplication::removePostedEvents(nullptr);
        }
        return false;
    }
};

// Narrowed to a few pixels, the result box must settle: a bar that keeps coming and going makes
// the box re-wrap its whole text on every event pass and the window stops answering.
TEST_F(WindowTest, ResultBoxSettlesWhenTheWindowIsNarrow) {
    window->show();
    auto* box = named<QPlainTextEdit>("ResultBox");
    QString report = QStringLiteral("符合条件的直选号    共有20注\r\n");
    for (int n = 100; n < 120; ++n)
        report += QString::number(n) + QLatin1Char(' ');
    box->setPlainText(report);
    BarFlips counter;
    box->verticalScrollBar()->installEventFilter(&counter);
    for (int width = 520; width <= 560; ++width) {
        window->resize(width, 1208);
        QCoreApplication::processEvents();
        counter.flips = 0;
        QCoreApplication::processEvents();
        EXPECT_EQ(counter.flips, 0) << "window width " << width;
    }
}
