#pragma once

#include <QFrame>
#include <map>
#include <string_view>

#include "features/ConditionTable.h"
#include "ui/RowLayout.h"
#include "ui/TaggedBoxes.h"

class QCheckBox;

namespace suoshui::ui {

// What building the rows leaves behind for the panel that holds them.
struct BuiltRows {
    TaggedBoxes boxes;                           // value boxes and toggles, in window order
    std::map<Check, QCheckBox*> includes;        // the "包含" boxes
    std::map<std::string_view, QFrame*> frames;  // every row frame by name

    QFrame* frame(std::string_view name) const;
};

// Where the rows go: one parent per container; sub-frames go into the frame they name.
struct RowParents {
    QWidget* conditionFrame;  // "条件框"
    QWidget* extraPanel;      // "银选面板"
    QWidget* hiddenPanel;     // "银选面板2"
    QWidget* repeatRowParent;
};

// Builds every row of the condition table with its layout: frames, labels, value boxes, "全选"
// toggles and "包含" boxes, in the window's control order.
BuiltRows buildConditionRows(const RowParents& parents);

}  // namespace suoshui::ui
