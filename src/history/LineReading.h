#pragma once

#include <utility>

#include "history/DrawHistory.h"

namespace suoshui {

// What one line of a history holds: nothing to read (a blank line, a title), a draw, or
// digits that give no draw for certain, which the load skips and names.
struct LineReading {
    enum class Kind { Nothing, Unreadable, Draw };

    Kind kind = Kind::Nothing;
    Draw draw;

    static LineReading nothing() { return {}; }
    static LineReading unreadable() { return {Kind::Unreadable, {}}; }
    static LineReading of(Draw draw) { return {Kind::Draw, std::move(draw)}; }
};

}  // namespace suoshui
