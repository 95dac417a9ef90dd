// Feeds arbitrary bytes, after a scheme's heading, to the scheme reader: it must give a fault
// with a line inside the text, or a scheme that writes and reads back as itself.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "lists/Scheme.h"

using suoshui::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    suoshui::readScheme(bytes);
    const std::string text = std::string(suoshui::kSchemeHeading) + "\n" + std::string(bytes);
    const suoshui::SchemeReading reading = suoshui::readScheme(text);
    if (!reading.scheme) {
        check(!reading.fault.empty() && reading.faultLine >= 0);
        return 0;
    }
    const suoshui::SchemeReading again = suoshui::readScheme(suoshui::schemeText(*reading.scheme));
    check(again.scheme && again.scheme->settings == reading.scheme->settings &&
          again.scheme->grouping == reading.scheme->grouping);
    return 0;
}
