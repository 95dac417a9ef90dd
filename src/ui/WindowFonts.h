#pragma once

#include <QFont>

namespace suoshui::ui {

// The window is drawn with the two classic Chinese faces; where they are missing, the Noto CJK
// faces stand in for them.
QFont songTi(int pixelSize, bool bold = false);  // 宋体
QFont heiTi(int pixelSize, bool bold = false);   // 黑体

}  // namespace suoshui::ui
