#pragma once

#include <string_view>

#include "engine/LotteryNumber.h"
#include "engine/NumberSet.h"

namespace suoshui {

// The "类型：" choice: which numbers a run lists, and whether it lists direct numbers or each
// group once by its group form.
enum class NumberType {
    Direct,       // "直选号": every number
    DirectSix,    // "组六直选": direct numbers with three different digits
    DirectThree,  // "组三直选": direct numbers with exactly two equal digits
    Group,        // "组选号": every group but "豹子"
    GroupSix,     // "组六组选"
    GroupThree,   // "组三组选"
};

// The three group types list group forms, once each.
bool isGroupSelection(NumberType type);

// Whether the type lists numbers of this kind at all.
bool listsKind(NumberType type, GroupKind kind);

}  // namespace suoshui
