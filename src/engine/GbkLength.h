#pragma once

#include <cstddef>
#include <string_view>

namespace suoshui {

// Length of a UTF-8 text as the player's GBK files count it: one byte for every ASCII
// character, two for every other character. A stray continuation byte counts as one
// character of its own, so malformed text is never shorter than it looks.
std::size_t gbkByteLength(std::string_view utf8);

}  // namespace suoshui
