#pragma once

#include <QFont>

namespace suoshui::ui {

// The window is drawn with the two classic Chinese faces; where they are missing, the Noto CJK
// faces stand in for them.
QFont songTi(int pixelSize, bool bold = false);  // 宋体
QFont heiTi(int pixelSize, bool bold = false);   // 黑体
// 宋体 with half-width blanks, for texts that line up with pictures by counting blanks.
QFont songTiEvenBlanks(int pixelSize, bool bold = false);

}  // namespace suoshui::ui
