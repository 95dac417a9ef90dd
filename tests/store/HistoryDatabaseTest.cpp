#include "store/HistoryDatabase.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "ChildImport.h"

namespace suoshui::store {
namespace {

const DrawHistory kDraws = {{"2026233", "2026-08-31", 123}, {"2026232", "2026-08-30", 658}};

class HistoryDatabaseTest : public ::testing::Test {
  protected:
    QString file() const { return folder.filePath(QStringLiteral("history.sqlite")); }

    QTemporaryDir folder;
};

TEST_F(HistoryDatabaseTest, KeepsEachLotteryApartAcrossReopening) {
    {
        HistoryDatabase database(file(), QStringLiteral("first"));
        ASSERT_TRUE(database.isOpen()) << database.problem().toStdString();
        EXPECT_EQ(database.add(Lottery::Fucai3D, kDraws), QString());
        EXPECT_EQ(database.add(Lottery::Pailie3, {{"26232", "", 7}}), QString());
    }
    HistoryDatabase again(file(), QStringLiteral("again"));
    EXPECT_EQ(again.draws(Lottery::Fucai3D), kDraws);
    EXPECT_EQ(again.draws(Lottery::Pailie3), DrawHistory({{"26232", "", 7}}));
    EXPECT_EQ(again.clear(Lottery::Pailie3), QString());
    EXPECT_TRUE(again.draws(Lottery::Pailie3).empty());
    EXPECT_EQ(again.draws(Lottery::Fucai3D), kDraws);
}

// Bare numbers keep the order they were given in, newest first.
TEST_F(HistoryDatabaseTest, ReplacingWithBareNumbersKeepsTheirOrder) {
    HistoryDatabase database(file(), QStringLiteral("bare"));
    ASSERT_EQ(database.add(Lottery::Fucai3D, kDraws), QString());
    const DrawHistory bare = {{"", "", 5}, {"", "", 900}, {"", "", 5}};
    EXPECT_EQ(database.replace(Lottery::Fucai3D, bare), QString());
    EXPECT_EQ(database.draws(Lottery::Fucai3D), bare);
}

TEST_F(HistoryDatabaseTest, ASecondConnectionSeesTheFirstsChange) {
    HistoryDatabase first(file(), QStringLiteral("one"));
    HistoryDatabase second(file(), QStringLiteral("two"));
    EXPECT_TRUE(second.draws(Lottery::Fucai3D).empty());
    ASSERT_EQ(first.add(Lottery::Fucai3D, kDraws), QString());
    EXPECT_EQ(second.draws(Lottery::Fucai3D), kDraws);
}

TEST_F(HistoryDatabaseTest, ADamagedFileIsRenamedAsideAndANewOneStarted) {
    {
        QFile damaged(file());
        ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray(8192, 'x'));
    }
    HistoryDatabase database(file(), QStringLiteral("damaged"));
    EXPECT_TRUE(database.isOpen());
    EXPECT_TRUE(database.problem().contains(QStringLiteral("已损坏，已改名为")))
        << database.problem().toStdString();
    const QStringList aside =
        QDir(folder.path()).entryList({QStringLiteral("history.sqlite.damaged-*")});
    ASSERT_EQ(aside.size(), 1);
    EXPECT_TRUE(database.problem().contains(aside.front()));
    EXPECT_EQ(QFile(folder.filePath(aside.front())).size(), 8192);
    EXPECT_EQ(database.add(Lottery::Fucai3D, kDraws), QString());
}

TEST_F(HistoryDatabaseTest, AFileOfANewerVersionIsLeftAlone) {
    {
        HistoryDatabase database(file(), QStringLiteral("made"));
        ASSERT_EQ(database.add(Lottery::Fucai3D, kDraws), QString());
    }
    {
        QSqlDatabase raw =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
        raw.setDatabaseName(file());
        ASSERT_TRUE(raw.open());
        QSqlQuery(raw).exec(QStringLiteral("PRAGMA user_version = 9"));
        raw.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));
    HistoryDatabase database(file(), QStringLiteral("newer"));
    EXPECT_FALSE(database.isOpen());
    EXPECT_TRUE(database.problem().contains(QStringLiteral("更新的版本")));
    EXPECT_FALSE(database.add(Lottery::Fucai3D, kDraws).isEmpty());
}

// Another copy holding a write lock: a change waits, then fails with a reason and changes
// nothing; reading still works.
TEST_F(HistoryDatabaseTest, ALockedFileRefusesChangesInWords) {
    HistoryDatabase database(file(), QStringLiteral("locked"));
    ASSERT_EQ(database.add(Lottery::Fucai3D, kDraws), QString());
    QSqlDatabase other =
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
    other.setDatabaseName(file());
    ASSERT_TRUE(other.open());
    QSqlQuery hold(other);
    ASSERT_TRUE(hold.exec(QStringLiteral("BEGIN EXCLUSIVE")));
    EXPECT_TRUE(database.add(Lottery::Fucai3D, {{"2026234", "", 1}})
                    .contains(QStringLiteral("另一个程序")));
    hold.exec(QStringLiteral("ROLLBACK"));
    hold.finish();
    other.close();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("holder"));
    EXPECT_EQ(database.draws(Lottery::Fucai3D), kDraws);
}

TEST_F(HistoryDatabaseTest, AnUnwritableFolderIsSaidAndNothingBreaks) {
    HistoryDatabase database(folder.filePath(QStringLiteral("missing/history.sqlite")),
                             QStringLiteral("nowhere"));
    EXPECT_FALSE(database.isOpen());
    EXPECT_FALSE(database.problem().isEmpty());
    EXPECT_TRUE(database.draws(Lottery::Fucai3D).empty());
}

// A program killed in the middle of an import leaves the file as it was before the import.
TEST_F(HistoryDatabaseTest, AnImportKilledHalfWayLeavesTheFileAsItWas) {
    {
        HistoryDatabase database(file(), QStringLiteral("before"));
        ASSERT_EQ(database.add(Lottery::Fucai3D, kDraws), QString());
    }
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kChildImportVariable), file());
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {});
    ASSERT_TRUE(child.waitForStarted());
    ASSERT_TRUE(child.waitForReadyRead(60000));
    EXPECT_EQ(child.readLine().trimmed(), QByteArray("writing"));
    child.kill();
    ASSERT_TRUE(child.waitForFinished());
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);
    HistoryDatabase after(file(), QStringLiteral("after"));
    ASSERT_TRUE(after.isOpen()) << after.problem().toStdString();
    EXPECT_EQ(after.draws(Lottery::Fucai3D), kDraws);
    EXPECT_EQ(after.add(Lottery::Fucai3D, {{"2026234", "", 1}}), QString());
}

}  // namespace
}  // namespace suoshui::store
