#pragma once

#include <QWidget>

#include "history/DrawHistory.h"
#include "history/HistoryParser.h"
#include "history/Lottery.h"
#include "ui/HistoryLinks.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QTableView;

namespace suoshui::store {
class KeptHistory;
}

namespace suoshui::ui {

class BackgroundRead;
class BacktestPanel;
class DrawTableModel;
class HitCheckPanel;

// "开奖历史": the kept draws of the chosen lottery, newest first, with the hit check of the main
// window's last result and the backtest of its current settings. Imports and pastes add to the
// kept draws; bare numbers, which cannot be matched with kept draws, replace them only when the
// player says so. A tool window of the main window: it stays in front of it.
class HistoryWindow : public QWidget {
    Q_OBJECT
  public:
    HistoryWindow(HistoryLinks links, store::KeptHistory& kept, QWidget* parent);

    // The main window made a new result: the hit check follows it.
    void resultsChanged();
    // The main window's settings changed: a backtest shown was made with others.
    void settingsChanged();

  signals:
    // The line beside the main window's result box.
    void hitLineChanged(const QString& line);
    // "显示遗漏": the omission written in the main window's value boxes.
    void omissionShownChanged(bool shown);
    // "走势图": the chart of these draws.
    void trendRequested();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* buildLoadRow();
    QWidget* buildPasteArea();
    QWidget* buildSidePanel();
    void buildTable();
    void importFile();
    void applyPaste();
    void load(const std::string& text, const QString& source);
    void loadParsed(ParsedHistory parsed, const std::string& text, const QString& source);
    void addDraws(const ParsedHistory& parsed, const std::string& text, const QString& told);
    void replaceWithBareNumbers(const DrawHistory& draws, const QString& told);
    bool asks(const QString& question, bool yesByDefault);
    void showKeptDraws();
    void clearHistory();
    void showStatus(const QString& status, bool failed);

    HistoryLinks links_;
    BackgroundRead* reader_ = nullptr;
    store::KeptHistory& kept_;
    DrawHistory history_;  // what the table, backtest and hit check show: the chosen lottery's
    DrawTableModel* draws_ = nullptr;
    QComboBox* lottery_ = nullptr;
    QTableView* table_ = nullptr;
    QLabel* status_ = nullptr;
    QPlainTextEdit* paste_ = nullptr;
    QComboBox* pasteOrder_ = nullptr;
    HitCheckPanel* hitCheck_ = nullptr;
    BacktestPanel* backtest_ = nullptr;
    QCheckBox* showOmission_ = nullptr;
};

}  // namespace suoshui::ui
