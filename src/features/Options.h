#pragma once

#include <cstddef>

namespace suoshui {

// The option check boxes a filter run reads.
enum class Check {
    ExcludeSets,         // "排 除"
    RandomCount,         // "条件随机"
    ExtraEnabled,        // "启用银选"
    Intersect,           // "取 交 集"
    GroupToDirect,       // "组选转直"
    IncludePairs,        // "包含" of the two-digit pairs
    IncludePairDigit,    // "包含" of the group-three pair digits
    IncludeSingleDigit,  // "包含" of the group-three single digits
};
inline constexpr std::size_t kCheckCount = 8;

// The "方式：" choice: where the candidates of a run come from.
enum class GenerationMode {
    Positional,  // "定位": every number 000-999
    DigitSet,    // "不定位": every number over a digit set
    BankerDrag,  // "胆拖": banker and drag digits
    BaseList,    // "大底": a typed, pasted or imported list
};

}  // namespace suoshui
