#include "lists/RunStatus.h"

#include <vector>

#include "engine/LotteryNumber.h"
#include "features/ConditionCheck.h"
#include "lists/NumberText.h"

namespace suoshui {

namespace {

struct Step {
    std::string name;
    int removed;
};

std::string count(int value) {
    return std::to_string(value);
}

std::vector<Step> stepsThatRemoved(const RunTally& tally) {
    std::vector<Step> steps;
    const auto add = [&steps](std::string name, int removed) {
        if (removed > 0)
            steps.push_back({std::move(name), removed});
    };
    add("类型", tally.byNumberType);
    add("复式排除", tally.byExclusionSets);
    for (const ConditionGroup* group : testedGroups())
        add(std::string(group->name), tally.byGroup[static_cast<std::size_t>(group->order - 1)]);
    add("容错", tally.byTolerance);
    add("单式排除", tally.bySingles);
    add("条件随机", tally.byThinning);
    return steps;
}

std::string noCandidatesReason(const FilterSettings& settings) {
    switch (settings.mode) {
        case GenerationMode::DigitSet:
            return "没有号码：不定位的数字序列是空的";
        case GenerationMode::BankerDrag:
            return "没有号码：胆码和拖码都要填";
        case GenerationMode::BaseList:
            if (settings.isChecked(Check::Intersect) && numbersIn(settings.baseList).size() > 0)
                return "没有号码：取交集要的是在大底中出现至少 " +
                       std::to_string(settings.intersectCount) +
                       " 次的号码，没有一个号码出现这么多次";
            return "没有号码：大底里没有三位数的号码";
        case GenerationMode::Positional:
            break;
    }
    return "没有号码";
}

std::string whyNothingKept(const RunTally& tally, const FilterSettings& settings,
                           const std::vector<Step>& steps) {
    if (tally.candidates == 0)
        return noCandidatesReason(settings);
    if (tally.byThinning > 0 && leadingNumber(settings.targetCount) == 0)
        return "条件随机的注数是空的或为 0，号码全被去掉了";
    const Step* most = &steps.front();
    for (const Step& step : steps) {
        if (step.removed > most->removed)
            most = &step;
    }
    return "条件太严，没有号码留下；去掉最多的是 " + most->name + "（" + count(most->removed) +
           " 注）";
}

// Players count 胆拖 bets in more than one way; the run says which numbers it took.
std::string bankerDragRule(const FilterSettings& settings) {
    static constexpr const char* kPlaces[] = {"任意位置", "百位", "十位", "个位"};
    const int position =
        settings.bankerPosition >= 0 && settings.bankerPosition <= 3 ? settings.bankerPosition : 0;
    return "胆拖的号码：含胆码（" + std::string(kPlaces[position]) +
           "）和至少一个拖码，只由胆码和拖码的数字组成，胆码也可出现两次（如 112），不含豹子";
}

// Players read "交集" as "in every list"; the run says the rule it applied and what it gave.
std::string intersectionRule(const RunTally& tally, const FilterSettings& settings) {
    std::string text = "取交集：保留大底中出现至少 " + count(settings.intersectCount) + " 次的号码";
    if (!settings.isChecked(Check::GroupToDirect))
        text += " " + count(tally.candidates) + " 注";
    return text;
}

}  // namespace

std::string runStatusText(const RunTally& tally, const FilterSettings& settings) {
    const std::vector<Step> steps = stepsThatRemoved(tally);
    std::string text =
        "候选 " + count(tally.candidates) + " 注 → 保留 " + count(tally.kept) + " 注";
    if (tally.kept == 0)
        text = whyNothingKept(tally, settings, steps) + "。" + text;
    else if (settings.mode == GenerationMode::BaseList && settings.isChecked(Check::Intersect))
        text = intersectionRule(tally, settings) + "。" + text;
    for (std::size_t i = 0; i < steps.size(); ++i)
        text += (i == 0 ? "；" : "，") + steps[i].name + " 去掉 " + count(steps[i].removed);
    const std::string ignored = ignoredExclusionSets(settings);
    if (!ignored.empty())
        text += "。" + ignored + " 不足 4 个数字，没有起作用";
    if (settings.mode == GenerationMode::BankerDrag && tally.candidates > 0)
        text += "。" + bankerDragRule(settings);
    return text;
}

std::string ignoredExclusionSets(const FilterSettings& settings) {
    if (!settings.isChecked(Check::ExcludeSets) || !exclusionTextsAllShort(settings))
        return {};
    std::string boxes;
    for (std::size_t i = 0; i < settings.excludeSets.size(); ++i) {
        if (!settings.excludeSets[i].empty())
            boxes += (boxes.empty() ? "" : "、") + count(static_cast<int>(i) + 1);
    }
    return boxes.empty() ? std::string() : "复式排除 " + boxes;
}

}  // namespace suoshui
