#include "run/Survival.h"

#include "engine/NumberSet.h"
#include "engine/NumberType.h"
#include "features/ConditionCheck.h"
#include "run/Candidates.h"
#include "run/RunRules.h"

namespace suoshui {

namespace {

NumberSet candidateSet(const FilterSettings& settings) {
    NumberSet candidates;
    for (const std::string& candidate : generateCandidates(settings)) {
        // The base list's empty items are no candidates, as in a run.
        if (isNumberText(candidate))
            candidates.add(candidate);
    }
    return candidates;
}

// Under the group types a group is listed when one of its members among the candidates is; the
// groups that reject it are those that reject every such member (every member at all when none
// is a candidate).
struct GroupFate {
    bool candidate = false;
    bool memberListed = false;
    std::uint64_t rejectingCandidates = ~std::uint64_t{0};
    std::uint64_t rejectingMembers = ~std::uint64_t{0};

    std::uint64_t rejectingGroups() const {
        return candidate ? rejectingCandidates : rejectingMembers;
    }
};

std::array<GroupFate, kNumberCount> groupFates(const SurvivalRule& rule,
                                               const NumberSet& candidates) {
    std::array<GroupFate, kNumberCount> groups{};
    for (int number = 0; number < kNumberCount; ++number) {
        const CandidateFate& fate = rule.asCandidate(number);
        GroupFate& group = groups[static_cast<std::size_t>(groupFormValue(number))];
        group.rejectingMembers &= fate.rejectingGroups;
        if (!candidates.contains(number))
            continue;
        group.candidate = true;
        group.memberListed = group.memberListed || fate.step() == RunStep::Listed;
        group.rejectingCandidates &= fate.rejectingGroups;
    }
    return groups;
}

}  // namespace

RunStep CandidateFate::step() const {
    if (!typeFits)
        return RunStep::NumberType;
    if (setsExclude)
        return RunStep::ExclusionSets;
    if (!passesConditions)
        return RunStep::Conditions;
    return singleExcluded ? RunStep::Singles : RunStep::Listed;
}

SurvivalRule::SurvivalRule(const FilterSettings& settings)
    : listsGroupForms_(isGroupSelection(settings.numberType)) {
    const ConditionCheck check(settings);
    // Under the group types the singles stand for their groups, as the listed forms do.
    const NumberSet singles = excludedSingles(settings);
    for (int number = 0; number < kNumberCount; ++number) {
        const Verdict& verdict = check.judge(number);
        const int listedForm = listsGroupForms_ ? groupFormValue(number) : number;
        fates_[static_cast<std::size_t>(number)] = {
            verdict.typeFits, verdict.setsExclude, verdict.passesConditions(),
            singles.contains(listedForm), verdict.rejectingGroups};
    }
}

ListedNumbers::ListedNumbers(const FilterSettings& read) {
    const FilterSettings settings = withDigitBoxesNormalised(read);
    const SurvivalRule rule(settings);
    const NumberSet candidates = candidateSet(settings);
    const std::array<GroupFate, kNumberCount> groups = rule.listsGroupForms()
                                                           ? groupFates(rule, candidates)
                                                           : std::array<GroupFate, kNumberCount>{};
    for (int number = 0; number < kNumberCount; ++number) {
        const CandidateFate& asCandidate = rule.asCandidate(number);
        NumberFate& fate = fates_[static_cast<std::size_t>(number)];
        fate.typeFits = asCandidate.typeFits;
        fate.setsExclude = asCandidate.setsExclude;
        fate.singleExcluded = asCandidate.singleExcluded;
        if (rule.listsGroupForms()) {
            const GroupFate& group = groups[static_cast<std::size_t>(groupFormValue(number))];
            fate.candidate = group.candidate;
            fate.rejectingGroups = group.rejectingGroups();
            fate.listed = group.memberListed;
        } else {
            fate.candidate = candidates.contains(number);
            fate.rejectingGroups = asCandidate.rejectingGroups;
            fate.listed = fate.candidate && asCandidate.step() == RunStep::Listed;
        }
        keptCount_ += fate.listed ? 1 : 0;
    }
}

}  // namespace suoshui
