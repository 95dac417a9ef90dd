// Stretching the window's parts to its size; the option rows, the input pages, the title and
// the toolbar keep their design places.
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "ui/MainWindow.h"
#include "ui/TopBar.h"

namespace suoshui::ui {

namespace {

// Design values used while a row the layout measures is missing.
constexpr int kDesignRowWidth = 477;
constexpr int kDesignParityRatioTop = 472;
constexpr int kScrollMargin = 60;

void setHeight(QWidget* widget, int height) {
    widget->resize(widget->width(), height);
}

void setWidth(QWidget* widget, int width) {
    widget->resize(width, widget->height());
}

void setTop(QWidget* widget, int top) {
    widget->move(widget->x(), top);
}

void setLeft(QWidget* widget, int left) {
    widget->move(left, widget->y());
}

}  // namespace

void MainWindow::layoutMainWindow() {
    const int W = width();
    const int H = height();
    setWidth(topBar_, W);
    setHeight(rightEdge_, H - rightEdge_->y());
    setHeight(leftEdge_, H - leftEdge_->y());
    setTop(bottomEdge_, H - bottomEdge_->height());
    setWidth(bottomEdge_, W - 13);
    setLeft(rightEdge_, W - rightEdge_->width());
    setHeight(conditionScrollBar_, bottomEdge_->y() - conditionScrollBar_->y());
    // Scrolled to the end, the rows from "奇偶比" down still show, with a margin below.
    const int parityTop = parityRatioRow_ ? parityRatioRow_->y() : kDesignParityRatioTop;
    conditionScrollBar_->setMaximum(conditionFrame_->height() - parityTop + kScrollMargin);
    const int rowWidth = bankerRow_ ? bankerRow_->width() : kDesignRowWidth;
    setWidth(conditionFrame_, rowWidth);
    setWidth(extraPanel_, rowWidth);
    setHeight(resultBox_, H - resultBox_->y() - bottomEdge_->height() - 5);
    setHeight(busyPanel_, resultBox_->height());
    setTop(busyBar_, resultBox_->y() + resultBox_->height() - busyBar_->height());
    setWidth(resultBox_, rightEdge_->x() - resultBox_->x() - 3);
    setWidth(busyPanel_, resultBox_->width());
    setWidth(busyBar_, resultBox_->width());
    setWidth(resultGroupingBox_, busyPanel_->width());
    setLeft(captionButtons_, W - captionButtons_->width() - 10);
}

}  // namespace suoshui::ui
