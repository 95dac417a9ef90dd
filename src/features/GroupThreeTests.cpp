#include "features/GroupThreeTests.h"

#include <string>

#include "engine/LotteryNumber.h"
#include "features/FeatureText.h"
#include "features/GroupThreeFeatures.h"
#include "features/TickedCaptions.h"

namespace suoshui {

bool testGroupThreeDigitRow(const FilterSettings& settings, const ConditionGroup& group,
                            std::string_view candidate) {
    if (groupKind(candidate) == GroupKind::GroupSix)
        return true;
    const std::string value = featureText(group.feature, candidate);
    const bool found =
        anyTickedCaption(settings.boxes, group.tags,
                         [&value](std::string_view caption) { return caption == value; });
    const bool include = settings.isChecked(group.include);
    return include ? found : !found;
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
