#pragma once

#include <QWidget>
#include <optional>

#include "history/Backtest.h"
#include "ui/HistoryLinks.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace suoshui::ui {

class ConditionKillModel;

// "回测": the newest 30, 50, 100 or all draws judged by the main window's current settings, with
// the summary, the count of draws each condition would have cost, and why a chosen draw was
// rejected. The random thinning of "条件随机" is left out, and the panel says so.
class BacktestPanel : public QWidget {
    Q_OBJECT
  public:
    BacktestPanel(const HistoryLinks& links, QWidget* parent);

    // Kept by reference; forgets the last backtest.
    void setHistory(const DrawHistory* history);
    // Why the draw of this row of the history was kept or rejected.
    void explainDraw(int row);
    void runBacktest();
    // The panel judges by the settings the main window shows now: a backtest made with others
    // is taken down, with a word why.
    void settingsChanged();

  signals:
    // A backtest was made (nullptr: forgotten); the result lives until the next.
    void backtestChanged(const BacktestResult* result);

  private:
    std::size_t chosenDrawCount() const;
    void forget();

    const HistoryLinks& links_;
    const DrawHistory* history_ = nullptr;
    std::optional<BacktestResult> result_;
    QComboBox* drawCount_ = nullptr;
    QPushButton* button_ = nullptr;
    QLabel* summary_ = nullptr;
    QTableView* kills_ = nullptr;
    ConditionKillModel* killModel_ = nullptr;
    QLabel* detail_ = nullptr;
};

}  // namespace suoshui::ui
