#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "lists/NumberText.h"

namespace suoshui {

// "暂存结果": the base list after appending the numbers of the report's listing, normalised
// with the two list options. Nothing when the report has no listing to store.
std::optional<std::string> baseListAfterStore(std::string_view report, std::string_view baseList,
                                              const ListReading& reading);

}  // namespace suoshui
