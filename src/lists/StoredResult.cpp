#include "lists/StoredResult.h"

#include <optional>
#include <string>
#include <string_view>

#include "lists/NumberText.h"

namespace suoshui {

namespace {

constexpr std::string_view kCountMark = "注";
constexpr std::string_view kBaseListHint =
    "例如：  123  235  262  687  （只能用空格分开）\r\n也可以把号码直接粘贴在这里\r\n";

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

void storeResult(Controls& controls, Session& session) {
    const std::string report = controls.text(TextBox::Result);
    const std::optional<std::string_view> listing = resultListing(report);
    if (!listing)
        return;
    std::string baseList = controls.text(TextBox::BaseList);
    // Only the untouched hint is thrown away, so numbers the player typed before the first
    // store are kept.
    if (!session.baseListStored && baseList == kBaseListHint)
        baseList.clear();
    baseList += normaliseNumberText(controls, *listing);
    controls.setText(TextBox::BaseList, baseList);
    session.baseListStored = true;
}

}  // namespace suoshui
