#pragma once

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

#include "features/ConditionTable.h"
#include "features/FilterSettings.h"

namespace suoshui::testing {

// Ticks the boxes of the span whose captions are listed, as a player reading them would.
inline void tickCaptions(FilterSettings& settings, TagSpan span,
                         std::initializer_list<std::string_view> captions) {
    for (int tag = span.first; tag <= span.last; ++tag) {
        for (std::string_view caption : captions) {
            if (settings.boxes.caption(tag) == caption)
                settings.boxes.setTicked(tag);
        }
    }
}

// The tested group of this order (1-40).
inline const ConditionGroup& groupOfOrder(int order) {
    for (const ConditionGroup* group : testedGroups()) {
        if (group->order == order)
            return *group;
    }
    throw std::runtime_error("no group of order " + std::to_string(order));
}

// The group of the summary line with this label.
inline const ConditionGroup& groupLabelled(std::string_view label) {
    for (const ConditionRow& row : conditionRows()) {
        for (const ConditionGroup& group : row.groups) {
            for (const SummaryPart& part : group.summary) {
                if (part.label == label)
                    return group;
            }
        }
    }
    throw std::runtime_error("no group labelled " + std::string(label));
}

}  // namespace suoshui::testing
