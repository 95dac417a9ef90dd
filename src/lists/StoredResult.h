#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace suoshui {

// "暂存结果": the base list after appending the numbers of the result listing (the text between
// the first and the second "注" of the report), normalised with the two list options. The first
// store clears the base list only while it still holds its initial hint. Nothing when the report
// has no listing to store.
std::optional<std::string> baseListAfterStore(std::string_view report, std::string_view baseList,
                                              bool firstStore, bool intersect, bool groupToDirect);

}  // namespace suoshui
