#include "history/Omission.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "engine/LotteryNumber.h"
#include "features/FeatureText.h"

namespace suoshui {

namespace {

// For one group: the box (its place among the group's tags) that each number's feature text
// names, -1 for none. Built once from the condition table, so that counting is a lookup per
// draw and group.
struct ValueTable {
    TagSpan tags;
    std::array<std::int16_t, kNumberCount> boxOf{};
};

ValueTable valueTableOf(const ConditionRow& row, const ConditionGroup& group) {
    ValueTable table{group.tags, {}};
    for (int number = 0; number < kNumberCount; ++number) {
        const std::string value = featureText(group.feature, numberText(number));
        std::int16_t box = -1;
        for (int tag = group.tags.first; tag <= group.tags.last && box < 0; ++tag) {
            if (row.captionOf(tag) == value)
                box = static_cast<std::int16_t>(tag - group.tags.first);
        }
        table.boxOf[static_cast<std::size_t>(number)] = box;
    }
    return table;
}

const std::vector<ValueTable>& valueTables() {
    static const std::vector<ValueTable> tables = [] {
        std::vector<ValueTable> built;
        for (const ConditionRow& row : conditionRows()) {
            for (const ConditionGroup& group : row.groups) {
                if (hasOneValuePerNumber(group))
                    built.push_back(valueTableOf(row, group));
            }
        }
        return built;
    }();
    return tables;
}

std::size_t slotOf(int tag) {
    return static_cast<std::size_t>(tag);
}

}  // namespace

bool hasOneValuePerNumber(const ConditionGroup& group) {
    return group.test == TestKind::General || group.test == TestKind::ExtraGroup ||
           group.test == TestKind::HighLowShape;
}

OmissionCounts::OmissionCounts(const DrawHistory& history)
    : byTag_(slotOf(kExtraTags.last) + 1),
      counted_(slotOf(kExtraTags.last) + 1, false),
      drawCount_(history.size()) {
    const std::size_t recent = recentDraws();
    for (const ValueTable& table : valueTables()) {
        // The index of the newest draw seen so far that gave each box; none yet at first.
        std::vector<std::size_t> seenAt(static_cast<std::size_t>(table.tags.count()), 0);
        std::vector<bool> seen(seenAt.size(), false);
        for (std::size_t index = 0; index < history.size(); ++index) {
            const int box = table.boxOf[static_cast<std::size_t>(history[index].number)];
            if (box < 0)
                continue;
            const auto at = static_cast<std::size_t>(box);
            ValueOmission& omission = byTag_[slotOf(table.tags.first + box)];
            const std::size_t gap = seen[at] ? index - seenAt[at] - 1 : index;
            omission.longest = std::max(omission.longest, gap);
            omission.seen = true;
            if (!seen[at])
                omission.current = index;
            omission.recentHits += index < recent ? 1 : 0;
            seen[at] = true;
            seenAt[at] = index;
        }
        for (int tag = table.tags.first; tag <= table.tags.last; ++tag) {
            const auto at = static_cast<std::size_t>(tag - table.tags.first);
            ValueOmission& omission = byTag_[slotOf(tag)];
            // The stretch before the oldest appearance goes on before the first draw kept.
            const std::size_t gap = seen[at] ? drawCount_ - seenAt[at] - 1 : drawCount_;
            omission.longestOpen = gap > omission.longest;
            omission.longest = std::max(omission.longest, gap);
            if (!seen[at])
                omission.current = drawCount_;
            counted_[slotOf(tag)] = true;
        }
    }
}

const ValueOmission* OmissionCounts::of(int tag) const {
    if (tag < 0 || slotOf(tag) >= byTag_.size() || !counted_[slotOf(tag)])
        return nullptr;
    return &byTag_[slotOf(tag)];
}

std::string omissionText(const ValueOmission& omission, std::size_t recentDraws) {
    if (!omission.seen)
        return std::to_string(omission.current) + " 期内未出现";
    return "遗漏 " + std::to_string(omission.current) + " 期，最大遗漏 " +
           (omission.longestOpen ? "≥ " : "") + std::to_string(omission.longest) + " 期，近 " +
           std::to_string(recentDraws) + " 期出现 " + std::to_string(omission.recentHits) + " 次";
}

std::string currentOmissionText(const ValueOmission& omission) {
    return (omission.seen ? "" : "≥") + std::to_string(omission.current);
}

}  // namespace suoshui
