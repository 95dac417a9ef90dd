#include "run/Survival.h"

#include "engine/NumberSet.h"
#include "engine/NumberType.h"
#include "features/ConditionCheck.h"
#include "run/Candidates.h"
#include "run/RunRules.h"

namespace suoshui {

namespace {

// The one place the survival rule asks whether a number passes the conditions, so that a
// change in what passing means reaches the backtest here.
bool passesConditions(const Verdict& verdict) {
    return verdict.passesConditions();
}

NumberSet candidateSet(const FilterSettings& settings) {
    NumberSet candidates;
    for (const std::string& candidate : generateCandidates(settings)) {
        // The base list's empty items are no candidates, as in a run.
        if (isNumberText(candidate))
            candidates.add(candidate);
    }
    return candidates;
}

int groupFormValue(int number) {
    return numberValue(groupForm(numberText(number)));
}

// Under the group types a group is listed when one of its members among the candidates passes
// the conditions; the groups that reject it are those that reject every such member (every
// member at all when none is a candidate).
struct GroupFate {
    bool candidate = false;
    bool memberPasses = false;
    std::uint64_t rejectingCandidates = ~std::uint64_t{0};
    std::uint64_t rejectingMembers = ~std::uint64_t{0};

    std::uint64_t rejectingGroups() const {
        return candidate ? rejectingCandidates : rejectingMembers;
    }
};

std::array<GroupFate, kNumberCount> groupFates(const std::array<NumberFate, kNumberCount>& fates,
                                               const std::array<bool, kNumberCount>& passes) {
    std::array<GroupFate, kNumberCount> groups{};
    for (int number = 0; number < kNumberCount; ++number) {
        const NumberFate& fate = fates[static_cast<std::size_t>(number)];
        GroupFate& group = groups[static_cast<std::size_t>(groupFormValue(number))];
        group.rejectingMembers &= fate.rejectingGroups;
        if (!fate.candidate)
            continue;
        group.candidate = true;
        group.memberPasses = group.memberPasses || passes[static_cast<std::size_t>(number)];
        group.rejectingCandidates &= fate.rejectingGroups;
    }
    return groups;
}

}  // namespace

SurvivalRule::SurvivalRule(const FilterSettings& read) {
    const FilterSettings settings = withDigitBoxesNormalised(read);
    const NumberSet candidates = candidateSet(settings);
    const NumberSet singles = excludedSingles(settings);
    const ConditionCheck check(settings);
    std::array<bool, kNumberCount> passes{};
    for (int number = 0; number < kNumberCount; ++number) {
        const Verdict& verdict = check.judge(number);
        NumberFate& fate = fates_[static_cast<std::size_t>(number)];
        fate.candidate = candidates.contains(number);
        fate.typeFits = verdict.typeFits;
        fate.setsExclude = verdict.setsExclude;
        fate.singleExcluded = singles.contains(number);
        fate.rejectingGroups = verdict.rejectingGroups;
        passes[static_cast<std::size_t>(number)] = passesConditions(verdict);
    }
    const bool byGroup = isGroupSelection(settings.numberType);
    const std::array<GroupFate, kNumberCount> groups =
        byGroup ? groupFates(fates_, passes) : std::array<GroupFate, kNumberCount>{};
    for (int number = 0; number < kNumberCount; ++number) {
        NumberFate& fate = fates_[static_cast<std::size_t>(number)];
        bool passed = passes[static_cast<std::size_t>(number)];
        if (byGroup) {
            const int form = groupFormValue(number);
            const GroupFate& group = groups[static_cast<std::size_t>(form)];
            fate.candidate = group.candidate;
            fate.rejectingGroups = group.rejectingGroups();
            fate.singleExcluded = singles.contains(form);
            passed = group.memberPasses;
        }
        fate.listed =
            fate.candidate && fate.typeFits && !fate.setsExclude && passed && !fate.singleExcluded;
        keptCount_ += fate.listed ? 1 : 0;
    }
}

}  // namespace suoshui
