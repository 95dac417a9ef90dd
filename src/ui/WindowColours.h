#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace suoshui::ui {

// The window's colours, each in one place.
inline const QColor kWindowBackground(193, 225, 255);
inline const QColor kFrameFill(194, 228, 254);  // row frames and unticked boxes
inline const QColor kFrameLight(236, 246, 255);
inline const QColor kFrameLine(150, 190, 232);
inline const QColor kStripFill(214, 236, 255);  // the option strips
inline const QColor kEdgeColour(43, 98, 168);
inline const QColor kDisabledFill(222, 230, 238);  // boxes the player cannot click
inline const QColor kFocusMark(0, 70, 200);        // the box the keyboard is on

// Paints the widget's background in one colour.
inline void fillBackground(QWidget* widget, const QColor& colour) {
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

}  // namespace suoshui::ui
