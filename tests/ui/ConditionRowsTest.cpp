// The rows of value boxes, built from the condition table and its layout.
#include <QCheckBox>
#include <QFrame>
#include <algorithm>
#include <numeric>

#include "WindowFixture.h"
#include "features/ConditionTable.h"
#include "ui/RowLayout.h"
#include "ui/ValueBox.h"

namespace {

using suoshui::windowBoxes;
using suoshui::ui::ValueBox;

TEST_F(WindowTest, EveryTaggedControlOfTheTableIsAButtonWithItsCaption) {
    const auto& buttons = window->taggedButtons();
    ASSERT_EQ(buttons.size(), windowBoxes().size());
    for (std::size_t index = 0; index < buttons.size(); ++index) {
        const suoshui::WindowBox& def = windowBoxes()[index];
        SCOPED_TRACE(def.tag);
        EXPECT_EQ(buttons[index]->property("tag").toInt(), def.tag);
        EXPECT_EQ(buttons[index]->caption(), std::string(def.caption));
        EXPECT_TRUE(buttons[index]->isCheckable());
        EXPECT_FALSE(buttons[index]->isChecked());
    }
}

// The settings read from a fresh window: every tag with the table's caption, nothing ticked.
TEST_F(WindowTest, SettingsReadFromTheWindowCarryTheTableCaptions) {
    EXPECT_EQ(window->readSettings().boxes, suoshui::BoxStates());
    EXPECT_EQ(tagged(280), nullptr);
    EXPECT_EQ(tagged(1039), nullptr);
}

// Both halves of the table name the same rows, and a layout places each box of its row once.
TEST(RowLayoutTest, EveryRowHasALayoutThatPlacesEachBoxOnce) {
    EXPECT_EQ(suoshui::ui::rowLayouts().size(), suoshui::conditionRows().size());
    for (const suoshui::ConditionRow& row : suoshui::conditionRows()) {
        SCOPED_TRACE(std::string(row.name));
        const suoshui::ui::RowLayout& layout = suoshui::ui::layoutOfRow(row.name);
        EXPECT_EQ(layout.include.has_value(), row.include.has_value());
        if (layout.displayLines.empty())
            continue;
        std::vector<int> shown;
        for (const suoshui::ui::DisplayLine& line : layout.displayLines) {
            shown.insert(shown.end(), line.boxes.begin(), line.boxes.end());
            EXPECT_LT(line.toggle, static_cast<int>(row.toggles.size()));
        }
        std::sort(shown.begin(), shown.end());
        std::vector<int> places(row.tags().size());
        std::iota(places.begin(), places.end(), 0);
        EXPECT_EQ(shown, places);
    }
}

TEST_F(WindowTest, TagTwoTwoSixFindsTheStrayFourAboveTheConsecutiveRow) {
    auto* box = qobject_cast<ValueBox*>(tagged(226));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->caption(), "4");
    EXPECT_EQ(box->parentWidget()->objectName(), QStringLiteral("外形框46"));
    EXPECT_LT(box->y() + box->height(), 0);
}

TEST_F(WindowTest, SelectAllTogglesSitAtTheRightOfTheirRows) {
    for (int tag = 1001; tag <= 1038; ++tag) {
        SCOPED_TRACE(tag);
        QAbstractButton* toggle = tagged(tag);
        ASSERT_NE(toggle, nullptr);
        EXPECT_EQ(toggle->text(), QStringLiteral("全选"));
        EXPECT_EQ(toggle->x(), 408);
        EXPECT_EQ(toggle->size(), QSize(53, 15));
    }
}

TEST_F(WindowTest, PositionRowsShowZeroFirst) {
    const int rows[][2] = {{1, 10}, {11, 20}, {21, 30}};
    for (const auto& row : rows) {
        EXPECT_LT(tagged(row[1])->x(), tagged(row[0])->x());
        EXPECT_EQ(tagged(row[1])->x(), 61);
    }
}

struct SchemeCase {
    int tag;
    bool excluded;
};

TEST_F(WindowTest, BoxesStartWithTheirColourScheme) {
    const SchemeCase cases[] = {{1, false},   {176, false}, {177, true},  {221, true}, {222, false},
                                {240, true},  {249, true},  {250, false}, {260, true}, {279, true},
                                {301, false}, {1017, true}, {1001, false}};
    for (const SchemeCase& scheme : cases) {
        SCOPED_TRACE(scheme.tag);
        auto* box = qobject_cast<ValueBox*>(tagged(scheme.tag));
        ASSERT_NE(box, nullptr);
        const QColor background = box->litColours().background;
        EXPECT_EQ(background == suoshui::ui::excludeScheme().background, scheme.excluded);
    }
    EXPECT_EQ(qobject_cast<ValueBox*>(tagged(5))->litColours().background,
              suoshui::ui::includeScheme().background);
}

TEST_F(WindowTest, ClickingABoxTicksIt) {
    QAbstractButton* box = tagged(55);
    box->click();
    EXPECT_TRUE(window->readSettings().boxes.ticked(55));
    box->click();
    EXPECT_FALSE(window->readSettings().boxes.ticked(55));
}

TEST_F(WindowTest, IncludeOptionsAreChildrenOfTheirFrames) {
    const char* frames[] = {"外形框10", "外形框22", "外形框23"};
    for (const char* frame : frames) {
        SCOPED_TRACE(frame);
        auto* parent = named<QFrame>(frame);
        ASSERT_NE(parent, nullptr);
        auto* include = parent->findChild<QCheckBox*>(QString(), Qt::FindDirectChildrenOnly);
        ASSERT_NE(include, nullptr);
        EXPECT_EQ(include->text(), QStringLiteral("包含"));
    }
    captioned("包含")->click();
    EXPECT_TRUE(window->readSettings().isChecked(suoshui::Check::IncludePairs));
}

TEST_F(WindowTest, RowsSitInsideTheirContainers) {
    EXPECT_EQ(named<QFrame>("外形框2")->parentWidget()->objectName(), QStringLiteral("条件框"));
    EXPECT_EQ(named<QFrame>("外形框36")->parentWidget()->objectName(), QStringLiteral("银选面板"));
    EXPECT_EQ(named<QFrame>("外形框38")->parentWidget()->objectName(), QStringLiteral("银选面板2"));
    EXPECT_EQ(named<QFrame>("外形框22")->parentWidget()->objectName(), QStringLiteral("外形框10"));
}

// Boxes that the player sees must not cover each other or leave their frame.
TEST_F(WindowTest, VisibleBoxesOfARowDoNotOverlap) {
    for (const suoshui::ui::RowLayout& row : suoshui::ui::rowLayouts()) {
        auto* frame = named<QFrame>(std::string(row.name).c_str());
        ASSERT_NE(frame, nullptr);
        std::vector<QRect> places;
        for (ValueBox* box : frame->findChildren<ValueBox*>(Qt::FindDirectChildrenOnly)) {
            if (box->y() < 0)
                continue;
            for (const QRect& other : places)
                EXPECT_FALSE(box->geometry().intersects(other)) << row.name << " " << box->tag();
            EXPECT_LE(box->geometry().right(), row.width) << row.name << " " << box->tag();
            places.push_back(box->geometry());
        }
    }
}

}  // namespace
