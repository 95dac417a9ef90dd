#pragma once

#include <array>
#include <bitset>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/NumberType.h"
#include "features/ConditionTable.h"
#include "features/Options.h"

namespace suoshui {

// The ticked state and caption of every tagged box: the value boxes 1-530 and the "全选"
// toggles. Captions never change after the window is built, so copies share them.
class BoxStates {
  public:
    using Captions = std::vector<std::string>;

    // Nothing ticked; the captions of the condition table, the first box of a tag winning.
    BoxStates();
    // Nothing ticked, with the captions of a window's own boxes (indexed as `captionSlot`).
    explicit BoxStates(std::shared_ptr<const Captions> captions);

    // Asked for every box of every group for each candidate: kept inline.
    bool ticked(int tag) const {
        const int slot = slotOf(tag);
        return slot >= 0 && ticked_.test(static_cast<std::size_t>(slot));
    }
    // Tags that no box carries are never ticked; setting them changes nothing.
    void setTicked(int tag, bool ticked = true);
    void tick(TagSpan span, bool ticked = true);
    // Empty for a tag that no box carries.
    const std::string& caption(int tag) const;

    bool operator==(const BoxStates& other) const;

    // The slot of a tag in the captions, -1 for a tag outside the tagged ranges.
    static constexpr int slotOf(int tag) {
        if (tag >= 1 && tag <= kExtraTags.last)
            return tag;
        if (kToggleTags.contains(tag))
            return kExtraTags.last + 1 + tag - kToggleTags.first;
        return -1;
    }
    static constexpr int kSlotCount = kExtraTags.last + 1 + kToggleTags.count();

  private:
    std::bitset<kSlotCount> ticked_;
    std::shared_ptr<const Captions> captions_;
};

// "容错": a number passes the condition groups when the count of ticked groups it fails lies in
// [fewest, most]; the number type, the exclusions and the candidates stay strict.
struct Tolerance {
    bool on = false;
    int fewest = 0;
    int most = 0;
    bool operator==(const Tolerance&) const = default;

    // "fewest-most", as the report and a scheme write it.
    std::string rangeText() const { return std::to_string(fewest) + "-" + std::to_string(most); }
};

// "取交集" keeps the numbers that occur at least this many times in the base list, unless the
// player asks for more (2 to 99).
inline constexpr int kDefaultIntersectCount = 2;
inline constexpr int kMostIntersectCount = 99;

// Everything a filter run reads from the window, as one value: the boxes, the options, the
// number type, the generation mode with its inputs, the exclusion page and the random count.
// The window reads it in one call; tests build it directly.
struct FilterSettings {
    BoxStates boxes;
    std::array<bool, kCheckCount> checks{};
    NumberType numberType = NumberType::Direct;
    GenerationMode mode = GenerationMode::Positional;
    std::string digitSequence;  // "不定位"
    std::string banker;         // "胆码"
    std::string drag;           // "拖码"
    int bankerPosition = 0;     // 0 "不定位", 1 "百  位", 2 "十  位", 3 "个  位"
    std::string baseList;       // "大底", CR LF line ends
    int intersectCount = kDefaultIntersectCount;  // "取交集": the occurrences a number needs
    std::array<std::string, 4> excludeSets;       // "复式排除", in reading order
    std::string excludeSingles;                   // "单式排除"
    std::string targetCount;                      // "选择注数："
    Tolerance tolerance;

    bool isChecked(Check check) const { return checks[static_cast<std::size_t>(check)]; }
    // A group's "包含" option: false when the group has none.
    bool isChecked(std::optional<Check> check) const { return check && isChecked(*check); }
    void setChecked(Check check, bool checked = true) {
        checks[static_cast<std::size_t>(check)] = checked;
    }
    bool operator==(const FilterSettings&) const = default;

    // The same settings with the inputs a run would not read cleared: another mode's inputs,
    // the exclusion page while "排 除" is unticked, the count while "条件随机" is. Two settings
    // that agree here give the same run.
    FilterSettings asRunUsesThem() const;
};

}  // namespace suoshui
