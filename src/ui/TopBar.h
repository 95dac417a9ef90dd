#pragma once

#include <QLabel>

namespace suoshui::ui {

// The picture across the top of the frameless window. Holding the left button on it moves the
// window, since the window has no platform caption to grab.
class TopBar : public QLabel {
    Q_OBJECT
  public:
    explicit TopBar(QWidget* parent);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace suoshui::ui
