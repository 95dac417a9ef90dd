#include "ui/TopBar.h"

#include <QMouseEvent>
#include <QWindow>

namespace suoshui::ui {

TopBar::TopBar(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("顶边标题"));
    setPixmap(QPixmap(QStringLiteral(":/pictures/top_bar.jpg")));
    setScaledContents(true);
}

void TopBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    if (QWindow* handle = window()->windowHandle())
        handle->startSystemMove();
    event->accept();
}

}  // namespace suoshui::ui
