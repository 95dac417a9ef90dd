// Nothing of the window is cut off on the screen it was created for: every caption fits its
// control and every shown control lies inside its parent. The test program runs once more on a
// 1366 x 768 screen at one and at two device pixels per pixel (see CMakeLists.txt).
#include <QAbstractButton>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStyle>
#include <algorithm>

#include "WindowFixture.h"
#include "ui/TopBar.h"
#include "ui/ValueBox.h"

namespace {

using suoshui::ui::ValueBox;

// The stray "4" of "连  号" sits above its row by design and is never seen.
constexpr int kStrayBoxTag = 226;

class WindowFitTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        // Qt's bare offscreen screen is 800 x 600, smaller than any screen the tool is used on.
        if (screen.width() < 1366)
            window->resize(1366, 762);
        window->show();
    }

    // Widgets shown when the window is, except the scrolled condition frame, which is meant to
    // reach past the window and is seen through its own scrolling.
    std::vector<QWidget*> shownWidgets() const {
        std::vector<QWidget*> shown;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (widget->isWindow() || !widget->isVisibleTo(window.get()))
                continue;
            shown.push_back(widget);
        }
        return shown;
    }

    // The condition frame reaches past the window and is seen through its scrolling; the extra
    // panel reaches past the condition frame's end by its design, below its last row.
    static bool scrolledFrame(const QWidget* widget) {
        return widget->objectName() == QStringLiteral("条件框") ||
               widget->objectName() == QStringLiteral("银选面板");
    }

    static bool strayBox(const QWidget* widget) {
        const auto* box = qobject_cast<const ValueBox*>(widget);
        return box && box->tag() == kStrayBoxTag;
    }

    static std::string describe(const QWidget* widget) {
        const QString name = widget->objectName().isEmpty()
                                 ? QString::fromUtf8(widget->metaObject()->className())
                                 : widget->objectName();
        QString text;
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            text = label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            text = button->text();
        return QString(name + QStringLiteral(" '") + text + QStringLiteral("'")).toStdString();
    }

    // The height the characters themselves take: a Chinese character fills its em square, and
    // the font's extra line spacing above and below may be cut without losing anything.
    static int emHeight(const QWidget* widget) { return QFontInfo(widget->font()).pixelSize(); }

    static int indicator(const QWidget* widget) {
        return widget->style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, widget);
    }

    static void expectCaptionFits(const QWidget* widget) {
        QSize needed;
        if (const auto* label = qobject_cast<const QLabel*>(widget);
            label && !label->text().isEmpty() && !label->wordWrap())
            needed = QSize(label->sizeHint().width(), emHeight(label));
        else if (qobject_cast<const QCheckBox*>(widget) ||
                 qobject_cast<const QRadioButton*>(widget))
            needed =
                QSize(widget->sizeHint().width(), std::max(emHeight(widget), indicator(widget)));
        else if (const auto* box = qobject_cast<const ValueBox*>(widget))
            needed = QSize(box->fontMetrics().horizontalAdvance(box->text()), emHeight(box));
        if (needed.isEmpty())
            return;
        EXPECT_GE(widget->width(), needed.width()) << describe(widget);
        EXPECT_GE(widget->height(), needed.height()) << describe(widget);
    }

    static void expectInsideParent(const QWidget* widget) {
        if (scrolledFrame(widget) || strayBox(widget))
            return;
        const QRect parent = widget->parentWidget()->rect();
        EXPECT_TRUE(parent.contains(widget->geometry()))
            << describe(widget) << " at " << widget->geometry().x() << "," << widget->geometry().y()
            << " " << widget->width() << "x" << widget->height() << " in " << parent.width() << "x"
            << parent.height();
    }

    void expectNothingClipped() const {
        for (QWidget* widget : shownWidgets()) {
            expectCaptionFits(widget);
            expectInsideParent(widget);
        }
    }
};

TEST_F(WindowFitTest, NothingIsClippedAtStart) {
    expectNothingClipped();
}

TEST_F(WindowFitTest, NothingIsClippedOnAnyInputPage) {
    auto* pages = named<QStackedWidget>("InputPages");
    pages->show();
    for (int page = 0; page < pages->count(); ++page) {
        SCOPED_TRACE(page);
        pages->setCurrentIndex(page);
        expectNothingClipped();
    }
}

TEST_F(WindowFitTest, FillsTheScreenItWasCreatedOn) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen->geometry().width() < 1366)
        GTEST_SKIP() << "bare offscreen screen";
    EXPECT_EQ(window->size(), QSize(screen->geometry().width(), screen->geometry().height() - 6));
    const QByteArray scale = qgetenv("SUOSHUI_EXPECTED_PIXEL_RATIO");
    if (!scale.isEmpty()) {
        EXPECT_EQ(window->devicePixelRatio(), scale.toDouble());
    }
}

}  // namespace

// The feature buttons the program adds to the top bar (history, schemes, and more to come) fit
// beside the toolbar and above the title, without covering the title or the caption buttons,
// on the narrowest and a wide screen.
TEST_F(WindowFitTest, TopBarHoldsMoreFeatureButtonsWithoutOverlap) {
    auto* bar = window->findChild<suoshui::ui::TopBar*>();
    ASSERT_NE(bar, nullptr);
    bar->addFeatureButton(QStringLiteral("Extra1"), QStringLiteral("恢复上次"), QString(), {});
    bar->addFeatureButton(QStringLiteral("Extra2"), QStringLiteral("走势图"), QString(), {});
    for (int width : {1024, 1366}) {
        SCOPED_TRACE(width);
        window->resize(width, 700);
        QCoreApplication::processEvents();
        std::vector<QWidget*> parts;
        for (const char* name : {"图形按钮4", "标题栏", "控制按钮框", "功能选项"})
            parts.push_back(bar->findChild<QWidget*>(QString::fromUtf8(name)));
        for (QAbstractButton* button : bar->findChild<QWidget*>(QStringLiteral("功能按钮"))
                                           ->findChildren<QAbstractButton*>()) {
            EXPECT_GE(button->width(), button->sizeHint().width()) << describe(button);
            parts.push_back(button);
        }
        for (std::size_t i = 0; i < parts.size(); ++i) {
            const QRect place(parts[i]->mapTo(bar, QPoint(0, 0)), parts[i]->size());
            EXPECT_TRUE(bar->rect().contains(place)) << describe(parts[i]);
            for (std::size_t j = i + 1; j < parts.size(); ++j) {
                const QRect other(parts[j]->mapTo(bar, QPoint(0, 0)), parts[j]->size());
                EXPECT_FALSE(place.intersects(other)) << describe(parts[i]) << describe(parts[j]);
            }
        }
    }
}
