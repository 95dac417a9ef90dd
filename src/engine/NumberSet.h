#pragma once

#include <bitset>
#include <string_view>

#include "engine/LotteryNumber.h"

namespace suoshui {

// A set of numbers 000-999, one bit each: the groups a run has listed, the numbers a text
// excludes.
class NumberSet {
  public:
    void add(int value) { members_.set(static_cast<std::size_t>(value)); }
    bool contains(int value) const { return members_.test(static_cast<std::size_t>(value)); }
    // Number texts are taken by their value (non-digits count as 0, as everywhere).
    void add(std::string_view number) { add(numberValue(number)); }
    bool contains(std::string_view number) const { return contains(numberValue(number)); }
    std::size_t size() const { return members_.count(); }
    bool operator==(const NumberSet&) const = default;

  private:
    std::bitset<kNumberCount> members_;
};

}  // namespace suoshui
