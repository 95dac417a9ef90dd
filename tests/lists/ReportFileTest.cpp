#include "lists/ReportFile.h"

#include <gtest/gtest.h>

#include <string>

namespace suoshui {
namespace {

struct TimeStampCase {
    LocalTime time;
    const char* expected;
};

class TimeStampTest : public ::testing::TestWithParam<TimeStampCase> {};

TEST_P(TimeStampTest, ShortestFormOfTheTimeOfDay) {
    EXPECT_EQ(timeStampText(GetParam().time), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, TimeStampTest,
    ::testing::Values(TimeStampCase{{2014, 5, 6, 10, 23, 15}, "2014年5月6日10时23分15秒"},
                      TimeStampCase{{2014, 5, 6, 9, 5, 0}, "2014年5月6日9时5分"},
                      TimeStampCase{{2014, 11, 20, 0, 0, 0}, "2014年11月20日"},
                      TimeStampCase{{2026, 12, 8, 7, 0, 0}, "2026年12月8日7时"},
                      // Seconds alone keep the hour and the minutes, zeros included.
                      TimeStampCase{{2026, 1, 1, 0, 0, 9}, "2026年1月1日0时0分9秒"},
                      TimeStampCase{{2026, 1, 1, 0, 30, 0}, "2026年1月1日0时30分"}));

TEST(SavedFileTextTest, NewFileHasTitleEmptyLineStampReportAndClosingLineEnd) {
    EXPECT_EQ(savedFileTitleLine(), "银罗盘排列3/3D选号缩水工具    V2.90 版\r\n");
    EXPECT_EQ(newSavedFileText("2014年11月20日", "共1注\r\n123"),
              "银罗盘排列3/3D选号缩水工具    V2.90 版\r\n\r\n2014年11月20日\r\n共1注\r\n123\r\n");
    EXPECT_EQ(newSavedFileText("2014年11月20日", ""),
              "银罗盘排列3/3D选号缩水工具    V2.90 版\r\n\r\n2014年11月20日\r\n\r\n");
}

TEST(SavedFileTextTest, AppendedBlockEndsWithTheReport) {
    EXPECT_EQ(appendedSavedText("2014年5月6日9时5分", "456"), "\r\n2014年5月6日9时5分\r\n456");
}

struct EncodingCase {
    const char* name;
    std::string bytes;
    ImportEncoding encoding;
    std::size_t skipped;
};

class ImportEncodingTest : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(ImportEncodingTest, ByteOrderMarkThenUtf8ValidityDecide) {
    const DetectedEncoding detected = detectImportEncoding(GetParam().bytes);
    EXPECT_EQ(detected.encoding, GetParam().encoding);
    EXPECT_EQ(detected.byteOrderMarkLength, GetParam().skipped);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ImportEncodingTest,
    ::testing::Values(EncodingCase{"Empty", "", ImportEncoding::Utf8, 0},
                      EncodingCase{"Ascii", "123 456\r\n789", ImportEncoding::Utf8, 0},
                      EncodingCase{"Utf8Chinese", "123，456", ImportEncoding::Utf8, 0},
                      EncodingCase{"Utf8Mark",
                                   "\xEF\xBB\xBF"
                                   "123",
                                   ImportEncoding::Utf8, 3},
                      EncodingCase{"Utf16LittleMark",
                                   std::string("\xFF\xFE"
                                               "1\0",
                                               4),
                                   ImportEncoding::Utf16LittleEndian, 2},
                      EncodingCase{"Utf16BigMark",
                                   std::string("\xFE\xFF\0"
                                               "1",
                                               4),
                                   ImportEncoding::Utf16BigEndian, 2},
                      // "１２３，４５６" in GBK: full-width characters are not UTF-8.
                      EncodingCase{"GbkComma",
                                   "123\xA3\xAC"
                                   "456",
                                   ImportEncoding::Gbk, 0},
                      EncodingCase{"GbkTitle", "\xD2\xF8\xC2\xDE\xC5\xCC", ImportEncoding::Gbk, 0},
                      EncodingCase{"CutUtf8AtEnd", "123\xE4\xB8", ImportEncoding::Gbk, 0},
                      EncodingCase{"Overlong", "\xC0\xAF", ImportEncoding::Gbk, 0},
                      EncodingCase{"Surrogate", "\xED\xA0\x80", ImportEncoding::Gbk, 0},
                      EncodingCase{"AboveUnicode", "\xF4\x90\x80\x80", ImportEncoding::Gbk, 0},
                      EncodingCase{"FourByte", "\xF0\x9F\x98\x80", ImportEncoding::Utf8, 0}),
    [](const ::testing::TestParamInfo<EncodingCase>& test) { return test.param.name; });

}  // namespace
}  // namespace suoshui
