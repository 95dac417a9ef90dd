#pragma once

#include <vector>

#include "history/Backtest.h"
#include "history/DrawHistory.h"
#include "ui/ReadOnlyTableModel.h"

namespace suoshui::ui {

// The draws of a history as a table, newest first: issue, date, number, 和值, 跨度, its kind,
// and after a backtest whether the current settings keep it. The rows are made as the view asks
// for them, so that ten thousand draws cost nothing until shown.
class DrawTableModel : public ReadOnlyTableModel {
    Q_OBJECT
  public:
    enum Column { kIssue, kDate, kNumber, kSum, kSpan, kKind, kBacktest, kColumnCount };

    using ReadOnlyTableModel::ReadOnlyTableModel;

    // Copies what it shows; a new history forgets the backtest, nullptr forgets it too.
    void showHistory(DrawHistory history);
    void showBacktest(const BacktestResult* result);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    int rows() const override { return static_cast<int>(history_.size()); }
    int columns() const override { return kColumnCount; }
    QString text(const Draw& draw, int column, int row) const;
    const NumberFate* fateOfRow(int row) const;

    DrawHistory history_;
    std::vector<NumberFate> fates_;  // of the newest draws, after a backtest
};

}  // namespace suoshui::ui
