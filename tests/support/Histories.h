#pragma once

#include <vector>

#include "history/DrawHistory.h"

namespace suoshui::testing {

// A history of bare numbers, newest first, without issues or dates.
inline DrawHistory historyOf(const std::vector<int>& numbers) {
    DrawHistory history;
    for (int number : numbers)
        history.push_back({"", "", number});
    return history;
}

}  // namespace suoshui::testing
