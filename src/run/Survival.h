#pragma once

#include <array>
#include <cstdint>

#include "engine/LotteryNumber.h"
#include "features/FilterSettings.h"

namespace suoshui {

// The step of a run at which a candidate leaves, in the run's order; Listed when none does.
enum class RunStep : std::uint8_t {
    Listed,
    NumberType,     // the number type lists no number of its kind
    ExclusionSets,  // a "复式排除" digit set covers it
    Conditions,     // the condition groups reject it (with "容错": too few or too many)
    Singles,        // a "单式排除" number names it (under the group types, its group)
};

// What a run does with one number when it meets it as a candidate: each step on its own, and
// the step at which it leaves.
struct CandidateFate {
    bool typeFits = true;      // the number type lists numbers of its kind
    bool setsExclude = false;  // a "复式排除" digit set covers it
    bool passesConditions = true;
    bool singleExcluded =
        false;  // a "单式排除" number names it, or under the group types its group
    // Bit (order - 1) for every condition group that rejects the number.
    std::uint64_t rejectingGroups = 0;

    RunStep step() const;
};

// The one rule of which candidates a run lists, judged for every number once. The run walks its
// candidates through it (the number type's group de-duplication is the walk's own, as it depends
// on the order of the candidates); the backtest asks it for every past draw, through
// ListedNumbers. The settings are taken as the run reads them, the digit boxes normalised.
class SurvivalRule {
  public:
    explicit SurvivalRule(const FilterSettings& settings);

    // `number` is the value 0-999; any other throws std::out_of_range.
    const CandidateFate& asCandidate(int number) const {
        return fates_.at(static_cast<std::size_t>(number));
    }
    // Under the group types a run lists each group once, by its group form.
    bool listsGroupForms() const { return listsGroupForms_; }

  private:
    std::array<CandidateFate, kNumberCount> fates_;
    bool listsGroupForms_ = false;
};

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
// candidates (base list, digit set, banker and drag digits) through the survival rule. The
// random thinning of "条件随机" is left out. A backtest asks it for every past draw.
class ListedNumbers {
  public:
    // Reads the digit boxes as a run does once it has normalised them.
    explicit ListedNumbers(const FilterSettings& settings);

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
