#pragma once

#include <array>
#include <cstdint>

#include "engine/LotteryNumber.h"
#include "features/ConditionTable.h"
#include "features/FilterSettings.h"

namespace suoshui {

// What the settings say of one number, each test on its own.
struct Verdict {
    bool typeFits = true;      // the number type lists numbers of this kind
    bool setsExclude = false;  // a "复式排除" digit set covers the number (with "排 除" ticked)
    // Bit (order - 1) is set for every tested condition group that rejects the number.
    std::uint64_t rejectingGroups = 0;
    // Whether the number passes the condition groups: none rejects it or, with "容错", the
    // ticked groups that reject it are as many as the range allows.
    bool conditionsPass = true;

    bool rejectedBy(int order) const { return (rejectingGroups >> (order - 1)) & 1U; }
    bool passesConditions() const { return conditionsPass; }
};

// The group's bit in the masks of groups: bit (order - 1).
std::uint64_t groupBit(const ConditionGroup& group);

// The groups "容错" counts: the tested groups with a box ticked, the extra stage's only while
// "启用银选" is ticked; bit (order - 1) for each.
std::uint64_t toleranceGroups(const FilterSettings& settings);

// The number of set bits.
int groupCount(std::uint64_t groups);

// True when each of the number's three digit characters occurs in the digit text.
bool coversNumber(std::string_view digits, std::string_view number);

// Whether every exclusion text ("复式排除" and "单式排除") is three bytes or less: then the digit
// sets exclude nothing.
bool exclusionTextsAllShort(const FilterSettings& settings);

// Whether the "复式排除" digit sets take part: only with "排 除" ticked, and only when one of the
// exclusion texts is longer than three bytes.
bool setsApply(const FilterSettings& settings);

// Whether one of the "复式排除" digit sets covers the candidate.
bool coveredBySets(const FilterSettings& settings, std::string_view candidate);

// The settings judged once for all thousand numbers, so that a number is then judged by a
// lookup: a run asks for each of its candidates, a backtest for every past draw. The extra
// stage rejects nothing while "启用银选" is unticked, as in a run.
class ConditionCheck {
  public:
    explicit ConditionCheck(const FilterSettings& settings);

    // `number` is the value 0-999; any other throws std::out_of_range.
    const Verdict& judge(int number) const {
        return verdicts_.at(static_cast<std::size_t>(number));
    }

  private:
    std::array<Verdict, kNumberCount> verdicts_;
};

}  // namespace suoshui
