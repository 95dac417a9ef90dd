#pragma once

#include <functional>
#include <map>
#include <string>

#include "run/Controls.h"

namespace suoshui::testing {

// The window in memory: the settings a run reads, the texts it writes back, and what it told
// the window. Every change a test makes through `change` counts as the player's.
class MemoryControls : public Controls {
  public:
    FilterSettings readSettings() override;
    ResultGrouping resultGrouping() const override { return grouping; }
    std::uint64_t changeCount() const override { return changes_; }
    void setText(TextBox box, const std::string& text) override;
    void letWindowBreathe() override;
    void runStarted() override;
    void runEnded() override { busy = false; }

    // The player changes the settings, as between two runs or during one.
    void change(const std::function<void(FilterSettings&)>& edit);
    std::string text(TextBox box) const;

    FilterSettings settings;
    ResultGrouping grouping = ResultGrouping::Flat;
    // Observations.
    bool busy = false;
    int runsStarted = 0;
    long eventPasses = 0;
    // Runs at every event pass, standing in for the player acting during long work.
    std::function<void()> onEventPass;
    // Set to throw from the next reading of the settings, as a window missing a box would.
    bool missingTag = false;

  private:
    std::map<TextBox, std::string> texts_;
    std::uint64_t changes_ = 0;
};

}  // namespace suoshui::testing
