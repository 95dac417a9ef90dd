#include "store/KeptHistory.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>

namespace suoshui::store {
namespace {

const DrawHistory kKept = {{"2026233", "", 123}, {"2026232", "", 658}};

class KeptHistoryTest : public ::testing::Test {
  protected:
    DataFolder dataFolder() const { return DataFolder(folder.filePath(QStringLiteral("suoshui"))); }

    QTemporaryDir folder;
};

// A second copy of the program adds after this one read its draws: an addition here merges
// with what the file holds, not with what this copy read before.
TEST_F(KeptHistoryTest, AddsToWhatTheFileHoldsAndTellsItsObservers) {
    KeptHistory mine(dataFolder(), QStringLiteral("mine"));
    KeptHistory theirs(dataFolder(), QStringLiteral("theirs"));
    EXPECT_TRUE(mine.draws().empty());
    ASSERT_TRUE(theirs.add(Lottery::Fucai3D, kKept).failure.isEmpty());
    QSignalSpy changed(&mine, &KeptHistory::changed);
    const KeptHistory::Addition addition =
        mine.add(Lottery::Fucai3D, {{"2026234", "", 1}, {"2026232", "", 659}});
    EXPECT_EQ(mergeText(addition.merge),
              "新增 1 期，已有 0 期，冲突 1 期，最新 2026234；期号 2026232 已存为 658，这次读到 "
              "659：未改");
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(mine.draws().size(), 3u);
    EXPECT_EQ(mine.draws().at(2), kKept.at(1));
    theirs.reload();
    EXPECT_EQ(theirs.draws().size(), 3u);
}

TEST_F(KeptHistoryTest, TheChosenLotteryIsRememberedAndKeptApart) {
    {
        KeptHistory history(dataFolder(), QStringLiteral("choose"));
        EXPECT_EQ(history.lottery(), Lottery::Fucai3D);
        history.setLottery(Lottery::Pailie3);
        history.add(Lottery::Pailie3, {{"26232", "", 7}});
    }
    KeptHistory next(dataFolder(), QStringLiteral("next"));
    EXPECT_EQ(next.lottery(), Lottery::Pailie3);
    EXPECT_EQ(next.draws().size(), 1u);
    EXPECT_TRUE(next.draws(Lottery::Fucai3D).empty());
    EXPECT_EQ(next.clear(Lottery::Pailie3), QString());
    EXPECT_TRUE(next.draws().empty());
}

// A data folder that cannot be made: the draws live in memory and the reason is said.
TEST_F(KeptHistoryTest, WithoutAFolderTheDrawsLiveInMemory) {
    QFile blocker(folder.filePath(QStringLiteral("suoshui")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    KeptHistory history(dataFolder(), QStringLiteral("memory"));
    EXPECT_FALSE(history.problem().isEmpty());
    EXPECT_TRUE(history.add(Lottery::Fucai3D, kKept).failure.isEmpty());
    EXPECT_EQ(history.draws(), kKept);
}

}  // namespace
}  // namespace suoshui::store
