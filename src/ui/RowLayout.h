#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace suoshui::ui {

// Where the rows of value boxes sit and how their boxes are laid out: the window's half of the
// condition table, keyed by the row names of the core's half. Places are in pixels of the
// design size; boxes and toggles are named by their place in the row, never by tag.

// Where a row frame sits.
enum class Container {
    ConditionFrame,  // "条件框", the scrolled frame of the basic rows
    ExtraPanel,      // "银选面板", enabled while "启用银选" is ticked
    HiddenPanel,     // "银选面板2", never shown
    RepeatRow,       // the "重复号" row frame, never shown
    PairsFrame,      // a sub-frame inside another row frame ("外形框10")
};

// A text label inside a row frame.
struct RowLabel {
    std::string_view text;
    int left = 8;
    int top = 3;
};

// One line of boxes as the player sees it, when it differs from ascending tag order.
struct DisplayLine {
    std::string_view heading;  // e.g. "组六"; empty for none
    std::vector<int> boxes;    // places in the row's ascending tag order
    int toggle = -1;           // the row's toggle at the end of this line, -1 for none
};

// The place of the row's "包含" check box.
struct IncludePlace {
    int left = 0;
    int top = 0;
};

// A box placed away from the row's flow (the stray "4" of "连  号" sits above the visible area).
struct OffsetBox {
    int box = 0;  // place in the row
    int top = 0;
};

struct RowLayout {
    std::string_view name;  // the row frame, as the condition table names it
    Container container = Container::ConditionFrame;
    std::string_view parentFrame;  // for sub-frames: the frame that holds them
    std::vector<RowLabel> labels;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<DisplayLine> displayLines;  // empty: ascending tag order, wrapped to the width
    std::optional<IncludePlace> include;
    std::vector<OffsetBox> offsetBoxes;
    bool shown = true;         // false for the rows of the never-shown containers
    bool boxesVisible = true;  // false where even the boxes are invisible ("和9差5")
};

// A container of rows with its place in its own parent.
struct ContainerPlace {
    Container container;
    std::string_view name;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The layout of every row, in no particular order.
const std::vector<RowLayout>& rowLayouts();
// The layout of the named row; throws std::out_of_range for a name without one.
const RowLayout& layoutOfRow(std::string_view name);

// "条件框", "银选面板" and "银选面板2"; the "重复号" row and the sub-frames place themselves.
const ContainerPlace& containerPlace(Container container);

}  // namespace suoshui::ui
