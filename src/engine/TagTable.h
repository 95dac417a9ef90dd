#pragma once

#include <array>
#include <stdexcept>

#include "engine/Controls.h"

namespace suoshui {

// The message the player sees when a tag is carried by no control of the window.
inline constexpr const char* kTagNotFoundMessage = "未找到指定标记的组件";

// Thrown when a looked-up tag is carried by no control. The handler that asked stops there;
// the window catches it and shows the message. Changes made before the lookup stay.
class TagNotFound : public std::runtime_error {
  public:
    explicit TagNotFound(int tag) : std::runtime_error(kTagNotFoundMessage), tag_(tag) {}
    int tag() const { return tag_; }

  private:
    int tag_;
};

// Tag -> value box, for the value boxes 1-279 (basic part) and 301-530 (extra part).
// A tag that two controls carry resolves to the first of them in window order.
class TagTable {
  public:
    static constexpr int kBasicLast = 279;
    static constexpr int kExtraFirst = 301;
    static constexpr int kExtraLast = 530;

    // The box with this tag; throws TagNotFound for a tag outside both parts or not built.
    // Inline: the filter reads several hundred boxes for every candidate.
    ValueBoxView& box(int tag) const {
        ValueBoxView* found = nullptr;
        if (tag >= 1 && tag <= kBasicLast) {
            found = basic_[static_cast<std::size_t>(tag)];
        } else if (tag >= kExtraFirst && tag <= kExtraLast) {
            found = extra_[static_cast<std::size_t>(tag - kExtraFirst)];
        }
        if (found == nullptr)
            throw TagNotFound(tag);
        return *found;
    }
    bool ticked(int tag) const { return box(tag).ticked(); }
    const std::string& caption(int tag) const { return box(tag).caption(); }

    bool built() const { return built_; }

  private:
    friend void buildTagTable(Controls& controls, TagTable& table);
    std::array<ValueBoxView*, kBasicLast + 1> basic_{};
    std::array<ValueBoxView*, kExtraLast - kExtraFirst + 1> extra_{};
    bool built_ = false;
};

// Fills both parts of the table from the window, in ascending tag order.
// Throws TagNotFound at the first tag no control carries.
void buildTagTable(Controls& controls, TagTable& table);

}  // namespace suoshui
