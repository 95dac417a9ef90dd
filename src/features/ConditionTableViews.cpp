// Views of the condition table for the summary, the toggles, the filter and the construction of
// the window. Each is computed once from the rows.

#include <algorithm>

#include "features/ConditionTable.h"

namespace suoshui {

namespace {

std::vector<SummaryLine> summaryLinesOf(SummarySection section) {
    std::vector<std::pair<int, SummaryLine>> placed;
    for (const ConditionRow& row : conditionRows()) {
        for (const ConditionGroup& group : row.groups) {
            for (const SummaryPart& part : group.summary) {
                if (part.section == section)
                    placed.push_back({part.position,
                                      {part.tags, part.label, part.labelIncluded, group.include}});
            }
        }
    }
    std::sort(placed.begin(), placed.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<SummaryLine> lines;
    for (const auto& entry : placed)
        lines.push_back(entry.second);
    return lines;
}

std::vector<const ConditionGroup*> groupsWhere(bool (*wanted)(const ConditionGroup&)) {
    std::vector<const ConditionGroup*> groups;
    for (const ConditionRow& row : conditionRows()) {
        for (const ConditionGroup& group : row.groups) {
            if (wanted(group))
                groups.push_back(&group);
        }
    }
    std::sort(groups.begin(), groups.end(),
              [](const auto* a, const auto* b) { return a->order < b->order; });
    return groups;
}

std::vector<WindowBox> buildWindowBoxes() {
    std::vector<WindowBox> boxes;
    for (const ConditionRow& row : conditionRows()) {
        for (int tag : row.tags())
            boxes.push_back({tag, row.captionOf(tag), BoxKind::Value, &row});
        for (const SelectAllToggleDef& toggle : row.toggles)
            boxes.push_back({toggle.tag, kSelectAllCaption, BoxKind::SelectAll, &row});
    }
    boxes.push_back({kClickRelayTag, kClickRelayCaption, BoxKind::Relay, nullptr});
    return boxes;
}

std::vector<SelectAllToggleDef> buildToggles() {
    std::vector<SelectAllToggleDef> toggles;
    for (const ConditionRow& row : conditionRows())
        toggles.insert(toggles.end(), row.toggles.begin(), row.toggles.end());
    std::sort(toggles.begin(), toggles.end(),
              [](const auto& a, const auto& b) { return a.tag < b.tag; });
    return toggles;
}

const ConditionGroup* firstGroupWhere(const auto& wanted) {
    for (const ConditionRow& row : conditionRows()) {
        for (const ConditionGroup& group : row.groups) {
            if (wanted(group))
                return &group;
        }
    }
    return nullptr;
}

}  // namespace

const std::vector<SummaryLine>& basicSummaryLines() {
    static const std::vector<SummaryLine> lines = summaryLinesOf(SummarySection::Basic);
    return lines;
}

const std::vector<SummaryLine>& extendedSummaryLines() {
    static const std::vector<SummaryLine> lines = summaryLinesOf(SummarySection::Extended);
    return lines;
}

const std::vector<SelectAllToggleDef>& selectAllToggles() {
    static const std::vector<SelectAllToggleDef> toggles = buildToggles();
    return toggles;
}

const SelectAllToggleDef* toggleOfTag(int tag) {
    for (const SelectAllToggleDef& toggle : selectAllToggles()) {
        if (toggle.tag == tag)
            return &toggle;
    }
    return nullptr;
}

const SelectAllToggleDef* toggleSyncedFrom(int tag) {
    for (const SelectAllToggleDef& toggle : selectAllToggles()) {
        for (const TagSpan& span : toggle.syncedFrom) {
            if (span.contains(tag))
                return &toggle;
        }
    }
    return nullptr;
}

const SelectAllToggleDef* toggleOfSpan(TagSpan span) {
    for (const SelectAllToggleDef& toggle : selectAllToggles()) {
        if (toggle.first == span.first && toggle.count == span.count())
            return &toggle;
    }
    return nullptr;
}

const SelectAllToggleDef* toggleOfGroup(const ConditionGroup& group) {
    return toggleOfSpan(group.tags);
}

const std::vector<const ConditionGroup*>& stageGroups(Stage stage) {
    static const auto basic = groupsWhere([](const auto& g) { return g.stage == Stage::Basic; });
    static const auto extra = groupsWhere([](const auto& g) { return g.stage == Stage::Extra; });
    static const auto none = groupsWhere([](const auto& g) { return g.stage == Stage::Untested; });
    switch (stage) {
        case Stage::Basic:
            return basic;
        case Stage::Extra:
            return extra;
        case Stage::Untested:
            return none;
    }
    return none;
}

const std::vector<const ConditionGroup*>& testedGroups() {
    static const auto tested =
        groupsWhere([](const auto& g) { return g.stage != Stage::Untested; });
    return tested;
}

const ConditionGroup* groupWithTest(TestKind test) {
    return firstGroupWhere([test](const ConditionGroup& group) { return group.test == test; });
}

const ConditionGroup* groupWithFeature(Feature feature) {
    return firstGroupWhere(
        [feature](const ConditionGroup& group) { return group.feature == feature; });
}

const ConditionRow* rowOfTag(int tag) {
    for (const ConditionRow& row : conditionRows()) {
        if (row.indexOf(tag) >= 0)
            return &row;
    }
    return nullptr;
}

const std::vector<WindowBox>& windowBoxes() {
    static const std::vector<WindowBox> boxes = buildWindowBoxes();
    return boxes;
}

bool startsExcluded(int tag) {
    const ConditionRow* row = rowOfTag(tag);
    if (row == nullptr) {
        for (const ConditionRow& owner : conditionRows()) {
            for (const SelectAllToggleDef& toggle : owner.toggles) {
                if (toggle.tag == tag)
                    return owner.include.has_value();
            }
        }
        return false;
    }
    for (const ConditionGroup& group : row->groups) {
        if (group.tags.contains(tag))
            return group.include.has_value() || group.test == TestKind::ExcludedDigits;
    }
    return false;
}

std::optional<int> tagOfFeatureValue(Feature feature, std::string_view value) {
    const ConditionGroup* group = groupWithFeature(feature);
    if (!group)
        return std::nullopt;
    for (int tag = group->tags.first; tag <= group->tags.last; ++tag) {
        const ConditionRow* row = rowOfTag(tag);
        if (row && row->captionOf(tag) == value)
            return tag;
    }
    return std::nullopt;
}

}  // namespace suoshui
