#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace suoshui {

// Reading the program's own reports back: what "暂存结果" takes from the result box, and what
// an import takes from a file the program saved.

// The listing that "暂存结果" stores from a report: the text after the count line's "注" up to
// the next "注", or, when the numbers are listed in groups, every number of every group. Nothing
// when there is no "注" or nothing after it.
std::optional<std::string> listingToStore(std::string_view report);

// For a file this program saved (it begins with the title line): the numbers of every result
// listing it holds, in order, one listing a line; the dates, counts and condition lines of the
// reports give none. Nothing for any other text.
std::optional<std::string> savedFileListings(std::string_view fileText);

}  // namespace suoshui
