// 走势图 driven like a player: opened from the top bar with the real draws kept, its range, the
// balls of the drawn digits, a double click that ticks and unticks the main window's box, and
// the export of the chart as a picture.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <fstream>
#include <sstream>

#include "WindowFixture.h"
#include "history/HistoryParser.h"
#include "store/KeptHistory.h"
#include "ui/TrendView.h"
#include "ui/ValueBox.h"

namespace {

using suoshui::Lottery;

class TrendWindowTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        std::ifstream file(std::string(SUOSHUI_HISTORY_DATA) + "/fc3d-2002-first-100.csv");
        std::stringstream text;
        text << file.rdbuf();
        draws = suoshui::parseHistory(text.str()).draws;
        ASSERT_EQ(draws.size(), 100u);
        window->keptHistory().add(Lottery::Fucai3D, draws);
        named<QToolButton>("TrendButton")->click();
        trend = named<QWidget>("TrendWindow");
        ASSERT_NE(trend, nullptr);
        view = trend->findChild<suoshui::ui::TrendView*>(QStringLiteral("TrendView"));
        trend->show();
    }

    template <typename Widget>
    Widget* inTrend(const char* name) const {
        return trend->findChild<Widget*>(QString::fromUtf8(name));
    }

    QString status() const { return named<QLabel>("StatusLine")->toolTip(); }

    suoshui::DrawHistory draws;
    QWidget* trend = nullptr;
    suoshui::ui::TrendView* view = nullptr;
};

TEST_F(TrendWindowTest, OpensOnTheNewestDrawsOfTheChosenLottery) {
    EXPECT_EQ(named<QToolButton>("TrendButton")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
    EXPECT_TRUE(trend->windowTitle().contains(QStringLiteral("福彩3D")));
    auto* range = inTrend<QComboBox>("TrendRange");
    QStringList ranges;
    for (int i = 0; i < range->count(); ++i)
        ranges << range->itemText(i);
    EXPECT_EQ(ranges,
              (QStringList{QStringLiteral("30"), QStringLiteral("50"), QStringLiteral("100"),
                           QStringLiteral("200"), QStringLiteral("全部")}));
    EXPECT_TRUE(inTrend<QCheckBox>("TrendShowOmission")->isChecked());
    EXPECT_TRUE(inTrend<QCheckBox>("TrendShowLines")->isChecked());
    EXPECT_EQ(inTrend<QTableView>("TrendHotCold")->model()->rowCount(), 30);
    range->setCurrentIndex(range->findText(QStringLiteral("全部")));
    EXPECT_TRUE(inTrend<QLabel>("TrendStatus")->text().contains(QStringLiteral("显示最近 100 期")));
    // The newest row, at the foot, is in sight and its 百位 cell is the drawn digit's.
    const int newest = draws.front().number / 100;
    const QRect cell = view->digitCellRect(99, 0, newest);
    EXPECT_TRUE(view->viewport()->rect().contains(cell.center()));
    const suoshui::ui::TrendView::Cell found = view->cellAt(cell.center());
    EXPECT_EQ(found.feature, suoshui::Feature::Hundreds);
    EXPECT_EQ(found.value, QString::number(newest));
}

TEST_F(TrendWindowTest, ADoubleClickTicksAndUnticksTheMainWindowsBox) {
    const QRect cell = view->digitCellRect(49, 1, 7);  // 十位 7 on the newest row
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    QAbstractButton* box = nullptr;
    for (auto* candidate : window->taggedButtons()) {
        if (candidate->accessibleName() == QStringLiteral("十位 7"))
            box = candidate;
    }
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(status(), QStringLiteral("走势图：勾选了 十位 7"));
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(status(), QStringLiteral("走势图：取消了 十位 7"));
}

TEST_F(TrendWindowTest, ExportsTheWholeChartAsAPicture) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("走势图.png"));
    window->setFileChooser([path](suoshui::ui::FileUse use) {
        EXPECT_EQ(use, suoshui::ui::FileUse::ExportTrend);
        return path;
    });
    inTrend<QAbstractButton>("TrendExportButton")->click();
    const QImage image(path);
    ASSERT_FALSE(image.isNull()) << inTrend<QLabel>("TrendStatus")->text().toStdString();
    EXPECT_GT(image.height(), 50 * 20);  // every row of the range, not only those in sight
    EXPECT_EQ(image.width(), view->chartSize().width());
}

TEST_F(TrendWindowTest, FollowsTheKeptDraws) {
    window->keptHistory().add(Lottery::Fucai3D, {{"2002101", "", 999}});
    EXPECT_TRUE(inTrend<QLabel>("TrendStatus")->text().contains(QStringLiteral("共 101 期")));
    window->keptHistory().setLottery(Lottery::Pailie3);
    EXPECT_TRUE(trend->windowTitle().contains(QStringLiteral("排列3")));
    EXPECT_TRUE(inTrend<QLabel>("TrendStatus")->text().contains(QStringLiteral("还没有开奖历史")));
}

}  // namespace
