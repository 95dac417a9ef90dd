// sources.ini: written with the defaults on first use, read in the order of its groups, a bad
// group or an unreadable file named.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "fetch/DefaultSources.h"
#include "fetch/SourcesFile.h"

namespace suoshui::fetch {
namespace {

class SourcesFileTest : public ::testing::Test {
  protected:
    QString write(const char* text) const {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }

    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("sources.ini"));
};

TEST_F(SourcesFileTest, FirstUseWritesTheDefaultsWhichReadBackWhole) {
    const SourceList first = readSourcesFile(path);
    EXPECT_TRUE(first.problems.isEmpty());
    EXPECT_EQ(first.sources, defaultSources());
    ASSERT_TRUE(QFile::exists(path));
    // The browser names hold ";" and ",", which the file must quote to keep.
    const SourceList again = readSourcesFile(path);
    EXPECT_TRUE(again.problems.isEmpty()) << again.problems.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(again.sources, defaultSources());
}

TEST_F(SourcesFileTest, GroupsAreTriedInTheirFileOrderAndABadOneIsNamed) {
    write(
        "[我的文本]\nlottery=福彩3D\nkind=text\nurl=http://127.0.0.1:1/fc3d.txt\n"
        "[福彩网]\nlottery=福彩3D\nkind=cwl\nurl=https://127.0.0.1:1/d?pageNo={page}\n"
        "pause_ms=250\nuser_agent=Mozilla/5.0 (X11, Linux)\n"
        "[旧来源]\nlottery=福彩3D\nkind=ftp\nurl=http://127.0.0.1:1/\n"
        "[排列三]\nlottery=排列三\nkind=sporttery\nurl=http://127.0.0.1:1/\n");
    const SourceList list = readSourcesFile(path);
    ASSERT_EQ(list.sources.size(), 2u);
    EXPECT_EQ(list.sources[0].name, QStringLiteral("我的文本"));
    EXPECT_EQ(list.sources[0].kind, SourceKind::Text);
    EXPECT_EQ(list.sources[0].pauseMs, 1000);
    EXPECT_EQ(list.sources[1].name, QStringLiteral("福彩网"));
    EXPECT_EQ(list.sources[1].pauseMs, 250);
    EXPECT_EQ(list.sources[1].userAgent, QStringLiteral("Mozilla/5.0 (X11, Linux)"));
    EXPECT_EQ(pageUrl(list.sources[1], 3), QStringLiteral("https://127.0.0.1:1/d?pageNo=3"));
    ASSERT_EQ(list.problems.size(), 2);
    EXPECT_TRUE(
        list.problems.join(QLatin1Char('\n')).contains(QStringLiteral("[旧来源]：kind 是“ftp”")));
    EXPECT_TRUE(list.problems.join(QLatin1Char('\n'))
                    .contains(QStringLiteral("[排列三]：lottery 是“排列三”")));
}

TEST_F(SourcesFileTest, AFileThatCannotBeReadGivesTheDefaultsAndSaysSo) {
    ASSERT_TRUE(QDir().mkpath(path));  // a folder where the file should be
    const SourceList list = readSourcesFile(path);
    EXPECT_EQ(list.sources, defaultSources());
    ASSERT_EQ(list.problems.size(), 1);
    EXPECT_TRUE(list.problems.front().contains(QStringLiteral("无法读取来源文件")));
    EXPECT_TRUE(list.problems.front().contains(QStringLiteral("默认的来源")));
}

}  // namespace
}  // namespace suoshui::fetch
