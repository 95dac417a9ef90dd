#pragma once

#include <QEvent>
#include <QMouseEvent>
#include <QObject>
#include <functional>

namespace suoshui::ui {

// Runs an action when the left mouse button goes down on the watched widget, before the widget
// itself handles the press (so a box emptied here still takes the cursor where it was pressed).
class LeftPressWatcher : public QObject {
  public:
    LeftPressWatcher(QObject* watched, std::function<void()> onPress)
        : QObject(watched), onPress_(std::move(onPress)) {
        watched->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            onPress_();
        return false;
    }

  private:
    std::function<void()> onPress_;
};

}  // namespace suoshui::ui
