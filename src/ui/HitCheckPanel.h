#pragma once

#include <QWidget>
#include <optional>

#include "history/DrawHistory.h"
#include "ui/HistoryLinks.h"

class QLabel;
class QLineEdit;

namespace suoshui::ui {

// "中奖核对": the newest draw of the history, or a number the player types, against the main
// window's last result, told here and in the line beside the result box.
class HitCheckPanel : public QWidget {
    Q_OBJECT
  public:
    HitCheckPanel(const HistoryLinks& links, QWidget* parent);

    // Kept by reference: the history window's own copy.
    void setHistory(const DrawHistory* history);
    // Checks again: the history, the typed number or the results changed.
    void refresh();

  signals:
    // The line beside the main window's result box; empty when there is nothing to say.
    void hitLineChanged(const QString& line);

  private:
    // The number checked and how it is named: "2026232 期 658" or the typed "658".
    struct Checked {
        int number;
        QString name;
    };
    std::optional<Checked> numberToCheck(QString& whyNone) const;

    const HistoryLinks& links_;
    const DrawHistory* history_ = nullptr;
    QLineEdit* number_ = nullptr;
    QLabel* text_ = nullptr;
};

}  // namespace suoshui::ui
