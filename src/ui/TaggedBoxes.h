#pragma once

#include <vector>

namespace suoshui::ui {

class ValueBox;

// The tagged buttons of the window in its control order: value boxes, "全选" toggles and the
// click relay. A tag that two boxes carry finds the first of them.
class TaggedBoxes {
  public:
    void add(ValueBox* box) { boxes_.push_back(box); }
    const std::vector<ValueBox*>& all() const { return boxes_; }

    // nullptr when no box carries the tag.
    ValueBox* find(int tag) const;
    // Throws TagNotFound when no box carries the tag.
    ValueBox& at(int tag) const;

  private:
    std::vector<ValueBox*> boxes_;
};

}  // namespace suoshui::ui
