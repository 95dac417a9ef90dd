// The "全选" toggles, their relay, the option switches, the modes and "重置" clicked in the real
// window.
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

#include "WindowFixture.h"
#include "ui/ValueBox.h"

namespace {

class GroupOperationsTest : public WindowTest {
  protected:
    bool ticked(int tag) const { return tagged(tag)->isChecked(); }
    void clickTags(int first, int last) {
        for (int tag = first; tag <= last; ++tag)
            tagged(tag)->click();
    }
    QCheckBox* check(const char* caption) const {
        return qobject_cast<QCheckBox*>(captioned(caption));
    }
    QStackedWidget* pages() const { return named<QStackedWidget>("InputPages"); }
    QWidget* frame(const char* name) const { return named<QWidget>(name); }
    // The colour the ticked box is really drawn with, away from its caption and edge.
    QColor drawnBackground(int tag) const {
        QWidget* box = tagged(tag);
        return box->grab().toImage().pixelColor(2, 2);
    }
};

TEST_F(GroupOperationsTest, SelectAllTicksItsRowAndFollowsSingleClicks) {
    tagged(1001)->click();
    for (int tag = 1; tag <= 10; ++tag)
        EXPECT_TRUE(ticked(tag)) << tag;
    EXPECT_FALSE(ticked(11));
    tagged(5)->click();
    EXPECT_FALSE(ticked(1001));
    tagged(5)->click();
    EXPECT_TRUE(ticked(1001));
}

struct SyncCase {
    const char* name;
    int toggle;
    int first;
    int last;
};

class SelectAllSyncTest : public GroupOperationsTest,
                          public ::testing::WithParamInterface<SyncCase> {};

TEST_P(SelectAllSyncTest, TickingEveryBoxTicksTheToggle) {
    const SyncCase& row = GetParam();
    if (row.first > 300)
        check("启用银选")->click();
    clickTags(row.first, row.last - 1);
    EXPECT_FALSE(ticked(row.toggle));
    tagged(row.last)->click();
    EXPECT_TRUE(ticked(row.toggle));
    tagged(row.toggle)->click();
    for (int tag = row.first; tag <= row.last; ++tag)
        EXPECT_FALSE(ticked(tag)) << tag;
}

INSTANTIATE_TEST_SUITE_P(Rows, SelectAllSyncTest,
                         ::testing::Values(SyncCase{"Units", 1003, 21, 30},
                                           SyncCase{"DigitSum", 1006, 51, 78},
                                           SyncCase{"PrimeRatio", 1016, 236, 239},
                                           SyncCase{"HighLowGroupThree", 1029, 307, 312},
                                           SyncCase{"AnyPairSum", 1038, 512, 530}),
                         [](const auto& test) { return std::string(test.param.name); });

// A state set by the program is no click: no toggle spreads it, no option acts on it.
TEST_F(GroupOperationsTest, StatesSetFromCodeRaiseNoHandler) {
    tagged(1001)->setChecked(true);
    EXPECT_FALSE(ticked(1));
    for (int tag = 11; tag <= 20; ++tag)
        tagged(tag)->setChecked(true);
    EXPECT_FALSE(ticked(1002));
    check("启用银选")->setChecked(true);
    EXPECT_FALSE(frame("银选面板")->isEnabled());
    check("条件随机")->setChecked(true);
    EXPECT_FALSE(pages()->isVisibleTo(window.get()));
}

TEST_F(GroupOperationsTest, PairsToggleShowsTickedOnlyWithAllFiftyFiveBoxes) {
    tagged(1017)->click();
    for (int tag = 177; tag <= 221; ++tag)
        EXPECT_TRUE(ticked(tag)) << tag;
    EXPECT_FALSE(ticked(260));
    tagged(180)->click();
    tagged(180)->click();
    EXPECT_FALSE(ticked(1017));
    clickTags(260, 268);
    EXPECT_FALSE(ticked(1017));
    tagged(269)->click();
    EXPECT_TRUE(ticked(1017));
}

TEST_F(GroupOperationsTest, RowsWithoutToggleChangeNoToggle) {
    check("启用银选")->click();
    const int tags[] = {250, 240, 222, 223, 224, 226, 270, 316, 317, 318, 324};
    for (int tag : tags)
        tagged(tag)->click();
    for (int toggle = 1001; toggle <= 1038; ++toggle)
        EXPECT_FALSE(ticked(toggle)) << toggle;
}

struct ModeCase {
    const char* name;
    const char* caption;
    int page;  // -1: no page shown
    bool rowsEnabled;
};

class ModeTest : public GroupOperationsTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(ModeTest, ShowsItsPageAndEnablesTheRows) {
    const ModeCase& mode = GetParam();
    captioned("胆拖")->click();  // disables the rows, shows a page
    tagged(3)->click();
    captioned(mode.caption)->click();
    EXPECT_EQ(pages()->isVisibleTo(window.get()), mode.page >= 0);
    if (mode.page >= 0) {
        EXPECT_EQ(pages()->currentIndex(), mode.page);
    }
    EXPECT_EQ(frame("胆框参照")->isEnabled(), mode.rowsEnabled);
    EXPECT_EQ(frame("外形框19")->isEnabled(), mode.rowsEnabled);
}

INSTANTIATE_TEST_SUITE_P(Modes, ModeTest,
                         ::testing::Values(ModeCase{"Positional", "定位", -1, true},
                                           ModeCase{"DigitSet", "不定位", 0, true},
                                           ModeCase{"BankerDrag", "胆拖", 1, false},
                                           ModeCase{"BaseList", "大底", 2, true}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(GroupOperationsTest, BankerDragDropsSinglePositionTicksAndBankerTicks) {
    tagged(2)->click();
    tagged(1002)->click();
    tagged(251)->click();
    captioned("胆拖")->click();
    EXPECT_FALSE(ticked(2));
    EXPECT_TRUE(ticked(11));
    EXPECT_FALSE(ticked(251));
}

TEST_F(GroupOperationsTest, OptionPages) {
    captioned("胆拖")->click();
    check("条件随机")->click();
    EXPECT_EQ(pages()->currentIndex(), 3);
    check("条件随机")->click();
    EXPECT_FALSE(pages()->isVisibleTo(window.get()));

    captioned("大底")->click();
    check("排 除")->click();
    EXPECT_EQ(pages()->currentIndex(), 4);
    check("排 除")->click();
    EXPECT_EQ(pages()->currentIndex(), 2);
    EXPECT_TRUE(pages()->isVisibleTo(window.get()));

    captioned("胆拖")->click();
    check("排 除")->click();
    EXPECT_TRUE(frame("胆框参照")->isEnabled());
    EXPECT_TRUE(frame("外形框19")->isEnabled());
    captioned("定位")->click();
    check("排 除")->click();
    EXPECT_FALSE(pages()->isVisibleTo(window.get()));
}

TEST_F(GroupOperationsTest, ExtraOptionKeepsTheTicksOfThePanel) {
    QWidget* panel = frame("银选面板");
    check("启用银选")->click();
    EXPECT_TRUE(panel->isEnabled());
    tagged(330)->click();
    check("启用银选")->click();
    EXPECT_FALSE(panel->isEnabled());
    EXPECT_TRUE(ticked(330));
    check("启用银选")->click();
    EXPECT_TRUE(ticked(330));
}

struct SchemeCase {
    const char* name;
    int include;  // index among the "包含" boxes, in window order
    int tag;
};

class SchemeTest : public GroupOperationsTest, public ::testing::WithParamInterface<SchemeCase> {
  protected:
    QCheckBox* includeBox(int index) const {
        int seen = 0;
        for (QCheckBox* box : window->findChildren<QCheckBox*>()) {
            if (box->text() == QStringLiteral("包含") && seen++ == index)
                return box;
        }
        return nullptr;
    }
};

TEST_P(SchemeTest, IncludeSwitchesTheDrawnColours) {
    const SchemeCase& group = GetParam();
    tagged(group.tag)->click();
    EXPECT_EQ(drawnBackground(group.tag), suoshui::ui::excludeScheme().background);
    includeBox(group.include)->click();
    EXPECT_EQ(drawnBackground(group.tag), suoshui::ui::includeScheme().background);
    EXPECT_TRUE(ticked(group.tag));
    includeBox(group.include)->click();
    EXPECT_EQ(drawnBackground(group.tag), suoshui::ui::excludeScheme().background);
}

INSTANTIATE_TEST_SUITE_P(Groups, SchemeTest,
                         ::testing::Values(SchemeCase{"Pairs", 0, 190},
                                           SchemeCase{"PairsToggle", 0, 1017},
                                           SchemeCase{"PairDigit", 1, 262},
                                           SchemeCase{"SingleDigit", 2, 275}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(GroupOperationsTest, ResetReturnsTheStartState) {
    check("启用银选")->click();
    tagged(1001)->click();
    tagged(330)->click();
    captioned("胆拖")->click();
    check("条件随机")->click();
    captioned("组选号")->click();
    captioned("和 值")->click();
    for (QCheckBox* box : window->findChildren<QCheckBox*>()) {
        if (box->text() == QStringLiteral("包含"))
            box->click();
    }
    named<QLineEdit>("TargetCountBox")->setText(QStringLiteral("10"));
    named<QToolButton>("重置")->click();

    for (int tag : {1, 10, 330, 1001})
        EXPECT_FALSE(ticked(tag)) << tag;
    EXPECT_FALSE(check("条件随机")->isChecked());
    EXPECT_FALSE(check("启用银选")->isChecked());
    EXPECT_FALSE(pages()->isVisibleTo(window.get()));
    EXPECT_TRUE(named<QLineEdit>("TargetCountBox")->text().isEmpty());
    EXPECT_TRUE(qobject_cast<QRadioButton*>(captioned("定位"))->isChecked());
    EXPECT_TRUE(qobject_cast<QRadioButton*>(captioned("直选号"))->isChecked());
    EXPECT_TRUE(qobject_cast<QRadioButton*>(captioned("常 规"))->isChecked());
    EXPECT_TRUE(frame("胆框参照")->isEnabled());
    EXPECT_TRUE(frame("外形框19")->isEnabled());
    EXPECT_FALSE(frame("银选面板")->isEnabled());
    auto* pairBox = static_cast<suoshui::ui::ValueBox*>(tagged(190));
    auto* singleBox = static_cast<suoshui::ui::ValueBox*>(tagged(275));
    EXPECT_EQ(pairBox->litColours().background, suoshui::ui::excludeScheme().background);
    EXPECT_EQ(static_cast<suoshui::ui::ValueBox*>(tagged(262))->litColours().background,
              suoshui::ui::excludeScheme().background);
    // The single digits keep the scheme they were given.
    EXPECT_EQ(singleBox->litColours().background, suoshui::ui::includeScheme().background);
}

// Nothing to clear on a press: typed digits stay, and "重置" empties the box again.
TEST_F(GroupOperationsTest, PressKeepsTypedDigitsAndResetEmptiesTheBox) {
    auto* box = named<QLineEdit>("DigitSequenceBox");
    captioned("不定位")->click();
    QTest::keyClicks(box, QStringLiteral("0245689"));
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(box->text(), QStringLiteral("0245689"));
    named<QToolButton>("重置")->click();
    EXPECT_TRUE(box->text().isEmpty());
}

}  // namespace
