#include "features/ConditionCheck.h"

#include <bit>
#include <vector>

#include "engine/GbkLength.h"
#include "features/ConditionChain.h"
#include "features/TickedCaptions.h"

namespace suoshui {

namespace {

// A plain group with no box ticked passes every number: only the others are asked, once per
// reading of the settings rather than for each of the thousand numbers.
std::vector<const ConditionGroup*> groupsThatMayReject(const FilterSettings& settings) {
    std::vector<const ConditionGroup*> groups;
    for (const ConditionGroup* group : testedGroups()) {
        const bool plain = group->test == TestKind::General || group->test == TestKind::ExtraGroup;
        if (!plain || anyTicked(settings.boxes, group->tags))
            groups.push_back(group);
    }
    return groups;
}

std::uint64_t rejectingGroups(const FilterSettings& settings,
                              const std::vector<const ConditionGroup*>& groups,
                              std::string_view number) {
    std::uint64_t rejecting = 0;
    for (const ConditionGroup* group : groups) {
        if (!passesGroup(settings, *group, number))
            rejecting |= groupBit(*group);
    }
    return rejecting;
}

}  // namespace

std::uint64_t groupBit(const ConditionGroup& group) {
    return std::uint64_t{1} << (group.order - 1);
}

std::uint64_t toleranceGroups(const FilterSettings& settings) {
    std::uint64_t groups = 0;
    for (const ConditionGroup* group : testedGroups()) {
        const bool tested = group->stage == Stage::Basic || settings.isChecked(Check::ExtraEnabled);
        if (tested && anyTicked(settings.boxes, group->tags))
            groups |= groupBit(*group);
    }
    return groups;
}

int groupCount(std::uint64_t groups) {
    return std::popcount(groups);
}

bool exclusionTextsAllShort(const FilterSettings& settings) {
    bool allShort = gbkByteLength(settings.excludeSingles) <= 3;
    for (const std::string& set : settings.excludeSets)
        allShort = allShort && gbkByteLength(set) <= 3;
    return allShort;
}

bool coversNumber(std::string_view digits, std::string_view number) {
    if (number.size() < 3)
        return false;
    for (std::size_t i = 0; i < 3; ++i) {
        if (digits.find(number[i]) == std::string_view::npos)
            return false;
    }
    return true;
}

bool setsApply(const FilterSettings& settings) {
    return settings.isChecked(Check::ExcludeSets) && !exclusionTextsAllShort(settings);
}

bool coveredBySets(const FilterSettings& settings, std::string_view candidate) {
    for (const std::string& set : settings.excludeSets) {
        if (coversNumber(set, candidate))
            return true;
    }
    return false;
}

ConditionCheck::ConditionCheck(const FilterSettings& settings) {
    const Tolerance& tolerance = settings.tolerance;
    const std::uint64_t counted = toleranceGroups(settings);
    // Measured once: the single exclusions' text may be as long as the player pasted.
    const bool sets = setsApply(settings);
    const std::vector<const ConditionGroup*> groups = groupsThatMayReject(settings);
    for (int value = 0; value < kNumberCount; ++value) {
        const std::string number = numberText(value);
        Verdict& verdict = verdicts_[static_cast<std::size_t>(value)];
        verdict.typeFits = listsKind(settings.numberType, groupKind(number));
        verdict.setsExclude = sets && coveredBySets(settings, number);
        verdict.rejectingGroups = rejectingGroups(settings, groups, number);
        const int failed = groupCount(verdict.rejectingGroups & counted);
        verdict.conditionsPass = tolerance.on
                                     ? failed >= tolerance.fewest && failed <= tolerance.most
                                     : verdict.rejectingGroups == 0;
    }
}

}  // namespace suoshui
