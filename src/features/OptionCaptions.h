#pragma once

#include <array>
#include <string_view>
#include <utility>

#include "engine/NumberType.h"
#include "features/Options.h"

namespace suoshui {

// The captions of the choices, as the window shows them and a scheme file names them, each
// written once.

inline constexpr std::array<std::pair<NumberType, std::string_view>, 6> kNumberTypeCaptions = {{
    {NumberType::Direct, "直选号"},
    {NumberType::DirectSix, "组六直选"},
    {NumberType::DirectThree, "组三直选"},
    {NumberType::Group, "组选号"},
    {NumberType::GroupSix, "组六组选"},
    {NumberType::GroupThree, "组三组选"},
}};

inline constexpr std::array<std::pair<GenerationMode, std::string_view>, 4> kModeCaptions = {{
    {GenerationMode::Positional, "定位"},
    {GenerationMode::DigitSet, "不定位"},
    {GenerationMode::BankerDrag, "胆拖"},
    {GenerationMode::BaseList, "大底"},
}};

// The option boxes that stand on their own; the three "包含" boxes belong to their groups.
inline constexpr std::array<std::pair<Check, std::string_view>, 5> kOptionCaptions = {{
    {Check::ExcludeSets, "排 除"},
    {Check::RandomCount, "条件随机"},
    {Check::ExtraEnabled, "启用银选"},
    {Check::Intersect, "取 交 集"},
    {Check::GroupToDirect, "组选转直"},
}};

// Where the banker digit must stand, by the index of the position drop-down.
inline constexpr std::array<std::string_view, 4> kBankerPositionCaptions = {"不定位", "百  位",
                                                                            "十  位", "个  位"};

// The caption of a choice, or the choice of a caption.
template <typename Choice, std::size_t N>
std::string_view captionOf(const std::array<std::pair<Choice, std::string_view>, N>& captions,
                           Choice choice) {
    for (const auto& [each, caption] : captions) {
        if (each == choice)
            return caption;
    }
    return {};
}

template <typename Choice, std::size_t N>
const Choice* choiceOf(const std::array<std::pair<Choice, std::string_view>, N>& captions,
                       std::string_view caption) {
    for (const auto& entry : captions) {
        if (entry.second == caption)
            return &entry.first;
    }
    return nullptr;
}

}  // namespace suoshui
