// Views of the window definition table for the summary, the toggles, the filter and the
// construction of the window. Each is computed once from the rows.

#include <algorithm>

#include "features/WindowTable.h"

namespace suoshui {

namespace {

std::vector<SummaryLine> summaryLinesOf(SummarySection section) {
    std::vector<std::pair<int, SummaryLine>> placed;
    for (const WindowRow& row : windowRows()) {
        for (const ConditionGroupDef& group : row.groups) {
            for (const SummaryPart& part : group.summary) {
                if (part.section != section)
                    continue;
                placed.push_back({part.position,
                                  {part.tags.first, part.tags.last, part.label, part.labelIncluded,
                                   group.include}});
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

std::vector<const ConditionGroupDef*> groupsOfStage(Stage stage) {
    std::vector<const ConditionGroupDef*> groups;
    for (const WindowRow& row : windowRows()) {
        for (const ConditionGroupDef& group : row.groups) {
            if (group.stage == stage)
                groups.push_back(&group);
        }
    }
    std::sort(groups.begin(), groups.end(),
              [](const auto* a, const auto* b) { return a->order < b->order; });
    return groups;
}

std::vector<WindowBox> buildWindowBoxes() {
    std::vector<WindowBox> boxes;
    for (const WindowRow& row : windowRows()) {
        for (const TagSpan& span : row.spans) {
            for (int tag = span.first; tag <= span.last; ++tag)
                boxes.push_back({tag, row.captionOf(tag), BoxKind::Value, &row});
        }
        for (const SelectAllToggleDef& toggle : row.toggles)
            boxes.push_back({toggle.tag, kSelectAllCaption, BoxKind::SelectAll, &row});
    }
    boxes.push_back({kClickRelayTag, kClickRelayCaption, BoxKind::Relay, nullptr});
    return boxes;
}

std::vector<SelectAllToggleDef> buildToggles() {
    std::vector<SelectAllToggleDef> toggles;
    for (const WindowRow& row : windowRows())
        toggles.insert(toggles.end(), row.toggles.begin(), row.toggles.end());
    std::sort(toggles.begin(), toggles.end(),
              [](const auto& a, const auto& b) { return a.tag < b.tag; });
    return toggles;
}

}  // namespace

std::vector<SummaryLine> basicSummaryLines() {
    return summaryLinesOf(SummarySection::Basic);
}

std::vector<SummaryLine> extendedSummaryLines() {
    return summaryLinesOf(SummarySection::Extended);
}

const std::vector<SelectAllToggleDef>& selectAllToggles() {
    static const std::vector<SelectAllToggleDef> toggles = buildToggles();
    return toggles;
}

const std::vector<const ConditionGroupDef*>& stageGroups(Stage stage) {
    static const std::vector<const ConditionGroupDef*> basic = groupsOfStage(Stage::Basic);
    static const std::vector<const ConditionGroupDef*> extra = groupsOfStage(Stage::Extra);
    static const std::vector<const ConditionGroupDef*> untested = groupsOfStage(Stage::Untested);
    switch (stage) {
        case Stage::Basic:
            return basic;
        case Stage::Extra:
            return extra;
        case Stage::Untested:
            return untested;
    }
    return untested;
}

const WindowRow* rowOfTag(int tag) {
    for (const WindowRow& row : windowRows()) {
        for (const TagSpan& span : row.spans) {
            if (span.contains(tag))
                return &row;
        }
    }
    return nullptr;
}

const std::vector<WindowBox>& windowBoxes() {
    static const std::vector<WindowBox> boxes = buildWindowBoxes();
    return boxes;
}

}  // namespace suoshui
