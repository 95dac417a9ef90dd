#include "lists/StoredResult.h"

#include "lists/NumberText.h"
#include "lists/ReportReading.h"

namespace suoshui {

std::optional<std::string> baseListAfterStore(std::string_view report, std::string_view baseList,
                                              const ListReading& reading) {
    const std::optional<std::string> listing = listingToStore(report);
    if (!listing)
        return std::nullopt;
    return std::string(baseList) + normaliseNumberText(*listing, reading);
}

}  // namespace suoshui
