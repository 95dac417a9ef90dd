#pragma once

#include <QElapsedTimer>
#include <QObject>

#include "run/Controls.h"

namespace suoshui::ui {

class ConditionPanel;
class InputPages;
class OptionRows;
class ResultPanel;
class ToleranceControls;

// The main window as a filter run sees it: the settings read from the panels in one go, the
// boxes the run writes back, event passes at most every few milliseconds, and the busy
// pictures while the run walks.
class RunControls : public QObject, public Controls {
    Q_OBJECT
  public:
    RunControls(ConditionPanel& conditions, OptionRows& options, InputPages& inputs,
                ResultPanel& results, ToleranceControls& tolerance, QWidget& window);

    FilterSettings readSettings() override;
    ResultGrouping resultGrouping() const override;
    std::uint64_t changeCount() const override { return changes_; }
    void setText(TextBox box, const std::string& text) override;
    void letWindowBreathe() override;
    bool stopRequested() const override { return stopRequested_; }
    void runProgress(std::size_t walked, std::size_t total) override;
    void runStarted() override;
    void runEnded() override;

    // The shortest time between two event passes of a run; 0 lets every call pass.
    void setEventPassInterval(int milliseconds) { eventPassInterval_ = milliseconds; }
    // The window is closing: a run under way stops at its next event pass.
    void requestStop();

  signals:
    // The player changed a control that the settings are read from.
    void settingsChanged();

  private:
    ConditionPanel& conditions_;
    OptionRows& options_;
    InputPages& inputs_;
    ResultPanel& results_;
    ToleranceControls& tolerance_;
    QWidget& window_;
    std::uint64_t changes_ = 0;
    QElapsedTimer sinceEventPass_;
    int eventPassInterval_ = 5;
    bool stopRequested_ = false;
    QElapsedTimer sinceRunStart_;
    QElapsedTimer sinceProgressShown_;
};

}  // namespace suoshui::ui
