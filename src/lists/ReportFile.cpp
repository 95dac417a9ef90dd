#include "lists/ReportFile.h"

namespace suoshui {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string numbered(int value, std::string_view unit) {
    return std::to_string(value) + std::string(unit);
}

// How many continuation bytes follow a UTF-8 lead byte, or -1 when it cannot lead.
int continuationCount(unsigned char lead) {
    if (lead < 0x80)
        return 0;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 1;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 2;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 3;
    return -1;
}

// The range the first continuation byte must fall in, which rules out overlong forms,
// surrogates and code points above U+10FFFF.
bool firstContinuationFits(unsigned char lead, unsigned char next) {
    if (lead == 0xE0)
        return next >= 0xA0 && next <= 0xBF;
    if (lead == 0xED)
        return next >= 0x80 && next <= 0x9F;
    if (lead == 0xF0)
        return next >= 0x90 && next <= 0xBF;
    if (lead == 0xF4)
        return next >= 0x80 && next <= 0x8F;
    return next >= 0x80 && next <= 0xBF;
}

}  // namespace

std::string timeStampText(const LocalTime& time) {
    std::string text =
        numbered(time.year, "年") + numbered(time.month, "月") + numbered(time.day, "日");
    if (time.second != 0)
        return text + numbered(time.hour, "时") + numbered(time.minute, "分") +
               numbered(time.second, "秒");
    if (time.minute != 0)
        return text + numbered(time.hour, "时") + numbered(time.minute, "分");
    if (time.hour != 0)
        return text + numbered(time.hour, "时");
    return text;
}

std::string savedFileTitleLine() {
    return std::string(kSavedFileTitle) + "   " + std::string(kVersionText) + " 版" +
           std::string(kLineEnd);
}

std::string newSavedFileText(std::string_view timeStamp, std::string_view report) {
    std::string text = savedFileTitleLine();
    text += kLineEnd;
    text += timeStamp;
    text += kLineEnd;
    text += report;
    text += kLineEnd;
    return text;
}

std::string appendedSavedText(std::string_view timeStamp, std::string_view report) {
    std::string text(kLineEnd);
    text += timeStamp;
    text += kLineEnd;
    text += report;
    return text;
}

bool isValidUtf8(std::string_view bytes) {
    std::size_t at = 0;
    while (at < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[at]);
        const int continuations = continuationCount(lead);
        if (continuations < 0 || bytes.size() - at <= static_cast<std::size_t>(continuations))
            return false;
        const auto following = static_cast<std::size_t>(continuations);
        for (std::size_t index = 1; index <= following; ++index) {
            const auto next = static_cast<unsigned char>(bytes[at + index]);
            const bool fits =
                index == 1 ? firstContinuationFits(lead, next) : next >= 0x80 && next <= 0xBF;
            if (!fits)
                return false;
        }
        at += following + 1;
    }
    return true;
}

DetectedEncoding detectImportEncoding(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF"))
        return {ImportEncoding::Utf8, 3};
    if (bytes.starts_with("\xFF\xFE"))
        return {ImportEncoding::Utf16LittleEndian, 2};
    if (bytes.starts_with("\xFE\xFF"))
        return {ImportEncoding::Utf16BigEndian, 2};
    if (isValidUtf8(bytes))
        return {ImportEncoding::Utf8, 0};
    return {ImportEncoding::Gbk, 0};
}

}  // namespace suoshui
