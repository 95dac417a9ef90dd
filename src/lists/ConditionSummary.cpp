#include "lists/ConditionSummary.h"

#include <array>
#include <utility>
#include <vector>

#include "features/WindowTable.h"
#include "lists/ResultListing.h"

namespace suoshui {

namespace {

constexpr std::string_view kNoResultText =
    "符合条件的号码共有0注\r\n条件太苛刻了！这是火星人登陆地球的条件。";

// The play-type text of the report for each number type, tested in this order.
constexpr std::array<std::pair<Radio, std::string_view>, 6> kPlayTypes = {{
    {Radio::Direct, "直选"},
    {Radio::DirectSix, "直选组六"},
    {Radio::DirectThree, "直选组三"},
    {Radio::Group, "组选"},
    {Radio::GroupSix, "组六组选"},
    {Radio::GroupThree, "组三组选"},
}};

std::string_view playTypeText(const Controls& controls) {
    for (const auto& [radio, text] : kPlayTypes) {
        if (controls.isChecked(radio))
            return text;
    }
    return {};
}

std::string exclusionLine(const Controls& controls) {
    if (!controls.isChecked(Check::ExcludeSets))
        return {};
    std::string collected;
    for (TextBox box :
         {TextBox::ExcludeSet1, TextBox::ExcludeSet2, TextBox::ExcludeSet3, TextBox::ExcludeSet4}) {
        const std::string text = controls.text(box);
        if (!text.empty())
            collected += text + "  ";
    }
    const std::string singles = controls.text(TextBox::ExcludeSingles);
    if (!singles.empty())
        collected += "\r\n排除单式号码：" + singles + "  ";
    if (collected.empty())
        return {};
    return "排除复式： " + collected + "\r\n";
}

std::string summaryLines(const Controls& controls, const TagTable& tags,
                         const std::vector<SummaryLine>& lines) {
    std::string text;
    for (const SummaryLine& line : lines) {
        const bool included = line.include && controls.isChecked(*line.include);
        text +=
            conditionLine(tags, line.first, line.last, included ? line.labelIncluded : line.label);
    }
    return text;
}

}  // namespace

std::string conditionLine(const TagTable& tags, int first, int last, std::string_view label) {
    std::string captions;
    int tickedCount = 0;
    for (int tag = first; tag <= last; ++tag) {
        if (!tags.ticked(tag))
            continue;
        captions += tags.caption(tag) + " ";
        ++tickedCount;
    }
    if (tickedCount == 0 || tickedCount == last - first + 1)
        return {};
    return std::string(label) + captions + "\r\n";
}

std::string conditionSummaryText(Controls& controls, const TagTable& tags,
                                 const NumberList& results) {
    if (results.empty())
        return std::string(kNoResultText);
    std::string report = exclusionLine(controls);
    const std::string listing = resultListing(controls, results);
    report += summaryLines(controls, tags, basicSummaryLines());
    if (controls.isChecked(Check::ExtraEnabled)) {
        report += summaryLines(controls, tags, extendedSummaryLines());
    }
    report += "符合条件的" + std::string(playTypeText(controls)) + "号    共有" +
              std::to_string(results.size()) + "注\r\n" + listing;
    return report;
}

void buildConditionSummary(Controls& controls, const Session& session) {
    controls.setText(TextBox::Result, "");
    controls.setText(TextBox::Result,
                     conditionSummaryText(controls, session.tags, session.results));
}

}  // namespace suoshui
