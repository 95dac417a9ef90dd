#pragma once

#include <QRect>
#include <vector>

#include "features/WindowTable.h"

class QWidget;

namespace suoshui::ui {

class ValueBox;
struct WindowControls;

// Where the rows of value boxes go.
struct ConditionRowParents {
    QWidget* conditionFrame;  // "条件框"
    QWidget* extraPanel;      // "银选面板"
    QWidget* window;          // holds "银选面板2" and the "重复号" row
};

// The row frames the window's layout measures.
struct ConditionRowsBuilt {
    QWidget* bankerRow = nullptr;       // "胆框参照": its width is the width of the frames
    QWidget* parityRatioRow = nullptr;  // "奇偶比框": the end of the scroll range
};

// The place of a container of rows ("条件框", "银选面板", "银选面板2") in its parent.
QRect containerPlace(Container container);

// Builds every row of the window definition table: frames, labels, value boxes, "全选"
// toggles and "包含" options. Appends the tagged buttons in window order to `tagged`.
ConditionRowsBuilt buildConditionRows(const ConditionRowParents& parents, WindowControls& controls,
                                      std::vector<ValueBox*>& tagged);

}  // namespace suoshui::ui
