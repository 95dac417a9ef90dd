// Feeds arbitrary bytes to the number and digit text normalisers and the base list's reading,
// and checks the shape of what they return: nothing but three-digit items and blanks, ascending
// distinct digits, and counts that agree with the numbers.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "engine/LotteryNumber.h"
#include "lists/NumberText.h"

namespace {

using suoshui::fuzz::check;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Every maximal run of digits is one three-digit item, and every item ends with a blank.
bool isNumberText(const std::string& text) {
    std::size_t run = 0;
    for (char c : text) {
        if (isDigit(c)) {
            ++run;
        } else if (c == ' ') {
            if (run != 0 && run != 3)
                return false;
            run = 0;
        } else {
            return false;
        }
    }
    return run == 0;
}

// Without expansion the items are plain "ddd " with no extra blanks.
bool isPlainList(const std::string& text) {
    return text.size() % 4 == 0 && isNumberText(text) && text.find("  ") == std::string::npos;
}

bool isDigitSet(const std::string& digits) {
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (!isDigit(digits[i]) || (i > 0 && digits[i - 1] >= digits[i]))
            return false;
    }
    return true;
}

// Whether the text holds a digit as a player types it: ASCII, or full-width "０" to "９".
bool holdsDigit(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isDigit(text[i]))
            return true;
        if (i + 2 < text.size() && text[i] == '\xEF' && text[i + 1] == '\xBC' &&
            text[i + 2] >= '\x90' && text[i + 2] <= '\x99')
            return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const bool intersect = (data[0] & 1) != 0;
    const bool groupToDirect = (data[0] & 2) != 0;
    // 2 to 5 occurrences for the intersection.
    const suoshui::ListReading options{intersect, 2 + ((data[0] >> 2) & 3), groupToDirect};
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    const std::string numbers = suoshui::normaliseNumberText(text, options);
    check(groupToDirect ? isNumberText(numbers) : isPlainList(numbers));
    check(numbers.size() <= 1000 * 4 + 220);

    const std::string digits = suoshui::normaliseDigitText(text);
    check(isDigitSet(digits));
    check(holdsDigit(text) == !digits.empty());

    const suoshui::NumberTextReading reading = suoshui::readNumberText(text, options);
    check(reading.kept <= reading.found && reading.kept <= 1000);
    check(groupToDirect || reading.kept * 4 == numbers.size());
    check(reading.firstOddRuns.size() <= reading.oddRuns);
    return 0;
}
