// A filter run, a store and the result grouping clicked in the real window, compared with what
// the core gives for the same ticks over in-memory controls.
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <vector>

#include "WindowFixture.h"
#include "run/FilterRun.h"
#include "support/MemoryControls.h"

namespace {

using suoshui::Check;

constexpr const char* kOneTwoThreeFourReport =
    "百位：1 \r\n十位：2 \r\n个位：3 4 \r\n符合条件的直选号    共有2注\r\n123 124 ";
// Hundreds "1", tens "2", units "3" and "4".
const std::vector<int> kOneTwoThreeFourTicks = {1, 12, 23, 24};

class WindowRunTest : public WindowTest {
  protected:
    void clickBoxes(const std::vector<int>& tags) {
        for (int tag : tags)
            tagged(tag)->click();
    }

    // The report the core writes for the same ticks over in-memory controls.
    static std::string coreReport(const std::vector<int>& tags, bool extraEnabled) {
        suoshui::testing::MemoryControls memory;
        for (int tag : tags)
            memory.settings.boxes.setTicked(tag);
        memory.settings.setChecked(Check::ExtraEnabled, extraEnabled);
        suoshui::Session session;
        suoshui::runFilter(memory, session);
        return memory.text(suoshui::TextBox::Result);
    }
};

TEST_F(WindowRunTest, ClickedRunWritesTheReportOfTheTickedBoxes) {
    clickBoxes(kOneTwoThreeFourTicks);
    run();
    EXPECT_EQ(result(), kOneTwoThreeFourReport);
    EXPECT_EQ(result(), coreReport(kOneTwoThreeFourTicks, false));
    EXPECT_EQ(window->session().results, (suoshui::NumberList{"123", "124"}));
    EXPECT_FALSE(named<QWidget>("图片框5")->isVisible());
}

struct TickCase {
    const char* name;
    std::vector<int> tags;
    bool extraEnabled;
};

void PrintTo(const TickCase& c, std::ostream* out) {
    *out << c.name;
}

class SameReportAsTheCore : public WindowRunTest, public ::testing::WithParamInterface<TickCase> {};

// Ticked through the boxes themselves: the extra panel is disabled to the player's clicks until
// its option handler exists, but its boxes are read all the same.
TEST_P(SameReportAsTheCore, ForTheSameTicks) {
    const TickCase& c = GetParam();
    for (int tag : c.tags)
        tagged(tag)->setChecked(true);
    static_cast<QCheckBox*>(captioned("启用银选"))->setChecked(c.extraEnabled);
    run();
    EXPECT_EQ(result(), coreReport(c.tags, c.extraEnabled));
}

INSTANTIATE_TEST_SUITE_P(Ticks, SameReportAsTheCore,
                         ::testing::Values(TickCase{"Nothing", {}, false},
                                           TickCase{"SumFive", {56}, false},
                                           TickCase{"PairsAndSpan", {177, 190, 44}, false},
                                           TickCase{"NothingPasses", {1, 11, 21, 52}, false},
                                           TickCase{"ExtraIgnoredWhileOff", {339, 369}, false},
                                           TickCase{"ExtraAppliedWhenOn", {339, 369, 3}, true}),
                         [](const auto& test) { return std::string(test.param.name); });

// The regrouped report describes the run that produced the numbers, not the ticks since.
TEST_F(WindowRunTest, GroupingRadioRegroupsTheLastRunAsItWasMade) {
    clickBoxes(kOneTwoThreeFourTicks);
    run();
    tagged(25)->click();  // units "5": would add 125 to a new run
    captioned("组选号")->click();
    captioned("和 值")->click();
    EXPECT_EQ(result(),
              "百位：1 \r\n十位：2 \r\n个位：3 4 \r\n符合条件的直选号    共有2注\r\n"
              "\r\n和值6的有1注\r\n123 \r\n\r\n和值7的有1注\r\n124 \r\n");
    EXPECT_TRUE(named<QLabel>("StatusLine")->toolTip().contains(QStringLiteral("条件已改动")));
    captioned("常 规")->click();
    EXPECT_EQ(result(), kOneTwoThreeFourReport);
}

TEST_F(WindowRunTest, ClickOnRunDuringARunIsIgnored) {
    clickBoxes(kOneTwoThreeFourTicks);
    bool clickedDuringRun = false;
    QTimer::singleShot(0, window.get(), [&] {
        clickedDuringRun = window->session().runInProgress;
        run();
    });
    run();
    EXPECT_TRUE(clickedDuringRun);
    EXPECT_EQ(result(), kOneTwoThreeFourReport);
}

// The base list starts empty, so every store appends, the first one too.
TEST_F(WindowRunTest, StoresAppendAndSayWhatTheyDid) {
    clickBoxes(kOneTwoThreeFourTicks);
    run();
    store();
    EXPECT_EQ(baseList(), "123 124 ");
    EXPECT_TRUE(window->session().baseListStored);
    store();
    EXPECT_EQ(baseList(), "123 124 123 124 ");
    EXPECT_EQ(named<QLabel>("StatusLine")->toolTip(),
              QStringLiteral("暂存 2 注，大底现有 2 个不同的号码"));
    setText("BaseListBox", "555 ");
    store();
    EXPECT_EQ(baseList(), "555 123 124 ");
}

TEST_F(WindowRunTest, StoringAGroupedReportStoresEveryGroupsNumbers) {
    clickBoxes({1, 12, 23, 24, 25});  // 123, 124, 125: sums 6, 7, 8
    run();
    captioned("和 值")->click();
    store();
    EXPECT_EQ(baseList(), "123 124 125 ");
}

TEST_F(WindowRunTest, StoreWithoutAReportLeavesTheBaseList) {
    store();
    EXPECT_EQ(baseList(), "");
    EXPECT_FALSE(window->session().baseListStored);
}

TEST_F(WindowRunTest, ExitClosesTheWindow) {
    window->show();
    named<QToolButton>("退出1")->click();
    EXPECT_FALSE(window->isVisible());
}

// A run that takes longer than half a second (here a busy machine makes every event pass take a
// millisecond) says how far it has come; its end says what it did.
TEST_F(WindowRunTest, ALongRunShowsItsProgressInTheStatusLine) {
    window->setEventPassInterval(0);
    QTimer busy;
    QObject::connect(&busy, &QTimer::timeout, [] { QThread::msleep(1); });
    busy.start(0);
    QString during;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const QString status = named<QLabel>("StatusLine")->toolTip();
        if (status.startsWith(QStringLiteral("正在选号")))
            during = status;
    });
    watch.start(50);
    run();
    busy.stop();
    EXPECT_TRUE(during.contains(QStringLiteral(" / 1000 个候选号码"))) << during.toStdString();
    EXPECT_TRUE(named<QLabel>("StatusLine")->toolTip().startsWith(QStringLiteral("候选 1000 注")));
}

}  // namespace
