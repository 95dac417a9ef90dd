#pragma once

#include <QWidget>

#include "features/FilterSettings.h"

class QCheckBox;
class QSpinBox;

namespace suoshui::ui {

// "容错 失败 a 至 b 组": with the option ticked a number passes the conditions when it fails
// between a and b of the ticked groups. The range cannot go beyond the groups that have a tick.
class ToleranceControls : public QWidget {
    Q_OBJECT
  public:
    explicit ToleranceControls(QWidget* parent);

    Tolerance tolerance() const;
    void setTolerance(const Tolerance& tolerance);
    // The number of condition groups with a tick: the most either end of the range can be.
    void setTickedGroups(int count);
    // "重置": off, 0 to 0.
    void reset();

  signals:
    void changed();

  private:
    QCheckBox* option_;
    QSpinBox* fewest_;
    QSpinBox* most_;
};

}  // namespace suoshui::ui
