#pragma once

#include <QString>
#include <QWidget>

#include "history/Lottery.h"

class QProgressBar;
class QPushButton;

namespace suoshui::store {
class KeptHistory;
}

namespace suoshui::fetch {
class DrawUpdate;
struct UpdateOutcome;
}  // namespace suoshui::fetch

namespace suoshui::ui {

// "更新开奖": fetches the chosen lottery's draws newer than the kept ones from the sources in
// sources.ini and adds them like an import. While it runs a progress bar and 取消 show beside
// the button and the window stays usable.
class HistoryUpdatePanel : public QWidget {
    Q_OBJECT
  public:
    HistoryUpdatePanel(store::KeptHistory& kept, QWidget* parent);

    // The update itself, for a test to shorten its time limit.
    fetch::DrawUpdate& update() { return *update_; }
    void start();

  signals:
    // What is happening or what happened, for the window's status line.
    void reported(const QString& text, bool failed);
    // An update started or ended: 清空 waits until it is over, or the fetched draws would come
    // back into a history the player just cleared.
    void runningChanged(bool running);

  private:
    void finished(const fetch::UpdateOutcome& outcome);
    void showRunning(bool running);
    QString stopIssue(Lottery lottery) const;
    void rememberReach(const fetch::UpdateOutcome& outcome, bool kept);

    store::KeptHistory& kept_;
    fetch::DrawUpdate* update_ = nullptr;
    QPushButton* button_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QString stopIssue_;
    QString sourcesProblem_;
};

}  // namespace suoshui::ui
