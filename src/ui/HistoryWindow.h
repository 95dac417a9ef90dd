#pragma once

#include <QWidget>

#include "history/DrawHistory.h"
#include "ui/HistoryLinks.h"
#include "ui/OmissionHints.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QTableView;

namespace suoshui::ui {

class BacktestPanel;
class DrawTableModel;
class HitCheckPanel;

// "开奖历史": the draws the player loads from a file or pastes, newest first, with the hit check
// of the main window's last result, the backtest of its current settings and the omission
// counts on its value boxes. A window of its own; closing it leaves the main window as it is.
// A load that reads no draw keeps the history there was.
class HistoryWindow : public QWidget {
    Q_OBJECT
  public:
    HistoryWindow(HistoryLinks links, QWidget* parent);
    ~HistoryWindow() override;

    // The main window made a new result: the hit check follows it.
    void resultsChanged();
    // The main window's settings changed: a backtest shown was made with others.
    void settingsChanged();

  private:
    QWidget* buildLoadRow();
    QWidget* buildPasteArea();
    QWidget* buildSidePanel();
    void buildTable();
    void importFile();
    void applyPaste();
    void load(const std::string& text, const QString& source);
    void setHistory(DrawHistory history);
    void clearHistory();
    void showStatus(const QString& status, bool failed);

    HistoryLinks links_;
    DrawHistory history_;
    OmissionHints omissionHints_;
    DrawTableModel* draws_ = nullptr;
    QTableView* table_ = nullptr;
    QLabel* status_ = nullptr;
    QPlainTextEdit* paste_ = nullptr;
    HitCheckPanel* hitCheck_ = nullptr;
    BacktestPanel* backtest_ = nullptr;
    QCheckBox* showOmission_ = nullptr;
};

}  // namespace suoshui::ui
