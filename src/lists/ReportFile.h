#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace suoshui {

// The program's version as it appears in the saved files and the start window.
// The number comes from the project version in the build files.
inline constexpr std::string_view kVersionText = " V" SUOSHUI_VERSION;

// A moment of local time, as the save reads the clock.
struct LocalTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// "2014年5月6日10时23分15秒": the date, then the time of day in its shortest form; the seconds
// are left out when 0, then the minutes, then the hour, so exact midnight gives the date alone.
std::string timeStampText(const LocalTime& time);

// How every saved file begins, whatever the version that saved it.
inline constexpr std::string_view kSavedFileTitle = "银罗盘排列3/3D选号缩水工具";

// The first line of every saved file: "银罗盘排列3/3D选号缩水工具    V2.90 版" and CR LF.
std::string savedFileTitleLine();

// What a save writes into a file that does not exist yet: the title line, an empty line, the
// time stamp line, the report and a closing CR LF.
std::string newSavedFileText(std::string_view timeStamp, std::string_view report);

// What a save appends to an existing file: a line break, the time stamp line and the report,
// so that one file collects a dated history of reports.
std::string appendedSavedText(std::string_view timeStamp, std::string_view report);

// The encodings an imported base list may come in.
enum class ImportEncoding { Gbk, Utf8, Utf16LittleEndian, Utf16BigEndian };

struct DetectedEncoding {
    ImportEncoding encoding = ImportEncoding::Gbk;
    std::size_t byteOrderMarkLength = 0;  // bytes to skip before the text
};

// A byte-order mark decides; without one, text that is valid UTF-8 is read as UTF-8 and
// everything else as GBK, the encoding the program itself writes.
DetectedEncoding detectImportEncoding(std::string_view bytes);

bool isValidUtf8(std::string_view bytes);

// Larger files are refused: the base list box would take minutes to show them.
inline constexpr std::int64_t kImportLimitBytes = std::int64_t{64} * 1024 * 1024;

}  // namespace suoshui
