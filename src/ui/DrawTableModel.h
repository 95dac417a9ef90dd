#pragma once

#include <QAbstractTableModel>

#include "history/Backtest.h"
#include "history/DrawHistory.h"

namespace suoshui::ui {

// The draws of a history as a table, newest first: issue, date, number, 和值, 跨度, its kind,
// and after a backtest whether the current settings keep it. The rows are made as the view asks
// for them, so that ten thousand draws cost nothing until shown.
class DrawTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { kIssue, kDate, kNumber, kSum, kSpan, kKind, kBacktest, kColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    // Both are kept by reference and must live as long as they are shown.
    void showHistory(const DrawHistory* history);
    void showBacktest(const BacktestResult* result);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    QString text(const Draw& draw, int column, int row) const;
    const NumberFate* fateOfRow(int row) const;

    const DrawHistory* history_ = nullptr;
    const BacktestResult* backtest_ = nullptr;
};

}  // namespace suoshui::ui
