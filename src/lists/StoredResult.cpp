#include "lists/StoredResult.h"

#include "lists/InputHints.h"
#include "lists/NumberText.h"

namespace suoshui {

namespace {

constexpr std::string_view kCountMark = "注";

// The listing follows the count line's "注" and runs to the next "注" (a group header) or to
// the end. None when there is no "注" or nothing after it: then there is nothing to store.
std::optional<std::string_view> resultListing(std::string_view report) {
    const std::size_t mark = report.find(kCountMark);
    if (mark == std::string_view::npos)
        return std::nullopt;
    const std::string_view rest = report.substr(mark + kCountMark.size());
    if (rest.empty())
        return std::nullopt;
    return rest.substr(0, rest.find(kCountMark));
}

}  // namespace

std::optional<std::string> baseListAfterStore(std::string_view report, std::string_view baseList,
                                              bool firstStore, bool intersect, bool groupToDirect) {
    const std::optional<std::string_view> listing = resultListing(report);
    if (!listing)
        return std::nullopt;
    // Only the untouched hint is thrown away, so numbers the player typed before the first
    // store are kept.
    std::string stored = firstStore && baseList == kBaseListHint ? "" : std::string(baseList);
    stored += normaliseNumberText(*listing, intersect, groupToDirect);
    return stored;
}

}  // namespace suoshui
