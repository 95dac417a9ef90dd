#pragma once

#include <QAbstractTableModel>

#include "history/Backtest.h"

namespace suoshui::ui {

// After a backtest: each condition group the player set (and each step before the conditions
// that rejected draws) with how many of the backtested draws it rejects on its own, the most
// first.
class ConditionKillModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { kName, kDraws, kShare, kColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    // Kept by reference; nullptr empties the table.
    void showBacktest(const BacktestResult* result);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    const BacktestResult* backtest_ = nullptr;
};

}  // namespace suoshui::ui
