#pragma once

#include <vector>

#include "history/Backtest.h"
#include "ui/ReadOnlyTableModel.h"

namespace suoshui::ui {

// After a backtest: each condition group the player set (and each step before the conditions
// that rejected draws) with how many of the backtested draws it rejects on its own, the most
// first.
class ConditionKillModel : public ReadOnlyTableModel {
    Q_OBJECT
  public:
    enum Column { kName, kDraws, kShare, kColumnCount };

    using ReadOnlyTableModel::ReadOnlyTableModel;

    // Copies what it shows; nullptr empties the table.
    void showBacktest(const BacktestResult* result);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    int rows() const override { return static_cast<int>(kills_.size()); }
    int columns() const override { return kColumnCount; }

    std::vector<ConditionKill> kills_;
    std::size_t drawCount_ = 0;
};

}  // namespace suoshui::ui
