#pragma once

class QWidget;

namespace suoshui::ui {

struct WindowControls;

// The "类型：" and "方式：" rows under the top bar, and the "结果分类：" box above the result box.
void buildNumberTypeRow(QWidget* window, WindowControls& controls);
void buildGenerationModeRow(QWidget* window, WindowControls& controls);
void buildResultGroupingBox(QWidget* window, WindowControls& controls);

}  // namespace suoshui::ui
