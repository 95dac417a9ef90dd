#pragma once

#include <string>
#include <vector>

namespace suoshui {

// One past draw of 福彩3D or 排列3: both draw three digits.
struct Draw {
    std::string issue;  // the issue number as written, digits only; empty when the source had none
    std::string date;   // "2026-08-30"; empty when the source had none
    int number = 0;     // the drawn number, 0-999

    bool operator==(const Draw&) const = default;
};

// The draws of a history, the newest first.
using DrawHistory = std::vector<Draw>;

}  // namespace suoshui
