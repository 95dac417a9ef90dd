#pragma once

#include <QWidget>
#include <functional>

#include "features/ConditionTable.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QTableView;

namespace suoshui::store {
class KeptHistory;
}

namespace suoshui::ui {

class HotColdModel;
class TrendView;

// "走势图": the trend chart of the chosen lottery's kept draws with its range, its switches and
// 冷热 beside it, and "导出图片". It follows the kept draws; a double click on a cell of a value
// the main window has a box for asks the main window to tick that box.
class TrendWindow : public QWidget {
    Q_OBJECT
  public:
    // `chooseFile` gives the file an export goes to (the program's file dialog); empty on cancel.
    TrendWindow(store::KeptHistory& kept, std::function<QString()> chooseFile, QWidget* parent);

    // Whether the main window's box of a value is ticked, for the cells to show it.
    void setTickedLookup(std::function<bool(Feature, const QString&)> ticked);
    // A box was ticked or unticked: the cells show it.
    void tickedChanged();

  signals:
    void cellDoubleClicked(Feature feature, const QString& value);

  private:
    QWidget* buildControls();
    void recount();
    void exportChart();

    store::KeptHistory& kept_;
    std::function<QString()> chooseFile_;
    TrendView* view_ = nullptr;
    QComboBox* range_ = nullptr;
    QTableView* hotCold_ = nullptr;
    HotColdModel* hotColdModel_ = nullptr;
    QLabel* status_ = nullptr;
};

}  // namespace suoshui::ui
