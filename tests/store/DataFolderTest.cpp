#include "store/DataFolder.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace suoshui::store {
namespace {

TEST(DataFolderTest, FollowsXdgDataHome) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    EXPECT_EQ(DataFolder::lookUp().path(), home.filePath(QStringLiteral("suoshui")));
}

TEST(DataFolderTest, CreatesTheFolderOnceAndKeepsChoicesInIt) {
    QTemporaryDir home;
    const DataFolder folder(home.filePath(QStringLiteral("a/b/suoshui")));
    EXPECT_EQ(folder.create(), QString());
    EXPECT_EQ(folder.create(), QString());
    folder.rememberedChoices()->setValue(QStringLiteral("lottery"), QStringLiteral("排列3"));
    EXPECT_EQ(folder.rememberedChoices()->value(QStringLiteral("lottery")).toString(),
              QStringLiteral("排列3"));
    EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("settings.ini"))));
}

TEST(DataFolderTest, AFileInTheWayIsNamed) {
    QTemporaryDir home;
    QFile blocker(home.filePath(QStringLiteral("suoshui")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString why = DataFolder(blocker.fileName()).create();
    EXPECT_TRUE(why.contains(QStringLiteral("不是文件夹"))) << why.toStdString();
}

}  // namespace
}  // namespace suoshui::store
