#pragma once

#include <array>
#include <cstdint>

#include "engine/LotteryNumber.h"
#include "features/FilterSettings.h"

namespace suoshui {

// What a run with the settings does with one number, each step on its own. Under the group
// types a run lists group forms, so the steps speak of the number's group: it is among the
// candidates when a member is, and a condition group rejects it when it rejects every member
// that is a candidate.
struct NumberFate {
    bool candidate = false;       // the mode's candidates hold it
    bool typeFits = false;        // the number type lists numbers of its kind
    bool setsExclude = false;     // a "复式排除" digit set covers it
    bool singleExcluded = false;  // a "单式排除" number names it
    // Bit (order - 1) for every condition group that rejects it.
    std::uint64_t rejectingGroups = 0;
    // The run lists the number, or under the group types its group form.
    bool listed = false;
};

// Which numbers a run with these settings lists, without walking candidates: the mode's
// candidates (base list, digit set, banker and drag digits), the number type, the exclusion
// sets and singles, and both stages of conditions, as a run applies them. The random thinning
// of "条件随机" is left out. A backtest asks it for every past draw.
class SurvivalRule {
  public:
    // Reads the digit boxes as a run does once it has normalised them.
    explicit SurvivalRule(const FilterSettings& settings);

    // `number` is the value 0-999; any other throws std::out_of_range.
    const NumberFate& fateOf(int number) const {
        return fates_.at(static_cast<std::size_t>(number));
    }
    bool keeps(int number) const { return fateOf(number).listed; }
    // How many of the thousand numbers are listed (directly or through their group form): the
    // share of draws a filter with no skill would keep.
    int keptCount() const { return keptCount_; }

  private:
    std::array<NumberFate, kNumberCount> fates_;
    int keptCount_ = 0;
};

}  // namespace suoshui
