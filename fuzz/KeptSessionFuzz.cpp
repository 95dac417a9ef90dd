// Feeds arbitrary bytes, after a kept session's heading, to its reader: it must give a fault,
// or a session that writes and reads back as itself.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "lists/KeptSession.h"

using suoshui::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    suoshui::readKeptSession(bytes);
    const std::string text = std::string(suoshui::kKeptSessionHeading) + "\r\n" +
                             std::string(suoshui::kSchemeHeading) + "\r\n" + std::string(bytes);
    const suoshui::KeptSessionReading reading = suoshui::readKeptSession(text);
    if (!reading.session) {
        check(!reading.fault.empty());
        return 0;
    }
    const suoshui::KeptSessionReading again =
        suoshui::readKeptSession(suoshui::keptSessionText(*reading.session));
    check(again.session && again.session->scheme.settings == reading.session->scheme.settings &&
          again.session->results == reading.session->results);
    return 0;
}
