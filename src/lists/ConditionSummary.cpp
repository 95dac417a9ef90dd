#include "lists/ConditionSummary.h"

#include <array>
#include <utility>
#include <vector>

#include "features/ConditionTable.h"

namespace suoshui {

namespace {

// The play-type text of the report for each number type.
std::string_view playTypeText(NumberType type) {
    switch (type) {
        case NumberType::Direct:
            return "直选";
        case NumberType::DirectSix:
            return "直选组六";
        case NumberType::DirectThree:
            return "直选组三";
        case NumberType::Group:
            return "组选";
        case NumberType::GroupSix:
            return "组六组选";
        case NumberType::GroupThree:
            return "组三组选";
    }
    return {};
}

std::string exclusionLine(const FilterSettings& settings) {
    if (!settings.isChecked(Check::ExcludeSets))
        return {};
    std::string collected;
    for (const std::string& set : settings.excludeSets) {
        if (!set.empty())
            collected += set + "  ";
    }
    if (!settings.excludeSingles.empty())
        collected += "\r\n排除单式号码：" + settings.excludeSingles + "  ";
    if (collected.empty())
        return {};
    return "排除复式： " + collected + "\r\n";
}

std::string summaryLines(const FilterSettings& settings, const std::vector<SummaryLine>& lines) {
    std::string text;
    for (const SummaryLine& line : lines) {
        const bool included = settings.isChecked(line.include);
        text +=
            conditionLine(settings.boxes, line.tags, included ? line.labelIncluded : line.label);
    }
    return text;
}

}  // namespace

std::string conditionLine(const BoxStates& boxes, TagSpan span, std::string_view label) {
    std::string captions;
    int tickedCount = 0;
    for (int tag = span.first; tag <= span.last; ++tag) {
        if (!boxes.ticked(tag))
            continue;
        captions += boxes.caption(tag) + " ";
        ++tickedCount;
    }
    if (tickedCount == 0 || tickedCount == span.count())
        return {};
    return std::string(label) + captions + "\r\n";
}

std::string conditionSummaryText(const FilterSettings& settings, ResultGrouping grouping,
                                 const NumberList& results) {
    if (results.empty())
        return std::string(kNoResultText);
    std::string report = exclusionLine(settings);
    report += summaryLines(settings, basicSummaryLines());
    if (settings.isChecked(Check::ExtraEnabled))
        report += summaryLines(settings, extendedSummaryLines());
    if (settings.tolerance.on)
        report += "容错：" + settings.tolerance.rangeText() + "\r\n";
    report += "符合条件的" + std::string(playTypeText(settings.numberType)) + "号    共有" +
              std::to_string(results.size()) + "注\r\n" + resultListing(grouping, results);
    return report;
}

}  // namespace suoshui
