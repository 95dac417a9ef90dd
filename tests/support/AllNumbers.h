#pragma once

#include <string>
#include <vector>

namespace suoshui::testing {

// Every number from "000" to "999", ascending.
inline std::vector<std::string> allNumbers() {
    std::vector<std::string> numbers;
    for (int value = 0; value < 1000; ++value) {
        std::string text = std::to_string(value);
        numbers.push_back(std::string(3 - text.size(), '0') + text);
    }
    return numbers;
}

}  // namespace suoshui::testing
