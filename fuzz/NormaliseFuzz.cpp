// Feeds arbitrary bytes to the number and digit text normalisers and checks the shape of what
// they return: nothing but three-digit items and blanks, and ascending distinct digits.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/LotteryNumber.h"
#include "lists/NumberText.h"

namespace {

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

void check(bool condition) {
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const bool intersect = (data[0] & 1) != 0;
    const bool groupToDirect = (data[0] & 2) != 0;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    const std::string numbers = suoshui::normaliseNumberText(text, intersect, groupToDirect);
    check(groupToDirect ? isNumberText(numbers) : isPlainList(numbers));
    check(numbers.size() <= 1000 * 4 + 220);

    const std::string digits = suoshui::normaliseDigitText(text);
    check(isDigitSet(digits));
    check(text.empty() == digits.empty());
    return 0;
}
