#pragma once

#include <array>
#include <deque>
#include <functional>
#include <map>
#include <string>

#include "engine/Controls.h"

namespace suoshui::testing {

// A value box held in memory.
class MemoryBox : public ValueBoxView {
  public:
    MemoryBox(int tag, std::string caption) : tag_(tag), caption_(std::move(caption)) {}
    bool ticked() const override { return ticked_; }
    void setTicked(bool ticked) override { ticked_ = ticked; }
    const std::string& caption() const override { return caption_; }
    int tag() const { return tag_; }

  private:
    int tag_;
    std::string caption_;
    bool ticked_ = false;
};

// In-memory controls for the core's tests, in the start state of the main window.
class MemoryControls : public Controls {
  public:
    MemoryControls();

    // Adds a tagged box at the end of the window order; a repeated tag keeps the first box.
    MemoryBox& addBox(int tag, std::string caption);
    MemoryBox* box(int tag);
    void tick(int tag, bool ticked = true);

    ValueBoxView* findTag(int tag) override;
    bool isChecked(Check check) const override;
    bool isChecked(Radio radio) const override;
    std::string text(TextBox box) const override;
    void setText(TextBox box, const std::string& text) override;
    int positionIndex() const override { return positionIndex_; }
    int windowWidth() const override { return windowWidth_; }
    void setResultFont(int points, bool bold) override;
    void setBusy(bool busy) override;
    void processEvents() override;

    // Setters for the tests. Selecting a radio unselects the others of its group.
    void setChecked(Check check, bool checked);
    void select(Radio radio);
    void clearRadioGroupOf(Radio radio);
    void setPositionIndex(int index) { positionIndex_ = index; }
    void setWindowWidth(int width) { windowWidth_ = width; }

    // Observations.
    int resultFontPoints = 0;
    bool resultFontBold = true;
    bool busy = false;
    int busyShownCount = 0;
    long processEventsCount = 0;
    // Runs at every processEvents(), standing in for the player acting during long work.
    std::function<void()> onProcessEvents;

  private:
    std::deque<MemoryBox> boxes_;
    std::map<int, MemoryBox*> byTag_;
    std::map<Check, bool> checks_;
    std::map<Radio, bool> radios_;
    std::map<TextBox, std::string> texts_;
    int positionIndex_ = 0;
    int windowWidth_ = 800;
};

// The initial hint texts of the input boxes.
inline constexpr const char* kBaseListHint =
    "例如：  123  235  262  687  （只能用空格分开）\r\n也可以把号码直接粘贴在这里\r\n";
inline constexpr const char* kDigitSequenceHint = "格式如：0245689      ";

}  // namespace suoshui::testing
