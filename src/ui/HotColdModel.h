#pragma once

#include "history/TrendCounts.h"
#include "ui/ReadOnlyTableModel.h"

namespace suoshui::ui {

// 冷热: one row per position and digit with its count in the newest 10, 30 and 100 draws, its
// current and its longest omission; numbers sort as numbers.
class HotColdModel : public ReadOnlyTableModel {
    Q_OBJECT
  public:
    enum Column {
        kPosition,
        kDigit,
        kNewest10,
        kNewest30,
        kNewest100,
        kCurrent,
        kLongest,
        kColumnCount
    };

    using ReadOnlyTableModel::ReadOnlyTableModel;

    void showTable(const PerPositionDigit<HotCold>& table);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    int rows() const override { return shown_ ? static_cast<int>(kPositions * kDigits) : 0; }
    int columns() const override { return kColumnCount; }

    PerPositionDigit<HotCold> table_{};
    bool shown_ = false;
};

}  // namespace suoshui::ui
