// Feeds arbitrary bytes, with and without the saved files' title line in front, to the readers
// of the program's own reports: what "暂存结果" takes from the result box and what an import
// takes from a saved file. The saved-file reader may give only lines of digits and blanks.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "lists/ReportFile.h"
#include "lists/ReportReading.h"

namespace {

using suoshui::fuzz::check;

// Digits and blanks, in lines ended by CR LF.
bool isListingLines(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
            continue;
        }
        if (c != ' ' && (c < '0' || c > '9'))
            return false;
    }
    return text.empty() || text.ends_with("\r\n");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    suoshui::listingToStore(bytes);
    check(!suoshui::savedFileListings(bytes) ||
          bytes.find(suoshui::kSavedFileTitle) != std::string_view::npos);
    const std::string saved = std::string(suoshui::kSavedFileTitle) + "\r\n" + std::string(bytes);
    const std::optional<std::string> listings = suoshui::savedFileListings(saved);
    check(listings.has_value() && isListingLines(*listings));
    check(listings->size() <= saved.size() * 2);
    return 0;
}
