#pragma once

#include <string_view>
#include <vector>

namespace suoshui {

// The lines of a text without their line ends (CR LF or LF). A text that ends with a line end
// has an empty last line.
std::vector<std::string_view> linesOf(std::string_view text);

// The text without a leading UTF-8 byte order mark, which some editors write.
std::string_view withoutByteOrderMark(std::string_view text);

}  // namespace suoshui
