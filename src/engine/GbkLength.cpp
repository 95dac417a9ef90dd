#include "engine/GbkLength.h"

namespace suoshui {

namespace {

bool isContinuationByte(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

}  // namespace

std::size_t gbkByteLength(std::string_view utf8) {
    std::size_t length = 0;
    bool inCharacter = false;
    for (char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            length += 1;
            inCharacter = false;
        } else if (!isContinuationByte(byte) || !inCharacter) {
            length += 2;
            inCharacter = !isContinuationByte(byte);
        }
    }
    return length;
}

}  // namespace suoshui
