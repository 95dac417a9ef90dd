#include "features/GroupMatcher.h"

#include "features/TickedCaptions.h"

namespace suoshui {

namespace {

bool contains(std::string_view value, std::string_view part) {
    return value.find(part) != std::string_view::npos;
}

// A pair caption matches when both its first and its last character occur anywhere in the
// number, in any order.
bool containsBothEnds(std::string_view value, std::string_view caption) {
    if (caption.empty())
        return false;
    return value.find(caption.front()) != std::string_view::npos &&
           value.find(caption.back()) != std::string_view::npos;
}

bool matchExcludedDigits(const BoxStates& boxes, TagSpan span, std::string_view value) {
    return !anyTickedCaption(
        boxes, span, [value](std::string_view caption) { return contains(value, caption); });
}

// Excluding, a ticked pair in the number rejects it. Including, a ticked pair in the number
// passes it, and so does every box ticked. The group's "全选" toggle, when on, decides alone.
bool matchDigitPairs(const FilterSettings& settings, const ConditionGroup& group,
                     std::string_view value) {
    const bool include = settings.isChecked(group.include);
    const SelectAllToggleDef* toggle = toggleOfGroup(group);
    if (toggle != nullptr && settings.boxes.ticked(toggle->tag))
        return include;
    const bool tickedPairFound = anyTickedCaption(
        settings.boxes, group.tags,
        [value](std::string_view caption) { return containsBothEnds(value, caption); });
    if (!include)
        return !tickedPairFound;
    return tickedPairFound || allTicked(settings.boxes, group.tags);
}

// The banker digits are typed on the "胆拖" page in that mode, so the boxes do not count there.
bool matchBankerDigits(const FilterSettings& settings, TagSpan span, std::string_view value) {
    if (settings.mode == GenerationMode::BankerDrag)
        return true;
    return noneTickedOrAccepted(settings.boxes, span, [value](std::string_view caption) {
        return contains(value, caption);
    });
}

}  // namespace

bool matchGroup(const FilterSettings& settings, const ConditionGroup& group,
                std::string_view value) {
    switch (group.test) {
        case TestKind::ExcludedDigits:
            return matchExcludedDigits(settings.boxes, group.tags, value);
        case TestKind::DigitPairs:
            return matchDigitPairs(settings, group, value);
        case TestKind::BankerDigits:
            return matchBankerDigits(settings, group.tags, value);
        default:
            return noneTickedOrEqual(settings.boxes, group.tags, value);
    }
}

}  // namespace suoshui
