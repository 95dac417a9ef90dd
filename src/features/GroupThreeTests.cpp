#include "features/GroupThreeTests.h"

#include <string>

#include "engine/LotteryNumber.h"
#include "features/GroupThreeFeatures.h"
#include "features/TickedCaptions.h"

namespace suoshui {

namespace {

// Excluding, a ticked value rejects; including, only a ticked value passes.
bool testDigitRow(const FilterSettings& settings, const ConditionGroup& group,
                  std::string_view candidate, std::string (*valueOf)(std::string_view)) {
    if (groupKind(candidate) == GroupKind::GroupSix)
        return true;
    const std::string value = valueOf(candidate);
    const bool found =
        anyTickedCaption(settings.boxes, group.tags,
                         [&value](std::string_view caption) { return caption == value; });
    const bool include = settings.isChecked(group.include);
    return include ? found : !found;
}

std::string pairDigitTwice(std::string_view candidate) {
    const std::string digit = pairDigit(candidate);
    return digit + digit;
}

}  // namespace

bool testPairDigitGroup(const FilterSettings& settings, const ConditionGroup& group,
                        std::string_view candidate) {
    return testDigitRow(settings, group, candidate, pairDigitTwice);
}

bool testSingleDigitGroup(const FilterSettings& settings, const ConditionGroup& group,
                          std::string_view candidate) {
    return testDigitRow(settings, group, candidate, singleDigit);
}

bool testGroupThreeTrait(const BoxStates& boxes, TagSpan traitBoxes, std::string_view candidate) {
    if (groupKind(candidate) != GroupKind::GroupThree)
        return true;
    const bool firstTicked = boxes.ticked(traitBoxes.first);
    const bool lastTicked = boxes.ticked(traitBoxes.last);
    if (firstTicked == lastTicked)
        return true;
    const int tickedTag = firstTicked ? traitBoxes.first : traitBoxes.last;
    return groupThreeTrait(candidate) == boxes.caption(tickedTag);
}

}  // namespace suoshui
